#include "ProgressMonitors.h"

#include "SProgressData.h"

#include <cmath>

namespace {
bool Report(double done, double total, void* data)
{
    auto* record = static_cast<SProgressData*>(data);
    if (!record)
        return true;
    if (record->abort.load())
        return false;
    const double percent = std::floor(done * 100.0 / total + 0.5);
    if (total > 0.0 && percent >= 0.0 && percent < 1e9)
        record->percent = quint32(std::llround(percent) % 256);
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
