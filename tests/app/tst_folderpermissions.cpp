// Moves and copies run by an ordinary user into folders that may be written
// but not read (a drop box, someone else's shared upload folder) and out of
// a folder that may not change. Root passes every permission check, so the
// program runs as an ordinary user (OrdinaryUser); what it flushes, names and
// deletes is recorded by the preloaded CallRecorder.
#include "AppTestKit.h"
#include "CTestMount.h"
#include "CallRecorder.h"
#include "DiskOrder.h"
#include "OrdinaryUser.h"
#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

using namespace AppTestKit;
using CallRecorder::SEvent;
using DiskOrder::NameFlush;

namespace {

constexpr int kPhotos = 3;

// A job's folders: the photos' folder `in` and the destination `out`, both
// under `photos`, the folder the recorder watches.
struct SJob
{
    QString root;
    QString photos;
    QString in;
    QString out;
    QStringList sources;
    QList<QByteArray> bytes; // the sources' bytes before the run
};

struct SRun
{
    RunResult result;
    std::vector<SEvent> record;
    QString log; // the processing log
};

SJob NewJob(const QString& name)
{
    SJob job;
    job.root = TestEnv::NewFolder(name);
    job.photos = job.root + "/photos";
    job.in = job.photos + "/in";
    job.out = job.photos + "/out";
    QDir().mkpath(job.in);
    QDir().mkpath(job.out);
    for (int i = 0; i < kPhotos; ++i) {
        QImage image(48, 32, QImage::Format_RGB32);
        image.fill(QColor::fromHsv(i * 90, 200, 220));
        const QString path = job.in + QString("/p%1.jpg").arg(i);
        image.save(path, "JPG", 90);
        job.sources << path;
        job.bytes << ServerFixtures::ReadFile(path);
    }
    return job;
}

bool SetMode(const QString& path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// Runs a silent script over the job's photos into `out` as ordinary user 0,
// recording everything under the job's photos folder.
SRun RunJob(const SJob& job, const QString& format, bool negate, bool deleteSource,
            const std::vector<std::pair<CallRecorder::Fault, int>>& faults = {})
{
    ScriptSetup setup;
    setup.photos = job.sources;
    setup.destPath = job.out;
    setup.format = format;
    setup.deleteSource = deleteSource;
    if (negate)
        setup.filterIds = {3080};
    WriteFile(job.root + "/job.gbs", ScriptText(setup).toUtf8());
    const QString sandbox = job.root + "/sandbox";
    const QString log = sandbox + "/record.log";
    QList<QPair<QString, QString>> variables;
    const QString library = OrdinaryUser::Reachable(GB_TEST_CALL_RECORDER);
    const std::string watched = QFile::encodeName(job.photos).toStdString() + "/";
    for (const auto& [name, value] :
         CallRecorder::Environment(QFile::encodeName(library).toStdString(), watched,
                                   QFile::encodeName(log).toStdString(), faults))
        variables.append({QString::fromStdString(name), QString::fromStdString(value)});
    SRun run;
    run.result = RunProgramAs(OrdinaryUser::Account(0), {job.root + "/job.gbs"}, job.root, sandbox, 60000, variables);
    run.record = CallRecorder::ReadLog(QFile::encodeName(log).toStdString());
    QFile text(run.result.home + "/Documents/Glimmerbox/Glimmerbox.log");
    if (text.open(QIODevice::ReadOnly))
        run.log = QString::fromUtf8(text.readAll());
    return run;
}

QString Summary(int written, int errors)
{
    return QString("%1 photo(s), %2 file(s) written, %3 error(s)").arg(kPhotos).arg(written).arg(errors);
}

QString Output(const SJob& job, int i)
{
    return job.out + "/" + QFileInfo(job.sources[i]).fileName();
}

} // namespace

class TestFolderPermissions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void moveIntoFolder_data();
    void moveIntoFolder();
    void fileSystemFlushFault_data();
    void fileSystemFlushFault();
    void copyIntoFolderNotReadFlushesNothing();
    void moveOutOfFolderThatMayNotChange_data();
    void moveOutOfFolderThatMayNotChange();
};

