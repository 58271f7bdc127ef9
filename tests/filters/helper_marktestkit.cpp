#include "MarkTestKit.h"

#include "MagickCompat.h"

#include <vector>

namespace MarkTestKit {

Magick::Image WhitePhoto(int width, int height)
{
    Magick::Image image(Magick::Geometry(size_t(width), size_t(height)), Magick::Color("white"));
    image.depth(8);
    return image;
}

QRgb Pixel(const Magick::Image& image, int x, int y)
{
    unsigned char rgba[4] = {0, 0, 0, 0};
    const_cast<Magick::Image&>(image).write(x, y, 1, 1, "RGBA", Magick::CharPixel, rgba);
    return qRgba(rgba[0], rgba[1], rgba[2], rgba[3]);
}

QRect BoundingBox(const Magick::Image& image, const std::function<bool(QRgb)>& test, QRect area)
{
    const int width = int(image.columns());
    const int height = int(image.rows());
    std::vector<unsigned char> pixels(size_t(width) * size_t(height) * 4);
    const_cast<Magick::Image&>(image).write(0, 0, size_t(width), size_t(height), "RGBA", Magick::CharPixel,
                                            pixels.data());
    if (area.isNull())
        area = QRect(0, 0, width, height);
    area &= QRect(0, 0, width, height);
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const unsigned char* p = &pixels[(size_t(y) * width + x) * 4];
            if (test(qRgba(p[0], p[1], p[2], p[3])))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

QRect NonWhiteBox(const Magick::Image& image)
{
    return BoundingBox(image, [](QRgb c) { return qRed(c) < 250 || qGreen(c) < 250 || qBlue(c) < 250; });
}

SFilterRecord TextRecord(const QString& text)
{
    SFilterRecord record;
    record.filterId = 1000;
    record.numParams = 32;
    record.params[9] = 8;
    record.numTexts = 3;
    record.texts[0] = text;
    record.texts[1] = "DejaVu Sans";
    record.active = 1;
    return record;
}

SFilterRecord LogoRecord(const QString& path)
{
    SFilterRecord record;
    record.filterId = 1010;
    record.numParams = 20;
    record.params[6] = 100;
    record.numTexts = 1;
    record.texts[0] = path;
    record.active = 1;
    return record;
}

bool Apply(Magick::Image& image, const SFilterRecord& record, CImageFilters* engine, const QString& sourcePath,
           const SImageProperties& properties)
{
    CImageFilters local;
    CImageFilters* used = engine ? engine : &local;
    used->SetTarget(&image);
    used->SetRecord(record);
    used->SetSourcePath(sourcePath);
    used->SetProperties(properties);
    return used->Apply();
}

} // namespace MarkTestKit
