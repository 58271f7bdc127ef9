// The settings-page protocol on the rotate and auto-rotate pages, and the
// value conversion every page's Load goes through.
#include "CFilterBlank.h"
#include "CFilterRotate.h"
#include "CFiltersEnum.h"
#include "PageValues.h"
#include "TestEnv.h"

#include <QComboBox>
#include <QMap>
#include <QDial>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTimer>

#include <functional>
#include <limits>
#include <tuple>

namespace {
SFilterRecord RotateRecord(double angle, double condition)
{
    SFilterRecord record;
    record.numParams = 2;
    record.params[0] = angle;
    record.params[1] = condition;
    return record;
}

int ShownAngle(CFilterRotate& page)
{
    const int spin = page.findChild<QSpinBox*>("spinDegrees")->value();
    return spin == page.findChild<QDial*>("dialDegrees")->value() ? spin : -1;
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

    // The conversions the rotate page does not show (see rotateLoad).
    void pageValues_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("expected");
        const double nan = std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("truncated") << "truncated" << 49.9 << 49.0;
        QTest::newRow("rounded NaN") << "rounded" << nan << 0.0;
        QTest::newRow("rounded past the top") << "rounded" << 359.6 << 359.0;
        QTest::newRow("colour") << "colour" << 4290493439.0 << 4290493439.0;
        QTest::newRow("colour negative") << "colour" << -5.0 << 0.0;
        QTest::newRow("colour huge") << "colour" << 1e300 << 4294967295.0;
        QTest::newRow("flag fraction") << "flag" << 0.3 << 1.0;
        QTest::newRow("flag NaN") << "flag" << nan << 0.0;
        QTest::newRow("double clamped") << "double" << -3.5 << 0.0;
        QTest::newRow("double inside") << "double" << 12.25 << 12.25;
        QTest::newRow("empty list") << "empty list" << 2.0 << -1.0;
    }

    void pageValues()
    {
        QFETCH(QString, kind);
        QFETCH(double, value);
        QFETCH(double, expected);
        const QMap<QString, std::function<double(double)>> convert = {
            {"truncated", [](double v) { return PageValues::TruncatedInt(v, 0, 359); }},
            {"rounded", [](double v) { return PageValues::RoundedInt(v, 0, 359); }},
            {"colour", [](double v) { return PageValues::Colour(v); }},
            {"flag", [](double v) { return PageValues::Flag(v) ? 1.0 : 0.0; }},
            {"double", [](double v) { return PageValues::Clamped(v, 0, 30000); }},
            {"empty list", [](double v) { return PageValues::ListIndex(v, 0); }}};
        QCOMPARE(convert.value(kind)(value), expected);
    }

    void quarterTurns_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("right");
        for (const auto& [from, left, right] : {std::tuple{0, 270, 90}, {10, 0, 90}, {45, 0, 90}, {90, 0, 180},
                                                {180, 90, 270}, {270, 180, 0}, {300, 270, 0}, {359, 270, 0}})
            QTest::addRow("%d", from) << from << left << right;
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
            QCOMPARE(ShownAngle(page), leftButton ? left : right);
            QCOMPARE(page.timer->interval(), 500);
        }
    }

    // What a loaded record shows and saves back.
    void rotateLoad_data()
    {
        QTest::addColumn<double>("angle");
        QTest::addColumn<double>("condition");
        QTest::addColumn<int>("shownAngle");
        QTest::addColumn<int>("shownCondition");
        QTest::newRow("89.5 rounds up") << 89.5 << 1.0 << 90 << 1;
        QTest::newRow("89.4 rounds down") << 89.4 << 2.0 << 89 << 2;
        QTest::newRow("condition truncated") << 10.0 << 1.9 << 10 << 1;
        QTest::newRow("condition 7 is the last item") << 0.0 << 7.0 << 0 << 2;
        QTest::newRow("negative condition is the first") << 0.0 << -3.0 << 0 << 0;
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
        QCOMPARE(ShownAngle(page), shownAngle);
        QCOMPARE(page.findChild<QComboBox*>("comboOrientation")->currentIndex(), shownCondition);
        QVERIFY(page.timer->isActive());
        QCOMPARE(page.timer->interval(), 0);
        SFilterRecord saved;
        page.Save(saved);
        QCOMPARE(int(saved.numParams), 2);
        QCOMPARE(saved.params[0], double(shownAngle));
        QCOMPARE(saved.params[1], double(shownCondition));
    }

    // A new page: defaults, the preview cycle (Save into a fresh record,
    // SaveState, timer stopped; no view, so no render), the wrapping spin box.
    void rotateNewPage()
    {
        CFilterRotate page(nullptr, 5070);
        QCOMPARE(page.timer->parent(), &page);
        QCOMPARE(page.filterType.name, QString("Rotate"));
        QSignalSpy saved(&page, &CFilterRotate::SaveState);
        page.Initialize();
        QVERIFY(saved.wait(5000));
        const auto record = saved.at(0).at(0).value<SFilterRecord>();
        QCOMPARE(int(record.numParams), 2);
        QCOMPARE(record.params[0], 0.0);
        QCOMPARE(record.params[1], 0.0);
        QCOMPARE(record.filterId, quint32(0)); // only what Save writes
        QVERIFY(!page.timer->isActive());

        auto* spin = page.findChild<QSpinBox*>("spinDegrees");
        spin->setValue(359);
        spin->stepUp();
        QCOMPARE(ShownAngle(page), 0);
        page.findChild<QDial*>("dialDegrees")->setValue(123);
        QCOMPARE(ShownAngle(page), 123);
    }

    void autoRotatePage()
    {
        CFilterBlank page(nullptr, 5000);
        page.Load(SFilterRecord(), false);
        QVERIFY(!page.timer->isActive());
        page.Initialize();
        QCOMPARE(page.timer->interval(), 0);
        SFilterRecord record;
        record.numParams = 4;
        page.Save(record);
        QCOMPARE(int(record.numParams), 0);
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
