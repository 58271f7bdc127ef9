#include "CMagickRuntime.h"

#include "Common.h"
#include "MagickCompat.h"
#include "Platform.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace {
std::once_flag s_once;
std::atomic<bool> s_initialized{false};
std::atomic<bool> s_policyApplied{false};

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
        Magick::InitializeMagick(programPath);
        s_policyApplied = ApplyPolicy(PolicyPath());
        s_initialized = true;
    });
    return s_policyApplied;
}

bool CMagickRuntime::IsInitialized()
{
    return s_initialized;
}

void CMagickRuntime::SetThreadLimit(int threads)
{
    MagickCompat::SetThreadLimit(static_cast<unsigned long>(threads > 0 ? threads : 1));
}

int CMagickRuntime::ThreadLimit()
{
    return static_cast<int>(MagickCompat::ThreadLimit());
}
