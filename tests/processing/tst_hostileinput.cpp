// Whole runs over hostile input: costly filter values and photos that
// declare more pixels than memory holds.
#include "CFormatsEnum.h"
#include "CProcessController.h"
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "PngBomb.h"
#include "ProcessTestKit.h"
#include "TestEnv.h"

#include <QFile>
#include <QImage>

using namespace ProcessTestKit;

class TestHostileInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void costlyFilterFailsAtOnce();
    void oversizedPhotoRefused();
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

GB_TEST_MAIN(TestHostileInput)
#include "tst_hostileinput.moc"
