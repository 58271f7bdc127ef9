#include "CControlImage.h"

#include "CUserProfile.h"
#include "MagickCompat.h"
#include "PreviewFilterSets.h"
#include "TransformMath.h"

#include <QCursor>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>

// Mouse handling and the edit overlay: a crop or resize frame, or a text or
// logo mark that is not tiled, drawn over the bare photo and changed by
// dragging its inside, sides, corners or the rotation squares.

using EditGeometry::Area;
using PreviewFilterSets::CropId;
using PreviewFilterSets::LogoMarkId;
using PreviewFilterSets::ResizeId;
using PreviewFilterSets::TextMarkId;
using TransformMath::RoundHalfUp;

namespace {
int RoundToInt(double value)
{
    return TransformMath::ToInt(RoundHalfUp(value));
}

// A copy that shares no pixels with the original and reports progress to
// no one: the view's pictures share theirs with the render thread, whose
// progress record must not hear of the view's own drawing.
Magick::Image DetachedCopy(const Magick::Image& source)
{
    Magick::Image copy = source;
    if (!copy.isValid())
        return copy;
    copy.modifyImage();
    MagickCompat::ClearProgressMonitor(copy);
    return copy;
}

// Handles are squares of side trunc(10 x the screen's pixel ratio) in the
// pixmap's pixels.
int HandleSide(double ratio)
{
    return int(10.0 * ratio);
}

// The handles at the given points, kept inside the pixmap: a corner's or a
// side's handle lies just inside the frame, its middle half a side in.
void DrawHandles(QPixmap* pixmap, double ratio, const QList<QPoint>& centres, const QColor& fill, bool outline)
{
    if (!pixmap || pixmap->isNull())
        return;
    const int side = HandleSide(ratio);
    QPainter painter(pixmap);
    painter.setBrush(fill);
    painter.setPen(outline ? QPen(Qt::black) : QPen(Qt::NoPen));
    for (const QPoint& centre : centres) {
        const int x = std::clamp(centre.x() - side / 2, 0, std::max(0, pixmap->width() - side));
        const int y = std::clamp(centre.y() - side / 2, 0, std::max(0, pixmap->height() - side));
        painter.drawRect(QRect(x, y, side - 1, side - 1));
    }
}

QList<QPoint> Corners(const QPixmap& pixmap)
{
    const int w = pixmap.width() - 1;
    const int h = pixmap.height() - 1;
    return {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)};
}

QList<QPoint> EdgeMiddles(const QPixmap& pixmap)
{
    const int w = pixmap.width() - 1;
    const int h = pixmap.height() - 1;
    return {QPoint(w / 2, 0), QPoint(w / 2, h), QPoint(0, h / 2), QPoint(w, h / 2)};
}
} // namespace

bool CControlImage::OneEditableRecord() const
{
    return filters.size() == 1 && PreviewFilterSets::IsEditable(filters.first());
}

// ---- Overlay ----

bool CControlImage::ComputeFitGeometry()
{
    if (!image.image.isValid() || width() <= 0 || height() <= 0)
        return false;
    const double columns = double(image.image.columns());
    const double rows = double(image.image.rows());
    const double w = double(width());
    const double h = double(height());
    if (float(columns) / float(rows) >= float(w) / float(h))
        fitScale = w / columns;
    else
        fitScale = h / rows;
    yOffset = RoundToInt((h - rows * fitScale) / 2.0);
    xOffset = RoundToInt((w - columns * fitScale) / 2.0);
    fitWidth = RoundToInt(columns * fitScale);
    fitHeight = RoundToInt(rows * fitScale);
    return fitWidth > 0 && fitHeight > 0;
}

