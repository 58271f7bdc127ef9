#include "CImageManager.h"

#include "CDCRaw.h"
#include "CFormatsEnum.h"
#include "CICCProfiles.h"
#include "CIMImageCache.h"
#include "CMagickRuntime.h"
#include "CJpegReader.h"
#include "CPngCodec.h"
#include "CUserProfile.h"
#include "Common.h"
#include "MagickCompat.h"
#include "ProgressMonitors.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
struct FreeDeleter
{
    void operator()(unsigned char* buffer) const { std::free(buffer); }
};
using RawBuffer = std::unique_ptr<unsigned char, FreeDeleter>;

// Runs one step of a read. A warning is traced and the read goes on; an error
// is traced and ends the read, and its text becomes `reason` (when given and
// still empty), which the run's log shows under "Failed to load".
template<typename Step>
bool RunStep(const char* function, Step&& step, QString* reason = nullptr)
{
    const auto fail = [&](const QString& what, const QString& why) {
        SystemLogWrite(function, "An unknown error occured while loading the image.");
        SystemLogWrite(function, QString("- %1").arg(what));
        if (reason && reason->isEmpty())
            *reason = why;
        return false;
    };
    try {
        step();
        return true;
    } catch (const Magick::Warning& warning) {
        SystemLogWrite(function, QString("Warning: %1").arg(QString::fromUtf8(warning.what())));
        return true;
    } catch (const Magick::Exception& error) {
        return fail(QString::fromUtf8(error.what()), MagickCompat::ExceptionReason(error));
    } catch (const std::exception& error) {
        return fail(QString::fromUtf8(error.what()), QString::fromUtf8(error.what()));
    }
}

// Why a photo cannot be read at all, before a decoder sees it: the system's
// word when the file cannot be opened (a name too long, no permission, gone)
// and a plain one for an empty file. "" when it opens and holds bytes.
QString UnreadableFileReason(const QString& path)
{
    const QString missing = CImageManager::MissingFileReason(path);
    if (!missing.isEmpty())
        return missing;
    const QFileInfo info(path);
    return info.isFile() && info.size() == 0 ? QCoreApplication::translate("CImageManager", "the file is empty")
                                              : QString();
}

// The RAW decoder runs OpenMP loops on the calling thread's team size. Give
// it the same share of the cores as ImageMagick's own operations, so that
// many processing threads decoding at once do not multiply the threads.
void LimitDecoderThreads()
{
    CMagickRuntime::FollowThreadShare();
}

// The most a JPEG decode asked for at least `hint` gives per side: the
// decoder scales by eighths, so it stays below twice the hint plus an eighth
// of the stored size, and never above the stored size.
QSize ShrunkDecodeBound(QSize stored, QSize hint)
{
    const auto side = [](int full, int wanted) {
        return int(std::min<qint64>(full, 2 * qint64(std::max(wanted, 1)) + (qint64(full) + 7) / 8));
    };
    return {side(stored.width(), hint.width()), side(stored.height(), hint.height())};
}

QString FileNamePart(const QString& path)
{
    const int slash = path.lastIndexOf('/');
    return slash < 0 ? path : path.mid(slash + 1);
}
} // namespace

CImageManager::CImageManager()
    : profile(CUserProfile::GetInstance()),
      formats(CFormatsEnum::GetInstance()),
      iccProfiles(CICCProfiles::GetInstance()),
      cache(CIMImageCache::GetInstance())
{
}

CImageManager::~CImageManager()
{
    // The monitors point at this manager's progress record.
    MagickCompat::ClearProgressMonitor(image);
    for (const Magick::Image& page : pages)
        MagickCompat::ClearProgressMonitor(page);
}

void CImageManager::ResetReadState()
{
    image = Magick::Image();
    properties.Clear();
    sourceWasCMYK = false;
    embeddedProfile = Magick::Blob();
    readDamage.clear();
    readDropped.clear();
    readError.clear();
    shrunkFrom = QSize();
    shrunkTo = QSize();
}

