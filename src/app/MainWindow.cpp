#include "MainWindow.h"

#include "CFiltersEnum.h"
#include "CFormatsEnum.h"
#include "CHardwareProfile.h"
#include "CImageCache.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CMagickRuntime.h"
#include "CMainPanel1.h"
#include "CMainPanel2.h"
#include "CMainPanel3.h"
#include "CPromptSeam.h"
#include "CStatesList.h"
#include "CUserProfile.h"
#include "CWizardStart.h"
#include "Common.h"
#include "HelpPages.h"
#include "Platform.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyleFactory>
#include <QToolBar>

#include <unistd.h>

#include <algorithm>

namespace {
// The window is never lower than this, whatever its pages need.
constexpr int kMinimumHeight = 640;
} // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui(new Ui::MainWindow)
{
    SystemLogWrite("MainWindow", QString());
    photoList = CListImages::GetInstance();
    userProfile = CUserProfile::GetInstance();
    formats = CFormatsEnum::GetInstance();
    filterTypes = CFiltersEnum::GetInstance();
    filterList = CListFilters::GetInstance();
    states = CStatesList::GetInstance();
    hardware = CHardwareProfile::GetInstance();
    imageCache = CImageCache::GetInstance();

    ui->setupUi(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow()
{
    SystemLogWrite("~MainWindow", QString());
    // Panels first: they stop their own worker threads and still use the
    // singletons while doing so.
    delete panel1;
    panel1 = nullptr;
    delete panel2;
    panel2 = nullptr;
    delete panel3;
    panel3 = nullptr;

    CListImages::DeleteInstance();
    CListFilters::DeleteInstance();
    CUserProfile::DeleteInstance();
    CFormatsEnum::DeleteInstance();
    CFiltersEnum::DeleteInstance();
    CStatesList::DeleteInstance();
    CHardwareProfile::DeleteInstance();
    CImageCache::DeleteInstance();

    qApp->removeEventFilter(this);
    delete ui;
    ui = nullptr;
    for (QAction*& action : stepActions) {
        delete action;
        action = nullptr;
    }
    stepActions.clear();
    delete toolBar;
    toolBar = nullptr;
    delete ctrlSShortcut;
    ctrlSShortcut = nullptr;
}

void MainWindow::show()
{
    SystemLogWrite("show", QString());
    SystemLogWrite("show", QString::asprintf("devicePixelRatio: %.02f", qApp->devicePixelRatio()));
    InitWindowSettings();
    Init();
    // Taken before anything loads: a file of the kind "sps" skips the wizard.
    const int dot = int(pendingFile.lastIndexOf('.'));
    const QString extension = dot < 0 ? pendingFile : pendingFile.mid(dot + 1);

    if (fileGiven) {
        StartLoadingFile();
        if (finished)
            return; // a script ran: the program ends without a window
    }
    QWidget::show();

    if (extension != "sps") {
        // Returns at once unless the user still wants it.
        CWizardStart wizard(this);
        wizard.exec();
    }

    panel1->timerShowAddPhotoTip.start(2000);

    if (!fileGiven && userProfile->showProfiles)
        on_actionSelect_Profile_triggered();

    StartUpdateCheck(true);

    CleanMagickTemporaryFiles();
}

void MainWindow::StartUpdateCheck(bool automatic)
{
    checkNew.setModal(true);
    checkNew.autoCheck = automatic;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        checkNew.screenGeometry = screen->geometry();
    checkNew.screenCount = int(QGuiApplication::screens().size());
    checkNew.show();
}

void MainWindow::CleanMagickTemporaryFiles()
{
    SystemLogWrite("show", "Check & clean IM temporary files");
    // The temporary folder is shared with other users and with other running
    // copies of the program: remove only our own leftovers, and only those
    // that no running ImageMagick can still be using (older than a day).
    QDir temp(TemporaryRoot());
    const QDateTime dayAgo = QDateTime::currentDateTime().addDays(-1);
    const uint me = uint(getuid());
    const QFileInfoList entries =
        temp.entryInfoList({"magick-*"}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() || entry.ownerId() != me || entry.lastModified() > dayAgo)
            continue;
        if (temp.remove(entry.fileName()))
            SystemLogWrite("show", entry.fileName() + "deleted");
    }
}

QPoint MainWindow::CenteredPosition(const QRect& screen, const QSize& size)
{
    int x = int(screen.width() * 0.5 - size.width() * 0.5);
    int y = int(screen.height() * 0.5 - size.height() * 0.5);
    // A window larger than the screen starts at its top-left corner.
    x = std::max(0, std::min(x, screen.width() - size.width()));
    y = std::max(0, std::min(y, screen.height() - size.height()));
    return {screen.x() + x, screen.y() + y};
}

void MainWindow::InitWindowSettings()
{
    SystemLogWrite("InitWindowSettings", QString());
    setMinimumHeight(kMinimumHeight);
    const QByteArray geometry = GetRegistryByteArray("Settings/MainWindow.WindowGeometry", QByteArray());
    if (!geometry.isEmpty()) {
        restoreGeometry(geometry);
        restoreState(GetRegistryByteArray("Settings/MainWindow.WindowState", QByteArray()), 0);
        return;
    }
    CentreDefaultGeometry(QSize(794, 672));
}

void MainWindow::CentreDefaultGeometry(const QSize& size)
{
    QRect screen(QPoint(0, 0), size);
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screen = primary->availableGeometry();
    setGeometry(QRect(CenteredPosition(screen, size), size));
    defaultGeometry = true;
}

void MainWindow::FitMinimumSizeToPages()
{
    // The form's minimum is only a floor: each step page needs at least what
    // its layout asks for in the language in use (a longer translation, a
    // wider form), and the window's minimum follows from the widest of them
    // with the menus, the toolbar and the status bar around it.
    for (QWidget* page : {static_cast<QWidget*>(panel1), static_cast<QWidget*>(panel2),
                          static_cast<QWidget*>(panel3)}) {
        if (page)
            page->setMinimumSize(page->minimumSize().expandedTo(page->minimumSizeHint()));
    }
    QSize needed = minimumSize().expandedTo(QSize(0, kMinimumHeight));
    if (layout()) {
        layout()->invalidate();
        needed = needed.expandedTo(layout()->minimumSize());
    }
    const QSize before = size();
    setMinimumSize(needed);
    // A default window that had to grow is centred again.
    if (defaultGeometry && before != before.expandedTo(needed))
        CentreDefaultGeometry(before.expandedTo(needed));
}

void MainWindow::SaveWindowSettings()
{
    SystemLogWrite("SaveWindowSettings", QString());
    SetRegistryByteArray("Settings/MainWindow.WindowGeometry", saveGeometry());
    SetRegistryByteArray("Settings/MainWindow.WindowState", saveState(0));
}

void MainWindow::Init()
{
    SystemLogWrite("Init", QString());
    states->suppress = true;
    userProfile->ReadRegistrySettings();

    imageCache->isHighDensity = hardware->IsRetina();
    imageCache->themeDark = userProfile->themeId;
    ChangeTheme();
    LoadLocalizedResource();

    // Download source marker: a file "ref=NAME" somewhere in the Resources
    // folder; the last one found wins.
    QString source;
    QDirIterator marks(GetResourcesFolder(), QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                       QDirIterator::Subdirectories);
    while (marks.hasNext()) {
        marks.next();
        const QString name = marks.fileName();
        if (name.startsWith("ref="))
            source = name.mid(4);
    }
    SetRegistryString("Settings/DownloadSourceName", source);

    // ImageMagick's configuration (policy.xml) comes from the Resources folder.
    CMagickRuntime::Initialize(QCoreApplication::applicationFilePath().toLocal8Bit().constData());

    formats->GenerateList();
    filterTypes->GenerateList();

    panel1 = new CMainPanel1(this);
    panel2 = new CMainPanel2(this);
    panel2->ptrListThumbPanel1 = panel1->photoListView;
    panel2->Init();
    panel3 = new CMainPanel3(this);
    panel1->hide();
    panel2->hide();
    panel3->hide();

    panelTransition = false;
    panel1->setPanelTranzition(&panelTransition);
    panel2->setPanelTranzition(&panelTransition);

    connect(this, &MainWindow::SignalStartLoadingFile, this, &MainWindow::StartLoadingFile,
            Qt::QueuedConnection);
    connect(panel3, &CMainPanel3::SignalChanges, this, &MainWindow::SignalProjectChanges,
            Qt::QueuedConnection);
    connect(panel3, &CMainPanel3::UnsignalChanges, this, &MainWindow::UnsignalProjectChanges,
            Qt::QueuedConnection);
    connect(panel2, &CMainPanel2::SignalChanges, this, &MainWindow::SignalProjectChanges,
            Qt::QueuedConnection);
    connect(panel2, &CMainPanel2::UnsignalChanges, this, &MainWindow::UnsignalProjectChanges,
            Qt::QueuedConnection);
    connect(panel2, &CMainPanel2::SignalListFiltersChanged, this,
            &MainWindow::UpdateImagesAndFiltersCount, Qt::QueuedConnection);
    connect(panel1, &CMainPanel1::SignalReloadThumbsInPanel2, panel2,
            &CMainPanel2::SlotReloadThumbsInPanel2, Qt::QueuedConnection);
    connect(panel1, &CMainPanel1::SignalChanges, this, &MainWindow::SignalProjectChanges,
            Qt::QueuedConnection);
    connect(panel1, &CMainPanel1::UnsignalChanges, this, &MainWindow::UnsignalProjectChanges,
            Qt::QueuedConnection);
    connect(panel1, &CMainPanel1::SignalListImagesChanged, this,
            &MainWindow::UpdateImagesAndFiltersCount, Qt::QueuedConnection);
    connect(states, &CStatesList::EnableUndo, this, &MainWindow::UndoEnable, Qt::QueuedConnection);
    connect(states, &CStatesList::EnableRedo, this, &MainWindow::RedoEnable, Qt::QueuedConnection);
    connect(userProfile, &CUserProfile::UpdateStatusBar, this, &MainWindow::OnThPreviewStatus,
            Qt::QueuedConnection);

    ctrlSShortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this);
    ctrlSShortcut->setContext(Qt::WindowShortcut);
    connect(ctrlSShortcut, &QShortcut::activated, this, &MainWindow::OnCtrlS);

    ui->tabWidget->insertWidget(0, panel1);
    ui->tabWidget->insertWidget(1, panel2);
    ui->tabWidget->insertWidget(2, panel3);
    ui->tabWidget->insertWidget(3, new QWidget(this));

    InitToolBar();
    for (int i = 0; i < stepActions.size(); ++i)
        stepActions[i]->setChecked(i == 0);
    currentPage = 0;
    ui->tabWidget->setCurrentIndex(0);

    auto* spacer = new QWidget(this);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    previewStatusLabel.setFixedSize(250, 15);
    previewStatusLabel.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    previewStatusLabel.hide();
    statusBar()->setLayoutDirection(Qt::RightToLeft);
    statusBar()->setContentsMargins(0, 0, 10, 0);
    statusBar()->insertWidget(0, &previewStatusLabel, 0);
    statusBar()->addWidget(spacer, 1);
    statusBar()->addWidget(&endStatusLabel, 0);

    FitMinimumSizeToPages();

    scriptName.clear();
    ResetAppTitle();

    states->suppress = false;
    states->SaveState(false);

    const int launches = GetRegistryInt("Settings/LaunchCounter", 0);
    SetRegistryInt("Settings/LaunchCounter", launches + 1);
    userProfile->launchCount = launches + 1;
    initialised = true;
}

