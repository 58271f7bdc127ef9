// Shrink-on-load: which jobs may decode a JPEG at a reduced scale, and that
// such a run writes what a whole read would have written.
#include "CFormatsEnum.h"
#include "CImageManager.h"
#include "CProcessController.h"
#include "CShrinkOnLoad.h"
#include "CUserProfile.h"
#include "MagickCompat.h"
#include "ProcessTestKit.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cmath>
#include <vector>

using namespace ProcessTestKit;

namespace {

SFilterRecord Resize(double width, double height, int keepAspect, int given, int units = 0, int noEnlarge = 0)
{
    SFilterRecord record = Filter(5040, "Resize");
    const double values[] = {width, height, double(keepAspect), double(given), double(units), double(noEnlarge)};
    for (int i = 0; i < 6; ++i)
        record.params[i] = values[i];
    record.numParams = 6;
    return record;
}

SFilterRecord FitWithin(int width, int height)
{
    return Resize(width, height, 1, 3);
}

SFilterRecord Crop()
{
    SFilterRecord record = Filter(5020, "Crop");
    record.params[2] = 1000;
    record.params[3] = 800;
    return record;
}

// The text mark of the bundled demo job.
SFilterRecord TextMark()
{
    SFilterRecord record = Filter(1000, "Text");
    const double values[] = {1, 8, 16, 14, 0, 2, 0, 0, 0, 10, 1, 0, 0, 0, 4294967295.0, 0,
                             10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 4278190080.0, 40, 4, 315, 3};
    for (int i = 0; i < 32; ++i)
        record.params[i] = values[i];
    record.numParams = 32;
    record.numTexts = 3;
    record.texts[0] = "[ImageDimensions]";
    record.texts[1] = "DejaVu Sans";
    return record;
}

// Peak signal-to-noise ratio of two images of one size, over their 8-bit
// red, green and blue samples; infinite when they are equal.
double Psnr(const Magick::Image& a, const Magick::Image& b)
{
    const size_t width = a.columns();
    const size_t height = a.rows();
    std::vector<unsigned char> x(width * height * 3);
    std::vector<unsigned char> y(x.size());
    Magick::Image(a).write(0, 0, width, height, "RGB", Magick::CharPixel, x.data());
    Magick::Image(b).write(0, 0, width, height, "RGB", Magick::CharPixel, y.data());
    double sum = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        const double d = double(x[i]) - double(y[i]);
        sum += d * d;
    }
    const double mse = sum / double(x.size());
    return mse == 0 ? INFINITY : 10.0 * std::log10(255.0 * 255.0 / mse);
}

// A copy of a real photo of the shared collection, or "" when it is absent.
QString RealPhoto(const QString& folder, const QString& name)
{
    const QString shared = TestEnv::SharedPhotos();
    const QString source = shared + "/jpg/mobile/jolla.jpg";
    if (shared.isEmpty() || !QFile::exists(source))
        return QString();
    const QString copy = folder + "/" + name;
    QFile::copy(source, copy);
    QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner);
    return copy;
}

bool SetOrientation(const QString& path, int orientation)
{
    QProcess tool;
    tool.start("exiftool", {"-q", "-n", "-overwrite_original", QString("-Orientation=%1").arg(orientation), path});
    return tool.waitForFinished(60000) && tool.exitCode() == 0;
}

// The job's filters applied after a whole read (no hint), as a run did
// before shrink-on-load.
Magick::Image WholeReadResult(const QString& path, const QList<SFilterRecord>& filters)
{
    CImageManager manager;
    if (!manager.Read(path))
        return Magick::Image();
    for (const SFilterRecord& record : filters) {
        if (record.active && !manager.ApplyFilter(record))
            return Magick::Image();
    }
    return manager.image;
}

} // namespace

using FilterList = QList<SFilterRecord>;
Q_DECLARE_METATYPE(FilterList)

class TestShrinkOnLoad : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readHint_data();
    void readHint();
    void shrunkRunMatchesWholeRead_data();
    void shrunkRunMatchesWholeRead();
    void sizeDependentFilterFirstReadsWhole_data();
    void sizeDependentFilterFirstReadsWhole();
    void propertiesDescribeStoredPhoto();
};

void TestShrinkOnLoad::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
}

