#include "CStatesList.h"

#include "CListFilters.h"
#include "CListImages.h"
#include "CUserProfile.h"

#include <utility>

void CStatesList::SaveState(bool nameOnly)
{
    if (m_total < MaxStates && m_total == m_current) {
        WriteState(m_states[m_total], nameOnly);
        ++m_total;
        ++m_current;
    } else if (m_current != MaxStates) {
        // A change after undoing: the undone snapshots cannot be redone any more.
        for (int i = m_current; i < m_total; ++i) {
            m_states[i].images.clear();
            m_states[i].filters.clear();
        }
        WriteState(m_states[m_current], nameOnly);
        m_total = m_current = m_current + 1;
    } else {
        // Full and showing the newest snapshot: the oldest one goes.
        for (int i = 1; i < MaxStates; ++i)
            m_states[i - 1] = std::move(m_states[i]);
        WriteState(m_states[MaxStates - 1], nameOnly);
    }
    emit EnableUndo(m_total >= 2);
    emit EnableRedo(false);
}

void CStatesList::Undo()
{
    if (m_current >= 2) {
        --m_current;
        LoadState(m_states[m_current - 1]);
    }
    m_lastAction = UndoAction;
    emit EnableUndo(m_current >= 2);
    emit EnableRedo(m_current < m_total);
}

void CStatesList::Redo()
{
    if (m_current < m_total) {
        LoadState(m_states[m_current]);
        ++m_current;
    }
    m_lastAction = RedoAction;
    emit EnableUndo(m_current >= 2);
    emit EnableRedo(m_current < m_total);
}

bool CStatesList::NameChangesOnly() const
{
    // After an undo: the snapshot just left; otherwise the one just restored.
    const int index = m_lastAction == UndoAction ? m_current : m_current - 1;
    if (index < 0 || index >= m_total)
        return false;
    return m_states[index].nameOnly;
}

void CStatesList::ClearStatesList()
{
    for (SState& state : m_states) {
        state.images.clear();
        state.filters.clear();
    }
    m_current = 0;
    m_total = 0;
}

const SState& CStatesList::GetState(int index) const
{
    return m_states[qBound(0, index, MaxStates - 1)];
}

// The singletons are looked up on every use, so a history never holds a
// pointer to a list or profile that was deleted and created anew.
void CStatesList::WriteState(SState& s, bool nameOnly) const
{
    const CUserProfile* p = CUserProfile::GetInstance();
    s.images = CListImages::GetInstance()->list;
    s.filters = CListFilters::GetInstance()->list;

    s.Step1Preview = p->Step1Preview;
    s.detailsSortColumn = p->detailsSortColumn;
    s.detailsSortOrder = p->detailsSortOrder;
    s.Step2Preview = p->Step2Preview;

    s.FilenameFormat = p->FilenameFormat;
    s.PresetRename = p->PresetRename;
    s.CounterStart = p->CounterStart;
    s.CountStep = p->CountStep;
    s.CounterDigits = p->CounterDigits;
    s.CounterReset = p->CounterReset;
    s.ChangeCase = p->ChangeCase;
    s.LowerCaseExt = p->LowerCaseExt;
    s.DateType = p->DateType;
    s.DateFormat = p->DateFormat;
    s.ShowTime = p->ShowTime;
    s.TimeFormat = p->TimeFormat;
    s.SearchFor = p->SearchFor;
    s.ReplaceWith = p->ReplaceWith;

    s.OutputFolderStruct = p->OutputFolderStruct;
    s.OutputFolder = p->OutputFolder;
    s.DestPath = p->DestPath;
    s.Multipage = p->Multipage;
    s.OutputFormat = p->OutputFormat;
    s.OpenOutputFolder = p->OpenOutputFolder;
    s.OriginalDate = p->OriginalDate;
    s.DeleteSource = p->DeleteSource;
    s.DisableNotifications = p->DisableNotifications;
    s.HideProcessing = p->HideProcessing;
    s.Destination = p->Destination;
    s.UseSFTP = p->UseSFTP;
    s.SaveOnDiskMail = p->SaveOnDiskMail;
    s.SaveOnDiskFTP = p->SaveOnDiskFTP;
    s.SaveOnDiskFacebook = p->SaveOnDiskFacebook;
    s.SaveOnDiskFlickr = p->SaveOnDiskFlickr;
    s.FTPUser = p->FTPUser;
    s.FTPPassword = p->FTPPassword;
    s.FTPHost = p->FTPHost;
    s.FTPPort = p->FTPPort;
    s.FTPFolder = p->FTPFolder;

    s.filenameFilter = p->filenameFilter;

    s.Quality = p->Quality;
    s.FileSize = p->FileSize;
    s.FixedSize = p->FixedSize;
    s.PNGComp = p->PNGComp;
    s.Interlaced = p->Interlaced;
    s.JpegType = p->JpegType;
    s.TiffType = p->TiffType;
    s.CustomProfile = p->CustomProfile;
    s.TiffAlg = p->TiffAlg;
    s.PdfAlg = p->PdfAlg;
    s.DefaultFormat = p->DefaultFormat;

    s.nameOnly = nameOnly;
}

