#include "CImageFilters.h"

#include "MagickCompat.h"

#include <algorithm>

// Adjustments (4000-4090). Level points and the sigmoidal midpoint are
// written for 8-bit channels and scaled to this build's quantum range.

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
    m_target->gamma(gamma);
    return true;
}

bool CImageFilters::FilterAutoLevel()
{
    MagickCompat::AutoLevel(*m_target, m_exception);
    return true;
}

bool CImageFilters::FilterBrightness()
{
    // (p0 + 100) * 200/201 and (p1 + 100) * 2/201
    m_target->modulate((P(0) + 100.0) * 0.9950248756218906, 100.0, 100.0);
    m_target->gamma((P(1) + 100.0) * 0.009950248756218905);
    return true;
}

bool CImageFilters::FilterContrast()
{
    double contrast = (P(0) - 50.5 + 50.0) * 0.1485148514851485;
    if (contrast == 0.0)
        contrast = 9.999999747378752e-06;
    const double centre = (P(1) + 32.58064516129032 + 50.0) * 1.5346534653465347; // 8-bit value
    if (P(0) >= 0.0)
        m_target->sigmoidalContrast(true, contrast, MagickCompat::Q8(205.0 - centre + 50.0));
    else
        m_target->sigmoidalContrast(false, -contrast, MagickCompat::Q8(centre));
    return true;
}

bool CImageFilters::FilterColorBalance()
{
    const double k = 0.09900990099009901;
    m_target->gamma((P(0) + 10.0) * k, (P(1) + 10.0) * k, (P(2) + 10.0) * k);
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
    const double k = 0.9950248756218906;
    m_target->modulate((P(2) + 100.0) * k, (P(1) + 100.0) * k, (P(0) + 100.0) * k);
    return true;
}

bool CImageFilters::FilterLevels()
{
    const double black = P(0) * 0.0024752475247524753 * 255.0;          // 8-bit value
    const double white = P(2) * 0.0024752475247524753 * -255.0 + 255.0; // 8-bit value
    const double midtones = P(1) * 0.024752475247524754;
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
    const double radius = P(0) * 0.0297029702970297;
    m_target->sharpen(radius, std::max(0.5 * radius, 0.4));
    return true;
}

bool CImageFilters::FilterSharpenAdvanced()
{
    // p0 amount, p1 radius, p2 threshold (a fraction of the range, unscaled)
    const double radius = P(1) * 0.03;
    m_target->unsharpmask(radius, std::max(0.5 * radius, 0.1), P(0) * 0.03, P(2) * 0.02727272727272727);
    return true;
}
