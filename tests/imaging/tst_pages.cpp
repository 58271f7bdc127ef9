#include "CFormatsEnum.h"
#include "CImageManager.h"
#include "CPhotoPing.h"
#include "CUserProfile.h"
#include "ImagingTestKit.h"
#include "JpegFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>

using namespace ImagingTestKit;

namespace {
// The 8-bit RGB of an image's top-left pixel, as "r,g,b".
QString Corner(const Magick::Image& image)
{
    unsigned char rgb[3] = {};
    const_cast<Magick::Image&>(image).write(0, 0, 1, 1, "RGB", Magick::CharPixel, rgb);
    return QString("%1,%2,%3").arg(rgb[0]).arg(rgb[1]).arg(rgb[2]);
}

QStringList Corners(const QString& path)
{
    std::list<Magick::Image> images;
    Magick::readImages(&images, path.toStdString());
    QStringList corners;
    for (const Magick::Image& image : images)
        corners << Corner(image);
    return corners;
}

SFilterRecord Negate()
{
    SFilterRecord record;
    record.filterId = 3080;
    record.active = 1;
    return record;
}
} // namespace

class TestPages : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void pageCount_data();
    void pageCount();
    void layerModes_data();
    void layerModes();
    void everyLayerAsSeparateFiles();
    void flattenedWriteGetsFormatOptions();
    void documentFromFivePhotos();
    void multipageReadTakesPropertiesAndColourState_data();
    void multipageReadTakesPropertiesAndColourState();
    void warningsDoNotLosePages();
    void damagedProfileLeavesPagesReadable();
    void invalidOrientationLeftOutOfPages();
    void failures();

private:
    QString m_folder;
    QString m_threePages; // red, green, blue pages of 30x20, 20x10, 10x5
};

void TestPages::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
    m_folder = TestEnv::NewFolder("pages");
    m_threePages = m_folder + "/three.tif";
    QVERIFY(RunTool("convert", {"-size", "30x20", "xc:red", "-size", "20x10", "xc:lime", "-size", "10x5",
                                "xc:blue", "-depth", "8", m_threePages}));
}

void TestPages::init()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->multipageWrite = 0;
    profile->Quality = 88;
    profile->TiffType = 2;
    profile->TiffAlg = 0;
    profile->JpegType = 1;
}

void TestPages::pageCount_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("count");
    QTest::newRow("three-page tiff") << "tif3" << 3;
    QTest::newRow("animated gif") << "gif2" << 2;
    QTest::newRow("single png") << "png" << 1;
    QTest::newRow("tiff named as raw") << "nef" << 1;
    QTest::newRow("text named png") << "text" << 0;
    QTest::newRow("missing") << "missing" << 0;
    QTest::newRow("empty path") << "empty" << 0;
    QTest::newRow("relative name with a coder prefix") << "prefix" << 0;
}

void TestPages::pageCount()
{
    QFETCH(QString, kind);
    QFETCH(int, count);
    QString path;
    if (kind == "tif3") {
        path = m_threePages;
    } else if (kind == "gif2") {
        path = m_folder + "/anim.gif";
        QVERIFY(RunTool("convert", {"-size", "8x8", "xc:red", "xc:blue", path}));
    } else if (kind == "png") {
        path = m_folder + "/one.png";
        QVERIFY(RunTool("convert", {"-size", "8x8", "xc:red", path}));
    } else if (kind == "nef") {
        // A TIFF-based RAW: the extra directories are previews.
        path = m_folder + "/camera.NeF";
        QFile::remove(path);
        QVERIFY(QFile::copy(m_threePages, path));
    } else if (kind == "text") {
        path = m_folder + "/text.png";
        QVERIFY(JpegFixtures::WriteFile(path, "not an image\n"));
    } else if (kind == "missing") {
        path = m_folder + "/nothing-here.tif";
    } else if (kind == "prefix") {
        // A file name, not the library's text renderer.
        QVERIFY(QDir::setCurrent(m_folder));
        path = "label:Hi";
    }
    CImageManager manager;
    QCOMPARE(manager.GetPageCount(path), count);
    // The processing workers ping once for the page count and the date (a
    // RAW file through the RAW decoder, which this TIFF does not satisfy).
    if (kind == "nef")
        return;
    const CPhotoPing::Facts facts = CPhotoPing::Ping(manager, path);
    QCOMPARE(facts.pageCount, count);
    QCOMPARE(facts.ok, count > 0);
}

