#include "CImageManager.h"

#include "CFormatsEnum.h"
#include "CICCProfiles.h"
#include "CUserProfile.h"
#include "MagickCompat.h"

#include <QSaveFile>

#include <algorithm>
#include <vector>

namespace {
enum LayerMode { EveryLayer = 0, Flatten = 1, FirstLayerOnly = 2 };

// Upper-cased extension of the file-name part of a path (the whole name
// when it has no ".").
QString FormatOf(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    const int dot = name.lastIndexOf('.');
    return (dot < 0 ? name : name.mid(dot + 1)).toUpper();
}

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
std::string CoderFor(const CFormatsEnum* formats, const QString& format)
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
            return coder.second.toStdString();
    }
    return format.toStdString();
}

// Replaces path with the bytes only once they are all on disk: a failed
// write leaves an existing file as it was. The file keeps the mode of the
// file it replaces.
bool SaveBlob(const Magick::Blob& blob, const QString& path)
{
    if (blob.length() == 0)
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const auto length = static_cast<qint64>(blob.length());
    if (file.write(static_cast<const char*>(blob.data()), length) != length) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WriteOne(Magick::Image& target, const QString& path, const std::string& coder)
{
    target.magick(coder);
    Magick::Blob blob;
    target.write(&blob);
    return SaveBlob(blob, path);
}

// "name.ext" -> "name-N.ext", as ImageMagick names the files of a list
// written one image per file.
QString NumberedPath(const QString& path, int index)
{
    const int slash = path.lastIndexOf('/');
    const int dot = path.lastIndexOf('.');
    if (dot <= slash)
        return path + "-" + QString::number(index);
    return path.left(dot) + "-" + QString::number(index) + path.mid(dot);
}

Magick::CompressionType TiffCompression(int algorithm)
{
    switch (algorithm) {
    case 1:
        return Magick::RLECompression;
    case 2:
        return Magick::ZipCompression;
    case 3:
        return Magick::JPEGCompression;
    case 4:
        return Magick::FaxCompression;
    case 5:
        return Magick::Group4Compression;
    case 6:
        return Magick::NoCompression;
    default:
        return Magick::LZWCompression;
    }
}

Magick::CompressionType PdfCompression(int algorithm)
{
    switch (algorithm) {
    case 1:
        return Magick::LZWCompression;
    case 2:
        return Magick::RLECompression;
    case 3:
        return Magick::ZipCompression;
    default:
        return Magick::JPEGCompression;
    }
}

Magick::InterlaceType Interlace(int value)
{
    switch (value) {
    case 1:
        return Magick::LineInterlace;
    case 2:
        return Magick::PlaneInterlace;
    case 3:
        return Magick::PartitionInterlace;
    default:
        return Magick::NoInterlace;
    }
}

size_t ClampQuality(int quality)
{
    return static_cast<size_t>(std::clamp(quality, 0, 100));
}
} // namespace

void CImageManager::SelectCompAlgorithm(Magick::Image& target, QString format)
{
    if (format == "PDF")
        target.compressType(PdfCompression(profile->PdfAlg));
    else if (IsTiff(format))
        target.compressType(TiffCompression(profile->TiffAlg));
}

void CImageManager::SelectImageType(Magick::Image& target, QString format)
{
    if (IsJpeg(format)) {
        ApplyProfile(target, format);
        switch (profile->JpegType) {
        case 0:
            target.type(Magick::GrayscaleType);
            break;
        case 1:
            target.type(Magick::TrueColorType);
            break;
        case 2:
            target.type(Magick::ColorSeparationType);
            break;
        default:
            break;
        }
    } else if (IsTiff(format)) {
        ApplyProfile(target, format);
        switch (profile->TiffType) {
        case 0:
            target.type(Magick::BilevelType);
            break;
        case 1:
            target.type(Magick::PaletteType);
            break;
        case 2:
            target.type(Magick::TrueColorType);
            break;
        case 3:
            target.type(MagickCompat::TrueColorAlphaType());
            break;
        case 4:
            target.type(Magick::ColorSeparationType);
            break;
        default:
            break;
        }
    }
}

