// Where a processing run may wait: outputs are flushed to the disk only
// where a source depends on them, the photos are handed out so that the
// workers finish together, with names and keys as they were, and a long log
// is carried over whole.
#include "CFormatsEnum.h"
#include "CProcessController.h"
#include "CProcessThread.h"
#include "CUserProfile.h"
#include "ProcessTestKit.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

using namespace ProcessTestKit;

class TestRunWaits : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mustFlushOutput_data();
    void mustFlushOutput();
    void handOutOrder_data();
    void handOutOrder();
    void mixedSizesOnEightWorkersKeepTheirNames();
    void longLogIsCarriedOverWhole();
};

void TestRunWaits::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
}

void TestRunWaits::mustFlushOutput_data()
{
    QTest::addColumn<bool>("deleteSource");
    QTest::addColumn<bool>("sameFile");
    QTest::addColumn<bool>("flush");
    QTest::newRow("source stays") << false << false << false;
    QTest::newRow("source deleted") << true << false << true;
    QTest::newRow("output replaces its source") << false << true << true;
    QTest::newRow("both") << true << true << true;
}

void TestRunWaits::mustFlushOutput()
{
    QFETCH(bool, deleteSource);
    QFETCH(bool, sameFile);
    QFETCH(bool, flush);
    const QString folder = TestEnv::NewFolder("flush");
    const QString source = MakePhoto(folder, "a.png");
    // The same file under a second spelling of its path.
    const QString output = sameFile ? folder + "/./a.png" : folder + "/out.png";
    QCOMPARE(CProcessThread::MustFlushOutput(deleteSource, source, output), flush);
}

void TestRunWaits::handOutOrder_data()
{
    QTest::addColumn<int>("workers");
    QTest::addColumn<QString>("order");
    // Files a to e of 10, 300, 10, 5000 and 0 (missing) bytes.
    QTest::newRow("one worker: the list") << 1 << "abcde";
    QTest::newRow("eight workers: largest first") << 8 << "dbace";
    QTest::newRow("two workers") << 2 << "dbace";
}

void TestRunWaits::handOutOrder()
{
    QFETCH(int, workers);
    QFETCH(QString, order);
    const QString folder = TestEnv::NewFolder("order");
    const QList<QPair<QString, int>> files = {{"a", 10}, {"b", 300}, {"c", 10}, {"d", 5000}, {"e", -1}};
    QList<SImageRecord> photos;
    for (const auto& [name, size] : files) {
        SImageRecord photo;
        photo.path = folder + "/" + name + ".jpg";
        photo.key = photos.size();
        if (size >= 0) {
            QFile file(photo.path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray(size, 'x'));
        }
        photos.append(photo);
    }
    QString result;
    for (const SImageRecord& photo : CProcessController::HandOutOrder(photos, workers))
        result += QFileInfo(photo.path).baseName();
    QCOMPARE(result, order);
}

// Handed out largest first, the photos are still named by their place in
// the list.
void TestRunWaits::mixedSizesOnEightWorkersKeepTheirNames()
{
    const QString root = NewJob("mixed");
    QStringList photos;
    for (int i = 0; i < 24; ++i) {
        const int side = i % 7 == 3 ? 160 : 12 + i;
        photos << MakePhoto(root + "/in", QString("p%1.png").arg(i, 2, 10, QChar('0')), side, side,
                            qRgb(i * 10, 90, 30));
    }
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->useMulticore = true;
    profile->FilenameFormat = "n [Counter]";
    profile->CounterStart = 1;
    profile->CounterDigits = 2;
    SetPhotos(photos);
    SetFilters({Filter(3080, "Negative")});
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QCOMPARE(FilesIn(root + "/out").size(), 24);
    for (int i = 0; i < 24; ++i) {
        const QImage output(root + QString("/out/n %1.png").arg(i + 1, 2, 10, QChar('0')));
        QVERIFY2(IsNegativeOf(output, QImage(photos[i])), qPrintable(photos[i]));
    }
    QCOMPARE(controller->LogBuffer().count(" - Processed "), 24);
}

// The log holds every run, newest first: an old log of some megabytes is
// copied behind the new run byte for byte.
void TestRunWaits::longLogIsCarriedOverWhole()
{
    const QString root = NewJob("longlog");
    const QString log = CProcessController::GeneralLogPath();
    QDir().mkpath(QFileInfo(log).absolutePath());
    QByteArray old;
    for (int i = 0; old.size() < 3 * 1024 * 1024 + 17; ++i)
        old += QString(" - Processed /photos/%1.jpg\r\n").arg(i).toUtf8();
    {
        QFile file(log);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("\xEF\xBB\xBF" + old);
    }
    SetPhotos({MakePhoto(root, "a.png")});
    SetFilters({Filter(3080, "Negative")});
    auto controller = Run();
    QVERIFY(controller);
    const QByteArray written = ReadAll(log);
    const QByteArray run = controller->LogBuffer().toUtf8();
    QCOMPARE(written.size(), 3 + run.size() + old.size());
    QVERIFY(written.startsWith("\xEF\xBB\xBF" + run));
    QVERIFY(written.endsWith(old));
    QVERIFY(!QFile::exists(log + ".tmp"));
}

GB_TEST_MAIN(TestRunWaits)
#include "tst_runwaits.moc"
