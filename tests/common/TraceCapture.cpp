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
        const QMutexLocker locker(&capture->lock);
        capture->lines << message;
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

void TraceCapture::Clear()
{
    const QMutexLocker locker(&lock);
    lines.clear();
}
