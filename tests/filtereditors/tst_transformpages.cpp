// The settings pages of the resize and crop filters: defaults from the
// photo's size, the coupling of width and height, the unit switches, and
// what a record from a drag or an undo loads as.
#include "CFilterCrop.h"
#include "CFilterResize.h"
#include "CFiltersEnum.h"
#include "FilterPageKit.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

#include <memory>

namespace {
// A photo of width x height written once per size for the whole run.
QString Photo(int width, int height)
{
    static QMap<QPair<int, int>, QString> made;
    const QPair<int, int> size(width, height);
    if (!made.contains(size)) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::gray);
        const QString path = TestEnv::NewFolder(QString("photo-%1x%2").arg(width).arg(height)) + "/photo.png";
        image.save(path);
        made.insert(size, path);
    }
    return made.value(size);
}

// A page pinged on a photo of width x height (0 x 0: no photo).
template <class Page>
std::unique_ptr<Page> MakePage(int id, int width, int height)
{
    auto page = std::make_unique<Page>(nullptr, id);
    if (width > 0)
        page->imageRecord.path = Photo(width, height);
    page->PingImage();
    return page;
}

using FilterPageKit::Numbers;
using FilterPageKit::Record;

QList<double> Numbers(const QList<QVariant>& signal)
{
    const auto record = signal.first().value<SFilterRecord>();
    return QList<double>(record.params, record.params + record.numParams);
}

// What a person choosing an item does: the list shows it and says so.
void Choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

QDoubleSpinBox* Box(QWidget& page, const char* name)
{
    return page.findChild<QDoubleSpinBox*>(name);
}

QComboBox* Combo(QWidget& page, const char* name)
{
    return page.findChild<QComboBox*>(name);
}

QCheckBox* Check(QWidget& page, const char* name)
{
    return page.findChild<QCheckBox*>(name);
}
} // namespace

class TestTransformPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SFilterRecord::RegisterMetaType();
        CFiltersEnum::GetInstance()->GenerateList();
    }

    // ---- resize ----

    void resizeDefaults_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<double>>("saved");
        QTest::addColumn<double>("maxWidth");
        QTest::addColumn<double>("maxHeight");
        QTest::newRow("4000 x 3000") << 4000 << 3000 << QList<double>{2800, 2100, 1, 0, 0, 0} << 30000.0 << 30000.0;
        QTest::newRow("400 x 300") << 400 << 300 << QList<double>{280, 210, 1, 0, 0, 0} << 4000.0 << 3000.0;
        QTest::newRow("no photo") << 0 << 0 << QList<double>{0, 0, 1, 0, 0, 0} << 30000.0 << 30000.0;
    }

    void resizeDefaults()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QList<double>, saved);
        QFETCH(double, maxWidth);
        QFETCH(double, maxHeight);
        auto page = MakePage<CFilterResize>(5040, width, height);
        QCOMPARE(page->timer->parent(), page.get());
        page->Initialize();
        QCOMPARE(page->timer->interval(), 0);
        QVERIFY(page->timer->isActive());
        QCOMPARE(page->findChild<QLabel*>("textOriginalSize")->text(),
                 QString("Original image size: %1 x %2").arg(width).arg(height));
        QCOMPARE(Numbers(*page), saved);
        QCOMPARE(Box(*page, "spinWidth")->maximum(), maxWidth);
        QCOMPARE(Box(*page, "spinHeight")->maximum(), maxHeight);
        QCOMPARE(Box(*page, "spinWidth")->decimals(), 0);
        QVERIFY(Check(*page, "checkAspectRatio")->isChecked());
        QVERIFY(!Check(*page, "checkNoUpscale")->isChecked());
        QCOMPARE(Combo(*page, "comboResizeBy")->currentText(), QString("Width & Height"));
        QCOMPARE(Combo(*page, "comboDimensions")->currentText(), QString("in Pixels"));
    }

    // With the aspect ratio kept, one box sets the other through the photo's
    // ratio, rounded half up, and the change does not come back.
    void resizeCoupling_data()
    {
        QTest::addColumn<QString>("edited");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("width 1000") << "spinWidth" << 1000.0 << 1000.0 << 750.0;
        QTest::newRow("width 1001: 750.75 up") << "spinWidth" << 1001.0 << 1001.0 << 751.0;
        // 751.5 rounds to 752, which would give 1002.67 back: the width stays.
        QTest::newRow("width 1002 stays") << "spinWidth" << 1002.0 << 1002.0 << 752.0;
        QTest::newRow("height 751") << "spinHeight" << 751.0 << 1001.0 << 751.0;
    }

    void resizeCoupling()
    {
        QFETCH(QString, edited);
        QFETCH(double, value);
        QFETCH(double, width);
        QFETCH(double, height);
        auto page = MakePage<CFilterResize>(5040, 4000, 3000);
        page->Initialize();
        page->findChild<QDoubleSpinBox*>(edited)->setValue(value);
        QCOMPARE(Box(*page, "spinWidth")->value(), width);
        QCOMPARE(Box(*page, "spinHeight")->value(), height);
        QCOMPARE(page->timer->interval(), 1000);
    }

    void resizeUnitRoundTrip()
    {
        auto page = MakePage<CFilterResize>(5040, 4000, 3000);
        page->Initialize();
        Choose(Combo(*page, "comboResizeBy"), 1);
        Check(*page, "checkNoUpscale")->setChecked(true);
        Choose(Combo(*page, "comboDimensions"), 1);
        QCOMPARE(Numbers(*page), (QList<double>{70, 70, 1, 0, 1, 0}));
        QCOMPARE(Box(*page, "spinWidth")->decimals(), 2);
        QCOMPARE(Box(*page, "spinWidth")->maximum(), 1000.0);
        QVERIFY(!Combo(*page, "comboResizeBy")->isEnabled());
        QVERIFY(!Check(*page, "checkNoUpscale")->isEnabled());
        QVERIFY(Box(*page, "spinHeight")->isEnabled());
        QCOMPARE(page->timer->interval(), 500);
        // In percent the boxes follow one to one.
        Box(*page, "spinWidth")->setValue(55.5);
        QCOMPARE(Box(*page, "spinHeight")->value(), 55.5);
        Box(*page, "spinWidth")->setValue(70);

        Choose(Combo(*page, "comboDimensions"), 0);
        QCOMPARE(Numbers(*page), (QList<double>{2800, 2100, 1, 0, 0, 0}));
        QCOMPARE(Box(*page, "spinWidth")->decimals(), 0);
        QVERIFY(Combo(*page, "comboResizeBy")->isEnabled());
        QVERIFY(Check(*page, "checkNoUpscale")->isEnabled());
        // The list shows "Width & Height" again, and every mode can be
        // chosen from it: "Fixed Width" was what the widgets showed before.
        Choose(Combo(*page, "comboResizeBy"), 1);
        QVERIFY(!Box(*page, "spinHeight")->isEnabled());

        // Choosing the unit already shown changes nothing.
        page->timer->stop();
        Choose(Combo(*page, "comboDimensions"), 0);
        QVERIFY(!page->timer->isActive());
    }

    // The modes: which boxes are open and whether they move together.
    void resizeModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("widthOpen");
        QTest::addColumn<bool>("heightOpen");
        QTest::addColumn<bool>("aspectOpen");
        QTest::addColumn<double>("heightAfter"); // after width 1000
        QTest::newRow("Fixed Width: the height still follows") << 1 << true << false << false << 750.0;
        QTest::newRow("Fixed Height") << 2 << false << true << false << 750.0;
        QTest::newRow("Fixed Width & Height: uncoupled") << 3 << true << true << false << 2100.0;
    }

    void resizeModes()
    {
        QFETCH(int, mode);
        QFETCH(bool, widthOpen);
        QFETCH(bool, heightOpen);
        QFETCH(bool, aspectOpen);
        QFETCH(double, heightAfter);
        auto page = MakePage<CFilterResize>(5040, 4000, 3000);
        page->Initialize();
        Check(*page, "checkAspectRatio")->setChecked(false);
        Choose(Combo(*page, "comboResizeBy"), mode);
        QCOMPARE(page->timer->interval(), 500);
        QVERIFY(Check(*page, "checkAspectRatio")->isChecked());
        QCOMPARE(Box(*page, "spinWidth")->isEnabled(), widthOpen);
        QCOMPARE(Box(*page, "spinHeight")->isEnabled(), heightOpen);
        QCOMPARE(Check(*page, "checkAspectRatio")->isEnabled(), aspectOpen);
        Box(*page, "spinWidth")->setValue(1000);
        QCOMPARE(Box(*page, "spinHeight")->value(), heightAfter);
        QCOMPARE(Numbers(*page).at(3), double(mode));
    }

    // A box kept in proportion takes the proportions of the photo shown; an
    // unknown photo leaves the record as it is.
    void resizeLoad_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<double>>("record");
        QTest::addColumn<QList<double>>("shown");
        QTest::newRow("portrait") << 3000 << 4000 << QList<double>{1000, 500, 1, 0, 0, 0}
                                  << QList<double>{750, 1000, 1, 0, 0, 0};
        QTest::newRow("landscape") << 4000 << 3000 << QList<double>{1000, 500, 1, 0, 0, 0}
                                   << QList<double>{1000, 750, 1, 0, 0, 0};
        QTest::newRow("aspect not kept") << 4000 << 3000 << QList<double>{1000, 500, 0, 0, 0, 0}
                                         << QList<double>{1000, 500, 0, 0, 0, 0};
        QTest::newRow("no photo keeps 1024 x 768") << 0 << 0 << QList<double>{1024, 768, 1, 0, 0, 0}
                                                   << QList<double>{1024, 768, 1, 0, 0, 0};
        QTest::newRow("no photo keeps 20000 wide") << 0 << 0 << QList<double>{20000, 100, 0, 3, 0, 1}
                                                   << QList<double>{20000, 100, 1, 3, 0, 1};
        // After a percent state: 0 decimals, the pixel range, not 0..1000.
        QTest::newRow("pixels unclamped") << 4000 << 3000 << QList<double>{2800, 2100, 0, 3, 0, 0}
                                          << QList<double>{2800, 2100, 1, 3, 0, 0};
        QTest::newRow("percent") << 4000 << 3000 << QList<double>{55.25, 60, 1, 0, 1, 0}
                                 << QList<double>{55.25, 60, 1, 0, 1, 0};
    }

    void resizeLoad()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QList<double>, record);
        QFETCH(QList<double>, shown);
        auto page = MakePage<CFilterResize>(5040, width, height);
        page->Load(Record({50, 50, 1, 0, 1, 0}), true); // a percent state first
        QSignalSpy saved(page.get(), &CFilterResize::SaveState);
        page->timer->stop();
        page->Load(Record(record), false);
        QCOMPARE(Numbers(*page), shown);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(Numbers(saved.first()).mid(0, 2), shown.mid(0, 2));
        QVERIFY(!page->timer->isActive());
        const bool percent = record.at(4) == 1;
        QCOMPARE(Box(*page, "spinWidth")->decimals(), percent ? 2 : 0);
        QCOMPARE(Combo(*page, "comboResizeBy")->isEnabled(), !percent);
        // The next edit is armed again.
        Box(*page, "spinWidth")->setValue(Box(*page, "spinWidth")->value() + 1);
        QCOMPARE(page->timer->interval(), 1000);
        QVERIFY(page->timer->isActive());
    }

    // An undo from "Fixed Width & Height" to "Width & Height" couples the
    // boxes again and opens them and the aspect box.
    void resizeUndoToWidthAndHeight()
    {
        auto page = MakePage<CFilterResize>(5040, 4000, 3000);
        page->Load(Record({3000, 1000, 1, 3, 0, 0}), true);
        QVERIFY(page->fixedBoth);
        QVERIFY(!Check(*page, "checkAspectRatio")->isEnabled());
        page->Load(Record({2000, 1500, 1, 0, 0, 0}), true);
        QVERIFY(!page->fixedBoth);
        QVERIFY(Check(*page, "checkAspectRatio")->isEnabled());
        QVERIFY(Box(*page, "spinHeight")->isEnabled());
        Box(*page, "spinWidth")->setValue(1000);
        QCOMPARE(Box(*page, "spinHeight")->value(), 750.0);

        // Loaded in mode 0 with the aspect box clear, the tick is kept.
        page->Load(Record({3000, 1000, 1, 1, 0, 0}), true);
        page->Load(Record({2000, 500, 0, 0, 0, 0}), true);
        QVERIFY(!Check(*page, "checkAspectRatio")->isChecked());
        QVERIFY(Check(*page, "checkAspectRatio")->isEnabled());
        QVERIFY(Box(*page, "spinHeight")->isEnabled());
    }

    // Without a photo size the unit switch converts nothing.
    void resizeUnitWithoutPhoto()
    {
        auto page = MakePage<CFilterResize>(5040, 0, 0);
        page->Load(Record({640, 480, 0, 0, 0, 0}), true);
        Choose(Combo(*page, "comboDimensions"), 1);
        QCOMPARE(Numbers(*page), (QList<double>{640, 480, 1, 0, 1, 0}));
        Choose(Combo(*page, "comboDimensions"), 0);
        QCOMPARE(Numbers(*page), (QList<double>{640, 480, 1, 0, 0, 0}));
    }

    // ---- crop ----

    void cropDefaults_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QList<double>>("saved");
        QTest::addColumn<QString>("trace");
        QTest::newRow("1000 x 600") << 1000 << 600 << QList<double>{150, 90, 700, 420, 0}
                                    << "- CFilterCrop 150.00 90.00 700.00 420.00";
        QTest::newRow("1001 x 600") << 1001 << 600 << QList<double>{150, 90, 701, 420, 0}
                                    << "- CFilterCrop 150.15 90.00 700.70 420.00";
        QTest::newRow("no photo") << 0 << 0 << QList<double>{0, 0, 0, 0, 0} << "- CFilterCrop 0.00 0.00 0.00 0.00";
    }

    void cropDefaults()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QList<double>, saved);
        QFETCH(QString, trace);
        auto page = MakePage<CFilterCrop>(5020, width, height);
        QCOMPARE(page->timer->parent(), page.get());
        TraceCapture capture;
        page->Initialize();
        QCOMPARE(capture.Count("Initialize", trace), 1);
        QCOMPARE(Numbers(*page), saved);
        QCOMPARE(page->findChild<QLabel*>("textOriginalSize")->text(),
                 QString("Original image size: %1 x %2").arg(width).arg(height));
        QVERIFY(page->timer->isActive());
        QCOMPARE(page->timer->interval(), 0);
    }

    // Percent and back on a photo, and what percent to pixels rounds to.
    void cropUnits_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<double>>("loaded");
        QTest::addColumn<QList<double>>("switched");
        QTest::addColumn<QList<double>>("back");
        QTest::newRow("1000 x 600 box") << 1000 << QList<double>{150, 90, 700, 420, 0}
                                        << QList<double>{15, 15, 70, 70, 1} << QList<double>{150, 90, 700, 420, 0};
        QTest::newRow("0.05 % becomes 1") << 1000 << QList<double>{0.05, 0, 50, 50, 1}
                                          << QList<double>{1, 0, 500, 300, 0} << QList<double>{0.1, 0, 50, 50, 1};
        QTest::newRow("0.04 % becomes 0") << 1000 << QList<double>{0.04, 0, 50, 50, 1}
                                          << QList<double>{0, 0, 500, 300, 0} << QList<double>{0, 0, 50, 50, 1};
        // 0 x 0: nothing to convert by; only the unit changes.
        QTest::newRow("no photo") << 0 << QList<double>{150, 90, 700, 420, 0} << QList<double>{150, 90, 700, 420, 1}
                                  << QList<double>{150, 90, 700, 420, 0};
    }

    void cropUnits()
    {
        QFETCH(int, width);
        QFETCH(QList<double>, loaded);
        QFETCH(QList<double>, switched);
        QFETCH(QList<double>, back);
        auto page = MakePage<CFilterCrop>(5020, width, width ? 600 : 0);
        page->Load(Record(loaded), true);
        QCOMPARE(Box(*page, "spinLeft")->decimals(), loaded.at(4) == 1 ? 2 : 0);
        page->timer->stop();
        QComboBox* unit = Combo(*page, "comboDimensions");
        Choose(unit, 1 - int(loaded.at(4)));
        QCOMPARE(Numbers(*page), switched);
        QCOMPARE(Box(*page, "spinLeft")->decimals(), switched.at(4) == 1 ? 2 : 0);
        Choose(unit, int(loaded.at(4)));
        QCOMPARE(Numbers(*page), back);
        // The same unit again does nothing.
        page->timer->stop();
        Choose(unit, unit->currentIndex());
        QVERIFY(!page->timer->isActive());
    }

    // A frame dragged on the preview: shown, stored once, not previewed.
    void cropDragResult()
    {
        auto page = MakePage<CFilterCrop>(5020, 1000, 600);
        page->Initialize();
        page->timer->stop();
        QSignalSpy saved(page.get(), &CFilterCrop::SaveState);
        SFilterRecord dragged = Record({12.6, 33, 400.4, 1e9, 0});
        dragged.filterId = 5020;
        page->Load(dragged, false);
        QCOMPARE(saved.count(), 1);
        QCOMPARE(Numbers(saved.first()), (QList<double>{12.6, 33, 400.4, 1e9, 0})); // as received
        QVERIFY(!page->timer->isActive());
        QCOMPARE(Numbers(*page), (QList<double>{13, 33, 400, 30000, 0}));
        Box(*page, "spinTop")->setValue(40);
        QVERIFY(page->timer->isActive());
        QCOMPARE(page->timer->interval(), 1000);
        QCOMPARE(saved.count(), 1);
    }
};

GB_TEST_MAIN(TestTransformPages)
#include "tst_transformpages.moc"
