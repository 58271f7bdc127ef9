#include "CPngCodec.h"

#include "CPngRowEncoder.h"
#include "MagickCompat.h"
#include "XmpOrientation.h"

#include <spng.h>

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

struct ContextDeleter
{
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};
using Context = std::unique_ptr<spng_ctx, ContextDeleter>;

struct FreeDeleter
{
    void operator()(void* memory) const { std::free(memory); }
};

// The EXIF block in ImageMagick's "exif" profile starts with this header,
// which the PNG chunk leaves out.
constexpr char kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};
// Text chunks at least this long are compressed, as ImageMagick does.
constexpr size_t kCompressTextFrom = 128;

QString Reason(int code)
{
    return QString::fromUtf8(spng_strerror(code));
}

struct Layout
{
    uint8_t colourType = SPNG_COLOR_TYPE_TRUECOLOR;
    uint8_t bitDepth = 8;
    std::vector<uint32_t> palette; // RGBA, packed as R | G << 8 | B << 16 | A << 24
    bool keyed = false;  // transparent pixels are those of colour `key` (RGB)
    uint32_t key = 0;
};

// The image's 8-bit samples, RGB (3 per pixel) for an image without alpha,
// else RGBA (4).
struct Samples
{
    std::vector<unsigned char> data;
    size_t channels = 3;

    size_t Size() const { return data.size(); }
    unsigned char Alpha(size_t i) const { return channels == 4 ? data[i + 3] : 255; }
    // R | G << 8 | B << 16 | A << 24 of the pixel at sample i.
    uint32_t Pack(size_t i) const
    {
        return uint32_t(data[i]) | uint32_t(data[i + 1]) << 8 | uint32_t(data[i + 2]) << 16
            | uint32_t(Alpha(i)) << 24;
    }
    bool IsGrey(size_t i) const { return data[i] == data[i + 1] && data[i] == data[i + 2]; }
};

// The smallest bit depth (1, 2, 4 or 8) that holds every grey level.
uint8_t GreyDepth(const Samples& samples)
{
    bool fits1 = true, fits2 = true, fits4 = true;
    for (size_t i = 0; i < samples.Size() && fits4; i += samples.channels) {
        const unsigned v = samples.data[i];
        fits1 = fits1 && (v == 0 || v == 255);
        fits2 = fits2 && v % 85 == 0;
        fits4 = fits4 && v % 17 == 0;
    }
    return fits1 ? 1 : fits2 ? 2 : fits4 ? 4 : 8;
}

// A colour that no opaque pixel has, to stand for the transparent pixels of
// an image whose pixels are either opaque or wholly transparent; grey when
// `grey`. The first transparent pixel's own colour when it will do.
bool FindKey(const Samples& samples, bool grey, uint32_t& key)
{
    std::vector<bool> used(size_t(1) << 24, false);
    size_t firstTransparent = samples.Size();
    for (size_t i = 0; i < samples.Size(); i += samples.channels) {
        if (samples.Alpha(i) == 255)
            used[samples.Pack(i) & 0xffffff] = true;
        else if (firstTransparent == samples.Size())
            firstTransparent = i;
    }
    if (firstTransparent == samples.Size())
        return false;
    const uint32_t own = samples.Pack(firstTransparent) & 0xffffff;
    if (!used[own] && (!grey || samples.IsGrey(firstTransparent))) {
        key = own;
        return true;
    }
    for (uint32_t level = 0; level < 256; ++level) {
        const uint32_t candidate = grey ? level * 0x010101u : level;
        if (!used[candidate]) {
            key = candidate;
            return true;
        }
    }
    return false;
}

