#include "EditGeometry.h"
#include "PreviewTestKit.h"
#include "TestEnv.h"
#include "ViewInput.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QRegion>
#include <QSignalSpy>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace PreviewTestKit;
using EditGeometry::Area;
using EditGeometry::Side;

namespace {
// The middle of the rows (or columns) of `image` within [from, to) that hold
// a pixel for which `hit` is true; -1 when none does. `across` picks the
// other coordinate's range.
double BandMiddle(const QImage& image, bool rows, int from, int to, int acrossFrom, int acrossTo,
                  const std::function<bool(QRgb)>& hit)
{
    int first = -1;
    int last = -1;
    for (int i = from; i < to; ++i) {
        for (int j = acrossFrom; j < acrossTo; ++j) {
            if (hit(rows ? image.pixel(j, i) : image.pixel(i, j))) {
                first = first < 0 ? i : first;
                last = i;
                break;
            }
        }
    }
    return first < 0 ? -1.0 : (first + last + 1) / 2.0;
}

double Number(double value)
{
    return std::round(value * 1e6) / 1e6;
}
} // namespace

// Editing marks and frames on the preview: the arithmetic of areas, boxes,
// anchors and drag steps, and the drags themselves on a view.
class TestImageEditing : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void geometry_data();
    void geometry();
    void cropDragReportsEveryStep();
    void cropHandlesSitOnTheFrameLine();
    void textCornerDragGrowsTheMark();
    void dragOutsideEditModeOnlyPans();
    void markClippedToThePhoto();
    void cropFrameRepaintedWhereItWas();

private:
    QString m_folder;
    QString m_photo;
};

void TestImageEditing::initTestCase()
{
    PrepareEngine();
    m_folder = TestEnv::NewFolder("imageediting");
    m_photo = WriteTwoColourPhoto(m_folder, "photo.png", 800, 600);
}