// Attaching an "icc" profile tags an image without one and converts the
// pixels from the carried profile to the new one otherwise.
void CImageManager::ApplyProfile(Magick::Image& target, QString format)
{
    const bool cmyk = (IsJpeg(format) && profile->JpegType == 2) || (IsTiff(format) && profile->TiffType == 4);
    const bool custom = (IsJpeg(format) && profile->JpegType == 3) || (IsTiff(format) && profile->TiffType == 5);
    const bool hasEmbedded = embeddedProfile.length() > 0;

    iccProfiles->LoadIccProfile(CICCProfiles::SRGB);
    if (cmyk) {
        iccProfiles->LoadIccProfile(CICCProfiles::CMYK);
        if (!sourceWasCMYK)
            target.profile("icc", hasEmbedded ? embeddedProfile : iccProfiles->srgbProfile);
        if (!hasEmbedded)
            target.profile("icc", iccProfiles->cmykProfile);
        else
            target.profile("icc", sourceWasCMYK ? embeddedProfile : iccProfiles->cmykProfile);
    } else if (custom) {
        iccProfiles->LoadIccProfile(CICCProfiles::Custom);
        if (!sourceWasCMYK)
            target.profile("icc", hasEmbedded ? embeddedProfile : iccProfiles->srgbProfile);
        target.profile("icc", iccProfiles->customProfile);
    } else if (sourceWasCMYK) {
        target.profile("icc", iccProfiles->srgbProfile);
    }
}

// Images built in memory default to 16 bits per channel; outputs have 8 (the
// bilevel type then lowers it to 1).
void CImageManager::SetWriteOptions(Magick::Image& target, const QString& format, int quality)
{
    target.depth(8);
    target.quality(ClampQuality(quality));
    SelectCompAlgorithm(target, format);
    SelectImageType(target, format);
}

bool CImageManager::Write(QString path)
{
    const QString format = FormatOf(path);
    try {
        if (!image.isValid())
            return false;
        SetWriteOptions(image, format, format == "PNG" ? profile->PNGComp * 100 : profile->Quality);
        image.attribute("exif:Software", "Glimmerbox");
        image.interlaceType(Interlace(profile->Interlaced));
        if (profile->FixedSize && format == "JPG")
            image.defineValue("jpeg", "extent", QString::asprintf("%lldkb", static_cast<long long>(profile->FileSize))
                                                    .toStdString());
        return WriteOne(image, path, CoderFor(formats, format));
    } catch (const Magick::Exception&) {
        return false;
    } catch (const std::exception&) {
        return false;
    }
}

bool CImageManager::WriteMultipage(QString path, bool adjoin)
{
    const QString format = FormatOf(path);
    const std::string coder = CoderFor(formats, format);
    const int layerMode = profile->multipageWrite;

    if (layerMode == Flatten) {
        // The flattened image is one photo: it gets every option of a
        // single write.
        if (!Write(path))
            return false;
        pages.clear();
        return true;
    }
    if (pages.isEmpty())
        return false;

    try {
        if (layerMode == FirstLayerOnly) {
            Magick::Image first = pages.first();
            SetWriteOptions(first, format, profile->Quality);
            if (!WriteOne(first, path, coder))
                return false;
        } else {
            // Every layer; an unknown mode value is taken as this one, as the
            // reading and filtering steps do.
            std::vector<Magick::Image> list(pages.begin(), pages.end());
            for (Magick::Image& page : list) {
                SetWriteOptions(page, format, profile->Quality);
                page.magick(coder);
            }
            if (list.size() == 1 || (adjoin && MagickCompat::CoderCanAdjoin(coder))) {
                Magick::Blob blob;
                Magick::writeImages(list.begin(), list.end(), &blob, true);
                if (!SaveBlob(blob, path))
                    return false;
            } else {
                for (size_t i = 0; i < list.size(); ++i) {
                    if (!WriteOne(list[i], NumberedPath(path, int(i)), coder))
                        return false;
                }
            }
        }
    } catch (const Magick::Exception&) {
        return false;
    } catch (const std::exception&) {
        return false;
    }
    pages.clear();
    return true;
}
