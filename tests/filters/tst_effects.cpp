#include "FilterTestKit.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

using namespace FilterTestKit;

Q_DECLARE_METATYPE(QList<double>)

namespace {
// Percent of the 8-bit range, for command-line arguments written with "%".
QString Pct8(double value8)
{
    return Num(value8 / 255.0 * 100.0) + "%";
}

// Whether every RGBA pixel has equal red, green and blue.
bool AllGrey(const std::vector<unsigned char>& pixels)
{
    for (size_t i = 0; i < pixels.size(); i += 4) {
        if (pixels[i] != pixels[i + 1] || pixels[i + 1] != pixels[i + 2])
            return false;
    }
    return true;
}
} // namespace

class TestEffects : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_folder = TestEnv::NewFolder("effects");
        m_pattern = MakePatternPng(m_folder, "pattern.png");
        QVERIFY(QFile::exists(m_pattern));
    }

    void matchesCommandLine_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QList<double>>("params");
        QTest::addColumn<QStringList>("operation");
        QTest::addColumn<int>("tolerance");
        QTest::addColumn<int>("seed");
        const auto row = [](const char* tag, int id, QList<double> params, QStringList op, int tolerance, int seed = 0) {
            QTest::newRow(tag) << id << params << op << tolerance << seed;
        };
        // Exact mappings: the same operation with the same arguments.
        row("3000 blur", 3000, {20}, {"-blur", "2x1"}, 0);
        row("3000 blur small sigma floor", 3000, {1}, {"-blur", Num(0.1) + "x" + Num(0.1)}, 0);
        row("3020 charcoal", 3020, {40, 10}, {"-charcoal", "2x" + Num(0.049 * 10 + 0.1)}, 1);
        row("3030 edge", 3030, {2}, {"-edge", "2"}, 0);
        row("3040 emboss", 3040, {40, 10}, {"-emboss", "2x" + Num(0.049 * 10 + 0.1)}, 1);
        row("3050 gaussian blur", 3050, {30, 10}, {"-gaussian-blur", "3x" + Num(0.099 * 10 + 0.1)}, 1);
        row("3070 implode", 3070, {50}, {"-implode", "0.6"}, 1);
        row("3080 negate", 3080, {}, {"-negate"}, 0);
        row("3100 oil paint", 3100, {4}, {"-paint", Num(8.0 / 11.0 * 4)}, 0);
        row("3140 shade grey", 3140, {40, 30, 0}, {"-shade", "34x23"}, 1);
        row("3140 shade colour", 3140, {40, 30, 1}, {"+shade", "34x23"}, 1);
        row("3160 swirl", 3160, {90}, {"-swirl", "90"}, 0);
        row("3170 wave", 3170, {5, 2}, {"-wave", "5x" + Num(19.99 * 2 + 1)}, 1);

        // Random effects, with the generator seeded alike on both sides.
        row("3090 noise 0 gaussian", 3090, {0}, {"+noise", "Gaussian"}, 0, 7);
        row("3090 noise 1 multiplicative", 3090, {1}, {"+noise", "Multiplicative"}, 0, 7);
        row("3090 noise 2 impulse", 3090, {2}, {"+noise", "Impulse"}, 0, 7);
        row("3090 noise 3 laplacian", 3090, {3.9}, {"+noise", "Laplacian"}, 0, 7);
        row("3090 noise 4 poisson", 3090, {4}, {"+noise", "Poisson"}, 0, 7);
        row("3090 noise 5 gaussian", 3090, {5}, {"+noise", "Gaussian"}, 0, 7);
        row("3090 noise -1 gaussian", 3090, {-1}, {"+noise", "Gaussian"}, 0, 7);
        row("3150 spread", 3150, {5}, {"-spread", "2"}, 0, 3);

        // Thresholds written for 8-bit channels, given to the tool in percent.
        row("3120 sepia", 3120, {50, 20}, {"-sepia-tone", Pct8(200), "-modulate", "100,30,100"}, 1);
        row("3120 sepia low threshold", 3120, {0, 0}, {"-sepia-tone", Pct8(150), "-modulate", "100,10,100"}, 1);
        row("3130 solarize", 3130, {40}, {"-solarize", Pct8(156)}, 1);
        row("3130 solarize most", 3130, {90}, {"-solarize", Pct8(26)}, 1);
        row("3130 solarize none", 3130, {0}, {}, 0);

        // Adjustments.
        row("4000 normalize", 4000, {}, {"-normalize"}, 0);
        row("4006 auto level", 4006, {}, {"-auto-level"}, 0);
        row("4010 brightness", 4010, {20, -30},
            {"-modulate", Num(120 * 200.0 / 201) + ",100,100", "-gamma", Num(70 * 2.0 / 201)}, 1);
        row("4010 brightness zero is no identity", 4010, {0, 0},
            {"-modulate", Num(100 * 200.0 / 201) + ",100,100", "-gamma", Num(200.0 / 201)}, 1);
        const double c = (10 + 32.58064516129032 + 50) * 1.5346534653465347;
        const double c2 = (-20 + 32.58064516129032 + 50) * 1.5346534653465347;
        row("4020 contrast up", 4020, {40, 10},
            {"-sigmoidal-contrast", Num(39.5 * 0.1485148514851485) + "x" + Pct8(255 - c)}, 1);
        row("4020 contrast down", 4020, {-40, 10},
            {"+sigmoidal-contrast", Num(40.5 * 0.1485148514851485) + "x" + Pct8(c)}, 1);
        row("4020 contrast zero product", 4020, {0.5, -20}, {"-sigmoidal-contrast", "0.00001x" + Pct8(255 - c2)}, 1);
        const double k = 10.0 / 101.0;
        row("4030 colour balance", 4030, {5, -3, 10},
            {"-gamma", Num(15 * k) + "," + Num(7 * k) + "," + Num(20 * k)}, 1);
        row("4040 equalize", 4040, {}, {"-equalize"}, 0);
        const double m = 200.0 / 201.0;
        row("4050 hue saturation", 4050, {10, -20, 5},
            {"-modulate", Num(105 * m) + "," + Num(80 * m) + "," + Num(110 * m)}, 1);
        // black 10/404 of the range, white 1 - 20/404, mid-tones 30 * 10/404
        const QString levels = Num(10.0 / 404 * 100) + "%," + Num(100 - 20.0 / 404 * 100) + "%," + Num(300.0 / 404);
        row("4060 levels all", 4060, {10, 30, 20, 0}, {"-level", levels}, 1);
        row("4060 levels red", 4060, {10, 30, 20, 1}, {"-channel", "R", "-level", levels, "+channel"}, 1);
        row("4060 levels 4 is red", 4060, {10, 30, 20, 4}, {"-channel", "R", "-level", levels, "+channel"}, 1);
        row("4060 levels green", 4060, {10, 30, 20, 2}, {"-channel", "G", "-level", levels, "+channel"}, 1);
        row("4060 levels blue", 4060, {10, 30, 20, 3}, {"-channel", "B", "-level", levels, "+channel"}, 1);
        const QString strong = Num(60.0 / 404 * 100) + "%," + Num(100 - 80.0 / 404 * 100) + "%," + Num(60.0 / 40.4);
        row("4060 levels strong", 4060, {60, 60, 80, 0}, {"-level", strong}, 1);
        row("4070 enhance", 4070, {0}, {"-enhance"}, 0);
        row("4070 despeckle", 4070, {1}, {"-despeckle"}, 0);
        const double r = 50 * 3.0 / 101.0;
        row("4080 sharpen", 4080, {50}, {"-sharpen", Num(r) + "x" + Num(r / 2)}, 1);
        row("4080 sharpen sigma floor", 4080, {10}, {"-sharpen", Num(10 * 3.0 / 101.0) + "x0.4"}, 1);
        row("4090 unsharp mask", 4090, {50, 60, 11}, {"-unsharp", "1.8x0.9+1.5+" + Num(11 * 0.3 / 11)}, 1);
    }

    void matchesCommandLine()
    {
        QFETCH(int, id);
        QFETCH(QList<double>, params);
        QFETCH(QStringList, operation);
        QFETCH(int, tolerance);
        QFETCH(int, seed);

        Magick::Image image = Load(m_pattern);
        if (seed)
            MagickCore::SeedPseudoRandomGenerator(static_cast<unsigned long>(seed));
        QVERIFY(ApplyRecord(image, Record(quint32(id), params)));

        const QString out = m_folder + "/" + QString::number(id) + "-" + QTest::currentDataTag() + ".miff";
        QStringList arguments{m_pattern};
        if (seed)
            arguments << "-seed" << QString::number(seed);
        arguments << operation << "MIFF:" + out;
        QString error;
        QVERIFY2(RunConvert(arguments, &error), qPrintable(error));
        const Magick::Image expected = Load(out);

        const int difference = MaxDifference8(image, expected);
        QVERIFY2(difference >= 0, "sizes differ");
        QVERIFY2(difference <= tolerance, qPrintable(QString("difference %1 levels").arg(difference)));
    }

    void blackAndWhiteRoundsMeanHalfUp()
    {
        // The mean is taken on 8-bit values: 16-bit samples 1, 2, 2 are 8-bit
        // zeros; 614 is 2, so 2, 0, 0 gives 2/3, rounded up to 1 (257);
        // 65533 is 255; 300 is 1 and 1/3 rounds down.
        const unsigned short in[] = {1, 2, 2, 614, 0, 0, 65535, 65535, 65533, 300, 0, 0};
        Magick::Image image;
        image.read(4, 1, "RGB", Magick::ShortPixel, in);
        QVERIFY(ApplyRecord(image, Record(3060)));
        std::vector<unsigned short> out(12);
        image.write(0, 0, 4, 1, "RGB", Magick::ShortPixel, out.data());
        QCOMPARE(out, (std::vector<unsigned short>{0, 0, 0, 257, 257, 257, 65535, 65535, 65535, 0, 0, 0}));

        // The pattern as read (8-bit values) and blurred (values between the
        // 8-bit steps, as any resize or blur before this filter leaves them):
        // every pixel exactly the rounded mean of its 8-bit channels.
        for (const bool blurred : {false, true}) {
            Magick::Image photo = Load(m_pattern);
            if (blurred)
                photo.blur(0, 1.5);
            const std::vector<unsigned char> before = Rgba8(photo);
            QVERIFY(ApplyRecord(photo, Record(3060)));
            const std::vector<unsigned char> after = Rgba8(photo);
            int wrong = 0;
            for (size_t i = 0; i < before.size(); i += 4) {
                const int mean = (before[i] + before[i + 1] + before[i + 2] + 1) / 3;
                for (int c = 0; c < 3; ++c)
                    wrong += after[i + c] != mean ? 1 : 0;
                QCOMPARE(after[i + 3], before[i + 3]);
            }
            QVERIFY2(wrong == 0, qPrintable(QString("%1 channels off (blurred %2)").arg(wrong).arg(blurred)));
        }
    }

    void blackAndWhiteChangesPaletteImagesButNotCopies()
    {
        const QString gif = m_folder + "/palette.gif";
        QVERIFY(RunConvert({m_pattern, "-colors", "16", gif}));
        Magick::Image image = Load(gif);
        QCOMPARE(image.classType(), Magick::PseudoClass);
        const Magick::Image untouched = image; // shares pixels until written
        const std::vector<unsigned char> original = Rgba8(untouched);

        QVERIFY(ApplyRecord(image, Record(3060)));
        QVERIFY(!AllGrey(original));
        QVERIFY(AllGrey(Rgba8(image)));
        QVERIFY(Rgba8(untouched) == original);

        // The change survives a write as the palette format.
        const QString written = m_folder + "/palette-grey.gif";
        image.write(written.toStdString());
        QVERIFY(AllGrey(Rgba8(Load(written))));
    }

    void autoGamma_data()
    {
        QTest::addColumn<QString>("colour"); // empty: the pattern
        QTest::addColumn<double>("gamma");
        QTest::newRow("black clamps to 1.9") << "#000000" << 1.9;
        QTest::newRow("white clamps to 0.1") << "#ffffff" << 0.1;
        QTest::newRow("dark grey") << "#404040" << 2.0 * (1.0 - 64.0 / 255.0);
        QTest::newRow("mixed channels") << "#20a060" << 2.0 * (1.0 - (32.0 + 160.0 + 96.0) / 3.0 / 255.0);
        QTest::newRow("pattern") << "" << -1.0;
    }

    void autoGamma()
    {
        QFETCH(QString, colour);
        QFETCH(double, gamma);
        const QString source = colour.isEmpty() ? m_pattern
                                                : MakeFlatPng(m_folder, "flat" + colour.mid(1) + ".png", colour);
        Magick::Image image = Load(source);
        if (gamma < 0) {
            // Closed form from the 8-bit pixels.
            const std::vector<unsigned char> pixels = Rgba8(image);
            double sum = 0.0;
            for (size_t i = 0; i < pixels.size(); i += 4)
                sum += pixels[i] + pixels[i + 1] + pixels[i + 2];
            const double mean = sum / (3.0 * double(pixels.size() / 4));
            gamma = std::clamp(2.0 * (1.0 - mean / 255.0), 0.1, 1.9);
        }
        QVERIFY(ApplyRecord(image, Record(4003)));
        const QString out = m_folder + "/autogamma-" + QTest::currentDataTag() + ".miff";
        QVERIFY(RunConvert({source, "-gamma", Num(gamma), "MIFF:" + out}));
        const int difference = MaxDifference8(image, Load(out));
        QVERIFY2(difference >= 0 && difference <= 1, qPrintable(QString::number(difference)));
    }

    // The gamma corrections change the pixels only: the image's gamma tag,
    // which a PNG carries as its gAMA, stays that of sRGB.
    void gammaCorrectionsKeepTheGammaTag_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QList<double>>("params");
        QTest::newRow("4003 auto gamma") << 4003 << QList<double>{};
        QTest::newRow("4010 brightness") << 4010 << QList<double>{0, 40};
        QTest::newRow("4030 colour balance") << 4030 << QList<double>{10, 10, -5};
    }

    void gammaCorrectionsKeepTheGammaTag()
    {
        QFETCH(int, id);
        QFETCH(QList<double>, params);
        Magick::Image image = Load(m_pattern);
        const double before = image.gamma();
        QVERIFY(ApplyRecord(image, Record(quint32(id), params)));
        const QString written = m_folder + QString("/gamma-%1.png").arg(id);
        image.write(written.toStdString());
        const Magick::Image result = Load(written);
        QVERIFY2(std::abs(result.gamma() - before) < 0.001, qPrintable(QString::number(result.gamma())));
        QCOMPARE(result.colorSpace(), MagickCore::sRGBColorspace);
    }

    void unknownIdsLeaveImageUntouched_data()
    {
        QTest::addColumn<int>("id");
        for (const int id : {0, 999, 1005, 2040, 3010, 3110, 3180, 4001, 4100, 5001, 6000, 9999})
            QTest::addRow("%d", id) << id;
    }

    void unknownIdsLeaveImageUntouched()
    {
        QFETCH(int, id);
        Magick::Image image = Load(m_pattern);
        const std::vector<unsigned char> before = Rgba8(image);
        TraceCapture capture;
        QVERIFY(!ApplyRecord(image, Record(quint32(id), {10, 10, 10, 10})));
        QVERIFY(Rgba8(image) == before);
        QVERIFY(capture.Lines().isEmpty());
    }

    void missingOrEmptyTargetFails()
    {
        CImageFilters engine;
        engine.SetRecord(Record(3080));
        QVERIFY(!engine.Apply());
        Magick::Image empty;
        engine.SetTarget(&empty);
        QVERIFY(!engine.Apply());
        Magick::Image image = Load(m_pattern);
        engine.SetTarget(&image);
        QVERIFY(engine.Apply());
    }

    void nonFiniteParametersAreRefused_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("index");
        QTest::addColumn<double>("value");
        QTest::newRow("blur nan") << 3000 << 0 << std::nan("");
        QTest::newRow("gaussian sigma inf") << 3050 << 1 << std::numeric_limits<double>::infinity();
        QTest::newRow("levels -inf") << 4060 << 2 << -std::numeric_limits<double>::infinity();
        QTest::newRow("negate unused nan") << 3080 << 31 << std::nan("");
    }

    void nonFiniteParametersAreRefused()
    {
        QFETCH(int, id);
        QFETCH(int, index);
        QFETCH(double, value);
        Magick::Image image = Load(m_pattern);
        const std::vector<unsigned char> before = Rgba8(image);
        SFilterRecord record = Record(quint32(id), {10, 10, 10, 0});
        record.params[index] = value;
        TraceCapture capture;
        QVERIFY(!ApplyRecord(image, record));
        QVERIFY(Rgba8(image) == before);
        QCOMPARE(capture.Lines().size(), 1);
    }

    void libraryErrorIsTracedAndFails()
    {
        // A wave that grows the image past the height limit raises an error.
        Magick::Image image = Load(m_pattern);
        const MagickCore::MagickSizeType oldHeight = Magick::ResourceLimits::height();
        Magick::ResourceLimits::height(100);
        TraceCapture capture;
        const bool applied = ApplyRecord(image, Record(3170, {200, 5}));
        Magick::ResourceLimits::height(oldHeight);
        QVERIFY(!applied);
        QCOMPARE(capture.Lines().size(), 1);
        QVERIFY2(capture.Lines().first().contains(QRegularExpression("Apply\\. ! ImageFilters::Apply Error: .+")),
                 qPrintable(capture.Lines().first()));
    }

private:
    QString m_folder;
    QString m_pattern;
};

GB_TEST_MAIN(TestEffects)
#include "tst_effects.moc"
