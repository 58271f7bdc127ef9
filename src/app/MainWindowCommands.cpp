#include "MainWindow.h"

#include "CListImages.h"
#include "CMainPanel1.h"
#include "CMainPanel2.h"
#include "CMainPanel3.h"
#include "CProcessController.h"
#include "CPromptSeam.h"
#include "CSettings.h"
#include "CStatesList.h"
#include "CUserProfile.h"
#include "Common.h"
#include "HelpPages.h"
#include "Platform.h"

#include <QFileInfo>
#include <QToolBar>

void MainWindow::on_actionNew_triggered()
{
    SystemLogWrite("on_actionNew_triggered", QString());
    if (!CPromptSeam::Question(this, CPromptSeam::DiscardJob, tr("Your settings will be discarded. Continue?")))
        return;
    // Emptying the panels is no user change: no undo state for each step.
    states->suppress = true;
    ResetAppTitle();
    panel1->DiscardUserChanges();
    panel3->DiscardUserChanges();
    panel2->DiscardUserChanges();
    userProfile->Format() = SFormatSettings();
    userProfile->SetDefaultCustomProfile();
    states->suppress = false;
    states->ClearStatesList();
    states->SaveState(false);
    currentFileKind = 0;
    scriptName.clear();
    currentFile.clear();
    profileName.clear();
    profileDescription.clear();
}

void MainWindow::RefillPanels(bool loading)
{
    panel1->ClearImageList();
    for (const SImageRecord& record : std::as_const(photoList->list))
        panel1->AddListThumbItem(record);
    panel1->RefreshPanel();
    panel2->refreshing = loading;
    panel2->RefreshPanel();
    panel2->refreshing = false;
    panel3->RefreshPanel();
    // The name preview shows the extension of the output format, which step 3
    // has only now taken from the job.
    panel2->UpdatePreviewFilename();
}

void MainWindow::ShowRestoredState()
{
    states->suppress = true;
    RefillPanels(false);
    states->suppress = false;
}

void MainWindow::on_actionUndo_triggered()
{
    SystemLogWrite("on_actionUndo_triggered", QString());
    states->Undo();
    ShowRestoredState();
}

void MainWindow::on_actionRedo_triggered()
{
    SystemLogWrite("on_actionRedo_triggered", QString());
    states->Redo();
    ShowRestoredState();
}

void MainWindow::on_actionSettings_triggered()
{
    SystemLogWrite("on_actionSettings_triggered", QString());
    CSettings settings(this);
    settings.exec();
}

void MainWindow::on_actionShow_Log_triggered()
{
    SystemLogWrite("on_actionShow_Log_triggered", QString());
    const QString path = CProcessController::GeneralLogPath();
    if (QFileInfo(path).isFile())
        OpenExternal(path);
    else
        Warn(tr("The log file will be created after the first processing session."));
}

void MainWindow::on_actionHow_to_Resize_and_Rotate_Photos_triggered()
{
    HelpPages::Open(this, "tutorials_how-to-resize-and-rotate.htm");
}

void MainWindow::on_actionOnline_Support_triggered()
{
    HelpPages::OpenWebPage(this, "/support.html");
}

void MainWindow::on_actionVisit_Our_Web_Site_triggered()
{
    HelpPages::OpenWebPage(this, "/");
}

void MainWindow::on_actionWizard_Steps_triggered()
{
    if (toolBar)
        toolBar->setVisible(toolBar->isHidden());
}
