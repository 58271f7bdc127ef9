#pragma once

#include "CControlImageThread.h"
#include "CImageFilters.h"
#include "CImageManager.h"
#include "EditGeometry.h"
#include "SFilterRecord.h"

#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QScrollArea>
#include <QSize>
#include <QString>

class CHardwareProfile;
class CImageCache;
class CUserProfile;
class QLabel;

// The zoomable live preview of one photo. The owner hands it a list of filter
// records and a photo path; the embedded render thread reads the photo,
// applies the filters, scales the result to the zoom and announces it, and
// the view copies the result and shows the visible part in imageLabel.
// Dragging pans a zoomed picture. In edit mode (the filtered view of the
// filter settings dialog) one crop, resize or untiled mark record is drawn
// as an overlay in overlayLabel and edited with the mouse; every drag step
// emits UpdateFilterInterface with the changed record.
//
// Split by concern:
//   CControlImage.cpp         requests, zoom, results and display
//   CControlImageEditing.cpp  mouse handling and the edit overlay
class CControlImage : public QScrollArea
{
    Q_OBJECT
public:
    explicit CControlImage(QWidget* parent = nullptr);
    // Stops the render thread and waits for it.
    ~CControlImage() override;

    // ---- Requests ----
    void ClearFiltersList();
    void AddFiltersList(QList<SFilterRecord>* list);
    void AddFilter(SFilterRecord record);
    // Asks for path rendered with the filters. False (nothing changes) when
    // the preview is off, the path is empty or the file does not exist.
    bool StartPreview(QString path);
    // Asks for the render scaled to percent (a rounded 0 means the fit).
    // False before anything was shown, while this view or its friend is
    // busy, or when no zoom can be worked out.
    bool ZoomPreview(float percent);
    // The fit zoom of the requested photo in the view, in percent; 0 when the
    // photo's size is unknown or the view has no size.
    double ComputeMinZoom();
    void ShowBlank();
    void ShowPlaceholder();
    // Shows the visible part of the render at the current scroll position;
    // false while the preview is off or nothing was rendered.
    bool UpdateView();
    void ResizeBackground();
    // Refits or repaints after the owner changed the view's size.
    void UpdatePreview();
    // Back to nothing shown: both pictures emptied (here and, by a request,
    // in the thread), the placeholder shown, the path forgotten.
    void Cleanup();
    bool ThreadClose();
    bool SpecialFilters() const;
    bool ResizeFilters() const;
    bool DragAndDropFilters() const;

    // ---- Zoom text ----
    // The largest zoom a view can show, in percent: a photo of one pixel
    // fitted into a view as large as the largest screen.
    static int LargestZoomPercent();
    // The text of a zoom ("250%").
    static QString ZoomText(int percent);
    // Gives `label` the width of the text of the largest zoom, so that no
    // zoom text is cut.
    static void FitZoomLabel(QLabel* label);

    // The edit lock: edit mode with one record that is edited on the
    // picture. The thread then renders the bare photo and zooming does
    // nothing.
    bool EditLock() const;

    // ---- On-image editing ----
    // The area code (EditGeometry::Area) of a point against the overlay;
    // 11 (outside) without an overlay label.
    int DetermineAreaOnWatermark(int x, int y);
    // The cursor for an area: mode 1 on a press, 2 on hover, 3 for a resize
    // frame.
    void ShowCursor(int area, int mode);
    // The overlay pixmap of a record and its rectangle in view coordinates
    // (a null pixmap when there is nothing to draw).
    void RefreshText(QPixmap& pixmap, QRect& rect, SFilterRecord record);
    void RefreshLogo(QPixmap& pixmap, QRect& rect, SFilterRecord record);
    void RefreshCrop(QPixmap& pixmap, QRect& rect, SFilterRecord record);
    // A pixel-sized resize that keeps the aspect ratio gets the width and
    // height actually used.
    void RefreshResize(QPixmap& pixmap, QRect& rect, SFilterRecord& record);
    // Anchor position and offsets (photo pixels, or percent of the fitted
    // picture) of a box placed on the fitted picture.
    void UpdateFilterAnnotateControls(int& position, double& offsetX, double& offsetY, bool& inside, bool& sideHit,
                                      long x, long y, long width, long height, bool percent);
    // Keeps a box on the fitted picture; side is an EditGeometry::Side code.
    void RestrictWatermarkCoordinates(bool& inside, bool& sideHit, long& x, long& y, int& side, long width,
                                      long height);
    void DrawCornerGuides(QPixmap* pixmap);
    void DrawEdgeGuides(QPixmap* pixmap);
    void DrawAnnotateCorners(QPixmap* pixmap);
    // Darkens the shown picture by amount on every colour channel.
    void DarkenBackground(int amount);

