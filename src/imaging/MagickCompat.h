#pragma once

// Everything that differs between Magick++ 6 (our build, 16-bit quantum) and
// Magick++ 7 lives here, so that a move to version 7 touches one file.

#include <Magick++.h>

#include <QFileInfo>
#include <QString>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace MagickCompat {

// The largest channel value of this build (65535 for 16-bit channels).
inline constexpr double QuantumMax()
{
    using MagickCore::Quantum;
    return double(QuantumRange);
}

// Quantum value for an 8-bit channel value (0..255), e.g. level points and
// thresholds that are written for 8-bit channels.
inline double Q8(double value8)
{
    return value8 * QuantumMax() / 255.0;
}

// Converts a quantum value back to the 8-bit domain.
inline double To8(double quantum)
{
    return quantum * 255.0 / QuantumMax();
}

// A channel value as its nearest 8-bit value, and an 8-bit value as the
// channel value it stands for (both the identity with 8-bit channels).
inline unsigned char QuantumToChar(Magick::Quantum quantum)
{
    return MagickCore::ScaleQuantumToChar(quantum);
}

inline Magick::Quantum CharToQuantum(unsigned char value8)
{
    return static_cast<Magick::Quantum>(Q8(value8) + 0.5);
}

// An opaque-to-transparent colour from 8-bit channels; alpha 255 is opaque.
// (Magick++ 6 takes Quantum values and an opacity, not an alpha.)
inline Magick::Color ColorRgba8(int r, int g, int b, int a = 255)
{
    return Magick::Color(Magick::Quantum(Q8(r)), Magick::Quantum(Q8(g)), Magick::Quantum(Q8(b)),
                         Magick::Quantum(Q8(255 - a)));
}

inline Magick::Color ColorFromString(const QString& text)
{
    return Magick::Color(text.toStdString());
}

inline void SetAlpha(Magick::Image& image, bool on)
{
    image.matte(on);
}

inline bool HasAlpha(const Magick::Image& image)
{
    return image.matte();
}

inline double XResolution(const Magick::Image& image)
{
    return image.xResolution();
}

inline double YResolution(const Magick::Image& image)
{
    return image.yResolution();
}

// Escapes "%" so ImageMagick does not expand "%d" and friends in a path.
inline std::string EscapePath(const QString& path)
{
    QString escaped = path;
    escaped.replace("%", "%%");
    return escaped.toStdString();
}

// The name to give ImageMagick for reading a file: its absolute path. A
// relative name such as "label:Hi.jpg" or "https:x.jpg" would pick a coder or
// a source by its prefix instead of naming the file. Empty stays empty.
inline std::string FileToRead(const QString& path)
{
    if (path.isEmpty())
        return std::string();
    return QFileInfo(path).absoluteFilePath().toUtf8().toStdString();
}

// Installs a progress monitor on an image and on its image info; reads only
// report through the latter. (ImageMagick 7 takes the same two calls.)
inline void InstallProgressMonitor(Magick::Image& image, MagickCore::MagickProgressMonitor monitor,
                                   void* clientData)
{
    MagickCore::SetImageProgressMonitor(image.image(), monitor, clientData);
    MagickCore::SetImageInfoProgressMonitor(image.imageInfo(), monitor, clientData);
}

// Removes the progress monitor from an image and from every copy that still
// shares its pixels, so that no later operation reports to a record that is
// gone.
inline void ClearProgressMonitor(const Magick::Image& image)
{
    auto* core = const_cast<MagickCore::Image*>(image.constImage());
    if (core)
        MagickCore::SetImageProgressMonitor(core, nullptr, nullptr);
    auto* info = const_cast<MagickCore::ImageInfo*>(image.constImageInfo());
    if (info)
        MagickCore::SetImageInfoProgressMonitor(info, nullptr, nullptr);
}

// Lets an image report progress to the monitor (and client data) that
// another image reports to. The image must not share its pixels with a
// cached copy: call modifyImage() first.
inline void CopyProgressMonitor(Magick::Image& to, const Magick::Image& from)
{
    const MagickCore::Image* source = from.constImage();
    MagickCore::SetImageProgressMonitor(to.image(), source->progress_monitor, source->client_data);
}

// A drop shadow of the image in its background colour: opacity in percent,
// blur sigma, no offset. The result is larger than the image by the blur
// margin on every side.
inline void Shadow(Magick::Image& image, double opacityPercent, double sigma)
{
    image.shadow(opacityPercent, sigma, 0, 0);
}

// Fills every pixel (and its alpha) with one colour, keeping the image's
// size and attributes.
inline void FillWithColor(Magick::Image& image, const Magick::Color& colour)
{
    image.modifyImage();
    image.backgroundColor(colour);
    image.erase();
}

// True for a colour-separation (CMYK) image, with or without alpha. Asking
// for the image type instead would scan every pixel of non-CMYK images.
inline bool IsCMYK(const Magick::Image& image)
{
    return image.colorSpace() == MagickCore::CMYKColorspace;
}

// Sets the resolution; version 6 takes a geometry, version 7 a point.
inline void SetDensity(Magick::Image& image, double x, double y)
{
    image.density(Magick::Geometry(size_t(x), size_t(y)));
}

// Rolls the image by signed offsets. Version 6 takes unsigned offsets, so
// they are brought into 0..size-1 first (a roll by the size is no roll).
inline void Roll(Magick::Image& image, long long dx, long long dy)
{
    const long long width = static_cast<long long>(image.columns());
    const long long height = static_cast<long long>(image.rows());
    if (width <= 0 || height <= 0)
        return;
    const long long x = ((dx % width) + width) % width;
    const long long y = ((dy % height) + height) % height;
    image.roll(size_t(x), size_t(y));
}

// Geometry strings that give one side and let the other follow the aspect
// ratio. ("123x0" would make version 6 produce a 1x1 image.)
inline std::string WidthOnlyGeometry(int width)
{
    return std::to_string(width) + "x";
}

inline std::string HeightOnlyGeometry(int height)
{
    return "x" + std::to_string(height);
}

// The size that scale(geometry) gives a columns x rows image, worked out as
// Magick++ does it, without touching any pixels.
inline std::pair<size_t, size_t> ScaledSize(const std::string& geometry, size_t columns, size_t rows)
{
    size_t width = columns;
    size_t height = rows;
    ssize_t x = 0;
    ssize_t y = 0;
    const std::string parsed = Magick::Geometry(geometry);
    MagickCore::ParseMetaGeometry(parsed.c_str(), &x, &y, &width, &height);
    return {width, height};
}

