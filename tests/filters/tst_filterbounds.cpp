// Filter values whose cost grows without limit (radii, sizes in pixels) are
// refused at once with a message naming the filter and the value; values at
// their bounds are still applied.
#include "CImageFilters.h"
#include "FilterTestKit.h"
#include "TestEnv.h"

#include <QElapsedTimer>

using namespace FilterTestKit;

Q_DECLARE_METATYPE(QList<double>)

class TestFilterBounds : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString folder = TestEnv::NewFolder("bounds");
        m_wide = MakePatternPng(folder, "wide.png", 40, 30);
        m_tall = MakePatternPng(folder, "tall.png", 10, 400);
    }

    void boundedValues_data()
    {
        QTest::addColumn<bool>("tall");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<double>>("params");
        QTest::addColumn<QString>("refusal"); // "" when the filter applies

        const auto row = [](const char* tag, int id, const char* name, QList<double> params, QString refusal,
                            bool tall = false) {
            QTest::newRow(tag) << tall << id << QString(name) << params << refusal;
        };
        row("shadow size 1000", 2020, "Shadow", {50, 1000, 0, 0},
            "The 'Shadow' filter's size of 1000 is beyond its limit of 99.");
        row("shadow size 99", 2020, "Shadow", {50, 99, 0, 0}, "");
        // The blur radius is p0 x 0.1: p0 990 gives the largest radius, 99.
        row("blur radius 100", 3000, "Blur", {1000}, "The 'Blur' filter's radius of 1000 is beyond its limit of 990.");
        row("blur radius 99", 3000, "Blur", {990}, "");
        row("negative blur radius", 3000, "Blur", {-5000},
            "The 'Blur' filter's radius of -5000 is beyond its limit of 990.");
        row("gaussian sigma", 3050, "Gaussian", {10, 1100},
            "The 'Gaussian' filter's sigma of 1100 is beyond its limit of 1000.");
        row("sharpen radius", 4080, "Sharpen", {4000}, "The 'Sharpen' filter's radius of 4000 is beyond its limit of 3333.");
        row("wave amplitude", 3170, "Wave", {30001, 1},
            "The 'Wave' filter's amplitude of 30001 is beyond its limit of 30000.");
        QList<double> text(32, 0.0);
        text[21] = 40000;
        row("text stroke width", 1000, "Text", text,
            "The 'Text' filter's stroke width of 40000 is beyond its limit of 30000.");
        row("advanced resize width", 5050, "Resize", {30001, 100, 0, 0, 0, 0, 0},
            "The 'Resize' filter's width of 30001 is beyond its limit of 30000.");
        row("thumbnail height", 5080, "Thumbnail", {100, 1e9, 0},
            "The 'Thumbnail' filter's height of 1e+09 is beyond its limit of 30000.");
        row("border width", 2030, "Border", {30001, 0, 0, 0, 0, 0, 0},
            "The 'Border' filter's border width of 30001 is beyond its limit of 30000.");
        // Sizes computed from percentages and aspect ratios count too.
        row("border in percent", 2030, "Border", {0, 0, 100000, 0, 1, 0, 0},
            "The 'Border' filter's border width of 40000 is beyond its limit of 30000.");
        row("resize to a fixed width, height follows", 5040, "Resize", {1000, 0, 1, 1, 0, 0},
            "The 'Resize' filter's height of 40000 is beyond its limit of 30000.", true);
        row("resize by percent", 5040, "Resize", {1000, 1000, 0, 0, 1, 0}, "");
        // A size of 0 that the mode uses leaves nothing to resize to.
        row("resize to 0 x 0", 5040, "Resize", {0, 0, 1, 0, 0, 0},
            "The 'Resize' filter's width of 0 is too small to resize to.");
        row("resize to a fixed width of 0", 5040, "Resize", {0, 100, 0, 1, 0, 0},
            "The 'Resize' filter's width of 0 is too small to resize to.");
        row("resize height rounds to 0", 5040, "Resize", {100, 0.4, 0, 0, 0, 0},
            "The 'Resize' filter's height of 0.4 is too small to resize to.");
        row("resize to a negative size", 5040, "Resize", {-100, -100, 0, 3, 0, 0},
            "The 'Resize' filter's width of -100 is too small to resize to.");
        row("resize to a fixed height of 0", 5040, "Resize", {20, 0, 1, 2, 0, 0},
            "The 'Resize' filter's height of 0 is too small to resize to.");
        row("resize to 0 percent", 5040, "Resize", {0, 50, 1, 0, 1, 0},
            "The 'Resize' filter's width of 0 is too small to resize to.");
        row("fixed width, the unused height 0", 5040, "Resize", {20, 0, 1, 1, 0, 0}, "");
        // Within the bounds, but more pixels than one photo may have.
        row("resize to 30000 x 30000", 5040, "Resize", {30000, 30000, 0, 0, 0, 0},
            "The 'Resize' filter's result of 30000 x 30000 pixels is more than one photo may have here");
    }

    void boundedValues()
    {
        QFETCH(bool, tall);
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(QList<double>, params);
        QFETCH(QString, refusal);

        Magick::Image image = Load(tall ? m_tall : m_wide);
        const QSize before = SizeOf(image);
        SFilterRecord record = Record(quint32(id), params);
        record.name = name;
        CImageFilters engine;
        engine.SetTarget(&image);
        engine.SetRecord(record);
        QElapsedTimer timer;
        timer.start();
        const bool applied = engine.Apply();
        if (refusal.isEmpty()) {
            QVERIFY2(applied, qPrintable(engine.LastError()));
            QVERIFY(engine.LastError().isEmpty());
            return;
        }
        QVERIFY(!applied);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
        QVERIFY2(engine.LastError().startsWith(refusal), qPrintable(engine.LastError()));
        QCOMPARE(SizeOf(image), before);
    }

private:
    QString m_wide;
    QString m_tall;
};

GB_TEST_MAIN(TestFilterBounds)
#include "tst_filterbounds.moc"
