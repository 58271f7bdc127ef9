#include "CFilterPictureFrame.h"

#include "ui_CFilterPictureFrame.h"

namespace {
// The style names are shown as written, untranslated.
const QStringList kStyles = {"Style 1", "Style 2", "Style 3", "Style 4"};
} // namespace

CFilterPictureFrame::CFilterPictureFrame(QWidget* parent, int filterId)
    : CFilterFrame(parent, filterId, 64, kStyles), ui(new Ui::CFilterPictureFrame)
{
    ui->setupUi(this);
    Bind({ui->comboFrame, ui->CPBackgroundColor, nullptr, ui->checkTranspBackground, ui->checkRandomFrame});
}

CFilterPictureFrame::~CFilterPictureFrame()
{
    delete ui;
}
