#include "CFilterText.h"

#include "CFormatsEnum.h"
#include "Common.h"
#include "PagePaths.h"
#include "PageValues.h"
#include "Platform.h"

#include "ui_CFilterText.h"

#include <QFontDialog>
#include <QFontInfo>
#include <QTextCursor>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace {
constexpr int kEditDelay = 1000;
constexpr int kAlignments = 3;
constexpr int kPlacements = 9;
constexpr int kMaxOffset = 30000;
constexpr int kMaxAngle = 359;
constexpr int kMaxPercent = 100;
constexpr int kMaxBlur = 10;
constexpr int kMaxStrokeWidth = 30000;
constexpr int kMaxBoxOffset = 500;
constexpr int kMaxShadowDistance = 99;
// A point size below 1 makes no font; no mark is drawn larger than this.
constexpr int kMinFontSize = 1;
constexpr int kMaxFontSize = 16384;

constexpr QRgb kTextColour = 0xFF42CDFFu; // rgb(66, 205, 255)
constexpr QRgb kBlack = 0xFF000000u;
constexpr QRgb kWhite = 0xFFFFFFFFu;

const QString kTextureKey = QStringLiteral("GUI/WatermarkTextTexturePath");

struct SKeyword
{
    int id;
    const char* tag;
};

constexpr SKeyword kKeywords[] = {
    {100, "[Copyright]"},       {101, "[Registered]"},      {102, "[Trademark]"},
    {103, "[Servicemark]"},     {200, "[Filename]"},        {201, "[Ext]"},
    {202, "[Folder]"},          {203, "[Path]"},            {300, "[OriginArtist]"},
    {301, "[OriginCopyright]"}, {302, "[OriginDate]"},      {400, "[ImageDimensions]"},
    {401, "[ImageResolution]"}, {500, "[CameraMaker]"},     {501, "[CameraModel]"},
    {502, "[CameraFstop]"},     {503, "[CameraExposure]"},  {504, "[CameraISO]"},
    {505, "[CameraFocalLength]"}, {506, "[CameraFlash]"},   {600, "[GPSLatitude]"},
    {601, "[GPSLongitude]"},    {602, "[GPSAltitude]"},
};

int Truncated(double value, int low, int high)
{
    return PageValues::TruncatedInt(value, low, high);
}
} // namespace

CFilterText::CFilterText(QWidget* parent, int filterId)
    : QWidget(parent), CFilterUI(filterId), ui(new Ui::CFilterText), formatsEnum(CFormatsEnum::GetInstance())
{
    ui->setupUi(this);
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CFilterText::OnTimer);
    connect(ui->CPFontColor, &CColorPicker::ColorChanged, this, &CFilterText::CPFontColorChanged);
    connect(ui->CPStrokeColor, &CColorPicker::ColorChanged, this, &CFilterText::CPStrokeColorChanged);
    connect(ui->CPBoxColor, &CColorPicker::ColorChanged, this, &CFilterText::CPBoxColorChanged);
    connect(ui->CPShadowColor, &CColorPicker::ColorChanged, this, &CFilterText::CPShadowColorChanged);

    defaults.numParams = 32;
    const double numbers[32] = {1, 7, 0, 100, 0, 0, 0, 0, 0, 48, 0, 0, 0, 0, kTextColour, 0,
                                20, 0, 1, kBlack, 10, 1, 0, kWhite, 0, 10, 1, kBlack, 50, 15, 315, 5};
    std::copy(std::begin(numbers), std::end(numbers), defaults.params);
    defaults.numTexts = 3;
    defaults.texts[0] = tr("Copyright [Copyright] Tarn&Willow");
    defaults.texts[1] = QStringLiteral("Arial-Regular");
    defaults.texts[2] = PagePaths::ForRecord(GetResourcesFolder() + "/Sample.png");

    ui->tabWidget->setCurrentIndex(0);
}

CFilterText::~CFilterText()
{
    delete ui;
}

