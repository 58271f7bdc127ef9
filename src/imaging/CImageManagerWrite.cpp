#include "CImageManager.h"

#include "AtomicWrite.h"
#include "Common.h"
#include "CICCProfiles.h"
#include "CJpegWriter.h"
#include "COutputFormat.h"
#include "CPngCodec.h"
#include "CUserProfile.h"
#include "LayerMode.h"
#include "MagickCompat.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <unistd.h>

namespace {
// How a write places its file: wait for the disk or not, replace a file at
// the name or only take a free name (`taken` is then set when it was not).
// `error` receives why a write failed, in words for the log.
struct SPlacement
{
    bool flush = true;
    bool replace = true;
    bool* taken = nullptr;
    QString* error = nullptr;
};

// Notes why the write failed, unless an earlier step already said so.
void NoteFailure(const SPlacement& how, const QString& reason)
{
    if (how.error && how.error->isEmpty())
        *how.error = reason;
}

// Whether the write placed its file; a name taken meanwhile is noted, and
// a failure's cause (errno, as the write left it).
bool Placed(AtomicWrite::Placed placed, const SPlacement& how)
{
    if (placed == AtomicWrite::Placed::Failed)
        NoteFailure(how, QString::fromLocal8Bit(std::strerror(errno)));
    if (placed == AtomicWrite::Placed::Taken && how.taken)
        *how.taken = true;
    return placed == AtomicWrite::Placed::Done;
}

// Gives path the bytes only once they are all written (with `flush`, on the
// disk): a failed write leaves an existing file as it was, and a link at
// the name is replaced, never written through. A replaced file's mode stays.
bool SaveBytes(const char* data, qint64 size, const QString& path, const SPlacement& how)
{
    if (size <= 0) {
        NoteFailure(how, QStringLiteral("the encoder gave no data"));
        return false;
    }
    return Placed(AtomicWrite::WriteBytes(path, data, size, how.flush, how.replace), how);
}

bool SaveBlob(const Magick::Blob& blob, const QString& path, const SPlacement& how)
{
    return SaveBytes(static_cast<const char*>(blob.data()), static_cast<qint64>(blob.length()), path, how);
}

// The photo as ImageMagick's JPEG coder writes it under a size cap: at the
// highest quality below the image's own whose file is at most capKb
// kilobytes, or at the lowest quality when none is.
Magick::Blob JpegUnderCap(Magick::Image& target, qint64 capKb)
{
    struct SExtent
    {
        Magick::Image& image;
        ~SExtent() { image.defineSet("jpeg", "extent", false); }
    } extent{target};
    target.defineValue("jpeg", "extent", QString::asprintf("%lldkb", static_cast<long long>(capKb)).toStdString());
    Magick::Blob blob;
    try {
        target.write(&blob);
    } catch (const Magick::Warning& warning) {
        // Raised once the coder has finished: the bytes are complete.
        SystemLogWrite("WriteOne", QString("Warning: %1").arg(QString::fromUtf8(warning.what())));
    }
    return blob;
}

// Replaces what the stream holds with the photo written under the cap.
bool RewriteUnderCap(Magick::Image& target, FILE* stream, qint64 capKb)
{
    if (std::fflush(stream) != 0 || ::ftruncate(::fileno(stream), 0) != 0)
        return false;
    std::rewind(stream);
    const Magick::Blob blob = JpegUnderCap(target, capKb);
    return blob.length() > 0 && std::fwrite(blob.data(), 1, blob.length(), stream) == blob.length();
}

// A JPEG photo goes straight into its new file: its bytes are not gathered
// in memory first and copied out again. Under a size cap (`cap` the format
// that has one, else null) it is written at its own quality first, and
// again under the cap only when that file is larger: a photo that meets the
// cap keeps its quality.
bool WriteJpegToFile(Magick::Image& target, const QString& path, const SPlacement& how, const SOutputFormat* cap)
{
    const auto fill = [&](int fd) {
        const int own = ::dup(fd);
        FILE* stream = own >= 0 ? ::fdopen(own, "wb") : nullptr;
        if (!stream) {
            if (own >= 0)
                ::close(own);
            return false;
        }
        std::string message;
        bool ok = false;
        try {
            // Our encoder first; what it does not reproduce goes to
            // ImageMagick's writer, with nothing in the stream yet.
            const CJpegWriter::Result result = CJpegWriter::Write(target, stream, &message);
            if (result == CJpegWriter::Result::NotHandled)
                ok = MagickCompat::WriteToStream(target, "JPEG", stream, &message);
            else
                ok = result == CJpegWriter::Result::Written;
            if (ok && cap && std::fflush(stream) == 0 && std::ftell(stream) > cap->SizeCapBytes())
                ok = RewriteUnderCap(target, stream, cap->sizeCapKb);
        } catch (const std::exception& error) {
            // Nothing may escape: the new file is to be removed.
            message = error.what();
        }
        if (!message.empty())
            SystemLogWrite("WriteOne", QString(ok ? "Warning: %1" : "%1").arg(QString::fromStdString(message)));
        if (!ok && !message.empty())
            NoteFailure(how, QString::fromStdString(message));
        // A full disk shows in the stream: its error, or the last flush.
        const bool streamOk = std::ferror(stream) == 0;
        const int streamError = errno;
        const bool closed = std::fclose(stream) == 0;
        if (!streamOk || !closed)
            NoteFailure(how, QString::fromLocal8Bit(std::strerror(closed ? streamError : errno)));
        return streamOk && closed && ok;
    };
    return Placed(AtomicWrite::WriteWith(path, fill, how.flush, how.replace), how);
}

// Writes target with the coder; `cap`, when not null, is the format whose
// size cap a JPEG is held to.
bool WriteOne(Magick::Image& target, const QString& path, const std::string& coder, const SPlacement& how,
              const SOutputFormat* cap = nullptr)
{
    if (coder == "PNG") {
        // Not through ImageMagick's PNG coder, which writes one PNG at a
        // time for the whole process.
        QByteArray bytes;
        QString error;
        if (!CPngCodec::Encode(target, bytes, &error)) {
            SystemLogWrite("WriteOne", "PNG: " + error);
            NoteFailure(how, error);
            return false;
        }
        return SaveBytes(bytes.constData(), bytes.size(), path, how);
    }
    // An image that did not come from a file would otherwise be written in
    // the format it was built as, under a name that says another.
    if (!MagickCompat::CoderCanWrite(coder)) {
        SystemLogWrite("WriteOne", QString("no coder writes %1").arg(QString::fromStdString(coder)));
        NoteFailure(how, QString("no coder writes %1").arg(QString::fromStdString(coder)));
        return false;
    }
    target.magick(coder);
    if (coder == "JPEG")
        return WriteJpegToFile(target, path, how, cap);
    Magick::Blob blob;
    try {
        target.write(&blob);
    } catch (const Magick::Warning& warning) {
        // Raised once the coder has finished: the bytes are complete. A PNG
        // of grey pixels, for one, drops an RGB colour profile it cannot
        // carry and says so.
        SystemLogWrite("WriteOne", QString("Warning: %1").arg(QString::fromUtf8(warning.what())));
    }
    return SaveBlob(blob, path, how);
}

// A GIF's logical screen is taken from its first picture, and readers cut
// every picture to it: the screen is made to hold the largest page.
void FitGifScreen(std::vector<Magick::Image>& list)
{
    size_t width = 0;
    size_t height = 0;
    for (const Magick::Image& page : list) {
        width = std::max(width, page.columns());
        height = std::max(height, page.rows());
    }
    for (Magick::Image& page : list)
        page.page(Magick::Geometry(width, height, 0, 0));
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

// Why a write failed, in words for the log: the library's reason alone,
// without the program's name, an empty file name and the source location.
QString FailureText(const std::exception& error)
{
    if (const auto* magick = dynamic_cast<const Magick::Exception*>(&error))
        return MagickCompat::ExceptionReason(*magick);
    return QString::fromLocal8Bit(error.what());
}

size_t ClampQuality(int quality)
{
    return static_cast<size_t>(std::clamp(quality, 0, 100));
}
} // namespace

SOutputFormat CImageManager::OutputFormatOf(const QString& path) const
{
    return COutputFormat::ForName(COutputFormat::FormatOfPath(path), *profile, formats);
}

void CImageManager::SelectCompAlgorithm(Magick::Image& target, QString format)
{
    SelectCompAlgorithm(target, COutputFormat::ForName(format, *profile, formats));
}

void CImageManager::SelectImageType(Magick::Image& target, QString format)
{
    SelectImageType(target, COutputFormat::ForName(format, *profile, formats));
}

void CImageManager::ApplyProfile(Magick::Image& target, QString format)
{
    ApplyProfile(target, COutputFormat::ForName(format, *profile, formats).colourProfile);
}

void CImageManager::SelectCompAlgorithm(Magick::Image& target, const SOutputFormat& format)
{
    if (format.family == SOutputFormat::Pdf)
        target.compressType(PdfCompression(profile->PdfAlg));
    else if (format.family == SOutputFormat::Tiff)
        target.compressType(TiffCompression(profile->TiffAlg));
}

void CImageManager::SelectImageType(Magick::Image& target, const SOutputFormat& format)
{
    if (format.family == SOutputFormat::Jpeg) {
        ApplyProfile(target, format.colourProfile);
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
    } else if (format.family == SOutputFormat::Tiff) {
        ApplyProfile(target, format.colourProfile);
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
void CImageManager::ApplyProfile(Magick::Image& target, SOutputFormat::ColourProfile colourProfile)
{
    const bool hasEmbedded = embeddedProfile.length() > 0;

    iccProfiles->LoadIccProfile(CICCProfiles::SRGB);
    if (colourProfile == SOutputFormat::CMYK) {
        iccProfiles->LoadIccProfile(CICCProfiles::CMYK);
        if (!sourceWasCMYK)
            target.profile("icc", hasEmbedded ? embeddedProfile : iccProfiles->srgbProfile);
        if (!hasEmbedded)
            target.profile("icc", iccProfiles->cmykProfile);
        else
            target.profile("icc", sourceWasCMYK ? embeddedProfile : iccProfiles->cmykProfile);
    } else if (colourProfile == SOutputFormat::Custom) {
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
void CImageManager::SetWriteOptions(Magick::Image& target, const SOutputFormat& format, int quality)
{
    target.depth(8);
    target.quality(ClampQuality(quality));
    SelectCompAlgorithm(target, format);
    SelectImageType(target, format);
}

bool CImageManager::Write(QString path)
{
    QList<QString> written;
    return Write(path, OutputFormatOf(path), written);
}

bool CImageManager::Write(const QString& path, const SOutputFormat& format, QList<QString>& written)
{
    written.clear();
    targetTaken = false;
    writeError.clear();
    const SPlacement how{flushWrites, replaceExisting, &targetTaken, &writeError};
    try {
        if (!image.isValid()) {
            writeError = QStringLiteral("no picture to write");
            return false;
        }
        SetWriteOptions(image, format, format.quality);
        image.attribute("exif:Software", "Glimmerbox");
        image.interlaceType(Interlace(profile->Interlaced));
        if (!WriteOne(image, path, format.coder.toStdString(), how, format.sizeCap ? &format : nullptr))
            return false;
    } catch (const std::exception& error) {
        NoteFailure(how, FailureText(error));
        return false;
    }
    written.append(path);
    return true;
}

bool CImageManager::WriteMultipage(QString path, bool adjoin)
{
    QList<QString> written;
    return WriteMultipage(path, adjoin, OutputFormatOf(path), written);
}

bool CImageManager::WriteMultipage(const QString& path, bool adjoin, const SOutputFormat& format,
                                   QList<QString>& written)
{
    written.clear();
    targetTaken = false;
    writeError.clear();
    const SPlacement how{flushWrites, replaceExisting, &targetTaken, &writeError};
    const std::string coder = format.coder.toStdString();
    const int layerMode = profile->multipageWrite;

    if (layerMode == Flatten) {
        // The flattened image is one photo: it gets every option of a
        // single write.
        if (!Write(path, format, written))
            return false;
        pages.clear();
        return true;
    }
    if (pages.isEmpty()) {
        writeError = QStringLiteral("no picture to write");
        return false;
    }

    QList<QString> files;
    try {
        if (layerMode == FirstLayerOnly) {
            Magick::Image first = pages.first();
            SetWriteOptions(first, format, profile->Quality);
            if (!WriteOne(first, path, coder, how))
                return false;
            files.append(path);
        } else {
            // Every layer; an unknown mode value is taken as this one, as the
            // reading and filtering steps do.
            std::vector<Magick::Image> list(pages.begin(), pages.end());
            for (Magick::Image& page : list) {
                SetWriteOptions(page, format, profile->Quality);
                page.magick(coder);
            }
            if (list.size() == 1 && coder == "PNG") {
                if (!WriteOne(list.front(), path, coder, how))
                    return false;
                files.append(path);
            } else if (list.size() == 1 || (adjoin && MagickCompat::CoderCanAdjoin(coder))) {
                if (coder == "GIF")
                    FitGifScreen(list);
                Magick::Blob blob;
                Magick::writeImages(list.begin(), list.end(), &blob, true);
                if (!SaveBlob(blob, path, how))
                    return false;
                files.append(path);
            } else {
                for (size_t i = 0; i < list.size(); ++i) {
                    const QString pagePath = PageFilePath(path, int(i));
                    if (!WriteOne(list[i], pagePath, coder, how)) {
                        // A page whose name was taken meanwhile: the pages
                        // placed so far are this write's own and go again.
                        if (targetTaken) {
                            for (const QString& placed : std::as_const(files))
                                QFile::remove(placed);
                        }
                        return false;
                    }
                    files.append(pagePath);
                }
            }
        }
    } catch (const std::exception& error) {
        NoteFailure(how, FailureText(error));
        return false;
    }
    pages.clear();
    written = files;
    return true;
}

QString CImageManager::PageFilePath(const QString& path, int index)
{
    // As ImageMagick names the files of a list written one image per file.
    const int slash = path.lastIndexOf('/');
    const int dot = path.lastIndexOf('.');
    if (dot <= slash)
        return path + "-" + QString::number(index);
    return path.left(dot) + "-" + QString::number(index) + path.mid(dot);
}
