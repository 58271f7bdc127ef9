#pragma once

#include "CFilterFilename.h"
#include "CSingleton.h"
#include "SFormatSettings.h"
#include "SNamingSettings.h"
#include "SOutputSettings.h"

#include <QMutex>
#include <QObject>
#include <QString>
#include <QtGlobal>

// Every setting of the current job except the photo and filter lists, the
// flags of the current run and the preferences that persist between launches.
// Windows, the processing run and the job files read and write the fields
// directly; the capitalised names are the job files' property names.
//
// The renaming, output and format settings come from the bases
// SNamingSettings, SOutputSettings and SFormatSettings: their fields read as
// the profile's own (profile->Quality), and Naming(), Output() and Format()
// give each group whole, for a snapshot or a copy in one assignment.
//
// Process-wide singleton. The preferences are read from the settings store by
// ReadRegistrySettings() and written back only when the profile is destroyed.
class CUserProfile : public QObject,
                     public CSingleton<CUserProfile>,
                     public SNamingSettings,
                     public SOutputSettings,
                     public SFormatSettings
{
    Q_OBJECT
public:
    ~CUserProfile() override;

    // Loads the fourteen preference keys (booleans stored as ints; any
    // non-zero value reads as true).
    void ReadRegistrySettings();
    // Writes the same fourteen keys back (booleans as 0 or 1). Called by the
    // destructor.
    void WriteRegistrySettings();

    // CustomProfile := the Resources folder's "sRGB.icm".
    void SetDefaultCustomProfile();

    // Copies the renaming settings into `filter` and switches its search and
    // replace on, as every caller does before expanding a name.
    void CopyRenamingSettings(CFilterFilename& filter) const;

    // The settings groups, whole.
    SNamingSettings& Naming() { return *this; }
    const SNamingSettings& Naming() const { return *this; }
    SOutputSettings& Output() { return *this; }
    const SOutputSettings& Output() const { return *this; }
    SFormatSettings& Format() { return *this; }
    const SFormatSettings& Format() const { return *this; }

    // Preview status, written by the preview render threads and read by the
    // main window after UpdateStatusBar(). Safe from any thread.
    void SetPreviewProgress(int percent);
    void SetPreviewComment(QString text);
    int GetPreviewProgress() const;
    QString GetPreviewComment() const;

    // 1. The profile's own pattern expander (sample names in the interface).
    CFilterFilename filenameFilter;

    // 2. Interface state.
    bool Step1Preview = true;
    int detailsSortColumn = -1; // -1: the details table is unsorted
    int detailsSortOrder = 0;   // a Qt::SortOrder value
    bool Step2Preview = true;

    // 3. Renaming settings: SNamingSettings.
    // 4. Output settings: SOutputSettings.

    // 5. Folder-monitoring job (only from a job file's Monitor block).
    QString Id;
    QString Name;
    QString Folder;
    bool CreateLog = true;
    bool Overwrite = false;
    bool SilentMode = false;
    int PicCount = 0;
    QString Host;
    bool Type = false;

    // 6. Format settings: SFormatSettings.

    // 7. Processing runs started since the program started.
    int runsThisSession = 0;

    // 8. Preferences (settings store, see ReadRegistrySettings).
    int languageId = 1033;
    int themeId = 0; // 0 light, otherwise dark
    bool useMulticore = true;
    bool contextualMenu = true;
    bool showProfiles = false;
    bool showStartupWizard = true;
    bool monitorLaunch = true;
    bool autoCheck = true;
    int rawDemosaic = 0;
    int rawWhiteBalance = 0;
    int rawHighlight = 0;
    int checkInterval = 1;
    int multipageWrite = 0; // 0 every layer, 1 flatten, 2 first layer only

    // 9. Run flags.
    bool scriptRun = false;     // a script handed in at start is running
    bool silentScript = false;  // the loaded script's Mode is "Silent"
    bool noScreen = false;      // the script runs without a screen: nobody sees or closes its windows
    bool processLog = true;     // write the processing log (a preference)
    bool monitorRun = false;    // the loaded job carries a Monitor block
    bool savedJob = false;      // the job was saved or picked as a profile
    bool builtInProfile = false; // the chosen profile is a built-in one
    int launchCount = 0;        // "Settings/LaunchCounter" after this start's increment

    // 10. Photo shown by the step-1 preview.
    QString previewPath;
    qint64 previewIndex = 0;

    // 12. Shared by the thumbnail views and their loader threads; the profile
    // itself never takes it.
    QMutex thumbnailMutex;

signals:
    void UpdateStatusBar();

private:
    friend class CSingleton<CUserProfile>;
    CUserProfile();
    Q_DISABLE_COPY_MOVE(CUserProfile)

    // 11. Preview status, guarded by m_previewLock.
    mutable QMutex m_previewLock;
    int m_previewProgress = -1;
    QString m_previewComment;
};
