#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

#include <sys/types.h>

// Replacing a file without ever leaving it half written and without writing
// through a link: the bytes go to a new file in the target's folder that no
// one sees yet (CPendingFile), which then takes the target's name in one
// step. A link at the target's name is replaced by the new file; what it
// pointed to stays untouched. Every step works in the folder that was opened
// first, so a write whose folder is renamed meanwhile still cleans up there.
namespace AtomicWrite {

// Name prefix of the hidden temporary file of a write in progress, on file
// systems where the new file cannot stay nameless until it is complete (a
// killed run may leave one behind there).
QString TemporaryPrefix();

// Writes size bytes to `path` as above. With `flush` the write survives the
// system going down right after it: the bytes are on the disk before the
// file takes its name, and the folder, so the name itself, after (FlushToDisk
// for both; CPendingFile::FlushFolder for the folder). Without, the name follows at once, and a crash soon after may
// lose the new file but never leaves a half-written one in the run. An
// existing regular file keeps its mode; a new file gets the usual one (0666
// less the umask). Where the file system refuses a change of mode, the file
// has the mode it gives. False on any failure, with nothing changed at
// `path` and no temporary file left; except when only the folder's flush
// failed: the new file then already has its name, whole, but may lose it
// should the system go down.
bool ReplaceWithBytes(const QString& path, const char* data, qint64 size, bool flush = true);

// What became of a write that may not replace anything.
enum class Placed { Done, Taken, Failed };

// Writes as ReplaceWithBytes does when `replace`; otherwise the new file
// takes the name only while nothing (no file, folder or link) has it, in one
// step, so that a file another program or run put there after any earlier
// check stays as it is: Taken then, with nothing changed and nothing left.
// Failed leaves errno saying why (no space left, a read-only file system).
Placed WriteBytes(const QString& path, const char* data, qint64 size, bool flush, bool replace);

// As WriteBytes, the bytes coming from `fill`, which writes them to the new
// file open at the descriptor it is given and leaves that open; false from
// fill fails the write. Failed leaves errno saying why (what fill left in it
// when fill failed). Without `keepMode` a replaced file's mode is not
// carried over: the new file has the mode fill gave it.
Placed WriteWith(const QString& path, const std::function<bool(int fd)>& fill, bool flush, bool replace,
                 bool keepMode = true);

// Gives the open file `fd` (to be placed at `path`) the mode where its file
// system allows it. A refusal is only traced: the bytes decide whether a
// write succeeded, never its permissions. errno is left as it was.
bool SetModeIfAllowed(int fd, mode_t mode, const QString& path);

// Asks the file system to put what `fd` holds on the disk: a file's bytes,
// or a folder's names. True once they are there, and when the file system
// does not offer the request (EINVAL, ENOSYS, EOPNOTSUPP), which is only
// traced, naming `what`: there is nothing more to wait for. False, errno
// saying why, when the flush failed (EIO, ENOSPC, EDQUOT...).
bool FlushToDisk(int fd, const QString& what);
// The same for everything the file system that holds `fd` has yet to
// write: the way to a folder's names where the folder may be written but
// not opened for reading. It waits for every other writer on that disk.
bool FlushFileSystem(int fd, const QString& what);

// Writes all size bytes to the descriptor; false (errno set) on an error.
bool WriteAll(int fd, const char* data, qint64 size);

// Gives the file `from` the name `to` only while `to` is free, in one step
// (no check-then-rename gap). Taken leaves both as they were; Failed (errno
// set) likewise.
Placed RenameNoReplace(const QByteArray& from, const QByteArray& to);
// The same with names relative to open folders (or AT_FDCWD).
Placed RenameNoReplaceAt(int fromFolder, const char* from, int toFolder, const char* to);

} // namespace AtomicWrite
