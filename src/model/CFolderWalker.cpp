#include "CFolderWalker.h"

#include "Common.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPair>
#include <QSet>

#include <algorithm>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {
// Names in code-point order, so that every machine lists the files alike.
QStringList SortedNames(QStringList names)
{
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseSensitive) < 0; });
    return names;
}

// True when the name's bytes come back from a QString unchanged: valid
// UTF-8. Qt's listings leave out exactly the names for which this is false.
bool Decodable(const QByteArray& name)
{
    return QFile::encodeName(QFile::decodeName(name)) == name;
}

struct DirCloser
{
    void operator()(DIR* dir) const { closedir(dir); }
};

struct Walker
{
    const CFolderWalker::Options& options;
    const CFolderWalker::Visitor& visit;
    const CFolderWalker::PassOverVisitor& passOver;
    QSet<QString> visited;
    int entered = 0;

    bool MatchesMask(const QByteArray& name) const
    {
        // The bad bytes read as U+FFFD, so a mask that covers them with a
        // wildcard ("*.jpg") still matches.
        return options.mask.isEmpty() || QDir::match(QStringList{options.mask}, QFile::decodeName(name));
    }

    // Hands over, in byte order, the names of `folder` that Qt's listing
    // left out and the walk would have taken: matching files (links to files
    // when they are asked for) and, when `withFolders`, subfolders.
    void PassOverUndecodable(const QString& folder, bool withFolders) const
    {
        const std::unique_ptr<DIR, DirCloser> dir(opendir(QFile::encodeName(folder).constData()));
        if (!dir)
            return;
        QList<QPair<QByteArray, bool>> names;
        while (const dirent* entry = readdir(dir.get())) {
            const QByteArray name(entry->d_name);
            // Hidden entries (and "." and "..") are passed over anyway.
            if (name.startsWith('.') || Decodable(name))
                continue;
            struct stat info;
            if (fstatat(dirfd(dir.get()), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            const bool link = S_ISLNK(info.st_mode);
            if (link && fstatat(dirfd(dir.get()), entry->d_name, &info, 0) != 0)
                continue; // a broken link leads nowhere
            if (S_ISDIR(info.st_mode) && withFolders)
                names.append({name, true});
            else if (S_ISREG(info.st_mode) && (!link || options.includeFileLinks) && MatchesMask(name))
                names.append({name, false});
        }
        std::sort(names.begin(), names.end());
        for (const auto& [name, isFolder] : std::as_const(names)) {
            SystemLogWrite("CFolderWalker::Walk",
                           "the name is not valid UTF-8, passed over: " + CFolderWalker::ShownPath(folder, name));
            if (passOver)
                passOver(folder, name, isFolder);
        }
    }

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
        PassOverUndecodable(dir.absolutePath(), options.recursive && depth < options.maxDepth);

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

int CFolderWalker::Walk(const QString& folder, const Options& options, const Visitor& visit,
                        const PassOverVisitor& passOver)
{
    if (folder.isEmpty())
        return 0;
    Walker walker{options, visit, passOver, {}, 0};
    walker.Enter(folder, 0);
    return walker.entered;
}

QString CFolderWalker::ShownPath(const QString& folder, const QByteArray& name)
{
    QByteArray path = QFile::encodeName(folder);
    if (!path.endsWith('/'))
        path += '/';
    return EscapeBytesForLog(path + name);
}
