#include "CJpegWriter.h"
#include "ImagingTestKit.h"
#include "MagickCompat.h"
#include "TestEnv.h"

#include <QDirIterator>
#include <QFile>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace ImagingTestKit;
using Result = CJpegWriter::Result;

namespace {
struct FileCloser
{
    void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

QByteArray Contents(FILE* file)
{
    QByteArray bytes;
    std::rewind(file);
    char buffer[65536];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, qsizetype(count));
    return bytes;
}

// A gradient with noise: every 8x8 block differs, as in a photo.
Magick::Image Noisy(size_t width, size_t height)
{
    Magick::Image image;
    image.size(Magick::Geometry(width, height));
    image.read("gradient:#ff8040-#2050c0");
    MagickCompat::AddNoise(image, MagickCompat::NoiseKind::Gaussian);
    return image;
}

Magick::Image Quality(Magick::Image image, size_t quality)
{
    image.quality(quality);
    return image;
}

Magick::Image Read(const QString& path)
{
    Magick::Image image;
    try {
        image.read(path.toStdString());
    } catch (const Magick::Warning&) {
        // Read all the same (a camera's odd XMP, for one).
    }
    return image;
}

Magick::Image Density(Magick::Image image, double x, double y, Magick::ResolutionType units)
{
    MagickCompat::SetResolution(image, x, y);
    image.resolutionUnits(units);
    return image;
}

struct SCase
{
    QString name;
    std::function<Magick::Image()> make;
    Result expected;
};
} // namespace

// The encoder against ImageMagick's JPEG writer: for every image it takes,
// the very same bytes; what it does not take, it leaves before writing one.
class TestJpegWriter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sameBytesAsImageMagick_data();
    void sameBytesAsImageMagick();
    void streamThatTakesNothingFails();
    void rowsScaleEveryQuantumAsTheLibrary();

private:
    QString m_folder;
    std::vector<SCase> m_cases;
};

