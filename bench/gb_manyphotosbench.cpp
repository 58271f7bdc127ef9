// How long the window is held up by what a user does with a long photo list:
// adding a folder of COUNT photos (and the reading of their details that
// follows), then ROUNDS times (default 3) switching to
// step 2 and back, the details view, sorting a details column both ways, Undo,
// Redo and the icon view. For each it prints the longest stall of the event
// loop from the action until the window has settled (what follows through
// queued signals and timers counts too), the best and the worst round: on a
// busy machine the best one tells the program's own cost.
//
//   gb_manyphotosbench FOLDER [COUNT [ROUNDS]]
//
// An empty or missing FOLDER is first filled with COUNT JPEGs: a few
// generated 800 x 600 photos with a date of capture, a camera and an EXIF
// thumbnail (exiftool), copied under COUNT names.

#include "CListThumb.h"
#include "CListThumbDetails.h"
#include "CMainPanel1.h"
#include "CPromptSeam.h"
#include "Common.h"
#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QItemSelection>
#include <QMutexLocker>
#include <QPainter>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
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

// The longest stall of the event loop over one action: the action runs
// from the event loop, which then keeps running for `settleMs` after it; the
// stall is the longest gap between two ticks of a 5 ms timer meanwhile (what
// follows through queued signals and timers counts too).
qint64 ThreadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Also gives, in `cpuMs`, the processor time of the window's thread for the
// action and the events it posted (a figure that a busy machine does not
// inflate).
qint64 LongestStall(int settleMs, const std::function<void()>& action, qint64* cpuMs = nullptr)
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
    qint64 actionEnd = -1;
    QTimer::singleShot(20, [&] {
        const qint64 cpuStart = ThreadCpuMs();
        action();
        // Queued work may queue more (a sort, then the strip's rebuild).
        for (int pass = 0; pass < 4; ++pass)
            QCoreApplication::sendPostedEvents();
        if (cpuMs)
            *cpuMs = ThreadCpuMs() - cpuStart;
        actionEnd = clock.elapsed();
    });
    while (actionEnd < 0 || clock.elapsed() < actionEnd + settleMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return longestGap;
}

bool AllDetailed(CListThumb* list)
{
    QMutexLocker locker(list->Mutex());
    const QList<SThumb>& records = *list->Records();
    return std::all_of(records.begin(), records.end(), [](const SThumb& record) { return record.detailed; });
}

struct Scenario
{
    const char* name;
    std::function<void()> action;
    QList<qint64> stalls;
    QList<qint64> cpu;
};

void Print(const char* name, const QList<qint64>& stalls, const QList<qint64>& cpu)
{
    if (stalls.isEmpty() || cpu.isEmpty())
        return;
    const auto [least, most] = std::minmax_element(stalls.begin(), stalls.end());
    std::printf("%-16s stall best %5lld ms, worst %5lld ms; window thread's processor time best %5lld ms "
                "(%lld runs)\n",
                name, *least, *most, *std::min_element(cpu.begin(), cpu.end()), qint64(stalls.size()));
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
        std::fprintf(stderr, "usage: gb_manyphotosbench FOLDER [COUNT [ROUNDS]]\n");
        return 2;
    }
    const QString folder = QDir(args[1]).absolutePath();
    const int count = args.size() > 2 ? args[2].toInt() : 2000;
    const int rounds = args.size() > 3 ? std::max(1, args[3].toInt()) : 3;
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
    CPromptSeam::SetQuestionAnswerer([](const QString&) { return true; });
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

    const int settleMs = 1000;
    qint64 addCpu = 0;
    QElapsedTimer sinceDrop;
    sinceDrop.start();
    qint64 addStall = LongestStall(100, [&] { panel->ListThumbDragDropFiles({folder}); }, &addCpu);
    std::printf("photos: %d\n", panel->photoListView->count());
    // The details of new photos may be read off the window's thread: the
    // stall counts until all are read.
    while (!AllDetailed(panel->photoListView) && sinceDrop.elapsed() < 600000)
        addStall = std::max(addStall, LongestStall(100, [] {}));
    std::printf("details of all photos read %lld ms after the drop\n", sinceDrop.elapsed());
    Print("add folder", {addStall}, {addCpu});
    LongestStall(settleMs, [] {});

    const auto sortByName = [&](Qt::SortOrder order) {
        details->horizontalHeader()->setSortIndicator(CListThumbDetails::ColumnName, order);
        details->SortByColumn(CListThumbDetails::ColumnName);
    };
    // Each round leaves the job as it found it, so that rounds compare.
    QList<Scenario> scenarios = {
        {"step 2", [&] { window.ChangePanel(1); }, {}, {}},
        {"step 1", [&] { window.ChangePanel(0); }, {}, {}},
        {"details view", [&] { panel->ChangeViewMode(0); }, {}, {}},
        {"sort descending", [&] { sortByName(Qt::DescendingOrder); }, {}, {}},
        {"sort ascending", [&] { sortByName(Qt::AscendingOrder); }, {}, {}},
        {"undo", [&] { undo->trigger(); }, {}, {}},
        {"redo", [&] { redo->trigger(); }, {}, {}},
        {"icon view", [&] { panel->ChangeViewMode(2); }, {}, {}},
        // Every other photo removed, then brought back.
        {"remove half", [&] {
             // One selection change, as a click with Shift or Ctrl+A makes.
             QItemSelection every;
             const QAbstractItemModel* model = panel->photoListView->model();
             for (int row = 0; row < panel->photoListView->count(); row += 2)
                 every.select(model->index(row, 0), model->index(row, 0));
             panel->photoListView->selectionModel()->select(every, QItemSelectionModel::ClearAndSelect);
             panel->RemoveSelectedPhotos();
         }, {}, {}},
        {"undo remove", [&] { undo->trigger(); }, {}, {}},
        {"remove all", [&] { panel->RemoveAllPhotos(false); }, {}, {}},
        {"undo remove all", [&] { undo->trigger(); }, {}, {}},
    };
    for (int round = 0; round < rounds; ++round) {
        for (Scenario& scenario : scenarios) {
            qint64 cpu = 0;
            scenario.stalls.append(LongestStall(settleMs, scenario.action, &cpu));
            scenario.cpu.append(cpu);
        }
    }
    for (const Scenario& scenario : scenarios)
        Print(scenario.name, scenario.stalls, scenario.cpu);
    return 0;
}
