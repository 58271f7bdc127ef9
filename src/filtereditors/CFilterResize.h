#pragma once

#include "CFilterUI.h"

#include <QWidget>

class QTimer;
namespace Ui {
class CFilterResize;
}

// Settings page of the resize filter (5040): a width and a height in pixels
// or in percent of the photo, four ways to apply them, the aspect ratio kept
// or not, and a switch that leaves smaller photos alone. With the aspect
// ratio kept, editing one box sets the other (through the photo's ratio in
// pixels, one to one in percent). The result frame can also be dragged on
// the preview; the dialog hands such a change back through Load(record,
// false).
//
// Record: 6 numbers.
//   0 width, 1 height (pixels, or percent of the photo's width and height)
//   2 keep the aspect ratio (1)
//   3 mode: 0 width and height, 1 fixed width, 2 fixed height,
//     3 fixed width and height
//   4 unit: 0 pixels, 1 percent
//   5 do not enlarge photos smaller than the size (1)
class CFilterResize : public QWidget, public CFilterUI
{
    Q_OBJECT
public:
    CFilterResize(QWidget* parent, int filterId);
    ~CFilterResize() override;

    void InitControls();
    void Initialize() override;
    void Load(SFilterRecord record, bool preview) override;
    void Save(SFilterRecord& record) override;

    // Highest width and height in pixels: ten times the photo's size, at most
    // 30000; 30000 while the photo's size is unknown.
    double MaxPixelWidth() const;
    double MaxPixelHeight() const;

    Ui::CFilterResize* ui = nullptr;
    QTimer* timer = nullptr;

    // What a new resize starts with (the size is 70 % of the photo's).
    int defaultMode = 0;
    int defaultUnit = 0;
    bool defaultKeepAspect = true;
    bool defaultNoUpscale = false;

    bool updatingSizes = false; // the page itself is changing the boxes
    int shownUnit = 0;          // the unit the boxes hold their values in
    int shownMode = 0;          // the mode the widgets were last set up for
    bool fixedBoth = false;     // "Fixed Width & Height": the boxes are uncoupled
    bool editsArmed = true;     // false while a drag result is being shown

signals:
    void SaveState(SFilterRecord record);

public slots:
    void OnTimer();

private slots:
    void on_comboResizeBy_activated(int mode);
    void on_comboDimensions_activated(int unit);
    void on_spinWidth_valueChanged(double value);
    void on_spinHeight_valueChanged(double value);
    void on_checkAspectRatio_clicked(bool checked);
    void on_checkNoUpscale_clicked(bool checked);

private:
    bool SizeKnown() const;
    // Decimals and ranges of the two boxes for a unit (0 pixels, 1 percent).
    void SetUnitRanges(int unit);
    // Enables the widgets of a mode; uncouples the boxes for mode 3.
    void ShowMode(int mode);
    // The other box after one was edited, when the two are coupled.
    void Follow(bool widthEdited, double value);
    void RestartTimer(int milliseconds);
};
