#include "CPngCodec.h"

#include "CMagickRuntime.h"
#include "CPngChunkTally.h"
#include "MagickCompat.h"

#include <spng.h>

#include <QFile>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

// Reading; writing is in CPngCodecWrite.cpp.

namespace {

struct ContextDeleter
{
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};
using Context = std::unique_ptr<spng_ctx, ContextDeleter>;

constexpr unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
// Text, profiles and other chunks that are not pixels: what one of them may
// hold, and all of them together, once inflated.
constexpr size_t kChunkLimit = 64u << 20;
constexpr size_t kChunkCacheLimit = 128u << 20;
// The EXIF block in ImageMagick's "exif" profile starts with this header,
// which the PNG chunk leaves out.
constexpr char kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};

QString Reason(int code)
{
    return QString::fromUtf8(spng_strerror(code));
}

// ImageMagick's "Raw profile type NAME" text: a line with the name, a line
// with the byte count, then the bytes in hexadecimal.
std::string DecodeRawProfile(const char* text, size_t length)
{
    const char* end = text + length;
    const char* p = text;
    int newlines = 0;
    while (p < end && newlines < 3) {
        if (*p == '\n')
            ++newlines;
        ++p;
    }
    if (newlines < 3)
        return std::string();
    // The count line: "   1234"
    const char* countLine = text;
    for (int seen = 0; countLine < end && seen < 2; ++countLine)
        seen += *countLine == '\n' ? 1 : 0;
    const size_t declared = size_t(std::strtoul(std::string(countLine, std::min<size_t>(size_t(end - countLine), 24)).c_str(), nullptr, 10));
    std::string bytes;
    bytes.reserve(std::min(declared, size_t(end - p) / 2));
    int high = -1;
    for (; p < end && bytes.size() < declared; ++p) {
        const char c = *p;
        int value = -1;
        if (c >= '0' && c <= '9')
            value = c - '0';
        else if (c >= 'a' && c <= 'f')
            value = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            value = c - 'A' + 10;
        if (value < 0)
            continue;
        if (high < 0) {
            high = value;
        } else {
            bytes.push_back(char(high * 16 + value));
            high = -1;
        }
    }
    return bytes;
}

// What a profile of this name holds, as the run log names it when the
// profile is left out.
QString ProfileDescription(const std::string& name)
{
    if (name == "icc")
        return QStringLiteral("ICC profile");
    if (name == "exif" || name == "xmp" || name == "iptc")
        return QString::fromStdString(name).toUpper();
    return QString::fromStdString(name) + QStringLiteral(" profile");
}

// Attaches a profile. One the library refuses (an ICC profile that its
// colour engine cannot open) is left out and named in `dropped`: the pixels
// do not depend on it.
void SetProfile(Magick::Image& image, const std::string& name, const std::string& bytes, QStringList& dropped)
{
    if (bytes.empty())
        return;
    try {
        image.profile(name, Magick::Blob(bytes.data(), bytes.size()));
        return;
    } catch (const Magick::Exception&) {
        dropped.append(ProfileDescription(name));
    }
    try {
        image.profile(name, Magick::Blob());
    } catch (const Magick::Exception&) {
        // Nothing was attached.
    }
}

void ReadText(spng_ctx* context, Magick::Image& image, QStringList& dropped)
{
    uint32_t count = 0;
    if (spng_get_text(context, nullptr, &count) != 0 || count == 0)
        return;
    std::vector<spng_text> texts(count);
    if (spng_get_text(context, texts.data(), &count) != 0)
        return;
    for (const spng_text& text : texts) {
        const std::string key(text.keyword, strnlen(text.keyword, sizeof text.keyword));
        const std::string value(text.text ? text.text : "", text.text ? text.length : 0);
        static const std::string rawProfile = "Raw profile type ";
        if (key.compare(0, rawProfile.size(), rawProfile) == 0) {
            std::string name = key.substr(rawProfile.size());
            std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return char(std::tolower(c)); });
            if (name == "app1")
                name = value.size() > 4 && DecodeRawProfile(value.data(), value.size()).compare(0, 4, "Exif") == 0 ? "exif" : "xmp";
            if (name == "icm")
                name = "icc";
            if (!name.empty())
                SetProfile(image, name, DecodeRawProfile(value.data(), value.size()), dropped);
            continue;
        }
        if (key == "XML:com.adobe.xmp") {
            SetProfile(image, "xmp", value, dropped);
            continue;
        }
        if (!key.empty())
            image.attribute(key, value);
    }
}