QSize CImageManager::NominalSize() const
{
    if (!ReadShrunk())
        return QSize();
    const QSize current {int(image.columns()), int(image.rows())};
    if (current == shrunkTo)
        return shrunkFrom;
    if (current == shrunkTo.transposed())
        return shrunkFrom.transposed();
    return QSize();
}

void CImageManager::InstallProgressMonitor(Magick::Image& target)
{
    MagickCompat::InstallProgressMonitor(target, MagickProgressMonitor, &progress);
}

bool CImageManager::Aborted() const
{
    return preview && progress.abort.load();
}

bool CImageManager::CheckDeclaredSize(const QString& path, QSize sizeHint)
{
    std::string coder;
    QList<QSize> frames;
    const auto add = [&](size_t width, size_t height) {
        frames.append(QSize(int(std::min<size_t>(width, INT_MAX)), int(std::min<size_t>(height, INT_MAX))));
    };
    size_t pngWidth = 0;
    size_t pngHeight = 0;
    if (CPngCodec::DeclaredSize(path, pngWidth, pngHeight)) {
        // A PNG is one image, and its header says how large it is.
        add(pngWidth, pngHeight);
    } else {
        for (const auto& [width, height] : MagickCompat::PingFrameSizes(MagickCompat::FileToRead(path), &coder))
            add(width, height);
    }
    if (sizeHint.isValid() && coder == "JPEG" && frames.size() == 1)
        frames.first() = ShrunkDecodeBound(frames.first(), sizeHint);
    readError = CMagickRuntime::CheckFrameSizes(frames);
    if (readError.isEmpty())
        return true;
    SystemLogWrite("CheckDeclaredSize", "refused " + path + ": " + readError);
    return false;
}

bool CImageManager::Read(QString path)
{
    SystemLogWrite("Read", "");
    image = Magick::Image();
    multipage = false;
    sourcePath = path;
    readDamage.clear();
    readDropped.clear();
    readError.clear();
    shrunkFrom = QSize();
    shrunkTo = QSize();

    readError = path.isEmpty() ? QString() : UnreadableFileReason(path);
    if (!readError.isEmpty()) {
        // Nothing of the last photo read stays either.
        properties.Clear();
        SystemLogWrite("Read", "- " + readError + ": " + path);
        return false;
    }
    if (preview && cache->CheckAndLoad(path, image, &properties)) {
        SystemLogWrite("Read", "- Cache hit");
        // Cached pixels are sRGB and carry no profile of their own.
        sourceWasCMYK = false;
        embeddedProfile = Magick::Blob();
        if (Aborted()) {
            SystemLogWrite("Read", "- cancelled");
            image = Magick::Image();
            return false;
        }
        InstallProgressMonitor(image);
        return true;
    }

    if (IdentifyImage(path) == KindRAW) {
        SystemLogWrite("Read", "- Read with DCRaw");
        readSizeHint = QSize();
        return ReadRAW(path);
    }
    SystemLogWrite("Read", "- Read with ImageMagick");
    // Taken before the read: a file rewritten while it is read is not
    // served later under its new date.
    const CIMImageCache::FileStamp stamp = CIMImageCache::FileStamp::Of(path);
    const bool result = ReadMagick(path);
    if (result && preview) {
        SystemLogWrite("Read", QString::asprintf("imageMagick.width x height: %zu x %zu", image.columns(),
                                                 image.rows()));
        cache->Write(path, image, properties, stamp);
    }
    return result;
}

QString CImageManager::MissingFileReason(const QString& path)
{
    if (IsSpecialFile(path))
        return QStringLiteral("not a regular file");
    // Non-blocking: a FIFO put in the photo's place must not hold the open.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        ::close(fd);
        return QString();
    }
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool CImageManager::IsSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile() && !info.isDir();
}

