#pragma once

#include <QString>
#include <QtGlobal>

// The renaming settings of a job: how output files are named. Held by
// CUserProfile (the job's own, edited by the renaming dialog and step 2), by
// every CFilterFilename (the copy an expansion uses) and by every undo
// snapshot; each holder copies the whole struct with one assignment.
// Defaults are those of a fresh CFilterFilename.
struct SNamingSettings
{
    QString FilenameFormat;    // the pattern
    int PresetRename = 3;      // 0 own name, 1 folder name, 2 date, 3 custom pattern
    qint64 CounterStart = 1;
    qint64 CountStep = 1;
    int CounterDigits = 2;     // minimum number of counter digits
    bool CounterReset = false; // the counter restarts in every source folder
    int ChangeCase = 0;        // 0 keep, 1 lower, 2 upper, 3 capitalise words
    bool LowerCaseExt = true;
    int DateType = 0;          // 0 the photo's date, otherwise now
    int DateFormat = 0;        // 0..11, see CFilterFilename::ComputeDateTime
    int ShowTime = 0;          // 0 12-hour clock, 1 24-hour clock, other: no time
    int TimeFormat = 0;        // 0 hh-mm, 1 hh-mm-ss, other: no time
    QString SearchFor;
    QString ReplaceWith;
};
