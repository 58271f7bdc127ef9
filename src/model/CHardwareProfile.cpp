#include "CHardwareProfile.h"

#include <QGuiApplication>
#include <QScreen>

CHardwareProfile::CHardwareProfile()
{
    // Without an application object or a screen (headless start, tests) the
    // facts stay at their zero defaults.
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    QScreen* screen = app ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen)
        return;
    const QRect geometry = screen->geometry();
    screenWidth = quint16(geometry.right() - geometry.left() + 1);
    screenHeight = quint16(geometry.bottom() - geometry.top() + 1);
    colorDepth = quint8(screen->depth());
    refreshRate = quint16(int(screen->refreshRate()));
    retina = app->devicePixelRatio() >= 2.0;
}
