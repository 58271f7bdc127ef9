#include "FilterTestKit.h"
#include "MagickCompat.h"
#include "TestEnv.h"

#include <QMap>
#include <QProcess>
#include <QStandardPaths>

using namespace FilterTestKit;

namespace {

const char* const kOrientationNames[] = {"Undefined", "TopLeft",  "TopRight", "BottomRight", "BottomLeft",
                                         "LeftTop",   "RightTop", "RightBottom", "LeftBottom"};

// Largest 8-bit difference of two pictures. An image without alpha may hold
// stale opacity values after a scale, so alpha is compared only where an
// image has it.
int Difference(const Magick::Image& a, const Magick::Image& b)
{
    Magick::Image first = a;
    Magick::Image second = b;
    for (Magick::Image* image : {&first, &second}) {
        if (!MagickCompat::HasAlpha(*image))
            MagickCompat::SetAlpha(*image, true);
    }
    return MaxDifference8(first, second);
}

// Applies the record to a copy of the source and the arguments to the source
// with the command-line tool; both results must be the same picture.
void CompareWithTool(const QString& source, const SFilterRecord& record, const QStringList& arguments,
                     const QSize& expectedSize, const QString& folder)
{
    Magick::Image image = Load(source);
    QVERIFY(ApplyRecord(image, record));
    QCOMPARE(SizeOf(image), expectedSize);

    const QString out = folder + "/reference.png";
    QString error;
    QVERIFY2(RunConvert(QStringList{source} + arguments + QStringList{"-depth", "16", "PNG:" + out}, &error), qPrintable(error));
    const Magick::Image reference = Load(out);
    QCOMPARE(Difference(image, reference), 0);
}

} // namespace