// Asks the JPEG decoder of the image's next read to decode at the smallest
// of its scales (eighths of the stored size) that still gives at least
// width x height. Other formats ignore it. The hint stays until cleared.
inline void SetJpegSizeHint(Magick::Image& image, size_t width, size_t height)
{
    image.defineValue("jpeg", "size", std::to_string(width) + "x" + std::to_string(height));
}

inline void ClearJpegSizeHint(Magick::Image& image)
{
    image.defineSet("jpeg", "size", false);
}

// The size of a read image as stored in its file; it differs from columns x
// rows when the decoder was asked for a smaller scale.
inline std::pair<size_t, size_t> StoredSize(const Magick::Image& image)
{
    const size_t columns = image.baseColumns();
    const size_t rows = image.baseRows();
    if (columns == 0 || rows == 0)
        return {image.columns(), image.rows()};
    return {columns, rows};
}

// A core exception record that lives for one scope.
class CoreException
{
public:
    CoreException() : m_info(MagickCore::AcquireExceptionInfo()) {}
    ~CoreException() { MagickCore::DestroyExceptionInfo(m_info); }
    CoreException(const CoreException&) = delete;
    CoreException& operator=(const CoreException&) = delete;
    MagickCore::ExceptionInfo* get() const { return m_info; }

private:
    MagickCore::ExceptionInfo* m_info;
};

// Image type "true colour with alpha" (TrueColorAlphaType in version 7).
inline Magick::ImageType TrueColorAlphaType()
{
    return Magick::TrueColorMatteType;
}

// Whether the coder can put several images into one file.
inline bool CoderCanAdjoin(const std::string& coder)
{
    CoreException exception;
    const MagickCore::MagickInfo* info = MagickCore::GetMagickInfo(coder.c_str(), exception.get());
    return info && MagickCore::GetMagickAdjoin(info) != MagickCore::MagickFalse;
}

// Whether the library has a coder of that name that writes files.
inline bool CoderCanWrite(const std::string& coder)
{
    CoreException exception;
    const MagickCore::MagickInfo* info = MagickCore::GetMagickInfo(coder.c_str(), exception.get());
    return info && MagickCore::GetImageEncoder(info) != nullptr;
}

// An image of the given size whose pixels are yet to be set, made as
// ImageMagick makes one for pixels read from memory but without clearing
// its pixels first: with alpha or not, samples of `depth` bits. Throws
// std::runtime_error when the pixels cannot be had.
inline Magick::Image UnfilledImage(size_t columns, size_t rows, bool alpha, size_t depth)
{
    MagickCore::Image* core = MagickCore::AcquireImage(nullptr);
    if (!core)
        throw std::runtime_error("out of memory");
    core->depth = depth;
    core->matte = alpha ? MagickCore::MagickTrue : MagickCore::MagickFalse;
    if (MagickCore::SetImageExtent(core, columns, rows) == MagickCore::MagickFalse) {
        const std::string reason = core->exception.reason ? core->exception.reason : "cannot allocate the pixels";
        MagickCore::DestroyImage(core);
        throw std::runtime_error(reason);
    }
    return Magick::Image(core);
}

// Gives a pinged image (all its attributes, no pixels) pixels of its size,
// yet to be set, so that it becomes the image a read would have given once
// they are. False when the pixels cannot be had.
inline bool UnpingImage(Magick::Image& image)
{
    image.modifyImage();
    MagickCore::Image* core = image.image();
    // The pinged image's pixel cache stays one without pixels: a copy of
    // the image at its size gets a new one.
    core->ping = MagickCore::MagickFalse;
    CoreException exception;
    MagickCore::Image* filled = MagickCore::CloneImage(core, core->columns, core->rows, MagickCore::MagickTrue,
                                                       exception.get());
    if (!filled)
        return false;
    image.replaceImage(filled);
    return true;
}

#if defined(__x86_64__) && defined(MAGICK_PIXEL_BGRA) && MAGICKCORE_QUANTUM_DEPTH == 16 && \
    !defined(MAGICKCORE_HDRI_SUPPORT)
#define GB_SHUFFLED_IMPORT 1
// 8-bit RGB or RGBA samples into pixel packets (blue, green, red, opacity
// in memory), four pixels a step. A 16-bit channel value of an 8-bit sample
// is the byte twice over, so one byte shuffle makes two pixels; opacity is
// the inverted alpha byte, or 0. Returns how many pixels it did: the rest
// (a few, as a load reads 16 bytes) is left to the caller.
__attribute__((target("ssse3"))) inline size_t ShuffleRows8(const unsigned char* p, MagickCore::PixelPacket* q,
                                                             size_t pixels, bool alpha)
{
    static_assert(sizeof(MagickCore::PixelPacket) == 8, "four 16-bit channels");
    const size_t step = alpha ? 16 : 12; // source bytes of four pixels
    const __m128i first = alpha ? _mm_setr_epi8(2, 2, 1, 1, 0, 0, 3, 3, 6, 6, 5, 5, 4, 4, 7, 7)
                                : _mm_setr_epi8(2, 2, 1, 1, 0, 0, -1, -1, 5, 5, 4, 4, 3, 3, -1, -1);
    const __m128i second = alpha ? _mm_setr_epi8(10, 10, 9, 9, 8, 8, 11, 11, 14, 14, 13, 13, 12, 12, 15, 15)
                                 : _mm_setr_epi8(8, 8, 7, 7, 6, 6, -1, -1, 11, 11, 10, 10, 9, 9, -1, -1);
    const __m128i invert = alpha ? _mm_setr_epi16(0, 0, 0, -1, 0, 0, 0, -1) : _mm_setzero_si128();
    size_t done = 0;
    for (; (done + 4) * (step / 4) + (16 - step) <= pixels * (step / 4); done += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + done * (step / 4)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(q + done), _mm_xor_si128(_mm_shuffle_epi8(v, first), invert));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(q + done + 2),
                         _mm_xor_si128(_mm_shuffle_epi8(v, second), invert));
    }
    return done;
}

inline bool HasShuffles()
{
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}
#endif

