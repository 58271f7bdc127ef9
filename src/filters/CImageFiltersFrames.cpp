#include "CImageFilters.h"

#include "Common.h"
#include "FilterBounds.h"
#include "CPngCodec.h"
#include "MagickCompat.h"
#include "Platform.h"

#include <QRandomGenerator>

#include <algorithm>
#include <array>
#include <list>
#include <cmath>

// Frames, borders and shadow (2001-2030).
//
// The four file-based frames read their pictures from Resources/Frames/.
// The JPEG frames are masks (white removes the photo, black keeps it, greys
// keep it partly); the GIF frames are frame pictures with a transparent
// window for the photo. The engine caches one picture per kind exactly as
// read; every use works on a copy, so turning or resizing it for one photo
// never changes it for the next.

namespace {

struct FrameKindInfo
{
    const char* prefix;
    const char* extension;
    int styles;
};

// Placement of the photo in a picture or vintage frame: the share of the
// frame's long and short side that the photo's long and short side fill.
struct Placement
{
    double longFactor;
    double shortFactor;
};

constexpr std::array<Placement, 4> kPicturePlacement{{{0.72, 0.62}, {0.76, 0.63}, {0.94, 0.91}, {0.86, 0.82}}};
constexpr std::array<Placement, 9> kVintagePlacement{{{0.88, 0.80},
                                                       {0.72, 0.66},
                                                       {0.73, 0.71},
                                                       {0.86, 0.62},
                                                       {0.92, 0.89},
                                                       {0.67, 0.62},
                                                       {0.76, 0.59},
                                                       {0.86, 0.71},
                                                       {0.85, 0.63}}};

template <size_t N>
Placement PlacementFor(const std::array<Placement, N>& table, int style)
{
    return (style >= 0 && style < int(N)) ? table[size_t(style)] : table[0];
}

// A whole, non-negative pixel count from a computed side; absurd values
// from a job file are capped so that the canvas sizes cannot overflow.
int WholePixels(double value)
{
    constexpr double kMaxSide = 1000000.0;
    if (!std::isfinite(value) || value <= 0.0)
        return 0;
    return static_cast<int>(std::min(value, kMaxSide));
}

Magick::Geometry ExactSize(size_t width, size_t height)
{
    Magick::Geometry geometry(width, height);
    geometry.aspect(true);
    return geometry;
}

void ResetPage(Magick::Image& image)
{
    image.page(Magick::Geometry(image.columns(), image.rows(), 0, 0));
}

// Draws a closed outline along the image's outer edges.
void Outline(Magick::Image& image, double width)
{
    const double right = double(image.columns()) - 1.0;
    const double bottom = double(image.rows()) - 1.0;
    std::list<Magick::Drawable> drawing;
    drawing.push_back(Magick::DrawableStrokeAntialias(false));
    drawing.push_back(Magick::DrawableStrokeColor(MagickCompat::ColorRgba8(200, 200, 200)));
    drawing.push_back(Magick::DrawableStrokeWidth(width));
    drawing.push_back(Magick::DrawableFillColor(MagickCompat::ColorFromString("none")));
    drawing.push_back(Magick::DrawableLine(0, 0, right, 0));
    drawing.push_back(Magick::DrawableLine(right, 0, right, bottom));
    drawing.push_back(Magick::DrawableLine(right, bottom, 0, bottom));
    drawing.push_back(Magick::DrawableLine(0, bottom, 0, 0));
    image.draw(drawing);
}

} // namespace

bool CImageFilters::ApplyFrame(quint32 id)
{
    // Unlike the other families, the result is the operation's: a frame
    // that cannot be drawn fails the filter and leaves the photo as it was.
    switch (id) {
    case 2001:
        return FilterShapeFrame();
    case 2002:
        return FilterGrungeFrame();
    case 2003:
        return FilterPictureFrame();
    case 2004:
        return FilterVintageFrame();
    case 2005:
        return FilterPolaroid();
    case 2010:
        return FilterRaise();
    case 2020:
        return FilterShadow();
    case 2030:
        return FilterSimpleBorder();
    default:
        return false;
    }
}

Magick::Color CImageFilters::ColourParam(int n) const
{
    const double value = P(n);
    const quint32 rgb = (std::isfinite(value) && value > 0.0) ? quint32(std::fmod(value, 4294967296.0)) : 0u;
    return MagickCompat::ColorRgba8(int((rgb >> 16) & 0xff), int((rgb >> 8) & 0xff), int(rgb & 0xff));
}

