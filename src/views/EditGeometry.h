#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// The arithmetic of editing a mark or a frame on the preview, apart from any
// widget: which part of the overlay a point touches, how a box is kept on the
// fitted picture and anchored to it, and how one drag step changes a size,
// an angle or a frame. Distances d are press position minus current position
// (positive when the pointer moved left or up); s is the fit scale.
namespace EditGeometry {

// Where a point lies against the overlay.
enum class Area {
    Left = 1, Right = 2, Top = 3, Bottom = 4,
    TopLeft = 5, TopRight = 6, BottomLeft = 7, BottomRight = 8,
    Inside = 9, Rotate = 10, Outside = 11
};

// The border or corner a box crossed when it was kept on the picture.
enum class Side {
    None = 0, Left = 1, Top = 2, Right = 3, Bottom = 4,
    TopLeft = 5, BottomLeft = 6, TopRight = 7, BottomRight = 8
};

bool IsCorner(Area area);

// The area of point against the overlay rectangle label. The side bands
// (1-4) exist only with sideBands (crop and unconstrained resize frames).
Area AreaAt(const QRect& label, QPoint point, bool sideBands);

// Keeps a width x height box at (x, y) on a pictureWidth x pictureHeight
// picture. A box crossing two borders goes into that corner (sideHit
// false); otherwise the first border crossed, in the order left, top,
// right, bottom, is reported (sideHit true).
struct Restriction
{
    bool inside = true;
    bool sideHit = false;
    Side side = Side::None;
};
Restriction Restrict(long& x, long& y, long width, long height, long pictureWidth, long pictureHeight);

// The anchor (0-8, row by row) and the offsets from the anchor's sides of a
// box on the picture, after Restrict; the offsets are divided by the
// divisors (the fit scale for photo pixels).
struct Anchoring
{
    int position = 4;
    double offsetX = 0.0;
    double offsetY = 0.0;
    Restriction restriction;
};
Anchoring Anchor(long x, long y, long width, long height, long pictureWidth, long pictureHeight, double divisorX,
                 double divisorY);

// The size of a text mark after one step of a corner drag; characters is the
// length of its text (0 counts as 1). Dragging away from the anchor grows it;
// dragging the anchor's own corner changes nothing; never below 1.
double TextSizeStep(double size, int anchor, Area corner, QPoint d, int characters, double s);
// The scale of a logo mark after one step of a corner drag, label being the
// overlay's size; the same rules.
double LogoScaleStep(double scale, int anchor, Area corner, QPoint d, QSize label);

// One step of a rotation around centre from press to current. False, angle
// unchanged, when either point is the centre itself (no direction).
bool RotationStep(double& angle, QPoint centre, QPoint press, QPoint current);

// One step of a resize frame's side or corner, in photo pixels; a
// constrained frame has no sides. Below 1, both become 1.
void ResizeStep(double& width, double& height, Area area, QPoint d, double s, bool constrained);

// A crop frame in photo pixels.
struct CropFrame
{
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
    bool touchesRight = false;  // a step stopped at the photo's right edge
    bool touchesBottom = false; // and at its bottom edge
};
// One step of a crop frame's side or corner on a columns x rows photo.
CropFrame CropStep(CropFrame frame, Area area, QPoint d, double s, double columns, double rows);
// Pins a written-back crop frame (left and top taken from the overlay) to
// the edge it reached: the side reported by Restrict, or else the edge the
// step touched. full is the photo's size in the record's units.
void PinCrop(CropFrame& frame, Side side, Area area, double fullWidth, double fullHeight);

} // namespace EditGeometry
