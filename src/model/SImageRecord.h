#pragma once

#include <QString>
#include <QtGlobal>

// One photo of the job. A plain value: copied into undo snapshots and into
// the photos a processing run hands out to its workers.
struct SImageRecord
{
    QString path;       // full path, "/" as separator
    QString folder;     // path up to its last "/", without it
    QString baseName;   // file name up to its last "."
    QString extension;  // text after the last ".", spelled as in the path
    qint64 key = 0;     // position in the photo list; the naming counter counts with it
    qint64 folderIndex = 0; // number within its source folder, set per run
};

// Moved in memory as a whole when a list shifts its elements (removing a
// photo from a list of thousands).
Q_DECLARE_TYPEINFO(SImageRecord, Q_RELOCATABLE_TYPE);
