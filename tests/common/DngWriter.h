#pragma once

#include <QString>

#include <array>
#include <functional>

// Writes small uncompressed DNG files for the RAW tests: a Bayer (RGGB)
// mosaic of 16-bit samples or one grey plane, with make, model, date and
// orientation tags. The camera colour matrix is that of linear sRGB, so the
// scene colours given by `colour` come back out of a decoder as they went in.
struct DngSpec
{
    int width = 64;
    int height = 48;
    QString make = "Tarnwell";
    QString model = "Bench One";
    QString dateTime = "2021:03:04 05:06:07"; // empty: no date tag
    int orientation = 1;                      // EXIF orientation, 0: no tag
    bool grey = false;                        // one linear grey plane instead of a mosaic
    bool asShotNeutral = true;                // record a camera white balance
    std::array<double, 3> neutral{1.0, 1.0, 1.0}; // the recorded white balance (AsShotNeutral)
    int whiteLevel = 4095;
    // What the sensor records (0..1 per channel) at pixel (x, y); grey uses
    // red. Under a unit neutral this is the linear scene colour.
    std::function<std::array<double, 3>(int x, int y)> colour;
};

bool WriteDng(const QString& path, const DngSpec& spec);
