// The filter settings dialog around the rotate and auto-rotate pages: the
// undo history, what OK and Cancel hand back, F1, and a real render.
#include "CControlImage.h"
#include "CFilterCrop.h"
#include "CFilterResize.h"
#include "CFilterRotate.h"
#include "CFilterSettings.h"
#include "CFiltersEnum.h"
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "Common.h"
#include "CPromptSeam.h"
#include "DialogScript.h"
#include "HelpPages.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QCommandLinkButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QAbstractItemView>
#include <QPainter>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTimer>

#include <functional>

namespace {
SFilterRecord RotateRecord(double angle)
{
    SFilterRecord record;
    record.filterId = 5070;
    record.name = "Turn";
    record.numParams = 2;
    record.params[0] = angle;
    record.active = 0;
    return record;
}

QSpinBox* Degrees(CFilterSettings& dialog)
{
    return dialog.findChild<QSpinBox*>("spinDegrees");
}

CFilterRotate* RotatePage(CFilterSettings& dialog)
{
    return dialog.findChild<CFilterRotate*>();
}

QAbstractButton* Button(CFilterSettings& dialog, const char* name)
{
    return dialog.findChild<QAbstractButton*>(name);
}

// A real photo of the shared set, "" when the set is not there.
QString SharedPhoto()
{
    const QString shared = TestEnv::SharedPhotos();
    const QString photo = shared + "/jpg/exif-org/canon-ixus.jpg";
    return !shared.isEmpty() && QFile::exists(photo) ? photo : QString();
}

// A mouse event on the view's viewport, where the view takes its input.
void SendMouse(CControlImage* view, QEvent::Type type, QPoint position, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(position), view->viewport()->mapToGlobal(QPointF(position)), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &event);
}

// Waits until the page's preview cycle has run and its state has reached
// the dialog (or was skipped there).
void Settle(CFilterSettings& dialog)
{
    CFilterRotate* page = RotatePage(dialog);
    QTRY_VERIFY_WITH_TIMEOUT(!page->timer->isActive(), 10000);
    QCoreApplication::processEvents();
    QCOMPARE(int(dialog.statesList.skipNextSave), 0);
}

// One stored edit without waiting for the page's delay: the value is set
// and the timer's work done at once.
void Edit(CFilterSettings& dialog, int degrees)
{
    Degrees(dialog)->setValue(degrees);
    RotatePage(dialog)->OnTimer();
    Settle(dialog);
}
} // namespace

class TestFilterSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CFiltersEnum::GetInstance()->GenerateList();
    }

    void init()
    {
        QSettings(OrganizationName(), ApplicationName()).clear();
        SetRegistryInt("GUI/FilterSettings.ShowPreview", 0);
        CUserProfile::GetInstance()->previewPath.clear();
    }

    void undoHistory()
    {
        CFilterSettings dialog;
        dialog.filterRecord = RotateRecord(10);
        QAbstractButton* undo = Button(dialog, "buttonUndo");
        QAbstractButton* redo = Button(dialog, "buttonRedo");
        const auto shown = [&] { return Degrees(dialog)->value(); };
        RunDialog(dialog, [&] {
            // Opening stores the loaded record as the first state.
            Settle(dialog);
            QCOMPARE(dialog.statesList.GetTotal(), 1);
            QVERIFY(!undo->isEnabled());
            QVERIFY(!redo->isEnabled());

            // An edit is stored after the page's 500 ms delay.
            Degrees(dialog)->setValue(20);
            QCOMPARE(RotatePage(dialog)->timer->interval(), 500);
            QVERIFY(!undo->isEnabled());
            QTRY_VERIFY_WITH_TIMEOUT(undo->isEnabled(), 10000);
            QCOMPARE(dialog.statesList.GetTotal(), 2);

            undo->click();
            Settle(dialog);
            QCOMPARE(shown(), 10);
            QVERIFY(!undo->isEnabled());
            QVERIFY(redo->isEnabled());
            QCOMPARE(dialog.statesList.GetTotal(), 2); // the undone state is not stored again

            redo->click();
            Settle(dialog);
            QCOMPARE(shown(), 20);
            QVERIFY(undo->isEnabled());
            QVERIFY(!redo->isEnabled());

            // Undo, then a new edit: the undone state is gone.
            undo->click();
            Settle(dialog);
            Edit(dialog, 30);
            QVERIFY(!redo->isEnabled());
            QCOMPARE(dialog.statesList.GetTotal(), 2);
            undo->click();
            Settle(dialog);
            QCOMPARE(shown(), 10);
            redo->click();
            Settle(dialog);
            QCOMPARE(shown(), 30);

            // Reset stores the defaults as a state, which can be undone.
            Button(dialog, "buttonReset")->click();
            Settle(dialog);
            QCOMPARE(shown(), 0);
            QCOMPARE(dialog.statesList.GetTotal(), 3);
            undo->click();
            Settle(dialog);
            QCOMPARE(shown(), 30);

            // 51 stored states: the oldest is dropped and 49 undos remain.
            for (int angle = 100; dialog.statesList.GetTotal() < CFilterStatesList::MaxStates; ++angle)
                Edit(dialog, angle);
            Edit(dialog, 300);
            QCOMPARE(dialog.statesList.GetTotal(), 50);
            int undos = 0;
            while (undo->isEnabled() && undos < 60) {
                undo->click();
                ++undos;
            }
            Settle(dialog);
            QCOMPARE(undos, 49);
            QCOMPARE(dialog.statesList.GetCurrent(), 1);
            undo->click(); // disabled: nothing happens
            QCOMPARE(dialog.statesList.GetCurrent(), 1);
        });
    }

    // What the caller's record holds after OK or Cancel, right after an edit
    // whose preview cycle has not run yet.
    void result_data()
    {
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("result");
        QTest::addColumn<double>("angle");
        QTest::newRow("OK takes the edit") << true << int(QDialog::Accepted) << 45.0;
        QTest::newRow("Cancel keeps the record") << false << int(QDialog::Rejected) << 10.0;
    }

    void result()
    {
        QFETCH(bool, ok);
        QFETCH(int, result);
        QFETCH(double, angle);
        CFilterSettings dialog;
        dialog.filterRecord = RotateRecord(10);
        dialog.filterRecord.params[1] = 7; // no such condition: loads as the last one
        const int got = RunDialog(dialog, [&] {
            Degrees(dialog)->setValue(45);
            QVERIFY(RotatePage(dialog)->timer->isActive());
            auto* box = dialog.findChild<QDialogButtonBox*>("buttonBox");
            box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
        });
        QCOMPARE(got, result);
        const SFilterRecord& record = dialog.filterRecord;
        QCOMPARE(int(record.numParams), 2);
        QCOMPARE(record.params[0], angle);
        QCOMPARE(record.params[1], ok ? 2.0 : 7.0);
        QCOMPARE(record.filterId, quint32(5070));
        QCOMPARE(record.name, QString("Turn"));
        QCOMPARE(int(record.active), 0);
    }

    void autoRotatePage()
    {
        CFilterSettings dialog;
        dialog.filterRecord.filterId = 5000;
        dialog.filterRecord.numParams = 3; // anything left over is not the page's
        dialog.filterRecord.active = 1;
        const int got = RunDialog(dialog, [&] {
            QTRY_COMPARE_WITH_TIMEOUT(dialog.statesList.GetTotal(), 1, 10000);
            QCOMPARE(dialog.windowTitle(), QString("Auto Rotate"));
            QCOMPARE(dialog.findChild<QWidget*>("widgetFilter")->contentsMargins(), QMargins(0, 25, 0, 0));
            dialog.accept();
        });
        QCOMPARE(got, int(QDialog::Accepted));
        QCOMPARE(int(dialog.filterRecord.numParams), 0);
        QCOMPARE(dialog.filterRecord.filterId, quint32(5000));
    }

    void idWithoutPage_data()
    {
        QTest::addColumn<quint32>("filterId");
        QTest::newRow("unknown") << quint32(9999);
        QTest::newRow("applied but not offered") << quint32(5050);
    }

    void idWithoutPage()
    {
        QFETCH(quint32, filterId);
        CFilterSettings dialog;
        dialog.filterRecord.filterId = filterId;
        bool opened = false;
        QTimer::singleShot(0, &dialog, [&] {
            opened = dialog.isVisible();
            dialog.reject();
        });
        QCOMPARE(dialog.exec(), 0);
        QCoreApplication::processEvents();
        QVERIFY(!opened);
        QVERIFY(!dialog.filterPage);
    }

    // The marks and the frames edited on the image lock the zoom: its five
    // controls go.
    void zoomControls_data()
    {
        QTest::addColumn<quint32>("filterId");
        QTest::addColumn<bool>("hidden");
        QTest::newRow("text") << quint32(1000) << true;
        QTest::newRow("logo") << quint32(1010) << true;
        QTest::newRow("mask") << quint32(1020) << false;
        QTest::newRow("rotate") << quint32(5070) << false;
        QTest::newRow("crop") << quint32(5020) << true;
        QTest::newRow("resize") << quint32(5040) << true;
        QTest::newRow("border") << quint32(2030) << false;
    }

    void zoomControls()
    {
        QFETCH(quint32, filterId);
        QFETCH(bool, hidden);
        CFilterSettings dialog;
        dialog.filterRecord.filterId = filterId;
        RunDialog(dialog, [&] {
            for (const char* name : {"buttonMinZoom", "buttonMaxZoom", "buttonZoomIn", "buttonZoomOut", "textZoomPercent"})
                QCOMPARE(dialog.findChild<QWidget*>(name)->isHidden(), hidden);
        });
        QVERIFY(dialog.filterPage);
    }

    void helpPages_data()
    {
        QTest::addColumn<quint32>("filterId");
        QTest::addColumn<QString>("page");
        QTest::newRow("mask") << quint32(1020) << "filters_marks_mask.htm";
        QTest::newRow("auto-rotate") << quint32(5000) << "filters_transform_auto-rotate.htm";
        QTest::newRow("unknown") << quint32(9999) << "";
    }

    void helpPages()
    {
        QFETCH(quint32, filterId);
        QFETCH(QString, page);
        CFilterSettings dialog;
        dialog.filterRecord.filterId = filterId;
        TraceCapture trace;
        // Without a help address the key says so, once.
        QStringList said;
        CPromptSeam::SetWarningAnswerer([&said](const QString& text) { said << text; });
        QTest::keyClick(&dialog, Qt::Key_F1);
        CPromptSeam::Reset();
        QCOMPARE(trace.Count("OpenHelpFile", "no help address configured: " + page), page.isEmpty() ? 0 : 1);
        QCOMPARE(said, page.isEmpty() ? QStringList() : QStringList{HelpPages::NoHelpAddressText()});
    }

    // A quarter turn of a real landscape photo renders a portrait picture in
    // the filtered view; the original view shows the photo as it is.
    void rendersRealPhoto()
    {
        const QString shared = TestEnv::SharedPhotos();
        if (shared.isEmpty())
            QSKIP("the shared photos are not there");
        const QString photo = shared + "/jpg/exif-org/canon-ixus.jpg";
        if (!QFile::exists(photo))
            QSKIP("photo missing");
        SetRegistryInt("GUI/FilterSettings.ShowPreview", 1);
        CUserProfile::GetInstance()->previewPath = photo;
        CFilterSettings dialog;
        dialog.filterRecord = RotateRecord(90);
        dialog.imageRecord.path = photo;
        dialog.resize(900, 620);
        RunDialog(dialog, [&] {
            CControlImage* filtered = dialog.findChild<CControlImage*>("scrollFilter");
            CControlImage* original = dialog.findChild<CControlImage*>("scrollOriginal");
            QCOMPARE(RotatePage(dialog)->imageWidth, qint64(640));
            QCOMPARE(RotatePage(dialog)->imageHeight, qint64(480));
            QTRY_VERIFY_WITH_TIMEOUT(filtered->shown && !filtered->busy, 60000);
            QTRY_VERIFY_WITH_TIMEOUT(original->shown && !original->busy, 60000);
            QCOMPARE(filtered->image.image.columns(), size_t(480));
            QCOMPARE(filtered->image.image.rows(), size_t(640));
            QCOMPARE(original->image.image.columns(), size_t(640));
            QCOMPARE(original->image.image.rows(), size_t(480));
            QVERIFY(!filtered->pixmapShown.isNull());
            QCOMPARE(filtered->filters.size(), 1);
            QCOMPARE(filtered->filters.first().name, QString("Rotate")); // stamped from the registry
        });
        CUserProfile::GetInstance()->previewPath.clear();
    }

    // Without a photo (a profile loaded before any photo is added) a resize
    // keeps its size: the first preview cycle stores it and OK hands it back
    // unchanged.
    void resizeWithoutPhotoKeepsItsSize()
    {
        CFilterSettings dialog;
        dialog.filterRecord.filterId = 5040;
        dialog.filterRecord.numParams = 6;
        const QList<double> numbers = {1024, 768, 1, 0, 0, 0};
        std::copy(numbers.begin(), numbers.end(), dialog.filterRecord.params);
        const int got = RunDialog(dialog, [&] {
            QTRY_COMPARE_WITH_TIMEOUT(dialog.statesList.GetTotal(), 1, 10000);
            dialog.accept();
        });
        QCOMPARE(got, int(QDialog::Accepted));
        QCOMPARE(QList<double>(dialog.filterRecord.params, dialog.filterRecord.params + 6), numbers);
    }

    // A resize added while no photo can be measured starts at 0 x 0: OK
    // does not take that and says why; with a size typed, OK takes it.
    void resizeOfZeroIsNotAccepted()
    {
        CFilterSettings dialog;
        dialog.filterRecord.filterId = 5040;
        dialog.filterRecord.name = "Resize";
        QStringList warnings;
        CPromptSeam::SetWarningAnswerer([&warnings](const QString& text) { warnings << text; });
        bool stayedOpen = false;
        const int got = RunDialog(dialog, [&] {
            auto* width = dialog.findChild<QDoubleSpinBox*>("spinWidth");
            QCOMPARE(width->value(), 0.0);
            QPushButton* ok = dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
            ok->click();
            QCoreApplication::processEvents();
            stayedOpen = dialog.isVisible();
            QCOMPARE(warnings, QStringList({"The 'Resize' filter's width of 0 is too small to resize to."}));
            width->setValue(800);
            ok->click();
        });
        CPromptSeam::Reset();
        QVERIFY(stayedOpen);
        QCOMPARE(got, int(QDialog::Accepted));
        QCOMPARE(warnings.size(), 1);
        QCOMPARE(dialog.filterRecord.params[0], 800.0);
        QCOMPARE(dialog.filterRecord.params[1], 800.0);
    }

    // A burst of drag results reaches the crop page as its last record, and
    // is stored as one undo state without a preview cycle of the page.
    void dragBurstIsOneState()
    {
        const QString photo = SharedPhoto();
        if (photo.isEmpty())
            QSKIP("the shared photos are not there");
        CFilterSettings dialog;
        dialog.filterRecord.filterId = 5020;
        dialog.imageRecord.path = photo;
        RunDialog(dialog, [&] {
            auto* page = dialog.findChild<CFilterCrop*>();
            QTRY_COMPARE_WITH_TIMEOUT(dialog.statesList.GetTotal(), 1, 10000);
            QVERIFY(!page->timer->isActive());
            SFilterRecord record;
            page->Save(record);
            record.filterId = 5020;
            QElapsedTimer clock;
            clock.start();
            for (int left = 10; left <= 50; left += 10) {
                record.params[0] = left;
                dialog.UpdateFilterInterface(record);
            }
            QVERIFY(clock.elapsed() < 50);
            QTRY_COMPARE_WITH_TIMEOUT(dialog.findChild<QDoubleSpinBox*>("spinLeft")->value(), 50.0, 10000);
            QTRY_COMPARE_WITH_TIMEOUT(dialog.statesList.GetTotal(), 2, 10000);
            QCoreApplication::processEvents();
            QVERIFY(!page->timer->isActive());
            QVERIFY(!dialog.timerUpdateControls.isActive());
            QCOMPARE(dialog.statesList.GetTotal(), 2);
            QVERIFY(Button(dialog, "buttonUndo")->isEnabled());
        });
    }

    // Dragging the corner of the resize frame on the preview changes the
    // size the page shows, and stores it.
    void resizeFrameDrag()
    {
        const QString photo = SharedPhoto();
        if (photo.isEmpty())
            QSKIP("the shared photos are not there");
        SetRegistryInt("GUI/FilterSettings.ShowPreview", 1);
        CUserProfile::GetInstance()->previewPath = photo;
        CFilterSettings dialog;
        dialog.filterRecord.filterId = 5040;
        dialog.imageRecord.path = photo;
        dialog.resize(900, 620);
        RunDialog(dialog, [&] {
            CControlImage* view = dialog.findChild<CControlImage*>("scrollFilter");
            auto* overlay = dialog.findChild<QLabel*>("viewWatermark");
            auto* width = dialog.findChild<QDoubleSpinBox*>("spinWidth");
            auto* height = dialog.findChild<QDoubleSpinBox*>("spinHeight");
            QTRY_VERIFY_WITH_TIMEOUT(view->shown && !view->busy, 60000);
            QTRY_VERIFY_WITH_TIMEOUT(overlay->isVisible() && overlay->width() > 40, 10000);
            QTRY_COMPARE_WITH_TIMEOUT(dialog.statesList.GetTotal(), 1, 10000);
            QCOMPARE(width->value(), 448.0); // 70 % of 640 x 480
            QCOMPARE(height->value(), 336.0);

            const QPoint corner = overlay->geometry().bottomRight() - QPoint(2, 2);
            SendMouse(view, QEvent::MouseButtonPress, corner, Qt::LeftButton);
            QCOMPARE(view->area, 8);
            SendMouse(view, QEvent::MouseMove, corner - QPoint(30, 30), Qt::LeftButton);
            SendMouse(view, QEvent::MouseButtonRelease, corner - QPoint(30, 30), Qt::NoButton);
            QTRY_VERIFY_WITH_TIMEOUT(width->value() < 448.0, 10000);
            // The page keeps the photo's proportions.
            QVERIFY(qAbs(height->value() - width->value() * 480 / 640) <= 1);
            QVERIFY(width->value() > 100);
            QTRY_COMPARE_WITH_TIMEOUT(dialog.statesList.GetTotal(), 2, 10000);
        });
        CUserProfile::GetInstance()->previewPath.clear();
    }

    // Screenshots for a person to look at, only when GLIMMERBOX_SHOTS names
    // a folder: the transform and decoration pages over the photo, the
    // vintage frame page with its style list open.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("GLIMMERBOX_SHOTS");
        if (folder.isEmpty())
            QSKIP("GLIMMERBOX_SHOTS names no folder");
        const QString photo = SharedPhoto();
        if (photo.isEmpty())
            QSKIP("the shared photos are not there");
        QDir().mkpath(folder);
        SetRegistryInt("GUI/FilterSettings.ShowPreview", 1);
        CUserProfile::GetInstance()->previewPath = photo;
        for (const quint32 id : {5020u, 5040u, 2001u, 2004u, 2030u, 2020u, 2010u}) {
            CFilterSettings dialog;
            dialog.filterRecord.filterId = id;
            dialog.imageRecord.path = photo;
            dialog.resize(900, 620);
            RunDialog(dialog, [&] {
                auto* view = dialog.findChild<CControlImage*>("scrollFilter");
                QTRY_COMPARE_WITH_TIMEOUT(dialog.statesList.GetTotal(), 1, 10000);
                QTRY_VERIFY_WITH_TIMEOUT(view->shown && !view->busy, 60000);
                QTest::qWait(300); // paint
                QImage shot = dialog.grab().toImage();
                if (id == 2004) {
                    // The open list is a window of its own: drawn in where it
                    // shows.
                    auto* list = dialog.findChild<QComboBox*>("comboFrame");
                    list->showPopup();
                    QTest::qWait(300);
                    shot = dialog.grab().toImage();
                    QWidget* popup = list->view()->window();
                    QPainter painter(&shot);
                    painter.drawPixmap(dialog.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab());
                    list->hidePopup();
                }
                QVERIFY(shot.save(folder + QString("/dialog-%1.png").arg(id)));
            });
        }
        CUserProfile::GetInstance()->previewPath.clear();
    }
};

GB_TEST_MAIN(TestFilterSettings)
#include "tst_filtersettings.moc"
