#pragma once

#include <Magick++.h>

#include <cstdio>
#include <string>

// Encodes a photo as JPEG with libjpeg, the rows taken straight from the
// pixel cache, giving the very bytes ImageMagick's JPEG writer gives for the
// same image and write settings: JFIF header and density, quality and its
// quantisation tables, DCT method, optimised Huffman tables, progressive
// scans for an interlaced write, sampling factors (asked for, or carried
// from the JPEG the photo was read from), the comment and the profiles
// (ICC, EXIF, XMP, IPTC, other APPn), each in the same markers and order.
//
// It takes sRGB true-colour images (alpha is dropped, as JPEG has none).
// Anything else it does not reproduce exactly (grey pixels that would go out
// as a one-channel JPEG, CMYK, palette images, "jpeg:*" or other defines, a
// lossless request, oversized profiles) is answered NotHandled before a byte
// reaches the stream, so the caller can hand the same stream to
// ImageMagick's writer.
class CJpegWriter
{
public:
    enum class Result { Written, NotHandled, Failed };

    // Writes into `stream`, which stays open and the caller's. Failed leaves
    // libjpeg's or the stream's reason in `message` (and possibly part of a
    // file in the stream); NotHandled the reason the image is left to
    // ImageMagick, for the trace.
    static Result Write(Magick::Image& image, FILE* stream, std::string* message);
};
