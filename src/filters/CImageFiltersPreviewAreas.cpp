#include "CImageFilters.h"

#include "Common.h"
#include "MagickCompat.h"
#include "TransformMath.h"

#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <string>

// Preview frames of crop and resize records (see the header).

using TransformMath::BoxGeometry;
using TransformMath::RoundHalfUp;
using TransformMath::ToInt;

namespace {

double Param(const SFilterRecord& record, int n)
{
    const double value = record.params[n];
    return std::isfinite(value) ? value : 0.0;
}

} // namespace

void CImageFilters::UpdateCropArea(QRect& area, SFilterRecord record, long width, long height, double zoom)
{
    const double shownWidth = double(width);
    const double shownHeight = double(height);
    double left = Param(record, 0);
    double top = Param(record, 1);
    double cropWidth = Param(record, 2);
    double cropHeight = Param(record, 3);
    double scale = zoom;
    if (ToInt(record.params[4]) == 1) {
        left = left * shownWidth / 100.0;
        top = top * shownHeight / 100.0;
        cropWidth = cropWidth * shownWidth / 100.0;
        cropHeight = cropHeight * shownHeight / 100.0;
        scale = 1.0;
    }
    const double x = RoundHalfUp(scale * left);
    const double y = RoundHalfUp(scale * top);
    const double w = std::trunc(scale * cropWidth);
    const double h = std::trunc(scale * cropHeight);

    // The crop filter keeps the part that lies on the photo, and nothing
    // changes when no part does: the frame shows the same.
    const TransformMath::Rect clipped = TransformMath::ClipToImage(x, y, w, h, shownWidth, shownHeight);
    if (clipped.IsEmpty())
        area = QRect(0, 0, ToInt(shownWidth), ToInt(shownHeight));
    else
        area = QRect(int(clipped.x), int(clipped.y), int(clipped.width), int(clipped.height));
}

void CImageFilters::UpdateResizeArea(Magick::Image& photo, Magick::Image& shown, QRect& area,
                                     SFilterRecord& record, long width, long height, double zoom)
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    const double ratio = app ? app->devicePixelRatio() : 1.0;
    UpdateResizeArea(photo, shown, area, record, width, height, zoom, ratio);
}

void CImageFilters::UpdateResizeArea(Magick::Image& photo, Magick::Image& shown, QRect& area,
                                     SFilterRecord& record, long width, long height, double zoom,
                                     double pixelRatio)
{
    area = QRect();
    const double shownWidth = double(width);
    const double shownHeight = double(height);
    const double columns = double(photo.columns());
    const double rows = double(photo.rows());
    if (shownWidth < 1 || shownHeight < 1 || columns < 1 || rows < 1)
        return;
    const double d = (std::isfinite(pixelRatio) && pixelRatio > 1.0) ? pixelRatio : 1.0;

    const int mode = ToInt(record.params[3]);
    const bool percent = ToInt(record.params[4]) == 1;
    const bool noEnlarge = ToInt(record.params[5]) == 1;
    const double keep = Param(record, 2);
    const bool keepAspect = ToInt(record.params[2]) == 1;

    // (w, h) in displayed pixels before the zoom s; (photoW, photoH) the size
    // the filter will compute for the photo.
    double w = Param(record, 0);
    double h = Param(record, 1);
    double scale = zoom;
    double photoW = w;
    double photoH = h;
    if (percent) {
        photoW = w * columns / 100.0;
        photoH = h * rows / 100.0;
        w = w * shownWidth / 100.0;
        h = h * shownHeight / 100.0;
        scale = 1.0;
    } else if (mode == 0 && keepAspect) {
        // The given long side, the other following the photo's shape; the
        // record keeps the size actually used.
        TransformMath::LongSide(std::max(w, h), columns / rows, w, h);
        record.params[0] = w;
        record.params[1] = h;
        photoW = w;
        photoH = h;
    }
    const double roundedW = RoundHalfUp(photoW);
    const double roundedH = RoundHalfUp(photoH);

    int tw = std::max(ToInt(RoundHalfUp(w * scale)), 1);
    int th = std::max(ToInt(RoundHalfUp(h * scale)), 1);
    if (d > 1.0) {
        tw = ToInt(d * tw);
        th = ToInt(d * th);
    }
    const int fullW = ToInt(d * shownWidth);
    const int fullH = ToInt(d * shownHeight);

    // Mirrors the resize filter: sizes below one pixel leave the photo as it
    // is, and so does "no enlarging" when the photo would grow.
    std::string geometry;
    switch (mode) {
    case 0:
        if (roundedW < 1 || roundedH < 1)
            break;
        if (noEnlarge && roundedW * roundedH > columns * rows) {
            tw = fullW;
            th = fullH;
        }
        geometry = BoxGeometry(tw, th, keep == 0.0);
        break;
    case 1:
        if (roundedW < 1)
            break;
        if (noEnlarge && roundedW > columns)
            tw = fullW;
        geometry = MagickCompat::WidthOnlyGeometry(tw);
        break;
    case 2:
        if (roundedH < 1)
            break;
        if (noEnlarge && roundedH > rows)
            th = fullH;
        geometry = MagickCompat::HeightOnlyGeometry(th);
        break;
    case 3:
        if (roundedW < 1 || roundedH < 1)
            break;
        if (noEnlarge && roundedW > columns && roundedH > rows) {
            tw = fullW;
            th = fullH;
        }
        geometry = BoxGeometry(tw, th, false);
        break;
    default:
        break;
    }
    if (!geometry.empty()) {
        try {
            shown.scale(Magick::Geometry(geometry));
        } catch (const Magick::Exception& error) {
            SystemLogWrite("UpdateResizeArea", QString::fromUtf8(error.what()));
        }
    }

    const double cw = double(shown.columns()) / d;
    const double ch = double(shown.rows()) / d;
    const double x = shownWidth > cw ? RoundHalfUp((shownWidth - cw) * 0.5) : 0.0;
    const double y = shownHeight > ch ? RoundHalfUp((shownHeight - ch) * 0.5) : 0.0;
    area = QRect(ToInt(x), ToInt(y), ToInt(cw), ToInt(ch));
}