void TestFolderPermissions::initTestCase()
{
    if (!QFileInfo(ProgramPath()).isExecutable())
        QFAIL(qPrintable("the program is not built: " + ProgramPath()));
    const QString unavailable = OrdinaryUser::Unavailable(0);
    if (!unavailable.isEmpty())
        QSKIP(qPrintable("no run as an ordinary user: " + unavailable));
    OrdinaryUser::OpenSandbox();
}

void TestFolderPermissions::moveIntoFolder_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("negate");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("owner"); // the ordinary user who owns the destination
    QTest::addColumn<bool>("otherFileSystem");
    QTest::addColumn<bool>("readable"); // the user may read the destination
    QTest::newRow("re-encoded into 0333") << "JPG" << true << 0333 << 0 << false << false;
    QTest::newRow("Original into 0333 on another file system") << "Original" << false << 0333 << 0 << true << false;
    QTest::newRow("re-encoded into another user's 1733") << "JPG" << true << 01733 << 1 << false << false;
    QTest::newRow("re-encoded into a readable folder") << "JPG" << true << 0755 << 0 << false << true;
}

// Every photo moves: each output's bytes flushed, its name given and put on
// the disk (through its folder, or where that cannot be read, its file
// system) before its source goes. A folder that can be read is flushed on
// its own, never the whole file system.
void TestFolderPermissions::moveIntoFolder()
{
    QFETCH(QString, format);
    QFETCH(bool, negate);
    QFETCH(int, mode);
    QFETCH(int, owner);
    QFETCH(bool, otherFileSystem);
    QFETCH(bool, readable);
    const NameFlush flush = readable ? NameFlush::Folder : NameFlush::FileSystem;
    if (!OrdinaryUser::Unavailable(owner).isEmpty())
        QSKIP(qPrintable(OrdinaryUser::Unavailable(owner)));
    SJob job = NewJob("move");
    std::unique_ptr<CTestMount> mount;
    if (otherFileSystem) {
        mount = std::make_unique<CTestMount>(job.out, CTestMount::Tmpfs);
        if (!mount->IsMounted())
            QSKIP(qPrintable(CTestMount::SkipReason(CTestMount::Tmpfs)));
    }
    QVERIFY(OrdinaryUser::GiveTo(job.in, OrdinaryUser::Account(0)));
    QVERIFY(OrdinaryUser::GiveTo(job.out, OrdinaryUser::Account(owner)));
    QVERIFY(SetMode(job.out, mode_t(mode)));

    const SRun run = RunJob(job, format, negate, true);
    QVERIFY2(run.result.finished, "the run did not end by itself");
    QVERIFY2(run.result.out.contains(Summary(kPhotos, 0)), qPrintable(run.result.out + run.log));
    QCOMPARE(run.result.exitCode, 0);
    for (int i = 0; i < kPhotos; ++i) {
        QVERIFY2(!QFile::exists(job.sources[i]), qPrintable(job.sources[i]));
        if (!negate)
            QCOMPARE(ServerFixtures::ReadFile(Output(job, i)), job.bytes[i]);
        const size_t deleted = DiskOrder::LastOf(run.record, SEvent::Delete, job.sources[i], run.record.size());
        QVERIFY2(deleted < run.record.size(), qPrintable(job.sources[i] + " went without a deletion on record"));
        const QString missing = DiskOrder::Check(run.record, Output(job, i), deleted, flush);
        QVERIFY2(missing.isEmpty(), qPrintable(missing));
    }
    if (flush == NameFlush::Folder)
        QCOMPARE(DiskOrder::Count(run.record, SEvent::FileSystemFlush), 0);
}

void TestFolderPermissions::fileSystemFlushFault_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("moved");
    QTest::newRow("EIO") << EIO << false;
    QTest::newRow("EINVAL, no flush offered") << EINVAL << true;
}