void CFilterText::InitControls()
{
    ui->comboAlignment->clear();
    ui->comboAlignment->addItems({tr("Align Left"), tr("Align Center"), tr("Align Right")});
    ui->comboPlacement->clear();
    ui->comboPlacement->addItems({tr("Top-Left"), tr("Top-Center"), tr("Top-Right"), tr("Middle-Left"),
                                  tr("Middle-Center"), tr("Middle-Right"), tr("Bottom-Left"),
                                  tr("Bottom-Center"), tr("Bottom-Right")});
}

void CFilterText::Initialize()
{
    ShowRecord(defaults);
    timer->start(0);
}

void CFilterText::Load(SFilterRecord record, bool preview)
{
    editsArmed = preview;
    ShowRecord(record);
    editsArmed = true;
    if (preview)
        timer->start(0);
    else
        emit SaveState(record);
}

void CFilterText::ShowRecord(const SFilterRecord& record)
{
    const double* p = record.params;
    InitControls();
    ui->editText->setPlainText(record.texts[0]);
    ui->comboAlignment->setCurrentIndex(PageValues::ListIndex(p[0], kAlignments));
    ui->comboPlacement->setCurrentIndex(PageValues::ListIndex(p[1], kPlacements));
    ui->spinDeltaX->setValue(Truncated(p[2], -kMaxOffset, kMaxOffset));
    ui->spinDeltaY->setValue(Truncated(p[3], -kMaxOffset, kMaxOffset));
    ui->spinRotation->setValue(Truncated(p[4], 0, kMaxAngle));
    ui->dialRotation->setValue(ui->spinRotation->value());
    ui->spinLineSpacing->setValue(Truncated(p[5], -kMaxOffset, kMaxOffset));
    ui->checkUseTile->setChecked(PageValues::Flag(p[6]));
    ui->sliderTileOffsetX->setValue(Truncated(p[7], 0, kMaxPercent));
    ui->sliderTileOffsetY->setValue(Truncated(p[8], 0, kMaxPercent));

    currentFont.family = record.texts[1];
    currentFont.pointSize = Truncated(p[9], kMinFontSize, kMaxFontSize);
    currentFont.bold = PageValues::Flag(p[10]);
    currentFont.italic = PageValues::Flag(p[11]);
    currentFont.underline = PageValues::Flag(p[12]);
    currentFont.strikeOut = PageValues::Flag(p[13]);

    ui->CPFontColor->SetColor(PageValues::Colour(p[14]));
    ui->checkUseTexture->setChecked(PageValues::Flag(p[15]));
    ui->spinAlpha->setValue(Truncated(p[16], 0, kMaxPercent));
    ui->sliderBlur->setValue(Truncated(p[17], 0, kMaxBlur));
    ui->checkUseStroke->setChecked(PageValues::Flag(p[18]));
    ui->CPStrokeColor->SetColor(PageValues::Colour(p[19]));
    ui->spinStrokeAlpha->setValue(Truncated(p[20], 0, kMaxPercent));
    ui->spinStrokeWidth->setValue(Truncated(p[21], 0, kMaxStrokeWidth));
    ui->checkUseBox->setChecked(PageValues::Flag(p[22]));
    ui->CPBoxColor->SetColor(PageValues::Colour(p[23]));
    ui->spinBoxAlpha->setValue(Truncated(p[24], 0, kMaxPercent));
    ui->spinBoxOffset->setValue(Truncated(p[25], 0, kMaxBoxOffset));
    ui->checkUseShadow->setChecked(PageValues::Flag(p[26]));
    ui->CPShadowColor->SetColor(PageValues::Colour(p[27]));
    ui->spinShadowAlpha->setValue(Truncated(p[28], 0, kMaxPercent));
    ui->sliderShadowDistance->setValue(Truncated(p[29], 0, kMaxShadowDistance));
    ui->spinShadowAngle->setValue(Truncated(p[30], 0, kMaxAngle));
    ui->dialShadowAngle->setValue(ui->spinShadowAngle->value());
    ui->sliderShadowBlur->setValue(Truncated(p[31], 0, kMaxBlur));

    ui->editTexturePath->setText(PagePaths::ForDisplay(record.texts[2]));
    ui->editTexturePath->hide();

    EnableTile(ui->checkUseTile->isChecked());
    EnableTexture(ui->checkUseTexture->isChecked());
    EnableStroke(ui->checkUseStroke->isChecked());
    EnableBox(ui->checkUseBox->isChecked());
    EnableShadow(ui->checkUseShadow->isChecked());
}

