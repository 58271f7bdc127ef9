#include "PreviewFilterSets.h"

#include <algorithm>

namespace PreviewFilterSets {

bool IsGeometry(quint32 id)
{
    static constexpr quint32 ids[] = {2003, 2004, 2005, 2020, 2030, 3170, 5000, 5002, 5050, 5070, 5080};
    return std::find(std::begin(ids), std::end(ids), id) != std::end(ids);
}

bool IsEditable(const SFilterRecord& record)
{
    switch (record.filterId) {
    case CropId:
    case ResizeId:
        return true;
    case TextMarkId:
        return record.params[6] == 0.0;
    case LogoMarkId:
        return record.params[3] == 0.0;
    default:
        return false;
    }
}

bool IsConstrainedResize(const SFilterRecord& record)
{
    if (record.filterId != ResizeId)
        return false;
    const double mode = record.params[3];
    return mode == 1.0 || mode == 2.0 || mode == 3.0 || (mode == 0.0 && record.params[2] == 1.0);
}

bool HoldsGeometry(const QList<SFilterRecord>& filters)
{
    return std::any_of(filters.cbegin(), filters.cend(),
                       [](const SFilterRecord& record) { return IsGeometry(record.filterId); });
}

bool HoldsId(const QList<SFilterRecord>& filters, quint32 id)
{
    return std::any_of(filters.cbegin(), filters.cend(),
                       [id](const SFilterRecord& record) { return record.filterId == id; });
}

bool HoldsEditable(const QList<SFilterRecord>& filters)
{
    return std::any_of(filters.cbegin(), filters.cend(), IsEditable);
}

} // namespace PreviewFilterSets
