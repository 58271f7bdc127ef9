#include "FilterTestKit.h"
#include "MarkTestKit.h"
#include "TestEnv.h"

#include <QRect>

using namespace FilterTestKit;
using MarkTestKit::WhitePhoto;

// The preview frames of crop and resize records, and their agreement with
// what the filters do to the photo.
class TestPreviewAreas : public QObject
{
    Q_OBJECT
private slots:
    void cropArea_data()
    {
        QTest::addColumn<QList<double>>("params");
        QTest::addColumn<QSize>("shown");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<QRect>("expected");

        using L = QList<double>;
        QTest::newRow("percent") << L{15, 15, 70, 70, 1} << QSize(1000, 800) << 0.37 << QRect(150, 120, 700, 560);
        QTest::newRow("pixels, half-up left") << L{101, 40, 300, 201, 0} << QSize(1000, 800) << 0.5 << QRect(51, 20, 150, 100);
        QTest::newRow("pixels at zoom 1") << L{10, 20, 30, 40, 0} << QSize(100, 100) << 1.0 << QRect(10, 20, 30, 40);
        QTest::newRow("clipped to the photo") << L{-20, 50, 100, 100, 0} << QSize(60, 80) << 1.0 << QRect(0, 50, 60, 30);
        QTest::newRow("wholly outside shows the whole photo") << L{200, 0, 10, 10, 0} << QSize(60, 80) << 1.0
                                                              << QRect(0, 0, 60, 80);
        QTest::newRow("width 0 shows the whole photo") << L{5, 5, 0, 10, 0} << QSize(60, 80) << 1.0 << QRect(0, 0, 60, 80);
    }

    void cropArea()
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

    void resizeArea_data()
    {
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<QSize>("shown"); // displayed size; the shown image is this times the ratio
        QTest::addColumn<double>("zoom");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<QList<double>>("params");
        QTest::addColumn<QRect>("expected");
        QTest::addColumn<QList<double>>("stored"); // parameters 0 and 1 afterwards

        using L = QList<double>;
        // A 2000 x 800 photo shown at 500 x 200 (zoom 0.25) unless given.
        const auto row = [](const char* tag, L params, QRect expected, L stored, double ratio = 1.0,
                            QSize photo = QSize(2000, 800), QSize shown = QSize(500, 200), double zoom = 0.25) {
            QTest::newRow(tag) << photo << shown << zoom << ratio << params << expected << stored;
        };
        row("width only", {500, 200, 0, 1, 0, 0}, QRect(188, 75, 125, 50), {500, 200});
        row("width only keeps an unused height", {500, 2000, 0, 1, 0, 0}, QRect(188, 75, 125, 50), {500, 2000});
        row("height only", {9000, 400, 0, 2, 0, 0}, QRect(125, 50, 250, 100), {9000, 400});
        row("fit within the box", {1000, 1000, 0, 3, 0, 0}, QRect(125, 50, 250, 100), {1000, 1000});
        row("long side, portrait photo", {800, 600, 1, 0, 0, 0}, QRect(74, 110, 53, 80), {800.0 * 2000 / 3000, 800},
            1.0, QSize(2000, 3000), QSize(200, 300), 0.1);
        row("exact size distorts", {1000, 1000, 0, 0, 0, 0}, QRect(125, 0, 250, 250), {1000, 1000});
        row("percent, box kept", {50, 50, 1, 0, 1, 0}, QRect(125, 50, 250, 100), {50, 50});
        row("percent fit, no enlarging", {150, 150, 0, 3, 1, 1}, QRect(0, 0, 500, 200), {150, 150});
        row("percent fit, enlarging", {150, 150, 0, 3, 1, 0}, QRect(0, 0, 750, 300), {150, 150});
        row("width only, no enlarging", {3000, 0, 0, 1, 0, 1}, QRect(0, 0, 500, 200), {3000, 0});
        row("rounds to 0, shown as 1 pixel", {1, 1, 0, 0, 0, 0}, QRect(250, 100, 1, 1), {1, 1});
        row("size 0 leaves the photo", {0, 100, 0, 1, 0, 0}, QRect(0, 0, 500, 200), {0, 100});
        row("unknown mode leaves the photo", {100, 100, 0, 9, 0, 0}, QRect(0, 0, 500, 200), {100, 100});
        row("device pixel ratio 2", {500, 200, 0, 1, 0, 0}, QRect(188, 75, 125, 50), {500, 200}, 2.0);
    }

    void resizeArea()
    {
        QFETCH(QSize, photo);
        QFETCH(QSize, shown);
        QFETCH(double, zoom);
        QFETCH(double, ratio);
        QFETCH(QList<double>, params);
        QFETCH(QRect, expected);
        QFETCH(QList<double>, stored);

        Magick::Image full = WhitePhoto(photo.width(), photo.height());
        Magick::Image displayed = WhitePhoto(int(shown.width() * ratio), int(shown.height() * ratio));
        SFilterRecord record = Record(5040, params);
        QRect area;
        CImageFilters engine;
        engine.UpdateResizeArea(full, displayed, area, record, shown.width(), shown.height(), zoom, ratio);
        QCOMPARE(area, expected);
        QCOMPARE(SizeOf(displayed), QSize(int(expected.width() * ratio), int(expected.height() * ratio)));
        const QList<double> want = stored + params.mid(2); // only the values the mode uses change
        for (int i = 0; i < want.size(); ++i)
            QCOMPARE(record.params[i], want[i]);
    }

    void resizePreviewMatchesFilter_data()
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
    void resizePreviewMatchesFilter()
    {
        QFETCH(QList<double>, params);
        const SFilterRecord record = Record(5040, params);

        Magick::Image photo = WhitePhoto(200, 100);
        QVERIFY(ApplyRecord(photo, record));

        Magick::Image full = WhitePhoto(200, 100);
        Magick::Image shown = WhitePhoto(200, 100);
        SFilterRecord edited = record;
        QRect area;
        CImageFilters engine;
        engine.UpdateResizeArea(full, shown, area, edited, 200, 100, 1.0, 1.0);
        QCOMPARE(area.size(), SizeOf(photo));

        // The stored record gives the same result again.
        Magick::Image again = WhitePhoto(200, 100);
        QVERIFY(ApplyRecord(again, edited));
        QCOMPARE(SizeOf(again), area.size());
    }
};

GB_TEST_MAIN(TestPreviewAreas)
#include "tst_previewareas.moc"