void TestPages::layerModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("pagesAfterFilter");
    QTest::addColumn<QStringList>("written");
    QTest::newRow("0 every layer") << 0 << QStringList{"0,255,255", "255,0,255", "255,255,0"}
                                   << QStringList{"0,255,255", "255,0,255", "255,255,0"};
    // Flattened, the last page lies on top at the corner.
    QTest::newRow("1 flatten") << 1 << QStringList{"255,0,0", "0,255,0", "0,0,255"} << QStringList{"255,255,0"};
    QTest::newRow("2 first layer only") << 2 << QStringList{"0,255,255", "0,255,0", "0,0,255"}
                                        << QStringList{"0,255,255"};
}

void TestPages::layerModes()
{
    QFETCH(int, mode);
    QFETCH(QStringList, pagesAfterFilter);
    QFETCH(QStringList, written);
    CUserProfile::GetInstance()->multipageWrite = mode;

    CImageManager manager;
    QVERIFY(manager.ReadMultipage(m_threePages));
    QVERIFY(manager.multipage);
    QCOMPARE(manager.pages.size(), 3);
    QCOMPARE(manager.image.isValid(), mode == 1);
    if (mode == 1) // the first page lies at the bottom and sets the canvas
        QCOMPARE(QString("%1x%2").arg(manager.image.columns()).arg(manager.image.rows()), QString("30x20"));

    QVERIFY(manager.ApplyFilterToMultipage(Negate()));
    QStringList corners;
    for (const Magick::Image& page : manager.pages)
        corners << Corner(page);
    QCOMPARE(corners, pagesAfterFilter);

    const QString out = m_folder + "/mode" + QString::number(mode) + ".tif";
    QVERIFY(manager.WriteMultipage(out, true));
    QVERIFY(manager.pages.isEmpty());
    QCOMPARE(Corners(out), written);
    const QStringList files = QDir(m_folder).entryList({"mode" + QString::number(mode) + "*"});
    QCOMPARE(files.size(), 1);
}

void TestPages::everyLayerAsSeparateFiles()
{
    const QString folder = TestEnv::NewFolder("separate");
    CImageManager manager;
    QVERIFY(manager.ReadMultipage(m_threePages));
    QVERIFY(manager.WriteMultipage(folder + "/layer.png", false));
    QCOMPARE(QDir(folder).entryList(QDir::Files), (QStringList{"layer-0.png", "layer-1.png", "layer-2.png"}));
    QCOMPARE(Corners(folder + "/layer-2.png"), QStringList{"0,0,255"});

    // A format that holds one image per file gets one file per page even
    // when one file is asked for.
    QVERIFY(manager.ReadMultipage(m_threePages));
    QVERIFY(manager.WriteMultipage(folder + "/single.jpg", true));
    QCOMPARE(QDir(folder).entryList({"single*"}), (QStringList{"single-0.jpg", "single-1.jpg", "single-2.jpg"}));
}

void TestPages::flattenedWriteGetsFormatOptions()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->multipageWrite = 1;
    profile->JpegType = 0;
    profile->Quality = 40;
    profile->TiffAlg = 2;
    CImageManager manager;
    QVERIFY(manager.ReadMultipage(m_threePages));
    const QString jpg = m_folder + "/flat.jpg";
    QVERIFY(manager.WriteMultipage(jpg, true));
    QCOMPARE(Identify(jpg, "%[colorspace] %Q %wx%h"), QString("Gray 40 30x20"));

    QVERIFY(manager.ReadMultipage(m_threePages));
    const QString tif = m_folder + "/flat.tif";
    QVERIFY(manager.WriteMultipage(tif, true));
    QCOMPARE(Identify(tif, "%C %n"), QString("Zip 1"));
}

