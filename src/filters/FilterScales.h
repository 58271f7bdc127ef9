#pragma once

// How the effect and adjustment filters turn a slider value p (a filter
// record's numeric parameter) into an ImageMagick argument. Every mapping is
// linear. Each is written as (p + shift) x scale with the exact fractions it
// was tuned with, so the arguments keep their values to the last bit (job
// files and saved outputs depend on them).
namespace FilterScales {

// Charcoal and emboss: sigma = 0.049 x p + 0.1.
constexpr double StrokeSigma(double p)
{
    return (p + 0.1 / 0.049) * 0.049;
}

// Gaussian blur: sigma = 0.099 x p + 0.1.
constexpr double GaussianSigma(double p)
{
    return (p + 0.1 / 0.099) * 0.099;
}

// Oil painting: radius = 8/11 x p.
constexpr double OilPaintRadius(double p)
{
    return p * (8.0 / 11.0);
}

// Shade: azimuth and elevation = 1.1 x p - 10 degrees.
constexpr double ShadeAngle(double p)
{
    return (p - 100.0 / 11.0) * 1.1;
}

// Wave: wavelength = 19.99 x p + 1 pixels.
constexpr double WaveLength(double p)
{
    return (p + 100.0 / 1999.0) * 19.99;
}

// Brightness and hue/saturation/lightness: a slider of -100..100 as a
// modulate percentage, (p + 100) x 200/201 (0 to 199.0, 99.5 at 0).
constexpr double ModulatePercent(double p)
{
    return (p + 100.0) * (200.0 / 201.0);
}

// Brightness: a slider of -100..100 as a gamma, (p + 100) x 2/201.
constexpr double BrightnessGamma(double p)
{
    return (p + 100.0) * (2.0 / 201.0);
}

// Contrast: the strength of the sigmoidal curve, (p - 0.5) x 15/101.
constexpr double ContrastStrength(double p)
{
    return (p - 50.5 + 50.0) * (15.0 / 101.0);
}

// The strength that stands for 0, which the sigmoidal curve cannot take: the
// single-precision number nearest 1e-5.
constexpr double ContrastStrengthForZero = double(1e-5f);

// Contrast: the curve's centre as an 8-bit value, (p + 1010/31 + 50) x 155/101.
constexpr double ContrastCentre(double p)
{
    return (p + 1010.0 / 31.0 + 50.0) * (155.0 / 101.0);
}

// Colour balance: a channel's gamma, (p + 10) x 10/101.
constexpr double ChannelGamma(double p)
{
    return (p + 10.0) * (10.0 / 101.0);
}

// Levels: the black point, and the white point counted down from 255, as
// 8-bit values: p / 404 x 255.
constexpr double LevelsPoint(double p)
{
    return p * (1.0 / 404.0) * 255.0;
}

// Levels: the mid-tone gamma, p x 10/404.
constexpr double LevelsGamma(double p)
{
    return p * (10.0 / 404.0);
}

// Sharpen: radius = 3/101 x p.
constexpr double SharpenRadius(double p)
{
    return p * (3.0 / 101.0);
}

// Unsharp mask: the threshold, a fraction of the range, 3/110 x p.
constexpr double UnsharpThreshold(double p)
{
    return p * (3.0 / 110.0);
}

} // namespace FilterScales
