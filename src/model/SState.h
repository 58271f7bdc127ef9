#pragma once

#include "CFilterFilename.h"
#include "SFilterRecord.h"
#include "SFormatSettings.h"
#include "SImageRecord.h"
#include "SNamingSettings.h"
#include "SOutputSettings.h"

#include <QList>

// One undo snapshot of the whole job: the photo and filter lists (shared
// copies, so a snapshot costs nothing until one side changes) and the naming,
// output and format settings of CUserProfile. The monitor job, preferences
// and run flags are not part of a snapshot.
struct SState
{
    QList<SImageRecord> images;
    QList<SFilterRecord> filters;

    bool Step1Preview = true;
    int detailsSortColumn = -1;
    int detailsSortOrder = 0;
    bool Step2Preview = true;

    SNamingSettings naming;
    SOutputSettings output;
    // The profile's pattern expander, every member.
    CFilterFilename filenameFilter;
    SFormatSettings format;

    // The change that produced this snapshot altered only output names.
    bool nameOnly = false;
};
