#include "AtomicWrite.h"

#include "Common.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
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
    QByteArray temporary;
    const int fd = CreateSibling(path, temporary);
    if (fd < 0) {
        SystemLogWrite("AtomicWrite::ReplaceWithBytes", "cannot create a file beside " + path + ": " +
                                                            QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    const QByteArray target = QFile::encodeName(path);
    struct stat existing {};
    bool ok = WriteAll(fd, data, size);
    // A regular file keeps its mode; a link's own mode means nothing.
    if (ok && ::lstat(target.constData(), &existing) == 0 && S_ISREG(existing.st_mode))
        ok = ::fchmod(fd, existing.st_mode & 07777) == 0;
    if (flush)
        ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    // rename() replaces a link at the target's name, never its target.
    if (ok)
        ok = std::rename(temporary.constData(), target.constData()) == 0;
    if (!ok) {
        SystemLogWrite("AtomicWrite::ReplaceWithBytes",
                       "cannot write " + path + ": " + QString::fromLocal8Bit(std::strerror(errno)));
        ::unlink(temporary.constData());
    }
    return ok;
}

} // namespace AtomicWrite
