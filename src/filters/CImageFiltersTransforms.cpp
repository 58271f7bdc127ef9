#include "CImageFilters.h"

#include "CBoxScale.h"
#include "FilterBounds.h"
#include "MagickCompat.h"
#include "TransformMath.h"
#include "XmpOrientation.h"

#include <algorithm>
#include <cmath>
#include <string>

// Geometric transforms (5000-5080). Each reads the engine's copy of the
// record and changes the target in place. Records that would divide by zero,
// ask for an empty crop or a size below one pixel leave the image unchanged.

using TransformMath::BoxGeometry;
using TransformMath::RoundHalfUp;
using TransformMath::ToInt;

namespace {

// Drops any virtual canvas offset left by a crop, so that it does not end
// up in the written file.
void ResetPage(Magick::Image& image)
{
    image.page(Magick::Geometry(image.columns(), image.rows(), 0, 0));
}

// Image::scale to the geometry, done by the box scale where it takes the
// image (the same pixels, in a fraction of the time).
void BoxScale(Magick::Image& image, const Magick::Geometry& geometry)
{
    const auto [width, height] = MagickCompat::ScaledSize(geometry, image.columns(), image.rows());
    if (!CBoxScale::Scale(image, width, height))
        image.scale(geometry);
}

// Colours are stored as 0xAARRGGBB numbers and used as opaque colours.
Magick::Color StoredColour(double stored)
{
    const double clamped = std::isfinite(stored) ? std::clamp(stored, 0.0, 4294967295.0) : 0.0;
    const auto value = static_cast<unsigned long>(clamped);
    return MagickCompat::ColorRgba8(int((value >> 16) & 0xFF), int((value >> 8) & 0xFF), int(value & 0xFF));
}

// Colour of a colour-replacement mode: 0 the stored colour, 2 white, 3 black.
Magick::Color ModeColour(int mode, double stored)
{
    if (mode == 2)
        return MagickCompat::ColorRgba8(255, 255, 255);
    if (mode == 3)
        return MagickCompat::ColorRgba8(0, 0, 0);
    return StoredColour(stored);
}

} // namespace

bool CImageFilters::ApplyTransform(quint32 id)
{
    switch (id) {
    case 5000:
        return FilterAutoRotate();
    case 5002:
        return FilterAutoCrop();
    case 5010:
        return FilterColorReplace();
    case 5020:
        return FilterCrop();
    case 5030:
        return FilterFlip();
    case 5040:
        return FilterResize();
    case 5050:
        return FilterResizeAdvanced();
    case 5060:
        return FilterRoll();
    case 5070:
        return FilterRotate();
    case 5080:
        return FilterThumbnail();
    default:
        return false;
    }
}

// Turns the photo upright by its EXIF orientation and marks it top-left, so
// no viewer turns the written file again.
bool CImageFilters::FilterAutoRotate()
{
    Magick::Image& image = *m_target;
    switch (image.orientation()) {
    case Magick::TopRightOrientation: // 2
        image.flop();
        break;
    case Magick::BottomRightOrientation: // 3
        image.rotate(180);
        break;
    case Magick::BottomLeftOrientation: // 4
        image.flip();
        break;
    case Magick::LeftTopOrientation: // 5: flip, then a quarter turn clockwise
        image.transpose();
        break;
    case Magick::RightTopOrientation: // 6
        image.rotate(90);
        break;
    case Magick::RightBottomOrientation: // 7: flop, then a quarter turn clockwise
        image.transverse();
        break;
    case Magick::LeftBottomOrientation: // 8
        image.rotate(-90);
        break;
    default:
        break;
    }
    image.orientation(Magick::TopLeftOrientation);
    // The XMP packet's record of the turn goes with it (the writers bring
    // the EXIF record in line with the image themselves).
    const Magick::Blob xmp = image.profile("xmp");
    if (xmp.length() > 0) {
        const QByteArray packet(static_cast<const char*>(xmp.data()), qsizetype(xmp.length()));
        const QByteArray upright = XmpOrientation::WithOrientation(packet, 1);
        if (upright != packet)
            image.profile("xmp", Magick::Blob(upright.constData(), size_t(upright.size())));
    }
    return true;
}

