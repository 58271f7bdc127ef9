// The existing-target protocol between workers and the dialog, pause,
// stop and the end of a dialog whose workers still run.
#include "CFormatsEnum.h"
#include "CProcessController.h"
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "CListImages.h"
#include "ProcessTestKit.h"
#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>

using namespace ProcessTestKit;
using ServerFixtures::WriteFile;

class TestOverwrite : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void answers_data();
    void answers();
    void renamedTargetThatExistsIsAskedAgain();
    void skippedAfterMultipageIsLoggedSkipped();
    void existingPageFileOfMultipageOutput_data();
    void existingPageFileOfMultipageOutput();
    void sourceOfTheRunIsNoTarget_data();
    void sourceOfTheRunIsNoTarget();
    void pauseThenResumeOrStop_data();
    void pauseThenResumeOrStop();
    void closeRequestAsksThenStops();
    void destroyWhileRunning();

private:
    // Photos p0..p(n-1).png whose outputs already exist in `out` as "old".
    QStringList PrepareExisting(const QString& root, int count, QString* out);
    // A job of `count` larger photos (root/in/p<i>.png) written to root/out;
    // returns root.
    static QString PrepareSlowRun(const QString& name, int count);
};

void TestOverwrite::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
}

void TestOverwrite::init()
{
    CPromptSeam::Reset();
}

QStringList TestOverwrite::PrepareExisting(const QString& root, int count, QString* out)
{
    *out = root + "/out";
    QDir().mkpath(*out);
    QStringList photos;
    for (int i = 0; i < count; ++i) {
        const QString name = QString("p%1.png").arg(i);
        photos << MakePhoto(root + "/in", name);
        WriteFile(*out + "/" + name, "old");
    }
    return photos;
}

QString TestOverwrite::PrepareSlowRun(const QString& name, int count)
{
    const QString root = NewJob(name);
    QStringList photos;
    for (int i = 0; i < count; ++i)
        photos << MakePhoto(root + "/in", QString("p%1.png").arg(i), 400, 300);
    SetPhotos(photos);
    return root;
}

void TestOverwrite::answers_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("notificationsOff");
    QTest::addColumn<int>("asked");
    QTest::addColumn<int>("replaced");
    QTest::addColumn<int>("renamed");
    QTest::addColumn<QString>("logLine");
    QTest::newRow("Yes") << 1 << false << 4 << 4 << 0 << "Processed and replaced";
    QTest::newRow("Yes to All") << 2 << false << 1 << 4 << 0 << "Processed and replaced";
    QTest::newRow("No") << 3 << false << 4 << 0 << 0 << "Skipped";
    QTest::newRow("No to All") << 4 << false << 1 << 0 << 0 << "Skipped";
    QTest::newRow("Rename") << 5 << false << 4 << 0 << 4 << "Processed and renamed";
    QTest::newRow("Abort") << 0 << false << 1 << 0 << 0 << "Process interrupted by the user.";
    QTest::newRow("notifications off") << 3 << true << 0 << 4 << 0 << "Processed and replaced";
}

void TestOverwrite::answers()
{
    QFETCH(int, answer);
    QFETCH(bool, notificationsOff);
    QFETCH(int, asked);
    QFETCH(int, replaced);
    QFETCH(int, renamed);
    QFETCH(QString, logLine);

    QString out;
    const QStringList photos = PrepareExisting(TestEnv::NewFolder("answers"), 4, &out);
    ResetJob(out);
    CUserProfile::GetInstance()->useMulticore = true;
    CUserProfile::GetInstance()->DisableNotifications = notificationsOff;
    SetPhotos(photos);
    int questions = 0;
    CPromptSeam::SetOverwriteAnswerer([&](const QString& path, QString& newPath) {
        ++questions;
        newPath = QFileInfo(path).absolutePath() + "/renamed-" + QFileInfo(path).fileName();
        return answer;
    });
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(questions, asked);

    int replacedCount = 0;
    int renamedCount = 0;
    for (int i = 0; i < 4; ++i) {
        const QString name = QString("p%1.png").arg(i);
        replacedCount += ReadAll(out + "/" + name) != "old";
        renamedCount += QFile::exists(out + "/renamed-" + name);
    }
    QCOMPARE(replacedCount, replaced);
    QCOMPARE(renamedCount, renamed);
    QVERIFY2(controller->LogBuffer().contains(logLine), qPrintable(controller->LogBuffer()));
    QCOMPARE(controller->StoppedByUser(), answer == 0 && !notificationsOff);
    // Delivery gets exactly the files written: none for skipped photos.
    QCOMPARE(int(controller->OutputPaths().size()), replaced + renamed);
    if (answer == 5) {
        QStringList listed = controller->OutputPaths();
        listed.sort();
        QCOMPARE(listed.first(), out + "/renamed-p0.png");
        QCOMPARE(listed.size(), 4);
    }
}

