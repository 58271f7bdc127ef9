#include "FilterTestKit.h"
#include "MagickCompat.h"
#include "MarkTestKit.h"
#include "TestEnv.h"

#include <QFile>

using namespace MarkTestKit;

namespace {
QStringList g_trace;

void CollectTrace(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_trace.append(message);
}

bool IsBlue(QRgb c)
{
    return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60;
}

bool IsRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

// Writes a w x h PNG with alpha of one colour (8-bit RGBA).
QString WriteRgba(const QString& path, int width, int height, int r, int g, int b, int a)
{
    Magick::Image image(Magick::Geometry(size_t(width), size_t(height)), MagickCompat::ColorRgba8(r, g, b, a));
    MagickCompat::SetAlpha(image, true);
    image.depth(8);
    image.write(("PNG32:" + path).toStdString());
    return path;
}
} // namespace

class TestLogoMask : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void logoPlacement_data();
    void logoPlacement();
    void transparencyIsTheSameOnEveryPhoto();
    void transparencyLowersAlpha_data();
    void transparencyLowersAlpha();
    void cachedLogoIsReadOnce();
    void scaleAndStroke_data();
    void scaleAndStroke();
    void strokeBand();
    void logoShadowDistanceIsWhole();
    void logoTiling();
    void tilingMatchesOneCompositePerTile();
    void missingLogoFails();
    void unreadableLogoIsTraced();
    void maskOrientation_data();
    void maskOrientation();
    void missingMaskFails();

private:
    QString m_folder;
    QString m_logo;
};

void TestLogoMask::initTestCase()
{
    m_folder = TestEnv::NewFolder("logomask");
    m_logo = WriteRgba(m_folder + "/logo.png", 40, 30, 0, 0, 255, 255);
    qInstallMessageHandler(CollectTrace);
}

void TestLogoMask::init()
{
    g_trace.clear();
}

void TestLogoMask::logoPlacement_data()
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

void TestLogoMask::logoPlacement()
{
    QFETCH(int, placement);
    QFETCH(QRect, expected);
    SFilterRecord record = LogoRecord(m_logo);
    record.params[0] = placement;
    record.params[1] = 10;
    record.params[2] = 20;
    Magick::Image photo = WhitePhoto(300, 200);
    QVERIFY(Apply(photo, record));
    QCOMPARE(NonWhiteBox(photo), expected);
    QCOMPARE(BoundingBox(photo, IsBlue), expected);
    QCOMPARE(Pixel(photo, expected.left(), expected.top()), qRgba(0, 0, 255, 255));
}

void TestLogoMask::transparencyIsTheSameOnEveryPhoto()
{
    SFilterRecord record = LogoRecord(m_logo);
    record.params[8] = 15;
    CImageFilters engine;
    Magick::Image first = WhitePhoto(100, 100);
    Magick::Image second = WhitePhoto(100, 100);
    Magick::Image third = WhitePhoto(100, 100);
    QVERIFY(Apply(first, record, &engine));
    QVERIFY(Apply(second, record, &engine));
    QVERIFY(Apply(third, record, &engine));
    // Alpha 255 - 38 = 217 over white: 255 x 38 / 255 = 38 of white remains.
    const QRgb pixel = Pixel(first, 5, 5);
    QVERIFY2(qAbs(qRed(pixel) - 38) <= 1, qPrintable(QString::number(qRed(pixel))));
    QCOMPARE(qBlue(pixel), 255);
    QCOMPARE(FilterTestKit::MaxDifference8(first, second), 0);
    QCOMPARE(FilterTestKit::MaxDifference8(first, third), 0);
}

void TestLogoMask::transparencyLowersAlpha_data()
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

void TestLogoMask::transparencyLowersAlpha()
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

void TestLogoMask::cachedLogoIsReadOnce()
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
    const QRgb pixel = Pixel(second, 5, 5);
    QVERIFY(qAbs(qGreen(pixel) - 128) <= 1);
    record.params[8] = 0;
    Magick::Image third = WhitePhoto(50, 50);
    QVERIFY(Apply(third, record, &engine));
    QCOMPARE(FilterTestKit::MaxDifference8(first, third), 0);
}

void TestLogoMask::scaleAndStroke_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("stroke");
    QTest::addColumn<int>("strokeTransparency");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("scale 50") << 50 << 0 << 0 << QSize(200, 150);
    QTest::newRow("scale 50, stroke 5") << 50 << 5 << 0 << QSize(210, 160);
    QTest::newRow("stroke transparency 100") << 50 << 5 << 100 << QSize(200, 150);
    QTest::newRow("scale 100") << 100 << 0 << 0 << QSize(400, 300);
    QTest::newRow("scale 25, aspect kept") << 25 << 0 << 0 << QSize(100, 75);
}

void TestLogoMask::scaleAndStroke()
{
    QFETCH(int, scale);
    QFETCH(int, stroke);
    QFETCH(int, strokeTransparency);
    QFETCH(QSize, expected);
    const QString path = WriteRgba(m_folder + "/big.png", 400, 300, 0, 0, 255, 255);
    SFilterRecord record = LogoRecord(path);
    record.params[6] = scale;
    record.params[10] = stroke > 0 ? 1 : 0;
    record.params[13] = stroke;
    record.params[12] = strokeTransparency;
    CImageFilters engine;
    QImage picture;
    QRect where;
    QVERIFY(engine.UpdateLogo(picture, where, record, QString(), 1000, 800, 1.0, 0, 0, false));
    QCOMPARE(picture.size(), expected);
    QCOMPARE(where.size(), expected);
}

