#include "CControlImageThread.h"

#include "CFormatsEnum.h"
#include "CMagickRuntime.h"
#include "CUserProfile.h"
#include "Common.h"
#include "MagickCompat.h"
#include "PreviewFilterSets.h"
#include "TransformMath.h"


#include <chrono>
#include <cmath>

using TransformMath::RoundHalfUp;

namespace {
// Pause between two tries of a load that failed, and the most failed loads
// in one second before the request is given up.
constexpr int RetryPauseMs = 50;
constexpr int FailedLoadsPerSecond = 4;

// The black veil laid over the photo around a crop or resize: alpha 166 of
// 255 darkens what lies under it to about a third.
constexpr int VeilAlpha = 166;

// Wall-clock seconds, for counting failed loads per second.
qint64 NowSeconds()
{
    return std::chrono::duration_cast<std::chrono::seconds>(std::chrono::system_clock::now().time_since_epoch())
        .count();
}

bool IsComposited(quint32 id)
{
    return id == PreviewFilterSets::CropId || id == PreviewFilterSets::ResizeId
        || id == PreviewFilterSets::ResizeAdvancedId;
}
} // namespace

CControlImageThread::CControlImageThread(QObject* parent)
    : CPreviewStatusThread(parent),
      formats(CFormatsEnum::GetInstance()),
      userProfile(CUserProfile::GetInstance())
{
    image.preview = true;
    imageResized.preview = true;
    progress = &image.progress;
}

CControlImageThread::~CControlImageThread()
{
    Stop();
}

double CControlImageThread::FitZoom(double width, double height, int viewportWidth, int viewportHeight)
{
    if (!(width >= 1.0) || !(height >= 1.0) || viewportWidth <= 0 || viewportHeight <= 0)
        return 0.0;
    double zoom = double(viewportWidth) * 100.0 / width;
    if (double(viewportHeight) < std::trunc(zoom * height / 100.0))
        zoom = double(viewportHeight) * 100.0 / height;
    return zoom;
}

// ---- GUI side ----

quint64 CControlImageThread::Post(SPreviewRequest posted)
{
    const std::lock_guard<std::mutex> locker(m_requestLock);
    posted.generation = ++m_lastGeneration;
    if (posted.operation == SPreviewRequest::Load)
        posted.noRepeat = noRepeat.exchange(false);
    m_pending = std::move(posted);
    m_retrying = false;
    // Under the same lock as the thread's taking of a request, so a newer
    // request's abort is never cleared by the start of an older one.
    image.progress.abort = true;
    imageResized.progress.abort = true;
    m_wake.notify_all();
    return m_lastGeneration;
}

quint64 CControlImageThread::Cleanup()
{
    SPreviewRequest clean;
    clean.operation = SPreviewRequest::Clean;
    return Post(clean);
}

bool CControlImageThread::TakeResult(SPreviewResult& result, quint64 after)
{
    const std::lock_guard<std::mutex> locker(m_resultLock);
    if (m_result.generation <= after)
        return false;
    result = std::move(m_result);
    m_result = SPreviewResult();
    return true;
}

void CControlImageThread::Abort()
{
    const std::lock_guard<std::mutex> locker(m_requestLock);
    image.progress.abort = true;
    imageResized.progress.abort = true;
}

void CControlImageThread::Stop()
{
    {
        const std::lock_guard<std::mutex> locker(m_requestLock);
        SetStopping(true);
        image.progress.abort = true;
        imageResized.progress.abort = true;
        m_wake.notify_all();
    }
    wait();
    // QThread's own join is invisible to race detectors: take the lock the
    // thread released last, so that everything it did happens before what
    // follows here.
    const std::lock_guard<std::mutex> locker(m_requestLock);
}

// ---- Render thread ----

