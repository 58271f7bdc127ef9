#include "CControlImage.h"

#include "CDialogGSWarning.h"
#include "CHardwareProfile.h"
#include "CImageCache.h"
#include "CUserProfile.h"
#include "Common.h"
#include "DisplayConversions.h"
#include "PreviewFilterSets.h"
#include "TransformMath.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QResizeEvent>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

using TransformMath::RoundHalfUp;

namespace {
int RoundToInt(double value)
{
    return TransformMath::ToInt(RoundHalfUp(value));
}

bool GeometryWithoutResize(const QList<SFilterRecord>& filters)
{
    return PreviewFilterSets::HoldsGeometry(filters)
        && !PreviewFilterSets::HoldsId(filters, PreviewFilterSets::ResizeId);
}
} // namespace

CControlImage::CControlImage(QWidget* parent)
    : QScrollArea(parent),
      userProfile(CUserProfile::GetInstance()),
      hardwareProfile(CHardwareProfile::GetInstance()),
      imageCache(CImageCache::GetInstance())
{
    pixmapPlaceholder = imageCache->GetPixmap("Preview-Placeholder.png", false);
    pixmapRotate = imageCache->GetPixmap("Cursor-Rotate.png", false);
    if (userProfile->themeId != 0)
        pixmapPlaceholder = CreateTransparentPixmap(pixmapPlaceholder, 20);
    pixmapShown = pixmapPlaceholder;
    // UpdateFilterInterface carries records, also through queued connections.
    SFilterRecord::RegisterMetaType();
    // The view pans and zooms by itself.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    ThreadCreate();
}

CControlImage::~CControlImage()
{
    thread.Stop();
}

void CControlImage::ThreadCreate()
{
    connect(&thread, &CControlImageThread::Show, this, &CControlImage::Showup, Qt::QueuedConnection);
    connect(&thread, &CControlImageThread::SignalDisplayGSMessage, this, &CControlImage::DisplayGSMessage,
            Qt::QueuedConnection);
    thread.start(QThread::InheritPriority);
}

double CControlImage::DevicePixelRatio() const
{
    return devicePixelRatioF();
}

// ---- Filters ----

void CControlImage::ClearFiltersList()
{
    filters.clear();
}

void CControlImage::AddFiltersList(QList<SFilterRecord>* list)
{
    if (list)
        filters.append(*list);
}

void CControlImage::AddFilter(SFilterRecord record)
{
    filters.append(record);
}

bool CControlImage::SpecialFilters() const
{
    return PreviewFilterSets::HoldsGeometry(filters);
}

bool CControlImage::ResizeFilters() const
{
    return PreviewFilterSets::HoldsId(filters, PreviewFilterSets::ResizeId);
}

bool CControlImage::DragAndDropFilters() const
{
    return PreviewFilterSets::HoldsEditable(filters);
}

bool CControlImage::EditLock() const
{
    return editMode && filters.size() == 1 && PreviewFilterSets::IsEditable(filters.first());
}

// ---- Requests ----

SPreviewRequest CControlImage::MakeRequest(int operation) const
{
    SPreviewRequest request;
    request.operation = operation;
    request.imagePath = imagePath;
    // Under the edit lock the photo is rendered bare and the record drawn
    // over it.
    if (!EditLock())
        request.filters = filters;
    request.zoom = zoomRequested;
    request.zoomMin = zoomMin;
    request.scrollPos = scrollPos;
    request.viewportSize = viewportSize;
    request.owner = this;
    request.compositeBackground = editMode;
    request.photoIndex = userProfile->previewIndex;
    request.multipageSetting = userProfile->multipageWrite;
    return request;
}

double CControlImage::ComputeMinZoom()
{
    const double ratio = DevicePixelRatio();
    viewportSize = QSize(RoundToInt(width() * ratio), RoundToInt(height() * ratio));
    if (image.properties.width == 0 || image.properties.height == 0)
        return 0.0;
    double referenceWidth = double(image.properties.width);
    double referenceHeight = double(image.properties.height);
    // A result that changed its size is fitted on its own size, once there
    // is one.
    if (GeometryWithoutResize(filters) && image.image.isValid()) {
        referenceWidth = double(image.image.columns());
        referenceHeight = double(image.image.rows());
    }
    return CControlImageThread::FitZoom(referenceWidth, referenceHeight, viewportSize.width(),
                                        viewportSize.height());
}

