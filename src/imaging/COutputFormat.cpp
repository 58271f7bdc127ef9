#include "COutputFormat.h"

#include "CFormatsEnum.h"
#include "SFormatSettings.h"

#include <QList>
#include <QPair>

#include <algorithm>

namespace {

bool IsJpeg(const QString& format)
{
    return format == "JPG" || format == "JPEG";
}

bool IsTiff(const QString& format)
{
    return format == "TIF" || format == "TIFF";
}

// The id of the first writable format-table row that lists the
// (upper-cased) extension among its extensions, the id being one of them:
// "JPG" for "JPEG" and "JPE", "TIF" for "TIFF". Empty when none does.
QString WritableRowId(const CFormatsEnum* formats, const QString& extension)
{
    if (!formats)
        return QString();
    for (const SFormatRecord& row : formats->rows) {
        if (row.canWrite && row.extensions.toUpper().split('/').contains(extension))
            return row.id.toUpper();
    }
    return QString();
}

// The ImageMagick coder that writes a format-table row. Writing by file
// extension is not reliable: some extensions have no coder of their own and
// silently take the source's format.
QString CoderFor(const QString& row)
{
    static const QList<QPair<QString, QString>> coders = {
        {"AVIF", "AVIF"}, {"BMP", "BMP"},   {"EPS", "EPS"}, {"PICT", "PICT"}, {"GIF", "GIF"},
        {"HEIF", "HEIC"}, {"JP2", "JP2"},   {"JPT", "J2K"}, {"JPG", "JPEG"},  {"PCX", "PCX"},
        {"PDF", "PDF"},   {"PNG", "PNG"},   {"PSD", "PSD"}, {"SGI", "SGI"},   {"TGA", "TGA"},
        {"TIF", "TIFF"},  {"WBMP", "WBMP"}, {"WEBP", "WEBP"},
    };
    for (const auto& coder : coders) {
        if (coder.first == row)
            return coder.second;
    }
    return row;
}

SOutputFormat::Family FamilyOf(const QString& format)
{
    if (IsJpeg(format))
        return SOutputFormat::Jpeg;
    if (IsTiff(format))
        return SOutputFormat::Tiff;
    if (format == "PNG")
        return SOutputFormat::Png;
    if (format == "PDF")
        return SOutputFormat::Pdf;
    return SOutputFormat::Other;
}

SOutputFormat::ColourProfile ColourProfileOf(SOutputFormat::Family family, const SFormatSettings& settings)
{
    if ((family == SOutputFormat::Jpeg && settings.JpegType == 2) ||
        (family == SOutputFormat::Tiff && settings.TiffType == 4))
        return SOutputFormat::CMYK;
    if ((family == SOutputFormat::Jpeg && settings.JpegType == 3) ||
        (family == SOutputFormat::Tiff && settings.TiffType == 5))
        return SOutputFormat::Custom;
    return SOutputFormat::Plain;
}

// Whether a photo with this (upper-cased) extension, of this format-table
// row, can be copied as it is.
bool CanCopyUnchanged(const COutputFormat::SPhoto& photo, const QString& extension, const QString& row,
                      const SFormatSettings& settings)
{
    if (photo.mustReencode)
        return false;
    if (photo.outputFormat.toUpper() != extension && !photo.keepOriginal)
        return false;
    if (settings.FixedSize || settings.Quality < 88)
        return false;
    // Options that change the encoding force a re-encode.
    if (settings.Interlaced >= 1 && settings.Interlaced <= 3)
        return false;
    if (IsJpeg(row) && settings.JpegType >= 0 && settings.JpegType <= 3 && settings.JpegType != 1)
        return false;
    if (IsTiff(row)) {
        if (settings.TiffType >= 0 && settings.TiffType <= 5 && settings.TiffType != 2)
            return false;
        if (settings.TiffAlg >= 1 && settings.TiffAlg <= 6)
            return false;
    }
    return true;
}

} // namespace

SOutputFormat COutputFormat::ForPhoto(const SPhoto& photo, const SFormatSettings& settings,
                                      const CFormatsEnum* formats)
{
    const QString own = photo.extension.toUpper();
    const QString row = WritableRowId(formats, own);
    const bool copy = CanCopyUnchanged(photo, own, row.isEmpty() ? own : row, settings);
    QString extension = photo.outputFormat;
    if (photo.keepOriginal)
        extension = copy || !row.isEmpty() ? photo.extension : settings.DefaultFormat;
    SOutputFormat decision = ForName(extension, settings, formats);
    decision.extension = extension;
    decision.copyUnchanged = copy;
    return decision;
}

SOutputFormat COutputFormat::ForName(const QString& extension, const SFormatSettings& settings,
                                     const CFormatsEnum* formats)
{
    SOutputFormat decision;
    decision.extension = extension;
    decision.format = extension.toUpper();
    // Every extension of a row is written as its id is: a ".jpeg" output
    // gets the coder, colour type, quality and size cap of a "JPG" one.
    const QString rowId = WritableRowId(formats, decision.format);
    const QString row = rowId.isEmpty() ? decision.format : rowId;
    decision.coder = CoderFor(row);
    decision.family = FamilyOf(row);
    decision.colourProfile = ColourProfileOf(decision.family, settings);
    decision.quality = decision.family == SOutputFormat::Png ? settings.PNGComp * 100 : settings.Quality;
    decision.sizeCap = settings.FixedSize && row == "JPG";
    // Held to the range a job file is read with, whoever set it: the writer
    // counts the cap in bytes.
    decision.sizeCapKb = std::clamp(settings.FileSize, SFormatSettings::MinFileSizeKB, SFormatSettings::MaxFileSizeKB);
    decision.checkCustomProfile = (row == "JPG" && settings.JpegType == 3) ||
                                  (row == "TIF" && settings.TiffType == 5);
    return decision;
}

QString COutputFormat::FormatOfPath(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    const int dot = name.lastIndexOf('.');
    return (dot < 0 ? name : name.mid(dot + 1)).toUpper();
}
