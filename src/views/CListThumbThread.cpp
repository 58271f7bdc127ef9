#include "CListThumbThread.h"

#include "CMetadata.h"
#include "CPhotoDetails.h"
#include "Common.h"
#include "ImageProperties.h"
#include "ThumbnailImage.h"

#include <QMutexLocker>

#include <algorithm>
#include <climits>

CListThumbThread::CListThumbThread() = default;

CListThumbThread::~CListThumbThread()
{
    Stop();
    wait();
}

void CListThumbThread::Stop()
{
    const QMutexLocker lock(&wakeMutex);
    stopThread = true;
    wakeCondition.wakeAll();
}

void CListThumbThread::Init()
{
    stopThread = false;
    requestLoad = false;
    workingFirst = -1;
}

void CListThumbThread::SetShared(QList<SThumb>* recordList, QList<int>* rows, QList<QIcon>* iconList,
                                 QBasicMutex* lock)
{
    records = recordList;
    rowMap = rows;
    icons = iconList;
    mutex = lock;
}

void CListThumbThread::SetPixelRatio(int ratio)
{
    pixelRatio = ratio < 1 ? 1 : ratio;
}

void CListThumbThread::LoadThumbnails()
{
    const QMutexLocker lock(&wakeMutex);
    requestLoad = true;
    wakeCondition.wakeAll();
}

void CListThumbThread::run()
{
    SystemLogWrite("CListThumbThread::run", QString());
    while (!stopThread) {
        {
            // Requests are looked at every 50 ms at the latest.
            QMutexLocker lock(&wakeMutex);
            if (!stopThread && !requestLoad)
                wakeCondition.wait(&wakeMutex, 50);
        }
        if (stopThread)
            break;
        if (requestLoad.exchange(false))
            StartLoadingThumbnails();
        else if (detailsWanted)
            ReadDetails();
    }
}

CListThumbThread::RowState CListThumbThread::ReadRow(int row, int& recordIndex, QString& path)
{
    QMutexLocker locker(mutex);
    if (row < 0 || row >= rowMap->size())
        return RowState::Gone;
    recordIndex = rowMap->at(row);
    if (recordIndex < 0 || recordIndex >= records->size())
        return RowState::Gone;
    const SThumb& record = records->at(recordIndex);
    if (record.loaded)
        return RowState::Loaded;
    path = record.path;
    return RowState::Todo;
}

void CListThumbThread::StartLoadingThumbnails()
{
    if (!records || !rowMap || !icons || !mutex)
        return;
    const int first = requestedFirst;
    workingFirst = first;
    if (first > requestedLast) {
        workingFirst = -1;
        emit OnThreadLoadComplete(first, first - 1);
        return;
    }
    for (int r = first; r <= requestedLast && !stopThread; ++r) {
        int recordIndex = -1;
        QString path;
        const RowState state = ReadRow(r, recordIndex, path);
        if (state == RowState::Gone) {
            // Rows were removed while the pass ran: report what was done;
            // the view asks again for what it now shows.
            workingFirst = -1;
            emit OnThreadLoadComplete(requestedFirst, r - 1);
            return;
        }
        if (state == RowState::Todo)
            CreateThumbnail(recordIndex, path);
        if (r >= requestedLast || requestedFirst != workingFirst) {
            workingFirst = -1;
            emit OnThreadLoadComplete(requestedFirst, r);
            return;
        }
    }
    workingFirst = -1;
}

bool CListThumbThread::CreateThumbnail(int recordIndex, const QString& path)
{
    SystemLogWrite("CreateThumbnail", QString::number(recordIndex));
    QImage thumbnail;
    {
        CMetadata metadata;
        metadata.Read(path);
        if (metadata.GetThumbnailSize() > 0)
            thumbnail = MakeShadowedThumbnail(metadata.GetThumbnail(), metadata.GetThumbnailSize(),
                                              128 * pixelRatio);
    }
    const QString tooltip = ReadImageProperties(path);

    QMutexLocker locker(mutex);
    if (recordIndex < 0 || recordIndex >= records->size())
        return false;
    SThumb& record = (*records)[recordIndex];
    if (record.path != path || record.loaded)
        return false;
    record.loaded = true;
    record.tooltip = tooltip;
    if (thumbnail.isNull())
        return false;
    record.hasOwnIcon = true;
    record.iconIndex = qint32(icons->size());
    record.pending = true;
    record.pendingImage = thumbnail;
    // The slot the GUI thread fills when it takes the pending image.
    icons->append(QIcon());
    return true;
}

QList<CListThumbThread::SDetailsTodo> CListThumbThread::FindWithoutDetails(int from, int most) const
{
    QList<SDetailsTodo> found;
    const int rows = int(rowMap->size());
    from = std::clamp(from, 0, rows);
    for (int step = 0; step < rows && found.size() < most; ++step) {
        const int row = (from + step) % rows;
        const int index = rowMap->at(row);
        if (index >= 0 && index < records->size() && !records->at(index).detailed)
            found.append(SDetailsTodo{row, index, records->at(index).path});
    }
    return found;
}

void CListThumbThread::ReadDetails()
{
    if (!records || !rowMap || !mutex)
        return;
    const int batch = 32;
    int from = 0;
    while (!stopThread && !requestLoad) {
        QList<SDetailsTodo> todo;
        {
            QMutexLocker locker(mutex);
            todo = FindWithoutDetails(from, batch);
            if (todo.isEmpty()) {
                detailsWanted = false;
                return;
            }
        }
        int first = INT_MAX;
        int last = -1;
        for (const SDetailsTodo& item : std::as_const(todo)) {
            if (stopThread || requestLoad)
                break;
            SThumb read;
            read.path = item.path;
            CPhotoDetails::Fill(read, true);
            QMutexLocker locker(mutex);
            // Stored only when the record is still that photo.
            if (item.recordIndex >= records->size())
                continue;
            SThumb& record = (*records)[item.recordIndex];
            if (record.path != item.path || record.detailed)
                continue;
            CPhotoDetails::CopyDetails(read, record);
            record.detailed = true;
            first = std::min(first, item.row);
            last = std::max(last, item.row);
        }
        from = todo.constLast().row + 1;
        if (last >= 0)
            emit OnThreadLoadComplete(first, last);
    }
}
