#pragma once

#include <QThread>

#include <atomic>

struct SProgressData;

// Base of the preview render thread: the status-line side of a preview
// operation. The progress callbacks of the image engine report to the last
// preview thread that started an operation (CImageManager::SetThread); that
// thread hands the status text to the user profile, which the main window
// shows when signalled. The render thread itself (the photo views) derives
// from this class and adds its requests and rendering.
class CPreviewStatusThread : public QThread
{
public:
    explicit CPreviewStatusThread(QObject* parent = nullptr);
    // Stops receiving progress reports before the object goes away.
    ~CPreviewStatusThread() override;

    // Does nothing while the thread is stopping. Otherwise clears the
    // profile's preview status text when the record's done or abort flag is
    // set, else sets it to the record's status text. The percentage is not
    // shown. Runs on whichever preview thread is reporting; it touches only
    // this base, which outlives a derived worker's own destructor.
    void UpdateStatusBar(SProgressData* record);

    void SetStopping(bool stopping) { m_stopping.store(stopping); }
    bool IsStopping() const { return m_stopping.load(); }

private:
    std::atomic<bool> m_stopping{false};
};
