#pragma once

#include "SFilterRecord.h"

#include <QString>

#include <stdexcept>

// Bounds of the filter values whose cost grows without limit: blur and shadow
// radii, and sizes and widths in pixels; and the least size a resize can be
// made to. Fixed tables, the same for every photo. A record with a value
// beyond its bound is not applied; values within the bounds are handed on
// unchanged.
namespace FilterBounds {

// The largest blur or shadow radius handed to the image library (the
// settings pages offer 0 to 99).
constexpr double MaxRadius = 99.0;
// The largest size or width in pixels (the settings pages offer up to 30000).
constexpr double MaxPixels = 30000.0;

// Why the record must not be applied: its first value beyond its bound, or
// a size it uses below 1 pixel (0 % in percent), as a message naming the
// filter and the value. "" when every value is within.
QString Check(const SFilterRecord& record);

// The same for a size in pixels that a filter computes from its values (a
// percentage of the photo's size, say). `what` names the size; it is
// translated in the "FilterBounds" context (mark it with QT_TRANSLATE_NOOP).
// "" when within.
QString CheckPixels(const SFilterRecord& record, const char* what, double pixels);

// Raised by a filter whose computed size is beyond its bound; the filter
// engine turns it into a failed filter with this message.
class OutOfBounds : public std::runtime_error
{
public:
    explicit OutOfBounds(const QString& message);
    QString Message() const;
};

// Throws OutOfBounds when CheckPixels finds the size beyond its bound.
void RequirePixels(const SFilterRecord& record, const char* what, double pixels);

// Throws OutOfBounds when a result of width x height pixels would be more
// than one photo may have (CMagickRuntime::CheckPhotoSize).
void RequirePhotoSize(const SFilterRecord& record, double width, double height);

} // namespace FilterBounds
