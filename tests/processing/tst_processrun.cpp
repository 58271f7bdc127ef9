// Whole processing runs over small generated photos: outputs, log file,
// folder modes, numbering under several threads, copies and pages.
#include "CFormatsEnum.h"
#include "CListImages.h"
#include "CMagickRuntime.h"
#include "JobFileProperties.h"
#include "CProcessController.h"
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "Common.h"
#include "MagickCompat.h"
#include "MailFixtures.h"
#include "ProcessTestKit.h"
#include "ServerFixtures.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProgressBar>
#include <QScopeGuard>
#include <QSet>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QThread>
#include <QtEndian>

#include <algorithm>
#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>
#include <sys/mount.h>
#include <functional>
#include <limits>

using namespace ProcessTestKit;

using JobSetup = std::function<void(const QString& root, CUserProfile* profile)>;
Q_DECLARE_METATYPE(JobSetup)

namespace {
// Runs exiftool on path; false when it failed. `output` gets what it said.
bool ExifTool(const QStringList& arguments, const QString& path, QByteArray* output = nullptr)
{
    QProcess tool;
    tool.start("exiftool", QStringList(arguments) << path);
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return false;
    if (output)
        *output = tool.readAllStandardOutput();
    return true;
}

// The tags of a file as numbers, by exiftool's names.
QJsonObject ExifTags(const QString& path)
{
    QByteArray json;
    ExifTool({"-j", "-n", "-Orientation", "-XResolution"}, path, &json);
    return QJsonDocument::fromJson(json).array().first().toObject();
}

// Rewrites the EXIF XResolution of a JPEG as a signed value of -300, which
// exiftool does not write; damaged and hand-made files hold such values.
bool MakeXResolutionNegative(const QString& path)
{
    QByteArray bytes = ReadAll(path);
    const int tiff = bytes.indexOf(QByteArray("Exif\0\0", 6)) + 6;
    if (tiff < 6 || bytes.size() < tiff + 8)
        return false;
    const bool motorola = bytes.at(tiff) == 'M';
    const auto at = [&](int offset, int size) -> quint32 {
        const uchar* p = reinterpret_cast<const uchar*>(bytes.constData()) + offset;
        if (size == 2)
            return motorola ? qFromBigEndian<quint16>(p) : qFromLittleEndian<quint16>(p);
        return motorola ? qFromBigEndian<quint32>(p) : qFromLittleEndian<quint32>(p);
    };
    const auto put = [&](int offset, quint32 value, int size) {
        uchar* p = reinterpret_cast<uchar*>(bytes.data()) + offset;
        if (size == 2)
            motorola ? qToBigEndian<quint16>(quint16(value), p) : qToLittleEndian<quint16>(quint16(value), p);
        else
            motorola ? qToBigEndian<quint32>(value, p) : qToLittleEndian<quint32>(value, p);
    };
    const int directory = tiff + int(at(tiff + 4, 4));
    for (quint32 i = 0, n = at(directory, 2); i < n; ++i) {
        const int entry = directory + 2 + int(i) * 12;
        if (at(entry, 2) != 0x011A || at(entry + 2, 2) != 5)
            continue;
        put(entry + 2, 10, 2); // SRATIONAL
        put(tiff + int(at(entry + 8, 4)), quint32(-300), 4);
        put(tiff + int(at(entry + 8, 4)) + 4, 1, 4);
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    return false;
}
} // namespace

class TestProcessRun : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void negateThreePhotosAndLogNewestFirst();
    void logModes();
    void unwritableLogKeepsTheOldOne();
    void folderModes_data();
    void folderModes();
    void outputNames_data();
    void outputNames();
    void sameNameOnEightThreads();
    void multipagePerPageNames();
    void copyWithoutReencoding_data();
    void copyWithoutReencoding();
    void caseOnlyRenameIsWritten();
    void failingFilterKeepsSource();
    void damagedPhotoIsWrittenWithAWarning();
    void loadFailuresSayWhy_data();
    void loadFailuresSayWhy();
    void invalidMetadataValuesAreLeftOut_data();
    void invalidMetadataValuesAreLeftOut();
    void progressEndsFullWithFailedPhotos();
    void sourcesThatStayAreWarnings_data();
    void sourcesThatStayAreWarnings();
    void replacedSourceIsKept_data();
    void replacedSourceIsKept();
    void failuresSayWhy_data();
    void failuresSayWhy();
    void refusedModeChangesFailNoPhoto_data();
    void refusedModeChangesFailNoPhoto();
    void sizeCapNotMetIsAWarning();
    void sizeCapMetKeepsTheQuality_data();
    void sizeCapMetKeepsTheQuality();
    void zeroPhotosEnds();
    void unknownDestinationIsFolder();
    void monitorLogStaysInFolder();
    void myPicturesIsExpanded();
    void singleDocumentSurvivesFailedLastPhoto();
    void unwrittenDocumentLogsNoPhotoProcessed();
    void documentInOnePageFormatListsItsFiles();
    void gifDocumentScreenHoldsEveryPage();
    void deliveryOnlyOutputsGoToTemp_data();
    void deliveryOnlyOutputsGoToTemp();
    void magickThreadsFollowWorkers();
    void namesFromCaptureDate();
};

void TestProcessRun::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
}

void TestProcessRun::init()
{
    CPromptSeam::Reset();
    QFile::remove(CProcessController::GeneralLogPath());
}

