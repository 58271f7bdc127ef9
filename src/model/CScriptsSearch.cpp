#include "CScripts.h"

#include "CListImages.h"
#include "Common.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {
// Names in code-point order, so that every machine numbers the photos alike.
QStringList SortedNames(QStringList names)
{
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseSensitive) < 0; });
    return names;
}
} // namespace

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
    QSet<QString> visited;
    SearchFolder(folder, mask, recursive, 0, visited);
}

void CScripts::SearchFolder(const QString& folder, const QString& mask, bool recursive, int depth,
                            QSet<QString>& visited)
{
    const QDir dir(folder);
    const QString canonical = dir.canonicalPath();
    if (canonical.isEmpty() || visited.contains(canonical))
        return;
    visited.insert(canonical);

    // Without QDir::CaseSensitive the name filter ignores letter case;
    // hidden entries are left out unless QDir::Hidden is asked for.
    const QString filter = mask.isEmpty() ? QStringLiteral("*") : mask;
    const QStringList files =
        SortedNames(dir.entryList(QStringList{filter}, QDir::Files | QDir::NoSymLinks, QDir::NoSort));
    for (const QString& name : files)
        m_listImages->AddImage(dir.absoluteFilePath(name), m_refused);

    if (!recursive)
        return;
    if (depth >= MaxSearchDepth) {
        SystemLogWrite("CScripts::SearchAllFiles", "folders nested too deeply below " + dir.absolutePath());
        return;
    }
    const QStringList folders = SortedNames(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort));
    for (const QString& name : folders)
        SearchFolder(dir.absoluteFilePath(name), mask, true, depth + 1, visited);
}