void ReadColourChunks(spng_ctx* context, Magick::Image& image, bool grey, QStringList& dropped)
{
    spng_iccp iccp {};
    const bool hasIcc = spng_get_iccp(context, &iccp) == 0 && iccp.profile && iccp.profile_len > 0;
    if (hasIcc) {
        SetProfile(image, "icc", std::string(iccp.profile, iccp.profile_len), dropped);
        // The profile's description, maker and model as properties, as
        // ImageMagick's readers leave them.
        image.attribute("icc:description");
    }

    uint8_t intent = 0;
    if (spng_get_srgb(context, &intent) == 0) {
        static const Magick::RenderingIntent intents[] = {Magick::PerceptualIntent, Magick::RelativeIntent,
                                                          Magick::SaturationIntent, Magick::AbsoluteIntent};
        image.renderingIntent(intents[std::min<int>(intent, 3)]);
        MagickCompat::SetGammaTag(image, double(float(0.45455)));
        MagickCompat::SetChromaticity(image, {{0.3127, 0.329}, {0.64, 0.33}, {0.30, 0.60}, {0.15, 0.06}});
    }
    uint32_t gammaValue = 0;
    if (spng_get_gama_int(context, &gammaValue) == 0 && gammaValue > 0) {
        // Kept in single precision, as ImageMagick keeps it.
        const double gamma = double(float(gammaValue / 100000.0));
        // A file gamma far from sRGB's (towards linear light): ImageMagick
        // takes the pixels as linear.
        if (gamma > 0.75)
            MagickCompat::TagLinear(image, grey);
        MagickCompat::SetGammaTag(image, gamma);
    }
    spng_chrm chrm {};
    if (spng_get_chrm(context, &chrm) == 0) {
        MagickCompat::SetChromaticity(image, {{chrm.white_point_x, chrm.white_point_y},
                                              {chrm.red_x, chrm.red_y},
                                              {chrm.green_x, chrm.green_y},
                                              {chrm.blue_x, chrm.blue_y}});
    }
}

void ReadOtherChunks(spng_ctx* context, Magick::Image& image, const spng_ihdr& header, QStringList& dropped)
{
    spng_phys phys {};
    if (spng_get_phys(context, &phys) == 0) {
        if (phys.unit_specifier == 1) {
            image.resolutionUnits(Magick::PixelsPerCentimeterResolution);
            MagickCompat::SetResolution(image, phys.ppu_x / 100.0, phys.ppu_y / 100.0);
        } else {
            MagickCompat::SetResolution(image, phys.ppu_x, phys.ppu_y);
        }
    }
    spng_bkgd background {};
    if (spng_get_bkgd(context, &background) == 0) {
        // Samples of the file's depth to 16 bits; a value beyond the depth
        // (a damaged chunk) is taken as the largest.
        const unsigned scale = header.bit_depth >= 16 ? 1u : 65535u / ((1u << header.bit_depth) - 1u);
        const auto wide = [scale](uint16_t value) { return unsigned(std::min<uint64_t>(65535u, uint64_t(value) * scale)); };
        if (header.color_type == SPNG_COLOR_TYPE_INDEXED) {
            spng_plte palette {};
            if (spng_get_plte(context, &palette) == 0 && background.plte_index < palette.n_entries) {
                const spng_plte_entry& e = palette.entries[background.plte_index];
                MagickCompat::SetBackground16(image, e.red * 257u, e.green * 257u, e.blue * 257u);
            }
        } else if (header.color_type == SPNG_COLOR_TYPE_GRAYSCALE
                   || header.color_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA) {
            const unsigned grey = wide(background.gray);
            MagickCompat::SetBackground16(image, grey, grey, grey);
        } else {
            MagickCompat::SetBackground16(image, wide(background.red), wide(background.green), wide(background.blue));
        }
    }
    spng_exif exif {};
    if (spng_get_exif(context, &exif) == 0 && exif.data && exif.length > 0) {
        std::string bytes(kExifHeader, sizeof kExifHeader);
        bytes.append(exif.data, exif.length);
        SetProfile(image, "exif", bytes, dropped);
    }
    ReadText(context, image, dropped);
}

// The orientation as ImageMagick's readers leave it: from the EXIF
// orientation (the profile or a text chunk), else a TIFF orientation text.
void TakeOrientation(Magick::Image& image)
{
    std::string value = image.attribute("exif:Orientation");
    if (value.empty())
        value = image.attribute("tiff:Orientation");
    if (value.empty())
        return;
    const long orientation = std::strtol(value.c_str(), nullptr, 10);
    if (orientation >= 0 && orientation <= 8)
        image.orientation(Magick::OrientationType(orientation));
    MagickCompat::DeleteProperty(image, "exif:Orientation");
    MagickCompat::DeleteProperty(image, "tiff:Orientation");
}

