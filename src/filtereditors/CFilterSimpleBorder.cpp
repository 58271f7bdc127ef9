#include "CFilterSimpleBorder.h"

#include "CColorPicker.h"
#include "PageValues.h"
#include "TransformMath.h"

#include "ui_CFilterSimpleBorder.h"

#include <QTimer>

namespace {
constexpr int kShortDelay = 500;
constexpr int kLongDelay = 1000;
constexpr int kMaxWidth = 30000;
constexpr int kPixels = 0;
constexpr int kPercent = 1;
} // namespace

CFilterSimpleBorder::CFilterSimpleBorder(QWidget* parent, int filterId)
    : QWidget(parent), CFilterUI(filterId), ui(new Ui::CFilterSimpleBorder)
{
    ui->setupUi(this);
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CFilterSimpleBorder::OnTimer);
    connect(ui->CPColor, &CColorPicker::ColorChanged, this, &CFilterSimpleBorder::CPColorChanged);
}

CFilterSimpleBorder::~CFilterSimpleBorder()
{
    delete ui;
}

void CFilterSimpleBorder::InitControls()
{
    shownUnit = kPixels;
    ui->comboDimensions->clear();
    ui->comboDimensions->addItems({tr("in Pixels"), tr("in Percents")});
    ui->CPColor->setFocus();
}

void CFilterSimpleBorder::EnableSides(bool uniform)
{
    ui->spinBottom->setEnabled(!uniform);
    ui->spinLeft->setEnabled(!uniform);
    ui->spinRight->setEnabled(!uniform);
}

void CFilterSimpleBorder::Initialize()
{
    InitControls();
    ui->comboDimensions->setCurrentIndex(defaultUnit);
    shownUnit = defaultUnit;
    ui->CPColor->SetColor(defaultColor);
    ui->spinTop->setValue(defaultTop);
    ui->spinBottom->setValue(defaultBottom);
    ui->spinLeft->setValue(defaultLeft);
    ui->spinRight->setValue(defaultRight);
    ui->checkUniformDimensions->setChecked(defaultUniform);
    EnableSides(defaultUniform);
    timer->start(0);
}

void CFilterSimpleBorder::Load(SFilterRecord record, bool preview)
{
    InitControls();
    const double* p = record.params;
    ui->spinTop->setValue(PageValues::RoundedInt(p[0], 0, kMaxWidth));
    ui->spinBottom->setValue(PageValues::RoundedInt(p[1], 0, kMaxWidth));
    ui->spinLeft->setValue(PageValues::RoundedInt(p[2], 0, kMaxWidth));
    ui->spinRight->setValue(PageValues::RoundedInt(p[3], 0, kMaxWidth));
    shownUnit = PageValues::RoundedInt(p[4], kPixels, kPercent);
    ui->comboDimensions->setCurrentIndex(shownUnit);
    ui->CPColor->SetColor(PageValues::Colour(p[5]));
    const bool uniform = PageValues::RoundedInt(p[6], -1, 1) != 0;
    ui->checkUniformDimensions->setChecked(uniform);
    EnableSides(uniform);
    if (preview)
        timer->start(0);
}

void CFilterSimpleBorder::Save(SFilterRecord& record)
{
    record.numParams = 7;
    record.numTexts = 0;
    record.params[0] = ui->spinTop->value();
    record.params[1] = ui->spinBottom->value();
    record.params[2] = ui->spinLeft->value();
    record.params[3] = ui->spinRight->value();
    record.params[4] = ui->comboDimensions->currentIndex();
    record.params[5] = ui->CPColor->color;
    record.params[6] = ui->checkUniformDimensions->isChecked() ? 1 : 0;
}

void CFilterSimpleBorder::OnTimer()
{
    timer->stop();
    SFilterRecord record;
    Save(record);
    emit SaveState(record);
    StartPreview(record);
}

void CFilterSimpleBorder::on_spinTop_valueChanged(int)
{
    timer->start(kLongDelay);
}

void CFilterSimpleBorder::on_spinBottom_valueChanged(int)
{
    timer->start(kLongDelay);
}

void CFilterSimpleBorder::on_spinLeft_valueChanged(int)
{
    timer->start(kLongDelay);
}

void CFilterSimpleBorder::on_spinRight_valueChanged(int)
{
    timer->start(kLongDelay);
}

void CFilterSimpleBorder::CPColorChanged()
{
    timer->start(kShortDelay);
}

void CFilterSimpleBorder::on_checkUniformDimensions_clicked(bool checked)
{
    EnableSides(checked);
    timer->start(kShortDelay);
}

void CFilterSimpleBorder::on_comboDimensions_activated(int index)
{
    if (index == shownUnit)
        return;
    // Whole numbers in both units; while the photo's size is unknown there
    // is nothing to convert by and the widths stay as they are.
    const double fx = double(imageWidth) / 100.0;
    const double fy = double(imageHeight) / 100.0;
    if (imageWidth > 0 && imageHeight > 0 && (index == kPercent || index == kPixels)) {
        const QList<QPair<QSpinBox*, double>> sides = {
            {ui->spinTop, fy}, {ui->spinBottom, fy}, {ui->spinLeft, fx}, {ui->spinRight, fx}};
        for (const auto& [box, factor] : sides) {
            const double value = index == kPercent ? box->value() / factor : box->value() * factor;
            box->setValue(PageValues::RoundedInt(value, 0, kMaxWidth));
        }
    }
    shownUnit = index;
}
