// The PNG image data written here against libspng's own encoder: the same
// filter per row and the same bytes, for every layout the writer produces.
#include "CPngRowEncoder.h"

#include <spng.h>

#include <QTest>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

// Rows that make every filter win somewhere: smooth gradients with grain,
// flat runs, hard edges and bytes at both ends of the range.
std::vector<unsigned char> PhotoRows(size_t rowBytes, size_t height, uint32_t seed)
{
    std::vector<unsigned char> rows(rowBytes * height);
    for (size_t y = 0; y < height; ++y) {
        const unsigned band = unsigned(y / 4 % 4);
        for (size_t x = 0; x < rowBytes; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 28) - 8;
            int v = 0;
            switch (band) {
            case 0: v = int(x * 3 + y * 2) + grain; break;        // diagonal gradient
            case 1: v = (x / 9) % 2 ? 250 + grain : 3 + grain; break; // edges near 0 and 255
            case 2: v = 128; break;                                  // flat
            default: v = int(seed >> 24); break;                     // noise
            }
            rows[y * rowBytes + x] = uint8_t(v);
        }
    }
    return rows;
}

int AppendTo(spng_ctx*, void* user, void* data, size_t length)
{
    static_cast<QByteArray*>(user)->append(static_cast<const char*>(data), qsizetype(length));
    return 0;
}

struct ContextDeleter
{
    void operator()(spng_ctx* context) const { spng_ctx_free(context); }
};

std::unique_ptr<spng_ctx, ContextDeleter> Encoder(QByteArray& out, uint32_t width, uint32_t height,
                                                  uint8_t colourType, uint8_t depth, int level, int strategy,
                                                  bool adaptive)
{
    std::unique_ptr<spng_ctx, ContextDeleter> context(spng_ctx_new(SPNG_CTX_ENCODER));
    spng_set_png_stream(context.get(), AppendTo, &out);
    spng_ihdr header {};
    header.width = width;
    header.height = height;
    header.bit_depth = depth;
    header.color_type = colourType;
    spng_set_ihdr(context.get(), &header);
    spng_set_option(context.get(), SPNG_IMG_COMPRESSION_LEVEL, level);
    spng_set_option(context.get(), SPNG_IMG_COMPRESSION_STRATEGY, strategy);
    spng_set_option(context.get(), SPNG_FILTER_CHOICE, adaptive ? SPNG_FILTER_CHOICE_ALL : SPNG_FILTER_CHOICE_NONE);
    return context;
}

} // namespace

class TestPngRowEncoder : public QObject
{
    Q_OBJECT

private slots:
    void vectorChoiceMatchesByteByByte();
    void writesLibspngBytes_data();
    void writesLibspngBytes();
};

// Sixteen bytes at a time against one at a time, over widths around the
// block size and every distance the filters look back.
void TestPngRowEncoder::vectorChoiceMatchesByteByByte()
{
    int rowsCompared = 0;
    unsigned filtersSeen = 0;
    for (const unsigned pixelBytes : {1u, 2u, 3u, 4u, 6u, 8u}) {
        for (size_t rowBytes = 1; rowBytes <= 70; ++rowBytes) {
            const size_t height = 16;
            const std::vector<unsigned char> rows = PhotoRows(rowBytes, height, uint32_t(rowBytes * 31 + pixelBytes));
            std::vector<unsigned char> vector(rowBytes), scalar(rowBytes);
            for (size_t y = 0; y < height; ++y) {
                const unsigned char* row = rows.data() + y * rowBytes;
                const unsigned char* previous = y == 0 ? nullptr : row - rowBytes;
                const unsigned chosen = CPngRowEncoder::FilterRow(row, previous, rowBytes, pixelBytes, vector.data());
                const unsigned reference =
                    CPngRowEncoder::FilterRowScalar(row, previous, rowBytes, pixelBytes, scalar.data());
                QCOMPARE(chosen, reference);
                QVERIFY2(vector == scalar, qPrintable(QString("width %1, pixel %2, row %3").arg(rowBytes).arg(pixelBytes).arg(y)));
                filtersSeen |= 1u << chosen;
                ++rowsCompared;
            }
        }
    }
    QCOMPARE(filtersSeen, 0x1fu); // each of the five filters was chosen somewhere
    QVERIFY(rowsCompared > 6000);
}

