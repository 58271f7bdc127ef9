#include "CFilterLogo.h"

#include "CFormatsEnum.h"
#include "Common.h"
#include "PagePaths.h"
#include "PageValues.h"
#include "Platform.h"

#include "ui_CFilterLogo.h"

#include <QTimer>

namespace {
constexpr int kShortDelay = 500;
constexpr int kLongDelay = 1000;
constexpr int kPlacements = 9;
constexpr int kMaxOffset = 30000;
constexpr int kMaxPercent = 100;
constexpr int kMaxScale = 1000;
constexpr int kMaxAngle = 359;
constexpr int kMaxBlur = 10;
constexpr int kMaxStrokeWidth = 30000;
constexpr int kMaxShadowDistance = 99;

const QString kLogoFolderKey = QStringLiteral("GUI/WatermarkImagePath");

int Truncated(double value, int low, int high)
{
    return PageValues::TruncatedInt(value, low, high);
}
} // namespace

CFilterLogo::CFilterLogo(QWidget* parent, int filterId)
    : QWidget(parent)
    , CFilterUI(filterId)
    , ui(new Ui::CFilterLogo)
    , formatsEnum(CFormatsEnum::GetInstance())
    , sampleLogoPath(PagePaths::ForRecord(GetResourcesFolder() + "/Sample.png"))
{
    ui->setupUi(this);
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CFilterLogo::OnTimer);
    connect(ui->CPStrokeColor, &CColorPicker::ColorChanged, this, &CFilterLogo::CPStrokeColorChanged);
    connect(ui->CPShadowColor, &CColorPicker::ColorChanged, this, &CFilterLogo::CPShadowColorChanged);
    ui->tabWidget->setCurrentIndex(0);
}

CFilterLogo::~CFilterLogo()
{
    delete ui;
}

void CFilterLogo::InitControls()
{
    ui->comboPlacement->clear();
    ui->comboPlacement->addItems({tr("Top-Left"), tr("Top-Center"), tr("Top-Right"), tr("Middle-Left"),
                                  tr("Middle-Center"), tr("Middle-Right"), tr("Bottom-Left"),
                                  tr("Bottom-Center"), tr("Bottom-Right")});
}

void CFilterLogo::Initialize()
{
    InitControls();
    ui->editImagePath->setText(PagePaths::ForDisplay(sampleLogoPath));
    ui->comboPlacement->setCurrentIndex(defaultPlacement);
    ui->spinDeltaX->setValue(defaultDeltaX);
    ui->spinDeltaY->setValue(defaultDeltaY);
    ui->checkUseTile->setChecked(defaultTile != 0);
    ui->sliderTileOffsetX->setValue(defaultTileOffsetX);
    ui->sliderTileOffsetY->setValue(defaultTileOffsetY);
    ui->spinTransparency->setValue(defaultTransparency);
    ui->spinScale->setValue(defaultScale);
    ui->sliderBlur->setValue(defaultBlur);
    ui->spinRotation->setValue(defaultRotation);
    ui->dialRotation->setValue(defaultRotation);
    ui->checkUseStroke->setChecked(defaultStroke != 0);
    ui->CPStrokeColor->SetColor(defaultStrokeColor);
    ui->spinStrokeAlpha->setValue(defaultStrokeAlpha);
    ui->spinStrokeWidth->setValue(defaultStrokeWidth);
    ui->checkUseShadow->setChecked(defaultShadow != 0);
    ui->CPShadowColor->SetColor(defaultShadowColor);
    ui->spinShadowAlpha->setValue(defaultShadowAlpha);
    ui->sliderShadowDistance->setValue(defaultShadowDistance);
    ui->spinShadowAngle->setValue(defaultShadowAngle);
    ui->dialShadowAngle->setValue(defaultShadowAngle);
    ui->sliderShadowBlur->setValue(defaultShadowBlur);
    EnableTile(defaultTile != 0);
    EnableStroke(defaultStroke != 0);
    EnableShadow(defaultShadow != 0);
    timer->start(0);
}