void TestImageEditing::geometry_data()
{
    QTest::addColumn<double>("actual");
    QTest::addColumn<double>("expected");
    const QRect label(100, 100, 200, 100); // x1 = 299, y1 = 199
    const auto area = [&](QPoint point, bool bands) { return double(EditGeometry::AreaAt(label, point, bands)); };
    QTest::newRow("5 px inside the left side of a crop frame") << area({105, 150}, true) << 1.0;
    QTest::newRow("the same point on a mark") << area({105, 150}, false) << 9.0;
    QTest::newRow("right side band") << area({295, 150}, true) << 2.0;
    QTest::newRow("bottom-right corner") << area({298, 198}, true) << 8.0;
    QTest::newRow("top-right corner of a mark") << area({298, 101}, false) << 6.0;
    QTest::newRow("10 px up and left of the corner rotates") << area({90, 90}, false) << 10.0;
    QTest::newRow("25 px away is outside") << area({75, 75}, false) << 11.0;
    QTest::newRow("the label's own first column is outside") << area({100, 150}, false) << 11.0;

    // Boxes kept on a 400 x 300 fitted picture.
    const auto restrict = [](long x, long y, long w, long h, long* outX = nullptr, long* outY = nullptr) {
        const EditGeometry::Restriction result = EditGeometry::Restrict(x, y, w, h, 400, 300);
        if (outX)
            *outX = x;
        if (outY)
            *outY = y;
        return result;
    };
    long x = 0;
    long y = 0;
    QTest::newRow("past the right border: side 3") << double(restrict(350, 50, 100, 40, &x).side) << 3.0;
    QTest::newRow("past the right border: x") << double(x) << 300.0;
    QTest::newRow("past the right border: side hit") << double(restrict(350, 50, 100, 40).sideHit) << 1.0;
    QTest::newRow("past two borders: corner 8") << double(restrict(350, 280, 100, 40, &x, &y).side) << 8.0;
    QTest::newRow("past two borders: y") << double(y) << 260.0;
    QTest::newRow("past two borders: no side hit") << double(restrict(-5, -5, 10, 10).sideHit) << 0.0;
    QTest::newRow("inside stays inside") << double(restrict(10, 10, 10, 10).inside) << 1.0;

    // Anchor and offsets on 400 x 300 at fit scale 0.5 (photo pixels) and
    // in percent of the fitted picture.
    const auto anchor = [](long x, long y, double divisor = 0.5, double divisorY = 0.5) {
        return EditGeometry::Anchor(x, y, 80, 40, 400, 300, divisor, divisorY);
    };
    QTest::newRow("top-left box: anchor 0") << double(anchor(10, 20).position) << 0.0;
    QTest::newRow("top-left box: offset x in pixels") << anchor(10, 20).offsetX << 20.0;
    QTest::newRow("top-left box: offset y in pixels") << anchor(10, 20).offsetY << 40.0;
    QTest::newRow("centred box: anchor 4") << double(anchor(160, 130).position) << 4.0;
    QTest::newRow("centred box: offset from the centre line") << anchor(165, 130).offsetX << 10.0;
    QTest::newRow("bottom-right box: anchor 8") << double(anchor(300, 250).position) << 8.0;
    QTest::newRow("bottom-right box: offset in percent") << anchor(300, 250, 4.0, 3.0).offsetX << 5.0;
    QTest::newRow("box past the border is anchored where kept") << anchor(390, 250).offsetX << 0.0;

    // Size steps; d is press minus current position.
    const double grow = 2.0 * 10.0 / (4.0 * 0.5 * 1.8);
    QTest::newRow("centred text, bottom-right corner 10 px right")
        << Number(EditGeometry::TextSizeStep(8, 4, Area::BottomRight, {-10, 0}, 4, 0.5)) << Number(8 + grow);
    QTest::newRow("dragging the anchor's own corner changes nothing")
        << EditGeometry::TextSizeStep(8, 8, Area::BottomRight, {-10, -10}, 4, 0.5) << 8.0;
    QTest::newRow("empty text counts as one character")
        << Number(EditGeometry::TextSizeStep(8, 0, Area::BottomRight, {-9, 0}, 0, 0.5)) << Number(8 + 9 / 0.9);
    QTest::newRow("anchor in the corner's column: vertical")
        << Number(EditGeometry::TextSizeStep(8, 6, Area::TopLeft, {0, 7}, 4, 0.5)) << 12.0;
    QTest::newRow("text never below 1")
        << EditGeometry::TextSizeStep(2, 0, Area::BottomRight, {500, 0}, 1, 0.5) << 1.0;
    QTest::newRow("logo scale grows with the label")
        << EditGeometry::LogoScaleStep(50, 0, Area::BottomRight, {-10, 0}, QSize(100, 40)) << 55.0;

    const auto rotate = [](double angle, QPoint press, QPoint current) {
        EditGeometry::RotationStep(angle, QPoint(100, 100), press, current);
        return Number(angle);
    };
    QTest::newRow("rotation wraps past 359") << rotate(359, {200, 100}, {200, 102}) << Number(359 + std::atan(0.02) * 180 / M_PI - 360);
    QTest::newRow("crossing the vertical above the centre: one degree back")
        << rotate(10, {99, 50}, {101, 50}) << 9.0;
    QTest::newRow("a step from the centre itself is skipped") << rotate(10, {100, 100}, {120, 130}) << 10.0;

    double width = 10;
    double height = 10;
    EditGeometry::ResizeStep(width, height, Area::BottomRight, {40, 0}, 0.5, false);
    QTest::newRow("resize frame below 1 becomes 1 x 1") << width + height << 2.0;
    width = 300;
    EditGeometry::ResizeStep(width, height, Area::Left, {10, 0}, 0.5, true);
    QTest::newRow("constrained frame has no sides") << width << 300.0;

    EditGeometry::CropFrame frame{30, 40, 200, 100};
    const EditGeometry::CropFrame left = EditGeometry::CropStep(frame, Area::Left, {50, 0}, 0.5, 800, 600);
    QTest::newRow("left edge stops at 0") << left.left << 0.0;
    QTest::newRow("width grows by what the edge moved") << left.width << 230.0;
    frame = {590, 40, 200, 100};
    EditGeometry::CropFrame right = EditGeometry::CropStep(frame, Area::Right, {-10, 0}, 0.5, 800, 600);
    QTest::newRow("right side stops at the photo's edge") << right.width << 200.0;
    QTest::newRow("and marks the edge touched") << double(right.touchesRight) << 1.0;
    right.left = 590;
    EditGeometry::PinCrop(right, Side::None, Area::Right, 800, 600);
    QTest::newRow("pinned to the right edge") << right.left << 600.0;
    EditGeometry::CropFrame full{0, 0, 700, 600, true, false};
    EditGeometry::PinCrop(full, Side::None, Area::Right, 800, 600);
    QTest::newRow("right drag from left 0 covers the width") << full.width << 800.0;
}