void TestProcessRun::negateThreePhotosAndLogNewestFirst()
{
    const QString in = TestEnv::NewFolder("neg-in");
    const QStringList photos = {MakePhoto(in, "a.png"), MakePhoto(in, "b.png", 30, 20),
                                MakePhoto(in, "c.png", 12, 40, qRgb(5, 250, 128))};
    QByteArray previousLog;
    for (int run = 1; run <= 3; ++run) {
        const QString out = TestEnv::NewFolder(QString("neg-out%1").arg(run));
        ResetJob(out);
        CUserProfile::GetInstance()->useMulticore = true;
        SetPhotos(photos);
        SetFilters({Filter(3080, "Negative")});
        auto controller = Run();
        QVERIFY(controller);
        QCOMPARE(controller->ErrorCount(), 0);
        QCOMPARE(FilesIn(out), QStringList({"a.png", "b.png", "c.png"}));
        for (const QString& photo : photos) {
            const QImage result(out + "/" + QFileInfo(photo).fileName());
            QVERIFY2(IsNegativeOf(result, QImage(photo)), qPrintable(photo));
        }
        const QString buffer = controller->LogBuffer();
        QVERIFY(buffer.startsWith("Process started at "));
        QVERIFY(buffer.contains(".\r\n\r\nProcessing 3 images with 1 graphical filter(s) per image.\r\n\r\n"));
        const int cores = QThread::idealThreadCount();
        QVERIFY(buffer.contains(QString("System: %1 CPU core(s) detected.\r\n").arg(cores)));
        const int launched = std::min(cores >= 1 && cores <= 32 ? cores : 1, 3);
        QVERIFY(buffer.contains(QString("Launching %1 thread(s) of execution.\r\n\r\n").arg(launched)));
        QCOMPARE(controller->ThreadCount(), launched);
        QVERIFY(buffer.contains(" - Processed " + photos[1] + "\r\n"));
        QVERIFY(buffer.contains("\r\nProcess completed without errors.\r\nTime elapsed: "));
        QVERIFY(buffer.endsWith("\r\n\r\n----------\r\n\r\n"));
        QCOMPARE(controller->OutputPaths().size(), 3);

        const QByteArray log = ReadAll(CProcessController::GeneralLogPath());
        QVERIFY(log.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(log.count("\xEF\xBB\xBF"), 1);
        QCOMPARE(log.count("----------"), run);
        // Newest run first, then the earlier ones unchanged.
        QCOMPARE(log, QByteArray("\xEF\xBB\xBF") + buffer.toUtf8() + previousLog.mid(3));
        previousLog = log;
        QVERIFY(!QFile::exists(CProcessController::GeneralLogPath() + ".tmp"));
    }
    // libcurl, which only a delivery to a server needs, is not loaded by
    // a run to a folder: loading it cost every start of the program.
    QVERIFY(!::dlopen("libcurl.so.4", RTLD_LAZY | RTLD_NOLOAD));
}

void TestProcessRun::logModes()
{
    ResetJob(TestEnv::NewFolder("modes"));
    SetPhotos({});
    CProcessController controller;
    // Mode: 0 view and file, 1 view only, 2 file only, 3 nowhere.
    const QStringList texts = {"both", "view only", "file only", "nowhere"};
    for (int mode = 0; mode < 4; ++mode)
        controller.UpdateLog(texts[mode], mode);
    for (int mode = 0; mode < 4; ++mode) {
        const bool inFile = mode == 0 || mode == 2;
        QCOMPARE(controller.LogViewText().contains(texts[mode]), mode <= 1);
        QCOMPARE(controller.LogBuffer().contains(texts[mode]), inFile);
        QVERIFY(!inFile || controller.LogBuffer().contains(texts[mode] + "\r\n"));
    }
    // A photo's name that looks like markup is shown as it is.
    const QString named = " - Failed to load /in/<hr>a &amp;  <b>b.png";
    controller.UpdateLog(named, 1);
    QVERIFY2(controller.LogViewText().endsWith("\n" + named), qPrintable(controller.LogViewText()));
    QSignalSpy finished(&controller, &CProcessController::RunFinished);
    QVERIFY(finished.wait(10000));
    const QByteArray log = ReadAll(CProcessController::GeneralLogPath());
    QVERIFY(log.contains("file only"));
    QVERIFY(!log.contains("view only"));
}

void TestProcessRun::unwritableLogKeepsTheOldOne()
{
    const QString logPath = CProcessController::GeneralLogPath();
    // The log's folder cannot change: no new log can be made there.
    const QByteArray folder = QFile::encodeName(QFileInfo(logPath).absolutePath());
    QVERIFY(QDir().mkpath(QFile::decodeName(folder)));
    bool mounted = ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=1m") == 0;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            ::umount2(folder.constData(), MNT_DETACH);
    });
    if (!mounted)
        QSKIP("a file system cannot be mounted here (needs root)");
    QVERIFY(ServerFixtures::WriteFile(logPath, "\xEF\xBB\xBF" "earlier run"));
    QCOMPARE(::mount(nullptr, folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    QStringList warnings;
    CPromptSeam::SetWarningAnswerer([&](const QString& text) { warnings << text; });
    ResetJob(TestEnv::NewFolder("nolog"));
    CUserProfile::GetInstance()->scriptRun = false;
    SetPhotos({});
    auto controller = std::make_unique<CProcessController>();
    QSignalSpy panel1(controller.get(), &CProcessController::Panel1StartPreview);
    QSignalSpy panel2(controller.get(), &CProcessController::Panel2StartPreview);
    QSignalSpy finished(controller.get(), &CProcessController::RunFinished);
    QVERIFY(finished.wait(10000));
    QCOMPARE(warnings, QStringList({"Could not save log."}));
    QCOMPARE(ReadAll(logPath), QByteArray("\xEF\xBB\xBF" "earlier run"));
    // A run not started by a script asks the panels to refresh.
    QCOMPARE(panel1.size(), 1);
    QCOMPARE(panel2.size(), 1);
}

void TestProcessRun::folderModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("expected"); // relative to the sandbox root
    QTest::newRow("0 selected folder") << 0 << QStringList{"dest/p.png", "dest/q.png"};
    QTest::newRow("1 structure") << 1 << QStringList{"dest/b/p.png", "dest/c/q.png"};
    QTest::newRow("2 own folder") << 2 << QStringList{"src/x/a/b/p.png", "src/x/a/c/q.png"};
    QTest::newRow("3 subfolder")
        << 3 << QStringList{"src/x/a/b/Processed/p.png", "src/x/a/c/Processed/q.png"};
}

void TestProcessRun::folderModes()
{
    QFETCH(int, mode);
    QFETCH(QStringList, expected);
    const QString root = TestEnv::NewFolder(QString("modes%1").arg(mode));
    const QStringList photos = {MakePhoto(root + "/src/x/a/b", "p.jpg"),
                                MakePhoto(root + "/src/x/a/c", "q.jpg")};
    QDir().mkpath(root + "/dest");
    ResetJob(root + "/dest");
    CUserProfile::GetInstance()->OutputFolderStruct = mode;
    SetPhotos(photos);
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QStringList written = controller->OutputPaths();
    written.sort();
    QStringList wanted;
    for (const QString& relative : expected)
        wanted << root + "/" + relative;
    QCOMPARE(written, wanted);
    for (const QString& path : wanted)
        QCOMPARE(QImage(path).width(), 24);
}

