#pragma once

#include <QApplication>

// The application object: every widget is drawn at the platform's small
// control size.
class NativeLookingApplication : public QApplication
{
    Q_OBJECT
public:
    NativeLookingApplication(int& argc, char** argv);

    // Called before the application object exists. A script handed in on a
    // machine without a display (no DISPLAY, WAYLAND_DISPLAY or
    // QT_QPA_PLATFORM) runs on the offscreen platform: the windowing
    // platform could not start there. True when it chose offscreen.
    static bool ChoosePlatform(int argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
