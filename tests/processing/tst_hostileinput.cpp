// Whole runs over hostile input: photo paths and folder settings that lead
// out of the destination, costly filter values, photos that declare more
// pixels than memory holds, names with control characters, and what a killed
// run left behind, and links planted where outputs are written.
#include "CFormatsEnum.h"
#include "COutputPaths.h"
#include "CListImages.h"
#include "CProcessController.h"
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "Common.h"
#include "MailFixtures.h"
#include "PngBomb.h"
#include "ProcessTestKit.h"
#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSignalSpy>

#include <fcntl.h>
#include <sys/stat.h>

#include <unistd.h>

#include <algorithm>

using namespace ProcessTestKit;

Q_DECLARE_METATYPE(QList<double>)

namespace {
// Every file and folder below root, relative to it, sorted.
QStringList Tree(const QString& root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        entries << QDir(root).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

// Adds photos the way a job file does: the path as written, the folder its
// text up to the last "/".
void AddPhotos(const QStringList& paths)
{
    CListImages* images = CListImages::GetInstance();
    images->list.clear();
    QList<QString> refused;
    for (const QString& path : paths)
        QVERIFY2(images->AddImage(path, refused), qPrintable(path));
}

bool SetAge(const QString& path, int days)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(QDateTime::currentDateTime().addDays(-days), QFileDevice::FileModificationTime);
}
} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void outputsStayInDestination_data();
    void outputsStayInDestination();
    void refusedFilterFailsAtOnce_data();
    void refusedFilterFailsAtOnce();
    void oversizedPhotoRefused();
    void photoThatIsNoFileRefused_data();
    void photoThatIsNoFileRefused();
    void controlCharactersNeitherInNamesNorLog_data();
    void controlCharactersNeitherInNamesNorLog();
    void staleCopyTemporariesRemoved();
    void linksAtOutputNamesNeverFollowed_data();
    void linksAtOutputNamesNeverFollowed();
    void linksInTemporaryFolderRemoved();
};

void TestHostileInput::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
}

void TestHostileInput::init()
{
    CPromptSeam::Reset();
    QFile::remove(CProcessController::GeneralLogPath());
}

void TestHostileInput::outputsStayInDestination_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("subfolder");
    QTest::addColumn<QStringList>("photos");  // relative to the job's folder
    QTest::addColumn<QStringList>("outputs"); // relative to the job's folder
    QTest::addColumn<bool>("refused");

    QTest::newRow("mode 1, photo path with ..")
        << 1 << QString() << QStringList{"src/a.png", "src/../other/deep/b.png"}
        << QStringList{"out/other/deep/b.png", "out/src/a.png"} << false;
    QTest::newRow("mode 1, photo path with . and //")
        << 1 << QString() << QStringList{"src/./a.png", "src//x/b.png"}
        << QStringList{"out/a.png", "out/x/b.png"} << false;
    QTest::newRow("mode 3, sub-folder climbing out")
        << 3 << "../../ESCAPED" << QStringList{"in/deep/a.png"} << QStringList{} << true;
    QTest::newRow("mode 3, absolute sub-folder name stays below the photo")
        << 3 << "/abs" << QStringList{"in/a.png"} << QStringList{"in/abs/a.png"} << false;
    QTest::newRow("mode 3, sub-folder that comes back")
        << 3 << "a/../b" << QStringList{"in/a.png"} << QStringList{"in/b/a.png"} << false;
}

// Outputs land under the destination whatever the photo paths or the
// sub-folder name say; an output outside is refused before anything, even a
// folder, is created.
void TestHostileInput::outputsStayInDestination()
{
    QFETCH(int, mode);
    QFETCH(QString, subfolder);
    QFETCH(QStringList, photos);
    QFETCH(QStringList, outputs);
    QFETCH(bool, refused);

    const QString root = NewJob("escape");
    QStringList sources;
    for (const QString& photo : photos) {
        const QString clean = QDir::cleanPath(root + "/" + photo);
        MakePhoto(QFileInfo(clean).absolutePath(), QFileInfo(clean).fileName());
        sources << QDir(root).relativeFilePath(clean);
    }
    QStringList before = Tree(root);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->silentScript = true; // an output on a source is numbered, never asked about
    profile->OutputFolderStruct = mode;
    profile->OutputFolder = subfolder;
    QStringList paths;
    for (const QString& photo : photos)
        paths << root + "/" + photo;
    AddPhotos(paths);
    SetFilters({Filter(3080, "Negative")});

    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), refused ? int(photos.size()) : 0);
    QStringList created = Tree(root);
    for (const QString& entry : std::as_const(before))
        created.removeAll(entry);
    // Folders created for the outputs, then the outputs.
    QStringList expected = outputs;
    for (const QString& output : outputs) {
        for (QString folder = QFileInfo(output).path(); folder != "." && folder != "out";
             folder = QFileInfo(folder).path()) {
            if (!before.contains(folder) && !expected.contains(folder))
                expected << folder;
        }
    }
    expected.sort();
    QCOMPARE(created, expected);
    QVERIFY(!QFileInfo::exists(QFileInfo(root).path() + "/ESCAPED"));
    if (refused)
        QVERIFY2(controller->LogBuffer().contains(" lies outside its destination folder "),
                 qPrintable(controller->LogBuffer()));
}

