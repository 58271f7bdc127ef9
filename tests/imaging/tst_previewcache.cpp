#include "CIMImageCache.h"
#include "CImageManager.h"
#include "CPreviewStatusThread.h"
#include "CUserProfile.h"
#include "DisplayConversions.h"
#include "MagickCompat.h"
#include "ProgressMonitors.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPainter>

#include <memory>
#include <vector>

namespace {
// Writes a w x h image of one colour (ImageMagick colour text) to path.
void WriteImage(const QString& path, size_t width, size_t height, const char* colour, bool grey = false)
{
    Magick::Image image(Magick::Geometry(width, height), Magick::Color(colour));
    if (grey)
        image.type(Magick::GrayscaleType);
    image.depth(8);
    image.write(path.toStdString());
}

QRgb PixelOf(const Magick::Image& image, int x, int y)
{
    unsigned char rgba[4] = {0, 0, 0, 0};
    const_cast<Magick::Image&>(image).write(x, y, 1, 1, "RGBA", Magick::CharPixel, rgba);
    return qRgba(rgba[0], rgba[1], rgba[2], rgba[3]);
}
} // namespace

class TestPreviewCache : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void secondReadIsCacheHit();
    void cacheKeepsOneColourEntry_data();
    void cacheKeepsOneColourEntry();
    void changedFileIsReadAgain();
    void cachedCopyKeepsPixelsAndProperties();
    void abortBeforeReadFails_data();
    void abortBeforeReadFails();
    void zoomSizes_data();
    void zoomSizes();
    void zoomWithoutImageFails();
    void alphaToCheckboard();
    void imageToPixmap();
    void convertToQtImage_data();
    void convertToQtImage();
    void cmykConvertsAsColour();
    void transparentPixmap();
    void destroyedManagerLeavesNoMonitor();
    void progressReports_data();
    void progressReports();
    void statusLineFollowsRecord();
    void destroyedWorkerReceivesNothing();

private:
    int CountTrace(const QString& piece) const { return m_trace->Count(piece); }
    QString m_folder;
    std::unique_ptr<TraceCapture> m_trace; // made once the test runner has its own handler
};

void TestPreviewCache::initTestCase()
{
    m_folder = TestEnv::NewFolder("previewcache");
    m_trace = std::make_unique<TraceCapture>();
}

void TestPreviewCache::init()
{
    m_trace->Clear();
    CIMImageCache::GetInstance()->Clear();
}

void TestPreviewCache::secondReadIsCacheHit()
{
    const QString path = m_folder + "/a.png";
    WriteImage(path, 30, 20, "#ff0000");
    CImageManager manager;
    manager.preview = true;
    QVERIFY(manager.Read(path));
    QCOMPARE(CountTrace("- Cache hit"), 0);
    QVERIFY(manager.Read(path));
    QCOMPARE(CountTrace("- Cache hit"), 1);
    QCOMPARE(QSize(int(manager.image.columns()), int(manager.image.rows())), QSize(30, 20));
    QCOMPARE(PixelOf(manager.image, 3, 3), qRgba(255, 0, 0, 255));

    // Another preview manager (another preview thread) shares the entry.
    CImageManager other;
    other.preview = true;
    QVERIFY(other.Read(path));
    QCOMPARE(CountTrace("- Cache hit"), 2);
}

void TestPreviewCache::cacheKeepsOneColourEntry_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<QString>("reads"); // c colour, d another colour, g grey
    QTest::addColumn<int>("hits");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<int>("traced");
    QTest::newRow("one entry only") << true << "cdc" << 0 << "- Read with ImageMagick" << 3;
    QTest::newRow("grey is not cached and empties the cache")
        << true << "cggc" << 0 << "Image has less than 3 channels" << 2; // once per grey read
    QTest::newRow("processing managers do not use it") << false << "cc" << 0 << "Write." << 0;
}

void TestPreviewCache::cacheKeepsOneColourEntry()
{
    QFETCH(bool, preview);
    QFETCH(QString, reads);
    QFETCH(int, hits);
    QFETCH(QString, trace);
    QFETCH(int, traced);
    const QHash<QChar, QString> paths = {{'c', m_folder + "/entry_c.png"},
                                         {'d', m_folder + "/entry_d.png"},
                                         {'g', m_folder + "/entry_g.png"}};
    WriteImage(paths['c'], 10, 10, "#336699");
    WriteImage(paths['d'], 12, 10, "#0000ff");
    WriteImage(paths['g'], 10, 10, "#808080", true);
    CImageManager manager;
    manager.preview = preview;
    for (const QChar key : reads)
        QVERIFY(manager.Read(paths[key]));
    QCOMPARE(CountTrace("- Cache hit"), hits);
    QCOMPARE(CountTrace(trace), traced);
}

