#pragma once

#include <QIcon>
#include <QRgb>
#include <QSize>
#include <QToolButton>

// The colour button of the settings pages: shows its colour as a framed
// swatch, opens the colour dialog when clicked and tells its page when the
// user chose a colour. The pages store `color` as a numeric filter parameter
// and give it back through SetColor.
class CColorPicker : public QToolButton
{
    Q_OBJECT
public:
    explicit CColorPicker(QWidget* parent = nullptr);

    // Stores the colour and redraws the swatch; emits nothing, so that a page
    // loading its widgets does not take it for an edit.
    void SetColor(QRgb newColor);
    // A swatch of swatchSize: a 1-pixel black frame around the colour. Null
    // while the size is not known yet.
    QIcon ColorToIcon(QRgb value) const;
    // Runs the colour dialog (alpha not offered, the current colour
    // preselected); accepting stores the colour and emits ColorChanged(),
    // also when it is the colour already set.
    void ShowColorsDialog();

    // 0xAARRGGBB as QColor::rgb() gives it (alpha FF). Opaque black until
    // the first SetColor.
    QRgb color = 0xFF000000u;
    // The icon size; fixed at the first show, (-1, -1) until then.
    QSize swatchSize = QSize(-1, -1);

signals:
    void ColorChanged();

public slots:
    void OnClick();

protected:
    void showEvent(QShowEvent* event) override;
};