bool CImageFilters::FilterAutoCrop()
{
    Magick::Image& image = *m_target;
    const TransformMath::Rect band = TransformMath::AutoCropBand(
        double(image.columns()), double(image.rows()), PInt(0), P(1) != 0.0, P(2), P(3), PInt(4));
    if (band.IsEmpty())
        return true;
    if (band.width == long(image.columns()) && band.height == long(image.rows()))
        return true;
    image.crop(Magick::Geometry(size_t(band.width), size_t(band.height), band.x, band.y));
    ResetPage(image);
    return true;
}

bool CImageFilters::FilterColorReplace()
{
    const int sourceMode = PInt(3);
    const int targetMode = PInt(4);
    if (sourceMode == 1 && targetMode == 1)
        return true;

    Magick::Image& image = *m_target;
    // The fuzz distance is stored for 8-bit channels.
    image.colorFuzz(MagickCompat::Q8(std::max(P(0), 0.0)));
    const Magick::Color source = ModeColour(sourceMode, P(1));
    const Magick::Color target = ModeColour(targetMode, P(2));
    if (sourceMode == 1) {
        // Transparent areas take the target colour.
        Magick::Image background = image;
        MagickCompat::SetAlpha(background, false);
        background.backgroundColor(target);
        background.erase();
        background.composite(image, 0, 0, Magick::OverCompositeOp);
        image = background;
    } else if (targetMode == 1) {
        image.transparent(source);
    } else {
        image.opaque(source, target);
    }
    image.colorFuzz(0);
    return true;
}

bool CImageFilters::FilterCrop()
{
    Magick::Image& image = *m_target;
    const double columns = double(image.columns());
    const double rows = double(image.rows());
    if (PInt(4) == 1) {
        m_record.params[0] = P(0) * columns / 100.0;
        m_record.params[1] = P(1) * rows / 100.0;
        m_record.params[2] = P(2) * columns / 100.0;
        m_record.params[3] = P(3) * rows / 100.0;
    }
    // The rectangle is clipped to the image; nothing left means no crop.
    const TransformMath::Rect clipped = TransformMath::ClipToImage(
        std::trunc(P(0)), std::trunc(P(1)), std::trunc(P(2)), std::trunc(P(3)), columns, rows);
    if (clipped.IsEmpty())
        return true;
    image.crop(Magick::Geometry(size_t(clipped.width), size_t(clipped.height), clipped.x, clipped.y));
    ResetPage(image);
    return true;
}

bool CImageFilters::FilterFlip()
{
    if (PInt(0) == 1)
        m_target->flip();
    if (PInt(1) == 1)
        m_target->flop();
    return true;
}

std::string CImageFilters::ResizeGeometry(const SFilterRecord& record, double columns, double rows)
{
    const auto P = [&record](int n) { return record.params[n]; };
    const auto PInt = [&record](int n) { return ToInt(record.params[n]); };
    const double aspect = (columns > 0 && rows > 0) ? columns / rows : 1.0;
    const bool percent = PInt(4) == 1;
    const bool keepAspect = PInt(2) == 1;
    const bool noEnlarge = PInt(5) == 1;
    double width = percent ? P(0) * columns / 100.0 : P(0);
    double height = percent ? P(1) * rows / 100.0 : P(1);

    switch (PInt(3)) {
    case 0: {
        if (!percent && keepAspect)
            TransformMath::LongSide(std::max(width, height), aspect, width, height);
        const int w = ToInt(RoundHalfUp(width));
        const int h = ToInt(RoundHalfUp(height));
        if (w < 1 || h < 1)
            return std::string();
        if (noEnlarge && double(w) * double(h) > columns * rows)
            return std::string();
        return BoxGeometry(w, h, P(2) == 0.0);
    }
    case 1: {
        const int w = ToInt(RoundHalfUp(width));
        if (w < 1 || (noEnlarge && w > columns))
            return std::string();
        return MagickCompat::WidthOnlyGeometry(w);
    }
    case 2: {
        const int h = ToInt(RoundHalfUp(height));
        if (h < 1 || (noEnlarge && h > rows))
            return std::string();
        return MagickCompat::HeightOnlyGeometry(h);
    }
    case 3: {
        const int w = ToInt(RoundHalfUp(width));
        const int h = ToInt(RoundHalfUp(height));
        if (w < 1 || h < 1 || (noEnlarge && w > columns && h > rows))
            return std::string();
        return BoxGeometry(w, h, false);
    }
    default:
        return std::string();
    }
}

