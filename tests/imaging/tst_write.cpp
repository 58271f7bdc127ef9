#include "CFormatsEnum.h"
#include "CICCProfiles.h"
#include "CImageManager.h"
#include "CUserProfile.h"
#include "ImagingTestKit.h"
#include "JpegFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QScopeGuard>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <unistd.h>

using namespace ImagingTestKit;

namespace {
const QString kA98 = "/usr/share/color/icc/ghostscript/a98.icc";
const QString kPsCmyk = "/usr/share/color/icc/ghostscript/ps_cmyk.icc";

QString Description(const QString& iccFile)
{
    return Identify(iccFile, "%[icc:description]");
}

} // namespace

class TestWrite : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void everyWritableFormat_data();
    void everyWritableFormat();
    void percentInPathIsLiteral();
    void options_data();
    void options();
    void pdfCompression_data();
    void pdfCompression();
    void pngBestCompressionIsSmaller();
    void jpegSizeCapForEveryJpegName();
    void jpegFileHoldsTheCodersBytes_data();
    void jpegFileHoldsTheCodersBytes();
    void jpegOnFullDiskLeavesNothing();
    void cmykSourceGoesBackToItsOwnProfile();
    void failedWriteKeepsExistingTarget();
    void refusedWriteSaysWhyPlainly();
    void overwriteKeepsMode();
    void unwritableFolderKeepsTarget();

private:
    bool ReadPhoto(CImageManager& manager) { return manager.Read(m_photo); }
    QString m_folder;
    QString m_photo;
};

void TestWrite::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
    m_folder = TestEnv::NewFolder("write");
    m_photo = MakePhotoPng(m_folder, "photo.png");
    QVERIFY(QFile::exists(m_photo));
}

void TestWrite::init()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->Quality = 88;
    profile->FileSize = 100;
    profile->FixedSize = false;
    profile->PNGComp = 1;
    profile->Interlaced = 0;
    profile->JpegType = 1;
    profile->TiffType = 2;
    profile->TiffAlg = 0;
    profile->PdfAlg = 0;
    profile->CustomProfile.clear();
    profile->multipageWrite = 0;
    CICCProfiles::GetInstance()->customLoaded = false;
}

void TestWrite::everyWritableFormat_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("identified"); // identify's %m, or a file start for PDF and EPS
    const QList<QPair<QString, QString>> rows = {
        {"avif", "HEIC"}, {"bmp", "BMP"},   {"eps", "%!PS-Adobe"}, {"pct", "PICT"}, {"pict", "PICT"},
        {"gif", "GIF"},   {"heif", "HEIC"}, {"heic", "HEIC"},      {"jp2", "JP2"},  {"jpt", "J2K"},
        {"j2k", "J2K"},   {"jpg", "JPEG"},  {"jpeg", "JPEG"},      {"jpe", "JPEG"}, {"pcx", "PCX"},
        {"pdf", "%PDF-"}, {"pdp", "%PDF-"}, {"png", "PNG"},        {"psd", "PSD"},  {"pdd", "PSD"},
        {"sgi", "SGI"},   {"tga", "TGA"},   {"tif", "TIFF"},       {"tiff", "TIFF"}, {"wbmp", "WBMP"},
        {"webp", "WEBP"}, {"JPG", "JPEG"},
    };
    for (const auto& row : rows)
        QTest::newRow(qPrintable(row.first)) << row.first << row.second;
}

void TestWrite::everyWritableFormat()
{
    QFETCH(QString, extension);
    QFETCH(QString, identified);
    CImageManager manager;
    QVERIFY(ReadPhoto(manager));
    const QString path = m_folder + "/out-" + extension + "." + extension;
    QVERIFY(manager.Write(path));
    QVERIFY(QFileInfo(path).size() > 0);
    if (identified.startsWith('%'))
        QVERIFY2(FileStart(path, 10).startsWith(identified.toLatin1()), FileStart(path, 10).constData());
    else
        QCOMPARE(Identify(path, "%m"), identified);
    if (extension == "eps")
        QVERIFY(FileStart(path, 40).contains("EPSF"));
    if (!identified.startsWith('%') && extension != "wbmp")
        QCOMPARE(Identify(path, "%wx%h"), QString("64x48"));
}

