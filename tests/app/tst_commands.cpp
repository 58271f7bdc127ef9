// The main window's commands in the real window: New, the profile chooser
// and the profile files, scripts, Undo and Redo, preferences, the log, help
// and web entries, and what opens at start.
#include "AppTestKit.h"
#include "CDialogAbout.h"
#include "CDialogFilterSelection.h"
#include "CDialogProfileSave.h"
#include "CDialogProfileSelection.h"
#include "CFilterSettings.h"
#include "CFiltersEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CListThumb.h"
#include "CMainPanel1.h"
#include "CMainPanel2.h"
#include "CMainPanel3.h"
#include "CControlImage.h"
#include "CProcessController.h"
#include "CPromptSeam.h"
#include "CSettings.h"
#include "CStatesList.h"
#include "CUserProfile.h"
#include "CWizardStart.h"
#include "Common.h"
#include "HelpPages.h"
#include "MainWindow.h"
#include "ProfileDescriptions.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QImageReader>
#include <QToolButton>
#include <QToolBar>

#include <functional>
#include <memory>

namespace {
using AppTestKit::Store;

// What a watcher did with a modal dialog.
enum Handled { NotMine, Answered, AnsweredAndDone };

// Runs `act` on each modal dialog that opens until it answers one with
// AnsweredAndDone; polled, so that it also finds a dialog opened inside
// another's loop. A dialog is answered once.
void OnModals(QObject* context, std::function<Handled(QDialog*)> act)
{
    auto* timer = new QTimer(context);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || dialog->property("answered").toBool())
            return;
        const Handled handled = act(dialog);
        if (handled != NotMine)
            dialog->setProperty("answered", true);
        if (handled == AnsweredAndDone) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

// The row of a profile in the chooser by its name.
int ChooserRow(CDialogProfileSelection* chooser, const QString& name)
{
    for (int i = 0; i < chooser->Entries().size(); ++i)
        if (chooser->Entries()[i].name == name)
            return i;
    return -1;
}

QString WritePhoto(const QString& path, int width, int height)
{
    QImage photo(width, height, QImage::Format_RGB32);
    photo.fill(qRgb(40, 120, 200));
    return photo.save(path) ? path : QString();
}

using AppTestKit::FormatItem;

// With GLIMMERBOX_SHOTS set (a folder), the widget as drawn, for a person
// to look at; run under a display server for the real look.
void Shot(QWidget* widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("GLIMMERBOX_SHOTS");
    if (folder.isEmpty() || !widget)
        return;
    QDir().mkpath(folder);
    widget->grab().save(folder + "/" + name + ".png");
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
} // namespace

class TestCommands : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<QObject> watchers;
    QStringList warnings;
    QStringList questions;
    bool answerYes = true;
    QString openerLog;

    MainWindow* Start(const QString& file = QString())
    {
        window = AppTestKit::StartWindow(file);
        return window.get();
    }
    CUserProfile* Profile() { return CUserProfile::GetInstance(); }
    QAction* Action(const char* name) { return window->findChild<QAction*>(name); }

    // Answers the chooser with the profile named `name` ("" cancels).
    void ChooseProfile(const QString& name, bool* shown = nullptr)
    {
        OnModals(watchers.get(), [name, shown](QDialog* dialog) {
            auto* chooser = qobject_cast<CDialogProfileSelection*>(dialog);
            if (!chooser)
                return NotMine;
            if (shown)
                *shown = true;
            const int row = ChooserRow(chooser, name);
            if (row < 0) {
                chooser->reject();
                return AnsweredAndDone;
            }
            chooser->findChild<CListThumb*>("listProfiles")->setCurrentRow(row);
            chooser->accept();
            return AnsweredAndDone;
        });
    }

