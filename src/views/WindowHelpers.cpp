#include "WindowHelpers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QToolButton>
#include <QWidget>

void CenterChild(QRect area, int, QWidget* widget)
{
    if (!widget)
        return;
    const QRect frame = widget->frameGeometry();
    int left = area.left() + (area.width() - frame.width()) / 2;
    int top = area.top() + (area.height() - frame.height()) / 2;

    const QList<QScreen*> screens = QGuiApplication::screens();
    if (!screens.isEmpty()) {
        const QRect available = screens.first()->availableGeometry();
        if (left < available.left())
            left = available.left();
        else if (left + frame.width() - 1 >= available.right())
            left = available.right() - frame.width();
        if (top < available.top())
            top = available.top();
        else if (top + frame.height() - 1 >= available.bottom())
            top = available.bottom() - frame.height();
    }
    widget->move(left, top);
}

void MacToolbuttonAutoraise(QToolButton* button)
{
    if (!button)
        return;
    button->setStyleSheet("QToolButton:checked{ background-color: rgb(175,175,175); }"
                          "QToolButton { background-color: transparent; }"
                          "QToolButton:hover{ background-color: rgb(175,175,175); }");
}

namespace {
void CornerTo(QPainterPath& path, QPointF corner, QPointF end)
{
    path.cubicTo(corner, corner, end);
}
} // namespace

QPainterPath GenerateInfoBaloon(int style)
{
    QPainterPath path;
    switch (style) {
    case 0:
        path.moveTo(30, 5);
        path.lineTo(135, 5);
        CornerTo(path, {160, 5}, {160, 30});
        path.lineTo(160, 55);
        CornerTo(path, {160, 80}, {135, 80});
        path.lineTo(30, 80);
        path.lineTo(15, 100);
        path.lineTo(16, 76);
        CornerTo(path, {5, 76}, {5, 55});
        path.lineTo(5, 30);
        CornerTo(path, {5, 5}, {30, 5});
        break;
    case 1:
        path.moveTo(30, 5);
        path.lineTo(135, 5);
        CornerTo(path, {160, 5}, {160, 30});
        path.lineTo(160, 55);
        CornerTo(path, {160, 80}, {145, 80});
        path.lineTo(155, 110);
        path.lineTo(115, 80);
        path.lineTo(30, 80);
        CornerTo(path, {5, 80}, {5, 55});
        path.lineTo(5, 30);
        CornerTo(path, {5, 5}, {30, 5});
        break;
    case 2:
        path.moveTo(40, 20);
        path.lineTo(135, 20);
        CornerTo(path, {160, 20}, {160, 45});
        path.lineTo(160, 70);
        CornerTo(path, {160, 95}, {135, 95});
        path.lineTo(35, 95);
        CornerTo(path, {5, 95}, {5, 70});
        path.lineTo(5, 45);
        CornerTo(path, {5, 20}, {20, 20});
        path.lineTo(10, 0);
        path.lineTo(40, 20);
        break;
    default:
        return path;
    }
    path.closeSubpath();
    return path;
}
