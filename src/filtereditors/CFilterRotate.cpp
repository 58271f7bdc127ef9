#include "CFilterRotate.h"

#include "PageValues.h"

#include "ui_CFilterRotate.h"

#include <QTimer>

namespace {
constexpr int kEditDelay = 500;
constexpr int kMaxAngle = 359;
constexpr int kConditions = 3;
} // namespace

CFilterRotate::CFilterRotate(QWidget* parent, int filterId)
    : QWidget(parent), CFilterUI(filterId), ui(new Ui::CFilterRotate)
{
    ui->setupUi(this);
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CFilterRotate::OnTimer);
}

CFilterRotate::~CFilterRotate()
{
    delete ui;
}

void CFilterRotate::InitControls()
{
    ui->comboOrientation->clear();
    ui->comboOrientation->addItem(tr("All Photos"));
    ui->comboOrientation->addItem(tr("Only Portrait"));
    ui->comboOrientation->addItem(tr("Only Landscape"));
    ui->spinDegrees->setFocus();
}

void CFilterRotate::Initialize()
{
    InitControls();
    SetAngle(defaultAngle);
    ui->comboOrientation->setCurrentIndex(defaultCondition);
    RestartTimer(0);
}

void CFilterRotate::Load(SFilterRecord record, bool preview)
{
    InitControls();
    SetAngle(PageValues::RoundedInt(record.params[0], 0, kMaxAngle));
    ui->comboOrientation->setCurrentIndex(PageValues::ListIndex(record.params[1], kConditions));
    if (preview)
        RestartTimer(0);
}

void CFilterRotate::Save(SFilterRecord& record)
{
    record.numParams = 2;
    record.numTexts = 0;
    record.params[0] = ui->dialDegrees->value();
    record.params[1] = ui->comboOrientation->currentIndex();
}

void CFilterRotate::OnTimer()
{
    timer->stop();
    SFilterRecord record;
    Save(record);
    emit SaveState(record);
    StartPreview(record);
}

int CFilterRotate::QuarterTurnLeft(int degrees)
{
    const int from = degrees == 0 ? 360 : degrees;
    const int rest = from % 90;
    return rest == 0 ? from - 90 : from - rest;
}

int CFilterRotate::QuarterTurnRight(int degrees)
{
    const int to = degrees / 90 * 90 + 90;
    return to == 360 ? 0 : to;
}

void CFilterRotate::SetAngle(int degrees)
{
    // Each widget's change slot sets its twin; the second change finds the
    // value already equal and stops there.
    ui->dialDegrees->setValue(degrees);
    ui->spinDegrees->setValue(degrees);
}

void CFilterRotate::RestartTimer(int milliseconds)
{
    timer->start(milliseconds);
}

void CFilterRotate::on_dialDegrees_valueChanged(int value)
{
    ui->spinDegrees->setValue(value);
    RestartTimer(kEditDelay);
}

void CFilterRotate::on_spinDegrees_valueChanged(int value)
{
    ui->dialDegrees->setValue(value);
    RestartTimer(kEditDelay);
}

void CFilterRotate::on_buttonRotateLeft_clicked()
{
    SetAngle(QuarterTurnLeft(ui->dialDegrees->value()));
    RestartTimer(kEditDelay);
}

void CFilterRotate::on_buttonRotateRight_clicked()
{
    SetAngle(QuarterTurnRight(ui->dialDegrees->value()));
    RestartTimer(kEditDelay);
}

void CFilterRotate::on_comboOrientation_activated(int)
{
    RestartTimer(kEditDelay);
}
