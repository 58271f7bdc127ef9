#pragma once

#include "CFilterUI.h"

#include <QString>
#include <QWidget>

class CFormatsEnum;
class QFont;
class QMenu;
class QTimer;
namespace Ui {
class CFilterText;
}

// Settings page of the text mark (1000): the text with its keyword tags,
// its placement or tiling, the font, colour or texture, stroke, bounding box
// and shadow. The mark can also be moved on the preview; the dialog hands
// such a change back through Load(record, false).
//
// Record: 32 numbers and 3 strings.
//   0 alignment (0 left, 1 centre, 2 right)   16 text alpha (transparency %)
//   1 placement (0 top-left .. 8 bottom-right) 17 text blur
//   2, 3 offset X and Y (px)                   18 stroke on, 19 its colour,
//   4 rotation (0..359)                           20 alpha, 21 width
//   5 line spacing (px)                        22 box on, 23 its colour,
//   6 tile, 7 and 8 tile offsets X and Y          24 alpha, 25 offset (%)
//   9 font point size                          26 shadow on, 27 its colour,
//   10..13 bold, italic, underline, strike-out    28 alpha, 29 distance,
//   14 text colour (0xAARRGGBB)                   30 angle, 31 blur
//   15 fill with the texture image
//   strings: 0 the text, 1 the font family, 2 the texture path ("/").
class CFilterText : public QWidget, public CFilterUI
{
    Q_OBJECT
public:
    // The font chosen so far; no widget shows it.
    struct Font
    {
        QString family;
        int pointSize = 48;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
    };

    CFilterText(QWidget* parent, int filterId);
    ~CFilterText() override;

    void InitControls();
    void Initialize() override;
    void Load(SFilterRecord record, bool preview) override;
    void Save(SFilterRecord& record) override;

    // Takes a font chosen in the font dialog: family, point size, bold for
    // a weight above Medium, italic for any slanted style, underline and
    // strike-out.
    void TakeChosenFont(const QFont& font);
    // The font the font dialog opens on: currentFont's size, weight (700
    // bold, else 400), slant, underline and strike-out, in the installed
    // family and style that match them.
    QFont DialogFont() const;
    // The tag that keyword `id` appends ("" for an unknown id).
    static QString KeywordTag(int id);

    Ui::CFilterText* ui = nullptr;
    CFormatsEnum* formatsEnum = nullptr;
    QTimer* timer = nullptr;
    SFilterRecord defaults; // what a new text mark starts with
    Font currentFont;
    bool editsArmed = true;

signals:
    void SaveState(SFilterRecord record);

public slots:
    void OnTimer();
    void SlotKeyword(int id);

private slots:
    void on_editText_textChanged();
    void on_comboAlignment_activated(int index);
    void on_comboPlacement_activated(int index);
    void on_spinDeltaX_valueChanged(int value);
    void on_spinDeltaY_valueChanged(int value);
    void on_spinLineSpacing_valueChanged(int value);
    void on_sliderTileOffsetX_valueChanged(int value);
    void on_sliderTileOffsetY_valueChanged(int value);
    void on_spinRotation_valueChanged(int value);
    void on_dialRotation_valueChanged(int value);
    void on_spinAlpha_valueChanged(int value);
    void on_sliderBlur_valueChanged(int value);
    void on_spinStrokeAlpha_valueChanged(int value);
    void on_spinStrokeWidth_valueChanged(int value);
    void on_spinBoxAlpha_valueChanged(int value);
    void on_spinBoxOffset_valueChanged(int value);
    void on_spinShadowAlpha_valueChanged(int value);
    void on_sliderShadowDistance_valueChanged(int value);
    void on_spinShadowAngle_valueChanged(int value);
    void on_dialShadowAngle_valueChanged(int value);
    void on_sliderShadowBlur_valueChanged(int value);
    void on_checkUseTile_clicked(bool checked);
    void on_checkUseTexture_clicked(bool checked);
    void on_checkUseStroke_clicked(bool checked);
    void on_checkUseBox_clicked(bool checked);
    void on_checkUseShadow_clicked(bool checked);
    void on_buttonFont_clicked();
    void on_buttonBrowseTexture_clicked();
    void on_buttonAddKeyword_clicked();
    void CPFontColorChanged();
    void CPStrokeColorChanged();
    void CPBoxColorChanged();
    void CPShadowColorChanged();

private:
    // Fills every widget and currentFont from a record, with the dependent
    // enabled states; the texture path is hidden.
    void ShowRecord(const SFilterRecord& record);
    void EnableTile(bool on);
    void EnableTexture(bool on);
    void EnableStroke(bool on);
    void EnableBox(bool on);
    void EnableShadow(bool on);
    void AddKeyword(QMenu* menu, const QString& text, int id);
    // Restarts the preview timer, unless a drag result is being shown.
    void RestartTimer();
};
