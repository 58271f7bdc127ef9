#include "Common.h"
#include "ExitCodes.h"
#include "MainWindow.h"
#include "NativeLookingApplication.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QString>

#include <memory>

int main(int argc, char** argv)
{
    SystemLogWrite("main", QString());
    qputenv("QT_DEVICE_PIXEL_RATIO", "auto");
    QCoreApplication::setOrganizationName(OrganizationName());
    QCoreApplication::setApplicationName(ApplicationName());
    // The installed desktop entry: the desktop shows its name and icon for
    // the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral(GB_APP_ID));

    // Decided before the application object exists: without a display it
    // would abort while starting the windowing platform.
    if (NativeLookingApplication::ChoosePlatform(argc, argv) == NativeLookingApplication::EPlatform::NoDisplay) {
        NativeLookingApplication::ReportNoDisplay();
        return ExitCodes::NoDisplay;
    }
    auto app = std::make_unique<NativeLookingApplication>(argc, argv);
    auto window = std::make_unique<MainWindow>(nullptr);
    if (argc >= 2)
        window->StartLoadingFileWindows(QString::fromUtf8(argv[1]));

    window->show();
    // A script handed in at start has already run: no event loop then.
    const int result = window->IsFinished() ? window->ExitStatus() : app->exec();

    // The window stops its panels' threads and deletes the singletons; the
    // application goes last.
    window.reset();
    app.reset();
    return result;
}