void CControlImage::DrawEditOverlay(bool keepOverlayGeometry, bool noDarken)
{
    if (!overlayLabel)
        return;
    if (filters.size() != 1 || userProfile->previewPath.isEmpty() || !PreviewFilterSets::IsEditable(filters.first())
        || !previewOn || !ComputeFitGeometry()) {
        overlayLabel->hide();
        return;
    }
    overlayLabel->setAttribute(Qt::WA_NoSystemBackground);
    overlayLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (imageLabel)
        imageLabel->setAttribute(Qt::WA_TransparentForMouseEvents);

    QPixmap pixmap;
    QRect rect;
    if (filters.first().filterId == ResizeId && !noDarken)
        DarkenBackground(100);
    RefreshRecord(pixmap, rect, filters.first());
    if (pixmap.isNull()) {
        overlayLabel->hide();
        return;
    }
    const QRect before = overlayLabel->isVisible() ? overlayLabel->geometry() : QRect();
    if (!keepOverlayGeometry)
        overlayLabel->setGeometry(rect);
    ClipOverlayToPhoto();
    overlayLabel->setPixmap(pixmap);
    overlayLabel->show();
    overlayLabel->raise();
    // What lay under the overlay before is painted again: a frame moved or
    // shrunk by typed values leaves none of its old line behind (the clip
    // of the old place no longer says which part was drawn).
    if (before.isValid() && before != overlayLabel->geometry() && overlayLabel->parentWidget())
        overlayLabel->parentWidget()->update(before);
}

void CControlImage::ClipOverlayToPhoto()
{
    // A mark can reach past the photo (a large text or logo, an offset past
    // the edge, its shadow): only the part over the photo is shown.
    const QRect place = overlayLabel->geometry();
    const QRect photo(xOffset, yOffset, fitWidth, fitHeight);
    if (photo.contains(place)) {
        overlayLabel->clearMask();
        return;
    }
    const QRect shown = photo.intersected(place).translated(-place.topLeft());
    // An empty region would lift the mask: a pixel outside the label hides
    // all of it.
    overlayLabel->setMask(shown.isEmpty() ? QRegion(-1, -1, 1, 1) : QRegion(shown));
}

void CControlImage::RefreshRecord(QPixmap& pixmap, QRect& rect, SFilterRecord& record)
{
    pixmap = QPixmap();
    rect = QRect();
    switch (record.filterId) {
    case TextMarkId:
        RefreshText(pixmap, rect, record);
        break;
    case LogoMarkId:
        RefreshLogo(pixmap, rect, record);
        break;
    case CropId:
        RefreshCrop(pixmap, rect, record);
        break;
    case ResizeId:
        RefreshResize(pixmap, rect, record);
        break;
    default:
        break;
    }
}

void CControlImage::RefreshText(QPixmap& pixmap, QRect& rect, SFilterRecord record)
{
    RefreshMark(pixmap, rect, record, &CImageFilters::UpdateText);
}

void CControlImage::RefreshLogo(QPixmap& pixmap, QRect& rect, SFilterRecord record)
{
    RefreshMark(pixmap, rect, record, &CImageFilters::UpdateLogo);
}

void CControlImage::RefreshMark(QPixmap& pixmap, QRect& rect, const SFilterRecord& record, MarkDrawer draw)
{
    const double ratio = DevicePixelRatio();
    imageFilters.SetProperties(image.properties);
    QImage picture;
    if (!(imageFilters.*draw)(picture, rect, record, imagePath, fitWidth, fitHeight, fitScale, xOffset, yOffset, true,
                              ratio)) {
        pixmap = QPixmap();
        return;
    }
    pixmap = QPixmap::fromImage(picture);
    DrawAnnotateCorners(&pixmap);
    pixmap.setDevicePixelRatio(ratio);
}

void CControlImage::RefreshCrop(QPixmap& pixmap, QRect& rect, SFilterRecord record)
{
    const double ratio = DevicePixelRatio();
    imageFilters.UpdateCropArea(rect, record, fitWidth, fitHeight, fitScale);
    const int w = int(rect.width() * ratio);
    const int h = int(rect.height() * ratio);
    if (w <= 0 || h <= 0) {
        pixmap = QPixmap();
        return;
    }
    pixmap = QPixmap(w, h);
    pixmap.fill(QColor(255, 255, 255, 10));
    {
        QPainter painter(&pixmap);
        painter.setPen(QPen(QColor(255, 255, 255, 100), 6, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin));
        painter.setBrush(Qt::NoBrush);
        // The dotted line runs through the middles of the handles, which
        // lie just inside the frame's corners and sides.
        const int inset = HandleSide(ratio) / 2;
        painter.drawRect(pixmap.rect().adjusted(inset, inset, -inset, -inset));
    }
    DrawCornerGuides(&pixmap);
    DrawEdgeGuides(&pixmap);
    pixmap.setDevicePixelRatio(ratio);
    rect.translate(xOffset, yOffset);
}

