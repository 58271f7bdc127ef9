// Runs one processing batch headless: every JPEG of a folder, one filter,
// written as JPEG into another folder, with the program's own controller.
// Prints the run time and the peak memory of the process.
//
//   gb_batchbench IN_FOLDER OUT_FOLDER [FILTER_ID] [QUALITY]

#include "CFormatsEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CMagickRuntime.h"
#include "CProcessController.h"
#include "CUserProfile.h"
#include "Common.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

// Peak resident memory of this process in kilobytes.
qint64 PeakMemoryKb()
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(QuietMessages);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(OrganizationName());
    QCoreApplication::setApplicationName(ApplicationName());
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: gb_batchbench IN OUT [FILTER_ID] [QUALITY]\n");
        return 2;
    }
    CMagickRuntime::Initialize(argv[0]);
    CFormatsEnum::GetInstance()->GenerateList();

    CUserProfile* profile = CUserProfile::GetInstance();
    profile->DestPath = QFileInfo(args[2]).absoluteFilePath();
    profile->OutputFormat = "JPG";
    profile->Quality = args.size() > 4 ? args[4].toInt() : 88;
    profile->FilenameFormat = "[Filename]";
    profile->PresetRename = 3;
    profile->HideProcessing = true;
    profile->scriptRun = true;
    profile->processLog = false;
    profile->OpenOutputFolder = false;
    profile->DisableNotifications = true;
    profile->useMulticore = true;
    QDir().mkpath(profile->DestPath);

    SFilterRecord filter;
    filter.filterId = args.size() > 3 ? args[3].toUInt() : 3080;
    filter.name = "bench";
    filter.active = 1;
    CListFilters::GetInstance()->list = {filter};

    QList<SImageRecord>& photos = CListImages::GetInstance()->list;
    const QDir in(args[1]);
    for (const QFileInfo& info : in.entryInfoList({"*.jpg", "*.JPG"}, QDir::Files, QDir::Name)) {
        SImageRecord record;
        record.path = info.absoluteFilePath();
        record.folder = info.absolutePath();
        record.baseName = info.completeBaseName();
        record.extension = info.suffix();
        record.key = photos.size();
        photos.append(record);
    }

    QElapsedTimer timer;
    timer.start();
    int errors = 0;
    int threads = 0;
    {
        CProcessController controller;
        QEventLoop loop;
        QObject::connect(&controller, &CProcessController::RunFinished, &loop, &QEventLoop::quit);
        if (!controller.IsRunFinished())
            loop.exec();
        errors = controller.ErrorCount();
        threads = controller.ThreadCount();
    }
    const qint64 ms = timer.elapsed();
    QTextStream(stdout) << "photos " << photos.size() << " threads " << threads << " errors "
                        << errors << " ms " << ms << " peak_kb " << PeakMemoryKb() << "\n";
    CUserProfile::DeleteInstance();
    return errors == 0 ? 0 : 1;
}