void TestLogoMask::strokeBand()
{
    SFilterRecord record = LogoRecord(m_logo);
    record.params[1] = 30;
    record.params[2] = 30;
    record.params[10] = 1;
    record.params[11] = double(0xffff0000); // the alpha byte plays no part
    record.params[13] = 4;
    Magick::Image photo = WhitePhoto(200, 200);
    QVERIFY(Apply(photo, record));
    QCOMPARE(NonWhiteBox(photo), QRect(30, 30, 48, 38));
    QCOMPARE(BoundingBox(photo, IsBlue), QRect(34, 34, 40, 30));
    for (const QPoint& p : {QPoint(30, 30), QPoint(33, 50), QPoint(77, 67), QPoint(60, 66)})
        QVERIFY2(IsRed(Pixel(photo, p.x(), p.y())), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
}

void TestLogoMask::logoShadowDistanceIsWhole()
{
    // 200 x 100 picture: size 30, distance 15 used whole gives d = 4.
    const QString path = WriteRgba(m_folder + "/wide.png", 200, 100, 0, 0, 255, 255);
    SFilterRecord record = LogoRecord(path);
    record.params[14] = 1;
    record.params[17] = 15;
    record.params[18] = 0;
    CImageFilters engine;
    QImage picture;
    QRect where;
    QVERIFY(engine.UpdateLogo(picture, where, record, QString(), 1000, 800, 1.0, 0, 0, false));
    QCOMPARE(picture.size(), QSize(200, 104));
}

void TestLogoMask::logoTiling()
{
    SFilterRecord record = LogoRecord(m_logo);
    record.params[3] = 1;
    record.params[4] = 10;
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

void TestLogoMask::tilingMatchesOneCompositePerTile()
{
    // A half-transparent, shadowed logo, tiled with spacings that leave gaps.
    SFilterRecord record = LogoRecord(m_logo);
    record.params[3] = 1;
    record.params[4] = 7;
    record.params[5] = 13;
    record.params[8] = 50;
    record.params[14] = 1;
    record.params[17] = 40;
    record.params[18] = 315;
    record.params[19] = 2;
    Magick::Image tiled = FilterTestKit::Load(FilterTestKit::MakePatternPng(m_folder, "base.png", 333, 251));
    Magick::Image reference = tiled;
    CImageFilters engine;
    QVERIFY(Apply(tiled, record, &engine));

    QImage picture;
    QRect where;
    QVERIFY(engine.UpdateLogo(picture, where, record, QString(), 333, 251, 1.0, 0, 0, false));
    const Magick::Image mark = CImageFilters::PixmapToImage(&picture);
    const int pw = int(mark.columns());
    const int ph = int(mark.rows());
    const int stepX = pw + (333 - pw) * 7 / 100;
    const int stepY = ph + (251 - ph) * 13 / 100;
    for (int j = 0; j <= 251 / stepY; ++j)
        for (int i = 0; i <= 333 / stepX; ++i)
            reference.composite(mark, i * stepX, j * stepY, Magick::OverCompositeOp);
    QCOMPARE(FilterTestKit::MaxDifference8(tiled, reference), 0);
}

void TestLogoMask::missingLogoFails()
{
    SFilterRecord record = LogoRecord(m_folder + "/no-such-logo.png");
    Magick::Image photo = WhitePhoto(60, 60);
    QVERIFY(!Apply(photo, record));
    QVERIFY(NonWhiteBox(photo).isEmpty());
    record.texts[0].clear();
    QVERIFY(!Apply(photo, record));
}

void TestLogoMask::unreadableLogoIsTraced()
{
    const QString path = m_folder + "/broken.png";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is no picture");
    file.close();
    Magick::Image photo = WhitePhoto(60, 60);
    QVERIFY(!Apply(photo, LogoRecord(path)));
    QVERIFY(g_trace.join("\n").contains("An unknown error occured while loading the watermark image."));
    QVERIFY(NonWhiteBox(photo).isEmpty());
}

void TestLogoMask::maskOrientation_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<int>("turn");
    QTest::addColumn<QString>("expected"); // colour at top left / bottom right, or the portrait mask
    QTest::newRow("portrait, turned landscape mask") << QSize(600, 800) << 1 << "red/white";
    QTest::newRow("portrait, portrait mask") << QSize(600, 800) << 0 << "green/green";
    QTest::newRow("landscape") << QSize(800, 600) << 0 << "red/white";
    QTest::newRow("square counts as landscape") << QSize(500, 500) << 0 << "red/white";
}

void TestLogoMask::maskOrientation()
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

    SFilterRecord record;
    record.filterId = 1020;
    record.numParams = 2;
    record.params[0] = turn;
    record.numTexts = 2;
    record.texts[0] = landscape;
    record.texts[1] = portrait;
    Magick::Image image = WhitePhoto(photo.width(), photo.height());
    QVERIFY(Apply(image, record));
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

void TestLogoMask::missingMaskFails()
{
    SFilterRecord record;
    record.filterId = 1020;
    record.numParams = 2;
    record.numTexts = 2;
    record.texts[0] = m_folder + "/missing-landscape.png";
    record.texts[1] = m_folder + "/missing-portrait.png";
    Magick::Image landscape = WhitePhoto(80, 60);
    QVERIFY(!Apply(landscape, record));
    Magick::Image portrait = WhitePhoto(60, 80);
    QVERIFY(!Apply(portrait, record));
    QVERIFY(NonWhiteBox(landscape).isEmpty());
    QVERIFY(NonWhiteBox(portrait).isEmpty());
}

GB_TEST_MAIN(TestLogoMask)
#include "tst_logomask.moc"