void CFilterText::Save(SFilterRecord& record)
{
    const auto flag = [](bool on) { return on ? 1.0 : 0.0; };
    record.numParams = 32;
    double* p = record.params;
    p[0] = ui->comboAlignment->currentIndex();
    p[1] = ui->comboPlacement->currentIndex();
    p[2] = ui->spinDeltaX->value();
    p[3] = ui->spinDeltaY->value();
    p[4] = ui->spinRotation->value();
    p[5] = ui->spinLineSpacing->value();
    p[6] = flag(ui->checkUseTile->isChecked());
    p[7] = ui->sliderTileOffsetX->value();
    p[8] = ui->sliderTileOffsetY->value();
    p[9] = currentFont.pointSize;
    p[10] = flag(currentFont.bold);
    p[11] = flag(currentFont.italic);
    p[12] = flag(currentFont.underline);
    p[13] = flag(currentFont.strikeOut);
    p[14] = ui->CPFontColor->color;
    p[15] = flag(ui->checkUseTexture->isChecked());
    p[16] = ui->spinAlpha->value();
    p[17] = ui->sliderBlur->value();
    p[18] = flag(ui->checkUseStroke->isChecked());
    p[19] = ui->CPStrokeColor->color;
    p[20] = ui->spinStrokeAlpha->value();
    p[21] = ui->spinStrokeWidth->value();
    p[22] = flag(ui->checkUseBox->isChecked());
    p[23] = ui->CPBoxColor->color;
    p[24] = ui->spinBoxAlpha->value();
    p[25] = ui->spinBoxOffset->value();
    p[26] = flag(ui->checkUseShadow->isChecked());
    p[27] = ui->CPShadowColor->color;
    p[28] = ui->spinShadowAlpha->value();
    p[29] = ui->sliderShadowDistance->value();
    p[30] = ui->spinShadowAngle->value();
    p[31] = ui->sliderShadowBlur->value();
    record.numTexts = 3;
    record.texts[0] = ui->editText->toPlainText();
    record.texts[1] = currentFont.family;
    record.texts[2] = PagePaths::ForRecord(ui->editTexturePath->text());
}

void CFilterText::OnTimer()
{
    timer->stop();
    SFilterRecord record;
    Save(record);
    emit SaveState(record);
    StartPreview(record);
}

void CFilterText::RestartTimer()
{
    if (editsArmed)
        timer->start(kEditDelay);
}

void CFilterText::EnableTile(bool on)
{
    ui->comboPlacement->setEnabled(!on);
    ui->spinDeltaX->setEnabled(!on);
    ui->spinDeltaY->setEnabled(!on);
    ui->sliderTileOffsetX->setEnabled(on);
    ui->sliderTileOffsetY->setEnabled(on);
}

void CFilterText::EnableTexture(bool on)
{
    ui->buttonBrowseTexture->setEnabled(on);
    ui->editTexturePath->setEnabled(on);
    ui->CPFontColor->setEnabled(!on);
}

void CFilterText::EnableStroke(bool on)
{
    ui->CPStrokeColor->setEnabled(on);
    ui->spinStrokeAlpha->setEnabled(on);
    ui->spinStrokeWidth->setEnabled(on);
}

void CFilterText::EnableBox(bool on)
{
    ui->CPBoxColor->setEnabled(on);
    ui->spinBoxAlpha->setEnabled(on);
    ui->spinBoxOffset->setEnabled(on);
}

