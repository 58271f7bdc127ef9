#include "AtomicWrite.h"

#include "Common.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <stdio.h> // renameat2
#include <sys/stat.h>
#include <unistd.h>

namespace AtomicWrite {
namespace {

// A fresh file beside `path`, created with O_EXCL and never through a link;
// -1 when none could be made.
int CreateSibling(const QString& path, QByteArray& name)
{
    const QString folder = QFileInfo(path).absolutePath() + '/' + TemporaryPrefix();
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString candidate = folder;
        for (int i = 0; i < 6; ++i)
            candidate += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)]);
        name = QFile::encodeName(candidate);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
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

} // namespace

QString TemporaryPrefix()
{
    return QStringLiteral(".gbwrite-");
}

bool ReplaceWithBytes(const QString& path, const char* data, qint64 size, bool flush)
{
    return WriteBytes(path, data, size, flush, true) == Placed::Done;
}

Placed WriteBytes(const QString& path, const char* data, qint64 size, bool flush, bool replace)
{
    return WriteWith(path, [&](int fd) { return WriteAll(fd, data, size); }, flush, replace);
}

Placed WriteWith(const QString& path, const std::function<bool(int fd)>& fill, bool flush, bool replace)
{
    QByteArray temporary;
    const int fd = CreateSibling(path, temporary);
    if (fd < 0) {
        const int error = errno;
        SystemLogWrite("AtomicWrite::WriteWith", "cannot create a file beside " + path + ": " +
                                                      QString::fromLocal8Bit(std::strerror(error)));
        errno = error;
        return Placed::Failed;
    }
    const QByteArray target = QFile::encodeName(path);
    struct stat existing {};
    bool ok = fill(fd);
    // A regular file keeps its mode; a link's own mode means nothing.
    if (ok && replace && ::lstat(target.constData(), &existing) == 0 && S_ISREG(existing.st_mode))
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    int error = ok ? 0 : errno;
    if (flush && ::fsync(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    Placed placed = ok ? Placed::Done : Placed::Failed;
    // rename() replaces a link at the target's name, never its target.
    if (ok && replace)
        placed = std::rename(temporary.constData(), target.constData()) == 0 ? Placed::Done : Placed::Failed;
    else if (ok)
        placed = RenameNoReplace(temporary, target);
    if (ok && placed == Placed::Failed)
        error = errno;
    if (placed != Placed::Done) {
        if (placed == Placed::Failed)
            SystemLogWrite("AtomicWrite::WriteWith",
                           "cannot write " + path + ": " + QString::fromLocal8Bit(std::strerror(error)));
        else
            SystemLogWrite("AtomicWrite::WriteWith", "the name was taken meanwhile: " + path);
        ::unlink(temporary.constData());
    }
    // The caller tells the user why, after the clean-up above.
    if (placed == Placed::Failed)
        errno = error;
    return placed;
}

Placed RenameNoReplace(const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return Placed::Done;
    if (errno == EEXIST)
        return Placed::Taken;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return Placed::Failed;
    // A file system without that kind of rename: a second name for the file
    // is only made where none exists.
    if (::link(from.constData(), to.constData()) == 0) {
        ::unlink(from.constData());
        return Placed::Done;
    }
    if (errno == EEXIST)
        return Placed::Taken;
    // Nor links (FAT, say): claim the name with an empty file first, made
    // only where none exists, then move the bytes over our own claim.
    const int claim = ::open(to.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (claim < 0)
        return errno == EEXIST ? Placed::Taken : Placed::Failed;
    ::close(claim);
    if (std::rename(from.constData(), to.constData()) == 0)
        return Placed::Done;
    const int error = errno;
    ::unlink(to.constData());
    errno = error;
    return Placed::Failed;
}

} // namespace AtomicWrite
