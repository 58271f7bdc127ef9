#include "EditGeometry.h"

#include <algorithm>
#include <cmath>

namespace EditGeometry {

namespace {
constexpr double Pi = 3.14159265358979323846;

// Which component of a corner drag sizes a mark, and in which direction it
// grows.
struct CornerAxis
{
    bool none = false;     // the corner is the anchor itself
    bool vertical = false;
    double factor = 1.0;   // 2 when the anchor is centred on that axis
    double growth = 0.0;   // the drag component, positive away from the anchor
};

CornerAxis AxisOf(int anchor, Area corner, QPoint d)
{
    CornerAxis axis;
    if (anchor < 0 || anchor > 8)
        anchor = 4;
    const int column = anchor % 3;
    const int row = anchor / 3;
    const bool right = corner == Area::TopRight || corner == Area::BottomRight;
    const bool bottom = corner == Area::BottomLeft || corner == Area::BottomRight;
    const int cornerColumn = right ? 2 : 0;
    const int cornerRow = bottom ? 2 : 0;
    if (column == cornerColumn && row == cornerRow) {
        axis.none = true;
        return axis;
    }
    if (column == cornerColumn) {
        axis.vertical = true;
        axis.factor = row == 1 ? 2.0 : 1.0;
        axis.growth = bottom ? -d.y() : d.y();
    } else {
        axis.factor = column == 1 ? 2.0 : 1.0;
        axis.growth = right ? -d.x() : d.x();
    }
    return axis;
}

bool Finite(double value)
{
    return std::isfinite(value);
}
} // namespace

bool IsCorner(Area area)
{
    return area == Area::TopLeft || area == Area::TopRight || area == Area::BottomLeft || area == Area::BottomRight;
}

Area AreaAt(const QRect& label, QPoint point, bool sideBands)
{
    const int x = point.x();
    const int y = point.y();
    const int x0 = label.x();
    const int y0 = label.y();
    const int x1 = x0 + label.width() - 1;
    const int y1 = y0 + label.height() - 1;
    const bool leftBand = x0 < x && x < x0 + 10;
    const bool rightBand = x1 - 9 < x && x < x1 + 1;
    const bool topBand = y0 < y && y < y0 + 10;
    const bool bottomBand = y1 - 9 < y && y < y1 + 1;
    const bool middleRows = y0 + 10 < y && y < y1 - 9;
    const bool middleColumns = x0 + 10 < x && x < x1 - 9;
    if (sideBands) {
        if (leftBand && middleRows)
            return Area::Left;
        if (rightBand && middleRows)
            return Area::Right;
        if (middleColumns && topBand)
            return Area::Top;
        if (middleColumns && bottomBand)
            return Area::Bottom;
    }
    if (leftBand && topBand)
        return Area::TopLeft;
    if (rightBand && topBand)
        return Area::TopRight;
    if (leftBand && bottomBand)
        return Area::BottomLeft;
    if (rightBand && bottomBand)
        return Area::BottomRight;
    const bool outerColumn = (x0 - 20 < x && x < x0) || (x1 + 1 < x && x < x1 + 21);
    const bool outerRow = (y0 - 20 < y && y < y0) || (y1 + 1 < y && y < y1 + 21);
    if (outerColumn && outerRow)
        return Area::Rotate;
    if (x0 < x && x < x1 + 1 && y0 < y && y < y1 + 1)
        return Area::Inside;
    return Area::Outside;
}

Restriction Restrict(long& x, long& y, long width, long height, long pictureWidth, long pictureHeight)
{
    Restriction result;
    const long maxX = pictureWidth - width;
    const long maxY = pictureHeight - height;
    const bool left = x < 0;
    const bool top = y < 0;
    const bool right = x > maxX;
    const bool bottom = y > maxY;
    if ((left || right) && (top || bottom)) {
        result.inside = false;
        result.sideHit = false;
        x = left ? 0 : maxX;
        y = top ? 0 : maxY;
        if (left)
            result.side = top ? Side::TopLeft : Side::BottomLeft;
        else
            result.side = top ? Side::TopRight : Side::BottomRight;
        return result;
    }
    result.sideHit = true;
    if (x < 0) {
        x = 0;
        result.side = Side::Left;
        result.inside = false;
    }
    if (y < 0) {
        y = 0;
        result.side = Side::Top;
        result.inside = false;
    }
    if (x > maxX) {
        x = maxX;
        result.side = Side::Right;
        result.inside = false;
    }
    if (y > maxY) {
        y = maxY;
        result.side = Side::Bottom;
        result.inside = false;
    }
    return result;
}

Anchoring Anchor(long x, long y, long width, long height, long pictureWidth, long pictureHeight, double divisorX,
                 double divisorY)
{
    Anchoring result;
    result.restriction = Restrict(x, y, width, height, pictureWidth, pictureHeight);
    const long cx = pictureWidth / 2;
    const long cy = pictureHeight / 2;
    const double w = double(width);
    const bool columns[3] = {
        0 <= x && x <= cx - 0.75 * w,
        cx - 0.75 * w <= x && x <= cx - 0.25 * w,
        cx - 0.25 * w <= x && x <= pictureWidth - width,
    };
    const bool rows[3] = {
        0 <= y && y <= cy - height,
        cy - height <= y && y <= cy,
        cy <= y && y <= pictureHeight - height,
    };
    result.position = 4;
    for (int position = 0; position < 9; ++position) {
        if (columns[position % 3] && rows[position / 3]) {
            result.position = position;
            break;
        }
    }
    const int column = result.position % 3;
    const int row = result.position / 3;
    double offsetX = column == 0 ? x : column == 1 ? x + width / 2 - cx : pictureWidth - (x + width);
    double offsetY = row == 0 ? y : row == 1 ? y + height / 2 - cy : pictureHeight - (y + height);
    result.offsetX = divisorX != 0.0 ? offsetX / divisorX : 0.0;
    result.offsetY = divisorY != 0.0 ? offsetY / divisorY : 0.0;
    return result;
}

double TextSizeStep(double size, int anchor, Area corner, QPoint d, int characters, double s)
{
    const CornerAxis axis = AxisOf(anchor, corner, d);
    if (axis.none || !IsCorner(corner) || !(s > 0.0) || !Finite(s))
        return size;
    const double count = std::max(characters, 1);
    const double change = axis.vertical ? axis.growth / (s * double(3.5f))
                                        : axis.growth / (count * s * double(1.8f));
    const double result = size + axis.factor * change;
    return Finite(result) ? std::max(result, 1.0) : size;
}

double LogoScaleStep(double scale, int anchor, Area corner, QPoint d, QSize label)
{
    const CornerAxis axis = AxisOf(anchor, corner, d);
    if (axis.none || !IsCorner(corner))
        return scale;
    const double length = axis.vertical ? label.height() : label.width();
    if (!(length > 0.0))
        return scale;
    const double result = scale * (length + axis.factor * axis.growth) / length;
    return Finite(result) ? std::max(result, 1.0) : scale;
}

bool RotationStep(double& angle, QPoint centre, QPoint press, QPoint current)
{
    const double pressX = press.x() - centre.x();
    const double pressY = press.y() - centre.y();
    const double currentX = current.x() - centre.x();
    const double currentY = current.y() - centre.y();
    if ((pressX == 0.0 && pressY == 0.0) || (currentX == 0.0 && currentY == 0.0))
        return false;
    const double a0 = std::atan(pressY / pressX) * 180.0 / Pi;
    const double a1 = std::atan(currentY / currentX) * 180.0 / Pi;
    // Crossing the vertical through the centre flips atan by 180 degrees:
    // count such a step as one degree back instead.
    double result = angle + (std::fabs(a0 - a1) < 90.0 ? a1 - a0 : -1.0);
    if (!Finite(result))
        return false;
    if (result > 359.0)
        result -= 360.0;
    if (result < 0.0)
        result += 360.0;
    angle = result;
    return true;
}

void ResizeStep(double& width, double& height, Area area, QPoint d, double s, bool constrained)
{
    if (!(s > 0.0) || !Finite(s))
        return;
    const bool side = area == Area::Left || area == Area::Right || area == Area::Top || area == Area::Bottom;
    if (constrained && side)
        return;
    const double dx = d.x() / s;
    const double dy = d.y() / s;
    switch (area) {
    case Area::Left: width += dx; break;
    case Area::Right: width -= dx; break;
    case Area::Top: height += dy; break;
    case Area::Bottom: height -= dy; break;
    case Area::TopLeft: width += dx; height += dy; break;
    case Area::TopRight: width -= dx; height += dy; break;
    case Area::BottomLeft: width += dx; height -= dy; break;
    case Area::BottomRight: width -= dx; height -= dy; break;
    default: return;
    }
    if (width < 1.0 || height < 1.0) {
        width = 1.0;
        height = 1.0;
    }
}

CropFrame CropStep(CropFrame frame, Area area, QPoint d, double s, double columns, double rows)
{
    if (!(s > 0.0) || !Finite(s))
        return frame;
    const double dx = d.x() / s;
    const double dy = d.y() / s;
    const double leftBefore = frame.left;
    const double topBefore = frame.top;
    const bool left = area == Area::Left || area == Area::TopLeft || area == Area::BottomLeft;
    const bool right = area == Area::Right || area == Area::TopRight || area == Area::BottomRight;
    const bool top = area == Area::Top || area == Area::TopLeft || area == Area::TopRight;
    const bool bottom = area == Area::Bottom || area == Area::BottomLeft || area == Area::BottomRight;
    if (left) {
        // The left edge follows the pointer until it reaches 0.
        const double moved = std::max(-dx, -frame.left);
        frame.left += moved;
        frame.width -= moved;
    }
    if (top) {
        const double moved = std::max(-dy, -frame.top);
        frame.top += moved;
        frame.height -= moved;
    }
    if (right) {
        const double width = frame.width - dx;
        if (frame.left + width > columns)
            frame.touchesRight = true;
        else
            frame.width = width;
    }
    if (bottom) {
        const double height = frame.height - dy;
        if (frame.top + height > rows)
            frame.touchesBottom = true;
        else
            frame.height = height;
    }
    if (frame.width < 1.0 || frame.height < 1.0) {
        frame.width = std::max(frame.width, 1.0);
        frame.height = std::max(frame.height, 1.0);
        frame.left = leftBefore;
        frame.top = topBefore;
    }
    return frame;
}

void PinCrop(CropFrame& frame, Side side, Area area, double fullWidth, double fullHeight)
{
    if (side == Side::None) {
        if (frame.touchesRight && frame.touchesBottom)
            side = Side::BottomRight;
        else if (frame.touchesRight)
            side = Side::Right;
        else if (frame.touchesBottom)
            side = Side::Bottom;
    }
    const bool pinRight = side == Side::Right || side == Side::TopRight || side == Side::BottomRight;
    const bool pinBottom = side == Side::Bottom || side == Side::BottomLeft || side == Side::BottomRight;
    if (!pinRight && !pinBottom)
        return;
    // A frame dragged out to the far edge from the near one covers the
    // whole side.
    if ((area == Area::Right || area == Area::BottomRight) && frame.left == 0.0 && pinRight
        && (area == Area::Right || frame.top == 0.0))
        frame.width = fullWidth;
    if ((area == Area::Bottom || area == Area::BottomRight) && frame.top == 0.0 && pinBottom
        && (area == Area::Bottom || frame.left == 0.0))
        frame.height = fullHeight;
    if (pinRight)
        frame.left = fullWidth - frame.width;
    if (pinBottom)
        frame.top = fullHeight - frame.height;
}

} // namespace EditGeometry