// Moves the red, green and blue samples of RGBA pixels to the front,
// leaving RGB pixels.
void DropAlpha(uint16_t* samples, size_t pixels)
{
    for (size_t i = 0; i < pixels; ++i) {
        samples[i * 3] = samples[i * 4];
        samples[i * 3 + 1] = samples[i * 4 + 1];
        samples[i * 3 + 2] = samples[i * 4 + 2];
    }
}

// How the rows of a PNG are decoded (RGB or RGBA, 8 or 16 bits a sample)
// and handed to the image.
struct RowLayout
{
    bool alpha = false;
    bool wide = false;
    int format = SPNG_FMT_RGB8;
    size_t rowBytes = 0;
};

RowLayout LayoutOf(spng_ctx* context, const spng_ihdr& header)
{
    RowLayout layout;
    spng_trns transparency {};
    layout.wide = header.bit_depth == 16;
    layout.alpha = header.color_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA
        || header.color_type == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA || spng_get_trns(context, &transparency) == 0;
    // 8-bit samples of an opaque file come as RGB; everything else as RGBA
    // (alpha dropped before the import from 16-bit samples of an opaque file).
    const bool rgb = !layout.wide && !layout.alpha;
    layout.format = layout.wide ? SPNG_FMT_RGBA16 : rgb ? SPNG_FMT_RGB8 : SPNG_FMT_RGBA8;
    layout.rowBytes = size_t(header.width) * (rgb ? 3 : 4) * (layout.wide ? 2 : 1);
    return layout;
}

// Hands one decoded row to the image.
void ImportRow(Magick::Image& image, const RowLayout& layout, size_t index, unsigned char* row)
{
    if (layout.wide && !layout.alpha)
        DropAlpha(reinterpret_cast<uint16_t*>(row), image.columns());
    if (!MagickCompat::ImportRows(image, index, 1, layout.alpha, layout.wide, row))
        throw std::runtime_error("cannot set the pixels");
}

// Decodes the image data row by row, so that a file cut short keeps the
// rows it holds; `damage` then says where the data ended. Rows go straight
// into the image; the passes of an interlaced file fill the rows piecemeal
// and gather in one buffer first. Pixels not reached are zero (black, and
// transparent where there is alpha). 0, or the error when not a row could
// be read. Throws std::runtime_error when the image's pixels cannot be had.
int DecodeRows(spng_ctx* context, const spng_ihdr& header, const RowLayout& layout, Magick::Image& image,
               QString& damage)
{
    size_t length = 0;
    int code = spng_decoded_image_size(context, layout.format, &length);
    if (code == 0 && (layout.rowBytes == 0 || length / layout.rowBytes != header.height))
        code = SPNG_EOVERFLOW;
    const bool interlaced = header.interlace_method != SPNG_INTERLACE_NONE;
    std::unique_ptr<unsigned char[]> buffer;
    if (code == 0) {
        buffer.reset(new (std::nothrow) unsigned char[interlaced ? length : layout.rowBytes]);
        code = buffer ? 0 : SPNG_EMEM;
    }
    if (code == 0 && interlaced)
        std::memset(buffer.get(), 0, length);
    if (code == 0)
        code = spng_decode_image(context, nullptr, 0, layout.format, SPNG_DECODE_TRNS | SPNG_DECODE_PROGRESSIVE);
    if (code != 0)
        return code;
    image = MagickCompat::UnfilledImage(header.width, header.height, layout.alpha, layout.wide ? 16 : 8);

    size_t rowsDone = 0;
    spng_row_info row {};
    do {
        code = spng_get_row_info(context, &row);
        if (code != 0)
            break;
        unsigned char* target = interlaced ? buffer.get() + size_t(row.row_num) * layout.rowBytes : buffer.get();
        code = spng_decode_row(context, target, layout.rowBytes);
        if (code == 0 || code == SPNG_EOI) {
            ++rowsDone;
            if (!interlaced)
                ImportRow(image, layout, row.row_num, target);
        }
    } while (code == 0);
    if (code == SPNG_EOI) {
        // Chunks after the image data (text, EXIF); damage there costs no pixel.
        spng_decode_chunks(context);
    } else {
        if (rowsDone == 0)
            return code;
        if (interlaced) {
            damage = QString("%1 (interlace pass %2 of 7 incomplete)").arg(Reason(code)).arg(row.pass + 1);
        } else {
            const size_t kept = std::min<size_t>(rowsDone, header.height);
            std::memset(buffer.get(), 0, layout.rowBytes);
            for (size_t missing = kept; missing < header.height; ++missing)
                ImportRow(image, layout, missing, buffer.get());
            damage = QString("%1 (image data ends after %2 of %3 rows)").arg(Reason(code)).arg(kept).arg(header.height);
        }
    }
    for (size_t r = 0; interlaced && r < header.height; ++r)
        ImportRow(image, layout, r, buffer.get() + r * layout.rowBytes);
    return 0;
}

