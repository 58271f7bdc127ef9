#pragma once

#include "CFilterFilename.h"
#include "SFilterRecord.h"
#include "SImageRecord.h"

#include <QList>
#include <QString>
#include <QtGlobal>

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

    // Renaming.
    QString FilenameFormat;
    int PresetRename = 0;
    qint64 CounterStart = 1;
    qint64 CountStep = 1;
    int CounterDigits = 2;
    bool CounterReset = false;
    int ChangeCase = 0;
    bool LowerCaseExt = true;
    int DateType = 0;
    int DateFormat = 0;
    int ShowTime = 0;
    int TimeFormat = 0;
    QString SearchFor;
    QString ReplaceWith;

    // Output.
    int OutputFolderStruct = 0;
    QString OutputFolder;
    QString DestPath;
    bool Multipage = false;
    QString OutputFormat;
    bool OpenOutputFolder = true;
    bool OriginalDate = false;
    bool DeleteSource = false;
    bool DisableNotifications = false;
    bool HideProcessing = false;
    int Destination = 1;
    bool UseSFTP = true;
    bool SaveOnDiskMail = false;
    bool SaveOnDiskFTP = false;
    bool SaveOnDiskFacebook = false;
    bool SaveOnDiskFlickr = false;
    QString FTPUser;
    QString FTPPassword;
    QString FTPHost;
    QString FTPPort;
    QString FTPFolder;

    // The profile's pattern expander, every member.
    CFilterFilename filenameFilter;

    // Format.
    int Quality = 88;
    qint64 FileSize = 100;
    bool FixedSize = false;
    int PNGComp = 1;
    int Interlaced = 0;
    int JpegType = 1;
    int TiffType = 2;
    QString CustomProfile;
    int TiffAlg = 0;
    int PdfAlg = 0;
    QString DefaultFormat;

    // The change that produced this snapshot altered only output names.
    bool nameOnly = false;
};