void TestPages::documentFromFivePhotos()
{
    const QStringList colours = {"red", "lime", "blue", "white", "black"};
    const QStringList negated = {"0,255,255", "255,0,255", "255,255,0", "0,0,0", "255,255,255"};
    CImageManager manager;
    for (int i = 0; i < colours.size(); ++i) {
        const QString photo = m_folder + QString("/photo%1.png").arg(i);
        QVERIFY(RunTool("convert", {"-size", "16x12", "xc:" + colours[i], photo}));
        QVERIFY(manager.ReadAndInsertPage(photo));
        QVERIFY(!manager.image.isValid());
        // Every filter reaches only the page just added: earlier pages
        // would otherwise be negated back.
        QVERIFY(manager.ApplyFilterToCurrentPage(Negate()));
    }
    QCOMPARE(manager.pages.size(), 5);

    const QString tiff = m_folder + "/document.tif";
    QVERIFY(manager.WriteMultipage(tiff, true));
    QCOMPARE(Corners(tiff), negated);

    for (int i = 0; i < colours.size(); ++i)
        QVERIFY(manager.ReadAndInsertPage(m_folder + QString("/photo%1.png").arg(i)));
    const QString pdf = m_folder + "/document.pdf";
    QVERIFY(manager.WriteMultipage(pdf, true));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page "), qsizetype(5));
}

void TestPages::multipageReadTakesPropertiesAndColourState_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("every layer") << 0;
    QTest::newRow("flatten") << 1;
}

void TestPages::multipageReadTakesPropertiesAndColourState()
{
    QFETCH(int, mode);
    CUserProfile::GetInstance()->multipageWrite = mode;
    const QString cmyk = m_folder + "/cmyk.tif";
    QVERIFY(RunTool("convert", {"-size", "24x16", "xc:red", "-size", "12x8", "xc:blue", "-colorspace", "CMYK",
                                "-depth", "8", cmyk}));
    QCOMPARE(Identify(cmyk, "%[colorspace]"), QString("CMYK"));

    CImageManager manager;
    // A photo read before must not leave its state behind.
    manager.properties.cameraMake = "left over";
    QVERIFY(manager.ReadMultipage(cmyk));
    QVERIFY(manager.sourceWasCMYK);
    QCOMPARE(manager.properties.width, quint64(24));
    QCOMPARE(manager.properties.height, quint64(16));
    QVERIFY(manager.properties.cameraMake.isEmpty());
    for (const Magick::Image& page : manager.pages) {
        if (mode == 0)
            QVERIFY(page.colorSpace() != Magick::CMYKColorspace);
    }
    if (mode == 1) {
        QVERIFY(manager.image.colorSpace() != Magick::CMYKColorspace);
        QCOMPARE(Corner(manager.image).split(',').first().toInt() > 200, false); // blue page on top
    } else {
        const QStringList first = Corner(manager.pages.first()).split(',');
        QVERIFY(first[0].toInt() > 200 && first[2].toInt() < 60); // still red, now in RGB
    }

    // A plain file read next resets the flag.
    QVERIFY(manager.ReadMultipage(m_threePages));
    QVERIFY(!manager.sourceWasCMYK);
}

// Two 2x2 RGB pages (red, blue) whose directories carry a private tag that
// the TIFF library warns about.
static bool WriteTiffWithUnknownTag(const QString& path)
{
    using JpegFixtures::Entry;
    JpegFixtures::Tiff tiff(false);
    uint32_t previous = 0;
    for (const char* pixel : {"\xff\0\0", "\0\0\xff"}) {
        const uint32_t data = tiff.AddBytes(QByteArray(pixel, 3).repeated(4));
        const uint32_t directory = tiff.AddDirectory(
            {tiff.Short(256, 2), tiff.Short(257, 2), Entry{258, 3, 3, tiff.U16(8).repeated(3)}, tiff.Short(259, 1),
             tiff.Short(262, 2), tiff.Long(273, data), tiff.Short(277, 3), tiff.Short(278, 2), tiff.Long(279, 12),
             Entry{65000, 2, 6, QByteArray("hello\0", 6)}});
        if (previous)
            tiff.SetNext(previous, directory);
        else
            tiff.SetFirstDirectory(directory);
        previous = directory;
    }
    return JpegFixtures::WriteFile(path, tiff.Bytes());
}