void MainWindow::ChangeTheme()
{
    SystemLogWrite("ChangeTheme", QString());
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    userProfile->themeId = 0;
    // The window's own background only: a sheet without a selector would
    // reach every child, including the pop-up menus the window owns, which
    // then lose the frame and shadow of the style, and buttons that lose
    // their disabled look.
    setStyleSheet("QMainWindow#MainWindow { background-color: #F0F0F0; }");
    QPalette palette;
    const QColor light(0xF0, 0xF0, 0xF0);
    const QColor white(0xFF, 0xFF, 0xFF);
    const QColor accent(0x26, 0xA3, 0xE2);
    palette.setColor(QPalette::All, QPalette::Window, light);
    palette.setColor(QPalette::All, QPalette::Button, light);
    palette.setColor(QPalette::All, QPalette::Light, light);
    palette.setColor(QPalette::All, QPalette::Base, white);
    palette.setColor(QPalette::All, QPalette::Shadow, white);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                                     QPalette::ToolTipText, QPalette::HighlightedText})
        palette.setColor(QPalette::All, role, Qt::black);
    for (QPalette::ColorRole role :
         {QPalette::ToolTipBase, QPalette::Highlight, QPalette::Link, QPalette::LinkVisited})
        palette.setColor(QPalette::All, role, accent);
    palette.setColor(QPalette::All, QPalette::AlternateBase, Qt::yellow);
    palette.setColor(QPalette::All, QPalette::BrightText, Qt::magenta);
    palette.setColor(QPalette::All, QPalette::Midlight, Qt::red);
    palette.setColor(QPalette::All, QPalette::Mid, Qt::red);
    palette.setColor(QPalette::All, QPalette::Dark, Qt::gray);
    // Disabled controls are told by their grey text.
    const QColor disabledText(0xA0, 0xA0, 0xA0);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    QApplication::setPalette(palette);
    qApp->setStyleSheet(
        "QScrollBar:vertical, QScrollBar:horizontal { border: none; background: white; width: 7px; "
        "height: 7px; margin: 0px 0px 0px 0px; } QScrollBar::handle:vertical { background: "
        "qlineargradient(x1:0, y1:0, x2:1, y2:0, stop: 0 rgb(128, 128, 128), stop: 0.5 rgb(128, 128, "
        "128), stop:1 rgb(128, 128, 128)); min-height: 20px; border-radius: 3px; } "
        "QScrollBar::handle:horizontal { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop: 0 "
        "rgb(128, 128, 128), stop: 0.5 rgb(128, 128, 128), stop:1 rgb(128, 128, 128)); min-width: "
        "20px; border-radius: 3px; } QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical, "
        "QScrollBar::add-line:horizontal, QScrollBar::sub-line:horizontal { background: none; "
        "height: 0px; width: 0px; }");
    SystemLogWrite("ChangeTheme", "Light theme");
}

