#include "CImageFilters.h"

#include "FilterScales.h"
#include "MagickCompat.h"

#include <algorithm>

// Effects (3000-3170). The parameter mappings turn the settings pages'
// slider values into ImageMagick arguments. Thresholds are written for 8-bit
// channels and scaled to this build's quantum range.

bool CImageFilters::ApplyEffect(quint32 id)
{
    switch (id) {
    case 3000:
        FilterBlur();
        return true;
    case 3020:
        FilterCharcoal();
        return true;
    case 3030:
        FilterEdge();
        return true;
    case 3040:
        FilterEmboss();
        return true;
    case 3050:
        FilterGaussianBlur();
        return true;
    case 3060:
        FilterBlacknWhite();
        return true;
    case 3070:
        FilterImplode();
        return true;
    case 3080:
        FilterNegate();
        return true;
    case 3090:
        FilterNoise();
        return true;
    case 3100:
        FilterOilPaint();
        return true;
    case 3120:
        FilterSepia();
        return true;
    case 3130:
        FilterSolarize();
        return true;
    case 3140:
        FilterShade();
        return true;
    case 3150:
        FilterSpread();
        return true;
    case 3160:
        FilterSwirl();
        return true;
    case 3170:
        FilterWave();
        return true;
    default:
        return false;
    }
}

bool CImageFilters::FilterBlur()
{
    const double radius = P(0) * 0.1;
    m_target->blur(radius, std::max(0.5 * radius, 0.1));
    return true;
}

bool CImageFilters::FilterCharcoal()
{
    m_target->charcoal(P(0) * 0.05, FilterScales::StrokeSigma(P(1)));
    return true;
}

bool CImageFilters::FilterEdge()
{
    m_target->edge(P(0));
    return true;
}

bool CImageFilters::FilterEmboss()
{
    m_target->emboss(P(0) * 0.05, FilterScales::StrokeSigma(P(1)));
    return true;
}

bool CImageFilters::FilterGaussianBlur()
{
    m_target->gaussianBlur(P(0) * 0.1, FilterScales::GaussianSigma(P(1)));
    return true;
}

bool CImageFilters::FilterBlacknWhite()
{
    // Each pixel's red, green and blue become the mean of their 8-bit values,
    // rounded half up. Taken on wider channels and scaled back, the mean
    // would round differently for many pixels.
    using MagickCompat::QuantumToChar;
    MagickCompat::ForEachPixelRgb(*m_target, [](Magick::Quantum& red, Magick::Quantum& green,
                                                 Magick::Quantum& blue) {
        const int sum = QuantumToChar(red) + QuantumToChar(green) + QuantumToChar(blue);
        // Thirds: 1/3 rounds down, 2/3 up.
        const auto mean = static_cast<unsigned char>((sum + 1) / 3);
        red = green = blue = MagickCompat::CharToQuantum(mean);
    });
    return true;
}

bool CImageFilters::FilterImplode()
{
    m_target->implode(P(0) * 0.012);
    return true;
}

bool CImageFilters::FilterNegate()
{
    m_target->negate(false);
    return true;
}

bool CImageFilters::FilterNoise()
{
    using MagickCompat::NoiseKind;
    NoiseKind kind = NoiseKind::Gaussian;
    switch (PInt(0)) {
    case 1:
        kind = NoiseKind::MultiplicativeGaussian;
        break;
    case 2:
        kind = NoiseKind::Impulse;
        break;
    case 3:
        kind = NoiseKind::Laplacian;
        break;
    case 4:
        kind = NoiseKind::Poisson;
        break;
    default:
        break;
    }
    MagickCompat::AddNoise(*m_target, kind);
    return true;
}

bool CImageFilters::FilterOilPaint()
{
    MagickCompat::OilPaint(*m_target, FilterScales::OilPaintRadius(P(0)));
    return true;
}

bool CImageFilters::FilterSepia()
{
    const double threshold = P(0) + 150.0; // 8-bit channel value
    const double saturation = P(1) + 10.0;
    MagickCompat::SepiaTone(*m_target, MagickCompat::Q8(threshold), m_exception);
    m_target->modulate(100.0, saturation, 100.0);
    return true;
}

bool CImageFilters::FilterSolarize()
{
    // factor = 260 - 2.6 * p0, an 8-bit channel value
    m_target->solarize(MagickCompat::Q8((P(0) - 100.0) * -2.6));
    return true;
}

bool CImageFilters::FilterShade()
{
    // p0 azimuth, p1 elevation; p2 asks for colour shading
    MagickCompat::Shade(*m_target, FilterScales::ShadeAngle(P(0)), FilterScales::ShadeAngle(P(1)),
                        P(2) != 0.0);
    return true;
}

bool CImageFilters::FilterSpread()
{
    MagickCompat::Spread(*m_target, P(0) * 0.4);
    return true;
}

bool CImageFilters::FilterSwirl()
{
    m_target->swirl(P(0));
    return true;
}

bool CImageFilters::FilterWave()
{
    // A zero wavelength has no wave to draw (ImageMagick would divide by it).
    const double wavelength = FilterScales::WaveLength(P(1));
    if (wavelength == 0.0)
        return true;
    m_target->wave(P(0), wavelength);
    return true;
}
