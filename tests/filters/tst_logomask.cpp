#include "FilterTestKit.h"
#include "MagickCompat.h"
#include "MarkTestKit.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QFile>

using namespace MarkTestKit;
using FilterTestKit::WithParams;

namespace {
// Writes a w x h PNG with alpha of one colour (8-bit RGBA).
QString WriteRgba(const QString& path, int width, int height, int r, int g, int b, int a)
{
    Magick::Image image(Magick::Geometry(size_t(width), size_t(height)), MagickCompat::ColorRgba8(r, g, b, a));
    MagickCompat::SetAlpha(image, true);
    image.depth(8);
    image.write(("PNG32:" + path).toStdString());
    return path;
}

// A mask record: the landscape and the portrait mask, turned for portraits when turn is 1.
SFilterRecord MaskRecord(const QString& landscape, const QString& portrait, int turn = 0)
{
    SFilterRecord record;
    record.filterId = 1020;
    record.numParams = 2;
    record.params[0] = turn;
    record.numTexts = 2;
    record.texts[0] = landscape;
    record.texts[1] = portrait;
    return record;
}
} // namespace

class TestLogoMask : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_folder = TestEnv::NewFolder("logomask");
        m_logo = WriteRgba(m_folder + "/logo.png", 40, 30, 0, 0, 255, 255);
    }

    void logoPlacement_data()
    {
        QTest::addColumn<int>("placement");
        QTest::addColumn<QRect>("expected");
        // 40 x 30 logo on 300 x 200 with margins 10 and 20.
        QTest::newRow("0 top left") << 0 << QRect(10, 20, 40, 30);
        QTest::newRow("1 top centre") << 1 << QRect(10 + 130, 20, 40, 30);
        QTest::newRow("2 top right") << 2 << QRect(250, 20, 40, 30);
        QTest::newRow("3 left") << 3 << QRect(10, 20 + 85, 40, 30);
        QTest::newRow("4 centre") << 4 << QRect(140, 105, 40, 30);
        QTest::newRow("5 right") << 5 << QRect(250, 105, 40, 30);
        QTest::newRow("6 bottom left") << 6 << QRect(10, 150, 40, 30);
        QTest::newRow("7 bottom") << 7 << QRect(140, 150, 40, 30);
        QTest::newRow("8 bottom right") << 8 << QRect(250, 150, 40, 30);
    }

    void logoPlacement()
    {
        QFETCH(int, placement);
        QFETCH(QRect, expected);
        SFilterRecord record = WithParams(LogoRecord(m_logo), {{0, placement}, {1, 10}, {2, 20}});
        Magick::Image photo = WhitePhoto(300, 200);
        QVERIFY(Apply(photo, record));
        QCOMPARE(NonWhiteBox(photo), expected);
        QCOMPARE(BoundingBox(photo, IsBlue), expected);
        QCOMPARE(Pixel(photo, expected.left(), expected.top()), qRgba(0, 0, 255, 255));
    }

    void transparencyIsTheSameOnEveryPhoto()
    {
        const SFilterRecord record = WithParams(LogoRecord(m_logo), {{8, 15}});
        CImageFilters engine;
        std::vector<Magick::Image> photos(3, WhitePhoto(100, 100));
        for (Magick::Image& photo : photos)
            QVERIFY(Apply(photo, record, &engine));
        // Alpha 255 - 38 = 217 over white: 255 x 38 / 255 = 38 of white remains.
        const QRgb pixel = Pixel(photos[0], 5, 5);
        QVERIFY2(qAbs(qRed(pixel) - 38) <= 1 && qBlue(pixel) == 255, qPrintable(QString::number(qRed(pixel))));
        QCOMPARE(FilterTestKit::MaxDifference8(photos[0], photos[1]), 0);
        QCOMPARE(FilterTestKit::MaxDifference8(photos[0], photos[2]), 0);
    }

    void transparencyLowersAlpha_data()
    {
        QTest::addColumn<int>("alpha");
        QTest::addColumn<double>("transparency");
        QTest::addColumn<int>("expected");
        QTest::newRow("opaque, 15") << 255 << 15.0 << 217;
        QTest::newRow("alpha 30, 15") << 30 << 15.0 << 0;
        QTest::newRow("alpha 38, 15") << 38 << 15.0 << 0;
        QTest::newRow("alpha 39, 15") << 39 << 15.0 << 1;
        QTest::newRow("100 hides everything") << 255 << 100.0 << 0;
        QTest::newRow("0 keeps it") << 200 << 0.0 << 200;
        QTest::newRow("above 100") << 255 << 250.0 << 0;
        QTest::newRow("below 0") << 120 << -20.0 << 120;
    }

    void transparencyLowersAlpha()
    {
        QFETCH(int, alpha);
        QFETCH(double, transparency);
        QFETCH(int, expected);
        const QString path = WriteRgba(m_folder + QString("/alpha_%1.png").arg(alpha), 4, 4, 10, 20, 30, alpha);
        CImageFilters engine;
        Magick::Image cached;
        Magick::Image image;
        QString cachedPath;
        QCOMPARE(engine.LoadImage(&cached, &image, &cachedPath, path, true, float(transparency)), 1);
        QCOMPARE(qAlpha(Pixel(image, 1, 1)), expected);
        // The cache holds the pixels as read.
        QCOMPARE(qAlpha(Pixel(cached, 1, 1)), alpha);
        QCOMPARE(cachedPath, path);
    }

    void cachedLogoIsReadOnce()
    {
        const QString path = WriteRgba(m_folder + "/once.png", 20, 20, 255, 0, 0, 255);
        SFilterRecord record = LogoRecord(path);
        CImageFilters engine;
        Magick::Image first = WhitePhoto(50, 50);
        QVERIFY(Apply(first, record, &engine));
        QVERIFY(QFile::remove(path));

        // No file any more: the engine's cached copy serves the next photo, and
        // a new transparency still takes effect.
        record.params[8] = 50;
        Magick::Image second = WhitePhoto(50, 50);
        QVERIFY(Apply(second, record, &engine));
        QVERIFY(qAbs(qGreen(Pixel(second, 5, 5)) - 128) <= 1);
        record.params[8] = 0;
        Magick::Image third = WhitePhoto(50, 50);
        QVERIFY(Apply(third, record, &engine));
        QCOMPARE(FilterTestKit::MaxDifference8(first, third), 0);
    }

    void scaleAndStroke_data()
    {
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("stroke");
        QTest::addColumn<int>("strokeTransparency");
        QTest::addColumn<int>("shadowDistance");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("scale 50") << 50 << 0 << 0 << 0 << QSize(200, 150);
        QTest::newRow("scale 50, stroke 5") << 50 << 5 << 0 << 0 << QSize(210, 160);
        QTest::newRow("stroke transparency 100") << 50 << 5 << 100 << 0 << QSize(200, 150);
        QTest::newRow("scale 100") << 100 << 0 << 0 << 0 << QSize(400, 300);
        QTest::newRow("scale 25, aspect kept") << 25 << 0 << 0 << 0 << QSize(100, 75);
        // Shadow size (400 + 300) / 10 = 70; distance 15 used whole (not halved as for text): d = 10.
        QTest::newRow("shadow distance is whole") << 100 << 0 << 0 << 15 << QSize(400, 310);
    }

    void scaleAndStroke()
    {
        QFETCH(int, scale);
        QFETCH(int, stroke);
        QFETCH(int, strokeTransparency);
        QFETCH(int, shadowDistance);
        QFETCH(QSize, expected);
        const QString path = WriteRgba(m_folder + "/big.png", 400, 300, 0, 0, 255, 255);
        const SFilterRecord record = WithParams(LogoRecord(path), {{6, scale}, {10, stroke > 0 ? 1 : 0}, {13, stroke},
                                                                   {12, strokeTransparency}, {14, shadowDistance > 0 ? 1 : 0},
                                                                   {17, shadowDistance}, {18, 0}});
        CImageFilters engine;
        QImage picture;
        QRect where;
        QVERIFY(engine.UpdateLogo(picture, where, record, QString(), 1000, 800, 1.0, 0, 0, false));
        QCOMPARE(picture.size(), expected);
        QCOMPARE(where.size(), expected);
    }

    void strokeBand()
    {
        SFilterRecord record = WithParams(LogoRecord(m_logo), {{1, 30}, {2, 30}, {10, 1}});
        record.params[11] = double(0xffff0000); // the alpha byte plays no part
        record.params[13] = 4;
        Magick::Image photo = WhitePhoto(200, 200);
        QVERIFY(Apply(photo, record));
        QCOMPARE(NonWhiteBox(photo), QRect(30, 30, 48, 38));
        QCOMPARE(BoundingBox(photo, IsBlue), QRect(34, 34, 40, 30));
        for (const QPoint& p : {QPoint(30, 30), QPoint(33, 50), QPoint(77, 67), QPoint(60, 66)})
            QVERIFY2(IsRed(Pixel(photo, p.x(), p.y())), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
    }

    void logoTiling()
    {
        SFilterRecord record = WithParams(LogoRecord(m_logo), {{3, 1}, {4, 10}});
        record.params[5] = -100; // clamped to 0
        Magick::Image photo = WhitePhoto(400, 100);
        QVERIFY(Apply(photo, record));
        // Step x = 40 + trunc(360 x 10 / 100) = 76, step y = 30.
        for (int x = 0; x < 400; ++x) {
            const bool inside = (x % 76) < 40;
            QCOMPARE(IsBlue(Pixel(photo, x, 1)), inside);
            QCOMPARE(IsBlue(Pixel(photo, x, 95)), inside);
        }
        QVERIFY(IsBlue(Pixel(photo, 1, 29)));
        QVERIFY(IsBlue(Pixel(photo, 1, 30)));
    }

    void tilingMatchesOneCompositePerTile()
    {
        // A half-transparent, shadowed logo, tiled with spacings that leave gaps.
        const SFilterRecord record = WithParams(
            LogoRecord(m_logo), {{3, 1}, {4, 7}, {5, 13}, {8, 50}, {14, 1}, {17, 40}, {18, 315}, {19, 2}});
        Magick::Image tiled = FilterTestKit::Load(FilterTestKit::MakePatternPng(m_folder, "base.png", 333, 251));
        Magick::Image reference = tiled;
        CImageFilters engine;
        QVERIFY(Apply(tiled, record, &engine));

        QImage picture;
        QRect where;
        QVERIFY(engine.UpdateLogo(picture, where, record, QString(), 333, 251, 1.0, 0, 0, false));
        const Magick::Image mark = CImageFilters::PixmapToImage(&picture);
        const int stepX = int(mark.columns()) + (333 - int(mark.columns())) * 7 / 100;
        const int stepY = int(mark.rows()) + (251 - int(mark.rows())) * 13 / 100;
        for (int j = 0; j <= 251 / stepY; ++j)
            for (int i = 0; i <= 333 / stepX; ++i)
                reference.composite(mark, i * stepX, j * stepY, Magick::OverCompositeOp);
        QCOMPARE(FilterTestKit::MaxDifference8(tiled, reference), 0);
    }

    void maskOrientation_data()
    {
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<int>("turn");
        QTest::addColumn<QString>("expected"); // colour at top left / bottom right, or the portrait mask
        QTest::newRow("portrait, turned landscape mask") << QSize(600, 800) << 1 << "red/white";
        QTest::newRow("portrait, portrait mask") << QSize(600, 800) << 0 << "green/green";
        QTest::newRow("landscape") << QSize(800, 600) << 0 << "red/white";
        QTest::newRow("square counts as landscape") << QSize(500, 500) << 0 << "red/white";
    }

    void maskOrientation()
    {
        QFETCH(QSize, photo);
        QFETCH(int, turn);
        QFETCH(QString, expected);
        // Landscape mask: left half opaque red, right half transparent. Turned
        // clockwise for a portrait photo, its left half becomes the top half.
        const QString landscape = m_folder + "/landscape.png";
        if (!QFile::exists(landscape)) {
            Magick::Image mask(Magick::Geometry(1200, 800), MagickCompat::ColorRgba8(0, 0, 0, 0));
            MagickCompat::SetAlpha(mask, true);
            mask.composite(Magick::Image(Magick::Geometry(600, 800), Magick::Color("red")), 0, 0,
                           Magick::CopyCompositeOp);
            mask.depth(8);
            mask.write(("PNG32:" + landscape).toStdString());
        }
        const QString portrait = WriteRgba(m_folder + "/portrait.png", 300, 400, 0, 255, 0, 255);

        Magick::Image image = WhitePhoto(photo.width(), photo.height());
        QVERIFY(Apply(image, MaskRecord(landscape, portrait, turn)));
        QCOMPARE(int(image.columns()), photo.width());
        const QRgb first = Pixel(image, 5, 5);
        const QRgb last = Pixel(image, photo.width() - 5, photo.height() - 5);
        const auto name = [](QRgb c) {
            return IsRed(c) ? "red" : qGreen(c) > 200 && qRed(c) < 60 ? "green" : qRed(c) > 250 ? "white" : "other";
        };
        QCOMPARE(QString("%1/%2").arg(name(first), name(last)), expected);
        if (photo.width() < photo.height() && turn == 1) {
            // The red half is the top half.
            QVERIFY(IsRed(Pixel(image, photo.width() - 5, 5)));
            QCOMPARE(name(Pixel(image, 5, photo.height() - 5)), QString("white"));
        }
    }

    // A missing or unreadable logo or mask fails the filter and leaves the photo unmarked.
    void unusableFileFails_data()
    {
        QTest::addColumn<SFilterRecord>("record");
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<QString>("trace");
        const QString broken = m_folder + "/broken.png";
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("this is no picture") > 0);
        file.close();
        const SFilterRecord mask = MaskRecord(m_folder + "/missing-landscape.png", m_folder + "/missing-portrait.png");
        QTest::newRow("missing logo") << LogoRecord(m_folder + "/no-such-logo.png") << QSize(60, 60) << "";
        QTest::newRow("no logo path") << LogoRecord("") << QSize(60, 60) << "";
        QTest::newRow("unreadable logo") << LogoRecord(broken) << QSize(60, 60)
                                         << "An unknown error occured while loading the watermark image.";
        QTest::newRow("missing masks, landscape") << mask << QSize(80, 60) << "";
        QTest::newRow("missing masks, portrait") << mask << QSize(60, 80) << "";
    }

    void unusableFileFails()
    {
        QFETCH(SFilterRecord, record);
        QFETCH(QSize, photo);
        QFETCH(QString, trace);
        Magick::Image image = WhitePhoto(photo.width(), photo.height());
        TraceCapture capture;
        QVERIFY(!Apply(image, record));
        QVERIFY(NonWhiteBox(image).isEmpty());
        QVERIFY(trace.isEmpty() || capture.Contains(trace));
    }

private:
    QString m_folder;
    QString m_logo;
};

GB_TEST_MAIN(TestLogoMask)
#include "tst_logomask.moc"