// Each transform is applied through the engine and compared, pixel for
// pixel, with the command-line tool given the equivalent arguments. An empty
// argument list means the image must come out unchanged.
class TestTransforms : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_folder = TestEnv::NewFolder("transforms");
    }

    void matchesCommandLine_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<quint32>("id");
        QTest::addColumn<QList<double>>("params");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QSize>("expected");

        using L = QList<double>;
        using S = QStringList;
        const auto row = [](const char* name, QSize source, quint32 id, L params, S arguments, QSize expected) {
            QTest::newRow(name) << source << id << params << arguments << expected;
        };
        const QSize square(100, 100);
        const QSize wide(160, 90);
        const QSize tall(90, 160);

        // Auto crop: ratio choice, follow orientation, custom ratio, anchor.
        row("autocrop 16:9 top", square, 5002, {0, 0, 0, 0, 0}, {"-crop", "100x56+0+0", "+repage"}, {100, 56});
        row("autocrop 16:9 middle", square, 5002, {0, 0, 0, 0, 1}, {"-crop", "100x56+0+22", "+repage"}, {100, 56});
        row("autocrop 16:9 end", square, 5002, {0, 0, 0, 0, 2}, {"-crop", "100x56+0+44", "+repage"}, {100, 56});
        row("autocrop 1000 square, middle", QSize(1000, 1000), 5002, {0, 0, 0, 0, 1},
            {"-crop", "1000x563+0+219", "+repage"}, {1000, 563});
        row("autocrop 1000 square, end", QSize(1000, 1000), 5002, {0, 0, 0, 0, 2},
            {"-crop", "1000x563+0+437", "+repage"}, {1000, 563});
        row("autocrop 1.6 landscape middle", wide, 5002, {1, 0, 0, 0, 1}, {"-crop", "144x90+8+0", "+repage"},
            {144, 90});
        row("autocrop 1.0 portrait follows, end", tall, 5002, {4, 1, 0, 0, 2}, {"-crop", "90x90+0+70", "+repage"},
            {90, 90});
        row("autocrop 1.5 portrait, no follow", tall, 5002, {2, 0, 0, 0, 0}, {"-crop", "90x60+0+0", "+repage"},
            {90, 60});
        row("autocrop 1.5 portrait follows, middle", QSize(100, 120), 5002, {2, 1, 0, 0, 1},
            {"-crop", "80x120+10+0", "+repage"}, {80, 120});
        row("autocrop 4:3 already", QSize(120, 90), 5002, {3, 0, 0, 0, 0}, {}, {120, 90});
        row("autocrop custom 3:1", square, 5002, {5, 0, 3, 1, 0}, {"-crop", "100x33+0+0", "+repage"}, {100, 33});
        row("autocrop custom height 0", square, 5002, {5, 0, 3, 0, 0}, {}, square);
        row("autocrop custom negative", square, 5002, {5, 0, -3, 1, 0}, {}, square);

        // Crop in pixels and percent, clipped to the image.
        const QSize small(40, 30);
        row("crop pixels", small, 5020, {5, 4, 20, 10, 0}, {"-crop", "20x10+5+4", "+repage"}, {20, 10});
        row("crop percent", small, 5020, {25, 10, 50, 50, 1}, {"-crop", "20x15+10+3", "+repage"}, {20, 15});
        row("crop percent fractions", small, 5020, {2.5, 50, 99.9, 33.4, 1}, {"-crop", "39x10+1+15", "+repage"},
            {39, 10});
        row("crop runs past the edges", small, 5020, {30, 20, 50, 50, 0}, {"-crop", "10x10+30+20", "+repage"},
            {10, 10});
        row("crop negative left and top", small, 5020, {-5, -2, 20, 10, 0}, {"-crop", "15x8+0+0", "+repage"},
            {15, 8});
        row("crop left at the width", small, 5020, {40, 0, 10, 10, 0}, {}, small);
        row("crop top at the height", small, 5020, {0, 30, 10, 10, 0}, {}, small);
        row("crop width 0", small, 5020, {5, 5, 0, 10, 0}, {}, small);
        row("crop height negative", small, 5020, {5, 5, 10, -3, 0}, {}, small);
        row("crop wholly outside", small, 5020, {-50, -50, 10, 10, 0}, {}, small);

        // Flip.
        row("flip top-bottom", small, 5030, {1, 0}, {"-flip"}, small);
        row("flip left-right", small, 5030, {0, 1}, {"-flop"}, small);
        row("flip both", small, 5030, {1, 1}, {"-flip", "-flop"}, small);
        row("flip neither", small, 5030, {0, 0}, {}, small);
        row("flip with 2", small, 5030, {2, 2}, {}, small);

        // Resize: p0 width, p1 height, p2 keep, p3 mode, p4 percent, p5 no enlarging.
        const QSize portrait(200, 300);
        row("resize long side, portrait", portrait, 5040, {80, 60, 1, 0, 0, 0}, {"-scale", "53x80"}, {53, 80});
        row("resize long side, large portrait", QSize(2000, 3000), 5040, {800, 600, 1, 0, 0, 0}, {"-scale", "533x800"},
            {533, 800});
        row("resize long side, landscape", QSize(300, 200), 5040, {60, 80, 1, 0, 0, 0}, {"-scale", "80x53"},
            {80, 53});
        row("resize exact", portrait, 5040, {50, 40, 0, 0, 0, 0}, {"-scale", "50x40!"}, {50, 40});
        row("resize percent", portrait, 5040, {50, 50, 1, 0, 1, 0}, {"-scale", "100x150"}, {100, 150});
        row("resize percent fractions", portrait, 5040, {33.3, 33.3, 0, 0, 1, 0}, {"-scale", "67x100!"}, {67, 100});
        row("resize exact, no enlarging, smaller", portrait, 5040, {250, 200, 0, 0, 0, 1}, {"-scale", "250x200!"},
            {250, 200});
        row("resize exact, no enlarging, larger", portrait, 5040, {250, 300, 0, 0, 0, 1}, {}, portrait);
        row("resize width", portrait, 5040, {120, 999, 0, 1, 0, 0}, {"-scale", "120x"}, {120, 180});
        row("resize width, no enlarging", portrait, 5040, {300, 0, 0, 1, 0, 1}, {}, portrait);
        row("resize width percent", portrait, 5040, {150, 0, 0, 1, 1, 0}, {"-scale", "300x"}, {300, 450});
        row("resize height", portrait, 5040, {999, 150, 0, 2, 0, 0}, {"-scale", "x150"}, {100, 150});
        row("resize height, no enlarging", portrait, 5040, {0, 301, 0, 2, 0, 1}, {}, portrait);
        row("resize fit", portrait, 5040, {100, 100, 0, 3, 0, 0}, {"-scale", "100x100"}, {67, 100});
        row("resize fit, no enlarging, both larger", portrait, 5040, {400, 400, 0, 3, 0, 1}, {}, portrait);
        row("resize fit, no enlarging, one larger", portrait, 5040, {400, 150, 0, 3, 0, 1}, {"-scale", "400x150"},
            {100, 150});
        // A size below 1 pixel is refused (tst_filterbounds).
        row("resize unknown mode", portrait, 5040, {100, 100, 0, 7, 0, 0}, {}, portrait);

        // Roll, in pixels and percent.
        row("roll", small, 5060, {10, 5, 0}, {"-roll", "+10+5"}, small);
        row("roll negative", small, 5060, {-7, 3, 0}, {"-roll", "-7+3"}, small);
        row("roll percent", small, 5060, {25, 50, 1}, {"-roll", "+10+15"}, small);
        row("roll past the width", small, 5060, {45, -31, 0}, {"-roll", "+45-31"}, small);

        // Rotate with its conditions (1 portrait and square only, 2 landscape
        // and square only).
        row("rotate 90", QSize(30, 20), 5070, {90, 0}, {"-rotate", "90"}, {20, 30});
        row("rotate 30", QSize(30, 20), 5070, {30, 0}, {"-rotate", "30"}, {38, 34});
        row("rotate landscape, portrait only", QSize(30, 20), 5070, {90, 1}, {}, {30, 20});
        row("rotate square, portrait only", QSize(20, 20), 5070, {90, 1}, {"-rotate", "90"}, {20, 20});
        row("rotate portrait, landscape only", QSize(20, 30), 5070, {90, 2}, {}, {20, 30});
        row("rotate landscape, landscape only", QSize(30, 20), 5070, {-90, 2}, {"-rotate", "-90"}, {20, 30});

        // Thumbnail: p0 width, p1 height, p2 mode.
        row("thumbnail fit", small, 5080, {20, 20, 0}, {"-scale", "20x20"}, {20, 15});
        row("thumbnail exact", small, 5080, {20, 20, 1}, {"-scale", "20x20!"}, {20, 20});
        row("thumbnail fill, wide box", small, 5080, {20, 10, 2}, {"-crop", "40x20+0+5", "+repage", "-scale", "20x10!"},
            {20, 10});
        row("thumbnail fill, tall box", small, 5080, {10, 20, 2},
            {"-crop", "15x30+12+0", "+repage", "-scale", "10x20!"}, {10, 20});
        row("thumbnail fill, square box", small, 5080, {12, 12, 2},
            {"-crop", "30x30+5+0", "+repage", "-scale", "12x12!"}, {12, 12});
        row("thumbnail height 0", small, 5080, {20, 0, 2}, {}, small);
        row("thumbnail unknown mode", small, 5080, {20, 20, 3}, {}, small);
    }

    void matchesCommandLine()
    {
        QFETCH(QSize, source);
        QFETCH(quint32, id);
        QFETCH(QList<double>, params);
        QFETCH(QStringList, arguments);
        QFETCH(QSize, expected);
        CompareWithTool(Pattern(source.width(), source.height()), Record(id, params), arguments, expected, m_folder);
    }

    void autoRotateAllOrientations_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QSize>("expected");
        for (int orientation = 0; orientation <= 8; ++orientation)
            QTest::addRow("%s", kOrientationNames[orientation])
                << orientation << (orientation >= 5 ? QSize(30, 40) : QSize(40, 30));
    }

    void autoRotateAllOrientations()
    {
        QFETCH(int, orientation);
        QFETCH(QSize, expected);
        const QString source = Pattern(40, 30);
        Magick::Image image = Load(source);
        image.orientation(Magick::OrientationType(orientation));
        QVERIFY(ApplyRecord(image, Record(5000)));
        QCOMPARE(int(image.orientation()), int(Magick::TopLeftOrientation));
        QCOMPARE(SizeOf(image), expected);

        const QString out = m_folder + "/oriented.png";
        QVERIFY(RunConvert({source, "-orient", kOrientationNames[orientation], "-auto-orient", "PNG32:" + out}));
        QCOMPARE(Difference(image, Load(out)), 0);
    }

    void autoRotateFilesTaggedWithExiftool_data()
    {
        QTest::addColumn<int>("orientation");
        for (int orientation = 1; orientation <= 8; ++orientation)
            QTest::addRow("%s", kOrientationNames[orientation]) << orientation;
    }

    // A JPEG whose EXIF orientation was set by exiftool, read as a photo is read.
    void autoRotateFilesTaggedWithExiftool()
    {
        QFETCH(int, orientation);
        const QString exiftool = QStandardPaths::findExecutable("exiftool");
        if (exiftool.isEmpty())
            QSKIP("exiftool is not installed");

        const QString photo = m_folder + QString("/tagged-%1.jpg").arg(orientation);
        QVERIFY(RunConvert({Pattern(48, 32), "-quality", "95", photo}));
        QProcess tag;
        tag.start(exiftool, {"-q", "-overwrite_original", "-n", QString("-Orientation=%1").arg(orientation), photo});
        QVERIFY(tag.waitForFinished(30000) && tag.exitCode() == 0);

        Magick::Image image = Load(photo);
        QCOMPARE(int(image.orientation()), orientation);
        QVERIFY(ApplyRecord(image, Record(5000)));
        QCOMPARE(int(image.orientation()), int(Magick::TopLeftOrientation));

        const QString out = m_folder + "/tagged-reference.png";
        QVERIFY(RunConvert({photo, "-auto-orient", "PNG32:" + out}));
        QCOMPARE(Difference(image, Load(out)), 0);

        // The written photo carries no rotation for a viewer to apply again.
        const QString written = m_folder + "/tagged-written.jpg";
        image.write(written.toStdString());
        QProcess read;
        read.start(exiftool, {"-s3", "-n", "-Orientation", written});
        QVERIFY(read.waitForFinished(30000));
        QCOMPARE(read.readAllStandardOutput().trimmed(), QByteArray("1"));
    }

    void colorReplace_data()
    {
        QTest::addColumn<QList<double>>("params");
        QTest::addColumn<QStringList>("arguments");

        const double red = double(0xFFFF0000u);
        const double green = double(0x8000FF00u); // the alpha byte is not used
        const QString fuzz40 = QString::number(MagickCompat::Q8(40));
        using L = QList<double>;
        using S = QStringList;
        QTest::newRow("colour to colour") << L{0, red, green, 0, 0} << S{"-fill", "#00FF00", "-opaque", "#FF0000"};
        QTest::newRow("colour to colour with fuzz")
            << L{40, red, green, 0, 0} << S{"-fuzz", fuzz40, "-fill", "#00FF00", "-opaque", "#FF0000"};
        QTest::newRow("white to black with fuzz")
            << L{40, 0, 0, 2, 3} << S{"-fuzz", fuzz40, "-fill", "#000000", "-opaque", "#FFFFFF"};
        QTest::newRow("colour to transparency") << L{40, red, 0, 0, 1} << S{"-fuzz", fuzz40, "-transparent", "#FF0000"};
        QTest::newRow("transparency to colour") << L{0, 0, green, 1, 0} << S{"-background", "#00FF00", "-flatten"};
        QTest::newRow("transparency to transparency") << L{0, 0, 0, 1, 1} << S();
    }

    void colorReplace()
    {
        QFETCH(QList<double>, params);
        QFETCH(QStringList, arguments);

        // Red, white and a gradient, with a half-transparent band.
        const QString source = m_folder + "/colours.png";
        QVERIFY(RunConvert({"-size", "20x12", "xc:red", "xc:white", "gradient:red-blue", "+append", "-alpha", "set",
                            "-region", "60x4+0+8", "-channel", "A", "-evaluate", "set", "50%", "+region", "+channel",
                            "+repage", "PNG32:" + source}));
        Magick::Image image = Load(source);
        QVERIFY(ApplyRecord(image, Record(5010, params)));
        QCOMPARE(image.colorFuzz(), 0.0);
        // No arguments: the tool copies the source, so the image must be unchanged.
        const QString out = m_folder + "/colours-reference.png";
        QVERIFY(RunConvert(QStringList{source} + arguments + QStringList{"PNG32:" + out}));
        QCOMPARE(Difference(image, Load(out)), 0);
    }

    void resizeAdvancedSetsDensity_data()
    {
        QTest::addColumn<QList<double>>("params");
        QTest::addColumn<QString>("geometry");
        QTest::addColumn<QSize>("density");
        using L = QList<double>;
        QTest::newRow("keep aspect") << L{100, 80, 0, 0, 300, 200, 1} << "67x100" << QSize(300, 200);
        QTest::newRow("exact") << L{100, 80, 0, 0, 72.9, 96, 0} << "100x80!" << QSize(72, 96);
        QTest::newRow("no resolution") << L{100, 80, 0, 0, 0, 0, 0} << "100x80!" << QSize(0, 0);
        QTest::newRow("size 0") << L{0, 80, 0, 0, 300, 300, 0} << "" << QSize(0, 0);
    }

    void resizeAdvancedSetsDensity()
    {
        QFETCH(QList<double>, params);
        QFETCH(QString, geometry);
        QFETCH(QSize, density);

        const QString source = Pattern(200, 300);
        Magick::Image image = Load(source);
        const double densityBefore = MagickCompat::XResolution(image);
        QVERIFY(ApplyRecord(image, Record(5050, params)));
        if (density.isEmpty()) {
            QCOMPARE(MagickCompat::XResolution(image), densityBefore);
        } else {
            QCOMPARE(image.resolutionUnits(), Magick::PixelsPerInchResolution);
            QCOMPARE(MagickCompat::XResolution(image), double(density.width()));
            QCOMPARE(MagickCompat::YResolution(image), double(density.height()));
        }
        const QString out = m_folder + "/advanced.png";
        const QStringList scale = geometry.isEmpty() ? QStringList() : QStringList{"-scale", geometry};
        QVERIFY(RunConvert(QStringList{source} + scale + QStringList{"-depth", "16", "PNG:" + out}));
        QCOMPARE(Difference(image, Load(out)), 0);
    }

    void cropLeavesNoPageOffset()
    {
        for (quint32 id : {5002u, 5020u, 5080u}) {
            Magick::Image image = Load(Pattern(40, 30));
            QVERIFY(ApplyRecord(image, Record(id, {10, 10, 10, 10, 2})));
            const Magick::Geometry page = image.page();
            QCOMPARE(int(page.xOff()), 0);
            QCOMPARE(int(page.yOff()), 0);
            QCOMPARE(page.width(), image.columns());
            QCOMPARE(page.height(), image.rows());
        }
    }

private:
    QString Pattern(int width, int height);
    QString m_folder;
    QMap<QString, QString> m_patterns;
};

QString TestTransforms::Pattern(int width, int height)
{
    const QString key = QString("%1x%2").arg(width).arg(height);
    if (!m_patterns.contains(key))
        m_patterns[key] = MakePatternPng(m_folder, "pattern-" + key + ".png", width, height);
    return m_patterns[key];
}

GB_TEST_MAIN(TestTransforms)
#include "tst_transforms.moc"