// Each row prepares photos and naming settings in a fresh job folder.
void TestProcessRun::outputNames_data()
{
    QTest::addColumn<JobSetup>("setup");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("numbered variants") << JobSetup([](const QString& root, CUserProfile*) {
        SetPhotos({MakePhoto(root + "/1", "a.png"), MakePhoto(root + "/2", "A.png"), MakePhoto(root + "/3", "a.png")});
    }) << QStringList{"A (2).png", "a (3).png", "a.png"};
    // Every extension of a writable format is kept, not only its id.
    QTest::newRow("keep original format") << JobSetup([](const QString& root, CUserProfile* profile) {
        profile->OutputFormat = QObject::tr("Keep original image format (if possible)");
        profile->DefaultFormat = "PNG";
        SetPhotos({MakePhoto(root, "a.jpeg"), MakePhoto(root, "b.jpg"), MakePhoto(root, "c.bmp"),
                   MakeMultipageTiff(root, "d.tiff", 1)});
        SetFilters({Filter(3080, "Negative")});
    }) << QStringList{"a.jpeg", "b.jpg", "c.bmp", "d.tiff"};
    // A hand-written silent script keeps its own counter start; a silent
    // monitoring job continues after the pictures it already wrote.
    for (const bool monitor : {false, true}) {
        QTest::newRow(monitor ? "counter of a monitor job" : "counter of a silent script")
            << JobSetup([monitor](const QString& root, CUserProfile* profile) {
                   profile->silentScript = true;
                   profile->monitorRun = monitor;
                   profile->processLog = false;
                   profile->CreateLog = false;
                   profile->PicCount = 7;
                   profile->CounterStart = 5;
                   profile->FilenameFormat = "x [Counter]";
                   SetPhotos({MakePhoto(root, "a.png")});
               })
            << QStringList{monitor ? "x 08.png" : "x 05.png"};
    }
    QTest::newRow("stale keys are renumbered") << JobSetup([](const QString& root, CUserProfile* profile) {
        profile->useMulticore = true;
        profile->FilenameFormat = "n [Counter]";
        SetPhotos({MakePhoto(root, "a.png"), MakePhoto(root, "b.png"), MakePhoto(root, "c.png")});
        for (SImageRecord& record : CListImages::GetInstance()->list)
            record.key = 0; // as left by an earlier edit of the list
    }) << QStringList{"n 01.png", "n 02.png", "n 03.png"};
    QTest::newRow("counter restarts in every folder") << JobSetup([](const QString& root, CUserProfile* profile) {
        profile->CounterReset = true;
        profile->FilenameFormat = "[FolderName] [Counter]";
        SetPhotos({MakePhoto(root + "/p", "1.png"), MakePhoto(root + "/q", "2.png"), MakePhoto(root + "/p", "3.png"),
                   MakePhoto(root + "/p", "4.png")});
    }) << QStringList{"p 01.png", "p 02.png", "p 03.png", "q 01.png"};
}

void TestProcessRun::outputNames()
{
    QFETCH(JobSetup, setup);
    QFETCH(QStringList, expected);
    const QString root = NewJob("names");
    setup(root, CUserProfile::GetInstance());
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QCOMPARE(FilesIn(root + "/out"), expected);
}

void TestProcessRun::sameNameOnEightThreads()
{
    const QString root = TestEnv::NewFolder("stress");
    QStringList photos;
    for (int i = 0; i < 40; ++i)
        photos << MakePhoto(root + QString("/in%1").arg(i), "same.png", 16, 12, qRgb(i * 6, 0, 0));
    for (int round = 0; round < 2; ++round) {
        const QString out = root + QString("/out%1").arg(round);
        QDir().mkpath(out);
        ResetJob(out);
        CUserProfile::GetInstance()->useMulticore = true;
        SetPhotos(photos);
        SetFilters({Filter(3080, "Negative")});
        auto controller = Run();
        QVERIFY(controller);
        QCOMPARE(controller->ErrorCount(), 0);
        QCOMPARE(FilesIn(out).size(), 40);
        const QList<QString> listed = controller->OutputPaths();
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()).size(), 40);
    }
    // A silent run into a folder that holds all 40 names numbers every
    // output anew, under the same lock as the run's own choices.
    const QString out = root + "/out0";
    ResetJob(out);
    CUserProfile::GetInstance()->useMulticore = true;
    CUserProfile::GetInstance()->silentScript = true;
    SetPhotos(photos);
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(FilesIn(out).size(), 80);
    QCOMPARE(controller->OutputPaths().size(), 40);
}

void TestProcessRun::multipagePerPageNames()
{
    const QString root = NewJob("pages");
    const QString out = root + "/out";
    CUserProfile::GetInstance()->OutputFormat = "TIF";
    SetPhotos({MakeMultipageTiff(root, "doc.tif", 3)});
    SetFilters({Filter(3080, "Negative")});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QCOMPARE(FilesIn(out), QStringList({"doc-0.tif", "doc-1.tif", "doc-2.tif"}));
    QStringList listed = controller->OutputPaths();
    listed.sort();
    QCOMPARE(listed, QStringList({out + "/doc-0.tif", out + "/doc-1.tif", out + "/doc-2.tif"}));
}

void TestProcessRun::copyWithoutReencoding_data()
{
    QTest::addColumn<int>("quality");
    QTest::addColumn<int>("jpegType");
    QTest::addColumn<int>("interlaced");
    QTest::addColumn<bool>("copied");
    QTest::newRow("plain copy") << 88 << 1 << 0 << true;
    QTest::newRow("quality below 88") << 87 << 1 << 0 << false;
    QTest::newRow("grey type") << 90 << 0 << 0 << false;
    QTest::newRow("interlace") << 90 << 1 << 1 << false;
}

void TestProcessRun::copyWithoutReencoding()
{
    QFETCH(int, quality);
    QFETCH(int, jpegType);
    QFETCH(int, interlaced);
    QFETCH(bool, copied);
    const QString root = NewJob("copy");
    const QString photo = MakePhoto(root, "x.JPG");
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->OutputFormat = "JPG";
    profile->Quality = quality;
    profile->JpegType = jpegType;
    profile->Interlaced = interlaced;
    SetPhotos({photo});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(FilesIn(root + "/out"), QStringList({"x.jpg"}));
    QCOMPARE(ReadAll(root + "/out/x.jpg") == ReadAll(photo), copied);
}

void TestProcessRun::caseOnlyRenameIsWritten()
{
    const QString root = TestEnv::NewFolder("case");
    const QString photo = MakePhoto(root, "IMG.JPG");
    ResetJob(root);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->OutputFolderStruct = 2;
    profile->OutputFormat = "JPG";
    SetPhotos({photo});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(FilesIn(root), QStringList({"IMG.JPG", "IMG.jpg"}));
    QCOMPARE(ReadAll(root + "/IMG.jpg"), ReadAll(photo));
}

void TestProcessRun::failingFilterKeepsSource()
{
    const QString root = NewJob("failing");
    const QString out = root + "/out";
    const QStringList photos = {MakePhoto(root, "a.png"), MakePhoto(root, "b.png")};
    CUserProfile::GetInstance()->DeleteSource = true;
    SetPhotos(photos);
    SetFilters({Filter(3080, "Negative"), Filter(9999, "Unknown"), Filter(3080, "Negative")});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 2);
    // Both photos are written (the two negations cancel out) ...
    QCOMPARE(FilesIn(out), QStringList({"a.png", "b.png"}));
    QVERIFY(SamePixels(QImage(out + "/a.png"), QImage(photos[0])));
    // ... and no source is deleted, since a filter did not apply.
    QVERIFY(QFile::exists(photos[0]) && QFile::exists(photos[1]));
    const QString buffer = controller->LogBuffer();
    QCOMPARE(buffer.count(" - Failed to apply 'Unknown' filter to "), 2);
    QVERIFY(!buffer.contains(" - Processed "));
    QVERIFY(controller->LogViewText().contains("Failed to apply 'Unknown' filter to \""));
    QVERIFY(buffer.contains("Warning: Process completed with 2 errors. For details see the log above."));

    // Without the failing filter the sources go.
    ResetJob(TestEnv::NewFolder("failing-out2"));
    CUserProfile::GetInstance()->DeleteSource = true;
    SetPhotos(photos);
    SetFilters({Filter(3080, "Negative")});
    QVERIFY(Run());
    QVERIFY(!QFile::exists(photos[0]) && !QFile::exists(photos[1]));
}

