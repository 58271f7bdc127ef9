#include "CFormatsEnum.h"
#include "CICCProfiles.h"
#include "CImageManager.h"
#include "CUserProfile.h"
#include "DngWriter.h"
#include "ImagingTestKit.h"
#include "JpegFixtures.h"
#include "MagickCompat.h"
#include "PngBomb.h"
#include "SOutputFormat.h"
#include "TestEnv.h"
#include "TestThreads.h"
#include "TraceCapture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <memory>
#include <vector>

using namespace ImagingTestKit;

namespace {
std::array<int, 4> Rgba(const Magick::Image& image, int x, int y)
{
    unsigned char px[4] = {0, 0, 0, 0};
    Magick::Image copy = image;
    copy.write(ssize_t(x), ssize_t(y), 1, 1, "RGBA", Magick::CharPixel, px);
    return {px[0], px[1], px[2], px[3]};
}

QString RedCornerDng(const QString& folder, int orientation)
{
    DngSpec spec;
    spec.width = 60;
    spec.height = 42;
    spec.orientation = orientation;
    spec.colour = [](int x, int y) {
        return x < 20 && y < 14 ? std::array<double, 3>{0.7, 0.05, 0.05} : std::array<double, 3>{0.3, 0.3, 0.3};
    };
    const QString path = folder + "/camera.DNG";
    return WriteDng(path, spec) ? path : QString();
}

QString Photo(const QString& relative)
{
    const QString root = TestEnv::SharedPhotos();
    return root.isEmpty() ? QString() : root + "/" + relative;
}
} // namespace

class TestImageReading : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void identifyByExtension_data();
    void identifyByExtension();
    void cmykJpegBecomesSRGB_data();
    void cmykJpegBecomesSRGB();
    void warningStillRunsEveryStep();
    void damagedPixelDataIsNamed_data();
    void damagedPixelDataIsNamed();
    void damagedIccProfileIsLeftOut_data();
    void damagedIccProfileIsLeftOut();
    void failedReads_data();
    void failedReads();
    void declaredSizeRefusedBeforeDecoding_data();
    void declaredSizeRefusedBeforeDecoding();
    void shrunkJpegCountsAtDecodedSize();
    void rawRead_data();
    void rawRead();
    void rawReadUsesProfileSettings();
    void rawReadResetsColourState();
    void ping_data();
    void ping();
    void previewProgressAndAbort_data();
    void previewProgressAndAbort();
    void greyRawRead();
    void parallelReadsAgree_data();
    void oddPathsReadLiterally_data();
    void oddPathsReadLiterally();
    void relativeNamesAreFilesNotCoders_data();
    void relativeNamesAreFilesNotCoders();
    void damagedAndTiffPhotosNeverCrash_data();
    void damagedAndTiffPhotosNeverCrash();
    void firstManagersOnManyThreads();
    void parallelReadsAgree();

private:
    QString folder;
};

void TestImageReading::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
    folder = TestEnv::NewFolder("reading");
}

void TestImageReading::identifyByExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("kind");
    QTest::newRow("mixed-case NeF") << "/photos/photo.NeF" << 2;
    QTest::newRow("dng") << "/photos/a.b.dng" << 2;
    QTest::newRow("jpeg") << "/photos/photo.jpg" << 1;
    QTest::newRow("no dot, whole name") << "NEF" << 2;
    QTest::newRow("no dot") << "/photos/photo" << 1;
    QTest::newRow("dot in folder only") << "/photos/shots.nef/photo" << 1;
    QTest::newRow("trailing dot") << "/photos/photo." << 1;
    QTest::newRow("empty") << "" << 1;
}

void TestImageReading::identifyByExtension()
{
    QFETCH(QString, path);
    QFETCH(int, kind);
    CImageManager manager;
    QCOMPARE(manager.IdentifyImage(path), kind);
}

