#include "CTestMount.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <sys/mount.h>

CTestMount::CTestMount(const QString& folder, Kind kind) : path(QFile::encodeName(folder))
{
    QDir().mkpath(folder);
    if (kind == Fuse) {
        const QString back = folder + ".back";
        QDir().mkpath(back);
        mounted = QProcess::execute("bindfs", {back, folder}) == 0;
    } else {
        mounted = ::mount("tmpfs", path.constData(), "tmpfs", 0, "size=64m") == 0;
    }
}

CTestMount::~CTestMount()
{
    if (mounted)
        ::umount2(path.constData(), MNT_DETACH);
}

QString CTestMount::SkipReason(Kind kind)
{
    return kind == Fuse ? "bindfs cannot mount here (it needs FUSE)" : "tmpfs cannot be mounted here (needs root)";
}