// Sets `count` whole rows from `first` on from interleaved RGB or RGBA
// samples of 8 or 16 bits, to the values Image::read of such pixels gives
// (the pixels of an image without alpha are opaque).
inline bool ImportRows(Magick::Image& image, size_t first, size_t count, bool alpha, bool wide, const void* samples)
{
    MagickCore::Image* core = image.image();
    MagickCore::PixelPacket* q =
        MagickCore::GetAuthenticPixels(core, 0, ssize_t(first), core->columns, count, &core->exception);
    if (!q)
        return false;
    size_t pixels = core->columns * count;
    const auto top = Magick::Quantum(QuantumMax());
    // One loop for each kind of pixel, so that the compiler can unroll it.
    const auto fillKind = [&](const auto* p, const auto& toQuantum, auto withAlpha) {
        constexpr bool hasAlpha = decltype(withAlpha)::value;
        for (size_t i = 0; i < pixels; ++i, p += hasAlpha ? 4 : 3, ++q) {
            q->red = toQuantum(p[0]);
            q->green = toQuantum(p[1]);
            q->blue = toQuantum(p[2]);
            q->opacity = hasAlpha ? Magick::Quantum(top - toQuantum(p[hasAlpha ? 3 : 0])) : Magick::Quantum(0);
        }
    };
    const auto fill = [&](const auto* p, const auto& toQuantum) {
        if (alpha)
            fillKind(p, toQuantum, std::true_type());
        else
            fillKind(p, toQuantum, std::false_type());
    };
    if (wide) {
        static_assert(QuantumMax() == 65535.0, "16-bit samples are taken as they are");
        fill(static_cast<const uint16_t*>(samples), [](uint16_t value) { return Magick::Quantum(value); });
    } else {
        // The 256 values once, as CharToQuantum gives them.
        static const std::array<Magick::Quantum, 256> quanta = [] {
            std::array<Magick::Quantum, 256> table {};
            for (int value = 0; value < 256; ++value)
                table[size_t(value)] = CharToQuantum(static_cast<unsigned char>(value));
            return table;
        }();
        const auto* p = static_cast<const unsigned char*>(samples);
#if defined(GB_SHUFFLED_IMPORT)
        if (HasShuffles()) {
            const size_t done = ShuffleRows8(p, q, pixels, alpha);
            p += done * (alpha ? 4 : 3);
            q += done;
            pixels -= done;
        }
#endif
        fill(p, [](unsigned char value) { return quanta[value]; });
    }
    return MagickCore::SyncAuthenticPixels(core, &core->exception) != MagickCore::MagickFalse;
}

// Writes one image with the named coder straight into an open stream, with
// no copy of the whole file in memory; the stream stays open. False with the
// coder's error in *message; true with a warning the coder raised once it
// had finished (the bytes are complete), or nothing, in *message. The image
// keeps its file name and no exception record of the write. Only for coders
// that write nothing but the one file (a JPEG size cap, for one, writes its
// trial files through the same stream).
inline bool WriteToStream(Magick::Image& image, const std::string& coder, FILE* stream, std::string* message)
{
    image.modifyImage();
    MagickCore::Image* core = image.image();
    const std::string name = core->filename;
    MagickCore::ImageInfo* info = MagickCore::CloneImageInfo(image.constImageInfo());
    if (!info) {
        *message = "out of memory";
        return false;
    }
    MagickCore::SetImageInfoFile(info, stream);
    const std::string spec = coder + ":";
    MagickCore::CopyMagickString(core->filename, spec.c_str(), MaxTextExtent);
    MagickCore::CopyMagickString(info->filename, spec.c_str(), MaxTextExtent);
    // Version 6 leaves the outcome on the image: only this write's counts.
    MagickCore::ClearMagickException(&core->exception);
    const bool written = MagickCore::WriteImage(info, core) != MagickCore::MagickFalse;
    MagickCore::DestroyImageInfo(info);
    MagickCore::CopyMagickString(core->filename, name.c_str(), MaxTextExtent);
    const MagickCore::ExceptionInfo& outcome = core->exception;
    message->clear();
    if (outcome.severity >= MagickCore::WarningException) {
        *message = outcome.reason ? outcome.reason : "";
        if (outcome.description)
            *message += std::string(" (") + outcome.description + ")";
    }
    const bool failed = !written || outcome.severity >= MagickCore::ErrorException;
    MagickCore::ClearMagickException(&core->exception);
    return !failed;
}

// Noise types by name: the numbers differ between versions.
enum class NoiseKind { Gaussian, MultiplicativeGaussian, Impulse, Laplacian, Poisson };

inline Magick::NoiseType ToNoiseType(NoiseKind kind)
{
    switch (kind) {
    case NoiseKind::MultiplicativeGaussian:
        return Magick::MultiplicativeGaussianNoise;
    case NoiseKind::Impulse:
        return Magick::ImpulseNoise;
    case NoiseKind::Laplacian:
        return Magick::LaplacianNoise;
    case NoiseKind::Poisson:
        return Magick::PoissonNoise;
    case NoiseKind::Gaussian:
        break;
    }
    return Magick::GaussianNoise;
}

// Adds noise at full strength (attenuate 1.0, version 6's default).
inline void AddNoise(Magick::Image& image, NoiseKind kind)
{
    image.addNoise(ToNoiseType(kind));
}

// Oil painting; version 6 has no sigma, version 7 is called with sigma 1.0.
inline void OilPaint(Magick::Image& image, double radius)
{
    image.oilPaint(radius);
}

// Throws the error a core exception record holds, if any (warnings are
// left to the caller). The record stays with its owner: Magick::
// throwException would destroy it.
inline void ThrowIfError(const MagickCore::ExceptionInfo* exception)
{
    if (!exception || exception->severity < MagickCore::ErrorException)
        return;
    Magick::throwExceptionExplicit(exception->severity, exception->reason ? exception->reason : "",
                                   exception->description);
}

// Makes a core operation's new image the image's content; a null result
// raises the recorded error (or a generic one naming the operation).
inline void ReplaceWithResult(Magick::Image& image, MagickCore::Image* result,
                              MagickCore::ExceptionInfo* exception, const char* operation)
{
    if (!result) {
        ThrowIfError(exception);
        throw Magick::ErrorImage(std::string(operation) + " failed");
    }
    image.replaceImage(result);
}

// Spread by a fractional radius (Magick++ 6 only takes whole pixels).
inline void Spread(Magick::Image& image, double radius)
{
    CoreException exception;
    ReplaceWithResult(image, MagickCore::SpreadImage(image.constImage(), radius, exception.get()),
                      exception.get(), "SpreadImage");
}

// Sepia toning; the threshold is in quantum units.
inline void SepiaTone(Magick::Image& image, double threshold, MagickCore::ExceptionInfo* exception)
{
    ReplaceWithResult(image, MagickCore::SepiaToneImage(image.constImage(), threshold, exception), exception,
                      "SepiaToneImage");
}

