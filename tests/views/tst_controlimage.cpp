#include "CUserProfile.h"
#include "PreviewTestKit.h"
#include "TestEnv.h"

#include <QSignalSpy>

using namespace PreviewTestKit;

// The preview view over its render thread: fits, zoom limits, refused
// requests, the crop shown over the veiled photo, a turned photo fitted on
// its turned size, and refitting when the owner resizes the view.
class TestControlImage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fitsPhoto_data();
    void fitsPhoto();
    void refusedRequestsChangeNothing_data();
    void refusedRequestsChangeNothing();
    void zoomStopsAtItsLimits();
    void cropShowsResultOverVeiledPhoto();
    void autoRotateFitsTurnedPicture();
    void resizeRefitsOnlyWithPanelFlag();

private:
    QString m_folder;
};

void TestControlImage::initTestCase()
{
    PrepareEngine();
    m_folder = TestEnv::NewFolder("controlimage");
}

void TestControlImage::fitsPhoto_data()
{
    QTest::addColumn<QSize>("photo");
    QTest::addColumn<double>("fit");
    QTest::addColumn<QSize>("shown");
    // The view is 400 x 300.
    QTest::newRow("800 x 600 at half") << QSize(800, 600) << 50.0 << QSize(400, 300);
    QTest::newRow("portrait, height bound") << QSize(300, 600) << 50.0 << QSize(150, 300);
    QTest::newRow("wide, width bound") << QSize(1000, 500) << 40.0 << QSize(400, 200);
    QTest::newRow("small photo fitted larger") << QSize(100, 75) << 400.0 << QSize(400, 300);
}

void TestControlImage::fitsPhoto()
{
    QFETCH(QSize, photo);
    QFETCH(double, fit);
    QFETCH(QSize, shown);
    const QString path = WritePhoto(m_folder, QString("fit-%1x%2.png").arg(photo.width()).arg(photo.height()),
                                    photo.width(), photo.height());
    Host host;
    QSignalSpy zoomed(host.view, &CControlImage::UpdateZoomPercent);
    QVERIFY(host.view->StartPreview(path));
    QVERIFY(host.view->busy);
    QVERIFY(WaitIdle(host.view));

    QVERIFY(host.view->shown);
    QCOMPARE(host.view->zoom, fit);
    QCOMPARE(host.view->zoomMin, fit);
    QCOMPARE(QSize(int(host.view->imageResized.image.columns()), int(host.view->imageResized.image.rows())), shown);
    QCOMPARE(host.label->pixmap().size(), shown);
    QCOMPARE(zoomed.count(), 1);
    QCOMPARE(zoomed.first().first().toInt(), qRound(fit));
    QVERIFY(CUserProfile::GetInstance()->GetPreviewComment().isEmpty());
}

void TestControlImage::refusedRequestsChangeNothing_data()
{
    QTest::addColumn<bool>("previewOn");
    QTest::addColumn<QString>("path");
    QTest::newRow("preview off") << false << "photo";
    QTest::newRow("empty path") << true << "";
    QTest::newRow("missing file") << true << "missing.png";
}

void TestControlImage::refusedRequestsChangeNothing()
{
    QFETCH(bool, previewOn);
    QFETCH(QString, path);
    if (path == "photo")
        path = WritePhoto(m_folder, "refused.png", 80, 60);
    else if (!path.isEmpty())
        path = m_folder + "/" + path;
    Host host;
    host.view->previewOn = previewOn;
    QVERIFY(!host.view->StartPreview(path));
    QVERIFY(!host.view->busy);
    QVERIFY(!host.view->shown);
    QVERIFY(host.view->imagePath.isEmpty());
    // Nothing shown yet: zooming is refused too.
    QVERIFY(!host.view->ZoomPreview(100));
}