void CControlImage::RefreshResize(QPixmap& pixmap, QRect& rect, SFilterRecord& record)
{
    pixmap = QPixmap();
    const double ratio = DevicePixelRatio();
    Magick::Image photo = image.image;
    Magick::Image shown = DetachedCopy(imageResized.image.isValid() ? imageResized.image : image.image);
    if (!photo.isValid() || !shown.isValid())
        return;
    imageFilters.UpdateResizeArea(photo, shown, rect, record, fitWidth, fitHeight, fitScale, ratio);
    const int w = int(rect.width() * ratio);
    const int h = int(rect.height() * ratio);
    if (w <= 0 || h <= 0)
        return;
    CImageManager drawn;
    drawn.SetImage(shown);
    pixmap = drawn.ImageToPixmap(QRect(0, 0, w, h));
    if (pixmap.isNull())
        return;
    DrawCornerGuides(&pixmap);
    if (!PreviewFilterSets::IsConstrainedResize(record))
        DrawEdgeGuides(&pixmap);
    rect.translate(xOffset, yOffset);
    pixmap.setDevicePixelRatio(ratio);
    userProfile->SetPreviewComment(QString());
}

void CControlImage::DrawCornerGuides(QPixmap* pixmap)
{
    if (pixmap)
        DrawHandles(pixmap, DevicePixelRatio(), Corners(*pixmap), QColor(255, 255, 255, 196), true);
}

void CControlImage::DrawEdgeGuides(QPixmap* pixmap)
{
    if (pixmap)
        DrawHandles(pixmap, DevicePixelRatio(), EdgeMiddles(*pixmap), QColor(255, 255, 255, 196), true);
}

void CControlImage::DrawAnnotateCorners(QPixmap* pixmap)
{
    if (!pixmap)
        return;
    // A press outside the mark hides its handles.
    const QColor fill = area == int(Area::Outside) ? QColor(0, 0, 0, 0) : QColor(255, 255, 255, 200);
    DrawHandles(pixmap, DevicePixelRatio(), Corners(*pixmap), fill, false);
}

void CControlImage::DarkenBackground(int amount)
{
    if (pixmapShown.isNull())
        return;
    const double ratio = pixmapShown.devicePixelRatio();
    QImage picture = pixmapShown.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = line[x];
            line[x] = qRgba(std::clamp(qRed(pixel) - amount, 0, 255), std::clamp(qGreen(pixel) - amount, 0, 255),
                            std::clamp(qBlue(pixel) - amount, 0, 255), 255);
        }
    }
    pixmapShown = QPixmap::fromImage(picture);
    pixmapShown.setDevicePixelRatio(ratio);
}

// ---- Areas and cursors ----

int CControlImage::DetermineAreaOnWatermark(int x, int y)
{
    if (!overlayLabel)
        return int(Area::Outside);
    const bool sideBands = editMode && filters.size() == 1
        && (filters.first().filterId == CropId
            || (filters.first().filterId == ResizeId && !PreviewFilterSets::IsConstrainedResize(filters.first())));
    return int(EditGeometry::AreaAt(overlayLabel->geometry(), QPoint(x, y), sideBands));
}

