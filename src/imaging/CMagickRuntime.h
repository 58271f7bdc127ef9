#pragma once

#include <QList>
#include <QSize>
#include <QString>
#include <QtGlobal>

// Brings ImageMagick up in one place: points its configuration path at the
// Resources folder (our policy.xml with limits fit for large photos on many
// threads) and installs our security policy, which allows the PostScript and
// PDF coders that the system policy may block. Safe to call more than once.
class CMagickRuntime
{
public:
    static bool Initialize(const char* programPath = nullptr);
    static bool IsInitialized();
    static QString PolicyPath();

    // ImageMagick's own threads per operation. Fixed once at start-up (the
    // cores, or what MAGICK_THREAD_LIMIT or the policy says) and never
    // changed: operations size their per-thread buffers by it while other
    // threads run theirs, so a change in flight would overrun them.
    static int ThreadLimit();

    // The threads one operation should use while a run keeps `workers`
    // photos in work at once: the thread limit shared among them (at least
    // 1). Outside a run (workers 0) an operation may use them all. The run
    // sets it at its start and clears it at its end; nothing of
    // ImageMagick's changes.
    static void SetRunWorkers(int workers);
    static int ThreadShare();
    // Holds the calling thread's own parallel teams (ImageMagick's and the
    // RAW decoder's) to the current share. Affects no other thread and never
    // raises a team above the thread limit, so it is safe at any time; a
    // worker calls it when it starts, a preview before each render.
    static void FollowThreadShare();

    // The memory share of one photo: the run's workers (at most 32), or the
    // cores outside a run. ImageMagick's memory, map and disk limits are set
    // once at start-up below the policy file's ceilings (memory and map a
    // quarter of the machine's memory each, disk half the free space of the
    // temporary folder) and stay fixed as well.
    static void SetWorkerCount(int workers);
    static int WorkerCount();

    // The most bytes of pixels that one photo may take: its worker's share
    // of the memory limit and of the room beyond it (a quarter of the
    // machine's memory, as a mapped cache had), and never more than the
    // larger of the two. ImageMagick maps no file: its map limit is 0.
    static qint64 PhotoByteLimit();
    // "" when an image of width x height pixels fits within PhotoByteLimit;
    // else a message that gives its size and the limit.
    static QString CheckPhotoSize(qint64 width, qint64 height);
    // The same for every frame of a file, read together.
    static QString CheckFrameSizes(const QList<QSize>& frames);
};
