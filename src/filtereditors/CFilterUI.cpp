#include "CFilterUI.h"

#include "CImageManager.h"

#include <QList>
#include <limits>

// The filtered view comes with the preview widget; until it is part of the
// build a page simply has nothing to render on.
#if __has_include("CControlImage.h")
#include "CControlImage.h"
#define GB_HAS_CONTROL_IMAGE 1
#endif

CFilterUI::CFilterUI(int id) : filtersEnum(CFiltersEnum::GetInstance()), filterId(id)
{
    // The registry is keyed by 16-bit ids: a larger id must not wrap onto
    // another filter's row.
    if (id > 0 && id <= std::numeric_limits<unsigned short>::max())
        filterType = filtersEnum->GetRecordById(static_cast<unsigned short>(id));
}

void CFilterUI::PingImage()
{
    imageWidth = 0;
    imageHeight = 0;
    imageRatio = 1.0;
    if (imageRecord.path.isEmpty())
        return;
    CImageManager manager;
    if (!manager.Ping(imageRecord.path))
        return;
    imageWidth = qint64(manager.properties.width);
    imageHeight = qint64(manager.properties.height);
    if (imageWidth > 0 && imageHeight > 0)
        imageRatio = double(imageWidth) / double(imageHeight);
}

void CFilterUI::StartPreview(SFilterRecord record)
{
    if (!controlFilter)
        return;
    record.filterId = quint32(filterId);
    record.name = filterType.name;
    record.active = 1;
#ifdef GB_HAS_CONTROL_IMAGE
    QList<SFilterRecord> list{record};
    controlFilter->ClearFiltersList();
    controlFilter->AddFiltersList(&list);
    controlFilter->StartPreview(imageRecord.path);
#endif
}