void TestOverwrite::renamedTargetThatExistsIsAskedAgain()
{
    QString out;
    const QStringList photos = PrepareExisting(TestEnv::NewFolder("again"), 1, &out);
    QVERIFY(WriteFile(out + "/taken.png", "keep"));
    ResetJob(out);
    SetPhotos(photos);
    QStringList askedFor;
    CPromptSeam::SetOverwriteAnswerer([&](const QString& path, QString& newPath) {
        askedFor << QFileInfo(path).fileName();
        newPath = out + (askedFor.size() == 1 ? "/taken.png" : "/free.png");
        return 5;
    });
    QVERIFY(Run());
    QCOMPARE(askedFor, QStringList({"p0.png", "taken.png"}));
    QCOMPARE(ReadAll(out + "/taken.png"), QByteArray("keep"));
    QVERIFY(QFile::exists(out + "/free.png"));
}

void TestOverwrite::skippedAfterMultipageIsLoggedSkipped()
{
    QString out;
    const QString root = TestEnv::NewFolder("mixed");
    const QStringList existing = PrepareExisting(root, 1, &out);
    const QString tiff = MakeMultipageTiff(root + "/in", "doc.tif", 3);
    ResetJob(out);
    SetPhotos({tiff, existing.first()});
    CPromptSeam::SetOverwriteAnswerer([](const QString&, QString&) { return 3; });
    auto controller = Run();
    QVERIFY(controller);
    const QString buffer = controller->LogBuffer();
    QVERIFY(buffer.contains(" - Processed " + tiff + "\r\n"));
    QVERIFY2(buffer.contains(" - Skipped " + existing.first() + "\r\n"), qPrintable(buffer));
    QCOMPARE(ReadAll(out + "/p0.png"), QByteArray("old"));
}

// A multi-page photo written page by page ("doc-N.png"): a page file that
// exists already is an existing target like any other.
void TestOverwrite::existingPageFileOfMultipageOutput_data()
{
    QTest::addColumn<bool>("silent");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("asked");
    QTest::addColumn<bool>("kept");
    QTest::addColumn<QString>("written"); // a page file the run writes
    QTest::newRow("No") << false << 3 << 1 << true << QString();
    QTest::newRow("Yes") << false << 1 << 1 << false << "doc-0.png";
    QTest::newRow("silent numbers") << true << 1 << 0 << true << "doc (2)-1.png";
}

void TestOverwrite::existingPageFileOfMultipageOutput()
{
    QFETCH(bool, silent);
    QFETCH(int, answer);
    QFETCH(int, asked);
    QFETCH(bool, kept);
    QFETCH(QString, written);

    const QString root = NewJob("pagefile");
    const QString out = root + "/out";
    QVERIFY(QDir().mkpath(root + "/in"));
    const QString tiff = MakeMultipageTiff(root + "/in", "doc.tif", 3);
    QVERIFY(WriteFile(out + "/doc-1.png", "old"));
    CUserProfile::GetInstance()->silentScript = silent;
    SetPhotos({tiff});
    QStringList askedFor;
    CPromptSeam::SetOverwriteAnswerer([&](const QString& path, QString&) {
        askedFor << QFileInfo(path).fileName();
        return answer;
    });
    QVERIFY(Run());
    QCOMPARE(askedFor.size(), asked);
    if (asked > 0)
        QCOMPARE(askedFor.first(), QString("doc-1.png"));
    QCOMPARE(ReadAll(out + "/doc-1.png") == "old", kept);
    if (!written.isEmpty())
        QVERIFY2(QFile::exists(out + "/" + written), qPrintable(FilesIn(out).join(", ")));
}

// Two photos of one name, written into the folder of the second: the first
// one's output must not replace the second photo before it is read, even
// when every existing file may be replaced without a question.
void TestOverwrite::sourceOfTheRunIsNoTarget_data()
{
    QTest::addColumn<bool>("deleteSource");
    QTest::newRow("copies") << false;
    QTest::newRow("moves") << true;
}