Layout ChooseLayout(Samples& samples)
{
    bool opaque = true;
    bool binary = true;      // every alpha is 0 or 255
    bool grey = true;        // every pixel is grey
    bool greyOpaque = true;  // every opaque pixel is grey
    const size_t n = samples.channels;
    for (size_t i = 0; i < samples.Size() && (grey || greyOpaque || n == 4); i += n) {
        const unsigned char alpha = samples.Alpha(i);
        const bool isGrey = samples.IsGrey(i);
        opaque = opaque && alpha == 255;
        binary = binary && (alpha == 0 || alpha == 255);
        grey = grey && isGrey;
        greyOpaque = greyOpaque && (isGrey || alpha != 255);
    }
    Layout layout;
    // Binary transparency goes into one key colour where one is free, as
    // ImageMagick's coder writes it.
    if (!opaque && binary && FindKey(samples, greyOpaque, layout.key)) {
        layout.keyed = true;
        for (size_t i = 0; i < samples.Size(); i += n) {
            if (samples.Alpha(i) == 0) {
                samples.data[i] = uint8_t(layout.key);
                samples.data[i + 1] = uint8_t(layout.key >> 8);
                samples.data[i + 2] = uint8_t(layout.key >> 16);
            }
        }
        grey = greyOpaque;
    }
    const bool noAlphaChannel = opaque || layout.keyed;
    if (grey && noAlphaChannel) {
        layout.colourType = SPNG_COLOR_TYPE_GRAYSCALE;
        layout.bitDepth = GreyDepth(samples);
        return layout;
    }
    if (grey) {
        layout.colourType = SPNG_COLOR_TYPE_GRAYSCALE_ALPHA;
        return layout;
    }
    std::unordered_map<uint32_t, int> seen;
    seen.reserve(512);
    for (size_t i = 0; i < samples.Size(); i += n) {
        if (seen.emplace(samples.Pack(i), 0).second && seen.size() > 256)
            break;
    }
    if (seen.size() <= 256) {
        layout.keyed = false;
        layout.colourType = SPNG_COLOR_TYPE_INDEXED;
        // Transparent entries first, so the transparency chunk stays short.
        for (const auto& entry : seen)
            layout.palette.push_back(entry.first);
        std::sort(layout.palette.begin(), layout.palette.end(), [](uint32_t a, uint32_t b) {
            const uint32_t alphaA = a >> 24, alphaB = b >> 24;
            return alphaA != alphaB ? alphaA < alphaB : (a & 0xffffff) < (b & 0xffffff);
        });
        const size_t entries = layout.palette.size();
        layout.bitDepth = entries <= 2 ? 1 : entries <= 4 ? 2 : entries <= 16 ? 4 : 8;
        return layout;
    }
    layout.colourType = noAlphaChannel ? SPNG_COLOR_TYPE_TRUECOLOR : SPNG_COLOR_TYPE_TRUECOLOR_ALPHA;
    return layout;
}

// The rows in the layout's own format, samples of less than 8 bits packed
// from the high bit down. The samples are taken over where they already are
// in that format.
std::vector<unsigned char> PackRows(Samples& samples, size_t width, size_t height, const Layout& layout)
{
    const size_t pixels = width * height;
    const size_t n = samples.channels;
    std::vector<unsigned char> out;
    if ((layout.colourType == SPNG_COLOR_TYPE_TRUECOLOR && n == 3)
        || (layout.colourType == SPNG_COLOR_TYPE_TRUECOLOR_ALPHA && n == 4))
        return std::move(samples.data);
    switch (layout.colourType) {
    case SPNG_COLOR_TYPE_TRUECOLOR:
        out.resize(pixels * 3);
        for (size_t i = 0; i < pixels; ++i)
            std::memcpy(&out[i * 3], &samples.data[i * n], 3);
        return out;
    case SPNG_COLOR_TYPE_GRAYSCALE_ALPHA:
        out.resize(pixels * 2);
        for (size_t i = 0; i < pixels; ++i) {
            out[i * 2] = samples.data[i * n];
            out[i * 2 + 1] = samples.Alpha(i * n);
        }
        return out;
    default:
        break;
    }
    std::unordered_map<uint32_t, uint8_t> index;
    for (size_t i = 0; i < layout.palette.size(); ++i)
        index.emplace(layout.palette[i], uint8_t(i));
    const unsigned depth = layout.bitDepth;
    const size_t rowBytes = (width * depth + 7) / 8;
    out.assign(rowBytes * height, 0);
    for (size_t y = 0; y < height; ++y) {
        unsigned char* row = &out[y * rowBytes];
        for (size_t x = 0; x < width; ++x) {
            const size_t at = (y * width + x) * n;
            unsigned value;
            if (layout.colourType == SPNG_COLOR_TYPE_GRAYSCALE)
                value = depth == 8 ? samples.data[at] : samples.data[at] / (255u / ((1u << depth) - 1));
            else
                value = index.at(samples.Pack(at));
            if (depth == 8) {
                row[x] = uint8_t(value);
            } else {
                const size_t bit = x * depth;
                row[bit / 8] |= uint8_t(value << (8 - depth - bit % 8));
            }
        }
    }
    return out;
}

