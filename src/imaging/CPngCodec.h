#pragma once

#include <Magick++.h>

#include <QByteArray>
#include <QString>

// Reads and writes PNG files with libspng, moving the pixels to and from a
// Magick++ image in memory. ImageMagick's own PNG coder holds one lock for
// the whole process around every PNG read and write; this codec keeps no
// shared state, so processing threads read and write PNGs side by side.
//
// Reading gives what ImageMagick's reader gives: every colour type and bit
// depth, transparency, interlaced files; the ICC profile, gamma, chromaticity
// and sRGB intent; EXIF (eXIf chunk or ImageMagick's raw profile text),
// resolution and the text chunks as image properties; the orientation from
// the EXIF or text chunks. A file whose image data is cut short or damaged
// is read as far as it goes, the rest left black (transparent where the
// image has alpha), and says so in `damage`. A damaged chunk beside the
// pixels (a colour profile, EXIF, text) never stops the read: the image is
// read without it, and `dropped` names it.
//
// Writing keeps what ImageMagick's writer puts in a PNG: 8-bit samples,
// grey pixels as a grey PNG, alpha only where a pixel is not opaque, up to
// 256 colours as a palette, the ICC profile (an sRGB one as the sRGB chunk),
// gamma and chromaticities, EXIF as eXIf, resolution, background, time and
// the image's properties as text chunks. The orientation goes out as
// top-left only (in EXIF; the properties that hold one are left out), so a
// written file carries no turn that a reader would apply again. The image's
// quality picks the compression as ImageMagick's does (tens: zlib level,
// 0 for Huffman coding only; units: the row filter), its interlace type
// Adam7 interlacing.
//
// Reading is in CPngCodec.cpp, writing in CPngCodecWrite.cpp.
class CPngCodec
{
public:
    // The bytes start with the PNG signature.
    static bool IsPng(const char* data, size_t size);
    static bool IsPngFile(const QString& path);

    struct ReadResult
    {
        bool ok = false;
        QString damage; // why the pixels stop early; empty for a whole file
        // What the file held beside the pixels and the image leaves out,
        // since it was damaged ("ICC profile", "EXIF", "text" ..., joined by
        // ", "); empty when nothing was left out.
        QString dropped;
        QString error;  // why nothing could be read
    };
    static ReadResult Decode(const char* data, size_t size, Magick::Image& image);
    static ReadResult ReadFile(const QString& path, Magick::Image& image);

    // Reads any image file into image as Magick++'s read does: PNG through
    // this codec, other formats through ImageMagick. Errors are thrown; a
    // damaged PNG is read as far as it goes and a Magick::Warning is thrown
    // afterwards, as ImageMagick does for a damaged JPEG.
    static void ReadImageFile(const QString& path, Magick::Image& image);

    // The width and height a PNG's header declares; false when the bytes
    // are not a PNG with a valid header.
    static bool DeclaredSize(const QString& path, size_t& width, size_t& height);

    // Encodes the image; false (and `error`) when it cannot be written.
    static bool Encode(const Magick::Image& image, QByteArray& out, QString* error = nullptr);
};
