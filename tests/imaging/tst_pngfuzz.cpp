#include "CPngCodec.h"
#include "ImagingTestKit.h"
#include "MagickCompat.h"
#include "TestEnv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>

#include <array>
#include <random>

// Bounded random-mutation run over PNG files of every colour type, with and
// without interlacing, profiles and text: every mutated file must be read
// without a crash or a hang, and what is read must be the size the file's
// header declares. Half of the mutated files get their chunk checksums
// mended, so that the mutations reach the chunk parsers and the inflater
// behind the checksum test. Set GB_FUZZ_ITERATIONS to run more or fewer
// inputs and GB_FUZZ_SEED for another sequence (and build with
// -DGB_SANITIZE=address to run it under AddressSanitizer).
class TestPngFuzz : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mutatedFiles();

private:
    QList<QByteArray> m_seeds;
};

namespace {

class Mutator
{
public:
    explicit Mutator(uint32_t seed) : m_random(seed) {}

    int Below(int n) { return n <= 0 ? 0 : int(m_random() % uint32_t(n)); }

    QByteArray Mutate(QByteArray bytes)
    {
        const int count = 1 + Below(4);
        for (int i = 0; i < count && bytes.size() > 8; ++i)
            MutateOnce(bytes);
        if (Below(2) == 0)
            MendChecksums(bytes);
        return bytes;
    }

private:
    // Headers and the chunks before the image data matter most: positions
    // favour the first few hundred bytes.
    int Position(const QByteArray& bytes)
    {
        const int span = Below(3) == 0 ? int(bytes.size()) : qMin(int(bytes.size()), 400);
        return 8 + Below(span - 8);
    }

