#include "CThumbRequests.h"

CThumbRequests::CThumbRequests()
{
    repaintTimer.setSingleShot(true);
}

CThumbRequests::~CThumbRequests()
{
    Stop();
}

void CThumbRequests::Stop()
{
    loadTimer.stop();
    repaintTimer.stop();
}

bool CThumbRequests::Ask(int first, int last, int rows, const QList<SThumb>& records, const QList<int>& rowMap,
                         bool& someNotLoaded)
{
    someNotLoaded = false;
    if (first == lastRequestedFirst)
        return false;
    lastRequestedFirst = first;
    if (first < 0 || first >= rows)
        return true;
    for (int r = first; r <= last && r < rowMap.size(); ++r) {
        const int index = rowMap.at(r);
        if (index >= 0 && index < records.size() && !records.at(index).loaded) {
            someNotLoaded = true;
            break;
        }
    }
    return true;
}
