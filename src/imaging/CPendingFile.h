#pragma once

#include "AtomicWrite.h"

#include <QByteArray>
#include <QString>

#include <sys/types.h>

// A new file on its way to its name: written where nobody sees it, then
// given the name in one step. The folder is held open from the start, so
// every step, the clean-up included, happens in that folder even when it is
// renamed or moved meanwhile. Where the file system allows it the file has
// no name at all until it is placed, so that a run killed midway leaves
// nothing behind; elsewhere it has a hidden temporary name (the prefix is
// AtomicWrite::TemporaryPrefix()) that goes again unless the file is placed.
class CPendingFile
{
public:
    // Opens the folder of `path` and creates the new file there with the
    // usual mode (0666 less the umask). IsOpen() is false, errno saying why,
    // when either fails.
    explicit CPendingFile(const QString& path);
    // Closes the file; one that was not placed leaves nothing. Keeps errno.
    ~CPendingFile();
    CPendingFile(const CPendingFile&) = delete;
    CPendingFile& operator=(const CPendingFile&) = delete;

    bool IsOpen() const { return file >= 0; }
    // The new file, open for writing until Place().
    int Descriptor() const { return file; }
    // The mode of the regular file at the target's name, in `mode`; false
    // when there is none (nothing, a link, a folder).
    bool ExistingMode(mode_t& mode) const;
    // Closes the new file and gives it the target's name: replacing what
    // has it (a link is replaced, never written through), or only while the
    // name is free (Taken otherwise, with nothing changed). Failed leaves
    // errno set, a close that reports an earlier failed write included.
    // The placed file stays reachable for FlushFolder() until destruction.
    AtomicWrite::Placed Place(bool replace);
    // Puts the folder's names on the disk (AtomicWrite::FlushToDisk), so
    // that a name Place() gave survives the system going down. A folder one
    // may write but not read (a drop box) cannot be opened to flush it: its
    // whole file system is flushed instead, through the placed file
    // (AtomicWrite::FlushFileSystem). False, errno saying why, when the
    // flush failed or the folder cannot be reached.
    bool FlushFolder() const;

private:
    bool Close();
    bool OpenAnonymous();
    bool OpenNamed();
    bool LinkAnonymous(const QByteArray& as) const;
    AtomicWrite::Placed PlaceAnonymous(bool replace);
    AtomicWrite::Placed PlaceNamed(bool replace);

    QString folderPath;   // the target's folder, for traces
    QByteArray name;      // the target's name in its folder
    QByteArray temporary; // the hidden name while there is one, else empty
    int folder = -1;
    int file = -1;
    int placedFile = -1; // the file once placed, open until destruction
    bool anonymous = false;
    bool placed = false;
};