const Magick::Image* CImageFilters::LoadFrame(FrameKind kind, int styleParam, bool random, int edge,
                                              int* styleUsed)
{
    static const FrameKindInfo kinds[] = {
        {"ShapeFrame", ".jpg", 6}, {"GrungeFrame", ".jpg", 6}, {"PictureFrame", ".gif", 4},
        {"VintageFrame", ".gif", 9}};
    const FrameKindInfo& info = kinds[int(kind)];
    FrameCache& cache = m_frames[int(kind)];

    const int style = random ? int(QRandomGenerator::global()->bounded(info.styles)) : styleParam;
    if (style < 0 || style >= info.styles) {
        SystemLogWrite("LoadFrame", QString("! No frame style %1 of %2 (0 to %3)")
                                        .arg(style)
                                        .arg(info.prefix)
                                        .arg(info.styles - 1));
        return nullptr;
    }
    *styleUsed = style;

    if (cache.style == style && cache.edge == edge && cache.image.isValid())
        return &cache.image;

    const QString name = QString("%1%2%3%4")
                             .arg(info.prefix)
                             .arg(style + 1)
                             .arg(kind == FrameKind::Shape && edge ? "b" : "")
                             .arg(info.extension);
    const QString path = GetResourcesFolder() + "/Frames/" + name;
    Magick::Image frame;
    try {
        CPngCodec::ReadImageFile(path, frame);
    } catch (const Magick::Warning& warning) {
        SystemLogWrite("LoadFrame", QString("Warning reading %1: %2").arg(path, QString::fromUtf8(warning.what())));
    }
    if (!frame.isValid() || frame.columns() == 0 || frame.rows() == 0)
        throw Magick::ErrorFileOpen(("Cannot read frame " + path).toStdString());

    // The masks are greyscale JPEGs: their greys are the values read.
    MagickCompat::GreyToSrgb(frame);
    cache.image = frame;
    cache.style = style;
    cache.edge = edge;
    return &cache.image;
}

bool CImageFilters::FilterShapeFrame()
{
    int style = 0;
    const int edge = P(2) != 0.0 ? 1 : 0;
    const Magick::Image* frame = LoadFrame(FrameKind::Shape, PInt(0), PInt(4) != 0, edge, &style);
    if (!frame)
        return false;
    ApplyBasicFrameMask(*frame, ColourParam(1), P(3) != 0.0, false);
    return true;
}

bool CImageFilters::FilterGrungeFrame()
{
    int style = 0;
    const Magick::Image* frame = LoadFrame(FrameKind::Grunge, PInt(0), PInt(3) != 0, 0, &style);
    if (!frame)
        return false;
    ApplyBasicFrameMask(*frame, ColourParam(1), P(2) != 0.0, true);
    return true;
}

bool CImageFilters::FilterPictureFrame()
{
    return FilterWindowFrame(FrameKind::Picture);
}

bool CImageFilters::FilterVintageFrame()
{
    return FilterWindowFrame(FrameKind::Vintage);
}

bool CImageFilters::FilterWindowFrame(FrameKind kind)
{
    int style = 0;
    const Magick::Image* frame = LoadFrame(kind, PInt(0), PInt(3) != 0, 0, &style);
    if (!frame)
        return false;
    const Placement placement = kind == FrameKind::Picture ? PlacementFor(kPicturePlacement, style)
                                                           : PlacementFor(kVintagePlacement, style);
    ApplyComplexFrameMask(*frame, placement.longFactor, placement.shortFactor, ColourParam(1), P(2) != 0.0);
    return true;
}

