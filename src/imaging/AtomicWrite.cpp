#include "AtomicWrite.h"

#include "Common.h"
#include "CPendingFile.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <stdio.h> // renameat2
#include <sys/stat.h>
#include <unistd.h>

namespace AtomicWrite {

QString TemporaryPrefix()
{
    return QStringLiteral(".gbwrite-");
}

bool WriteAll(int fd, const char* data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

bool ReplaceWithBytes(const QString& path, const char* data, qint64 size, bool flush)
{
    return WriteBytes(path, data, size, flush, true) == Placed::Done;
}

Placed WriteBytes(const QString& path, const char* data, qint64 size, bool flush, bool replace)
{
    return WriteWith(path, [&](int fd) { return WriteAll(fd, data, size); }, flush, replace);
}

Placed WriteWith(const QString& path, const std::function<bool(int fd)>& fill, bool flush, bool replace,
                 bool keepMode)
{
    CPendingFile pending(path);
    if (!pending.IsOpen()) {
        const int error = errno;
        SystemLogWrite("AtomicWrite::WriteWith", "cannot create a file beside " + path + ": " +
                                                      QString::fromLocal8Bit(std::strerror(error)));
        errno = error;
        return Placed::Failed;
    }
    bool ok = fill(pending.Descriptor());
    // A regular file keeps its mode where the file system lets it; a link's
    // own mode means nothing.
    mode_t mode = 0;
    if (ok && replace && keepMode && pending.ExistingMode(mode))
        SetModeIfAllowed(pending.Descriptor(), mode, path);
    int error = ok ? 0 : errno;
    // The bytes reach the disk before the name does: a crash never leaves
    // the name on an empty or partly written file.
    if (ok && flush && !FlushToDisk(pending.Descriptor(), path)) {
        error = errno;
        ok = false;
    }
    Placed placed = ok ? pending.Place(replace) : Placed::Failed;
    if (ok && placed == Placed::Failed)
        error = errno;
    // The name is on the disk once its folder is.
    if (placed == Placed::Done && flush && !pending.FlushFolder()) {
        error = errno;
        placed = Placed::Failed;
        SystemLogWrite("AtomicWrite::WriteWith", "written, but its folder could not be flushed: " + path);
    }
    if (placed == Placed::Failed)
        SystemLogWrite("AtomicWrite::WriteWith",
                       "cannot write " + path + ": " + QString::fromLocal8Bit(std::strerror(error)));
    else if (placed == Placed::Taken)
        SystemLogWrite("AtomicWrite::WriteWith", "the name was taken meanwhile: " + path);
    // The caller tells the user why; the pending file's clean-up keeps it.
    if (placed == Placed::Failed)
        errno = error;
    return placed;
}

namespace {

// True once a flush returned `result`, and when the file system has no
// flush to offer; false (errno saying why) when it failed.
bool Flushed(int result, const QString& what)
{
    if (result == 0)
        return true;
    // Some file systems, network and FUSE ones among them, have no flush to
    // offer, for folders in particular: there is nothing more to wait for.
    if (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP) {
        const int refused = errno;
        SystemLogWrite("AtomicWrite::FlushToDisk",
                       "no flush offered for " + what + ": " + QString::fromLocal8Bit(std::strerror(refused)));
        errno = refused;
        return true;
    }
    return false;
}

} // namespace

bool FlushToDisk(int fd, const QString& what)
{
    return Flushed(::fsync(fd), what);
}

bool FlushFileSystem(int fd, const QString& what)
{
    return Flushed(::syncfs(fd), what);
}

bool SetModeIfAllowed(int fd, mode_t mode, const QString& path)
{
    const int saved = errno;
    if (::fchmod(fd, mode) == 0)
        return true;
    // FAT, some FUSE and network file systems refuse any change of mode
    // (EPERM, ENOSYS, EOPNOTSUPP): the file keeps the one they give it.
    SystemLogWrite("AtomicWrite::SetModeIfAllowed", "mode " + QString::number(mode, 8) + " not kept for " + path +
                                                         ": " + QString::fromLocal8Bit(std::strerror(errno)));
    errno = saved;
    return false;
}

Placed RenameNoReplace(const QByteArray& from, const QByteArray& to)
{
    return RenameNoReplaceAt(AT_FDCWD, from.constData(), AT_FDCWD, to.constData());
}

Placed RenameNoReplaceAt(int fromFolder, const char* from, int toFolder, const char* to)
{
    if (::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0)
        return Placed::Done;
    if (errno == EEXIST)
        return Placed::Taken;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return Placed::Failed;
    // A file system without that kind of rename: a second name for the file
    // is only made where none exists.
    if (::linkat(fromFolder, from, toFolder, to, 0) == 0) {
        ::unlinkat(fromFolder, from, 0);
        return Placed::Done;
    }
    if (errno == EEXIST)
        return Placed::Taken;
    // Nor links (FAT, say): claim the name with an empty file first, made
    // only where none exists, then move the bytes over our own claim.
    const int claim = ::openat(toFolder, to, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (claim < 0)
        return errno == EEXIST ? Placed::Taken : Placed::Failed;
    ::close(claim);
    if (::renameat(fromFolder, from, toFolder, to) == 0)
        return Placed::Done;
    const int error = errno;
    ::unlinkat(toFolder, to, 0);
    errno = error;
    return Placed::Failed;
}

} // namespace AtomicWrite
