// The text and logo pages inside the filter settings dialog over a real
// photo: a mark dragged on the filtered view reaches the page as one undo
// state, and Undo puts it back.
#include "CControlImage.h"
#include "CFilterLogo.h"
#include "CFilterSettings.h"
#include "CFilterText.h"
#include "CFiltersEnum.h"
#include "CUserProfile.h"
#include "Common.h"
#include "DialogScript.h"
#include "TestEnv.h"
#include "ViewInput.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QSettings>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTimer>

#include <functional>

namespace {
// A text mark in the middle of the photo, as the page saves it.
SFilterRecord TextRecord(bool tiled)
{
    CFilterText page(nullptr, 1000);
    page.Initialize();
    SFilterRecord record;
    page.Save(record);
    record.filterId = 1000;
    record.name = "Text";
    record.active = 1;
    record.texts[0] = "Tarn&Willow";
    record.texts[1] = "DejaVu Sans";
    record.params[1] = 4; // middle-centre
    record.params[2] = 0;
    record.params[3] = 0;
    record.params[6] = tiled ? 1 : 0;
    record.params[9] = 16;
    return record;
}

SFilterRecord LogoRecord()
{
    CFilterLogo page(nullptr, 1010);
    page.Initialize();
    SFilterRecord record;
    page.Save(record);
    record.filterId = 1010;
    record.name = "Logo";
    record.active = 1;
    record.params[6] = 30; // scale
    return record;
}

// Up to the first stored state: the view has shown its render and the
// page's first preview cycle reached the history.
void WaitForFirstState(CFilterSettings& dialog, CControlImage* view, QTimer* pageTimer)
{
    QTRY_VERIFY_WITH_TIMEOUT(view->shown && !view->busy, 60000);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.statesList.GetTotal(), 1, 10000);
    QTRY_VERIFY_WITH_TIMEOUT(!pageTimer->isActive(), 10000);
}
} // namespace

class TestMarkDialog : public QObject
{
    Q_OBJECT

private:
    QString photo;

private slots:
    void initTestCase()
    {
        CFiltersEnum::GetInstance()->GenerateList();
        const QString shared = TestEnv::SharedPhotos();
        if (!shared.isEmpty() && QFile::exists(shared + "/jpg/exif-org/canon-ixus.jpg"))
            photo = shared + "/jpg/exif-org/canon-ixus.jpg";
    }

    void init()
    {
        if (photo.isEmpty())
            QSKIP("the shared photos are not available");
        QSettings(OrganizationName(), ApplicationName()).clear();
        SetRegistryInt("GUI/FilterSettings.ShowPreview", 1);
        CUserProfile::GetInstance()->previewPath = photo;
    }

    void cleanup()
    {
        CUserProfile::GetInstance()->previewPath.clear();
    }

    // Dragging an untiled text mark moves it: the page shows the new place,
    // the burst is one undo state, Undo puts the mark back. A tiled mark is
    // not edited on the image.
    void dragTextMark_data()
    {
        QTest::addColumn<bool>("tiled");
        QTest::newRow("untiled") << false;
        QTest::newRow("tiled") << true;
    }