// A shadow of size 1000 would take minutes on a 640 x 480 photo, and a
// resize to 0 x 0 pixels cannot be done: the filter fails at once with its
// reason, the photo counts as failed and is written without it.
void TestHostileInput::refusedFilterFailsAtOnce_data()
{
    QTest::addColumn<quint32>("id");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<double>>("params");
    QTest::addColumn<QString>("reason");
    QTest::newRow("shadow of size 1000") << 2020u << "Shadow" << QList<double>{50, 1000, 0, 0}
                                         << "The 'Shadow' filter's size of 1000 is beyond its limit of 99.";
    QTest::newRow("resize to 0 x 0 pixels") << 5040u << "Resize" << QList<double>{0, 0, 1, 0, 0, 0}
                                            << "The 'Resize' filter's width of 0 is too small to resize to.";
}

void TestHostileInput::refusedFilterFailsAtOnce()
{
    QFETCH(quint32, id);
    QFETCH(QString, name);
    QFETCH(QList<double>, params);
    QFETCH(QString, reason);
    const QString root = NewJob("refused");
    const QString photo = MakePhoto(root, "a.png", 640, 480);
    SFilterRecord refused = Filter(id, name);
    refused.numParams = quint8(params.size());
    std::copy(params.begin(), params.end(), refused.params);
    SetPhotos({photo});
    SetFilters({refused, Filter(3080, "Negative")});

    auto controller = Run();
    QVERIFY(controller);
    QVERIFY2(controller->RunTimeMs() < 5000, qPrintable(QString::number(controller->RunTimeMs())));
    QCOMPARE(controller->ErrorCount(), 1);
    const QString log = controller->LogBuffer();
    QVERIFY2(log.contains(" - Failed to apply '" + name + "' filter to " + photo + "\r\n - " + reason + "\r\n"),
             qPrintable(log));
    QVERIFY(controller->LogViewText().contains(reason));
    QVERIFY(IsNegativeOf(QImage(root + "/out/a.png"), QImage(photo)));
}

// A few hundred bytes that declare 30000 x 30000 pixels: refused before
// decoding, with the reason in the log; the other photo is processed.
void TestHostileInput::oversizedPhotoRefused()
{
    const QString root = NewJob("bomb");
    const QString good = MakePhoto(root, "good.png");
    const QString bomb = MakePngBomb(root, "bomb.png", 30000, 30000);
    QVERIFY(!bomb.isEmpty());
    SetPhotos({bomb, good});
    SetFilters({Filter(3080, "Negative")});

    auto controller = Run();
    QVERIFY(controller);
    QVERIFY2(controller->RunTimeMs() < 5000, qPrintable(QString::number(controller->RunTimeMs())));
    QCOMPARE(controller->ErrorCount(), 1);
    const QString log = controller->LogBuffer();
    QVERIFY2(log.contains(" - Failed to load " + bomb + "\r\n"
                          " - 30000 x 30000 pixels is more than one photo may have here ("),
             qPrintable(log));
    QCOMPARE(FilesIn(root + "/out"), QStringList{"good.png"});
}

// A FIFO named like a photo: opening it to read waits for a writer that
// never comes, so the run must refuse it rather than wait.
void TestHostileInput::photoThatIsNoFileRefused_data()
{
    QTest::addColumn<bool>("filtered");
    QTest::newRow("re-encoded") << true;
    QTest::newRow("copied unchanged") << false;
}

