#include "CFilterResize.h"

#include "Common.h"
#include "PageValues.h"
#include "TransformMath.h"

#include "ui_CFilterResize.h"

#include <QTimer>

#include <algorithm>

using TransformMath::RoundHalfUp;

namespace {
constexpr int kShortDelay = 500;
constexpr int kLongDelay = 1000;
constexpr double kMaxPixels = 30000;
constexpr double kMaxPercent = 1000;
constexpr int kModes = 4;
constexpr int kPixels = 0;
constexpr int kPercent = 1;
constexpr int kFixedBoth = 3;
} // namespace

CFilterResize::CFilterResize(QWidget* parent, int filterId)
    : QWidget(parent), CFilterUI(filterId), ui(new Ui::CFilterResize)
{
    ui->setupUi(this);
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CFilterResize::OnTimer);
}

CFilterResize::~CFilterResize()
{
    delete ui;
}

bool CFilterResize::SizeKnown() const
{
    return imageWidth > 0 && imageHeight > 0;
}

double CFilterResize::MaxPixelWidth() const
{
    // Without a photo the range must not shut to 0..0: a loaded size would
    // be clamped to nothing and the resize saved that way.
    return SizeKnown() ? std::min(10.0 * double(imageWidth), kMaxPixels) : kMaxPixels;
}

double CFilterResize::MaxPixelHeight() const
{
    return SizeKnown() ? std::min(10.0 * double(imageHeight), kMaxPixels) : kMaxPixels;
}

void CFilterResize::InitControls()
{
    updatingSizes = false;
    shownUnit = defaultUnit;
    shownMode = defaultMode;
    ui->textOriginalSize->setText(tr("Original image size:")
                                  + QString(" %1 x %2").arg(imageWidth).arg(imageHeight));
    ui->comboDimensions->clear();
    ui->comboDimensions->addItems({tr("in Pixels"), tr("in Percents")});
    ui->comboResizeBy->clear();
    ui->comboResizeBy->addItems(
        {tr("Width & Height"), tr("Fixed Width"), tr("Fixed Height"), tr("Fixed Width & Height")});
    ui->spinWidth->setFocus();
}

void CFilterResize::SetUnitRanges(int unit)
{
    const bool percent = unit == kPercent;
    for (QDoubleSpinBox* box : {ui->spinWidth, ui->spinHeight})
        box->setDecimals(percent ? 2 : 0);
    ui->spinWidth->setRange(0, percent ? kMaxPercent : MaxPixelWidth());
    ui->spinHeight->setRange(0, percent ? kMaxPercent : MaxPixelHeight());
}

void CFilterResize::Initialize()
{
    SystemLogWrite("Initialize", "");
    InitControls();
    for (QWidget* widget : {static_cast<QWidget*>(ui->comboResizeBy), static_cast<QWidget*>(ui->spinWidth),
                            static_cast<QWidget*>(ui->spinHeight), static_cast<QWidget*>(ui->checkAspectRatio),
                            static_cast<QWidget*>(ui->checkNoUpscale)})
        widget->setEnabled(true);
    fixedBoth = false;
    ui->comboDimensions->setCurrentIndex(defaultUnit);
    ui->comboResizeBy->setCurrentIndex(defaultMode);
    updatingSizes = true;
    SetUnitRanges(kPixels);
    ui->spinWidth->setValue(0.7 * double(imageWidth));
    ui->spinHeight->setValue(0.7 * double(imageHeight));
    updatingSizes = false;
    ui->checkAspectRatio->setChecked(defaultKeepAspect);
    ui->checkNoUpscale->setChecked(defaultNoUpscale);
    timer->start(0);
}

void CFilterResize::Load(SFilterRecord record, bool preview)
{
    SystemLogWrite("Load", "");
    editsArmed = preview;
    InitControls();

    // A box kept in proportion and saved on one photo keeps its longer side
    // and takes the orientation and proportions of the photo shown now. An
    // unknown photo has no proportions: the record keeps its values.
    double* p = record.params;
    if (p[3] == 0 && p[4] == 0 && p[2] == 1 && SizeKnown()) {
        const double longSide = std::max(p[0], p[1]);
        if (imageRatio < 1.0) {
            p[0] = imageRatio * longSide;
            p[1] = longSide;
        } else {
            p[0] = longSide;
            p[1] = longSide / imageRatio;
        }
    }

    const int unit = PageValues::RoundedInt(p[4], kPixels, kPercent);
    const int mode = PageValues::RoundedInt(p[3], 0, kModes - 1);
    updatingSizes = true;
    SetUnitRanges(unit);
    if (unit == kPercent) {
        ui->comboResizeBy->setEnabled(false);
        ui->checkNoUpscale->setChecked(false);
        ui->checkNoUpscale->setEnabled(false);
    } else {
        ui->comboResizeBy->setEnabled(true);
        ui->checkNoUpscale->setEnabled(true);
    }
    ui->spinWidth->setValue(PageValues::Clamped(p[0], 0, ui->spinWidth->maximum()));
    ui->spinHeight->setValue(PageValues::Clamped(p[1], 0, ui->spinHeight->maximum()));
    updatingSizes = false;

    ui->checkAspectRatio->setChecked(PageValues::RoundedInt(p[2], -1, 1) != 0);
    ui->comboResizeBy->setCurrentIndex(mode);
    if (mode == 0) {
        // The widgets may still be set up for the mode shown before (an undo
        // from "Fixed Width & Height"): couple the boxes again, the aspect
        // box keeping its tick.
        fixedBoth = false;
        ShowMode(mode);
    } else {
        on_comboResizeBy_activated(mode);
    }
    shownMode = mode;
    ui->comboDimensions->setCurrentIndex(unit);
    shownUnit = unit;
    ui->checkNoUpscale->setChecked(PageValues::RoundedInt(p[5], -1, 1) != 0);

    editsArmed = true;
    if (preview)
        timer->start(0);
    else
        emit SaveState(record);
}

