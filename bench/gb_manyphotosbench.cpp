// How long the window is held up by what a user does with a long photo list:
// adding a folder of COUNT photos, switching to step 2 and back, the details
// view, sorting a details column, Undo and Redo. For each it prints the time
// the action itself took and the longest stall of the event loop from the
// action until the window has settled (what follows through queued signals
// and timers counts too).
//
//   gb_manyphotosbench FOLDER [COUNT]
//
// An empty or missing FOLDER is first filled with COUNT JPEGs: a few
// generated 800 x 600 photos with a date of capture, a camera and an EXIF
// thumbnail (exiftool), copied under COUNT names.

#include "CListThumb.h"
#include "CListThumbDetails.h"
#include "CMainPanel1.h"
#include "Common.h"
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

bool Generate(const QString& folder, int count)
{
    QDir().mkpath(folder);
    const int unique = std::min(count, 40);
    QTemporaryDir scratch;
    for (int i = 0; i < unique; ++i) {
        QImage image(800, 600, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((i * 37) % 360, 160, 200));
        QPainter painter(&image);
        painter.setFont(QFont("DejaVu Sans", 120));
        painter.drawText(image.rect(), Qt::AlignCenter, QString::number(i));
        painter.end();
        if (!image.save(QString("%1/u%2.jpg").arg(scratch.path()).arg(i, 2, 10, QChar('0')), "JPG", 85))
            return false;
    }
    QImage small(160, 120, QImage::Format_RGB32);
    small.fill(Qt::darkGreen);
    const QString thumb = scratch.path() + "/thumb.jpg";
    small.save(thumb, "JPG");
    if (QProcess::execute("exiftool", {"-q", "-overwrite_original", "-ThumbnailImage<=" + thumb,
                                       "-DateTimeOriginal=2021:07:04 18:30:12", "-Make=NIKON CORPORATION",
                                       "-Model=NIKON D750", "-FNumber=2.8", "-ISO=100", "-ext", "jpg",
                                       scratch.path()}) != 0)
        return false;
    for (int i = 0; i < count; ++i) {
        const QString source = QString("%1/u%2.jpg").arg(scratch.path()).arg(i % unique, 2, 10, QChar('0'));
        if (!QFile::copy(source, QString("%1/photo%2.jpg").arg(folder).arg(i, 5, 10, QChar('0'))))
            return false;
    }
    return true;
}

// Measures one action: runs it from the event loop, then keeps the loop
// running for `settleMs` after it, and reports how long the action itself took and
// the longest gap between two ticks of a 5 ms timer meanwhile.
void Measure(const char* name, int settleMs, const std::function<void()>& action)
{
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
    });
    ticker.start(5);
    qint64 actionMs = -1;
    qint64 actionEnd = 0;
    QTimer::singleShot(20, [&] {
        const qint64 start = clock.elapsed();
        action();
        actionMs = clock.elapsed() - start;
        actionEnd = clock.elapsed();
    });
    while (actionMs < 0 || clock.elapsed() < actionEnd + settleMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::printf("%-22s action %6lld ms   longest event-loop stall %6lld ms\n", name, actionMs, longestGap);
    std::fflush(stdout);
}
} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(QuietMessages);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    // The bench's own settings and temporary files, not the user's.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config"));
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: gb_manyphotosbench FOLDER [COUNT]\n");
        return 2;
    }
    const QString folder = QDir(args[1]).absolutePath();
    const int count = args.size() > 2 ? args[2].toInt() : 2000;
    if (QDir(folder).entryList(QDir::Files).isEmpty()) {
        std::printf("generating %d photos in %s\n", count, qPrintable(folder));
        if (!Generate(folder, count)) {
            std::fprintf(stderr, "could not generate the photos\n");
            return 1;
        }
    }

    {
        // A returning user: no welcome wizard, no tips.
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, OrganizationName(), ApplicationName());
        store.setValue("Settings/Settings.ShowStartupWizard", 0);
        store.setValue("Settings/LaunchCounter", 4);
    }
    MainWindow window;
    window.show();
    CMainPanel1* panel = window.Panel1();
    auto* details = panel->findChild<CListThumbDetails*>("listImagesDetails");
    auto* undo = window.findChild<QAction*>("actionUndo");
    auto* redo = window.findChild<QAction*>("actionRedo");
    if (!details || !undo || !redo) {
        std::fprintf(stderr, "the window lacks the details view or Undo/Redo\n");
        return 1;
    }
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    const int settleMs = 1500;
    Measure("add folder", settleMs, [&] { panel->ListThumbDragDropFiles({folder}); });
    std::printf("photos: %d\n", panel->photoListView->count());
    Measure("step 2", settleMs, [&] { window.ChangePanel(1); });
    Measure("step 1", settleMs, [&] { window.ChangePanel(0); });
    Measure("details view", settleMs, [&] { panel->ChangeViewMode(0); });
    Measure("sort by date taken", settleMs, [&] {
        details->horizontalHeader()->setSortIndicator(CListThumbDetails::ColumnDateTaken, Qt::DescendingOrder);
        details->SortByColumn(CListThumbDetails::ColumnDateTaken);
    });
    Measure("sort by name", settleMs, [&] {
        details->horizontalHeader()->setSortIndicator(CListThumbDetails::ColumnName, Qt::DescendingOrder);
        details->SortByColumn(CListThumbDetails::ColumnName);
    });
    Measure("undo", settleMs, [&] { undo->trigger(); });
    Measure("redo", settleMs, [&] { redo->trigger(); });
    Measure("step 2 after redo", settleMs, [&] { window.ChangePanel(1); });
    Measure("step 1 again", settleMs, [&] { window.ChangePanel(0); });
    return 0;
}
