#pragma once

#include <Magick++.h>

#include <QImage>
#include <QPixmap>

// Conversions from ImageMagick images to what the interface and the marks
// paint with.

// A 32-bit ARGB (not premultiplied) copy of image. Grey, grey with alpha,
// RGB and RGBA images convert by channel name, so alpha is kept where there
// is one and everything else is opaque. An image without size, or one whose
// pixels cannot be read or stored, gives a 1 x 1 fully transparent image.
QImage ConvertMagickToQtImage(Magick::Image image);

// A copy of pixmap, with the application's device pixel ratio, whose alpha is
// scaled by alpha / 255 (alpha 0..255). GUI thread only.
QPixmap CreateTransparentPixmap(QPixmap pixmap, int alpha);
