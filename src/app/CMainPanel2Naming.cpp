// Output naming: the presets, the renaming dialog, the default settings and
// the name the preview photo would get.
#include "CMainPanel2.h"

#include "CDialogRename.h"
#include "CListImages.h"
#include "COutputNaming.h"
#include "CUserProfile.h"
#include "Common.h"
#include "ui_CMainPanel2.h"

void CMainPanel2::SetDefaultFilenameSettings()
{
    userProfile->FilenameFormat = QStringLiteral("[Filename]");
    userProfile->ChangeCase = 0;
    userProfile->LowerCaseExt = true;
    userProfile->CounterStart = 1;
    userProfile->CountStep = 1;
    userProfile->CounterDigits = 2;
    userProfile->CounterReset = false;
    userProfile->DateType = 0;
    userProfile->DateFormat = 0;
    userProfile->ShowTime = 0;
    userProfile->TimeFormat = 0;
    userProfile->SearchFor.clear();
    userProfile->ReplaceWith.clear();
    userProfile->PresetRename = 0;
}

void CMainPanel2::UpdatePreviewFilename()
{
    // No photo, no name.
    if (userProfile->previewPath.isEmpty()) {
        ui->editPreview->clear();
        return;
    }
    SImageRecord record = PreviewRecord();
    if (record.path.isEmpty()) {
        // A photo that is not in the job: its own texts, row 0.
        const QString& path = userProfile->previewPath;
        const QString fileName = path.mid(path.lastIndexOf('/') + 1);
        const int dot = fileName.lastIndexOf('.');
        record.path = path;
        record.folder = path.left(std::max(0, int(path.lastIndexOf('/'))));
        record.baseName = dot < 0 ? fileName : fileName.left(dot);
        record.extension = dot < 0 ? QString() : fileName.mid(dot + 1);
    }
    const COutputNaming::SPhoto photo = COutputNaming::JobPhoto(record);
    const QString name = COutputNaming::Generate(userProfile->filenameFilter, userProfile->Naming(),
                                                 userProfile->Output(), userProfile->Format(), formats, photo,
                                                 int(photoList->list.size()), true);
    ui->editPreview->setText(name);
}

void CMainPanel2::on_comboPreset_activated(int index)
{
    if (index >= 0 && index <= 2) {
        userProfile->PresetRename = index;
        userProfile->filenameFilter.PresetRename = index;
        UpdatePreviewFilename();
        SignalPanelChanged(true);
        return;
    }
    CDialogRename dialog(this);
    dialog.previewPhoto = PreviewRecord();
    if (dialog.exec() == QDialog::Accepted) {
        userProfile->PresetRename = 3;
        userProfile->filenameFilter.PresetRename = 3;
        UpdatePreviewFilename();
        SignalPanelChanged(true);
        return;
    }
    // Cancelled: the preset in force stays.
    ui->comboPreset->setCurrentIndex(qBound(0, userProfile->PresetRename, 3));
    userProfile->filenameFilter.PresetRename = userProfile->PresetRename;
}

void CMainPanel2::on_buttonCustom_clicked()
{
    CDialogRename dialog(this);
    dialog.previewPhoto = PreviewRecord();
    if (dialog.exec() != QDialog::Accepted)
        return;
    userProfile->PresetRename = 3;
    userProfile->filenameFilter.PresetRename = 3;
    ui->comboPreset->setCurrentIndex(3);
    UpdatePreviewFilename();
    SignalPanelChanged(false);
}
