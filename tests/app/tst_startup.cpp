// Start-up and life of the main window in this process: prepared settings
// store, window, menus, toolbar, status bar, launch counter, singletons,
// translation, files handed in, temporary files, closing.
#include "AppTestKit.h"
#include "CFiltersEnum.h"
#include "CFormatsEnum.h"
#include "CImageCache.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CMainPanel1.h"
#include "CMainPanel2.h"
#include "CPromptSeam.h"
#include "CStatesList.h"
#include "CUserProfile.h"
#include "Common.h"
#include "ExitCodes.h"
#include "MainWindow.h"
#include "Platform.h"
#include "TestEnv.h"

#include <QDialog>
#include <QFileDialog>
#include <QXmlStreamReader>
#include <QFileOpenEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QTranslator>

#include <sys/stat.h>
#include <utime.h>

#include <memory>

using namespace AppTestKit;

namespace {

void SetOld(const QString& path, int daysAgo)
{
    const qint64 when = QDateTime::currentSecsSinceEpoch() - qint64(daysAgo) * 86400;
    struct utimbuf times = {time_t(when), time_t(when)};
    QVERIFY(utime(QFile::encodeName(path).constData(), &times) == 0);
}

QStringList ActionNames(const QMenu* menu)
{
    QStringList names;
    for (QAction* action : menu->actions())
        names << (action->isSeparator() ? QString("-")
                                        : (action->menu() ? action->menu()->objectName()
                                                          : action->objectName()));
    return names;
}
} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

    QStringList warnings;
    QStringList questions;
    bool questionAnswer = false;
    std::unique_ptr<MainWindow> window;

    // A window started the way main starts it, with `file` handed in.
    MainWindow* Start(const QString& file = QString())
    {
        window = StartWindow(file);
        return window.get();
    }

