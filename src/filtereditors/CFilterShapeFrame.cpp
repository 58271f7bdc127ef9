#include "CFilterShapeFrame.h"

#include "ui_CFilterShapeFrame.h"

namespace {
// The style names are shown as written, untranslated.
const QStringList kStyles = {"Rectangle", "Elipse", "Star", "Heart", "Cracked Glass", "Shield"};
} // namespace

CFilterShapeFrame::CFilterShapeFrame(QWidget* parent, int filterId)
    : CFilterFrame(parent, filterId, 0, kStyles), ui(new Ui::CFilterShapeFrame)
{
    ui->setupUi(this);
    Bind({ui->comboFrame, ui->CPBackgroundColor, ui->comboEdges, ui->checkTranspBackground, ui->checkRandomFrame});
}

CFilterShapeFrame::~CFilterShapeFrame()
{
    delete ui;
}

void CFilterShapeFrame::FillEdges()
{
    ui->comboEdges->clear();
    ui->comboEdges->addItems({tr("Sharp"), tr("Blurred")});
}

void CFilterShapeFrame::on_comboEdges_activated(int)
{
    RestartTimer();
}
