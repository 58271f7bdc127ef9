#include "CFilterGrungeFrame.h"

#include "ui_CFilterGrungeFrame.h"

namespace {
// The style names are shown as written, untranslated.
const QStringList kStyles = {"Grunge 1", "Grunge 2", "Grunge 3", "Grunge 4", "Grunge 5", "Grunge 6"};
} // namespace

CFilterGrungeFrame::CFilterGrungeFrame(QWidget* parent, int filterId)
    : CFilterFrame(parent, filterId, 32, kStyles), ui(new Ui::CFilterGrungeFrame)
{
    ui->setupUi(this);
    Bind({ui->comboFrame, ui->CPBackgroundColor, nullptr, ui->checkTranspBackground, ui->checkRandomFrame});
}

CFilterGrungeFrame::~CFilterGrungeFrame()
{
    delete ui;
}
