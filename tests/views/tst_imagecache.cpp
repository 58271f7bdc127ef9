#include "CImageCache.h"
#include "TestEnv.h"

#include <QDirIterator>
#include <QPixmap>

// The interface image cache over the real compiled-in images: variant
// choice by theme and density, caching, strip cutting and the images'
// own shapes.
class TestImageCache : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void pathNames_data();
    void pathNames();
    void assetsAreCachedPerVariant();
    void everyNameCallersPassResolves_data();
    void everyNameCallersPassResolves();
    void highDensityTwinsAreTwiceTheSize();
    void stripShapes_data();
    void stripShapes();
    void stripCutting_data();
    void stripCutting();
    void stripCuttingEdgeCases();
    void cellsFollowTheVariantNotTheScreen_data();
    void cellsFollowTheVariantNotTheScreen();
    void windowIconLoads();
    void deleteInstanceGivesFreshCache();

private:
    CImageCache* cache = nullptr;
};

namespace {
QImage IconImage(const QIcon& icon)
{
    const QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty())
        return QImage();
    QImage image = icon.pixmap(sizes.first()).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    return image;
}

QImage Cell(const QImage& strip, int cell, int column, int row)
{
    // "@2x" resources load with a device pixel ratio of 2; compare pixels only.
    QImage image = strip.copy(column * cell, row * cell, cell, cell)
                       .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    return image;
}

bool HasPixels(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

// Dark-theme glyphs are drawn light: the dark twin's grey ink is brighter.
void CheckThemedTwinsDiffer(const QString& name)
{
    CImageCache* cache = CImageCache::GetInstance();
    cache->themeDark = 1;
    const QImage dark = cache->GetAsset(name, true, false);
    cache->themeDark = 0;
    const QImage light = cache->GetAsset(name, true, false);
    QCOMPARE(dark.size(), light.size());
    QVERIFY(dark != light);
    const auto meanLightness = [](const QImage& image) {
        qint64 sum = 0, count = 0;
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y)
            for (int x = 0; x < argb.width(); ++x) {
                const QRgb p = argb.pixel(x, y);
                if (qAbs(qRed(p) - qBlue(p)) < 30 && qAbs(qRed(p) - qGreen(p)) < 30) {
                    sum += qint64(qGray(p)) * qAlpha(p);
                    count += qAlpha(p);
                }
            }
        return count ? sum / count : 0;
    };
    QVERIFY(meanLightness(dark) > meanLightness(light));
}
} // namespace

void TestImageCache::init()
{
    CImageCache::DeleteInstance();
    cache = CImageCache::GetInstance();
}

void TestImageCache::cleanup()
{
    CImageCache::DeleteInstance();
    cache = nullptr;
}

void TestImageCache::pathNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("themed");
    QTest::addColumn<bool>("hiDpi");
    QTest::addColumn<bool>("highDensity");
    QTest::addColumn<int>("themeDark");
    QTest::addColumn<QString>("expected");

    QTest::newRow("themed dark @2x") << "Icons-Minimal.png" << true << true << true << 1 << ":/Icons-Minimal-Dark@2x.png";
    QTest::newRow("themed light") << "Icons-Minimal.png" << true << true << false << 0 << ":/Icons-Minimal-Light.png";
    QTest::newRow("any non-zero theme is dark") << "Icons-Minimal.png" << true << false << false << 7 << ":/Icons-Minimal-Dark.png";
    QTest::newRow("unthemed ignores theme") << "Icons-Formats-64.png" << false << true << true << 1 << ":/Icons-Formats-64@2x.png";
    QTest::newRow("hiDpi on normal screen") << "Mail.png" << false << true << false << 1 << ":/Mail.png";
    QTest::newRow("no hiDpi on dense screen") << "Icons-Frames.png" << false << false << true << 1 << ":/Icons-Frames.png";
    QTest::newRow("neither") << "Icons-Frames.png" << false << false << false << 0 << ":/Icons-Frames.png";
    QTest::newRow("last dot splits") << "a.b.png" << true << true << true << 0 << ":/a.b-Light@2x.png";
    QTest::newRow("no extension") << "Banner" << true << true << true << 1 << ":/Banner-Dark@2x";
}

void TestImageCache::pathNames()
{
    QFETCH(QString, name);
    QFETCH(bool, themed);
    QFETCH(bool, hiDpi);
    QFETCH(bool, highDensity);
    QFETCH(int, themeDark);
    QFETCH(QString, expected);
    cache->isHighDensity = highDensity;
    cache->themeDark = themeDark;
    QCOMPARE(cache->GenerateImagePathName(name, themed, hiDpi), expected);
}