void CControlImageThread::run()
{
    SystemLogWrite("run", "");
    qint64 lastSecond = NowSeconds();
    opCount = 0;
    std::unique_lock<std::mutex> locker(m_requestLock);
    while (!IsStopping()) {
        const qint64 now = NowSeconds();
        if (now != lastSecond) {
            // A load that keeps failing is given up once it failed four
            // times within one second.
            if (m_retrying && opCount >= FailedLoadsPerSecond) {
                m_pending.operation = SPreviewRequest::None;
                m_retrying = false;
                locker.unlock();
                SystemLogWrite("run", "- the load keeps failing, given up");
                Publish(false, true);
                locker.lock();
            }
            opCount = 0;
            lastSecond = now;
        }
        if (m_pending.operation == SPreviewRequest::None || m_retrying)
            m_wake.wait_for(locker, std::chrono::milliseconds(RetryPauseMs));
        if (IsStopping())
            break;
        if (m_pending.operation == SPreviewRequest::None)
            continue;

        request = m_pending;
        image.progress.abort = false;
        imageResized.progress.abort = false;
        locker.unlock();

        // A render beside a run takes no more than a worker's share of
        // the cores.
        CMagickRuntime::FollowThreadShare();
        Outcome outcome = Aborted;
        switch (request.operation) {
        case SPreviewRequest::Load:
            outcome = ThreadOpStartPreview();
            break;
        case SPreviewRequest::Zoom:
            outcome = ThreadOpZoom();
            break;
        case SPreviewRequest::Clean:
            ThreadOpCleanup();
            outcome = Cleaned;
            break;
        default:
            break;
        }
        if (outcome == LoadFailed && request.noRepeat) {
            Publish(false, true);
            outcome = Failed;
        }

        locker.lock();
        // A newer request stays pending whatever became of this one.
        if (m_pending.generation == request.generation) {
            m_retrying = outcome == LoadFailed;
            if (!m_retrying)
                m_pending.operation = SPreviewRequest::None;
        }
    }
    image.image = Magick::Image();
    image.pages.clear();
}

bool CControlImageThread::Aborting() const
{
    return image.progress.abort.load() || imageResized.progress.abort.load() || IsStopping();
}

void CControlImageThread::EndStatus()
{
    progress->done = true;
    UpdateStatusBar(progress);
}

void CControlImageThread::Publish(bool shown, bool loadFailed)
{
    SPreviewResult result;
    result.generation = request.generation;
    result.shown = shown;
    result.loadFailed = loadFailed;
    if (shown) {
        result.full = SPreviewRender::Of(image);
        result.resized = SPreviewRender::Of(imageResized);
        result.zoom = usedZoom;
        result.zoomMin = usedZoomMin;
        result.scrollPos = request.scrollPos;
    }
    {
        const std::lock_guard<std::mutex> locker(m_resultLock);
        m_result = std::move(result);
    }
    emit Show();
}

CControlImageThread::Outcome CControlImageThread::ThreadOpStartPreview()
{
    SystemLogWrite("ThreadOpStartPreview", "");
    image.SetThread(this);
    progress->percent = 0;
    progress->done = false;
    progress->statusText = tr("Loading") + "...";
    UpdateStatusBar(progress);

    const QString& path = request.imagePath;
    bool loaded = false;
    if (image.GetPageCount(path) >= 2 && request.multipageSetting == 1) {
        SystemLogWrite("ThreadOpStartPreview", "Read multipage");
        loaded = image.ReadMultipage(path);
    } else {
        SystemLogWrite("ThreadOpStartPreview", "Read singlepage");
        loaded = image.Read(path);
    }
    if (!image.image.isValid())
        SystemLogWrite("ThreadOpStartPreview", "- Image is invalid!");
    if (!loaded) {
        const int dot = path.lastIndexOf('.');
        const QString extension = dot < 0 ? QString() : path.mid(dot + 1);
        if (formats && !extension.isEmpty() && formats->GetRecordById(extension).needsGhostscript)
            emit SignalDisplayGSMessage(extension);
    }
    if (Aborting() || !loaded) {
        SystemLogWrite("ThreadOpStartPreview", "- Abort the operation");
        EndStatus();
        if (loaded)
            return Aborted;
        ++opCount;
        return LoadFailed;
    }

    Magick::Image background;
    bool compositeNeeded = false;
    try {
        compositeNeeded = CheckCompositeOverImage(background);
    } catch (const Magick::Exception& error) {
        SystemLogWrite("ThreadOpStartPreview", QString::fromUtf8(error.what()));
    }

    bool geometry = false;
    bool resize = false;
    for (const SFilterRecord& record : std::as_const(request.filters)) {
        if (Aborting()) {
            EndStatus();
            return Aborted;
        }
        if (!record.active)
            continue;
        image.SetThread(this);
        progress->statusText = tr("Applying '%1' filter").arg(record.name) + "...";
        UpdateStatusBar(progress);
        image.pageNumber = request.photoIndex;
        const bool applied = image.ApplyFilter(record);
        if (Aborting()) {
            EndStatus();
            return Aborted;
        }
        if (!applied) {
            SystemLogWrite("ThreadOpStartPreview", QString("- the filter '%1' failed").arg(record.name));
            EndStatus();
            Publish(false);
            return Failed;
        }
        geometry = geometry || PreviewFilterSets::IsGeometry(record.filterId);
        resize = resize || record.filterId == PreviewFilterSets::ResizeId;
    }

    usedZoom = request.zoom;
    usedZoomMin = request.zoomMin;
    if (geometry && !resize) {
        // The picture changed its size: fit the result itself.
        const double fit = RecalculateMinZoom();
        if (fit > 0.0) {
            usedZoom = fit;
            usedZoomMin = fit;
        }
    }

    if (compositeNeeded && image.image.isValid()) {
        try {
            const long left = (long(background.columns()) - long(image.image.columns())) / 2;
            const long top = (long(background.rows()) - long(image.image.rows())) / 2;
            background.composite(image.image, left, top, Magick::OverCompositeOp);
            image.SetImage(background);
        } catch (const Magick::Exception& error) {
            SystemLogWrite("ThreadOpStartPreview", QString::fromUtf8(error.what()));
        }
    }
    image.AlphaToCheckboard();
    const bool zoomed = Zoom(usedZoom);
    if (Aborting()) {
        EndStatus();
        return Aborted;
    }
    if (!zoomed || !image.image.isValid() || !imageResized.image.isValid()) {
        SystemLogWrite("ThreadOpStartPreview", "- image or imageResized is invalid!");
        EndStatus();
        Publish(false);
        return Failed;
    }
    EndStatus();
    Publish(true);
    return Shown;
}

