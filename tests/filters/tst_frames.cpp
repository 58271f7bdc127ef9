#include "FilterTestKit.h"
#include "MagickCompat.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QDir>
#include <QFile>

using namespace FilterTestKit;

Q_DECLARE_METATYPE(QList<double>)

namespace {
struct Rgba
{
    int r, g, b, a;
};

Rgba PixelAt(const Magick::Image& image, int x, int y)
{
    unsigned char p[4] = {0, 0, 0, 0};
    const_cast<Magick::Image&>(image).write(x, y, 1, 1, "RGBA", Magick::CharPixel, p);
    return {p[0], p[1], p[2], p[3]};
}

Magick::Image Flat(int width, int height, int r, int g, int b)
{
    Magick::Image image(Magick::Geometry(size_t(width), size_t(height)), MagickCompat::ColorRgba8(r, g, b));
    image.depth(8);
    return image;
}

double QRgbParam(int r, int g, int b)
{
    return double(0xff000000u | (quint32(r) << 16) | (quint32(g) << 8) | quint32(b));
}

// Writes the colours side by side, each a block of the size, as an 8-bit PNG.
bool WriteBlocks(const QString& path, const QString& size, const QStringList& colours)
{
    QStringList arguments{"-size", size};
    for (const QString& colour : colours)
        arguments << "xc:" + colour;
    return RunConvert(arguments + QStringList{"+append", "-depth", "8", "PNG24:" + path});
}

// Where each style of each kind reads its picture from.
QString FrameFile(int id, int style, bool edgeVariant)
{
    switch (id) {
    case 2001:
        return QString("ShapeFrame%1%2.jpg").arg(style + 1).arg(edgeVariant ? "b" : "");
    case 2002:
        return QString("GrungeFrame%1.jpg").arg(style + 1);
    case 2003:
        return QString("PictureFrame%1.gif").arg(style + 1);
    default:
        return QString("VintageFrame%1.gif").arg(style + 1);
    }
}

struct Style
{
    int id, style;
    bool edge;
};

// Every style of every kind: 12 shaped (with and without soft edges), 6 grunge, 4 picture, 9 vintage.
QList<Style> AllStyles()
{
    QList<Style> styles;
    for (const auto& [id, count] : {std::pair{2001, 6}, {2002, 6}, {2003, 4}, {2004, 9}}) {
        for (int style = 0; style < count; ++style) {
            for (int edge = 0; edge < (id == 2001 ? 2 : 1); ++edge)
                styles.append({id, style, edge == 1});
        }
    }
    return styles;
}

// Parameters of a frame record: style, background, (edge), transparent, random.
QList<double> FrameParams(int id, int style, bool edgeVariant = false, bool transparent = false,
                          bool random = false)
{
    const double background = QRgbParam(0, 0, 255);
    if (id == 2001)
        return {double(style), background, edgeVariant ? 1.0 : 0.0, transparent ? 1.0 : 0.0, random ? 1.0 : 0.0};
    return {double(style), background, transparent ? 1.0 : 0.0, random ? 1.0 : 0.0};
}
} // namespace

