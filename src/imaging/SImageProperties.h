#pragma once

#include <QString>
#include <QtGlobal>

// What the image engine knows about a photo besides its pixels: size,
// resolution, dates, camera, exposure and GPS texts, mostly ready for display.
// A plain value, copied into the filter engine and the preview cache.
struct SImageProperties
{
    QString artist;            // "exif:Artist"
    QString copyright;         // "exif:Copyright"
    QString dateTimeOriginal;  // capture date/time as stored, e.g. "2019:07:04 18:30:12"
    quint64 width = 0;
    quint64 height = 0;
    bool hasAlpha = false;     // filled by the preview cache only
    qint32 colorSpace = 0;     // 0 none stated, 1 sRGB ("1"), 2 anything else
    double densityX = 0.0;
    double densityY = 0.0;
    qint32 resolutionUnits = 0; // 2 per centimetre, 1 per inch
    qint32 orientation = 0;    // EXIF orientation as read, 0 when absent
    QString cameraMake;        // "EXIF:Make"
    QString cameraModel;       // "EXIF:Model"
    QString fNumber;           // "f/2.8"
    QString exposure;          // "1/250 sec"
    QString iso;               // "ISO-100" or empty
    QString focalLength;       // as stored, e.g. "50/1"
    QString flash;             // EXIF flash code as stored
    QString gpsPosition;       // latitude, blank, longitude; empty unless both are known
    QString gpsLatitude;       // 52°31'12"N
    QString gpsLongitude;
    QString gpsAltitude;       // "123.4 m", "-5.0 m"

    // Every text empty, every number zero, no alpha.
    void Clear() { *this = SImageProperties(); }
};