void TestImageReading::cmykJpegBecomesSRGB_data()
{
    QTest::addColumn<bool>("embedded");
    QTest::newRow("no embedded profile") << false;
    QTest::newRow("embedded CMYK profile") << true;
}

void TestImageReading::cmykJpegBecomesSRGB()
{
    QFETCH(bool, embedded);
    const QString path = folder + QString("/cmyk-%1.jpg").arg(embedded);
    QVERIFY(MakeCmykJpeg(path, 40, 30, "#dc1e1e", embedded));
    CImageManager manager;
    QVERIFY(manager.Read(path));
    QVERIFY(manager.sourceWasCMYK);
    QCOMPARE(manager.embeddedProfile.length() > 0, embedded);
    QVERIFY(!MagickCompat::IsCMYK(manager.image));
    QCOMPARE(manager.image.colorSpace(), MagickCore::sRGBColorspace);
    QVERIFY(CICCProfiles::GetInstance()->srgbLoaded);
    QVERIFY(CICCProfiles::GetInstance()->cmykLoaded);
    const auto px = Rgba(manager.image, 20, 15);
    QVERIFY2(px[0] > 170 && px[1] < 90 && px[2] < 90,
             qPrintable(QString("%1 %2 %3").arg(px[0]).arg(px[1]).arg(px[2])));
    QCOMPARE(manager.properties.width, quint64(40));
}

void TestImageReading::warningStillRunsEveryStep()
{
    // A photo with EXIF first, so that leftovers would show.
    const QString exifPhoto = Photo("jpg/exif-org/canon-ixus.jpg");
    const QString cmyk = folder + "/cmyk-before.jpg";
    QVERIFY(MakeCmykJpeg(cmyk, 40, 30, "#dc1e1e", true));
    const QString cut = folder + "/truncated.jpg";
    QVERIFY(MakeJpeg(cut, 300, 200, "#3060c0"));
    QVERIFY(Truncate(cut, 0.5));

    CImageManager manager;
    if (!exifPhoto.isEmpty()) {
        QVERIFY(manager.Read(exifPhoto));
        QVERIFY(!manager.properties.cameraMake.isEmpty());
    }
    QVERIFY(manager.Read(cmyk));
    QVERIFY(manager.sourceWasCMYK);

    TraceCapture trace;
    QVERIFY(manager.Read(cut));
    QVERIFY(trace.Contains("ReadMagick. Warning:"));
    QVERIFY(manager.image.isValid());
    QCOMPARE(QSize(int(manager.properties.width), int(manager.properties.height)), QSize(300, 200));
    QVERIFY(manager.properties.cameraMake.isEmpty());
    QVERIFY(manager.properties.dateTimeOriginal.isEmpty());
    QVERIFY(!manager.sourceWasCMYK);
    QCOMPARE(manager.embeddedProfile.length(), size_t(0));
}

void TestImageReading::damagedPixelDataIsNamed_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("damage"); // the start of the text; empty: none
    QTest::addColumn<bool>("warned");    // the library warned all the same
    const QByteArray whole = JpegFixtures::EncodeJpeg(96, 64, "#3060c0");
    QByteArray extraBytes = whole;
    extraBytes.insert(extraBytes.size() - 2, QByteArray(40, '\x55')); // before the end marker
    // An XMP packet that is not well-formed: a remark about the metadata,
    // which healthy photos from some cameras raise too.
    const QByteArray xmp = JpegFixtures::Segment(0xE1, QByteArray("http://ns.adobe.com/xap/1.0/\0", 29) +
                                                           "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF");
    QTest::newRow("whole JPEG") << whole << QString() << false;
    const qsizetype scan = whole.indexOf("\xff\xda");
    QVERIFY(scan > 0);
    QTest::newRow("truncated JPEG") << whole.left(scan + 20) << "Premature end of JPEG file" << true;
    QTest::newRow("corrupt JPEG data") << extraBytes << "Corrupt JPEG data" << true;
    QTest::newRow("broken XMP packet") << whole.left(2) + xmp + whole.mid(2) << QString() << true;
}

