#include "COutputFormat.h"

#include "CFormatsEnum.h"
#include "SFormatSettings.h"

#include <QList>
#include <QPair>

namespace {

bool IsJpeg(const QString& format)
{
    return format == "JPG" || format == "JPEG";
}

bool IsTiff(const QString& format)
{
    return format == "TIF" || format == "TIFF";
}

// The ImageMagick coder that writes a format-table row. Writing by file
// extension is not reliable: some extensions have no coder of their own and
// silently take the source's format.
QString CoderFor(const CFormatsEnum* formats, const QString& format)
{
    static const QList<QPair<QString, QString>> coders = {
        {"AVIF", "AVIF"}, {"BMP", "BMP"},   {"EPS", "EPS"}, {"PICT", "PICT"}, {"GIF", "GIF"},
        {"HEIF", "HEIC"}, {"JP2", "JP2"},   {"JPT", "J2K"}, {"JPG", "JPEG"},  {"PCX", "PCX"},
        {"PDF", "PDF"},   {"PNG", "PNG"},   {"PSD", "PSD"}, {"SGI", "SGI"},   {"TGA", "TGA"},
        {"TIF", "TIFF"},  {"WBMP", "WBMP"}, {"WEBP", "WEBP"},
    };
    const QString row = formats ? formats->GetRecordById(format).id : QString();
    for (const auto& coder : coders) {
        if (coder.first == row)
            return coder.second;
    }
    return format;
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

// Whether a photo with this (upper-cased) extension can be copied as it is.
bool CanCopyUnchanged(const COutputFormat::SPhoto& photo, const QString& extension,
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
    if (IsJpeg(extension) && settings.JpegType >= 0 && settings.JpegType <= 3 && settings.JpegType != 1)
        return false;
    if (IsTiff(extension)) {
        if (settings.TiffType >= 0 && settings.TiffType <= 5 && settings.TiffType != 2)
            return false;
        if (settings.TiffAlg >= 1 && settings.TiffAlg <= 6)
            return false;
    }
    return true;
}

// Keep-original: the photo's own extension when a writable format's id is
// that extension (the id only, not the row's other extensions).
bool IsWritableId(const CFormatsEnum* formats, const QString& extension)
{
    if (!formats)
        return false;
    for (const SFormatRecord& row : formats->rows) {
        if (row.id.toUpper() == extension && row.canWrite)
            return true;
    }
    return false;
}

} // namespace

SOutputFormat COutputFormat::ForPhoto(const SPhoto& photo, const SFormatSettings& settings,
                                      const CFormatsEnum* formats)
{
    const QString own = photo.extension.toUpper();
    const bool copy = CanCopyUnchanged(photo, own, settings);
    QString extension = photo.outputFormat;
    if (photo.keepOriginal)
        extension = copy || IsWritableId(formats, own) ? photo.extension : settings.DefaultFormat;
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
    decision.coder = CoderFor(formats, decision.format);
    decision.family = FamilyOf(decision.format);
    decision.colourProfile = ColourProfileOf(decision.family, settings);
    decision.quality = decision.family == SOutputFormat::Png ? settings.PNGComp * 100 : settings.Quality;
    decision.sizeCap = settings.FixedSize && decision.format == "JPG";
    decision.sizeCapKb = settings.FileSize;
    decision.checkCustomProfile = (decision.format == "JPG" && settings.JpegType == 3) ||
                                  (decision.format == "TIF" && settings.TiffType == 5);
    return decision;
}

QString COutputFormat::FormatOfPath(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    const int dot = name.lastIndexOf('.');
    return (dot < 0 ? name : name.mid(dot + 1)).toUpper();
}
