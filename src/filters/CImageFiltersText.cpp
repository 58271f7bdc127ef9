#include "CImageFilters.h"

#include "Common.h"
#include "DisplayConversions.h"
#include "MagickCompat.h"
#include "MarkGeometry.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

// The text mark (1000): tags, font, layout and painting of the text picture.
// Fonts are sized in pixels at a fixed 72 dpi and measured on a 72 dpi
// picture, so a mark has the same pixel size on every machine.

namespace {
constexpr int DotsPerMeter72 = 2835; // 72 dpi

// A transparent 72 dpi picture, or a null one when the size is not allowed.
QImage NewTextPicture(qint64 width, qint64 height)
{
    if (!MarkGeometry::PictureFits(width, height))
        return QImage();
    QImage picture(int(width), int(height), QImage::Format_ARGB32);
    if (picture.isNull())
        return picture;
    picture.setDotsPerMeterX(DotsPerMeter72);
    picture.setDotsPerMeterY(DotsPerMeter72);
    picture.fill(Qt::transparent);
    return picture;
}

// The paint device that fonts are measured on.
const QImage& MeasuringDevice()
{
    thread_local const QImage device = NewTextPicture(1, 1);
    return device;
}

QFont TextFont(const QString& family, int pixelSize, const SFilterRecord& record)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(record.params[10] != 0 ? QFont::Bold : QFont::Normal);
    font.setItalic(record.params[11] != 0);
    font.setUnderline(record.params[12] != 0);
    font.setStrikeOut(record.params[13] != 0);
    return font;
}

// On a high-density screen the preview raises the size until the line is
// ratio times as high as at the original size. The search is bounded: a
// font whose height stops growing ends it at the largest size tried.
QFont PreviewFont(const QFont& first, double startSize, double ratio)
{
    const QFontMetrics firstMetrics(first, &MeasuringDevice());
    const double wanted = ratio * firstMetrics.height();
    const double largest = std::min(double(MarkGeometry::MaxFontPixelSize), startSize * ratio * 4.0 + 64.0);
    QFont font = first;
    for (double size = startSize + 1.0; size <= largest; size += 1.0) {
        font.setPixelSize(std::max(1, MarkGeometry::Int(size)));
        if (QFontMetrics(font, &MeasuringDevice()).height() >= wanted)
            break;
    }
    return font;
}
} // namespace

void CImageFilters::ComputeTextMultiline(QString text, QFontMetrics metrics, QList<QString>& lines, long& width,
                                         long& height, int lineSpacing, bool italic)
{
    lines = text.split(QLatin1Char('\n'));
    long widest = 0;
    for (const QString& line : lines)
        widest = std::max<long>(widest, metrics.horizontalAdvance(line));
    if (italic)
        widest = long(0.05 * widest + widest);
    width = widest;
    height = (long(lineSpacing) + metrics.height()) * lines.size() - 1;
}

void CImageFilters::DrawMultiLine(QPainter* painter, QFont font, QList<QString> lines, int, int, int width,
                                  int alignment, int lineSpacing, int)
{
    const QFontMetrics metrics(font, painter->device());
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int k = 1; k <= lines.size(); ++k) {
        const QString& line = lines.at(k - 1);
        const int advance = metrics.horizontalAdvance(line);
        int x = 0;
        if (alignment == 1)
            x = (width - advance) / 2;
        else if (alignment == 2)
            x = width - advance;
        const int y = metrics.height() * k - metrics.descent() + (k - 1) * lineSpacing;
        path.addText(x, y, font, line);
    }
    painter->setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter->drawPath(path.simplified());
    painter->end();
}

void CImageFilters::DrawBox(bool on, QPainter* painter, QImage* picture, QColor colour, int transparency)
{
    if (!on || !painter || !picture)
        return;
    colour.setAlpha(MarkGeometry::AlphaFromTransparency(transparency));
    const QPainter::CompositionMode mode = painter->compositionMode();
    painter->setCompositionMode(QPainter::CompositionMode_Source);
    painter->fillRect(picture->rect(), colour);
    painter->setCompositionMode(mode);
}