// A read that the library finishes with a warning about damaged pixel data
// names it; remarks about metadata do not count, and the next read forgets it.
void TestImageReading::damagedPixelDataIsNamed()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, damage);
    QFETCH(bool, warned);
    const QString path = folder + "/damage.jpg";
    QVERIFY(JpegFixtures::WriteFile(path, file));
    CImageManager manager;
    TraceCapture trace;
    QVERIFY(manager.Read(path));
    QCOMPARE(trace.Contains("ReadMagick. Warning:"), warned);
    QVERIFY2(damage.isEmpty() ? manager.readDamage.isEmpty() : manager.readDamage.startsWith(damage),
             qPrintable(manager.readDamage));
    QVERIFY(!manager.readDamage.contains(path)); // the reason only
    QVERIFY(JpegFixtures::WriteFile(path, JpegFixtures::EncodeJpeg(8, 8)));
    QVERIFY(manager.Read(path));
    QVERIFY(manager.readDamage.isEmpty());
}

void TestImageReading::damagedIccProfileIsLeftOut_data()
{
    QTest::addColumn<bool>("cmyk");
    QTest::addColumn<QByteArray>("profile"); // the bytes of the APP2 profile
    QTest::addColumn<bool>("dropped");
    QFile srgb(CICCProfiles::SRGBPath());
    QVERIFY(srgb.open(QIODevice::ReadOnly));
    QByteArray noProfile;
    for (int i = 0; i < 512; ++i)
        noProfile.append(char(i * 7));
    QTest::newRow("whole sRGB profile") << false << srgb.readAll() << false;
    QTest::newRow("profile cut short") << false << QByteArray("tiny") << true;
    QTest::newRow("bytes that are no profile") << false << noProfile << true;
    QTest::newRow("CMYK photo, profile cut short") << true << QByteArray("tiny") << true;
}

// An embedded ICC profile that the colour engine cannot open is left out
// and named: the photo reads (a CMYK one is brought to sRGB as one without a
// profile is), shows as a preview, and converts to an output profile.
void TestImageReading::damagedIccProfileIsLeftOut()
{
    QFETCH(bool, cmyk);
    QFETCH(QByteArray, profile);
    QFETCH(bool, dropped);
    const QString plain = folder + "/icc-plain.jpg";
    QVERIFY(cmyk ? MakeCmykJpeg(plain, 40, 30, "#dc1e1e", false) : MakeJpeg(plain, 40, 30, "#dc1e1e"));
    QFile plainFile(plain);
    QVERIFY(plainFile.open(QIODevice::ReadOnly));
    const QByteArray bytes = plainFile.readAll();
    const QByteArray app2 = JpegFixtures::Segment(0xE2, QByteArray("ICC_PROFILE\0\x01\x01", 14) + profile);
    const QString path = folder + "/icc-" + QString(QTest::currentDataTag()).replace(' ', '-') + ".jpg";
    QVERIFY(JpegFixtures::WriteFile(path, bytes.left(2) + app2 + bytes.mid(2)));

    CImageManager manager;
    QVERIFY(manager.Read(path));
    QVERIFY(manager.readDamage.isEmpty());
    QCOMPARE(manager.readDropped, dropped ? QString("ICC profile") : QString());
    // A CMYK photo then carries the sRGB profile it was converted to.
    const Magick::Blob stored = MagickCompat::StoredProfile(manager.image, "icc");
    QCOMPARE(QByteArray(static_cast<const char*>(stored.data()), qsizetype(stored.length())) == profile, !dropped);
    QCOMPARE(manager.image.colorSpace(), MagickCore::sRGBColorspace);
    const auto px = Rgba(manager.image, 20, 15);
    QVERIFY2(px[0] > 170 && px[1] < 90 && px[2] < 90, qPrintable(QString("%1 %2 %3").arg(px[0]).arg(px[1]).arg(px[2])));

    SOutputFormat toPress;
    toPress.format = "JPG";
    toPress.coder = "JPEG";
    toPress.family = SOutputFormat::Jpeg;
    toPress.colourProfile = SOutputFormat::CMYK;
    QList<QString> written;
    QVERIFY(manager.Write(folder + "/icc-press.jpg", toPress, written));
    QCOMPARE(written.size(), 1);

    CImageManager preview;
    preview.preview = true;
    QVERIFY(preview.Read(path));
    QCOMPARE(preview.readDropped, manager.readDropped);
}

