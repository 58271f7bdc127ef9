#include "CShrinkOnLoad.h"

#include "CImageFilters.h"
#include "MagickCompat.h"

namespace {
constexpr quint32 AutoRotateId = 5000;
constexpr quint32 ResizeId = 5040;

// EXIF orientations 5 to 8 stand the photo on its side: Auto Rotate swaps
// its width and height.
bool TurnsSideways(int orientation)
{
    return orientation >= 5 && orientation <= 8;
}
} // namespace

bool CShrinkOnLoad::KeepsSize(quint32 filterId)
{
    switch (filterId) {
    case 3060: // black and white
    case 3080: // negation
    case 3120: // sepia
    case 3130: // solarisation
    case 4010: // brightness
    case 4020: // contrast
    case 4030: // colour balance
    case 4050: // hue and saturation
    case 4060: // levels
    case AutoRotateId:
    case 5030: // flip
        return true;
    default:
        return false;
    }
}

QSize CShrinkOnLoad::ReadHint(const QList<SFilterRecord>& filters, const QString& format, QSize stored,
                              int orientation)
{
    if (format != QLatin1String("JPEG") || stored.width() < 1 || stored.height() < 1)
        return QSize();
    // The photo's size as each filter meets it, and whether it stands
    // turned against the file.
    QSize size = stored;
    bool turned = false;
    for (const SFilterRecord& record : filters) {
        if (!record.active)
            continue;
        if (record.filterId == ResizeId) {
            const std::string geometry =
                CImageFilters::ResizeGeometry(record, double(size.width()), double(size.height()));
            if (geometry.empty())
                return QSize();
            const auto [width, height] =
                MagickCompat::ScaledSize(geometry, size_t(size.width()), size_t(size.height()));
            if (width < 1 || height < 1 || 2 * width > size_t(size.width()) || 2 * height > size_t(size.height()))
                return QSize();
            const QSize target {int(width), int(height)};
            return turned ? target.transposed() : target;
        }
        if (!KeepsSize(record.filterId))
            return QSize();
        if (record.filterId == AutoRotateId && TurnsSideways(orientation)) {
            size.transpose();
            turned = !turned;
        }
    }
    return QSize();
}
