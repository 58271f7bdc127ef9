// Runs one processing batch headless: every JPEG of a folder, one filter,
// written as JPEG into another folder, with the program's own controller.
// Prints the run time, the CPU time and the peak memory of the process, and
// how long the workers sat idle at the end of the run waiting for the last.
//
//   gb_batchbench IN_FOLDER OUT_FOLDER [FILTER] [QUALITY]
//
// FILTER is a filter id, optionally followed by its parameters p0, p1, ...:
// "3080" negates, "5040:1600,1200,1,3,0,1" resizes to fit 1600 x 1200.

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

#include <algorithm>
#include <cstdio>

#include <sys/resource.h>

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

// User plus system time of this process so far, in milliseconds.
qint64 CpuTimeMs()
{
    rusage usage {};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return -1;
    const auto ms = [](const timeval& t) { return qint64(t.tv_sec) * 1000 + t.tv_usec / 1000; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// "ID" or "ID:p0,p1,...".
bool ParseFilter(const QString& text, SFilterRecord& filter)
{
    const QStringList parts = text.split(':');
    bool ok = false;
    filter.filterId = parts[0].toUInt(&ok);
    if (!ok || parts.size() > 2)
        return false;
    if (parts.size() == 2) {
        const QStringList values = parts[1].split(',');
        if (values.size() > SFilterRecord::MaxParams)
            return false;
        for (int i = 0; i < values.size(); ++i) {
            filter.params[i] = values[i].toDouble(&ok);
            if (!ok)
                return false;
        }
        filter.numParams = quint8(values.size());
    }
    return true;
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
    if (!ParseFilter(args.size() > 3 ? args[3] : QStringLiteral("3080"), filter)) {
        std::fprintf(stderr, "gb_batchbench: FILTER is ID or ID:p0,p1,...\n");
        return 2;
    }
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
    const qint64 cpuBefore = CpuTimeMs();
    int errors = 0;
    int threads = 0;
    qint64 idleMs = 0;
    qint64 longestIdleMs = 0;
    {
        CProcessController controller;
        QEventLoop loop;
        QObject::connect(&controller, &CProcessController::RunFinished, &loop, &QEventLoop::quit);
        if (!controller.IsRunFinished())
            loop.exec();
        errors = controller.ErrorCount();
        threads = controller.ThreadCount();
        // Every worker that ended before the last one sat idle until then.
        const QList<qint64>& ends = controller.WorkerEndTimes();
        const qint64 last = ends.isEmpty() ? 0 : *std::max_element(ends.begin(), ends.end());
        for (const qint64 end : ends) {
            idleMs += last - end;
            longestIdleMs = std::max(longestIdleMs, last - end);
        }
    }
    const qint64 ms = timer.elapsed();
    const qint64 cpuMs = CpuTimeMs() - cpuBefore;
    // peak_kb stays last: the bench script reads it from the end of the line.
    QTextStream(stdout) << "photos " << photos.size() << " threads " << threads << " errors " << errors
                        << " ms " << ms << " cpu_ms " << cpuMs << " idle_ms " << idleMs << " longest_idle_ms "
                        << longestIdleMs << " peak_kb " << PeakMemoryKb() << "\n";
    CUserProfile::DeleteInstance();
    return errors == 0 ? 0 : 1;
}