void TestImageReading::failedReads_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("traceLine");
    // The reason the run's log gives; "?" where it is the decoder's own.
    QTest::addColumn<QString>("reason");
    const QString unknown = "ReadMagick. An unknown error occured while loading the image.";
    QTest::newRow("empty path") << "empty" << "ReadMagick. - pathName is empty, abort!" << "";
    QTest::newRow("missing file") << "missing" << "Read. - No such file or directory: " << "No such file or directory";
    QTest::newRow("text named .jpg") << "text" << unknown << "?";
    QTest::newRow("zero bytes") << "zero" << "Read. - the file is empty: " << "the file is empty";
    QTest::newRow("folder") << "folder" << unknown << "?";
    QTest::newRow("missing RAW") << "raw" << "Read. - No such file or directory: " << "No such file or directory";
    QTest::newRow("text named .nef") << "textraw" << "ReadRAW" << "";
}

void TestImageReading::failedReads()
{
    QFETCH(QString, kind);
    QFETCH(QString, traceLine);
    QFETCH(QString, reason);
    QString path;
    if (kind == "missing")
        path = folder + "/nothing-here.jpg";
    else if (kind == "raw")
        path = folder + "/nothing-here.nef";
    else if (kind == "folder")
        path = TestEnv::NewFolder("a-folder.jpg");
    else if (kind != "empty") {
        path = folder + (kind == "textraw" ? "/notes.nef" : kind == "zero" ? "/zero.jpg" : "/notes.jpg");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        if (kind != "zero")
            file.write("Just some text, certainly not a JPEG.\n");
    }
    CImageManager manager;
    QVERIFY(MakeJpeg(folder + "/before.jpg", 20, 10, "white"));
    QVERIFY(manager.Read(folder + "/before.jpg"));

    TraceCapture trace;
    QVERIFY(!manager.Read(path));
    QVERIFY2(trace.Contains(traceLine), qPrintable(trace.Lines().join("\n")));
    if (reason == "?")
        QVERIFY2(!manager.readError.isEmpty(), "no reason for the failed read");
    else
        QCOMPARE(manager.readError, reason);
    QVERIFY(!manager.image.isValid());
    QCOMPARE(manager.sourcePath, path);
    QCOMPARE(manager.properties.width, quint64(0));
}

void TestImageReading::declaredSizeRefusedBeforeDecoding_data()
{
    QTest::addColumn<bool>("multipage");
    QTest::addColumn<bool>("preview");
    QTest::newRow("read") << false << false;
    QTest::newRow("preview read") << false << true;
    QTest::newRow("multi-page read") << true << false;
}

// A file of a few hundred bytes that declares 30000 x 30000 pixels would
// take gigabytes of memory or disk before it fails: it is refused at once.
void TestImageReading::declaredSizeRefusedBeforeDecoding()
{
    QFETCH(bool, multipage);
    QFETCH(bool, preview);
    const QString bomb = MakePngBomb(folder, "bomb.png", 30000, 30000);
    QVERIFY(!bomb.isEmpty());
    QVERIFY(QFileInfo(bomb).size() < 2000);
    CImageManager manager;
    manager.preview = preview;
    QElapsedTimer timer;
    timer.start();
    QVERIFY(!(multipage ? manager.ReadMultipage(bomb) : manager.Read(bomb)));
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY2(manager.readError.startsWith("30000 x 30000 pixels is more than one photo may have here ("),
             qPrintable(manager.readError));
    QVERIFY(!manager.image.isValid());
    QVERIFY(manager.pages.isEmpty());

    // The next photo reads as usual, without the refusal.
    QVERIFY(MakeJpeg(folder + "/after.jpg", 20, 10, "white"));
    QVERIFY(multipage ? manager.ReadMultipage(folder + "/after.jpg") : manager.Read(folder + "/after.jpg"));
    QVERIFY(manager.readError.isEmpty());
}