void CControlImage::ShowCursor(int code, int mode)
{
    if (!previewOn)
        code = int(Area::Outside);
    switch (Area(code)) {
    case Area::Left:
    case Area::Right:
        setCursor(Qt::SizeHorCursor);
        break;
    case Area::Top:
    case Area::Bottom:
        setCursor(Qt::SizeVerCursor);
        break;
    case Area::TopLeft:
    case Area::BottomRight:
        setCursor(Qt::SizeFDiagCursor);
        break;
    case Area::TopRight:
    case Area::BottomLeft:
        setCursor(Qt::SizeBDiagCursor);
        break;
    case Area::Inside:
        if (mode == 1)
            setCursor(Qt::ClosedHandCursor);
        else if (mode == 2)
            setCursor(Qt::OpenHandCursor);
        else if (mode == 3)
            setCursor(Qt::ArrowCursor);
        break;
    case Area::Rotate: {
        const quint32 id = filters.isEmpty() ? 0 : filters.first().filterId;
        if (id == CropId || id == ResizeId)
            break;
        if (DevicePixelRatio() != 1.0)
            setCursor(QCursor(pixmapRotate, 8, 8));
        else
            setCursor(QCursor(pixmapRotate));
        break;
    }
    default:
        setCursor(Qt::ArrowCursor);
        break;
    }
}

// ---- Box arithmetic on the fitted picture ----

void CControlImage::RestrictWatermarkCoordinates(bool& inside, bool& sideHit, long& x, long& y, int& side, long width,
                                                 long height)
{
    const EditGeometry::Restriction restriction = EditGeometry::Restrict(x, y, width, height, fitWidth, fitHeight);
    inside = restriction.inside;
    sideHit = restriction.sideHit;
    if (!restriction.inside)
        side = int(restriction.side);
}

void CControlImage::UpdateFilterAnnotateControls(int& position, double& offsetX, double& offsetY, bool& inside,
                                                 bool& sideHit, long x, long y, long width, long height, bool percent)
{
    const double divisorX = percent ? fitWidth / 100.0 : fitScale;
    const double divisorY = percent ? fitHeight / 100.0 : fitScale;
    const EditGeometry::Anchoring anchoring =
        EditGeometry::Anchor(x, y, width, height, fitWidth, fitHeight, divisorX, divisorY);
    position = anchoring.position;
    offsetX = anchoring.offsetX;
    offsetY = anchoring.offsetY;
    inside = anchoring.restriction.inside;
    sideHit = anchoring.restriction.sideHit;
}

// ---- Mouse ----

void CControlImage::mousePressEvent(QMouseEvent* event)
{
    if (RoundHalfUp(zoom) > RoundHalfUp(zoomMin) && previewOn)
        setCursor(Qt::ClosedHandCursor);
    pressPos = event->position().toPoint();
    // Outside edit mode the press only starts a pan.
    if (!editMode)
        return;
    if (overlayLabel)
        overlayPosAtPress = overlayLabel->pos();
    area = DetermineAreaOnWatermark(pressPos.x(), pressPos.y());
    if (OneEditableRecord() && previewOn) {
        const quint32 id = filters.first().filterId;
        ShowCursor(area, id == ResizeId ? 3 : 1);
        // The mark's handles follow the new area.
        if (id == TextMarkId || id == LogoMarkId)
            RedrawPreview(true, false);
    }
    QScrollArea::mousePressEvent(event);
}

void CControlImage::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint position = event->position().toPoint();
    const bool leftOnly = event->buttons() == Qt::LeftButton;
    const bool panBlocked = editMode && PreviewFilterSets::HoldsEditable(filters);
    if (!panBlocked) {
        if (zoomMin < zoom && leftOnly && previewOn) {
            const double ratio = DevicePixelRatio();
            const int stepX = TransformMath::ToInt(std::round((position.x() - pressPos.x()) * ratio));
            const int stepY = TransformMath::ToInt(std::round((position.y() - pressPos.y()) * ratio));
            const int pictureWidth = imageResized.image.isValid() ? int(imageResized.image.columns()) : 0;
            const int pictureHeight = imageResized.image.isValid() ? int(imageResized.image.rows()) : 0;
            const int maxX = std::max(0, pictureWidth - viewportSize.width());
            const int maxY = std::max(0, pictureHeight - viewportSize.height());
            scrollPos = QPoint(std::clamp(scrollPos.x() - stepX, 0, maxX), std::clamp(scrollPos.y() - stepY, 0, maxY));
            UpdateView();
            pressPos = position;
            return;
        }
        if (!(event->buttons() & Qt::LeftButton))
            setCursor(Qt::ArrowCursor);
    }
    if (!overlayLabel)
        return;
    if (editMode && event->buttons() == Qt::NoButton && OneEditableRecord()) {
        ShowCursor(DetermineAreaOnWatermark(position.x(), position.y()),
                   filters.first().filterId == ResizeId ? 3 : 2);
    }
    // A drag that took hold of the overlay (its inside, a side, a corner or
    // a rotation square) goes on when the pointer runs ahead of the frame,
    // as it does at any speed when a side is dragged outwards.
    const bool overOverlay = !overlayLabel->isHidden() && overlayLabel->geometry().contains(position);
    if (!overOverlay && area == int(Area::Outside))
        return;
    if (!(editMode && leftOnly && OneEditableRecord()) || overlayLabel->isHidden()) {
        QScrollArea::mouseMoveEvent(event);
        return;
    }
    EditStep(position);
    QScrollArea::mouseMoveEvent(event);
}

