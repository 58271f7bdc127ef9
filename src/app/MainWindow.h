#pragma once

#include "CCheckNew.h"
#include "CPromptSeam.h"

#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QTranslator>

class CFiltersEnum;
class CFormatsEnum;
class CHardwareProfile;
class CImageCache;
class CListFilters;
class CListImages;
class CMainPanel1;
class CMainPanel2;
class CMainPanel3;
class CScripts;
class CStatesList;
class CUserProfile;
class QAction;
class QShortcut;
class QToolBar;
namespace Ui {
class MainWindow;
}

// The main window: hosts the three step panels in a stack, carries the
// menus, the step toolbar and the status bar, applies look and translation,
// and takes a profile or script handed to the program (command line or the
// desktop's file-open event) to the loader. A script runs its batch and ends
// the program with an exit status (ExitCodes.h).
//
// Split by concern: MainWindow.cpp (life, look, toolbar, steps, title),
// MainWindowFiles.cpp (job files: loading, saving, the processing run,
// closing), MainWindowCommands.cpp (New, Undo and Redo, preferences, the
// log, help and web entries).
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence; called once by main. Hides QWidget::show.
    void show();

    void InitWindowSettings();
    void SaveWindowSettings();
    // Raises the window's minimum size (and each step page's) to what the
    // widest step page needs in the language in use.
    void FitMinimumSizeToPages();
    void Init();
    void ChangeTheme();
    void LoadLocalizedResource();
    void ChangeLanguage(QString code);
    void InitToolBar();

    void ResetAppTitle();
    void SetAppTitleExt(QString text);

    // A file handed in on the command line: made absolute against the
    // folder the program was started from.
    void StartLoadingFileWindows(QString path);

    // Loading and running job files.
    bool StartLoadingProfile(QString path);
    bool LoadProfile(QString path);
    bool LoadScript(QString path);
    void StartLoadingScript(QString path);
    void RefreshPanels();
    bool SaveProfile(QString path, QString name, QString description);
    bool SaveScript(QString path);
    static void CreateFolders(QString folder);
    // Checks and runs a processing job; false when no run took place.
    bool OnPanelConvert(bool ask);

    // Translation file of a language id ("Ln_En" for 1033) and the id of a
    // code, as the language preference stores them.
    static QString LanguageCode(int languageId);
    static int LanguageId(const QString& code);
    // Top-left corner of a window of `size` centred on `screen`, kept on it.
    static QPoint CenteredPosition(const QRect& screen, const QSize& size);

    // A script handed in at start has run (or failed): the program is to
    // end with ExitStatus() instead of running the event loop.
    bool IsFinished() const { return finished; }
    int ExitStatus() const { return exitStatus; }

    // State for callers and tests.
    int CurrentPage() const { return currentPage; }
    QString CurrentFile() const { return currentFile; }
    int CurrentFileKind() const { return currentFileKind; }
    QString ProfileName() const { return profileName; }
    QString ProfileDescription() const { return profileDescription; }
    bool IsInitialised() const { return initialised; }
    const QList<QAction*>& StepActions() const { return stepActions; }
    QToolBar* ToolBar() const { return toolBar; }
    QLabel* PreviewStatusLabel() { return &previewStatusLabel; }
    CMainPanel1* Panel1() const { return panel1; }
    CMainPanel2* Panel2() const { return panel2; }
    CMainPanel3* Panel3() const { return panel3; }
    CCheckNew& CheckNew() { return checkNew; }
    bool IsModified() const;

signals:
    void SignalStartLoadingFile();