int CImageManager::IdentifyImage(QString path) const
{
    const QString name = FileNamePart(path);
    const int dot = name.lastIndexOf('.');
    const QString extension = (dot < 0 ? name : name.mid(dot + 1)).toUpper();
    if (!formats)
        return KindMagick;
    for (const QString& raw : formats->rawExtensions) {
        if (raw.toUpper() == extension)
            return KindRAW;
    }
    return KindMagick;
}

bool CImageManager::ReadMagick(QString path)
{
    SystemLogWrite("ReadMagick", "");
    const QSize hint = std::exchange(readSizeHint, QSize());
    ResetReadState();
    if (path.isEmpty()) {
        SystemLogWrite("ReadMagick", "- pathName is empty, abort!");
        return false;
    }

    // A file that declares more pixels than a photo may have (a
    // decompression bomb) is refused before a byte is decoded.
    if (!CheckDeclaredSize(path, hint))
        return false;
    if (preview)
        InstallProgressMonitor(image);
    if (hint.isValid())
        MagickCompat::SetJpegSizeHint(image, size_t(hint.width()), size_t(hint.height()));
    const std::string file = MagickCompat::FileToRead(path);
    // A warning (truncated JPEG, unknown TIFF tag) leaves the image read so
    // far in place; every later step still runs, or the last photo's
    // properties and colour state would carry over to this one.
    const auto read = [&] {
        try {
            // A photo of the batch: libjpeg decodes it straight into the
            // pixels. Previews keep ImageMagick's reader, whose progress
            // reports let a newer preview cut the read short.
            if (!preview && CJpegReader::Read(path, file, image))
                return;
            image.read(file);
        } catch (const Magick::WarningCorruptImage& warning) {
            readDamage = MagickCompat::ExceptionReason(warning);
            throw;
        }
    };
    const bool png = CPngCodec::IsPngFile(path);
    if (!RunStep("ReadMagick", png ? std::function<void()>([&] { ReadPng(path); }) : std::function<void()>(read),
                 &readError)) {
        image = Magick::Image();
        return false;
    }
    if (png && preview)
        InstallProgressMonitor(image);
    if (Aborted()) {
        SystemLogWrite("ReadMagick", "- cancelled");
        image = Magick::Image();
        return false;
    }
    if (!image.isValid()) {
        SystemLogWrite("ReadMagick", "An unknown error occured while loading the image.");
        if (readError.isEmpty())
            readError = QCoreApplication::translate("CImageManager", "the file holds no image that can be read");
        image = Magick::Image();
        return false;
    }

    const bool ok = RunStep("ReadMagick", [&] { ReadProperties(FromMagick, nullptr); }, &readError)
        && (!hint.isValid() || RunStep("ReadMagick", [&] { NoteShrunkRead(); }, &readError))
        && RunStep("ReadMagick", [&] { sourceWasCMYK = MagickCompat::IsCMYK(image); }, &readError)
        && RunStep("ReadMagick", [&] { DropUnusableProfile(image); }, &readError)
        && RunStep("ReadMagick", [&] { DropInvalidOrientation(image); }, &readError)
        && RunStep("ReadMagick", [&] { DropInvalidResolution(image); }, &readError)
        && RunStep("ReadMagick", [&] { embeddedProfile = image.profile("icc"); }, &readError)
        && (!sourceWasCMYK || ConvertCMYKToSRGB());
    if (!ok || Aborted()) {
        if (ok)
            SystemLogWrite("ReadMagick", "- cancelled");
        image = Magick::Image();
        return false;
    }
    return true;
}

// PNG goes through its own codec, which several threads run at once.
void CImageManager::ReadPng(const QString& path)
{
    const CPngCodec::ReadResult result = CPngCodec::ReadFile(path, image);
    if (!result.ok)
        throw Magick::ErrorCorruptImage(result.error.toStdString());
    if (!result.damage.isEmpty()) {
        readDamage = result.damage;
        SystemLogWrite("ReadMagick", "Warning: " + result.damage);
    }
    if (!result.dropped.isEmpty()) {
        readDropped = result.dropped;
        SystemLogWrite("ReadMagick", "Warning: damaged, left out: " + result.dropped);
    }
}