// A JPEG that declares 30000 x 30000 pixels is refused, unless the read asks
// the decoder for a small size: it then counts at the size it is decoded at.
void TestImageReading::shrunkJpegCountsAtDecodedSize()
{
    const QString path = folder + "/huge.jpg";
    QVERIFY(MakeJpeg(path, 64, 48, "white"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const int frame = bytes.indexOf("\xFF\xC0");
    QVERIFY(frame > 0);
    // Height, then width, big-endian, after the length and the precision.
    for (int at : {frame + 5, frame + 7}) {
        bytes[at] = char(30000 >> 8);
        bytes[at + 1] = char(30000 & 0xFF);
    }
    QVERIFY(file.seek(0) && file.write(bytes) == bytes.size());
    file.close();

    CImageManager manager;
    QVERIFY(!manager.Read(path));
    QVERIFY2(manager.readError.startsWith("30000 x 30000 pixels is more than"), qPrintable(manager.readError));
    manager.readSizeHint = QSize(400, 400);
    manager.Read(path); // the data stops after a few blocks: read as far as it goes
    QVERIFY2(manager.readError.isEmpty(), qPrintable(manager.readError));
}

void TestImageReading::rawRead_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QPoint>("redAt");
    QTest::newRow("upright") << 1 << 60 << 42 << QPoint(3, 3);
    QTest::newRow("turned 90 cw") << 6 << 42 << 60 << QPoint(38, 3);
}

void TestImageReading::rawRead()
{
    QFETCH(int, orientation);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QPoint, redAt);
    const QString path = RedCornerDng(TestEnv::NewFolder("raw"), orientation);
    QVERIFY(!path.isEmpty());
    CImageManager manager;
    TraceCapture trace;
    QVERIFY(manager.Read(path));
    QVERIFY(trace.Contains("Read. - Read with DCRaw"));
    QVERIFY(trace.Contains(QString("RawData.width x height: %1 x %2").arg(width).arg(height)));
    QCOMPARE(QSize(int(manager.image.columns()), int(manager.image.rows())), QSize(width, height));
    QCOMPARE(QSize(int(manager.properties.width), int(manager.properties.height)), QSize(width, height));
    QCOMPARE(manager.properties.cameraMake, QString("Tarnwell"));
    QCOMPARE(manager.properties.cameraModel, QString("Bench One"));
    QCOMPARE(manager.properties.dateTimeOriginal, QString("2021:03:04 05:06:07"));
    QCOMPARE(manager.properties.densityX, 72.0);
    QCOMPARE(manager.properties.resolutionUnits, 1);
    QCOMPARE(QString::fromStdString(manager.image.attribute("EXIF:Make")), QString("Tarnwell"));
    QCOMPARE(QString::fromStdString(manager.image.attribute("EXIF:DateTimeOriginal")),
             QString("2021:03:04 05:06:07"));
    const auto red = Rgba(manager.image, redAt.x(), redAt.y());
    QVERIFY2(red[0] > 150 && red[1] < 90 && red[2] < 90 && red[3] == 255,
             qPrintable(QString("%1 %2 %3 %4").arg(red[0]).arg(red[1]).arg(red[2]).arg(red[3])));
    const auto grey = Rgba(manager.image, width / 2, height - 3);
    QVERIFY(qAbs(grey[0] - grey[2]) < 12 && grey[3] == 255);
}

