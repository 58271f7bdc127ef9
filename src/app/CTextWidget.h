#pragma once

#include <QFont>
#include <QList>
#include <QPainterPath>
#include <QSizeF>
#include <QString>
#include <QTextLayout>
#include <QTextOption>
#include <QWidget>

// The speech balloon that the step panels pop up to guide a new user: an
// outline (in its own design units, stretched to the widget's size) filled
// with translucent blue, with paragraphs of lightly marked-up text flowed
// line by line inside it. Markup: "\bold{...}", "\heading{...}",
// "\italic{...}", "\code{...}" (no nesting); "\\" is a backslash.
class CTextWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CTextWidget(QWidget* parent = nullptr);
    ~CTextWidget() override;

    QSize sizeHint() const override;

    // Parses the markup of each text, then lays the paragraphs out.
    void SetParagraphs(const QList<QString>& texts);

    // The laid-out paragraphs (a paragraph that found no room is missing)
    // and the plain texts and format runs parsed from the markup.
    const QList<QTextLayout*>& Layouts() const { return layouts; }
    const QList<QString>& Paragraphs() const { return paragraphs; }
    const QList<QList<QTextLayout::FormatRange>>& Formats() const { return formats; }

public slots:
    void SetShape(QPainterPath outline);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void PositionLayouts();
    void ClearLayouts();

    double paragraphSpacing = 8.0;  // extra space after each paragraph, widget pixels
    double margin = 12.0;           // inset from the outline on every side of a line
    QSizeF naturalSize{100.0, 100.0}; // the outline's design size
    QSizeF scale{1.0, 1.0};         // widget size / natural size
    int fillAlpha = 210;
    QFont font;
    QPainterPath shape;
    QList<QTextLayout*> layouts;    // owned; rebuilt by every layout pass
    QList<QString> paragraphs;
    QTextOption textOption;
    QList<QList<QTextLayout::FormatRange>> formats;
};