// A truncated JPEG is read as far as it goes and written, with a warning
// naming the damage; with delete-source on, its source stays (it may be the
// only whole copy), while the healthy photo's source goes.
void TestProcessRun::damagedPhotoIsWrittenWithAWarning()
{
    const QString root = NewJob("damaged");
    const QString out = root + "/out";
    const QString good = MakePhoto(root, "good.png");
    // Control characters in the name are escaped on the warning line too.
    const QString cut = MakePhoto(root, "cut\x1b[31m\a.jpg", 240, 160);
    QFile cutFile(cut);
    QVERIFY(cutFile.resize(cutFile.size() * 6 / 10));
    CUserProfile::GetInstance()->DeleteSource = true;
    SetPhotos({good, cut});
    SetFilters({Filter(3080, "Negative")});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QCOMPARE(controller->WarningCount(), 1);
    QCOMPARE(FilesIn(out).size(), 2);
    QVERIFY(QFile::exists(cut));
    QVERIFY(!QFile::exists(good));
    const QString buffer = controller->LogBuffer();
    QVERIFY2(buffer.contains(" - Warning: damaged photo (Premature end of JPEG file), source kept: " +
                             EscapeForLog(cut) + "\r\n"),
             qPrintable(buffer));
    QVERIFY(buffer.contains(" - Processed " + EscapeForLog(cut)));
    QVERIFY(!buffer.contains(QChar(0x1b)) && !buffer.contains(QChar(0x07)));
    QVERIFY(!controller->LogViewText().contains(QChar(0x1b)));
    QVERIFY(buffer.contains("\r\nWarning: Process completed without errors, with 1 warning(s). For details see the log "
                            "above.\r\n"));
    QVERIFY(controller->LogViewText().contains("Warning: damaged photo (Premature end of JPEG file), source kept: "));
}

void TestProcessRun::loadFailuresSayWhy_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("filtered");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty file") << "empty" << true << "the file is empty";
    QTest::newRow("1 GB of zeros") << "zeros" << true << "Not a JPEG file: starts with 0x00 0x00";
    QTest::newRow("name too long") << "long" << true << "File name too long";
    QTest::newRow("name too long, moved") << "long" << false << "File name too long";
}

// A photo that cannot be read at all says why under its failure line: an
// empty file, the decoder's word on what it found, the system's word on a
// name it cannot open.
void TestProcessRun::loadFailuresSayWhy()
{
    QFETCH(QString, kind);
    QFETCH(bool, filtered);
    QFETCH(QString, reason);
    const QString root = NewJob("loadwhy");
    QString photo = root + "/photo.jpg";
    // A name longer than the system takes: made step by step from folder
    // descriptors, as no whole path of that length can be opened.
    QList<QByteArray> levels;
    const auto removeLevels = qScopeGuard([&] {
        if (levels.isEmpty())
            return;
        QByteArray path = QFile::encodeName(root);
        int fd = ::open(path.constData(), O_RDONLY | O_DIRECTORY);
        QList<int> fds {fd};
        for (const QByteArray& level : std::as_const(levels))
            fds << (fd = ::openat(fd, level.constData(), O_RDONLY | O_DIRECTORY));
        ::unlinkat(fds.last(), "photo.jpg", 0);
        for (int i = levels.size() - 1; i >= 0; --i)
            ::unlinkat(fds.at(i), levels.at(i).constData(), AT_REMOVEDIR);
        for (int each : std::as_const(fds))
            ::close(each);
    });
    if (kind == "long") {
        int fd = ::open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY);
        while (QFile::encodeName(photo).size() <= 4200) {
            const QByteArray level(200, 'd');
            levels << level + QByteArray::number(levels.size());
            QCOMPARE(::mkdirat(fd, levels.last().constData(), 0700), 0);
            const int next = ::openat(fd, levels.last().constData(), O_RDONLY | O_DIRECTORY);
            ::close(fd);
            fd = next;
            photo = photo.left(photo.lastIndexOf('/')) + "/" + QString::fromLatin1(levels.last()) + "/photo.jpg";
        }
        const int file = ::openat(fd, "photo.jpg", O_WRONLY | O_CREAT | O_EXCL, 0600);
        QVERIFY(file >= 0);
        const QByteArray bytes = [&] {
            QFile made(MakePhoto(root, "made.jpg"));
            return made.open(QIODevice::ReadOnly) ? made.readAll() : QByteArray();
        }();
        QCOMPARE(::write(file, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
        ::close(file);
        ::close(fd);
    } else {
        QFile file(photo);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(kind == "zeros" ? qint64(1) << 30 : 0));
    }
    // Without filters, in its own format and with Delete source, the photo
    // is only moved.
    CUserProfile::GetInstance()->DeleteSource = !filtered;
    if (!filtered)
        CUserProfile::GetInstance()->OutputFormat = KeepFormatText();
    SetPhotos({photo});
    SetFilters(filtered ? QList<SFilterRecord>{Filter(3080, "Negative")} : QList<SFilterRecord>{});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 1);
    const QString buffer = controller->LogBuffer();
    QVERIFY2(buffer.contains(" - Failed to load " + photo + "\r\n - " + reason + "\r\n"), qPrintable(buffer));
}

void TestProcessRun::invalidMetadataValuesAreLeftOut_data()
{
    QTest::addColumn<QStringList>("tags");    // exiftool arguments, values as numbers
    QTest::addColumn<bool>("negativeResolution");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("dropped");     // named on the warning line; "" for none
    QTest::addColumn<int>("orientation");     // written; an absent tag counts as 1
    QTest::newRow("orientation 6, TIF") << QStringList{"-Orientation=6"} << false << "TIF" << "" << 6;
    for (const int value : {0, 9, 77, 65535}) {
        for (const char* format : {"JPG", "PNG", "TIF"}) {
            QTest::addRow("orientation %d, %s", value, format)
                << QStringList{QString("-Orientation=%1").arg(value)} << false << format << "EXIF orientation" << 1;
        }
    }
    const QStringList resolution = {"-XResolution=300", "-YResolution=300", "-ResolutionUnit=2"};
    QTest::newRow("resolution -300, TIF") << resolution << true << "TIF" << "resolution" << 1;
    QTest::newRow("resolution -300, JPG") << resolution << true << "JPG" << "resolution" << 1;
}

