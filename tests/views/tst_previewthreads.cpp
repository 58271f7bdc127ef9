#include "CIMImageCache.h"
#include "CUserProfile.h"
#include "PreviewTestKit.h"
#include "TestEnv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>

#include <memory>

using namespace PreviewTestKit;

// The render thread under load: superseded requests, operations that fail,
// views destroyed while they render. Also run under AddressSanitizer and
// ThreadSanitizer (see .ci/run).
class TestPreviewThreads : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void quickRequestsEndWithTheLast();
    void failedRequestsEnd_data();
    void failedRequestsEnd();
    void viewWithoutSizeStillShows();
    void destroyingLoadingViewReturnsQuickly();
    void destroyingOneOfTwoRenderingViews();

private:
    QString m_folder;
    QString m_red;
    QString m_blue;
    QString m_large;
};

void TestPreviewThreads::initTestCase()
{
    PrepareEngine();
    m_folder = TestEnv::NewFolder("previewthreads");
    m_red = WritePhoto(m_folder, "red.jpg", 1600, 1200, "red");
    m_blue = WritePhoto(m_folder, "blue.png", 900, 1200, "blue");
    // A 24-megapixel photo that takes a while to decode.
    Magick::Image large(Magick::Geometry(6000, 4000), Magick::Color("gray60"));
    large.addNoise(Magick::GaussianNoise);
    large.quality(90);
    m_large = m_folder + "/large.jpg";
    large.write(m_large.toStdString());
}

void TestPreviewThreads::quickRequestsEndWithTheLast()
{
    Host host;
    CControlImage* view = host.view;
    QRandomGenerator random(19);
    QString last;
    for (int i = 0; i < 40; ++i) {
        last = i % 2 ? m_blue : m_red;
        QVERIFY(view->StartPreview(last));
        QTest::qWait(int(random.bounded(31)));
    }
    QVERIFY(WaitIdle(view));
    // No late result of an older request replaces the last one.
    QTest::qWait(300);
    QVERIFY(!view->busy);
    QVERIFY(view->shown);
    QCOMPARE(view->image.sourcePath, m_blue);
    QCOMPARE(QSize(int(view->image.image.columns()), int(view->image.image.rows())), QSize(900, 1200));
    QCOMPARE(Pixel(view->imageResized.image, 10, 10), qRgba(0, 0, 255, 255));
    QCOMPARE(view->zoom, 25.0);
    QVERIFY(CUserProfile::GetInstance()->GetPreviewComment().isEmpty());
}

void TestPreviewThreads::failedRequestsEnd_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("failingFilter");
    QTest::addColumn<bool>("noRepeat");
    QTest::newRow("failing filter") << "red" << true << false;
    QTest::newRow("unreadable photo, not repeated") << "broken" << false << true;
    // Tried again until four failures fall in one second, then given up.
    QTest::newRow("unreadable photo, repeated") << "broken" << false << false;
}

// What a view shows after its last request failed: the previous picture
// of the same photo after a failing filter; the placeholder, never the
// photo before it, for a photo that cannot be read.
void TestPreviewThreads::failedRequestsEnd()
{
    QFETCH(QString, file);
    QFETCH(bool, failingFilter);
    QFETCH(bool, noRepeat);
    QString path = m_red;
    if (file == "broken") {
        path = m_folder + "/broken.jpg";
        QFile broken(path);
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\xff\xd8\xff\xe0 this is no photo");
    }
    Host host;
    CControlImage* view = host.view;
    QVERIFY(view->StartPreview(m_red));
    QVERIFY(WaitIdle(view));

    if (failingFilter)
        view->filters = {FailingRecord()};
    view->thread.noRepeat = noRepeat;
    QVERIFY(view->StartPreview(path));
    QVERIFY(WaitIdle(view, 20000));
    QVERIFY(CUserProfile::GetInstance()->GetPreviewComment().isEmpty());
    if (failingFilter) {
        QCOMPARE(view->imageResized.sourcePath, m_red);
        QVERIFY(view->shown);
    } else {
        QVERIFY(!view->shown);
        QVERIFY(view->imagePath.isEmpty());
        QVERIFY(!view->imageResized.image.isValid());
        QCOMPARE(view->pixmapShown.toImage(), view->pixmapPlaceholder.toImage());
    }
    // The view takes requests again.
    view->filters.clear();
    QVERIFY(view->StartPreview(m_blue));
    QVERIFY(WaitIdle(view));
    QCOMPARE(view->image.sourcePath, m_blue);
}

void TestPreviewThreads::viewWithoutSizeStillShows()
{
    // A hidden view has no fit: the photo is rendered at its own size.
    CControlImage view;
    view.resize(0, 0);
    const QString small = WritePhoto(m_folder, "small.png", 120, 90);
    QVERIFY(view.StartPreview(small));
    QVERIFY(WaitIdle(&view));
    QVERIFY(view.shown);
    QCOMPARE(view.zoom, 100.0);
    QCOMPARE(int(view.imageResized.image.columns()), 120);
}

void TestPreviewThreads::destroyingLoadingViewReturnsQuickly()
{
    CIMImageCache::GetInstance()->Clear();
    auto host = std::make_unique<Host>();
    QVERIFY(host->view->StartPreview(m_large));
    QTest::qWait(50);
    QElapsedTimer timer;
    timer.start();
    host.reset();
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

void TestPreviewThreads::destroyingOneOfTwoRenderingViews()
{
    CIMImageCache::GetInstance()->Clear();
    Host kept;
    auto dropped = std::make_unique<Host>();
    QVERIFY(dropped->view->StartPreview(m_large));
    QVERIFY(kept.view->StartPreview(m_red));
    QTest::qWait(30);
    dropped.reset();
    QVERIFY(WaitIdle(kept.view));
    QVERIFY(kept.view->shown);
    QCOMPARE(kept.view->image.sourcePath, m_red);
    // The other way round: the survivor is the one that registered last.
    auto second = std::make_unique<Host>();
    QVERIFY(kept.view->StartPreview(m_large));
    QVERIFY(second->view->StartPreview(m_blue));
    QTest::qWait(30);
    second.reset();
    QVERIFY(WaitIdle(kept.view));
    QCOMPARE(kept.view->image.sourcePath, m_large);
}

GB_TEST_MAIN(TestPreviewThreads)
#include "tst_previewthreads.moc"