void TestImageEditing::geometry()
{
    QFETCH(double, actual);
    QFETCH(double, expected);
    QCOMPARE(actual, expected);
}

void TestImageEditing::cropDragReportsEveryStep()
{
    // 800 x 600 in 400 x 300: fit scale 0.5, no offsets. The frame
    // (200, 150, 400, 300) shows at (100, 75, 200, 150).
    Host host;
    CControlImage* view = host.view;
    view->editMode = true;
    view->filters = {CropRecord(200, 150, 400, 300)};
    QVERIFY(view->StartPreview(m_photo));
    QVERIFY(WaitIdle(view));
    // Under the edit lock the photo is rendered bare, at the fit.
    QCOMPARE(view->image.image.columns(), size_t(800));
    QCOMPARE(Pixel(view->image.image, 10, 10), qRgba(255, 0, 0, 255));
    QVERIFY(!host.overlay->isHidden());
    QCOMPARE(host.overlay->geometry(), QRect(100, 75, 200, 150));
    QVERIFY(view->ZoomIn());
    QCOMPARE(view->zoom, 50.0);

    QSignalSpy steps(view, &CControlImage::UpdateFilterInterface);
    // Move by the inside: left and top follow the pointer.
    SendMouse(view, QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton);
    QCOMPARE(view->area, int(Area::Inside));
    SendMouse(view, QEvent::MouseMove, {210, 150}, Qt::LeftButton);
    SendMouse(view, QEvent::MouseMove, {220, 145}, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, {220, 145}, Qt::NoButton);
    QCOMPARE(steps.count(), 2);
    const auto values = [&](int step) {
        const auto record = steps.at(step).first().value<SFilterRecord>();
        return QList<double>{record.params[0], record.params[1], record.params[2], record.params[3]};
    };
    QCOMPARE(values(0), (QList<double>{220, 150, 400, 300}));
    QCOMPARE(values(1), (QList<double>{240, 140, 400, 300}));
    QCOMPARE(view->filters.first().params[0], 240.0);

    // The right side, dragged 10 px out, then past the photo's edge: the
    // width stops and the frame is pinned to the edge.
    steps.clear();
    const QRect frame = host.overlay->geometry(); // (120, 70, 200, 150)
    SendMouse(view, QEvent::MouseButtonPress, {frame.right() - 2, frame.center().y()}, Qt::LeftButton);
    QCOMPARE(view->area, int(Area::Right));
    SendMouse(view, QEvent::MouseMove, {frame.right() + 8, frame.center().y()}, Qt::LeftButton);
    SendMouse(view, QEvent::MouseMove, {frame.right() + 200, frame.center().y()}, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, {frame.right() + 200, frame.center().y()}, Qt::NoButton);
    QCOMPARE(steps.count(), 2);
    QCOMPARE(values(0), (QList<double>{240, 140, 420, 300}));
    QCOMPARE(values(1), (QList<double>{380, 140, 420, 300}));
    QCOMPARE(host.overlay->geometry().right(), 399);
}