// The zlib settings of an ImageMagick quality, as its PNG coder takes it:
// the tens give the level (below 10: Huffman coding only, unfiltered); the
// units 1 to 4 leave the rows unfiltered, 0 and 5 to 7 filter them
// adaptively, 8 and 9 filter adaptively with run-length coding. No quality
// (0) stands for 75.
struct Compression
{
    int level = 7;
    int strategy = 0;
    int filters = SPNG_FILTER_CHOICE_ALL;
};

Compression CompressionOf(size_t quality, const Layout& layout)
{
    constexpr int zDefault = 0, zFiltered = 1, zHuffmanOnly = 2, zRle = 3;
    if (quality == 0)
        quality = 75;
    quality = std::min<size_t>(quality, 100);
    Compression c;
    if (quality < 10) {
        c.level = 6;
        c.strategy = zHuffmanOnly;
        c.filters = SPNG_FILTER_CHOICE_NONE;
        return c;
    }
    const unsigned units = unsigned(quality % 10);
    c.level = int(std::min<size_t>(quality / 10, 9));
    // Palettes and samples of less than 8 bits are never filtered.
    const bool packed = layout.colourType == SPNG_COLOR_TYPE_INDEXED || layout.bitDepth < 8;
    if ((units >= 1 && units <= 4) || packed) {
        c.filters = SPNG_FILTER_CHOICE_NONE;
        c.strategy = zDefault;
    } else {
        c.filters = SPNG_FILTER_CHOICE_ALL;
        c.strategy = units >= 8 ? zRle : zFiltered;
    }
    return c;
}

// ICC profiles of sRGB that ImageMagick writes as the sRGB chunk instead, by
// length, with the rendering intent they stand for.
int SrgbProfileIntent(const Magick::Blob& icc)
{
    static const struct { size_t length; int intent; } known[] = {
        {3048, 0}, {3052, 1}, {60988, 0}, {60960, 0}, {3024, 1}, {3144, 0},
    };
    if (icc.length() < 132)
        return -1;
    const std::string bytes(static_cast<const char*>(icc.data()), icc.length());
    if (bytes.find("sRGB") == std::string::npos)
        return -1;
    for (const auto& entry : known) {
        if (entry.length == icc.length())
            return entry.intent;
    }
    return -1;
}

// libspng keeps pointers to the data of the chunks it is given until the
// file is encoded: the blobs live here until then.
struct ChunkData
{
    Magick::Blob icc;
    Magick::Blob exif;
    std::vector<std::string> texts;
};

