#pragma once

#include <Magick++.h>

#include <QString>

#include <string>

// Reads a JPEG photo with libjpeg straight into the pixel cache.
// ImageMagick's own reader moves every decoded sample into the cache with a
// slow loop of its own (about a tenth of the work of re-encoding a photo).
// Here ImageMagick only pings the file, so the size, profiles, comment,
// resolution, properties and decoding scale are exactly its own, and libjpeg
// decodes the pixels with the settings ImageMagick would use into the same
// values its reader gives.
//
// Only three-component 8-bit photos that decode from end to end without a
// single warning are taken; a grey, CMYK or damaged file, or a read with
// decoding options of its own, is left to ImageMagick's reader, so the
// result is always what ImageMagick gives.
class CJpegReader
{
public:
    // Reads `path` (ImageMagick's name for it: `magickName`) into image, with the
    // read options already set on image (a "jpeg:size" hint among them).
    // False when the file is not taken: the caller then reads it with
    // ImageMagick (image may hold a pinged image meanwhile; its options are
    // kept).
    static bool Read(const QString& path, const std::string& magickName, Magick::Image& image);
};
