#pragma once

#include <QImage>

namespace Magick {
class Image;
}

// Icons of the photo views made from the small preview that a camera stores
// in a JPEG file's EXIF block. Safe on worker threads (no Qt GUI objects).

// Gives the image a soft shadow (50 percent, blur sigma 3) showing to the
// right and below: the result is larger than the image by the blur margin
// and transparent around the shadow. An ImageMagick error leaves the image
// as it stands.
void ApplyShadowEffect(Magick::Image& image);

// Decodes `size` bytes of an embedded thumbnail, fits it into side x side
// pixels (aspect kept), adds the shadow and centres the result on a
// transparent canvas of exactly side x side. A null image when the bytes
// cannot be decoded or side is below 1.
QImage MakeShadowedThumbnail(const char* bytes, int size, int side);
