#pragma once

#include <QString>
#include <QtGlobal>

// What the image engine knows about a photo besides its pixels: size,
// resolution, dates, camera, exposure and GPS texts, most of them ready to
// show. Filled after a read or a ping and copied into the filter engine with
// every filter application (the text mark's macros read it).
struct SImageProperties
{
    QString artist;
    QString copyright;
    QString dateTaken; // EXIF form, e.g. "2019:07:04 18:30:12"; empty if none
    quint64 width = 0;
    quint64 height = 0;
    bool hasAlpha = false;
    qint32 colorSpace = 0; // 0 none stated, 1 sRGB, 2 other
    double densityX = 0.0;
    double densityY = 0.0;
    qint32 resolutionUnits = 0; // 1 dots per inch, 2 dots per centimetre
    qint32 orientation = 0;     // EXIF orientation 1..8, 0 when absent
    QString cameraMake;
    QString cameraModel;
    QString fNumber;  // "f/2.8"
    QString exposure; // "1/250 sec"
    QString iso;      // "ISO-200"
    QString focalLength;
    QString flash;
    QString gpsPosition;
    QString gpsLatitude;
    QString gpsLongitude;
    QString gpsAltitude;
};
