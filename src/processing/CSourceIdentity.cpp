#include "CSourceIdentity.h"

#include <QFile>

#include <sys/stat.h>

CSourceIdentity CSourceIdentity::Of(const QString& path)
{
    CSourceIdentity identity;
    struct stat info {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return identity;
    identity.device = info.st_dev;
    identity.inode = info.st_ino;
    identity.size = info.st_size;
    identity.modified = info.st_mtim;
    identity.valid = true;
    return identity;
}

bool CSourceIdentity::operator==(const CSourceIdentity& other) const
{
    return valid == other.valid && device == other.device && inode == other.inode && size == other.size &&
           modified.tv_sec == other.modified.tv_sec && modified.tv_nsec == other.modified.tv_nsec;
}
