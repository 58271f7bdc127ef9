#include "CFilterSettings.h"

#include "CControlImage.h"
#include "CFilterUI.h"
#include "CImageCache.h"
#include "CUserProfile.h"
#include "Common.h"
#include "CPromptSeam.h"
#include "FilterBounds.h"

#include "HelpPages.h"
#include "ui_CFilterSettings.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QStackedWidget>

namespace {
const char* const kShowPreviewKey = "GUI/FilterSettings.ShowPreview";
constexpr int kDragDelay = 100;

// Ids whose record is edited on the image: the zoom of the filtered view is
// locked while their frame or mark is edited, so the zoom controls go.
bool EditedOnImage(quint32 filterId)
{
    return filterId == 1000 || filterId == 1010 || filterId == 5020 || filterId == 5040;
}
} // namespace

CFilterSettings::CFilterSettings(QWidget* parent) : QDialog(parent), ui(new Ui::CFilterSettings)
{
    ui->setupUi(this);
    userProfile = CUserProfile::GetInstance();
    imageCache = CImageCache::GetInstance();
    setWindowFlags((windowFlags() & ~Qt::WindowContextHelpButtonHint) | Qt::WindowMaximizeButtonHint);
    timerUpdateControls.setSingleShot(true);
    connect(&timerUpdateControls, &QTimer::timeout, this, &CFilterSettings::OnTimerUpdateControls);
    connect(ui->scrollFilter, &CControlImage::UpdateFilterInterface, this,
            &CFilterSettings::UpdateFilterInterface);
    Init();
}

CFilterSettings::~CFilterSettings()
{
    // The page goes first: it points at the views.
    delete pageWidget;
    delete ui;
}

void CFilterSettings::Init()
{
    for (CControlImage* view : {ui->scrollFilter, ui->scrollOriginal}) {
        connect(view, &CControlImage::UpdateZoomPercent, this, &CFilterSettings::UpdateZoomText,
                Qt::QueuedConnection);
        // Queued, to follow a zoom announced before it.
        connect(
            view, &CControlImage::ZoomCleared, this,
            [this, view = view] {
                if (ViewOfIndex(ui->stackedWidget->currentIndex()) == view)
                    ui->textZoomPercent->clear();
            },
            Qt::QueuedConnection);
    }
    CControlImage::FitZoomLabel(ui->textZoomPercent);

    const QString background = userProfile->themeId != 0 ? "background-color: rgb( 30, 30, 30 );"
                                                         : "background-color: rgb( 255, 255, 255 );";
    const QList<QPair<CControlImage*, QLabel*>> views = {{ui->scrollFilter, ui->viewFilter},
                                                         {ui->scrollOriginal, ui->viewOriginal}};
    for (const auto& [view, label] : views) {
        label->setBackgroundRole(QPalette::Base);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        view->imageLabel = label;
        view->setStyleSheet(background);
    }

    ui->scrollFilter->overlayLabel = ui->viewWatermark;
    ui->scrollFilter->friendView = ui->scrollOriginal;
    ui->scrollFilter->copyMinZoom = true;
    ui->scrollFilter->editMode = true;
    ui->scrollOriginal->friendView = ui->scrollFilter;

    const bool showPreview = GetRegistryInt(kShowPreviewKey, 1) != 0;
    ui->checkShowPreview->setChecked(showPreview);
    ui->scrollFilter->previewOn = showPreview;
    ui->scrollOriginal->previewOn = showPreview;
    on_checkShowPreview_clicked(showPreview);

    ui->buttonUndo->setEnabled(false);
    ui->buttonRedo->setEnabled(false);
    ui->widgetFilter->setLayout(new QHBoxLayout);
    ui->widgetFilter->setMinimumWidth(1);
    SetIcons();
}

