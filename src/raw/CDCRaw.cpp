#include "CDCRaw.h"

#include "Common.h"

#include <libraw/libraw.h>

#include <QFile>

#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {
// Refuse RAW data that would need more than this (a damaged or hostile
// header could otherwise ask for gigabytes).
constexpr unsigned kMaxRawMemoryMb = 2048;

QString DateText(time_t timestamp)
{
    if (timestamp <= 0)
        return QString();
    // The decoder turns the EXIF text into a time with the local time zone;
    // turning it back with the same zone gives the text as stored.
    struct tm parts {};
    if (!localtime_r(&timestamp, &parts))
        return QString();
    char text[32];
    if (strftime(text, sizeof text, "%Y:%m:%d %H:%M:%S", &parts) != 19)
        return QString();
    return QString::fromLatin1(text);
}

struct ProcessedImageDeleter
{
    void operator()(libraw_processed_image_t* image) const { LibRaw::dcraw_clear_mem(image); }
};
} // namespace

CDCRaw::CDCRaw() : decoder(std::make_unique<LibRaw>(LIBRAW_OPTIONS_NONE))
{
}

CDCRaw::~CDCRaw() = default;

void CDCRaw::ApplyOptions(const SRAWImage& record)
{
    libraw_output_params_t& params = decoder->imgdata.params;
    params.output_bps = 8;
    params.output_color = 1; // sRGB
    switch (record.whiteBalance) {
    case 1:
        params.use_auto_wb = 1;
        break;
    case 2:
        break; // the decoder's daylight multipliers
    default:
        params.use_camera_wb = 1;
        // A file that recorded no white balance gets an automatic one.
        if (!(decoder->imgdata.color.cam_mul[0] > 0.0f))
            params.use_auto_wb = 1;
        break;
    }
    params.highlight = qBound(0, int(record.highlight), 9);
    params.user_qual = record.demosaic > 0 ? qBound(0, int(record.demosaic) - 1, 3) : -1;
}

void CDCRaw::FillIdentification(SRAWImage* record) const
{
    const libraw_data_t& data = decoder->imgdata;
    record->make = QString::fromLatin1(data.idata.make).trimmed();
    record->model = QString::fromLatin1(data.idata.model).trimmed();
    record->dateTime = DateText(data.other.timestamp);
}

bool CDCRaw::Report(const SRAWImage& record, long long done) const
{
    return !progressCallback || progressCallback(done, 100, record.progressData);
}

int CDCRaw::Convert(SRAWImage* record)
{
    if (!record)
        return Failed;
    record->buffer = nullptr;
    record->outputWidth = record->outputHeight = 0;
    record->colors = 0;

    decoder->imgdata.params.max_raw_memory_mb = kMaxRawMemoryMb;
    const QByteArray path = QFile::encodeName(record->inputPath);
    if (path.isEmpty() || decoder->open_file(path.constData()) != LIBRAW_SUCCESS) {
        decoder->recycle();
        return Failed;
    }
    FillIdentification(record);

    if (record->identifyOnly) {
        // Sizes after pixel-aspect correction and the camera's rotation, the
        // same as a decode gives.
        const int status = decoder->adjust_sizes_info_only();
        const libraw_image_sizes_t& sizes = decoder->imgdata.sizes;
        record->identifiedWidth = status == LIBRAW_SUCCESS ? sizes.iwidth : 0;
        record->identifiedHeight = status == LIBRAW_SUCCESS ? sizes.iheight : 0;
        decoder->recycle();
        return status == LIBRAW_SUCCESS ? Done : Failed;
    }

    const int result = Decode(record);
    decoder->recycle();
    return result;
}

int CDCRaw::Decode(SRAWImage* record)
{
    ApplyOptions(*record);
    if (decoder->unpack() != LIBRAW_SUCCESS)
        return Failed;
    if (!Report(*record, 30))
        return Cancelled;
    if (decoder->dcraw_process() != LIBRAW_SUCCESS)
        return Failed;
    if (!Report(*record, 70))
        return Cancelled;

    int status = LIBRAW_SUCCESS;
    std::unique_ptr<libraw_processed_image_t, ProcessedImageDeleter> image(
        decoder->dcraw_make_mem_image(&status));
    if (!image || status != LIBRAW_SUCCESS || image->type != LIBRAW_IMAGE_BITMAP || image->bits != 8
        || image->width == 0 || image->height == 0 || (image->colors != 1 && image->colors != 3)) {
        SystemLogWrite("CDCRaw::Convert", "- unexpected output from the decoder");
        return Failed;
    }
    const size_t bytes = size_t(image->width) * image->height * image->colors;
    if (image->data_size < bytes)
        return Failed;
    if (!Report(*record, 95))
        return Cancelled;

    record->buffer = static_cast<unsigned char*>(calloc(bytes, 1));
    if (!record->buffer)
        return Failed;
    std::memcpy(record->buffer, image->data, bytes);
    record->outputWidth = image->width;
    record->outputHeight = image->height;
    record->colors = quint8(image->colors);
    record->identifiedWidth = image->width;
    record->identifiedHeight = image->height;
    return Done;
}
