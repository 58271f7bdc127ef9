#include "CFilterShadow.h"

#include "CColorPicker.h"
#include "PageValues.h"

#include "ui_CFilterShadow.h"

#include <QTimer>

namespace {
constexpr int kShortDelay = 500;
constexpr int kLongDelay = 1000;
} // namespace

CFilterShadow::CFilterShadow(QWidget* parent, int filterId)
    : QWidget(parent), CFilterUI(filterId), ui(new Ui::CFilterShadow)
{
    ui->setupUi(this);
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CFilterShadow::OnTimer);
    connect(ui->CPColor, &CColorPicker::ColorChanged, this, &CFilterShadow::CPColorChanged);
}

CFilterShadow::~CFilterShadow()
{
    delete ui;
}

void CFilterShadow::Initialize()
{
    // Each widget's change slot sets its twin.
    ui->sliderTransparency->setValue(defaultOpacity);
    ui->sliderSize->setValue(defaultSize);
    ui->CPColor->SetColor(defaultColor);
    ui->checkWhiteBackground->setChecked(defaultWhiteBackground);
    ui->sliderTransparency->setFocus();
    timer->start(0);
}

void CFilterShadow::Load(SFilterRecord record, bool preview)
{
    const double* p = record.params;
    ui->spinTransparency->setValue(PageValues::RoundedInt(p[0], ui->spinTransparency->minimum(),
                                                          ui->spinTransparency->maximum()));
    ui->spinSize->setValue(PageValues::RoundedInt(p[1], ui->spinSize->minimum(), ui->spinSize->maximum()));
    ui->CPColor->SetColor(PageValues::Colour(p[2]));
    ui->checkWhiteBackground->setChecked(PageValues::Flag(p[3]));
    ui->sliderTransparency->setFocus();
    if (preview)
        timer->start(0);
}

void CFilterShadow::Save(SFilterRecord& record)
{
    record.numParams = 4;
    record.numTexts = 0;
    record.params[0] = ui->spinTransparency->value();
    record.params[1] = ui->spinSize->value();
    record.params[2] = ui->CPColor->color;
    record.params[3] = ui->checkWhiteBackground->isChecked() ? 1 : 0;
}

void CFilterShadow::OnTimer()
{
    timer->stop();
    SFilterRecord record;
    Save(record);
    emit SaveState(record);
    StartPreview(record);
}

void CFilterShadow::on_sliderTransparency_valueChanged(int value)
{
    ui->spinTransparency->setValue(value);
    timer->start(kLongDelay);
}

void CFilterShadow::on_spinTransparency_valueChanged(int value)
{
    ui->sliderTransparency->setValue(value);
    timer->start(kLongDelay);
}

void CFilterShadow::on_sliderSize_valueChanged(int value)
{
    ui->spinSize->setValue(value);
    timer->start(kLongDelay);
}

void CFilterShadow::on_spinSize_valueChanged(int value)
{
    ui->sliderSize->setValue(value);
    timer->start(kLongDelay);
}

void CFilterShadow::CPColorChanged()
{
    timer->start(kShortDelay);
}

void CFilterShadow::on_checkWhiteBackground_clicked()
{
    timer->start(kShortDelay);
}
