#include "FilterTestKit.h"
#include "TestEnv.h"

#include <QRect>

using namespace FilterTestKit;

// The preview frames of crop and resize records, and their agreement with
// what the filters do to the photo.
class TestPreviewAreas : public QObject
{
    Q_OBJECT
private slots:
    void cropArea_data();
    void cropArea();
    void resizeArea_data();
    void resizeArea();
    void resizePreviewMatchesFilter_data();
    void resizePreviewMatchesFilter();
};

namespace {
Magick::Image Blank(int width, int height)
{
    return Magick::Image(Magick::Geometry(size_t(width), size_t(height)), Magick::Color("white"));
}
} // namespace

void TestPreviewAreas::cropArea_data()
{
    QTest::addColumn<QList<double>>("params");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("percent") << QList<double>{15, 15, 70, 70, 1} << QSize(1000, 800) << 0.37
                             << QRect(150, 120, 700, 560);
    QTest::newRow("pixels, half-up left") << QList<double>{101, 40, 300, 201, 0} << QSize(1000, 800) << 0.5
                                          << QRect(51, 20, 150, 100);
    QTest::newRow("pixels at zoom 1") << QList<double>{10, 20, 30, 40, 0} << QSize(100, 100) << 1.0
                                      << QRect(10, 20, 30, 40);
    QTest::newRow("clipped to the photo") << QList<double>{-20, 50, 100, 100, 0} << QSize(60, 80) << 1.0
                                          << QRect(0, 50, 60, 30);
    QTest::newRow("wholly outside shows the whole photo") << QList<double>{200, 0, 10, 10, 0} << QSize(60, 80)
                                                          << 1.0 << QRect(0, 0, 60, 80);
    QTest::newRow("width 0 shows the whole photo") << QList<double>{5, 5, 0, 10, 0} << QSize(60, 80) << 1.0
                                                   << QRect(0, 0, 60, 80);
}

void TestPreviewAreas::cropArea()
{
    QFETCH(QList<double>, params);
    QFETCH(QSize, shown);
    QFETCH(double, zoom);
    QFETCH(QRect, expected);

    CImageFilters engine;
    QRect area;
    engine.UpdateCropArea(area, Record(5020, params), shown.width(), shown.height(), zoom);
    QCOMPARE(area, expected);
}

void TestPreviewAreas::resizeArea_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<QSize>("shown"); // displayed size; the shown image is this times the ratio
    QTest::addColumn<double>("zoom");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QList<double>>("params");
    QTest::addColumn<QRect>("expected");
    QTest::addColumn<QList<double>>("stored"); // parameters 0 and 1 afterwards

    const QSize photo(2000, 800);
    const QSize shown(500, 200);
    QTest::newRow("width only") << photo << shown << 0.25 << 1.0 << QList<double>{500, 200, 0, 1, 0, 0}
                                << QRect(188, 75, 125, 50) << QList<double>{500, 200};
    QTest::newRow("width only keeps an unused height") << photo << shown << 0.25 << 1.0
                                                       << QList<double>{500, 2000, 0, 1, 0, 0}
                                                       << QRect(188, 75, 125, 50) << QList<double>{500, 2000};
    QTest::newRow("height only") << photo << shown << 0.25 << 1.0 << QList<double>{9000, 400, 0, 2, 0, 0}
                                 << QRect(125, 50, 250, 100) << QList<double>{9000, 400};
    QTest::newRow("fit within the box") << photo << shown << 0.25 << 1.0 << QList<double>{1000, 1000, 0, 3, 0, 0}
                                        << QRect(125, 50, 250, 100) << QList<double>{1000, 1000};
    QTest::newRow("long side, portrait photo") << QSize(2000, 3000) << QSize(200, 300) << 0.1 << 1.0
                                               << QList<double>{800, 600, 1, 0, 0, 0} << QRect(74, 110, 53, 80)
                                               << QList<double>{800.0 * 2000 / 3000, 800};
    QTest::newRow("exact size distorts") << photo << shown << 0.25 << 1.0 << QList<double>{1000, 1000, 0, 0, 0, 0}
                                         << QRect(125, 0, 250, 250) << QList<double>{1000, 1000};
    QTest::newRow("percent, box kept") << photo << shown << 0.25 << 1.0 << QList<double>{50, 50, 1, 0, 1, 0}
                                       << QRect(125, 50, 250, 100) << QList<double>{50, 50};
    QTest::newRow("percent fit, no enlarging") << photo << shown << 0.25 << 1.0
                                               << QList<double>{150, 150, 0, 3, 1, 1} << QRect(0, 0, 500, 200)
                                               << QList<double>{150, 150};
    QTest::newRow("percent fit, enlarging") << photo << shown << 0.25 << 1.0 << QList<double>{150, 150, 0, 3, 1, 0}
                                            << QRect(0, 0, 750, 300) << QList<double>{150, 150};
    QTest::newRow("width only, no enlarging") << photo << shown << 0.25 << 1.0
                                              << QList<double>{3000, 0, 0, 1, 0, 1} << QRect(0, 0, 500, 200)
                                              << QList<double>{3000, 0};
    QTest::newRow("rounds to 0, shown as 1 pixel") << photo << shown << 0.25 << 1.0
                                                   << QList<double>{1, 1, 0, 0, 0, 0} << QRect(250, 100, 1, 1)
                                                   << QList<double>{1, 1};
    QTest::newRow("size 0 leaves the photo") << photo << shown << 0.25 << 1.0 << QList<double>{0, 100, 0, 1, 0, 0}
                                             << QRect(0, 0, 500, 200) << QList<double>{0, 100};
    QTest::newRow("unknown mode leaves the photo") << photo << shown << 0.25 << 1.0
                                                   << QList<double>{100, 100, 0, 9, 0, 0} << QRect(0, 0, 500, 200)
                                                   << QList<double>{100, 100};
    QTest::newRow("device pixel ratio 2") << photo << shown << 0.25 << 2.0 << QList<double>{500, 200, 0, 1, 0, 0}
                                          << QRect(188, 75, 125, 50) << QList<double>{500, 200};
}

