#include "FilterBounds.h"

#include "CMagickRuntime.h"
#include "TransformMath.h"

#include <QCoreApplication>

#include <cmath>

namespace FilterBounds {
namespace {

enum class Kind { Radius, Pixels };

// One bounded value: the image library receives parameter `param` times
// `factor`, which must stay within the kind's limit.
struct Bound
{
    quint32 filterId;
    int param;
    double factor;
    Kind kind;
    const char* what;
};

// Effects and adjustments take their radii from scaled parameters (blur
// radius = p0 x 0.1, and so on); the bound is on the radius they produce.
constexpr Bound kBounds[] = {
    {1000, 21, 1.0, Kind::Pixels, QT_TRANSLATE_NOOP("FilterBounds", "stroke width")},
    {1010, 13, 1.0, Kind::Pixels, QT_TRANSLATE_NOOP("FilterBounds", "stroke width")},
    {2005, 4, 1.0, Kind::Pixels, QT_TRANSLATE_NOOP("FilterBounds", "line width")},
    {2020, 1, 1.0, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "size")},
    {3000, 0, 0.1, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "radius")},
    {3020, 0, 0.05, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "radius")},
    {3020, 1, 0.049, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "sigma")},
    {3030, 0, 1.0, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "radius")},
    {3040, 0, 0.05, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "radius")},
    {3040, 1, 0.049, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "sigma")},
    {3050, 0, 0.1, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "radius")},
    {3050, 1, 0.099, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "sigma")},
    {3100, 0, 8.0 / 11.0, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "radius")},
    {3170, 0, 1.0, Kind::Pixels, QT_TRANSLATE_NOOP("FilterBounds", "amplitude")},
    {4080, 0, 3.0 / 101.0, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "radius")},
    {4090, 1, 0.03, Kind::Radius, QT_TRANSLATE_NOOP("FilterBounds", "radius")},
    {5050, 0, 1.0, Kind::Pixels, QT_TRANSLATE_NOOP("FilterBounds", "width")},
    {5050, 1, 1.0, Kind::Pixels, QT_TRANSLATE_NOOP("FilterBounds", "height")},
    {5080, 0, 1.0, Kind::Pixels, QT_TRANSLATE_NOOP("FilterBounds", "width")},
    {5080, 1, 1.0, Kind::Pixels, QT_TRANSLATE_NOOP("FilterBounds", "height")},
};

// A size that a filter needs to be at least 1 pixel (or above 0 %): a
// smaller one would leave the photo as it was while the filter counts as
// applied.
struct Minimum
{
    quint32 filterId;
    int param;
    bool (*used)(const SFilterRecord& record);
    const char* what;
};

// The resize record's mode (3): 0 width and height, 1 the width alone, 2 the
// height alone, 3 both exactly; its unit (4): 1 percent, else pixels.
int ResizeMode(const SFilterRecord& record)
{
    return TransformMath::ToInt(record.params[3]);
}

bool ResizeUsesWidth(const SFilterRecord& record)
{
    const int mode = ResizeMode(record);
    return mode == 0 || mode == 1 || mode == 3;
}

bool ResizeUsesHeight(const SFilterRecord& record)
{
    const int mode = ResizeMode(record);
    return mode == 0 || mode == 2 || mode == 3;
}

bool InPercent(const SFilterRecord& record)
{
    return record.filterId == 5040 && TransformMath::ToInt(record.params[4]) == 1;
}

constexpr Minimum kMinimums[] = {
    {5040, 0, ResizeUsesWidth, QT_TRANSLATE_NOOP("FilterBounds", "width")},
    {5040, 1, ResizeUsesHeight, QT_TRANSLATE_NOOP("FilterBounds", "height")},
};

// Pixels are counted as the filter rounds them; a percentage must be above 0.
bool TooSmall(const SFilterRecord& record, double value)
{
    if (InPercent(record))
        return !(value > 0.0);
    return !(TransformMath::RoundHalfUp(value) >= 1.0);
}

double LimitOf(Kind kind)
{
    return kind == Kind::Radius ? MaxRadius : MaxPixels;
}

QString FilterName(const SFilterRecord& record)
{
    return record.name.isEmpty() ? QString::number(record.filterId) : record.name;
}

QString Message(const SFilterRecord& record, const QString& what, double value, double limit)
{
    return QCoreApplication::translate("FilterBounds", "The '%1' filter's %2 of %3 is beyond its limit of %4.")
        .arg(FilterName(record), what, QString::number(value), QString::number(limit));
}

// Beyond the limit, with room for the rounding of a scaled value (990 x 0.1
// is a little more than 99).
bool Beyond(double value, double limit)
{
    return !(std::fabs(value) <= limit * (1.0 + 1e-12));
}

} // namespace

QString Check(const SFilterRecord& record)
{
    for (const Bound& bound : kBounds) {
        if (bound.filterId != record.filterId)
            continue;
        const double value = record.params[bound.param];
        const double limit = LimitOf(bound.kind);
        if (Beyond(value * bound.factor, limit))
            return Message(record, QCoreApplication::translate("FilterBounds", bound.what), value,
                           limit / bound.factor);
    }
    for (const Minimum& minimum : kMinimums) {
        if (minimum.filterId != record.filterId || !minimum.used(record))
            continue;
        const double value = record.params[minimum.param];
        if (TooSmall(record, value))
            return QCoreApplication::translate("FilterBounds", "The '%1' filter's %2 of %3 is too small to resize to.")
                .arg(FilterName(record), QCoreApplication::translate("FilterBounds", minimum.what),
                     QString::number(value));
    }
    return QString();
}

QString CheckPixels(const SFilterRecord& record, const char* what, double pixels)
{
    if (!Beyond(pixels, MaxPixels))
        return QString();
    return Message(record, QCoreApplication::translate("FilterBounds", what), std::trunc(pixels), MaxPixels);
}

OutOfBounds::OutOfBounds(const QString& message) : std::runtime_error(message.toStdString())
{
}

QString OutOfBounds::Message() const
{
    return QString::fromStdString(what());
}

void RequirePixels(const SFilterRecord& record, const char* what, double pixels)
{
    const QString message = CheckPixels(record, what, pixels);
    if (!message.isEmpty())
        throw OutOfBounds(message);
}

void RequirePhotoSize(const SFilterRecord& record, double width, double height)
{
    const QString reason = CMagickRuntime::CheckPhotoSize(qint64(std::trunc(width)), qint64(std::trunc(height)));
    if (!reason.isEmpty())
        throw OutOfBounds(QCoreApplication::translate("FilterBounds", "The '%1' filter's result of %2")
                              .arg(FilterName(record), reason));
}

} // namespace FilterBounds
