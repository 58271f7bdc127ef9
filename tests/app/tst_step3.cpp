// Step 3 in the main window: destination, folder modes, output format and
// its options dialog, server fields and the connection test against real
// servers on 127.0.0.1, and job files holding values the panel lacks.
#include "AppTestKit.h"
#include "CFormatSettings.h"
#include "CFormatsEnum.h"
#include "CListImages.h"
#include "CMainPanel3.h"
#include "CPromptSeam.h"
#include "CStatesList.h"
#include "CTextWidget.h"
#include "CUserProfile.h"
#include "Common.h"
#include "HelpPages.h"
#include "JobFileProperties.h"
#include "MainWindow.h"
#include "ServerFixtures.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <Magick++.h>

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTcpServer>

#include <algorithm>
#include <functional>
#include <memory>

namespace {
const QString kUser = "uploader";
const QString kPassword = "s3cret";

using AppTestKit::Store;

// Runs `act` on the next modal dialog other than `outer` that opens; polled,
// so that it also finds a dialog opened inside another dialog's loop.
void OnNextModal(QObject* context, std::function<void(QDialog*)> act, QWidget* outer = nullptr)
{
    auto* timer = new QTimer(context);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, act, outer] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || dialog == outer || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    timer->start();
}

using AppTestKit::FormatItem;

// The darkest grey inside a widget's frame as it is drawn: black text on an
// enabled button, grey on a disabled one.
int DarkestInside(QWidget* widget)
{
    const QImage drawn = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect inside = QRect(QPoint(0, 0), drawn.size()).adjusted(6, 4, -6, -4);
    int darkest = 255;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            darkest = std::min(darkest, qGray(drawn.pixel(x, y)));
    return darkest;
}

} // namespace

