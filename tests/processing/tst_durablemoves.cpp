// Moves onto another file system: no source is deleted before its output's
// bytes and name are on the disk. The flushes, namings and deletions of whole
// runs are recorded by stand-ins for the system calls (CallRecorder), which
// can also make a flush fail the way a dying disk or a file system without
// flushes does.
#include "CFormatsEnum.h"
#include "CImageManager.h"
#include "CProcessController.h"
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "CTestMount.h"
#include "CallRecorder.h"
#include "DiskOrder.h"
#include "JobFileProperties.h"
#include "ProcessTestKit.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

using namespace ProcessTestKit;

using CallRecorder::SEvent;
using DiskOrder::LastOf;
using DiskOrder::NodeOf;

namespace {

// The ways a photo can reach a folder on another file system.
struct SRoad
{
    QString format;
    bool negate = false;
    int pages = 1; // a multi-page photo is written one file a page
    bool deleteSource = true;
    bool fuse = false; // the destination is a FUSE mount, else tmpfs
};

SRoad RoadNamed(const QString& name)
{
    if (name == "Original move")
        return {KeepFormatText()};
    if (name == "Original move onto FUSE")
        return {KeepFormatText(), false, 1, true, true};
    if (name == "same-format move")
        return {"JPG"};
    if (name == "re-encoded move")
        return {"JPG", true};
    if (name == "multipage move")
        return {"TIF", true, 3};
    return {KeepFormatText(), false, 1, false}; // a copy
}

// The job of a road: two photos of `in` into the job's folder; returns
// them, with their bytes in `bytes`.
QStringList PrepareRoad(const SRoad& road, const QString& in, QList<QByteArray>& bytes)
{
    QDir().mkpath(in);
    QStringList photos;
    for (const char* base : {"a", "b"}) {
        if (road.pages > 1)
            photos << MakeMultipageTiff(in, QString(base) + ".tif", road.pages);
        else
            photos << MakePhoto(in, QString(base) + ".jpg", 40, 30);
    }
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->OutputFormat = road.format;
    // Settings under which a JPEG written as JPEG is copied as it is.
    profile->Quality = 88;
    profile->JpegType = 1;
    profile->Interlaced = 0;
    profile->DeleteSource = road.deleteSource;
    profile->useMulticore = true;
    SetPhotos(photos);
    SetFilters(road.negate ? QList<SFilterRecord>{Filter(3080, "Negative")} : QList<SFilterRecord>{});
    for (const QString& photo : photos)
        bytes << ReadAll(photo);
    return photos;
}

// Runs the job with every event in `folder` recorded (CallRecorder::Take).
std::unique_ptr<CProcessController> RecordedRun(const QString& folder)
{
    CallRecorder::Watch(QFile::encodeName(folder).toStdString() + "/");
    auto controller = Run();
    CallRecorder::Stop();
    return controller;
}

// The files a photo's output takes in `out`.
QStringList OutputsOf(const QString& photo, const SRoad& road, const QString& out)
{
    const QString output = out + "/" + QFileInfo(photo).fileName();
    if (road.pages == 1)
        return {output};
    QStringList pages;
    for (int page = 0; page < road.pages; ++page)
        pages << CImageManager::PageFilePath(output, page);
    return pages;
}

} // namespace

class TestDurableMoves : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sourceGoesOnlyOnceOutputIsOnDisk_data();
    void sourceGoesOnlyOnceOutputIsOnDisk();
    void failedFlushKeepsEverySource_data();
    void failedFlushKeepsEverySource();
    void replacedSourceIsOnDisk();
};

void TestDurableMoves::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
}

void TestDurableMoves::init()
{
    CPromptSeam::Reset();
}

void TestDurableMoves::cleanup()
{
    CallRecorder::Stop();
    CallRecorder::SetFault(CallRecorder::Fault::FileFlush, 0);
    CallRecorder::SetFault(CallRecorder::Fault::FolderFlush, 0);
}

void TestDurableMoves::sourceGoesOnlyOnceOutputIsOnDisk_data()
{
    QTest::addColumn<QString>("road");
    for (const char* road : {"Original move", "same-format move", "re-encoded move", "multipage move",
                             "Original move onto FUSE", "copy"})
        QTest::newRow(road) << QString(road);
}