void TestJpegWriter::initTestCase()
{
    m_folder = TestEnv::NewFolder("jpegwriter");
    const QString resources = qEnvironmentVariable("GLIMMERBOX_RESOURCES");
    // Photos read from JPEGs of each chroma sampling carry it to the write
    // (and their files' density unit).
    const QString photo = MakePhotoPng(m_folder, "photo.png", 160, 120);
    for (const QString sampling : {"4:2:0", "4:2:2", "4:4:4"}) {
        const QString name = m_folder + "/sampled-" + QString(sampling).remove(':') + ".jpg";
        QVERIFY(RunTool("convert", {photo, "-sampling-factor", sampling, "-quality", "85", "-units",
                                    "PixelsPerCentimeter", "-density", "47.3", name}));
    }
    // EXIF (with a resolution the write brings in line), XMP, IPTC and a
    // comment, as a camera or a catalogue program leaves them.
    const QString tagged = m_folder + "/tagged.jpg";
    QVERIFY(RunTool("convert", {photo, "-quality", "80", tagged}));
    bool ok = false;
    Exiftool({"-overwrite_original", "-Artist=Someone", "-XResolution=72", "-YResolution=72", "-ResolutionUnit=inches",
              "-Orientation#=1", "-XMP-dc:Title=A title", "-IPTC:Keywords=word", "-Comment=a comment", tagged},
             &ok);
    QVERIFY(ok);

    const auto noisy = [](size_t w, size_t h, size_t q) { return [=] { return Quality(Noisy(w, h), q); }; };
    m_cases = {
        {"q88", noisy(96, 64, 88), Result::Written},
        {"q1", noisy(96, 64, 1), Result::Written},
        {"q50", noisy(96, 64, 50), Result::Written},
        {"q75", noisy(96, 64, 75), Result::Written},
        {"q90", noisy(96, 64, 90), Result::Written},
        {"q91", noisy(96, 64, 91), Result::Written},
        {"q100", noisy(96, 64, 100), Result::Written},
        {"quality undefined", noisy(96, 64, 0), Result::Written},
        {"1x1", noisy(1, 1, 88), Result::Written},
        {"17x9", noisy(17, 9, 88), Result::Written},
        {"odd width, q95", noisy(333, 101, 95), Result::Written},
        {"3 MP", noisy(2000, 1500, 88), Result::Written},
        {"progressive",
         [] {
             Magick::Image image = Quality(Noisy(120, 80), 88);
             image.interlaceType(Magick::LineInterlace);
             return image;
         },
         Result::Written},
        {"300 ppi", [] { return Density(Quality(Noisy(40, 30), 88), 300, 300, Magick::PixelsPerInchResolution); },
         Result::Written},
        {"118.11 ppcm",
         [] { return Density(Quality(Noisy(40, 30), 88), 118.11, 59.9, Magick::PixelsPerCentimeterResolution); },
         Result::Written},
        {"72.5 without unit",
         [] { return Density(Quality(Noisy(40, 30), 88), 72.5, 72.5, Magick::UndefinedResolution); },
         Result::Written},
        {"asked sampling 2x1", [] {
             Magick::Image image = Quality(Noisy(40, 30), 95);
             MagickCore::CloneString(&image.imageInfo()->sampling_factor, "2x1");
             return image;
         },
         Result::Written},
        {"alpha", [] {
             Magick::Image image = Quality(Noisy(40, 30), 88);
             MagickCompat::LowerAlpha8(image, 100);
             return image;
         },
         Result::Written},
        {"profiles and comment",
         [=] {
             Magick::Image image = Density(Read(tagged), 300, 300, Magick::PixelsPerInchResolution);
             image.profile("icc", Read(resources + "/sRGB.icm").profile("icc"));
             image.profile("APP12", Magick::Blob("Ducky\0\1\0\0", 9));
             image.orientation(Magick::RightTopOrientation);
             return image;
         },
         Result::Written},
        {"ICC in two chunks, bare IPTC",
         [=] {
             Magick::Image image = Quality(Noisy(40, 30), 88);
             image.profile("icc", Read(resources + "/RSWOP.ICM").profile("icc"));
             image.profile("iptc", Magick::Blob("\x1c\x02\x19\x00\x04word", 9));
             return image;
         },
         Result::Written},
        {"read 4:2:0", [=] { return Read(m_folder + "/sampled-420.jpg"); }, Result::Written},
        {"read 4:2:2", [=] { return Read(m_folder + "/sampled-422.jpg"); }, Result::Written},
        {"read 4:4:4", [=] { return Read(m_folder + "/sampled-444.jpg"); }, Result::Written},
        {"grey pixels, true colour asked",
         [] {
             Magick::Image image(Magick::Geometry(40, 30), Magick::Color("#808080"));
             image.type(Magick::TrueColorType);
             return image;
         },
         Result::Written},
        // ImageMagick writes these as one- and four-channel JPEGs.
        {"grey pixels", [] { return Magick::Image(Magick::Geometry(40, 30), Magick::Color("#808080")); },
         Result::NotHandled},
        {"CMYK",
         [] {
             Magick::Image image = Noisy(40, 30);
             image.colorSpace(Magick::CMYKColorspace);
             return image;
         },
         Result::NotHandled},
        {"jpeg define",
         [] {
             Magick::Image image = Noisy(40, 30);
             image.defineValue("jpeg", "dct-method", "float");
             return image;
         },
         Result::NotHandled},
        {"empty", [] { return Magick::Image(); }, Result::NotHandled},
    };
    // Real camera files, where they are at hand, as a batch writes them
    // (true colour asked for, as the JPEG output's default type does).
    const QString shared = TestEnv::SharedPhotos();
    if (!shared.isEmpty()) {
        QDirIterator it(shared, {"*.jpg"}, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const auto make = [=] {
                Magick::Image image = Read(path);
                image.type(Magick::TrueColorType);
                return image;
            };
            m_cases.push_back({QFileInfo(path).fileName(), make, Result::Written});
        }
    }
}

