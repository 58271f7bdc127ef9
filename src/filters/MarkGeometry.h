#pragma once

#include "SImageProperties.h"
#include "TransformMath.h"

#include <QColor>
#include <QPoint>
#include <QString>
#include <QtGlobal>

// Arithmetic of the text and logo marks that needs no painting: tags, the
// numbers taken from a filter record, placement on the 3 x 3 grid, the
// direction of a drop shadow and the tiling grid.
namespace MarkGeometry {

// The pieces of a photo's path that the tags print ("/" separated; every
// search runs from the end).
struct PathParts
{
    QString fileName;   // after the last "/" (the whole path without one)
    QString baseName;   // the file name up to its last "." (the whole file name without one)
    QString extension;  // after the last "." of the whole path (the whole path without one)
    QString folderPath; // up to the last "/" (the whole path without one)
    QString folderName; // the folder path after its last "/"
};
PathParts SplitPath(const QString& path);

// Replaces the tags ("[Filename]", "[CameraModel]", ...) of text with the
// photo's data in a single pass: inserted values are never searched again,
// so a photo's own EXIF texts cannot pull in other data such as the path.
QString ExpandTags(const QString& text, const QString& path, const SImageProperties& properties);

// A numeric parameter taken by truncation toward zero, clamped to the int
// range (NaN gives 0).
inline int Int(double value)
{
    return TransformMath::ToInt(value);
}
// Alpha for a transparency percentage: 255 - trunc(percent x 255 / 100),
// within 0..255.
int AlphaFromTransparency(double percent);
// Alpha levels removed for a transparency percentage: trunc(percent x 255 /
// 100), within 0..255 (100 percent removes all 255).
int AlphaReduction(double percent);
// Painter opacity for a transparency percentage: (100 - percent) / 100,
// within 0..1.
double OpacityFromTransparency(int percent);
// Blur radius of a blur setting: trunc(value x 18 / 11).
int BlurRadius(double value);
// The font's size in pixels for a size setting, at a fixed 72 dpi (one point
// is one pixel): trunc(abs(trunc(size)) x 2.5), at least 1.
int FontPixelSize(double size);
// An opaque colour from a stored 0xAARRGGBB number (the alpha byte is
// ignored).
QColor OpaqueColor(double stored);

// Largest picture a mark may use, in pixels and per side; larger requests
// (sizes, margins, scales or shadow distances from a job file) fail the
// filter instead of exhausting memory or the image library's limits.
constexpr qint64 MaxPicturePixels = qint64(1) << 27;
constexpr qint64 MaxPictureSide = 32767;
// Largest font size in pixels whose metrics the toolkit still measures
// correctly (larger sizes overflow its glyph metrics).
constexpr int MaxFontPixelSize = 16384;
bool PictureFits(qint64 width, qint64 height);

// Top-left corner of a pw x ph picture at placement 0..8 of an area (any
// other placement counts as 0), mx and my being the margins. Each coordinate
// is held within +-MaxPlacementOffset.
constexpr qint64 MaxPlacementOffset = qint64(1) << 28;
QPoint PlaceOnGrid(int placement, qint64 areaWidth, qint64 areaHeight, int pw, int ph, double mx, double my);

// Offset of a drop shadow: d = trunc(distance x size / 100), t = angle + 90
// degrees, (trunc(d cos t), trunc(d sin t)); angle 0 is straight below, 90 to
// the left, 180 above, 270 to the right, y growing downwards.
QPoint ShadowOffset(int distance, int size, int angle);

// Tiling of a pw x ph mark over a W x H photo. The spacings (percent of the
// free width and height) are clamped to 0..100; the marks sit at (i x stepX,
// j x stepY) for i < columns and j < rows. A grid without a positive step is
// one mark at (0, 0).
struct Tiling
{
    qint64 stepX = 0;
    qint64 stepY = 0;
    qint64 columns = 1;
    qint64 rows = 1;
};
Tiling ComputeTiling(qint64 width, qint64 height, qint64 pw, qint64 ph, double spacingX, double spacingY);

} // namespace MarkGeometry