CControlImageThread::Outcome CControlImageThread::ThreadOpZoom()
{
    progress->percent = 0;
    progress->done = false;
    progress->statusText = tr("Zooming") + "...";
    UpdateStatusBar(progress);
    usedZoom = request.zoom;
    usedZoomMin = request.zoomMin;
    const bool zoomed = Zoom(usedZoom);
    if (Aborting()) {
        EndStatus();
        return Aborted;
    }
    EndStatus();
    const bool shown = zoomed && image.image.isValid();
    Publish(shown);
    return shown ? Shown : Failed;
}

void CControlImageThread::ThreadOpCleanup()
{
    image.image = Magick::Image();
    image.pages.clear();
    image.sourcePath.clear();
    imageResized.image = Magick::Image();
    imageResized.pages.clear();
    imageResized.sourcePath.clear();
    const std::lock_guard<std::mutex> locker(m_resultLock);
    m_result = SPreviewResult();
}

bool CControlImageThread::Zoom(double percent)
{
    const double oldWidth = imageResized.image.isValid() ? double(imageResized.image.columns()) : 0.0;
    const double oldHeight = imageResized.image.isValid() ? double(imageResized.image.rows()) : 0.0;
    if (!image.image.isValid())
        return false;
    imageResized.image = image.image;
    imageResized.pages = image.pages;
    imageResized.properties = image.properties;
    imageResized.sourcePath = image.sourcePath;
    imageResized.SetThread(this);
    if (!imageResized.Zoom(percent))
        return false;

    const double width = double(imageResized.image.columns());
    const double height = double(imageResized.image.rows());
    const double viewWidth = double(request.viewportSize.width());
    const double viewHeight = double(request.viewportSize.height());
    double centreX = 50.0;
    double centreY = 50.0;
    if (request.zoomMin < percent) {
        centreX = (viewWidth * 0.5 + request.scrollPos.x()) * 100.0 / (oldWidth > 0.0 ? oldWidth : width);
        centreY = (viewHeight * 0.5 + request.scrollPos.y()) * 100.0 / (oldHeight > 0.0 ? oldHeight : height);
    }
    request.scrollPos = QPoint(TransformMath::ToInt(RoundHalfUp(width * centreX / 100.0 - viewWidth * 0.5)),
                               TransformMath::ToInt(RoundHalfUp(height * centreY / 100.0 - viewHeight * 0.5)));
    return true;
}

double CControlImageThread::RecalculateMinZoom()
{
    if (!image.image.isValid())
        return 0.0;
    return FitZoom(double(image.image.columns()), double(image.image.rows()), request.viewportSize.width(),
                   request.viewportSize.height());
}

bool CControlImageThread::CheckCompositeOverImage(Magick::Image& background)
{
    bool exists = false;
    bool active = false;
    for (const SFilterRecord& record : std::as_const(request.filters)) {
        if (!IsComposited(record.filterId))
            continue;
        exists = true;
        active = active || record.active != 0;
    }
    if (!active && !(exists && request.compositeBackground))
        return false;
    if (!image.image.isValid())
        return false;
    background = image.image;
    background.gamma(0.4);
    Magick::Image veil(Magick::Geometry(background.columns(), background.rows()),
                       MagickCompat::ColorRgba8(0, 0, 0, VeilAlpha));
    MagickCompat::SetAlpha(veil, true);
    background.composite(veil, 0, 0, Magick::OverCompositeOp);
    return true;
}