void TestWrite::percentInPathIsLiteral()
{
    CImageManager manager;
    QVERIFY(ReadPhoto(manager));
    const QString folder = TestEnv::NewFolder("percent");
    QVERIFY(manager.Write(folder + "/photo%d[1].png"));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"photo%d[1].png"});
}

void TestWrite::options_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("setting");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected"); // {srgb}, {cmyk}, {a98}: that profile's description

    QTest::newRow("jpg quality") << "jpg" << "Quality" << 75 << "%Q" << "75";
    QTest::newRow("jpg quality 30") << "jpg" << "Quality" << 30 << "%Q" << "30";
    QTest::newRow("jpg type 0 grey") << "jpg" << "JpegType" << 0 << "%[colorspace] %[type]" << "Gray Grayscale";
    QTest::newRow("jpg type 1 true colour") << "jpg" << "JpegType" << 1 << "%[colorspace]" << "sRGB";
    QTest::newRow("jpg type 2 cmyk") << "jpg" << "JpegType" << 2 << "%[colorspace] %[icc:description]"
                                     << "CMYK {cmyk}";
    QTest::newRow("jpeg type 2 cmyk") << "jpeg" << "JpegType" << 2 << "%[colorspace]" << "CMYK";
    QTest::newRow("jpg type 3 custom") << "jpg" << "JpegType" << 3 << "%[colorspace] %[icc:description]"
                                       << "sRGB {a98}";
    QTest::newRow("jpg type 3 missing custom") << "jpg" << "JpegType+missing" << 3 << "%[icc:description]"
                                               << "{srgb}";
    QTest::newRow("tif type 5 missing custom") << "tif" << "TiffType+missing" << 5 << "%[icc:description]"
                                               << "{srgb}";
    QTest::newRow("jpg type 7 unchanged") << "jpg" << "JpegType" << 7 << "%[colorspace]" << "sRGB";
    const QStringList compressions = {"LZW", "RLE", "Zip", "JPEG", "", "", "None"};
    for (int i = 0; i < compressions.size(); ++i) {
        if (!compressions[i].isEmpty())
            QTest::newRow(qPrintable("tif compression " + QString::number(i)))
                << "tif" << "TiffAlg" << i << "%C" << compressions[i];
    }
    // The fax codings are for bilevel pictures.
    QTest::newRow("tif fax on bilevel") << "tif" << "TiffAlg+bilevel" << 4 << "%C %z" << "Fax 1";
    QTest::newRow("tif group 4 on bilevel") << "tif" << "TiffAlg+bilevel" << 5 << "%C %z" << "Group4 1";
    QTest::newRow("tif compression 9 falls back") << "tiff" << "TiffAlg" << 9 << "%C" << "LZW";
    QTest::newRow("tif type 0 bilevel") << "tif" << "TiffType" << 0 << "%[tiff:photometric] %[type]"
                                        << "min-is-black Bilevel";
    QTest::newRow("tif type 1 palette") << "tif" << "TiffType" << 1 << "%[tiff:photometric]" << "palette";
    QTest::newRow("tif type 2 true colour") << "tif" << "TiffType" << 2 << "%[tiff:photometric] %[tiff:alpha]"
                                            << "RGB unspecified";
    QTest::newRow("tif type 3 with alpha") << "tif" << "TiffType" << 3 << "%[tiff:photometric] %[tiff:alpha]"
                                           << "RGB unassociated";
    QTest::newRow("tif type 4 cmyk") << "tif" << "TiffType" << 4 << "%[tiff:photometric] %[icc:description]"
                                     << "separated {cmyk}";
    QTest::newRow("tif type 5 custom") << "tiff" << "TiffType" << 5 << "%[tiff:photometric] %[icc:description]"
                                       << "RGB {a98}";
    QTest::newRow("jpg interlace 0") << "jpg" << "Interlaced" << 0 << "%[interlace]" << "None";
    QTest::newRow("jpg interlace 1 line") << "jpg" << "Interlaced" << 1 << "%[interlace]" << "JPEG";
    QTest::newRow("jpg interlace 5 none") << "jpg" << "Interlaced" << 5 << "%[interlace]" << "None";
    QTest::newRow("png interlace 1 line") << "png" << "Interlaced" << 1 << "%[interlace]" << "PNG";
    QTest::newRow("png keeps profile-free sRGB") << "png" << "JpegType" << 2 << "%[colorspace]" << "sRGB";
}

