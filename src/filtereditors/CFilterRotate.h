#pragma once

#include "CFilterUI.h"

#include <QWidget>

class QTimer;
namespace Ui {
class CFilterRotate;
}

// Settings page of the rotate filter (5070): an angle in whole degrees and a
// condition that limits the rotation to portrait or landscape photos.
// Record: 2 numbers, 0 the angle (0..359), 1 the condition (0 all photos,
// 1 only portrait, 2 only landscape).
class CFilterRotate : public QWidget, public CFilterUI
{
    Q_OBJECT
public:
    CFilterRotate(QWidget* parent, int filterId);
    ~CFilterRotate() override;

    void InitControls();
    void Initialize() override;
    void Load(SFilterRecord record, bool preview) override;
    void Save(SFilterRecord& record) override;

    // The quarter turn below (left) or above (right) an angle of 0..359.
    static int QuarterTurnLeft(int degrees);
    static int QuarterTurnRight(int degrees);

    Ui::CFilterRotate* ui = nullptr;
    QTimer* timer = nullptr;
    int defaultAngle = 0;
    int defaultCondition = 0;

signals:
    void SaveState(SFilterRecord record);

public slots:
    void OnTimer();

private slots:
    void on_dialDegrees_valueChanged(int value);
    void on_spinDegrees_valueChanged(int value);
    void on_buttonRotateLeft_clicked();
    void on_buttonRotateRight_clicked();
    void on_comboOrientation_activated(int index);

private:
    void SetAngle(int degrees);
    void RestartTimer(int milliseconds);
};
