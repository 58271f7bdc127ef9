#pragma once

#include "SFilterRecord.h"

#include <QObject>

#include <array>

// Undo/redo history of the one filter record edited in a filter settings
// dialog: up to 50 versions. GUI thread only.
class CFilterStatesList : public QObject
{
    Q_OBJECT
public:
    static constexpr int MaxStates = 50;

    explicit CFilterStatesList(QObject* parent = nullptr);
    ~CFilterStatesList() override = default;

    // Stores a copy as the newest version, dropping any redo tail and, when
    // the history is full, the oldest version.
    void SaveState(SFilterRecord record);
    // Steps back and returns the version now shown. At the oldest version
    // nothing moves and the shown version (or an empty record) is returned.
    SFilterRecord Undo();
    // Returns the next version and steps forward. At the newest version
    // nothing moves and the shown version (or an empty record) is returned.
    SFilterRecord Redo();

    // Versions up to and including the shown one.
    int GetCurrent() const { return m_current; }
    // Stored versions.
    int GetTotal() const { return m_total; }

    // Set and cleared by the dialog alone: the next stored version is the
    // undone or redone record itself and is skipped. Never read here.
    quint8 skipNextSave = 0;

private:
    SFilterRecord Shown() const;

    std::array<SFilterRecord, MaxStates> m_states;
    int m_current = 0;
    int m_total = 0;
};
