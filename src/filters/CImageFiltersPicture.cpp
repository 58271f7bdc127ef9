#include "CImageFilters.h"

#include "MarkGeometry.h"

#include <QPainter>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdlib>

// Picture steps shared by the text and logo marks: rotation, blur, drop
// shadow, scale, stroke, conversion to an ImageMagick image and the final
// zoom and placement. Every picture is a QImage, never a QPixmap, so the
// steps run on processing and preview threads alike.

namespace {
// A transparent picture, or a null one when the size is not allowed.
QImage NewPicture(qint64 width, qint64 height, QImage::Format format = QImage::Format_ARGB32_Premultiplied)
{
    if (!MarkGeometry::PictureFits(width, height))
        return QImage();
    QImage picture(int(width), int(height), format);
    if (!picture.isNull())
        picture.fill(Qt::transparent);
    return picture;
}

// Blur weight for a radius (the larger the radius, the smaller the weight).
int BlurWeight(int radius)
{
    static const int table[] = {14, 10, 8, 6, 5, 5, 4, 3, 3, 3, 3, 2, 2, 2, 2, 2, 2};
    if (radius < 0)
        return 16;
    if (radius <= 17)
        return table[radius - 1];
    return 1;
}

// One run of the exponential blur over count pixels, stride bytes apart.
void BlurRun(uchar* first, int count, qsizetype stride, int weight, int firstChannel, int lastChannel)
{
    int z[4] = {0, 0, 0, 0};
    for (int c = firstChannel; c <= lastChannel; ++c)
        z[c] = first[c] << 4;
    uchar* pixel = first;
    for (int i = 1; i < count; ++i) {
        pixel += stride;
        for (int c = firstChannel; c <= lastChannel; ++c) {
            z[c] += ((int(pixel[c]) << 4) - z[c]) * weight / 16;
            pixel[c] = uchar(z[c] >> 4);
        }
    }
}
} // namespace

QImage CImageFilters::RotateImage(QImage* picture, int degrees, QSize& shift)
{
    shift = QSize(0, 0);
    if (!picture || picture->isNull())
        return QImage();
    if (degrees % 360 == 0)
        return *picture;
    const QTransform turn = QTransform().rotate(degrees % 360);
    const QRect bounds = turn.mapRect(picture->rect());
    if (!MarkGeometry::PictureFits(bounds.width(), bounds.height()))
        return QImage();
    QImage turned = picture->transformed(turn, Qt::SmoothTransformation);
    if (turned.isNull())
        return QImage();
    shift = QSize(int((picture->width() - turned.width()) / 2.0), int((picture->height() - turned.height()) / 2.0));
    return turned;
}

QImage CImageFilters::BlurImage(const QImage& picture, int radius, QSize& shift, bool alphaOnly)
{
    shift = QSize(0, 0);
    if (picture.isNull())
        return QImage();
    QImage blurred = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (blurred.isNull() || radius == 0)
        return blurred;

    const int weight = BlurWeight(radius);
    const int width = blurred.width();
    const int height = blurred.height();
    const qsizetype line = blurred.bytesPerLine();
    // Bytes of a 32-bit pixel in memory order; alpha is the last one on
    // little-endian machines and the first on big-endian ones.
    const int alpha = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? 3 : 0;
    const int first = alphaOnly ? alpha : 0;
    const int last = alphaOnly ? alpha : 3;
    uchar* bits = blurred.bits();

    for (int x = 0; x < width; ++x)
        BlurRun(bits + x * 4, height, line, weight, first, last);
    for (int y = 0; y < height; ++y)
        BlurRun(bits + y * line, width, 4, weight, first, last);
    for (int x = 0; x < width; ++x)
        BlurRun(bits + (height - 1) * line + x * 4, height, -line, weight, first, last);
    for (int y = 0; y < height; ++y)
        BlurRun(bits + y * line + (width - 1) * 4, width, -4, weight, first, last);
    return blurred;
}

QImage CImageFilters::ShadowImage(bool on, QImage* picture, QColor colour, int transparency, int distance, int size,
                                  int angle, int blur, QSize& shift)
{
    shift = QSize(0, 0);
    if (!picture || picture->isNull())
        return QImage();
    if (!on)
        return *picture;

    const QPoint offset = MarkGeometry::ShadowOffset(distance, size, angle);
    const qint64 dx = offset.x();
    const qint64 dy = offset.y();
    QImage result = NewPicture(picture->width() + std::llabs(dx), picture->height() + std::llabs(dy));
    if (result.isNull())
        return QImage();

    QImage silhouette(picture->size(), QImage::Format_ARGB32_Premultiplied);
    if (silhouette.isNull())
        return QImage();
    colour.setAlpha(255);
    silhouette.fill(colour);
    {
        QPainter painter(&silhouette);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.drawImage(0, 0, picture->convertToFormat(QImage::Format_Alpha8));
    }
    QSize blurShift;
    silhouette = BlurImage(silhouette, blur, blurShift, false);
    if (silhouette.isNull())
        return QImage();

    QPainter painter(&result);
    painter.setOpacity(MarkGeometry::OpacityFromTransparency(transparency));
    painter.drawImage(int(std::max<qint64>(dx, 0)), int(std::max<qint64>(dy, 0)), silhouette);
    painter.setOpacity(1.0);
    painter.drawImage(int(std::max<qint64>(-dx, 0)), int(std::max<qint64>(-dy, 0)), *picture);
    painter.end();
    shift = QSize(int(std::max<qint64>(-dx, 0)), int(std::max<qint64>(-dy, 0)));
    return result;
}