public slots:
    void StartLoadingFile();
    void ChangePanel(int step);
    void ChangePanel(QAction* action);
    void OnButtonPrevClicked();
    void OnButtonNextClicked();
    void OnButtonHelpClicked();
    void OnButtonProcess2Clicked();
    void SignalProjectChanges();
    void UnsignalProjectChanges();
    void OnThPreviewStatus();
    void UpdateImagesAndFiltersCount();
    void UndoEnable(bool on);
    void RedoEnable(bool on);
    void OnCtrlS();
    void ShowCurrentPanelHelp();

    void on_tabWidget_currentChanged(int index);
    void on_actionNew_triggered();
    void on_actionLoad_Profile_triggered();
    void on_actionSelect_Profile_triggered();
    void on_actionUndo_triggered();
    void on_actionRedo_triggered();
    void on_actionSettings_triggered();
    void on_actionShow_Log_triggered();
    void on_actionHow_to_Resize_and_Rotate_Photos_triggered();
    void on_actionOnline_Support_triggered();
    void on_actionVisit_Our_Web_Site_triggered();
    void on_actionWizard_Steps_triggered();
    void on_actionExit_triggered();
    void on_actionSave_Profile_triggered();
    bool on_actionSave_Profile_As_triggered();
    void on_actionSave_Script_triggered();
    bool on_actionSave_Script_As_triggered();
    void on_actionStep_1_Add_Photos_triggered();
    void on_actionStep_2_Edit_Photos_triggered();
    void on_actionStep_3_Setup_triggered();
    void on_actionProcess_triggered();
    void on_actionHelp_Manual_triggered();
    void on_actionAbout_Us_triggered();
    void on_action_Check_for_New_Version_triggered();

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowStepPage(int step, bool transition);
    // A window of `size` centred on the primary screen (no stored geometry).
    void CentreDefaultGeometry(const QSize& size);
    void CleanMagickTemporaryFiles();
    // Shows the update-check dialog centred on the primary screen; an
    // automatic check runs only when due and speaks only of a new version.
    void StartUpdateCheck(bool automatic);
    // A message for the person at the window (through CPromptSeam, as a
    // prompt of the given kind), or on standard error during a script run
    // handed in at start (nobody may be waiting on a box then).
    void Warn(const QString& text, CPromptSeam::Kind kind = CPromptSeam::Message);
    void FinishScript(int status);
    // Loads `path` through `scripts` and refreshes the views; on failure
    // warns with `failure` and leaves job and views as they were.
    bool ReadJobFile(CScripts& scripts, const QString& path, const QString& failure);
    // Step 1's views again from the photo list, then every panel from the
    // job; step 2's name preview last, once step 3 has set the output format.
    // `loading`: a job file was read (panel 2 is told it is refreshing).
    void RefillPanels(bool loading);
    // The job after Undo or Redo, in the panels.
    void ShowRestoredState();

    Ui::MainWindow* ui = nullptr;
    CMainPanel1* panel1 = nullptr;
    CMainPanel2* panel2 = nullptr;
    CMainPanel3* panel3 = nullptr;
    CListImages* photoList = nullptr;
    CListFilters* filterList = nullptr;
    CUserProfile* userProfile = nullptr;
    CFormatsEnum* formats = nullptr;
    CFiltersEnum* filterTypes = nullptr;
    CStatesList* states = nullptr;
    CHardwareProfile* hardware = nullptr;
    CImageCache* imageCache = nullptr;
    QShortcut* ctrlSShortcut = nullptr;
    QToolBar* toolBar = nullptr;
    QList<QAction*> stepActions;
    QLabel previewStatusLabel;
    QLabel endStatusLabel;
    int currentPage = 0;
    QTranslator translator;
    // Qt's own texts in the same language: standard buttons, the wizard's
    // buttons, the file, colour and font dialogs.
    QTranslator qtTranslator;
    bool panelTransition = false;
    QString profileName;
    QString profileDescription;
    QString scriptName;
    QString currentFile;
    // A file handed in (command line or file-open event), not yet loaded.
    QString pendingFile;
    bool initialised = false;
    bool defaultGeometry = false; // no stored geometry: the window was centred
    bool fileGiven = false;
    int currentFileKind = 0;
    CCheckNew checkNew;

    bool finished = false;
    int exitStatus = 0;
    // What the loaded script's folder searches left out (names that are not
    // valid UTF-8, CScripts::PassedOverPaths): the run warns of each.
    QStringList scriptPassedOver;
    // Outcome of the last processing run.
    int lastRunErrors = 0;
    int lastRunWarnings = 0;
    bool lastRunStopped = false;
    QString lastRunDeliveryFailure; // "" when the delivery completed or there was none
    QList<QString> lastRunOutputs;
    QString lastRunDeliveredTo; // the server or e-mail message of the delivery ("" when none)
};
