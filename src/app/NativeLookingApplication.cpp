#include "NativeLookingApplication.h"

#include "Common.h"
#include "JobFileKind.h"
#include "SmallControlFont.h"

#include <QEvent>
#include <QString>
#include <QWidget>

NativeLookingApplication::NativeLookingApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The small control size: the widget attribute below has no effect on
    // this platform, so the application font takes that size instead.
    setFont(SmallControlFont());
}

bool NativeLookingApplication::ChoosePlatform(int argc, char** argv)
{
    if (argc < 2 || JobFileKind(QString::fromLocal8Bit(argv[1])) != EJobFileKind::Script)
        return false;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return false;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    SystemLogWrite("ChoosePlatform", "no display: the script runs on the offscreen platform");
    return true;
}

bool NativeLookingApplication::notify(QObject* receiver, QEvent* event)
{
    if (receiver && event && event->type() == QEvent::Polish && receiver->isWidgetType())
        static_cast<QWidget*>(receiver)->setAttribute(Qt::WA_MacSmallSize);
    return QApplication::notify(receiver, event);
}
