#pragma once

#include "CFilterUI.h"

#include <QWidget>

class QDoubleSpinBox;
class QTimer;
namespace Ui {
class CFilterCrop;
}

// Settings page of the crop filter (5020): the part of the photo that is
// kept, as left, top, width and height, in pixels or in percent of the
// photo's size (left and width of its width, top and height of its height).
// The frame can also be moved and resized on the preview; the dialog hands
// such a change back through Load(record, false).
//
// Record: 5 numbers: 0 left, 1 top, 2 width, 3 height, 4 unit (0 pixels,
// 1 percent).
class CFilterCrop : public QWidget, public CFilterUI
{
    Q_OBJECT
public:
    CFilterCrop(QWidget* parent, int filterId);
    ~CFilterCrop() override;

    void InitControls();
    void Initialize() override;
    void Load(SFilterRecord record, bool preview) override;
    void Save(SFilterRecord& record) override;

    Ui::CFilterCrop* ui = nullptr;
    QTimer* timer = nullptr;
    int shownUnit = 0;      // the unit the four boxes hold their values in
    bool editsArmed = true; // false while a drag result is being shown

signals:
    void SaveState(SFilterRecord record);

public slots:
    void OnTimer();

private slots:
    void on_spinLeft_valueChanged(double value);
    void on_spinTop_valueChanged(double value);
    void on_spinWidth_valueChanged(double value);
    void on_spinHeight_valueChanged(double value);
    void on_comboDimensions_activated(int index);

private:
    QList<QDoubleSpinBox*> Boxes() const;
    void SetDecimals(int decimals);
    void RestartTimer();
};