// Each source is deleted only after its output's bytes were flushed, the
// output took its name and its folder was flushed; the photo arrives whole.
// A copy whose source stays is not waited for.
void TestDurableMoves::sourceGoesOnlyOnceOutputIsOnDisk()
{
    QFETCH(QString, road);
    const SRoad how = RoadNamed(road);
    const QString root = NewJob("moves");
    const QString in = root + "/in";
    const QString out = root + "/out";
    const CTestMount::Kind kind = how.fuse ? CTestMount::Fuse : CTestMount::Tmpfs;
    const CTestMount mount(out, kind);
    if (!mount.IsMounted())
        QSKIP(qPrintable(CTestMount::SkipReason(kind)));
    QList<QByteArray> sourceBytes;
    const QStringList photos = PrepareRoad(how, in, sourceBytes);
    QVERIFY(NodeOf(in).first != NodeOf(out).first);

    auto controller = RecordedRun(root);
    QVERIFY(controller);
    QVERIFY2(controller->ErrorCount() == 0, qPrintable(controller->LogBuffer()));
    const std::vector<SEvent> log = CallRecorder::Take();
    for (int i = 0; i < photos.size(); ++i) {
        const QStringList outputs = OutputsOf(photos[i], how, out);
        for (const QString& output : outputs)
            QVERIFY2(QFile::exists(output), qPrintable(output));
        if (!how.negate)
            QCOMPARE(ReadAll(outputs.first()), sourceBytes[i]);
        QCOMPARE(QFile::exists(photos[i]), !how.deleteSource);
        if (!how.deleteSource)
            continue;
        const size_t deleted = LastOf(log, SEvent::Delete, photos[i], log.size());
        QVERIFY2(deleted < log.size(), qPrintable(photos[i] + " went without a deletion on record"));
        for (const QString& output : outputs) {
            const QString missing = DiskOrder::Check(log, output, deleted);
            QVERIFY2(missing.isEmpty(), qPrintable(missing));
        }
    }
    if (!how.deleteSource) {
        for (const SEvent& event : log)
            QVERIFY2(event.kind != SEvent::Flush, event.path.c_str());
    }
}

void TestDurableMoves::failedFlushKeepsEverySource_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<QString>("flush"); // "file" or "folder"
    QTest::addColumn<int>("error");
    QTest::addColumn<bool>("moved");
    for (const char* road : {"Original move", "re-encoded move"}) {
        QTest::newRow(qPrintable(QString("%1, EIO on the output").arg(road))) << road << "file" << EIO << false;
        QTest::newRow(qPrintable(QString("%1, EIO on the folder").arg(road))) << road << "folder" << EIO << false;
        QTest::newRow(qPrintable(QString("%1, EINVAL on the folder").arg(road)))
            << road << "folder" << EINVAL << true;
    }
}

// A flush that fails keeps every source and says why; a file system that
// has no flush to offer moves every photo.
void TestDurableMoves::failedFlushKeepsEverySource()
{
    QFETCH(QString, road);
    QFETCH(QString, flush);
    QFETCH(int, error);
    QFETCH(bool, moved);
    const SRoad how = RoadNamed(road);
    const QString root = NewJob("faults");
    const QString in = root + "/in";
    const QString out = root + "/out";
    const CTestMount mount(out, CTestMount::Tmpfs);
    if (!mount.IsMounted())
        QSKIP(qPrintable(CTestMount::SkipReason(CTestMount::Tmpfs)));
    QList<QByteArray> sourceBytes;
    const QStringList photos = PrepareRoad(how, in, sourceBytes);

    CallRecorder::SetFault(flush == "file" ? CallRecorder::Fault::FileFlush : CallRecorder::Fault::FolderFlush, error);
    auto controller = RecordedRun(root);
    QVERIFY(controller);
    const QString buffer = controller->LogBuffer();
    for (int i = 0; i < photos.size(); ++i) {
        QCOMPARE(QFile::exists(photos[i]), !moved);
        if (!moved)
            QCOMPARE(ReadAll(photos[i]), sourceBytes[i]);
        // Whatever reached the folder is whole.
        const QString output = OutputsOf(photos[i], how, out).first();
        if (QFile::exists(output) && !how.negate)
            QCOMPARE(ReadAll(output), sourceBytes[i]);
        QCOMPARE(QFile::exists(output), moved || flush == "folder");
    }
    if (moved) {
        QVERIFY2(controller->ErrorCount() == 0, qPrintable(buffer));
        return;
    }
    QCOMPARE(controller->ErrorCount(), int(photos.size()));
    QCOMPARE(buffer.count(" - " + QString::fromLocal8Bit(std::strerror(error)) + "\r\n"), photos.size());
    QVERIFY2(!buffer.contains("Process completed without errors."), qPrintable(buffer));
    // Nothing half done is left beside the outputs.
    QCOMPARE(QDir(out).entryList(QDir::Files | QDir::Hidden).filter(".gb"), QStringList());
}

// A photo written over its own source is on the disk, bytes before the name
// and folder after, by the time the run ends.
void TestDurableMoves::replacedSourceIsOnDisk()
{
    const QString root = NewJob("inplace");
    const QString in = root + "/in";
    const QString photo = MakePhoto(in, "a.jpg", 40, 30);
    const QByteArray before = ReadAll(photo);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->DestPath = in;
    profile->OutputFormat = "JPG";
    profile->DisableNotifications = true; // the source is replaced without a question
    SetPhotos({photo});
    SetFilters({Filter(3080, "Negative")});
    auto controller = RecordedRun(in);
    QVERIFY(controller);
    QVERIFY2(controller->ErrorCount() == 0, qPrintable(controller->LogBuffer()));
    QCOMPARE(QDir(in).entryList(QDir::Files | QDir::Hidden), QStringList{"a.jpg"});
    QVERIFY(ReadAll(photo) != before);
    const std::vector<SEvent> log = CallRecorder::Take();
    const QString missing = DiskOrder::Check(log, photo, log.size());
    QVERIFY2(missing.isEmpty(), qPrintable(missing));
}

GB_TEST_MAIN(TestDurableMoves)
#include "tst_durablemoves.moc"
