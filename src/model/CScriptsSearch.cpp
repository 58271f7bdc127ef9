#include "CScripts.h"

#include "CFolderWalker.h"
#include "CListImages.h"
#include "Common.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

void CScripts::ParseSearch(QDomNodeList nodes)
{
    // A relative folder counts from the job file's folder.
    const QString jobFolder = QFileInfo(m_path).absolutePath();
    // The same search twice adds nothing new; skip it rather than walk the
    // folders again.
    QSet<QString> done;
    for (int i = 0; i < nodes.size(); ++i) {
        const QDomElement element = nodes.at(i).toElement();
        if (element.isNull() || element.tagName() != QLatin1String("Search"))
            continue;
        QString path = element.attribute(QStringLiteral("Path"));
        path.replace(QLatin1Char('\\'), QLatin1Char('/'));
        bool ok = false;
        const bool recursive = element.attribute(QStringLiteral("Subfolders")).toInt(&ok, 10) != 0 && ok;

        const int slash = int(path.lastIndexOf(QLatin1Char('/')));
        const QString mask = path.mid(slash + 1);
        QString folder;
        if (slash < 0)
            folder = jobFolder;
        else if (slash == 0)
            folder = QStringLiteral("/");
        else
            folder = path.left(slash);
        folder = QDir(jobFolder).absoluteFilePath(folder);
        const QString key = QDir::cleanPath(folder) + QLatin1Char('\n') + mask.toLower() +
                            (recursive ? QLatin1Char('1') : QLatin1Char('0'));
        if (done.contains(key))
            continue;
        done.insert(key);
        SearchAllFiles(folder, mask, recursive);
    }
}

void CScripts::SearchAllFiles(QString folder, QString mask, bool recursive)
{
    CFolderWalker::Options options;
    options.mask = mask;
    options.recursive = recursive;
    options.includeFileLinks = false;
    options.maxDepth = MaxSearchDepth;
    const auto add = [this](const QString&, const QStringList& files) {
        for (const QString& path : files)
            m_listImages->AddImage(path, m_refused);
    };
    // What the photo list would have taken: a folder to search, a photo.
    const auto passOver = [this](const QString& in, const QByteArray& name, bool isFolder) {
        if (!isFolder && !m_listImages->HasReadableExtension(QFile::decodeName(name)))
            return;
        const QString shown = CFolderWalker::ShownPath(in, name) + (isFolder ? "/" : "");
        if (!m_passedOver.contains(shown))
            m_passedOver.append(shown);
    };
    CFolderWalker::Walk(folder, options, add, passOver);
}