// What the chunks say about the decoded image; what was left out of it goes
// to `dropped`.
void FinishImage(spng_ctx* context, const spng_ihdr& header, const RowLayout& layout, Magick::Image& built,
                 QStringList& dropped)
{
    const bool grey = header.color_type == SPNG_COLOR_TYPE_GRAYSCALE
        || header.color_type == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA;
    built.magick("PNG");
    built.depth(layout.wide ? 16 : 8);
    if (grey)
        MagickCompat::TagGrey(built);
    if (!layout.alpha)
        MagickCompat::SetAlpha(built, false);
    ReadColourChunks(context, built, grey, dropped);
    ReadOtherChunks(context, built, header, dropped);
    TakeOrientation(built);
}

// The ancillary chunks the reader takes over, what each holds as the run
// log names it, and whether the decoder kept one.
struct TakenChunk
{
    const char* type;
    const char* what;
    bool (*kept)(spng_ctx*);
};

const TakenChunk kTakenChunks[] = {
    {"iCCP", "ICC profile", [](spng_ctx* c) { spng_iccp v {}; return spng_get_iccp(c, &v) == 0; }},
    {"sRGB", "sRGB intent", [](spng_ctx* c) { uint8_t v = 0; return spng_get_srgb(c, &v) == 0; }},
    {"gAMA", "gamma", [](spng_ctx* c) { double v = 0; return spng_get_gama(c, &v) == 0; }},
    {"cHRM", "chromaticities", [](spng_ctx* c) { spng_chrm v {}; return spng_get_chrm(c, &v) == 0; }},
    {"pHYs", "resolution", [](spng_ctx* c) { spng_phys v {}; return spng_get_phys(c, &v) == 0; }},
    {"bKGD", "background colour", [](spng_ctx* c) { spng_bkgd v {}; return spng_get_bkgd(c, &v) == 0; }},
    {"eXIf", "EXIF", [](spng_ctx* c) { spng_exif v {}; return spng_get_exif(c, &v) == 0; }},
};

// The chunks the file held that the decoder left out without a word: one
// that is damaged (a wrong checksum, a profile that does not inflate, a
// text without a valid keyword) is skipped as if it were not there.
void NoteSkippedChunks(spng_ctx* context, const CPngChunkTally& chunks, QStringList& dropped)
{
    for (const TakenChunk& chunk : kTakenChunks) {
        if (chunks.Count(chunk.type) > 0 && !chunk.kept(context))
            dropped.append(QString::fromLatin1(chunk.what));
    }
    uint32_t texts = 0;
    if (spng_get_text(context, nullptr, &texts) != 0)
        texts = 0;
    if (chunks.Count("tEXt") + chunks.Count("zTXt") + chunks.Count("iTXt") > int(texts))
        dropped.append(QStringLiteral("text"));
}

struct FileCloser
{
    void operator()(FILE* file) const { std::fclose(file); }
};

// Where the decoder's bytes come from: a file, or bytes in memory. Every
// byte handed over goes by the chunk tally.
struct Source
{
    FILE* file = nullptr;
    const char* data = nullptr;
    size_t left = 0;
    CPngChunkTally chunks;
};

// The bytes of the source, as the decoder asks for them.
int ReadSource(spng_ctx*, void* user, void* destination, size_t length)
{
    Source& source = *static_cast<Source*>(user);
    if (source.file) {
        if (std::fread(destination, 1, length, source.file) != length)
            return std::ferror(source.file) ? SPNG_IO_ERROR : SPNG_IO_EOF;
    } else {
        if (length > source.left)
            return SPNG_IO_EOF;
        std::memcpy(destination, source.data, length);
        source.data += length;
        source.left -= length;
    }
    source.chunks.Feed(destination, length);
    return 0;
}

spng_ctx* NewContext()
{
    spng_ctx* context = spng_ctx_new(0);
    if (context)
        spng_set_chunk_limits(context, kChunkLimit, kChunkCacheLimit);
    return context;
}

