#include "CPendingFile.h"

#include "Common.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kNameAttempts = 100;

// A hidden name for a file in progress, ours by its prefix.
QByteArray TemporaryName()
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name = QFile::encodeName(AtomicWrite::TemporaryPrefix());
    for (int i = 0; i < 6; ++i)
        name += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    return name;
}

} // namespace

CPendingFile::CPendingFile(const QString& path)
{
    const QFileInfo info(path);
    folderPath = info.absolutePath();
    name = QFile::encodeName(info.fileName());
    folder = ::open(QFile::encodeName(folderPath).constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0 && !OpenAnonymous())
        OpenNamed();
}

CPendingFile::~CPendingFile()
{
    const int error = errno;
    Close();
    if (placedFile >= 0)
        ::close(placedFile);
    if (!placed && !temporary.isEmpty())
        ::unlinkat(folder, temporary.constData(), 0);
    if (folder >= 0)
        ::close(folder);
    errno = error;
}

// True when this settles it: the file is open, or the folder refuses a new
// file for a reason a named one would meet as well (no space, read-only).
bool CPendingFile::OpenAnonymous()
{
    // The finished file is linked into place through its entry there.
    if (::access("/proc/self/fd", X_OK) != 0)
        return false;
    file = ::openat(folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (file >= 0) {
        anonymous = true;
        return true;
    }
    // How file systems without anonymous files (and older kernels) refuse.
    return errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL;
}

bool CPendingFile::OpenNamed()
{
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const QByteArray candidate = TemporaryName();
        file = ::openat(folder, candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file >= 0) {
            temporary = candidate;
            return true;
        }
        if (errno != EEXIST)
            return false;
    }
    return false;
}

bool CPendingFile::ExistingMode(mode_t& mode) const
{
    struct stat existing {};
    if (::fstatat(folder, name.constData(), &existing, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(existing.st_mode))
        return false;
    mode = existing.st_mode & 07777;
    return true;
}

bool CPendingFile::Close()
{
    const int open = std::exchange(file, -1);
    return open < 0 || ::close(open) == 0;
}

AtomicWrite::Placed CPendingFile::Place(bool replace)
{
    AtomicWrite::Placed outcome = AtomicWrite::Placed::Failed;
    // A second descriptor outlives the close, for a flush of the file
    // system the file is on.
    int kept = ::fcntl(file, F_DUPFD_CLOEXEC, 0);
    if (anonymous) {
        // Linked while still open: the descriptor is how it is reached. A
        // local file system, the only kind with anonymous files, reports
        // nothing new at the close; why a placement failed stays in errno.
        outcome = PlaceAnonymous(replace);
        const int error = errno;
        Close();
        errno = error;
    } else if (Close()) {
        outcome = PlaceNamed(replace);
    }
    placed = outcome == AtomicWrite::Placed::Done;
    if (placed)
        placedFile = std::exchange(kept, -1);
    if (kept >= 0) {
        const int error = errno;
        ::close(kept);
        errno = error;
    }
    return outcome;
}

bool CPendingFile::LinkAnonymous(const QByteArray& as) const
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file);
    return ::linkat(AT_FDCWD, self.constData(), folder, as.constData(), AT_SYMLINK_FOLLOW) == 0;
}

AtomicWrite::Placed CPendingFile::PlaceAnonymous(bool replace)
{
    // A name is only ever made where none exists.
    if (LinkAnonymous(name))
        return AtomicWrite::Placed::Done;
    if (errno != EEXIST)
        return AtomicWrite::Placed::Failed;
    if (!replace)
        return AtomicWrite::Placed::Taken;
    // What has the name is replaced in one rename, from a hidden name the
    // finished file gets for that moment.
    for (int attempt = 0; attempt < kNameAttempts && temporary.isEmpty(); ++attempt) {
        const QByteArray candidate = TemporaryName();
        if (LinkAnonymous(candidate))
            temporary = candidate;
        else if (errno != EEXIST)
            return AtomicWrite::Placed::Failed;
    }
    if (temporary.isEmpty())
        return AtomicWrite::Placed::Failed;
    return PlaceNamed(true);
}

AtomicWrite::Placed CPendingFile::PlaceNamed(bool replace)
{
    // renameat() replaces a link at the target's name, never its target.
    if (replace)
        return ::renameat(folder, temporary.constData(), folder, name.constData()) == 0 ? AtomicWrite::Placed::Done
                                                                                        : AtomicWrite::Placed::Failed;
    return AtomicWrite::RenameNoReplaceAt(folder, temporary.constData(), folder, name.constData());
}

bool CPendingFile::FlushFolder() const
{
    // The folder is held only as a path: the flush needs it open for
    // reading, still the folder the file was placed in.
    const int readable = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (readable >= 0) {
        const bool flushed = AtomicWrite::FlushToDisk(readable, "the folder " + folderPath);
        const int error = errno;
        ::close(readable);
        errno = error;
        return flushed;
    }
    // A drop box, or a shared upload folder of someone else's: the names
    // reach the disk with the rest of its file system. Only here, as that
    // waits for every other writer on the disk.
    if ((errno != EACCES && errno != EPERM) || placedFile < 0)
        return false;
    SystemLogWrite("CPendingFile::FlushFolder",
                   "the folder " + folderPath + " cannot be read: its file system is flushed instead");
    return AtomicWrite::FlushFileSystem(placedFile, "the file system of " + folderPath);
}