bool SetColourChunks(spng_ctx* context, const Magick::Image& image, const Layout& layout, ChunkData& keep)
{
    const bool grey = layout.colourType == SPNG_COLOR_TYPE_GRAYSCALE
        || layout.colourType == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA;
    keep.icc = MagickCompat::StoredProfile(image, "icc");
    const Magick::Blob& icc = keep.icc;
    if (icc.length() > 0) {
        const int intent = SrgbProfileIntent(icc);
        if (intent >= 0)
            return spng_set_srgb(context, uint8_t(intent)) == 0;
        // A grey PNG cannot carry an RGB profile: it is left out.
        const bool greyProfile = icc.length() >= 20 && std::memcmp(static_cast<const char*>(icc.data()) + 16, "GRAY", 4) == 0;
        if (grey == greyProfile) {
            spng_iccp iccp {};
            std::strcpy(iccp.profile_name, "icc");
            iccp.profile_len = icc.length();
            iccp.profile = const_cast<char*>(static_cast<const char*>(icc.data()));
            spng_set_iccp(context, &iccp);
        }
    } else if (image.gamma() > 0.0 && MagickCompat::StoredProfile(image, "xmp").length() == 0) {
        // (ImageMagick's writer leaves the gamma out beside an XMP packet.)
        spng_set_gama_int(context, uint32_t(std::lround(image.gamma() * 100000.0)));
    }
    if (!grey) {
        const MagickCompat::Chromaticity c = MagickCompat::GetChromaticity(image);
        if (c.white[0] > 0.0 && c.white[1] > 0.0) {
            spng_chrm chrm {c.white[0], c.white[1], c.red[0], c.red[1], c.green[0], c.green[1], c.blue[0], c.blue[1]};
            spng_set_chrm(context, &chrm);
        }
    }
    return true;
}

// A density as the pHYs chunk holds it: truncated, 1 to 2^31 - 1 (the
// format's limit for its numbers); 0 for any other, and then no chunk is
// written (a resize record of a job file can ask for any density).
uint32_t PhysUnits(double value)
{
    return value >= 1.0 && value <= 2147483647.0 ? uint32_t(value) : 0;
}

void SetResolution(spng_ctx* context, const Magick::Image& image)
{
    const double x = MagickCompat::XResolution(image);
    const double y = MagickCompat::YResolution(image);
    if (x <= 0.0 || y <= 0.0)
        return;
    spng_phys phys {};
    switch (image.resolutionUnits()) {
    case Magick::PixelsPerInchResolution:
        phys = {PhysUnits((100.0 * x + 0.5) / 2.54), PhysUnits((100.0 * y + 0.5) / 2.54), 1};
        break;
    case Magick::PixelsPerCentimeterResolution:
        phys = {PhysUnits(100.0 * x + 0.5), PhysUnits(100.0 * y + 0.5), 1};
        break;
    default:
        phys = {PhysUnits(x + 0.5), PhysUnits(y + 0.5), 0};
        break;
    }
    if (phys.ppu_x > 0 && phys.ppu_y > 0)
        spng_set_phys(context, &phys);
}

void SetBackground(spng_ctx* context, const Magick::Image& image, const Layout& layout)
{
    if (layout.colourType == SPNG_COLOR_TYPE_INDEXED)
        return;
    unsigned r = 0, g = 0, b = 0;
    MagickCompat::GetBackground8(image, r, g, b);
    spng_bkgd background {};
    if (layout.colourType == SPNG_COLOR_TYPE_GRAYSCALE || layout.colourType == SPNG_COLOR_TYPE_GRAYSCALE_ALPHA) {
        const unsigned maxValue = (1u << layout.bitDepth) - 1;
        background.gray = uint16_t((r * maxValue + 127) / 255);
    } else {
        background.red = uint16_t(r);
        background.green = uint16_t(g);
        background.blue = uint16_t(b);
    }
    spng_set_bkgd(context, &background);
}

void SetTime(spng_ctx* context)
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    spng_time time {uint16_t(now.date().year()), uint8_t(now.date().month()), uint8_t(now.date().day()),
                    uint8_t(now.time().hour()), uint8_t(now.time().minute()), uint8_t(now.time().second())};
    spng_set_time(context, &time);
}

