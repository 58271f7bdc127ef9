#include "ViewInput.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QMouseEvent>

void SendMouse(QAbstractScrollArea* view, QEvent::Type type, QPoint position, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(position), view->viewport()->mapToGlobal(QPointF(position)), button, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(view->viewport(), &event);
}
