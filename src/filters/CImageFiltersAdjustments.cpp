#include "CImageFilters.h"

#include "FilterScales.h"
#include "MagickCompat.h"

#include <algorithm>

// Adjustments (4000-4090). Level points and the sigmoidal midpoint are
// written for 8-bit channels and scaled to this build's quantum range.

namespace {
// The library's gamma correction also multiplies the image's gamma tag by
// the correction, and a PNG writes that tag as its gAMA: viewers would then
// correct the corrected pixels again. The pixels change; the tag stays.
template <class Correction>
void CorrectKeepingGammaTag(Magick::Image& image, Correction correct)
{
    const double tag = image.gamma();
    correct();
    image.modifyImage();
    image.image()->gamma = tag;
}
} // namespace

bool CImageFilters::ApplyAdjustment(quint32 id)
{
    switch (id) {
    case 4000:
        FilterNormalize();
        return true;
    case 4003:
        FilterAutoGamma();
        return true;
    case 4006:
        FilterAutoLevel();
        return true;
    case 4010:
        FilterBrightness();
        return true;
    case 4020:
        FilterContrast();
        return true;
    case 4030:
        FilterColorBalance();
        return true;
    case 4040:
        FilterEqualize();
        return true;
    case 4050:
        FilterHueSaturation();
        return true;
    case 4060:
        FilterLevels();
        return true;
    case 4070:
        FilterReduceNoise();
        return true;
    case 4080:
        FilterSharpen();
        return true;
    case 4090:
        FilterSharpenAdvanced();
        return true;
    default:
        return false;
    }
}

bool CImageFilters::FilterNormalize()
{
    m_target->normalize();
    return true;
}

bool CImageFilters::FilterAutoGamma()
{
    // Gamma from the mean brightness: a dark photo is lifted, a bright one
    // darkened; g = 2 * (1 - mean / 255), kept within 0.1..1.9.
    double sumRed = 0.0;
    double sumGreen = 0.0;
    double sumBlue = 0.0;
    MagickCompat::ForEachPixelRgbConst(*m_target, [&](Magick::Quantum red, Magick::Quantum green,
                                                      Magick::Quantum blue) {
        sumRed += red;
        sumGreen += green;
        sumBlue += blue;
    });
    const double pixels = double(m_target->rows()) * double(m_target->columns());
    const double mean = (sumRed / pixels + sumGreen / pixels + sumBlue / pixels) / 3.0;
    const double gamma = std::clamp(2.0 * (1.0 - MagickCompat::To8(mean) / 255.0), 0.1, 1.9);
    CorrectKeepingGammaTag(*m_target, [&] { m_target->gamma(gamma); });
    return true;
}

bool CImageFilters::FilterAutoLevel()
{
    MagickCompat::AutoLevel(*m_target, m_exception);
    return true;
}

bool CImageFilters::FilterBrightness()
{
    m_target->modulate(FilterScales::ModulatePercent(P(0)), 100.0, 100.0);
    CorrectKeepingGammaTag(*m_target, [&] { m_target->gamma(FilterScales::BrightnessGamma(P(1))); });
    return true;
}

bool CImageFilters::FilterContrast()
{
    double contrast = FilterScales::ContrastStrength(P(0));
    if (contrast == 0.0)
        contrast = FilterScales::ContrastStrengthForZero;
    const double centre = FilterScales::ContrastCentre(P(1)); // 8-bit value
    if (P(0) >= 0.0)
        m_target->sigmoidalContrast(true, contrast, MagickCompat::Q8(205.0 - centre + 50.0));
    else
        m_target->sigmoidalContrast(false, -contrast, MagickCompat::Q8(centre));
    return true;
}

bool CImageFilters::FilterColorBalance()
{
    CorrectKeepingGammaTag(*m_target, [&] {
        m_target->gamma(FilterScales::ChannelGamma(P(0)), FilterScales::ChannelGamma(P(1)),
                        FilterScales::ChannelGamma(P(2)));
    });
    return true;
}

bool CImageFilters::FilterEqualize()
{
    m_target->equalize();
    return true;
}

bool CImageFilters::FilterHueSaturation()
{
    // p0 hue, p1 saturation, p2 lightness; modulate takes brightness first.
    using FilterScales::ModulatePercent;
    m_target->modulate(ModulatePercent(P(2)), ModulatePercent(P(1)), ModulatePercent(P(0)));
    return true;
}

bool CImageFilters::FilterLevels()
{
    const double black = FilterScales::LevelsPoint(P(0));         // 8-bit value
    const double white = 255.0 - FilterScales::LevelsPoint(P(2)); // 8-bit value
    const double midtones = FilterScales::LevelsGamma(P(1));
    const double blackQ = MagickCompat::Q8(black);
    const double whiteQ = MagickCompat::Q8(white);
    if (P(3) == 0.0) {
        m_target->level(blackQ, whiteQ, midtones);
        return true;
    }
    Magick::ChannelType channel = Magick::RedChannel;
    switch (PInt(3)) {
    case 3:
        channel = Magick::BlueChannel;
        break;
    case 2:
        channel = Magick::GreenChannel;
        break;
    default:
        break;
    }
    m_target->levelChannel(channel, blackQ, whiteQ, midtones);
    return true;
}

bool CImageFilters::FilterReduceNoise()
{
    if (P(0) == 0.0)
        m_target->enhance();
    else
        m_target->despeckle();
    return true;
}

bool CImageFilters::FilterSharpen()
{
    const double radius = FilterScales::SharpenRadius(P(0));
    m_target->sharpen(radius, std::max(0.5 * radius, 0.4));
    return true;
}

bool CImageFilters::FilterSharpenAdvanced()
{
    // p0 amount, p1 radius, p2 threshold (a fraction of the range, unscaled)
    const double radius = P(1) * 0.03;
    m_target->unsharpmask(radius, std::max(0.5 * radius, 0.1), P(0) * 0.03,
                          FilterScales::UnsharpThreshold(P(2)));
    return true;
}