// The preview switches keep their live values: they follow the panels, not
// the job's history.
void CStatesList::LoadState(const SState& s) const
{
    CUserProfile* p = CUserProfile::GetInstance();
    CListImages::GetInstance()->list = s.images;
    CListFilters::GetInstance()->list = s.filters;

    p->detailsSortColumn = s.detailsSortColumn;
    p->detailsSortOrder = s.detailsSortOrder;

    p->FilenameFormat = s.FilenameFormat;
    p->PresetRename = s.PresetRename;
    p->CounterStart = s.CounterStart;
    p->CountStep = s.CountStep;
    p->CounterDigits = s.CounterDigits;
    p->CounterReset = s.CounterReset;
    p->ChangeCase = s.ChangeCase;
    p->LowerCaseExt = s.LowerCaseExt;
    p->DateType = s.DateType;
    p->DateFormat = s.DateFormat;
    p->ShowTime = s.ShowTime;
    p->TimeFormat = s.TimeFormat;
    p->SearchFor = s.SearchFor;
    p->ReplaceWith = s.ReplaceWith;

    p->OutputFolderStruct = s.OutputFolderStruct;
    p->OutputFolder = s.OutputFolder;
    p->DestPath = s.DestPath;
    p->Multipage = s.Multipage;
    p->OutputFormat = s.OutputFormat;
    p->OpenOutputFolder = s.OpenOutputFolder;
    p->OriginalDate = s.OriginalDate;
    p->DeleteSource = s.DeleteSource;
    p->DisableNotifications = s.DisableNotifications;
    p->HideProcessing = s.HideProcessing;
    p->Destination = s.Destination;
    p->UseSFTP = s.UseSFTP;
    p->SaveOnDiskMail = s.SaveOnDiskMail;
    p->SaveOnDiskFTP = s.SaveOnDiskFTP;
    p->SaveOnDiskFacebook = s.SaveOnDiskFacebook;
    p->SaveOnDiskFlickr = s.SaveOnDiskFlickr;
    p->FTPUser = s.FTPUser;
    p->FTPPassword = s.FTPPassword;
    p->FTPHost = s.FTPHost;
    p->FTPPort = s.FTPPort;
    p->FTPFolder = s.FTPFolder;

    p->filenameFilter = s.filenameFilter;

    p->Quality = s.Quality;
    p->FileSize = s.FileSize;
    p->FixedSize = s.FixedSize;
    p->PNGComp = s.PNGComp == 0 ? 0 : 1; // PNG compression is an on/off switch
    p->Interlaced = s.Interlaced;
    p->JpegType = s.JpegType;
    p->TiffType = s.TiffType;
    p->CustomProfile = s.CustomProfile;
    p->TiffAlg = s.TiffAlg;
    p->PdfAlg = s.PdfAlg;
    p->DefaultFormat = s.DefaultFormat;
}
