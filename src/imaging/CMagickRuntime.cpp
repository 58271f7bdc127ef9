#include "CMagickRuntime.h"

#include "CPixelMemory.h"
#include "Common.h"
#include "MagickCompat.h"
#include "Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <limits>
#include <mutex>

#include <unistd.h>

#ifdef _OPENMP
#include <omp.h>
#endif

namespace {
using MagickSize = MagickCore::MagickSizeType;

std::once_flag s_once;
std::atomic<bool> s_initialized{false};
std::atomic<bool> s_policyApplied{false};

// The policy file's limits, read once after it is installed: ours never go
// above them.
MagickSize s_memoryCeiling = 0;
MagickSize s_mapCeiling = 0;
MagickSize s_diskCeiling = 0;
// What the pixels of photos may take beyond the memory limit. ImageMagick's
// own map limit stays 0 (see ApplyResourceLimits); this is the share the
// photo size checks count on.
std::atomic<MagickSize> s_mapBudget{0};
std::mutex s_limitsMutex; // guards the worker count
int s_workers = 1;
// Threads per operation while a run is on; 0 outside a run.
std::atomic<int> s_threadShare{0};

bool ApplyPolicy(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SystemLogWrite("CMagickRuntime::Initialize", "no policy file at " + path);
        return false;
    }
    const QByteArray xml = file.readAll();
    MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
    const bool ok = MagickCore::SetMagickSecurityPolicy(xml.constData(), exception) != MagickCore::MagickFalse;
    if (!ok && exception->reason)
        SystemLogWrite("CMagickRuntime::Initialize", QString("policy refused: ") + exception->reason);
    MagickCore::DestroyExceptionInfo(exception);
    return ok;
}

MagickSize PhysicalMemory()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0)
        return MagickSize(2) << 30; // unknown: assume a small machine
    return MagickSize(pages) * MagickSize(pageSize);
}

// Free space where ImageMagick puts its disk caches; -1 when unknown.
qint64 FreeTemporarySpace()
{
    QString folder = qEnvironmentVariable("MAGICK_TEMPORARY_PATH");
    if (folder.isEmpty())
        folder = TemporaryRoot();
    const QStorageInfo storage(folder);
    return storage.isValid() ? storage.bytesAvailable() : -1;
}

int DefaultWorkers()
{
    const int cores = QThread::idealThreadCount();
    return (cores >= 1 && cores <= 32) ? cores : 1;
}

// Memory and map a quarter of the machine's memory each, disk half the free
// space of the temporary folder; each no more than the policy allows.
//
// ImageMagick maps a file it opens for reading into memory whenever its map
// limit has room. A photo that is truncated or rewritten while it is read
// (a sync, a copy over it) then takes pages from under the mapping, and the
// next touch of such a page kills the whole process with SIGBUS. With a map
// limit of 0 every read goes through read(2), where a shorter file is just
// an early end of file; pixel caches that outgrow the memory limit use the
// disk cache through reads and writes instead of a mapped one.
void ApplyResourceLimits()
{
    const MagickSize memory = PhysicalMemory();
    const MagickSize memoryLimit = std::min(s_memoryCeiling, memory / 4);
    const MagickSize mapBudget = std::min(s_mapCeiling, memory / 4);
    const qint64 freeSpace = FreeTemporarySpace();
    const MagickSize diskLimit =
        freeSpace < 0 ? s_diskCeiling : std::min(s_diskCeiling, MagickSize(freeSpace) / 2);
    Magick::ResourceLimits::memory(memoryLimit);
    Magick::ResourceLimits::map(0);
    s_mapBudget = mapBudget;
    Magick::ResourceLimits::disk(diskLimit);
    SystemLogWrite("CMagickRuntime::ApplyResourceLimits",
                   QString("memory %1 MiB, beyond memory %2 MiB, disk %3 MiB, no mapped files")
                       .arg(memoryLimit >> 20)
                       .arg(mapBudget >> 20)
                       .arg(diskLimit >> 20));
}
} // namespace

QString CMagickRuntime::PolicyPath()
{
    return GetResourcesFolder() + "/policy.xml";
}

