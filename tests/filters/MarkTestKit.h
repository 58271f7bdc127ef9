#pragma once

#include "CImageFilters.h"

#include <QList>
#include <QRect>
#include <QString>

#include <functional>

// Helpers of the mark tests: blank photos, records of the text and logo
// marks, and measuring where colours landed on a photo.
namespace MarkTestKit {

Magick::Image WhitePhoto(int width, int height);

// RGBA of one pixel, 8 bits per channel.
QRgb Pixel(const Magick::Image& image, int x, int y);

// Colour classes of 8-bit pixels, for BoundingBox.
inline bool IsBlack(QRgb c) { return qRed(c) < 60 && qGreen(c) < 60 && qBlue(c) < 60; }
inline bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }
inline bool IsBlue(QRgb c) { return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60; }

// Bounding box of the pixels for which test holds (an empty rect if none),
// within area when it is given.
QRect BoundingBox(const Magick::Image& image, const std::function<bool(QRgb)>& test, QRect area = QRect());
QRect NonWhiteBox(const Magick::Image& image);

// A text mark record: DejaVu Sans, size 8 (20 pixels), black, everything
// else off, placement 0 with no margins.
SFilterRecord TextRecord(const QString& text);
// A logo mark record: placement 0, no margins, scale 100, everything else off.
SFilterRecord LogoRecord(const QString& path);

// Applies record to image with engine (a fresh one when null).
bool Apply(Magick::Image& image, const SFilterRecord& record, CImageFilters* engine = nullptr,
           const QString& sourcePath = QString(), const SImageProperties& properties = SImageProperties());

} // namespace MarkTestKit