void CFilterSettings::SetIcons()
{
    const QList<QPair<QAbstractButton*, QPoint>> cells = {
        {ui->buttonMinZoom, {0, 0}}, {ui->buttonMaxZoom, {1, 0}}, {ui->buttonZoomIn, {2, 0}},
        {ui->buttonZoomOut, {3, 0}}, {ui->buttonUndo, {0, 1}},    {ui->buttonRedo, {1, 1}}};
    for (const auto& [button, cell] : cells) {
        button->setIcon(imageCache->GetIcon("Icons-Minimal.png", true, true, 16, cell.x(), cell.y()));
        button->setIconSize(QSize(16, 16));
    }
}

void CFilterSettings::setPanelTranzition(bool* flag)
{
    ui->scrollFilter->panelTransition = flag;
    ui->scrollOriginal->panelTransition = flag;
}

int CFilterSettings::exec()
{
    SFilterRecord::RegisterMetaType();
    if (!filterPage) {
        const Page page = CreatePage(filterRecord.filterId, ui->widgetFilter);
        if (!page.filter)
            return 0;
        pageWidget = page.widget;
        filterPage = page.filter;
        ui->widgetFilter->layout()->addWidget(pageWidget);
        ui->widgetFilter->layout()->setContentsMargins(pageWidget->contentsMargins());
    }
    setWindowTitle(filterPage->filterType.name);
    setMinimumSize(840, 590);

    filterPage->controlFilter = ui->scrollFilter;
    filterPage->controlOriginal = ui->scrollOriginal;
    filterPage->imageRecord = imageRecord;
    filterPage->PingImage();
    if (filterRecord.numParams != 0)
        filterPage->Load(filterRecord, true);
    else
        filterPage->Initialize();

    if (EditedOnImage(filterRecord.filterId)) {
        for (QWidget* zoom : {static_cast<QWidget*>(ui->buttonMaxZoom), static_cast<QWidget*>(ui->buttonMinZoom),
                              static_cast<QWidget*>(ui->buttonZoomIn), static_cast<QWidget*>(ui->buttonZoomOut),
                              static_cast<QWidget*>(ui->textZoomPercent)})
            zoom->hide();
    }
    // A page with its own stacked pages or tabs sits flush with the top.
    const bool hasStack = pageWidget->findChild<QStackedWidget*>() != nullptr;
    ui->widgetFilter->setContentsMargins(0, hasStack ? 0 : 25, 0, 0);
    return QDialog::exec();
}

void CFilterSettings::accept()
{
    if (filterPage) {
        // Settings the filter would refuse on every photo (a resize to 0
        // pixels, say) are not taken: the dialog says why and stays open.
        SFilterRecord edited = filterRecord;
        filterPage->Save(edited);
        const QString refusal = FilterBounds::Check(edited);
        if (!refusal.isEmpty()) {
            CPromptSeam::Warning(this, CPromptSeam::Message, refusal);
            return;
        }
        filterRecord = edited;
    }
    QDialog::accept();
}

void CFilterSettings::reject()
{
    // A render under way stops and is not run again.
    for (CControlImage* view : {ui->scrollFilter, ui->scrollOriginal}) {
        view->thread.noRepeat = true;
        view->thread.Abort();
    }
    QDialog::reject();
}

void CFilterSettings::UpdateUndoButtons()
{
    ui->buttonUndo->setEnabled(statesList.GetCurrent() >= 2);
    ui->buttonRedo->setEnabled(statesList.GetCurrent() < statesList.GetTotal());
}

void CFilterSettings::SaveState(SFilterRecord record)
{
    // The state that an undo or redo caused is the loaded record itself:
    // it is previewed but not stored again.
    if (statesList.skipNextSave) {
        statesList.skipNextSave = 0;
        return;
    }
    statesList.SaveState(record);
    ui->buttonUndo->setEnabled(statesList.GetTotal() >= 2);
    ui->buttonRedo->setEnabled(false);
}

void CFilterSettings::on_buttonUndo_clicked()
{
    if (!filterPage || statesList.GetCurrent() < 2)
        return;
    const SFilterRecord record = statesList.Undo();
    statesList.skipNextSave = 1;
    filterPage->Load(record, true);
    UpdateUndoButtons();
}

