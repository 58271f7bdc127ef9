#include "CListFilters.h"

#include "ListMoves.h"

void CListFilters::AddFilter(SFilterRecord record)
{
    list.append(record);
}

bool CListFilters::RemoveFilter(unsigned short index)
{
    if (index >= list.size())
        return false;
    list.removeAt(index);
    return true;
}

SFilterRecord CListFilters::GetRecord(unsigned short index) const
{
    if (index >= list.size())
        return SFilterRecord();
    return list.at(index);
}

SFilterRecord CListFilters::GetCurrentRecord() const
{
    if (currentIndex < 0 || currentIndex >= list.size())
        return SFilterRecord();
    return list.at(currentIndex);
}

bool CListFilters::IsEmpty() const
{
    return list.isEmpty();
}

int CListFilters::GetActiveCount() const
{
    int count = 0;
    for (const SFilterRecord& record : list)
        count += record.active;
    return count;
}

void CListFilters::DragAndDrop(int from, int to)
{
    MoveListElement(list, from, to);
}
