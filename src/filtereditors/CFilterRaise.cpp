#include "CFilterRaise.h"

#include "PageValues.h"

#include "ui_CFilterRaise.h"

#include <QTimer>

namespace {
constexpr int kShortDelay = 500;
constexpr int kLongDelay = 1000;
} // namespace

CFilterRaise::CFilterRaise(QWidget* parent, int filterId)
    : QWidget(parent), CFilterUI(filterId), ui(new Ui::CFilterRaise)
{
    ui->setupUi(this);
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CFilterRaise::OnTimer);
}

CFilterRaise::~CFilterRaise()
{
    delete ui;
}

void CFilterRaise::InitControls()
{
    ui->comboEffect->clear();
    ui->comboEffect->addItems({tr("Lower"), tr("Raise")});
    ui->sliderBorder->setFocus();
}

void CFilterRaise::Initialize()
{
    InitControls();
    ui->sliderBorder->setValue(defaultBorder); // the spin box follows
    ui->comboEffect->setCurrentIndex(defaultEffect);
    timer->start(0);
}

void CFilterRaise::Load(SFilterRecord record, bool preview)
{
    InitControls();
    ui->spinBorder->setValue(
        PageValues::RoundedInt(record.params[0], ui->spinBorder->minimum(), ui->spinBorder->maximum()));
    ui->comboEffect->setCurrentIndex(PageValues::ListIndex(record.params[1], ui->comboEffect->count()));
    if (preview)
        timer->start(0);
}

void CFilterRaise::Save(SFilterRecord& record)
{
    record.numParams = 2;
    record.numTexts = 0;
    record.params[0] = ui->spinBorder->value();
    record.params[1] = ui->comboEffect->currentIndex();
}

void CFilterRaise::OnTimer()
{
    timer->stop();
    SFilterRecord record;
    Save(record);
    emit SaveState(record);
    StartPreview(record);
}

void CFilterRaise::on_sliderBorder_valueChanged(int value)
{
    ui->spinBorder->setValue(value);
    timer->start(kLongDelay);
}

void CFilterRaise::on_spinBorder_valueChanged(int value)
{
    ui->sliderBorder->setValue(value);
    timer->start(kLongDelay);
}

void CFilterRaise::on_comboEffect_currentIndexChanged(int)
{
    // Also runs when the list is refilled or set by Initialize and Load;
    // their own 0 ms start follows.
    timer->start(kShortDelay);
}