void CControlImage::mouseReleaseEvent(QMouseEvent* event)
{
    SynchronizeFriend();
    if (cursor().shape() == Qt::ClosedHandCursor)
        setCursor(Qt::OpenHandCursor);
    QScrollArea::mouseReleaseEvent(event);
}

// ---- Drag steps ----

void CControlImage::EditStep(QPoint position)
{
    SFilterRecord record = filters.first();
    const QPoint d = pressPos - position;
    const Area pressed = Area(area);
    const bool corner = EditGeometry::IsCorner(pressed);
    const QRect label = overlayLabel->geometry();
    bool changed = false;

    switch (record.filterId) {
    case TextMarkId:
        if (corner) {
            record.params[9] = EditGeometry::TextSizeStep(record.params[9], TransformMath::ToInt(record.params[1]),
                                                          pressed, d, int(record.texts[0].size()), fitScale);
            changed = true;
        } else if (pressed == Area::Rotate) {
            changed = EditGeometry::RotationStep(record.params[4], label.topLeft() + QPoint(label.width() / 2,
                                                                                              label.height() / 2),
                                                 pressPos, position);
        }
        break;
    case LogoMarkId:
        if (corner) {
            record.params[6] = EditGeometry::LogoScaleStep(record.params[6], TransformMath::ToInt(record.params[0]),
                                                           pressed, d, label.size());
            changed = true;
        } else if (pressed == Area::Rotate) {
            changed = EditGeometry::RotationStep(record.params[7], label.topLeft() + QPoint(label.width() / 2,
                                                                                              label.height() / 2),
                                                 pressPos, position);
        }
        break;
    case CropId:
        m_cropStep = EditGeometry::CropFrame();
        if (pressed != Area::Inside && pressed != Area::Rotate && pressed != Area::Outside) {
            EditCrop(record, d);
            changed = true;
        }
        break;
    case ResizeId:
        if (pressed != Area::Inside && pressed != Area::Rotate && pressed != Area::Outside) {
            EditResize(record, d);
            changed = true;
        }
        break;
    default:
        return;
    }

    if (pressed == Area::Inside) {
        // A move: the overlay follows the pointer from where it was at the
        // press; a resize frame stays centred.
        if (record.filterId != ResizeId)
            overlayLabel->move(overlayPosAtPress + (position - pressPos));
    } else if (changed) {
        QPixmap pixmap;
        QRect rect;
        RefreshRecord(pixmap, rect, record);
        if (record.filterId == ResizeId && !pixmap.isNull()
            && (rect.width() > fitWidth || rect.height() > fitHeight)) {
            // Dragged past the picture: the photo's own size.
            const bool percent = record.params[4] == 1.0;
            if (rect.width() > fitWidth)
                record.params[0] = percent ? 100.0 : double(image.image.columns());
            if (rect.height() > fitHeight)
                record.params[1] = percent ? 100.0 : double(image.image.rows());
            RefreshRecord(pixmap, rect, record);
        }
        if (!pixmap.isNull()) {
            overlayLabel->setGeometry(rect);
            overlayLabel->setPixmap(pixmap);
        }
        pressPos = position;
    }

    if (record.filterId == CropId)
        WriteBackCrop(record);
    else if (record.filterId == TextMarkId && !corner)
        WriteBackMark(record, 1);
    else if (record.filterId == LogoMarkId && !corner && pressed != Area::Rotate)
        WriteBackMark(record, 0);
    ClipOverlayToPhoto();

    filters.first() = record;
    emit UpdateFilterInterface(record);
}