private slots:
    void init()
    {
        // A prepared settings store: no wizard, no tips, a known counter.
        ResetStore({{"Settings/LaunchCounter", 4},
                    {"Settings/Settings.ShowStartupWizard", 0},
                    {"GUI/MainWindow.ShowTipAfterProfile", 0}});
        RecordPrompts(&warnings, &questions, &questionAnswer);
    }

    void cleanup()
    {
        window.reset();
        CPromptSeam::Reset();
    }

    void windowMenusToolbarAndStatusBar()
    {
        MainWindow* w = Start();
        QVERIFY(w->isVisible());
        QCOMPARE(w->windowTitle(), QString("Glimmerbox"));
        QVERIFY(w->IsInitialised());
        QCOMPARE(w->size(), QSize(794, 672));
        // Never lower than 640; taller where a step page needs more.
        QVERIFY(w->minimumHeight() >= 640);
        QVERIFY(!w->windowIcon().isNull());

        QStringList menus;
        for (QAction* action : w->menuBar()->actions())
            menus << action->menu()->objectName();
        QCOMPARE(menus, QStringList({"menuFile", "menuEdit", "menuView", "menuWizard", "menuHelp"}));
        auto menu = [w](const char* name) { return w->findChild<QMenu*>(name); };
        QCOMPARE(ActionNames(menu("menuFile")),
                 QStringList({"actionNew", "-", "actionLoad_Profile", "actionSave_Profile",
                              "actionSave_Profile_As", "-", "actionSave_Script",
                              "actionSave_Script_As", "-", "actionExit"}));
        QCOMPARE(ActionNames(menu("menuEdit")),
                 QStringList({"actionUndo", "actionRedo", "-", "actionSettings"}));
        QCOMPARE(ActionNames(menu("menuView")), QStringList({"actionShow_Log"}));
        QCOMPARE(ActionNames(menu("menuWizard")),
                 QStringList({"actionSelect_Profile", "-", "actionStep_1_Add_Photos",
                              "actionStep_2_Edit_Photos", "actionStep_3_Setup", "-", "actionProcess"}));
        QCOMPARE(ActionNames(menu("menuHelp")),
                 QStringList({"actionHelp_Manual", "menuTutorials", "-", "action_Check_for_New_Version",
                              "-", "actionOnline_Support", "actionVisit_Our_Web_Site", "actionAbout_Us"}));
        QCOMPARE(menu("menuFile")->title(), QString("&File"));
        QCOMPARE(w->findChild<QAction*>("actionProcess")->shortcut(), QKeySequence("Ctrl+P"));

        QToolBar* bar = w->ToolBar();
        QVERIFY(bar);
        QCOMPARE(bar->objectName(), QString("Wizard Steps"));
        QVERIFY(!bar->isMovable());
        QStringList texts;
        for (QAction* action : bar->actions()) {
            if (!action->text().isEmpty())
                texts << action->text();
        }
        QCOMPARE(texts, QStringList({"Add Photos", "Edit Photos", "Setup", "Process", "Help"}));
        QCOMPARE(w->StepActions().size(), 4);
        QVERIFY(w->StepActions()[0]->isChecked());
        for (QAction* action : w->StepActions())
            QVERIFY2(!action->icon().isNull(), qPrintable(action->text()));
        QCOMPARE(bar->iconSize(), QSize(64, 32)); // normal density

        QVERIFY(w->statusBar()->isVisible());
        QVERIFY(w->PreviewStatusLabel()->parent());
        QVERIFY(!w->PreviewStatusLabel()->isVisible());
        QCOMPARE(w->findChild<QStackedWidget*>("tabWidget")->currentWidget(),
                 static_cast<QWidget*>(w->Panel1()));

        QCOMPARE(Store().value("Settings/LaunchCounter").toInt(), 5);
        QCOMPARE(CUserProfile::GetInstance()->launchCount, 5);
        QVERIFY(warnings.isEmpty());
    }

    // The preferences are read before the image cache takes its flags and
    // before the theme is applied; the first undo state is stored last.
    void singletonsAtStartAndEnd()
    {
        Store().setValue("Settings/Settings.ThemeId", 1);
        MainWindow* w = Start();
        QCOMPARE(CImageCache::GetInstance()->themeDark, 1);
        QCOMPARE(CUserProfile::GetInstance()->themeId, 0);
        QVERIFY(!CFormatsEnum::GetInstance()->rows.isEmpty());
        QVERIFY(!CFiltersEnum::GetInstance()->Rows().isEmpty());
        QCOMPARE(CStatesList::GetInstance()->GetTotal(), 1);
        QVERIFY(!CStatesList::GetInstance()->suppress);
        CUserProfile::GetInstance()->languageId = 1036;
        CListImages::GetInstance()->list.append(SImageRecord{"/x/a.jpg", "/x", "a", "jpg", 0, 0});
        QVERIFY(w->close());
        window.reset();

        // The window took the singletons down: the profile wrote its
        // preferences, and new instances start empty.
        QCOMPARE(Store().value("Settings/Settings.LanguageId").toInt(), 1036);
        QVERIFY(Store().contains("Settings/MainWindow.WindowGeometry"));
        QVERIFY(CListImages::GetInstance()->list.isEmpty());
        QVERIFY(CFormatsEnum::GetInstance()->rows.isEmpty());
        QCOMPARE(CStatesList::GetInstance()->GetTotal(), 0);
        QCOMPARE(CUserProfile::GetInstance()->launchCount, 0);
        CListImages::DeleteInstance();
        CFormatsEnum::DeleteInstance();
        CStatesList::DeleteInstance();
        CUserProfile::DeleteInstance();
    }

    void geometryRestoredOnNextStart()
    {
        MainWindow* w = Start();
        w->resize(900, 700);
        QVERIFY(w->close());
        window.reset();
        w = Start();
        QCOMPARE(w->size(), QSize(900, 700));
    }

    void centeredPosition_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("expected");
        QTest::newRow("fits") << QRect(0, 0, 1280, 800) << QSize(794, 672) << QPoint(243, 64);
        QTest::newRow("second screen") << QRect(1280, 0, 1280, 800) << QSize(794, 672) << QPoint(1523, 64);
        QTest::newRow("shorter screen") << QRect(0, 0, 1024, 600) << QSize(794, 672) << QPoint(115, 0);
        QTest::newRow("smaller screen") << QRect(10, 20, 640, 480) << QSize(794, 672) << QPoint(10, 20);
    }

    void centeredPosition()
    {
        QFETCH(QRect, screen);
        QFETCH(QSize, size);
        QFETCH(QPoint, expected);
        QCOMPARE(MainWindow::CenteredPosition(screen, size), expected);
    }

    void languages_data()
    {
        QTest::addColumn<int>("storedId");
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("idAfterStart");
        QTest::addColumn<int>("restartWarnings");
        QTest::newRow("English") << 1033 << "En" << 1033 << 0;
        QTest::newRow("German") << 1031 << "De" << 1031 << 0;
        QTest::newRow("Japanese") << 1041 << "Ja" << 1041 << 0;
        QTest::newRow("unknown id") << 2057 << "En" << 1033 << 1;
    }

    void languages()
    {
        QFETCH(int, storedId);
        QFETCH(QString, code);
        QFETCH(int, idAfterStart);
        QFETCH(int, restartWarnings);
        QCOMPARE(MainWindow::LanguageCode(storedId), code);
        Store().setValue("Settings/Settings.LanguageId", storedId);
        // A Resources folder like the build's but without the translations:
        // every entry linked except the "Ln_" files.
        const QString resources = GetResourcesFolder();
        const QString bare = TestEnv::NewFolder("resources-" + code);
        for (const QFileInfo& entry : QDir(resources).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (!entry.fileName().startsWith("Ln_"))
                QVERIFY(QFile::link(entry.absoluteFilePath(), bare + "/" + entry.fileName()));
        }
        qputenv("GLIMMERBOX_RESOURCES", QFile::encodeName(bare));
        Start();
        qputenv("GLIMMERBOX_RESOURCES", QFile::encodeName(resources));
        QCOMPARE(CUserProfile::GetInstance()->languageId, idAfterStart);
        QCOMPARE(int(warnings.count("You need to restart Glimmerbox for the changes to take effect.")),
                 restartWarnings);
        // A language without its file keeps the built-in English texts, and
        // Qt's standard buttons stay English with them.
        QCOMPARE(window->findChild<QMenu*>("menuFile")->title(), QString("&File"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Yes"));
    }

    // The English translation is made from the code at build time: every
    // message of the code and forms, each translated, loaded from the
    // Resources folder.
    void englishTranslationComplete()
    {
        QFile file(QString(GB_TEST_BINARY_DIR) + "/translations/Ln_En.ts");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QTranslator translator;
        QVERIFY(translator.load("Ln_En", GetResourcesFolder(), QString(), QString()));

        // Text of the current element, with <byte value="xd"/> turned back
        // into its character.
        auto readText = [](QXmlStreamReader& xml) {
            QString text;
            while (!xml.atEnd()) {
                const auto token = xml.readNext();
                if (token == QXmlStreamReader::Characters) {
                    text += xml.text();
                } else if (token == QXmlStreamReader::StartElement) {
                    if (xml.name() == QLatin1String("byte"))
                        text += QChar(xml.attributes().value("value").mid(1).toInt(nullptr, 16));
                    else
                        text += "#"; // a numerus form
                    xml.skipCurrentElement();
                } else if (token == QXmlStreamReader::EndElement) {
                    break;
                }
            }
            return text;
        };

        QXmlStreamReader xml(&file);
        QSet<QString> contexts;
        QString context;
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
                contexts.insert(context);
            } else if (xml.name() == QLatin1String("message")) {
                ++messages;
            } else if (xml.name() == QLatin1String("source")) {
                source = readText(xml);
            } else if (xml.name() == QLatin1String("translation")) {
                const bool finished = xml.attributes().value("type").isEmpty();
                const QString translation = readText(xml);
                QVERIFY2(finished && !translation.isEmpty(), qPrintable(source));
                if (translation != "#" && translation != "##") {
                    QCOMPARE(translation, source);
                    QCOMPARE(translator.translate(context.toUtf8(), source.toUtf8()), source);
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString() + " at line " + QString::number(xml.lineNumber())));
        QVERIFY(messages > 200);
        for (const char* name : {"MainWindow", "CCheckNew", "CDialogTip", "CProcessController"})
            QVERIFY2(contexts.contains(name), name);
    }

    void titleStar()
    {
        MainWindow* w = Start();
        w->SignalProjectChanges();
        w->SignalProjectChanges();
        w->SignalProjectChanges();
        QCOMPARE(w->windowTitle(), QString("Glimmerbox*"));
        w->UnsignalProjectChanges();
        QCOMPARE(w->windowTitle(), QString("Glimmerbox"));
        w->UnsignalProjectChanges();
        QCOMPARE(w->windowTitle(), QString("Glimmerbox"));
        w->SetAppTitleExt("Holiday");
        QCOMPARE(w->windowTitle(), QString("Glimmerbox - Holiday"));
    }

    // The preview's status text reaches the status bar through the queued
    // signal; an empty text hides the label. Written from another thread.
    void previewStatus()
    {
        MainWindow* w = Start();
        std::unique_ptr<QThread> writer(QThread::create(
            [] { CUserProfile::GetInstance()->SetPreviewComment("Reading 40%"); }));
        writer->start();
        QVERIFY(writer->wait(5000));
        QTRY_VERIFY(w->PreviewStatusLabel()->isVisible());
        QCOMPARE(w->PreviewStatusLabel()->text(), QString("Reading 40%"));
        CUserProfile::GetInstance()->SetPreviewComment(QString());
        QTRY_VERIFY(!w->PreviewStatusLabel()->isVisible());
    }

    // A script run has nobody to pick a destination folder: it stops
    // instead of opening the folder dialog.
    void scriptRunNeverAsksForFolder()
    {
        MainWindow* w = Start();
        CUserProfile* profile = CUserProfile::GetInstance();
        CListImages::GetInstance()->list.append(SImageRecord{"/x/a.jpg", "/x", "a", "jpg", 0, 0});
        profile->scriptRun = true;
        profile->silentScript = true;
        profile->DestPath.clear();
        profile->OutputFolderStruct = 0;
        QString modal;
        // The timer's context ends with this test: a check that never ran
        // must not fire inside a later test's event loop.
        QObject context;
        QTimer::singleShot(0, &context, [&modal] {
            if (QWidget* widget = QApplication::activeModalWidget()) {
                modal = widget->metaObject()->className();
                widget->close();
            }
        });
        QVERIFY(!w->OnPanelConvert(false));
        QCOMPARE(modal, QString());
        QVERIFY(warnings.isEmpty()); // reported on standard error instead
    }

    // The checks before a run ask through the seam, each question with its
    // kind; turning notifications off leaves only the first question.
    void preRunChecksAskThroughTheSeam_data()
    {
        QTest::addColumn<bool>("notificationsOff");
        QTest::addColumn<QString>("answers"); // one letter per question: y yes/OK, n no/Cancel
        QTest::addColumn<QList<int>>("asked");
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("folderMade");
        using S = CPromptSeam;
        QTest::newRow("not ready") << false << "n" << QList<int>{S::ConfirmRun} << false << false;
        QTest::newRow("folder not wanted")
            << false << "yn" << QList<int>{S::ConfirmRun, S::CreateDestination} << false << false;
        QTest::newRow("sources kept") << false << "yyn"
                                      << QList<int>{S::ConfirmRun, S::CreateDestination, S::DeleteSources}
                                      << false << true;
        QTest::newRow("notifications off") << true << "y" << QList<int>{S::ConfirmRun} << true << true;
    }

    void preRunChecksAskThroughTheSeam()
    {
        QFETCH(bool, notificationsOff);
        QFETCH(QString, answers);
        QFETCH(QList<int>, asked);
        QFETCH(bool, started);
        QFETCH(bool, folderMade);
        MainWindow* w = Start();
        CUserProfile* profile = CUserProfile::GetInstance();
        CListImages::GetInstance()->list = {SImageRecord{"/x/a.jpg", "/x", "a", "jpg", 0, 0}};
        const QString folder = TestEnv::NewFolder("prerun") + "/missing";
        profile->DestPath = folder;
        profile->OutputFolderStruct = 0;
        profile->DeleteSource = true;
        profile->DisableNotifications = notificationsOff;
        profile->HideProcessing = true; // a run that starts closes itself
        QList<int> kinds;
        CPromptSeam::SetAnswerer([&](const CPromptSeam::SPrompt& prompt) -> std::optional<CPromptSeam::SAnswer> {
            kinds << prompt.kind;
            const bool yes = kinds.size() <= answers.size() && answers.at(kinds.size() - 1) == 'y';
            if (prompt.buttons.testFlag(QMessageBox::Yes))
                return CPromptSeam::SAnswer{yes ? QMessageBox::Yes : QMessageBox::No, QString()};
            return CPromptSeam::SAnswer{yes ? QMessageBox::Ok : QMessageBox::Cancel, QString()};
        });
        QCOMPARE(w->OnPanelConvert(true), started);
        QCOMPARE(kinds, asked);
        QCOMPARE(QFileInfo(folder).isDir(), folderMade);
        profile->DeleteSource = false;
        profile->DisableNotifications = false;
        profile->HideProcessing = false;
        CListImages::GetInstance()->list.clear();
    }

    void stepSwitching()
    {
        MainWindow* w = Start();
        w->ChangePanel(2);
        QCOMPARE(w->CurrentPage(), 2);
        w->OnButtonNextClicked();
        QCOMPARE(w->CurrentPage(), 2);
        w->OnButtonPrevClicked();
        QCOMPARE(w->CurrentPage(), 1);
        // Process with no photos: a warning, and the current step stays.
        w->ChangePanel(3);
        QCOMPARE(w->CurrentPage(), 1);
        QVERIFY(w->StepActions()[1]->isChecked());
        QVERIFY(!w->StepActions()[3]->isChecked());
        QCOMPARE(warnings, QStringList({"There are no photos to process."}));
        w->ChangePanel(7);
        QCOMPARE(w->CurrentPage(), 1);
    }

    void profileOnCommandLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("title");
        QTest::newRow("named") << "Holiday & Friends" << "Glimmerbox - Holiday & Friends";
        QTest::newRow("unnamed") << QString() << "Glimmerbox - sepia look";
    }

    void profileOnCommandLine()
    {
        QFETCH(QString, name);
        QFETCH(QString, title);
        const QString root = TestEnv::NewFolder("profile");
        QVERIFY(WriteFile(root + "/profiles/sepia look.gbf", ProfileText(name).toUtf8()));
        const QString before = QDir::currentPath();
        QDir::setCurrent(root);
        MainWindow* w = Start("profiles\\sepia look.gbf");
        QDir::setCurrent(before);
        QCOMPARE(w->windowTitle(), title);
        QCOMPARE(w->CurrentFile(), root + "/profiles/sepia look.gbf");
        QCOMPARE(w->CurrentFileKind(), 2);
        QVERIFY(w->isVisible());
        QCOMPARE(CListFilters::GetInstance()->list.size(), 1);
        QCOMPARE(CListFilters::GetInstance()->list[0].filterId, 3080u);
    }

    // Ctrl+S on a modified profile writes it back under its name.
    void saveLoadedProfile()
    {
        const QString root = TestEnv::NewFolder("save");
        const QString path = root + "/look.gbf";
        QVERIFY(WriteFile(path, ProfileText("Look").toUtf8()));
        MainWindow* w = Start(path);
        QCOMPARE(w->windowTitle(), QString("Glimmerbox - Look"));
        CListFilters::GetInstance()->list.clear();
        w->Panel2()->SignalPanelChanged();
        QTRY_COMPARE(w->windowTitle(), QString("Glimmerbox - Look*"));
        w->OnCtrlS();
        QVERIFY(!w->IsModified());
        QTRY_COMPARE(w->windowTitle(), QString("Glimmerbox - Look"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(text.contains("<Property Name=\"Name\">Look</Property>"));
        QVERIFY(!text.contains("<Filter Id="));
        // Unmodified: nothing is written.
        QVERIFY(QFile::remove(path));
        w->OnCtrlS();
        QVERIFY(!QFileInfo::exists(path));
    }

    // A file that does not load changes neither the job nor the views.
    void failedProfileKeepsJobAndViews()
    {
        const QString root = TestEnv::NewFolder("badprofile");
        QVERIFY(WriteFile(root + "/bad.gbf", "<Profile Version=\"1\"><Filters>"));
        MainWindow* w = Start();
        CListImages::GetInstance()->list.append(SImageRecord{"/x/a.jpg", "/x", "a", "jpg", 0, 0});
        w->RefreshPanels();
        QCOMPARE(w->Panel1()->ViewCount(), 1);
        QVERIFY(!w->LoadProfile(root + "/bad.gbf"));
        QCOMPARE(warnings, QStringList({"Could not load profile."}));
        QCOMPARE(CListImages::GetInstance()->list.size(), 1);
        QCOMPARE(w->Panel1()->ViewCount(), 1);
        QCOMPARE(w->windowTitle(), QString("Glimmerbox"));
        QCOMPARE(w->CurrentFileKind(), 0);
    }

    // A job file from another program version loads after a warning that
    // comes to the person through the window, never from the reader itself.
    void otherVersionWarnsThroughWindow()
    {
        const QString root = TestEnv::NewFolder("version");
        QString text = ProfileText("Old");
        text.replace("Version=\"1\"", "Version=\"2\"");
        QVERIFY(WriteFile(root + "/old.gbf", text.toUtf8()));
        MainWindow* w = Start();
        QVERIFY(w->LoadProfile(root + "/old.gbf"));
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains("different program version"));
        QCOMPARE(w->windowTitle(), QString("Glimmerbox - Old"));
    }

    // A failed Save Profile As keeps the job's file: the next Ctrl+S must
    // not write the loaded script under the name chosen for the profile.
    void failedSaveProfileAsKeepsJobFile()
    {
        const QString root = TestEnv::NewFolder("saveas");
        ScriptSetup setup;
        setup.destPath = root + "/out";
        QVERIFY(WriteFile(root + "/job.gbs", ScriptText(setup).toUtf8()));
        MainWindow* w = Start();
        QVERIFY(w->LoadScript(root + "/job.gbs"));
        const QString target = root + "/missing/folder/look.gbf";
        // The file dialog, then the profile's name and description.
        QTimer answers;
        answers.setInterval(20);
        connect(&answers, &QTimer::timeout, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible())
                return;
            if (auto* files = qobject_cast<QFileDialog*>(dialog))
                files->findChild<QLineEdit*>("fileNameEdit")->setText(target);
            dialog->accept();
        });
        answers.start();
        QVERIFY(!w->on_actionSave_Profile_As_triggered());
        answers.stop();
        QCOMPARE(warnings, QStringList({"Could not save profile."}));
        QCOMPARE(w->CurrentFile(), root + "/job.gbs");
        QCOMPARE(w->CurrentFileKind(), 3);
    }

    // A file-open event after start-up is opened at once; one during
    // start-up is kept for show().
    void fileOpenEvents()
    {
        const QString root = TestEnv::NewFolder("openevent");
        QVERIFY(WriteFile(root + "/late.gbf", ProfileText("Late").toUtf8()));
        QVERIFY(WriteFile(root + "/early.gbf", ProfileText("Early").toUtf8()));

        window = std::make_unique<MainWindow>(nullptr);
        QFileOpenEvent early(root + "/early.gbf");
        QCoreApplication::sendEvent(qApp, &early);
        window->show();
        QCOMPARE(window->windowTitle(), QString("Glimmerbox - Early"));

        QFileOpenEvent late(root + "/late.gbf");
        QCoreApplication::sendEvent(qApp, &late);
        QTRY_COMPARE(window->windowTitle(), QString("Glimmerbox - Late"));
        QCOMPARE(window->CurrentFile(), root + "/late.gbf");

        // A file that fails to load leaves the job's file alone, so Ctrl+S
        // does not write over it.
        QVERIFY(WriteFile(root + "/broken.gbf", "<Profile"));
        QFileOpenEvent broken(root + "/broken.gbf");
        QCoreApplication::sendEvent(qApp, &broken);
        QTRY_COMPARE(warnings, QStringList({"Could not load profile."}));
        QCOMPARE(window->CurrentFile(), root + "/late.gbf");
        QCOMPARE(window->windowTitle(), QString("Glimmerbox - Late"));
        window->Panel2()->SignalPanelChanged();
        window->OnCtrlS();
        QFile file(root + "/broken.gbf");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("<Profile"));
    }

    // The desktop hands job files over by their file type, which matches the
    // extension in any case: handed in at start or opened later, a profile
    // loads and a script runs whatever the case of its extension.
    void jobFileExtensionInAnyCase_data()
    {
        QTest::addColumn<bool>("openEvent"); // else handed in at start
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind"); // 2 profile, 3 script, 0 neither
        QTest::newRow("start, profile") << false << "Look.GBF" << 2;
        QTest::newRow("start, script") << false << "JOB.GBS" << 3;
        QTest::newRow("open event, profile") << true << "look.Gbf" << 2;
        QTest::newRow("open event, script") << true << "job.gBs" << 3;
        QTest::newRow("start, longer extension") << false << "job.GBSX" << 0;
    }

    void jobFileExtensionInAnyCase()
    {
        QFETCH(bool, openEvent);
        QFETCH(QString, name);
        QFETCH(int, kind);
        const QString root = TestEnv::NewFolder("anycase");
        const QString path = root + "/" + name;
        // A script without photos runs as far as finding none.
        QVERIFY(WriteFile(path, (kind == 2 ? ProfileText("Look") : ScriptText(ScriptSetup())).toUtf8()));
        if (openEvent) {
            window = std::make_unique<MainWindow>(nullptr);
            QFileOpenEvent open(path);
            QCoreApplication::sendEvent(qApp, &open);
            window->show();
        } else {
            Start(path);
        }
        QCOMPARE(window->IsFinished(), kind == 3);
        if (kind == 3) {
            QCOMPARE(window->ExitStatus(), ExitCodes::NotStarted);
            return;
        }
        QVERIFY(window->isVisible());
        QCOMPARE(window->CurrentFileKind(), kind);
        QCOMPARE(window->windowTitle(), QString(kind == 2 ? "Glimmerbox - Look" : "Glimmerbox"));
    }

    // Only our own ImageMagick leftovers older than a day are removed.
    void magickTemporaryFiles()
    {
        const QString temp = QDir::tempPath();
        const QString outside = TestEnv::NewFolder("outside") + "/keep";
        QVERIFY(WriteFile(temp + "/magick-old", "x"));
        QVERIFY(WriteFile(temp + "/magick-fresh", "x"));
        QVERIFY(WriteFile(temp + "/other-old", "x"));
        QVERIFY(WriteFile(outside, "x"));
        QVERIFY(QFile::link(outside, temp + "/magick-link"));
        SetOld(temp + "/magick-old", 2);
        SetOld(temp + "/other-old", 2);
        Start();
        QVERIFY(!QFileInfo::exists(temp + "/magick-old"));
        QVERIFY(QFileInfo::exists(temp + "/magick-fresh"));
        QVERIFY(QFileInfo::exists(temp + "/other-old"));
        QVERIFY(QFileInfo(temp + "/magick-link").isSymLink());
        QVERIFY(QFileInfo::exists(outside));
    }

    // Closing with changes and no job file asks; Cancel keeps the window.
    void closeWithChanges_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("closed");
        QTest::newRow("cancel") << "buttonCancel" << false;
        QTest::newRow("no") << "buttonNo" << true;
        QTest::newRow("escape") << "" << false;
    }

    void closeWithChanges()
    {
        QFETCH(QString, button);
        QFETCH(bool, closed);
        MainWindow* w = Start();
        w->Panel1()->SignalPanelChanged();
        QVERIFY(w->IsModified());
        bool asked = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            asked = dialog->objectName() == "CDialogSaveProject";
            if (button.isEmpty())
                dialog->reject();
            else
                dialog->findChild<QPushButton*>(button)->click();
        });
        QCOMPARE(w->close(), closed);
        QVERIFY(asked);
        QCOMPARE(w->isVisible(), !closed);
        QCOMPARE(Store().contains("Settings/MainWindow.WindowGeometry"), closed);
    }
};

GB_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