// A value no valid photo holds (an EXIF orientation outside 1 to 8, a
// negative resolution) is damaged metadata: the photo is written in every
// format without it, with one warning naming it, and its source is kept.
void TestProcessRun::invalidMetadataValuesAreLeftOut()
{
    QFETCH(QStringList, tags);
    QFETCH(bool, negativeResolution);
    QFETCH(QString, format);
    QFETCH(QString, dropped);
    QFETCH(int, orientation);
    if (QStandardPaths::findExecutable("exiftool").isEmpty())
        QSKIP("exiftool is not installed");
    const QString root = NewJob("badtags");
    const QString photo = MakePhoto(root, "photo.jpg", 48, 32);
    QVERIFY(ExifTool(QStringList{"-q", "-n", "-overwrite_original"} + tags, photo));
    if (negativeResolution)
        QVERIFY(MakeXResolutionNegative(photo));
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->OutputFormat = format;
    profile->DeleteSource = true;
    SetPhotos({photo});
    SetFilters({Filter(3080, "Negative")});
    auto controller = Run();
    QVERIFY(controller);
    const QString buffer = controller->LogBuffer();
    QVERIFY2(controller->ErrorCount() == 0, qPrintable(buffer));
    QCOMPARE(controller->WarningCount(), dropped.isEmpty() ? 0 : 1);
    const QString output = root + "/out/photo." + format.toLower();
    QCOMPARE(FilesIn(root + "/out"), QStringList{QFileInfo(output).fileName()});
    const QJsonObject written = ExifTags(output);
    QCOMPARE(written.value("Orientation").toInt(1), orientation);
    QVERIFY(written.value("XResolution").toDouble() >= 0.0);
    QCOMPARE(QFile::exists(photo), !dropped.isEmpty());
    if (!dropped.isEmpty())
        QVERIFY2(buffer.contains(" - Warning: damaged metadata left out (" + dropped + "), source kept: " + photo +
                                 "\r\n"),
                 qPrintable(buffer));
}

// A photo that fails counts as done: the bar ends full, the count at N / N,
// the estimate never below the time taken; the title and the bar always
// show one percentage.
void TestProcessRun::progressEndsFullWithFailedPhotos()
{
    const QString root = NewJob("progress");
    const QString broken = root + "/broken.jpg";
    QVERIFY(ServerFixtures::WriteFile(broken, "not a photo at all"));
    QStringList photos{broken};
    for (int i = 0; i < 5; ++i)
        photos << MakePhoto(root, QString("p%1.png").arg(i), 64, 48);
    SetPhotos(photos);
    SetFilters({Filter(3080, "Negative"), Filter(3080, "Negative")});
    CUserProfile::GetInstance()->useMulticore = true;

    auto controller = std::make_unique<CProcessController>();
    auto* bar = controller->findChild<QProgressBar*>("progressBar");
    QVERIFY(bar);
    QStringList mismatches;
    const auto compare = [&] {
        const QString title = controller->windowTitle();
        if (!title.endsWith("(" + bar->text() + ")"))
            mismatches << title + " / " + bar->text();
    };
    // Looked at once each change has been shown in full.
    connect(bar, &QProgressBar::valueChanged, controller.get(), compare, Qt::QueuedConnection);
    QSignalSpy finished(controller.get(), &CProcessController::RunFinished);
    QVERIFY(controller->IsRunFinished() || finished.wait(60000));
    compare();
    QCOMPARE(controller->ErrorCount(), 1);
    QCOMPARE(bar->value(), bar->maximum());
    QCOMPARE(bar->text(), QString("100%"));
    QVERIFY2(controller->windowTitle().endsWith("(100%)"), qPrintable(controller->windowTitle()));
    QCOMPARE(controller->findChild<QLabel*>("textProgressCount")->text(), QString("6 / 6"));
    const QStringList times = controller->findChild<QLabel*>("textTime")->text().split(" / ");
    QCOMPARE(times.size(), 2);
    QVERIFY2(times[1] == "NA" || times[1] >= times[0], qPrintable(times.join(" / ")));
    QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.join(", ")));
}

void TestProcessRun::sourcesThatStayAreWarnings_data()
{
    QTest::addColumn<QString>("road");
    QTest::newRow("re-encoded") << "reencode";
    QTest::newRow("moved unchanged") << "copy";
    QTest::newRow("e-mail delivery") << "mail";
    QTest::newRow("multi-page document") << "document";
}

// With Delete source, every output that was written counts as written;
// each source that stays gets a warning line naming it and the reason,
// counted in the summary.
void TestProcessRun::sourcesThatStayAreWarnings()
{
    QFETCH(QString, road);
    const QString root = NewJob("kept");
    const QString out = root + "/out";
    const QString in = root + "/in";
    QVERIFY(QDir().mkpath(in));
    // The sources lie on a file system that cannot change (the document's
    // stay anyway).
    bool mounted = false;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            ::umount2(QFile::encodeName(in).constData(), MNT_DETACH);
    });
    if (road != "document") {
        mounted = ::mount("tmpfs", QFile::encodeName(in).constData(), "tmpfs", 0, "size=1m") == 0;
        if (!mounted)
            QSKIP("a file system cannot be mounted here (needs root)");
    }
    const QStringList photos = {MakePhoto(in, "a.png"), MakePhoto(in, "b.png"), MakePhoto(in, "c.png")};
    if (mounted)
        QCOMPARE(::mount(nullptr, QFile::encodeName(in).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);

    CUserProfile* profile = CUserProfile::GetInstance();
    profile->DeleteSource = true;
    SetPhotos(photos);
    SetFilters(road == "copy" ? QList<SFilterRecord>{} : QList<SFilterRecord>{Filter(3080, "Negative")});
    if (road == "mail") {
        profile->Destination = 2;
        profile->SaveOnDiskMail = true;
        profile->silentScript = true;
        qputenv("GLIMMERBOX_OPENER", MailFixtures::MakeRecordingOpener().toLocal8Bit());
    } else if (road == "document") {
        profile->Multipage = true;
        profile->OutputFormat = "TIF";
    }
    auto controller = Run();
    qunsetenv("GLIMMERBOX_OPENER");
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    const QString buffer = controller->LogBuffer();
    for (const QString& photo : photos)
        QVERIFY2(QFile::exists(photo), qPrintable(photo));
    if (road == "document") {
        QCOMPARE(controller->OutputPaths().size(), 1);
        QCOMPARE(controller->WarningCount(), 1);
        QVERIFY2(buffer.contains(" - Warning: the source photos are kept, they are the pages of " + out + "/a.tif"),
                 qPrintable(buffer));
        return;
    }
    QCOMPARE(controller->OutputPaths().size(), 3);
    QCOMPARE(controller->WarningCount(), 3);
    for (const QString& photo : photos)
        QVERIFY2(buffer.contains(" - Warning: the source could not be deleted (Read-only file system): " + photo),
                 qPrintable(buffer));
}

void TestProcessRun::replacedSourceIsKept_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<QString>("change");
    // The first photo's name is given to another picture after the photo
    // was read, before its source is deleted: when its output is written,
    // or, with a delivery, before the delivered sources go.
    QTest::newRow("written, renamed over") << "reencode" << "rename";
    QTest::newRow("written, rewritten in place") << "reencode" << "rewrite";
    QTest::newRow("written, touched") << "reencode" << "touch";
    QTest::newRow("e-mail delivery, renamed over") << "mail" << "rename";
}

