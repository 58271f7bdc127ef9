#include "CFilterFrame.h"

#include "CColorPicker.h"
#include "CImageCache.h"
#include "PageValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTimer>

namespace {
constexpr int kEditDelay = 500;
constexpr int kEdges = 2;
} // namespace

const char* const CFilterFrame::StripName = "Icons-Frames.png";

CFilterFrame::CFilterFrame(QWidget* parent, int filterId, int top, const QStringList& names)
    : QWidget(parent)
    , CFilterUI(filterId)
    , imageCache(CImageCache::GetInstance())
    , stripTop(top)
    , styles(names)
{
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CFilterFrame::OnTimer);
}

CFilterFrame::~CFilterFrame() = default;

void CFilterFrame::Bind(const FrameWidgets& widgets)
{
    frameWidgets = widgets;
    connect(frameWidgets.backgroundColor, &CColorPicker::ColorChanged, this,
            &CFilterFrame::CPBackgroundColorChanged);
}

void CFilterFrame::InitControls()
{
    // Always the normal-density, unthemed strip: the cells are drawn at
    // their size in the list.
    const QImage strip = imageCache->GetAsset(StripName, false, false);
    QComboBox* list = frameWidgets.comboFrame;
    list->clear();
    for (int i = 0; i < styles.size(); ++i) {
        QIcon icon;
        if (!strip.isNull())
            icon = QIcon(QPixmap::fromImage(strip.copy(CellSize * i, stripTop, CellSize, CellSize)));
        list->addItem(icon, styles.at(i));
    }
    FillEdges();
    list->setFocus();
}

void CFilterFrame::EnableDependents()
{
    frameWidgets.backgroundColor->setEnabled(!frameWidgets.checkTranspBackground->isChecked());
    frameWidgets.comboFrame->setEnabled(!frameWidgets.checkRandomFrame->isChecked());
}

void CFilterFrame::Initialize()
{
    InitControls();
    frameWidgets.comboFrame->setCurrentIndex(defaultFrame);
    frameWidgets.backgroundColor->SetColor(defaultBackgroundColor);
    if (frameWidgets.comboEdges)
        frameWidgets.comboEdges->setCurrentIndex(defaultEdges);
    frameWidgets.checkTranspBackground->setChecked(defaultTranspBackground);
    frameWidgets.checkRandomFrame->setChecked(defaultRandomFrame);
    EnableDependents();
    timer->start(0);
}

void CFilterFrame::Load(SFilterRecord record, bool preview)
{
    InitControls();
    const double* p = record.params;
    frameWidgets.comboFrame->setCurrentIndex(PageValues::RoundedInt(p[0], 0, int(styles.size()) - 1));
    frameWidgets.backgroundColor->SetColor(PageValues::Colour(p[1]));
    int next = 2;
    if (frameWidgets.comboEdges)
        frameWidgets.comboEdges->setCurrentIndex(PageValues::ListIndex(p[next++], kEdges));
    frameWidgets.checkTranspBackground->setChecked(PageValues::Flag(p[next++]));
    frameWidgets.checkRandomFrame->setChecked(PageValues::Flag(p[next]));
    EnableDependents();
    if (preview)
        timer->start(0);
}

void CFilterFrame::Save(SFilterRecord& record)
{
    const auto flag = [](const QCheckBox* box) { return box->isChecked() ? 1.0 : 0.0; };
    int next = 0;
    double* p = record.params;
    p[next++] = frameWidgets.comboFrame->currentIndex();
    p[next++] = frameWidgets.backgroundColor->color;
    if (frameWidgets.comboEdges)
        p[next++] = frameWidgets.comboEdges->currentIndex();
    p[next++] = flag(frameWidgets.checkTranspBackground);
    p[next++] = flag(frameWidgets.checkRandomFrame);
    record.numParams = quint8(next);
    record.numTexts = 0;
}

void CFilterFrame::OnTimer()
{
    timer->stop();
    SFilterRecord record;
    Save(record);
    emit SaveState(record);
    StartPreview(record);
}

void CFilterFrame::RestartTimer()
{
    timer->start(kEditDelay);
}

void CFilterFrame::on_comboFrame_activated(int)
{
    RestartTimer();
}

void CFilterFrame::CPBackgroundColorChanged()
{
    RestartTimer();
}

void CFilterFrame::on_checkTranspBackground_clicked()
{
    EnableDependents();
    RestartTimer();
}

void CFilterFrame::on_checkRandomFrame_clicked()
{
    EnableDependents();
    RestartTimer();
}
