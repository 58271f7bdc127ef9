// Whole runs over hostile input: costly filter values, photos that declare
// more pixels than memory holds, names with control characters, and what a
// killed run left behind.
#include "CFormatsEnum.h"
#include "CProcessController.h"
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "PngBomb.h"
#include "ProcessTestKit.h"
#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <unistd.h>

using namespace ProcessTestKit;

namespace {
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
    void costlyFilterFailsAtOnce();
    void oversizedPhotoRefused();
    void controlCharactersNeitherInNamesNorLog_data();
    void controlCharactersNeitherInNamesNorLog();
    void staleCopyTemporariesRemoved();
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

// A shadow of size 1000 would take minutes on a 640 x 480 photo: the filter
// fails at once with its reason, and the photo is written without it.
void TestHostileInput::costlyFilterFailsAtOnce()
{
    const QString root = NewJob("costly");
    const QString photo = MakePhoto(root, "a.png", 640, 480);
    SFilterRecord shadow = Filter(2020, "Shadow");
    shadow.numParams = 4;
    shadow.params[0] = 50;
    shadow.params[1] = 1000;
    SetPhotos({photo});
    SetFilters({shadow, Filter(3080, "Negative")});

    auto controller = Run();
    QVERIFY(controller);
    QVERIFY2(controller->RunTimeMs() < 5000, qPrintable(QString::number(controller->RunTimeMs())));
    QCOMPARE(controller->ErrorCount(), 1);
    const QString log = controller->LogBuffer();
    QVERIFY2(log.contains(" - Failed to apply 'Shadow' filter to " + photo + "\r\n"
                          " - The 'Shadow' filter's size of 1000 is beyond its limit of 99.\r\n"),
             qPrintable(log));
    QVERIFY(controller->LogViewText().contains("The 'Shadow' filter's size of 1000 is beyond its limit of 99."));
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

// A copy cut short by a killed run leaves ".gbcopy-XXXXXX": the next run into
// that folder removes ours that are older than a day, nothing else.
void TestHostileInput::staleCopyTemporariesRemoved()
{
    const QString root = NewJob("stale");
    const QString out = root + "/out";
    const QString photo = MakePhoto(root, "a.png");
    QVERIFY(ServerFixtures::WriteFile(out + "/.gbcopy-OLD111", "half a copy"));
    QVERIFY(SetAge(out + "/.gbcopy-OLD111", 2));
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

GB_TEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