    void dragTextMark()
    {
        QFETCH(bool, tiled);
        CFilterSettings dialog;
        const SFilterRecord start = TextRecord(tiled);
        dialog.filterRecord = start;
        dialog.imageRecord.path = photo;
        dialog.resize(900, 620);
        RunDialog(dialog, [&] {
            auto* view = dialog.findChild<CControlImage*>("scrollFilter");
            auto* overlay = dialog.findChild<QLabel*>("viewWatermark");
            auto* page = dialog.findChild<CFilterText*>();
            QVERIFY(view && overlay && page);
            WaitForFirstState(dialog, view, page->timer);
            QSignalSpy steps(view, &CControlImage::UpdateFilterInterface);

            QPoint from = view->viewport()->rect().center();
            QRect before;
            if (!tiled) {
                QTRY_VERIFY_WITH_TIMEOUT(!overlay->isHidden(), 10000);
                before = overlay->geometry();
                from = overlay->mapTo(view->viewport(), overlay->rect().center());
            } else {
                QVERIFY(overlay->isHidden());
            }
            SendMouse(view, QEvent::MouseButtonPress, from, Qt::LeftButton);
            for (int step = 1; step <= 3; ++step)
                SendMouse(view, QEvent::MouseMove, from + QPoint(12 * step, 8 * step), Qt::LeftButton);
            SendMouse(view, QEvent::MouseButtonRelease, from + QPoint(36, 24), Qt::NoButton);

            SFilterRecord shown;
            if (tiled) {
                QCoreApplication::processEvents();
                QCOMPARE(steps.count(), 0);
                QVERIFY(!dialog.timerUpdateControls.isActive());
                QCOMPARE(dialog.statesList.GetTotal(), 1);
                page->Save(shown);
                QCOMPARE(shown.params[2], 0.0);
                QCOMPARE(shown.params[3], 0.0);
                return;
            }

            QCOMPARE(steps.count(), 3);
            const auto dragged = steps.last().first().value<SFilterRecord>();
            QVERIFY(dragged.params[2] > 0 && dragged.params[3] > 0); // right and down from the centre
            QTRY_COMPARE_WITH_TIMEOUT(dialog.statesList.GetTotal(), 2, 10000);
            QTRY_VERIFY_WITH_TIMEOUT(!dialog.timerUpdateControls.isActive(), 10000);
            QCoreApplication::processEvents();
            QCOMPARE(dialog.statesList.GetTotal(), 2); // the whole burst is one state
            QVERIFY(!page->timer->isActive());         // the view shows the move already
            page->Save(shown);
            QCOMPARE(shown.params[1], dragged.params[1]);
            QCOMPARE(shown.params[2], std::trunc(dragged.params[2]));
            QCOMPARE(shown.params[3], std::trunc(dragged.params[3]));
            QVERIFY(overlay->geometry().topLeft() != before.topLeft());

            dialog.findChild<QAbstractButton*>("buttonUndo")->click();
            QTRY_VERIFY_WITH_TIMEOUT(!page->timer->isActive(), 10000);
            QTRY_COMPARE_WITH_TIMEOUT(int(dialog.statesList.skipNextSave), 0, 10000);
            page->Save(shown);
            QCOMPARE(shown.params[1], start.params[1]);
            QCOMPARE(shown.params[2], start.params[2]);
            QCOMPARE(shown.params[3], start.params[3]);
            QCOMPARE(dialog.statesList.GetTotal(), 2);
            QTRY_COMPARE_WITH_TIMEOUT(overlay->geometry(), before, 30000);
        });
    }

    // Screenshots for a person to look at, only when GLIMMERBOX_SHOTS names
    // a folder: the dialog on each tab of the text page, and the logo page
    // with the sample logo, over the photo.
    void screenshots()
    {
        const QString folder = qEnvironmentVariable("GLIMMERBOX_SHOTS");
        if (folder.isEmpty())
            QSKIP("GLIMMERBOX_SHOTS names no folder");
        QDir().mkpath(folder);
        {
            CFilterSettings dialog;
            dialog.filterRecord = TextRecord(false);
            dialog.filterRecord.texts[0] = "Copyright [Copyright] Tarn&Willow";
            dialog.imageRecord.path = photo;
            dialog.resize(900, 620);
            RunDialog(dialog, [&] {
                auto* view = dialog.findChild<CControlImage*>("scrollFilter");
                auto* page = dialog.findChild<CFilterText*>();
                WaitForFirstState(dialog, view, page->timer);
                QTRY_VERIFY_WITH_TIMEOUT(!dialog.findChild<QLabel*>("viewWatermark")->isHidden(), 10000);
                auto* tabs = page->findChild<QTabWidget*>("tabWidget");
                for (int tab = 0; tab < tabs->count(); ++tab) {
                    tabs->setCurrentIndex(tab);
                    QTest::qWait(200); // paint
                    QVERIFY(dialog.grab().save(folder + QString("/dialog-text-%1.png").arg(tab)));
                }
            });
        }
        CFilterSettings dialog;
        dialog.filterRecord = LogoRecord();
        dialog.imageRecord.path = photo;
        dialog.resize(900, 620);
        RunDialog(dialog, [&] {
            auto* view = dialog.findChild<CControlImage*>("scrollFilter");
            WaitForFirstState(dialog, view, dialog.findChild<CFilterLogo*>()->timer);
            QTRY_VERIFY_WITH_TIMEOUT(!dialog.findChild<QLabel*>("viewWatermark")->isHidden(), 10000);
            QTest::qWait(200);
            QVERIFY(dialog.grab().save(folder + "/dialog-logo.png"));
        });
    }
};

GB_TEST_MAIN(TestMarkDialog)
#include "tst_markdialog.moc"