void TestWrite::options()
{
    QFETCH(QString, extension);
    QFETCH(QString, setting);
    QFETCH(int, value);
    QFETCH(QString, format);
    QFETCH(QString, expected);
    if (expected.contains("{a98}") && !QFile::exists(kA98))
        QSKIP("no A98 profile installed");

    // "<field>+missing": no custom profile file; "<field>+bilevel": TIFF type 0.
    CUserProfile* profile = CUserProfile::GetInstance();
    const QStringList parts = setting.split('+');
    const QHash<QString, int CUserProfile::*> fields = {
        {"Quality", &CUserProfile::Quality},   {"JpegType", &CUserProfile::JpegType},
        {"TiffType", &CUserProfile::TiffType}, {"TiffAlg", &CUserProfile::TiffAlg},
        {"Interlaced", &CUserProfile::Interlaced}};
    QVERIFY(fields.contains(parts[0]));
    profile->*fields.value(parts[0]) = value;
    profile->CustomProfile = parts.value(1) == "missing" ? m_folder + "/no-such-profile.icc" : kA98;
    if (parts.value(1) == "bilevel")
        profile->TiffType = 0;

    CImageManager manager;
    QVERIFY(ReadPhoto(manager));
    const QString path = m_folder + "/" + QString(QTest::currentDataTag()).replace(' ', '_') + "." + extension;
    QVERIFY(manager.Write(path));

    const QString resources = qEnvironmentVariable("GLIMMERBOX_RESOURCES");
    expected.replace("{srgb}", Description(resources + "/sRGB.icm"));
    expected.replace("{cmyk}", Description(resources + "/RSWOP.ICM"));
    expected.replace("{a98}", Description(kA98));
    QCOMPARE(Identify(path, format), expected);
}

void TestWrite::pdfCompression_data()
{
    QTest::addColumn<int>("algorithm");
    QTest::addColumn<QByteArray>("filter");
    QTest::newRow("0 jpeg") << 0 << QByteArray("/DCTDecode");
    QTest::newRow("1 lzw") << 1 << QByteArray("/LZWDecode");
    QTest::newRow("2 rle") << 2 << QByteArray("/RunLengthDecode");
    QTest::newRow("3 zip") << 3 << QByteArray("/FlateDecode");
    QTest::newRow("8 jpeg") << 8 << QByteArray("/DCTDecode");
}

void TestWrite::pdfCompression()
{
    QFETCH(int, algorithm);
    QFETCH(QByteArray, filter);
    CUserProfile::GetInstance()->PdfAlg = algorithm;
    CImageManager manager;
    QVERIFY(ReadPhoto(manager));
    const QString path = m_folder + "/compressed-" + QString::number(algorithm) + ".pdf";
    QVERIFY(manager.Write(path));
    const QByteArray content = FileStart(path, 1 << 26);
    QVERIFY(content.startsWith("%PDF-"));
    // The image stream carries the chosen filter (the thumbnail may differ).
    QVERIFY(content.contains(filter + "\n") || content.contains(filter + "]") || content.contains(filter + " ")
            || content.contains(filter + "\r"));
}

void TestWrite::pngBestCompressionIsSmaller()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    const QString big = MakePhotoPng(m_folder, "big.png", 400, 300);
    CImageManager manager;
    profile->PNGComp = 1;
    QVERIFY(manager.Read(big));
    QVERIFY(manager.Write(m_folder + "/best.png"));
    profile->PNGComp = 0;
    QVERIFY(manager.Read(big));
    QVERIFY(manager.Write(m_folder + "/fast.png"));
    QVERIFY(QFileInfo(m_folder + "/best.png").size() < QFileInfo(m_folder + "/fast.png").size());
}