QString MainWindow::LanguageCode(int languageId)
{
    switch (languageId) {
    case 1031:
        return "De";
    case 1034:
        return "Es";
    case 1036:
        return "Fr";
    case 1040:
        return "It";
    case 1041:
        return "Ja";
    default:
        return "En";
    }
}

int MainWindow::LanguageId(const QString& code)
{
    static const QList<QPair<QString, int>> table = {
        {"En", 1033}, {"De", 1031}, {"Fr", 1036}, {"Es", 1034}, {"It", 1040}, {"Ja", 1041}};
    for (const auto& entry : table) {
        if (entry.first == code)
            return entry.second;
    }
    return 1033;
}

void MainWindow::LoadLocalizedResource()
{
    SystemLogWrite("LoadLocalizedResource", QString());
    const QString code = LanguageCode(userProfile->languageId);
    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::removeTranslator(&qtTranslator);
    ChangeLanguage(code);
    if (translator.load("Ln_" + code, GetResourcesFolder(), QString(), QString())) {
        // Qt's own texts in the same language: standard buttons, the
        // wizard's buttons, the file, colour and font dialogs. Qt's goes in
        // first: the translation installed last is asked first, so the
        // program's own texts win where both have one.
        const QString qtName = "qtbase_" + code.toLower();
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (qtTranslator.load(qtName, qtFolder))
            QCoreApplication::installTranslator(&qtTranslator);
        else
            SystemLogWrite("LoadLocalizedResource", "no Qt translation " + qtName + " in " + qtFolder);
        QCoreApplication::installTranslator(&translator);
        ui->retranslateUi(this);
    } else {
        SystemLogWrite("LoadLocalizedResource", "no translation Ln_" + code + " in " + GetResourcesFolder());
    }
}

