// The first-run wizard.
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "CWizardStart.h"
#include "HelpPages.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QTimer>

class TestWizard : public QObject
{
    Q_OBJECT

private slots:
    // Both boxes show the preference, each click changes it at once, and
    // Cancel keeps what the last click set.
    void boxesFollowThePreference()
    {
        CUserProfile* profile = CUserProfile::GetInstance();
        profile->showStartupWizard = true;
        CWizardStart wizard;
        QCOMPARE(wizard.size(), QSize(465, 285));
        QCOMPARE(wizard.minimumSize(), wizard.maximumSize());
        QCOMPARE(wizard.windowTitle(), QString("Welcome to Glimmerbox!"));
        // The tall watermark fits the wizard's height, its aspect kept.
        const QPixmap watermark = wizard.pixmap(QWizard::WatermarkPixmap);
        QCOMPARE(watermark.deviceIndependentSize().toSize(), QSize(149, 285));

        auto* first = wizard.findChild<QCheckBox*>("checkShowFirst");
        auto* second = wizard.findChild<QCheckBox*>("checkShowSecond");
        QStringList steps;
        QTimer::singleShot(0, &wizard, [&] {
            QCOMPARE(wizard.currentId(), 0);
            QVERIFY(!first->isChecked());
            first->click();
            steps << QString::number(profile->showStartupWizard);
            wizard.next();
            QVERIFY(second->isChecked());
            second->click();
            steps << QString::number(profile->showStartupWizard);
            wizard.back();
            QVERIFY(!first->isChecked());
            wizard.next();
            second->click();
            wizard.reject();
        });
        QCOMPARE(wizard.exec(), 0);
        QCOMPARE(steps, QStringList({"0", "1"}));
        QVERIFY(!profile->showStartupWizard);
    }

    // The link opens the tutorial's help page, not the anchor's target.
    void tutorialLink()
    {
        CUserProfile::GetInstance()->showStartupWizard = true;
        CWizardStart wizard;
        auto* link = wizard.findChild<QLabel*>("linkTutorial");
        QVERIFY(link->text().contains(">Tutorial - How to Resize and Rotate</a>"));
        QVERIFY(!link->openExternalLinks());
        TraceCapture trace;
        // Without a help address the link says so, once.
        QStringList said;
        CPromptSeam::SetWarningAnswerer([&said](const QString& text) { said << text; });
        emit link->linkActivated("https://elsewhere.invalid/");
        CPromptSeam::Reset();
        QVERIFY(trace.Contains("OpenHelpFile", "tutorials_how-to-resize-and-rotate.htm"));
        QCOMPARE(said, QStringList{HelpPages::NoHelpAddressText()});
    }
};

GB_TEST_MAIN(TestWizard)
#include "tst_wizard.moc"