void CFilterText::EnableShadow(bool on)
{
    ui->CPShadowColor->setEnabled(on);
    ui->spinShadowAlpha->setEnabled(on);
    ui->sliderShadowDistance->setEnabled(on);
    ui->spinShadowAngle->setEnabled(on);
    ui->dialShadowAngle->setEnabled(on);
    ui->sliderShadowBlur->setEnabled(on);
}

void CFilterText::TakeChosenFont(const QFont& font)
{
    currentFont.family = font.family();
    // A font sized in pixels reports no point size: keep the one we have.
    if (font.pointSize() > 0)
        currentFont.pointSize = qMin(font.pointSize(), kMaxFontSize);
    currentFont.bold = font.weight() > QFont::Medium;
    currentFont.italic = font.style() != QFont::StyleNormal;
    currentFont.underline = font.underline();
    currentFont.strikeOut = font.strikeOut();
    RestartTimer();
}

QFont CFilterText::DialogFont() const
{
    QFont font(currentFont.family);
    font.setPointSize(currentFont.pointSize);
    font.setWeight(currentFont.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(currentFont.italic);
    font.setUnderline(currentFont.underline);
    font.setStrikeOut(currentFont.strikeOut);
    // The dialog looks the family and the style up by name: without a
    // family of that name, or a style named as a weight ("Normal"), it
    // falls back to the first in its lists. So it is given what the font
    // matches: the installed family (Qt's substitute where the named one is
    // missing) and that family's style of the mark's weight and slant.
    const QFontInfo matched(font);
    font.setFamily(matched.family());
    font.setStyleName(matched.styleName());
    return font;
}

void CFilterText::on_buttonFont_clicked()
{
    QFontDialog dialog(this);
    dialog.setCurrentFont(DialogFont());
    dialog.setWindowTitle(QString());
    const QFont opened = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return;
    // OK on the font it opened on changes nothing: the mark keeps its own
    // family name, weight and slant, even where the dialog could only show
    // a substitute or lacks a style of that weight.
    if (dialog.selectedFont() == opened)
        return;
    TakeChosenFont(dialog.selectedFont());
}

void CFilterText::on_buttonBrowseTexture_clicked()
{
    const QString start = GetRegistryString(kTextureKey, GetMyPictures());
    const QString path =
        PagePaths::ChooseImage(this, tr("Select Watermark Image"), start, formatsEnum->dialogFilter);
    if (path.isEmpty())
        return;
    ui->editTexturePath->setText(PagePaths::ForDisplay(path));
    SetRegistryString(kTextureKey, PagePaths::FolderOf(path));
    RestartTimer();
}

QString CFilterText::KeywordTag(int id)
{
    for (const SKeyword& keyword : kKeywords) {
        if (keyword.id == id)
            return QString::fromLatin1(keyword.tag);
    }
    return QString();
}

void CFilterText::AddKeyword(QMenu* menu, const QString& text, int id)
{
    QAction* action = menu->addAction(text);
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { SlotKeyword(id); });
}

