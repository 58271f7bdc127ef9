#include "DisplayConversions.h"

#include "Common.h"
#include "MagickCompat.h"

#include <QGuiApplication>
#include <QPainter>

QImage ConvertMagickToQtImage(Magick::Image image)
{
    QImage empty(1, 1, QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    if (!image.isValid() || image.columns() == 0 || image.rows() == 0)
        return empty;

    const qint64 width = qint64(image.columns());
    const qint64 height = qint64(image.rows());
    if (width > 0x7fffffff / 4 || height > 0x7fffffff)
        return empty;
    QImage converted(int(width), int(height), QImage::Format_RGBA8888);
    if (converted.isNull())
        return empty;
    try {
        // Colour separations export their ink values by channel name:
        // convert them first.
        if (MagickCompat::IsCMYK(image))
            image.colorSpace(MagickCore::sRGBColorspace);
        // Rows of RGBA8888 are exactly width x 4 bytes, with no padding.
        image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, converted.bits());
    } catch (const Magick::Exception& error) {
        SystemLogWrite("ConvertMagickToQtImage", QString::fromUtf8(error.what()));
        return empty;
    }
    QImage result = converted.convertToFormat(QImage::Format_ARGB32);
    return result.isNull() ? empty : result;
}

QPixmap CreateTransparentPixmap(QPixmap pixmap, int alpha)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap result(pixmap.size());
    result.setDevicePixelRatio(ratio);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    // Device pixel onto device pixel, whatever ratio the source carries.
    const QRectF target(QPointF(0, 0), QSizeF(result.size()) / ratio);
    painter.drawPixmap(target, pixmap, QRectF(pixmap.rect()));
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    painter.fillRect(target, QColor(0, 0, 0, qBound(0, alpha, 255)));
    painter.end();
    return result;
}