void TestPreviewCache::changedFileIsReadAgain()
{
    const QString path = m_folder + "/changed.png";
    WriteImage(path, 16, 16, "#ff0000");
    CImageManager manager;
    manager.preview = true;
    QVERIFY(manager.Read(path));

    // Rewritten in place with the same size in bytes: only the date differs.
    WriteImage(path, 16, 16, "#00ff00");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QFileInfo(path).lastModified().addSecs(5), QFileDevice::FileModificationTime));
    file.close();

    QVERIFY(manager.Read(path));
    QCOMPARE(CountTrace("- Cache hit"), 0);
    QCOMPARE(PixelOf(manager.image, 1, 1), qRgba(0, 255, 0, 255));
    QVERIFY(manager.Read(path));
    QCOMPARE(CountTrace("- Cache hit"), 1);
    QCOMPARE(PixelOf(manager.image, 1, 1), qRgba(0, 255, 0, 255));

    // A removed file is not served either.
    QVERIFY(QFile::remove(path));
    QVERIFY(!manager.Read(path));
    QCOMPARE(CountTrace("- Cache hit"), 1);
}

void TestPreviewCache::cachedCopyKeepsPixelsAndProperties()
{
    const QString path = m_folder + "/props.png";
    {
        Magick::Image image(Magick::Geometry(8, 6), MagickCompat::ColorRgba8(10, 20, 30, 128));
        MagickCompat::SetAlpha(image, true);
        image.resolutionUnits(MagickCore::PixelsPerInchResolution);
        MagickCompat::SetResolution(image, 300, 150);
        image.depth(8);
        image.write(path.toStdString());
    }
    CImageManager first;
    first.preview = true;
    QVERIFY(first.Read(path));
    const SImageProperties read = first.properties;

    CImageManager second;
    second.preview = true;
    QVERIFY(second.Read(path));
    QCOMPARE(CountTrace("- Cache hit"), 1);
    QCOMPARE(QSize(int(second.properties.width), int(second.properties.height)), QSize(8, 6));
    QVERIFY(second.properties.hasAlpha);
    QCOMPARE(QPointF(second.properties.densityX, second.properties.densityY),
             QPointF(read.densityX, read.densityY));
    QCOMPARE(second.properties.resolutionUnits, read.resolutionUnits);
    QVERIFY(MagickCompat::HasAlpha(second.image));
    QCOMPARE(PixelOf(second.image, 2, 2), PixelOf(first.image, 2, 2));
    QCOMPARE(qAlpha(PixelOf(second.image, 2, 2)), 128);
    QCOMPARE(MagickCompat::XResolution(second.image), read.densityX);
}

void TestPreviewCache::abortBeforeReadFails_data()
{
    QTest::addColumn<bool>("cachedFirst");
    QTest::newRow("decoded") << false;
    QTest::newRow("from the cache") << true;
}

void TestPreviewCache::abortBeforeReadFails()
{
    QFETCH(bool, cachedFirst);
    const QString path = m_folder + QString("/abort_%1.jpg").arg(cachedFirst);
    WriteImage(path, 400, 300, "#808000");
    CImageManager manager;
    manager.preview = true;
    if (cachedFirst)
        QVERIFY(manager.Read(path));
    manager.progress.abort = true;
    QVERIFY(!manager.Read(path));
    QVERIFY(!manager.image.isValid());
    manager.progress.abort = false;
    QVERIFY(manager.Read(path));
}

void TestPreviewCache::zoomSizes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("percent");
    QTest::addColumn<int>("newWidth");
    QTest::addColumn<int>("newHeight");
    QTest::newRow("halves round up") << 1001 << 667 << 50.0 << 501 << 334;
    QTest::newRow("double") << 40 << 30 << 200.0 << 80 << 60;
    QTest::newRow("tiny keeps a pixel") << 10 << 10 << 1.0 << 1 << 1;
    QTest::newRow("large reduction, sampled first") << 2001 << 1333 << 7.0 << 140 << 93;
}

void TestPreviewCache::zoomSizes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, percent);
    QFETCH(int, newWidth);
    QFETCH(int, newHeight);
    CImageManager manager;
    manager.preview = true;
    manager.SetImage(Magick::Image(Magick::Geometry(width, height), Magick::Color("#204060")));
    QVERIFY(manager.Zoom(percent));
    QCOMPARE(int(manager.image.columns()), newWidth);
    QCOMPARE(int(manager.image.rows()), newHeight);
}

void TestPreviewCache::zoomWithoutImageFails()
{
    CImageManager manager;
    QVERIFY(!manager.Zoom(50));
    manager.SetImage(Magick::Image(Magick::Geometry(20, 10), Magick::Color("red")));
    QVERIFY(!manager.Zoom(0));
    QCOMPARE(manager.image.columns(), size_t(20));

    // An aborted zoom leaves the image as it was.
    manager.preview = true;
    manager.progress.abort = true;
    QVERIFY(!manager.Zoom(300));
    QCOMPARE(manager.image.columns(), size_t(20));
}