class TestStep3 : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    // Owns the modal watchers of one test; unanswered ones end with it.
    std::unique_ptr<QObject> watchers;
    CMainPanel3* panel = nullptr;
    CUserProfile* profile = nullptr;

    MainWindow* Start()
    {
        window = std::make_unique<MainWindow>(nullptr);
        window->show();
        window->ChangePanel(2);
        panel = window->Panel3();
        profile = CUserProfile::GetInstance();
        return window.get();
    }

    template <typename T> T* Find(const char* name) const
    {
        T* widget = panel->findChild<T*>(name);
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
    QCheckBox* Check(const char* name) const { return Find<QCheckBox>(name); }

    // A destination chosen as a person chooses it.
    void ChooseDestination(int index)
    {
        QComboBox* combo = Combo("comboDestination");
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void ChooseFolderMode(int mode)
    {
        QComboBox* combo = Combo("comboFolderStructure");
        combo->setCurrentIndex(mode);
        emit combo->activated(mode);
    }
    void ChooseFormat(const QString& id)
    {
        const int item = FormatItem(Combo("comboOutputFormat"), id);
        QVERIFY2(item >= 0, qPrintable(id));
        Combo("comboOutputFormat")->setCurrentIndex(item);
    }
    void Type(const char* name, const QString& text)
    {
        QLineEdit* edit = Edit(name);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // The server fields as a person types them.
    void EnterServer(quint16 port, const QString& user, const QString& password, const QString& folder,
                     bool sftp)
    {
        ChooseDestination(2);
        if (Check("checkUseSFTP")->isChecked() != sftp)
            Check("checkUseSFTP")->click();
        Type("editFTPHost", "127.0.0.1");
        Type("editFTPUsername", user);
        Type("editFTPPassword", password);
        Type("editFTPPort", QString::number(port));
        Edit("editFTPFolder")->clear();
        Type("editFTPFolder", folder);
    }

    // Opens the options dialog of the current format and hands it to `act`,
    // which closes it. Returns the dialog's result.
    int RunFormatSettings(const std::function<void(CFormatSettings*)>& act)
    {
        int result = -1;
        OnNextModal(watchers.get(), [act, &result](QDialog* dialog) {
            auto* settings = qobject_cast<CFormatSettings*>(dialog);
            if (settings)
                act(settings);
            if (dialog->isVisible())
                dialog->reject();
            result = settings ? settings->result() : -1;
        });
        Find<QPushButton>("buttonFormatSettings")->click();
        return result;
    }

    // Runs the job through the window, hidden, into `folder`.
    QString RunOnePhoto(const QString& folder, const QString& name)
    {
        const QString source = TestEnv::NewFolder(name) + "/" + name + ".png";
        QImage photo(64, 48, QImage::Format_RGB32);
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x)
                photo.setPixel(x, y, qRgb(x * 4, y * 5, 128));
        if (!photo.save(source))
            return QString();
        CListImages::GetInstance()->list.clear();
        QList<QString> rejected;
        CListImages::GetInstance()->AddImage(source, rejected);
        ChooseFolderMode(0);
        Type("editDestinationPath", folder);
        profile->HideProcessing = true;
        if (!window->OnPanelConvert(false))
            return QString();
        return folder + "/" + name + ".jpg";
    }

private slots:
    void init()
    {
        // A fresh settings store, without the first-run wizard.
        AppTestKit::ResetStore({{"Settings/Settings.ShowStartupWizard", 0}});
        watchers = std::make_unique<QObject>();
    }

    void cleanup()
    {
        watchers.reset();
        window.reset();
        panel = nullptr;
    }

    void defaults()
    {
        Start();
        QVERIFY(panel->isVisible());
        QVERIFY(panel->minimumSize() == QSize(700, 550));
        QCOMPARE(Edit("editFTPPort")->text(), QString("22"));
        QCOMPARE(Edit("editFTPFolder")->text(), QString("/"));
        QVERIFY(Check("checkUseSFTP")->isChecked() && Check("checkOpenFolder")->isChecked());
        QVERIFY(Check("checkOriginalDate")->isChecked() && !Check("checkDeleteSource")->isChecked());
        QVERIFY(!Check("checkMultipage")->isEnabled());
        QCOMPARE(Combo("comboFolderStructure")->currentIndex(), 0);
        QCOMPARE(Edit("editDestinationPath")->text(), QDir::toNativeSeparators(GetMyPictures()));
        QCOMPARE(Find<QStackedWidget>("swDestinations")->currentIndex(), 0);
        for (int i = 0; i < 3; ++i)
            QVERIFY(!Combo("comboDestination")->itemIcon(i).isNull());
        // The profile holds what is shown.
        QCOMPARE(profile->Destination, 1);
        QCOMPARE(profile->DestPath, GetMyPictures());
        QCOMPARE(profile->OutputFormat, KeepFormatText());
        QCOMPARE(profile->FTPPort, QString("22"));
        QVERIFY(profile->UseSFTP && profile->OpenOutputFolder && profile->OriginalDate);
        QVERIFY(!profile->DeleteSource && !panel->changed);
    }

    // The tip over the Process button: once per run, in the first two
    // launches; a resize hides it.
    void processTip_data()
    {
        QTest::addColumn<int>("launches");
        QTest::addColumn<bool>("shown");
        QTest::newRow("first launch") << 0 << true;
        QTest::newRow("third launch") << 2 << false;
    }

    void processTip()
    {
        QFETCH(int, launches);
        QFETCH(bool, shown);
        Store().setValue("Settings/LaunchCounter", launches);
        Start();
        auto* due = panel->findChild<QTimer*>("timerShowProcessTip");
        auto* tip = panel->findChild<CTextWidget*>("tipProcess");
        QTRY_VERIFY_WITH_TIMEOUT(!due->isActive(), 10000);
        QCOMPARE(tip->isVisible(), shown);
        if (!shown)
            return;
        QCOMPARE(tip->pos(), QPoint(panel->width() / 2 + 95, 0));
        QCOMPARE(tip->width(), 240);
        // As tall as its text needs here, from the 80 pixels it is made for.
        QVERIFY(tip->height() >= 80 && tip->height() <= 160);
        const QTextLayout* text = tip->Layouts().value(0);
        QVERIFY(text && text->lineCount() > 0);
        const QTextLine last = text->lineAt(text->lineCount() - 1);
        QCOMPARE(last.textStart() + last.textLength(), tip->Paragraphs().value(0).size());
        QVERIFY(last.position().x() < tip->width());
        QCOMPARE(tip->Paragraphs(), QList<QString>{"When you are ready, go ahead and apply the changes to your photos"});
        window->resize(window->width() + 40, window->height());
        QTRY_VERIFY(!tip->isVisible());
        window->ChangePanel(0);
        window->ChangePanel(2);
        QTRY_VERIFY_WITH_TIMEOUT(!due->isActive(), 10000);
        QVERIFY(!tip->isVisible());
    }

    void formatLists_data()
    {
        QTest::addColumn<int>("destination");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("selected");
        QTest::newRow("folder") << 0 << 19 << KeepFormatText();
        QTest::newRow("e-mail") << 1 << 18 << "JPG";
        QTest::newRow("server") << 2 << 18 << "JPG";
    }

    void formatLists()
    {
        QFETCH(int, destination);
        QFETCH(int, count);
        QFETCH(QString, selected);
        Start();
        ChooseDestination(2 - destination); // from another destination
        ChooseDestination(destination);
        QComboBox* combo = Combo("comboOutputFormat");
        QCOMPARE(combo->count(), count);
        int item = destination == 0 ? 1 : 0;
        if (destination == 0)
            QCOMPARE(combo->itemText(0), KeepFormatText());
        for (const SFormatRecord& row : std::as_const(CFormatsEnum::GetInstance()->rows)) {
            if (!row.canWrite)
                continue;
            QCOMPARE(combo->itemText(item), row.id + " - " + row.description);
            QVERIFY(!combo->itemIcon(item++).isNull());
        }
        QCOMPARE(profile->OutputFormat, selected);
        QVERIFY(combo->currentText().startsWith(selected));
        QCOMPARE(profile->Destination, destination + 1);
    }

    // The multi-page box follows the format, and so does the extension that
    // step 2's name preview takes from the profile.
    void formatChoiceRules()
    {
        Start();
        QCheckBox* multipage = Check("checkMultipage");
        ChooseFormat("TIF");
        QVERIFY(multipage->isEnabled() && !multipage->isChecked());
        QCOMPARE(profile->filenameFilter.extension, QString("tif"));
        multipage->click();
        QVERIFY(profile->Multipage);
        ChooseFormat("PNG");
        QVERIFY(!multipage->isEnabled() && !multipage->isChecked() && !profile->Multipage);
        QCOMPARE(profile->filenameFilter.extension, QString("png"));
        for (const QString id : {"PDF", "GIF"}) {
            ChooseFormat(id);
            QVERIFY2(multipage->isEnabled(), qPrintable(id));
        }
        ChooseFormat(KeepFormatText());
        QCOMPARE(profile->OutputFormat, KeepFormatText());
        QVERIFY(!multipage->isEnabled());

        // The window's title reset refills the list and keeps the choice.
        ChooseDestination(1);
        ChooseFormat("PNG");
        window->ResetAppTitle();
        QVERIFY(Combo("comboOutputFormat")->currentText().startsWith("PNG - "));
        QCOMPARE(profile->OutputFormat, QString("PNG"));
    }

    void serverFields()
    {
        Start();
        ChooseDestination(2);
        QCOMPARE(Find<QStackedWidget>("swDestinations")->currentIndex(), 2);
        // SFTP on and off set the port, over one typed by hand.
        Type("editFTPPort", "2121");
        Check("checkUseSFTP")->click();
        QCOMPARE(Edit("editFTPPort")->text(), QString("21"));
        QCOMPARE(profile->FTPPort, QString("21"));
        QCOMPARE(Store().value("GUI/Step3.FTP.UseSFTP").toInt(), 0);
        Type("editFTPPort", "2121");
        Check("checkUseSFTP")->click();
        QCOMPARE(Edit("editFTPPort")->text(), QString("22"));
        QCOMPARE(Store().value("GUI/Upload.FTP.Port").toString(), QString("22"));

        // Every field edit is a change of the job, with its undo step.
        panel->UnsignalPanelChanged();
        const int states = CStatesList::GetInstance()->GetTotal();
        Type("editFTPPassword", "abc");
        QCOMPARE(profile->FTPPassword, QString("YWJj"));
        QCOMPARE(Store().value("GUI/Upload.FTP.Password").toString(), QString("YWJj"));
        Type("editFTPHost", "files.example");
        QCOMPARE(profile->FTPHost, QString("files.example"));
        QVERIFY(panel->changed);
        QVERIFY(CStatesList::GetInstance()->GetTotal() > states);
        // Showing the profile anew is one undo step, not one per list.
        const int beforeRefresh = CStatesList::GetInstance()->GetTotal();
        panel->RefreshPanel();
        QCOMPARE(CStatesList::GetInstance()->GetTotal(), beforeRefresh + 1);

        ChooseDestination(0);
        ChooseDestination(2);
        QCOMPARE(Edit("editFTPPassword")->text(), QString("abc"));
        QCOMPARE(Edit("editFTPHost")->text(), QString("files.example"));
        QCOMPARE(profile->FTPPassword, QString("YWJj"));

        // Recreating the folder tree is folder mode 1, also on the folder page.
        Check("checkRecreateFolderStruct")->click();
        QCOMPARE(profile->OutputFolderStruct, 1);
        ChooseDestination(0);
        QCOMPARE(Combo("comboFolderStructure")->currentIndex(), 1);
        QVERIFY(Edit("editDestinationPath")->isEnabled());
    }

    void folderModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("pathEnabled");
        QTest::addColumn<bool>("selectEnabled");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("tip");
        QTest::newRow("selected folder") << 0 << true << true << "pictures" << "";
        QTest::newRow("folder tree") << 1 << true << true << "pictures" << "";
        QTest::newRow("photo's folder") << 2 << false << false << "pictures"
                                        << "You have selected to write the resulting photos in the same";
        QTest::newRow("subfolder") << 3 << true << false << "Processed" << "";
    }

    void folderModes()
    {
        QFETCH(int, mode);
        QFETCH(bool, pathEnabled);
        QFETCH(bool, selectEnabled);
        QFETCH(QString, shown);
        QFETCH(QString, tip);
        Store().setValue("GUI/Step3.OutputPath", "#mypictures");
        Start();
        ChooseFolderMode(mode == 0 ? 3 : 0);
        QString tipShown;
        OnNextModal(watchers.get(), [&tipShown](QDialog* dialog) {
            if (auto* text = dialog->findChild<QLabel*>("labelText"))
                tipShown = dialog->objectName() + ": " + text->text();
            dialog->accept();
        });
        ChooseFolderMode(mode);
        QCOMPARE(profile->OutputFolderStruct, mode);
        QCOMPARE(Edit("editDestinationPath")->isEnabled(), pathEnabled);
        QCOMPARE(Find<QPushButton>("buttonSelectFolder")->isEnabled(), selectEnabled);
        // And it looks it: a disabled button is drawn with grey text.
        const int darkest = DarkestInside(Find<QPushButton>("buttonSelectFolder"));
        QVERIFY2((darkest > 100) == !selectEnabled, qPrintable(QString("darkest grey %1").arg(darkest)));
        const QString expected = shown == "pictures" ? QDir::toNativeSeparators(GetMyPictures()) : shown;
        QCOMPARE(Edit("editDestinationPath")->text(), expected);
        if (tip.isEmpty())
            QVERIFY2(tipShown.isEmpty(), qPrintable(tipShown));
        else
            QVERIFY2(tipShown.startsWith("CDialogTip: " + tip), qPrintable(tipShown));
        if (mode == 3) {
            Type("editDestinationPath", "Small");
            QCOMPARE(profile->OutputFolder, QString("Small"));
            QCOMPARE(Store().value("GUI/Step3.OutputFolder").toString(), QString("Small"));
            QCOMPARE(profile->DestPath, GetMyPictures());
        }
    }

    // In a large window the groups keep their own height, one under the
    // other, and the room left over stays below them.
    void roomBelowTheGroups()
    {
        Start();
        window->resize(1600, 1000);
        QTRY_VERIFY(panel->height() > 800);
        QApplication::processEvents();
        int bottom = 0;
        for (const char* name : {"groupOutput", "groupFormat", "groupSettings"}) {
            auto* group = Find<QGroupBox>(name);
            QCOMPARE(group->height(), group->sizeHint().expandedTo(group->minimumSize()).height());
            QVERIFY2(group->y() >= bottom, name);
            bottom = group->geometry().bottom();
        }
        QVERIFY2(panel->height() - bottom > 200, qPrintable(QString::number(panel->height() - bottom)));
    }

    void deleteSourceTip()
    {
        Start();
        QString text;
        OnNextModal(watchers.get(), [&text](QDialog* dialog) {
            text = dialog->findChild<QLabel*>("labelText")->text();
            dialog->accept();
        });
        Check("checkDeleteSource")->click();
        QVERIFY(profile->DeleteSource);
        QVERIFY2(text.startsWith("You have selected to delete the original photos"), qPrintable(text));
    }

    void connectionTest_data()
    {
        QTest::addColumn<bool>("sftp");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("result");
        QTest::newRow("ftp") << false << kPassword << "listed" << "Success";
        QTest::newRow("ftp wrong password") << false << "wrong" << "/" << "Login denied";
        QTest::newRow("sftp") << true << kPassword << "" << "Success";
    }

    void connectionTest()
    {
        QFETCH(bool, sftp);
        QFETCH(QString, password);
        QFETCH(QString, folder);
        QFETCH(QString, result);
        FtpServer ftp;
        SftpServer sftpServer;
        quint16 port = 0;
        QString user = kUser;
        if (sftp) {
            if (!SftpServer::SkipReason().isEmpty())
                QSKIP(qPrintable(SftpServer::SkipReason()));
            QVERIFY(sftpServer.Start(kPassword));
            port = sftpServer.Port();
            user = sftpServer.User();
            folder = sftpServer.Root();
        } else {
            const QString root = TestEnv::NewFolder("ftp");
            QVERIFY(QDir().mkpath(root + "/listed"));
            QVERIFY(ftp.Start(root, kUser, kPassword));
            port = ftp.Port();
        }
        Start();
        EnterServer(port, user, password, folder, sftp);
        QLabel* label = Find<QLabel>("labelResultTestConnection");
        Find<QPushButton>("buttonTestFTPConnection")->click();
        QCOMPARE(label->text(), QString("..."));
        QTRY_VERIFY_WITH_TIMEOUT(label->text() != "...", 30000);
        QCOMPARE(label->text(), result);
        // The profile holds the folder with both slashes; field and key keep
        // what was typed.
        if (folder == "listed") {
            QCOMPARE(profile->FTPFolder, QString("/listed/"));
            QCOMPARE(Edit("editFTPFolder")->text(), QString("listed"));
            QCOMPARE(Store().value("GUI/Upload.FTP.Folder").toString(), QString("listed"));
        }
        QCOMPARE(panel->UploadThread().ServerSettings().FTPUser, user);
    }

    // A server that takes the connection and never answers: closing the
    // window ends the waiting test at once.
    void closeWhileTestWaits()
    {
        QTcpServer silent;
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        Start();
        EnterServer(silent.serverPort(), kUser, kPassword, "/", false);
        Find<QPushButton>("buttonTestFTPConnection")->click();
        QTRY_VERIFY_WITH_TIMEOUT(silent.hasPendingConnections(), 10000);
        QVERIFY(panel->UploadThread().isRunning());

        OnNextModal(watchers.get(), [](QDialog* save) { save->findChild<QPushButton*>("buttonNo")->click(); });
        QElapsedTimer timer;
        timer.start();
        QVERIFY(window->close());
        window.reset();
        panel = nullptr;
        // libcurl's own limit for the test is ten seconds.
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    }

    void formatSettings_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QString>("help");
        QTest::newRow("keep") << KeepFormatText() << KeepFormatText() << 1 << "comboDefaultFormat"
                              << "formats_original.htm";
        QTest::newRow("GIF") << "GIF" << "GIF" << 2 << "comboInterlace" << "formats_gif.htm";
        QTest::newRow("JP2") << "JP2" << "JP2" << 3 << "spinQuality" << "formats_jp2.htm";
        QTest::newRow("JPT") << "JPT" << "JPT" << 0 << "spinQuality" << "";
        QTest::newRow("JPG") << "JPG" << "JPG" << 4 << "comboJpegType" << "formats_jpg.htm";
        QTest::newRow("PDF") << "PDF" << "PDF" << 5 << "comboPdfAlg" << "formats_pdf.htm";
        QTest::newRow("PNG") << "PNG" << "PNG" << 6 << "checkPNGComp" << "formats_png.htm";
        QTest::newRow("TIF") << "TIF" << "TIF" << 7 << "comboTiffAlg" << "formats_tiff.htm";
        QTest::newRow("HEIF") << "HEIF" << "HEIF" << 9 << "spinQuality" << "formats_heif.html";
        QTest::newRow("WEBP") << "WEBP" << "WEBP" << 10 << "spinQuality" << "formats_webp.html";
        QTest::newRow("AVIF") << "AVIF" << "AVIF" << 11 << "spinQuality" << "formats_avif.html";
    }

    void formatSettings()
    {
        QFETCH(QString, id);
        QFETCH(QString, title);
        QFETCH(int, page);
        QFETCH(QString, widget);
        QFETCH(QString, help);
        Start();
        ChooseFormat(id);
        QString seenTitle;
        int seenPage = -1;
        bool hasWidget = false;
        TraceCapture trace;
        QStringList said;
        CPromptSeam::SetWarningAnswerer([&said](const QString& text) { said << text; });
        const int result = RunFormatSettings([&](CFormatSettings* dialog) {
            seenTitle = dialog->windowTitle();
            seenPage = dialog->page;
            hasWidget = dialog->findChild<QWidget*>(widget) != nullptr;
            QTest::keyClick(dialog, Qt::Key_F1);
            dialog->reject();
        });
        CPromptSeam::Reset();
        // Without a help address a page with help says so, once.
        QCOMPARE(said, help.isEmpty() ? QStringList() : QStringList{HelpPages::NoHelpAddressText()});
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(seenTitle, title);
        QCOMPARE(seenPage, page);
        QVERIFY(hasWidget);
        QCOMPARE(trace.Contains("OpenHelpFile"), !help.isEmpty());
        if (!help.isEmpty())
            QVERIFY(trace.Contains("OpenHelpFile", help));
    }

    // JPG quality chosen in the dialog reaches the profile and the written
    // file; a rejected dialog changes nothing.
    void jpegQualityReachesTheRun()
    {
        Start();
        ChooseFormat("JPG");
        QCOMPARE(RunFormatSettings([](CFormatSettings* dialog) {
                     dialog->findChild<QSpinBox*>("spinQuality")->setValue(75);
                     dialog->findChild<QComboBox*>("comboJpegType")->setCurrentIndex(1);
                     dialog->accept();
                 }),
                 int(QDialog::Accepted));
        QCOMPARE(profile->Quality, 75);
        QCOMPARE(RunFormatSettings([](CFormatSettings* dialog) {
                     dialog->findChild<QSpinBox*>("spinQuality")->setValue(30);
                     dialog->findChild<QComboBox*>("comboJpegType")->setCurrentIndex(0);
                     dialog->reject();
                 }),
                 int(QDialog::Rejected));
        QCOMPARE(profile->Quality, 75);
        QCOMPARE(profile->JpegType, 1);

        const QString output = RunOnePhoto(TestEnv::NewFolder("quality-out"), "quality");
        QVERIFY(QFileInfo::exists(output));
        QProcess identify;
        identify.start("identify", {"-format", "%Q", output});
        QVERIFY(identify.waitForFinished(20000));
        QCOMPARE(identify.readAllStandardOutput().trimmed(), QByteArray("75"));
    }

    // A profile file chosen for the custom colour type replaces the one
    // already loaded: the next JPEG carries it.
    void chosenColourProfileIsEmbedded()
    {
        const QString chosen = TestEnv::NewFolder("icc") + "/wide.icc";
        QVERIFY(QFile::copy("/usr/share/color/icc/ghostscript/a98.icc", chosen));
        Start();
        ChooseFormat("JPG");
        QCOMPARE(RunFormatSettings([](CFormatSettings* dialog) {
                     dialog->findChild<QComboBox*>("comboJpegType")->setCurrentIndex(3);
                     dialog->findChild<QPushButton*>("buttonDefaultProfile")->click();
                     dialog->accept();
                 }),
                 int(QDialog::Accepted));
        const QString first = RunOnePhoto(TestEnv::NewFolder("icc-first"), "first");
        QVERIFY(QFileInfo::exists(first));

        QCOMPARE(RunFormatSettings([this, chosen](CFormatSettings* dialog) {
                     OnNextModal(
                         watchers.get(),
                         [chosen](QDialog* picker) {
                             if (auto* name = picker->findChild<QLineEdit*>("fileNameEdit"))
                                 name->setText(chosen);
                             picker->accept();
                         },
                         dialog);
                     dialog->findChild<QPushButton*>("buttonSelectProfile")->click();
                     QCOMPARE(dialog->findChild<QLineEdit*>("editCustomProfile")->text(),
                              QDir::toNativeSeparators(chosen));
                     dialog->accept();
                 }),
                 int(QDialog::Accepted));
        QCOMPARE(profile->CustomProfile, chosen);
        const QString second = RunOnePhoto(TestEnv::NewFolder("icc-second"), "second");
        QVERIFY(QFileInfo::exists(second));

        QFile file(chosen);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray wanted = file.readAll();
        auto embedded = [](const QString& path) {
            Magick::Image image;
            image.read(path.toStdString());
            const Magick::Blob blob = image.iccColorProfile();
            return QByteArray(static_cast<const char*>(blob.data()), int(blob.length()));
        };
        QVERIFY(!embedded(first).isEmpty());
        QVERIFY(embedded(first) != wanted);
        QCOMPARE(embedded(second), wanted);
    }

    // Values the panel does not offer are shown and stored as a run treats
    // them.
    void jobFileValuesOutsideTheLists_data()
    {
        QTest::addColumn<int>("destination");
        QTest::addColumn<int>("folderStruct");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("multipage");
        QTest::addColumn<int>("shownDestination");
        QTest::addColumn<int>("savedStruct");
        QTest::addColumn<QString>("savedFormat");
        QTest::addColumn<int>("savedMultipage");
        QTest::newRow("unknown destination and mode") << 7 << 9 << "PNG" << 0 << 0 << 0 << "PNG" << 0;
        QTest::newRow("negative mode") << 1 << -1 << "TIF" << 1 << 0 << 0 << "TIF" << 1;
        QTest::newRow("multi-page JPG") << 1 << 2 << "JPG" << 1 << 0 << 2 << "JPG" << 0;
        QTest::newRow("keep format by e-mail") << 2 << 0 << "Original" << 0 << 1 << 0 << "JPG" << 0;
        QTest::newRow("server, lower-case id") << 3 << 1 << "png" << 0 << 2 << 1 << "PNG" << 0;
    }

    void jobFileValuesOutsideTheLists()
    {
        QFETCH(int, destination);
        QFETCH(int, folderStruct);
        QFETCH(QString, format);
        QFETCH(int, multipage);
        QFETCH(int, shownDestination);
        QFETCH(int, savedStruct);
        QFETCH(QString, savedFormat);
        QFETCH(int, savedMultipage);
        Store().setValue("GUI/MainWindow.ShowTipAfterProfile", 0);
        const QString folder = TestEnv::NewFolder("jobs");
        const QString path = folder + "/odd.gbf";
        const QString job = QString(R"(<?xml version="1.0" encoding="utf-8"?><Profile Version="1">
<Properties Class="Output"><Property Name="Destination">%1</Property>
<Property Name="OutputFolderStruct">%2</Property><Property Name="DestPath">%3</Property></Properties>
<Properties Class="Format"><Property Name="OutputFormat">%4</Property>
<Property Name="Multipage">%5</Property></Properties></Profile>)")
                                .arg(destination)
                                .arg(folderStruct)
                                .arg(folder, format)
                                .arg(multipage);
        QVERIFY(ServerFixtures::WriteFile(path, job.toUtf8()));

        Start();
        QVERIFY(window->LoadProfile(path));
        QCOMPARE(Combo("comboDestination")->currentIndex(), shownDestination);
        QCOMPARE(Find<QStackedWidget>("swDestinations")->currentIndex(), shownDestination);
        if (shownDestination == 0)
            QCOMPARE(Combo("comboFolderStructure")->currentIndex(), savedStruct);
        QCOMPARE(profile->OutputFormat, savedFormat);
        QCOMPARE(Check("checkMultipage")->isChecked(), savedMultipage != 0);
        QVERIFY(Combo("comboOutputFormat")->currentText().startsWith(savedFormat + " - "));

        const QString saved = folder + "/saved.gbf";
        QVERIFY(window->SaveProfile(saved, "saved", QString()));
        const QString text = QString::fromUtf8(ServerFixtures::ReadFile(saved));
        const QList<QPair<QString, QString>> stored = {{"Destination", QString::number(shownDestination + 1)},
                                                       {"OutputFolderStruct", QString::number(savedStruct)},
                                                       {"OutputFormat", savedFormat},
                                                       {"Multipage", QString::number(savedMultipage)}};
        for (const auto& [name, value] : stored) {
            const QString property = QString("<Property Name=\"%1\">%2</Property>").arg(name, value);
            QVERIFY2(text.contains(property), qPrintable(property));
        }
    }
};

GB_TEST_MAIN(TestStep3)
#include "tst_step3.moc"