// Shading with a distant light. Magick++'s shade() hands its "colour
// shading" flag to the core as the grey flag, so call the core directly.
inline void Shade(Magick::Image& image, double azimuth, double elevation, bool colour)
{
    CoreException exception;
    const MagickCore::MagickBooleanType grey = colour ? MagickCore::MagickFalse : MagickCore::MagickTrue;
    ReplaceWithResult(image, MagickCore::ShadeImage(image.constImage(), grey, azimuth, elevation, exception.get()),
                      exception.get(), "ShadeImage");
}

// Automatic levels on all channels. Version 6 records problems on the image
// itself; version 7 takes the exception record.
inline void AutoLevel(Magick::Image& image, MagickCore::ExceptionInfo* exception)
{
    Q_UNUSED(exception);
    image.modifyImage();
    MagickCore::AutoLevelImage(image.image());
}

// The image list of a file's ping (attributes, no pixels), or null; the
// caller destroys it. Magick++ 6 has no pingImages.
inline MagickCore::Image* PingList(const std::string& path, MagickCore::ExceptionInfo* exception)
{
    std::unique_ptr<MagickCore::ImageInfo, MagickCore::ImageInfo* (*)(MagickCore::ImageInfo*)> info(
        MagickCore::CloneImageInfo(nullptr), MagickCore::DestroyImageInfo);
    path.copy(info->filename, MaxTextExtent - 1);
    info->filename[std::min(path.size(), size_t(MaxTextExtent - 1))] = '\0';
    return MagickCore::PingImage(info.get(), exception);
}

// Number of images (pages, frames, layers) that a ping of the file reports.
// Errors are thrown; the text of a warning is handed to onWarning and the
// count stands.
template <typename WarningFn>
size_t PingImageCount(const std::string& path, WarningFn onWarning)
{
    CoreException exception;
    MagickCore::Image* images = PingList(path, exception.get());
    const size_t count = images ? MagickCore::GetImageListLength(images) : 0;
    if (images)
        MagickCore::DestroyImageList(images);
    ThrowIfError(exception.get());
    if (exception.get()->severity != MagickCore::UndefinedException)
        onWarning(exception.get()->reason ? exception.get()->reason : "");
    return count;
}

// One ping of the file for its first image and its number of images. The
// first image (attributes, no pixels) is returned, an empty image when
// nothing could be pinged (`count` is then 0). `error` gets the reason of an
// error; warnings are left out. Nothing is thrown for the file's sake.
inline Magick::Image PingFirstImage(const std::string& path, size_t& count, std::string& error)
{
    CoreException exception;
    MagickCore::Image* list = PingList(path, exception.get());
    count = list ? MagickCore::GetImageListLength(list) : 0;
    error.clear();
    if (exception.get()->severity >= MagickCore::ErrorException)
        error = exception.get()->reason ? exception.get()->reason : "";
    if (!list)
        return Magick::Image();
    MagickCore::Image* rest = MagickCore::SplitImageList(list);
    if (rest)
        MagickCore::DestroyImageList(rest);
    return Magick::Image(list); // takes ownership of the first image
}

// Width and height of every image (page, frame, layer) that a ping of the
// file reports, without decoding pixels; empty when the ping fails. The
// coder that read the file goes to *coder ("JPEG", "PNG", ...).
inline std::vector<std::pair<size_t, size_t>> PingFrameSizes(const std::string& path, std::string* coder = nullptr)
{
    CoreException exception;
    MagickCore::Image* images = PingList(path, exception.get());
    std::vector<std::pair<size_t, size_t>> sizes;
    for (const MagickCore::Image* frame = images; frame; frame = frame->next)
        sizes.emplace_back(frame->columns, frame->rows);
    if (coder)
        *coder = images ? images->magick : "";
    if (images)
        MagickCore::DestroyImageList(images);
    return sizes;
}

// Walks every pixel's red, green and blue values (quantum units) row by row
// through one pixel-cache view. The image is unshared and made direct-class
// first, so a palette image keeps the new values.
template <typename Fn>
void ForEachPixelRgb(Magick::Image& image, Fn fn)
{
    image.modifyImage();
    if (image.classType() != Magick::DirectClass)
        image.classType(Magick::DirectClass);
    const size_t width = image.columns();
    const size_t height = image.rows();
    Magick::Pixels view(image);
    for (size_t y = 0; y < height; ++y) {
        Magick::PixelPacket* pixel = view.get(0, static_cast<ssize_t>(y), width, 1);
        for (size_t x = 0; x < width; ++x, ++pixel)
            fn(pixel->red, pixel->green, pixel->blue);
        view.sync();
    }
}

// Read-only walk over every pixel's red, green and blue values (quantum units).
template <typename Fn>
void ForEachPixelRgbConst(const Magick::Image& image, Fn fn)
{
    const size_t width = image.columns();
    const size_t height = image.rows();
    Magick::Pixels view(const_cast<Magick::Image&>(image));
    for (size_t y = 0; y < height; ++y) {
        const Magick::PixelPacket* pixel = view.getConst(0, static_cast<ssize_t>(y), width, 1);
        for (size_t x = 0; x < width; ++x, ++pixel)
            fn(pixel->red, pixel->green, pixel->blue);
    }
}

// Whether the image holds greys only (one channel as stored).
inline bool IsGreyColorspace(const Magick::Image& image)
{
    const MagickCore::ColorspaceType space = image.colorSpace();
    return space == MagickCore::GRAYColorspace || space == MagickCore::Rec601LumaColorspace
        || space == MagickCore::Rec709LumaColorspace;
}

// A greyscale photo or mask holds standard (gamma-encoded) greys, but
// drawing colour onto it or compositing it with a colour image takes its
// greys for linear light and converts them: tones brighten and a PNG is
// tagged linear. Tagging it sRGB first changes no pixel (a grey pixel holds
// equal red, green and blue here) and keeps every grey as it is.
inline void GreyToSrgb(Magick::Image& image)
{
    if (!image.isValid() || !IsGreyColorspace(image))
        return;
    image.modifyImage();
    MagickCore::SetImageColorspace(image.image(), MagickCore::sRGBColorspace);
}

// The reason an exception gives, without the program's name in front and
// the file name and source location behind: "Premature end of JPEG file"
// out of "glimmerbox: Premature end of JPEG file `x.jpg' @ warning/...".
// A coder that works in memory puts an empty file name before its words
// ("glimmerbox: : Bad value 9 for ..."): that goes too.
inline QString ExceptionReason(const Magick::Exception& exception)
{
    QString text = QString::fromUtf8(exception.what());
    const int colon = text.indexOf(QLatin1String(": "));
    if (colon >= 0)
        text = text.mid(colon + 2);
    while (text.startsWith(QLatin1String(": ")))
        text = text.mid(2);
    for (const char* tail : {" `", " @ "}) {
        const int at = text.indexOf(QLatin1String(tail));
        if (at > 0)
            text.truncate(at);
    }
    return text.trimmed();
}

