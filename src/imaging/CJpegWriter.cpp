#include "CJpegWriter.h"

#include "MagickCompat.h"

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <strings.h>
#include <vector>

// libjpeg's headers want stdio first and are C.
extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

namespace {
// Bytes of file libjpeg fills before they go to the stream at once.
constexpr size_t kBufferBytes = 64 * 1024;
// JPEG's own largest side.
constexpr size_t kMaxSide = 65500;
// ImageMagick's quality when the image has none.
constexpr int kDefaultQuality = 92;
// libjpeg's value of the colour space ImageMagick writes RGB from; a photo
// read from a JPEG carries the one it was decoded to.
constexpr long kRgbColourSpace = JCS_RGB;
constexpr int kComponents = 3;
constexpr int kRowSamples = 4;

// Payload limits of one marker segment, as ImageMagick splits them.
constexpr size_t kMarkerPayload = 65533;
constexpr size_t kIccChunk = 65519;
constexpr size_t kIptcChunk = 65500;

const char kIccTag[] = "ICC_PROFILE";
const char kXmpNamespace[] = "http://ns.adobe.com/xap/1.0/ ";

struct SMarker
{
    int code;
    std::string bytes;
};

// Everything the encoder is told, decided before it starts.
struct SPlan
{
    unsigned width = 0;
    unsigned height = 0;
    int quality = kDefaultQuality;
    bool progressive = false;
    bool optimize = false;
    bool density = false;
    UINT16 xDensity = 1;
    UINT16 yDensity = 1;
    int densityUnit = -1; // -1: libjpeg's default
    // Sampling factors of the three components, or none (libjpeg's default).
    bool sampling = false;
    std::array<int, kComponents> h{};
    std::array<int, kComponents> v{};
    std::vector<SMarker> markers;
};

bool SameName(const std::string& name, const char* other)
{
    return ::strcasecmp(name.c_str(), other) == 0;
}

// "HxV,HxV,...": the factors of the first three components (the others
// 1x1); false for any other text or for factors libjpeg refuses.
bool ParseSamplingFactors(const std::string& text, SPlan& plan)
{
    plan.h.fill(1);
    plan.v.fill(1);
    size_t start = 0;
    for (int component = 0; start <= text.size(); ++component) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        start = comma + 1;
        unsigned h = 0;
        unsigned v = 0;
        char rest = 0;
        const int fields = std::sscanf(item.c_str(), "%ux%u%c", &h, &v, &rest);
        if (fields == 1 && item.find_first_not_of("0123456789") == std::string::npos)
            v = h;
        else if (fields != 2 || item.find_first_not_of("0123456789x") != std::string::npos)
            return false;
        if (component < kComponents) {
            plan.h[size_t(component)] = int(h);
            plan.v[size_t(component)] = int(v);
        }
    }
    int blocks = 0;
    const int maxH = *std::max_element(plan.h.begin(), plan.h.end());
    const int maxV = *std::max_element(plan.v.begin(), plan.v.end());
    for (int i = 0; i < kComponents; ++i) {
        const int h = plan.h[size_t(i)];
        const int v = plan.v[size_t(i)];
        if (h < 1 || h > MAX_SAMP_FACTOR || v < 1 || v > MAX_SAMP_FACTOR || maxH % h != 0 || maxV % v != 0)
            return false;
        blocks += h * v;
    }
    plan.sampling = true;
    return blocks <= C_MAX_BLOCKS_IN_MCU;
}

void AddChunked(SPlan& plan, int code, const std::string& bytes, size_t chunk)
{
    for (size_t i = 0; i < bytes.size(); i += chunk)
        plan.markers.push_back({code, bytes.substr(i, chunk)});
}