void TestPreviewAreas::resizeArea()
{
    QFETCH(QSize, photo);
    QFETCH(QSize, shown);
    QFETCH(double, zoom);
    QFETCH(double, ratio);
    QFETCH(QList<double>, params);
    QFETCH(QRect, expected);
    QFETCH(QList<double>, stored);

    Magick::Image full = Blank(photo.width(), photo.height());
    Magick::Image displayed = Blank(int(shown.width() * ratio), int(shown.height() * ratio));
    SFilterRecord record = Record(5040, params);
    QRect area;
    CImageFilters engine;
    engine.UpdateResizeArea(full, displayed, area, record, shown.width(), shown.height(), zoom, ratio);
    QCOMPARE(area, expected);
    QCOMPARE(QSize(int(displayed.columns()), int(displayed.rows())),
             QSize(int(expected.width() * ratio), int(expected.height() * ratio)));
    QCOMPARE(record.params[0], stored[0]);
    QCOMPARE(record.params[1], stored[1]);
    for (int i = 2; i < params.size(); ++i)
        QCOMPARE(record.params[i], params[i]);
}

void TestPreviewAreas::resizePreviewMatchesFilter_data()
{
    QTest::addColumn<QList<double>>("params");
    for (int mode = 0; mode <= 3; ++mode) {
        for (int percent = 0; percent <= 1; ++percent) {
            for (int noEnlarge = 0; noEnlarge <= 1; ++noEnlarge) {
                for (int keep = 0; keep <= 1; ++keep) {
                    const double w = percent ? 130 : 250;
                    const double h = percent ? 45 : 120;
                    QTest::addRow("mode %d%s%s%s", mode, percent ? ", percent" : "",
                                  noEnlarge ? ", no enlarging" : "", keep ? ", keep" : "")
                        << QList<double>{w, h, double(keep), double(mode), double(percent), double(noEnlarge)};
                }
            }
        }
    }
}

// At zoom 1 the preview shows exactly what the filter writes.
void TestPreviewAreas::resizePreviewMatchesFilter()
{
    QFETCH(QList<double>, params);
    const SFilterRecord record = Record(5040, params);

    Magick::Image photo = Blank(200, 100);
    QVERIFY(ApplyRecord(photo, record));

    Magick::Image full = Blank(200, 100);
    Magick::Image shown = Blank(200, 100);
    SFilterRecord edited = record;
    QRect area;
    CImageFilters engine;
    engine.UpdateResizeArea(full, shown, area, edited, 200, 100, 1.0, 1.0);
    QCOMPARE(area.size(), QSize(int(photo.columns()), int(photo.rows())));

    // The stored record gives the same result again.
    Magick::Image again = Blank(200, 100);
    QVERIFY(ApplyRecord(again, edited));
    QCOMPARE(QSize(int(again.columns()), int(again.rows())), area.size());
}

GB_TEST_MAIN(TestPreviewAreas)
#include "tst_previewareas.moc"
