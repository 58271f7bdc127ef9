#pragma once

#include <QRgb>

// Turning the doubles of a filter record into the values of a settings
// page's widgets. Every page's Load goes through these functions, never
// through a plain cast.
//
// Why: a record comes from the page itself, from the undo history or from a
// job file, and a job file may hold any finite number (only non-finite ones
// are turned into 0 when it is read). A double outside the int range cast
// to int is undefined behaviour, and a value outside a widget's range is
// clamped, wrapped or ignored differently by each widget (a wrapping QDial
// wraps 360 to 1, a combo box given 7 selects nothing and saves -1). So each
// function first brings the value into the target's range, then converts:
//
//   field kind                  function         e.g. (range)              result
//   spin box, slider, dial      RoundedInt       89.5 (0..359)             90
//                               RoundedInt       1e300 (0..359)            359
//                               TruncatedInt     49.9 (0..100)             49
//   double spin box             Clamped          -3.5 (0..30000)           0
//   combo box or list index     ListIndex        7 (3 items)               2 (the last item)
//                               ListIndex        -1 (3 items)              0
//   colour of CColorPicker      Colour           -5                        0x00000000
//                               Colour           4290493439                0xFFBBBBFF
//   check box, radio button     Flag             0.3                       true
//
// Whether a field is rounded half up or truncated is each page's own rule
// (its record layout says which); the functions do nothing else. NaN, which
// a record should never hold, converts like 0 (then clamped into range).
// Ranges are the widget's own, low <= high.
namespace PageValues {

// The value rounded half up (the integer part, plus one when the dropped
// fraction is 0.5 or more), then clamped to [low, high].
int RoundedInt(double value, int low, int high);

// The value truncated toward zero, then clamped to [low, high].
int TruncatedInt(double value, int low, int high);

// The value clamped to [low, high], for double spin boxes.
double Clamped(double value, double low, double high);

// An index into a list of `count` items: truncated, then mapped to the
// nearest item (0 below the list, count - 1 above it). -1 when the list is
// empty.
int ListIndex(double value, int count);

// A 32-bit colour 0xAARRGGBB: truncated and clamped to 0..0xFFFFFFFF. The
// alpha byte is kept as stored.
QRgb Colour(double value);

// A flag is on when its value is not 0 (NaN counts as off).
bool Flag(double value);

} // namespace PageValues
