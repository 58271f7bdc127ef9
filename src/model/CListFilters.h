#pragma once

#include "CSingleton.h"
#include "SFilterRecord.h"

#include <QList>
#include <QObject>

// The applied-filter list of the current job, in the order the filters run.
class CListFilters : public QObject, public CSingleton<CListFilters>
{
    Q_OBJECT
public:
    void AddFilter(SFilterRecord record);
    bool RemoveFilter(unsigned short index);
    SFilterRecord GetRecord(unsigned short index) const;
    SFilterRecord GetCurrentRecord() const;
    bool IsEmpty() const;
    int GetActiveCount() const;
    void DragAndDrop(int from, int to);

    QList<SFilterRecord> list;
    int currentIndex = 0;

private:
    friend class CSingleton<CListFilters>;
    CListFilters() = default;
};
