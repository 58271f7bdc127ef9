#include "CMainPanel1.h"

#include "CImageManager.h"
#include "CListImages.h"
#include "CListThumb.h"
#include "CListThumbDetails.h"
#include "CUserProfile.h"
#include "Common.h"
#include "ui_CMainPanel1.h"

#include <QItemSelection>

// ---------------------------------------------------------------- preview

void CMainPanel1::StartPreview(bool keepPath)
{
    const int row = DetailsShown() ? detailsView->currentRow() : photoListView->currentRow();
    const int count = int(photoList->list.size());
    if (!keepPath) {
        if (count > 0 && row != -1 && row < count) {
            userProfile->previewPath = photoList->list.at(row).path;
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
}

void CMainPanel1::BlankPreview() {}

void CMainPanel1::CleanUp()
{
    BlankPreview();
}

void CMainPanel1::on_checkShowPreview_clicked(bool on)
{
    userProfile->Step1Preview = on;
    SetRegistryInt("GUI/Step1.ShowPreview", on ? 1 : 0);
    changed = true;
    emit SignalChanges();
}

void CMainPanel1::UpdateZoomText(int percent)
{
    ui->textZoomPercent->setText(QString::asprintf("%d", percent) + "%");
}

void CMainPanel1::on_buttonZoomInImage_clicked() {}

void CMainPanel1::on_buttonZoomOutImage_clicked() {}

void CMainPanel1::on_buttonMaxZoomImage_clicked() {}

void CMainPanel1::on_buttonMinZoomImage_clicked() {}

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
    addPhotoTipShown = true;
    timerHideAddPhotoTip.start(15000);
}

void CMainPanel1::ShowStep2Tip()
{
    timerShowStep2Tip.stop();
    if (userProfile->launchCount > 2 || step2TipShown)
        return;
    step2TipShown = true;
    timerHideStep2Tip.start(15000);
}

void CMainPanel1::MakeAddPhotoTipInvisible()
{
    timerHideAddPhotoTip.stop();
}

void CMainPanel1::MakeStep2TipInvisible()
{
    timerHideStep2Tip.stop();
}