// The markers of one profile as ImageMagick writes them; false when it
// would write them in a way not reproduced here.
bool AddProfile(SPlan& plan, const std::string& name, const std::string& data, bool& iptcDone)
{
    if (::strncasecmp(name.c_str(), "APP", 3) == 0) {
        const std::string number = name.substr(3);
        if (number.empty() || number.size() > 2 || number.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const int n = std::atoi(number.c_str());
        if (n > 15)
            return false;
        AddChunked(plan, JPEG_APP0 + n, data, kMarkerPayload);
    } else if (SameName(name, "EXIF")) {
        if (data.size() > kMarkerPayload)
            return false;
        plan.markers.push_back({JPEG_APP0 + 1, data});
    } else if (SameName(name, "ICC")) {
        const size_t count = data.size() / kIccChunk + 1;
        if (count > 255)
            return false;
        for (size_t i = 0; i < data.size(); i += kIccChunk) {
            std::string bytes(kIccTag, sizeof kIccTag); // with its zero
            bytes += char(i / kIccChunk + 1);
            bytes += char(count);
            bytes += data.substr(i, kIccChunk);
            plan.markers.push_back({JPEG_APP0 + 2, std::move(bytes)});
        }
    } else if ((SameName(name, "IPTC") || SameName(name, "8BIM")) && !iptcDone) {
        iptcDone = true;
        // A Photoshop resource block goes as it is; bare IPTC data gets the
        // resource header of an IPTC record.
        const bool resources = data.compare(0, 4, "8BIM") == 0;
        for (size_t i = 0; i < data.size(); i += kIptcChunk) {
            const std::string part = data.substr(i, kIptcChunk);
            std::string bytes("Photoshop 3.0", 14);
            if (!resources) {
                bytes += std::string("8BIM\x04\x04\0\0\0\0", 10);
                bytes += char(part.size() >> 8);
                bytes += char(part.size() & 0xff);
            }
            bytes += part;
            if (part.size() & 1)
                bytes += '\0';
            plan.markers.push_back({JPEG_APP0 + 13, std::move(bytes)});
        }
    } else if (SameName(name, "XMP")) {
        if (data.size() >= kMarkerPayload - sizeof kXmpNamespace)
            return false;
        std::string bytes(kXmpNamespace);
        bytes.back() = '\0';
        plan.markers.push_back({JPEG_APP0 + 1, bytes + data});
    }
    return true;
}

bool AddMarkers(const Magick::Image& image, SPlan& plan)
{
    if (const char* comment = MagickCompat::PropertyValue(image, "comment"))
        AddChunked(plan, JPEG_COM, comment, kMarkerPayload);
    bool iptcDone = false;
    for (const auto& [name, data] : MagickCompat::Profiles(image)) {
        if (!AddProfile(plan, name, data, iptcDone))
            return false;
    }
    return true;
}

// The sampling factors ImageMagick picks: the write's own, else those of
// the JPEG the photo was read from (when it was decoded to RGB), else full
// chroma resolution from quality 90 on.
bool ChooseSampling(const Magick::Image& image, SPlan& plan)
{
    std::string factors = MagickCompat::WriteSamplingFactor(image);
    if (factors.empty()) {
        const char* space = MagickCompat::PropertyValue(image, "jpeg:colorspace");
        if (!space || std::strtol(space, nullptr, 10) == kRgbColourSpace) {
            if (const char* carried = MagickCompat::PropertyValue(image, "jpeg:sampling-factor"))
                factors = carried;
        }
    }
    if (!factors.empty())
        return ParseSamplingFactors(factors, plan);
    if (plan.quality >= 90) {
        plan.sampling = true;
        plan.h.fill(1);
        plan.v.fill(1);
    }
    return true;
}

// The JFIF density: whole numbers (cut, not rounded), the unit only when
// the image names inches or centimetres. False for values JFIF cannot hold.
bool ChooseDensity(const Magick::Image& image, SPlan& plan)
{
    const double x = MagickCompat::XResolution(image);
    const double y = MagickCompat::YResolution(image);
    if (!(x >= 0.0 && x < 65536.0 && y >= 0.0 && y < 65536.0))
        return false;
    if (x == 0.0 || y == 0.0)
        return true;
    plan.density = true;
    plan.xDensity = UINT16(x);
    plan.yDensity = UINT16(y);
    const Magick::ResolutionType units = image.resolutionUnits();
    if (units == Magick::PixelsPerInchResolution)
        plan.densityUnit = 1;
    else if (units == Magick::PixelsPerCentimeterResolution)
        plan.densityUnit = 2;
    return true;
}

// Why the image is left to ImageMagick's writer; empty when it is not.
std::string Decide(Magick::Image& image, SPlan& plan)
{
    const size_t columns = image.columns();
    const size_t rows = image.rows();
    if (columns == 0 || rows == 0 || columns > kMaxSide || rows > kMaxSide)
        return "size";
    if (image.colorSpace() != Magick::sRGBColorspace || image.classType() != Magick::DirectClass)
        return "not sRGB true colour";
    for (const std::string& name : MagickCompat::WriteOptionNames(image)) {
        // The JPEG decoder's scale hint says nothing about writing.
        if (name != "jpeg:size")
            return "write option " + name;
    }
    if (MagickCompat::WriteCompression(image) == Magick::LosslessJPEGCompression || image.quality() > 100)
        return "lossless";
    plan.width = unsigned(columns);
    plan.height = unsigned(rows);
    if (image.quality() != 0)
        plan.quality = int(image.quality());
    if (!ChooseDensity(image, plan))
        return "resolution";
    if (!ChooseSampling(image, plan))
        return "sampling factors";
    plan.progressive = MagickCompat::WriteInterlace(image) != Magick::NoInterlace;
    // As the library does: optimised tables only when its memory limit
    // would leave room for one more copy of the samples.
    plan.optimize = MagickCompat::MemoryAllows(static_cast<unsigned long long>(kComponents) * columns * rows);
    // The library's writers bring the EXIF tags in line first.
    MagickCompat::SyncProfiles(image);
    if (!AddMarkers(image, plan))
        return "profiles";
    // Grey pixels go out as a one-channel JPEG, unless true colour is asked
    // for. Colour photos answer at their first pixels.
    if (MagickCompat::WriteType(image) != Magick::TrueColorType && MagickCompat::LooksGrey(image))
        return "grey";
    return std::string();
}

// ---- libjpeg's side: plain C from here on, as errors leave by longjmp ----

struct SErrorManager
{
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char* message;
};

void OnError(j_common_ptr cinfo)
{
    auto* manager = reinterpret_cast<SErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr, int)
{
    // Warnings and traces of compression are not reported.
}

struct SDestination
{
    jpeg_destination_mgr pub;
    FILE* stream;
    JOCTET* buffer;
};

void InitDestination(j_compress_ptr cinfo)
{
    auto* destination = reinterpret_cast<SDestination*>(cinfo->dest);
    destination->buffer = static_cast<JOCTET*>(
        (*cinfo->mem->alloc_small)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE, kBufferBytes));
    destination->pub.next_output_byte = destination->buffer;
    destination->pub.free_in_buffer = kBufferBytes;
}

