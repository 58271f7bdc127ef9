#include "CFilterVintageFrame.h"

#include "ui_CFilterVintageFrame.h"

namespace {
// The style names are shown as written, untranslated.
const QStringList kStyles = {"Style 1", "Style 2", "Style 3", "Style 4", "Style 5", "Style 6", "Style 7", "Style 8", "Style 9"};
} // namespace

CFilterVintageFrame::CFilterVintageFrame(QWidget* parent, int filterId)
    : CFilterFrame(parent, filterId, 96, kStyles), ui(new Ui::CFilterVintageFrame)
{
    ui->setupUi(this);
    Bind({ui->comboFrame, ui->CPBackgroundColor, nullptr, ui->checkTranspBackground, ui->checkRandomFrame});
}

CFilterVintageFrame::~CFilterVintageFrame()
{
    delete ui;
}