void SetExif(spng_ctx* context, const Magick::Image& image, ChunkData& keep)
{
    keep.exif = MagickCompat::StoredProfile(image, "exif");
    const Magick::Blob& profile = keep.exif;
    const char* data = static_cast<const char*>(profile.data());
    size_t length = profile.length();
    if (length >= sizeof kExifHeader && std::memcmp(data, kExifHeader, sizeof kExifHeader) == 0) {
        data += sizeof kExifHeader;
        length -= sizeof kExifHeader;
    }
    if (length < 8)
        return;
    spng_exif exif {length, const_cast<char*>(data)};
    spng_set_exif(context, &exif);
}

// ImageMagick's "Raw profile type NAME" text for a profile's bytes.
std::string EncodeRawProfile(const std::string& name, const QByteArray& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string text = "\n" + name + "\n" + QString::number(bytes.size()).rightJustified(8).toStdString();
    text.reserve(text.size() + size_t(bytes.size()) * 2 + size_t(bytes.size()) / 36 + 2);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (i % 36 == 0)
            text += '\n';
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    text += '\n';
    return text;
}

// The XMP packet as ImageMagick's raw profile text, its orientation that
// of the image (as the EXIF record's is).
void AddXmp(const Magick::Image& image, std::vector<std::pair<std::string, std::string>>& properties)
{
    const Magick::Blob blob = MagickCompat::StoredProfile(image, "xmp");
    if (blob.length() == 0)
        return;
    QByteArray packet(static_cast<const char*>(blob.data()), qsizetype(blob.length()));
    packet = XmpOrientation::WithOrientation(packet, int(image.orientation()));
    properties.emplace_back("Raw profile type xmp", EncodeRawProfile("xmp", packet));
}

// A keyword PNG allows: 1 to 79 printable Latin-1 characters, no space at
// either end and no two in a row.
bool IsKeyword(const std::string& key)
{
    if (key.empty() || key.size() > 79 || key.front() == ' ' || key.back() == ' ')
        return false;
    for (size_t i = 0; i < key.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(key[i]);
        if (c < 32 || (c > 126 && c < 161) || (c == ' ' && key[i + 1] == ' '))
            return false;
    }
    return true;
}

bool IsPrintableLatin1(const std::string& text)
{
    for (unsigned char c : text) {
        if ((c < 32 && c != '\n') || (c > 126 && c < 161))
            return false;
    }
    return true;
}

// A property that holds an orientation: the EXIF profile is the one record
// of it that a written file keeps.
bool IsOrientationProperty(const std::string& name)
{
    static const std::string suffix = ":orientation";
    if (name.size() < suffix.size())
        return false;
    std::string tail = name.substr(name.size() - suffix.size());
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return tail == suffix;
}

// The properties as text chunks, as ImageMagick writes them: all but its
// own notes on the PNG and JPEG read, the resolution (the pHYs chunk holds
// it) and the orientation.
void SetText(spng_ctx* context, const Magick::Image& image, std::vector<std::string>& keep)
{
    std::vector<spng_text> texts;
    auto properties = MagickCompat::Properties(image);
    AddXmp(image, properties);
    keep.reserve(properties.size() * 2);
    for (const auto& [name, value] : properties) {
        if (name.compare(0, 4, "png:") == 0 || name.compare(0, 5, "jpeg:") == 0 || name == "density"
            || name == "units" || IsOrientationProperty(name) || !IsKeyword(name))
            continue;
        spng_text text {};
        std::strncpy(text.keyword, name.c_str(), sizeof text.keyword - 1);
        if (name.compare(0, 17, "Raw profile type ") == 0) {
            text.type = SPNG_ZTXT;
        } else if (IsPrintableLatin1(value)) {
            text.type = value.size() >= kCompressTextFrom ? SPNG_ZTXT : SPNG_TEXT;
        } else {
            // Anything else is taken as UTF-8 text.
            text.type = SPNG_ITXT;
            text.compression_flag = value.size() >= kCompressTextFrom ? 1 : 0;
        }
        keep.push_back(value);
        texts.push_back(text);
    }
    static char empty[] = "";
    for (size_t i = 0; i < texts.size(); ++i) {
        texts[i].text = keep[i].data();
        texts[i].length = keep[i].size();
        texts[i].language_tag = empty;
        texts[i].translated_keyword = empty;
    }
    if (!texts.empty() && spng_set_text(context, texts.data(), uint32_t(texts.size())) != 0) {
        // One entry libspng refuses (iTXt that is not UTF-8, say) would lose
        // them all: set them one at a time and leave the bad ones out.
        std::vector<spng_text> good;
        for (const spng_text& text : texts) {
            Context probe(spng_ctx_new(SPNG_CTX_ENCODER));
            spng_text copy = text;
            if (probe && spng_set_text(probe.get(), &copy, 1) == 0)
                good.push_back(text);
        }
        if (!good.empty())
            spng_set_text(context, good.data(), uint32_t(good.size()));
    }
}