boolean EmptyBuffer(j_compress_ptr cinfo)
{
    auto* destination = reinterpret_cast<SDestination*>(cinfo->dest);
    if (std::fwrite(destination->buffer, 1, kBufferBytes, destination->stream) != kBufferBytes)
        ERREXIT(cinfo, JERR_FILE_WRITE);
    destination->pub.next_output_byte = destination->buffer;
    destination->pub.free_in_buffer = kBufferBytes;
    return TRUE;
}

void TermDestination(j_compress_ptr cinfo)
{
    auto* destination = reinterpret_cast<SDestination*>(cinfo->dest);
    const size_t count = kBufferBytes - destination->pub.free_in_buffer;
    if (count > 0 && std::fwrite(destination->buffer, 1, count, destination->stream) != count)
        ERREXIT(cinfo, JERR_FILE_WRITE);
}

void Configure(jpeg_compress_struct& cinfo, const SPlan& plan)
{
    cinfo.image_width = plan.width;
    cinfo.image_height = plan.height;
    // The rows come as the pixel cache holds them, four samples a pixel;
    // libjpeg takes the same colours from them as from RGB rows.
    cinfo.input_components = kRowSamples;
    cinfo.in_color_space = MagickCompat::kQuadsAreBgrx ? JCS_EXT_BGRX : JCS_EXT_RGBX;
    jpeg_set_defaults(&cinfo);
    cinfo.data_precision = 8;
    if (plan.density) {
        cinfo.write_JFIF_header = TRUE;
        cinfo.X_density = plan.xDensity;
        cinfo.Y_density = plan.yDensity;
        if (plan.densityUnit >= 0)
            cinfo.density_unit = UINT8(plan.densityUnit);
    }
    cinfo.optimize_coding = plan.optimize ? TRUE : FALSE;
    if (plan.progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_set_quality(&cinfo, plan.quality, TRUE);
    // ImageMagick's choice: the fast integer DCT up to quality 90.
    if (plan.quality <= 90)
        cinfo.dct_method = JDCT_IFAST;
    if (plan.sampling) {
        for (int i = 0; i < kComponents; ++i) {
            cinfo.comp_info[i].h_samp_factor = plan.h[size_t(i)];
            cinfo.comp_info[i].v_samp_factor = plan.v[size_t(i)];
        }
    }
}

// Encodes into the stream. No C++ object with a destructor lives in this
// frame or in any frame libjpeg's error exit jumps over.
CJpegWriter::Result Encode(const SPlan& plan, const Magick::Image& image, FILE* stream, char* message) noexcept
{
    jpeg_compress_struct cinfo;
    SErrorManager error;
    SDestination destination;
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&destination, 0, sizeof destination);
    cinfo.err = jpeg_std_error(&error.pub);
    error.pub.error_exit = OnError;
    error.pub.emit_message = OnMessage;
    error.message = message;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_compress(&cinfo);
        return CJpegWriter::Result::Failed;
    }
    jpeg_create_compress(&cinfo);
    destination.pub.init_destination = InitDestination;
    destination.pub.empty_output_buffer = EmptyBuffer;
    destination.pub.term_destination = TermDestination;
    destination.stream = stream;
    cinfo.dest = &destination.pub;
    Configure(cinfo, plan);
    jpeg_start_compress(&cinfo, TRUE);
    for (const SMarker& marker : plan.markers)
        jpeg_write_marker(&cinfo, marker.code, reinterpret_cast<const JOCTET*>(marker.bytes.data()),
                          unsigned(marker.bytes.size()));
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                 JDIMENSION(plan.width * kRowSamples), 1);
    for (unsigned y = 0; y < plan.height; ++y) {
        if (!MagickCompat::ExportRowQuads8(image, y, row[0])) {
            std::strcpy(message, "the pixels cannot be read");
            jpeg_destroy_compress(&cinfo);
            return CJpegWriter::Result::Failed;
        }
        jpeg_write_scanlines(&cinfo, row, 1);
        if (!MagickCompat::ReportWriteProgress(image, y, plan.height)) {
            std::strcpy(message, "cancelled");
            jpeg_destroy_compress(&cinfo);
            return CJpegWriter::Result::Failed;
        }
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return CJpegWriter::Result::Written;
}
} // namespace

CJpegWriter::Result CJpegWriter::Write(Magick::Image& image, FILE* stream, std::string* message)
{
    SPlan plan;
    std::string reason;
    try {
        reason = Decide(image, plan);
    } catch (const std::exception& error) {
        reason = error.what();
    }
    if (!reason.empty()) {
        if (message)
            *message = reason;
        return Result::NotHandled;
    }
    char text[JMSG_LENGTH_MAX] = {};
    const Result result = Encode(plan, image, stream, text);
    if (message)
        *message = text;
    return result;
}