void MainWindow::ChangeLanguage(QString code)
{
    SystemLogWrite("ChangeLanguage", QString());
    const int id = LanguageId(code);
    if (id == userProfile->languageId)
        return;
    userProfile->languageId = id;
    Warn(tr("You need to restart Glimmerbox for the changes to take effect."));
}

void MainWindow::InitToolBar()
{
    SystemLogWrite("InitToolBar", QString());
    toolBar = addToolBar(tr("Wizard Steps"));
    toolBar->setObjectName("Wizard Steps");
    toolBar->setMovable(false);

    auto* fixedSpacer = new QWidget(toolBar);
    auto* fixedLayout = new QHBoxLayout(fixedSpacer);
    fixedLayout->setSpacing(0);
    fixedLayout->setContentsMargins(0, 0, 0, 0);
    fixedSpacer->setFixedSize(32, 0);
    toolBar->addWidget(fixedSpacer);
    auto* leftSpacer = new QWidget(toolBar);
    leftSpacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    leftSpacer->setMaximumHeight(0);
    toolBar->addWidget(leftSpacer);

    // Cells are cut at the size of the strip variant the cache hands out
    // (the @2x strip on high-density screens), not at the screen's ratio.
    const int r = imageCache->CellSide(32, true) / 32;
    auto cellIcon = [&](int index) {
        return imageCache->GetIcon("Icons-WizardSteps.png", false, true, 32, index, 0);
    };

    const QStringList texts = {tr("Add Photos"), tr("Edit Photos"), tr("Setup"), tr("Process")};
    const QStringList tips = {
        tr("Step 1 - Add all the photos you want to edit"),
        tr("Step 2 - Set the graphic filters that will be applied on all selected photos"),
        tr("Step 3 - Select the output path and image format for the edited photos"),
        tr("When you are ready select Process to have all your photos edited")};
    for (int i = 0; i < texts.size(); ++i) {
        auto* action = new QAction(cellIcon(i), texts[i], this);
        action->setCheckable(true);
        action->setChecked(false);
        action->setToolTip(tips[i]);
        stepActions.append(action);
        toolBar->addAction(action);
    }
    connect(toolBar, &QToolBar::actionTriggered, this, qOverload<QAction*>(&MainWindow::ChangePanel));

    auto* rightSpacer = new QWidget(toolBar);
    rightSpacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    rightSpacer->setMaximumHeight(0);
    toolBar->addWidget(rightSpacer);
    QAction* help = toolBar->addAction(cellIcon(4), tr("Help"));
    help->setObjectName("actionToolbarHelp");
    connect(help, &QAction::triggered, this, &MainWindow::OnButtonHelpClicked);

    toolBar->setIconSize(QSize(64 / r, 32));
    setUnifiedTitleAndToolBarOnMac(true);
}