void TestJpegWriter::sameBytesAsImageMagick_data()
{
    QTest::addColumn<int>("index");
    for (size_t i = 0; i < m_cases.size(); ++i)
        QTest::newRow(qPrintable(m_cases[i].name)) << int(i);
}

void TestJpegWriter::sameBytesAsImageMagick()
{
    QFETCH(int, index);
    const SCase& row = m_cases[size_t(index)];
    Magick::Image image = row.make();
    image.magick("JPEG");
    Magick::Image theirs = image;

    const File stream(std::tmpfile());
    QVERIFY(stream);
    std::string message;
    const Result result = CJpegWriter::Write(image, stream.get(), &message);
    QVERIFY2(result == row.expected, message.c_str());
    if (result != Result::Written) {
        QCOMPARE(std::ftell(stream.get()), 0L);
        return;
    }
    QVERIFY2(message.empty(), message.c_str());
    QCOMPARE(std::fflush(stream.get()), 0);
    const QByteArray ours = Contents(stream.get());

    Magick::Blob blob;
    try {
        theirs.write(&blob);
    } catch (const Magick::Warning&) {
    }
    const QByteArray expected(static_cast<const char*>(blob.data()), qsizetype(blob.length()));
    QVERIFY(ours.size() > 100);
    if (ours != expected) {
        qsizetype at = 0;
        while (at < ours.size() && at < expected.size() && ours[at] == expected[at])
            ++at;
        QFAIL(qPrintable(QString("%1 bytes against %2, first difference at %3")
                             .arg(ours.size())
                             .arg(expected.size())
                             .arg(at)));
    }
}

// A stream that takes no bytes (read-only, or a full device) fails the
// write with libjpeg's reason, and nothing is thrown.
void TestJpegWriter::streamThatTakesNothingFails()
{
    const QString path = m_folder + "/read-only.jpg";
    QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    for (const QString& target : {path, QString("/dev/full")}) {
        const File stream(std::fopen(QFile::encodeName(target).constData(), target == path ? "rb" : "wb"));
        if (!stream)
            QSKIP("no such stream here");
        Magick::Image image = Quality(Noisy(400, 300), 95);
        std::string message;
        QCOMPARE(int(CJpegWriter::Write(image, stream.get(), &message)), int(Result::Failed));
        QVERIFY(!message.empty());
    }
}

// Every 16-bit value becomes the 8-bit one the library's writers give,
// in the vector blocks and in a row's last samples alike.
void TestJpegWriter::rowsScaleEveryQuantumAsTheLibrary()
{
    const size_t width = 257;
    const size_t height = 256;
    std::vector<uint16_t> samples(width * height * 3);
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] = uint16_t(i * 21845u / 3u + i % 3); // all 65536 values, unordered
    Magick::Image image = MagickCompat::UnfilledImage(width, height, false, 16);
    QVERIFY(MagickCompat::ImportRows(image, 0, height, false, true, samples.data()));
    std::vector<unsigned char> row(width * 4);
    const int red = MagickCompat::kQuadsAreBgrx ? 2 : 0;
    for (size_t y = 0; y < height; ++y) {
        QVERIFY(MagickCompat::ExportRowQuads8(image, y, row.data()));
        for (size_t x = 0; x < width; ++x) {
            const uint16_t* rgb = &samples[(y * width + x) * 3];
            const unsigned char* quad = &row[x * 4];
            QCOMPARE(quad[red], MagickCompat::QuantumToChar(rgb[0]));
            QCOMPARE(quad[1], MagickCompat::QuantumToChar(rgb[1]));
            QCOMPARE(quad[2 - red], MagickCompat::QuantumToChar(rgb[2]));
        }
    }
}

GB_TEST_MAIN(TestJpegWriter)
#include "tst_jpegwriter.moc"