// Number of channels of an image as stored: grey 1, RGB 3, CMYK 4, plus one
// for alpha. (Version 7 has channels().)
inline int ChannelCount(const Magick::Image& image)
{
    int count = 3;
    if (IsGreyColorspace(image))
        count = 1;
    else if (image.colorSpace() == MagickCore::CMYKColorspace)
        count = 4;
    return count + (image.matte() ? 1 : 0);
}

// Sets the resolution without rounding it (density() takes whole numbers in
// version 6).
inline void SetResolution(Magick::Image& image, double x, double y)
{
    image.modifyImage();
    image.image()->x_resolution = x;
    image.image()->y_resolution = y;
}

// Lowers every pixel's alpha by amount8 (8-bit levels, 0..255), never below
// transparent. The alpha channel is switched on and the image unshared first,
// so copies that share its pixels keep theirs.
inline void LowerAlpha8(Magick::Image& image, int amount8)
{
    image.modifyImage();
    if (!image.matte())
        image.matte(true);
    if (image.classType() != Magick::DirectClass)
        image.classType(Magick::DirectClass);
    if (amount8 <= 0)
        return;
    const double step = Q8(amount8 > 255 ? 255 : amount8);
    const size_t width = image.columns();
    const size_t height = image.rows();
    Magick::Pixels view(image);
    for (size_t y = 0; y < height; ++y) {
        Magick::PixelPacket* pixel = view.get(0, static_cast<ssize_t>(y), width, 1);
        for (size_t x = 0; x < width; ++x, ++pixel) {
            // Version 6 stores opacity (QuantumRange - alpha).
            const double opacity = double(pixel->opacity) + step;
            pixel->opacity = Magick::Quantum(opacity >= QuantumMax() ? QuantumMax() : opacity + 0.5);
        }
        view.sync();
    }
}

// Walks the pixels of `image` and of the same-sized `mask` together, row by
// row: fn(alpha, maskRed, maskGreen, maskBlue), all in quantum units, alpha
// from 0 (transparent) to QuantumMax() (opaque); fn may change alpha, which
// is stored rounded to the nearest step. The image must be unshared,
// direct-class and have its alpha channel on; the mask is only read.
template <typename Fn>
void ForEachAlphaWithMask(Magick::Image& image, const Magick::Image& mask, Fn fn)
{
    const size_t width = image.columns();
    const size_t height = image.rows();
    Magick::Pixels view(image);
    Magick::Pixels maskView(const_cast<Magick::Image&>(mask));
    for (size_t y = 0; y < height; ++y) {
        Magick::PixelPacket* pixel = view.get(0, static_cast<ssize_t>(y), width, 1);
        const Magick::PixelPacket* m = maskView.getConst(0, static_cast<ssize_t>(y), width, 1);
        for (size_t x = 0; x < width; ++x, ++pixel, ++m) {
            // Version 6 stores opacity (QuantumRange - alpha).
            double alpha = QuantumMax() - pixel->opacity;
            fn(alpha, double(m->red), double(m->green), double(m->blue));
            pixel->opacity = Magick::Quantum(std::lround(QuantumMax() - alpha));
        }
        view.sync();
    }
}

// Size of the file-name buffers in ImageMagick's records (ImageMagick 7
// calls it MagickPathExtent).
inline constexpr std::size_t PathExtent = MaxTextExtent;

// Bytes that one pixel takes in ImageMagick's pixel cache (version 6 keeps
// red, green, blue and opacity at the build's quantum depth; colour-mapped
// and CMYK images add an index channel).
inline constexpr std::size_t PixelBytes = sizeof(MagickCore::PixelPacket) + sizeof(MagickCore::IndexPacket);

// The current limit of ImageMagick's own threads per operation.
inline unsigned long ThreadLimit()
{
    return static_cast<unsigned long>(Magick::ResourceLimits::thread());
}


// ---- What the PNG codec (CPngCodec) reads from and sets on an image ----

// Every property (attribute) of the image as name and value, in the
// library's order.
inline std::vector<std::pair<std::string, std::string>> Properties(const Magick::Image& image)
{
    std::vector<std::pair<std::string, std::string>> list;
    const MagickCore::Image* core = image.constImage();
    if (!core)
        return list;
    MagickCore::ResetImagePropertyIterator(core);
    for (const char* name = MagickCore::GetNextImageProperty(core); name;
         name = MagickCore::GetNextImageProperty(core)) {
        const char* value = MagickCore::GetImageProperty(core, name);
        list.emplace_back(name, value ? value : "");
    }
    return list;
}

inline void DeleteProperty(Magick::Image& image, const char* name)
{
    image.modifyImage();
    MagickCore::DeleteImageProperty(image.image(), name);
}

// Brings the EXIF profile's orientation and resolution tags in line with
// the image, as the library's writers do before they write a file.
inline void SyncProfiles(Magick::Image& image)
{
    image.modifyImage();
    MagickCore::SyncImageProfiles(image.image());
}

// Marks the pixels as grey (or back as sRGB) without converting them: every
// pixel already holds equal red, green and blue.
inline void TagGrey(Magick::Image& image)
{
    image.modifyImage();
    MagickCore::SetImageColorspace(image.image(), MagickCore::GRAYColorspace);
}

// The profile stored under `name` (empty when there is none). Magick++ 6's
// profile() would otherwise try to make one by encoding the image in the
// format of that name.
inline Magick::Blob StoredProfile(const Magick::Image& image, const char* name)
{
    const MagickCore::StringInfo* profile = MagickCore::GetImageProfile(image.constImage(), name);
    if (!profile)
        return Magick::Blob();
    return Magick::Blob(MagickCore::GetStringInfoDatum(profile), MagickCore::GetStringInfoLength(profile));
}

// Whether the library takes an image of this size at all (its width and
// height limits); building a larger one from pixels in memory would fail
// inside the library.
inline bool WithinSizeLimits(size_t width, size_t height)
{
    return width <= MagickCore::GetMagickResourceLimit(MagickCore::WidthResource)
        && height <= MagickCore::GetMagickResourceLimit(MagickCore::HeightResource);
}

