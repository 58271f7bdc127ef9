#include "CJpegReader.h"
#include "ImagingTestKit.h"
#include "MagickCompat.h"
#include "TestEnv.h"

#include <QFile>
#include <QImage>
#include <QMap>

#include <random>

using namespace ImagingTestKit;

// The JPEG reader against ImageMagick's own: a file it takes reads into the
// same pixels, size, properties, profiles and attributes, at full size and
// at the scales a size hint asks for; a file it does not reproduce (grey,
// CMYK, damaged) is left to ImageMagick; and no damaged file crashes it.
class TestJpegReader : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readsAsImageMagickDoes_data();
    void readsAsImageMagickDoes();
    void mutatedFilesAreLeftOrReadAlike();

private:
    QString m_folder;
};

namespace {

// A photo-like picture: gradients, a pattern and grain.
QImage Picture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    std::mt19937 random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int grain = int(random() % 24);
            picture.setPixel(x, y, qRgb((x * 230) / width + grain, (y * 230) / height + grain, ((x ^ y) * 7) & 255));
        }
    return picture;
}

QByteArray Pixels16(Magick::Image image)
{
    QByteArray pixels(qsizetype(image.columns() * image.rows() * 8), '\0');
    image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::ShortPixel, pixels.data());
    return pixels;
}

QMap<QString, QString> PropertyMap(const Magick::Image& image)
{
    QMap<QString, QString> map;
    for (const auto& [name, value] : MagickCompat::Properties(image))
        map.insert(QString::fromStdString(name), QString::fromStdString(value));
    return map;
}

Magick::Blob Profile(const Magick::Image& image, const char* name)
{
    return MagickCompat::StoredProfile(image, name);
}

bool SameBlob(const Magick::Blob& a, const Magick::Blob& b)
{
    return a.length() == b.length() && (a.length() == 0 || memcmp(a.data(), b.data(), a.length()) == 0);
}

// ImageMagick's read of the file, with the same hint; false when it failed
// or warned.
bool ReadByImageMagick(const QString& path, const QSize& hint, Magick::Image& image)
{
    if (hint.isValid())
        MagickCompat::SetJpegSizeHint(image, size_t(hint.width()), size_t(hint.height()));
    try {
        image.read(MagickCompat::FileToRead(path));
    } catch (const Magick::Exception&) {
        return false;
    }
    return true;
}

bool ReadByOurs(const QString& path, const QSize& hint, Magick::Image& image)
{
    if (hint.isValid())
        MagickCompat::SetJpegSizeHint(image, size_t(hint.width()), size_t(hint.height()));
    return CJpegReader::Read(path, MagickCompat::FileToRead(path), image);
}

// Everything a later step of the program may look at.
void CompareImages(const Magick::Image& ours, const Magick::Image& theirs)
{
    QCOMPARE(ours.columns(), theirs.columns());
    QCOMPARE(ours.rows(), theirs.rows());
    QCOMPARE(MagickCompat::StoredSize(ours), MagickCompat::StoredSize(theirs));
    QCOMPARE(ours.depth(), theirs.depth());
    QCOMPARE(int(ours.colorSpace()), int(theirs.colorSpace()));
    QCOMPARE(int(ours.classType()), int(theirs.classType()));
    QCOMPARE(MagickCompat::HasAlpha(ours), MagickCompat::HasAlpha(theirs));
    QCOMPARE(int(ours.interlaceType()), int(theirs.interlaceType()));
    QCOMPARE(int(ours.orientation()), int(theirs.orientation()));
    QCOMPARE(ours.quality(), theirs.quality());
    QCOMPARE(MagickCompat::XResolution(ours), MagickCompat::XResolution(theirs));
    QCOMPARE(MagickCompat::YResolution(ours), MagickCompat::YResolution(theirs));
    QCOMPARE(int(ours.resolutionUnits()), int(theirs.resolutionUnits()));
    QCOMPARE(PropertyMap(ours), PropertyMap(theirs));
    for (const char* name : {"icc", "exif", "xmp", "8bim", "iptc"})
        QVERIFY2(SameBlob(Profile(ours, name), Profile(theirs, name)), name);
    QVERIFY(Pixels16(ours) == Pixels16(theirs));
}

} // namespace

