#include "CDCRaw.h"
#include "DngWriter.h"
#include "TestEnv.h"
#include "TestThreads.h"

#include <Magick++.h>

#include <QFile>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {
// Red block in the top-left corner, blue block in the bottom-right corner,
// mid grey elsewhere (as the raw data lies, before any rotation).
std::array<double, 3> Corners(int x, int y, int w, int h)
{
    if (x < w / 3 && y < h / 3)
        return {0.7, 0.05, 0.05};
    if (x >= w - w / 3 && y >= h - h / 3)
        return {0.05, 0.05, 0.7};
    return {0.3, 0.3, 0.3};
}

struct Decoded
{
    int result = -1;
    SRAWImage record;
    std::vector<unsigned char> pixels;
};

Decoded Decode(const QString& path, bool identifyOnly = false, CDCRaw::ProgressCallback callback = nullptr,
               void* user = nullptr)
{
    Decoded out;
    out.record.inputPath = path;
    out.record.identifyOnly = identifyOnly;
    out.record.progressData = user;
    auto decoder = std::make_unique<CDCRaw>();
    decoder->progressCallback = callback;
    out.result = decoder->Convert(&out.record);
    decoder.reset();
    if (out.record.buffer) {
        const size_t n = size_t(out.record.outputWidth * out.record.outputHeight * out.record.colors);
        out.pixels.assign(out.record.buffer, out.record.buffer + n);
        std::free(out.record.buffer);
        out.record.buffer = nullptr;
    }
    return out;
}

QString WriteFixture(const QString& name, int orientation, bool grey = false)
{
    DngSpec spec;
    spec.width = 60;
    spec.height = 42;
    spec.orientation = orientation;
    spec.grey = grey;
    spec.colour = [&spec](int x, int y) { return Corners(x, y, spec.width, spec.height); };
    const QString path = TestEnv::NewFolder("dng") + "/" + name;
    if (!WriteDng(path, spec))
        return QString();
    return path;
}

std::array<int, 3> PixelAt(const Decoded& d, int x, int y)
{
    const size_t i = (size_t(y) * d.record.outputWidth + size_t(x)) * d.record.colors;
    if (d.record.colors == 1)
        return {d.pixels[i], d.pixels[i], d.pixels[i]};
    return {d.pixels[i], d.pixels[i + 1], d.pixels[i + 2]};
}

struct ProgressLog
{
    std::vector<long long> reports;
    long long stopAt = -1;
};

bool Record(long long done, long long total, void* user)
{
    auto* log = static_cast<ProgressLog*>(user);
    if (total != 100)
        return false;
    log->reports.push_back(done);
    return done != log->stopAt;
}
} // namespace

class TestDCRaw : public QObject
{
    Q_OBJECT
private slots:
    // Identify-only gives the texts and the rotated size without a buffer; a
    // decode gives the same size and turns the picture as the camera recorded.
    void identifyAndDecodeRotate_data()
    {
        // Where the raw top-left (red) and bottom-right (blue) corners land.
        QTest::addColumn<int>("orientation");
        QTest::addColumn<bool>("swapped");
        QTest::addColumn<QPoint>("redAt");   // in units of "near start" (0) / "near end" (1)
        QTest::addColumn<QPoint>("blueAt");
        QTest::newRow("upright") << 1 << false << QPoint(0, 0) << QPoint(1, 1);
        QTest::newRow("180") << 3 << false << QPoint(1, 1) << QPoint(0, 0);
        QTest::newRow("90 cw") << 6 << true << QPoint(1, 0) << QPoint(0, 1);
        QTest::newRow("90 ccw") << 8 << true << QPoint(0, 1) << QPoint(1, 0);
    }

