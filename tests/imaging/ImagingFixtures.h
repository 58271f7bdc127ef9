#pragma once

#include <QString>
#include <QStringList>

// Small image files made at test time.
namespace Fixtures {
// An 8-bit sRGB JPEG of one colour ("#rrggbb" or an ImageMagick colour name).
bool MakeJpeg(const QString& path, int width, int height, const QString& colour);
// A CMYK JPEG of one sRGB colour, optionally with an embedded CMYK profile.
bool MakeCmykJpeg(const QString& path, int width, int height, const QString& colour, bool embedProfile);
// Cuts a file to the given fraction of its size.
bool Truncate(const QString& path, double fraction);
// Runs exiftool with the arguments; returns its standard output ("" on failure).
QString Exiftool(const QStringList& arguments, bool* ok = nullptr);
} // namespace Fixtures
