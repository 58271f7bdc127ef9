#include "CFilterStatesList.h"

#include <utility>

CFilterStatesList::CFilterStatesList(QObject* parent)
    : QObject(parent)
{
}

void CFilterStatesList::SaveState(SFilterRecord record)
{
    if (m_total < MaxStates && m_total == m_current) {
        m_states[m_total] = std::move(record);
        ++m_total;
        ++m_current;
    } else if (m_current == MaxStates) {
        for (int i = 1; i < MaxStates; ++i)
            m_states[i - 1] = std::move(m_states[i]);
        m_states[MaxStates - 1] = std::move(record);
    } else {
        // The redo tail is dropped.
        m_states[m_current] = std::move(record);
        m_total = m_current = m_current + 1;
    }
}

SFilterRecord CFilterStatesList::Undo()
{
    if (m_current < 2 || m_current > m_total)
        return Shown();
    --m_current;
    return m_states[m_current - 1];
}

SFilterRecord CFilterStatesList::Redo()
{
    if (m_current < 0 || m_current >= m_total)
        return Shown();
    return m_states[m_current++];
}

SFilterRecord CFilterStatesList::Shown() const
{
    if (m_current < 1 || m_current > m_total)
        return SFilterRecord();
    return m_states[m_current - 1];
}
