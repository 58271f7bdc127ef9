#include "ProgressMonitors.h"

#include "CPreviewStatusThread.h"
#include "SProgressData.h"

#include <QMutex>

#include <cmath>

namespace {
// The receiving preview thread (null until one registers). Reports are
// delivered under the lock, so a worker that unregisters in its destructor
// is never called once the destructor has passed that point.
QBasicMutex g_threadLock;
CPreviewStatusThread* g_ptrThread = nullptr;

bool Report(double done, double total, void* data)
{
    auto* record = static_cast<SProgressData*>(data);
    if (!record)
        return true;
    if (record->abort.load())
        return false;
    if (total > 0.0) {
        const double percent = std::floor(done * 100.0 / total + 0.5);
        if (percent >= 0.0 && percent < 1e15)
            record->percent = quint32(static_cast<long long>(percent) % 256);
    }
    const QMutexLocker locker(&g_threadLock);
    if (g_ptrThread)
        g_ptrThread->UpdateStatusBar(record);
    return true;
}
} // namespace

MagickCore::MagickBooleanType MagickProgressMonitor(const char*, MagickCore::MagickOffsetType offset,
                                                    MagickCore::MagickSizeType extent, void* record)
{
    return Report(double(offset), double(extent), record) ? MagickCore::MagickTrue : MagickCore::MagickFalse;
}

bool ProgressMonitor(long long done, long long total, void* record)
{
    return Report(double(done), double(total), record);
}

void RegisterProgressThread(QThread* worker)
{
    auto* preview = dynamic_cast<CPreviewStatusThread*>(worker);
    const QMutexLocker locker(&g_threadLock);
    g_ptrThread = preview;
}

void UnregisterProgressThread(CPreviewStatusThread* worker)
{
    const QMutexLocker locker(&g_threadLock);
    if (g_ptrThread == worker)
        g_ptrThread = nullptr;
}

CPreviewStatusThread* RegisteredProgressThread()
{
    const QMutexLocker locker(&g_threadLock);
    return g_ptrThread;
}