void TestHostileInput::photoThatIsNoFileRefused()
{
    QFETCH(bool, filtered);
    const QString root = NewJob("fifo");
    const QString good = MakePhoto(root, "good.png");
    const QString fifo = root + "/pipe.png";
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    SetPhotos({fifo, good});
    if (filtered)
        SetFilters({Filter(3080, "Negative")});

    auto controller = std::make_unique<CProcessController>();
    QSignalSpy finished(controller.get(), &CProcessController::RunFinished);
    if (!controller->IsRunFinished() && !finished.wait(30000)) {
        // A writer that closes at once ends the worker's wait.
        const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
        QFAIL("the run waits for the FIFO");
    }
    QCOMPARE(controller->ErrorCount(), 1);
    QVERIFY2(controller->LogBuffer().contains(" - Failed to load " + fifo + "\r\n"), qPrintable(controller->LogBuffer()));
    QCOMPARE(FilesIn(root + "/out"), QStringList{"good.png"});
}

void TestHostileInput::controlCharactersNeitherInNamesNorLog_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("logged");
    QTest::newRow("line break forging a log line")
        << "x\r\n - Processed FAKE.png" << "x__ - Processed FAKE.png" << "x\\r\\n - Processed FAKE.png";
    QTest::newRow("right-to-left override") << QString("photo") + QChar(0x202E) + "gnp.exe.png"
                                            << "photo_gnp.exe.png" << "photo\\u202Egnp.exe.png";
    QTest::newRow("tab and C1 control") << QString("a\tb") + QChar(0x9B) + ".png" << "a_b_.png"
                                        << "a\\tb\\x9B.png";
}

// Names made from such sources replace the characters; the log shows the
// source's path escaped, one line per photo.
void TestHostileInput::controlCharactersNeitherInNamesNorLog()
{
    QFETCH(QString, name);
    QFETCH(QString, output);
    QFETCH(QString, logged);
    const QString root = NewJob("controls");
    const QString photo = MakePhoto(root, name);
    QVERIFY(QFileInfo::exists(photo));
    SetPhotos({photo});
    SetFilters({Filter(3080, "Negative")});

    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QCOMPARE(FilesIn(root + "/out"), QStringList{output});
    const QString log = QString::fromUtf8(ReadAll(CProcessController::GeneralLogPath()));
    QVERIFY2(log.contains("\r\n - Processed " + root + "/" + logged + "\r\n"), qPrintable(log));
    for (const QString& line : log.split("\r\n")) {
        QVERIFY2(!line.startsWith(" - Processed FAKE"), qPrintable(line));
        for (const QChar c : line)
            QVERIFY2(c.unicode() >= 0x20 && c != QChar(0x202E) && c != QChar(0x9B), qPrintable(line));
    }
}

// A copy or write cut short by a killed run leaves ".gbcopy-XXXXXX" or
// ".gbwrite-XXXXXX": the next run into that folder removes ours that are
// older than a day, nothing else.
void TestHostileInput::staleCopyTemporariesRemoved()
{
    const QString root = NewJob("stale");
    const QString out = root + "/out";
    const QString photo = MakePhoto(root, "a.png");
    QVERIFY(ServerFixtures::WriteFile(out + "/.gbcopy-OLD111", "half a copy"));
    QVERIFY(SetAge(out + "/.gbcopy-OLD111", 2));
    QVERIFY(ServerFixtures::WriteFile(out + "/.gbwrite-OLD666", "half a write"));
    QVERIFY(SetAge(out + "/.gbwrite-OLD666", 3));
    QVERIFY(ServerFixtures::WriteFile(out + "/.gbcopy-NEW222", "a copy in progress"));
    QVERIFY(ServerFixtures::WriteFile(out + "/.gbwork-OLD333", "not ours by name"));
    QVERIFY(SetAge(out + "/.gbwork-OLD333", 2));
    QVERIFY(ServerFixtures::WriteFile(root + "/keep.txt", "the target of a link"));
    QVERIFY(SetAge(root + "/keep.txt", 2));
    QVERIFY(QFile::link(root + "/keep.txt", out + "/.gbcopy-LINK44"));
    const bool root_user = ::geteuid() == 0;
    if (root_user) {
        QVERIFY(ServerFixtures::WriteFile(out + "/.gbcopy-OTHER5", "another user's"));
        QVERIFY(SetAge(out + "/.gbcopy-OTHER5", 2));
        QCOMPARE(::chown(QFile::encodeName(out + "/.gbcopy-OTHER5").constData(), 65534, 65534), 0);
    }
    SetPhotos({photo});

    auto controller = Run();
    QVERIFY(controller);
    QStringList expected = {".gbcopy-LINK44", ".gbcopy-NEW222", ".gbwork-OLD333", "a.png"};
    if (root_user)
        expected.insert(2, ".gbcopy-OTHER5");
    QCOMPARE(FilesIn(out), expected);
    QCOMPARE(ReadAll(root + "/keep.txt"), QByteArray("the target of a link"));
}