void CImageFilters::SetupTextColor(QPainter* painter, QColor colour, bool textured, QString texturePath,
                                   int transparency, bool stroke, QColor strokeColour, int strokeTransparency,
                                   int strokeWidth, double)
{
    if (textured) {
        // The texture is loaded and cached like the logo; one that cannot be
        // read draws no fill.
        Magick::Image texture;
        if (LoadImage(&m_textureImage, &texture, &m_texturePath, texturePath, false, 0.0)) {
            texture.type(MagickCompat::TrueColorAlphaType());
            painter->setBrush(QBrush(ConvertMagickToQtImage(texture)));
        } else {
            painter->setBrush(Qt::NoBrush);
        }
        painter->setOpacity(MarkGeometry::OpacityFromTransparency(transparency));
    } else {
        colour.setAlpha(MarkGeometry::AlphaFromTransparency(transparency));
        painter->setBrush(colour);
    }

    if (stroke && strokeWidth >= 1) {
        strokeColour.setAlpha(MarkGeometry::AlphaFromTransparency(strokeTransparency));
        painter->setPen(QPen(strokeColour, strokeWidth));
    } else {
        painter->setPen(Qt::NoPen);
    }
}

bool CImageFilters::UpdateText(QImage& picture, QRect& where, SFilterRecord record, QString path, long width,
                               long height, double zoom, int offsetX, int offsetY, bool preview,
                               double devicePixelRatio)
{
    using MarkGeometry::Int;
    picture = QImage();
    where = QRect();
    const double* p = record.params;
    const double ratio = preview && devicePixelRatio > 1.0 ? devicePixelRatio : 1.0;

    const QString text = MarkGeometry::ExpandTags(record.texts[0], path, m_properties);
    const int pixelSize = MarkGeometry::FontPixelSize(p[9]);
    if (pixelSize > MarkGeometry::MaxFontPixelSize) {
        SystemLogWrite("UpdateText", QString("- the font size %1 is too large").arg(p[9]));
        return false;
    }
    QFont font = TextFont(record.texts[1], pixelSize, record);
    if (ratio > 1.0)
        font = PreviewFont(font, std::fabs(double(Int(p[9]))) * 2.5, ratio);
    const QFontMetrics metrics(font, &MeasuringDevice());

    QList<QString> lines;
    long layoutWidth = 0;
    long layoutHeight = 0;
    const int lineSpacing = Int(p[5]);
    const bool italic = p[11] != 0;
    ComputeTextMultiline(text, metrics, lines, layoutWidth, layoutHeight, lineSpacing, italic);
    if (layoutWidth <= 0) {
        SystemLogWrite("UpdateText", "- the text is empty, there is nothing to draw");
        return false;
    }

    const double margin = p[22] == 1.0 ? p[25] : 0.0;
    const double boxWidth = layoutWidth + std::trunc(layoutWidth * margin / 100.0);
    const double boxHeight = layoutHeight + std::trunc(double(metrics.height()) * margin * lines.size() / 100.0);
    if (!(boxWidth >= 1.0 && boxHeight >= 1.0 && boxWidth <= double(MarkGeometry::MaxPictureSide)
          && boxHeight <= double(MarkGeometry::MaxPictureSide))) {
        SystemLogWrite("UpdateText", "- the text picture would be empty or too large");
        return false;
    }
    QImage textPicture = NewTextPicture(qint64(boxWidth), qint64(boxHeight));
    if (textPicture.isNull()) {
        SystemLogWrite("UpdateText", "- the text picture would be too large");
        return false;
    }

    QPainter painter(&textPicture);
    DrawBox(p[22] != 0, &painter, &textPicture, MarkGeometry::OpaqueColor(p[23]), Int(p[24]));
    SetupTextColor(&painter, MarkGeometry::OpaqueColor(p[14]), p[15] != 0, record.texts[2], Int(p[16]), p[18] != 0,
                   MarkGeometry::OpaqueColor(p[19]), Int(p[20]), Int(p[21]), 0.0);
    DrawMultiLine(&painter, font, lines, 0, 0, int(layoutWidth), Int(p[0]), lineSpacing, 0);

    picture = TurnBlurAndShadow(textPicture, p, 4, 17, 26, Int(p[29]) / 2);
    if (picture.isNull() || !PlacePicture(picture, where, zoom, zoom, Int(p[1]), p[2], p[3], width, height,
                                          offsetX, offsetY, ratio)) {
        SystemLogWrite("UpdateText", "- the text picture would be too large");
        picture = QImage();
        return false;
    }
    return true;
}