bool CImageFilters::FilterResize()
{
    Magick::Image& image = *m_target;
    // A photo decoded at a reduced scale is sized from the photo as stored.
    const bool reduced = m_nominalSize.isValid()
        && (size_t(m_nominalSize.width()) != image.columns() || size_t(m_nominalSize.height()) != image.rows());
    const size_t columns = reduced ? size_t(m_nominalSize.width()) : image.columns();
    const size_t rows = reduced ? size_t(m_nominalSize.height()) : image.rows();
    const std::string geometry = ResizeGeometry(m_record, double(columns), double(rows));
    if (geometry.empty())
        return true;
    const auto [width, height] = MagickCompat::ScaledSize(geometry, columns, rows);
    RequireResultSize(double(width), double(height));
    if (!reduced) {
        BoxScale(image, Magick::Geometry(geometry));
        return true;
    }
    // Exactly the size the geometry gives the whole photo.
    Magick::Geometry exact(width, height);
    exact.aspect(true);
    BoxScale(image, exact);
    return true;
}

void CImageFilters::RequireResultSize(double width, double height) const
{
    FilterBounds::RequirePixels(m_record, QT_TRANSLATE_NOOP("FilterBounds", "width"), width);
    FilterBounds::RequirePixels(m_record, QT_TRANSLATE_NOOP("FilterBounds", "height"), height);
    FilterBounds::RequirePhotoSize(m_record, width, height);
}

bool CImageFilters::FilterResizeAdvanced()
{
    Magick::Image& image = *m_target;
    const double columns = double(image.columns());
    const double rows = double(image.rows());
    const double aspect = (columns > 0 && rows > 0) ? columns / rows : 1.0;
    const bool keepAspect = PInt(6) == 1;
    double width = P(0);
    double height = P(1);
    if (keepAspect)
        TransformMath::LongSide(std::max(width, height), aspect, width, height);
    const int w = ToInt(RoundHalfUp(width));
    const int h = ToInt(RoundHalfUp(height));
    if (w < 1 || h < 1)
        return true;
    RequireResultSize(w, h);

    // A resolution of 0 or less would be written into the file as is.
    const int densityX = PInt(4);
    const int densityY = PInt(5);
    if (densityX > 0 && densityY > 0) {
        image.resolutionUnits(Magick::PixelsPerInchResolution);
        MagickCompat::SetDensity(image, densityX, densityY);
    }
    BoxScale(image, Magick::Geometry(BoxGeometry(w, h, !keepAspect)));
    return true;
}

bool CImageFilters::FilterRoll()
{
    Magick::Image& image = *m_target;
    double dx = P(0);
    double dy = P(1);
    if (PInt(2) == 1) {
        dx = dx * double(image.columns()) / 100.0;
        dy = dy * double(image.rows()) / 100.0;
    }
    MagickCompat::Roll(image, ToInt(dx), ToInt(dy));
    return true;
}

bool CImageFilters::FilterRotate()
{
    Magick::Image& image = *m_target;
    const double angle = P(0);
    if (!std::isfinite(angle))
        return true;
    if (image.columns() > 0 && image.rows() > 0) {
        const double ratio = double(image.columns()) / double(image.rows());
        const int condition = PInt(1);
        if (condition == 1 && ratio > 1.0)
            return true;
        if (condition == 2 && ratio < 1.0)
            return true;
    }
    image.rotate(angle);
    return true;
}

bool CImageFilters::FilterThumbnail()
{
    Magick::Image& image = *m_target;
    const int width = PInt(0);
    const int height = PInt(1);
    if (width < 1 || height < 1)
        return true;
    RequireResultSize(width, height);
    switch (PInt(2)) {
    case 0:
        image.scale(Magick::Geometry(BoxGeometry(width, height, false)));
        break;
    case 1:
        image.scale(Magick::Geometry(BoxGeometry(width, height, true)));
        break;
    case 2: {
        // Cut to the thumbnail's aspect ratio, centred, then scale to the
        // exact size (the cut leaves at most a pixel of distortion).
        const TransformMath::Rect cut = TransformMath::CentredCut(double(image.columns()), double(image.rows()),
                                                                  double(width) / double(height));
        if (cut.IsEmpty())
            return true;
        image.crop(Magick::Geometry(size_t(cut.width), size_t(cut.height), cut.x, cut.y));
        ResetPage(image);
        image.scale(Magick::Geometry(BoxGeometry(width, height, true)));
        break;
    }
    default:
        break;
    }
    return true;
}