void TestHostileInput::linksAtOutputNamesNeverFollowed_data()
{
    QTest::addColumn<bool>("dangling");
    QTest::addColumn<bool>("reencode"); // else the photo is copied unchanged
    QTest::newRow("dangling link, written") << true << true;
    QTest::newRow("live link, replaced by a write") << false << true;
    QTest::newRow("live link, replaced by a copy") << false << false;
}

// A link at an output name is replaced by the output; what it points to is
// neither created, nor written, nor unlocked.
void TestHostileInput::linksAtOutputNamesNeverFollowed()
{
    QFETCH(bool, dangling);
    QFETCH(bool, reencode);
    const QString root = NewJob("links");
    const QString out = root + "/out";
    const QString photo = MakePhoto(root, "a.png");
    // A dangling link points into a folder that exists.
    const QString victim = root + (dangling ? "/victim/made.png" : "/victim/keep.txt");
    QVERIFY(QDir().mkpath(root + "/victim"));
    if (!dangling) {
        QVERIFY(ServerFixtures::WriteFile(victim, "keep me"));
        QVERIFY(QFile::setPermissions(victim, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    }
    QVERIFY(QFile::link(victim, out + "/a.png"));
    // Overwriting on: an existing target is replaced without a question.
    CUserProfile::GetInstance()->DisableNotifications = true;
    SetPhotos({photo});
    SetFilters(reencode ? QList<SFilterRecord>{Filter(3080, "Negative")} : QList<SFilterRecord>{});

    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    const QFileInfo output(out + "/a.png");
    QVERIFY(!output.isSymLink());
    QVERIFY(output.isFile());
    if (reencode)
        QVERIFY(IsNegativeOf(QImage(out + "/a.png"), QImage(photo)));
    else
        QCOMPARE(ReadAll(out + "/a.png"), ReadAll(photo));
    if (dangling) {
        QCOMPARE(QDir(root + "/victim").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList());
    } else {
        QCOMPARE(ReadAll(victim), QByteArray("keep me"));
        // Owner, group and others: the "user" bits say what we may do (root may write).
        const QFile::Permissions classes(0x7777 & ~0x0F00);
        QCOMPARE(QFile::permissions(victim) & classes, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

// Links inside the private temporary folder, at an output's name or as a
// folder, are removed before anything is written there; other files stay.
void TestHostileInput::linksInTemporaryFolderRemoved()
{
    const QString root = NewJob("templinks");
    const QString temp = COutputPaths::TempFolder();
    RemoveDir(temp);
    QVERIFY(COutputPaths::PrepareTempFolder());
    QVERIFY(ServerFixtures::WriteFile(root + "/victim/keep.txt", "keep me"));
    QVERIFY(QFile::link(root + "/victim/keep.txt", temp + "/a.png"));
    QVERIFY(QFile::link(root + "/nowhere/made.png", temp + "/b.png"));
    QVERIFY(QFile::link(root + "/victim", temp + "/inside"));
    QVERIFY(ServerFixtures::WriteFile(temp + "/earlier.txt", "an earlier run's"));
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->Destination = 2;
    profile->SaveOnDiskMail = false;
    profile->silentScript = true;
    qputenv("GLIMMERBOX_OPENER", MailFixtures::MakeRecordingOpener().toLocal8Bit());
    SetPhotos({MakePhoto(root, "a.png"), MakePhoto(root, "b.png")});
    SetFilters({Filter(3080, "Negative")});

    auto controller = Run();
    qunsetenv("GLIMMERBOX_OPENER");
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QVERIFY(!controller->DeliveryFailed());
    QCOMPARE(ReadAll(root + "/victim/keep.txt"), QByteArray("keep me"));
    QCOMPARE(QDir(root + "/victim").entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"keep.txt"});
    QVERIFY(!QFileInfo::exists(root + "/nowhere"));
    // The outputs go to the run's own folder; the links are gone.
    const QList<QString> outputs = controller->OutputPaths();
    QCOMPARE(outputs.size(), 2);
    for (const QString& path : outputs) {
        const QFileInfo output(path);
        QVERIFY2(path.startsWith(temp + "/run-") && output.isFile() && !output.isSymLink(), qPrintable(path));
    }
    for (const QString& name : {QString("a.png"), QString("b.png")})
        QVERIFY2(!QFileInfo(temp + "/" + name).isSymLink(), qPrintable(name));
    QVERIFY(!QFileInfo(temp + "/inside").isSymLink());
    QCOMPARE(ReadAll(temp + "/earlier.txt"), QByteArray("an earlier run's"));
}

GB_TEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
