#include "TraceCapture.h"

#include <QMutexLocker>

TraceCapture* TraceCapture::active = nullptr;
QtMessageHandler TraceCapture::previous = nullptr;

TraceCapture::TraceCapture()
{
    active = this;
    previous = qInstallMessageHandler(&TraceCapture::Handler);
}

TraceCapture::~TraceCapture()
{
    qInstallMessageHandler(previous);
    active = nullptr;
}

void TraceCapture::Handler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (TraceCapture* capture = active) {
        std::function<void()> action;
        {
            const QMutexLocker locker(&capture->lock);
            capture->lines << message;
            if (capture->action && message.contains(capture->actionPiece))
                std::swap(action, capture->action);
        }
        if (action)
            action();
    }
    if (type != QtDebugMsg && previous)
        previous(type, context, message);
}

QStringList TraceCapture::Lines() const
{
    const QMutexLocker locker(&lock);
    return lines;
}

int TraceCapture::Count(const QString& piece, const QString& other) const
{
    const QMutexLocker locker(&lock);
    int count = 0;
    for (const QString& line : lines) {
        if (line.contains(piece) && (other.isEmpty() || line.contains(other)))
            ++count;
    }
    return count;
}

void TraceCapture::OnFirstLine(const QString& piece, std::function<void()> action)
{
    const QMutexLocker locker(&lock);
    actionPiece = piece;
    this->action = std::move(action);
}

void TraceCapture::Clear()
{
    const QMutexLocker locker(&lock);
    lines.clear();
}
