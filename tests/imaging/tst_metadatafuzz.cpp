#include "CMetadata.h"
#include "JpegFixtures.h"
#include "TestEnv.h"

#include <QDirIterator>
#include <QElapsedTimer>

#include <fcntl.h>
#include <unistd.h>

#include <random>

using namespace JpegFixtures;

// Bounded random-mutation run over real and hand-made JPEG headers: every
// mutated file must be read without a crash, a hang or a result that points
// outside the file. Set GB_FUZZ_ITERATIONS to run more or fewer inputs and
// GB_FUZZ_SEED for another sequence of mutations (and
// build with -DGB_SANITIZE=address to run it under AddressSanitizer).
class TestMetadataFuzz : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void mutatedHeaders();

private:
    QList<QByteArray> m_seeds;
};

namespace {

// Keeps the reader's diagnostics off the console while the run lasts.
class QuietStderr
{
public:
    QuietStderr()
    {
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) {
            dup2(null, STDERR_FILENO);
            close(null);
        }
    }
    ~QuietStderr()
    {
        std::fflush(stderr);
        if (m_saved >= 0) {
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
        }
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int m_saved = -1;
};

class Mutator
{
public:
    explicit Mutator(uint32_t seed) : m_random(seed) {}

    int Below(int n) { return n <= 0 ? 0 : int(m_random() % uint32_t(n)); }

    QByteArray Mutate(QByteArray bytes)
    {
        const int count = 1 + Below(3);
        for (int i = 0; i < count && !bytes.isEmpty(); ++i)
            MutateOnce(bytes);
        return bytes;
    }

private:
    // Positions favour the header's first kilobytes, where the EXIF
    // directories sit.
    int Position(const QByteArray& bytes)
    {
        const int span = Below(4) == 0 ? bytes.size() : qMin(bytes.size(), 1024);
        return Below(span);
    }

    void MutateOnce(QByteArray& bytes)
    {
        static const uint32_t interesting[] = {0, 1, 2, 8, 16, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF, 0x8000,
                                               0xFFFF, 0x10000, 0x10001, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
        const int at = Position(bytes);
        switch (Below(7)) {
        case 0:
            bytes[at] = char(uint8_t(bytes[at]) ^ (1u << Below(8)));
            break;
        case 1:
            bytes[at] = char(interesting[Below(8)]);
            break;
        case 2: { // a 16- or 32-bit value in either byte order
            const uint32_t value = interesting[Below(int(std::size(interesting)))];
            const int width = Below(2) == 0 ? 2 : 4;
            const bool motorola = Below(2) == 0;
            for (int i = 0; i < width && at + i < bytes.size(); ++i) {
                const int shift = 8 * (motorola ? width - 1 - i : i);
                bytes[at + i] = char((value >> shift) & 0xFF);
            }
            break;
        }
        case 3: // cutting the file short is rarer: it ends most walks early
            if (Below(4) == 0)
                bytes.truncate(at);
            else
                bytes[at] = char(Below(256));
            break;
        case 4:
            bytes.remove(at, 1 + Below(16));
            break;
        case 5: {
            const int from = Position(bytes);
            bytes.insert(at, bytes.mid(from, 1 + Below(32)));
            break;
        }
        default: // a small offset, the kind that links directories
            bytes[at] = char(Below(64));
            break;
        }
    }

    std::mt19937 m_random;
};

} // namespace

void TestMetadataFuzz::initTestCase()
{
    const QByteArray thumb = EncodeJpeg(16, 12);
    for (bool motorola : {false, true}) {
        m_seeds << JpegFile({ExifSegment(ThumbnailTiff(motorola, thumb).Bytes())});
        m_seeds << JpegFile({XmpSegment(), ExifSegment(ThumbnailTiff(motorola, thumb).Bytes())});
    }
    const QString photos = TestEnv::SharedPhotos();
    if (photos.isEmpty())
        return;
    QDirIterator it(photos + "/jpg", {"*.jpg", "*.jpeg"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        const int scan = bytes.indexOf("\xFF\xDA");
        if (scan > 0)
            m_seeds << bytes.left(scan + 64);
    }
}

void TestMetadataFuzz::mutatedHeaders()
{
    const int iterations = qEnvironmentVariableIsSet("GB_FUZZ_ITERATIONS")
                               ? qEnvironmentVariableIntValue("GB_FUZZ_ITERATIONS")
                               : 100000;
    const QString path = TestEnv::NewFolder("fuzz") + "/input.jpg";
    const uint32_t seed = qEnvironmentVariableIsSet("GB_FUZZ_SEED")
                              ? uint32_t(qEnvironmentVariableIntValue("GB_FUZZ_SEED"))
                              : 20261207u;
    Mutator mutator(seed);
    int withThumbnail = 0;
    qint64 slowest = 0;
    QElapsedTimer total;
    total.start();
    {
        QuietStderr quiet;
        for (int i = 0; i < iterations; ++i) {
            const QByteArray input = mutator.Mutate(m_seeds[mutator.Below(int(m_seeds.size()))]);
            QVERIFY(WriteFile(path, input));
            QElapsedTimer one;
            one.start();
            CMetadata metadata;
            metadata.Read(path);
            slowest = qMax(slowest, one.elapsed());
            const int size = metadata.GetThumbnailSize();
            QVERIFY(size >= 0 && size <= input.size());
            QVERIFY(metadata.GetThumbnail() != nullptr);
            if (size > 0) {
                ++withThumbnail;
                const QByteArray bytes(metadata.GetThumbnail(), size);
                QVERIFY2(input.contains(bytes), "the thumbnail must come from the file");
                QVERIFY(metadata.GetThumbnailWidth() > 0 && metadata.GetThumbnailHeight() > 0);
            }
        }
    }
    qInfo("%d inputs in %lld ms, %d with a thumbnail, slowest %lld ms", iterations, total.elapsed(),
          withThumbnail, slowest);
    QVERIFY(slowest < 2000);
}

GB_TEST_MAIN(TestMetadataFuzz)
#include "tst_metadatafuzz.moc"
