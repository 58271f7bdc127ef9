#include "MainWindow.h"

#include "CDialogAbout.h"
#include "CDialogProfileSave.h"
#include "CDialogProfileSelection.h"
#include "CDialogSaveProject.h"
#include "CDialogSocial.h"
#include "CDialogTip.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CMainPanel1.h"
#include "CMainPanel2.h"
#include "CMainPanel3.h"
#include "COutputPaths.h"
#include "CProcessController.h"
#include "CPromptSeam.h"
#include "CScreenlessAnswers.h"
#include "CScripts.h"
#include "CStatesList.h"
#include "CUserProfile.h"
#include "Common.h"
#include "ExitCodes.h"
#include "JobFileKind.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFileDialog>
#include <QFileOpenEvent>
#include <QGuiApplication>
#include <QMessageBox>

#include <cstdio>

namespace {
// The file's name between its last "/" and its last ".".
QString BaseName(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf('/') + 1);
    const int dot = name.lastIndexOf('.');
    return dot < 0 ? name : name.left(dot);
}
// The save dialog of a job file, proposing `name` in `folder`. A name typed
// without extension gets `suffix` before the dialog checks whether the file
// exists, so no file is replaced without asking. "" when cancelled.
QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& name,
                        const QString& filter, const QString& suffix)
{
    QFileDialog dialog(parent, caption, folder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

// A destination folder that the job file gives as a relative path counts
// from the job file's folder, as the job's folder searches do (the program's
// own current folder is its application folder). A file without one leaves
// the job's folder as it was, relative or not.
void ResolveRelativeDestination(CUserProfile* profile, const CScripts& scripts, const QString& jobPath)
{
    if (!scripts.DestPathRead())
        return;
    const QString destination = profile->DestPath;
    if (destination.isEmpty() || destination.startsWith('#') || !QDir::isRelativePath(destination))
        return;
    profile->DestPath = QDir::cleanPath(QFileInfo(jobPath).absoluteDir().absoluteFilePath(destination));
}
} // namespace

void MainWindow::StartLoadingFileWindows(QString path)
{
    SystemLogWrite("StartLoadingFileWindows", QString());
    fileGiven = true;
    path.replace('\\', '/');
    // Resolve against the folder the program was started from, before the
    // current folder changes.
    if (!path.isEmpty())
        path = QDir::cleanPath(QDir::current().absoluteFilePath(path));
    pendingFile = path;
    if (JobFileKind(pendingFile) == EJobFileKind::Script)
        userProfile->scriptRun = true;
    QDir::setCurrent(QCoreApplication::applicationDirPath());
}

bool MainWindow::eventFilter(QObject* object, QEvent* event)
{
    if (event->type() == QEvent::FileOpen) {
        auto* open = static_cast<QFileOpenEvent*>(event);
        pendingFile = open->file();
        fileGiven = true;
        if (initialised)
            emit SignalStartLoadingFile();
        return true;
    }
    return QMainWindow::eventFilter(object, event);
}

void MainWindow::StartLoadingFile()
{
    SystemLogWrite("StartLoadingFile", QString());
    // The job's own file changes only when the handed-in one has loaded, so
    // a save never writes over a file that failed to load.
    const QString path = pendingFile;
    switch (JobFileKind(path)) {
    case EJobFileKind::Profile:
        StartLoadingProfile(path);
        break;
    case EJobFileKind::Script:
        StartLoadingScript(path);
        break;
    case EJobFileKind::None:
        break;
    }
}

bool MainWindow::StartLoadingProfile(QString path)
{
    SystemLogWrite("StartLoadingProfile", QString());
    // The chooser marks its choice as ours or the user's; a profile that then
    // fails to load leaves the mark of the job that stays.
    const bool builtIn = userProfile->builtInProfile;
    bool chosen = false;
    if (path.isEmpty()) {
        CDialogProfileSelection chooser(this);
        if (chooser.exec() != 1)
            return false;
        path = chooser.profilePath;
        chosen = true;
    }
    if (!LoadProfile(path)) {
        userProfile->builtInProfile = builtIn;
        return false;
    }
    // One of ours opened by its path (command line, desktop) is not saved
    // over either.
    if (!chosen)
        userProfile->builtInProfile = QFileInfo(QFileInfo(path).canonicalFilePath()).path() ==
                                      QFileInfo(CDialogProfileSelection::BuiltInFolder()).canonicalFilePath();
    states->ClearStatesList();
    states->SaveState(false);
    CDialogTip tip(this);
    tip.text = tr("Now just add your photos in Step 1 and optionally adjust the settings from Step 2 "
                  "and Step 3 as you like.\n\nWhen you are done select Process.");
    tip.key = "MainWindow.ShowTipAfterProfile";
    tip.showCheckBox = true;
    tip.exec();
    return true;
}

bool MainWindow::ReadJobFile(CScripts& scripts, const QString& path, const QString& failure)
{
    // The window's warnings reach the person, or standard error in a run
    // without one.
    scripts.SetWarningHandler([this](const QString& text) { Warn(text); });
    // The reader changes nothing unless the file is a usable job, so the
    // views are emptied only once it has loaded.
    if (!scripts.Load()) {
        Warn(failure);
        return false;
    }
    userProfile->detailsSortColumn = -1;
    // Only the job just loaded: an earlier script's left-out names are not
    // this job's.
    scriptPassedOver = scripts.PassedOverPaths();
    ResolveRelativeDestination(userProfile, scripts, path);
    panel2->ClearFilterList();
    RefreshPanels();
    return true;
}

bool MainWindow::LoadProfile(QString path)
{
    SystemLogWrite("LoadProfile", QString());
    CScripts scripts(path);
    if (!ReadJobFile(scripts, path, tr("Could not load profile.")))
        return false;
    QString name = scripts.profileName;
    if (name.isEmpty())
        name = BaseName(path);
    SetAppTitleExt(name);
    currentFile = path;
    currentFileKind = 2;
    profileName = name;
    profileDescription = scripts.profileDescription;
    return true;
}

bool MainWindow::LoadScript(QString path)
{
    SystemLogWrite("LoadScript", QString());
    CScripts scripts(path);
    const QString failure = userProfile->scriptRun ? QString("could not load script %1").arg(path)
                                                   : tr("Could not load script.");
    if (!ReadJobFile(scripts, path, failure))
        return false;
    scriptName = BaseName(path);
    SetAppTitleExt(scriptName);
    currentFile = path;
    currentFileKind = 3;
    profileName.clear();
    profileDescription.clear();
    return true;
}

void MainWindow::StartLoadingScript(QString path)
{
    SystemLogWrite("StartLoadingScript", QString());
    userProfile->scriptRun = true;
    if (!QFileInfo(path).isFile()) {
        fprintf(stderr, "glimmerbox: no such script: %s\n", qUtf8Printable(path));
        FinishScript(ExitCodes::LoadFailed);
        return;
    }
    if (!LoadScript(path)) {
        // A script that did not load runs nothing: the job may hold
        // whatever was there before.
        FinishScript(ExitCodes::LoadFailed);
        return;
    }
    // Without a screen nobody can answer a prompt or close the processing
    // window. A script that is not marked silent keeps its meaning: its
    // questions are answered as the job says, and standard error says how.
    const QString platform = QGuiApplication::platformName();
    if (platform == "offscreen" || platform == "minimal") {
        SystemLogWrite("StartLoadingScript", "no screen: questions are answered as the job says");
        userProfile->noScreen = true;
        CPromptSeam::SetAnswerer(CScreenlessAnswers(userProfile->DisableNotifications).Answerer());
    }
    if (!OnPanelConvert(false)) {
        // No run's log names them: standard error does.
        for (const QString& path : std::as_const(scriptPassedOver))
            fprintf(stderr, "glimmerbox: warning: the name is not valid UTF-8, left out: %s\n",
                    qUtf8Printable(path));
        FinishScript(ExitCodes::NotStarted);
        return;
    }
    const QList<QString>& outputs = lastRunOutputs;
    // Where the results are now: the folders that still hold outputs (a
    // delivery's temporary copies are gone once delivered), then the server
    // or the e-mail message they went to.
    QStringList places;
    for (const QString& output : outputs) {
        const QString folder = QFileInfo(output).absolutePath();
        if (!places.contains(folder) && QFileInfo::exists(output))
            places.append(QDir::toNativeSeparators(folder));
    }
    if (!lastRunDeliveredTo.isEmpty())
        places.append(EscapeForLog(lastRunDeliveredTo));
    fprintf(stdout, "glimmerbox: %d photo(s), %d file(s) written, %d error(s), %d warning(s)\n",
            int(photoList->list.size()), int(outputs.size()), lastRunErrors, lastRunWarnings);
    // An e-mail message or upload that did not happen fails the run too.
    if (!lastRunDeliveryFailure.isEmpty())
        fprintf(stdout, "glimmerbox: delivery failed: %s\n", qUtf8Printable(lastRunDeliveryFailure));
    for (const QString& place : std::as_const(places))
        fprintf(stdout, "glimmerbox: results in %s\n", qUtf8Printable(place));
    const QString log = CProcessController::GeneralLogPath();
    if (userProfile->processLog && QFileInfo::exists(log))
        fprintf(stdout, "glimmerbox: log in %s\n", qUtf8Printable(QDir::toNativeSeparators(log)));
    fflush(stdout);
    const bool failed = lastRunErrors > 0 || lastRunStopped || !lastRunDeliveryFailure.isEmpty();
    FinishScript(failed ? ExitCodes::RunErrors : ExitCodes::Success);
}

void MainWindow::FinishScript(int status)
{
    fflush(stderr);
    finished = true;
    exitStatus = status;
    // A script opened while the event loop runs ends the loop; main then
    // shuts down in order (window, panels, singletons).
    if (initialised && isVisible())
        QCoreApplication::exit(status);
}

void MainWindow::RefreshPanels()
{
    SystemLogWrite("RefreshPanels", QString());
    RefillPanels(true);
    panel1->UnsignalPanelChanged();
    panel2->UnsignalPanelChanged();
    panel3->UnsignalPanelChanged();
}

void MainWindow::OnButtonProcess2Clicked()
{
    OnPanelConvert(true);
}

void MainWindow::on_actionProcess_triggered()
{
    OnButtonProcess2Clicked();
}

bool MainWindow::OnPanelConvert(bool ask)
{
    SystemLogWrite("OnPanelConvert", QString());
    const bool silent = userProfile->silentScript;
    const bool script = userProfile->scriptRun;
    const bool quiet = silent || userProfile->DisableNotifications;

    if (photoList->list.isEmpty()) {
        if (script)
            fprintf(stderr, "glimmerbox: there are no photos to process\n");
        else if (!silent)
            Warn(tr("There are no photos to process."), CPromptSeam::NoPhotos);
        return false;
    }
    // A sub-folder name that leads out of the photos' folders runs nothing.
    if (userProfile->OutputFolderStruct == 3) {
        const QString problem = COutputPaths::CheckSubfolderName(userProfile->OutputFolder);
        if (!problem.isEmpty()) {
            Warn(problem);
            return false;
        }
    }
    if (!silent && ask &&
        !CPromptSeam::Question(this, CPromptSeam::ConfirmRun,
                               tr("Ready to process %1 photos?").arg(photoList->list.size())))
        return false;

    if (userProfile->OutputFolderStruct == 0 || userProfile->OutputFolderStruct == 1) {
        const QString destination = COutputPaths::ExpandDestPath(userProfile->DestPath);
        if (destination.isEmpty()) {
            const QString text = tr("An output folder, for the edited photos, needs to be selected "
                                    "before processing (Step 3 > Destination > Folder on My Computer)");
            Warn(text, CPromptSeam::NoDestination);
            // Nobody is there to pick a folder during a script run.
            if (script || !panel3->SelectFolder())
                return false;
        } else if (!QFileInfo(destination).isDir()) {
            if (!quiet && !CPromptSeam::Question(this, CPromptSeam::CreateDestination,
                                                 tr("The selected folder does not exist, do "
                                                    "you want to create it now?")))
                return false;
            if (!QDir().mkpath(destination)) {
                Warn(tr("The folder %1 could not be created.").arg(QDir::toNativeSeparators(destination)),
                     CPromptSeam::DestinationNotCreated);
                return false;
            }
        }
    }

    if (userProfile->DeleteSource && !quiet) {
        if (!CPromptSeam::Confirm(this, CPromptSeam::DeleteSources,
                                  tr("You have selected to delete the source photos after writing "
                                     "the modified ones. Continue?")))
            return false;
    }

    if (!userProfile->scriptRun) {
        panel1->CleanUp();
        panel2->CleanUp(false);
    } else {
        // The script quits after its run: thumbnails nobody sees would only
        // take a core and a read of every photo from the batch.
        panel1->StopThumbnails();
        panel2->StopThumbnails();
    }

    CProcessController controller(this, scriptPassedOver);
    connect(&controller, &CProcessController::Panel1StartPreview, panel1, &CMainPanel1::StartPreview);
    connect(&controller, &CProcessController::Panel2StartPreview, panel2,
            &CMainPanel2::StartCurrentPreviewIfOriginal);
    controller.exec();
    lastRunErrors = controller.ErrorCount();
    lastRunWarnings = controller.WarningCount();
    lastRunStopped = controller.StoppedByUser();
    lastRunDeliveryFailure = controller.DeliveryFailure();
    lastRunOutputs = controller.OutputPaths();
    lastRunDeliveredTo = controller.DeliveredTo();

    const int runs = userProfile->runsThisSession;
    userProfile->runsThisSession = runs + 1;
    const int launches = GetRegistryInt("Settings/LaunchCounter", 0);
    // A script handed in at start ends the program right after its run:
    // no notice may hold it up.
    if (launches % 3 == 0 && runs == 0 && !silent && !script && !userProfile->HideProcessing) {
        CDialogSocial social(this);
        social.exec();
    }
    return true;
}

void MainWindow::on_actionLoad_Profile_triggered()
{
    StartLoadingProfile(QString());
}

void MainWindow::on_actionSelect_Profile_triggered()
{
    StartLoadingProfile(QString());
}

void MainWindow::on_actionExit_triggered()
{
    close();
}

void MainWindow::on_actionAbout_Us_triggered()
{
    CDialogAbout about(this);
    about.exec();
}

void MainWindow::on_action_Check_for_New_Version_triggered()
{
    StartUpdateCheck(false);
}

void MainWindow::CreateFolders(QString folder)
{
    if (folder.isEmpty() || QFileInfo::exists(folder))
        return;
    QDir().mkpath(folder);
}

void MainWindow::OnCtrlS()
{
    SystemLogWrite("OnCtrlS", QString());
    if (currentFileKind == 0) {
        on_actionSave_Profile_As_triggered();
        return;
    }
    if (!IsModified())
        return;
    if (userProfile->builtInProfile)
        on_actionSave_Profile_As_triggered();
    else if (currentFileKind == 3)
        SaveScript(currentFile);
    else if (currentFileKind == 2)
        SaveProfile(currentFile, profileName, profileDescription);
}

void MainWindow::on_actionSave_Profile_triggered()
{
    SystemLogWrite("on_actionSave_Profile_triggered", QString());
    if (currentFileKind != 2) {
        on_actionSave_Profile_As_triggered();
        return;
    }
    if (!IsModified())
        return;
    if (userProfile->builtInProfile)
        on_actionSave_Profile_As_triggered();
    else
        SaveProfile(currentFile, profileName, profileDescription);
}

bool MainWindow::on_actionSave_Profile_As_triggered()
{
    SystemLogWrite("on_actionSave_Profile_As_triggered", QString());
    const QString folder = GetMyDocuments() + "/Glimmerbox/Profiles/";
    CreateFolders(folder);
    const QString path = AskSaveFileName(this, tr("Save Profile As"), folder, "profile",
                                         "Profile Files (*.gbf)", "gbf");
    if (path.isEmpty())
        return false;
    CDialogProfileSave names(this);
    names.name = BaseName(path);
    names.description.clear();
    if (names.exec() != 1)
        return false;
    // The job's file changes only once the profile is written: after a
    // failed save, Ctrl+S must not write the current job (a script, say)
    // under the name chosen here.
    if (!SaveProfile(path, names.name, names.description))
        return false;
    currentFile = path;
    currentFileKind = 2;
    profileName = names.name;
    profileDescription = names.description;
    userProfile->builtInProfile = false;
    return true;
}

bool MainWindow::SaveProfile(QString path, QString name, QString description)
{
    SystemLogWrite("SaveProfile", QString());
    CScripts scripts(path);
    scripts.profileName = name;
    scripts.profileDescription = description;
    if (!scripts.Save(2)) {
        Warn(tr("Could not save profile."));
        return false;
    }
    panel1->UnsignalPanelChanged();
    panel2->UnsignalPanelChanged();
    panel3->UnsignalPanelChanged();
    SetAppTitleExt(name);
    return true;
}

void MainWindow::on_actionSave_Script_triggered()
{
    SystemLogWrite("on_actionSave_Script_triggered", QString());
    if (currentFileKind != 3)
        on_actionSave_Script_As_triggered();
    else if (IsModified())
        SaveScript(currentFile);
}

bool MainWindow::on_actionSave_Script_As_triggered()
{
    SystemLogWrite("on_actionSave_Script_As_triggered", QString());
    const QString folder = GetMyDocuments() + "/Glimmerbox/Scripts/";
    CreateFolders(folder);
    const QString path = AskSaveFileName(this, tr("Save Script As"), folder, "script",
                                         "Script Files (*.gbs)", "gbs");
    if (path.isEmpty() || !SaveScript(path))
        return false;
    currentFile = path;
    currentFileKind = 3;
    profileName.clear();
    profileDescription.clear();
    userProfile->builtInProfile = false;
    return true;
}

bool MainWindow::SaveScript(QString path)
{
    SystemLogWrite("SaveScript", QString());
    const auto answer = CPromptSeam::YesNoCancel(
        this, CPromptSeam::ScriptNotifications,
        tr("Do you want to disable all notifications when running the script?"), QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    // The answer is the script's: the job in the window keeps asking before
    // it overwrites or deletes anything.
    const bool notificationsOff = userProfile->DisableNotifications;
    userProfile->DisableNotifications = answer == QMessageBox::Yes;
    CScripts scripts(path);
    const bool saved = scripts.Save(3);
    userProfile->DisableNotifications = notificationsOff;
    if (!saved) {
        Warn(tr("Could not save script."));
        return false;
    }
    panel1->UnsignalPanelChanged();
    panel2->UnsignalPanelChanged();
    panel3->UnsignalPanelChanged();
    scriptName = BaseName(path);
    SetAppTitleExt(scriptName);
    return true;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    SystemLogWrite("closeEvent", QString());
    if (IsModified()) {
        if (currentFile.isEmpty()) {
            CDialogSaveProject question(this);
            question.exec();
            if (question.Cancel) {
                event->ignore();
                return;
            }
            // A save that did not happen (cancelled, failed) keeps the
            // window open rather than losing the changes.
            if (question.Yes && (!on_actionSave_Profile_As_triggered())) {
                event->ignore();
                return;
            }
        } else {
            const auto answer = CPromptSeam::YesNoCancel(this, CPromptSeam::SaveOnClose,
                                                         tr("Would you like to save your settings?"),
                                                         QMessageBox::Yes);
            if (answer == QMessageBox::Cancel) {
                event->ignore();
                return;
            }
            if (answer == QMessageBox::Yes) {
                OnCtrlS();
                if (IsModified()) {
                    event->ignore();
                    return;
                }
            }
        }
    }
    SaveWindowSettings();
    event->accept();
}
