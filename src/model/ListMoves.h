#pragma once

#include <QList>

// Drag-and-drop move shared by the photo and filter lists: the element at
// `from` ends up before the element that stood at `to`; `to` equal to the
// count means after the last one. Out-of-range indices change nothing.
template <typename T>
void MoveListElement(QList<T>& list, int from, int to)
{
    const int count = int(list.size());
    if (from == to || from < 0 || from >= count || to < 0 || to > count)
        return;
    const T item = list.at(from);
    list.removeAt(from);
    if (to == count)
        list.append(item);
    else if (from > to)
        list.insert(to, item);
    else
        list.insert(to - 1, item);
}
