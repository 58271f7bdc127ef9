#include "FilterPageKit.h"

#include "CFilterUI.h"

#include <algorithm>

namespace FilterPageKit {

SFilterRecord Record(const QList<double>& numbers)
{
    SFilterRecord record;
    record.numParams = quint8(numbers.size());
    std::copy(numbers.begin(), numbers.end(), record.params);
    return record;
}

QList<double> Numbers(CFilterUI& page)
{
    SFilterRecord record;
    page.Save(record);
    return QList<double>(record.params, record.params + record.numParams);
}

} // namespace FilterPageKit
