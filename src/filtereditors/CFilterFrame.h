#pragma once

#include "CFilterUI.h"

#include <QRgb>
#include <QStringList>
#include <QWidget>

class CColorPicker;
class CImageCache;
class QCheckBox;
class QComboBox;
class QTimer;

// What the four frame pages share (shaped, grunge, picture and vintage
// frames): a list of frame styles, each with its picture from the frame icon
// strip, a background colour, a switch to draw the frame over a transparent
// background and one to give each photo a frame chosen at random. The
// shaped frame page also chooses sharp or blurred edges.
//
// Record: 5 numbers for the shaped frame, 4 for the others.
//   0 frame style (index of the list)
//   1 background colour (QRgb)
//   shaped only: 2 edges (0 sharp, 1 blurred)
//   then: draw over a transparent background (1), apply a random frame (1)
//
// The background colour is greyed while the background is transparent and
// the style list while the frame is random; both keep their values and are
// still saved.
//
// Each page builds its own form and hands its widgets over with Bind().
class CFilterFrame : public QWidget, public CFilterUI
{
    Q_OBJECT
public:
    ~CFilterFrame() override;

    void InitControls();
    void Initialize() override;
    void Load(SFilterRecord record, bool preview) override;
    void Save(SFilterRecord& record) override;

    CImageCache* imageCache = nullptr;
    QTimer* timer = nullptr;

    // What a new frame starts with.
    int defaultFrame = 0;
    QRgb defaultBackgroundColor = 0xFFFFFFFFu;
    int defaultEdges = 0;
    bool defaultTranspBackground = false;
    bool defaultRandomFrame = false;

    // The page's row of the icon strip (its top edge) and its style names,
    // in the order of the list and of the strip's cells.
    const int stripTop;
    const QStringList styles;

signals:
    void SaveState(SFilterRecord record);

public slots:
    void OnTimer();

protected slots:
    void on_comboFrame_activated(int index);
    void CPBackgroundColorChanged();
    void on_checkTranspBackground_clicked();
    void on_checkRandomFrame_clicked();

protected:
    struct FrameWidgets
    {
        QComboBox* comboFrame = nullptr;
        CColorPicker* backgroundColor = nullptr;
        QComboBox* comboEdges = nullptr; // shaped frame page only
        QCheckBox* checkTranspBackground = nullptr;
        QCheckBox* checkRandomFrame = nullptr;
    };

    CFilterFrame(QWidget* parent, int filterId, int stripTop, const QStringList& styles);
    // The widgets of the page's form, once it is set up.
    void Bind(const FrameWidgets& widgets);
    // Fills the edges list (shaped frame page).
    virtual void FillEdges() {}
    void RestartTimer();

    // The strip's cell size and file.
    static constexpr int CellSize = 32;
    static const char* const StripName;

private:
    void EnableDependents();

    FrameWidgets frameWidgets;
};