void TestShrinkOnLoad::readHint_data()
{
    QTest::addColumn<FilterList>("filters");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("hint");

    const SFilterRecord fit = FitWithin(1600, 1200);
    // 4000 x 3000 photos throughout.
    QTest::newRow("fit within a box") << FilterList{fit} << "JPEG" << 1 << QSize(1600, 1200);
    QTest::newRow("colour filters first") << FilterList{Filter(3080, "Negative"), Filter(4010, "Brightness"), fit}
                                          << "JPEG" << 1 << QSize(1600, 1200);
    QTest::newRow("percent") << FilterList{Resize(25, 25, 0, 0, 1)} << "JPEG" << 1 << QSize(1000, 750);
    QTest::newRow("width only") << FilterList{Resize(1000, 0, 1, 1)} << "JPEG" << 1 << QSize(1000, 750);
    QTest::newRow("exact size, other aspect") << FilterList{Resize(1000, 1000, 0, 0)} << "JPEG" << 1
                                              << QSize(1000, 1000);
    // Turned upright the photo is 3000 x 4000 and fits as 900 x 1200; the
    // hint is for the photo as stored.
    QTest::newRow("auto rotate turns the box") << FilterList{Filter(5000, "Auto Rotate"), fit} << "JPEG" << 6
                                               << QSize(1200, 900);
    QTest::newRow("auto rotate, upright photo") << FilterList{Filter(5000, "Auto Rotate"), fit} << "JPEG" << 1
                                                << QSize(1600, 1200);
    QTest::newRow("flip and turn") << FilterList{Filter(5030, "Flip"), Filter(5000, "Auto Rotate"), fit} << "JPEG"
                                   << 8 << QSize(1200, 900);
    QTest::newRow("inactive crop first") << FilterList{Filter(5020, "Crop", false), fit} << "JPEG" << 1
                                         << QSize(1600, 1200);
    QTest::newRow("first resize counts") << FilterList{fit, FitWithin(400, 300)} << "JPEG" << 1 << QSize(1600, 1200);

    QTest::newRow("crop first") << FilterList{Crop(), fit} << "JPEG" << 1 << QSize();
    QTest::newRow("text mark first") << FilterList{TextMark(), fit} << "JPEG" << 1 << QSize();
    QTest::newRow("blur first") << FilterList{Filter(3000, "Blur"), fit} << "JPEG" << 1 << QSize();
    QTest::newRow("less than half") << FilterList{FitWithin(2500, 2000)} << "JPEG" << 1 << QSize();
    QTest::newRow("enlarging") << FilterList{FitWithin(8000, 6000)} << "JPEG" << 1 << QSize();
    QTest::newRow("no enlarging, nothing to do") << FilterList{Resize(8000, 6000, 1, 3, 0, 1)} << "JPEG" << 1
                                                 << QSize();
    QTest::newRow("not a JPEG") << FilterList{fit} << "PNG" << 1 << QSize();
    QTest::newRow("no resize") << FilterList{Filter(3080, "Negative")} << "JPEG" << 1 << QSize();
    QTest::newRow("no filters") << FilterList{} << "JPEG" << 1 << QSize();
}

void TestShrinkOnLoad::readHint()
{
    QFETCH(FilterList, filters);
    QFETCH(QString, format);
    QFETCH(int, orientation);
    QFETCH(QSize, hint);
    QCOMPARE(CShrinkOnLoad::ReadHint(filters, format, QSize(4000, 3000), orientation), hint);
}

void TestShrinkOnLoad::shrunkRunMatchesWholeRead_data()
{
    QTest::addColumn<FilterList>("filters");
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QSize>("written");

    // The photo is 3264 x 2448.
    QTest::newRow("fit within a box") << FilterList{FitWithin(800, 600)} << 0 << QSize(800, 600);
    QTest::newRow("negate, then exact size") << FilterList{Filter(3080, "Negative"), Resize(700, 300, 0, 0)} << 0
                                             << QSize(700, 300);
    QTest::newRow("percent, then a mark") << FilterList{Resize(30, 30, 0, 0, 1), TextMark()} << 0
                                          << QSize(979, 734);
    QTest::newRow("turned upright") << FilterList{Filter(5000, "Auto Rotate"), FitWithin(800, 800)} << 6
                                    << QSize(600, 800);
}

