#pragma once

#include "CFilterUI.h"

#include <QString>
#include <QWidget>

class CFormatsEnum;
class QLineEdit;
class QTimer;
namespace Ui {
class CFilterCustomMask;
}

// Settings page of the mask (1020): an image laid over the whole photo, and
// for portrait photos either the same image turned or a second image made
// for them. A new mask starts with the files chosen last.
//
// Record: 2 numbers and 2 strings.
//   0 turn the mask for portrait photos (1) or use the portrait mask (0)
//   1 mask alpha (transparency %)
//   strings: 0 the mask's path, 1 the portrait mask's path ("/").
class CFilterCustomMask : public QWidget, public CFilterUI
{
    Q_OBJECT
public:
    CFilterCustomMask(QWidget* parent, int filterId);
    ~CFilterCustomMask() override;

    void Initialize() override;
    void Load(SFilterRecord record, bool preview) override;
    void Save(SFilterRecord& record) override;

    Ui::CFilterCustomMask* ui = nullptr;
    CFormatsEnum* formatsEnum = nullptr;
    QTimer* timer = nullptr;
    QString defaultMaskPath;         // the last mask chosen ("" when none)
    QString defaultMaskPortraitPath; // the last portrait mask chosen
    int defaultRotate = 1;
    int defaultAlpha = 0;
    bool editsArmed = true;

signals:
    void SaveState(SFilterRecord record);

public slots:
    void OnTimer();

private slots:
    void on_radioRotateMask_clicked(bool checked);
    void on_radioDifferentMask_clicked(bool checked);
    void on_spinAlpha_valueChanged(int value);
    void on_buttonBrowse_clicked();
    void on_buttonBrowsePortrait_clicked();

private:
    void ShowChoice(bool rotate);
    void EnablePortrait(bool on);
    // Chooses a mask file for `edit`; the key remembers the whole path.
    void BrowseMask(const QString& key, QLineEdit* edit);
    void RestartTimer();
};