    void identifyAndDecodeRotate()
    {
        QFETCH(int, orientation);
        QFETCH(bool, swapped);
        QFETCH(QPoint, redAt);
        QFETCH(QPoint, blueAt);
        const QString path = WriteFixture("colours.dng", orientation);
        QVERIFY(!path.isEmpty());
        const QSize size = swapped ? QSize(42, 60) : QSize(60, 42);
        const Decoded ident = Decode(path, true);
        QCOMPARE(ident.result, 0);
        QVERIFY(ident.pixels.empty());
        QCOMPARE(QSize(int(ident.record.identifiedWidth), int(ident.record.identifiedHeight)), size);
        QCOMPARE(int(ident.record.outputWidth), 0);
        QCOMPARE(ident.record.dateTime, QString("2021:03:04 05:06:07"));
        QCOMPARE(ident.record.make, QString("Tarnwell"));
        QCOMPARE(ident.record.model, QString("Bench One"));

        const Decoded d = Decode(path);
        QCOMPARE(d.result, 0);
        QCOMPARE(int(d.record.colors), 3);
        const int w = size.width(), h = size.height();
        QCOMPARE(QSize(int(d.record.outputWidth), int(d.record.outputHeight)), size);
        QCOMPARE(QSize(int(d.record.identifiedWidth), int(d.record.identifiedHeight)), size);
        QCOMPARE(d.pixels.size(), size_t(w * h * 3));
        const auto text = [](std::array<int, 3> c) { return QString("%1 %2 %3").arg(c[0]).arg(c[1]).arg(c[2]).toUtf8(); };
        const auto red = PixelAt(d, redAt.x() ? w - 4 : 3, redAt.y() ? h - 4 : 3);
        QVERIFY2(red[0] > 150 && red[1] < red[0] / 3 && red[2] < red[0] / 3, text(red).constData());
        const auto blue = PixelAt(d, blueAt.x() ? w - 4 : 3, blueAt.y() ? h - 4 : 3);
        QVERIFY2(blue[2] > 150 && blue[0] < blue[2] / 3 && blue[1] < blue[2] / 3, text(blue).constData());
        const auto grey = PixelAt(d, w / 2, h / 2);
        QVERIFY2(qAbs(grey[0] - grey[1]) < 12 && qAbs(grey[1] - grey[2]) < 12 && grey[1] > 40, text(grey).constData());
    }

    void greyDngDecodesToOneColour()
    {
        const QString path = WriteFixture("grey.dng", 1, true);
        const Decoded d = Decode(path);
        QCOMPARE(d.result, 0);
        QCOMPARE(int(d.record.colors), 1);
        QCOMPARE(d.pixels.size(), size_t(60 * 42));
        // The red corner was bright (0.7), the rest darker.
        QVERIFY(PixelAt(d, 3, 3)[0] > PixelAt(d, 30, 20)[0]);
    }

    void progressReportsAndCancels_data()
    {
        QTest::addColumn<int>("stopAt");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QList<int>>("reports");
        QTest::newRow("runs through") << -1 << 0 << QList<int>{30, 70, 95};
        QTest::newRow("cancel at 30") << 30 << 100 << QList<int>{30};
        QTest::newRow("cancel at 70") << 70 << 100 << QList<int>{30, 70};
        QTest::newRow("cancel at 95") << 95 << 100 << QList<int>{30, 70, 95};
    }

    void progressReportsAndCancels()
    {
        QFETCH(int, stopAt);
        QFETCH(int, expected);
        QFETCH(QList<int>, reports);
        const QString path = WriteFixture("progress.dng", 1);
        ProgressLog log;
        log.stopAt = stopAt;
        const Decoded d = Decode(path, false, Record, &log);
        QCOMPARE(d.result, expected);
        QCOMPARE(QList<long long>(log.reports.begin(), log.reports.end()),
                 QList<long long>(reports.begin(), reports.end()));
        QCOMPARE(d.pixels.empty(), expected != 0);
    }