void TestShrinkOnLoad::shrunkRunMatchesWholeRead()
{
    QFETCH(FilterList, filters);
    QFETCH(int, orientation);
    QFETCH(QSize, written);

    const QString root = NewJob("shrunk");
    const QString photo = RealPhoto(root, "photo.jpg");
    if (photo.isEmpty())
        QSKIP("the shared photos are not there");
    if (orientation != 0 && (QStandardPaths::findExecutable("exiftool").isEmpty() || !SetOrientation(photo, orientation)))
        QSKIP("exiftool cannot set the orientation");
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->OutputFormat = "JPG";
    profile->Quality = 92;
    SetPhotos({photo});
    SetFilters(filters);

    TraceCapture trace;
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QVERIFY2(trace.Contains("ReadMagick", "- decoded at"), "the photo was read whole");

    const Magick::Image whole = WholeReadResult(photo, filters);
    QVERIFY(whole.isValid());
    QCOMPARE(QSize(int(whole.columns()), int(whole.rows())), written);
    Magick::Image shrunk;
    shrunk.read((root + "/out/photo.jpg").toStdString());
    QCOMPARE(QSize(int(shrunk.columns()), int(shrunk.rows())), written);
    const double psnr = Psnr(shrunk, whole);
    QVERIFY2(psnr >= 35.0, qPrintable(QString("PSNR %1 dB").arg(psnr)));
}

void TestShrinkOnLoad::sizeDependentFilterFirstReadsWhole_data()
{
    QTest::addColumn<FilterList>("filters");
    QTest::addColumn<QSize>("written");
    QTest::newRow("crop") << FilterList{Crop(), FitWithin(400, 400)} << QSize(400, 320);
    QTest::newRow("text mark") << FilterList{TextMark(), FitWithin(400, 400)} << QSize(400, 300);
}

void TestShrinkOnLoad::sizeDependentFilterFirstReadsWhole()
{
    QFETCH(FilterList, filters);
    QFETCH(QSize, written);
    const QString root = NewJob("whole");
    const QString photo = RealPhoto(root, "photo.jpg");
    if (photo.isEmpty())
        QSKIP("the shared photos are not there");
    CUserProfile::GetInstance()->OutputFormat = "JPG";
    SetPhotos({photo});
    SetFilters(filters);

    TraceCapture trace;
    auto controller = Run();
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QVERIFY(trace.Contains("ReadMagick"));
    QVERIFY(!trace.Contains("decoded at"));
    Magick::Image output;
    output.read((root + "/out/photo.jpg").toStdString());
    QCOMPARE(QSize(int(output.columns()), int(output.rows())), written);
}

void TestShrinkOnLoad::propertiesDescribeStoredPhoto()
{
    const QString photo = RealPhoto(TestEnv::NewFolder("properties"), "photo.jpg");
    if (photo.isEmpty())
        QSKIP("the shared photos are not there");
    CImageManager manager;
    manager.readSizeHint = QSize(800, 600);
    QVERIFY(manager.Read(photo));
    // A quarter of 3264 x 2448 is the smallest scale that reaches 800 x 600.
    QCOMPARE(QSize(int(manager.image.columns()), int(manager.image.rows())), QSize(816, 612));
    QVERIFY(manager.ReadShrunk());
    QVERIFY(!manager.readSizeHint.isValid());
    QCOMPARE(manager.properties.width, quint64(3264));
    QCOMPARE(manager.properties.height, quint64(2448));
    QVERIFY(manager.image.defineValue("jpeg", "size").empty());

    // Colour filters keep the photo's stored size in view; the resize sizes
    // it from there, and from then on the image is what it is.
    QVERIFY(manager.ApplyFilter(Filter(3080, "Negative")));
    QVERIFY(manager.ReadShrunk());
    QVERIFY(manager.ApplyFilter(Resize(50, 50, 0, 0, 1)));
    QCOMPARE(QSize(int(manager.image.columns()), int(manager.image.rows())), QSize(1632, 1224));
    QVERIFY(!manager.ReadShrunk());
    QVERIFY(manager.ApplyFilter(Resize(50, 50, 0, 0, 1)));
    QCOMPARE(QSize(int(manager.image.columns()), int(manager.image.rows())), QSize(816, 612));
    QCOMPARE(manager.properties.width, quint64(3264));

    // The next read without a hint is whole.
    QVERIFY(manager.Read(photo));
    QCOMPARE(QSize(int(manager.image.columns()), int(manager.image.rows())), QSize(3264, 2448));
    QVERIFY(!manager.ReadShrunk());
}

GB_TEST_MAIN(TestShrinkOnLoad)
#include "tst_shrinkonload.moc"
