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

    // ImageMagick's own threads per operation; a batch lowers it so that
    // workers x these threads stay within the cores.
    static void SetThreadLimit(int threads);
    static int ThreadLimit();

    // ImageMagick's memory, map and disk limits, set at start-up below the
    // policy file's ceilings: memory and map a quarter of the machine's
    // memory each, disk half the free space of the temporary folder. Outside
    // a run the workers are the cores (at most 32); a run sets its own count.
    static void SetWorkerCount(int workers);
    static int WorkerCount();

    // The most bytes of pixels that one photo may take: its worker's share
    // of the memory and map limits, and never more than the larger of the
    // two (a photo's pixels live in one of them, not on disk).
    static qint64 PhotoByteLimit();
    // "" when an image of width x height pixels fits within PhotoByteLimit;
    // else a message that gives its size and the limit.
    static QString CheckPhotoSize(qint64 width, qint64 height);
    // The same for every frame of a file, read together.
    static QString CheckFrameSizes(const QList<QSize>& frames);
};
