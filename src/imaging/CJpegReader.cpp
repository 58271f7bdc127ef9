#include "CJpegReader.h"

#include "MagickCompat.h"

#include <QFile>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>

namespace {

// libjpeg reports an error, and here a warning too, by leaving the decoder
// through this jump.
struct ErrorState
{
    jpeg_error_mgr manager; // first: libjpeg hands back its address
    std::jmp_buf jump;
};

[[noreturn]] void LeaveDecoder(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorState*>(info->err)->jump, 1);
}

// A warning means damaged data; ImageMagick's reader then reads what it can
// and reports it as the rest of the program expects.
void OnMessage(j_common_ptr info, int level)
{
    if (level < 0)
        LeaveDecoder(info);
}

// A progressive file may hold any number of scans, each a decoding pass
// over the whole image; past this many it is left to ImageMagick's limits.
constexpr int kScanLimit = 1000;

void OnProgress(j_common_ptr info)
{
    if (info->is_decompressor && reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > kScanLimit)
        LeaveDecoder(info);
}

// The decoding size ImageMagick picks for a "jpeg:size" hint of
// hintWidth x hintHeight (0 x 0: none): 1 / denominator of the stored size,
// which libjpeg rounds to the nearest of its scales.
unsigned ScaleDenominator(const jpeg_decompress_struct& info, double hintWidth, double hintHeight)
{
    if (hintWidth <= 0.0 && hintHeight <= 0.0)
        return 1;
    double factor = 1.0;
    if (hintWidth > 0.0)
        factor = info.image_width / hintWidth;
    if (hintHeight > 0.0 && factor > info.image_height / hintHeight)
        factor = info.image_height / hintHeight;
    return unsigned(factor);
}

constexpr JDIMENSION kRowsAtOnce = 16;

// Decodes file into the rows of image, which has its pixels and its size.
// libjpeg leaves this frame by longjmp on an error or a warning, so no
// object with a destructor lives here.
bool Decode(std::FILE* file, Magick::Image& image, double hintWidth, double hintHeight)
{
    jpeg_decompress_struct info;
    ErrorState error;
    jpeg_progress_mgr progress;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = LeaveDecoder;
    error.manager.emit_message = OnMessage;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    progress.progress_monitor = OnProgress;
    info.progress = &progress;
    jpeg_stdio_src(&info, file);
    jpeg_read_header(&info, TRUE);
    bool ok = info.num_components == 3 && info.out_color_space == JCS_RGB && info.data_precision == 8;
    if (ok) {
        info.scale_num = 1;
        info.scale_denom = ScaleDenominator(info, hintWidth, hintHeight);
        jpeg_calc_output_dimensions(&info);
        ok = info.output_components == 3 && info.output_width == image.columns() && info.output_height == image.rows();
    }
    if (!ok) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_start_decompress(&info);
    const size_t stride = size_t(info.output_width) * 3;
    auto* block = static_cast<JSAMPLE*>(
        (*info.mem->alloc_large)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, stride * kRowsAtOnce));
    auto* rows = static_cast<JSAMPROW*>(
        (*info.mem->alloc_small)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE, sizeof(JSAMPROW) * kRowsAtOnce));
    for (JDIMENSION i = 0; i < kRowsAtOnce; ++i)
        rows[i] = block + stride * i;
    while (ok && info.output_scanline < info.output_height) {
        const JDIMENSION first = info.output_scanline;
        const JDIMENSION wanted = std::min(kRowsAtOnce, info.output_height - first);
        JDIMENSION got = 0;
        while (ok && got < wanted) {
            const JDIMENSION more = jpeg_read_scanlines(&info, rows + got, wanted - got);
            ok = more > 0;
            got += more;
        }
        ok = ok && MagickCompat::ImportRows(image, first, got, false, false, block);
    }
    if (ok)
        jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return ok;
}

// ImageMagick's reader takes these options from the image info; a read
// that sets one is left to it.
bool HasOwnDecodingOptions(const Magick::Image& image)
{
    for (const char* name : {"colors", "block-smoothing", "dct-method", "fancy-upsampling"}) {
        if (!image.defineValue("jpeg", name).empty())
            return true;
    }
    return false;
}

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

bool CJpegReader::Read(const QString& path, const std::string& magickName, Magick::Image& image)
{
    if (HasOwnDecodingOptions(image))
        return false;
    double hintWidth = 0.0;
    double hintHeight = 0.0;
    const std::string hint = image.defineValue("jpeg", "size");
    if (!hint.empty() && std::sscanf(hint.c_str(), "%lfx%lf", &hintWidth, &hintHeight) != 2)
        return false;
    try {
        image.ping(magickName);
    } catch (const Magick::Exception&) {
        return false;
    }
    // 2: libjpeg's RGB, which ImageMagick decodes every three-component
    // photo into (unless told otherwise).
    if (image.magick() != "JPEG" || image.attribute("jpeg:colorspace") != "2" || image.depth() != 8 ||
        image.colorSpace() != Magick::sRGBColorspace || image.classType() != Magick::DirectClass ||
        image.columns() == 0 || image.rows() == 0)
        return false;
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(QFile::encodeName(path).constData(), "rbe"));
    if (!file || !MagickCompat::UnpingImage(image))
        return false;
    return Decode(file.get(), image, hintWidth, hintHeight);
}
