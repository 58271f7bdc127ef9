#include "CImageFilters.h"

#include "Common.h"
#include "MagickCompat.h"
#include "MarkGeometry.h"

#include <algorithm>

// Marks: dispatch, compositing onto the photo and the portrait/landscape
// mask. The text and the logo are drawn in CImageFiltersText.cpp and
// CImageFiltersLogo.cpp.

bool CImageFilters::ApplyMark(quint32 id)
{
    switch (id) {
    case 1000:
        return FilterText();
    case 1010:
        return FilterLogo();
    case 1020:
        return FilterCustomMask();
    default:
        return false;
    }
}

bool CImageFilters::FilterText()
{
    return ApplyDrawnMark(&CImageFilters::UpdateText, 6, "FilterText");
}

bool CImageFilters::FilterLogo()
{
    return ApplyDrawnMark(&CImageFilters::UpdateLogo, 3, "FilterLogo");
}

bool CImageFilters::ApplyDrawnMark(DrawMark draw, int tileParam, const char* caller)
{
    const long width = long(m_target->columns());
    const long height = long(m_target->rows());
    QImage picture;
    QRect where;
    if (!(this->*draw)(picture, where, m_record, m_sourcePath, width, height, 1.0, 0, 0, false, 1.0)) {
        SystemLogWrite(caller, "- no mark drawn");
        return false;
    }
    const Magick::Image mark = PixmapToImage(&picture);
    if (!mark.isValid())
        return false;
    CompositeMark(mark, where.left(), where.top(), P(tileParam) != 0, P(tileParam + 1), P(tileParam + 2));
    return true;
}

void CImageFilters::CompositeMark(const Magick::Image& mark, int x, int y, bool tile, double spacingX,
                                  double spacingY)
{
    if (!tile) {
        m_target->composite(mark, x, y, Magick::OverCompositeOp);
        return;
    }
    const qint64 width = qint64(m_target->columns());
    const qint64 height = qint64(m_target->rows());
    const qint64 pw = qint64(mark.columns());
    const qint64 ph = qint64(mark.rows());
    const MarkGeometry::Tiling grid = MarkGeometry::ComputeTiling(width, height, pw, ph, spacingX, spacingY);
    if (grid.columns == 1 && grid.rows == 1) {
        m_target->composite(mark, 0, 0, Magick::OverCompositeOp);
        return;
    }
    // Within the photo the marks never overlap (a step is at least the
    // mark's size unless the mark is larger than the photo, and then every
    // later mark lies outside). So one row of marks is copied into a strip
    // as wide as the photo, and the strip is laid over the photo once per
    // row: the same pixels as one composite per mark, with at most
    // columns + rows composites.
    const qint64 stripHeight = std::min(ph, height);
    Magick::Image strip(Magick::Geometry(size_t(width), size_t(stripHeight)), MagickCompat::ColorRgba8(0, 0, 0, 0));
    MagickCompat::SetAlpha(strip, true);
    for (qint64 i = 0; i < grid.columns; ++i) {
        const qint64 left = i * grid.stepX;
        if (left >= width)
            break;
        strip.composite(mark, ssize_t(left), 0, Magick::CopyCompositeOp);
    }
    for (qint64 j = 0; j < grid.rows; ++j) {
        const qint64 top = j * grid.stepY;
        if (top >= height)
            break;
        m_target->composite(strip, 0, ssize_t(top), Magick::OverCompositeOp);
    }
}

bool CImageFilters::FilterCustomMask()
{
    const size_t width = m_target->columns();
    const size_t height = m_target->rows();
    const bool portrait = width < height;
    const double transparency = P(1);

    Magick::Image mask;
    if (P(0) != 1.0 && portrait) {
        if (!LoadImage(&m_maskPortraitImage, &mask, &m_maskPortraitPath, m_record.texts[1], true, transparency)) {
            SystemLogWrite("FilterCustomMask", "- the portrait mask cannot be loaded: " + m_record.texts[1]);
            return false;
        }
    } else {
        if (!LoadImage(&m_maskLandscapeImage, &mask, &m_maskLandscapePath, m_record.texts[0], true, transparency)) {
            SystemLogWrite("FilterCustomMask", "- the landscape mask cannot be loaded: " + m_record.texts[0]);
            return false;
        }
        if (portrait)
            mask.rotate(90);
    }
    Magick::Geometry size(width, height);
    size.aspect(true);
    mask.resize(size);
    m_target->composite(mask, 0, 0, Magick::OverCompositeOp);
    return true;
}