// Marks the pixels as linear-light RGB (or grey) without converting them.
inline void TagLinear(Magick::Image& image, bool grey)
{
    image.modifyImage();
    MagickCore::SetImageColorspace(image.image(), grey ? MagickCore::LinearGRAYColorspace : MagickCore::RGBColorspace);
}

// The interlace a write of the image uses (the write settings', not the
// one the image was read with).
inline Magick::InterlaceType WriteInterlace(const Magick::Image& image)
{
    return image.constImageInfo()->interlace;
}

// Chromaticities: white point, red, green and blue primaries (x, y each).
struct Chromaticity
{
    double white[2], red[2], green[2], blue[2];
};

inline Chromaticity GetChromaticity(const Magick::Image& image)
{
    const MagickCore::ChromaticityInfo& c = image.constImage()->chromaticity;
    return {{c.white_point.x, c.white_point.y},
            {c.red_primary.x, c.red_primary.y},
            {c.green_primary.x, c.green_primary.y},
            {c.blue_primary.x, c.blue_primary.y}};
}

inline void SetChromaticity(Magick::Image& image, const Chromaticity& value)
{
    image.modifyImage();
    MagickCore::ChromaticityInfo& c = image.image()->chromaticity;
    c.white_point.x = value.white[0];
    c.white_point.y = value.white[1];
    c.red_primary.x = value.red[0];
    c.red_primary.y = value.red[1];
    c.green_primary.x = value.green[0];
    c.green_primary.y = value.green[1];
    c.blue_primary.x = value.blue[0];
    c.blue_primary.y = value.blue[1];
}

// The gamma tag, without the correction that Magick++'s gamma() applies.
inline void SetGammaTag(Magick::Image& image, double gamma)
{
    image.modifyImage();
    image.image()->gamma = gamma;
}

// The background colour as 16-bit red, green and blue.
inline void SetBackground16(Magick::Image& image, unsigned r, unsigned g, unsigned b)
{
    const double scale = QuantumMax() / 65535.0;
    image.backgroundColor(Magick::Color(Magick::Quantum(r * scale + 0.5), Magick::Quantum(g * scale + 0.5),
                                        Magick::Quantum(b * scale + 0.5)));
}

inline void GetBackground8(const Magick::Image& image, unsigned& r, unsigned& g, unsigned& b)
{
    const Magick::Color colour = image.backgroundColor();
    r = QuantumToChar(colour.redQuantum());
    g = QuantumToChar(colour.greenQuantum());
    b = QuantumToChar(colour.blueQuantum());
}

// ---- What the JPEG writer (CJpegWriter) reads from an image ----

// The names of the write settings given as "prefix:key" defines or options
// on the image (e.g. "jpeg:extent"), in the library's order.
inline std::vector<std::string> WriteOptionNames(const Magick::Image& image)
{
    std::vector<std::string> names;
    const MagickCore::ImageInfo* info = image.constImageInfo();
    MagickCore::ResetImageOptionIterator(info);
    for (const char* name = MagickCore::GetNextImageOption(info); name; name = MagickCore::GetNextImageOption(info))
        names.emplace_back(name);
    return names;
}

// The image type a write is asked for (not the type the pixels have).
inline Magick::ImageType WriteType(const Magick::Image& image)
{
    return image.constImageInfo()->type;
}

// The compression a write is asked for.
inline Magick::CompressionType WriteCompression(const Magick::Image& image)
{
    return image.constImageInfo()->compression;
}

// The sampling factors a write is asked for ("2x2,1x1,1x1"); empty when none.
inline std::string WriteSamplingFactor(const Magick::Image& image)
{
    const char* value = image.constImageInfo()->sampling_factor;
    return value ? value : "";
}

// A property's value, or null when the image has none of that name.
inline const char* PropertyValue(const Magick::Image& image, const char* name)
{
    return MagickCore::GetImageProperty(image.constImage(), name);
}

// Every profile of the image as name and bytes, in the library's order
// (names sorted without regard to case).
inline std::vector<std::pair<std::string, std::string>> Profiles(const Magick::Image& image)
{
    std::vector<std::pair<std::string, std::string>> list;
    const MagickCore::Image* core = image.constImage();
    MagickCore::ResetImageProfileIterator(core);
    for (const char* name = MagickCore::GetNextImageProfile(core); name;
         name = MagickCore::GetNextImageProfile(core)) {
        const MagickCore::StringInfo* profile = MagickCore::GetImageProfile(core, name);
        if (!profile)
            continue;
        const auto* data = reinterpret_cast<const char*>(MagickCore::GetStringInfoDatum(profile));
        list.emplace_back(name, std::string(data, MagickCore::GetStringInfoLength(profile)));
    }
    return list;
}

// Whether the library takes every pixel for a grey (red, green and blue
// equal at full depth), or the image is marked as a grey one: its writers
// then write one channel.
inline bool LooksGrey(const Magick::Image& image)
{
    CoreException exception;
    return MagickCore::IdentifyImageGray(image.constImage(), exception.get()) != MagickCore::UndefinedType;
}

// Whether the library's memory limit leaves room for `bytes` more now.
inline bool MemoryAllows(unsigned long long bytes)
{
    if (MagickCore::AcquireMagickResource(MagickCore::MemoryResource, bytes) == MagickCore::MagickFalse)
        return false;
    MagickCore::RelinquishMagickResource(MagickCore::MemoryResource, bytes);
    return true;
}

// Whether ExportRowQuads8 gives blue, green, red, then the sample to skip
// (else red, green, blue, skip): the pixel cache's own order.
#if defined(MAGICK_PIXEL_BGRA)
inline constexpr bool kQuadsAreBgrx = true;
#else
inline constexpr bool kQuadsAreBgrx = false;
#endif

// ScaleQuantumToChar over `count` samples, 16 at a time:
// (x - x / 256) / 256 with x = q + 128, where x saturates at 65535 instead
// of needing 17 bits (q from 65408 on gives 255 either way).
inline void QuantaToChars(const uint16_t* __restrict in, unsigned char* __restrict out, size_t count) noexcept
{
    const size_t blocks = count & ~size_t(15);
#if defined(__SSE2__)
    const __m128i half = _mm_set1_epi16(128);
    const auto scale8 = [&](__m128i q) {
        const __m128i x = _mm_adds_epu16(q, half);
        return _mm_srli_epi16(_mm_sub_epi16(x, _mm_srli_epi16(x, 8)), 8);
    };
    for (size_t i = 0; i < blocks; i += 16) {
        const __m128i low = scale8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i)));
        const __m128i high = scale8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i + 8)));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(low, high));
    }