QImage CImageFilters::ScaleImage(QImage* picture, int percent, QSize& shift)
{
    shift = QSize(0, 0);
    if (!picture || picture->isNull())
        return QImage();
    const qint64 width = qint64(picture->width()) * percent / 100;
    const qint64 height = qint64(picture->height()) * percent / 100;
    if (width == picture->width() && height == picture->height())
        return *picture;
    // Fitting keeps the aspect ratio, so the result is never larger than
    // the target.
    if (!MarkGeometry::PictureFits(width, height))
        return QImage();
    return picture->scaled(int(width), int(height), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage CImageFilters::StrokeImage(bool on, QImage* picture, int width, QColor colour, int transparency,
                                  QSize& shift)
{
    shift = QSize(0, 0);
    if (!picture || picture->isNull())
        return QImage();
    if (!on || transparency == 100 || width <= 0)
        return *picture;

    const qint64 band = width;
    QImage canvas = NewPicture(picture->width() + 2 * band, picture->height() + 2 * band);
    if (canvas.isNull())
        return QImage();
    colour.setAlpha(std::clamp(MarkGeometry::Int((100.0 - transparency) * 255.0 / 100.0), 0, 255));

    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(int(band), int(band), *picture);
    // The band of concentric one-pixel outlines, as four filled strips.
    const int w = canvas.width();
    const int h = canvas.height();
    const int b = int(band);
    painter.fillRect(0, 0, w, b, colour);
    painter.fillRect(0, h - b, w, b, colour);
    painter.fillRect(0, b, b, h - 2 * b, colour);
    painter.fillRect(w - b, b, b, h - 2 * b, colour);
    painter.end();
    shift = QSize(b, b);
    return canvas;
}

Magick::Image CImageFilters::PixmapToImage(QImage* picture)
{
    if (!picture || picture->isNull())
        return Magick::Image();
    // Straight (not premultiplied) 8-bit RGBA, rows without padding: what a
    // PNG of the picture would hold.
    const QImage rgba = picture->convertToFormat(QImage::Format_RGBA8888);
    if (rgba.isNull())
        return Magick::Image();
    // Read as raw RGBA data, so that a picture the library cannot hold
    // raises an exception instead of leaving a broken image.
    const Magick::Blob blob(rgba.constBits(), size_t(rgba.sizeInBytes()));
    Magick::Image image;
    image.read(blob, Magick::Geometry(size_t(rgba.width()), size_t(rgba.height())), 8, "RGBA");
    return image;
}

QImage CImageFilters::TurnBlurAndShadow(QImage picture, const double* p, int turnParam, int blurParam,
                                        int shadowParam, int shadowDistance)
{
    using MarkGeometry::Int;
    QSize shift;
    QImage turned = RotateImage(&picture, Int(p[turnParam]), shift);
    QImage blurred = BlurImage(turned, MarkGeometry::BlurRadius(p[blurParam]), shift, false);
    const int shadowSize = Int((blurred.width() + blurred.height()) / 10.0);
    const double* shadow = p + shadowParam;
    return ShadowImage(shadow[0] != 0, &blurred, MarkGeometry::OpaqueColor(shadow[1]), Int(shadow[2]), shadowDistance,
                       shadowSize, Int(shadow[4]), MarkGeometry::BlurRadius(shadow[5]), shift);
}

bool CImageFilters::PlacePicture(QImage& picture, QRect& where, double scale, double zoom, int placement,
                                 double marginX, double marginY, long width, long height, int offsetX, int offsetY,
                                 double ratio)
{
    if (picture.isNull() || !std::isfinite(scale) || scale <= 0.0)
        return false;
    if (scale != 1.0) {
        const double w = std::trunc(picture.width() * scale);
        const double h = std::trunc(picture.height() * scale);
        if (w < 1.0 || h < 1.0 || !MarkGeometry::PictureFits(qint64(w), qint64(h)))
            return false;
        picture = picture.scaled(int(w), int(h), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (picture.isNull())
            return false;
    }
    int pw = picture.width();
    int ph = picture.height();
    if (ratio > 1.0) {
        pw = int(pw / ratio);
        ph = int(ph / ratio);
    }
    const QPoint corner = MarkGeometry::PlaceOnGrid(placement, width, height, pw, ph, marginX * zoom,
                                                    marginY * zoom);
    where = QRect(corner.x() + offsetX, corner.y() + offsetY, pw, ph);
    return true;
}
