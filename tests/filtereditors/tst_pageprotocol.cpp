// The settings-page protocol on the rotate and auto-rotate pages, and the
// value conversion every page's Load goes through.
#include "CFilterBlank.h"
#include "CFilterRotate.h"
#include "CFiltersEnum.h"
#include "PageValues.h"
#include "TestEnv.h"

#include <QComboBox>
#include <QDial>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>

#include <limits>
#include <memory>

namespace {
SFilterRecord RotateRecord(double angle, double condition)
{
    SFilterRecord record;
    record.filterId = 5070;
    record.numParams = 2;
    record.params[0] = angle;
    record.params[1] = condition;
    return record;
}

SFilterRecord Saved(CFilterUI& page)
{
    SFilterRecord record;
    page.Save(record);
    return record;
}
} // namespace

class TestPageProtocol : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SFilterRecord::RegisterMetaType();
        CFiltersEnum::GetInstance()->GenerateList();
    }

    void pageValues_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        const double huge = 1e300;
        QTest::newRow("rounded half up") << "rounded" << 89.5 << 90.0;
        QTest::newRow("rounded below half") << "rounded" << 89.4 << 89.0;
        QTest::newRow("rounded past the top") << "rounded" << 359.6 << 359.0;
        QTest::newRow("rounded huge") << "rounded" << huge << 359.0;
        QTest::newRow("rounded huge negative") << "rounded" << -huge << 0.0;
        QTest::newRow("rounded NaN") << "rounded" << std::numeric_limits<double>::quiet_NaN() << 0.0;
        QTest::newRow("truncated") << "truncated" << 49.9 << 49.0;
        QTest::newRow("truncated huge") << "truncated" << huge << 359.0;
        QTest::newRow("list index inside") << "list" << 1.9 << 1.0;
        QTest::newRow("list index above") << "list" << 7.0 << 2.0;
        QTest::newRow("list index below") << "list" << -1.0 << 0.0;
        QTest::newRow("list index huge") << "list" << huge << 2.0;
        QTest::newRow("colour") << "colour" << 4290493439.0 << 4290493439.0;
        QTest::newRow("colour negative") << "colour" << -5.0 << 0.0;
        QTest::newRow("colour huge") << "colour" << huge << 4294967295.0;
        QTest::newRow("colour fraction") << "colour" << 4278190080.9 << 4278190080.0;
        QTest::newRow("flag fraction") << "flag" << 0.3 << 1.0;
        QTest::newRow("flag zero") << "flag" << 0.0 << 0.0;
        QTest::newRow("flag NaN") << "flag" << std::numeric_limits<double>::quiet_NaN() << 0.0;
        QTest::newRow("double clamped") << "double" << -3.5 << 0.0;
        QTest::newRow("double inside") << "double" << 12.25 << 12.25;
    }

    // Ranges as the rotate page's: angle 0..359, 3 conditions; a double
    // spin box of 0..30000.
    void pageValues()
    {
        QFETCH(QString, kind);
        QFETCH(double, value);
        QFETCH(double, expected);
        double got = -999;
        if (kind == "rounded")
            got = PageValues::RoundedInt(value, 0, 359);
        else if (kind == "truncated")
            got = PageValues::TruncatedInt(value, 0, 359);
        else if (kind == "list")
            got = PageValues::ListIndex(value, 3);
        else if (kind == "colour")
            got = PageValues::Colour(value);
        else if (kind == "flag")
            got = PageValues::Flag(value) ? 1 : 0;
        else if (kind == "double")
            got = PageValues::Clamped(value, 0, 30000);
        QCOMPARE(got, expected);
        QCOMPARE(PageValues::ListIndex(2, 0), -1); // an empty list has no item
    }

    // Quarter turns by the buttons, from the spin box's value.
    void quarterTurns_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        QTest::newRow("0") << 0 << 270 << 90;
        QTest::newRow("10") << 10 << 0 << 90;
        QTest::newRow("45") << 45 << 0 << 90;
        QTest::newRow("90") << 90 << 0 << 180;
        QTest::newRow("180") << 180 << 90 << 270;
        QTest::newRow("270") << 270 << 180 << 0;
        QTest::newRow("300") << 300 << 270 << 0;
        QTest::newRow("359") << 359 << 270 << 0;
    }

    void quarterTurns()
    {
        QFETCH(int, from);
        QFETCH(int, left);
        QFETCH(int, right);
        for (const bool leftButton : {true, false}) {
            CFilterRotate page(nullptr, 5070);
            page.Initialize();
            page.findChild<QSpinBox*>("spinDegrees")->setValue(from);
            page.findChild<QPushButton*>(leftButton ? "buttonRotateLeft" : "buttonRotateRight")->click();
            const int expected = leftButton ? left : right;
            QCOMPARE(page.findChild<QDial*>("dialDegrees")->value(), expected);
            QCOMPARE(page.findChild<QSpinBox*>("spinDegrees")->value(), expected);
            QCOMPARE(page.timer->interval(), 500);
            QVERIFY(page.timer->isActive());
        }
    }

    void rotateLeftTwiceFrom45()
    {
        CFilterRotate page(nullptr, 5070);
        page.Load(RotateRecord(45, 0), true);
        auto* left = page.findChild<QPushButton*>("buttonRotateLeft");
        left->click();
        QCOMPARE(page.findChild<QDial*>("dialDegrees")->value(), 0);
        left->click();
        QCOMPARE(page.findChild<QDial*>("dialDegrees")->value(), 270);
    }

    // What a loaded record shows and saves back.
    void rotateLoad_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("condition");
        QTest::addColumn<int>("shownAngle");
        QTest::addColumn<int>("shownCondition");
        QTest::newRow("whole") << 45.0 << 1.0 << 45 << 1;
        QTest::newRow("89.5 rounds up") << 89.5 << 0.0 << 90 << 0;
        QTest::newRow("89.4 rounds down") << 89.4 << 2.0 << 89 << 2;
        QTest::newRow("condition truncated") << 10.0 << 1.9 << 10 << 1;
        QTest::newRow("condition 7 is the last item") << 0.0 << 7.0 << 0 << 2;
        QTest::newRow("negative condition is the first item") << 0.0 << -3.0 << 0 << 0;
        QTest::newRow("huge angle clamped") << 1e300 << 0.0 << 359 << 0;
        QTest::newRow("huge negative angle clamped") << -1e300 << 0.0 << 0 << 0;
        QTest::newRow("360 clamped, not wrapped to 1") << 360.0 << 0.0 << 359 << 0;
    }

    void rotateLoad()
    {
        QFETCH(double, angle);
        QFETCH(double, condition);
        QFETCH(int, shownAngle);
        QFETCH(int, shownCondition);
        CFilterRotate page(nullptr, 5070);
        page.Load(RotateRecord(angle, condition), true);
        QCOMPARE(page.findChild<QSpinBox*>("spinDegrees")->value(), shownAngle);
        QCOMPARE(page.findChild<QDial*>("dialDegrees")->value(), shownAngle);
        QCOMPARE(page.findChild<QComboBox*>("comboOrientation")->currentIndex(), shownCondition);
        QCOMPARE(page.findChild<QComboBox*>("comboOrientation")->count(), 3);
        QCOMPARE(page.timer->interval(), 0);
        QVERIFY(page.timer->isActive());
        const SFilterRecord saved = Saved(page);
        QCOMPARE(int(saved.numParams), 2);
        QCOMPARE(saved.params[0], double(shownAngle));
        QCOMPARE(saved.params[1], double(shownCondition));
    }

    void rotateNewAndWrap()
    {
        CFilterRotate page(nullptr, 5070);
        QCOMPARE(page.timer->parent(), &page);
        QVERIFY(!page.timer->isActive());
        page.Initialize();
        QVERIFY(page.timer->isActive());
        QCOMPARE(page.timer->interval(), 0);
        SFilterRecord saved = Saved(page);
        QCOMPARE(int(saved.numParams), 2);
        QCOMPARE(int(saved.numTexts), 0);
        QCOMPARE(saved.params[0], 0.0);
        QCOMPARE(saved.params[1], 0.0);
        QCOMPARE(page.findChild<QComboBox*>("comboOrientation")->currentText(), QString("All Photos"));

        auto* spin = page.findChild<QSpinBox*>("spinDegrees");
        spin->setValue(359);
        spin->stepUp();
        QCOMPARE(spin->value(), 0);
        QCOMPARE(page.findChild<QDial*>("dialDegrees")->value(), 0);
        page.findChild<QDial*>("dialDegrees")->setValue(123);
        QCOMPARE(spin->value(), 123);
        QCOMPARE(page.timer->interval(), 500);
    }

    // The preview cycle: Save into a fresh record, SaveState, timer stopped.
    // Without a filtered view the preview itself does nothing.
    void previewCycle_data()
    {
        QTest::addColumn<int>("filterId");
        QTest::addColumn<int>("count");
        QTest::newRow("rotate") << 5070 << 2;
        QTest::newRow("auto-rotate") << 5000 << 0;
    }

    void previewCycle()
    {
        QFETCH(int, filterId);
        QFETCH(int, count);
        std::unique_ptr<QWidget> widget;
        CFilterUI* page = nullptr;
        QTimer* timer = nullptr;
        QObject* emitter = nullptr;
        if (filterId == 5070) {
            auto* rotate = new CFilterRotate(nullptr, filterId);
            widget.reset(rotate);
            page = rotate;
            timer = rotate->timer;
            emitter = rotate;
        } else {
            auto* blank = new CFilterBlank(nullptr, filterId);
            widget.reset(blank);
            page = blank;
            timer = blank->timer;
            emitter = blank;
        }
        QCOMPARE(page->filterType.id, quint16(filterId));
        QSignalSpy saved(emitter, SIGNAL(SaveState(SFilterRecord)));
        page->Initialize();
        QVERIFY(saved.wait(5000));
        QCOMPARE(saved.count(), 1);
        const auto record = saved.at(0).at(0).value<SFilterRecord>();
        QCOMPARE(int(record.numParams), count);
        QCOMPARE(record.filterId, quint32(0)); // the record is the page's Save only
        QVERIFY(!timer->isActive());

        // Load without preview starts nothing on either page.
        page->Load(filterId == 5070 ? RotateRecord(0, 0) : SFilterRecord(), false);
        QVERIFY(!timer->isActive());
    }

    void pingWithoutPhoto()
    {
        CFilterBlank page(nullptr, 5000);
        page.imageRecord.path = TestEnv::Root() + "/missing.jpg";
        page.imageWidth = 5;
        page.PingImage();
        QCOMPARE(page.imageWidth, qint64(0));
        QCOMPARE(page.imageHeight, qint64(0));
        QCOMPARE(page.imageRatio, 1.0);
        QCOMPARE(CFilterBlank(nullptr, 70536).filterType.id, quint16(0)); // no wrap onto 5000
    }
};

GB_TEST_MAIN(TestPageProtocol)
#include "tst_pageprotocol.moc"
