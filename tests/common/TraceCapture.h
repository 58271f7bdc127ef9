#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>

#include <functional>

// Records the trace lines (Qt debug output) written while it lives, from any
// thread. Only one capture may be alive at a time.
class TraceCapture
{
public:
    TraceCapture();
    ~TraceCapture();
    TraceCapture(const TraceCapture&) = delete;
    TraceCapture& operator=(const TraceCapture&) = delete;

    QStringList Lines() const;
    // Lines that contain every one of the given pieces.
    int Count(const QString& piece, const QString& other = QString()) const;
    bool Contains(const QString& piece, const QString& other = QString()) const
    {
        return Count(piece, other) > 0;
    }
    void Clear();
    // Runs `action` once, on the thread that traces it, when the first line
    // containing `piece` is written: a test steps in at that point of a run
    // (the worker waits until the action returns).
    void OnFirstLine(const QString& piece, std::function<void()> action);

private:
    static void Handler(QtMsgType type, const QMessageLogContext& context, const QString& message);
    static TraceCapture* active;
    static QtMessageHandler previous;

    mutable QMutex lock;
    QStringList lines;
    QString actionPiece;
    std::function<void()> action;
};