void TestPages::warningsDoNotLosePages()
{
    const QString path = m_folder + "/unknown-tag.tif";
    QVERIFY(WriteTiffWithUnknownTag(path));
    CImageManager manager;
    QCOMPARE(manager.GetPageCount(path), 2);
    QVERIFY(manager.ReadMultipage(path));
    QCOMPARE(manager.pages.size(), 2);
    QCOMPARE(Corner(manager.pages[0]), QString("255,0,0"));
    QCOMPARE(Corner(manager.pages[1]), QString("0,0,255"));
}

// CMYK pages whose ICC profile is cut short are brought to sRGB as pages
// without a profile are; the profile is left out and named.
void TestPages::damagedProfileLeavesPagesReadable()
{
    const QString plain = m_folder + "/cmyk-plain.jpg";
    QVERIFY(MakeCmykJpeg(plain, 24, 16, "#dc1e1e", false));
    QFile plainFile(plain);
    QVERIFY(plainFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = plainFile.readAll();
    const QString damaged = m_folder + "/cmyk-short-profile.jpg";
    const QByteArray app2 = JpegFixtures::Segment(0xE2, QByteArray("ICC_PROFILE\0\x01\x01tiny", 18));
    QVERIFY(JpegFixtures::WriteFile(damaged, bytes.left(2) + app2 + bytes.mid(2)));
    // The library carries the profile over as it is.
    const QString pages = m_folder + "/cmyk-short-profile.tif";
    QVERIFY(RunTool("convert", {damaged, damaged, pages}));
    QCOMPARE(Identify(pages, "%[colorspace]"), QString("CMYK"));

    CImageManager manager;
    QVERIFY(manager.ReadMultipage(pages));
    QCOMPARE(manager.readDropped, QString("ICC profile"));
    QCOMPARE(manager.pages.size(), 2);
    for (const Magick::Image& page : manager.pages) {
        QVERIFY(page.colorSpace() != Magick::CMYKColorspace);
        QVERIFY2(Corner(page).split(',').first().toInt() > 170, qPrintable(Corner(page)));
    }
}

// Pages whose EXIF orientation no valid file holds are kept as read,
// top-left, the value named as left out: a TIFF document of them is written.
void TestPages::invalidOrientationLeftOutOfPages()
{
    const QString photo = m_folder + "/orientation-77.jpg";
    QVERIFY(MakeJpeg(photo, 24, 16, "red"));
    bool ok = false;
    Exiftool({"-q", "-n", "-overwrite_original", "-Orientation=77", photo}, &ok);
    if (!ok)
        QSKIP("exiftool cannot write the orientation");
    // The library's own format carries the orientation from page to page.
    const QString pages = m_folder + "/orientation-77.miff";
    QVERIFY(RunTool("convert", {photo, photo, pages}));

    CImageManager manager;
    QVERIFY(manager.ReadMultipage(pages));
    QCOMPARE(manager.readDropped, QString("EXIF orientation"));
    QCOMPARE(manager.pages.size(), 2);
    const QString document = m_folder + "/orientation-77.tif";
    QVERIFY2(manager.WriteMultipage(document, true), qPrintable(manager.writeError));
    QCOMPARE(manager.GetPageCount(document), 2);
}

void TestPages::failures()
{
    CImageManager manager;
    QVERIFY(!manager.ApplyFilterToCurrentPage(Negate()));
    QVERIFY(!manager.ReadMultipage(m_folder + "/nothing-here.tif"));
    QVERIFY(!manager.image.isValid());
    QVERIFY(manager.pages.isEmpty());
    // Nothing to write is a failure, not a silent success.
    QVERIFY(!manager.WriteMultipage(m_folder + "/empty.tif", true));
    QVERIFY(!QFile::exists(m_folder + "/empty.tif"));
    // The single-image hand-off uses the manager's own engine.
    QVERIFY(!manager.ApplyFilter(Negate())); // no current image
    QVERIFY(manager.Read(m_threePages));
    QVERIFY(manager.ApplyFilter(Negate()));
    QCOMPARE(Corner(manager.image), QString("0,255,255"));
    SFilterRecord unknown = Negate();
    unknown.filterId = 3010;
    QVERIFY(!manager.ApplyFilter(unknown));
    QCOMPARE(Corner(manager.image), QString("0,255,255"));
}

GB_TEST_MAIN(TestPages)
#include "tst_pages.moc"
