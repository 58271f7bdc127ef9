#pragma once

#include "SFilterRecord.h"

#include <QList>
#include <QSize>
#include <QString>

// Shrink-on-load: a JPEG that a job makes smaller can be decoded at an
// eighth, a quarter, three eighths or half of its size, which costs a
// fraction of a whole decode. This decides, from the job's filters and the
// photo's stored size, whether a photo may be read that way and how large
// it must at least come out.
class CShrinkOnLoad
{
public:
    // Filters whose result does not depend on the photo's pixel count:
    // colour operations on single pixels, flips, and Auto Rotate, which
    // turns the photo without changing its pixel count.
    static bool KeepsSize(quint32 filterId);

    // The least size (in the photo's stored orientation) at which the photo
    // has to be decoded for the job to give the same result size as a whole
    // read, or an empty size when it has to be read whole. A photo may be
    // decoded smaller when it is a JPEG ("JPEG", the format ImageMagick
    // names), and the first active filter that depends on its size is a
    // resize (5040) that makes it at least two times smaller each way (less
    // gains nothing from the decoder's scales), with only filters that keep
    // the size before it. `orientation` is the EXIF orientation, 1 to 8,
    // which Auto Rotate follows.
    static QSize ReadHint(const QList<SFilterRecord>& filters, const QString& format, QSize stored,
                          int orientation);
};