#else
    for (size_t i = 0; i < blocks; ++i) {
        const uint16_t q = in[i];
        uint16_t x = uint16_t(q + 128u);
        x |= uint16_t(-uint16_t(x < q));
        out[i] = static_cast<unsigned char>(uint16_t(x - (x >> 8)) >> 8);
    }
#endif
    for (size_t i = blocks; i < count; ++i)
        out[i] = QuantumToChar(in[i]);
}

// Row y of the image as four 8-bit samples per pixel, in the order
// kQuadsAreBgrx tells (the fourth is opacity, to be skipped), scaled as the
// library's writers scale them; false when the pixel cache does not give
// the row. Plain C underneath: safe inside a setjmp frame.
inline bool ExportRowQuads8(const Magick::Image& image, size_t y, unsigned char* out) noexcept
{
    auto* core = const_cast<MagickCore::Image*>(image.constImage());
    const MagickCore::PixelPacket* p =
        MagickCore::GetVirtualPixels(core, 0, ssize_t(y), core->columns, 1, &core->exception);
    if (!p)
        return false;
    static_assert(sizeof(MagickCore::PixelPacket) == 4 * sizeof(uint16_t), "four 16-bit quanta per pixel");
    QuantaToChars(reinterpret_cast<const uint16_t*>(p), out, 4 * core->columns);
    return true;
}

// Tells the image's progress monitor that `done` of `total` rows are
// written; false when the monitor asks to stop.
inline bool ReportWriteProgress(const Magick::Image& image, size_t done, size_t total) noexcept
{
    return MagickCore::SetImageProgress(image.constImage(), "Save/Image", MagickCore::MagickOffsetType(done),
                                        MagickCore::MagickSizeType(total))
        != MagickCore::MagickFalse;
}

// Whether an image's pixels are plain red, green and blue: direct colour,
// sRGB or grey, without alpha, index channel (CMYK, palette) or masks. The
// box scale reproduces the library's scale for exactly these.
inline bool IsPlainRgb(const Magick::Image& image)
{
    const MagickCore::Image* core = image.constImage();
    return core && core->storage_class == MagickCore::DirectClass && core->matte == MagickCore::MagickFalse
        && (core->colorspace == MagickCore::sRGBColorspace || core->colorspace == MagickCore::GRAYColorspace)
        && !core->clip_mask && !core->mask;
}

// A new direct-colour image of columns x rows that carries every attribute
// of the image (page, resolution, properties, profiles...), made as the
// library's scale makes its result; its pixels are still to be set. Null
// when the library refuses (the reason is in `exception`).
inline MagickCore::Image* NewScaledImage(const Magick::Image& image, size_t columns, size_t rows,
                                         MagickCore::ExceptionInfo* exception)
{
    MagickCore::Image* scaled = MagickCore::CloneImage(image.constImage(), columns, rows, MagickCore::MagickTrue,
                                                       exception);
    if (!scaled)
        return nullptr;
    if (MagickCore::SetImageStorageClass(scaled, MagickCore::DirectClass) == MagickCore::MagickFalse) {
        MagickCore::InheritException(exception, &scaled->exception);
        return MagickCore::DestroyImage(scaled);
    }
    scaled->type = image.constImage()->type;
    return scaled;
}

// The image itself as the library's scale to the same size gives it.
inline MagickCore::Image* SameSizeImage(const Magick::Image& image, MagickCore::ExceptionInfo* exception)
{
    return MagickCore::CloneImage(image.constImage(), 0, 0, MagickCore::MagickTrue, exception);
}

// Pixels as the box scale works on them: four doubles a pixel, the
// channels in the order of the library's pixel packet, the fourth (opacity)
// always 0.
inline constexpr size_t ScaleLanes = 4;
static_assert(sizeof(MagickCore::PixelPacket) == ScaleLanes * sizeof(Magick::Quantum), "four channels a pixel");

#if defined(__x86_64__) && MAGICKCORE_QUANTUM_DEPTH == 16 && !defined(MAGICKCORE_HDRI_SUPPORT)
#define GB_SCALE_AVX2 1
// Whether the box scale uses AVX2 (whole pixels of four doubles a
// register): by default when the processor has it. Its multiplications and
// additions are the same IEEE operations as the baseline's; fused
// multiply-add is a separate feature, left off. Tests turn it off to check
// the baseline code on the same machine.
inline std::atomic<bool>& ScaleAvx2()
{
    static std::atomic<bool> use {__builtin_cpu_supports("avx2") != 0};
    return use;
}

inline bool HasAvx2()
{
    return ScaleAvx2().load(std::memory_order_relaxed);
}

// Pixel packets to ScaleLanes doubles, opacity cleared, two pixels a step;
// returns the pixels done.
__attribute__((target("avx2"))) inline size_t PacketsToLanesAvx2(const uint16_t* in, double* out, size_t pixels)
{
    const __m128i keep = _mm_setr_epi16(-1, -1, -1, 0, -1, -1, -1, 0);
    size_t x = 0;
    for (; x + 2 <= pixels; x += 2, in += 8, out += 8) {
        const __m128i v = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in)), keep);
        const __m256i wide = _mm256_cvtepu16_epi32(v);
        _mm256_storeu_pd(out, _mm256_cvtepi32_pd(_mm256_castsi256_si128(wide)));
        _mm256_storeu_pd(out + 4, _mm256_cvtepi32_pd(_mm256_extracti128_si256(wide, 1)));
    }
    return x;
}

// ScaleLanes doubles to pixel packets, clamped and rounded as the library
// stores a channel value, two pixels a step; returns the pixels done.
__attribute__((target("avx2"))) inline size_t LanesToPacketsAvx2(const double* in, uint16_t* out, size_t pixels)
{
    const __m256d low = _mm256_setzero_pd();
    const __m256d high = _mm256_set1_pd(65535.0);
    const __m256d half = _mm256_set1_pd(0.5);
    size_t x = 0;
    for (; x + 2 <= pixels; x += 2, in += 8, out += 8) {
        const __m128i a = _mm256_cvttpd_epi32(
            _mm256_add_pd(_mm256_min_pd(_mm256_max_pd(_mm256_loadu_pd(in), low), high), half));
        const __m128i b = _mm256_cvttpd_epi32(
            _mm256_add_pd(_mm256_min_pd(_mm256_max_pd(_mm256_loadu_pd(in + 4), low), high), half));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_packus_epi32(a, b));
    }
    return x;
}
#endif

