#include "TestEnv.h"

#include "CMagickRuntime.h"
#include "Common.h"
#include "views/SmallControlFont.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {
std::unique_ptr<QTemporaryDir>& Sandbox()
{
    static std::unique_ptr<QTemporaryDir> dir;
    return dir;
}

QString MakeFolder(const QString& path, bool privateMode)
{
    QDir().mkpath(path);
    if (privateMode)
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}
} // namespace

namespace TestEnv {

void Prepare()
{
    if (Sandbox())
        return;
    Sandbox() = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/glimmerbox-test-XXXXXX");
    const QString root = Sandbox()->path();
    const QString home = MakeFolder(root + "/home", false);
    qputenv("HOME", home.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", MakeFolder(home + "/.config", false).toLocal8Bit());
    qputenv("XDG_DATA_HOME", MakeFolder(home + "/.local/share", false).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", MakeFolder(home + "/.cache", false).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", MakeFolder(root + "/runtime", true).toLocal8Bit());
    qputenv("TMPDIR", MakeFolder(root + "/tmp", false).toLocal8Bit());
    MakeFolder(home + "/Documents", false);
    MakeFolder(home + "/Pictures", false);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("GLIMMERBOX_RESOURCES"))
        qputenv("GLIMMERBOX_RESOURCES", GB_TEST_RESOURCES);
    qunsetenv("GLIMMERBOX_OPENER");
}

void AfterApplication()
{
    QCoreApplication::setOrganizationName(OrganizationName());
    QCoreApplication::setApplicationName(ApplicationName());
    CMagickRuntime::Initialize(nullptr);
    // Tests see the interface in the program's own font.
    QApplication::setFont(SmallControlFont());
}

QString Root()
{
    return Sandbox() ? Sandbox()->path() : QDir::tempPath();
}

QString NewFolder(const QString& name)
{
    static int counter = 0;
    const QString path = Root() + "/work/" + name + "-" + QString::number(++counter);
    QDir().mkpath(path);
    return path;
}

QString SharedPhotos()
{
    // A checkout beside the shared folder finds it by itself; one elsewhere
    // (a second working tree) is told where it is.
    const QString named = qEnvironmentVariable("GLIMMERBOX_SHARED_PHOTOS");
    const QString path = !named.isEmpty() ? named : QString(GB_TEST_SOURCE_DIR) + "/../shared/photos/exif-samples";
    return QDir(path).exists() ? QDir(path).absolutePath() : QString();
}

bool SetImmutable(const QString& path, bool on)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace TestEnv