// The image's samples, RGB where it has no alpha channel.
Samples ExportSamples(Magick::Image& image)
{
    Samples samples;
    samples.channels = MagickCompat::HasAlpha(image) ? 4 : 3;
    samples.data.resize(image.columns() * image.rows() * samples.channels);
    image.write(0, 0, image.columns(), image.rows(), samples.channels == 4 ? "RGBA" : "RGB", Magick::CharPixel,
                samples.data.data());
    return samples;
}

CPngRowEncoder::SSettings RowSettings(const Compression& compression)
{
    CPngRowEncoder::SSettings settings;
    settings.level = compression.level;
    settings.strategy = compression.strategy;
    settings.adaptive = compression.filters != SPNG_FILTER_CHOICE_NONE;
    return settings;
}

// How far back the row filters look: the bytes of a pixel, at least one.
unsigned PixelBytes(const Layout& layout)
{
    unsigned channels = 1;
    switch (layout.colourType) {
    case SPNG_COLOR_TYPE_TRUECOLOR: channels = 3; break;
    case SPNG_COLOR_TYPE_TRUECOLOR_ALPHA: channels = 4; break;
    case SPNG_COLOR_TYPE_GRAYSCALE_ALPHA: channels = 2; break;
    default: break;
    }
    return std::max(1u, channels * layout.bitDepth / 8);
}

bool IsInterlaced(const Magick::Image& image)
{
    const Magick::InterlaceType interlace = MagickCompat::WriteInterlace(image);
    return interlace != Magick::NoInterlace && interlace != Magick::UndefinedInterlace;
}

int AppendToByteArray(spng_ctx*, void* user, void* data, size_t length)
{
    static_cast<QByteArray*>(user)->append(static_cast<const char*>(data), qsizetype(length));
    return 0;
}

void SetCompression(spng_ctx* context, const Compression& compression)
{
    spng_set_option(context, SPNG_IMG_COMPRESSION_LEVEL, compression.level);
    spng_set_option(context, SPNG_IMG_COMPRESSION_STRATEGY, compression.strategy);
    spng_set_option(context, SPNG_FILTER_CHOICE, compression.filters);
}

// The header, the palette with its transparency, or the key colour.
int SetHeader(spng_ctx* context, const Magick::Image& image, const Layout& layout)
{
    spng_ihdr header {};
    header.width = uint32_t(image.columns());
    header.height = uint32_t(image.rows());
    header.bit_depth = layout.bitDepth;
    header.color_type = layout.colourType;
    header.interlace_method = IsInterlaced(image) ? SPNG_INTERLACE_ADAM7 : SPNG_INTERLACE_NONE;
    int code = spng_set_ihdr(context, &header);
    spng_trns transparency {};
    if (code == 0 && layout.colourType == SPNG_COLOR_TYPE_INDEXED) {
        spng_plte palette {};
        palette.n_entries = uint32_t(layout.palette.size());
        for (size_t i = 0; i < layout.palette.size(); ++i) {
            const uint32_t colour = layout.palette[i];
            palette.entries[i] = {uint8_t(colour), uint8_t(colour >> 8), uint8_t(colour >> 16), 255};
            if ((colour >> 24) != 0xff)
                transparency.type3_alpha[transparency.n_type3_entries++] = uint8_t(colour >> 24);
        }
        code = spng_set_plte(context, &palette);
        if (code == 0 && transparency.n_type3_entries > 0)
            code = spng_set_trns(context, &transparency);
    } else if (code == 0 && layout.keyed) {
        const unsigned step = 255u / ((1u << layout.bitDepth) - 1);
        transparency.gray = uint16_t((layout.key & 0xff) / step);
        transparency.red = uint16_t(layout.key & 0xff);
        transparency.green = uint16_t((layout.key >> 8) & 0xff);
        transparency.blue = uint16_t((layout.key >> 16) & 0xff);
        code = spng_set_trns(context, &transparency);
    }
    return code;
}

} // namespace

