#pragma once

#include "SThumb.h"

#include <QIcon>
#include <QList>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>

#include <atomic>

class QBasicMutex;

// Makes the thumbnails of a thumbnail view off the GUI thread, from the
// JPEG's embedded EXIF thumbnail only, for the rows the view asks for; in
// between, reads the detail texts of the photos added without them (the
// step 1 list adds new photos that way, so that adding many does not hold
// up the window).
//
// The view writes the requested rows and raises the request flag; the loop
// looks every 50 ms and runs one pass over the rows. When no pass is asked
// for and the view has raised the details flag, the loop reads the details
// of records still without them, in row order, a few at a time, and reports
// each batch's rows like a pass; a request of rows goes first. The records, row map
// and icon list belong to the view; every access to them happens with the
// view's mutex held, and only for as long as it takes to read a path or to
// store a result: the file is read with the mutex free, so the GUI thread
// never waits on a slow file. Results go back through the queued
// OnThreadLoadComplete signal.
class CListThumbThread : public QThread
{
    Q_OBJECT
public:
    CListThumbThread();
    ~CListThumbThread() override;

    // Clears the flags and the row being worked on.
    void Init();
    // The shared data of the view (not owned), handed in before start().
    void SetShared(QList<SThumb>* records, QList<int>* rowMap, QList<QIcon>* icons, QBasicMutex* mutex);
    // Side of the icons made: 128 times this (the screen's device pixel
    // ratio, read by the view on the GUI thread, at least 1).
    void SetPixelRatio(int ratio);

    // One pass over the requested rows (loader thread).
    void StartLoadingThumbnails();
    // Loads the record at `recordIndex`, whose path was `path` when the row
    // was read; the result is stored only when the record at that index is
    // still that photo and not loaded. True when an embedded thumbnail was
    // found and stored.
    bool CreateThumbnail(int recordIndex, const QString& path);
    // Reads the details of the records still without them until none is
    // left, a request of rows comes or the thread is to stop (loader thread).
    void ReadDetails();

    // Ends the loop at once, also in the middle of its wait between polls.
    void Stop();

    // Written by the owning view(s), read by the loop between records.
    std::atomic<bool> stopThread{false};
    std::atomic<bool> requestLoad{false};
    std::atomic<int> requestedFirst{0};
    std::atomic<int> requestedLast{-1};
    // First row of the pass being run; -1 between passes.
    std::atomic<int> workingFirst{-1};
    // Records without their details wait (raised by the view with the mutex
    // held; lowered by the loop, also with it held, when none is left).
    std::atomic<bool> detailsWanted{false};

public slots:
    void LoadThumbnails();

signals:
    void OnThreadLoadComplete(int first, int last);

protected:
    void run() override;

private:
    enum class RowState { Gone, Loaded, Todo };
    struct SDetailsTodo
    {
        int row;
        int recordIndex;
        QString path;
    };
    // Up to `most` records without details, from row `from` on and then from
    // the top (mutex held by the caller); empty when none is left.
    QList<SDetailsTodo> FindWithoutDetails(int from, int most) const;
    // Reads the row's record under the mutex.
    RowState ReadRow(int row, int& recordIndex, QString& path);

    QList<SThumb>* records = nullptr;
    QList<int>* rowMap = nullptr;
    QList<QIcon>* icons = nullptr;
    QBasicMutex* mutex = nullptr;
    // The loop's wait between polls; Stop and LoadThumbnails end it early.
    QMutex wakeMutex;
    QWaitCondition wakeCondition;
    std::atomic<int> pixelRatio{1};
};
