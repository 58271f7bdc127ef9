#pragma once

#include <QString>

#include <sys/types.h>

#include <ctime>

// The file a photo was read from, as it was when it was read: its device,
// inode, size and modification time. A camera sync or a copy into an inbox
// folder may put another photo under the same name while the run works; the
// run deletes a source only while its name still leads to the very file it
// read, or that other photo would be lost unread.
class CSourceIdentity
{
public:
    CSourceIdentity() = default;
    // The file `path` leads to now (links followed, as the readers open it);
    // not valid when it cannot be examined.
    static CSourceIdentity Of(const QString& path);

    bool IsValid() const { return valid; }
    bool operator==(const CSourceIdentity& other) const;
    bool operator!=(const CSourceIdentity& other) const { return !(*this == other); }

private:
    bool valid = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified {};
};
