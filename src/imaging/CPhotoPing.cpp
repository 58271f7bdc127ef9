#include "CPhotoPing.h"

#include "CImageManager.h"
#include "Common.h"
#include "MagickCompat.h"

#include <Magick++.h>

#include <cstring>

#ifdef __GLIBC__
#include <malloc.h>
#endif

CPhotoPing::Facts CPhotoPing::Ping(CImageManager& manager, const QString& path)
{
    Facts facts;
    if (path.isEmpty())
        return facts;
    if (manager.IdentifyImage(path) == CImageManager::KindRAW) {
        facts.ok = manager.Ping(path);
        facts.pageCount = facts.ok ? 1 : 0;
        facts.dateTaken = facts.ok ? manager.properties.dateTimeOriginal : QString();
        manager.image = Magick::Image();
        return facts;
    }

    MagickCore::ImageInfo* info = MagickCore::AcquireImageInfo();
    MagickCore::ExceptionInfo* exception = MagickCore::AcquireExceptionInfo();
    const QByteArray file = path.toUtf8();
    std::strncpy(info->filename, file.constData(), MagickCompat::PathExtent - 1);
    MagickCore::Image* list = MagickCore::PingImage(info, exception);
    if (exception->severity >= MagickCore::ErrorException)
        SystemLogWrite("CPhotoPing::Ping", QString::fromUtf8(exception->reason ? exception->reason : ""));
    if (list) {
        facts.pageCount = int(MagickCore::GetImageListLength(list));
        MagickCore::Image* rest = MagickCore::SplitImageList(list);
        if (rest)
            MagickCore::DestroyImageList(rest);
        try {
            manager.SetImage(Magick::Image(list)); // takes ownership of the first image
            manager.ReadProperties(CImageManager::FromMagick, nullptr);
            facts.dateTaken = manager.properties.dateTimeOriginal;
            facts.ok = true;
        } catch (const std::exception& error) {
            SystemLogWrite("CPhotoPing::Ping", QString::fromUtf8(error.what()));
        }
        manager.image = Magick::Image();
    }
    MagickCore::DestroyExceptionInfo(exception);
    MagickCore::DestroyImageInfo(info);
    if (!facts.ok)
        facts.pageCount = 0;
    return facts;
}

void CPhotoPing::Release(CImageManager& manager)
{
    manager.image = Magick::Image();
    manager.pages.clear();
#ifdef __GLIBC__
    // Hand the freed decoder and encoder buffers back to the system, so a
    // long batch does not keep a little more of them with every photo.
    malloc_trim(0);
#endif
}
