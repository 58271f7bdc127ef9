// The notices of the start-up road: tip, save-settings question, social
// notice, about box. Each remembers "don't show again" in the settings store.
#include "CDialogAbout.h"
#include "CDialogSaveProject.h"
#include "CDialogSocial.h"
#include "CDialogTip.h"
#include "Common.h"
#include "TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTimer>

namespace {
void ClearStore()
{
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, OrganizationName(), ApplicationName());
    store.clear();
}
} // namespace

class TestStartupDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init() { ClearStore(); }

    void tip_data()
    {
        QTest::addColumn<bool>("offerBox");
        QTest::addColumn<int>("stored");   // -1: key absent
        QTest::addColumn<bool>("tick");
        QTest::addColumn<bool>("shows");
        QTest::addColumn<int>("storedAfter");
        QTest::newRow("first time, box ticked") << true << -1 << true << true << 0;
        QTest::newRow("first time, box left") << true << -1 << false << true << -1;
        QTest::newRow("asked not to show") << true << 0 << false << false << 0;
        QTest::newRow("no box offered") << false << 0 << false << true << 0;
    }

    void tip()
    {
        QFETCH(bool, offerBox);
        QFETCH(int, stored);
        QFETCH(bool, tick);
        QFETCH(bool, shows);
        QFETCH(int, storedAfter);
        if (stored >= 0)
            SetRegistryInt("GUI/MainWindow.ShowTipAfterProfile", stored);
        CDialogTip tip;
        tip.text = "Now just add your photos.";
        tip.key = "MainWindow.ShowTipAfterProfile";
        tip.showCheckBox = offerBox;
        bool shown = false;
        QTimer::singleShot(0, &tip, [&] {
            if (QApplication::activeModalWidget() != &tip)
                return;
            shown = true;
            QCOMPARE(tip.findChild<QLabel*>("labelText")->text(), QString("Now just add your photos."));
            QCOMPARE(tip.findChild<QCheckBox*>("checkDontShow")->isVisible(), offerBox);
            tip.findChild<QCheckBox*>("checkDontShow")->setChecked(tick);
            tip.accept();
        });
        QCOMPARE(tip.exec(), 1);
        QCOMPARE(shown, shows);
        QCOMPARE(GetRegistryInt("GUI/MainWindow.ShowTipAfterProfile", -1), storedAfter);
    }

    void saveProject_data()
    {
        QTest::addColumn<QString>("button"); // "": Escape
        QTest::addColumn<bool>("dontAsk");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("no");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<int>("storedAfter");
        QTest::newRow("yes") << "buttonYes" << false << true << false << false << 1;
        QTest::newRow("no, don't ask again") << "buttonNo" << true << false << true << false << 0;
        QTest::newRow("cancel keeps asking") << "buttonCancel" << true << false << false << true << 1;
        QTest::newRow("escape is cancel") << "" << false << false << false << true << 1;
    }

    void saveProject()
    {
        QFETCH(QString, button);
        QFETCH(bool, dontAsk);
        QFETCH(bool, yes);
        QFETCH(bool, no);
        QFETCH(bool, cancel);
        QFETCH(int, storedAfter);
        CDialogSaveProject question;
        QTimer::singleShot(0, &question, [&] {
            QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(&question));
            question.findChild<QCheckBox*>("checkDontAsk")->setChecked(dontAsk);
            if (button.isEmpty())
                QTest::keyClick(&question, Qt::Key_Escape);
            else
                question.findChild<QPushButton*>(button)->click();
        });
        question.exec();
        QCOMPARE(question.Yes, yes);
        QCOMPARE(question.No, no);
        QCOMPARE(question.Cancel, cancel);
        QCOMPARE(GetRegistryInt("GUI/bShowSaveProject", 1), storedAfter);
    }

    void saveProjectNotAsked()
    {
        SetRegistryInt("GUI/bShowSaveProject", 0);
        CDialogSaveProject question;
        QCOMPARE(question.exec(), int(QDialog::Accepted));
        QVERIFY(!question.Yes && !question.No && !question.Cancel);
    }

    void social()
    {
        {
            CDialogSocial notice;
            QTimer::singleShot(0, &notice, [&] {
                QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget*>(&notice));
                notice.findChild<QCheckBox*>("checkDontShow")->setChecked(true);
                notice.reject();
            });
            notice.exec();
        }
        QCOMPARE(GetRegistryInt("GUI/DialogSocial.Show", 1), 0);
        CDialogSocial again;
        bool shown = false;
        QTimer::singleShot(0, &again, [&] {
            shown = QApplication::activeModalWidget() == &again;
            again.reject();
        });
        again.exec();
        QVERIFY(!shown);
    }

    void about()
    {
        CDialogAbout about;
        QCOMPARE(about.findChild<QLabel*>("labelVersion")->text(), QString("Version " GB_VERSION));
        bool pictured = false;
        for (QLabel* label : about.findChildren<QLabel*>())
            pictured = pictured || !label->pixmap().isNull();
        QVERIFY2(pictured, "the application icon is missing");
    }
};

GB_TEST_MAIN(TestStartupDialogs)
#include "tst_startupdialogs.moc"
