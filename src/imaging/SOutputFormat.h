#pragma once

#include <QString>
#include <QtGlobal>

// What COutputFormat decided for one output: how it is named, whether the
// photo is copied as it is, and how the writer encodes it. A plain value.
struct SOutputFormat
{
    // The colour profile that goes with the output (JPG, JPEG, TIF and TIFF
    // outputs only; every other format is Plain).
    enum ColourProfile {
        Plain,  // only a CMYK source is brought back to sRGB
        CMYK,   // converted to the CMYK press profile (or the source's own)
        Custom, // converted to the job's custom ICC profile
    };
    // The option family the writer's settings go by.
    enum Family { Other, Jpeg, Tiff, Png, Pdf };

    // ---- Naming (COutputFormat::ForPhoto) ----
    QString extension;          // the extension the output is named with
    bool copyUnchanged = false; // copied or moved at file level, not re-encoded

    // ---- Writing: for an output named with `format` ----
    QString format;             // the output name's extension, upper-cased
    QString coder;              // the ImageMagick coder that writes it
    Family family = Other;
    ColourProfile colourProfile = Plain;
    int quality = 88;           // of a single image (PNG: 100 or 0, by PNGComp)
    bool sizeCap = false;       // the JPEG size cap applies
    qint64 sizeCapKb = 0;       // the cap in kilobytes
    // The cap in bytes, as the JPEG coder counts it: it reads "100kb" as
    // 100 x 1000 bytes.
    qint64 SizeCapBytes() const { return sizeCapKb * 1000; }
    // The run makes sure first that the custom profile file exists.
    bool checkCustomProfile = false;
};