    // ---- Members set or read by owners ----
    CUserProfile* userProfile = nullptr;
    CHardwareProfile* hardwareProfile = nullptr;
    CImageCache* imageCache = nullptr;
    CImageManager image;        // the full-size render; its properties also hold the ping of the request
    CImageManager imageResized; // the render at the zoom
    QList<SFilterRecord> filters;
    CControlImageThread thread;
    QString imagePath;
    QPoint scrollPos;            // top-left of the visible part of the zoomed picture, device pixels
    QPoint pressPos;             // last mouse position of a press or drag step
    QPoint overlayPosAtPress;    // overlay position at the press
    QSize viewportSize{-1, -1};  // the view in device pixels
    QPixmap pixmapShown;
    QPixmap pixmapPlaceholder;
    QPixmap pixmapRotate;
    CControlImage* friendView = nullptr; // the paired view whose zoom and scroll this one follows
    double zoom = 100.0;
    double zoomRequested = 0.0;
    double zoomMin = 0.0;
    double zoomMax = 100.0;
    bool copyMinZoom = false;
    bool previewOn = true;
    bool shown = false;          // a render was shown since the last Cleanup
    bool neverDrawn = true;      // no RedrawPreview yet
    bool busy = false;           // a StartPreview request has not ended yet
    bool* panelTransition = nullptr; // the owner's panel-transition flag
    bool editMode = false;
    QString lastPath;
    QLabel* imageLabel = nullptr;   // shows pixmapShown; placed by the owner at the viewport's top-left
    QLabel* overlayLabel = nullptr; // shows the edit overlay; a sibling of imageLabel
    CImageFilters imageFilters;
    // Where the whole photo sits when fitted into the view (edit mode).
    int xOffset = 0;
    int yOffset = 0;
    int fitWidth = 0;
    int fitHeight = 0;
    double fitScale = 1.0;
    int area = 9;                // area code of the last press

public slots:
    bool ZoomIn();
    bool ZoomOut();
    bool ZoomToFit();
    bool ZoomToMatch();
    bool Showup();
    void DisplayGSMessage(QString extension);

signals:
    void UpdateZoomPercent(int percent);
    // The view forgot its picture (Cleanup): no zoom to show.
    void ZoomCleared();
    void UpdateFilterInterface(SFilterRecord record);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ThreadCreate();
    void RedrawPreview(bool keepOverlayGeometry, bool noDarken);
    void SynchronizeFriend();
    // The edit overlay of RedrawPreview (CControlImageEditing.cpp).
    void DrawEditOverlay(bool keepOverlayGeometry, bool noDarken);
    // Masks the overlay label to the fitted photo.
    void ClipOverlayToPhoto();
    bool ComputeFitGeometry();
    // One drag step of the edited record to position.
    void EditStep(QPoint position);
    void EditCrop(SFilterRecord& record, QPoint d);
    void EditResize(SFilterRecord& record, QPoint d);
    void WriteBackCrop(SFilterRecord& record);
    void WriteBackMark(SFilterRecord& record, int positionParam);
    // The overlay of record at its place: pixmap and rectangle.
    void RefreshRecord(QPixmap& pixmap, QRect& rect, SFilterRecord& record);
    // The overlay of a text or logo mark, drawn by `draw` (UpdateText or
    // UpdateLogo of the filters).
    using MarkDrawer = bool (CImageFilters::*)(QImage&, QRect&, SFilterRecord, QString, long, long, double, int, int,
                                               bool, double);
    void RefreshMark(QPixmap& pixmap, QRect& rect, const SFilterRecord& record, MarkDrawer draw);
    bool OneEditableRecord() const;
    EditGeometry::CropFrame m_cropStep; // the last crop step (edges it touched)
    // The current request as the thread is to see it.
    SPreviewRequest MakeRequest(int operation) const;
    void SizeLabelToView();
    double DevicePixelRatio() const;

    quint64 m_generation = 0;  // of the last request posted
    quint64 m_handled = 0;     // of the last result taken
};
