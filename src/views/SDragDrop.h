#pragma once

#include <QList>
#include <QMetaType>
#include <QtGlobal>

// One move of a drag and drop inside a thumbnail view: the record at `from`
// ends up before the one that was at `to` (`to` equal to the count: last).
struct SDragDrop
{
    qint32 from = 0;
    qint32 to = 0;
    bool operator==(const SDragDrop& other) const { return from == other.from && to == other.to; }
};

Q_DECLARE_METATYPE(SDragDrop)
