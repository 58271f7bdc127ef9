#include "FilterTestKit.h"
#include "TestEnv.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

using namespace FilterTestKit;

Q_DECLARE_METATYPE(QList<double>)

namespace {
QStringList g_trace;

void CollectTrace(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_trace.append(message);
}

// Percent of the 8-bit range, for command-line arguments written with "%".
QString Pct8(double value8)
{
    return Num(value8 / 255.0 * 100.0) + "%";
}
} // namespace

class TestEffects : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void matchesCommandLine_data();
    void matchesCommandLine();
    void blackAndWhiteRoundsMeanHalfUp();
    void blackAndWhiteChangesPaletteImagesButNotCopies();
    void autoGamma_data();
    void autoGamma();
    void unknownIdsLeaveImageUntouched_data();
    void unknownIdsLeaveImageUntouched();
    void missingOrEmptyTargetFails();
    void nonFiniteParametersAreRefused_data();
    void nonFiniteParametersAreRefused();
    void libraryErrorIsTracedAndFails();

private:
    QString m_folder;
    QString m_pattern;
};

void TestEffects::initTestCase()
{
    m_folder = TestEnv::NewFolder("effects");
    m_pattern = MakePatternPng(m_folder, "pattern.png");
    QVERIFY(QFile::exists(m_pattern));
}

