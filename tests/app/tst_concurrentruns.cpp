#include "AppTestKit.h"
#include "Common.h"
#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QtTest>

using namespace AppTestKit;

namespace {

// Two runs of one user at the same time, each with photos of one colour
// under the same names p000.jpg, p001.jpg ...
const QColor kColours[2] = {QColor(220, 30, 30), QColor(30, 30, 220)};
constexpr int kPhotos = 60;

// Photos large enough that a run spends a while between its existence
// check and its write, with noise so that they take as long as real ones.
QStringList MakePhotos(const QString& folder, const QColor& colour)
{
    QDir().mkpath(folder);
    QImage image(1200, 900, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = int(random.bounded(24)) - 12;
            line[x] = qRgb(qBound(0, colour.red() + n, 255), qBound(0, colour.green() + n, 255),
                           qBound(0, colour.blue() + n, 255));
        }
    }
    QStringList paths;
    for (int i = 0; i < kPhotos; ++i) {
        const QString path = folder + QString("/p%1.jpg").arg(i, 3, 10, QChar('0'));
        if (!image.save(path, "JPG", 90))
            return {};
        paths << path;
    }
    return paths;
}

// Which run's photo a picture is (0 or 1), whether negated or not; -1 when
// it is neither.
int RunOf(const QImage& picture)
{
    if (picture.isNull())
        return -1;
    const QColor centre = picture.pixelColor(picture.width() / 2, picture.height() / 2);
    for (int run = 0; run < 2; ++run) {
        const QColor& c = kColours[run];
        const QColor negative(255 - c.red(), 255 - c.green(), 255 - c.blue());
        for (const QColor& expected : {c, negative}) {
            if (qAbs(centre.red() - expected.red()) < 40 && qAbs(centre.green() - expected.green()) < 40 &&
                qAbs(centre.blue() - expected.blue()) < 40)
                return run;
        }
    }
    return -1;
}

// How many pictures of each run the files below `folder` hold.
QList<int> CountByRun(const QString& folder, int* strangers)
{
    QList<int> counts{0, 0};
    *strangers = 0;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const int run = RunOf(QImage(it.next()));
        if (run < 0)
            ++*strangers;
        else
            ++counts[run];
    }
    return counts;
}

// The pictures attached to an e-mail message file (Base64 parts).
QList<QImage> Attachments(const QString& message)
{
    QFile file(message);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    const QByteArray marker = "Content-Transfer-Encoding: base64\r\n\r\n";
    QList<QImage> pictures;
    for (qsizetype at = text.indexOf(marker); at >= 0; at = text.indexOf(marker, at)) {
        at += marker.size();
        const qsizetype end = text.indexOf("\r\n--", at);
        pictures << QImage::fromData(QByteArray::fromBase64(text.mid(at, end - at)));
    }
    return pictures;
}

} // namespace

class TestConcurrentRuns : public QObject
{
    Q_OBJECT
private slots:
    void twoRunsIntoOneFolder_data();
    void twoRunsIntoOneFolder();
    void twoServerRunsDeletingSources();
    void twoMailRunsDeletingSources();
    void scriptRunRendersNoPreview();

private:
    // Writes run `run`'s script over its own photos into `root`.
    QString WriteScript(const QString& root, int run, ScriptSetup setup);
};

QString TestConcurrentRuns::WriteScript(const QString& root, int run, ScriptSetup setup)
{
    setup.photos = MakePhotos(root + QString("/in%1").arg(run), kColours[run]);
    const QString script = root + QString("/job%1.gbs").arg(run);
    if (setup.photos.isEmpty() || !WriteFile(script, ScriptText(setup).toUtf8()))
        return QString();
    return script;
}

void TestConcurrentRuns::twoRunsIntoOneFolder_data()
{
    QTest::addColumn<bool>("reencode"); // else copied unchanged
    QTest::newRow("re-encoded") << true;
    QTest::newRow("copied unchanged") << false;
}

// Both runs number the other's outputs instead of replacing them: every
// output each run reports holds that run's picture, and none is lost.
void TestConcurrentRuns::twoRunsIntoOneFolder()
{
    QFETCH(bool, reencode);
    const QString root = TestEnv::NewFolder("onefolder");
    const QString out = root + "/out";
    ScriptSetup setup;
    setup.destPath = out;
    if (reencode)
        setup.filterIds = {3080};
    const QStringList scripts = {WriteScript(root, 0, setup), WriteScript(root, 1, setup)};
    QVERIFY(!scripts[0].isEmpty() && !scripts[1].isEmpty());

    const QList<RunResult> runs = RunTogether({{scripts[0]}, {scripts[1]}}, root, root + "/sandbox", 120000);
    for (const RunResult& run : runs) {
        QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.out + run.err));
        QVERIFY2(run.out.contains(QString("%1 file(s) written, 0 error(s)").arg(kPhotos)), qPrintable(run.out));
    }
    int strangers = 0;
    QCOMPARE(CountByRun(out, &strangers), (QList<int>{kPhotos, kPhotos}));
    QCOMPARE(strangers, 0);
    // One user, one log: both runs are in it.
    QFile log(runs[0].home + "/Documents/Glimmerbox/Glimmerbox.log");
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(log.readAll().count("Process started at "), 2);
}

