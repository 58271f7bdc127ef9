// The box scale against the library's own scale: the very same 16-bit
// pixels and attributes for the images it takes, untouched images for the
// ones it leaves to the library.
#include "CBoxScale.h"
#include "MagickCompat.h"
#include "TestEnv.h"

#include <Magick++.h>

#include <cstdint>
#include <vector>

namespace {

enum class Kind { Rgb, Grey, Alpha, Cmyk, Palette };

// A photo-like 16-bit image: gradients, a hard-edged pattern and grain,
// with values that are not 8-bit levels scaled up; page, resolution, a
// comment and a profile to carry along.
Magick::Image Photo(size_t width, size_t height, Kind kind)
{
    std::vector<uint16_t> samples(width * height * 3);
    uint32_t seed = 12345;
    for (size_t y = 0; y < height; ++y) {
        for (size_t x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int(seed >> 22) - 512;
            const bool check = ((x / 7) + (y / 5)) % 2 == 0;
            uint16_t* p = &samples[(y * width + x) * 3];
            const auto clamp = [](int v) { return uint16_t(v < 0 ? 0 : v > 65535 ? 65535 : v); };
            p[0] = clamp(int(65535 * x / (width + 1)) + grain);
            p[1] = clamp(int(65535 * y / (height + 1)) + (check ? 9000 : -9000) + grain / 2);
            p[2] = clamp(check ? 65535 - int(seed >> 20) : int(seed >> 17));
        }
    }
    Magick::Image image(width, height, "RGB", Magick::ShortPixel, samples.data());
    image.page(Magick::Geometry(width + 10, height + 6, 3, 2));
    image.resolutionUnits(Magick::PixelsPerInchResolution);
    image.density(Magick::Geometry(300, 240));
    image.attribute("comment", "grain");
    image.profile("XMP", Magick::Blob("<x:xmpmeta/>", 12));
    switch (kind) {
    case Kind::Grey:
        image.colorSpace(Magick::GRAYColorspace);
        break;
    case Kind::Alpha:
        image.matte(true);
        break;
    case Kind::Cmyk:
        image.colorSpace(Magick::CMYKColorspace);
        break;
    case Kind::Palette:
        image.type(Magick::PaletteType);
        break;
    case Kind::Rgb:
        break;
    }
    return image;
}

std::vector<uint16_t> Pixels(const Magick::Image& image)
{
    std::vector<uint16_t> pixels(image.columns() * image.rows() * 3);
    const_cast<Magick::Image&>(image).write(0, 0, image.columns(), image.rows(), "RGB", Magick::ShortPixel,
                                            pixels.data());
    return pixels;
}

Magick::Geometry Exact(size_t width, size_t height)
{
    Magick::Geometry geometry(width, height);
    geometry.aspect(true);
    return geometry;
}

struct SReports {
    std::vector<std::pair<long long, long long>> seen;
    size_t stopAt = size_t(-1);
};

MagickCore::MagickBooleanType Record(const char*, MagickCore::MagickOffsetType offset,
                                     MagickCore::MagickSizeType extent, void* data)
{
    auto* reports = static_cast<SReports*>(data);
    reports->seen.emplace_back(offset, (long long)extent);
    return reports->seen.size() >= reports->stopAt ? MagickCore::MagickFalse : MagickCore::MagickTrue;
}

} // namespace

Q_DECLARE_METATYPE(Kind)

class TestBoxScale : public QObject
{
    Q_OBJECT
private slots:
    void sameAsTheLibrary_data();
    void sameAsTheLibrary();
    void reportsAndStopsAsTheLibrary();

private:
    static void ComparesEqual(const Magick::Image& ours, const Magick::Image& expected);
};

