#include "CPhotoDetails.h"

#include "CListThumb.h"
#include "SImageProperties.h"

#include <QFile>

#include <sys/stat.h>

#include <memory>

QCache<QString, CPhotoDetails::SEntry>& CPhotoDetails::Entries()
{
    static QCache<QString, SEntry> entries(MaxPhotos);
    return entries;
}

QMutex& CPhotoDetails::Lock()
{
    static QMutex lock;
    return lock;
}

void CPhotoDetails::Forget()
{
    const QMutexLocker locker(&Lock());
    Entries().clear();
}

bool CPhotoDetails::Fill(SThumb& thumb, bool readNew)
{
    // One look at the file's status tells whether it changed since it was
    // read (a file put in its place is another inode).
    SEntry now;
    struct stat status {};
    const bool exists = !thumb.path.isEmpty() && ::stat(QFile::encodeName(thumb.path).constData(), &status) == 0;
    if (exists) {
        now.size = qint64(status.st_size);
        now.modifiedSeconds = qint64(status.st_mtim.tv_sec);
        now.modifiedNanoseconds = qint64(status.st_mtim.tv_nsec);
        now.inode = quint64(status.st_ino);
    }
    thumb.size = CListThumb::SizeText(now.size);
    if (!exists) {
        // Nothing to read: no detail texts.
        Copy(SEntry(), thumb);
        return true;
    }
    {
        const QMutexLocker locker(&Lock());
        if (const SEntry* kept = Entries().object(thumb.path)) {
            if (kept->size == now.size && kept->modifiedSeconds == now.modifiedSeconds &&
                kept->modifiedNanoseconds == now.modifiedNanoseconds && kept->inode == now.inode) {
                Copy(*kept, thumb);
                return true;
            }
        }
    }
    if (!readNew) {
        Copy(SEntry(), thumb);
        return false;
    }
    // The file is read with the lock free.
    auto entry = std::make_unique<SEntry>(now);
    Read(thumb.path, *entry);
    Copy(*entry, thumb);
    const QMutexLocker locker(&Lock());
    Entries().insert(thumb.path, entry.release());
    return true;
}

void CPhotoDetails::CopyDetails(const SThumb& from, SThumb& to)
{
    to.size = from.size;
    to.dateTaken = from.dateTaken;
    to.dimensions = from.dimensions;
    to.camera = from.camera;
    to.coordinates = from.coordinates;
    to.altitude = from.altitude;
    to.fStop = from.fStop;
    to.exposure = from.exposure;
    to.iso = from.iso;
    to.dpi = from.dpi;
    to.orientation = from.orientation;
    to.colour = from.colour;
}

void CPhotoDetails::Read(const QString& path, SEntry& entry)
{
    SThumb read;
    read.path = path;
    SImageProperties properties;
    if (!CListThumb::LoadImageExif(&read, &properties))
        return;
    entry.dateTaken = read.dateTaken;
    entry.dimensions = read.dimensions;
    entry.camera = read.camera;
    entry.coordinates = read.coordinates;
    entry.altitude = read.altitude;
    entry.fStop = read.fStop;
    entry.exposure = read.exposure;
    entry.iso = read.iso;
    entry.dpi = read.dpi;
    entry.orientation = properties.orientation;
    entry.colourSpace = properties.colorSpace;
}

void CPhotoDetails::Copy(const SEntry& entry, SThumb& thumb)
{
    thumb.dateTaken = entry.dateTaken;
    thumb.dimensions = entry.dimensions;
    thumb.camera = entry.camera;
    thumb.coordinates = entry.coordinates;
    thumb.altitude = entry.altitude;
    thumb.fStop = entry.fStop;
    thumb.exposure = entry.exposure;
    thumb.iso = entry.iso;
    thumb.dpi = entry.dpi;
    thumb.orientation = CListThumb::OrientationText(entry.orientation);
    thumb.colour = CListThumb::ColourText(entry.colourSpace);
}