// Delete source deletes only the file that was read: a photo that took the
// source's name during the run (a camera sync, a copy into an inbox folder)
// stays, with a warning counted in the summary. The other source goes.
void TestProcessRun::replacedSourceIsKept()
{
    QFETCH(QString, road);
    QFETCH(QString, change);
    const QString root = NewJob("replaced");
    const QString in = root + "/in";
    QVERIFY(QDir().mkpath(in));
    const QStringList photos = {MakePhoto(in, "a.png"), MakePhoto(in, "b.png")};
    // The newcomer is written under a hidden name first, as sync tools do.
    const QString newcomer = MakePhoto(in, ".incoming.png", 40, 30, qRgb(10, 200, 90));
    const QByteArray newBytes = change == "touch" ? ReadAll(photos[0]) : ReadAll(newcomer);

    CUserProfile* profile = CUserProfile::GetInstance();
    profile->DeleteSource = true;
    SetPhotos(photos);
    SetFilters({Filter(3080, "Negative")});
    if (road == "mail") {
        profile->Destination = 2;
        profile->SaveOnDiskMail = true;
        profile->silentScript = true;
        qputenv("GLIMMERBOX_OPENER", MailFixtures::MakeRecordingOpener().toLocal8Bit());
    }
    TraceCapture trace;
    bool replaced = false;
    trace.OnFirstLine(road == "mail" ? "AddAttachments" : "WriteImage", [&] {
        if (change == "rename") {
            replaced = ::rename(QFile::encodeName(newcomer).constData(), QFile::encodeName(photos[0]).constData()) == 0;
        } else if (change == "rewrite") {
            QFile file(photos[0]);
            replaced = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(newBytes) == newBytes.size();
        } else {
            QFile file(photos[0]);
            replaced = file.open(QIODevice::ReadWrite) &&
                       file.setFileTime(file.fileTime(QFileDevice::FileModificationTime).addSecs(5),
                                        QFileDevice::FileModificationTime);
        }
    });
    auto controller = Run();
    qunsetenv("GLIMMERBOX_OPENER");
    QVERIFY(controller);
    QVERIFY(replaced);
    QCOMPARE(controller->ErrorCount(), 0);
    QCOMPARE(controller->OutputPaths().size(), 2);
    QCOMPARE(ReadAll(photos[0]), newBytes);
    QVERIFY(!QFile::exists(photos[1]));
    QCOMPARE(controller->WarningCount(), 1);
    const QString buffer = controller->LogBuffer();
    QVERIFY2(buffer.contains(" - Warning: the source changed during the run and was kept: " + photos[0] + "\r\n"),
             qPrintable(buffer));
}

void TestProcessRun::failuresSayWhy_data()
{
    QTest::addColumn<bool>("reencode");
    QTest::addColumn<QString>("destination"); // "read-only", "full", or "nearly full"
    QTest::addColumn<QString>("reason");
    QTest::newRow("written, read-only folder") << true << "read-only" << "Read-only file system";
    QTest::newRow("written, disk full") << true << "full" << "No space left on device";
    QTest::newRow("moved, read-only folder") << false << "read-only" << "Read-only file system";
    QTest::newRow("moved, disk full") << false << "full" << "No space left on device";
    // Room for part of the photo: the copy of a move fails midway.
    QTest::newRow("moved, disk nearly full") << false << "nearly full" << "No space left on device";
}

// An output that cannot be placed keeps its failure line, and the next line
// says why, in the system's words.
void TestProcessRun::failuresSayWhy()
{
    QFETCH(bool, reencode);
    QFETCH(QString, destination);
    QFETCH(QString, reason);
    const QString root = NewJob("why");
    const QString out = root + "/out";
    // The destination is a small file system of its own: a move from the
    // photos' folder is a copy there.
    bool mounted = false;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            ::umount2(QFile::encodeName(out).constData(), MNT_DETACH);
    });
    mounted = ::mount("tmpfs", QFile::encodeName(out).constData(), "tmpfs", 0, "size=64k") == 0;
    if (!mounted)
        QSKIP("a file system cannot be mounted here (needs root)");
    if (destination == "read-only") {
        QCOMPARE(::mount(nullptr, QFile::encodeName(out).constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    } else {
        // Full, or with half the room left.
        QFile filler(out + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        for (int blocks = 0; destination == "full" || blocks < 8; ++blocks) {
            if (filler.write(block) != block.size() || !filler.flush())
                break;
        }
    }
    // Noise: the photo needs more room than is left.
    QImage noise(200, 150, QImage::Format_RGB32);
    QRandomGenerator random(3);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xff000000u);
    }
    const QString photo = root + "/a.png";
    QVERIFY(noise.save(photo));
    CUserProfile::GetInstance()->DeleteSource = !reencode;
    SetPhotos({photo});
    SetFilters(reencode ? QList<SFilterRecord>{Filter(3080, "Negative")} : QList<SFilterRecord>{});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 1);
    QVERIFY(QFile::exists(photo));
    const QString line = reencode ? " - Failed to write " + out + "/a.png" : " - Failed to Move " + photo;
    const QString buffer = controller->LogBuffer();
    QVERIFY2(buffer.contains(line + "\r\n - " + reason + "\r\n"), qPrintable(buffer));
}

void TestProcessRun::refusedModeChangesFailNoPhoto_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<bool>("negate");
    QTest::addColumn<bool>("deleteSource");
    QTest::addColumn<bool>("replace"); // earlier outputs are there
    QTest::newRow("copy") << KeepFormatText() << false << false << false;
    QTest::newRow("same-format copy") << "JPG" << false << false << false;
    QTest::newRow("move to another device") << KeepFormatText() << false << true << false;
    QTest::newRow("same-format move to another device") << "JPG" << false << true << false;
    QTest::newRow("replacing write") << "JPG" << true << false << true;
    QTest::newRow("replacing copy") << KeepFormatText() << false << false << true;
}