void TestEffects::matchesCommandLine_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QList<double>>("params");
    QTest::addColumn<QStringList>("operation");
    QTest::addColumn<int>("tolerance");
    QTest::addColumn<int>("seed");

    // Exact mappings: the same operation with the same arguments.
    QTest::newRow("3000 blur") << 3000 << QList<double>{20} << QStringList{"-blur", "2x1"} << 0 << 0;
    QTest::newRow("3000 blur small sigma floor")
        << 3000 << QList<double>{1} << QStringList{"-blur", Num(0.1) + "x" + Num(0.1)} << 0 << 0;
    QTest::newRow("3020 charcoal") << 3020 << QList<double>{40, 10}
                                   << QStringList{"-charcoal", "2x" + Num(0.049 * 10 + 0.1)} << 1 << 0;
    QTest::newRow("3030 edge") << 3030 << QList<double>{2} << QStringList{"-edge", "2"} << 0 << 0;
    QTest::newRow("3040 emboss") << 3040 << QList<double>{40, 10}
                                 << QStringList{"-emboss", "2x" + Num(0.049 * 10 + 0.1)} << 1 << 0;
    QTest::newRow("3050 gaussian blur") << 3050 << QList<double>{30, 10}
                                        << QStringList{"-gaussian-blur", "3x" + Num(0.099 * 10 + 0.1)}
                                        << 1 << 0;
    QTest::newRow("3070 implode") << 3070 << QList<double>{50} << QStringList{"-implode", "0.6"} << 1 << 0;
    QTest::newRow("3080 negate") << 3080 << QList<double>{} << QStringList{"-negate"} << 0 << 0;
    QTest::newRow("3100 oil paint") << 3100 << QList<double>{4} << QStringList{"-paint", Num(8.0 / 11.0 * 4)}
                                    << 0 << 0;
    QTest::newRow("3140 shade grey") << 3140 << QList<double>{40, 30, 0} << QStringList{"-shade", "34x23"}
                                     << 1 << 0;
    QTest::newRow("3140 shade colour") << 3140 << QList<double>{40, 30, 1} << QStringList{"+shade", "34x23"}
                                       << 1 << 0;
    QTest::newRow("3160 swirl") << 3160 << QList<double>{90} << QStringList{"-swirl", "90"} << 0 << 0;
    QTest::newRow("3170 wave") << 3170 << QList<double>{5, 2} << QStringList{"-wave", "5x" + Num(19.99 * 2 + 1)}
                               << 1 << 0;

    // Random effects, with the generator seeded alike on both sides.
    QTest::newRow("3090 noise 0 gaussian") << 3090 << QList<double>{0} << QStringList{"+noise", "Gaussian"} << 0 << 7;
    QTest::newRow("3090 noise 1 multiplicative")
        << 3090 << QList<double>{1} << QStringList{"+noise", "Multiplicative"} << 0 << 7;
    QTest::newRow("3090 noise 2 impulse") << 3090 << QList<double>{2} << QStringList{"+noise", "Impulse"} << 0 << 7;
    QTest::newRow("3090 noise 3 laplacian") << 3090 << QList<double>{3.9} << QStringList{"+noise", "Laplacian"}
                                            << 0 << 7;
    QTest::newRow("3090 noise 4 poisson") << 3090 << QList<double>{4} << QStringList{"+noise", "Poisson"} << 0 << 7;
    QTest::newRow("3090 noise 5 gaussian") << 3090 << QList<double>{5} << QStringList{"+noise", "Gaussian"} << 0 << 7;
    QTest::newRow("3090 noise -1 gaussian") << 3090 << QList<double>{-1} << QStringList{"+noise", "Gaussian"}
                                            << 0 << 7;
    QTest::newRow("3150 spread") << 3150 << QList<double>{5} << QStringList{"-spread", "2"} << 0 << 3;

    // Thresholds written for 8-bit channels, given to the tool in percent.
    QTest::newRow("3120 sepia") << 3120 << QList<double>{50, 20}
                                << QStringList{"-sepia-tone", Pct8(200), "-modulate", "100,30,100"} << 1 << 0;
    QTest::newRow("3120 sepia low threshold") << 3120 << QList<double>{0, 0}
                                              << QStringList{"-sepia-tone", Pct8(150), "-modulate", "100,10,100"}
                                              << 1 << 0;
    QTest::newRow("3130 solarize") << 3130 << QList<double>{40} << QStringList{"-solarize", Pct8(156)} << 1 << 0;
    QTest::newRow("3130 solarize most") << 3130 << QList<double>{90} << QStringList{"-solarize", Pct8(26)} << 1 << 0;
    QTest::newRow("3130 solarize none") << 3130 << QList<double>{0} << QStringList{} << 0 << 0;

    // Adjustments.
    QTest::newRow("4000 normalize") << 4000 << QList<double>{} << QStringList{"-normalize"} << 0 << 0;
    QTest::newRow("4006 auto level") << 4006 << QList<double>{} << QStringList{"-auto-level"} << 0 << 0;
    QTest::newRow("4010 brightness") << 4010 << QList<double>{20, -30}
                                     << QStringList{"-modulate", Num(120 * 200.0 / 201) + ",100,100", "-gamma",
                                                    Num(70 * 2.0 / 201)}
                                     << 1 << 0;
    QTest::newRow("4010 brightness zero is no identity")
        << 4010 << QList<double>{0, 0}
        << QStringList{"-modulate", Num(100 * 200.0 / 201) + ",100,100", "-gamma", Num(200.0 / 201)} << 1 << 0;
    {
        const double a = 39.5 * 0.1485148514851485;
        const double c = (10 + 32.58064516129032 + 50) * 1.5346534653465347;
        QTest::newRow("4020 contrast up")
            << 4020 << QList<double>{40, 10} << QStringList{"-sigmoidal-contrast", Num(a) + "x" + Pct8(255 - c)}
            << 1 << 0;
        const double b = 40.5 * 0.1485148514851485;
        QTest::newRow("4020 contrast down")
            << 4020 << QList<double>{-40, 10} << QStringList{"+sigmoidal-contrast", Num(b) + "x" + Pct8(c)} << 1 << 0;
        const double c2 = (-20 + 32.58064516129032 + 50) * 1.5346534653465347;
        QTest::newRow("4020 contrast zero product")
            << 4020 << QList<double>{0.5, -20}
            << QStringList{"-sigmoidal-contrast", "0.00001x" + Pct8(255 - c2)} << 1 << 0;
    }
    {
        const double k = 10.0 / 101.0;
        QTest::newRow("4030 colour balance")
            << 4030 << QList<double>{5, -3, 10}
            << QStringList{"-gamma", Num(15 * k) + "," + Num(7 * k) + "," + Num(20 * k)} << 1 << 0;
    }
    QTest::newRow("4040 equalize") << 4040 << QList<double>{} << QStringList{"-equalize"} << 0 << 0;
    {
        const double k = 200.0 / 201.0;
        QTest::newRow("4050 hue saturation")
            << 4050 << QList<double>{10, -20, 5}
            << QStringList{"-modulate", Num(105 * k) + "," + Num(80 * k) + "," + Num(110 * k)} << 1 << 0;
    }
    {
        // black 10/404 of the range, white 1 - 20/404, mid-tones 30 * 10/404
        const QString levels = Num(10.0 / 404 * 100) + "%," + Num(100 - 20.0 / 404 * 100) + "%," + Num(300.0 / 404);
        QTest::newRow("4060 levels all") << 4060 << QList<double>{10, 30, 20, 0} << QStringList{"-level", levels}
                                         << 1 << 0;
        QTest::newRow("4060 levels red") << 4060 << QList<double>{10, 30, 20, 1}
                                         << QStringList{"-channel", "R", "-level", levels, "+channel"} << 1 << 0;
        QTest::newRow("4060 levels 4 is red") << 4060 << QList<double>{10, 30, 20, 4}
                                              << QStringList{"-channel", "R", "-level", levels, "+channel"} << 1 << 0;
        QTest::newRow("4060 levels green") << 4060 << QList<double>{10, 30, 20, 2}
                                           << QStringList{"-channel", "G", "-level", levels, "+channel"} << 1 << 0;
        QTest::newRow("4060 levels blue") << 4060 << QList<double>{10, 30, 20, 3}
                                          << QStringList{"-channel", "B", "-level", levels, "+channel"} << 1 << 0;
        const QString strong = Num(60.0 / 404 * 100) + "%," + Num(100 - 80.0 / 404 * 100) + "%," + Num(60.0 / 40.4);
        QTest::newRow("4060 levels strong") << 4060 << QList<double>{60, 60, 80, 0} << QStringList{"-level", strong}
                                            << 1 << 0;
    }
    QTest::newRow("4070 enhance") << 4070 << QList<double>{0} << QStringList{"-enhance"} << 0 << 0;
    QTest::newRow("4070 despeckle") << 4070 << QList<double>{1} << QStringList{"-despeckle"} << 0 << 0;
    {
        const double r = 50 * 3.0 / 101.0;
        QTest::newRow("4080 sharpen") << 4080 << QList<double>{50} << QStringList{"-sharpen", Num(r) + "x" + Num(r / 2)}
                                      << 1 << 0;
        QTest::newRow("4080 sharpen sigma floor")
            << 4080 << QList<double>{10} << QStringList{"-sharpen", Num(10 * 3.0 / 101.0) + "x0.4"} << 1 << 0;
    }
    QTest::newRow("4090 unsharp mask") << 4090 << QList<double>{50, 60, 11}
                                       << QStringList{"-unsharp", "1.8x0.9+1.5+" + Num(11 * 0.3 / 11)} << 1 << 0;
}