    void notRawOrMissingFails_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("jpeg") << "jpeg";
        QTest::newRow("text named dng") << "text";
        QTest::newRow("empty file") << "empty";
        QTest::newRow("missing") << "missing";
        QTest::newRow("empty path") << "";
        QTest::newRow("truncated dng") << "truncated";
    }

    void notRawOrMissingFails()
    {
        QFETCH(QString, kind);
        const QString folder = TestEnv::NewFolder("notraw");
        QString path;
        if (kind == "jpeg") {
            path = folder + "/photo.jpg";
            Magick::Image image(Magick::Geometry(64, 48), Magick::Color("orange"));
            image.write(path.toStdString());
        } else if (kind == "text" || kind == "empty") {
            path = folder + "/photo.dng";
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            if (kind == "text")
                file.write("this is not a photo\n");
        } else if (kind == "missing") {
            path = folder + "/nothing.dng";
        } else if (kind == "truncated") {
            path = WriteFixture("cut.dng", 1);
            QFile file(path);
            QVERIFY(file.resize(100)); // inside the tag directory
        }
        for (bool identify : {true, false}) {
            const Decoded d = Decode(path, identify);
            QCOMPARE(d.result, 1);
            QVERIFY(d.pixels.empty());
        }
    }

    void optionsAreAccepted_data()
    {
        // A grey scene under a light that the sensor records as (0.5, 1, 0.8).
        QTest::addColumn<int>("whiteBalance");
        QTest::addColumn<int>("highlight");
        QTest::addColumn<int>("demosaic");
        QTest::addColumn<bool>("recorded");
        QTest::addColumn<bool>("neutralResult");
        QTest::newRow("camera") << 0 << 0 << 0 << true << true;
        QTest::newRow("camera, none recorded: auto") << 0 << 0 << 0 << false << true;
        QTest::newRow("auto") << 1 << 0 << 0 << true << true;
        QTest::newRow("none: daylight, cast stays") << 2 << 0 << 0 << true << false;
        QTest::newRow("none, none recorded") << 2 << 0 << 0 << false << false;
        for (int hl : {1, 2, 3, 9, 42, -1})
            QTest::addRow("highlight %d", hl) << 0 << hl << 0 << true << true;
        for (int q : {1, 2, 3, 4, 5, 99, -3})
            QTest::addRow("demosaic %d", q) << 0 << 0 << q << true << true;
    }

    void optionsAreAccepted()
    {
        QFETCH(int, whiteBalance);
        QFETCH(int, highlight);
        QFETCH(int, demosaic);
        QFETCH(bool, recorded);
        QFETCH(bool, neutralResult);
        DngSpec spec;
        spec.asShotNeutral = recorded;
        spec.neutral = {0.5, 1.0, 0.8};
        spec.colour = [](int, int) { return std::array<double, 3>{0.2, 0.4, 0.32}; };
        const QString path = TestEnv::NewFolder("options") + "/opt.dng";
        QVERIFY(WriteDng(path, spec));
        SRAWImage record;
        record.inputPath = path;
        record.whiteBalance = whiteBalance;
        record.highlight = highlight;
        record.demosaic = demosaic;
        CDCRaw decoder;
        QCOMPARE(decoder.Convert(&record), 0);
        QVERIFY(record.buffer);
        const size_t centre = (size_t(24) * record.outputWidth + 32) * 3;
        const int r = record.buffer[centre], g = record.buffer[centre + 1], b = record.buffer[centre + 2];
        std::free(record.buffer);
        const QString rgb = QString("%1 %2 %3").arg(r).arg(g).arg(b);
        const bool neutral = qAbs(r - g) < 12 && qAbs(g - b) < 12;
        QVERIFY2(neutral == neutralResult, qPrintable(rgb));
    }

    void parallelDecodesAgree()
    {
        const QString path = WriteFixture("parallel.dng", 6);
        const Decoded reference = Decode(path);
        QCOMPARE(reference.result, 0);
        constexpr int kThreads = 8;
        std::vector<Decoded> results(kThreads);
        TestThreads::RunTogether(kThreads, [&results, path](int i) { results[size_t(i)] = Decode(path); });
        for (const Decoded& d : results) {
            QCOMPARE(d.result, 0);
            QCOMPARE(d.record.dateTime, reference.record.dateTime);
            QVERIFY(d.pixels == reference.pixels);
        }
    }
};

GB_TEST_MAIN(TestDCRaw)
#include "tst_dcraw.moc"