void CFilterLogo::Load(SFilterRecord record, bool preview)
{
    const double* p = record.params;
    editsArmed = preview;
    InitControls();
    ui->editImagePath->setText(PagePaths::ForDisplay(record.texts[0]));
    ui->comboPlacement->setCurrentIndex(PageValues::ListIndex(p[0], kPlacements));
    ui->spinDeltaX->setValue(Truncated(p[1], -kMaxOffset, kMaxOffset));
    ui->spinDeltaY->setValue(Truncated(p[2], -kMaxOffset, kMaxOffset));
    ui->checkUseTile->setChecked(PageValues::Flag(p[3]));
    ui->sliderTileOffsetX->setValue(Truncated(p[4], 0, kMaxPercent));
    ui->sliderTileOffsetY->setValue(Truncated(p[5], 0, kMaxPercent));
    ui->spinScale->setValue(Truncated(p[6], 0, kMaxScale));
    ui->spinRotation->setValue(Truncated(p[7], 0, kMaxAngle)); // the dial follows
    ui->sliderBlur->setValue(Truncated(p[9], 0, kMaxBlur));
    ui->spinTransparency->setValue(Truncated(p[8], 0, kMaxPercent));
    ui->checkUseStroke->setChecked(PageValues::Flag(p[10]));
    ui->CPStrokeColor->SetColor(PageValues::Colour(p[11]));
    ui->spinStrokeAlpha->setValue(Truncated(p[12], 0, kMaxPercent));
    ui->spinStrokeWidth->setValue(Truncated(p[13], 0, kMaxStrokeWidth));
    ui->checkUseShadow->setChecked(PageValues::Flag(p[14]));
    ui->CPShadowColor->SetColor(PageValues::Colour(p[15]));
    ui->spinShadowAlpha->setValue(Truncated(p[16], 0, kMaxPercent));
    ui->sliderShadowDistance->setValue(Truncated(p[17], 0, kMaxShadowDistance));
    ui->spinShadowAngle->setValue(Truncated(p[18], 0, kMaxAngle)); // the dial follows
    ui->sliderShadowBlur->setValue(Truncated(p[19], 0, kMaxBlur));
    EnableTile(ui->checkUseTile->isChecked());
    EnableStroke(ui->checkUseStroke->isChecked());
    EnableShadow(ui->checkUseShadow->isChecked());
    editsArmed = true;
    if (preview)
        timer->start(0);
    else
        emit SaveState(record);
}

void CFilterLogo::Save(SFilterRecord& record)
{
    const auto flag = [](bool on) { return on ? 1.0 : 0.0; };
    record.numParams = 20;
    double* p = record.params;
    p[0] = ui->comboPlacement->currentIndex();
    p[1] = ui->spinDeltaX->value();
    p[2] = ui->spinDeltaY->value();
    p[3] = flag(ui->checkUseTile->isChecked());
    p[4] = ui->sliderTileOffsetX->value();
    p[5] = ui->sliderTileOffsetY->value();
    p[6] = ui->spinScale->value();
    p[7] = ui->spinRotation->value();
    p[8] = ui->spinTransparency->value();
    p[9] = ui->sliderBlur->value();
    p[10] = flag(ui->checkUseStroke->isChecked());
    p[11] = ui->CPStrokeColor->color;
    p[12] = ui->spinStrokeAlpha->value();
    p[13] = ui->spinStrokeWidth->value();
    p[14] = flag(ui->checkUseShadow->isChecked());
    p[15] = ui->CPShadowColor->color;
    p[16] = ui->spinShadowAlpha->value();
    p[17] = ui->sliderShadowDistance->value();
    p[18] = ui->spinShadowAngle->value();
    p[19] = ui->sliderShadowBlur->value();
    record.numTexts = 1;
    record.texts[0] = PagePaths::ForRecord(ui->editImagePath->text());
}

void CFilterLogo::OnTimer()
{
    timer->stop();
    SFilterRecord record;
    Save(record);
    emit SaveState(record);
    StartPreview(record);
}

void CFilterLogo::RestartTimer(int milliseconds)
{
    if (editsArmed)
        timer->start(milliseconds);
}

void CFilterLogo::EnableTile(bool on)
{
    ui->comboPlacement->setEnabled(!on);
    ui->spinDeltaX->setEnabled(!on);
    ui->spinDeltaY->setEnabled(!on);
    ui->sliderTileOffsetX->setEnabled(on);
    ui->sliderTileOffsetY->setEnabled(on);
}

