#pragma once

#include "CFilterUI.h"

#include <QRgb>
#include <QWidget>

class QSpinBox;
class QTimer;
namespace Ui {
class CFilterSimpleBorder;
}

// Settings page of the simple border (2030): a plain border of one colour
// with its own width on each side, in pixels or in percent of the photo's
// size (top and bottom of its height, left and right of its width). With
// uniform dimensions the filter takes the top width for every side; the
// other three boxes are greyed but keep their values.
//
// Record: 7 numbers: 0-3 top, bottom, left, right width; 4 unit (0 pixels,
// 1 percent); 5 colour (QRgb); 6 uniform dimensions (1).
class CFilterSimpleBorder : public QWidget, public CFilterUI
{
    Q_OBJECT
public:
    CFilterSimpleBorder(QWidget* parent, int filterId);
    ~CFilterSimpleBorder() override;

    void InitControls();
    void Initialize() override;
    void Load(SFilterRecord record, bool preview) override;
    void Save(SFilterRecord& record) override;

    Ui::CFilterSimpleBorder* ui = nullptr;
    QTimer* timer = nullptr;

    // What a new border starts with.
    int defaultTop = 100;
    int defaultBottom = 100;
    int defaultLeft = 100;
    int defaultRight = 100;
    int defaultUnit = 0;
    QRgb defaultColor = 0xFFBBBBFFu;
    bool defaultUniform = true;

    int shownUnit = 0; // the unit the four boxes hold their values in

signals:
    void SaveState(SFilterRecord record);

public slots:
    void OnTimer();

private slots:
    void on_spinTop_valueChanged(int value);
    void on_spinBottom_valueChanged(int value);
    void on_spinLeft_valueChanged(int value);
    void on_spinRight_valueChanged(int value);
    void CPColorChanged();
    void on_checkUniformDimensions_clicked(bool checked);
    void on_comboDimensions_activated(int index);

private:
    void EnableSides(bool uniform);
};
