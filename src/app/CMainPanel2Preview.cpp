// The photo strip, the two previews, the panel's events and its tips.
#include "CMainPanel2.h"

#include "CControlImage.h"
#include "CFormatsEnum.h"
#include "CImageManager.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CListThumb.h"
#include "CStatesList.h"
#include "CTextWidget.h"
#include "CUserProfile.h"
#include "Common.h"
#include "TipFitting.h"
#include "WindowHelpers.h"
#include "ui_CMainPanel2.h"

#include <QMutexLocker>
#include <QSignalBlocker>

namespace {
constexpr int kCurrentPreviewDelay = 500;
constexpr int kTipShowDelay = 2000;
constexpr int kTipHideDelay = 15000;
} // namespace

SImageRecord CMainPanel2::PreviewRecord() const
{
    return GetImageRecordByName(photoList->list, userProfile->previewPath);
}

CControlImage* CMainPanel2::ViewOfPage(int page) const
{
    if (page == 0)
        return ui->scrollImageFilters;
    if (page == 1)
        return ui->scrollImageOriginal;
    return nullptr;
}

// ---------------------------------------------------------------- the strip

void CMainPanel2::SlotReloadThumbsInPanel2(int row)
{
    SynchronizeListThumbs(row);
}

bool CMainPanel2::StripShowsPhotos() const
{
    CListThumb* strip = ui->listThumbnails;
    const QList<SImageRecord>& photos = photoList->list;
    if (strip->count() != photos.size())
        return false;
    QMutexLocker locker(strip->Mutex());
    const QList<SThumb>& records = *strip->Records();
    const QList<int>& rows = *strip->RowMap();
    if (rows.size() != photos.size())
        return false;
    for (int i = 0; i < photos.size(); ++i) {
        const int index = rows.at(i);
        if (index < 0 || index >= records.size() || records.at(index).path != photos.at(i).path)
            return false;
    }
    return true;
}

void CMainPanel2::SynchronizeListThumbs(int row)
{
    CListThumb* strip = ui->listThumbnails;
    if (StripShowsPhotos()) {
        // The same photos in the same order (a step 1 view change, or the
        // second refresh of an undo): the strip keeps its items and
        // thumbnails. Only the choice starts afresh, as in a rebuilt strip,
        // so that choosing the row below follows through to the previews.
        const QSignalBlocker block(strip);
        strip->selectionModel()->clear();
        photoList->RenumberKeys();
    } else {
        // The rebuild itself is no choice of a photo.
        const QSignalBlocker block(strip);
        strip->clear();
        strip->RemoveAll();
        const QList<SImageRecord>& photos = photoList->list;
        for (int i = 0; i < photos.size(); ++i) {
            const SImageRecord& record = photos.at(i);
            const SFormatRecord format = formats->GetRecordById(record.extension);
            strip->AddItem(record.baseName, record.baseName, record.path, false, format.kind, true);
            if (QListWidgetItem* item = strip->item(i)) {
                // The new rows are laid out after the rebuild, with these
                // sizes: no change signal per item.
                const QSignalBlocker quiet(strip->model());
                item->setSizeHint(QSize(64, 85));
                item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
            }
        }
        photoList->RenumberKeys();
        strip->AssignThumbnails();
        strip->ReloadToolTips();
    }
    if (row >= 0 && row < strip->count())
        strip->setCurrentRow(row);
    else
        strip->setCurrentRow(-1);
    UpdatePreviewFilename();
}

void CMainPanel2::on_listThumbnails_itemSelectionChanged()
{
    SystemLogWrite("on_listThumbnails_itemSelectionChanged", QString());
    timerCurrentPreview.start(kCurrentPreviewDelay);
}

// ---------------------------------------------------------------- previews

void CMainPanel2::StartPreviewFilters()
{
    CControlImage* view = ui->scrollImageFilters;
    view->ClearFiltersList();
    view->AddFiltersList(&filterList->list);
    StartOrBlank(view);
}

void CMainPanel2::StartPreviewOriginal()
{
    CControlImage* view = ui->scrollImageOriginal;
    view->ClearFiltersList();
    StartOrBlank(view);
}

