#pragma once

#include "SThumb.h"

#include <QCache>
#include <QMutex>
#include <QString>

// The size and detail texts of photos as they were read, kept by path with
// the file's size, modification time and inode. The photo views are rebuilt
// from the job's photo list on every step change, view change, sort, undo
// and redo; a photo whose file has not changed since it was read is not read
// again. Safe from any thread: the step 1 list's loader reads new photos.
class CPhotoDetails
{
public:
    // Fills the size (always) and the detail texts of `thumb` for its path:
    // the kept ones while the file is unchanged, otherwise, with `readNew`,
    // from a read done now and kept. False when the texts are still to read
    // (a new or changed file and not `readNew`; the texts are then empty);
    // true for a path with no file.
    static bool Fill(SThumb& thumb, bool readNew);
    // Copies the size and detail texts of one record into another.
    static void CopyDetails(const SThumb& from, SThumb& to);
    // Forgets every photo read.
    static void Forget();

    // The most photos kept; beyond it the least recently used go.
    static constexpr int MaxPhotos = 50000;

private:
    // What a read found; the orientation and colour are kept as codes, so
    // that their texts follow the language in use.
    struct SEntry
    {
        qint64 size = 0;
        qint64 modifiedSeconds = 0;
        qint64 modifiedNanoseconds = 0;
        quint64 inode = 0;
        QString dateTaken;
        QString dimensions;
        QString camera;
        QString coordinates;
        QString altitude;
        QString fStop;
        QString exposure;
        QString iso;
        QString dpi;
        int orientation = 0;
        int colourSpace = 0;
    };

    static QCache<QString, SEntry>& Entries();
    static QMutex& Lock();
    static void Read(const QString& path, SEntry& entry);
    static void Copy(const SEntry& entry, SThumb& thumb);
};
