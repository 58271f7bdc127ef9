#pragma once

#include <QString>
#include <QtGlobal>

// Display texts built from EXIF attribute texts as ImageMagick gives them
// (rationals "n/d", coordinates "52/1, 31/1, 1234/100"). Each returns an empty
// text when the value cannot be shown (missing, malformed, zero denominator).
namespace ImageProperties {

// Degrees, minutes, seconds and hemisphere, e.g. 52°31'12.34"N.
QString GpsCoordinateText(const QString& value, const QString& reference);
// Metres with one decimal, "-" below sea level (reference "1"), e.g. "-5.0 m".
QString GpsAltitudeText(const QString& value, const QString& reference);
// "f/2.8"
QString FNumberText(const QString& value);
// "1/250 sec", the reciprocal of the exposure time.
QString ExposureText(const QString& value);
// The maker's first word, a blank and the model, without the model's first
// word when that repeats the maker ("NIKON CORPORATION", "NIKON D750" give
// "NIKON D750").
QString CameraText(const QString& make, const QString& model);
// The orientation number as stored; 0 when empty or not a base-10 int. Values
// outside 1..8 are kept: the readers of the property decide what they mean.
qint32 OrientationValue(const QString& value);

} // namespace ImageProperties

// The information text of one file for the photo views: name, type, size and,
// when the file can be pinged, dimensions, date and camera; "Photo not found"
// for a missing file.
QString ReadImageProperties(QString path);