void CImageFilters::ApplyBasicFrameMask(const Magick::Image& cachedMask, const Magick::Color& background,
                                        bool transparent, bool rotateForPortrait)
{
    Magick::Image& photo = *m_target;
    Magick::Image mask = cachedMask;
    mask.modifyImage();
    MagickCompat::CopyProgressMonitor(mask, photo);
    if (rotateForPortrait && photo.rows() > photo.columns())
        mask.rotate(90);
    mask.resize(ExactSize(photo.columns(), photo.rows()));
    if (mask.columns() != photo.columns() || mask.rows() != photo.rows())
        throw Magick::ErrorImage("Frame mask could not be sized to the photo");

    // alpha = photo alpha x (1 - mask), and none at all where the mask is
    // pure white (in 8-bit terms, whatever the mask was scaled through).
    // Palette photos first become direct colour, so that the written alpha
    // is not taken back from the palette.
    photo.modifyImage();
    if (photo.classType() != Magick::DirectClass)
        photo.classType(Magick::DirectClass);
    MagickCompat::SetAlpha(photo, true);
    const double quantumMax = MagickCompat::QuantumMax();
    const double whiteFrom = MagickCompat::Q8(254.5);
    MagickCompat::ForEachAlphaWithMask(photo, mask, [=](double& alpha, double red, double green, double blue) {
        if (alpha == 0.0)
            return;
        if (red >= whiteFrom && green >= whiteFrom && blue >= whiteFrom)
            alpha = 0.0;
        else
            alpha = alpha * (quantumMax - red) / quantumMax;
    });

    if (!transparent) {
        Magick::Image canvas = photo;
        MagickCompat::FillWithColor(canvas, background);
        canvas.composite(photo, 0, 0, Magick::OverCompositeOp);
        photo = canvas;
    }
}

void CImageFilters::ApplyComplexFrameMask(const Magick::Image& cachedFrame, double longFactor, double shortFactor,
                                          const Magick::Color& background, bool transparent)
{
    Magick::Image& photo = *m_target;
    Magick::Image frame = cachedFrame;
    frame.modifyImage();
    MagickCompat::SetAlpha(frame, true);
    MagickCompat::CopyProgressMonitor(frame, photo);
    double widthFactor = longFactor;
    double heightFactor = shortFactor;
    if (photo.rows() > photo.columns()) {
        frame.rotate(90);
        std::swap(widthFactor, heightFactor);
    }

    // Fit the frame around the photo, keeping the frame's own shape.
    const int targetWidth = WholePixels(double(photo.columns()) / widthFactor);
    const int targetHeight = WholePixels(double(photo.rows()) / heightFactor);
    frame.resize(Magick::Geometry(size_t(std::max(targetWidth, 1)), size_t(std::max(targetHeight, 1))));
    const int frameWidth = int(frame.columns());
    const int frameHeight = int(frame.rows());

    Magick::Image canvas = photo;
    canvas.extent(ExactSize(size_t(frameWidth), size_t(frameHeight)));
    MagickCompat::SetAlpha(canvas, true);
    MagickCompat::FillWithColor(canvas, transparent ? MagickCompat::ColorFromString("none") : background);

    // Where the frame came out smaller than asked along one side, trim the
    // photo there so that it still fills the window.
    photo.modifyImage();
    if (frameWidth < targetWidth) {
        const int cut = int(widthFactor * double((targetWidth - frameWidth) / 2));
        const int keep = std::max(1, int(photo.columns()) - 2 * cut);
        if (cut > 0) {
            photo.crop(Magick::Geometry(size_t(keep), photo.rows(), cut, 0));
            ResetPage(photo);
        }
    }
    if (frameHeight < targetHeight) {
        const int cut = int(heightFactor * double((targetHeight - frameHeight) / 2));
        const int keep = std::max(1, int(photo.rows()) - 2 * cut);
        if (cut > 0) {
            photo.crop(Magick::Geometry(photo.columns(), size_t(keep), 0, cut));
            ResetPage(photo);
        }
    }

    canvas.composite(photo, (frameWidth - int(photo.columns())) / 2, (frameHeight - int(photo.rows())) / 2,
                     Magick::OverCompositeOp);
    canvas.composite(frame, 0, 0, Magick::OverCompositeOp);
    ResetPage(canvas);
    photo = canvas;
}

bool CImageFilters::FilterRaise()
{
    Magick::Image& photo = *m_target;
    const double shorter = double(std::min(photo.columns(), photo.rows()));
    // The edge must leave the middle of the photo (the library refuses more).
    const int limit = std::max(0, int((shorter - 1.0) / 2.0));
    const int width = std::min(WholePixels(shorter * (P(0) * 0.25 / 100.0)), limit);
    if (width <= 0)
        return true;
    photo.raise(Magick::Geometry(size_t(width), size_t(width), 0, 0), P(1) != 0.0);
    return true;
}