void CImageManager::DropUnusableProfile(Magick::Image& target)
{
    const Magick::Blob icc = MagickCompat::StoredProfile(target, "icc");
    if (icc.length() == 0 || CICCProfiles::IsUsable(icc))
        return;
    // Kept, it would fail the conversion to sRGB of a CMYK photo, every
    // conversion to an output profile, and the next read of the output.
    target.profile("icc", Magick::Blob());
    NoteDropped(QStringLiteral("ICC profile"));
}

void CImageManager::DropInvalidOrientation(Magick::Image& target)
{
    // The EXIF tag as stored decides: a stored 0 reads as no orientation,
    // and the PNG reader takes none outside 0 to 8, while the tag stays.
    const std::string stored = target.attribute("exif:Orientation");
    char* end = nullptr;
    const long value = std::strtol(stored.c_str(), &end, 10);
    const bool storedValid = stored.empty() || (end != stored.c_str() && *end == '\0' && value >= 1 && value <= 8);
    if (storedValid && target.orientation() <= Magick::LeftBottomOrientation)
        return;
    // Kept, it would fail a TIFF output, and other outputs would carry it on.
    target.orientation(Magick::TopLeftOrientation);
    NoteDropped(QStringLiteral("EXIF orientation"));
}

void CImageManager::DropInvalidResolution(Magick::Image& target)
{
    const double x = MagickCompat::XResolution(target);
    const double y = MagickCompat::YResolution(target);
    if (x >= 0.0 && y >= 0.0)
        return;
    // A signed EXIF value can say so; TIFF's writer refuses it.
    MagickCompat::SetResolution(target, 0.0, 0.0);
    target.resolutionUnits(Magick::UndefinedResolution);
    NoteDropped(QStringLiteral("resolution"));
}

void CImageManager::NoteDropped(const QString& what)
{
    if (!readDropped.split(QStringLiteral(", ")).contains(what))
        readDropped = readDropped.isEmpty() ? what : readDropped + ", " + what;
    SystemLogWrite("ReadMagick", "Warning: damaged, left out: " + what);
}

void CImageManager::NoteShrunkRead()
{
    MagickCompat::ClearJpegSizeHint(image);
    const auto [columns, rows] = MagickCompat::StoredSize(image);
    const QSize stored {int(columns), int(rows)};
    const QSize decoded {int(image.columns()), int(image.rows())};
    if (stored == decoded)
        return;
    shrunkFrom = stored;
    shrunkTo = decoded;
    // The properties describe the photo as stored.
    properties.width = quint64(stored.width());
    properties.height = quint64(stored.height());
    SystemLogWrite("ReadMagick", QString("- decoded at %1 x %2 of %3 x %4")
                                     .arg(decoded.width())
                                     .arg(decoded.height())
                                     .arg(stored.width())
                                     .arg(stored.height()));
}

bool CImageManager::ConvertCMYKToSRGB()
{
    iccProfiles->LoadIccProfile(CICCProfiles::SRGB);
    iccProfiles->LoadIccProfile(CICCProfiles::CMYK);
    const Magick::Blob srgb = iccProfiles->srgbProfile;
    const Magick::Blob cmyk = iccProfiles->cmykProfile;
    return RunStep("ReadMagick", [&] {
        if (srgb.length() == 0) {
            // Without the sRGB profile the pixels still have to leave CMYK.
            SystemLogWrite("ReadMagick", "- no sRGB profile, plain colour space conversion");
            image.profile("icc", Magick::Blob());
            image.colorSpace(MagickCore::sRGBColorspace);
            return;
        }
        if (embeddedProfile.length() == 0 && cmyk.length() != 0)
            image.profile("icc", cmyk);
        image.profile("icc", srgb);
        if (MagickCompat::IsCMYK(image))
            image.colorSpace(MagickCore::sRGBColorspace);
    });
}