void TestImageCache::assetsAreCachedPerVariant()
{
    const QImage first = cache->GetAsset("Icons-Minimal.png", true, true);
    const QImage again = cache->GetAsset("Icons-Minimal.png", true, true);
    QVERIFY(!first.isNull());
    QCOMPARE(again.cacheKey(), first.cacheKey());
    QCOMPARE(first.size(), QSize(80, 32));

    // Other flags, other asset; the first stays cached.
    cache->isHighDensity = true;
    const QImage dense = cache->GetAsset("Icons-Minimal.png", true, true);
    QCOMPARE(dense.size(), QSize(160, 64));
    QVERIFY(dense.cacheKey() != first.cacheKey());
    cache->themeDark = 0;
    const QImage light = cache->GetAsset("Icons-Minimal.png", true, true);
    QVERIFY(light.cacheKey() != dense.cacheKey());
    QCOMPARE(cache->GetAsset("Icons-Minimal.png", true, true).cacheKey(), light.cacheKey());
    cache->themeDark = 1;
    QCOMPARE(cache->GetAsset("Icons-Minimal.png", true, true).cacheKey(), dense.cacheKey());

    // The case of the name matters; a missing image stays missing when asked again.
    QVERIFY(cache->GetAsset("icons-minimal.png", true, true).isNull());
    QVERIFY(cache->GetAsset("No-Such-Image.png", false, true).isNull());
    QVERIFY(cache->GetAsset("No-Such-Image.png", false, true).isNull());
    // A themed name exists only as its two twins.
    QVERIFY(cache->GetAsset("Icons-Minimal.png", false, false).isNull());
}

void TestImageCache::everyNameCallersPassResolves_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("themed");
    const char* plain[] = {"Icons-WizardSteps.png", "Icons-Filters-32.png", "Icons-Filters-48.png",
                           "Icons-Filters-64.png", "Icons-Formats-32.png", "Icons-Formats-64.png",
                           "Icons-Output.png", "Icons-Frames.png", "Preview-Placeholder.png",
                           "Cursor-Rotate.png", "Overlay-Symbol.png", "Settings.png",
                           "AppIcon-128.png", "DialogTip-Banner.png", "WizardStart-Wizard.png",
                           "Icons-Social.png", "Mail.png", "Add.png"};
    for (const char* name : plain)
        QTest::newRow(name) << QString::fromLatin1(name) << false;
    for (const char* name : {"Icons-Minimal.png", "Overlay-Symbol.png", "Add.png"})
        QTest::newRow(qPrintable(QString::fromLatin1(name) + " themed")) << QString::fromLatin1(name) << true;
}

void TestImageCache::everyNameCallersPassResolves()
{
    QFETCH(QString, name);
    QFETCH(bool, themed);
    for (bool dense : {false, true}) {
        for (int dark : {0, 1}) {
            cache->isHighDensity = dense;
            cache->themeDark = dark;
            const QImage image = cache->GetAsset(name, themed, true);
            QVERIFY2(!image.isNull(), qPrintable(cache->GenerateImagePathName(name, themed, true)));
            QVERIFY(image.hasAlphaChannel() || name.startsWith("DialogTip") || name.startsWith("WizardStart"));
        }
    }
    if (themed)
        CheckThemedTwinsDiffer(name);
}

void TestImageCache::highDensityTwinsAreTwiceTheSize()
{
    int pairs = 0;
    QDirIterator it(":/", {"*@2x.png"}, QDir::Files);
    while (it.hasNext()) {
        const QString dense = it.next();
        const QString normal = QString(dense).replace("@2x.png", ".png");
        const QImage big(dense);
        const QImage small(normal);
        QVERIFY2(!small.isNull(), qPrintable(normal));
        QCOMPARE(big.size(), small.size() * 2);
        ++pairs;
    }
    QVERIFY(pairs >= 20);
}

void TestImageCache::stripShapes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("filters 32") << "Icons-Filters-32.png" << QSize(18 * 32, 6 * 32);
    QTest::newRow("filters 48") << "Icons-Filters-48.png" << QSize(18 * 48, 6 * 48);
    QTest::newRow("filters 64") << "Icons-Filters-64.png" << QSize(1152, 384);
    QTest::newRow("formats 32") << "Icons-Formats-32.png" << QSize(320, 32);
    QTest::newRow("formats 64") << "Icons-Formats-64.png" << QSize(640, 64);
    QTest::newRow("wizard steps") << "Icons-WizardSteps.png" << QSize(5 * 32, 32);
    QTest::newRow("output") << "Icons-Output.png" << QSize(3 * 32, 32);
    QTest::newRow("frames") << "Icons-Frames.png" << QSize(288, 128);
    QTest::newRow("cursor") << "Cursor-Rotate.png" << QSize(16, 16);
}

void TestImageCache::stripShapes()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QCOMPARE(cache->GetAsset(name, false, false).size(), size);
}

void TestImageCache::stripCutting_data()
{
    QTest::addColumn<QString>("strip");
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("highDensity");
    QTest::addColumn<int>("count");
    QTest::newRow("filters 64") << "Icons-Filters-64.png" << 64 << false << 108;
    QTest::newRow("filters 64 @2x") << "Icons-Filters-64.png" << 64 << true << 108;
    QTest::newRow("filters 32") << "Icons-Filters-32.png" << 32 << false << 108;
    QTest::newRow("filters 32 @2x") << "Icons-Filters-32.png" << 32 << true << 108;
    QTest::newRow("formats 64") << "Icons-Formats-64.png" << 64 << false << 10;
    QTest::newRow("formats 64 @2x") << "Icons-Formats-64.png" << 64 << true << 10;
}