void TestEffects::matchesCommandLine()
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

void TestEffects::blackAndWhiteRoundsMeanHalfUp()
{
    // 16-bit samples: sums 5 (mean 1.67 -> 2), 4 (1.33 -> 1), 65535*2+65533.
    const unsigned short in[] = {1, 2, 2, 1, 1, 2, 65535, 65535, 65533, 300, 0, 0};
    Magick::Image image;
    image.read(4, 1, "RGB", Magick::ShortPixel, in);
    QVERIFY(ApplyRecord(image, Record(3060)));
    unsigned short out[12] = {};
    image.write(0, 0, 4, 1, "RGB", Magick::ShortPixel, out);
    const unsigned short expected[] = {2, 2, 2, 1, 1, 1, 65534, 65534, 65534, 100, 100, 100};
    for (int i = 0; i < 12; ++i)
        QCOMPARE(out[i], expected[i]);

    // The 8-bit pattern: every pixel the mean of its 8-bit channels, within a level.
    Magick::Image photo = Load(m_pattern);
    const std::vector<unsigned char> before = Rgba8(photo);
    QVERIFY(ApplyRecord(photo, Record(3060)));
    const std::vector<unsigned char> after = Rgba8(photo);
    for (size_t i = 0; i < before.size(); i += 4) {
        const double mean = (before[i] + before[i + 1] + before[i + 2]) / 3.0;
        for (int c = 0; c < 3; ++c)
            QVERIFY(std::abs(after[i + c] - mean) <= 1.0);
        QCOMPARE(after[i + 3], before[i + 3]);
    }
}

void TestEffects::blackAndWhiteChangesPaletteImagesButNotCopies()
{
    const QString gif = m_folder + "/palette.gif";
    QVERIFY(RunConvert({m_pattern, "-colors", "16", gif}));
    Magick::Image image = Load(gif);
    QCOMPARE(image.classType(), Magick::PseudoClass);
    const Magick::Image untouched = image; // shares pixels until written
    const std::vector<unsigned char> original = Rgba8(untouched);

    QVERIFY(ApplyRecord(image, Record(3060)));
    const std::vector<unsigned char> grey = Rgba8(image);
    bool anyColour = false;
    for (size_t i = 0; i < original.size(); i += 4)
        anyColour = anyColour || original[i] != original[i + 1] || original[i + 1] != original[i + 2];
    QVERIFY(anyColour);
    for (size_t i = 0; i < grey.size(); i += 4) {
        QCOMPARE(grey[i], grey[i + 1]);
        QCOMPARE(grey[i + 1], grey[i + 2]);
    }
    QVERIFY(Rgba8(untouched) == original);

    // The change survives a write as the palette format.
    const QString written = m_folder + "/palette-grey.gif";
    image.write(written.toStdString());
    const std::vector<unsigned char> reread = Rgba8(Load(written));
    for (size_t i = 0; i < reread.size(); i += 4)
        QVERIFY(reread[i] == reread[i + 1] && reread[i + 1] == reread[i + 2]);
}

