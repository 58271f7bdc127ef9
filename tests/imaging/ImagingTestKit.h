#pragma once

#include <QString>
#include <QStringList>

// Helpers of the image engine's write and page tests.
namespace ImagingTestKit {

// Runs a tool (convert, identify) under a timeout; the standard output in
// *output. True when it exits with 0.
bool RunTool(const QString& program, const QStringList& arguments, QString* output = nullptr);

// identify -format FORMAT of the file's first image ("" on failure).
QString Identify(const QString& path, const QString& format);

// A w x h 8-bit RGB PNG with many colours (gradients plus a checker pattern).
QString MakePhotoPng(const QString& folder, const QString& name, int width = 64, int height = 48);

QByteArray FileStart(const QString& path, int bytes);

} // namespace ImagingTestKit