void CFilterLogo::EnableStroke(bool on)
{
    ui->CPStrokeColor->setEnabled(on);
    ui->spinStrokeAlpha->setEnabled(on);
    ui->spinStrokeWidth->setEnabled(on);
}

void CFilterLogo::EnableShadow(bool on)
{
    ui->CPShadowColor->setEnabled(on);
    ui->spinShadowAlpha->setEnabled(on);
    ui->sliderShadowDistance->setEnabled(on);
    ui->spinShadowAngle->setEnabled(on);
    ui->dialShadowAngle->setEnabled(on);
    ui->sliderShadowBlur->setEnabled(on);
}

void CFilterLogo::on_buttonBrowse_clicked()
{
    const QString start = GetRegistryString(kLogoFolderKey, GetMyPictures());
    const QString path =
        PagePaths::ChooseImage(this, tr("Select Watermark Image"), start, formatsEnum->dialogFilter);
    if (path.isEmpty())
        return;
    ui->editImagePath->setText(PagePaths::ForDisplay(path));
    SetRegistryString(kLogoFolderKey, PagePaths::FolderOf(path));
    RestartTimer(kShortDelay);
}

void CFilterLogo::on_comboPlacement_activated(int)
{
    RestartTimer(kShortDelay);
}

void CFilterLogo::on_spinDeltaX_valueChanged(int)
{
    RestartTimer(kShortDelay);
}

void CFilterLogo::on_spinDeltaY_valueChanged(int)
{
    RestartTimer(kShortDelay);
}

void CFilterLogo::on_checkUseTile_clicked(bool checked)
{
    EnableTile(checked);
    RestartTimer(kShortDelay);
}

void CFilterLogo::on_sliderTileOffsetX_valueChanged(int)
{
    RestartTimer(kShortDelay);
}

void CFilterLogo::on_sliderTileOffsetY_valueChanged(int)
{
    RestartTimer(kShortDelay);
}

// The twins set each other: typing in the spin box ends with its 1000 ms,
// turning the dial with its 500 ms.
void CFilterLogo::on_spinRotation_valueChanged(int value)
{
    ui->dialRotation->setValue(value);
    RestartTimer(kLongDelay);
}

void CFilterLogo::on_dialRotation_valueChanged(int value)
{
    ui->spinRotation->setValue(value);
    RestartTimer(kShortDelay);
}

void CFilterLogo::on_spinTransparency_valueChanged(int)
{
    RestartTimer(kShortDelay);
}

void CFilterLogo::on_spinScale_valueChanged(int)
{
    RestartTimer(kShortDelay);
}

void CFilterLogo::on_sliderBlur_valueChanged(int)
{
    RestartTimer(kShortDelay);
}

void CFilterLogo::on_checkUseStroke_clicked(bool checked)
{
    EnableStroke(checked);
    RestartTimer(kLongDelay);
}

void CFilterLogo::CPStrokeColorChanged()
{
    RestartTimer(kLongDelay);
}

void CFilterLogo::on_spinStrokeAlpha_valueChanged(int)
{
    RestartTimer(kLongDelay);
}

void CFilterLogo::on_spinStrokeWidth_valueChanged(int)
{
    RestartTimer(kLongDelay);
}

void CFilterLogo::on_checkUseShadow_clicked(bool checked)
{
    EnableShadow(checked);
    RestartTimer(kLongDelay);
}

void CFilterLogo::CPShadowColorChanged()
{
    RestartTimer(kLongDelay);
}

void CFilterLogo::on_spinShadowAlpha_valueChanged(int)
{
    RestartTimer(kLongDelay);
}

void CFilterLogo::on_sliderShadowDistance_valueChanged(int)
{
    RestartTimer(kLongDelay);
}

void CFilterLogo::on_spinShadowAngle_valueChanged(int value)
{
    ui->dialShadowAngle->setValue(value);
    RestartTimer(kLongDelay);
}

void CFilterLogo::on_dialShadowAngle_valueChanged(int value)
{
    ui->spinShadowAngle->setValue(value);
    RestartTimer(kShortDelay);
}

void CFilterLogo::on_sliderShadowBlur_valueChanged(int)
{
    RestartTimer(kLongDelay);
}
