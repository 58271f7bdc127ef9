#pragma once

#include <QSize>
#include <QString>

class CImageManager;

// One look at a photo before it is processed: its number of pages and its
// capture date, from a single ping. Camera RAW files count one page and are
// identified by the RAW decoder.
class CPhotoPing
{
public:
    struct Facts
    {
        bool ok = false;
        int pageCount = 0;  // 0 when the ping failed
        QString dateTaken;  // EXIF form, "" when unknown
        // Of the first image, when ImageMagick pinged it (not for camera RAW
        // files): its format as ImageMagick names it ("JPEG" ...), its size
        // and its EXIF orientation (1 to 8, 0 when unknown).
        QString format;
        QSize size;
        int orientation = 0;
    };

    // Uses `manager` for the RAW identification and the property reading;
    // its current image is left empty.
    static Facts Ping(CImageManager& manager, const QString& path);

    // Frees the manager's decoded pixels: the current image and the pages.
    static void Release(CImageManager& manager);
};
