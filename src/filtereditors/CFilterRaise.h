#pragma once

#include "CFilterUI.h"

#include <QWidget>

class QTimer;
namespace Ui {
class CFilterRaise;
}

// Settings page of the raised or lowered edge (2010): the width of the lit
// border and whether the photo looks raised or lowered.
//
// Record: 2 numbers: 0 border width (0..99), 1 effect (0 lower, 1 raise).
class CFilterRaise : public QWidget, public CFilterUI
{
    Q_OBJECT
public:
    CFilterRaise(QWidget* parent, int filterId);
    ~CFilterRaise() override;

    void InitControls();
    void Initialize() override;
    void Load(SFilterRecord record, bool preview) override;
    void Save(SFilterRecord& record) override;

    Ui::CFilterRaise* ui = nullptr;
    QTimer* timer = nullptr;

    // What a new edge starts with.
    int defaultBorder = 20;
    int defaultEffect = 1;

signals:
    void SaveState(SFilterRecord record);

public slots:
    void OnTimer();

private slots:
    void on_sliderBorder_valueChanged(int value);
    void on_spinBorder_valueChanged(int value);
    void on_comboEffect_currentIndexChanged(int index);
};