// The size cap holds for a JPEG named ".jpeg" (a photo that keeps its own
// format) as for ".jpg"; other formats have none.
void TestWrite::jpegSizeCapForEveryJpegName()
{
    const QString noisy = m_folder + "/noisy.png";
    QVERIFY(RunTool("convert", {"-size", "300x300", "xc:gray", "-seed", "3", "+noise", "Random", noisy}));
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->FixedSize = true;
    profile->FileSize = 20;
    profile->Quality = 100;
    CImageManager manager;
    QVERIFY(manager.Read(noisy));
    for (const QString name : {"capped.jpg", "capped.jpeg"}) {
        QVERIFY(manager.Read(noisy));
        QVERIFY(manager.Write(m_folder + "/" + name));
        const qint64 capped = QFileInfo(m_folder + "/" + name).size();
        QVERIFY2(capped > 0 && capped <= 20 * 1024, qPrintable(name + ": " + QString::number(capped)));
    }
    QVERIFY(manager.Read(noisy));
    QVERIFY(manager.Write(m_folder + "/uncapped.webp"));
    QVERIFY(QFileInfo(m_folder + "/uncapped.webp").size() > 20 * 1024);
}

// A JPEG goes from the coder straight into its file: the file holds the
// bytes the coder gives in memory, profile and comment included.
void TestWrite::jpegFileHoldsTheCodersBytes_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("interlace");
    QTest::newRow("true colour") << 1 << 0;
    QTest::newRow("grey") << 0 << 0;
    QTest::newRow("cmyk") << 2 << 0;
    QTest::newRow("progressive") << 1 << 1;
}

void TestWrite::jpegFileHoldsTheCodersBytes()
{
    QFETCH(int, type);
    QFETCH(int, interlace);
    const QString resources = qEnvironmentVariable("GLIMMERBOX_RESOURCES");
    const QString source = m_folder + "/tagged.png";
    QVERIFY(RunTool("convert", {m_photo, "-profile", resources + "/sRGB.icm", "-set", "comment", "a comment", source}));
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->JpegType = type;
    profile->Interlaced = interlace;
    CImageManager manager;
    QVERIFY(manager.Read(source));
    const QString path = m_folder + "/direct-" + QString::number(type) + QString::number(interlace) + ".jpg";
    QVERIFY(manager.Write(path));

    Magick::Image again = manager.image;
    again.magick("JPEG");
    Magick::Blob blob;
    again.write(&blob);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QCOMPARE(written.size(), qsizetype(blob.length()));
    QVERIFY(written == QByteArray(static_cast<const char*>(blob.data()), qsizetype(blob.length())));
    QCOMPARE(Identify(path, "%c"), QString("a comment"));
}

// A JPEG that does not fit on the disk fails, and leaves neither a part of
// itself nor a changed target.
void TestWrite::jpegOnFullDiskLeavesNothing()
{
    const QString folder = TestEnv::NewFolder("fulldisk");
    const QByteArray mountPoint = QFile::encodeName(folder);
    const bool mounted = ::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") == 0;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            ::umount2(mountPoint.constData(), MNT_DETACH);
    });
    if (!mounted)
        QSKIP("a file system cannot be mounted here (needs root)");
    const QString target = folder + "/target.jpg";
    QVERIFY(JpegFixtures::WriteFile(target, "the user's original"));
    const QString noisy = m_folder + "/noisy-large.png";
    QVERIFY(RunTool("convert", {"-size", "400x400", "xc:gray", "-seed", "5", "+noise", "Random", noisy}));

    CImageManager manager;
    QVERIFY(manager.Read(noisy));
    QVERIFY(!manager.Write(target));
    QVERIFY(manager.Read(noisy));
    QVERIFY(!manager.Write(folder + "/new.jpg"));
    QCOMPARE(FileStart(target, 100), QByteArray("the user's original"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"target.jpg"});
}

