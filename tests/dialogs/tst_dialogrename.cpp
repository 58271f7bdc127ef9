// The renaming dialog: what OK hands to the profile and Cancel keeps from it,
// and the sample name following the fields for a real photo.
#include "CDialogRename.h"
#include "CFormatsEnum.h"
#include "CListImages.h"
#include "CUserProfile.h"
#include "DialogScript.h"
#include "TestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <functional>

namespace {
// Every renaming field, in one text, for comparisons.
QString Fields(const SNamingSettings& s)
{
    return QStringList{s.FilenameFormat,
                       QString::number(s.PresetRename),
                       QString::number(s.CounterStart),
                       QString::number(s.CountStep),
                       QString::number(s.CounterDigits),
                       QString::number(s.CounterReset),
                       QString::number(s.ChangeCase),
                       QString::number(s.LowerCaseExt),
                       QString::number(s.DateType),
                       QString::number(s.DateFormat),
                       QString::number(s.ShowTime),
                       QString::number(s.TimeFormat),
                       s.SearchFor,
                       s.ReplaceWith}
        .join(" | ");
}

template <class T> T* Child(CDialogRename& dialog, const char* name)
{
    T* child = dialog.findChild<T*>(name);
    if (!child)
        qFatal("no %s", name);
    return child;
}

// Sets every field to a value other than the defaults.
void EditEveryField(CDialogRename& dialog)
{
    Child<QLineEdit>(dialog, "editPattern")->setText("[FolderName]_");
    Child<QPushButton>(dialog, "buttonCounter")->click(); // inserted at the cursor
    Child<QSpinBox>(dialog, "spinCounterStart")->setValue(7);
    Child<QSpinBox>(dialog, "spinCountStep")->setValue(3);
    Child<QSpinBox>(dialog, "spinCounterDigits")->setValue(4);
    Child<QCheckBox>(dialog, "checkCounterReset")->setChecked(true);
    Child<QComboBox>(dialog, "comboCase")->setCurrentIndex(2);
    Child<QCheckBox>(dialog, "checkLowerCaseExt")->setChecked(false);
    Child<QComboBox>(dialog, "comboDateType")->setCurrentIndex(1);
    Child<QComboBox>(dialog, "comboDateFormat")->setCurrentIndex(10);
    Child<QComboBox>(dialog, "comboShowTime")->setCurrentIndex(1);
    Child<QCheckBox>(dialog, "checkSeconds")->setChecked(true);
    Child<QLineEdit>(dialog, "editSearchFor")->setText("holi");
    Child<QLineEdit>(dialog, "editReplaceWith")->setText("Sun");
}
} // namespace

class TestDialogRename : public QObject
{
    Q_OBJECT

    QString photo;

private slots:
    void initTestCase()
    {
        CFormatsEnum::GetInstance()->GenerateList();
        const QString shared = TestEnv::SharedPhotos();
        if (shared.isEmpty())
            QSKIP("the shared photos are not there");
        const QString folder = TestEnv::NewFolder("photos") + "/Holiday";
        QVERIFY(QDir().mkpath(folder));
        photo = folder + "/DSCN0010.jpg";
        QVERIFY(QFile::copy(shared + "/jpg/gps/DSCN0010.jpg", photo));
        QList<QString> rejected;
        QVERIFY(CListImages::GetInstance()->AddImage(photo, rejected));
    }

    void init()
    {
        CUserProfile* profile = CUserProfile::GetInstance();
        profile->Naming() = SNamingSettings();
        profile->FilenameFormat = "[Filename]";
        profile->PresetRename = 1;
        profile->OutputFormat = "JPG";
    }

