#include "CColorPicker.h"

#include <QColorDialog>
#include <QImage>
#include <QPixmap>

CColorPicker::CColorPicker(QWidget* parent) : QToolButton(parent)
{
    connect(this, &QToolButton::clicked, this, &CColorPicker::OnClick);
    setIcon(ColorToIcon(color));
}

void CColorPicker::SetColor(QRgb newColor)
{
    color = newColor;
    setIcon(ColorToIcon(color));
}

QIcon CColorPicker::ColorToIcon(QRgb value) const
{
    if (swatchSize.width() < 1 || swatchSize.height() < 1)
        return QIcon();
    QImage swatch(swatchSize, QImage::Format_RGB32);
    swatch.fill(value);
    const QRgb frame = 0xFF000000u;
    const int right = swatch.width() - 1;
    const int bottom = swatch.height() - 1;
    for (int x = 0; x <= right; ++x) {
        swatch.setPixel(x, 0, frame);
        swatch.setPixel(x, bottom, frame);
    }
    for (int y = 0; y <= bottom; ++y) {
        swatch.setPixel(0, y, frame);
        swatch.setPixel(right, y, frame);
    }
    return QIcon(QPixmap::fromImage(swatch));
}

void CColorPicker::showEvent(QShowEvent* event)
{
    // The swatch fills the button less a 4-pixel rim, measured once: later
    // shows keep the first size.
    if (swatchSize == QSize(-1, -1)) {
        swatchSize = QSize(width() - 8, height() - 8);
        setIconSize(swatchSize);
        setMinimumSize(width(), height());
        setIcon(ColorToIcon(color));
    }
    QToolButton::showEvent(event);
}

void CColorPicker::OnClick()
{
    ShowColorsDialog();
}

void CColorPicker::ShowColorsDialog()
{
    QColorDialog dialog(QColor::fromRgb(color), this);
    dialog.setOption(QColorDialog::ShowAlphaChannel, false);
    if (dialog.exec() != QDialog::Accepted)
        return;
    color = dialog.selectedColor().rgb();
    setIcon(ColorToIcon(color));
    if (swatchSize.isValid())
        setIconSize(swatchSize);
    emit ColorChanged();
}