void TestWrite::cmykSourceGoesBackToItsOwnProfile()
{
    if (!QFile::exists(kPsCmyk))
        QSKIP("no second CMYK profile installed");
    const QString resources = qEnvironmentVariable("GLIMMERBOX_RESOURCES");
    const QString source = m_folder + "/cmyk-source.jpg";
    QVERIFY(RunTool("convert", {m_photo, "-profile", resources + "/sRGB.icm", "-profile", kPsCmyk, source}));
    QCOMPARE(Identify(source, "%[colorspace]"), QString("CMYK"));

    CUserProfile::GetInstance()->JpegType = 2;
    CImageManager manager;
    QVERIFY(manager.Read(source));
    QVERIFY(manager.sourceWasCMYK);
    const QString out = m_folder + "/cmyk-again.jpg";
    QVERIFY(manager.Write(out));
    QCOMPARE(Identify(out, "%[colorspace] %[icc:description]"), "CMYK " + Description(kPsCmyk));

    // Written as PNG it stays in the sRGB of the read conversion.
    QVERIFY(manager.Read(source));
    const QString png = m_folder + "/cmyk-as.png";
    QVERIFY(manager.Write(png));
    QCOMPARE(Identify(png, "%[colorspace]"), QString("sRGB"));
}

void TestWrite::failedWriteKeepsExistingTarget()
{
    const QString folder = TestEnv::NewFolder("failed");
    const QString target = folder + "/target.webp";
    QVERIFY(JpegFixtures::WriteFile(target, "the user's original"));
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);

    // WebP cannot hold an image this wide: the encoder fails.
    CImageManager manager;
    manager.SetImage(Magick::Image(Magick::Geometry(17000, 1), Magick::Color("white")));
    QVERIFY(!manager.Write(target));
    QCOMPARE(FileStart(target, 100), QByteArray("the user's original"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"target.webp"});

    // An empty current image fails too, and an unknown format.
    manager.SetImage(Magick::Image());
    QVERIFY(!manager.Write(target));
    QVERIFY(manager.Read(m_photo));
    QVERIFY(!manager.Write(folder + "/target.nosuchformat"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"target.webp"});
}

// The library's refusal reaches the log as its reason alone: no program
// name, no empty file name of a write to memory, no source location.
void TestWrite::refusedWriteSaysWhyPlainly()
{
    Magick::Image image(Magick::Geometry(8, 8), Magick::Color("white"));
    image.orientation(Magick::OrientationType(77));
    CImageManager manager;
    manager.SetImage(image);
    QVERIFY(!manager.Write(m_folder + "/refused.tif"));
    QCOMPARE(manager.writeError, QString("Bad value 77 for \"Orientation\" tag."));
}

void TestWrite::overwriteKeepsMode()
{
    const QString folder = TestEnv::NewFolder("overwrite");
    const QString target = folder + "/target.jpg";
    QVERIFY(JpegFixtures::WriteFile(target, "old"));
    const QFile::Permissions mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(target, mode));

    CImageManager manager;
    QVERIFY(manager.Read(m_photo));
    QVERIFY(manager.Write(target));
    QCOMPARE(Identify(target, "%m"), QString("JPEG"));
    const QFile::Permissions unixBits = QFile::Permissions(0x7077);
    QCOMPARE(QFileInfo(target).permissions() & unixBits, mode);
}

void TestWrite::unwritableFolderKeepsTarget()
{
    const QString folder = TestEnv::NewFolder("readonly");
    const QString target = folder + "/target.png";
    QVERIFY(RunTool("convert", {"-size", "4x4", "xc:red", target}));
    const QByteArray before = FileStart(target, 1 << 20);

    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    bool immutable = false;
    if (::access(QFile::encodeName(folder).constData(), W_OK) == 0)
        immutable = TestEnv::SetImmutable(folder, true); // root ignores the mode bits
    if (::access(QFile::encodeName(folder).constData(), W_OK) == 0 && !immutable) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("cannot make a folder unwritable for this user on this file system");
    }

    CImageManager manager;
    QVERIFY(manager.Read(m_photo));
    const bool written = manager.Write(target);
    if (immutable)
        TestEnv::SetImmutable(folder, false);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!written);
    QCOMPARE(FileStart(target, 1 << 20), before);
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"target.png"});
}

GB_TEST_MAIN(TestWrite)
#include "tst_write.moc"
