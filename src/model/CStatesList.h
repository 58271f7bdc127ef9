#pragma once

#include "CSingleton.h"
#include "SState.h"

#include <QObject>

#include <array>

// Undo/redo history of the whole job: up to 50 snapshots. The step panels add
// one after every user change; the main window's Undo and Redo walk it.
// GUI thread only.
class CStatesList : public QObject, public CSingleton<CStatesList>
{
    Q_OBJECT
public:
    static constexpr int MaxStates = 50;

    // Records the live job as the newest snapshot, dropping any redo tail and,
    // when the history is full, the oldest snapshot.
    void SaveState(bool nameOnly);
    // Loads the previous / next snapshot into the live job, when there is one.
    void Undo();
    void Redo();
    // Whether the snapshot just undone or redone changed output names only.
    bool NameChangesOnly() const;
    // Empties the lists of every slot; current and total become 0.
    void ClearStatesList();

    // Snapshots up to and including the one the job shows.
    int GetCurrent() const { return m_current; }
    // Stored snapshots.
    int GetTotal() const { return m_total; }
    // Slot `index` (0..49); a slot past the total holds stale data.
    const SState& GetState(int index) const;

    // Raised by callers while they change the job by program; they store no
    // snapshot while it is set. The history itself never reads it.
    bool suppress = false;

    // Raises `suppress` for its own lifetime and then puts back what it
    // was, on every path out of the caller.
    class SuppressGuard
    {
    public:
        explicit SuppressGuard(CStatesList* states) : m_states(states), m_was(states->suppress)
        {
            m_states->suppress = true;
        }
        ~SuppressGuard() { m_states->suppress = m_was; }
        SuppressGuard(const SuppressGuard&) = delete;
        SuppressGuard& operator=(const SuppressGuard&) = delete;

    private:
        CStatesList* m_states;
        bool m_was;
    };

signals:
    void EnableUndo(bool enable);
    void EnableRedo(bool enable);

private:
    friend class CSingleton<CStatesList>;
    enum LastAction { None = 0, UndoAction = 1, RedoAction = 2 };

    CStatesList() = default;
    void WriteState(SState& state, bool nameOnly) const;
    void LoadState(const SState& state) const;

    std::array<SState, MaxStates> m_states;
    int m_current = 0;
    int m_total = 0;
    int m_lastAction = None;
};