// A destination that refuses every change of permissions (an SFTP bridge, a
// FAT stick) gets every photo: its mode is best effort, only the bytes count.
void TestProcessRun::refusedModeChangesFailNoPhoto()
{
    QFETCH(QString, format);
    QFETCH(bool, negate);
    QFETCH(bool, deleteSource);
    QFETCH(bool, replace);
    const QString root = NewJob("nochmod");
    const QString out = root + "/out";
    const QString back = root + "/back";
    QVERIFY(QDir().mkpath(back));
    // The destination is a FUSE mount of another folder that refuses chmod:
    // another device, so a move is a copy there.
    bool mounted = false;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            ::umount2(QFile::encodeName(out).constData(), MNT_DETACH);
    });
    mounted = QProcess::execute("bindfs", {"--chmod-deny", back, out}) == 0;
    if (!mounted)
        QSKIP("bindfs cannot mount here (it needs FUSE)");
    QVERIFY(ServerFixtures::WriteFile(out + "/probe", "x"));
    QVERIFY(!QFile::setPermissions(out + "/probe", QFileDevice::ReadOwner));
    QVERIFY(QFile::remove(out + "/probe"));

    QStringList photos;
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
        photos << MakePhoto(root + "/in", name);
        QVERIFY(QFile::setPermissions(photos.last(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                         QFileDevice::ReadGroup));
        if (replace)
            QVERIFY(ServerFixtures::WriteFile(out + "/" + name, "old"));
    }
    QList<QByteArray> sourceBytes;
    for (const QString& photo : std::as_const(photos))
        sourceBytes << ReadAll(photo);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->OutputFormat = format;
    profile->Quality = 88;
    profile->JpegType = 1;
    profile->Interlaced = 0;
    profile->DeleteSource = deleteSource;
    profile->DisableNotifications = true; // earlier outputs are replaced
    SetPhotos(photos);
    SetFilters(negate ? QList<SFilterRecord>{Filter(3080, "Negative")} : QList<SFilterRecord>{});
    auto controller = Run();
    QVERIFY(controller);
    QVERIFY2(controller->ErrorCount() == 0, qPrintable(controller->LogBuffer()));
    QCOMPARE(FilesIn(out), QStringList({"a.jpg", "b.jpg", "c.jpg"}));
    for (int i = 0; i < photos.size(); ++i) {
        const QByteArray written = ReadAll(out + "/" + QFileInfo(photos[i]).fileName());
        if (negate)
            QVERIFY(written.startsWith("\xff\xd8") && written != sourceBytes[i]);
        else
            QCOMPARE(written, sourceBytes[i]);
        QCOMPARE(QFile::exists(photos[i]), !deleteSource);
    }
    QCOMPARE(QDir(back).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(".gb"), QStringList());
}

// A JPEG that cannot reach its fixed size even at the lowest quality is
// written above the cap: a warning names the size and the cap, and the
// summary counts it. A photo that fits gets none.
void TestProcessRun::sizeCapNotMetIsAWarning()
{
    const QString root = NewJob("sizecap");
    const QString out = root + "/out";
    QImage noise(800, 800, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate() | 0xff000000u);
    }
    const QString noisy = root + "/noisy.png";
    QVERIFY(noise.save(noisy));
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->OutputFormat = "JPG";
    profile->FixedSize = true;
    profile->FileSize = 3;
    SetPhotos({noisy, MakePhoto(root, "small.png")});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(FilesIn(out), QStringList({"noisy.jpg", "small.jpg"}));
    const qint64 size = QFileInfo(out + "/noisy.jpg").size();
    QVERIFY2(size > 3000, qPrintable(QString::number(size)));
    QVERIFY(QFileInfo(out + "/small.jpg").size() <= 3000);
    QCOMPARE(controller->ErrorCount(), 0);
    QCOMPARE(controller->WarningCount(), 1);
    const QString buffer = controller->LogBuffer();
    const QString line = QString(" - Warning: %1 KB written, above the fixed size of 3 KB: %2\r\n")
                             .arg(QString::number(size / 1000.0, 'f', 1), out + "/noisy.jpg");
    QVERIFY2(buffer.contains(line), qPrintable(buffer));
    QVERIFY(buffer.contains(" - Processed " + noisy));
    QVERIFY(buffer.contains("Warning: Process completed without errors, with 1 warning(s)."));
}

// A cap that the photo meets at the job's quality changes nothing: the
// photo is written at that quality, without a warning, however large the
// cap (the largest ones overflowed once when counted in bytes).
void TestProcessRun::sizeCapMetKeepsTheQuality_data()
{
    QTest::addColumn<qint64>("fileSize");
    QTest::newRow("largest of the options") << qint64(999999);
    QTest::newRow("bytes beyond int64") << qint64(9300000000000000);
    QTest::newRow("int64 max") << std::numeric_limits<qint64>::max();
}

void TestProcessRun::sizeCapMetKeepsTheQuality()
{
    QFETCH(qint64, fileSize);
    const QString root = NewJob("capmet");
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->OutputFormat = "JPG";
    profile->Quality = 75;
    profile->FixedSize = true;
    profile->FileSize = fileSize;
    SetPhotos({MakePhoto(root, "small.png", 64, 48)});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(FilesIn(root + "/out"), QStringList({"small.jpg"}));
    Magick::Image written;
    written.ping((root + "/out/small.jpg").toStdString());
    QCOMPARE(int(written.quality()), 75);
    QCOMPARE(controller->WarningCount(), 0);
    QVERIFY2(!controller->LogBuffer().contains("above the fixed size"), qPrintable(controller->LogBuffer()));
}

void TestProcessRun::zeroPhotosEnds()
{
    ResetJob(TestEnv::NewFolder("zero"));
    SetPhotos({});
    CProcessController controller;
    QSignalSpy closed(&controller, &QDialog::finished);
    QVERIFY(closed.wait(10000));
    QCOMPARE(controller.ThreadCount(), 0);
    QVERIFY(controller.LogBuffer().contains("Process completed without errors."));
}

void TestProcessRun::unknownDestinationIsFolder()
{
    const QString root = NewJob("dest7");
    CUserProfile::GetInstance()->Destination = 7;
    SetPhotos({MakePhoto(root, "a.png")});
    auto controller = Run();
    QVERIFY(controller);
    QVERIFY(controller->IsDeliveryFinished());
    QCOMPARE(FilesIn(root + "/out"), QStringList({"a.png"}));
    QVERIFY(controller->LogBuffer().contains("Unknown destination 7"));
}

void TestProcessRun::monitorLogStaysInFolder()
{
    const QString root = NewJob("monitor");
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->monitorRun = true;
    profile->silentScript = true;
    profile->Id = "../../x";
    profile->Folder = root + "/";
    SetPhotos({MakePhoto(root, "m.png")});
    QVERIFY(Run());
    const QString monitorFolder = GetMyDocuments() + "/Glimmerbox/Monitor";
    QCOMPARE(FilesIn(monitorFolder), QStringList({".._.._x.log"}));
    QVERIFY(!QFile::exists(CProcessController::GeneralLogPath()));
}

void TestProcessRun::myPicturesIsExpanded()
{
    const QString root = TestEnv::NewFolder("pictures");
    ResetJob("#mypictures");
    SetPhotos({MakePhoto(root, "pic.png")});
    QVERIFY(Run());
    QVERIFY(QFile::exists(GetMyPictures() + "/pic.png"));
}

void TestProcessRun::singleDocumentSurvivesFailedLastPhoto()
{
    const QString root = NewJob("document");
    const QString out = root + "/out";
    const QString broken = root + "/z.png";
    QVERIFY(ServerFixtures::WriteFile(broken, "not a picture"));
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->Multipage = true;
    profile->OutputFormat = "TIF";
    profile->useMulticore = true;
    SetPhotos({MakePhoto(root, "a.png"), MakePhoto(root, "b.png"), broken});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ThreadCount(), 1);
    QCOMPARE(controller->ErrorCount(), 1);
    const QString log = controller->LogBuffer();
    QVERIFY(log.contains("Creating a single multi-page document."));
    QVERIFY(log.contains(" - Processed " + root + "/a.png\r\n - Processed " + root + "/b.png\r\n"));
    QVERIFY(!log.contains(" - Processed " + broken));
    QCOMPARE(FilesIn(out), QStringList({"a.tif"}));
    QCOMPARE(controller->OutputPaths(), QList<QString>({out + "/a.tif"}));
    QProcess identify;
    identify.start("identify", {out + "/a.tif"});
    QVERIFY(identify.waitForFinished(30000));
    QCOMPARE(identify.readAllStandardOutput().count('\n'), 2);
}

