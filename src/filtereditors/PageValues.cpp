#include "PageValues.h"

#include "TransformMath.h"

#include <algorithm>
#include <cmath>

namespace PageValues {

namespace {
// Into [low, high] while still a double, so no conversion can overflow.
double Bound(double value, double low, double high)
{
    if (std::isnan(value))
        value = 0.0;
    return std::clamp(value, low, high);
}
} // namespace

int RoundedInt(double value, int low, int high)
{
    return TransformMath::ToInt(Bound(TransformMath::RoundHalfUp(value), low, high));
}

int TruncatedInt(double value, int low, int high)
{
    return TransformMath::ToInt(Bound(std::trunc(value), low, high));
}

double Clamped(double value, double low, double high)
{
    return Bound(value, low, high);
}

int ListIndex(double value, int count)
{
    if (count < 1)
        return -1;
    return TruncatedInt(value, 0, count - 1);
}

QRgb Colour(double value)
{
    return QRgb(Bound(std::trunc(value), 0.0, 4294967295.0));
}

bool Flag(double value)
{
    return !std::isnan(value) && value != 0.0;
}

} // namespace PageValues