void CControlImage::EditCrop(SFilterRecord& record, QPoint d)
{
    const bool percent = record.params[4] == 1.0;
    const double columns = double(image.image.columns());
    const double rows = double(image.image.rows());
    const double toX = percent ? columns / 100.0 : 1.0;
    const double toY = percent ? rows / 100.0 : 1.0;
    EditGeometry::CropFrame frame;
    frame.left = record.params[0] * toX;
    frame.top = record.params[1] * toY;
    frame.width = record.params[2] * toX;
    frame.height = record.params[3] * toY;
    frame = EditGeometry::CropStep(frame, Area(area), d, fitScale, columns, rows);
    record.params[0] = frame.left / toX;
    record.params[1] = frame.top / toY;
    record.params[2] = frame.width / toX;
    record.params[3] = frame.height / toY;
    m_cropStep = frame;
}

void CControlImage::EditResize(SFilterRecord& record, QPoint d)
{
    const bool percent = record.params[4] == 1.0;
    const double toX = percent ? double(image.image.columns()) / 100.0 : 1.0;
    const double toY = percent ? double(image.image.rows()) / 100.0 : 1.0;
    double width = record.params[0] * toX;
    double height = record.params[1] * toY;
    EditGeometry::ResizeStep(width, height, Area(area), d, fitScale, PreviewFilterSets::IsConstrainedResize(record));
    record.params[0] = width / toX;
    record.params[1] = height / toY;
}

void CControlImage::WriteBackCrop(SFilterRecord& record)
{
    const bool percent = record.params[4] == 1.0;
    long x = overlayLabel->x() - xOffset;
    long y = overlayLabel->y() - yOffset;
    bool inside = true;
    bool sideHit = false;
    int side = int(EditGeometry::Side::None);
    RestrictWatermarkCoordinates(inside, sideHit, x, y, side, overlayLabel->width(), overlayLabel->height());
    EditGeometry::CropFrame frame = m_cropStep;
    frame.left = percent ? x * 100.0 / fitWidth : x / fitScale;
    frame.top = percent ? y * 100.0 / fitHeight : y / fitScale;
    frame.width = record.params[2];
    frame.height = record.params[3];
    const double fullWidth = percent ? 100.0 : double(image.image.columns());
    const double fullHeight = percent ? 100.0 : double(image.image.rows());
    const double left = frame.left;
    const double top = frame.top;
    EditGeometry::PinCrop(frame, EditGeometry::Side(side), Area(area), fullWidth, fullHeight);
    record.params[0] = frame.left;
    record.params[1] = frame.top;
    record.params[2] = frame.width;
    record.params[3] = frame.height;
    if (frame.left != left || frame.top != top) {
        // Pinned to the edge it reached: the frame is drawn there.
        QPixmap pixmap;
        QRect rect;
        RefreshCrop(pixmap, rect, record);
        if (!pixmap.isNull()) {
            overlayLabel->setGeometry(rect);
            overlayLabel->setPixmap(pixmap);
        }
    } else if (!inside) {
        overlayLabel->move(int(x) + xOffset, int(y) + yOffset);
    }
}

void CControlImage::WriteBackMark(SFilterRecord& record, int positionParam)
{
    long x = overlayLabel->x() - xOffset;
    long y = overlayLabel->y() - yOffset;
    const long w = overlayLabel->width();
    const long h = overlayLabel->height();
    int position = 4;
    double offsetX = 0.0;
    double offsetY = 0.0;
    bool inside = true;
    bool sideHit = false;
    UpdateFilterAnnotateControls(position, offsetX, offsetY, inside, sideHit, x, y, w, h, false);
    record.params[positionParam] = position;
    record.params[positionParam + 1] = offsetX;
    record.params[positionParam + 2] = offsetY;
    if (!inside) {
        int side = 0;
        RestrictWatermarkCoordinates(inside, sideHit, x, y, side, w, h);
        overlayLabel->move(int(x) + xOffset, int(y) + yOffset);
    }
}
