// Where a processing run may wait: outputs are flushed to the disk only
// where a source depends on them.
#include "CFormatsEnum.h"
#include "CProcessThread.h"
#include "ProcessTestKit.h"
#include "TestEnv.h"

using namespace ProcessTestKit;

class TestRunWaits : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mustFlushOutput_data();
    void mustFlushOutput();
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

GB_TEST_MAIN(TestRunWaits)
#include "tst_runwaits.moc"