void TestPreviewCache::alphaToCheckboard()
{
    CImageManager manager;
    Magick::Image opaque(Magick::Geometry(64, 64), Magick::Color("#336699"));
    manager.SetImage(opaque);
    QVERIFY(manager.AlphaToCheckboard());
    QCOMPARE(PixelOf(manager.image, 5, 5), qRgba(0x33, 0x66, 0x99, 255));

    Magick::Image transparent(Magick::Geometry(64, 64), MagickCompat::ColorRgba8(255, 0, 0, 0));
    MagickCompat::SetAlpha(transparent, true);
    // An opaque red square in the middle.
    transparent.composite(Magick::Image(Magick::Geometry(16, 16), Magick::Color("red")), 24, 24,
                          Magick::CopyCompositeOp);
    manager.SetImage(transparent);
    QVERIFY(manager.AlphaToCheckboard());
    QVERIFY(!MagickCompat::HasAlpha(manager.image));
    QCOMPARE(PixelOf(manager.image, 30, 30), qRgba(255, 0, 0, 255));
    // The pattern shows through the transparent part: two different greys.
    QSet<QRgb> seen;
    for (int x = 0; x < 24; ++x)
        seen.insert(PixelOf(manager.image, x, 0));
    QVERIFY(seen.size() >= 2);
    for (QRgb colour : seen) {
        QCOMPARE(qAlpha(colour), 255);
        QCOMPARE(qRed(colour), qGreen(colour));
    }
}

void TestPreviewCache::imageToPixmap()
{
    CImageManager manager;
    Magick::Image image(Magick::Geometry(20, 10), Magick::Color("#0000ff"));
    image.composite(Magick::Image(Magick::Geometry(5, 5), Magick::Color("#ff8000")), 10, 5,
                    Magick::CopyCompositeOp);
    manager.SetImage(image);
    const QPixmap block = manager.ImageToPixmap(QRect(QPoint(8, 3), QPoint(14, 9)));
    QCOMPARE(block.size(), QSize(7, 7));
    const QImage shown = block.toImage();
    QCOMPARE(shown.pixel(0, 0), qRgb(0, 0, 255));
    QCOMPARE(shown.pixel(2, 2), qRgb(255, 128, 0));
    QVERIFY(manager.ImageToPixmap(QRect(15, 0, 10, 5)).isNull());
    QVERIFY(manager.ImageToPixmap(QRect(-1, 0, 3, 3)).isNull());
}

void TestPreviewCache::convertToQtImage_data()
{
    QTest::addColumn<QString>("map");
    QTest::addColumn<QByteArray>("pixel");
    QTest::addColumn<uint>("expected");
    QTest::newRow("rgb") << "RGB" << QByteArray("\x10\x20\x30", 3) << uint(qRgba(0x10, 0x20, 0x30, 255));
    QTest::newRow("rgba") << "RGBA" << QByteArray("\x10\x20\x30\x40", 4) << uint(qRgba(0x10, 0x20, 0x30, 0x40));
    QTest::newRow("grey") << "I" << QByteArray("\x55", 1) << uint(qRgba(0x55, 0x55, 0x55, 255));
    QTest::newRow("grey with alpha") << "IA" << QByteArray("\x55\x22", 2) << uint(qRgba(0x55, 0x55, 0x55, 0x22));
}

void TestPreviewCache::convertToQtImage()
{
    QFETCH(QString, map);
    QFETCH(QByteArray, pixel);
    QFETCH(uint, expected);
    QByteArray pixels;
    for (int i = 0; i < 6; ++i)
        pixels += pixel;
    Magick::Image image;
    image.read(3, 2, map.toStdString(), Magick::CharPixel, pixels.constData());
    if (map == "I" || map == "IA")
        image.colorSpace(MagickCore::GRAYColorspace);
    const QImage converted = ConvertMagickToQtImage(image);
    QCOMPARE(converted.size(), QSize(3, 2));
    QCOMPARE(converted.format(), QImage::Format_ARGB32);
    QCOMPARE(uint(converted.pixel(2, 1)), expected);

    const QImage empty = ConvertMagickToQtImage(Magick::Image());
    QCOMPARE(empty.size(), QSize(1, 1));
    QCOMPARE(qAlpha(empty.pixel(0, 0)), 0);
}