bool CMagickRuntime::Initialize(const char* programPath)
{
    std::call_once(s_once, [programPath] {
        const QString resources = GetResourcesFolder();
        if (QFileInfo(resources).isDir())
            setenv("MAGICK_CONFIGURE_PATH", resources.toLocal8Bit().constData(), 1);
        // ImageMagick keeps its disk caches in $TMPDIR too: one that names
        // no folder would fail every large photo.
        if (qEnvironmentVariableIsEmpty("MAGICK_TEMPORARY_PATH") && TemporaryRoot() != QDir::tempPath())
            setenv("MAGICK_TEMPORARY_PATH", QFile::encodeName(TemporaryRoot()).constData(), 1);
        CPixelMemory::Install();
        Magick::InitializeMagick(programPath);
        s_policyApplied = ApplyPolicy(PolicyPath());
        s_memoryCeiling = Magick::ResourceLimits::memory();
        s_mapCeiling = Magick::ResourceLimits::map();
        s_diskCeiling = Magick::ResourceLimits::disk();
        ApplyResourceLimits();
        {
            const std::lock_guard<std::mutex> lock(s_limitsMutex);
            s_workers = DefaultWorkers();
        }
        s_initialized = true;
    });
    return s_policyApplied;
}

bool CMagickRuntime::IsInitialized()
{
    return s_initialized;
}

int CMagickRuntime::ThreadLimit()
{
    return std::max(1, static_cast<int>(MagickCompat::ThreadLimit()));
}

void CMagickRuntime::SetRunWorkers(int workers)
{
    const int limit = ThreadLimit();
    s_threadShare = workers > 0 ? std::max(1, limit / workers) : 0;
    SetWorkerCount(workers > 0 ? workers : DefaultWorkers());
}

int CMagickRuntime::ThreadShare()
{
    const int share = s_threadShare.load();
    return share > 0 ? share : ThreadLimit();
}

void CMagickRuntime::FollowThreadShare()
{
#ifdef _OPENMP
    const int limit = ThreadLimit();
    const int share = std::min(ThreadShare(), limit);
    // ImageMagick asks each parallel loop for a team by its thread limit;
    // with dynamic teams the runtime holds this thread's teams to its own
    // thread count instead. Teams only ever get smaller than the buffers
    // ImageMagick sized for them.
    omp_set_dynamic(share < limit ? 1 : 0);
    omp_set_num_threads(share);
#endif
}

void CMagickRuntime::SetWorkerCount(int workers)
{
    const std::lock_guard<std::mutex> lock(s_limitsMutex);
    s_workers = std::clamp(workers, 1, 32);
}

int CMagickRuntime::WorkerCount()
{
    const std::lock_guard<std::mutex> lock(s_limitsMutex);
    return s_workers;
}

qint64 CMagickRuntime::PhotoByteLimit()
{
    const int workers = WorkerCount();
    const MagickSize memory = Magick::ResourceLimits::memory();
    const MagickSize map = s_mapBudget.load();
    const MagickSize share = (memory + map) / MagickSize(workers);
    const MagickSize limit = std::min(share, std::max(memory, map));
    return qint64(std::min<MagickSize>(limit, MagickSize(std::numeric_limits<qint64>::max())));
}

QString CMagickRuntime::CheckPhotoSize(qint64 width, qint64 height)
{
    return CheckFrameSizes({QSize(int(std::clamp<qint64>(width, 0, std::numeric_limits<int>::max())),
                                  int(std::clamp<qint64>(height, 0, std::numeric_limits<int>::max())))});
}

QString CMagickRuntime::CheckFrameSizes(const QList<QSize>& frames)
{
    double pixels = 0.0;
    for (const QSize& frame : frames)
        pixels += double(std::max(frame.width(), 0)) * double(std::max(frame.height(), 0));
    const qint64 limit = PhotoByteLimit();
    if (frames.isEmpty() || pixels * double(MagickCompat::PixelBytes) <= double(limit))
        return QString();
    const qint64 megapixels = limit / qint64(MagickCompat::PixelBytes) / 1000000;
    const QSize first = frames.first();
    QString size = QCoreApplication::translate("CMagickRuntime", "%1 x %2 pixels").arg(first.width()).arg(first.height());
    if (frames.size() > 1)
        size = QCoreApplication::translate("CMagickRuntime", "%1 in %2 frames").arg(size).arg(frames.size());
    return QCoreApplication::translate("CMagickRuntime", "%1 is more than one photo may have here (%2 megapixels).")
        .arg(size)
        .arg(megapixels);
}
