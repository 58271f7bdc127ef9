#include "COutputPaths.h"

#include "AtomicWrite.h"
#include "COutputNaming.h"
#include "Common.h"
#include "Platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

int COutputPaths::EffectiveDestination(int destination)
{
    switch (destination) {
    case DestEmail:
    case DestServer:
        return destination;
    default:
        return DestFolder;
    }
}

QString COutputPaths::ExpandDestPath(const QString& destPath)
{
    static const QString token = QStringLiteral("#mypictures");
    if (destPath.compare(token, Qt::CaseInsensitive) == 0)
        return GetMyPictures();
    // "#mypictures/Holiday" is a folder below the Pictures folder.
    if (destPath.startsWith(token + '/', Qt::CaseInsensitive))
        return GetMyPictures() + destPath.mid(token.size());
    return destPath;
}

QString COutputPaths::FindCommonPath(const QList<QString>& folders)
{
    if (folders.isEmpty())
        return QString();
    QStringList common = folders.first().split('/');
    for (const QString& folder : folders) {
        const QStringList parts = folder.split('/');
        qsizetype shared = 0;
        while (shared < common.size() && shared < parts.size() && common[shared] == parts[shared])
            ++shared;
        common = common.mid(0, shared);
    }
    // Drop empty trailing components ("/a/b/" gives "a", "b", "").
    while (!common.isEmpty() && common.last().isEmpty())
        common.removeLast();
    const QString result = common.join('/');
    return result;
}

QString COutputPaths::RelocateFolder(const QString& folder, const QString& commonPath,
                                     const QString& baseFolder)
{
    QString relative;
    if (commonPath.isEmpty()) {
        relative = folder;
        relative.remove(':');
    } else if (folder == commonPath) {
        relative.clear();
    } else if (folder.startsWith(commonPath + '/')) {
        relative = folder.mid(commonPath.size() + 1);
    } else {
        // Not below the common folder: keep the whole folder below the base.
        relative = folder;
        relative.remove(':');
    }
    while (relative.startsWith('/'))
        relative.remove(0, 1);
    QString result = baseFolder;
    if (!result.endsWith('/'))
        result += '/';
    if (!relative.isEmpty()) {
        result += relative;
        if (!result.endsWith('/'))
            result += '/';
    }
    return result;
}

SImageRecord COutputPaths::CleanRecord(SImageRecord record)
{
    // The naming shares the rule: step 2's preview names the record a run
    // names.
    return COutputNaming::CleanRecord(std::move(record));
}

bool COutputPaths::LiesUnder(const QString& path, const QString& folder)
{
    if (folder.isEmpty())
        return false;
    const QString cleanFolder = QDir::cleanPath(folder);
    const QString cleanPath = QDir::cleanPath(path);
    if (cleanPath == cleanFolder)
        return true;
    return cleanPath.startsWith(cleanFolder.endsWith('/') ? cleanFolder : cleanFolder + '/');
}

QString COutputPaths::CheckSubfolderName(const QString& name)
{
    const bool absolute = name.startsWith('/');
    const bool climbs = name.split('/').contains(QStringLiteral(".."));
    if (!absolute && !climbs)
        return QString();
    return QCoreApplication::translate("COutputPaths",
                                       "The sub-folder name \"%1\" is not usable: it must lie inside each photo's "
                                       "folder, so it may neither start with \"/\" nor hold \"..\".")
        .arg(EscapeForLog(name));
}

QString COutputPaths::NumberedName(const QString& folder, const QString& baseName,
                                   const QString& extension, int n)
{
    QString name = folder + baseName + QStringLiteral(" (") + QString::number(n) + QLatin1Char(')');
    if (!extension.isEmpty())
        name += '.' + extension;
    return name;
}

bool COutputPaths::SameFile(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    const QFileInfo infoA(a);
    const QFileInfo infoB(b);
    if (!infoA.exists() || !infoB.exists())
        return false;
    return infoA.canonicalFilePath() == infoB.canonicalFilePath();
}

QString COutputPaths::TempFolder()
{
    return TemporaryRoot() + QStringLiteral("/GlimmerboxTemp");
}

namespace {

QString ErrnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Why a folder of this status is not ours to write in: "" when it is a real
// folder that this user owns.
QString RefusalOf(const struct stat& info)
{
    if (S_ISLNK(info.st_mode))
        return QStringLiteral("a link");
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("not a folder");
    if (info.st_uid != ::geteuid())
        return QStringLiteral("owned by another user");
    return QString();
}

// A new folder of mode 0700 named by `pattern`, whose last six characters
// "XXXXXX" are replaced so that no one can know the name in advance; it is
// never an entry that existed before. "" (errno set) when none was made.
QString MakeUniqueFolder(const QString& pattern)
{
    QByteArray name = QFile::encodeName(pattern);
    return ::mkdtemp(name.data()) ? QFile::decodeName(name) : QString();
}

} // namespace

bool COutputPaths::PrepareTempFolder()
{
    const QString folder = TempFolder();
    const QByteArray path = QFile::encodeName(folder);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        const QString reason = ErrnoText();
        SystemLogWrite("PrepareTempFolder", "cannot create " + folder + ": " + reason);
        return false;
    }
    struct stat info {};
    if (::lstat(path.constData(), &info) != 0) {
        const QString reason = ErrnoText();
        SystemLogWrite("PrepareTempFolder", "cannot read " + folder + ": " + reason);
        return false;
    }
    const QString refusal = RefusalOf(info);
    if (!refusal.isEmpty()) {
        SystemLogWrite("PrepareTempFolder", "refused (" + refusal + "): " + folder);
        return false;
    }
    if ((info.st_mode & 0777) != 0700 && ::chmod(path.constData(), 0700) != 0) {
        const QString reason = ErrnoText();
        SystemLogWrite("PrepareTempFolder", "cannot restrict " + folder + ": " + reason);
        return false;
    }
    // Outputs and the e-mail message are written here: a link planted at one
    // of their names, or as a folder on their way, would lead them elsewhere.
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        if (it.fileInfo().isSymLink() && QFile::remove(entry))
            SystemLogWrite("PrepareTempFolder", "removed the link " + entry);
    }
    return true;
}

