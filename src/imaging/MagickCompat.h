#pragma once

// Everything that differs between Magick++ 6 (our build, 16-bit quantum) and
// Magick++ 7 lives here, so that a move to version 7 touches one file.

#include <Magick++.h>

#include <QString>

namespace MagickCompat {

// The largest channel value of this build (65535 for 16-bit channels).
inline constexpr double QuantumMax()
{
    using MagickCore::Quantum;
    return double(QuantumRange);
}

// Quantum value for an 8-bit channel value (0..255), e.g. level points and
// thresholds that are written for 8-bit channels.
inline double Q8(double value8)
{
    return value8 * QuantumMax() / 255.0;
}

// Converts a quantum value back to the 8-bit domain.
inline double To8(double quantum)
{
    return quantum * 255.0 / QuantumMax();
}

// An opaque-to-transparent colour from 8-bit channels; alpha 255 is opaque.
// (Magick++ 6 takes Quantum values and an opacity, not an alpha.)
inline Magick::Color ColorRgba8(int r, int g, int b, int a = 255)
{
    return Magick::Color(Magick::Quantum(Q8(r)), Magick::Quantum(Q8(g)), Magick::Quantum(Q8(b)),
                         Magick::Quantum(Q8(255 - a)));
}

inline Magick::Color ColorFromString(const QString& text)
{
    return Magick::Color(text.toStdString());
}

inline void SetAlpha(Magick::Image& image, bool on)
{
    image.matte(on);
}

inline bool HasAlpha(const Magick::Image& image)
{
    return image.matte();
}

inline double XResolution(const Magick::Image& image)
{
    return image.xResolution();
}

inline double YResolution(const Magick::Image& image)
{
    return image.yResolution();
}

// Escapes "%" so ImageMagick does not expand "%d" and friends in a path.
inline std::string EscapePath(const QString& path)
{
    QString escaped = path;
    escaped.replace("%", "%%");
    return escaped.toStdString();
}

// Installs a progress monitor on an image and on its image info; reads only
// report through the latter. (ImageMagick 7 takes the same two calls.)
inline void InstallProgressMonitor(Magick::Image& image, MagickCore::MagickProgressMonitor monitor,
                                   void* clientData)
{
    MagickCore::SetImageProgressMonitor(image.image(), monitor, clientData);
    MagickCore::SetImageInfoProgressMonitor(image.imageInfo(), monitor, clientData);
}

// True for a colour-separation (CMYK) image, with or without alpha. Asking
// for the image type instead would scan every pixel of non-CMYK images.
inline bool IsCMYK(const Magick::Image& image)
{
    return image.colorSpace() == MagickCore::CMYKColorspace;
}

// Limits ImageMagick's own OpenMP threads per operation.
inline void SetThreadLimit(unsigned long threads)
{
    Magick::ResourceLimits::thread(threads > 0 ? threads : 1);
}

} // namespace MagickCompat