void TestBoxScale::sameAsTheLibrary_data()
{
    QTest::addColumn<QSize>("from");
    QTest::addColumn<QSize>("to");
    QTest::addColumn<Kind>("kind");
    const auto row = [](const char* name, QSize from, QSize to, Kind kind = Kind::Rgb) {
        QTest::newRow(name) << from << to << kind;
    };
    row("shrink-on-load photo fitted", {2000, 1500}, {1600, 1200});
    row("whole photo fitted", {4000, 3000}, {1600, 1200});
    row("odd ratios", {333, 201}, {100, 61});
    row("tiny odd ratios", {17, 9}, {5, 3});
    row("half", {40, 30}, {20, 15});
    row("one column short", {1000, 7}, {999, 7});
    row("upscale", {10, 7}, {33, 20});
    row("upscale one short", {999, 5}, {1000, 6});
    row("widths only", {40, 30}, {23, 30});
    row("heights only, down", {40, 30}, {40, 17});
    row("heights only, up", {40, 30}, {40, 77});
    row("down one way, up the other", {30, 40}, {70, 9});
    row("same size", {20, 10}, {20, 10});
    row("to one pixel", {17, 9}, {1, 1});
    row("from one pixel", {1, 1}, {5, 3});
    row("one column", {1, 40}, {3, 13});
    row("grey", {333, 201}, {100, 61}, Kind::Grey);
    row("alpha is declined", {40, 30}, {20, 15}, Kind::Alpha);
    row("CMYK is declined", {40, 30}, {20, 15}, Kind::Cmyk);
    row("palette is declined", {40, 30}, {20, 15}, Kind::Palette);
}

void TestBoxScale::sameAsTheLibrary()
{
    QFETCH(QSize, from);
    QFETCH(QSize, to);
    QFETCH(Kind, kind);
    const Magick::Image source = Photo(size_t(from.width()), size_t(from.height()), kind);
    Magick::Image expected = source;
    expected.scale(Exact(size_t(to.width()), size_t(to.height())));
    // With and without whole-pixel registers where the processor has them.
    const bool wide = MagickCompat::HasAvx2();
    for (const bool useWide : {wide, false}) {
        MagickCompat::ScaleAvx2() = useWide;
        Magick::Image ours = source;
        const bool taken = CBoxScale::Scale(ours, size_t(to.width()), size_t(to.height()));
        MagickCompat::ScaleAvx2() = wide;
        if (kind == Kind::Alpha || kind == Kind::Cmyk || kind == Kind::Palette) {
            QVERIFY(!taken);
            QVERIFY(ours.constImage() == source.constImage());
            return;
        }
        QVERIFY(taken);
        ComparesEqual(ours, expected);
        if (QTest::currentTestFailed())
            return;
    }
}

void TestBoxScale::ComparesEqual(const Magick::Image& ours, const Magick::Image& expected)
{
    QCOMPARE(ours.columns(), expected.columns());
    QCOMPARE(ours.rows(), expected.rows());
    QVERIFY(Pixels(ours) == Pixels(expected));
    const Magick::Geometry page = ours.page();
    const Magick::Geometry expectedPage = expected.page();
    QCOMPARE(std::string(page), std::string(expectedPage));
    QCOMPARE(ours.xResolution(), expected.xResolution());
    QCOMPARE(ours.yResolution(), expected.yResolution());
    QCOMPARE(ours.resolutionUnits(), expected.resolutionUnits());
    QCOMPARE(ours.attribute("comment"), expected.attribute("comment"));
    QCOMPARE(ours.profile("XMP").length(), expected.profile("XMP").length());
    QCOMPARE(ours.colorSpace(), expected.colorSpace());
    QCOMPARE(ours.classType(), expected.classType());
    QCOMPARE(ours.type(), expected.type());
    QVERIFY(!ours.matte());
}

// A preview's monitor hears the same reports, and stopping it leaves what
// the library leaves.
void TestBoxScale::reportsAndStopsAsTheLibrary()
{
    for (const size_t stopAt : {size_t(-1), size_t(4)}) {
        SReports theirs;
        SReports mine;
        theirs.stopAt = mine.stopAt = stopAt;
        Magick::Image expected = Photo(60, 45, Kind::Rgb);
        Magick::Image ours = expected;
        ours.modifyImage();
        MagickCore::SetImageProgressMonitor(expected.image(), Record, &theirs);
        MagickCore::SetImageProgressMonitor(ours.image(), Record, &mine);
        expected.scale(Exact(25, 19));
        QVERIFY(CBoxScale::Scale(ours, 25, 19));
        QCOMPARE(mine.seen, theirs.seen);
        QCOMPARE(ours.columns(), expected.columns());
        QCOMPARE(ours.rows(), expected.rows());
    }
}

GB_TEST_MAIN(TestBoxScale)
#include "tst_boxscale.moc"