void TestImageReading::rawReadUsesProfileSettings()
{
    // A grey scene under a tinted light: "none" (2) keeps the cast, the
    // default (camera) removes it.
    DngSpec spec;
    spec.neutral = {0.5, 1.0, 0.8};
    spec.colour = [](int, int) { return std::array<double, 3>{0.2, 0.4, 0.32}; };
    const QString path = TestEnv::NewFolder("rawwb") + "/tinted.dng";
    QVERIFY(WriteDng(path, spec));
    CUserProfile* profile = CUserProfile::GetInstance();
    const int saved = profile->rawWhiteBalance;
    for (int mode : {0, 2}) {
        profile->rawWhiteBalance = mode;
        CImageManager manager;
        QVERIFY(manager.Read(path));
        const auto px = Rgba(manager.image, 30, 20);
        const bool neutral = qAbs(px[0] - px[1]) < 12 && qAbs(px[1] - px[2]) < 12;
        QVERIFY2(neutral == (mode == 0), qPrintable(QString("%1 %2 %3").arg(px[0]).arg(px[1]).arg(px[2])));
    }
    profile->rawWhiteBalance = saved;
}

void TestImageReading::rawReadResetsColourState()
{
    // (A plain read after a CMYK one is covered by warningStillRunsEveryStep.)
    const QString local = TestEnv::NewFolder("reset");
    const QString cmyk = local + "/cmyk.jpg";
    QVERIFY(MakeCmykJpeg(cmyk, 40, 30, "#dc1e1e", true));
    CImageManager manager;
    QVERIFY(manager.Read(cmyk));
    QVERIFY(manager.sourceWasCMYK && manager.embeddedProfile.length() > 0);
    QVERIFY(manager.Read(RedCornerDng(local, 1)));
    QVERIFY(!manager.sourceWasCMYK);
    QCOMPARE(manager.embeddedProfile.length(), size_t(0));
}

void TestImageReading::ping_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("make");
    QTest::newRow("jpeg") << "jpeg" << true << 33 << 21 << "";
    QTest::newRow("real photo") << "photo" << true << 640 << 480 << "Canon";
    QTest::newRow("dng turned") << "dng" << true << 42 << 60 << "Tarnwell";
    QTest::newRow("missing") << "missing" << false << 0 << 0 << "";
    QTest::newRow("missing RAW") << "missingraw" << false << 0 << 0 << "";
    QTest::newRow("empty path") << "empty" << false << 0 << 0 << "";
}

void TestImageReading::ping()
{
    QFETCH(QString, kind);
    QFETCH(bool, ok);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(QString, make);
    const QString local = TestEnv::NewFolder("ping");
    QString path;
    if (kind == "jpeg") {
        path = local + "/small.jpg";
        QVERIFY(MakeJpeg(path, 33, 21, "red"));
    } else if (kind == "photo") {
        path = Photo("jpg/exif-org/canon-ixus.jpg");
        if (path.isEmpty())
            QSKIP("no shared photos");
    } else if (kind == "dng") {
        path = RedCornerDng(local, 6);
    } else if (kind == "missing") {
        path = local + "/none.jpg";
    } else if (kind == "missingraw") {
        path = local + "/none.cr2";
    }
    CImageManager manager;
    QCOMPARE(manager.Ping(path), ok);
    if (!ok)
        return;
    QCOMPARE(manager.properties.width, quint64(width));
    QCOMPARE(manager.properties.height, quint64(height));
    QCOMPARE(manager.properties.cameraMake, make);
}

void TestImageReading::previewProgressAndAbort_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("abort");
    QTest::newRow("jpeg runs") << "jpeg" << false;
    QTest::newRow("jpeg aborted") << "jpeg" << true;
    QTest::newRow("raw runs") << "raw" << false;
    QTest::newRow("raw aborted") << "raw" << true;
}

