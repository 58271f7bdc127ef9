#include "CFilterCustomMask.h"

#include "CFormatsEnum.h"
#include "Common.h"
#include "PagePaths.h"
#include "PageValues.h"

#include "ui_CFilterCustomMask.h"

#include <QTimer>

namespace {
constexpr int kEditDelay = 500;
constexpr int kMaxPercent = 100;

const QString kMaskKey = QStringLiteral("GUI/Filter.WatermarkMask.MaskPath");
const QString kMaskPortraitKey = QStringLiteral("GUI/Filter.WatermarkMask.MaskPortraitPath");
} // namespace

CFilterCustomMask::CFilterCustomMask(QWidget* parent, int filterId)
    : QWidget(parent)
    , CFilterUI(filterId)
    , ui(new Ui::CFilterCustomMask)
    , formatsEnum(CFormatsEnum::GetInstance())
    , defaultMaskPath(GetRegistryString(kMaskKey, QString()))
    , defaultMaskPortraitPath(GetRegistryString(kMaskPortraitKey, QString()))
{
    ui->setupUi(this);
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CFilterCustomMask::OnTimer);
}

CFilterCustomMask::~CFilterCustomMask()
{
    delete ui;
}

void CFilterCustomMask::Initialize()
{
    ui->editMask->setText(PagePaths::ForDisplay(defaultMaskPath));
    ui->editMaskPortrait->setText(PagePaths::ForDisplay(defaultMaskPortraitPath));
    ShowChoice(defaultRotate == 1);
    ui->spinAlpha->setValue(defaultAlpha);
    ui->buttonBrowse->setFocus();
    timer->start(0);
}

void CFilterCustomMask::Load(SFilterRecord record, bool preview)
{
    editsArmed = preview;
    ui->editMask->setText(PagePaths::ForDisplay(record.texts[0]));
    ui->editMaskPortrait->setText(PagePaths::ForDisplay(record.texts[1]));
    // Rounded half up: 0.4 is the portrait mask, 0.5 turns the mask.
    ShowChoice(PageValues::RoundedInt(record.params[0], -1, 1) != 0);
    ui->spinAlpha->setValue(PageValues::RoundedInt(record.params[1], 0, kMaxPercent));
    ui->buttonBrowse->setFocus();
    editsArmed = true;
    if (preview)
        timer->start(0);
}

void CFilterCustomMask::Save(SFilterRecord& record)
{
    record.numParams = 2;
    record.params[0] = ui->radioRotateMask->isChecked() ? 1 : 0;
    record.params[1] = ui->spinAlpha->value();
    record.numTexts = 2;
    record.texts[0] = PagePaths::ForRecord(ui->editMask->text());
    record.texts[1] = PagePaths::ForRecord(ui->editMaskPortrait->text());
}

void CFilterCustomMask::OnTimer()
{
    timer->stop();
    SFilterRecord record;
    Save(record);
    emit SaveState(record);
    StartPreview(record);
}

void CFilterCustomMask::ShowChoice(bool rotate)
{
    ui->radioRotateMask->setChecked(rotate);
    ui->radioDifferentMask->setChecked(!rotate);
    EnablePortrait(!rotate);
}

void CFilterCustomMask::EnablePortrait(bool on)
{
    ui->editMaskPortrait->setEnabled(on);
    ui->buttonBrowsePortrait->setEnabled(on);
}

void CFilterCustomMask::RestartTimer()
{
    if (editsArmed)
        timer->start(kEditDelay);
}

void CFilterCustomMask::BrowseMask(const QString& key, QLineEdit* edit)
{
    const QString start = GetRegistryString(key, GetMyPictures());
    const QString path = PagePaths::ChooseImage(this, tr("Select Mask"), start, formatsEnum->dialogFilter);
    if (path.isEmpty())
        return;
    edit->setText(PagePaths::ForDisplay(path));
    // The whole path: the next dialog opens on it, and the next new mask
    // filter starts with it.
    SetRegistryString(key, path);
    RestartTimer();
}

void CFilterCustomMask::on_radioRotateMask_clicked(bool checked)
{
    EnablePortrait(!checked);
    RestartTimer();
}

void CFilterCustomMask::on_radioDifferentMask_clicked(bool checked)
{
    EnablePortrait(checked);
    RestartTimer();
}

void CFilterCustomMask::on_spinAlpha_valueChanged(int)
{
    RestartTimer();
}

void CFilterCustomMask::on_buttonBrowse_clicked()
{
    BrowseMask(kMaskKey, ui->editMask);
}

void CFilterCustomMask::on_buttonBrowsePortrait_clicked()
{
    BrowseMask(kMaskPortraitKey, ui->editMaskPortrait);
}
