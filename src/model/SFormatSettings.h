#pragma once

#include <QString>
#include <QtGlobal>

// The output-format options of a job (quality, size cap, compression, colour
// type and profile). Held by CUserProfile (the job's own, edited by the
// format options) and by every undo snapshot; the writer reads them through
// the profile.
struct SFormatSettings
{
    // The size caps the format options offer, in kilobytes.
    static constexpr qint64 MinFileSizeKB = 1;
    static constexpr qint64 MaxFileSizeKB = 999999;

    int Quality = 88;
    qint64 FileSize = 100; // size cap in kilobytes
    bool FixedSize = false;
    int PNGComp = 1;       // used as an on/off switch
    int Interlaced = 0;
    int JpegType = 1;
    int TiffType = 2;
    int TiffAlg = 0;
    int PdfAlg = 0;
    QString CustomProfile; // ICC profile to embed
    QString DefaultFormat = QStringLiteral("JPG");
};