void TestPngRowEncoder::writesLibspngBytes_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("colourType");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("strategy");
    QTest::addColumn<bool>("adaptive");
    // Quality 90 and 95 (level 9, filtered), 75 (level 7), 98 (run-length),
    // 92 (unfiltered), 5 (Huffman only); the layouts the writer chooses.
    QTest::newRow("rgb q90") << 613 << 97 << 2 << 8 << 9 << 1 << true;
    QTest::newRow("rgba q75") << 301 << 40 << 6 << 8 << 7 << 1 << true;
    QTest::newRow("grey q90") << 997 << 33 << 0 << 8 << 9 << 1 << true;
    QTest::newRow("grey+alpha q98") << 129 << 50 << 4 << 8 << 9 << 3 << true;
    QTest::newRow("rgb 16-bit") << 77 << 21 << 2 << 16 << 6 << 1 << true;
    QTest::newRow("rgb unfiltered q92") << 250 << 30 << 2 << 8 << 9 << 0 << false;
    QTest::newRow("grey 2-bit") << 64 << 20 << 0 << 2 << 9 << 0 << false;
    QTest::newRow("huffman only q5") << 200 << 20 << 2 << 8 << 6 << 2 << false;
    QTest::newRow("one pixel") << 1 << 1 << 2 << 8 << 9 << 1 << true;
    QTest::newRow("one column") << 1 << 300 << 6 << 8 << 9 << 1 << true;
    // Over a megabyte of image data: many IDAT chunks.
    QTest::newRow("large rgb") << 1200 << 400 << 2 << 8 << 9 << 1 << true;
}

void TestPngRowEncoder::writesLibspngBytes()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, colourType);
    QFETCH(int, depth);
    QFETCH(int, level);
    QFETCH(int, strategy);
    QFETCH(bool, adaptive);
    const unsigned channels = colourType == 2 ? 3 : colourType == 6 ? 4 : colourType == 4 ? 2 : 1;
    const size_t rowBytes = (size_t(width) * channels * unsigned(depth) + 7) / 8;
    const unsigned pixelBytes = std::max(1u, channels * unsigned(depth) / 8);
    const std::vector<unsigned char> rows = PhotoRows(rowBytes, size_t(height), uint32_t(width * 7 + height));

    QByteArray reference;
    auto theirs = Encoder(reference, uint32_t(width), uint32_t(height), uint8_t(colourType), uint8_t(depth), level,
                          strategy, adaptive);
    QCOMPARE(spng_encode_image(theirs.get(), rows.data(), rows.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE), 0);

    QByteArray ours;
    auto header = Encoder(ours, uint32_t(width), uint32_t(height), uint8_t(colourType), uint8_t(depth), level,
                          strategy, adaptive);
    QCOMPARE(spng_encode_chunks(header.get()), 0);
    CPngRowEncoder::SSettings settings;
    settings.level = level;
    settings.strategy = strategy;
    settings.adaptive = adaptive;
    // libspng takes 16-bit samples in the machine's order; the file holds
    // them big-endian, as the encoder here takes them.
    std::vector<unsigned char> fileOrder = rows;
    for (size_t i = 0; depth == 16 && i + 1 < fileOrder.size(); i += 2)
        fileOrder[i] = rows[i + 1], fileOrder[i + 1] = rows[i];
    QVERIFY(CPngRowEncoder::Encode(fileOrder.data(), rowBytes, size_t(height), pixelBytes, settings, ours));

    QCOMPARE(ours.size(), reference.size());
    QVERIFY(ours == reference);
}

QTEST_GUILESS_MAIN(TestPngRowEncoder)
#include "tst_pngrowencoder.moc"
