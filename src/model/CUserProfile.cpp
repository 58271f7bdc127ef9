#include "CUserProfile.h"

#include "Common.h"
#include "Platform.h"
#include "Registry.h"

#include <QMutexLocker>

namespace {
// The preference keys of the settings store, with their defaults.
const char* const kLanguageId = "Settings/Settings.LanguageId";
const char* const kUseMulticore = "Settings/Settings.UseMulticore";
const char* const kContextualMenu = "Settings/Settings.ContextualMenu";
const char* const kShowProfiles = "Settings/Settings.ShowProfiles";
const char* const kShowStartupWizard = "Settings/Settings.ShowStartupWizard";
const char* const kAutoCheck = "Settings/CheckNew.AutoCheck";
const char* const kCheckInterval = "Settings/CheckNew.Interval";
const char* const kProcessLog = "Settings/ProcessEnv.SPLog";
const char* const kMonitorLaunch = "Settings/MonitorLaunch";
const char* const kThemeId = "Settings/Settings.ThemeId";
const char* const kMultipageWrite = "Settings/Settings.MultipageWrite";
const char* const kRawWhiteBalance = "Settings/Settings.RawWhiteBalance";
const char* const kRawHighlight = "Settings/Settings.RawHighlight";
const char* const kRawDemosaic = "Settings/Settings.RawDemosaic";

bool GetRegistryBool(const char* key, bool defaultValue)
{
    return GetRegistryInt(key, defaultValue ? 1 : 0) != 0;
}
} // namespace

CUserProfile::CUserProfile()
{
    // A new job keeps every photo's own name.
    FilenameFormat = QStringLiteral("[Filename]");
    PresetRename = 0;
    DestPath = GetMyPictures();
    SetDefaultCustomProfile();
}

CUserProfile::~CUserProfile()
{
    WriteRegistrySettings();
}

void CUserProfile::ReadRegistrySettings()
{
    languageId = GetRegistryInt(kLanguageId, 1033);
    useMulticore = GetRegistryBool(kUseMulticore, true);
    contextualMenu = GetRegistryBool(kContextualMenu, true);
    showProfiles = GetRegistryBool(kShowProfiles, false);
    showStartupWizard = GetRegistryBool(kShowStartupWizard, true);
    autoCheck = GetRegistryBool(kAutoCheck, true);
    checkInterval = GetRegistryInt(kCheckInterval, 1);
    processLog = GetRegistryBool(kProcessLog, true);
    monitorLaunch = GetRegistryBool(kMonitorLaunch, true);
    themeId = GetRegistryInt(kThemeId, 0);
    multipageWrite = GetRegistryInt(kMultipageWrite, 0);
    rawWhiteBalance = GetRegistryInt(kRawWhiteBalance, 0);
    rawHighlight = GetRegistryInt(kRawHighlight, 0);
    rawDemosaic = GetRegistryInt(kRawDemosaic, 0);
}

void CUserProfile::WriteRegistrySettings()
{
    // One store object for all keys: the settings file is written once.
    SetRegistryInts({
        {kLanguageId, languageId},
        {kUseMulticore, useMulticore ? 1 : 0},
        {kContextualMenu, contextualMenu ? 1 : 0},
        {kShowProfiles, showProfiles ? 1 : 0},
        {kShowStartupWizard, showStartupWizard ? 1 : 0},
        {kAutoCheck, autoCheck ? 1 : 0},
        {kCheckInterval, checkInterval},
        {kProcessLog, processLog ? 1 : 0},
        {kMonitorLaunch, monitorLaunch ? 1 : 0},
        {kThemeId, themeId},
        {kMultipageWrite, multipageWrite},
        {kRawWhiteBalance, rawWhiteBalance},
        {kRawHighlight, rawHighlight},
        {kRawDemosaic, rawDemosaic},
    });
}

void CUserProfile::SetDefaultCustomProfile()
{
    CustomProfile = GetResourcesFolder() + "/sRGB.icm";
}

void CUserProfile::CopyRenamingSettings(CFilterFilename& filter) const
{
    filter.UseSettings(Naming());
}

void CUserProfile::SetPreviewProgress(int percent)
{
    {
        const QMutexLocker locker(&m_previewLock);
        m_previewProgress = percent;
    }
    emit UpdateStatusBar();
}

void CUserProfile::SetPreviewComment(QString text)
{
    {
        const QMutexLocker locker(&m_previewLock);
        m_previewComment = text;
    }
    emit UpdateStatusBar();
}

int CUserProfile::GetPreviewProgress() const
{
    const QMutexLocker locker(&m_previewLock);
    return m_previewProgress;
}

QString CUserProfile::GetPreviewComment() const
{
    const QMutexLocker locker(&m_previewLock);
    return m_previewComment;
}
