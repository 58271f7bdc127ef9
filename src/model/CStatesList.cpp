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

    s.naming = p->Naming();
    s.output = p->Output();
    s.filenameFilter = p->filenameFilter;
    s.format = p->Format();

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

    p->Naming() = s.naming;
    p->Output() = s.output;
    p->filenameFilter = s.filenameFilter;
    p->Format() = s.format;
    p->PNGComp = s.format.PNGComp == 0 ? 0 : 1; // PNG compression is an on/off switch
}