bool CControlImage::StartPreview(QString path)
{
    if (!previewOn || path.isEmpty() || !QFileInfo::exists(path))
        return false;
    busy = true;
    imagePath = path;
    image.Ping(imagePath);
    zoomMin = ComputeMinZoom();

    if (path == lastPath && !GeometryWithoutResize(filters)) {
        zoomRequested = zoom;
    } else {
        scrollPos = QPoint(0, 0);
        zoomRequested = zoomMin;
    }
    if (friendView && !GeometryWithoutResize(filters) && !PreviewFilterSets::HoldsEditable(filters)
        && friendView->shown && friendView->imagePath == imagePath && zoomMin != zoomRequested) {
        scrollPos = friendView->scrollPos;
        zoomRequested = friendView->zoom;
        if (friendView->copyMinZoom)
            zoomMin = friendView->zoomMin;
    }
    // An unknown size or a view without size has no fit: never ask the
    // engine for a zoom of 0, show the photo at its own size instead.
    if (!(zoomRequested > 0.0) || !std::isfinite(zoomRequested))
        zoomRequested = 100.0;
    zoom = zoomRequested;

    m_generation = thread.Post(MakeRequest(SPreviewRequest::Load));
    lastPath = path;
    return true;
}

bool CControlImage::ZoomPreview(float percent)
{
    if (!shown || busy || (friendView && friendView->busy))
        return false;
    zoomRequested = percent;
    if (zoomRequested == zoom)
        return true;
    if (RoundHalfUp(percent) == 0.0)
        zoomRequested = zoomMin;
    if (!(zoomRequested > 0.0) || !std::isfinite(zoomRequested))
        return false;
    zoom = zoomRequested;
    if (RoundHalfUp(zoom) > RoundHalfUp(zoomMin) && previewOn)
        setCursor(Qt::OpenHandCursor);
    else
        setCursor(Qt::ArrowCursor);
    m_generation = thread.Post(MakeRequest(SPreviewRequest::Zoom));
    return true;
}

bool CControlImage::ZoomIn()
{
    if (EditLock() || zoom >= zoomMax)
        return true;
    return ZoomPreview(float(std::min(zoomMax, zoom * 1.5)));
}

bool CControlImage::ZoomOut()
{
    if (EditLock())
        return true;
    zoomMin = ComputeMinZoom();
    if (zoomMin >= zoom)
        return true;
    return ZoomPreview(float(std::max(zoomMin, zoom / 1.5)));
}

bool CControlImage::ZoomToFit()
{
    if (EditLock())
        return true;
    zoomMin = ComputeMinZoom();
    return ZoomPreview(0.0f);
}

bool CControlImage::ZoomToMatch()
{
    if (EditLock())
        return true;
    return ZoomPreview(100.0f);
}

void CControlImage::Cleanup()
{
    m_generation = thread.Cleanup();
    image.image = Magick::Image();
    image.pages.clear();
    imageResized.image = Magick::Image();
    imageResized.pages.clear();
    pixmapShown = pixmapPlaceholder;
    imagePath.clear();
    shown = false;
    // Whatever was on its way is dropped with its generation.
    busy = false;
    emit ZoomCleared();
}

int CControlImage::LargestZoomPercent()
{
    // A photo at least one pixel wide and high fits at no more than 100
    // times the view's side in device pixels.
    int side = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QSize size = screen->size() * screen->devicePixelRatio();
        side = std::max({side, size.width(), size.height()});
    }
    return 100 * std::max(side, 1);
}

QString CControlImage::ZoomText(int percent)
{
    return QString::number(percent) + "%";
}

void CControlImage::FitZoomLabel(QLabel* label)
{
    if (!label)
        return;
    const QString kept = label->text();
    label->setText(ZoomText(LargestZoomPercent()));
    const int width = std::max(label->minimumWidth(), label->sizeHint().width());
    label->setText(kept);
    label->setFixedWidth(width);
}

bool CControlImage::ThreadClose()
{
    thread.Stop();
    return true;
}

// ---- Results and display ----

bool CControlImage::Showup()
{
    SystemLogWrite("Showup", "");
    SPreviewResult result;
    if (!thread.TakeResult(result, m_handled))
        return false;
    m_handled = result.generation;
    // A result of an older request: the newer one is on its way.
    if (result.generation != m_generation)
        return false;
    if (result.loadFailed) {
        // A photo that cannot be read shows the placeholder, never the
        // photo shown before it.
        SystemLogWrite("Showup", "- the photo could not be read: " + imagePath);
        ShowBlank();
        Cleanup();
        return false;
    }
    if (!result.shown) {
        // A filter failed or the request was given up: the previous picture
        // stays.
        busy = false;
        return false;
    }
    result.full.Into(image);
    result.resized.Into(imageResized);

    zoom = result.zoom;
    zoomMin = result.zoomMin;
    scrollPos = result.scrollPos;
    busy = false;
    shown = true;
    UpdateView();
    emit UpdateZoomPercent(RoundToInt(zoom));
    return true;
}

