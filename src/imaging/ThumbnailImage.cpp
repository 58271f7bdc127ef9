#include "ThumbnailImage.h"

#include "CPngCodec.h"
#include "Common.h"
#include "DisplayConversions.h"
#include "MagickCompat.h"

#include <Magick++.h>

namespace {
// Fits the image into side x side pixels, aspect kept.
void FitInto(Magick::Image& image, int side)
{
    const Magick::Geometry box{size_t(side), size_t(side)};
    image.resize(box);
    image.page(Magick::Geometry(0, 0, 0, 0));
}

Magick::Image TransparentCanvas(size_t width, size_t height)
{
    Magick::Image canvas(Magick::Geometry(width, height), MagickCompat::ColorRgba8(0, 0, 0, 0));
    MagickCompat::SetAlpha(canvas, true);
    return canvas;
}
} // namespace

void ApplyShadowEffect(Magick::Image& image)
{
    try {
        Magick::Image photo = image;
        MagickCompat::SetAlpha(photo, true);
        photo.backgroundColor(MagickCompat::ColorRgba8(0, 0, 0, 0));
        Magick::Image shadow = photo;
        MagickCompat::Shadow(shadow, 50, 3);
        shadow.page(Magick::Geometry(0, 0, 0, 0));
        shadow.composite(photo, 0, 0, Magick::OverCompositeOp);
        Magick::Image canvas = TransparentCanvas(shadow.columns(), shadow.rows());
        canvas.composite(shadow, 0, 0, Magick::OverCompositeOp);
        image = canvas;
    } catch (const Magick::Exception& error) {
        SystemLogWrite("ApplyShadowEffect", QString::fromLocal8Bit(error.what()));
    }
}

QImage MakeShadowedThumbnail(const char* bytes, int size, int side)
{
    if (!bytes || size <= 0 || side < 1)
        return QImage();
    Magick::Image image;
    try {
        try {
            if (CPngCodec::IsPng(bytes, size_t(size))) {
                const CPngCodec::ReadResult result = CPngCodec::Decode(bytes, size_t(size), image);
                if (!result.ok)
                    return QImage();
                if (!result.damage.isEmpty())
                    SystemLogWrite("MakeShadowedThumbnail", result.damage);
            } else {
                image.read(Magick::Blob(bytes, size_t(size)));
            }
        } catch (const Magick::Warning& warning) {
            // A thumbnail cut short still decodes most of its rows.
            SystemLogWrite("MakeShadowedThumbnail", QString::fromLocal8Bit(warning.what()));
        }
        if (!image.isValid() || image.columns() == 0 || image.rows() == 0)
            return QImage();
        FitInto(image, side);
        ApplyShadowEffect(image);
        FitInto(image, side);
        Magick::Image canvas = TransparentCanvas(size_t(side), size_t(side));
        const auto x = (ssize_t(side) - ssize_t(image.columns())) / 2;
        const auto y = (ssize_t(side) - ssize_t(image.rows())) / 2;
        canvas.composite(image, x, y, Magick::OverCompositeOp);
        return ConvertMagickToQtImage(canvas);
    } catch (const Magick::Exception& error) {
        SystemLogWrite("MakeShadowedThumbnail", QString::fromLocal8Bit(error.what()));
        return QImage();
    }
}