    void okHandsEveryFieldToTheProfile()
    {
        CDialogRename dialog;
        dialog.previewPhoto = CListImages::GetInstance()->list.first();
        const int result = RunDialog(dialog, [&] {
            EditEveryField(dialog);
            Child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
        });
        QCOMPARE(result, int(QDialog::Accepted));

        SNamingSettings expected;
        expected.FilenameFormat = "[FolderName]_[Counter]";
        expected.PresetRename = 1; // the preset is the caller's
        expected.CounterStart = 7;
        expected.CountStep = 3;
        expected.CounterDigits = 4;
        expected.CounterReset = true;
        expected.ChangeCase = 2;
        expected.LowerCaseExt = false;
        expected.DateType = 1;
        expected.DateFormat = 10;
        expected.ShowTime = 1;
        expected.TimeFormat = 1;
        expected.SearchFor = "holi";
        expected.ReplaceWith = "Sun";
        QCOMPARE(Fields(CUserProfile::GetInstance()->Naming()), Fields(expected));
    }

    void cancelKeepsEveryField()
    {
        CUserProfile* profile = CUserProfile::GetInstance();
        // Values a job file may hold that the widgets cannot show.
        profile->CounterStart = 5000000000LL;
        profile->DateFormat = 14;
        profile->ShowTime = 3;
        const QString before = Fields(profile->Naming());

        CDialogRename dialog;
        const int result = RunDialog(dialog, [&] {
            EditEveryField(dialog);
            Child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
        });
        QCOMPARE(result, int(QDialog::Rejected));
        QCOMPARE(Fields(profile->Naming()), before);

        // OK without an edit keeps them too (and the pattern as typed).
        CDialogRename untouched;
        RunDialog(untouched, [&] { untouched.accept(); });
        QCOMPARE(Fields(profile->Naming()), before);
    }

    void sampleFollowsTheFields_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("sample");
        QTest::newRow("dot in the pattern") << "[Filename].small" << "" << "DSCN0010.jpg";
        QTest::newRow("folder and counter") << "[FolderName]_[Counter]" << "" << "Holiday_01.jpg";
        QTest::newRow("counter start, digits") << "[Counter]" << "start 7 digits 3" << "007.jpg";
        QTest::newRow("upper case, extension too") << "[FolderName]" << "upper" << "HOLIDAY.JPG";
        QTest::newRow("date, 24 hours, seconds") << "[DateTime]" << "iso 24h seconds" << "2008-10-22 16-28-39.jpg";
        QTest::newRow("replace") << "[FolderName]" << "replace" << "Sunday.jpg";
        QTest::newRow("other format") << "[Filename]" << "png" << "DSCN0010.png";
    }

    void sampleFollowsTheFields()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, edit);
        QFETCH(QString, sample);
        if (edit == "png")
            CUserProfile::GetInstance()->OutputFormat = "PNG";
        CDialogRename dialog;
        dialog.previewPhoto = CListImages::GetInstance()->list.first();
        RunDialog(dialog, [&] {
            Child<QLineEdit>(dialog, "editPattern")->setText(pattern);
            if (edit.contains("start"))
                Child<QSpinBox>(dialog, "spinCounterStart")->setValue(7);
            if (edit.contains("digits"))
                Child<QSpinBox>(dialog, "spinCounterDigits")->setValue(3);
            if (edit.contains("upper")) {
                Child<QComboBox>(dialog, "comboCase")->setCurrentIndex(2);
                Child<QCheckBox>(dialog, "checkLowerCaseExt")->setChecked(false);
            }
            if (edit.contains("iso"))
                Child<QComboBox>(dialog, "comboDateFormat")->setCurrentIndex(10);
            if (edit.contains("24h"))
                Child<QComboBox>(dialog, "comboShowTime")->setCurrentIndex(1);
            if (edit.contains("seconds"))
                Child<QCheckBox>(dialog, "checkSeconds")->setChecked(true);
            if (edit.contains("replace")) {
                Child<QLineEdit>(dialog, "editSearchFor")->setText("holi");
                Child<QLineEdit>(dialog, "editReplaceWith")->setText("Sun");
            }
            QCOMPARE(Child<QLineEdit>(dialog, "editSample")->text(), sample);
        });
    }
};

GB_TEST_MAIN(TestDialogRename)
#include "tst_dialogrename.moc"
