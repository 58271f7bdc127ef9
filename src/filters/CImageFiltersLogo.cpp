#include "CImageFilters.h"

#include "CPngCodec.h"
#include "Common.h"
#include "DisplayConversions.h"
#include "MagickCompat.h"
#include "MarkGeometry.h"

#include <QFileInfo>

#include <algorithm>

// The logo mark (1010) and the loading of mark images shared with the mask
// (1020) and the text mark's texture.

int CImageFilters::LoadImage(Magick::Image* cached, Magick::Image* image, QString* cachedPath, QString path,
                             bool applyTransparency, double transparency)
{
    if (!cached || !image || !cachedPath)
        return 0;
    if (cached->isValid() && path == *cachedPath) {
        *image = *cached;
    } else {
        if (path.isEmpty() || !QFileInfo(path).isFile())
            return 0;
        Magick::Image read;
        try {
            CPngCodec::ReadImageFile(path, read);
        } catch (const Magick::Warning& warning) {
            SystemLogWrite("LoadImage", QString("Warning: %1").arg(QString::fromUtf8(warning.what())));
        } catch (const Magick::Exception&) {
            SystemLogWrite("LoadImage", "An unknown error occured while loading the watermark image.");
            return 0;
        }
        if (!read.isValid()) {
            SystemLogWrite("LoadImage", "An unknown error occured while loading the watermark image.");
            return 0;
        }
        // A greyscale logo or mask is composited with its greys as they are.
        MagickCompat::GreyToSrgb(read);
        *cached = read;
        *cachedPath = path;
        *image = read;
    }
    // The copy shares its pixels with the cached image until it is changed:
    // unshare it first, so the cache keeps the pixels as read and every
    // photo of a run gets the same mark.
    image->modifyImage();
    MagickCompat::SetAlpha(*image, true);
    if (applyTransparency) {
        // Beyond +-1000 % every value removes all alpha or none; within, the
        // single-precision percentage keeps the levels marks were made with.
        const float percent = float(std::clamp(transparency, -1000.0, 1000.0));
        MagickCompat::LowerAlpha8(*image, MarkGeometry::AlphaReduction(percent));
    }
    return 1;
}

bool CImageFilters::UpdateLogo(QImage& picture, QRect& where, SFilterRecord record, QString, long width,
                               long height, double zoom, int offsetX, int offsetY, bool preview,
                               double devicePixelRatio)
{
    using MarkGeometry::Int;
    picture = QImage();
    where = QRect();
    const double* p = record.params;
    const double ratio = preview && devicePixelRatio > 1.0 ? devicePixelRatio : 1.0;

    Magick::Image logo;
    if (!LoadImage(&m_logoImage, &logo, &m_logoPath, record.texts[0], true, p[8])) {
        SystemLogWrite("UpdateLogo", "- the logo file cannot be loaded: " + record.texts[0]);
        return false;
    }
    logo.backgroundColor(MagickCompat::ColorRgba8(0, 0, 0, 0));
    QImage logoPicture = ConvertMagickToQtImage(logo);

    QSize shift;
    QImage scaled = ScaleImage(&logoPicture, Int(p[6]), shift);
    QImage stroked = StrokeImage(p[10] != 0, &scaled, Int(p[13]), MarkGeometry::OpaqueColor(p[11]), Int(p[12]), shift);
    picture = TurnBlurAndShadow(stroked, p, 7, 9, 14, Int(p[17]));
    if (picture.isNull() || !PlacePicture(picture, where, zoom * ratio, zoom, Int(p[0]), p[1], p[2], width, height,
                                          offsetX, offsetY, ratio)) {
        SystemLogWrite("UpdateLogo", "- the logo picture would be empty or too large");
        picture = QImage();
        return false;
    }
    return true;
}