void TestJpegReader::initTestCase()
{
    m_folder = TestEnv::NewFolder("jpegreader");
    const QString base = m_folder + "/base.png";
    QVERIFY(Picture(333, 201).save(base));
    const QString resources = QString::fromLocal8Bit(qgetenv("GLIMMERBOX_RESOURCES"));
    // name, convert arguments after the input picture
    const QList<QPair<QString, QStringList>> made = {
        {"s420", {"-sampling-factor", "2x2", "-quality", "85"}},
        {"s422", {"-sampling-factor", "2x1", "-quality", "75"}},
        {"s444", {"-sampling-factor", "1x1", "-quality", "97"}},
        {"progressive", {"-interlace", "JPEG", "-quality", "80"}},
        {"described", {"-profile", resources + "/sRGB.icm", "-set", "comment", "Harbour at dusk", "-units",
                       "PixelsPerInch", "-density", "300"}},
        {"odd", {"-resize", "17x9!"}},
        {"dot", {"-resize", "1x1!"}},
        {"grey", {"-colorspace", "gray"}},
        {"cmyk", {"-colorspace", "cmyk"}},
    };
    for (const auto& [name, arguments] : made)
        QVERIFY2(RunTool("convert", QStringList {base} + arguments + QStringList {m_folder + "/" + name + ".jpg"}),
                 qPrintable(name));
    // EXIF with a turn and a capture date, as cameras write it.
    QFile::remove(m_folder + "/exif.jpg");
    QVERIFY(QFile::copy(m_folder + "/s420.jpg", m_folder + "/exif.jpg"));
    bool ok = false;
    Exiftool({"-q", "-overwrite_original", "-Orientation=6", "-n", "-DateTimeOriginal=2024:05:06 07:08:09",
              m_folder + "/exif.jpg"},
             &ok);
    QVERIFY(ok);
    QFile::remove(m_folder + "/cut.jpg");
    QVERIFY(QFile::copy(m_folder + "/progressive.jpg", m_folder + "/cut.jpg"));
    QVERIFY(Truncate(m_folder + "/cut.jpg", 0.6));
}

void TestJpegReader::readsAsImageMagickDoes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("hint");
    QTest::addColumn<bool>("taken");
    const QSize none;
    for (const char* name : {"s420", "s422", "s444", "progressive", "described", "exif", "odd", "dot"}) {
        QTest::addRow("%s", name) << QString(name) << none << true;
        // Hints as the shrink-on-load gives them: a half and an eighth.
        QTest::addRow("%s half", name) << QString(name) << QSize(160, 100) << true;
        QTest::addRow("%s eighth", name) << QString(name) << QSize(40, 25) << true;
    }
    // What ImageMagick reads its own way: grey and CMYK photos, and a file
    // that ends early (read as far as it goes, with a warning).
    QTest::addRow("grey") << QString("grey") << none << false;
    QTest::addRow("cmyk") << QString("cmyk") << none << false;
    QTest::addRow("truncated") << QString("cut") << none << false;
}

void TestJpegReader::readsAsImageMagickDoes()
{
    QFETCH(QString, name);
    QFETCH(QSize, hint);
    QFETCH(bool, taken);
    const QString path = m_folder + "/" + name + ".jpg";
    Magick::Image ours;
    QCOMPARE(ReadByOurs(path, hint, ours), taken);
    if (!taken)
        return;
    Magick::Image theirs;
    QVERIFY(ReadByImageMagick(path, hint, theirs));
    CompareImages(ours, theirs);
}

// Bytes flipped, cut off or repeated anywhere in the files: the reader
// never crashes, and a file it still takes reads as ImageMagick reads it,
// with no warning. GB_FUZZ_ITERATIONS sets the number of files.
void TestJpegReader::mutatedFilesAreLeftOrReadAlike()
{
    QList<QByteArray> seeds;
    for (const char* name : {"s420", "s444", "progressive", "exif", "odd"}) {
        QFile file(m_folder + "/" + name + ".jpg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        seeds.append(file.readAll());
    }
    const int iterations = qEnvironmentVariableIsSet("GB_FUZZ_ITERATIONS")
                               ? qEnvironmentVariableIntValue("GB_FUZZ_ITERATIONS") : 240;
    std::mt19937 random(2024);
    const QString path = m_folder + "/mutant.jpg";
    int taken = 0;
    for (int i = 0; i < iterations; ++i) {
        QByteArray bytes = seeds.at(i % seeds.size());
        const int at = int(random() % uint32_t(bytes.size()));
        switch (i % 4) {
        case 0:
        case 1:
            for (int flips = 1 + int(random() % 4); flips > 0; --flips)
                bytes[(at + flips * 97) % bytes.size()] = char(random());
            break;
        case 2:
            bytes.truncate(at);
            break;
        default:
            bytes.insert(at, bytes.mid(at, int(random() % 64)));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        Magick::Image ours;
        if (!ReadByOurs(path, QSize(), ours))
            continue;
        ++taken;
        Magick::Image theirs;
        QVERIFY2(ReadByImageMagick(path, QSize(), theirs), qPrintable(QString("mutant %1").arg(i)));
        QVERIFY2(Pixels16(ours) == Pixels16(theirs), qPrintable(QString("mutant %1").arg(i)));
    }
    qInfo("%d of %d mutated files read by libjpeg directly", taken, iterations);
}

QTEST_GUILESS_MAIN(TestJpegReader)
#include "tst_jpegreader.moc"