void TestImageEditing::textCornerDragGrowsTheMark()
{
    Host host;
    CControlImage* view = host.view;
    view->editMode = true;
    view->filters = {TextRecord("Mark", 4, 20)};
    QVERIFY(view->StartPreview(m_photo));
    QVERIFY(WaitIdle(view));
    QVERIFY(!host.overlay->isHidden());
    const QRect mark = host.overlay->geometry();
    QVERIFY(mark.width() > 20);
    // Centred: the mark sits around the middle of the view.
    QVERIFY(qAbs(mark.center().x() - 200) <= 1);

    QSignalSpy steps(view, &CControlImage::UpdateFilterInterface);
    const QPoint corner = mark.bottomRight() - QPoint(2, 2);
    SendMouse(view, QEvent::MouseButtonPress, corner, Qt::LeftButton);
    QCOMPARE(view->area, int(Area::BottomRight));
    SendMouse(view, QEvent::MouseMove, corner + QPoint(10, 0), Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, corner + QPoint(10, 0), Qt::NoButton);
    QCOMPARE(steps.count(), 1);
    const auto record = steps.first().first().value<SFilterRecord>();
    QCOMPARE(Number(record.params[9]), Number(20 + 2.0 * 10 / (4 * 0.5 * double(1.8f))));
    QVERIFY(host.overlay->width() > mark.width());
}

void TestImageEditing::dragOutsideEditModeOnlyPans()
{
    Host host;
    CControlImage* view = host.view;
    view->filters = {CropRecord(200, 150, 400, 300)};
    QVERIFY(view->StartPreview(m_photo));
    QVERIFY(WaitIdle(view));
    QVERIFY(view->ZoomToMatch());
    QTRY_COMPARE_WITH_TIMEOUT(int(view->imageResized.image.columns()), 800, 20000);
    const QPoint start = view->scrollPos;

    QSignalSpy steps(view, &CControlImage::UpdateFilterInterface);
    SendMouse(view, QEvent::MouseButtonPress, {200, 150}, Qt::LeftButton);
    SendMouse(view, QEvent::MouseMove, {150, 120}, Qt::LeftButton);
    SendMouse(view, QEvent::MouseButtonRelease, {150, 120}, Qt::NoButton);
    QCOMPARE(steps.count(), 0);
    QCOMPARE(view->scrollPos, start + QPoint(50, 30));
    QCOMPARE(view->filters.first().params[0], 200.0);
    QVERIFY(host.overlay->isHidden());
}

// The corner and side handles straddle the frame's line: their middles lie
// on the middle of the dotted line, at the corners and on the sides.
void TestImageEditing::cropHandlesSitOnTheFrameLine()
{
    Host host;
    CControlImage* view = host.view;
    view->editMode = true;
    view->filters = {CropRecord(200, 150, 400, 300)};
    QVERIFY(view->StartPreview(m_photo));
    QVERIFY(WaitIdle(view));
    QVERIFY(!host.overlay->isHidden());
    const QImage frame = host.overlay->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(frame.size(), QSize(200, 150));
    // Handles: outlined in opaque black. The line: white at alpha 100 over
    // a fill of alpha 10.
    const auto handle = [](QRgb p) { return qAlpha(p) == 255 && qRed(p) == 0; };
    const auto line = [](QRgb p) { return qAlpha(p) >= 60 && qRed(p) > 200; };
    const int w = frame.width();
    const int h = frame.height();
    // Top-left corner handle, and the top and left lines between handles.
    const double handleY = BandMiddle(frame, true, 0, 20, 0, 20, handle);
    const double handleX = BandMiddle(frame, false, 0, 20, 0, 20, handle);
    const double topLine = BandMiddle(frame, true, 0, 20, 20, w / 2 - 20, line);
    const double leftLine = BandMiddle(frame, false, 0, 20, 20, h / 2 - 20, line);
    QVERIFY(handleY >= 0 && topLine >= 0);
    QCOMPARE(handleY, topLine);
    QCOMPARE(handleX, leftLine);
    // Bottom-right corner and the middle of the right side, against the
    // bottom and right lines.
    const double cornerY = BandMiddle(frame, true, h - 20, h, w - 20, w, handle);
    const double cornerX = BandMiddle(frame, false, w - 20, w, h - 20, h, handle);
    const double bottomLine = BandMiddle(frame, true, h - 20, h, w / 2 + 20, w - 20, line);
    const double rightLine = BandMiddle(frame, false, w - 20, w, h / 2 + 20, h - 20, line);
    QCOMPARE(cornerY, bottomLine);
    QCOMPARE(cornerX, rightLine);
    const double sideX = BandMiddle(frame, false, w - 20, w, h / 2 - 8, h / 2 + 8, handle);
    QCOMPARE(sideX, rightLine);
    const double sideY = BandMiddle(frame, true, h / 2 - 12, h / 2 + 12, w - 20, w, handle);
    QVERIFY(std::abs(sideY - h / 2.0) <= 1.0);
}