void TestImageCache::stripCutting()
{
    QFETCH(QString, strip);
    QFETCH(int, size);
    QFETCH(bool, highDensity);
    QFETCH(int, count);
    cache->isHighDensity = highDensity;
    std::unique_ptr<QList<QIcon>> icons(cache->LoadIconsFromPath(strip, false, size));
    QCOMPARE(icons->size(), count);

    const int cell = highDensity ? size * 2 : size;
    const QImage source(cache->GenerateImagePathName(strip, false, true));
    const int columns = source.width() / cell;
    QCOMPARE(columns * (source.height() / cell), count);
    const int sourceRowOf[] = {0, 1, 5, 4, 3, 2};
    int drawn = 0;
    for (int i = 0; i < count; ++i) {
        const int row = i / columns;
        const int column = i % columns;
        const QImage icon = IconImage(icons->at(i));
        QCOMPARE(icon.size(), QSize(cell, cell));
        QCOMPARE(icon, Cell(source, cell, column, sourceRowOf[row]));
        drawn += HasPixels(icon) ? 1 : 0;
    }
    QVERIFY(drawn > 0);
}

void TestImageCache::stripCuttingEdgeCases()
{
    std::unique_ptr<QList<QIcon>> missing(cache->LoadIconsFromPath("No-Such-Strip.png", false, 64));
    QVERIFY(missing->isEmpty());
    std::unique_ptr<QList<QIcon>> zero(cache->LoadIconsFromPath("Icons-Formats-64.png", false, 0));
    QVERIFY(zero->isEmpty());
    // A cell larger than the strip gives nothing rather than a partial cell.
    std::unique_ptr<QList<QIcon>> big(cache->LoadIconsFromPath("Icons-Formats-64.png", false, 128));
    QVERIFY(big->isEmpty());
    // The themed strip is cut from its theme twin.
    cache->themeDark = 0;
    std::unique_ptr<QList<QIcon>> themed(cache->LoadIconsFromPath("Icons-Minimal.png", true, 16));
    QCOMPARE(themed->size(), 10);
    // Strips with fewer rows than the family table keep their own order.
    QCOMPARE(IconImage(themed->at(5)),
             Cell(QImage(":/Icons-Minimal-Light.png"), 16, 0, 1));
}

void TestImageCache::cellsFollowTheVariantNotTheScreen_data()
{
    QTest::addColumn<QString>("strip");
    QTest::addColumn<bool>("themed");
    QTest::addColumn<bool>("hiDpi");
    QTest::addColumn<int>("nominal");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::newRow("toolbar help") << "Icons-WizardSteps.png" << false << true << 32 << 4 << 0;
    QTest::newRow("minimal edit") << "Icons-Minimal.png" << true << true << 16 << 4 << 1;
    QTest::newRow("picker transform") << "Icons-Filters-48.png" << false << true << 48 << 5 << 2;
    QTest::newRow("frames never @2x") << "Icons-Frames.png" << false << false << 32 << 8 << 3;
    QTest::newRow("step 2 filters never @2x") << "Icons-Filters-32.png" << false << false << 32 << 6 << 5;
}

void TestImageCache::cellsFollowTheVariantNotTheScreen()
{
    QFETCH(QString, strip);
    QFETCH(bool, themed);
    QFETCH(bool, hiDpi);
    QFETCH(int, nominal);
    QFETCH(int, column);
    QFETCH(int, row);
    for (bool dense : {false, true}) {
        cache->isHighDensity = dense;
        const int side = cache->CellSide(nominal, hiDpi);
        QCOMPARE(side, dense && hiDpi ? 2 * nominal : nominal);
        const QIcon icon = cache->GetIcon(strip, themed, hiDpi, nominal, column, row);
        QVERIFY(!icon.isNull());
        const QImage image = IconImage(icon);
        QCOMPARE(image.size(), QSize(side, side));
        QCOMPARE(image, Cell(cache->GetAsset(strip, themed, hiDpi), side, column, row));
        QVERIFY(HasPixels(image));
    }
    // Outside the strip: no icon.
    QVERIFY(cache->GetIcon(strip, themed, hiDpi, nominal, 40, 0).isNull());
    QVERIFY(cache->GetIcon(strip, themed, hiDpi, nominal, -1, 0).isNull());
    QVERIFY(cache->GetIcon("No-Such-Strip.png", false, true, 16, 0, 0).isNull());
}

void TestImageCache::windowIconLoads()
{
    const QIcon icon(":/Glimmerbox.ico");
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
}

void TestImageCache::deleteInstanceGivesFreshCache()
{
    cache->isHighDensity = true;
    cache->themeDark = 0;
    cache->GetAsset("Mail.png", false, true);
    CImageCache::DeleteInstance();
    CImageCache::InitResources(); // harmless when repeated
    cache = CImageCache::GetInstance();
    QCOMPARE(cache->isHighDensity, false);
    QCOMPARE(cache->themeDark, 1);
    QCOMPARE(cache->GetAsset("Mail.png", false, true).size(), QSize(64, 64));
}

GB_TEST_MAIN(TestImageCache)
#include "tst_imagecache.moc"
