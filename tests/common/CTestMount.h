#pragma once

#include <QByteArray>
#include <QString>

// A folder on a file system of its own for as long as the object lives: a
// small tmpfs, or a FUSE mount (bindfs) of a folder beside it. Mounting
// needs root; IsMounted() says whether it worked.
class CTestMount
{
public:
    enum Kind { Tmpfs, Fuse };
    CTestMount(const QString& folder, Kind kind);
    ~CTestMount();
    CTestMount(const CTestMount&) = delete;
    CTestMount& operator=(const CTestMount&) = delete;
    bool IsMounted() const { return mounted; }
    // Why a mount of `kind` failed, for a skipped row.
    static QString SkipReason(Kind kind);

private:
    QByteArray path;
    bool mounted = false;
};