void TestPreviewCache::cmykConvertsAsColour()
{
    Magick::Image image(Magick::Geometry(4, 4), Magick::Color("#ff0000"));
    image.colorSpace(MagickCore::CMYKColorspace);
    QVERIFY(MagickCompat::IsCMYK(image));
    const QColor pixel = ConvertMagickToQtImage(image).pixelColor(1, 1);
    QVERIFY(pixel.red() > 250 && pixel.green() < 5 && pixel.blue() < 5);
    QCOMPARE(pixel.alpha(), 255);
}

void TestPreviewCache::destroyedManagerLeavesNoMonitor()
{
    Magick::Image survivor;
    {
        CImageManager manager;
        manager.preview = true;
        manager.SetImage(Magick::Image(Magick::Geometry(300, 200), Magick::Color("#102030")));
        QVERIFY(manager.Zoom(50));
        survivor = manager.image;
    }
    // Without a monitor pointing into the destroyed manager this is an
    // ordinary scale.
    QVERIFY(survivor.constImage()->progress_monitor == nullptr);
    survivor.scale(Magick::Geometry(30, 20));
    QCOMPARE(survivor.columns(), size_t(30));
}

void TestPreviewCache::transparentPixmap()
{
    QPixmap source(4, 4);
    source.fill(QColor(200, 100, 50, 255));
    const QImage result = CreateTransparentPixmap(source, 128).toImage();
    QCOMPARE(result.size(), QSize(4, 4));
    const QColor pixel = result.pixelColor(1, 1);
    QCOMPARE(pixel.alpha(), 128);
    QVERIFY(qAbs(pixel.red() - 200) <= 1);
}

void TestPreviewCache::progressReports_data()
{
    QTest::addColumn<qlonglong>("done");
    QTest::addColumn<qlonglong>("total");
    QTest::addColumn<int>("percent");
    QTest::newRow("half") << 5LL << 10LL << 50;
    QTest::newRow("rounds half up") << 1LL << 8LL << 13;
    QTest::newRow("zero extent keeps the last value") << 3LL << 0LL << 77;
    QTest::newRow("raw stages") << 95LL << 100LL << 95;
}

void TestPreviewCache::progressReports()
{
    QFETCH(qlonglong, done);
    QFETCH(qlonglong, total);
    QFETCH(int, percent);
    SProgressData record;
    record.percent = 77;
    QVERIFY(MagickProgressMonitor("Load/Image", done, total, &record));
    QCOMPARE(int(record.percent), percent);
    record.percent = 77;
    QVERIFY(ProgressMonitor(done, total, &record));
    QCOMPARE(int(record.percent), percent);

    // No record: carry on; abort: stop.
    QVERIFY(MagickProgressMonitor("x", done, total, nullptr));
    QVERIFY(ProgressMonitor(done, total, nullptr));
    record.abort = true;
    QVERIFY(!MagickProgressMonitor("x", done, total, &record));
    QVERIFY(!ProgressMonitor(done, total, &record));
}

void TestPreviewCache::statusLineFollowsRecord()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    CPreviewStatusThread worker;
    CImageManager manager;
    manager.SetThread(&worker);
    QCOMPARE(RegisteredProgressThread(), &worker);

    SProgressData record;
    record.statusText = "Loading...";
    QVERIFY(ProgressMonitor(30, 100, &record));
    QCOMPARE(profile->GetPreviewComment(), QString("Loading..."));
    record.done = true;
    QVERIFY(ProgressMonitor(100, 100, &record));
    QCOMPARE(profile->GetPreviewComment(), QString());

    // A stopping worker leaves the status line alone.
    record.done = false;
    worker.SetStopping(true);
    QVERIFY(ProgressMonitor(50, 100, &record));
    QCOMPARE(profile->GetPreviewComment(), QString());
    worker.SetStopping(false);

    // A thread that is no preview thread registers nothing.
    QThread plain;
    manager.SetThread(&plain);
    QCOMPARE(RegisteredProgressThread(), static_cast<CPreviewStatusThread*>(nullptr));
    QVERIFY(ProgressMonitor(50, 100, &record));
    QCOMPARE(profile->GetPreviewComment(), QString());
}

void TestPreviewCache::destroyedWorkerReceivesNothing()
{
    CImageManager manager;
    auto first = std::make_unique<CPreviewStatusThread>();
    CPreviewStatusThread second;
    manager.SetThread(first.get());
    manager.SetThread(&second);
    first.reset();
    QCOMPARE(RegisteredProgressThread(), &second);

    auto last = std::make_unique<CPreviewStatusThread>();
    manager.SetThread(last.get());
    last.reset();
    QCOMPARE(RegisteredProgressThread(), static_cast<CPreviewStatusThread*>(nullptr));
    SProgressData record;
    record.statusText = "Zooming...";
    QVERIFY(MagickProgressMonitor("x", 1, 2, &record));
}

GB_TEST_MAIN(TestPreviewCache)
#include "tst_previewcache.moc"