void TestOverwrite::sourceOfTheRunIsNoTarget()
{
    QFETCH(bool, deleteSource);
    const QString root = TestEnv::NewFolder("sources");
    const QString first = MakePhoto(root + "/b", "x.png", 24, 16, qRgb(10, 20, 200));
    const QString second = MakePhoto(root + "/a", "x.png", 24, 16, qRgb(200, 20, 10));
    const QImage secondPixels(second);
    ResetJob(root + "/a");
    CUserProfile::GetInstance()->DisableNotifications = true;
    CUserProfile::GetInstance()->DeleteSource = deleteSource;
    SetPhotos({first, second});
    QVERIFY(Run());
    int kept = 0;
    for (const QString& name : FilesIn(root + "/a"))
        kept += SamePixels(QImage(root + "/a/" + name), secondPixels);
    QVERIFY2(kept > 0, qPrintable(FilesIn(root + "/a").join(", ")));
}

void TestOverwrite::pauseThenResumeOrStop_data()
{
    QTest::addColumn<bool>("stop");
    QTest::newRow("resumed") << false;
    QTest::newRow("stopped while paused") << true;
}

void TestOverwrite::pauseThenResumeOrStop()
{
    QFETCH(bool, stop);
    const QString out = PrepareSlowRun(stop ? "stop" : "pause", 20) + "/out";
    SetFilters({Filter(3080, "Negative")});
    QElapsedTimer wall;
    wall.start();
    CProcessController controller;
    controller.on_buttonPause_clicked();
    QElapsedTimer pause;
    pause.start();
    QSignalSpy finished(&controller, &CProcessController::RunFinished);
    QVERIFY(!finished.wait(1000));
    QVERIFY(FilesIn(out).size() < 20);
    const qint64 paused = pause.elapsed();
    if (stop) {
        controller.StopThreads();
        QVERIFY(finished.wait(10000));
        QVERIFY(controller.StoppedByUser());
        QVERIFY(FilesIn(out).size() < 20);
        QVERIFY(controller.LogBuffer().contains("Process interrupted by the user.\r\nProcess completed"));
    } else {
        controller.on_buttonPause_clicked();
        QVERIFY(finished.wait(60000));
        QCOMPARE(FilesIn(out).size(), 20);
    }
    // The pause is not part of the run time, and counts once when stopped.
    QVERIFY2(controller.RunTimeMs() <= wall.elapsed() - paused,
             qPrintable(QString("%1 of %2").arg(controller.RunTimeMs()).arg(wall.elapsed())));
}

void TestOverwrite::closeRequestAsksThenStops()
{
    PrepareSlowRun("close", 30);
    QStringList questions;
    CPromptSeam::SetQuestionAnswerer([&](const QString& text) {
        questions << text;
        return questions.size() > 1; // No the first time, Yes the second
    });
    CProcessController controller;
    QSignalSpy finished(&controller, &CProcessController::RunFinished);
    QSignalSpy closed(&controller, &QDialog::finished);
    controller.reject();
    QVERIFY(!controller.StoppedByUser());
    controller.reject();
    QVERIFY(controller.StoppedByUser());
    QCOMPARE(questions.size(), 2);
    QCOMPARE(questions.first(), QString("Photo processing not completed. Abort the operation?"));
    QVERIFY(closed.wait(10000)); // a hidden run closes itself once stopped
    QCOMPARE(finished.size(), 1);
}

void TestOverwrite::destroyWhileRunning()
{
    const QString root = PrepareSlowRun("destroy", 24);
    const QList<SImageRecord> photos = CListImages::GetInstance()->list;
    CUserProfile::GetInstance()->useMulticore = true;
    SetFilters({Filter(3080, "Negative")});
    for (int round = 0; round < 3; ++round) {
        auto controller = std::make_unique<CProcessController>();
        controller.reset(); // waits for every worker; no crash, no running thread left
    }
    // A later run still works.
    ResetJob(root + "/out2");
    QDir().mkpath(root + "/out2");
    CListImages::GetInstance()->list = photos.mid(0, 3);
    QVERIFY(Run());
    QCOMPARE(FilesIn(root + "/out2").size(), 3);
}

GB_TEST_MAIN(TestOverwrite)
#include "tst_overwrite.moc"
