#pragma once

#include "CImageManager.h"
#include "CPreviewStatusThread.h"
#include "SPreviewRequest.h"

#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>

class CFormatsEnum;
class CUserProfile;

// The render thread of one preview view. The view posts requests (load and
// filter a photo, zoom the render, empty the pictures); the thread works on
// the newest one, publishes the result under the hand-off lock and emits
// Show(), queued to the view. A request posted while another runs aborts
// the running one through its image managers' abort flags.
class CControlImageThread : public CPreviewStatusThread
{
    Q_OBJECT
public:
    explicit CControlImageThread(QObject* parent = nullptr);
    // Stops the thread and waits for it.
    ~CControlImageThread() override;

    // ---- GUI side ----
    // Replaces the pending request with this one, aborts the running
    // operation and wakes the thread. Returns the request's generation.
    quint64 Post(SPreviewRequest request);
    // Posts the emptying of both pictures and the path (operation Clean).
    quint64 Cleanup();
    // Moves the last published result into result when its generation is
    // above after; false (result unchanged) otherwise.
    bool TakeResult(SPreviewResult& result, quint64 after);
    // Sets the stop flag and the abort flags, wakes the thread and waits for
    // it without a time limit. Safe to call more than once.
    void Stop();
    // Asks the running operation to stop at its next check.
    void Abort();

    // Set by the owner before a request whose failed load must not be tried
    // again; taken into the next posted request and cleared there.
    std::atomic<bool> noRepeat{false};

    // Both filter passes and both fits of a preview and its thread: the fit
    // zoom of a width x height picture in a viewport, in percent (0 for an
    // empty picture or viewport). A picture is fitted larger than its size
    // when it is smaller than the viewport.
    static double FitZoom(double width, double height, int viewportWidth, int viewportHeight);

signals:
    void Show();
    void SignalDisplayGSMessage(QString extension);

protected:
    void run() override;

private:
    // How an operation ended.
    enum Outcome { Shown, Failed, LoadFailed, Aborted, Cleaned };

    Outcome ThreadOpStartPreview();
    Outcome ThreadOpZoom();
    void ThreadOpCleanup();
    // Scales image into imageResized by percent and moves the scroll
    // position so that the centre of the view stays where it was.
    bool Zoom(double percent);
    double RecalculateMinZoom();
    // Whether a crop or resize is shown over a veiled copy of the photo; the
    // veiled copy goes into background.
    bool CheckCompositeOverImage(Magick::Image& background);

    bool Aborting() const;
    void EndStatus();
    void Publish(bool shown, bool loadFailed = false);

    CFormatsEnum* formats = nullptr;
    CUserProfile* userProfile = nullptr;
    // The request of the running operation, copied from the pending one when
    // it starts (its filters, path, zoom, scroll, viewport, owner and flags).
    SPreviewRequest request;
    CImageManager image;        // the full-size render
    CImageManager imageResized; // the render at the zoom
    SProgressData* progress = nullptr; // image's record: the status text of the thread
    int opCount = 0;                   // failed loads counted in the current second
    double usedZoom = 0.0;             // zoom and fit the picture was scaled by
    double usedZoomMin = 0.0;

    // Hand-over of requests (GUI thread to this thread). Standard locks, so
    // that race detectors see every hand-over.
    std::mutex m_requestLock;
    std::condition_variable m_wake;
    SPreviewRequest m_pending; // operation None when nothing is pending
    quint64 m_lastGeneration = 0;
    bool m_retrying = false;   // the pending request is a failed load tried again

    // Hand-off of results (this thread to the GUI thread).
    std::mutex m_resultLock;
    SPreviewResult m_result;
};
