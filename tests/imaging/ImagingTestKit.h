#pragma once

#include <QString>
#include <QStringList>

// Helpers of the image engine's tests: tools run on files, and small image
// files made at test time.
namespace ImagingTestKit {

// Runs a tool (convert, identify) under a timeout; the standard output in
// *output. True when it exits with 0.
bool RunTool(const QString& program, const QStringList& arguments, QString* output = nullptr);

// identify -format FORMAT of the file's first image ("" on failure).
QString Identify(const QString& path, const QString& format);

// A w x h 8-bit RGB PNG with many colours (gradients plus a checker pattern).
QString MakePhotoPng(const QString& folder, const QString& name, int width = 64, int height = 48);

QByteArray FileStart(const QString& path, int bytes);
// Runs exiftool with the arguments; returns its standard output ("" on failure).
QString Exiftool(const QStringList& arguments, bool* ok = nullptr);

// An 8-bit sRGB JPEG of one colour ("#rrggbb" or an ImageMagick colour name).
bool MakeJpeg(const QString& path, int width, int height, const QString& colour);
// A CMYK JPEG of one sRGB colour, optionally with an embedded CMYK profile.
bool MakeCmykJpeg(const QString& path, int width, int height, const QString& colour, bool embedProfile);
// Cuts a file to the given fraction of its size.
bool Truncate(const QString& path, double fraction);

} // namespace ImagingTestKit