class TestFrames : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_originalResources = qgetenv("GLIMMERBOX_RESOURCES");
        m_realFrames = QString::fromLocal8Bit(m_originalResources) + "/Frames";
        QVERIFY2(QDir(m_realFrames).exists(), qPrintable(m_realFrames));
    }

    void cleanup()
    {
        qputenv("GLIMMERBOX_RESOURCES", m_originalResources);
    }

    void everyStyleReadsItsFile_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("style");
        QTest::addColumn<bool>("edgeVariant");
        for (const Style& s : AllStyles())
            QTest::newRow(qPrintable(FrameFile(s.id, s.style, s.edge))) << s.id << s.style << s.edge;
    }

    // Only the expected file is in the folder: the frame succeeds from it alone,
    // and it is one of the shipped pictures.
    void everyStyleReadsItsFile()
    {
        QFETCH(int, id);
        QFETCH(int, style);
        QFETCH(bool, edgeVariant);
        const QString file = FrameFile(id, style, edgeVariant);
        const QString frames = UseResources("one-" + file);
        QVERIFY(QFile::copy(m_realFrames + "/" + file, frames + "/" + file));

        Magick::Image photo = Flat(90, 60, 200, 40, 40);
        QVERIFY(ApplyRecord(photo, Record(quint32(id), FrameParams(id, style, edgeVariant))));
        QVERIFY(photo.columns() >= 90 && photo.rows() >= 60);
        // The middle of the photo shows through every frame.
        const Rgba middle = PixelAt(photo, int(photo.columns() / 2), int(photo.rows() / 2));
        QVERIFY2(middle.r > 150 && middle.g < 90, qPrintable(QString("%1 %2 %3").arg(middle.r).arg(middle.g).arg(middle.b)));
    }

    // A frame that cannot be made fails with a trace line and leaves the photo as it was.
    void failureKeepsPhoto_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QList<double>>("params");
        QTest::addColumn<QString>("trace");
        QTest::newRow("missing frame file") << 2003 << FrameParams(2003, 1) << "ImageFilters::Apply Error";
        // (every other row runs with the shipped frames)
        QTest::newRow("shaped style 6") << 2001 << FrameParams(2001, 6) << "No frame style";
        QTest::newRow("grunge style -1") << 2002 << FrameParams(2002, -1) << "No frame style";
        QTest::newRow("picture style 4") << 2003 << FrameParams(2003, 4) << "No frame style";
        QTest::newRow("vintage style 9") << 2004 << FrameParams(2004, 9) << "No frame style";
        // Sizes from a job file that the image library refuses to allocate.
        QTest::newRow("instant photo, huge strip") << 2005 << QList<double>{1e6, 0, 0, 0, 1} << "";
        QTest::newRow("shadow, huge blur") << 2020 << QList<double>{80, 1e5, QRgbParam(0, 0, 0), 0} << "";
    }

    void failureKeepsPhoto()
    {
        QFETCH(int, id);
        QFETCH(QList<double>, params);
        QFETCH(QString, trace);
        if (trace.startsWith("ImageFilters"))
            UseResources("no-frames");
        Magick::Image photo = Flat(90, 60, 200, 40, 40);
        photo.matte(false);
        const Magick::Image before = photo;
        TraceCapture capture;
        QVERIFY(!ApplyRecord(photo, Record(quint32(id), params)));
        QCOMPARE(MaxDifference8(photo, before), 0);
        QVERIFY(!photo.matte());
        QVERIFY(trace.isEmpty() || capture.Contains(trace));
    }

    void framesFolderWithPercentSign()
    {
        // The library expands "%d" in names it writes, never in names it reads.
        const QString frames = UseResources("100%d frames");
        QVERIFY(QFile::copy(m_realFrames + "/PictureFrame2.gif", frames + "/PictureFrame2.gif"));
        Magick::Image photo = Flat(90, 60, 200, 40, 40);
        QVERIFY(ApplyRecord(photo, Record(2003, FrameParams(2003, 1))));
        QVERIFY(photo.columns() > 90 && photo.rows() > 60);
    }

    void maskCutsPhoto_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("transparent");
        QTest::newRow("shaped, background") << 2001 << false;
        QTest::newRow("shaped, transparent") << 2001 << true;
        QTest::newRow("grunge, background") << 2002 << false;
        QTest::newRow("grunge, transparent") << 2002 << true;
    }

    // Mask columns: white, mid grey, black. White removes the photo even where
    // it was opaque, grey keeps it half, black keeps it whole.
    void maskCutsPhoto()
    {
        QFETCH(int, id);
        QFETCH(bool, transparent);
        const QString frames = UseResources("mask");
        QVERIFY(WriteBlocks(frames + "/" + FrameFile(id, 0, false), "20x20", {"white", "rgb(128,128,128)", "black"}));

        Magick::Image photo = Flat(60, 40, 255, 0, 0);
        QVERIFY(ApplyRecord(photo, Record(quint32(id), FrameParams(id, 0, false, transparent))));
        QCOMPARE(int(photo.columns()), 60);
        const Rgba white = PixelAt(photo, 5, 20), grey = PixelAt(photo, 30, 20), black = PixelAt(photo, 55, 20);
        if (transparent) {
            QVERIFY(white.a == 0 && qAbs(grey.a - 127) <= 2 && black.a == 255);
        } else { // white shows the background colour
            QVERIFY(white.a == 255 && white.r == 0 && white.b == 255);
            QVERIFY(qAbs(grey.r - 127) <= 2 && qAbs(grey.b - 128) <= 2);
            QVERIFY(black.r == 255 && black.b == 0);
        }
    }

    // A half-transparent photo stays half transparent where the mask keeps it
    // whole, and a grey mask thins it further; transparent pixels stay so.
    void maskKeepsPhotoTransparency()
    {
        const QString frames = UseResources("alpha");
        QVERIFY(WriteBlocks(frames + "/ShapeFrame1.jpg", "20x20", {"black", "rgb(128,128,128)"}));
        Magick::Image photo = Flat(40, 20, 255, 0, 0);
        MagickCompat::SetAlpha(photo, true);
        std::vector<unsigned char> pixels = Rgba8(photo);
        for (size_t i = 3; i < pixels.size(); i += 4)
            pixels[i] = ((i / 4) % 40) < 2 ? 0 : 100;
        photo.read(40, 20, "RGBA", Magick::CharPixel, pixels.data());
        QVERIFY(ApplyRecord(photo, Record(2001, FrameParams(2001, 0, false, true))));
        QCOMPARE(PixelAt(photo, 1, 10).a, 0);
        QCOMPARE(PixelAt(photo, 10, 10).a, 100);
        QVERIFY(qAbs(PixelAt(photo, 30, 10).a - 50) <= 1);
    }

    void maskCutsPalettePhoto()
    {
        const QString frames = UseResources("palette");
        QVERIFY(WriteBlocks(frames + "/GrungeFrame1.jpg", "20x20", {"white", "black"}));
        const QString gif = TestEnv::NewFolder("palette-photo") + "/photo.gif";
        QVERIFY(RunConvert({"-size", "20x20", "xc:red", "xc:lime", "+append", gif}));
        Magick::Image photo = Load(gif);
        QCOMPARE(photo.classType(), Magick::PseudoClass);
        QVERIFY(ApplyRecord(photo, Record(2002, FrameParams(2002, 0, false, true))));
        QCOMPARE(PixelAt(photo, 5, 10).a, 0);
        QVERIFY(PixelAt(photo, 30, 10).a == 255 && PixelAt(photo, 30, 10).g == 255);
    }

    void maskTurnsForPortraitsOnlyForGrunge_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("turned");
        QTest::newRow("grunge") << 2002 << true;
        QTest::newRow("shaped") << 2001 << false;
    }

    // The mask is white on its left half. Turned a quarter clockwise for a
    // portrait photo, the white lies on top; untouched, it stays on the left.
    void maskTurnsForPortraitsOnlyForGrunge()
    {
        QFETCH(int, id);
        QFETCH(bool, turned);
        const QString frames = UseResources("turn");
        QVERIFY(WriteBlocks(frames + "/" + FrameFile(id, 0, false), "30x40", {"white", "black"}));
        Magick::Image photo = Flat(40, 60, 255, 0, 0);
        QVERIFY(ApplyRecord(photo, Record(quint32(id), FrameParams(id, 0, false, true))));
        QCOMPARE(PixelAt(photo, 35, 5).a, turned ? 0 : 255);   // top right
        QCOMPARE(PixelAt(photo, 5, 55).a, turned ? 255 : 0);   // bottom left
    }

    // Two photos with the same style read the file once; a new style reads its
    // own file.
    void cacheReadsOnceAndFollowsStyle()
    {
        const QString frames = UseResources("cache");
        for (const auto& [file, colour] : {std::pair{"GrungeFrame1.jpg", "black"}, {"GrungeFrame2.jpg", "white"},
                                           {"ShapeFrame1.jpg", "black"}, {"ShapeFrame1b.jpg", "white"}})
            QVERIFY(WriteBlocks(frames + "/" + file, "30x20", {colour}));
        CImageFilters engine;
        // Alpha in the middle of a red photo framed by the engine; -1 when it fails.
        const auto alpha = [&engine](int id, int style, bool edge) {
            Magick::Image photo = Flat(30, 20, 255, 0, 0);
            engine.SetTarget(&photo);
            engine.SetRecord(Record(quint32(id), FrameParams(id, style, edge, true)));
            return engine.Apply() ? PixelAt(photo, 10, 10).a : -1;
        };
        QCOMPARE(alpha(2002, 0, false), 255);
        QVERIFY(QFile::remove(frames + "/GrungeFrame1.jpg")); // a second read would fail now
        QCOMPARE(alpha(2002, 0, false), 255);
        QCOMPARE(alpha(2002, 1, false), 0);
        // The edge variant is part of the shaped frame's key.
        QCOMPARE(alpha(2001, 0, false), 255);
        QCOMPARE(alpha(2001, 0, true), 0);
    }

    void batchMatchesSinglePhotos_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("style");
        QTest::newRow("shaped heart") << 2001 << 3;
        QTest::newRow("grunge 2") << 2002 << 1;
        QTest::newRow("picture 1") << 2003 << 0;
        QTest::newRow("vintage film") << 2004 << 3;
    }

    // Portrait, landscape, portrait through one engine give what each photo
    // gives through a fresh one: the cached frame is never turned or resized.
    void batchMatchesSinglePhotos()
    {
        QFETCH(int, id);
        QFETCH(int, style);
        const QString folder = TestEnv::NewFolder("batch");
        const QString pattern = MakePatternPng(folder, "p.png", 120, 80);
        Magick::Image landscape = Load(pattern);
        Magick::Image portrait = landscape;
        portrait.rotate(90);
        const SFilterRecord record = Record(quint32(id), FrameParams(id, style));

        CImageFilters engine;
        engine.SetRecord(record);
        for (const Magick::Image& original : {portrait, landscape, portrait}) {
            Magick::Image batch = original;
            engine.SetTarget(&batch);
            QVERIFY(engine.Apply());
            Magick::Image alone = original;
            QVERIFY(ApplyRecord(alone, record));
            QCOMPARE(MaxDifference8(batch, alone), 0);
        }
    }

    void randomStyleIgnoresStyleParameter()
    {
        for (const int id : {2001, 2002, 2003, 2004}) {
            CImageFilters engine;
            engine.SetRecord(Record(quint32(id), FrameParams(id, 99, false, false, true)));
            for (int i = 0; i < 3; ++i) {
                Magick::Image photo = Flat(60, 40, 200, 40, 40);
                engine.SetTarget(&photo);
                QVERIFY(engine.Apply());
            }
        }
    }

    void pictureFrameFitsAroundPhoto_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("style");
        QTest::addColumn<QSize>("photoSize");
        QTest::addColumn<QSize>("frameFile");
        QTest::addColumn<QSize>("expected");
        // Frame of exactly the asked shape: 1000 / 0.72 by 600 / 0.62.
        QTest::newRow("picture 0 landscape") << 2003 << 0 << QSize(1000, 600) << QSize(1388, 967) << QSize(1388, 967);
        // Portrait: the frame is turned and the factors swap.
        QTest::newRow("picture 0 portrait") << 2003 << 0 << QSize(600, 1000) << QSize(1388, 967) << QSize(967, 1388);
        // A wider frame file: fitted by width, the photo is trimmed top and bottom.
        QTest::newRow("vintage 3 wide file") << 2004 << 3 << QSize(860, 620) << QSize(2000, 1000) << QSize(1000, 500);
        // The last row of the placement table.
        QTest::newRow("vintage 8") << 2004 << 8 << QSize(850, 630) << QSize(1000, 1000) << QSize(1000, 1000);
    }

    void pictureFrameFitsAroundPhoto()
    {
        QFETCH(int, id);
        QFETCH(int, style);
        QFETCH(QSize, photoSize);
        QFETCH(QSize, frameFile);
        QFETCH(QSize, expected);
        const QString frames = UseResources("fit");
        // An opaque green band 12 pixels wide round a transparent window.
        QVERIFY(RunConvert({"-size", QString("%1x%2").arg(frameFile.width()).arg(frameFile.height()), "xc:lime", "-alpha", "set",
                            "-size", QString("%1x%2").arg(frameFile.width() - 24).arg(frameFile.height() - 24),
                            "xc:none", "-geometry", "+12+12", "-compose", "copy", "-composite",
                            frames + "/" + FrameFile(id, style, false)}));

        Magick::Image photo = Flat(photoSize.width(), photoSize.height(), 255, 0, 0);
        QVERIFY(ApplyRecord(photo, Record(quint32(id), FrameParams(id, style))));
        QCOMPARE(SizeOf(photo), expected);
        QCOMPARE(PixelAt(photo, expected.width() / 2, expected.height() / 2).r, 255);
        const Rgba band = PixelAt(photo, 1, expected.height() / 2);
        QVERIFY(band.g == 255 && band.r == 0);
        // Between band and photo the background colour (blue) shows.
        const Rgba gap = PixelAt(photo, 14, 14);
        QVERIFY(gap.b == 255 && gap.r == 0);
    }

    // The shipped first picture frame on a 1000 x 600 photo fits within
    // 1388 x 967 and touches one of those sides.
    void realPictureFrameSize()
    {
        Magick::Image photo = Flat(1000, 600, 255, 0, 0);
        QVERIFY(ApplyRecord(photo, Record(2003, FrameParams(2003, 0))));
        QVERIFY(photo.columns() <= 1388 && photo.rows() <= 967);
        QVERIFY(photo.columns() == 1388 || photo.rows() == 967);
        QCOMPARE(PixelAt(photo, int(photo.columns() / 2), int(photo.rows() / 2)).r, 255);
    }

    void simpleBorder_data()
    {
        QTest::addColumn<QSize>("photoSize");
        QTest::addColumn<QList<double>>("params"); // top, bottom, left, right, units, colour, uniform
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<QPoint>("photoAt");
        const double c = QRgbParam(0, 0, 255);
        using L = QList<double>;
        QTest::newRow("uniform pixels") << QSize(100, 50) << L{10, 0, 0, 0, 0, c, 1} << QSize(120, 70) << QPoint(10, 10);
        QTest::newRow("uniform percent") << QSize(1000, 500) << L{10, 0, 0, 0, 1, c, 1} << QSize(1200, 600) << QPoint(100, 50);
        QTest::newRow("per side pixels") << QSize(100, 50) << L{5, 7, 3, 9, 0, c, 0} << QSize(112, 62) << QPoint(3, 5);
        QTest::newRow("fractional percent") << QSize(333, 111) << L{1.5, 1.5, 1.5, 1.5, 1, c, 0}
                                            << QSize(333 + 4 + 4, 111 + 1 + 1) << QPoint(4, 1);
        QTest::newRow("negative sides") << QSize(100, 50) << L{-5, 4, -1, 2, 0, c, 0} << QSize(102, 54) << QPoint(0, 0);
    }

    void simpleBorder()
    {
        QFETCH(QSize, photoSize);
        QFETCH(QList<double>, params);
        QFETCH(QSize, expected);
        QFETCH(QPoint, photoAt);
        Magick::Image photo = Flat(photoSize.width(), photoSize.height(), 255, 0, 0);
        QVERIFY(ApplyRecord(photo, Record(2030, params)));
        QCOMPARE(SizeOf(photo), expected);
        QCOMPARE(PixelAt(photo, photoAt.x(), photoAt.y()).r, 255);
        const int right = photoAt.x() + photoSize.width();
        const int bottom = photoAt.y() + photoSize.height();
        QCOMPARE(PixelAt(photo, right - 1, bottom - 1).r, 255);
        if (photoAt.x() > 0)
            QCOMPARE(PixelAt(photo, photoAt.x() - 1, photoAt.y()).b, 255);
        if (photoAt.y() > 0)
            QCOMPARE(PixelAt(photo, photoAt.x(), photoAt.y() - 1).b, 255);
        if (right < expected.width())
            QCOMPARE(PixelAt(photo, right, bottom - 1).b, 255);
        if (bottom < expected.height())
            QCOMPARE(PixelAt(photo, right - 1, bottom).b, 255);
    }

    void raiseLightensAndDarkensEdges_data()
    {
        QTest::addColumn<bool>("raised");
        QTest::newRow("raised") << true;
        QTest::newRow("lowered") << false;
    }

    // 200 x 100 with p0 = 100: a 25-pixel edge (100 x 0.25).
    void raiseLightensAndDarkensEdges()
    {
        QFETCH(bool, raised);
        Magick::Image photo = Flat(200, 100, 128, 128, 128);
        QVERIFY(ApplyRecord(photo, Record(2010, {100, raised ? 1.0 : 0.0})));
        const int left = PixelAt(photo, 10, 50).r, top = PixelAt(photo, 100, 10).r;
        const int right = PixelAt(photo, 190, 50).r, bottom = PixelAt(photo, 100, 90).r;
        QVERIFY(raised ? (left > 128 && top > 128) : (left < 128 && top < 128));
        QVERIFY(raised ? (right < 128 && bottom < 128) : (right > 128 && bottom > 128));
        QVERIFY(PixelAt(photo, 24, 50).r != 128);
        QCOMPARE(PixelAt(photo, 26, 50).r, 128);
        QCOMPARE(PixelAt(photo, 100, 50).r, 128);
    }

    void shadowGrowsAndDarkens_data()
    {
        QTest::addColumn<double>("sigma");
        QTest::addColumn<bool>("whiteBackground");
        QTest::addColumn<int>("growth");
        QTest::newRow("sigma 3 white") << 3.0 << true << 12;
        QTest::newRow("sigma 5 transparent") << 5.0 << false << 20;
    }

    void shadowGrowsAndDarkens()
    {
        QFETCH(double, sigma);
        QFETCH(bool, whiteBackground);
        QFETCH(int, growth);
        Magick::Image photo = Flat(100, 80, 255, 0, 0);
        QVERIFY(ApplyRecord(photo, Record(2020, {80, sigma, QRgbParam(0, 0, 0), whiteBackground ? 1.0 : 0.0})));
        QCOMPARE(SizeOf(photo), QSize(100 + growth, 80 + growth));
        QCOMPARE(photo.page().xOff(), ssize_t(0));
        QVERIFY(PixelAt(photo, 0, 0).r == 255 && PixelAt(photo, 0, 0).a == 255);
        // The shadow falls to the right of and below the photo.
        const Rgba shadow = PixelAt(photo, 100 + growth / 2, 40);
        const Rgba farCorner = PixelAt(photo, 100 + growth - 1, 0);
        if (whiteBackground) {
            QVERIFY(shadow.r < 200 && shadow.a == 255);
            QVERIFY(farCorner.r == 255 && farCorner.a == 255);
        } else {
            QVERIFY(shadow.a > 60 && shadow.r < 10);
            QVERIFY(farCorner.a < 60);
        }
    }

    void instantPhoto_data()
    {
        QTest::addColumn<QSize>("photoSize");
        QTest::addColumn<QList<double>>("params"); // strip %, angle, colour, keep whole, line width
        QTest::addColumn<QSize>("expected");
        QTest::addColumn<int>("border");
        using L = QList<double>;
        QTest::newRow("square cut") << QSize(1000, 800) << L{20, 0, 0, 0, 1} << QSize(864, 992) << 32;
        QTest::newRow("square cut portrait") << QSize(800, 1000) << L{20, 0, 0, 0, 1} << QSize(864, 992) << 32;
        QTest::newRow("whole photo") << QSize(1000, 800) << L{20, 0, 0, 1, 1} << QSize(1080, 1000) << 40;
        QTest::newRow("small photo") << QSize(60, 40) << L{10, 0, 0, 0, 1} << QSize(46, 47) << 3;
    }

    void instantPhoto()
    {
        QFETCH(QSize, photoSize);
        QFETCH(QList<double>, params);
        QFETCH(QSize, expected);
        QFETCH(int, border);
        Magick::Image photo = Flat(photoSize.width(), photoSize.height(), 255, 0, 0);
        QVERIFY(ApplyRecord(photo, Record(2005, params)));
        QCOMPARE(SizeOf(photo), expected);
        // White card with a grey outline; the photo sits border pixels in.
        QCOMPARE(PixelAt(photo, 0, expected.height() / 2).r, 200);
        const Rgba card = PixelAt(photo, border / 2, border + 2);
        QVERIFY(card.r == 255 && card.g == 255 && card.b == 255);
        QCOMPARE(PixelAt(photo, expected.width() / 2, expected.height() - 2 - border / 2).g, 255); // the strip
        const Rgba inside = PixelAt(photo, border + 3, border + 3);
        QVERIFY(inside.r == 255 && inside.g == 0);
        QCOMPARE(PixelAt(photo, border, border + 5).g, 200); // the photo's own outline
    }

    // Writes every frame style onto a real photo when GB_FRAMES_SHEET names a
    // folder (scripts/frames-contact-sheet.sh montages them).
    void contactSheet()
    {
        const QString out = qEnvironmentVariable("GB_FRAMES_SHEET");
        if (out.isEmpty())
            QSKIP("GB_FRAMES_SHEET not set");
        const QString photos = TestEnv::SharedPhotos();
        if (photos.isEmpty())
            QSKIP("no shared photos");
        Magick::Image source = Load(photos + "/jpg/mobile/jolla.jpg");
        source.resize(Magick::Geometry(1200, 1200));
        QDir().mkpath(out);
        int n = 0;
        for (const Style& s : AllStyles()) {
            Magick::Image photo = source;
            const QList<double> params = FrameParams(s.id, s.style, s.edge);
            QVERIFY(ApplyRecord(photo, WithParams(Record(quint32(s.id), params), {{1, QRgbParam(255, 255, 255)}})));
            photo.depth(8);
            const QString name = FrameFile(s.id, s.style, s.edge).section('.', 0, 0);
            photo.write(QString("%1/%2-%3.png").arg(out).arg(++n, 2, 10, QChar('0')).arg(name).toStdString());
        }
        QCOMPARE(n, 31);
    }

private:
    // A Resources folder whose Frames/ holds the given files, made current.
    QString UseResources(const QString& name);
    QString m_realFrames;
    QByteArray m_originalResources;
};

QString TestFrames::UseResources(const QString& name)
{
    const QString root = TestEnv::NewFolder(name);
    QDir().mkpath(root + "/Frames");
    qputenv("GLIMMERBOX_RESOURCES", root.toLocal8Bit());
    return root + "/Frames";
}

GB_TEST_MAIN(TestFrames)
#include "tst_frames.moc"