bool CImageFilters::FilterShadow()
{
    // On a copy, so that a shadow the library refuses leaves the photo's
    // alpha and background as they were.
    Magick::Image photo = *m_target;
    MagickCompat::SetAlpha(photo, true);
    photo.backgroundColor(ColourParam(2));

    Magick::Image shadowed = photo;
    MagickCompat::Shadow(shadowed, P(0), std::max(0.0, P(1)));
    shadowed.composite(photo, 0, 0, Magick::OverCompositeOp);
    ResetPage(shadowed);

    if (P(3) != 0.0) {
        Magick::Image canvas = shadowed;
        MagickCompat::FillWithColor(canvas, MagickCompat::ColorRgba8(255, 255, 255));
        canvas.composite(shadowed, 0, 0, Magick::OverCompositeOp);
        shadowed = canvas;
    }
    ResetPage(shadowed);
    *m_target = shadowed;
    return true;
}

bool CImageFilters::FilterSimpleBorder()
{
    Magick::Image& photo = *m_target;
    double* p = m_record.params;
    if (P(6) != 0.0)
        p[1] = p[2] = p[3] = p[0];
    if (PInt(4) == 1) {
        p[0] = p[0] * double(photo.rows()) / 100.0;
        p[1] = p[1] * double(photo.rows()) / 100.0;
        p[2] = p[2] * double(photo.columns()) / 100.0;
        p[3] = p[3] * double(photo.columns()) / 100.0;
    }
    for (int side = 0; side < 4; ++side)
        FilterBounds::RequirePixels(m_record, QT_TRANSLATE_NOOP("FilterBounds", "border width"), p[side]);
    // Whole pixels, so that the canvas and the photo's place agree.
    const int top = WholePixels(p[0]);
    const int bottom = WholePixels(p[1]);
    const int left = WholePixels(p[2]);
    const int right = WholePixels(p[3]);
    p[0] = top;
    p[1] = bottom;
    p[2] = left;
    p[3] = right;
    FilterBounds::RequirePhotoSize(m_record, double(photo.columns()) + left + right,
                                   double(photo.rows()) + top + bottom);

    Magick::Image canvas = photo;
    canvas.extent(ExactSize(photo.columns() + size_t(left) + size_t(right),
                            photo.rows() + size_t(top) + size_t(bottom)));
    MagickCompat::FillWithColor(canvas, ColourParam(5));
    canvas.composite(photo, left, top, Magick::OverCompositeOp);
    ResetPage(canvas);
    photo = canvas;
    return true;
}

bool CImageFilters::FilterPolaroid()
{
    // Built on a copy: a card the library refuses (a huge strip from a job
    // file) leaves the photo as it was, not cut and outlined.
    Magick::Image photo = *m_target;
    const bool keepWhole = P(3) != 0.0;
    const size_t shorter = std::min(photo.columns(), photo.rows());
    const double base = keepWhole ? double(photo.rows()) : double(shorter);
    m_record.params[0] = base / 100.0 * P(0);
    FilterBounds::RequirePixels(m_record, QT_TRANSLATE_NOOP("FilterBounds", "strip height"), m_record.params[0]);
    const int strip = WholePixels(m_record.params[0]);

    if (!keepWhole && photo.columns() != photo.rows()) {
        ResetPage(photo);
        const ssize_t offset = ssize_t((std::max(photo.columns(), photo.rows()) - shorter) / 2);
        const bool wide = photo.columns() > photo.rows();
        photo.crop(Magick::Geometry(shorter, shorter, wide ? offset : 0, wide ? 0 : offset));
        ResetPage(photo);
    }
    const size_t width = photo.columns();
    const size_t height = photo.rows();
    const size_t longer = std::max(width, height);
    const int border = double(longer) / 25.0 > 3.0 ? int(double(longer) / 25.0) : 3;

    Outline(photo, 1.0);
    const Magick::Color white = MagickCompat::ColorRgba8(255, 255, 255);
    {
        Magick::Image flat = photo;
        MagickCompat::FillWithColor(flat, white);
        flat.composite(photo, 0, 0, Magick::OverCompositeOp);
        photo = flat;
    }

    // The card is white; the photo sits b from the top and the sides, and
    // the strip below it is the wide bottom border.
    Magick::Image card = photo;
    card.extent(ExactSize(width + 2 * size_t(border), height + size_t(strip) + size_t(border)));
    MagickCompat::FillWithColor(card, white);
    card.composite(photo, border, border, Magick::OverCompositeOp);

    const int lineWidth = (double(longer) / 500.0 > 1.0) ? std::max(1, PInt(4)) : 1;
    Outline(card, double(lineWidth));
    card.backgroundColor(white);
    if (P(1) != 0.0 && std::isfinite(P(1)))
        card.rotate(P(1));
    ResetPage(card);
    *m_target = card;
    return true;
}