void CFilterSettings::on_buttonRedo_clicked()
{
    if (!filterPage || statesList.GetCurrent() >= statesList.GetTotal())
        return;
    const SFilterRecord record = statesList.Redo();
    statesList.skipNextSave = 1;
    filterPage->Load(record, true);
    UpdateUndoButtons();
}

void CFilterSettings::on_buttonReset_clicked()
{
    if (filterPage)
        filterPage->Initialize();
}

void CFilterSettings::UpdateFilterInterface(SFilterRecord record)
{
    dragRecord = record;
    timerUpdateControls.start(kDragDelay);
}

void CFilterSettings::OnTimerUpdateControls()
{
    if (filterPage)
        filterPage->Load(dragRecord, false);
}

void CFilterSettings::UpdateZoomText(int percent)
{
    ui->textZoomPercent->setText(CControlImage::ZoomText(percent));
}

CControlImage* CFilterSettings::ViewOfIndex(int index) const
{
    if (index == 0)
        return ui->scrollFilter;
    if (index == 1)
        return ui->scrollOriginal;
    return nullptr;
}

void CFilterSettings::showEvent(QShowEvent* event)
{
    ui->scrollOriginal->ShowBlank();
    ui->scrollFilter->ShowBlank();
    // Visit the hidden view first and come back, so that both start.
    const int index = ui->stackedWidget->currentIndex();
    ui->stackedWidget->setCurrentIndex(index == 0 ? 1 : 0);
    ui->stackedWidget->setCurrentIndex(index);
    QDialog::showEvent(event);
}

void CFilterSettings::on_stackedWidget_currentChanged(int index)
{
    CControlImage* view = ViewOfIndex(index);
    if (!view)
        return;
    if (view->shown)
        view->UpdateView();
    else if (imageRecord.path.isEmpty() || !view->previewOn)
        view->ShowBlank();
    else
        view->StartPreview(imageRecord.path);
}

void CFilterSettings::on_buttonSwitchView_clicked()
{
    ui->stackedWidget->setCurrentIndex(ui->stackedWidget->currentIndex() == 0 ? 1 : 0);
}

void CFilterSettings::on_checkShowPreview_clicked(bool on)
{
    ui->scrollFilter->previewOn = on;
    ui->scrollOriginal->previewOn = on;
    SetRegistryInt(kShowPreviewKey, on ? 1 : 0);
    if (on) {
        ui->scrollFilter->UpdatePreview();
        ui->scrollOriginal->UpdatePreview();
        ui->scrollFilter->StartPreview(imageRecord.path);
        ui->scrollOriginal->StartPreview(imageRecord.path);
    } else {
        ui->scrollFilter->ShowBlank();
        ui->scrollOriginal->ShowBlank();
    }
}

void CFilterSettings::on_buttonZoomIn_clicked()
{
    ui->scrollFilter->ZoomIn();
    ui->scrollOriginal->ZoomIn();
}

void CFilterSettings::on_buttonZoomOut_clicked()
{
    ui->scrollFilter->ZoomOut();
    ui->scrollOriginal->ZoomOut();
}

void CFilterSettings::on_buttonMaxZoom_clicked()
{
    ui->scrollFilter->ZoomToMatch();
    ui->scrollOriginal->ZoomToMatch();
}

void CFilterSettings::on_buttonMinZoom_clicked()
{
    ui->scrollFilter->ZoomToFit();
    ui->scrollOriginal->ZoomToFit();
}

void CFilterSettings::resizeEvent(QResizeEvent* event)
{
    if (userProfile->previewPath.isEmpty()) {
        ui->scrollFilter->ShowPlaceholder();
        ui->scrollOriginal->ShowPlaceholder();
    }
    QDialog::resizeEvent(event);
}

void CFilterSettings::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        const QString page = HelpPage(filterRecord.filterId);
        if (!page.isEmpty())
            HelpPages::Open(this, page);
        return;
    }
    QDialog::keyPressEvent(event);
}
