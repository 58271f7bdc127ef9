#include "TestEnv.h"
#include "WindowHelpers.h"

#include <QScreen>
#include <QWidget>

// The window helpers of the common helpers: the tip bubble's outlines and
// the placement of a window on the screen.
class TestWindowHelpers : public QObject
{
    Q_OBJECT
private slots:
    void balloonOutlines_data();
    void balloonOutlines();
    void centerChildKeepsWindowOnScreen();
};

void TestWindowHelpers::balloonOutlines_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QRectF>("bounds");
    QTest::addColumn<QPointF>("tip");
    QTest::newRow("bottom left") << 0 << QRectF(5, 5, 155, 95) << QPointF(15, 100);
    QTest::newRow("bottom right") << 1 << QRectF(5, 5, 155, 105) << QPointF(155, 110);
    QTest::newRow("top left") << 2 << QRectF(5, 0, 155, 95) << QPointF(10, 0);
}

void TestWindowHelpers::balloonOutlines()
{
    QFETCH(int, style);
    QFETCH(QRectF, bounds);
    QFETCH(QPointF, tip);
    const QPainterPath path = GenerateInfoBaloon(style);
    QCOMPARE(path.controlPointRect(), bounds);
    bool tipFound = false;
    int curves = 0;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        tipFound |= QPointF(e.x, e.y) == tip;
        curves += e.type == QPainterPath::CurveToElement;
    }
    QVERIFY(tipFound);
    QCOMPARE(curves, 4);
    // Both control points of a rounded corner are the corner itself.
    const QPainterPath::Element c1 = path.elementAt(2);
    const QPainterPath::Element c2 = path.elementAt(3);
    QCOMPARE(c1.type, QPainterPath::CurveToElement);
    QCOMPARE(QPointF(c1.x, c1.y), QPointF(c2.x, c2.y));
    QCOMPARE(path.elementAt(0).x, path.elementAt(path.elementCount() - 1).x);
    QVERIFY(GenerateInfoBaloon(3).isEmpty());
    QVERIFY(GenerateInfoBaloon(-1).isEmpty());
}

void TestWindowHelpers::centerChildKeepsWindowOnScreen()
{
    QWidget window;
    window.resize(200, 100);
    const QRect screen = QGuiApplication::screens().first()->availableGeometry();

    CenterChild(QRect(100, 100, 400, 300), 0, &window);
    const QRect frame = window.frameGeometry();
    QCOMPARE(frame.left(), 100 + (400 - frame.width()) / 2);
    QCOMPARE(frame.top(), 100 + (300 - frame.height()) / 2);

    CenterChild(QRect(-1000, -1000, 10, 10), 0, &window);
    QCOMPARE(window.frameGeometry().topLeft(), screen.topLeft());

    CenterChild(QRect(screen.right() + 500, screen.bottom() + 500, 10, 10), 0, &window);
    QCOMPARE(window.frameGeometry().right(), screen.right() - 1);
    QCOMPARE(window.frameGeometry().bottom(), screen.bottom() - 1);
}

GB_TEST_MAIN(TestWindowHelpers)
#include "tst_windowhelpers.moc"
