#include "CImageManager.h"

#include "Common.h"
#include "MagickCompat.h"
#include "ProgressMonitors.h"

#include <QImage>

#include <cmath>
#include <new>
#include <vector>

void CImageManager::SetThread(QThread* worker)
{
    RegisterProgressThread(worker);
}

bool CImageManager::Zoom(double percent)
{
    if (!image.isValid() || !std::isfinite(percent) || percent <= 0.0)
        return false;
    const double width = std::floor(double(image.columns()) * percent / 100.0 + 0.5);
    const double height = std::floor(double(image.rows()) * percent / 100.0 + 0.5);
    // A zoom never makes an image vanish, nor one larger than the library
    // can address.
    constexpr double largest = 1 << 30;
    if (width > largest || height > largest)
        return false;
    Magick::Geometry size(size_t(std::max(width, 1.0)), size_t(std::max(height, 1.0)));
    size.aspect(true);

    Magick::Image original = image;
    try {
        if (preview)
            InstallProgressMonitor(image);
        // A large reduction (a photo fitted into a view) first samples the
        // photo down to twice the size asked for and averages from there:
        // nearly the look of a full average at a fifth of its cost.
        constexpr double coarse = 2.0;
        if (width * coarse < double(image.columns()) && height * coarse < double(image.rows())) {
            Magick::Geometry sampled(size_t(width * coarse), size_t(height * coarse));
            sampled.aspect(true);
            image.sample(sampled);
        }
        if (!Aborted())
            image.scale(size);
    } catch (const Magick::Warning& warning) {
        SystemLogWrite("Zoom", QString("Warning: %1").arg(QString::fromUtf8(warning.what())));
    } catch (const Magick::Exception& error) {
        SystemLogWrite("Zoom", QString::fromUtf8(error.what()));
        image = original;
        return false;
    }
    // A cancelled scale stops without an error and can leave an empty image.
    if (Aborted() || !image.isValid()) {
        image = original;
        return false;
    }
    return true;
}

bool CImageManager::AlphaToCheckboard()
{
    if (!image.isValid())
        return false;
    if (!MagickCompat::HasAlpha(image))
        return true;
    try {
        Magick::Image background;
        background.size(Magick::Geometry(image.columns(), image.rows()));
        background.read("pattern:checkerboard");
        background.composite(image, 0, 0, Magick::AtopCompositeOp);
        MagickCompat::SetAlpha(background, false);
        image = background;
    } catch (const Magick::Exception& error) {
        SystemLogWrite("AlphaToCheckboard", QString::fromUtf8(error.what()));
        return false;
    }
    return true;
}

QPixmap CImageManager::ImageToPixmap(QRect area)
{
    if (!image.isValid() || area.isEmpty() || area.left() < 0 || area.top() < 0
        || qint64(area.right()) >= qint64(image.columns()) || qint64(area.bottom()) >= qint64(image.rows()))
        return QPixmap();
    const int width = area.right() - area.left() + 1;
    const int height = area.bottom() - area.top() + 1;
    std::vector<unsigned char> rgb;
    try {
        rgb.resize(size_t(width) * size_t(height) * 3);
        image.write(area.left(), area.top(), size_t(width), size_t(height), "RGB", Magick::CharPixel,
                    rgb.data());
    } catch (const Magick::Exception& error) {
        SystemLogWrite("ImageToPixmap", QString::fromUtf8(error.what()));
        return QPixmap();
    } catch (const std::bad_alloc&) {
        return QPixmap();
    }
    const QImage block(rgb.data(), width, height, qsizetype(width) * 3, QImage::Format_RGB888);
    return QPixmap::fromImage(block.convertToFormat(QImage::Format_RGBX8888), Qt::ColorOnly);
}
