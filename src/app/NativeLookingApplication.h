#pragma once

#include <QApplication>

// The application object: every widget is drawn at the platform's small
// control size.
class NativeLookingApplication : public QApplication
{
    Q_OBJECT
public:
    // How the windowing platform is chosen for a start.
    enum class EPlatform {
        AsConfigured, // a display, or a platform the user chose: Qt's own choice stands
        Offscreen,    // no display, a script to run: the offscreen platform
        NoDisplay     // no display and no script: the program cannot start
    };

    NativeLookingApplication(int& argc, char** argv);

    // Called before the application object exists, which could not start
    // the windowing platform without a display and would abort. No display
    // means none of DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM set and no
    // "-platform" argument. A script handed in then runs on the offscreen
    // platform (chosen here); anything else cannot start.
    static EPlatform ChoosePlatform(int argc, char** argv);

    // The one line on standard error of a start that cannot happen without
    // a display: what the program can do there.
    static void ReportNoDisplay();

    bool notify(QObject* receiver, QEvent* event) override;
};