void CMainPanel2::StartOrBlank(CControlImage* view)
{
    // A script runs its batch and quits: nobody sees a preview, and a render
    // would only take a core from the run.
    if (userProfile->scriptRun)
        return;
    // A photo whose file has gone is refused: the view must not go on
    // showing the photo chosen before it.
    if (view->StartPreview(userProfile->previewPath) || !view->previewOn)
        return;
    view->ShowBlank();
    view->Cleanup();
}

void CMainPanel2::StartActivePreview()
{
    if (ui->stackedWidget->currentIndex() == 0)
        StartPreviewFilters();
    else if (ui->stackedWidget->currentIndex() == 1)
        StartPreviewOriginal();
}

void CMainPanel2::StartCurrentPreview()
{
    const int row = ui->listThumbnails->currentRow();
    SystemLogWrite("StartCurrentPreview", "index: " + QString::number(row));
    const int count = int(photoList->list.size());
    if (count > 0) {
        const int shown = row >= 0 && row < count ? row : 0;
        userProfile->previewPath = photoList->list.at(shown).path;
        userProfile->previewIndex = shown;
    }
    UpdatePreviewFilename();
    // Undoing or redoing a change of the names alone needs no new render,
    // as long as the view already shows the photo: a photo chosen after a
    // preset change is rendered.
    const CControlImage* view = ViewOfPage(ui->stackedWidget->currentIndex());
    const bool sameRender = view && view->imagePath == userProfile->previewPath;
    if (states->NameChangesOnly() && !restartPreview && sameRender)
        return;
    restartPreview = false;
    StartActivePreview();
}

void CMainPanel2::StartCurrentPreviewIfOriginal()
{
    if (ui->stackedWidget->currentIndex() == 1)
        StartCurrentPreview();
}

void CMainPanel2::StartAllPreviews()
{
    const int row = ui->listThumbnails->currentRow();
    if (row < 0 || row >= photoList->list.size())
        return;
    userProfile->previewPath = photoList->list.at(row).path;
    userProfile->previewIndex = row;
    UpdatePreviewFilename();
    StartPreviewFilters();
    StartPreviewOriginal();
}

void CMainPanel2::on_stackedWidget_currentChanged(int page)
{
    CControlImage* view = ViewOfPage(page);
    if (!view)
        return;
    if (view->shown && view->imagePath == userProfile->previewPath) {
        view->UpdateView();
        return;
    }
    if (!view->neverDrawn)
        view->ShowBlank();
    if (page == 0)
        StartPreviewFilters();
    else
        StartPreviewOriginal();
}

void CMainPanel2::on_buttonSwitchView_clicked()
{
    ui->stackedWidget->setCurrentIndex(ui->stackedWidget->currentIndex() == 0 ? 1 : 0);
}

void CMainPanel2::on_checkShowPreview_clicked(bool on)
{
    userProfile->Step2Preview = on;
    ui->scrollImageFilters->previewOn = on;
    ui->scrollImageOriginal->previewOn = on;
    SetRegistryInt("GUI/Step2.ShowPreview", on ? 1 : 0);
    if (on)
        StartActivePreview();
    else
        CleanUp(true);
    // A switch of the view, not of the job: no undo step.
    const CStatesList::SuppressGuard suppress(states);
    SignalPanelChanged(false);
}

void CMainPanel2::StopThumbnails()
{
    ui->listThumbnails->StopLoading();
}

void CMainPanel2::CleanUp(bool both)
{
    if (!both)
        cleanFiltered = false;
    CControlImage* filtered = ui->scrollImageFilters;
    CControlImage* original = ui->scrollImageOriginal;
    if (filtered->busy || original->busy) {
        timerCleanUp.start(100);
        return;
    }
    original->ShowBlank();
    original->Cleanup();
    if (cleanFiltered) {
        filtered->ShowBlank();
        filtered->Cleanup();
    }
    cleanFiltered = true;
}

void CMainPanel2::OnTimerResizePreview()
{
    QStackedWidget* stack = ui->stackedWidget;
    const int page = stack->currentIndex();
    if (page == 0 || page == 1) {
        stack->setCurrentIndex(page == 0 ? 1 : 0);
        stack->setCurrentIndex(page);
    } else {
        stack->setCurrentIndex(page);
    }
}

