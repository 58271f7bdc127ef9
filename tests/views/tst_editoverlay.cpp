#include "CTextWidget.h"
#include "PreviewTestKit.h"
#include "TestEnv.h"
#include "WindowHelpers.h"

#include <QDir>
#include <QImage>

using namespace PreviewTestKit;

// A text mark edited over a real photo, with a tip bubble over the view, as
// the filter settings dialog and the step panels will show them. With
// GB_SHOT_DIR set the window is also saved there as "edit-overlay.png"
// (run under Xvfb for a picture of the real platform).
class TestEditOverlay : public QObject
{
    Q_OBJECT
private slots:
    void markWithHandlesOverRealPhoto()
    {
        // GB_SHARED_PHOTOS names the photo folder where the checkout is not
        // beside it.
        const QString photos = qEnvironmentVariableIsEmpty("GB_SHARED_PHOTOS") ? TestEnv::SharedPhotos()
                                                                                : qEnvironmentVariable("GB_SHARED_PHOTOS");
        if (photos.isEmpty())
            QSKIP("the shared photos are not there");
        PrepareEngine();
        const QString photo = photos + "/jpg/mobile/jolla.jpg";

        Host host(QSize(640, 480));
        CControlImage* view = host.view;
        view->editMode = true;
        SFilterRecord mark = TextRecord(QString::fromUtf8("\u00a9 Glimmerbox"), 8, 60);
        mark.params[2] = 60;  // offsets from the bottom-right corner, photo pixels
        mark.params[3] = 60;
        view->filters = {mark};
        CTextWidget tip(&host.window);
        tip.SetShape(GenerateInfoBaloon(2));
        tip.SetParagraphs({"Go to \\bold{Step 3} and select the output folder and image format for the edited "
                           "photos"});
        tip.resize(320, 100);
        tip.move(20, 20);
        tip.show();

        QVERIFY(view->StartPreview(photo));
        QVERIFY(WaitIdle(view));
        QVERIFY(view->shown);
        // 3264 x 2448 in 640 x 480: fitted exactly, mark inside the picture,
        // near its bottom-right corner.
        QCOMPARE(view->fitWidth, 640);
        QCOMPARE(view->fitHeight, 480);
        const QRect overlay = host.overlay->geometry();
        QVERIFY(!host.overlay->isHidden());
        QVERIFY(QRect(0, 0, 640, 480).contains(overlay));
        QVERIFY(overlay.right() > 500 && overlay.bottom() > 400);
        // Handles at the mark's corners: white, mostly opaque.
        const QImage handles = host.overlay->pixmap().toImage();
        QVERIFY(qAlpha(handles.pixel(2, 2)) > 150);
        QVERIFY(qAlpha(handles.pixel(handles.width() - 3, handles.height() - 3)) > 150);

        const QString folder = qEnvironmentVariable("GB_SHOT_DIR");
        if (!folder.isEmpty()) {
            QDir().mkpath(folder);
            QVERIFY(host.window.grab().save(folder + "/edit-overlay.png"));
        }
    }
};

GB_TEST_MAIN(TestEditOverlay)
#include "tst_editoverlay.moc"