// Uploads with Delete source and no copy kept on disk, same photo names,
// one temporary folder: each server folder gets its own run's pictures, and
// no photo is lost.
void TestConcurrentRuns::twoServerRunsDeletingSources()
{
    const QString root = TestEnv::NewFolder("servers");
    FtpServer server;
    QVERIFY(server.Start(root + "/server", "user", "secret"));
    QStringList scripts;
    for (int run = 0; run < 2; ++run) {
        ScriptSetup setup;
        setup.filterIds = {3080};
        setup.deleteSource = true;
        setup.output = {{"Destination", "3"},
                        {"SaveOnDiskFTP", "0"},
                        {"UseSFTP", "0"},
                        {"FTPHost", "127.0.0.1"},
                        {"FTPPort", QString::number(server.Port())},
                        {"FTPUser", "user"},
                        {"FTPPassword", EncryptString("secret")},
                        {"FTPFolder", QString("/run%1/").arg(run)}};
        scripts << WriteScript(root, run, setup);
        QVERIFY(!scripts.last().isEmpty());
    }

    const QList<RunResult> runs = RunTogether({{scripts[0]}, {scripts[1]}}, root, root + "/sandbox", 180000);
    for (int run = 0; run < 2; ++run) {
        QVERIFY2(runs[run].finished && runs[run].exitCode == 0, qPrintable(runs[run].out + runs[run].err));
        int strangers = 0;
        QList<int> expected{0, 0};
        expected[run] = kPhotos;
        QCOMPARE(CountByRun(root + QString("/server/run%1").arg(run), &strangers), expected);
        QCOMPARE(strangers, 0);
        // Delivered, so the sources went.
        QCOMPARE(QDir(root + QString("/in%1").arg(run)).entryList(QDir::Files), QStringList());
    }
}

// E-mail runs with Delete source at the same time: each message holds its
// own run's pictures only.
void TestConcurrentRuns::twoMailRunsDeletingSources()
{
    const QString root = TestEnv::NewFolder("mails");
    // The "mail program" keeps a copy of every message it is handed.
    const QString opener = root + "/open.sh";
    QVERIFY(WriteFile(opener, QString("#!/bin/sh\ncp \"$1\" '%1/sent/'\"$$-$(basename \"$1\")\"\n")
                                  .arg(root)
                                  .toUtf8()));
    QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY(QDir().mkpath(root + "/sent"));
    QStringList scripts;
    for (int run = 0; run < 2; ++run) {
        ScriptSetup setup;
        setup.filterIds = {3080};
        setup.deleteSource = true;
        setup.output = {{"Destination", "2"}, {"SaveOnDiskMail", "0"}};
        scripts << WriteScript(root, run, setup);
        QVERIFY(!scripts.last().isEmpty());
    }

    const QList<RunResult> runs = RunTogether({{scripts[0]}, {scripts[1]}}, root, root + "/sandbox", 180000,
                                              {{"GLIMMERBOX_OPENER", opener}});
    for (const RunResult& run : runs)
        QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.out + run.err));
    const QStringList sent = QDir(root + "/sent").entryList(QDir::Files);
    QCOMPARE(sent.size(), 2);
    QList<int> messagesOf{0, 0};
    for (const QString& name : sent) {
        const QList<QImage> pictures = Attachments(root + "/sent/" + name);
        QCOMPARE(pictures.size(), kPhotos);
        const int run = RunOf(pictures.first());
        QVERIFY(run >= 0);
        ++messagesOf[run];
        for (const QImage& picture : pictures)
            QCOMPARE(RunOf(picture), run);
    }
    QCOMPARE(messagesOf, (QList<int>{1, 1}));
}

// A script renders no preview: nobody sees it, and it would take a core
// from the run.
void TestConcurrentRuns::scriptRunRendersNoPreview()
{
    const QString root = TestEnv::NewFolder("nopreview");
    ScriptSetup setup;
    setup.destPath = root + "/out";
    setup.filterIds = {3080};
    const QString script = WriteScript(root, 0, setup);
    QVERIFY(!script.isEmpty());
    const RunResult run = RunProgram({script}, root, root + "/sandbox", 120000);
    QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.out + run.err));
    QVERIFY(run.trace.contains("OnPanelConvert"));
    QVERIFY2(!run.trace.contains("ThreadOpStartPreview"), "a preview was rendered");
}

GB_TEST_MAIN(TestConcurrentRuns)
#include "tst_concurrentruns.moc"