bool CPngCodec::Encode(const Magick::Image& source, QByteArray& out, QString* error)
{
    const auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    try {
        Magick::Image image = source;
        if (MagickCompat::IsCMYK(image))
            image.colorSpace(MagickCore::sRGBColorspace);
        // The EXIF orientation and resolution follow the image.
        if (MagickCompat::StoredProfile(image, "exif").length() > 0)
            MagickCompat::SyncProfiles(image);
        const size_t width = image.columns();
        const size_t height = image.rows();
        if (width == 0 || height == 0 || width > 0x7fffffff || height > 0x7fffffff)
            return fail("empty image");
        Samples samples = ExportSamples(image);
        const Layout layout = ChooseLayout(samples);
        const std::vector<unsigned char> rows = PackRows(samples, width, height, layout);
        samples.data = std::vector<unsigned char>();

        Context context(spng_ctx_new(SPNG_CTX_ENCODER));
        if (!context)
            return fail("out of memory");
        spng_ctx* c = context.get();
        // Interlaced files are left to libspng whole; so are 16-bit samples,
        // which it takes in the machine's byte order.
        const bool wholeByLibspng = IsInterlaced(image) || layout.bitDepth > 8;
        QByteArray file;
        if (wholeByLibspng)
            spng_set_option(c, SPNG_ENCODE_TO_BUFFER, 1);
        else
            spng_set_png_stream(c, AppendToByteArray, &file);
        const Compression compression = CompressionOf(image.quality(), layout);
        SetCompression(c, compression);
        ChunkData keep;
        int code = SetHeader(c, image, layout);
        if (code == 0 && !SetColourChunks(c, image, layout, keep))
            code = SPNG_EINTERNAL;
        if (code != 0)
            return fail(Reason(code));
        SetBackground(c, image, layout);
        SetResolution(c, image);
        SetTime(c);
        SetExif(c, image, keep);
        SetText(c, image, keep.texts);

        if (wholeByLibspng) {
            code = spng_encode_image(c, rows.data(), rows.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
            if (code != 0)
                return fail(Reason(code));
            size_t length = 0;
            std::unique_ptr<void, FreeDeleter> buffer(spng_get_png_buffer(c, &length, &code));
            if (!buffer || code != 0)
                return fail(Reason(code));
            out = QByteArray(static_cast<const char*>(buffer.get()), qsizetype(length));
            return true;
        }
        // libspng writes the signature and the chunks before the image
        // data; the rows are filtered and deflated here, to the same bytes.
        code = spng_encode_chunks(c);
        if (code != 0)
            return fail(Reason(code));
        file.reserve(file.size() + qsizetype(std::min<size_t>(rows.size() / 2, size_t(1) << 30)));
        const size_t rowBytes = rows.size() / height;
        if (!CPngRowEncoder::Encode(rows.data(), rowBytes, height, PixelBytes(layout), RowSettings(compression),
                                    file))
            return fail("zlib could not compress the image data");
        out = std::move(file);
        return true;
    } catch (const Magick::Exception& e) {
        return fail(QString::fromUtf8(e.what()));
    } catch (const std::exception& e) {
        return fail(QString::fromUtf8(e.what()));
    }
}