// A mark wider than the fitted photo shows only over the photo: the margin
// beside a tall photo stays as it is.
void TestImageEditing::markClippedToThePhoto()
{
    Host host(QSize(400, 300));
    CControlImage* view = host.view;
    view->editMode = true;
    view->filters = {TextRecord("WWWWWWWWWWWW", 4, 40)};
    const QString tall = WritePhoto(m_folder, "tall.png", 300, 600, "gray30");
    QVERIFY(view->StartPreview(tall));
    QVERIFY(WaitIdle(view));
    QTRY_VERIFY(!host.overlay->isHidden());
    const QRect photo(view->xOffset, view->yOffset, view->fitWidth, view->fitHeight);
    QCOMPARE(photo, QRect(125, 0, 150, 300));
    const QRect mark = host.overlay->geometry();
    QVERIFY2(mark.left() < photo.left() && mark.right() > photo.right(),
             qPrintable(QString("the mark (%1, %2) does not reach past the photo").arg(mark.left()).arg(mark.right())));
    const QImage shown = host.window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb margin = shown.pixel(5, 5);
    int drawn = 0;
    for (int y = mark.top(); y <= mark.bottom(); ++y) {
        for (int x = std::max(0, mark.left()); x < photo.left(); ++x)
            drawn += shown.pixel(x, y) != margin;
        for (int x = photo.right() + 1; x <= std::min(mark.right(), shown.width() - 1); ++x)
            drawn += shown.pixel(x, y) != margin;
    }
    QCOMPARE(drawn, 0);
    // Over the photo the mark is there.
    const QRgb grey = shown.pixel(photo.left() + 2, 2);
    int over = 0;
    for (int y = mark.top(); y <= mark.bottom(); ++y)
        for (int x = photo.left(); x <= photo.right(); ++x)
            over += shown.pixel(x, y) != grey;
    QVERIFY(over > 0);
}

// Typed values move and shrink the crop frame: where the old frame lay is
// painted again, so no piece of its line stays on the picture.
void TestImageEditing::cropFrameRepaintedWhereItWas()
{
    Host host;
    CControlImage* view = host.view;
    view->editMode = true;
    view->filters = {CropRecord(200, 150, 400, 300)};
    QVERIFY(view->StartPreview(m_photo));
    QVERIFY(WaitIdle(view));
    QTRY_VERIFY(!host.overlay->isHidden());
    QApplication::processEvents();
    const QRect old = host.overlay->geometry();
    QCOMPARE(old, QRect(100, 75, 200, 150));

    // What the picture under the overlay repaints from now on.
    QRegion repainted;
    struct PaintSpy : QObject
    {
        QRegion* region = nullptr;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                *region += static_cast<QPaintEvent*>(event)->region();
            return false;
        }
    } spy;
    spy.region = &repainted;
    host.label->installEventFilter(&spy);

    view->filters = {CropRecord(20, 20, 100, 80)};
    QVERIFY(view->StartPreview(m_photo));
    QVERIFY(WaitIdle(view));
    QTRY_COMPARE(host.overlay->geometry(), QRect(10, 10, 50, 40));
    QTRY_VERIFY2(QRegion(old).subtracted(repainted).isEmpty(), "the old frame's place was not painted again");
    host.label->removeEventFilter(&spy);
}

GB_TEST_MAIN(TestImageEditing)
#include "tst_imageediting.moc"
