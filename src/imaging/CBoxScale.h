#pragma once

#include <Magick++.h>

#include <cstddef>

// The library's box scale (Image::scale: each new pixel the area-weighted
// mean of the pixels it covers), done on three planes of channel values
// without the library's per-pixel alpha and index handling. It gives the
// very pixels and attributes the library's scale gives: the same weights,
// summed in the same order in the same floating-point type, rounded the
// same way.
//
// It takes plain RGB images (direct colour, sRGB or grey, no alpha, no
// index channel, no masks); others are declined untouched, for the caller
// to scale with the library.
class CBoxScale
{
public:
    // Scales the image to columns x rows; false (the image untouched) when
    // it is not taken or the scale cannot be done here. A progress monitor
    // on the image hears the library's reports; when it asks to stop, the
    // image is left empty, as the library leaves it.
    static bool Scale(Magick::Image& image, size_t columns, size_t rows);
    // Whether Scale takes the image.
    static bool Takes(const Magick::Image& image);
};