bool CImageManager::ReadRAW(QString path)
{
    SystemLogWrite("ReadRAW", "");
    readSizeHint = QSize();
    ResetReadState();

    SRAWImage record;
    record.inputPath = path;
    record.whiteBalance = profile ? profile->rawWhiteBalance : 0;
    record.highlight = profile ? profile->rawHighlight : 0;
    record.demosaic = profile ? profile->rawDemosaic : 0;
    record.identifyOnly = false;

    LimitDecoderThreads();
    auto decoder = std::make_unique<CDCRaw>();
    if (preview) {
        decoder->progressCallback = ProgressMonitor;
        record.progressData = &progress;
    }
    const int result = decoder->Convert(&record);
    RawBuffer buffer(record.buffer);
    record.buffer = nullptr;
    decoder.reset();
    if (result != CDCRaw::Done || !buffer)
        return false;

    SystemLogWrite("ReadRAW", QString("RawData.width x height: %1 x %2")
                                  .arg(record.outputWidth)
                                  .arg(record.outputHeight));
    record.buffer = buffer.get();
    const bool built = BuildImageFromRAW(record);
    record.buffer = nullptr;
    buffer.reset();
    if (!built) {
        image = Magick::Image();
        return false;
    }
    SystemLogWrite("ReadRAW", QString::asprintf("imageMagick.width x height: %zu x %zu", image.columns(),
                                                image.rows()));

    ReadProperties(FromRAW, &record);
    return RunStep("ReadRAW", [&] {
        image.attribute("EXIF:DateTimeOriginal", properties.dateTimeOriginal.toUtf8().toStdString());
        image.attribute("EXIF:Make", properties.cameraMake.toUtf8().toStdString());
        image.attribute("EXIF:Model", properties.cameraModel.toUtf8().toStdString());
    });
}

bool CImageManager::BuildImageFromRAW(const SRAWImage& record)
{
    // Only grey (1 sample) and RGB (3 samples) buffers are understood; any
    // other layout would be read past its end.
    const char* map = record.colors == 3 ? "RGB" : record.colors == 1 ? "I" : nullptr;
    if (!map || record.outputWidth == 0 || record.outputHeight == 0) {
        SystemLogWrite("ReadRAW", QString("- unsupported RAW output with %1 colours").arg(record.colors));
        return false;
    }
    return RunStep("ReadRAW", [&] {
        Magick::Image built;
        built.read(size_t(record.outputWidth), size_t(record.outputHeight), map, Magick::CharPixel,
                   record.buffer);
        // An opaque alpha channel, as every decoded RAW image has.
        MagickCompat::SetAlpha(built, true);
        built.depth(8);
        image = built;
    }) && image.isValid();
}

bool CImageManager::Ping(QString path)
{
    if (path.isEmpty() || IsSpecialFile(path))
        return false;
    if (IdentifyImage(path) == KindRAW) {
        image = Magick::Image();
        SRAWImage record;
        record.inputPath = path;
        record.identifyOnly = true;
        auto decoder = std::make_unique<CDCRaw>();
        const int result = decoder->Convert(&record);
        std::free(record.buffer);
        record.buffer = nullptr;
        decoder.reset();
        if (result != CDCRaw::Done)
            return false;
        ReadProperties(FromRAW, &record);
        return true;
    }

    Magick::Image pinged;
    const std::string file = MagickCompat::FileToRead(path);
    if (!RunStep("Ping", [&] { pinged.ping(file); }) || !pinged.isValid())
        return false;
    image = pinged;
    return RunStep("Ping", [&] { ReadProperties(FromMagick, nullptr); });
}

void CImageManager::SetImage(Magick::Image newImage)
{
    image = newImage;
}

SImageRecord GetImageRecordByName(QList<SImageRecord> list, QString path)
{
    for (const SImageRecord& record : list) {
        if (record.path == path)
            return record;
    }
    return SImageRecord();
}
