#include "CFilterCrop.h"

#include "Common.h"
#include "PageValues.h"
#include "TransformMath.h"

#include "ui_CFilterCrop.h"

#include <QTimer>

namespace {
constexpr int kEditDelay = 1000;
constexpr double kMaxValue = 30000;
constexpr int kUnits = 2;
constexpr int kPixels = 0;
constexpr int kPercent = 1;
} // namespace

CFilterCrop::CFilterCrop(QWidget* parent, int filterId)
    : QWidget(parent), CFilterUI(filterId), ui(new Ui::CFilterCrop)
{
    ui->setupUi(this);
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CFilterCrop::OnTimer);
}

CFilterCrop::~CFilterCrop()
{
    delete ui;
}

QList<QDoubleSpinBox*> CFilterCrop::Boxes() const
{
    return {ui->spinLeft, ui->spinTop, ui->spinWidth, ui->spinHeight};
}

void CFilterCrop::SetDecimals(int decimals)
{
    for (QDoubleSpinBox* box : Boxes())
        box->setDecimals(decimals);
}

void CFilterCrop::InitControls()
{
    SystemLogWrite("InitControls", "");
    shownUnit = kPixels;
    ui->textOriginalSize->setText(tr("Original image size:")
                                  + QString(" %1 x %2").arg(imageWidth).arg(imageHeight));
    ui->comboDimensions->clear();
    ui->comboDimensions->addItems({tr("in Pixels"), tr("in Percents")});
    ui->spinLeft->setFocus();
}

void CFilterCrop::Initialize()
{
    SystemLogWrite("Initialize", "");
    InitControls();
    ui->comboDimensions->setCurrentIndex(kPixels);
    shownUnit = kPixels;
    SetDecimals(0);
    // The default box is centred with a margin of 15 % on each side.
    const double left = double(imageWidth) * 30 / 100 * 0.5;
    const double top = double(imageHeight) * 30 / 100 * 0.5;
    const double width = double(imageWidth) * 70 / 100;
    const double height = double(imageHeight) * 70 / 100;
    SystemLogWrite("Initialize", QString::asprintf("- CFilterCrop %.2f %.2f %.2f %.2f", left, top, width, height));
    ui->spinLeft->setValue(left);
    ui->spinTop->setValue(top);
    ui->spinWidth->setValue(width);
    ui->spinHeight->setValue(height);
    timer->start(0);
}

void CFilterCrop::Load(SFilterRecord record, bool preview)
{
    SystemLogWrite("Load", "");
    editsArmed = preview;
    InitControls();
    const double* p = record.params;
    const int unit = PageValues::ListIndex(p[4], kUnits);
    ui->comboDimensions->setCurrentIndex(unit);
    shownUnit = unit;
    SetDecimals(unit == kPercent ? 2 : 0);
    ui->spinLeft->setValue(PageValues::Clamped(p[0], 0, kMaxValue));
    ui->spinWidth->setValue(PageValues::Clamped(p[2], 0, kMaxValue));
    ui->spinTop->setValue(PageValues::Clamped(p[1], 0, kMaxValue));
    ui->spinHeight->setValue(PageValues::Clamped(p[3], 0, kMaxValue));
    editsArmed = true;
    if (preview)
        timer->start(0);
    else
        emit SaveState(record); // the preview shows the dragged frame already
}

void CFilterCrop::Save(SFilterRecord& record)
{
    SystemLogWrite("Save", "");
    record.numParams = 5;
    record.numTexts = 0;
    record.params[0] = ui->spinLeft->value();
    record.params[1] = ui->spinTop->value();
    record.params[2] = ui->spinWidth->value();
    record.params[3] = ui->spinHeight->value();
    record.params[4] = ui->comboDimensions->currentIndex();
}

void CFilterCrop::OnTimer()
{
    SystemLogWrite("OnTimer", "");
    timer->stop();
    SFilterRecord record;
    Save(record);
    emit SaveState(record);
    StartPreview(record);
}

void CFilterCrop::RestartTimer()
{
    if (editsArmed)
        timer->start(kEditDelay);
}

void CFilterCrop::on_spinLeft_valueChanged(double)
{
    RestartTimer();
}

void CFilterCrop::on_spinTop_valueChanged(double)
{
    RestartTimer();
}

void CFilterCrop::on_spinWidth_valueChanged(double)
{
    RestartTimer();
}

void CFilterCrop::on_spinHeight_valueChanged(double)
{
    RestartTimer();
}

void CFilterCrop::on_comboDimensions_activated(int index)
{
    SystemLogWrite("on_comboDimensions_activated", "");
    if (index == shownUnit)
        return;
    // While the photo's size is unknown there is nothing to convert by: the
    // values stay as they are and only the unit changes.
    const bool convert = imageWidth > 0 && imageHeight > 0;
    const double fx = double(imageWidth) / 100.0;
    const double fy = double(imageHeight) / 100.0;
    const double factors[] = {fx, fy, fx, fy};
    const QList<QDoubleSpinBox*> boxes = Boxes();
    if (index == kPercent) {
        SetDecimals(2);
        for (int i = 0; convert && i < boxes.size(); ++i)
            boxes[i]->setValue(boxes[i]->value() / factors[i]);
    } else if (index == kPixels) {
        for (int i = 0; convert && i < boxes.size(); ++i)
            boxes[i]->setValue(TransformMath::RoundHalfUp(boxes[i]->value() * factors[i]));
        SetDecimals(0);
    }
    shownUnit = index;
}
