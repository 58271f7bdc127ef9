#pragma once

#include <string>

// Arithmetic shared by the geometric transforms and the preview frames of
// crop and resize records. Pure functions on doubles, no image library.
namespace TransformMath {

struct Rect {
    long x = 0;
    long y = 0;
    long width = 0;
    long height = 0;
    bool IsEmpty() const { return width <= 0 || height <= 0; }
};

// Size geometry "WxH", with "!" when the exact size is forced.
std::string BoxGeometry(int width, int height, bool exact);

// Integer part, plus one when the fraction is at least 0.5.
double RoundHalfUp(double value);
// Truncated toward zero and clamped to the int range; NaN gives 0.
int ToInt(double value);

// The long side of a box that keeps the aspect ratio (width / height):
// a landscape box takes it as its width, a portrait box as its height.
void LongSide(double longSide, double aspect, double& width, double& height);

// Width-to-height ratio of an auto-crop choice: 1 gives 1.6, 2 gives 1.5,
// 3 gives 1.333333, 4 gives 1.0, 5 the custom ratio, anything else
// 1.777777. 0 when the custom ratio is not a positive number.
double AutoCropRatio(int choice, double customWidth, double customHeight);

// The band an auto crop keeps; empty when the image is to stay as it is.
// With followOrientation a portrait image takes the ratio as height to
// width. The anchor places the band: 2 at the far end, 1 in the middle,
// anything else at the start.
Rect AutoCropBand(double columns, double rows, int choice, bool followOrientation, double customWidth,
                  double customHeight, int anchor);

// The part of the rectangle that lies on a columns x rows image (empty when
// none does).
Rect ClipToImage(double x, double y, double width, double height, double columns, double rows);

// The largest centred cut of the image with the given width-to-height ratio.
Rect CentredCut(double columns, double rows, double ratio);

} // namespace TransformMath
