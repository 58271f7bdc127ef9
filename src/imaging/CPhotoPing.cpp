#include "CPhotoPing.h"

#include "CImageManager.h"
#include "Common.h"
#include "MagickCompat.h"

#include <Magick++.h>

#include <algorithm>
#include <memory>

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

    // By absolute path, as the image is read later: a name never picks a
    // coder by its prefix.
    const std::string file = MagickCompat::FileToRead(path);
    std::unique_ptr<MagickCore::ImageInfo, MagickCore::ImageInfo* (*)(MagickCore::ImageInfo*)> info(
        MagickCore::AcquireImageInfo(), MagickCore::DestroyImageInfo);
    file.copy(info->filename, MagickCompat::PathExtent - 1);
    info->filename[std::min(file.size(), MagickCompat::PathExtent - 1)] = '\0';
    MagickCompat::CoreException exception;
    MagickCore::Image* list = MagickCore::PingImage(info.get(), exception.get());
    if (exception.get()->severity >= MagickCore::ErrorException)
        SystemLogWrite("CPhotoPing::Ping", QString::fromUtf8(exception.get()->reason ? exception.get()->reason : ""));
    if (!list)
        return facts;

    const int pageCount = int(MagickCore::GetImageListLength(list));
    MagickCore::Image* rest = MagickCore::SplitImageList(list);
    if (rest)
        MagickCore::DestroyImageList(rest);
    try {
        manager.SetImage(Magick::Image(list)); // takes ownership of the first image
        manager.ReadProperties(CImageManager::FromMagick, nullptr);
        facts.dateTaken = manager.properties.dateTimeOriginal;
        facts.pageCount = pageCount;
        facts.ok = true;
    } catch (const std::exception& error) {
        SystemLogWrite("CPhotoPing::Ping", QString::fromUtf8(error.what()));
    }
    manager.image = Magick::Image();
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
