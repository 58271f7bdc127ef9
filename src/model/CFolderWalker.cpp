#include "CFolderWalker.h"

#include "Common.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace {
// Names in code-point order, so that every machine lists the files alike.
QStringList SortedNames(QStringList names)
{
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseSensitive) < 0; });
    return names;
}

struct Walker
{
    const CFolderWalker::Options& options;
    const CFolderWalker::Visitor& visit;
    QSet<QString> visited;
    int entered = 0;

    void Enter(const QString& folder, int depth)
    {
        if (!QFileInfo(folder).isDir())
            return;
        const QDir dir(folder);
        const QString canonical = dir.canonicalPath();
        if (canonical.isEmpty() || visited.contains(canonical))
            return;
        visited.insert(canonical);
        ++entered;

        // Without QDir::CaseSensitive the name filter ignores letter case;
        // hidden entries are left out unless QDir::Hidden is asked for.
        QDir::Filters filters = QDir::Files;
        if (!options.includeFileLinks)
            filters |= QDir::NoSymLinks;
        const QStringList nameFilter{options.mask.isEmpty() ? QStringLiteral("*") : options.mask};
        QStringList files = SortedNames(dir.entryList(nameFilter, filters, QDir::NoSort));
        for (QString& name : files)
            name = dir.absoluteFilePath(name);
        if (visit)
            visit(dir.absolutePath(), files);

        if (!options.recursive)
            return;
        const QStringList folders = SortedNames(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort));
        if (!folders.isEmpty() && depth >= options.maxDepth) {
            SystemLogWrite("CFolderWalker::Walk", "folders nested too deeply below " + dir.absolutePath());
            return;
        }
        for (const QString& name : folders)
            Enter(dir.absoluteFilePath(name), depth + 1);
    }
};
} // namespace

int CFolderWalker::Walk(const QString& folder, const Options& options, const Visitor& visit)
{
    if (folder.isEmpty())
        return 0;
    Walker walker{options, visit, {}, 0};
    walker.Enter(folder, 0);
    return walker.entered;
}