bool CControlImage::UpdateView()
{
    if (!previewOn)
        return false;
    if (!imageResized.image.isValid()) {
        SystemLogWrite("UpdateView", "- imageResized is invalid!");
        return false;
    }
    const int pictureWidth = int(imageResized.image.columns());
    const int pictureHeight = int(imageResized.image.rows());
    const int x = std::clamp(scrollPos.x(), 0, std::max(0, pictureWidth - viewportSize.width()));
    const int y = std::clamp(scrollPos.y(), 0, std::max(0, pictureHeight - viewportSize.height()));
    const int w = std::min(pictureWidth, viewportSize.width());
    const int h = std::min(pictureHeight, viewportSize.height());
    pixmapShown = imageResized.ImageToPixmap(QRect(x, y, w, h));
    RedrawPreview(false, false);
    return true;
}

void CControlImage::SizeLabelToView()
{
    if (!imageLabel)
        return;
    // The label shows its picture centred in the view. A picture larger
    // than the view (the placeholder in a small preview) must not widen the
    // scrolled contents, which start at the left and so would push the
    // picture off centre.
    if (imageLabel->sizePolicy().horizontalPolicy() != QSizePolicy::Ignored
        || imageLabel->sizePolicy().verticalPolicy() != QSizePolicy::Ignored)
        imageLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    imageLabel->resize(size());
}

void CControlImage::RedrawPreview(bool keepOverlayGeometry, bool noDarken)
{
    SizeLabelToView();
    if (editMode)
        DrawEditOverlay(keepOverlayGeometry, noDarken);
    pixmapShown.setDevicePixelRatio(DevicePixelRatio());
    if (imageLabel)
        imageLabel->setPixmap(pixmapShown);
    neverDrawn = false;
}

void CControlImage::ShowBlank()
{
    setCursor(Qt::ArrowCursor);
    pixmapShown = pixmapPlaceholder;
    RedrawPreview(false, true);
    if (overlayLabel)
        overlayLabel->hide();
}

void CControlImage::ShowPlaceholder()
{
    SizeLabelToView();
    pixmapShown = pixmapPlaceholder;
    if (imageLabel)
        imageLabel->setPixmap(pixmapShown);
}

void CControlImage::ResizeBackground()
{
    SizeLabelToView();
}

void CControlImage::UpdatePreview()
{
    if (!shown || !previewOn)
        return;
    const double oldMin = zoomMin;
    zoomMin = ComputeMinZoom();
    // A fitted photo (or one that had no fit yet) is fitted again.
    if (RoundHalfUp(zoom) <= RoundHalfUp(oldMin) || !(oldMin > 0.0)) {
        if (ZoomPreview(0.0f))
            return;
    }
    UpdateView();
}

void CControlImage::resizeEvent(QResizeEvent* event)
{
    if (shown) {
        ShowBlank();
        if (panelTransition) {
            SizeLabelToView();
            if (*panelTransition)
                UpdateView();
            else
                UpdatePreview();
        }
    }
    QScrollArea::resizeEvent(event);
}

void CControlImage::wheelEvent(QWheelEvent* event)
{
    // Neither scrolls nor zooms: the wheel belongs to the page around.
    event->ignore();
}

void CControlImage::SynchronizeFriend()
{
    if (!friendView || !friendView->image.image.isValid() || !image.image.isValid())
        return;
    const double width = double(image.image.columns());
    const double height = double(image.image.rows());
    const double friendWidth = double(friendView->image.image.columns());
    const double friendHeight = double(friendView->image.image.rows());
    if (width == friendWidth && height == friendHeight) {
        friendView->scrollPos = scrollPos;
    } else {
        friendView->scrollPos = QPoint(RoundToInt(scrollPos.x() / (width / friendWidth)),
                                       RoundToInt(scrollPos.y() / (height / friendHeight)));
    }
    friendView->UpdateView();
}

void CControlImage::DisplayGSMessage(QString extension)
{
    CDialogGSWarning notice(this);
    if (notice.ShowDialog(extension))
        notice.exec();
}
