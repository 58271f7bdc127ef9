#pragma once

#include "CListThumbThread.h"
#include "SThumb.h"

#include <QList>
#include <QMutex>
#include <QMutexLocker>
#include <QObject>
#include <QTimer>

// The thumbnail requests of a view over the loader thread's records (the
// photo lists and the details table). Once a second the view's load timer
// finds the visible rows: rows whose thumbnail is not made yet are handed to
// the loader thread, the others are brought up to date from their records.
// The same first visible row is asked for once, until Reset (a load
// completed, the view changed or was reordered). The repaint timer
// (single shot) repaints the view's viewport a moment after a change.
//
// A View has the slots ThreadLoadIcons, OnThreadLoadComplete and
// RepaintView, the signal LoadThumbnails and the functions
// FindFirstLastVisibleItems and UpdateItemsImageIndex of the photo list.
class CThumbRequests
{
public:
    CThumbRequests();
    ~CThumbRequests();

    // Connects the view with the loader thread (none: the timers only) and
    // starts the load timer.
    template <class View>
    void Connect(View* view, CListThumbThread* thread);
    // One tick of the load timer for a view of `rows` rows over `records`
    // and `rowMap`, shared under `mutex`.
    template <class View>
    void Tick(View* view, int rows, const QList<SThumb>& records, const QList<int>& rowMap, QBasicMutex* mutex,
              CListThumbThread* thread);

    // The next tick asks again, whatever the first visible row.
    void Reset() { lastRequestedFirst = -1; }
    void RepaintSoon(int msec) { repaintTimer.start(msec); }
    void Stop();

private:
    // With the mutex held and the visible rows found: whether they are asked
    // for (a first row other than the last one asked for) and, in `someNotLoaded`,
    // whether one of them lacks its thumbnail.
    bool Ask(int first, int last, int rows, const QList<SThumb>& records, const QList<int>& rowMap,
             bool& someNotLoaded);

    QTimer loadTimer;
    QTimer repaintTimer;
    int lastRequestedFirst = -1;
};

template <class View>
void CThumbRequests::Connect(View* view, CListThumbThread* thread)
{
    if (thread) {
        QObject::connect(view, &View::LoadThumbnails, thread, &CListThumbThread::LoadThumbnails,
                         Qt::QueuedConnection);
        QObject::connect(thread, &CListThumbThread::OnThreadLoadComplete, view, &View::OnThreadLoadComplete,
                         Qt::QueuedConnection);
    }
    QObject::connect(&loadTimer, &QTimer::timeout, view, &View::ThreadLoadIcons);
    QObject::connect(&repaintTimer, &QTimer::timeout, view, &View::RepaintView);
    loadTimer.start(1000);
}

template <class View>
void CThumbRequests::Tick(View* view, int rows, const QList<SThumb>& records, const QList<int>& rowMap,
                          QBasicMutex* mutex, CListThumbThread* thread)
{
    int first = -1;
    int last = -1;
    bool someNotLoaded = false;
    {
        QMutexLocker locker(mutex);
        view->FindFirstLastVisibleItems(first, last);
        if (!Ask(first, last, rows, records, rowMap, someNotLoaded))
            return;
    }
    if (someNotLoaded && thread) {
        thread->requestedFirst = first;
        thread->requestedLast = last;
        emit view->LoadThumbnails();
    } else {
        view->UpdateItemsImageIndex(first, last);
    }
}