void TestControlImage::zoomStopsAtItsLimits()
{
    const QString path = WritePhoto(m_folder, "zoom.png", 800, 600);
    Host host;
    CControlImage* view = host.view;
    QVERIFY(view->StartPreview(path));
    QVERIFY(WaitIdle(view));
    QCOMPARE(view->zoom, 50.0);

    // Each step waits for its render; the limits ask for nothing.
    const struct { bool (CControlImage::*slot)(); double zoom; int width; } steps[] = {
        {&CControlImage::ZoomOut, 50.0, 400},   // at the fit already
        {&CControlImage::ZoomIn, 75.0, 600},
        {&CControlImage::ZoomIn, 100.0, 800},   // capped at actual pixels
        {&CControlImage::ZoomIn, 100.0, 800},   // nothing above it
        {&CControlImage::ZoomOut, 100.0 / 1.5, 533},
        {&CControlImage::ZoomOut, 50.0, 400},   // never below the fit
        {&CControlImage::ZoomToMatch, 100.0, 800},
        {&CControlImage::ZoomToFit, 50.0, 400},
    };
    for (const auto& step : steps) {
        QVERIFY((view->*step.slot)());
        QVERIFY(QTest::qWaitFor([view] { return view->imageResized.image.isValid(); }, 1000));
        QTRY_COMPARE_WITH_TIMEOUT(int(view->imageResized.image.columns()), step.width, 20000);
        QCOMPARE(qRound(view->zoom * 1000), qRound(step.zoom * 1000));
    }
    // A rounded 0 is the fit; the zoom shown already asks for nothing.
    QVERIFY(view->ZoomToMatch());
    QTRY_COMPARE_WITH_TIMEOUT(int(view->imageResized.image.columns()), 800, 20000);
    QVERIFY(view->ZoomPreview(0.4f));
    QTRY_COMPARE_WITH_TIMEOUT(int(view->imageResized.image.columns()), 400, 20000);
    QCOMPARE(view->zoom, 50.0);
    QVERIFY(view->ZoomPreview(50.0f));
    QVERIFY(!view->busy);
}

void TestControlImage::cropShowsResultOverVeiledPhoto()
{
    // Red left half, blue right half; the crop keeps the blue top-right
    // quarter, shown in the middle of the darkened whole photo.
    const QString path = WriteTwoColourPhoto(m_folder, "crop.png", 800, 600);
    Host host;
    host.view->filters = {CropRecord(400, 0, 400, 300)};
    QVERIFY(host.view->StartPreview(path));
    QVERIFY(WaitIdle(host.view));
    const Magick::Image& shown = host.view->image.image;
    QCOMPARE(QSize(int(shown.columns()), int(shown.rows())), QSize(800, 600));
    QCOMPARE(Pixel(shown, 400, 300), qRgba(0, 0, 255, 255)); // the cut, centred
    QCOMPARE(Pixel(shown, 201, 151), qRgba(0, 0, 255, 255));
    const QRgb veiled = Pixel(shown, 50, 50);                // red under the veil
    QVERIFY2(qAbs(qRed(veiled) - 89) <= 2 && qGreen(veiled) == 0 && qBlue(veiled) == 0,
             qPrintable(QString::number(veiled, 16)));
    QCOMPARE(host.view->zoom, 50.0);
}

void TestControlImage::autoRotateFitsTurnedPicture()
{
    // 600 x 400 stored, to be turned upright to 400 x 600 (orientation 6).
    const QString path = m_folder + "/turned.tif";
    Magick::Image photo(Magick::Geometry(600, 400), Magick::Color("green"));
    photo.orientation(Magick::RightTopOrientation);
    photo.depth(8);
    photo.write(path.toStdString());

    Host host;
    QSignalSpy zoomed(host.view, &CControlImage::UpdateZoomPercent);
    host.view->filters = {AutoRotateRecord()};
    QVERIFY(host.view->StartPreview(path));
    QVERIFY(WaitIdle(host.view));
    QCOMPARE(QSize(int(host.view->image.image.columns()), int(host.view->image.image.rows())), QSize(400, 600));
    QCOMPARE(QSize(int(host.view->imageResized.image.columns()), int(host.view->imageResized.image.rows())),
             QSize(200, 300));
    QCOMPARE(host.view->zoom, 50.0);
    QCOMPARE(zoomed.last().first().toInt(), 50);
}

void TestControlImage::resizeRefitsOnlyWithPanelFlag()
{
    const QString path = WritePhoto(m_folder, "resize.png", 800, 600);
    bool transition = false;
    for (const bool withFlag : {true, false}) {
        Host host;
        if (withFlag)
            host.view->panelTransition = &transition;
        QVERIFY(host.view->StartPreview(path));
        QVERIFY(WaitIdle(host.view));
        const QSize placeholder = host.view->pixmapPlaceholder.size();
        host.view->resize(200, 150);
        if (withFlag) {
            // Fitted before, fitted again.
            QTRY_COMPARE_WITH_TIMEOUT(host.label->pixmap().size(), QSize(200, 150), 20000);
            QCOMPARE(host.view->zoom, 25.0);
        } else {
            QCOMPARE(host.label->pixmap().size(), placeholder);
            QTest::qWait(200);
            QCOMPARE(host.label->pixmap().size(), placeholder);
        }
    }
}

GB_TEST_MAIN(TestControlImage)
#include "tst_controlimage.moc"