QString COutputPaths::CreateRunFolder(SUnmadeFolder* unmade)
{
    if (PrepareTempFolder()) {
        const QString folder = MakeUniqueFolder(TempFolder() + QStringLiteral("/run-XXXXXX"));
        if (!folder.isEmpty())
            return folder;
        const QString reason = ErrnoText();
        SystemLogWrite("CreateRunFolder", "cannot create a folder in " + TempFolder() + ": " + reason);
    }
    // The shared name is another's (a user, root, a link got there first) or
    // cannot serve: the run takes a folder of its own beside it. Its name is
    // chosen when it is made, so no one can have taken it beforehand.
    const QString pattern = TemporaryRoot() + QStringLiteral("/GlimmerboxTemp-XXXXXX");
    const QString folder = MakeUniqueFolder(pattern);
    if (!folder.isEmpty()) {
        SystemLogWrite("CreateRunFolder", "using the private folder " + folder + " instead of " + TempFolder());
        return folder;
    }
    const QString reason = ErrnoText();
    SystemLogWrite("CreateRunFolder", "cannot create " + pattern + ": " + reason);
    if (unmade)
        *unmade = {pattern, reason};
    return QString();
}

void COutputPaths::RemoveRunFolderIfEmpty(const QString& folder)
{
    const QFileInfo info(folder);
    if (folder.isEmpty() || info.isSymLink() || !info.isDir())
        return;
    QDir dir(folder);
    for (const QFileInfo& sub : dir.entryInfoList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (!sub.isSymLink())
            RemoveRunFolderIfEmpty(sub.absoluteFilePath());
    }
    if (dir.isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
        dir.rmdir(dir.absolutePath());
}

namespace {

// Name prefix of the temporary file that a copy made by earlier versions
// left when cut short.
const QString kCopyPrefix = QStringLiteral(".gbcopy-");

// Notes why a copy failed, when the caller asked.
void NoteFailure(QString* error, const QString& reason)
{
    if (error)
        *error = reason;
}

// Copies what is left to read at `in` to `out`; false (errno set) when a
// read or a write fails.
bool CopyBytes(int in, int out)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!AtomicWrite::WriteAll(out, buffer, n))
            return false;
    }
}

// Copies source to target as a write that is placed only when complete
// (AtomicWrite), so that a failed copy leaves nothing behind, wherever the
// target's folder went. The copy has the source's permissions where the
// target's file system allows a change of mode, and its own ones elsewhere.
AtomicWrite::Placed CopyPlaced(const QString& source, const QString& target, bool replace, bool flush,
                               QString* error)
{
    const int in = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (in < 0 || ::fstat(in, &info) != 0) {
        NoteFailure(error, ErrnoText());
        if (in >= 0)
            ::close(in);
        return AtomicWrite::Placed::Failed;
    }
    const auto fill = [&](int out) {
        if (!CopyBytes(in, out))
            return false;
        AtomicWrite::SetModeIfAllowed(out, info.st_mode & 0777, target);
        return true;
    };
    const AtomicWrite::Placed placed = AtomicWrite::WriteWith(target, fill, flush, replace, false);
    // The system's words for why: a full disk says so, not "unknown error".
    if (placed == AtomicWrite::Placed::Failed)
        NoteFailure(error, ErrnoText());
    ::close(in);
    return placed;
}

} // namespace

bool COutputPaths::CopyReplacing(const QString& source, const QString& target, QString* error, bool flush)
{
    return CopyPlaced(source, target, true, flush, error) == AtomicWrite::Placed::Done;
}

AtomicWrite::Placed COutputPaths::CopyWithoutReplacing(const QString& source, const QString& target,
                                                      QString* error, bool flush)
{
    return CopyPlaced(source, target, false, flush, error);
}

AtomicWrite::Placed COutputPaths::RenameInto(const QString& source, const QString& target, bool replace)
{
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(target);
    if (!replace)
        return AtomicWrite::RenameNoReplace(from, to);
    return std::rename(from.constData(), to.constData()) == 0 ? AtomicWrite::Placed::Done
                                                              : AtomicWrite::Placed::Failed;
}

int COutputPaths::RemoveStaleTemporaries(const QString& folder)
{
    const QDir dir(folder);
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    const uint me = uint(::geteuid());
    int removed = 0;
    const QFileInfoList entries = dir.entryInfoList({kCopyPrefix + '*', AtomicWrite::TemporaryPrefix() + '*'},
                                                    QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || entry.ownerId() != me || entry.lastModified() > dayAgo)
            continue;
        if (QFile::remove(entry.absoluteFilePath())) {
            SystemLogWrite("RemoveStaleTemporaries", "removed " + entry.absoluteFilePath());
            ++removed;
        }
    }
    return removed;
}

QString COutputPaths::SafeFileName(const QString& name)
{
    QString result;
    result.reserve(name.size());
    for (const QChar c : name) {
        const bool keep = c.isLetterOrNumber() || c == '-' || c == '_' || c == '.';
        result += keep ? c : QLatin1Char('_');
    }
    bool onlyDots = true;
    for (const QChar c : result)
        onlyDots = onlyDots && c == '.';
    return onlyDots ? QStringLiteral("_") + result.mid(1).replace('.', '_') : result;
}
