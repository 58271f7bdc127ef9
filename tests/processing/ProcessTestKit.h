#pragma once

#include "SFilterRecord.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class CProcessController;

// Helpers of the processing tests: photos made at test time, the job built
// in code through the singletons, and a run driven to its end.
namespace ProcessTestKit {

// A fresh profile with settings fit for a test run: hidden dialog, PNG
// output into `destPath`, names kept, no folder opening, one thread.
void ResetJob(const QString& destPath);
// A fresh folder `name` with an "out" folder in it, and the job reset to
// write there. Returns the folder.
QString NewJob(const QString& name);

// Writes a small photo (a colour gradient) and returns its path.
QString MakePhoto(const QString& folder, const QString& name, int width = 24, int height = 16,
                  QRgb tint = qRgb(200, 40, 10));
// A multi-page TIFF made with the command-line tool.
QString MakeMultipageTiff(const QString& folder, const QString& name, int pages);

// Replaces the job's photo list (keys = positions).
void SetPhotos(const QStringList& paths);
SFilterRecord Filter(quint32 id, const QString& name, bool active = true);
void SetFilters(const QList<SFilterRecord>& records);

// Runs the job to its end and returns the dialog for inspection (its
// workers have finished). Null when the run did not finish in time.
std::unique_ptr<CProcessController> Run();

// File names in a folder (sorted), without sub-folders.
QStringList FilesIn(const QString& folder);
QByteArray ReadAll(const QString& path);
// Every pixel of a equals 255 - that of b (8-bit RGB).
bool IsNegativeOf(const QImage& a, const QImage& b);
// Equal 8-bit RGB pixels.
bool SamePixels(const QImage& a, const QImage& b);

} // namespace ProcessTestKit
