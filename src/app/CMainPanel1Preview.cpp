#include "CMainPanel1.h"

#include "CControlImage.h"
#include "CImageManager.h"
#include "CListImages.h"
#include "CListThumb.h"
#include "CListThumbDetails.h"
#include "CTextWidget.h"
#include "CUserProfile.h"
#include "Common.h"
#include "WindowHelpers.h"
#include "ui_CMainPanel1.h"

#include <QItemSelection>

// ---------------------------------------------------------------- preview

void CMainPanel1::StartPreview(bool keepPath)
{
    // A script runs its batch and quits: nobody sees a preview, and a render
    // would only take a core from the run.
    if (userProfile->scriptRun)
        return;
    const int row = DetailsShown() ? detailsView->currentRow() : photoListView->currentRow();
    const int count = int(photoList->list.size());
    if (!keepPath) {
        if (count > 0 && row != -1) {
            userProfile->previewPath = row < count ? photoList->list.at(row).path : QString();
            userProfile->previewIndex = row;
        } else {
            userProfile->previewPath.clear();
            userProfile->previewIndex = 0;
            if (row == -1)
                return;
        }
    } else if (row == -1) {
        return;
    }
    // A row outside the list is dropped; the step 1 preview never shows
    // filters.
    if (row < 0 || row >= count || ui->scrollImage->imagePath == photoList->list.at(row).path)
        return;
    ui->scrollImage->ClearFiltersList();
    // A photo whose file has gone is refused: the view must not go on
    // showing the photo chosen before it.
    if (!ui->scrollImage->StartPreview(userProfile->previewPath) && ui->scrollImage->previewOn)
        BlankPreview();
}

void CMainPanel1::BlankPreview()
{
    ui->scrollImage->ShowBlank();
    ui->scrollImage->Cleanup();
}

void CMainPanel1::CleanUp()
{
    BlankPreview();
}

void CMainPanel1::StopThumbnails()
{
    detailsView->StopLoading();
    photoListView->StopLoading();
}

void CMainPanel1::on_checkShowPreview_clicked(bool on)
{
    userProfile->Step1Preview = on;
    ui->scrollImage->previewOn = on;
    SetRegistryInt("GUI/Step1.ShowPreview", on ? 1 : 0);
    if (on) {
        ui->scrollImage->ClearFiltersList();
        ui->scrollImage->StartPreview(userProfile->previewPath);
    } else {
        ui->scrollImage->Cleanup();
        ui->scrollImage->ShowBlank();
    }
    changed = true;
    emit SignalChanges();
}

void CMainPanel1::UpdateZoomText(int percent)
{
    ui->textZoomPercent->setText(CControlImage::ZoomText(percent));
}

void CMainPanel1::on_buttonZoomInImage_clicked()
{
    ui->scrollImage->ZoomIn();
}

void CMainPanel1::on_buttonZoomOutImage_clicked()
{
    ui->scrollImage->ZoomOut();
}

void CMainPanel1::on_buttonMaxZoomImage_clicked()
{
    ui->scrollImage->ZoomToFit();
}

void CMainPanel1::on_buttonMinZoomImage_clicked()
{
    ui->scrollImage->ZoomToMatch();
}

void CMainPanel1::SelectListImagesItem(int row)
{
    if (row < 0 || row >= photoListView->count())
        return;
    {
        const QSignalBlocker block(photoListView);
        photoListView->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    SelectDetailsRows({row}, row);
    emit SignalListImagesChanged();
}

void CMainPanel1::showEvent(QShowEvent* event)
{
    SystemLogWrite("showEvent", QString());
    QWidget::showEvent(event);
    // The label takes the preview's size again (the panel may have been
    // resized while hidden).
    if (ui->scrollImage->shown)
        ui->scrollImage->UpdatePreview();
    else
        ui->scrollImage->ShowPlaceholder();
    if (!userProfile->previewPath.isEmpty()) {
        const SImageRecord record = GetImageRecordByName(photoList->list, userProfile->previewPath);
        SelectListImagesItem(record.path.isEmpty() ? -1 : int(record.key));
    } else if (photoListView->count() > 0) {
        photoListView->setCurrentRow(0);
    }
    timerPreview.start(500);
}

void CMainPanel1::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    timerHideAddPhotoTip.start(0);
    timerHideStep2Tip.start(0);
}

void CMainPanel1::resizeEvent(QResizeEvent* event)
{
    SystemLogWrite("resizeEvent", QString());
    QWidget::resizeEvent(event);
    timerHideAddPhotoTip.start(0);
    timerHideStep2Tip.start(0);
    photoListView->UpdateView();
    detailsView->UpdateView();
}

// ---------------------------------------------------------------- tips

void CMainPanel1::ShowAddPhotoTip()
{
    timerShowAddPhotoTip.stop();
    if (userProfile->launchCount > 2 || addPhotoTipShown)
        return;
    tipAddPhoto->SetShape(GenerateInfoBaloon(1));
    tipAddPhoto->SetParagraphs({tr("Add the photos you want to edit")});
    tipAddPhoto->resize(247, 55);
    tipAddPhoto->move(ui->buttonAddPhotos->mapTo(this, QPoint(0, 0)) + QPoint(-215, -20));
    tipAddPhoto->show();
    tipAddPhoto->raise();
    timerHideAddPhotoTip.start(15000);
    addPhotoTipShown = true;
}

void CMainPanel1::ShowStep2Tip()
{
    timerShowStep2Tip.stop();
    if (userProfile->launchCount > 2 || step2TipShown)
        return;
    tipStep2->SetShape(GenerateInfoBaloon(2));
    tipStep2->SetParagraphs({tr("Go to Step 2 and define the edits you want to apply to your photos")});
    tipStep2->resize(200, 80);
    tipStep2->move(width() / 2 - 10, 0);
    tipStep2->show();
    tipStep2->raise();
    timerHideStep2Tip.start(15000);
    step2TipShown = true;
}

void CMainPanel1::MakeAddPhotoTipInvisible()
{
    tipAddPhoto->hide();
    timerHideAddPhotoTip.stop();
}

void CMainPanel1::MakeStep2TipInvisible()
{
    tipStep2->hide();
    timerHideStep2Tip.stop();
}
