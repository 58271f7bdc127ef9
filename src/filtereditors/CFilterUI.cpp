#include "CFilterUI.h"

#include "CControlImage.h"
#include "CImageManager.h"

#include <QList>
#include <limits>

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
    QList<SFilterRecord> list{record};
    controlFilter->ClearFiltersList();
    controlFilter->AddFiltersList(&list);
    controlFilter->StartPreview(imageRecord.path);
}
