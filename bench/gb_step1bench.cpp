// Adds a folder of photos to the step 1 panel of a real main window, the way
// a folder dropped on the list is added, and reports how long the window is
// held up: the time until the list is filled and shown, then how long the
// loader takes to give the visible rows their thumbnails and the longest
// stall of the event loop while it does.
//
//   gb_step1bench FOLDER [COUNT]
//
// An empty or missing FOLDER is first filled with COUNT (default 1000)
// generated 1600 x 1200 JPEGs, each with an EXIF thumbnail (exiftool).

#include "CListThumb.h"
#include "CMainPanel1.h"
#include "Common.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMutexLocker>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

bool Generate(const QString& folder, int count)
{
    QDir().mkpath(folder);
    for (int i = 0; i < count; ++i) {
        QImage image(1600, 1200, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((i * 37) % 360, 160, 200));
        QPainter painter(&image);
        painter.setFont(QFont("DejaVu Sans", 200));
        painter.drawText(image.rect(), Qt::AlignCenter, QString::number(i));
        painter.end();
        if (!image.save(QString("%1/photo%2.jpg").arg(folder).arg(i, 4, 10, QChar('0')), "JPG", 85))
            return false;
    }
    const QString thumb = folder + "/../thumb.jpg";
    QImage small(160, 120, QImage::Format_RGB32);
    small.fill(Qt::darkGreen);
    small.save(thumb, "JPG");
    // One exiftool run for the whole folder.
    return QProcess::execute("exiftool", {"-q", "-overwrite_original", "-ThumbnailImage<=" + thumb, folder}) == 0;
}

int VisibleLoaded(CListThumb* list, int& visible)
{
    int first = 0, last = -1;
    QMutexLocker locker(list->Mutex());
    list->FindFirstLastVisibleItems(first, last);
    visible = last - first + 1;
    int loaded = 0;
    for (int row = first; row <= last; ++row)
        loaded += list->Records()->at(list->RowMap()->at(row)).loaded ? 1 : 0;
    return loaded;
}
} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(QuietMessages);
    // The bench's own settings and temporary files, not the user's.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config"));
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: gb_step1bench FOLDER [COUNT]\n");
        return 2;
    }
    const QString folder = QDir(args[1]).absolutePath();
    const int count = args.size() > 2 ? args[2].toInt() : 1000;
    if (QDir(folder).entryList(QDir::Files).isEmpty()) {
        std::printf("generating %d photos in %s\n", count, qPrintable(folder));
        if (!Generate(folder, count)) {
            std::fprintf(stderr, "could not generate the photos\n");
            return 1;
        }
    }

    MainWindow window;
    window.show();
    CMainPanel1* panel = window.Panel1();
    // Let the window settle first.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    QElapsedTimer clock;
    clock.start();
    panel->ListThumbDragDropFiles({folder});
    QCoreApplication::processEvents(); // the first paint of the filled list
    const qint64 shown = clock.elapsed();

    // The event loop's longest gap while the visible thumbnails come in.
    qint64 lastTick = clock.elapsed();
    qint64 longestGap = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longestGap = std::max(longestGap, now - lastTick);
        lastTick = now;
    });
    ticker.start(10);
    int visible = 0;
    qint64 filled = -1;
    while (clock.elapsed() < shown + 60000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (VisibleLoaded(panel->photoListView, visible) == visible && visible > 0) {
            filled = clock.elapsed();
            break;
        }
    }
    std::printf("photos: %d\n", panel->photoListView->count());
    std::printf("list filled and shown after: %lld ms\n", shown);
    std::printf("visible rows: %d, their thumbnails in after: %lld ms\n", visible, filled);
    std::printf("longest event-loop stall while they came in: %lld ms\n", longestGap);
    std::fflush(stdout);
    return filled < 0 ? 1 : 0;
}
