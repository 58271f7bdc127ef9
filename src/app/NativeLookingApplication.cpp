#include "NativeLookingApplication.h"

#include "Common.h"
#include "JobFileKind.h"
#include "SmallControlFont.h"

#include <QEvent>
#include <QString>
#include <QWidget>

#include <cstdio>
#include <cstring>

namespace {
// A display to open windows on, or a platform the user chose: through the
// environment, or through Qt's own "-platform" argument (also spelt
// "--platform").
bool HasDisplayOrChosenPlatform(int argc, char** argv)
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    }
    return false;
}
} // namespace

NativeLookingApplication::NativeLookingApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // The small control size: the widget attribute below has no effect on
    // this platform, so the application font takes that size instead.
    setFont(SmallControlFont());
}

NativeLookingApplication::EPlatform NativeLookingApplication::ChoosePlatform(int argc, char** argv)
{
    if (HasDisplayOrChosenPlatform(argc, argv))
        return EPlatform::AsConfigured;
    if (argc < 2 || JobFileKind(QString::fromLocal8Bit(argv[1])) != EJobFileKind::Script) {
        SystemLogWrite("ChoosePlatform", "no display, and no script to run");
        return EPlatform::NoDisplay;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    SystemLogWrite("ChoosePlatform", "no display: the script runs on the offscreen platform");
    return EPlatform::Offscreen;
}

void NativeLookingApplication::ReportNoDisplay()
{
    std::fputs("glimmerbox: no display (neither DISPLAY nor WAYLAND_DISPLAY is set); without one "
               "the program can only run a script: glimmerbox JOB.gbs\n",
               stderr);
    std::fflush(stderr);
}

bool NativeLookingApplication::notify(QObject* receiver, QEvent* event)
{
    if (receiver && event && event->type() == QEvent::Polish && receiver->isWidgetType())
        static_cast<QWidget*>(receiver)->setAttribute(Qt::WA_MacSmallSize);
    return QApplication::notify(receiver, event);
}