void CMainPanel2::UpdateZoomText(int percent)
{
    ui->textZoomPercent->setText(CControlImage::ZoomText(percent));
}

void CMainPanel2::on_buttonZoomInFilters_clicked()
{
    ui->scrollImageFilters->ZoomIn();
    ui->scrollImageOriginal->ZoomIn();
}

void CMainPanel2::on_buttonZoomOutFilters_clicked()
{
    ui->scrollImageFilters->ZoomOut();
    ui->scrollImageOriginal->ZoomOut();
}

void CMainPanel2::on_buttonMinZoomFilters_clicked()
{
    ui->scrollImageFilters->ZoomToMatch();
    ui->scrollImageOriginal->ZoomToMatch();
}

void CMainPanel2::on_buttonMaxZoomFilters_clicked()
{
    ui->scrollImageFilters->ZoomToFit();
    ui->scrollImageOriginal->ZoomToFit();
}

// ---------------------------------------------------------------- events

void CMainPanel2::showEvent(QShowEvent* event)
{
    SystemLogWrite("showEvent", QString());
    QWidget::showEvent(event);
    restartPreview = true;
    if (!userProfile->previewPath.isEmpty()) {
        const SImageRecord record = PreviewRecord();
        const int row = record.path.isEmpty() ? -1 : int(record.key);
        if (row >= 0 && row < ui->listThumbnails->count())
            ui->listThumbnails->setCurrentRow(row);
        if (ui->scrollImageFilters->imagePath != userProfile->previewPath)
            timerCurrentPreview.start(kCurrentPreviewDelay);
    } else {
        CleanUp(true);
        if (ui->listThumbnails->count() > 0)
            ui->listThumbnails->setCurrentRow(0);
    }
    UpdatePreviewFilename();
    timerShowAddFilterTip.start(kTipShowDelay);
}

void CMainPanel2::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    timerHideAddFilterTip.start(0);
    timerHideStep3Tip.start(0);
}

void CMainPanel2::resizeEvent(QResizeEvent* event)
{
    SystemLogWrite("resizeEvent", QString());
    QWidget::resizeEvent(event);
    ui->listThumbnails->UpdateView();
    timerHideAddFilterTip.start(0);
    timerHideStep3Tip.start(0);
    if (userProfile->previewPath.isEmpty()) {
        ui->scrollImageFilters->ShowPlaceholder();
        ui->scrollImageOriginal->ShowPlaceholder();
    }
    timerResizePreview.start(200);
}

// ---------------------------------------------------------------- tips

void CMainPanel2::ShowAddFilterTip()
{
    timerShowAddFilterTip.stop();
    // A panel left before the tip was due shows it when it is shown again.
    if (userProfile->launchCount > 2 || addFilterTipShown || !isVisible())
        return;
    tipAddFilter->SetShape(GenerateInfoBaloon(2));
    FitTip(*tipAddFilter, QSize(290, 75),
           tr("Add a graphic filter that will be applied on all the photos added in Step 1"));
    const QPoint button = ui->buttonAddFilter->mapTo(this, QPoint(0, 0));
    tipAddFilter->move(button + QPoint(55, 25));
    tipAddFilter->show();
    tipAddFilter->raise();
    timerHideAddFilterTip.start(kTipHideDelay);
    addFilterTipShown = true;
}

void CMainPanel2::ShowStep3Tip()
{
    timerShowStep3Tip.stop();
    if (userProfile->launchCount > 2 || step3TipShown || !isVisible())
        return;
    tipStep3->SetShape(GenerateInfoBaloon(2));
    FitTip(*tipStep3, QSize(250, 80),
           tr("Go to Step 3 and select the output folder and image format for the edited photos"));
    tipStep3->move(width() / 2 + 40, 0);
    tipStep3->show();
    tipStep3->raise();
    timerHideStep3Tip.start(kTipHideDelay);
    step3TipShown = true;
}

void CMainPanel2::MakeAddFilterTipInvisible()
{
    tipAddFilter->hide();
    timerHideAddFilterTip.stop();
}

void CMainPanel2::MakeStep3TipInvisible()
{
    tipStep3->hide();
    timerHideStep3Tip.stop();
}