void TestEffects::autoGamma_data()
{
    QTest::addColumn<QString>("colour"); // empty: the pattern
    QTest::addColumn<double>("gamma");
    QTest::newRow("black clamps to 1.9") << "#000000" << 1.9;
    QTest::newRow("white clamps to 0.1") << "#ffffff" << 0.1;
    QTest::newRow("dark grey") << "#404040" << 2.0 * (1.0 - 64.0 / 255.0);
    QTest::newRow("mixed channels") << "#20a060" << 2.0 * (1.0 - (32.0 + 160.0 + 96.0) / 3.0 / 255.0);
    QTest::newRow("pattern") << "" << -1.0;
}

void TestEffects::autoGamma()
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
    QVERIFY(MaxDifference8(image, Load(out)) <= 1);
    QVERIFY(MaxDifference8(image, Load(out)) >= 0);
}

void TestEffects::unknownIdsLeaveImageUntouched_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("0") << 0;
    QTest::newRow("999") << 999;
    QTest::newRow("1005") << 1005;
    QTest::newRow("2040") << 2040;
    QTest::newRow("3010") << 3010;
    QTest::newRow("3110") << 3110;
    QTest::newRow("3180") << 3180;
    QTest::newRow("4001") << 4001;
    QTest::newRow("4100") << 4100;
    QTest::newRow("5001") << 5001;
    QTest::newRow("6000") << 6000;
    QTest::newRow("9999") << 9999;
}

void TestEffects::unknownIdsLeaveImageUntouched()
{
    QFETCH(int, id);
    Magick::Image image = Load(m_pattern);
    const std::vector<unsigned char> before = Rgba8(image);
    g_trace.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CollectTrace);
    const bool applied = ApplyRecord(image, Record(quint32(id), {10, 10, 10, 10}));
    qInstallMessageHandler(previous);
    QVERIFY(!applied);
    QVERIFY(Rgba8(image) == before);
    QVERIFY(g_trace.isEmpty());
}

void TestEffects::missingOrEmptyTargetFails()
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

void TestEffects::nonFiniteParametersAreRefused_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("value");
    QTest::newRow("blur nan") << 3000 << 0 << std::nan("");
    QTest::newRow("gaussian sigma inf") << 3050 << 1 << std::numeric_limits<double>::infinity();
    QTest::newRow("levels -inf") << 4060 << 2 << -std::numeric_limits<double>::infinity();
    QTest::newRow("negate unused nan") << 3080 << 31 << std::nan("");
}

void TestEffects::nonFiniteParametersAreRefused()
{
    QFETCH(int, id);
    QFETCH(int, index);
    QFETCH(double, value);
    Magick::Image image = Load(m_pattern);
    const std::vector<unsigned char> before = Rgba8(image);
    SFilterRecord record = Record(quint32(id), {10, 10, 10, 0});
    record.params[index] = value;
    g_trace.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CollectTrace);
    const bool applied = ApplyRecord(image, record);
    qInstallMessageHandler(previous);
    QVERIFY(!applied);
    QVERIFY(Rgba8(image) == before);
    QCOMPARE(g_trace.size(), 1);
}

void TestEffects::libraryErrorIsTracedAndFails()
{
    // A wave that grows the image past the height limit raises an error.
    Magick::Image image = Load(m_pattern);
    const MagickCore::MagickSizeType oldHeight = Magick::ResourceLimits::height();
    Magick::ResourceLimits::height(100);
    g_trace.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CollectTrace);
    const bool applied = ApplyRecord(image, Record(3170, {200, 5}));
    qInstallMessageHandler(previous);
    Magick::ResourceLimits::height(oldHeight);

    QVERIFY(!applied);
    QCOMPARE(g_trace.size(), 1);
    QVERIFY2(g_trace.first().contains(QRegularExpression("Apply\\. ! ImageFilters::Apply Error: .+")),
             qPrintable(g_trace.first()));
}

GB_TEST_MAIN(TestEffects)
#include "tst_effects.moc"