void TestProcessRun::unwrittenDocumentLogsNoPhotoProcessed()
{
    const QString root = TestEnv::NewFolder("lost-document");
    // The destination is a file, so the document cannot be written.
    const QString out = root + "/out";
    QVERIFY(ServerFixtures::WriteFile(out, {}));
    ResetJob(out);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->Multipage = true;
    profile->OutputFormat = "TIF";
    SetPhotos({MakePhoto(root, "a.png"), MakePhoto(root, "b.png")});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 1);
    const QString log = controller->LogBuffer();
    QVERIFY2(log.contains(" - Failed to write " + out + "/a.tif"), qPrintable(log));
    QVERIFY2(!log.contains(" - Processed "), qPrintable(log));
}

// A single document in a format that holds one picture per file is written
// one file per photo; the run lists (and hands to delivery) those files,
// not the document name nobody wrote.
void TestProcessRun::documentInOnePageFormatListsItsFiles()
{
    const QString root = NewJob("jpgdocument");
    const QString out = root + "/out";
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->Multipage = true;
    profile->OutputFormat = "JPG";
    SetPhotos({MakePhoto(root, "a.png"), MakePhoto(root, "b.png")});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QCOMPARE(FilesIn(out), QStringList({"a-0.jpg", "a-1.jpg"}));
    QCOMPARE(controller->OutputPaths(), QList<QString>({out + "/a-0.jpg", out + "/a-1.jpg"}));
}

// A GIF's logical screen comes from its first picture: a later, larger
// photo must not be cut to the first one's size.
void TestProcessRun::gifDocumentScreenHoldsEveryPage()
{
    const QString root = NewJob("gifdocument");
    const QString out = root + "/out";
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->Multipage = true;
    profile->OutputFormat = "GIF";
    SetPhotos({MakePhoto(root, "a.png", 24, 16), MakePhoto(root, "b.png", 60, 40)});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QProcess identify;
    identify.start("convert", {out + "/a.gif", "-coalesce", "-format", "%wx%h;", "info:"});
    QVERIFY(identify.waitForFinished(30000));
    const QString sizes = QString::fromLatin1(identify.readAllStandardOutput());
    QVERIFY2(sizes.endsWith(";60x40;"), qPrintable(sizes));
}

void TestProcessRun::deliveryOnlyOutputsGoToTemp_data()
{
    QTest::addColumn<int>("mode");
    for (int mode = 0; mode < 4; ++mode)
        QTest::addRow("%d", mode) << mode;
}

void TestProcessRun::deliveryOnlyOutputsGoToTemp()
{
    QFETCH(int, mode);
    const QString root = TestEnv::NewFolder("mail");
    const QString photo = MakePhoto(root + "/in", "m.png");
    // A file of the user's where mode 3 would otherwise write.
    QVERIFY(ServerFixtures::WriteFile(root + "/in/Processed/m.png", "mine"));
    ResetJob(root + "/dest");
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->Destination = 2;
    profile->SaveOnDiskMail = false;
    profile->OutputFolderStruct = mode;
    // A silent run hands the message over without asking and keeps the
    // outputs; the opener only takes note.
    profile->silentScript = true;
    qputenv("GLIMMERBOX_OPENER", MailFixtures::MakeRecordingOpener().toLocal8Bit());
    SetPhotos({photo});
    int questions = 0;
    CPromptSeam::SetOverwriteAnswerer([&](const QString&, QString&) { ++questions; return 1; });
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QCOMPARE(questions, 0);
    const QList<QString> listed = controller->OutputPaths();
    QCOMPARE(listed.size(), 1);
    QVERIFY2(listed.first().startsWith(QDir::tempPath() + "/GlimmerboxTemp/"), qPrintable(listed.first()));
    QCOMPARE(QImage(listed.first()).width(), 24);
    QCOMPARE(ReadAll(root + "/in/Processed/m.png"), QByteArray("mine"));
    QVERIFY(!QFile::exists(root + "/dest"));
}

// A run shares the cores among its workers without touching ImageMagick's
// process-wide settings: a preview may be inside an operation that sized
// its buffers by them.
void TestProcessRun::magickThreadsFollowWorkers()
{
    const QString root = NewJob("mthreads");
    CUserProfile::GetInstance()->useMulticore = true;
    SetPhotos({MakePhoto(root, "0.png"), MakePhoto(root, "1.png")});
    const auto settings = [] {
        return QList<qulonglong>{Magick::ResourceLimits::thread(), Magick::ResourceLimits::memory(),
                                 Magick::ResourceLimits::map(), Magick::ResourceLimits::disk(),
                                 Magick::ResourceLimits::area()};
    };
    const QList<qulonglong> before = settings();
    const int limit = CMagickRuntime::ThreadLimit();
    QCOMPARE(CMagickRuntime::ThreadShare(), limit);
    {
        CProcessController controller;
        const int workers = controller.ThreadCount();
        QVERIFY(workers >= 1 && workers <= 2);
        QCOMPARE(settings(), before);
        QCOMPARE(CMagickRuntime::ThreadShare(), std::max(1, limit / workers));
        QVERIFY(workers * CMagickRuntime::ThreadShare() <= std::max(limit, workers));
        QSignalSpy finished(&controller, &CProcessController::RunFinished);
        QVERIFY(finished.wait(30000));
    }
    QCOMPARE(settings(), before);
    QCOMPARE(CMagickRuntime::ThreadShare(), limit);
}

void TestProcessRun::namesFromCaptureDate()
{
    const QString shared = TestEnv::SharedPhotos();
    if (shared.isEmpty())
        QSKIP("the shared photos are not here");
    const QString root = NewJob("dates");
    QStringList photos;
    for (const char* name : {"canon-ixus.jpg", "fujifilm-dx10.jpg"}) {
        QVERIFY(QFile::copy(shared + "/jpg/exif-org/" + QString(name), root + "/" + QString(name)));
        photos << root + "/" + QString(name);
    }
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->OutputFormat = "JPG";
    profile->FilenameFormat = "[DateTime]";
    profile->DateFormat = 0; // Mon-dd-yyyy
    profile->ShowTime = 2;   // no time
    profile->useMulticore = true;
    SetPhotos(photos);
    SetFilters({Filter(3080, "Negative")});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    // The capture dates from the EXIF data, not the files' times.
    QCOMPARE(FilesIn(root + "/out"), QStringList({"Apr-12-2001.jpg", "Jun-09-2001.jpg"}));
}

GB_TEST_MAIN(TestProcessRun)
#include "tst_processrun.moc"
