#include "CImageManager.h"

#include "CShrinkOnLoad.h"
#include "CUserProfile.h"
#include "Common.h"
#include "LayerMode.h"
#include "MagickCompat.h"

#include <list>
#include <utility>

int CImageManager::GetPageCount(QString path)
{
    if (IsSpecialFile(path))
        return 0;
    // A TIFF-based RAW file holds previews in further directories: it is one
    // photo for the RAW decoder, whatever a ping would count.
    if (IdentifyImage(path) == KindRAW)
        return 1;
    try {
        return static_cast<int>(MagickCompat::PingImageCount(MagickCompat::FileToRead(path), [](const char* text) {
            SystemLogWrite("GetPageCount", QString("Warning: %1").arg(QString::fromUtf8(text)));
        }));
    } catch (const Magick::Exception&) {
        return 0;
    } catch (const std::exception&) {
        return 0;
    }
}

bool CImageManager::ReadMultipage(QString path)
{
    multipage = true;
    sourcePath = path;
    pages.clear();
    properties.Clear();
    sourceWasCMYK = false;
    embeddedProfile = Magick::Blob();
    readDamage.clear();
    readDropped.clear();
    readError.clear();
    readSizeHint = QSize();
    shrunkFrom = QSize();
    shrunkTo = QSize();
    const int layerMode = profile ? profile->multipageWrite : EveryLayer;
    if (IsSpecialFile(path)) {
        readError = QStringLiteral("not a regular file");
        image = Magick::Image();
        return false;
    }
    if (!CheckDeclaredSize(path)) {
        image = Magick::Image();
        return false;
    }
    try {
        std::list<Magick::Image> read;
        try {
            Magick::readImages(&read, MagickCompat::FileToRead(path));
        } catch (const Magick::WarningCorruptImage& warning) {
            readDamage = MagickCompat::ExceptionReason(warning);
            SystemLogWrite("ReadMultipage", QString("Warning: %1").arg(QString::fromUtf8(warning.what())));
        } catch (const Magick::Warning& warning) {
            // An unknown TIFF tag and the like: the pages are read, and
            // dropping all but the first would lose the user's layers.
            SystemLogWrite("ReadMultipage", QString("Warning: %1").arg(QString::fromUtf8(warning.what())));
        }
        for (Magick::Image& page : read)
            pages.append(page);
        if (layerMode == Flatten && !pages.isEmpty()) {
            Magick::Image flat;
            Magick::flattenImages(&flat, read.begin(), read.end());
            image = flat;
        }
    } catch (const Magick::Exception&) {
        image = Magick::Image();
        return false;
    } catch (const std::exception&) {
        image = Magick::Image();
        return false;
    }
    if (pages.isEmpty()) {
        image = Magick::Image();
        return false;
    }
    return TakeStateOfPages();
}

// Gives a multi-page read what a single read has: the properties and colour
// state of the photo (the flattened image, else the first page), and sRGB
// pixels for CMYK pages so the writer's profile steps see the same state.
bool CImageManager::TakeStateOfPages()
{
    const bool flattened = profile && profile->multipageWrite == Flatten;
    Magick::Image kept = image;
    try {
        for (Magick::Image& page : pages) {
            DropUnusableProfile(page);
            DropInvalidOrientation(page);
            DropInvalidResolution(page);
        }
        if (flattened) {
            DropUnusableProfile(kept);
            DropInvalidOrientation(kept);
            DropInvalidResolution(kept);
        }
        image = flattened ? kept : pages.first();
        ReadProperties(FromMagick, nullptr);
        sourceWasCMYK = MagickCompat::IsCMYK(image);
        embeddedProfile = image.profile("icc");
    } catch (const Magick::Exception&) {
        image = Magick::Image();
        return false;
    }

    bool converted = true;
    if (flattened) {
        if (MagickCompat::IsCMYK(image))
            converted = ConvertCMYKToSRGB();
        kept = image;
    } else {
        for (Magick::Image& page : pages) {
            if (!MagickCompat::IsCMYK(page))
                continue;
            std::swap(image, page);
            converted = ConvertCMYKToSRGB() && converted;
            std::swap(image, page);
        }
    }
    image = converted ? kept : Magick::Image();
    return converted;
}

bool CImageManager::ReadAndInsertPage(QString path)
{
    const bool result = Read(path);
    if (result) {
        pages.append(image);
        ReadProperties(FromMagick, nullptr);
    }
    image = Magick::Image();
    return result;
}

void CImageManager::LoadEngine(CImageFilters& engine, const SFilterRecord& record) const
{
    engine.SetSourcePath(sourcePath);
    engine.SetRecord(record);
    engine.SetPageIndex(pageNumber);
    engine.SetProperties(properties);
    engine.SetNominalSize(NominalSize());
}

bool CImageManager::ApplyFilter(SFilterRecord record)
{
    filters.SetTarget(&image);
    LoadEngine(filters, record);
    progress.done = false;
    // The abort flag belongs to the preview that asked: a newer request may
    // have set it while this one waited, and clearing it here would let the
    // stale filter run to its end.
    if (preview && image.isValid())
        InstallProgressMonitor(image);
    const bool applied = filters.Apply();
    // From the first filter that depends on the size on, the image is what
    // it would have been after a whole read.
    if (!CShrinkOnLoad::KeepsSize(record.filterId)) {
        shrunkFrom = QSize();
        shrunkTo = QSize();
    }
    // A cancelled operation raises nothing and may leave a partial image.
    if (Aborted())
        return false;
    return applied;
}

bool CImageManager::ApplyFilterToMultipage(SFilterRecord record)
{
    SystemLogWrite("ApplyFilterToMultipage", "");
    const int layerMode = profile ? profile->multipageWrite : EveryLayer;
    if (layerMode == Flatten)
        return ApplyFilter(record);

    // The manager's own engine, so frames, logos and masks stay cached from
    // photo to photo.
    CImageFilters& engine = filters;
    LoadEngine(engine, record);
    bool result = true;
    for (int i = 0; i < pages.size(); ++i) {
        engine.SetTarget(&pages[i]);
        result = engine.Apply() && result;
        if (layerMode == FirstLayerOnly)
            break;
    }
    return result;
}

bool CImageManager::ApplyFilterToCurrentPage(SFilterRecord record)
{
    SystemLogWrite("ApplyFilterToCurrentPage", "");
    if (pages.isEmpty())
        return false;
    CImageFilters& engine = filters;
    LoadEngine(engine, record);
    engine.SetTarget(&pages.last());
    return engine.Apply();
}
