#include "TransformMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace TransformMath {

std::string BoxGeometry(int width, int height, bool exact)
{
    return std::to_string(width) + "x" + std::to_string(height) + (exact ? "!" : "");
}

double RoundHalfUp(double value)
{
    const double whole = std::trunc(value);
    return value - whole >= 0.5 ? whole + 1.0 : whole;
}

int ToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(value);
}

void LongSide(double longSide, double aspect, double& width, double& height)
{
    if (aspect >= 1.0) {
        width = longSide;
        height = longSide / aspect;
    } else {
        width = aspect * longSide;
        height = longSide;
    }
}

double AutoCropRatio(int choice, double customWidth, double customHeight)
{
    switch (choice) {
    case 1:
        return 1.6;
    case 2:
        return 1.5;
    case 3:
        return 1.333333;
    case 4:
        return 1.0;
    case 5: {
        if (!(customWidth > 0.0) || !(customHeight > 0.0))
            return 0.0;
        const double ratio = customWidth / customHeight;
        return std::isfinite(ratio) && ratio > 0.0 ? ratio : 0.0;
    }
    default:
        return 1.777777;
    }
}

Rect AutoCropBand(double columns, double rows, int choice, bool followOrientation, double customWidth,
                  double customHeight, int anchor)
{
    const double ratio = AutoCropRatio(choice, customWidth, customHeight);
    if (ratio <= 0.0 || columns < 1.0 || rows < 1.0)
        return Rect();

    double width = columns;
    double height = rows;
    const bool landscape = columns > rows;
    if (!landscape && followOrientation) {
        if (rows / columns <= ratio)
            width = RoundHalfUp(rows / ratio);
        else
            height = RoundHalfUp(ratio * columns);
    } else {
        if (columns / rows > ratio)
            width = RoundHalfUp(ratio * rows);
        else
            height = RoundHalfUp(columns / ratio);
    }
    width = std::clamp(width, 1.0, columns);
    height = std::clamp(height, 1.0, rows);

    const auto place = [anchor](double removed) {
        if (anchor == 2)
            return removed;
        if (anchor == 1)
            return RoundHalfUp(removed / 2.0);
        return 0.0;
    };
    Rect band;
    band.width = long(width);
    band.height = long(height);
    if (width < columns)
        band.x = long(place(columns - width));
    else
        band.y = long(place(rows - height));
    return band;
}

Rect ClipToImage(double x, double y, double width, double height, double columns, double rows)
{
    if (!(width > 0.0) || !(height > 0.0) || std::isnan(x) || std::isnan(y))
        return Rect();
    const double left = std::max(x, 0.0);
    const double top = std::max(y, 0.0);
    const double right = std::min(x + width, columns);
    const double bottom = std::min(y + height, rows);
    if (right <= left || bottom <= top)
        return Rect();
    Rect clipped;
    clipped.x = long(left);
    clipped.y = long(top);
    clipped.width = long(right - left);
    clipped.height = long(bottom - top);
    return clipped;
}

Rect CentredCut(double columns, double rows, double ratio)
{
    if (columns < 1.0 || rows < 1.0 || !std::isfinite(ratio) || ratio <= 0.0)
        return Rect();
    Rect cut;
    if (columns / rows <= ratio) {
        const double height = std::clamp(std::trunc(columns / ratio), 1.0, rows);
        cut.width = long(columns);
        cut.height = long(height);
        cut.y = long(std::trunc((rows - height) / 2.0));
    } else {
        const double width = std::clamp(std::trunc(rows * ratio), 1.0, columns);
        cut.width = long(width);
        cut.height = long(rows);
        cut.x = long(std::trunc((columns - width) / 2.0));
    }
    return cut;
}

} // namespace TransformMath