void MainWindow::ChangePanel(int step)
{
    if (uint(step) > 3)
        return;
    for (int i = 0; i < stepActions.size(); ++i)
        stepActions[i]->setChecked(i == step);
    if (step == 3) {
        ChangePanel(currentPage);
        OnButtonProcess2Clicked();
        ui->tabWidget->setCurrentIndex(currentPage);
        return;
    }
    currentPage = step;
    ui->tabWidget->setCurrentIndex(step);
}

void MainWindow::ChangePanel(QAction* action)
{
    ChangePanel(int(stepActions.indexOf(action)));
}

void MainWindow::on_tabWidget_currentChanged(int index)
{
    panelTransition = true;
    ChangePanel(index);
    panelTransition = false;
}

void MainWindow::OnButtonPrevClicked()
{
    SystemLogWrite("OnButtonPrevClicked", QString());
    if (currentPage > 0)
        ChangePanel(currentPage - 1);
}

void MainWindow::OnButtonNextClicked()
{
    SystemLogWrite("OnButtonNextClicked", QString());
    if (currentPage < 2)
        ChangePanel(currentPage + 1);
}

void MainWindow::ShowStepPage(int step, bool transition)
{
    for (int i = 0; i < stepActions.size(); ++i)
        stepActions[i]->setChecked(i == step);
    currentPage = step;
    if (transition)
        panelTransition = true;
    ui->tabWidget->setCurrentIndex(step);
    if (transition)
        panelTransition = false;
}

