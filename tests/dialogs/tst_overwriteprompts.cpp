// The overwrite prompts driven as a person would: keys and buttons from a
// single-shot timer, never waiting on a real person.
#include "CControlImage.h"
#include "CDialogGSWarning.h"
#include "CDialogOverwrite.h"
#include "CDialogOverwriteRename.h"
#include "CImageCache.h"
#include "CPromptSeam.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

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
    void previewZooms();
    void zoomIconsMatchTheirClicks();
    void unreadableFileTriedOnce();
    void markupLikeNameShownAsTyped();

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

void TestOverwritePrompts::previewZooms()
{
    const QString path = TestEnv::NewFolder("prompt") + "/large.png";
    QImage large(1600, 1200, QImage::Format_RGB32);
    large.fill(Qt::darkGreen);
    large.save(path);
    CDialogOverwrite dialog;
    dialog.path = path;
    double fitted = 0.0;
    double zoomedIn = 0.0;
    WhenShown([&](QWidget* modal) {
        auto* view = modal->findChild<CControlImage*>("scrollImage");
        QVERIFY(QTest::qWaitFor([view] { return view->shown && !view->busy; }, 30000));
        fitted = view->zoom;
        QCOMPARE(fitted, view->zoomMin);
        // The fit is that of the preview's laid-out size.
        const int columns = int(view->imageResized.image.columns());
        const int rows = int(view->imageResized.image.rows());
        QVERIFY(columns <= view->width() && rows <= view->height());
        QVERIFY(columns == view->width() || rows == view->height());
        modal->findChild<QToolButton*>("buttonZoomIn")->click();
        QVERIFY(QTest::qWaitFor([view, fitted] { return view->zoom > fitted && !view->busy; }, 30000));
        QTRY_COMPARE_WITH_TIMEOUT(int(view->imageResized.image.columns()), qRound(1600 * view->zoom / 100), 30000);
        zoomedIn = view->zoom;
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(), int(CDialogOverwrite::Abort));
    QVERIFY(fitted > 0.0);
    QCOMPARE(zoomedIn, fitted * 1.5);
}

// The fit and actual-pixels buttons show the strip's fit icon (column 0) and
// its "1:1" icon (column 1), and do what their icons say.
void TestOverwritePrompts::zoomIconsMatchTheirClicks()
{
    const QString path = TestEnv::NewFolder("prompt") + "/large.png";
    QImage large(1600, 1200, QImage::Format_RGB32);
    large.fill(Qt::darkCyan);
    large.save(path);
    const auto iconImage = [](const QIcon& icon) {
        return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    CImageCache* cache = CImageCache::GetInstance();
    const QImage fitIcon = iconImage(cache->GetIcon("Icons-Minimal.png", true, true, 16, 0, 0));
    const QImage actualIcon = iconImage(cache->GetIcon("Icons-Minimal.png", true, true, 16, 1, 0));
    QVERIFY(!fitIcon.isNull() && fitIcon != actualIcon);
    CDialogOverwrite dialog;
    dialog.path = path;
    // Filled in on the shown dialog; checked once it is closed, so a failed
    // check never leaves the dialog waiting.
    bool found = false;
    double fitted = 0.0;
    double afterActual = 0.0;
    double afterFit = 0.0;
    WhenShown([&](QWidget* modal) {
        auto* view = modal->findChild<CControlImage*>("scrollImage");
        QToolButton* fit = nullptr;
        QToolButton* actual = nullptr;
        for (QToolButton* button : modal->findChildren<QToolButton*>()) {
            const QImage shown = iconImage(button->icon());
            if (shown == fitIcon)
                fit = button;
            else if (shown == actualIcon)
                actual = button;
        }
        found = view && fit && actual;
        if (found && QTest::qWaitFor([view] { return view->shown && !view->busy; }, 30000)) {
            fitted = view->zoom;
            actual->click();
            // A wrong zoom shows in the comparisons below, after the wait.
            const bool atActual = QTest::qWaitFor([view] { return view->zoom == 100.0 && !view->busy; }, 30000);
            afterActual = atActual ? 100.0 : view->zoom;
            fit->click();
            const bool atFit = QTest::qWaitFor([view, fitted] { return view->zoom == fitted && !view->busy; }, 30000);
            afterFit = atFit ? fitted : view->zoom;
        }
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(), int(CDialogOverwrite::Abort));
    QVERIFY(found);
    QVERIFY(fitted > 0.0 && fitted < 100.0);
    QCOMPARE(afterActual, 100.0);
    QCOMPARE(afterFit, fitted);
}

void TestOverwritePrompts::unreadableFileTriedOnce()
{
    const QString path = TestEnv::NewFolder("prompt") + "/broken.png";
    QFile broken(path);
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("\x89PNG not really");
    broken.close();
    TraceCapture trace;
    CDialogOverwrite dialog;
    dialog.path = path;
    WhenShown([&](QWidget* modal) {
        auto* view = modal->findChild<CControlImage*>("scrollImage");
        QVERIFY(QTest::qWaitFor([view, path] { return view->lastPath == path && !view->busy; }, 30000));
        QTest::qWait(300);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    QCOMPARE(dialog.exec(), int(CDialogOverwrite::Abort));
    QCOMPARE(trace.Count("ThreadOpStartPreview", "Read singlepage"), 1);
}

GB_TEST_MAIN(TestOverwritePrompts)
// A file name may look like markup: the prompt names the file as it is.
void TestOverwritePrompts::markupLikeNameShownAsTyped()
{
    CDialogOverwrite dialog;
    dialog.path = TestEnv::NewFolder("markup") + "/<hr>old.png";
    QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(dialog.path, "PNG"));
    bool named = false;
    WhenShown([&named, &dialog](QWidget* modal) {
        for (QLabel* label : modal->findChildren<QLabel*>()) {
            if (label->text().contains(QDir::toNativeSeparators(dialog.path)))
                named = label->textFormat() == Qt::PlainText;
        }
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    dialog.exec();
    QVERIFY(named);
}

#include "tst_overwriteprompts.moc"
