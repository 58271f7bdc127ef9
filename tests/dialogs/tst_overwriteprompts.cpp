// The overwrite prompts driven as a person would: keys and buttons from a
// single-shot timer, never waiting on a real person.
#include "CDialogGSWarning.h"
#include "CDialogOverwrite.h"
#include "CDialogOverwriteRename.h"
#include "CPromptSeam.h"
#include "TestEnv.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

class TestOverwritePrompts : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void buttons_data();
    void buttons();
    void escapeAborts();
    void renameChoosesNewPath();
    void answererStandsIn();
    void ghostscriptNoticeNeverShown();

private:
    // Runs `action` on the modal dialog once it is shown.
    static void WhenShown(std::function<void(QWidget*)> action);
    static QString ExistingFile();
};

void TestOverwritePrompts::init()
{
    CPromptSeam::Reset();
}

void TestOverwritePrompts::WhenShown(std::function<void(QWidget*)> action)
{
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            action(modal);
        }
    });
    poll->start(10);
}

QString TestOverwritePrompts::ExistingFile()
{
    const QString path = TestEnv::NewFolder("prompt") + "/old.png";
    QImage(8, 8, QImage::Format_RGB32).save(path);
    return path;
}

void TestOverwritePrompts::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("answer");
    QTest::newRow("Yes") << "Yes" << 1;
    QTest::newRow("Yes to All") << "Yes to All" << 2;
    QTest::newRow("No") << "No" << 3;
    QTest::newRow("No to All") << "No to All" << 4;
    QTest::newRow("Abort") << "Abort" << 0;
}

void TestOverwritePrompts::buttons()
{
    QFETCH(QString, button);
    QFETCH(int, answer);
    CDialogOverwrite dialog;
    dialog.path = ExistingFile();
    WhenShown([button](QWidget* modal) {
        for (QPushButton* push : modal->findChildren<QPushButton*>()) {
            if (push->text() == button)
                push->click();
        }
    });
    QCOMPARE(dialog.exec(), answer);
    QCOMPARE(dialog.newPath, dialog.path);
}

void TestOverwritePrompts::escapeAborts()
{
    CDialogOverwrite dialog;
    dialog.path = ExistingFile();
    WhenShown([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    QCOMPARE(dialog.exec(), int(CDialogOverwrite::Abort));
    // Whatever the caller copies after an answer other than Rename is the
    // existing path, never an empty one.
    QCOMPARE(dialog.newPath, dialog.path);
}

void TestOverwritePrompts::renameChoosesNewPath()
{
    CDialogOverwrite dialog;
    dialog.path = ExistingFile();
    WhenShown([](QWidget* modal) {
        // The rename dialog opens on top; type a name there and accept.
        WhenShown([](QWidget* rename) {
            auto* edit = rename->findChild<QLineEdit*>();
            QCOMPARE(edit->text(), QString("old (2).png"));
            edit->setText("fresh.png");
            QTest::keyClick(edit, Qt::Key_Return);
        });
        for (QPushButton* push : modal->findChildren<QPushButton*>()) {
            if (push->text() == "Rename")
                push->click();
        }
    });
    QCOMPARE(dialog.exec(), int(CDialogOverwrite::Rename));
    QCOMPARE(dialog.newPath, QFileInfo(dialog.path).absolutePath() + "/fresh.png");
}

void TestOverwritePrompts::answererStandsIn()
{
    QString seen;
    CPromptSeam::SetOverwriteAnswerer([&](const QString& path, QString& newPath) {
        seen = path;
        newPath = "/elsewhere/x.png";
        return 3; // No: the new path is not taken
    });
    CDialogOverwrite dialog;
    dialog.path = "/some/file.png";
    QCOMPARE(dialog.exec(), 3);
    QCOMPARE(seen, QString("/some/file.png"));
    QCOMPARE(dialog.newPath, dialog.path);
}

void TestOverwritePrompts::ghostscriptNoticeNeverShown()
{
    CDialogGSWarning notice;
    QVERIFY(!notice.ShowDialog("EPS"));
    QVERIFY(!notice.ShowDialog("PDF"));
}

GB_TEST_MAIN(TestOverwritePrompts)
#include "tst_overwriteprompts.moc"