    // Answers the save dialog with `file` typed in `folder`, then the profile
    // save dialog (when `name` is not null) with name and description.
    void AnswerSave(const QString& folder, const QString& file, const QString& name = QString(),
                    const QString& description = QString())
    {
        OnModals(watchers.get(), [=](QDialog* dialog) {
            if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
                files->setDirectory(folder);
                files->findChild<QLineEdit*>("fileNameEdit")->setText(file);
                QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
                return name.isNull() ? AnsweredAndDone : Answered;
            }
            if (auto* save = qobject_cast<CDialogProfileSave*>(dialog)) {
                save->findChild<QLineEdit*>("editName")->setText(name);
                save->findChild<QPlainTextEdit*>("editDescription")->setPlainText(description);
                save->accept();
                return AnsweredAndDone;
            }
            return NotMine;
        });
    }

    // Adds the rotate filter of `degrees` through the picker and its page.
    void AddRotation(int degrees)
    {
        const QString rotate = CFiltersEnum::GetInstance()->GetRecordById(5070).name;
        OnModals(watchers.get(), [rotate, degrees](QDialog* dialog) {
            if (auto* picker = qobject_cast<CDialogFilterSelection*>(dialog)) {
                auto* gallery = picker->findChild<CListThumb*>("listFilters");
                for (int row = 0; row < gallery->count(); ++row)
                    if (gallery->item(row)->text() == rotate)
                        gallery->setCurrentRow(row);
                picker->findChild<QPushButton*>("Ok")->click();
                return Answered;
            }
            if (auto* settings = qobject_cast<CFilterSettings*>(dialog)) {
                settings->findChild<QSpinBox*>("spinDegrees")->setValue(degrees);
                settings->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
                return AnsweredAndDone;
            }
            return NotMine;
        });
        window->Panel2()->findChild<QPushButton*>("buttonAddFilter")->click();
    }

    void ChooseFormat(const QString& id)
    {
        auto* combo = window->Panel3()->findChild<QComboBox*>("comboOutputFormat");
        const int item = FormatItem(combo, id);
        QVERIFY2(item >= 0, qPrintable(id));
        combo->setCurrentIndex(item);
    }

    QString NamePreview() const
    {
        return window->Panel2()->findChild<QLineEdit*>("editPreview")->text();
    }

