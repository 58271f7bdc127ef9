// A run started from the window while step 2's preview renders: the render
// and the run's workers share ImageMagick, whose process-wide settings
// must not change under either.
#include "AppTestKit.h"
#include "CControlImage.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CListThumb.h"
#include "CMagickRuntime.h"
#include "CMainPanel1.h"
#include "CMainPanel2.h"
#include "CUserProfile.h"
#include "MainWindow.h"
#include "MagickCompat.h"
#include "TestEnv.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QtTest>

using namespace AppTestKit;

namespace {
SFilterRecord Record(quint32 id, const QList<double>& params)
{
    SFilterRecord record;
    record.filterId = id;
    record.name = QString::number(id);
    record.active = 1;
    record.numParams = quint8(params.size());
    for (int i = 0; i < params.size(); ++i)
        record.params[i] = params[i];
    return record;
}

QString WritePhoto(const QString& path)
{
    QImage image(600, 400, QImage::Format_RGB32);
    QRandomGenerator random(3);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, int(random.bounded(256))));
    }
    return image.save(path, "JPG", 90) ? path : QString();
}
} // namespace

class TestRunDuringRender : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ResetStore({{"Settings/Settings.ShowStartupWizard", 0}, {"Settings/LaunchCounter", 4}});
    }

    void runStartedWhileRendering_data()
    {
        QTest::addColumn<SFilterRecord>("record");
        QTest::newRow("effect") << Record(3100, {15});
        QTest::newRow("frame") << Record(2001, {0, double(0xffff0000u), 0, 1, 0});
        QTest::newRow("rotate") << Record(5070, {33, 0});
    }

    // Round after round a run starts while the preview renders the same
    // filter: every photo is written, and ImageMagick's thread and
    // resource limits are the same before, during and after.
    void runStartedWhileRendering()
    {
        QFETCH(SFilterRecord, record);
        const QString root = TestEnv::NewFolder("render");
        QDir().mkpath(root + "/in");
        const QStringList photos = {WritePhoto(root + "/in/a.jpg"), WritePhoto(root + "/in/b.jpg")};
        QVERIFY(!photos.contains(QString()));
        const auto settings = [] {
            return QList<qulonglong>{Magick::ResourceLimits::thread(), Magick::ResourceLimits::memory(),
                                     Magick::ResourceLimits::map(), Magick::ResourceLimits::disk()};
        };
        const QList<qulonglong> before = settings();

        auto window = StartWindow();
        window->Panel1()->ListThumbDragDropFiles(QList<QString>(photos.begin(), photos.end()));
        CListFilters::GetInstance()->list = {record};
        CUserProfile* profile = CUserProfile::GetInstance();
        profile->OutputFolderStruct = 0;
        profile->OutputFormat = "PNG";
        profile->HideProcessing = true;
        profile->DisableNotifications = true;
        profile->OpenOutputFolder = false;
        window->ChangePanel(1);
        CMainPanel2* panel = window->Panel2();
        auto* view = panel->findChild<CControlImage*>("scrollImageFilters");
        QVERIFY(view);

        for (int round = 0; round < 3; ++round) {
            profile->DestPath = root + QString("/out%1").arg(round);
            // A fresh render of the filtered photo, then the run at once.
            view->Cleanup();
            panel->PhotoStrip()->setCurrentRow(round % 2);
            panel->StartCurrentPreview();
            QTRY_VERIFY_WITH_TIMEOUT(view->busy, 5000);
            QVERIFY(window->OnPanelConvert(false));
            QCOMPARE(settings(), before);
            QCOMPARE(QDir(profile->DestPath).entryList(QDir::Files).size(), 2);
        }
        // The render goes on to its end and shows.
        QTRY_VERIFY_WITH_TIMEOUT(view->shown && !view->busy, 60000);
        QCOMPARE(settings(), before);
        QCOMPARE(CMagickRuntime::ThreadShare(), CMagickRuntime::ThreadLimit());
    }
};

GB_TEST_MAIN(TestRunDuringRender)
#include "tst_runduringrender.moc"