// The file system's flush fails: every source stays, whole, the log says why
// for each photo and the run does not end as a success. A file system that
// offers no flush is taken as it is.
void TestFolderPermissions::fileSystemFlushFault()
{
    QFETCH(int, error);
    QFETCH(bool, moved);
    SJob job = NewJob("fault");
    QVERIFY(OrdinaryUser::GiveTo(job.photos, OrdinaryUser::Account(0)));
    QVERIFY(SetMode(job.out, 0333));
    const SRun run = RunJob(job, "JPG", true, true, {{CallRecorder::Fault::FileSystemFlush, error}});
    QVERIFY2(run.result.finished, "the run did not end by itself");
    QCOMPARE(DiskOrder::Count(run.record, SEvent::FileSystemFlush), kPhotos);
    if (moved) {
        QVERIFY2(run.result.out.contains(Summary(kPhotos, 0)), qPrintable(run.result.out + run.log));
        QCOMPARE(run.result.exitCode, 0);
        QCOMPARE(DiskOrder::Count(run.record, SEvent::Delete), kPhotos);
        return;
    }
    QVERIFY(run.result.exitCode != 0);
    QVERIFY2(run.result.out.contains(QString("%1 error(s)").arg(kPhotos)), qPrintable(run.result.out));
    QCOMPARE(run.log.count(QString::fromLocal8Bit(std::strerror(error))), kPhotos);
    for (int i = 0; i < kPhotos; ++i)
        QCOMPARE(ServerFixtures::ReadFile(job.sources[i]), job.bytes[i]);
    QCOMPARE(DiskOrder::Count(run.record, SEvent::Delete), 0);
}

// A copy, whose sources stay, waits for no disk, folder read or not.
void TestFolderPermissions::copyIntoFolderNotReadFlushesNothing()
{
    SJob job = NewJob("copy");
    QVERIFY(OrdinaryUser::GiveTo(job.photos, OrdinaryUser::Account(0)));
    QVERIFY(SetMode(job.out, 0333));
    const SRun run = RunJob(job, "JPG", true, false);
    QVERIFY2(run.result.out.contains(Summary(kPhotos, 0)), qPrintable(run.result.out + run.log));
    QCOMPARE(run.result.exitCode, 0);
    for (int i = 0; i < kPhotos; ++i)
        QVERIFY(QFile::exists(Output(job, i)) && QFile::exists(job.sources[i]));
    QCOMPARE(DiskOrder::Count(run.record, SEvent::Flush), 0);
    QCOMPARE(DiskOrder::Count(run.record, SEvent::FileSystemFlush), 0);
}

void TestFolderPermissions::moveOutOfFolderThatMayNotChange_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("negate");
    QTest::newRow("re-encoded") << "JPG" << true;
    QTest::newRow("Original") << "Original" << false;
}

// Sources in a folder the user may not change: every photo is written, each
// source stays and is named in a warning; the run itself succeeds.
void TestFolderPermissions::moveOutOfFolderThatMayNotChange()
{
    QFETCH(QString, format);
    QFETCH(bool, negate);
    SJob job = NewJob("locked");
    QVERIFY(OrdinaryUser::GiveTo(job.photos, OrdinaryUser::Account(0)));
    QVERIFY(SetMode(job.in, 0555));
    const SRun run = RunJob(job, format, negate, true);
    QVERIFY2(run.result.out.contains(Summary(kPhotos, 0)), qPrintable(run.result.out + run.log));
    QCOMPARE(run.result.exitCode, 0);
    for (int i = 0; i < kPhotos; ++i) {
        QVERIFY(QFile::exists(Output(job, i)));
        QCOMPARE(ServerFixtures::ReadFile(job.sources[i]), job.bytes[i]);
        bool warned = false;
        for (const QString& line : run.log.split('\n'))
            warned = warned || (line.contains("Warning") && line.contains(job.sources[i]));
        QVERIFY2(warned, qPrintable(run.log));
    }
}

GB_TEST_MAIN(TestFolderPermissions)
#include "tst_folderpermissions.moc"
