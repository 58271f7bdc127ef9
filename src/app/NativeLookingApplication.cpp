#include "NativeLookingApplication.h"

#include <QEvent>
#include <QWidget>

NativeLookingApplication::NativeLookingApplication(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool NativeLookingApplication::notify(QObject* receiver, QEvent* event)
{
    if (receiver && event && event->type() == QEvent::Polish && receiver->isWidgetType())
        static_cast<QWidget*>(receiver)->setAttribute(Qt::WA_MacSmallSize);
    return QApplication::notify(receiver, event);
}
