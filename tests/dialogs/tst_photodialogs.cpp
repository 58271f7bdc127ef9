// The step 1 dialogs: the photo search (stored choices, folder text, empty
// folder) and the list of unsupported files.
#include "CDialogSearch.h"
#include "CDialogUnsupportedFormat.h"
#include "Common.h"
#include "TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

class TestPhotoDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, OrganizationName(), ApplicationName());
        store.clear();
    }

    void search_data()
    {
        QTest::addColumn<QString>("typed");  // folder typed in; null: keep the stored one
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("folder");
        QTest::newRow("stored choices accepted") << QString() << true << 1 << "/stored/place";
        QTest::newRow("backslashes") << "C:\\Photos\\2021" << true << 1 << "C:/Photos/2021";
        QTest::newRow("cancelled") << "/other" << false << 0 << "";
        QTest::newRow("empty folder") << "  " << true << 0 << "";
    }

    void search()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accept);
        QFETCH(int, result);
        QFETCH(QString, folder);
        SetRegistryString("GUI/SearchAdd.Path", "/stored/place");
        SetRegistryInt("GUI/SearchAdd.Mask", 1);
        SetRegistryInt("GUI/SearchAdd.InSubfolders", 1);

        CDialogSearch dialog;
        bool okEnabled = false;
        QTimer::singleShot(0, &dialog, [&] {
            QVERIFY(QApplication::activeModalWidget() == &dialog);
            auto* edit = dialog.findChild<QLineEdit*>("editFolder");
            QCOMPARE(edit->text(), QString("/stored/place"));
            QCOMPARE(dialog.findChild<QComboBox*>("comboMask")->currentText(), QString("*.JPG"));
            QVERIFY(dialog.findChild<QCheckBox*>("checkSubfolders")->isChecked());
            if (!typed.isNull())
                edit->setText(typed);
            dialog.findChild<QComboBox*>("comboMask")->setCurrentIndex(5);
            auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            okEnabled = ok->isEnabled();
            if (accept)
                ok->click();
            if (dialog.isVisible())
                dialog.reject();
        });
        QCOMPARE(dialog.exec(), result);
        QCOMPARE(okEnabled, !typed.isNull() ? !typed.trimmed().isEmpty() : true);
        QCOMPARE(dialog.searchPath, folder);
        if (result == 1) {
            QCOMPARE(dialog.searchMask, QString("*.PNG"));
            QVERIFY(dialog.searchSubfolders);
            QCOMPARE(GetRegistryString("GUI/SearchAdd.Path", ""), folder);
            QCOMPARE(GetRegistryInt("GUI/SearchAdd.Mask", -1), 5);
        } else {
            QCOMPARE(GetRegistryInt("GUI/SearchAdd.Mask", -1), 1);
        }
        QVERIFY(CDialogSearch::Masks().mid(0, 2) == (QStringList{"*.*", "*.JPG"}));
    }

    void unsupportedFilesOnePerLine()
    {
        CDialogUnsupportedFormat dialog;
        dialog.SetUnsupportedFiles({"/a/notes.txt", "/b/data.xyz"});
        auto* text = dialog.findChild<QPlainTextEdit*>("textFiles");
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->toPlainText(), QString("/a/notes.txt\n/b/data.xyz"));
        QTimer::singleShot(0, &dialog,
                           [&] { dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); });
        QCOMPARE(dialog.exec(), 1);
    }
};

GB_TEST_MAIN(TestPhotoDialogs)
#include "tst_photodialogs.moc"
