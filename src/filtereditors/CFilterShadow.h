#pragma once

#include "CFilterUI.h"

#include <QRgb>
#include <QWidget>

class QTimer;
namespace Ui {
class CFilterShadow;
}

// Settings page of the drop shadow (2020): the shadow's opacity and size,
// its colour, and a white background to draw it over.
//
// Record: 4 numbers: 0 opacity of the shadow in percent (0..99; higher is
// darker), 1 size (0..99), 2 colour (QRgb), 3 draw over white (1).
//
// The first value has always been stored and applied as the shadow's
// opacity, so its control reads "Opacity"; its widgets keep the names
// sliderTransparency and spinTransparency that the form has always had.
class CFilterShadow : public QWidget, public CFilterUI
{
    Q_OBJECT
public:
    CFilterShadow(QWidget* parent, int filterId);
    ~CFilterShadow() override;

    void Initialize() override;
    void Load(SFilterRecord record, bool preview) override;
    void Save(SFilterRecord& record) override;

    Ui::CFilterShadow* ui = nullptr;
    QTimer* timer = nullptr;

    // What a new shadow starts with.
    int defaultOpacity = 50;
    int defaultSize = 50;
    QRgb defaultColor = 0xFF000000u;
    bool defaultWhiteBackground = false;

signals:
    void SaveState(SFilterRecord record);

public slots:
    void OnTimer();

private slots:
    void on_sliderTransparency_valueChanged(int value);
    void on_spinTransparency_valueChanged(int value);
    void on_sliderSize_valueChanged(int value);
    void on_spinSize_valueChanged(int value);
    void CPColorChanged();
    void on_checkWhiteBackground_clicked();
};
