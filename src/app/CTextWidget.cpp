#include "CTextWidget.h"

#include "SmallControlFont.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLineF>
#include <QPaintEvent>
#include <QPainter>
#include <QPolygonF>
#include <QTextCharFormat>

#include <algorithm>

namespace {
// The x of every crossing of the outline's edges with the horizontal
// segment from 0 to width at height y.
void CrossingsAt(const QList<QPolygonF>& polygons, double y, double width, QList<double>& crossings)
{
    const QLineF band(0.0, y, width, y);
    for (const QPolygonF& polygon : polygons) {
        for (int i = 0; i + 1 < polygon.size(); ++i) {
            QPointF crossing;
            if (QLineF(polygon.at(i), polygon.at(i + 1)).intersects(band, &crossing) == QLineF::BoundedIntersection)
                crossings.append(crossing.x());
        }
    }
}
} // namespace

CTextWidget::CTextWidget(QWidget* parent) : QWidget(parent)
{
    // 11 design points: the balloons' sizes are made for text of 11 pixels.
    font = QFont(QApplication::font().family());
    font.setPointSizeF(ScreenPointSize(11));
    font.setWeight(QFont::Bold);
    textOption.setAlignment(Qt::AlignLeft);
    textOption.setWrapMode(QTextOption::WordWrap);
}

CTextWidget::~CTextWidget()
{
    ClearLayouts();
}

QSize CTextWidget::sizeHint() const
{
    return QSize(int(naturalSize.width()), int(naturalSize.height()));
}

void CTextWidget::SetShape(QPainterPath outline)
{
    shape = outline;
    const QRectF box = shape.boundingRect();
    // The box plus a margin on the far side equal to its offset from the
    // origin.
    naturalSize = QSizeF(box.left() + box.right(), box.top() + box.bottom());
    PositionLayouts();
    update();
}

void CTextWidget::SetParagraphs(const QList<QString>& texts)
{
    paragraphs.clear();
    formats.clear();

    QTextCharFormat bold;
    bold.setFont(font);
    bold.setFontWeight(QFont::Bold);
    QTextCharFormat heading = bold;
    heading.setFontPointSize(font.pointSizeF() + 6);
    QTextCharFormat italic;
    italic.setFont(font);
    italic.setFontItalic(true);
    QTextCharFormat code;
    code.setFontFamilies(QStringList{QStringLiteral("Courier")});
    code.setFontPointSize(std::max(font.pointSizeF(), 6.0) - 2);
    const auto named = [&](const QString& name, QTextCharFormat& format) {
        if (name == QLatin1String("bold"))
            format = bold;
        else if (name == QLatin1String("heading"))
            format = heading;
        else if (name == QLatin1String("italic"))
            format = italic;
        else if (name == QLatin1String("code"))
            format = code;
        else
            return false;
        return true;
    };

    for (const QString& text : texts) {
        QString plain;
        QList<QTextLayout::FormatRange> runs;
        QTextLayout::FormatRange open;
        bool isOpen = false;
        for (int i = 0; i < text.size();) {
            const QChar c = text.at(i);
            if (c == QLatin1Char('\\')) {
                if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\\')) {
                    plain += QLatin1Char('\\');
                    i += 2;
                    continue;
                }
                const int brace = text.indexOf(QLatin1Char('{'), i + 1);
                QTextCharFormat format;
                if (brace >= 0 && named(text.mid(i + 1, brace - i - 1), format)) {
                    // A run still open is dropped: runs never nest.
                    open.start = int(plain.size());
                    open.format = format;
                    isOpen = true;
                    i = brace + 1;
                    continue;
                }
                plain += c;
                ++i;
                continue;
            }
            if (c == QLatin1Char('}') && isOpen) {
                open.length = int(plain.size()) - open.start;
                runs.append(open);
                isOpen = false;
                ++i;
                continue;
            }
            plain += c;
            ++i;
        }
        if (isOpen) {
            open.length = int(plain.size()) - open.start;
            runs.append(open);
        }
        paragraphs.append(plain);
        formats.append(runs);
    }
    PositionLayouts();
    update();
}

void CTextWidget::ClearLayouts()
{
    qDeleteAll(layouts);
    layouts.clear();
}

void CTextWidget::PositionLayouts()
{
    const double lineHeight = QFontMetricsF(font).height();
    scale = QSizeF(naturalSize.width() > 0.0 ? width() / naturalSize.width() : 0.0,
                   naturalSize.height() > 0.0 ? height() / naturalSize.height() : 0.0);
    const QList<QPolygonF> polygons = shape.toSubpathPolygons(QTransform::fromScale(scale.width(), scale.height()));
    const QRectF box = shape.boundingRect();
    const double top = scale.height() * box.top() + margin;
    const double bottom = scale.height() * box.bottom() - margin;
    double y = top;

    ClearLayouts();
    for (int p = 0; p < paragraphs.size(); ++p) {
        if (p > 0 && y + lineHeight > bottom)
            break;
        auto* layout = new QTextLayout(paragraphs.at(p), font);
        layout->setTextOption(textOption);
        layout->setFormats(formats.value(p));
        layout->beginLayout();
        QTextLine line = layout->createLine();
        bool first = true;
        while (line.isValid() && (first || y + lineHeight <= bottom)) {
            first = false;
            QList<double> crossings;
            CrossingsAt(polygons, y, width(), crossings);
            CrossingsAt(polygons, y + lineHeight, width(), crossings);
            if (crossings.isEmpty() || crossings.size() % 2 != 0) {
                // This band cannot take text.
                y += lineHeight;
                continue;
            }
            std::sort(crossings.begin(), crossings.end());
            const int n = int(crossings.size());
            const double left = crossings.at(n / 2 - 1) + margin;
            const double right = crossings.at(n / 2);
            const double lineWidth = right - margin - left;
            line.setLineWidth(std::max(lineWidth, 0.0));
            line.setPosition(QPointF(left, y));
            y += line.height();
            if (line.naturalTextWidth() <= lineWidth && y <= bottom)
                line = layout->createLine();
        }
        if (line.isValid()) {
            // No room left: the rest of the paragraph is not shown.
            line.setPosition(QPointF(width(), height()));
        }
        layout->endLayout();
        layouts.append(layout);
        y += paragraphSpacing;
    }
}

void CTextWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    PositionLayouts();
    update();
}

void CTextWidget::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(event->rect(), Qt::transparent);
    painter.save();
    painter.scale(scale.width(), scale.height());
    painter.setPen(QColor(255, 255, 255, fillAlpha));
    painter.setBrush(QColor(38, 163, 226, fillAlpha));
    painter.drawPath(shape);
    painter.restore();
    painter.setPen(Qt::white);
    for (QTextLayout* layout : std::as_const(layouts))
        layout->draw(&painter, QPointF(0.0, 0.0));
}