void TestImageReading::previewProgressAndAbort()
{
    QFETCH(QString, kind);
    QFETCH(bool, abort);
    const QString local = TestEnv::NewFolder("progress");
    QString path = local + "/big.jpg";
    if (kind == "raw")
        path = RedCornerDng(local, 1);
    else
        QVERIFY(MakeJpeg(path, 800, 600, "orange"));

    CImageManager manager;
    manager.preview = true;
    manager.progress.abort = abort;
    manager.progress.percent = 0;
    QCOMPARE(manager.Read(path), !abort);
    QCOMPARE(manager.image.isValid(), !abort);
    if (!abort)
        QVERIFY2(manager.progress.percent > 0, qPrintable(QString::number(manager.progress.percent)));
}

void TestImageReading::greyRawRead()
{
    // A one-sample-per-pixel RAW: bright top-left corner, darker elsewhere.
    DngSpec spec;
    spec.grey = true;
    spec.colour = [](int x, int y) {
        return x < 20 && y < 14 ? std::array<double, 3>{0.8, 0, 0} : std::array<double, 3>{0.2, 0, 0};
    };
    const QString path = TestEnv::NewFolder("greyraw") + "/mono.dng";
    QVERIFY(WriteDng(path, spec));
    CImageManager manager;
    QVERIFY(manager.Read(path));
    QCOMPARE(QSize(int(manager.image.columns()), int(manager.image.rows())), QSize(64, 48));
    const auto bright = Rgba(manager.image, 3, 3);
    const auto dark = Rgba(manager.image, 50, 40);
    QCOMPARE(bright[0], bright[2]);
    QCOMPARE(dark[0], dark[1]);
    QVERIFY(bright[0] > dark[0] + 40);
    QCOMPARE(bright[3], 255);
}

void TestImageReading::parallelReadsAgree_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("RAW") << "raw";
    QTest::newRow("CMYK JPEG") << "cmyk";
}

void TestImageReading::parallelReadsAgree()
{
    QFETCH(QString, kind);
    const QString local = TestEnv::NewFolder("parallel");
    QString path = local + "/cmyk.jpg";
    if (kind == "raw")
        path = RedCornerDng(local, 6);
    else
        QVERIFY(MakeCmykJpeg(path, 64, 48, "#20a040", false));

    auto pixels = [](const Magick::Image& image) {
        QByteArray bytes(int(image.columns() * image.rows() * 4), 0);
        Magick::Image copy = image;
        copy.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, bytes.data());
        return bytes;
    };
    QByteArray reference;
    {
        CImageManager manager;
        QVERIFY(manager.Read(path));
        reference = pixels(manager.image);
    }
    constexpr int kThreads = 8;
    std::vector<QByteArray> results(kThreads);
    std::vector<int> oks(kThreads, 0);
    TestThreads::RunTogether(kThreads, [&](int i) {
        CImageManager manager;
        oks[size_t(i)] = manager.Read(path) ? 1 : 0;
        if (oks[size_t(i)])
            results[size_t(i)] = pixels(manager.image);
    });
    for (int i = 0; i < kThreads; ++i) {
        QCOMPARE(oks[size_t(i)], 1);
        QVERIFY(results[size_t(i)] == reference);
    }
}

void TestImageReading::oddPathsReadLiterally_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("brackets") << "img[1].jpg";
    QTest::newRow("percent d") << "100%d.jpg";
    QTest::newRow("colon") << "jpg:b.jpg";
    QTest::newRow("non-ascii") << QString::fromUtf8("Fotó Łódź 写真.jpg");
    QTest::newRow("non-ascii RAW") << QString::fromUtf8("Fotó 写真.dng");
}

void TestImageReading::oddPathsReadLiterally()
{
    QFETCH(QString, name);
    const QString local = TestEnv::NewFolder("odd");
    const QString path = local + "/" + name;
    if (name.endsWith(".dng")) {
        QVERIFY(QFile::rename(RedCornerDng(local, 1), path));
    } else {
        const QString plain = local + "/plain.jpg";
        QVERIFY(MakeJpeg(plain, 23, 19, "purple"));
        QVERIFY(QFile::rename(plain, path));
    }
    CImageManager manager;
    QVERIFY(manager.Ping(path));
    QVERIFY(manager.properties.width > 0);
    QVERIFY(manager.Read(path));
    QVERIFY(manager.image.isValid());
}