void CFilterText::on_buttonAddKeyword_clicked()
{
    QMenu menu(this);
    QMenu* symbols = menu.addMenu(QStringLiteral("Symbols"));
    AddKeyword(symbols, tr("Copyright") + QStringLiteral(" \u00A9"), 100);
    AddKeyword(symbols, tr("Registered") + QStringLiteral(" \u00AE"), 101);
    AddKeyword(symbols, tr("Trademark") + QStringLiteral(" \u2122"), 102);
    AddKeyword(symbols, tr("Servicemark") + QStringLiteral(" \u2120"), 103);
    QMenu* file = menu.addMenu(QStringLiteral("File"));
    AddKeyword(file, tr("Source Filename"), 200);
    AddKeyword(file, tr("Source Extension"), 201);
    AddKeyword(file, tr("Source Folder"), 202);
    AddKeyword(file, tr("Source Path"), 203);
    QMenu* origin = menu.addMenu(tr("Origin"));
    AddKeyword(origin, tr("Artist"), 300);
    AddKeyword(origin, tr("Copyright"), 301);
    AddKeyword(origin, tr("Date taken"), 302);
    QMenu* image = menu.addMenu(tr("Image"));
    AddKeyword(image, tr("Dimensions"), 400);
    AddKeyword(image, tr("Resolution"), 401);
    QMenu* camera = menu.addMenu(tr("Camera"));
    AddKeyword(camera, tr("Camera Maker"), 500);
    AddKeyword(camera, tr("Camera Model"), 501);
    AddKeyword(camera, tr("F-stop"), 502);
    AddKeyword(camera, tr("Exposure"), 503);
    AddKeyword(camera, tr("ISO"), 504);
    AddKeyword(camera, tr("Focal Length"), 505);
    AddKeyword(camera, tr("Flash"), 506);
    QMenu* gps = menu.addMenu(tr("GPS"));
    AddKeyword(gps, tr("Latitude"), 600);
    AddKeyword(gps, tr("Longitude"), 601);
    AddKeyword(gps, tr("Altitude"), 602);
    const QRect area = ui->buttonAddKeyword->contentsRect();
    menu.exec(ui->buttonAddKeyword->mapToGlobal(area.bottomLeft()));
}

void CFilterText::SlotKeyword(int id)
{
    SystemLogWrite(QStringLiteral("SlotKeyword"), "[" + QString::number(id) + "]");
    // The tag goes at the very end, wherever the cursor is; the change
    // signal of the editor restarts the preview timer.
    ui->editText->setPlainText(ui->editText->toPlainText() + KeywordTag(id));
    ui->editText->moveCursor(QTextCursor::End);
}

void CFilterText::on_editText_textChanged()
{
    RestartTimer();
}

void CFilterText::on_comboAlignment_activated(int)
{
    RestartTimer();
}

void CFilterText::on_comboPlacement_activated(int)
{
    RestartTimer();
}

void CFilterText::on_spinDeltaX_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_spinDeltaY_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_spinLineSpacing_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_sliderTileOffsetX_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_sliderTileOffsetY_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_spinRotation_valueChanged(int value)
{
    ui->dialRotation->setValue(value);
    RestartTimer();
}

void CFilterText::on_dialRotation_valueChanged(int value)
{
    ui->spinRotation->setValue(value);
    RestartTimer();
}

void CFilterText::on_spinAlpha_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_sliderBlur_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_spinStrokeAlpha_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_spinStrokeWidth_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_spinBoxAlpha_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_spinBoxOffset_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_spinShadowAlpha_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_sliderShadowDistance_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_spinShadowAngle_valueChanged(int value)
{
    ui->dialShadowAngle->setValue(value);
    RestartTimer();
}

void CFilterText::on_dialShadowAngle_valueChanged(int value)
{
    ui->spinShadowAngle->setValue(value);
    RestartTimer();
}

void CFilterText::on_sliderShadowBlur_valueChanged(int)
{
    RestartTimer();
}

void CFilterText::on_checkUseTile_clicked(bool checked)
{
    EnableTile(checked);
    RestartTimer();
}

void CFilterText::on_checkUseTexture_clicked(bool checked)
{
    EnableTexture(checked);
    RestartTimer();
}

void CFilterText::on_checkUseStroke_clicked(bool checked)
{
    EnableStroke(checked);
    RestartTimer();
}

void CFilterText::on_checkUseBox_clicked(bool checked)
{
    EnableBox(checked);
    RestartTimer();
}

void CFilterText::on_checkUseShadow_clicked(bool checked)
{
    EnableShadow(checked);
    RestartTimer();
}

void CFilterText::CPFontColorChanged()
{
    RestartTimer();
}

void CFilterText::CPStrokeColorChanged()
{
    RestartTimer();
}

void CFilterText::CPBoxColorChanged()
{
    RestartTimer();
}

void CFilterText::CPShadowColorChanged()
{
    RestartTimer();
}
