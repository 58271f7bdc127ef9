// The dialogs of the window's commands: the profile chooser, the profile
// save dialog and the preferences.
#include "CDialogProfileSave.h"
#include "CDialogProfileSelection.h"
#include "CFiltersEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CListThumb.h"
#include "CPromptSeam.h"
#include "CScripts.h"
#include "CSettings.h"
#include "CUserProfile.h"
#include "Common.h"
#include "HelpPages.h"
#include "ProfileDescriptions.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {
using Entry = CDialogProfileSelection::SProfileEntry;

// Whether any pixel of the icon is drawn.
bool Drawn(const QIcon& icon)
{
    const QImage image = icon.pixmap(64, 64).toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0)
                return true;
    return false;
}

int RowOf(const CDialogProfileSelection& chooser, const QString& name)
{
    for (int i = 0; i < chooser.Entries().size(); ++i)
        if (chooser.Entries()[i].name == name)
            return i;
    return -1;
}

// Writes the current job as a user profile.
void SaveUserProfile(const QString& file, const QString& name, const QString& description)
{
    QDir().mkpath(CDialogProfileSelection::UserFolder());
    CScripts writer(CDialogProfileSelection::UserFolder() + file);
    writer.profileName = name;
    writer.profileDescription = description;
    QVERIFY(writer.Save(2));
}
} // namespace

class TestWindowDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CFiltersEnum::GetInstance()->GenerateList();
        SaveUserProfile("mine.gbf", "My Look", "Sepia <b>and</b> a frame");
        SaveUserProfile("unnamed.gbf", "", "");
        QFile broken(CDialogProfileSelection::UserFolder() + "broken.gbf");
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("<Profile Version=\"1\"><Filters>");
        broken.close();
        QFile script(CDialogProfileSelection::UserFolder() + "a script.gbf");
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("<Script Version=\"1\"><Images/></Script>");
    }

    // Every built-in profile by its translated name with a drawn icon, then
    // the user's own; files that are not profiles are left out.
    void listsBuiltInAndUserProfiles()
    {
        CListImages::GetInstance()->list = {SImageRecord{"/x/a.jpg", "/x", "a", "jpg", 0, 0}};
        CListFilters::GetInstance()->list.clear();
        CDialogProfileSelection chooser;
        const QStringList files =
            QDir(CDialogProfileSelection::BuiltInFolder()).entryList({"*.gbf"}, QDir::Files);
        QVERIFY(files.size() >= 20);
        const QList<Entry>& entries = chooser.Entries();
        QCOMPARE(entries.size(), files.size() + 2);
        auto* list = chooser.findChild<CListThumb*>("listProfiles");
        QCOMPARE(list->count(), int(entries.size()));
        QCOMPARE(list->ListType(), int(CListThumb::TypeProfiles));
        // 6 rows of 18 filter cells, then 10 format cells.
        QCOMPARE(list->Icons()->size(), 118);
        for (int i = 0; i < files.size(); ++i) {
            const Entry& e = entries[i];
            QVERIFY2(e.builtIn, qPrintable(e.name));
            QVERIFY(files.contains(QFileInfo(e.path).fileName()));
            QVERIFY2(!e.name.isEmpty() && !e.description.isEmpty(), qPrintable(e.path));
            QCOMPARE(list->item(i)->text(), e.name);
            QCOMPARE(list->item(i)->toolTip(), e.description);
            QVERIFY2(Drawn(list->item(i)->icon()), qPrintable(e.name));
            if (i > 0)
                QVERIFY(entries[i - 1].name.compare(e.name, Qt::CaseInsensitive) <= 0);
        }
        QCOMPARE(entries[RowOf(chooser, GetProfileDescription(14276))].icon, 6 * 18 + 4); // PNG cell
        QCOMPARE(entries[RowOf(chooser, GetProfileDescription(14316))].icon, 5 * 18 + 5); // Resize
        QCOMPARE(entries[RowOf(chooser, GetProfileDescription(14298))].icon, 2 * 18 + 4); // Raise

        const Entry& mine = entries[files.size()];
        QCOMPARE(mine.name, QString("My Look"));
        QVERIFY(!mine.builtIn);
        QCOMPARE(entries[files.size() + 1].name, QString("unnamed"));
        // The user's profiles carry no icon number: they show the general
        // profile icon, laid out like every other profile.
        const QImage general = list->Icons()->at(0).pixmap(64).toImage();
        for (int row = int(files.size()); row < list->count(); ++row) {
            QCOMPARE(entries[row].icon, 0);
            QVERIFY(Drawn(list->item(row)->icon()));
            QCOMPARE(list->item(row)->icon().pixmap(64).toImage(), general);
            QCOMPARE(list->item(row)->sizeHint(), list->item(0)->sizeHint());
        }

        // Reading the headers left the job alone.
        QCOMPARE(CListImages::GetInstance()->list.size(), 1);
        QVERIFY(CListFilters::GetInstance()->list.isEmpty());
    }

    void choosing_data()
    {
        QTest::addColumn<QString>("name");  // "": cancel
        QTest::addColumn<bool>("viaDoubleClick");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("builtIn");
        QTest::newRow("built-in") << GetProfileDescription(14276) << false << 1 << true;
        QTest::newRow("user's own") << "My Look" << true << 1 << false;
        QTest::newRow("cancel") << "" << false << 0 << true;
    }

    void choosing()
    {
        QFETCH(QString, name);
        QFETCH(bool, viaDoubleClick);
        QFETCH(int, result);
        QFETCH(bool, builtIn);
        CUserProfile::GetInstance()->builtInProfile = true;
        CDialogProfileSelection chooser;
        auto* list = chooser.findChild<CListThumb*>("listProfiles");
        auto* ok = chooser.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
        QString expectedPath;
        QTimer::singleShot(0, &chooser, [&] {
            QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(&chooser));
            QVERIFY(!ok->isEnabled());
            if (name.isEmpty()) {
                chooser.reject();
                return;
            }
            const int row = RowOf(chooser, name);
            QVERIFY(row >= 0);
            expectedPath = chooser.Entries()[row].path;
            list->setCurrentRow(row);
            QVERIFY(ok->isEnabled());
            QCOMPARE(chooser.findChild<QLabel*>("labelDescription")->text(), chooser.Entries()[row].description);
            // A description is the file's text, shown as written.
            QCOMPARE(chooser.findChild<QLabel*>("labelDescription")->textFormat(), Qt::PlainText);
            if (viaDoubleClick)
                emit list->itemDoubleClicked(list->item(row));
            else
                ok->click();
        });
        QCOMPARE(chooser.exec(), result);
        QCOMPARE(chooser.profilePath, expectedPath);
        QCOMPARE(CUserProfile::GetInstance()->builtInProfile, builtIn);
    }

    // Without a help address F1 says so, in one message box.
    void helpKey()
    {
        CDialogProfileSelection chooser;
        TraceCapture trace;
        QStringList said;
        CPromptSeam::SetWarningAnswerer([&said](const QString& text) { said << text; });
        QTest::keyClick(&chooser, Qt::Key_F1);
        CPromptSeam::Reset();
        QVERIFY(trace.Contains("OpenHelpFile", "user-interface_profiles.htm"));
        QCOMPARE(said, QStringList{HelpPages::NoHelpAddressText()});
    }

    void saveDialog_data()
    {
        QTest::addColumn<QString>("typedName"); // null: cancel
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("ok") << "  Holiday  " << 1 << "Holiday" << "two\nlines";
        QTest::newRow("cancel") << QString() << 0 << "proposed" << "old";
        QTest::newRow("blank name cannot be saved") << "   " << 0 << "proposed" << "old";
    }

    void saveDialog()
    {
        QFETCH(QString, typedName);
        QFETCH(int, result);
        QFETCH(QString, name);
        QFETCH(QString, description);
        CDialogProfileSave dialog;
        dialog.name = "proposed";
        dialog.description = "old";
        QTimer::singleShot(0, &dialog, [&] {
            auto* editName = dialog.findChild<QLineEdit*>("editName");
            auto* editDescription = dialog.findChild<QPlainTextEdit*>("editDescription");
            QCOMPARE(editName->text(), QString("proposed"));
            QCOMPARE(editDescription->toPlainText(), QString("old"));
            auto* ok = dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
            if (typedName.isNull()) {
                editName->setText("changed");
                dialog.reject();
                return;
            }
            editName->setText(typedName);
            editDescription->setPlainText("two\nlines");
            QCOMPARE(ok->isEnabled(), !typedName.trimmed().isEmpty());
            dialog.accept(); // refused while the name is blank
            if (dialog.isVisible())
                dialog.reject();
        });
        QCOMPARE(dialog.exec(), result);
        QCOMPARE(dialog.name, name);
        QCOMPARE(dialog.description, description);
    }

    // Each offered preference goes through its widget into the profile on
    // OK; Cancel keeps them all. Only a new language brings the message.
    void preferences_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("languageRow");
        QTest::addColumn<int>("messages");
        QTest::newRow("OK, German") << true << 1 << 1;
        QTest::newRow("OK, same language") << true << 0 << 0;
        QTest::newRow("cancel") << false << 5 << 0;
    }

    void preferences()
    {
        QFETCH(bool, ok);
        QFETCH(int, languageRow);
        QFETCH(int, messages);
        CUserProfile* p = CUserProfile::GetInstance();
        p->languageId = 1033;
        p->showProfiles = false;
        p->showStartupWizard = true;
        p->autoCheck = true;
        p->checkInterval = 1;
        p->useMulticore = true;
        p->processLog = true;
        p->multipageWrite = 0;
        p->rawWhiteBalance = 0;
        p->rawHighlight = 7; // a finer rebuild level only a settings file holds
        p->rawDemosaic = 0;
        QStringList warnings;
        CPromptSeam::SetWarningAnswerer([&warnings](const QString& text) { warnings << text; });
        CSettings dialog;
        QTimer::singleShot(0, &dialog, [&] {
            auto combo = [&](const char* name) { return dialog.findChild<QComboBox*>(name); };
            auto check = [&](const char* name) { return dialog.findChild<QCheckBox*>(name); };
            QCOMPARE(combo("comboLanguage")->currentIndex(), 0);
            QCOMPARE(combo("comboRawHighlight")->currentText(), QString("Rebuild"));
            QVERIFY(combo("comboCheckInterval")->isEnabled());
            combo("comboLanguage")->setCurrentIndex(languageRow);
            check("checkShowProfiles")->click();
            check("checkShowWizard")->click();
            check("checkAutoCheck")->click();
            QVERIFY(!combo("comboCheckInterval")->isEnabled());
            combo("comboCheckInterval")->setCurrentIndex(2);
            check("checkMulticore")->click();
            check("checkProcessLog")->click();
            combo("comboMultipage")->setCurrentIndex(2);
            combo("comboRawWhiteBalance")->setCurrentIndex(1);
            combo("comboRawDemosaic")->setCurrentIndex(4);
            if (ok)
                dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
            else
                dialog.reject();
        });
        QCOMPARE(dialog.exec(), ok ? 1 : 0);
        CPromptSeam::Reset();
        QCOMPARE(p->languageId, ok ? CSettings::LanguageIds()[languageRow] : 1033);
        QCOMPARE(int(warnings.count("You need to restart Glimmerbox for the changes to take effect.")), messages);
        QCOMPARE(p->showProfiles, ok);
        QCOMPARE(p->showStartupWizard, !ok);
        QCOMPARE(p->autoCheck, !ok);
        QCOMPARE(p->checkInterval, ok ? 2 : 1);
        QCOMPARE(p->useMulticore, !ok);
        QCOMPARE(p->processLog, !ok);
        QCOMPARE(p->multipageWrite, ok ? 2 : 0);
        QCOMPARE(p->rawWhiteBalance, ok ? 1 : 0);
        QCOMPARE(p->rawHighlight, 7);
        QCOMPARE(p->rawDemosaic, ok ? 4 : 0);

        TraceCapture trace;
        warnings.clear();
        CPromptSeam::SetWarningAnswerer([&warnings](const QString& text) { warnings << text; });
        QTest::keyClick(&dialog, Qt::Key_F1);
        CPromptSeam::Reset();
        QVERIFY(trace.Contains("OpenHelpFile", "user-interface_settings.htm"));
        QCOMPARE(warnings, QStringList{HelpPages::NoHelpAddressText()});
    }
};

GB_TEST_MAIN(TestWindowDialogs)
#include "tst_windowdialogs.moc"