void MainWindow::on_actionStep_1_Add_Photos_triggered()
{
    ShowStepPage(0, true);
}

void MainWindow::on_actionStep_2_Edit_Photos_triggered()
{
    ShowStepPage(1, true);
}

void MainWindow::on_actionStep_3_Setup_triggered()
{
    ShowStepPage(2, false);
}

void MainWindow::ResetAppTitle()
{
    SystemLogWrite("ResetAppTitle", QString());
    setWindowTitle("Glimmerbox");
    if (panel3)
        panel3->SetOutputFormats(true);
}

void MainWindow::SetAppTitleExt(QString text)
{
    SystemLogWrite("SetAppTitleExt", QString());
    setWindowTitle("Glimmerbox - " + text);
}

void MainWindow::SignalProjectChanges()
{
    const QString title = windowTitle();
    if (!title.endsWith('*'))
        setWindowTitle(title + "*");
}

void MainWindow::UnsignalProjectChanges()
{
    const QString title = windowTitle();
    if (title.endsWith('*'))
        setWindowTitle(title.left(title.size() - 1));
}

void MainWindow::OnThPreviewStatus()
{
    // The profile guards its status text with its own lock.
    const QString text = userProfile->GetPreviewComment();
    if (text.isEmpty()) {
        previewStatusLabel.hide();
    } else {
        previewStatusLabel.setText(text);
        previewStatusLabel.show();
    }
}

void MainWindow::UpdateImagesAndFiltersCount() {}

void MainWindow::UndoEnable(bool on)
{
    ui->actionUndo->setEnabled(on);
}

void MainWindow::RedoEnable(bool on)
{
    ui->actionRedo->setEnabled(on);
}

bool MainWindow::IsModified() const
{
    return (panel1 && panel1->changed) || (panel2 && panel2->changed) || (panel3 && panel3->changed);
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        ShowCurrentPanelHelp();
        return;
    }
    if (event->key() == Qt::Key_S && event->modifiers() == Qt::ControlModifier) {
        OnCtrlS();
        return;
    }
}

void MainWindow::ShowCurrentPanelHelp()
{
    SystemLogWrite("ShowCurrentPanelHelp", QString());
    static const char* const pages[] = {"user-interface_step1_add-photos.htm",
                                        "user-interface_step2_add-filters.htm",
                                        "user-interface_step3_setup.htm"};
    if (currentPage >= 0 && currentPage <= 2)
        HelpPages::Open(this, pages[currentPage]);
}

void MainWindow::OnButtonHelpClicked()
{
    ShowCurrentPanelHelp();
}

void MainWindow::on_actionHelp_Manual_triggered()
{
    ShowCurrentPanelHelp();
}

void MainWindow::Warn(const QString& text, CPromptSeam::Kind kind)
{
    if (userProfile->scriptRun) {
        fprintf(stderr, "glimmerbox: %s\n", qUtf8Printable(text));
        return;
    }
    CPromptSeam::Warning(this, kind, text);
}
