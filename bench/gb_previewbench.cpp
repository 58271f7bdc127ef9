// Times the live preview from StartPreview to the picture shown (Showup)
// for one photo with a text mark, in a 400 x 300 view: the first time (the
// preview cache empty) and again with the cache holding the photo.
//
//   gb_previewbench PHOTO [ROUNDS=5]
//
// GB_TRACE=1 prints the trace lines, with their times, to standard error.

#include "CControlImage.h"
#include "CFiltersEnum.h"
#include "CFormatsEnum.h"
#include "CIMImageCache.h"
#include "CMagickRuntime.h"
#include "CUserProfile.h"
#include "Common.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {
bool g_trace = false;

void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg || g_trace)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

SFilterRecord TextMark()
{
    SFilterRecord record;
    record.filterId = 1000;
    record.name = "Text";
    record.numParams = 32;
    record.params[1] = 8;   // bottom right
    record.params[9] = 40;  // size
    record.params[14] = double(0xFFFFFFFF);
    record.numTexts = 3;
    record.texts[0] = "(c) [Filename]";
    record.texts[1] = "DejaVu Sans";
    record.active = 1;
    return record;
}

// Milliseconds from StartPreview until the view shows the picture.
qint64 TimeOnePreview(CControlImage& view, const QString& path)
{
    QEventLoop loop;
    const auto connection = QObject::connect(&view, &CControlImage::UpdateZoomPercent, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    if (!view.StartPreview(path))
        return -1;
    loop.exec();
    const qint64 elapsed = timer.elapsed();
    QObject::disconnect(connection);
    return view.busy ? -1 : elapsed;
}

qint64 Median(QList<qint64> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values.at(values.size() / 2);
}
} // namespace

int main(int argc, char** argv)
{
    g_trace = qEnvironmentVariableIntValue("GB_TRACE") == 1;
    qInstallMessageHandler(QuietMessages);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(OrganizationName());
    QCoreApplication::setApplicationName(ApplicationName());
    const QStringList args = app.arguments();
    if (args.size() < 2 || !QFileInfo::exists(args.at(1))) {
        std::fprintf(stderr, "usage: gb_previewbench PHOTO [ROUNDS]\n");
        return 2;
    }
    const QString photo = QFileInfo(args.at(1)).absoluteFilePath();
    const int rounds = args.size() > 2 ? std::max(1, args.at(2).toInt()) : 5;
    CMagickRuntime::Initialize(argv[0]);
    CFormatsEnum::GetInstance()->GenerateList();
    CFiltersEnum::GetInstance()->GenerateList();

    QWidget window;
    auto* view = new CControlImage(&window);
    view->setFrameShape(QFrame::NoFrame);
    view->setWidgetResizable(true);
    auto* contents = new QWidget;
    view->setWidget(contents);
    view->imageLabel = new QLabel(contents);
    view->resize(400, 300);
    window.resize(400, 300);
    window.show();
    view->filters = {TextMark()};

    QList<qint64> cold;
    QList<qint64> warm;
    for (int round = 0; round < rounds; ++round) {
        CIMImageCache::GetInstance()->Clear();
        cold << TimeOnePreview(*view, photo);
        warm << TimeOnePreview(*view, photo);
    }
    std::printf("photo: %s (%llu x %llu)\n", qPrintable(photo),
                static_cast<unsigned long long>(view->image.properties.width),
                static_cast<unsigned long long>(view->image.properties.height));
    std::printf("StartPreview to Showup, text mark, %d rounds (median, min .. max):\n", rounds);
    std::printf("  preview cache empty: %lld ms (%lld .. %lld)\n", Median(cold),
                *std::min_element(cold.begin(), cold.end()), *std::max_element(cold.begin(), cold.end()));
    std::printf("  preview cache warm:  %lld ms (%lld .. %lld)\n", Median(warm),
                *std::min_element(warm.begin(), warm.end()), *std::max_element(warm.begin(), warm.end()));
    delete view;
    return 0;
}
