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
// The build names where an installed copy keeps its Resources folder: the
// full path under the install prefix, and the same seen from the installed
// program's folder, which still holds when the installed tree is moved.
#ifndef GB_INSTALL_RESOURCES
#define GB_INSTALL_RESOURCES "/usr/local/share/glimmerbox"
#endif
#ifndef GB_RESOURCES_FROM_BIN
#define GB_RESOURCES_FROM_BIN "../share/glimmerbox"
#endif

QString ResourcesFolderFor(const QString& fromEnvironment, const QString& programFolder)
{
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(fromEnvironment);
    if (!programFolder.isEmpty()) {
        const QDir dir(programFolder);
        for (const char* relative : {GB_RESOURCES_FROM_BIN, "../Resources"}) {
            const QString candidate = QDir::cleanPath(dir.absoluteFilePath(QString::fromUtf8(relative)));
            if (QFileInfo(candidate).isDir())
                return candidate;
        }
    }
    return QString::fromUtf8(GB_INSTALL_RESOURCES);
}

QString GetResourcesFolder()
{
    const QString programFolder =
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return ResourcesFolderFor(qEnvironmentVariable("GLIMMERBOX_RESOURCES"), programFolder);
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