// Reads rows of a plain RGB image (see IsPlainRgb) as ScaleLanes doubles a
// pixel; one reader per thread.
class RgbRowReader
{
public:
    RgbRowReader(const Magick::Image& image, MagickCore::ExceptionInfo* exception)
        : m_view(MagickCore::AcquireVirtualCacheView(image.constImage(), exception)), m_exception(exception),
          m_columns(image.constImage()->columns)
    {
    }
    ~RgbRowReader() { MagickCore::DestroyCacheView(m_view); }
    RgbRowReader(const RgbRowReader&) = delete;
    RgbRowReader& operator=(const RgbRowReader&) = delete;

    bool Read(size_t y, double* __restrict out)
    {
        const MagickCore::PixelPacket* p =
            MagickCore::GetCacheViewVirtualPixels(m_view, 0, ssize_t(y), m_columns, 1, m_exception);
        if (!p)
            return false;
        const auto* in = reinterpret_cast<const Magick::Quantum*>(p);
        size_t x = 0;
#if defined(GB_SCALE_AVX2)
        if (HasAvx2()) {
            x = PacketsToLanesAvx2(in, out, m_columns);
            in += 4 * x;
            out += 4 * x;
        }
#endif
#if defined(__SSE2__) && MAGICKCORE_QUANTUM_DEPTH == 16 && !defined(MAGICKCORE_HDRI_SUPPORT)
        // Two pixels a step: eight 16-bit channels widened to 32 bits, then
        // to doubles; the opacity lanes are cleared first.
        const __m128i keep = _mm_setr_epi16(-1, -1, -1, 0, -1, -1, -1, 0);
        const __m128i zero = _mm_setzero_si128();
        for (; x + 2 <= m_columns; x += 2, in += 8, out += 8) {
            const __m128i v = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(in)), keep);
            const __m128i low = _mm_unpacklo_epi16(v, zero);
            const __m128i high = _mm_unpackhi_epi16(v, zero);
            _mm_storeu_pd(out, _mm_cvtepi32_pd(low));
            _mm_storeu_pd(out + 2, _mm_cvtepi32_pd(_mm_unpackhi_epi64(low, low)));
            _mm_storeu_pd(out + 4, _mm_cvtepi32_pd(high));
            _mm_storeu_pd(out + 6, _mm_cvtepi32_pd(_mm_unpackhi_epi64(high, high)));
        }
#endif
        for (; x < m_columns; ++x, in += 4, out += 4) {
            out[0] = double(in[0]);
            out[1] = double(in[1]);
            out[2] = double(in[2]);
            out[3] = 0.0;
        }
        return true;
    }

private:
    MagickCore::CacheView* m_view;
    MagickCore::ExceptionInfo* m_exception;
    size_t m_columns;
};

// Writes rows of an image made by NewScaledImage from ScaleLanes doubles a
// pixel, each rounded to a channel value as the library stores one:
// nothing below 0, nothing above the largest, halves up.
class RgbRowWriter
{
public:
    RgbRowWriter(MagickCore::Image* image, MagickCore::ExceptionInfo* exception)
        : m_view(MagickCore::AcquireAuthenticCacheView(image, exception)), m_exception(exception),
          m_columns(image->columns)
    {
    }
    ~RgbRowWriter() { MagickCore::DestroyCacheView(m_view); }
    RgbRowWriter(const RgbRowWriter&) = delete;
    RgbRowWriter& operator=(const RgbRowWriter&) = delete;

    bool Write(size_t y, const double* __restrict in)
    {
        MagickCore::PixelPacket* q =
            MagickCore::QueueCacheViewAuthenticPixels(m_view, 0, ssize_t(y), m_columns, 1, m_exception);
        if (!q)
            return false;
        auto* out = reinterpret_cast<Magick::Quantum*>(q);
        size_t x = 0;
#if defined(GB_SCALE_AVX2)
        if (HasAvx2()) {
            x = LanesToPacketsAvx2(in, out, m_columns);
            in += 4 * x;
            out += 4 * x;
        }
#endif
#if defined(__SSE2__) && MAGICKCORE_QUANTUM_DEPTH == 16 && !defined(MAGICKCORE_HDRI_SUPPORT)
        // Two pixels a step. The values, clamped and rounded, fit 16 bits
        // unsigned; they are packed with signed saturation after moving them
        // down by 32768, and moved back.
        const __m128d low = _mm_setzero_pd();
        const __m128d high = _mm_set1_pd(QuantumMax());
        const __m128d half = _mm_set1_pd(0.5);
        const __m128i bias = _mm_set1_epi32(32768);
        const __m128i flip = _mm_set1_epi16(-32768);
        const auto round = [&](const double* from) {
            const __m128d a = _mm_add_pd(_mm_min_pd(_mm_max_pd(_mm_loadu_pd(from), low), high), half);
            const __m128d b = _mm_add_pd(_mm_min_pd(_mm_max_pd(_mm_loadu_pd(from + 2), low), high), half);
            return _mm_sub_epi32(_mm_unpacklo_epi64(_mm_cvttpd_epi32(a), _mm_cvttpd_epi32(b)), bias);
        };
        for (; x + 2 <= m_columns; x += 2, in += 8, out += 8) {
            const __m128i packed = _mm_xor_si128(_mm_packs_epi32(round(in), round(in + 4)), flip);
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), packed);
        }
#endif
        for (; x < m_columns; ++x, in += 4, out += 4) {
            out[0] = ToQuantum(in[0]);
            out[1] = ToQuantum(in[1]);
            out[2] = ToQuantum(in[2]);
            out[3] = ToQuantum(in[3]);
        }
        return MagickCore::SyncCacheViewAuthenticPixels(m_view, m_exception) != MagickCore::MagickFalse;
    }

private:
    // The library's clamp to a channel value, without its NaN test (box
    // sums are never NaN).
    static Magick::Quantum ToQuantum(double value)
    {
        const double clamped = std::min(std::max(value, 0.0), QuantumMax());
        return Magick::Quantum(clamped + 0.5);
    }

    MagickCore::CacheView* m_view;
    MagickCore::ExceptionInfo* m_exception;
    size_t m_columns;
};

// Tells the image's progress monitor that the scale has done `done` rows
// of `total`, as the library's scale tells it; false when it asks to stop.
inline bool ReportScaleProgress(const Magick::Image& image, size_t done, size_t total)
{
    return MagickCore::SetImageProgress(image.constImage(), "Scale/Image", MagickCore::MagickOffsetType(done),
                                        MagickCore::MagickSizeType(total))
        != MagickCore::MagickFalse;
}

} // namespace MagickCompat
