#pragma once

#include "SImageProperties.h"

#include <Magick++.h>

#include <QMutex>
#include <QString>

#include <vector>

// One-entry cache of the last photo decoded by ImageMagick for a preview, so
// that re-reading the same file while its settings change costs one copy.
// The entry is keyed on the path and on the file's size and modification
// time, so a photo rewritten in place is decoded again. Shared by every
// preview thread: each operation runs whole under one lock.
class CIMImageCache
{
public:
    // Size and modification time of a file, taken before it is read.
    struct FileStamp
    {
        qint64 size = -1;
        qint64 modified = 0; // milliseconds since the epoch
        bool operator==(const FileStamp& other) const
        {
            return size == other.size && modified == other.modified;
        }
        static FileStamp Of(const QString& path);
    };

    static CIMImageCache* GetInstance();

    // True when path is the cached file, still with the same size and
    // modification time: image is rebuilt from the entry, and properties
    // (when given) become the cached properties.
    bool CheckAndLoad(QString path, Magick::Image& image, SImageProperties* properties = nullptr);

    // Stores a copy of image as the entry of path, with the caller's
    // properties (size, alpha, capture date, camera, density, units and
    // orientation are taken from the image). stamp is the file's state
    // before it was read. False when nothing was stored: the same file is
    // already cached, the image has fewer than 3 channels (the entry is then
    // emptied) or its pixels do not fit in memory.
    bool Write(QString path, Magick::Image image, const SImageProperties& properties, const FileStamp& stamp);

    // Empties the entry.
    void Clear();

private:
    CIMImageCache() = default;
    void ClearLocked();

    QMutex m_lock;
    std::vector<unsigned char> m_pixels; // width x height x RGBA, 8 bits, rows top to bottom
    QString m_path;                      // empty: no valid entry
    FileStamp m_stamp;
    SImageProperties m_properties;
};
