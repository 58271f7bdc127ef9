#include "Platform.h"

#include "Common.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#ifndef GB_HELP_BASE_URL
#define GB_HELP_BASE_URL ""
#endif
#ifndef GB_WEB_SITE_URL
#define GB_WEB_SITE_URL ""
#endif
#ifndef GB_INSTALL_RESOURCES
#define GB_INSTALL_RESOURCES "/usr/local/share/glimmerbox/Resources"
#endif

QString GetResourcesFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("GLIMMERBOX_RESOURCES");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    if (QCoreApplication::instance()) {
        QDir dir(QCoreApplication::applicationDirPath());
        const QString beside = QDir::cleanPath(dir.absoluteFilePath("../Resources"));
        if (QFileInfo(beside).isDir())
            return beside;
    }
    return QString::fromUtf8(GB_INSTALL_RESOURCES);
}

QString TemporaryRoot()
{
    // Qt gives "" for a $TMPDIR that names no folder.
    const QString folder = QDir::tempPath();
    if (!folder.isEmpty() && folder != QLatin1String("/") && QFileInfo(folder).isDir())
        return folder;
    return QStringLiteral("/tmp");
}

bool OpenExternal(const QString& fileOrUrl)
{
    const QString opener = qEnvironmentVariable("GLIMMERBOX_OPENER");
    if (!opener.isEmpty()) {
        const bool started = QProcess::startDetached(opener, {fileOrUrl});
        if (!started)
            SystemLogWrite("OpenExternal", "cannot start " + opener);
        return started;
    }
    const QUrl url = QFileInfo(fileOrUrl).isAbsolute() ? QUrl::fromLocalFile(fileOrUrl)
                                                       : QUrl::fromUserInput(fileOrUrl);
    return QDesktopServices::openUrl(url);
}

QString HelpBaseAddress()
{
    return QString::fromUtf8(GB_HELP_BASE_URL);
}

QString WebSiteAddress()
{
    return QString::fromUtf8(GB_WEB_SITE_URL);
}