    void MutateOnce(QByteArray& bytes)
    {
        static const uint32_t interesting[] = {0, 1, 2, 7, 8, 16, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF, 0x8000,
                                               0xFFFF, 0x10000, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
        const int at = Position(bytes);
        switch (Below(6)) {
        case 0:
            bytes[at] = char(uint8_t(bytes[at]) ^ (1u << Below(8)));
            break;
        case 1: { // a big-endian 8-, 16- or 32-bit value: lengths, sizes, depths
            const uint32_t value = interesting[Below(int(std::size(interesting)))];
            const int width = 1 << Below(3);
            for (int i = 0; i < width && at + i < bytes.size(); ++i)
                bytes[at + i] = char((value >> (8 * (width - 1 - i))) & 0xFF);
            break;
        }
        case 2:
            if (Below(4) == 0)
                bytes.truncate(at);
            else
                bytes[at] = char(Below(256));
            break;
        case 3:
            bytes.remove(at, 1 + Below(16));
            break;
        case 4: {
            const int from = Position(bytes);
            bytes.insert(at, bytes.mid(from, 1 + Below(64)));
            break;
        }
        default:
            bytes[at] = char(Below(16));
            break;
        }
    }

    static quint32 Crc32(const char* data, quint32 length)
    {
        static const std::array<quint32, 256> table = [] {
            std::array<quint32, 256> t {};
            for (quint32 n = 0; n < 256; ++n) {
                quint32 c = n;
                for (int k = 0; k < 8; ++k)
                    c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
                t[n] = c;
            }
            return t;
        }();
        quint32 crc = 0xFFFFFFFFu;
        for (quint32 i = 0; i < length; ++i)
            crc = table[(crc ^ uchar(data[i])) & 0xFF] ^ (crc >> 8);
        return crc ^ 0xFFFFFFFFu;
    }

    // Every complete chunk gets the checksum of what it now holds.
    static void MendChecksums(QByteArray& bytes)
    {
        qsizetype at = 8;
        while (at + 12 <= bytes.size()) {
            const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
            if (length > quint32(bytes.size()) || at + 12 + qsizetype(length) > bytes.size())
                return;
            const quint32 crc = Crc32(bytes.constData() + at + 4, length + 4);
            qToBigEndian<quint32>(crc, bytes.data() + at + 8 + length);
            at += 12 + length;
        }
    }

    std::mt19937 m_random;
};

QByteArray Encoded(Magick::Image image, size_t quality = 100)
{
    image.depth(8);
    image.quality(quality);
    QByteArray bytes;
    if (!CPngCodec::Encode(image, bytes))
        return QByteArray();
    return bytes;
}

} // namespace

void TestPngFuzz::initTestCase()
{
    // Small pictures of each colour type the writer makes.
    Magick::Image colour;
    colour.size(Magick::Geometry(20, 14));
    colour.read("gradient:red-blue");
    colour.attribute("comment", "a comment that is long enough to be compressed as it is written: "
                                "0123456789012345678901234567890123456789012345678901234567890123456789");
    colour.attribute("Title", "Ünïcödé title");
    m_seeds << Encoded(colour);
    Magick::Image interlaced = colour;
    interlaced.interlaceType(Magick::PlaneInterlace);
    m_seeds << Encoded(interlaced, 75);
    Magick::Image grey = colour;
    grey.colorSpace(MagickCore::GRAYColorspace);
    m_seeds << Encoded(grey);
    Magick::Image bilevel = grey;
    bilevel.threshold(MagickCompat::QuantumMax() / 2);
    m_seeds << Encoded(bilevel);
    Magick::Image alpha = colour;
    MagickCompat::SetAlpha(alpha, true);
    MagickCompat::LowerAlpha8(alpha, 100);
    m_seeds << Encoded(alpha, 88);
    Magick::Image palette = colour;
    palette.quantizeColors(6);
    palette.quantize();
    m_seeds << Encoded(palette);

    // Files of ImageMagick's coder: 16-bit samples, a colour profile, the
    // EXIF and XMP raw profile texts.
    const QString folder = TestEnv::NewFolder("pngfuzz");
    const QString resources = QString::fromLocal8Bit(qgetenv("GLIMMERBOX_RESOURCES"));
    const QList<QStringList> made = {
        {"-size", "18x12", "gradient:", "-depth", "16", folder + "/a.png"},
        {"-size", "18x12", "gradient:red-green", "-profile", resources + "/sRGB.icm", "-interlace", "PNG", folder + "/b.png"},
        {"-size", "18x12", "gradient:", "-alpha", "set", "-depth", "16", folder + "/c.png"},
    };
    for (const QStringList& arguments : made) {
        QVERIFY(ImagingTestKit::RunTool("convert", arguments));
        QFile file(arguments.last());
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_seeds << file.readAll();
    }
    const QString exif = folder + "/a.png";
    bool ok = false;
    ImagingTestKit::Exiftool({"-q", "-overwrite_original", "-Orientation=6", "-n", "-XMP-dc:Title=x", exif}, &ok);
    if (ok) {
        QFile file(exif);
        QVERIFY(file.open(QIODevice::ReadOnly));
        m_seeds << file.readAll();
    }
    for (const QByteArray& seed : m_seeds)
        QVERIFY(CPngCodec::IsPng(seed.constData(), size_t(seed.size())));
}

void TestPngFuzz::mutatedFiles()
{
    const int iterations = qEnvironmentVariableIsSet("GB_FUZZ_ITERATIONS")
                               ? qEnvironmentVariableIntValue("GB_FUZZ_ITERATIONS")
                               : 100000;
    const uint32_t seed = qEnvironmentVariableIsSet("GB_FUZZ_SEED")
                              ? uint32_t(qEnvironmentVariableIntValue("GB_FUZZ_SEED"))
                              : 20261207u;
    Mutator mutator(seed);
    int read = 0;
    int damaged = 0;
    qint64 slowest = 0;
    QElapsedTimer total;
    total.start();
    for (int i = 0; i < iterations; ++i) {
        const QByteArray input = mutator.Mutate(m_seeds[mutator.Below(int(m_seeds.size()))]);
        QElapsedTimer one;
        one.start();
        Magick::Image image;
        const CPngCodec::ReadResult result = CPngCodec::Decode(input.constData(), size_t(input.size()), image);
        slowest = qMax(slowest, one.elapsed());
        if (!result.ok) {
            QVERIFY(!result.error.isEmpty());
            continue;
        }
        ++read;
        damaged += result.damage.isEmpty() ? 0 : 1;
        // The size the (possibly mutated) header declares.
        QVERIFY(input.size() >= 24);
        QCOMPARE(image.columns(), size_t(qFromBigEndian<quint32>(input.constData() + 16)));
        QCOMPARE(image.rows(), size_t(qFromBigEndian<quint32>(input.constData() + 20)));
    }
    qInfo("%d inputs in %lld ms, %d read (%d damaged), slowest %lld ms", iterations, total.elapsed(), read,
          damaged, slowest);
    QVERIFY(read > 0);
    QVERIFY(slowest < 2000);
}

GB_TEST_MAIN(TestPngFuzz)
#include "tst_pngfuzz.moc"
