#pragma once

#include "SOutputFormat.h"

#include <QString>

class CFormatsEnum;
struct SFormatSettings;

// The one place that decides how a photo's output is made: the extension it
// is named with, whether the photo is copied unchanged or decoded and
// re-encoded, the ImageMagick coder that writes it, the colour profile that
// goes with it, its quality and its JPEG size cap. The processing thread asks
// it while naming and before writing, the writer is handed its answer, and
// the processing dialog asks it whether the job needs its custom profile.
class COutputFormat
{
public:
    // The photo being named, and the job's choices.
    struct SPhoto
    {
        QString extension;      // the photo's own extension
        QString outputFormat;   // the job's output format id (CUserProfile::OutputFormat)
        bool keepOriginal = false; // the job keeps each photo's own format
        // Re-encoding is a must: an active filter, or a page of the single
        // multi-page document.
        bool mustReencode = false;
    };

    // Naming and writing for one photo. The extension: the job's output
    // format; with keep-original, the photo's own when it is copied
    // unchanged or when a writable format lists that extension (".jpeg" and
    // ".jpe" as well as ".jpg"), else the job's default format. The photo is copied unchanged when nothing needs
    // re-encoding: no filter, the same format (or keep-original), no size
    // cap, a quality of at least 88, no interlace, and for JPEG and TIFF
    // photos the plain colour type and compression. The writing fields are
    // those of ForName for the extension.
    static SOutputFormat ForPhoto(const SPhoto& photo, const SFormatSettings& settings,
                                  const CFormatsEnum* formats);

    // Writing an output whose name ends in `extension` (any case), with the
    // options of the format-table row that lists the extension: JPG, JPEG
    // and JPE take the JPEG colour type and size cap, TIF and TIFF the TIFF
    // colour type and compression, and the custom profile file is checked
    // for all of them.
    static SOutputFormat ForName(const QString& extension, const SFormatSettings& settings,
                                 const CFormatsEnum* formats);

    // The format name of an output path: the upper-cased text after the last
    // "." of its file name (the whole file name when it has none).
    static QString FormatOfPath(const QString& path);
};
