#pragma once

#include <QEvent>
#include <QPoint>

class QAbstractScrollArea;

// Sends a mouse event to the view's viewport, where the view receives its
// mouse input: presses with the left button, moves with none.
void SendMouse(QAbstractScrollArea* view, QEvent::Type type, QPoint position, Qt::MouseButtons buttons);