void CFilterResize::Save(SFilterRecord& record)
{
    record.numParams = 6;
    record.numTexts = 0;
    record.params[0] = ui->spinWidth->value();
    record.params[1] = ui->spinHeight->value();
    record.params[2] = ui->checkAspectRatio->isChecked() ? 1 : 0;
    record.params[3] = ui->comboResizeBy->currentIndex();
    record.params[4] = ui->comboDimensions->currentIndex();
    record.params[5] = ui->checkNoUpscale->isChecked() ? 1 : 0;
}

void CFilterResize::OnTimer()
{
    timer->stop();
    SFilterRecord record;
    Save(record);
    emit SaveState(record);
    StartPreview(record);
}

void CFilterResize::RestartTimer(int milliseconds)
{
    if (editsArmed)
        timer->start(milliseconds);
}

void CFilterResize::ShowMode(int mode)
{
    ui->spinWidth->setEnabled(mode != 2);
    ui->spinHeight->setEnabled(mode != 1);
    ui->checkAspectRatio->setEnabled(mode == 0);
    if (mode == kFixedBoth)
        fixedBoth = true;
}

void CFilterResize::on_comboResizeBy_activated(int mode)
{
    if (mode == shownMode)
        return;
    // In "Fixed Width" and "Fixed Height" the aspect box stays ticked though
    // disabled, so the one enabled box still moves the other.
    ui->checkAspectRatio->setChecked(true);
    fixedBoth = false;
    ShowMode(mode);
    shownMode = mode;
    RestartTimer(kShortDelay);
}

void CFilterResize::on_comboDimensions_activated(int unit)
{
    if (unit == shownUnit)
        return;
    updatingSizes = true;
    fixedBoth = false;
    const double width = ui->spinWidth->value();
    const double height = ui->spinHeight->value();
    // While the photo's size is unknown there is nothing to convert by: the
    // values stay as they are (within the new unit's range).
    const bool convert = SizeKnown();
    const double fx = double(imageWidth) / 100.0;
    const double fy = double(imageHeight) / 100.0;
    SetUnitRanges(unit);
    if (unit == kPercent) {
        if (convert) {
            ui->spinWidth->setValue(width / fx);
            ui->spinHeight->setValue(height / fy);
        }
        // Percent resizes keep the proportions of each photo: the mode goes
        // back to "Width & Height", and what the widgets were set up for
        // follows it, so that any mode can be chosen again in pixels.
        ui->comboResizeBy->setCurrentIndex(0);
        ui->comboResizeBy->setEnabled(false);
        shownMode = 0;
        ui->spinWidth->setEnabled(true);
        ui->spinHeight->setEnabled(true);
        ui->checkAspectRatio->setChecked(true);
        ui->checkAspectRatio->setEnabled(true);
        ui->checkNoUpscale->setChecked(false);
    } else if (unit == kPixels) {
        if (convert) {
            ui->spinWidth->setValue(RoundHalfUp(fx * width));
            ui->spinHeight->setValue(RoundHalfUp(fy * height));
        }
        ui->comboResizeBy->setEnabled(true);
    }
    ui->checkNoUpscale->setEnabled(unit == kPixels);
    updatingSizes = false;
    shownUnit = unit;
}

void CFilterResize::Follow(bool widthEdited, double value)
{
    if (!ui->checkAspectRatio->isChecked() || fixedBoth)
        return;
    updatingSizes = true;
    QDoubleSpinBox* other = widthEdited ? ui->spinHeight : ui->spinWidth;
    if (shownUnit == kPercent)
        other->setValue(value);
    else
        other->setValue(RoundHalfUp(widthEdited ? value / imageRatio : value * imageRatio));
    updatingSizes = false;
}

void CFilterResize::on_spinWidth_valueChanged(double value)
{
    if (updatingSizes) {
        RestartTimer(kShortDelay);
        return;
    }
    Follow(true, value);
    RestartTimer(kLongDelay);
}

void CFilterResize::on_spinHeight_valueChanged(double value)
{
    if (updatingSizes) {
        RestartTimer(kShortDelay);
        return;
    }
    Follow(false, value);
    RestartTimer(kLongDelay);
}

void CFilterResize::on_checkAspectRatio_clicked(bool)
{
    updatingSizes = true;
    const double width = ui->spinWidth->value();
    ui->spinHeight->setValue(shownUnit == kPercent ? width : RoundHalfUp(width / imageRatio));
    updatingSizes = false;
    RestartTimer(kShortDelay);
}

void CFilterResize::on_checkNoUpscale_clicked(bool)
{
    RestartTimer(kShortDelay);
}
