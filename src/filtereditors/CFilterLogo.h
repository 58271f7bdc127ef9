#pragma once

#include "CFilterUI.h"

#include <QRgb>
#include <QString>
#include <QWidget>

class CFormatsEnum;
class QTimer;
namespace Ui {
class CFilterLogo;
}

// Settings page of the logo mark (1010): an image laid over the photo at
// one of nine placements with an offset, or tiled; scaled, rotated, made
// transparent and blurred; with an optional stroke and shadow. The logo can
// also be moved on the preview; the dialog hands such a change back through
// Load(record, false).
//
// Record: 20 numbers and 1 string.
//   0 placement (0 top-left .. 8 bottom-right)   10 stroke on, 11 its colour,
//   1, 2 offset X and Y (px)                         12 alpha, 13 width
//   3 tile, 4 and 5 tile offsets X and Y         14 shadow on, 15 its colour,
//   6 scale (%), 7 rotation (0..359)                 16 alpha, 17 distance,
//   8 transparency (%), 9 blur                       18 angle, 19 blur
//   string 0: the logo file's path ("/").
class CFilterLogo : public QWidget, public CFilterUI
{
    Q_OBJECT
public:
    CFilterLogo(QWidget* parent, int filterId);
    ~CFilterLogo() override;

    void InitControls();
    void Initialize() override;
    void Load(SFilterRecord record, bool preview) override;
    void Save(SFilterRecord& record) override;

    Ui::CFilterLogo* ui = nullptr;
    QTimer* timer = nullptr;
    CFormatsEnum* formatsEnum = nullptr;
    QString sampleLogoPath; // the sample logo of the Resources folder, "/" separators

    // What a new logo mark starts with.
    int defaultPlacement = 8;
    int defaultDeltaX = 50;
    int defaultDeltaY = 50;
    int defaultTile = 0;
    int defaultTileOffsetX = 0;
    int defaultTileOffsetY = 0;
    int defaultTransparency = 15;
    int defaultScale = 100;
    int defaultBlur = 0;
    int defaultRotation = 0;
    quint8 defaultStroke = 0;
    QRgb defaultStrokeColor = 0xFF000000u;
    int defaultStrokeAlpha = 10;
    int defaultStrokeWidth = 1;
    int defaultShadow = 1;
    QRgb defaultShadowColor = 0xFF000000u;
    int defaultShadowAlpha = 50;
    int defaultShadowDistance = 15;
    int defaultShadowAngle = 315;
    int defaultShadowBlur = 5;

    bool editsArmed = true;

signals:
    void SaveState(SFilterRecord record);

public slots:
    void OnTimer();

private slots:
    void on_buttonBrowse_clicked();
    void on_comboPlacement_activated(int index);
    void on_spinDeltaX_valueChanged(int value);
    void on_spinDeltaY_valueChanged(int value);
    void on_checkUseTile_clicked(bool checked);
    void on_sliderTileOffsetX_valueChanged(int value);
    void on_sliderTileOffsetY_valueChanged(int value);
    void on_spinRotation_valueChanged(int value);
    void on_dialRotation_valueChanged(int value);
    void on_spinTransparency_valueChanged(int value);
    void on_spinScale_valueChanged(int value);
    void on_sliderBlur_valueChanged(int value);
    void on_checkUseStroke_clicked(bool checked);
    void CPStrokeColorChanged();
    void on_spinStrokeAlpha_valueChanged(int value);
    void on_spinStrokeWidth_valueChanged(int value);
    void on_checkUseShadow_clicked(bool checked);
    void CPShadowColorChanged();
    void on_spinShadowAlpha_valueChanged(int value);
    void on_sliderShadowDistance_valueChanged(int value);
    void on_spinShadowAngle_valueChanged(int value);
    void on_dialShadowAngle_valueChanged(int value);
    void on_sliderShadowBlur_valueChanged(int value);

private:
    void EnableTile(bool on);
    void EnableStroke(bool on);
    void EnableShadow(bool on);
    // Restarts the preview timer with `milliseconds`, unless a drag result
    // is being shown.
    void RestartTimer(int milliseconds);
};
