#include "CMagickRuntime.h"
#include "MagickCompat.h"
#include "TestEnv.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <unistd.h>

class TestMagickRuntime : public QObject
{
    Q_OBJECT
private slots:
    void policyInstalled();
    void limitsFitLargePhotos();
    void limitsFollowMachineAndWorkers();
    void documentFormatsRoundTrip_data();
    void documentFormatsRoundTrip();
    void colourHelperUses8BitValues();
};

void TestMagickRuntime::policyInstalled()
{
    QVERIFY(CMagickRuntime::IsInitialized());
    QVERIFY(QFileInfo::exists(CMagickRuntime::PolicyPath()));
    QVERIFY(CMagickRuntime::Initialize(nullptr));
}

void TestMagickRuntime::limitsFitLargePhotos()
{
    // A 24-megapixel photo at 16 bits per channel needs about 200 MB per copy.
    QVERIFY(Magick::ResourceLimits::memory() >= MagickCore::MagickSizeType(2) * 1024 * 1024 * 1024);
    QVERIFY(Magick::ResourceLimits::area() >= MagickCore::MagickSizeType(200) * 1000 * 1000);
}

// Memory and the room beyond it stay within a quarter of the machine's memory
// each, and the disk caches within half the free space, so that no photo
// exhausts memory or fills the disk; a photo's share shrinks with the number
// of workers. No file is mapped: one shrunk while it is read would kill the
// process.
void TestMagickRuntime::limitsFollowMachineAndWorkers()
{
    const MagickCore::MagickSizeType memory =
        MagickCore::MagickSizeType(sysconf(_SC_PHYS_PAGES)) * MagickCore::MagickSizeType(sysconf(_SC_PAGE_SIZE));
    QVERIFY(Magick::ResourceLimits::memory() <= memory / 4);
    QCOMPARE(Magick::ResourceLimits::map(), MagickCore::MagickSizeType(0));
    const qint64 freeSpace = QStorageInfo(QDir::tempPath()).bytesAvailable();
    QVERIFY(Magick::ResourceLimits::disk() <= MagickCore::MagickSizeType(freeSpace) / 2 + (MagickCore::MagickSizeType(1) << 30));

    const int before = CMagickRuntime::WorkerCount();
    CMagickRuntime::SetWorkerCount(1);
    const qint64 alone = CMagickRuntime::PhotoByteLimit();
    QVERIFY(alone <= qint64(memory / 4));
    CMagickRuntime::SetWorkerCount(8);
    const qint64 shared = CMagickRuntime::PhotoByteLimit();
    QVERIFY(shared * 8 <= qint64(Magick::ResourceLimits::memory() + memory / 4));
    QVERIFY(shared < alone);
    // A 24-megapixel photo always fits; 30000 x 30000 never does.
    QCOMPARE(CMagickRuntime::CheckPhotoSize(6000, 4000), QString());
    QVERIFY(!CMagickRuntime::CheckPhotoSize(30000, 30000).isEmpty());
    CMagickRuntime::SetWorkerCount(before);
    QCOMPARE(CMagickRuntime::WorkerCount(), before);
}

void TestMagickRuntime::documentFormatsRoundTrip_data()
{
    QTest::addColumn<QString>("coder");
    QTest::addColumn<QString>("extension");
    QTest::newRow("pdf") << "PDF" << "pdf";
    QTest::newRow("eps") << "EPS" << "eps";
}

void TestMagickRuntime::documentFormatsRoundTrip()
{
    QFETCH(QString, coder);
    QFETCH(QString, extension);
    const QString path = TestEnv::NewFolder("docs") + "/page." + extension;
    Magick::Image image(Magick::Geometry(64, 48), MagickCompat::ColorRgba8(200, 30, 30));
    image.depth(8);
    try {
        image.write((coder + ":" + path).toStdString());
    } catch (const Magick::Exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(QFileInfo(path).size() > 0);

    Magick::Image back;
    try {
        back.read(path.toStdString());
    } catch (const Magick::Warning&) {
    } catch (const Magick::Exception& e) {
        QFAIL(e.what());
    }
    QVERIFY(back.columns() > 0 && back.rows() > 0);
    const Magick::Color centre = back.pixelColor(back.columns() / 2, back.rows() / 2);
    QVERIFY(MagickCompat::To8(centre.redQuantum()) > 150);
    QVERIFY(MagickCompat::To8(centre.greenQuantum()) < 80);
}

void TestMagickRuntime::colourHelperUses8BitValues()
{
    const Magick::Color opaque = MagickCompat::ColorRgba8(255, 128, 0);
    QCOMPARE(int(opaque.redQuantum()), int(MagickCompat::QuantumMax()));
    QCOMPARE(int(opaque.alphaQuantum()), 0); // opacity 0 means opaque in Magick++ 6
    const Magick::Color clear = MagickCompat::ColorRgba8(0, 0, 0, 0);
    QCOMPARE(int(clear.alphaQuantum()), int(MagickCompat::QuantumMax()));
    QCOMPARE(MagickCompat::Q8(255), MagickCompat::QuantumMax());
}

GB_TEST_MAIN(TestMagickRuntime)
#include "tst_magickruntime.moc"