// A relative name is a file in the current folder, whatever its prefix: a job
// file's "label:Hi.jpg" must not render a text, nor "jpg:b.jpg" read "b.jpg".
void TestImageReading::relativeNamesAreFilesNotCoders_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");
    QTest::newRow("label coder, no such file") << "label:Hello.jpg" << false;
    QTest::newRow("caption coder, no such file") << "caption:Hi.png" << false;
    QTest::newRow("file named like a coder") << "jpg:b.jpg" << true;
    QTest::newRow("plain relative file") << "plain.jpg" << true;
}

void TestImageReading::relativeNamesAreFilesNotCoders()
{
    QFETCH(QString, name);
    QFETCH(bool, exists);
    const QString local = TestEnv::NewFolder("relative");
    if (exists)
        QVERIFY(MakeJpeg(local + "/" + name, 23, 19, "purple"));
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(local));
    CImageManager manager;
    const bool pinged = manager.Ping(name);
    const quint64 pingedWidth = manager.properties.width;
    const int pages = manager.GetPageCount(name);
    const bool read = manager.Read(name);
    const quint64 width = manager.image.isValid() ? quint64(manager.image.columns()) : 0;
    QVERIFY(QDir::setCurrent(previous));

    QCOMPARE(pinged, exists);
    QCOMPARE(pages, exists ? 1 : 0);
    QCOMPARE(read, exists);
    QCOMPARE(width, exists ? quint64(23) : quint64(0));
    if (exists)
        QCOMPARE(pingedWidth, quint64(23));
}

void TestImageReading::damagedAndTiffPhotosNeverCrash_data()
{
    QTest::addColumn<QString>("path");
    const QString root = TestEnv::SharedPhotos();
    if (root.isEmpty())
        QSKIP("the shared photos folder is not there");
    for (const QString sub : {"jpg/tests", "tiff"}) {
        const QDir dir(root + "/" + sub);
        for (const QString& name : dir.entryList({"*.jpg", "*.jpeg", "*.tiff"}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(sub + "/" + name)) << dir.filePath(name);
    }
}

void TestImageReading::damagedAndTiffPhotosNeverCrash()
{
    QFETCH(QString, path);
    if (path.isEmpty())
        QSKIP("no shared photos");
    CImageManager manager;
    const bool pinged = manager.Ping(path);
    const bool read = manager.Read(path);
    // Whatever the outcome, it is consistent: a successful read has pixels.
    QCOMPARE(read, manager.image.isValid());
    if (read && pinged)
        QCOMPARE(manager.properties.width, quint64(manager.image.columns()));
}

void TestImageReading::firstManagersOnManyThreads()
{
    // The singletons a manager takes are created by whichever thread comes
    // first; all threads must end up with the same ones.
    CFormatsEnum::DeleteInstance();
    constexpr int kThreads = 8;
    std::vector<const void*> seen(kThreads * 3, nullptr);
    TestThreads::RunTogether(kThreads, [&seen](int i) {
        CImageManager manager;
        seen[size_t(i * 3)] = manager.formats;
        seen[size_t(i * 3 + 1)] = manager.profile;
        seen[size_t(i * 3 + 2)] = manager.iccProfiles;
    });
    for (int i = 0; i < kThreads; ++i) {
        for (int k = 0; k < 3; ++k) {
            QVERIFY(seen[size_t(i * 3 + k)] != nullptr);
            QCOMPARE(seen[size_t(i * 3 + k)], seen[size_t(k)]);
        }
    }
    QCOMPARE(seen[0], static_cast<const void*>(CFormatsEnum::GetInstance()));
    CFormatsEnum::GetInstance()->GenerateList();
}

GB_TEST_MAIN(TestImageReading)
#include "tst_imagereading.moc"