// Decodes the PNG the context reads from `source`.
CPngCodec::ReadResult DecodeFrom(spng_ctx* context, const Source& source, Magick::Image& image)
{
    CPngCodec::ReadResult result;
    spng_ihdr header {};
    int code = spng_get_ihdr(context, &header);
    if (code != 0) {
        result.error = Reason(code);
        return result;
    }
    // A header that declares more pixels than one photo may have is refused
    // before any memory is taken for them.
    result.error = CMagickRuntime::CheckPhotoSize(header.width, header.height);
    if (result.error.isEmpty() && !MagickCompat::WithinSizeLimits(header.width, header.height))
        result.error = QStringLiteral("width or height exceeds limit");
    if (!result.error.isEmpty())
        return result;

    const RowLayout layout = LayoutOf(context, header);
    Magick::Image built;
    try {
        code = DecodeRows(context, header, layout, built, result.damage);
        if (code != 0) {
            result.error = Reason(code);
            return result;
        }
        QStringList dropped;
        FinishImage(context, header, layout, built, dropped);
        // Of a file whose image data ends early, the chunks after it were
        // never reached: the damage says it all.
        if (result.damage.isEmpty())
            NoteSkippedChunks(context, source.chunks, dropped);
        dropped.removeDuplicates();
        result.dropped = dropped.join(QStringLiteral(", "));
    } catch (const std::exception& error) {
        result.error = QString::fromUtf8(error.what());
        result.damage.clear();
        return result;
    }
    image = built;
    result.ok = true;
    return result;
}

} // namespace

bool CPngCodec::IsPng(const char* data, size_t size)
{
    return data && size >= sizeof kSignature && std::memcmp(data, kSignature, sizeof kSignature) == 0;
}

bool CPngCodec::IsPngFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(sizeof kSignature);
    return IsPng(head.constData(), size_t(head.size()));
}

bool CPngCodec::DeclaredSize(const QString& path, size_t& width, size_t& height)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(33);
    Context context(spng_ctx_new(0));
    if (!context || !IsPng(head.constData(), size_t(head.size())))
        return false;
    spng_set_png_buffer(context.get(), head.constData(), size_t(head.size()));
    spng_ihdr header {};
    if (spng_get_ihdr(context.get(), &header) != 0)
        return false;
    width = header.width;
    height = header.height;
    return true;
}

void CPngCodec::ReadImageFile(const QString& path, Magick::Image& image)
{
    if (!IsPngFile(path)) {
        image.read(MagickCompat::FileToRead(path));
        return;
    }
    const ReadResult result = ReadFile(path, image);
    if (!result.ok)
        throw Magick::ErrorCorruptImage(result.error.toStdString() + " `" + path.toStdString() + "'");
    if (!result.damage.isEmpty())
        throw Magick::WarningCorruptImage(result.damage.toStdString() + " `" + path.toStdString() + "'");
}

CPngCodec::ReadResult CPngCodec::ReadFile(const QString& path, Magick::Image& image)
{
    ReadResult result;
    // Read as the decoder asks for the bytes: a photo's file is not held in
    // memory as a whole beside its pixels.
    const std::unique_ptr<FILE, FileCloser> file(std::fopen(QFile::encodeName(path).constData(), "rbe"));
    char head[sizeof kSignature] = {};
    if (!file || std::fread(head, 1, sizeof head, file.get()) != sizeof head || std::fseek(file.get(), 0, SEEK_SET) != 0) {
        result.error = file && !std::ferror(file.get()) ? QStringLiteral("not a PNG file")
                                                        : QString::fromLocal8Bit(std::strerror(errno));
        return result;
    }
    if (!IsPng(head, sizeof head)) {
        result.error = QStringLiteral("not a PNG file");
        return result;
    }
    Source source;
    source.file = file.get();
    const Context context(NewContext());
    if (!context || spng_set_png_stream(context.get(), ReadSource, &source) != 0) {
        result.error = QStringLiteral("out of memory");
        return result;
    }
    result = DecodeFrom(context.get(), source, image);
    if (!result.ok && std::ferror(file.get()))
        result.error = QString::fromLocal8Bit(std::strerror(errno));
    // The file's name goes with the image, as with ImageMagick's readers.
    if (result.ok)
        image.fileName(MagickCompat::FileToRead(path));
    return result;
}

CPngCodec::ReadResult CPngCodec::Decode(const char* data, size_t size, Magick::Image& image)
{
    ReadResult result;
    if (!IsPng(data, size)) {
        result.error = QStringLiteral("not a PNG file");
        return result;
    }
    Source source;
    source.data = data;
    source.left = size;
    const Context context(NewContext());
    if (!context || spng_set_png_stream(context.get(), ReadSource, &source) != 0) {
        result.error = QStringLiteral("out of memory");
        return result;
    }
    return DecodeFrom(context.get(), source, image);
}