private slots:
    void initTestCase()
    {
        // Every file or address the program opens is written to a log.
        openerLog = TestEnv::NewFolder("opener") + "/opened.txt";
        const QString opener = TestEnv::Root() + "/opener.sh";
        QFile script(opener);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\necho \"$1\" >> '%1'\n").arg(openerLog).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        qputenv("GLIMMERBOX_OPENER", opener.toUtf8());
    }

    void init()
    {
        AppTestKit::ResetStore({{"Settings/Settings.ShowStartupWizard", 0}, {"GUI/MainWindow.ShowTipAfterProfile", 0}});
        QDir(GetMyDocuments() + "/Glimmerbox").removeRecursively();
        QFile::remove(openerLog);
        watchers = std::make_unique<QObject>();
        answerYes = true;
        AppTestKit::RecordPrompts(&warnings, &questions, &answerYes);
    }

    void cleanup()
    {
        watchers.reset();
        window.reset();
        CPromptSeam::Reset();
    }

    // New asks first; then the job, the format options, the panels, the
    // title and the history start again.
    void newJob_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }

    void newJob()
    {
        QFETCH(bool, yes);
        const QString root = TestEnv::NewFolder("new");
        MainWindow* w = Start();
        w->Panel1()->ListThumbDragDropFiles(QList<QString>{WritePhoto(root + "/a.png", 60, 40)});
        QVERIFY(w->LoadProfile(CDialogProfileSelection::BuiltInFolder() + "/EffectSepia.gbf"));
        CUserProfile* p = Profile();
        p->Quality = 50;
        p->FileSize = 7;
        p->PNGComp = 0;
        p->Interlaced = 1;
        p->CustomProfile = "/x.icc";
        p->JpegType = 2;
        p->TiffType = 1;
        p->TiffAlg = 3;
        p->PdfAlg = 2;
        p->DefaultFormat = "PNG";
        p->FixedSize = true;
        CStatesList::GetInstance()->SaveState(false);
        answerYes = yes;
        Action("actionNew")->trigger();
        QCOMPARE(questions, QStringList({"Your settings will be discarded. Continue?"}));
        if (!yes) {
            QCOMPARE(p->Quality, 50);
            QCOMPARE(CListImages::GetInstance()->list.size(), 1);
            QCOMPARE(w->windowTitle(), QString("Glimmerbox - Effect Sepia"));
            return;
        }
        QCOMPARE(p->Quality, 88);
        QCOMPARE(p->FileSize, 100);
        QCOMPARE(p->PNGComp, 1);
        QCOMPARE(p->Interlaced, 0);
        QVERIFY(p->CustomProfile.endsWith("/sRGB.icm"));
        QCOMPARE(p->JpegType, 1);
        QCOMPARE(p->TiffType, 2);
        QCOMPARE(p->TiffAlg, 0);
        QCOMPARE(p->PdfAlg, 0);
        QCOMPARE(p->DefaultFormat, QString("JPG"));
        QVERIFY(!p->FixedSize);
        QVERIFY(CListImages::GetInstance()->list.isEmpty());
        QVERIFY(CListFilters::GetInstance()->list.isEmpty());
        QCOMPARE(w->Panel1()->ViewCount(), 0);
        QCOMPARE(w->windowTitle(), QString("Glimmerbox"));
        QCOMPARE(CStatesList::GetInstance()->GetTotal(), 1);
        QCOMPARE(w->CurrentFileKind(), 0);
        QVERIFY(w->CurrentFile().isEmpty());
        QVERIFY(!w->IsModified());
    }

    // Load Profile opens the chooser: Cancel changes nothing; a built-in
    // profile keeps the photos and names the window; saving it asks for a
    // new file instead of writing over ours.
    void loadBuiltInProfile()
    {
        const QString root = TestEnv::NewFolder("builtin");
        MainWindow* w = Start();
        w->Panel1()->ListThumbDragDropFiles(QList<QString>{WritePhoto(root + "/a.png", 60, 40)});
        bool shown = false;
        ChooseProfile(QString(), &shown);
        Action("actionLoad_Profile")->trigger();
        QVERIFY(shown);
        QTRY_COMPARE(w->windowTitle(), QString("Glimmerbox*"));
        QCOMPARE(w->CurrentFileKind(), 0);
        QVERIFY(CListFilters::GetInstance()->list.isEmpty());

        const QString png = GetProfileDescription(14276);
        ChooseProfile(png);
        Action("actionSelect_Profile")->trigger();
        QCOMPARE(w->windowTitle(), "Glimmerbox - " + png);
        QCOMPARE(w->CurrentFileKind(), 2);
        QCOMPARE(w->ProfileDescription(), GetProfileDescription(14277));
        QCOMPARE(CListImages::GetInstance()->list.size(), 1);
        QCOMPARE(w->Panel1()->ViewCount(), 1);
        QCOMPARE(Profile()->OutputFormat, QString("PNG"));
        QVERIFY(Profile()->builtInProfile);
        QCOMPARE(CStatesList::GetInstance()->GetTotal(), 1);

        const QString file = CDialogProfileSelection::BuiltInFolder() + "/ConvertToPNG.gbf";
        const QString before = ReadText(file);
        w->Panel3()->SignalPanelChanged();
        bool asked = false;
        OnModals(watchers.get(), [&asked](QDialog* dialog) {
            asked = qobject_cast<QFileDialog*>(dialog) != nullptr;
            dialog->reject();
            return AnsweredAndDone;
        });
        w->OnCtrlS();
        QVERIFY(asked);
        QCOMPARE(ReadText(file), before);
    }

    // A relative folder typed in step 3 stays as typed when a built-in
    // profile (which names no folder) is loaded, and a saved script keeps it.
    void loadedProfileKeepsARelativeFolder()
    {
        MainWindow* w = Start();
        w->ChangePanel(2);
        auto* modes = w->Panel3()->findChild<QComboBox*>("comboFolderStructure");
        modes->setCurrentIndex(0);
        emit modes->activated(0);
        auto* folder = w->Panel3()->findChild<QLineEdit*>("editDestinationPath");
        folder->selectAll();
        QTest::keyClicks(folder, "relout");
        QCOMPARE(Profile()->DestPath, QString("relout"));

        const QString album = GetProfileDescription(14274);
        QCOMPARE(album, QString("Convert to PDF Album"));
        ChooseProfile(album);
        Action("actionLoad_Profile")->trigger();
        QCOMPARE(w->windowTitle(), "Glimmerbox - " + album);
        QCOMPARE(Profile()->DestPath, QString("relout"));
        QCOMPARE(folder->text(), QString("relout"));

        const QString scripts = TestEnv::NewFolder("relscript");
        CPromptSeam::SetAnswerer([](const CPromptSeam::SPrompt& prompt) -> std::optional<CPromptSeam::SAnswer> {
            if (prompt.kind != CPromptSeam::ScriptNotifications)
                return std::nullopt;
            return CPromptSeam::SAnswer{QMessageBox::No, QString()};
        });
        AnswerSave(scripts, "album");
        QVERIFY(w->on_actionSave_Script_As_triggered());
        QVERIFY2(ReadText(scripts + "/album.gbs").contains("<Property Name=\"DestPath\">relout</Property>"),
                 qPrintable(ReadText(scripts + "/album.gbs")));
    }

    // Save Profile As: the folder is made, ".gbf" added, the window named as
    // the dialog says; loaded back, the job is the one saved.
    void saveProfileAsAndLoadBack()
    {
        MainWindow* w = Start();
        CListFilters::GetInstance()->list.clear();
        QVERIFY(w->LoadProfile(CDialogProfileSelection::BuiltInFolder() + "/ResizeForEmail.gbf"));
        CUserProfile* p = Profile();
        p->FilenameFormat = "[Filename] small.[Extension]";
        p->OutputFolderStruct = 3;
        p->OutputFolder = "Small";
        p->Quality = 61;
        const QString folder = GetMyDocuments() + "/Glimmerbox/Profiles/";
        QVERIFY(!QFileInfo::exists(folder));
        AnswerSave(folder, "small", "Small for mail", "Half size\nfor mail");
        QVERIFY(w->on_actionSave_Profile_As_triggered());
        const QString path = folder + "small.gbf";
        QCOMPARE(w->CurrentFile(), path);
        QVERIFY(QFileInfo(path).isFile());
        QCOMPARE(w->windowTitle(), QString("Glimmerbox - Small for mail"));
        QVERIFY(!Profile()->builtInProfile);

        answerYes = true;
        Action("actionNew")->trigger();
        QVERIFY(CListFilters::GetInstance()->list.isEmpty());
        ChooseProfile("Small for mail");
        Action("actionLoad_Profile")->trigger();
        QCOMPARE(w->CurrentFile(), path);
        QCOMPARE(w->ProfileDescription(), QString("Half size\nfor mail"));
        QVERIFY(!Profile()->builtInProfile);
        QCOMPARE(CListFilters::GetInstance()->list.size(), 1);
        QCOMPARE(CListFilters::GetInstance()->list[0].filterId, 5040u);
        QCOMPARE(CListFilters::GetInstance()->list[0].params[0], 1280.0);
        QCOMPARE(p->FilenameFormat, QString("[Filename] small.[Extension]"));
        QCOMPARE(p->OutputFolderStruct, 3);
        QCOMPARE(p->OutputFolder, QString("Small"));
        QCOMPARE(p->Quality, 61);
    }

    // The script keeps the answer about notifications; the window's job does
    // not, so a later run from the window still asks before overwriting.
    void saveScriptKeepsTheWindowAsking()
    {
        const QString root = TestEnv::NewFolder("script");
        MainWindow* w = Start();
        w->Panel1()->ListThumbDragDropFiles(QList<QString>{WritePhoto(root + "/a.png", 60, 40)});
        CUserProfile* p = Profile();
        p->OutputFolderStruct = 0;
        p->DestPath = root + "/out";
        p->OutputFormat = "PNG";
        p->HideProcessing = true;
        p->DisableNotifications = false;
        QList<int> asked;
        CPromptSeam::SetAnswerer([&asked](const CPromptSeam::SPrompt& prompt) -> std::optional<CPromptSeam::SAnswer> {
            if (prompt.kind != CPromptSeam::ScriptNotifications)
                return std::nullopt;
            asked << prompt.kind;
            return CPromptSeam::SAnswer{QMessageBox::Yes, QString()};
        });
        const QString folder = GetMyDocuments() + "/Glimmerbox/Scripts/";
        AnswerSave(folder, "night run");
        QVERIFY(w->on_actionSave_Script_As_triggered());
        QCOMPARE(asked.size(), 1);
        const QString path = folder + "night run.gbs";
        QVERIFY(ReadText(path).contains("<Property Name=\"DisableNotifications\">1</Property>"));
        QVERIFY(!p->DisableNotifications);
        QCOMPARE(w->windowTitle(), QString("Glimmerbox - night run"));

        QStringList overwrites;
        CPromptSeam::SetOverwriteAnswerer([&overwrites](const QString& target, QString&) {
            overwrites << target;
            return 3; // No
        });
        QVERIFY(w->OnPanelConvert(true));
        QVERIFY(QFileInfo::exists(root + "/out/a.png"));
        QVERIFY(overwrites.isEmpty());
        QVERIFY(w->OnPanelConvert(true));
        QCOMPARE(overwrites, QStringList({root + "/out/a.png"}));
    }

    // Undo and Redo walk all three steps; step 2's name preview shows the
    // extension of the format restored with the job.
    void undoRedoOnEveryStep()
    {
        const QString root = TestEnv::NewFolder("undoall");
        MainWindow* w = Start();
        w->Panel1()->ListThumbDragDropFiles(QList<QString>{WritePhoto(root + "/beach.jpg", 80, 60)});
        w->ChangePanel(1);
        QTRY_VERIFY(!Profile()->previewPath.isEmpty());
        AddRotation(90);
        QCOMPARE(CListFilters::GetInstance()->list.size(), 1);
        w->ChangePanel(2);
        ChooseFormat("PNG");
        w->ChangePanel(1);
        QTRY_COMPARE(NamePreview(), QString("beach.png"));
        QCOMPARE(CStatesList::GetInstance()->GetTotal(), 4);

        auto* filters = w->Panel2()->FilterView();
        const QList<std::tuple<const char*, int, int, QString>> steps = {
            // action, photos, filters, name preview
            {"actionUndo", 1, 1, "beach.jpg"},
            {"actionUndo", 1, 0, "beach.jpg"},
            {"actionUndo", 0, 0, ""},
            {"actionRedo", 1, 0, "beach.jpg"},
            {"actionRedo", 1, 1, "beach.jpg"},
            {"actionRedo", 1, 1, "beach.png"},
        };
        QString shown = NamePreview();
        for (const auto& [action, photos, filterCount, name] : steps) {
            QTRY_VERIFY(Action(action)->isEnabled());
            Action(action)->trigger();
            QCOMPARE(w->Panel1()->ViewCount(), photos);
            QCOMPARE(filters->count(), filterCount);
            // Never the name of the format undone, not even for a moment.
            if (!shown.isEmpty() && name != shown)
                QVERIFY2(NamePreview() != shown, qPrintable(shown));
            if (photos > 0)
                QTRY_COMPARE(NamePreview(), name);
            shown = NamePreview();
        }
        QCOMPARE(CStatesList::GetInstance()->GetTotal(), 4);
    }

    // A loaded profile's format reaches step 2's name preview at once.
    void loadedFormatInTheNamePreview()
    {
        const QString root = TestEnv::NewFolder("loadname");
        MainWindow* w = Start();
        w->Panel1()->ListThumbDragDropFiles(QList<QString>{WritePhoto(root + "/beach.jpg", 80, 60)});
        w->ChangePanel(1);
        QTRY_COMPARE(NamePreview(), QString("beach.jpg"));
        QVERIFY(w->StartLoadingProfile(CDialogProfileSelection::BuiltInFolder() + "/ConvertToTIFF.gbf"));
        QVERIFY(NamePreview() != QString("beach.jpg"));
        QTRY_COMPARE(NamePreview(), QString("beach.tif"));
    }

    // The whole road in the window: three landscape photos added in step 1,
    // a rotation of 90 degrees picked in step 2, PNG into a folder in step 3,
    // Process and Yes: three portrait PNGs named as step 2 showed.
    void wholeJobInTheWindow()
    {
        const QString root = TestEnv::NewFolder("job");
        const QStringList photos = AppTestKit::CopySharedPhotos(root + "/photos", 3);
        if (photos.size() < 3)
            QSKIP("the shared photos are not there");
        for (const QString& photo : photos) {
            const QSize size = QImageReader(photo).size();
            QVERIFY(size.width() > size.height());
        }
        const QString output = TestEnv::NewFolder("job-output");
        MainWindow* w = Start();
        w->resize(900, 700);

        // Step 1: Add Photos, three files typed in the file dialog.
        QStringList typed;
        for (const QString& photo : photos)
            typed << "\"" + QFileInfo(photo).fileName() + "\"";
        OnModals(watchers.get(), [&](QDialog* dialog) {
            auto* files = qobject_cast<QFileDialog*>(dialog);
            if (!files)
                return NotMine;
            files->setDirectory(root + "/photos");
            files->findChild<QLineEdit*>("fileNameEdit")->setText(typed.join(' '));
            QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
            return AnsweredAndDone;
        });
        w->Panel1()->findChild<QPushButton*>("buttonAddPhotos")->click();
        QCOMPARE(CListImages::GetInstance()->list.size(), 3);
        QTRY_COMPARE(w->Panel1()->ViewCount(), 3);
        w->Panel1()->photoListView->setCurrentRow(0);
        emit w->Panel1()->photoListView->Clicked();
        QTest::qWait(2000); // thumbnails and the preview come in
        Shot(w, "step1");

        // Step 2: the rotation through the picker and its page.
        auto* toolBar = w->ToolBar();
        qobject_cast<QToolButton*>(toolBar->widgetForAction(w->StepActions()[1]))->click();
        QCOMPARE(w->CurrentPage(), 1);
        AddRotation(90);
        QCOMPARE(CListFilters::GetInstance()->list.size(), 1);
        QCOMPARE(CListFilters::GetInstance()->list[0].params[0], 90.0);

        // Step 3: PNG into the folder.
        qobject_cast<QToolButton*>(toolBar->widgetForAction(w->StepActions()[2]))->click();
        QCOMPARE(w->CurrentPage(), 2);
        auto* modes = w->Panel3()->findChild<QComboBox*>("comboFolderStructure");
        modes->setCurrentIndex(0);
        emit modes->activated(0);
        auto* destination = w->Panel3()->findChild<QLineEdit*>("editDestinationPath");
        destination->selectAll();
        QTest::keyClicks(destination, output);
        ChooseFormat("PNG");
        QCOMPARE(Profile()->DestPath, output);
        Shot(w, "step3");

        // Back in step 2: the name each photo will get.
        qobject_cast<QToolButton*>(toolBar->widgetForAction(w->StepActions()[1]))->click();
        QStringList previewed;
        for (int row = 0; row < 3; ++row) {
            w->Panel2()->PhotoStrip()->setCurrentRow(row);
            QTRY_COMPARE(Profile()->previewPath, photos[row]);
            QTRY_VERIFY(NamePreview().endsWith(".png"));
            previewed << NamePreview();
        }
        QTRY_VERIFY_WITH_TIMEOUT(w->Panel2()->FilteredView()->shown && !w->Panel2()->FilteredView()->busy, 30000);
        Shot(w, "step2");

        // Process, Yes; the run's window is closed once the job is done.
        bool ran = false;
        OnModals(watchers.get(), [&ran](QDialog* dialog) {
            auto* run = qobject_cast<CProcessController*>(dialog);
            if (!run || !run->IsRunFinished() || !run->IsDeliveryFinished())
                return NotMine;
            ran = run->ErrorCount() == 0;
            Shot(run, "processing");
            run->reject();
            return AnsweredAndDone;
        });
        qobject_cast<QToolButton*>(toolBar->widgetForAction(w->StepActions()[3]))->click();
        QCOMPARE(questions, QStringList({"Ready to process 3 photos?"}));
        QVERIFY(ran);
        QCOMPARE(w->CurrentPage(), 1);

        QStringList written = QDir(output).entryList(QDir::Files, QDir::Name);
        previewed.sort();
        QCOMPARE(written, previewed);
        for (const QString& name : std::as_const(written)) {
            QImageReader reader(output + "/" + name);
            QCOMPARE(reader.format(), QByteArray("png"));
            QCOMPARE(reader.size(), QSize(480, 640));
        }
    }

    void showLog()
    {
        MainWindow* w = Start();
        Action("actionShow_Log")->trigger();
        QCOMPARE(warnings, QStringList({"The log file will be created after the first processing session."}));
        const QString log = CProcessController::GeneralLogPath();
        QDir().mkpath(QFileInfo(log).absolutePath());
        QFile file(log);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        w->on_actionShow_Log_triggered();
        QTRY_COMPARE(ReadText(openerLog), log + "\n");
        QCOMPARE(warnings.size(), 1);
    }

    // Help pages go through the help road; while the build names no help
    // address or web site, each help and web command says so in one
    // message box (and opens nothing); Wizard Steps shows and hides the bar.
    void helpWebAndToolbarEntries()
    {
        MainWindow* w = Start();
        TraceCapture trace;
        const QString noHelp = HelpPages::NoHelpAddressText();
        const QString noSite = HelpPages::NoWebSiteAddressText();
        const QList<QPair<std::function<void()>, QString>> commands = {
            {[w] { QTest::keyClick(w, Qt::Key_F1); }, noHelp},
            {[w] { w->findChild<QAction*>("actionToolbarHelp")->trigger(); }, noHelp},
            {[this] { Action("actionHelp_Manual")->trigger(); }, noHelp},
            {[this] { Action("actionHow_to_Resize_and_Rotate_Photos")->trigger(); }, noHelp},
            {[this] { Action("actionOnline_Support")->trigger(); }, noSite},
            {[this] { Action("actionVisit_Our_Web_Site")->trigger(); }, noSite},
        };
        for (const auto& [command, text] : commands) {
            warnings.clear();
            command();
            QCOMPARE(warnings, QStringList{text});
        }
        warnings.clear();
        QVERIFY(trace.Contains("OpenHelpFile", "tutorials_how-to-resize-and-rotate.htm"));
        QVERIFY(trace.Contains("OpenHelpFile", "user-interface_step1_add-photos.htm"));
        QCOMPARE(trace.Count("no web site address configured"), 2);
        QVERIFY(trace.Contains("/support.html"));
        QVERIFY(ReadText(openerLog).isEmpty());
        QVERIFY(!w->ToolBar()->isHidden());
        bool about = false;
        OnModals(watchers.get(), [&about](QDialog* dialog) {
            about = qobject_cast<CDialogAbout*>(dialog) != nullptr;
            Shot(dialog, "about");
            dialog->accept();
            return AnsweredAndDone;
        });
        Action("actionAbout_Us")->trigger();
        QVERIFY(about);
        Action("actionWizard_Steps")->trigger();
        QVERIFY(w->ToolBar()->isHidden());
        Action("actionWizard_Steps")->trigger();
        QVERIFY(!w->ToolBar()->isHidden());
    }

    // Every offered preference, set in the dialog, is there at the next
    // start.
    void preferencesReadBackAtNextStart()
    {
        Start();
        OnModals(watchers.get(), [](QDialog* dialog) {
            auto* settings = qobject_cast<CSettings*>(dialog);
            if (!settings)
                return NotMine;
            auto combo = [&](const char* name) { return settings->findChild<QComboBox*>(name); };
            auto check = [&](const char* name) { return settings->findChild<QCheckBox*>(name); };
            combo("comboLanguage")->setCurrentIndex(2);
            for (const char* name : {"checkShowProfiles", "checkShowWizard", "checkAutoCheck",
                                     "checkMulticore", "checkProcessLog"})
                check(name)->click();
            combo("comboCheckInterval")->setCurrentIndex(0);
            combo("comboMultipage")->setCurrentIndex(1);
            combo("comboRawWhiteBalance")->setCurrentIndex(2);
            combo("comboRawHighlight")->setCurrentIndex(1);
            combo("comboRawDemosaic")->setCurrentIndex(3);
            Shot(settings, "preferences");
            settings->accept();
            return AnsweredAndDone;
        });
        Action("actionSettings")->trigger();
        QCOMPARE(warnings, QStringList({"You need to restart Glimmerbox for the changes to take effect."}));
        QVERIFY(window->close());
        window.reset();

        // The next start shows the wizard and then the chooser, as asked.
        QStringList opened;
        OnModals(watchers.get(), [&opened](QDialog* dialog) {
            opened << dialog->objectName();
            dialog->reject();
            return Answered;
        });
        Start();
        QCOMPARE(opened, QStringList({"CWizardStart", "CDialogProfileSelection"}));
        const CUserProfile* p = Profile();
        QCOMPARE(p->languageId, 1036);
        QVERIFY(p->showProfiles);
        QVERIFY(p->showStartupWizard);
        QVERIFY(!p->autoCheck);
        QCOMPARE(p->checkInterval, 0);
        QVERIFY(!p->useMulticore);
        QVERIFY(!p->processLog);
        QCOMPARE(p->multipageWrite, 1);
        QCOMPARE(p->rawWhiteBalance, 2);
        QCOMPARE(p->rawHighlight, 1);
        QCOMPARE(p->rawDemosaic, 3);
    }

    // At start: the wizard unless asked not to (or a file of the kind "sps"
    // was handed in), then the chooser when asked for and no file was given.
    void whatOpensAtStart_data()
    {
        QTest::addColumn<int>("wizardKey");
        QTest::addColumn<int>("profilesKey");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("opened");
        QTest::newRow("first start") << -1 << -1 << QString() << QStringList{"CWizardStart"};
        QTest::newRow("wizard off") << 0 << -1 << QString() << QStringList();
        QTest::newRow("both") << 1 << 1 << QString() << QStringList{"CWizardStart", "CDialogProfileSelection"};
        QTest::newRow("a profile handed in") << 1 << 1 << "ConvertToPNG.gbf" << QStringList{"CWizardStart"};
        QTest::newRow("an sps file") << 1 << 0 << "show.sps" << QStringList();
    }

    void whatOpensAtStart()
    {
        QFETCH(int, wizardKey);
        QFETCH(int, profilesKey);
        QFETCH(QString, file);
        QFETCH(QStringList, opened);
        QSettings store = Store();
        store.remove("Settings/Settings.ShowStartupWizard");
        if (wizardKey >= 0)
            store.setValue("Settings/Settings.ShowStartupWizard", wizardKey);
        if (profilesKey >= 0)
            store.setValue("Settings/Settings.ShowProfiles", profilesKey);
        store.sync();
        QStringList seen;
        TraceCapture trace;
        const QString tag = QTest::currentDataTag();
        OnModals(watchers.get(), [&seen, tag](QDialog* dialog) {
            seen << dialog->objectName();
            if (auto* wizard = qobject_cast<CWizardStart*>(dialog)) {
                Shot(wizard, tag + " wizard 1");
                wizard->next();
                Shot(wizard, tag + " wizard 2");
                emit wizard->findChild<QLabel*>("linkTutorial")->linkActivated("#");
            } else {
                Shot(dialog, tag + " chooser");
            }
            dialog->reject();
            return Answered;
        });
        const QString path = file.endsWith(".gbf") ? CDialogProfileSelection::BuiltInFolder() + "/" + file : file;
        Start(path.isEmpty() ? QString() : path);
        QCOMPARE(seen, opened);
        // One of ours, opened by its path, is not saved over.
        QCOMPARE(Profile()->builtInProfile, file.endsWith(".gbf"));
        QCOMPARE(trace.Contains("OpenHelpFile", "tutorials_how-to-resize-and-rotate.htm"),
                 opened.contains("CWizardStart"));
        QVERIFY(window->isVisible());
    }
};

GB_TEST_MAIN(TestCommands)
#include "tst_commands.moc"
