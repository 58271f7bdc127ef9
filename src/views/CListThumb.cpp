#include "CListThumb.h"

#include "CImageCache.h"
#include "CImageManager.h"
#include "CListThumbThread.h"
#include "CPhotoDetails.h"
#include "CThumbRequests.h"
#include "Common.h"
#include "ImageProperties.h"
#include "ListMoves.h"

#include <QApplication>
#include <QDateTime>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QMouseEvent>
#include <QMutexLocker>
#include <QPainter>
#include <QScrollBar>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>

namespace {
std::atomic<int> detailReads{0};
std::atomic<int> windowDetailReads{0};

int IntAt(const QString& text, int position, int length)
{
    bool ok = false;
    const int value = text.mid(position, length).toInt(&ok);
    return ok ? value : 0;
}

// Halves up, as the detail texts are written.
long long RoundHalfUp(double value)
{
    return (long long)std::floor(value + 0.5);
}

} // namespace

CListThumb::CListThumb(QWidget* parent)
    : QListWidget(parent),
      imageCache(CImageCache::GetInstance()),
      thread(std::make_unique<CListThumbThread>()),
      records(std::make_unique<QList<SThumb>>()),
      rowMap(std::make_unique<QList<int>>()),
      icons(std::make_unique<QList<QIcon>>()),
      mutex(&ownMutex),
      requests(std::make_unique<CThumbRequests>())
{
    // Overlays stay in place while the items scroll under them.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

CListThumb::~CListThumb()
{
    requests->Stop();
    // The thread reads the lists below: it ends first.
    thread->Stop();
    thread->wait();
    thread.reset();
}

void CListThumb::Initialize(int type, bool darkTheme, bool withoutThread)
{
    listType = type;
    dark = darkTheme;
    noThread = withoutThread;
    if (listType == TypeImageThumbs) {
        SystemLogWrite("Initialize", "LISTTHUMB_TYPE_IMAGETHUMBS");
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setFlow(QListView::LeftToRight);
        setResizeMode(QListView::Adjust);
    }
    setStyleSheet(dark ? "background-color: #1E1E1E;" : "background-color: #FFFFFF;");
}

void CListThumb::LoadDefaultThumbnails(QString stripName, bool themed, int size)
{
    if (size != 0 && size != 1)
        return;
    std::unique_ptr<QList<QIcon>> loaded(imageCache->LoadIconsFromPath(stripName, themed, size == 1 ? 64 : 32));
    // The list object stays the same: the thread and the details table hold
    // its address.
    QMutexLocker locker(mutex);
    *icons = std::move(*loaded);
}

void CListThumb::SetMutex(QBasicMutex* shared)
{
    mutex = shared ? shared : &ownMutex;
}

void CListThumb::InitThread()
{
    SystemLogWrite("InitThread", QString());
    if (noThread)
        return;
    thread->SetShared(records.get(), rowMap.get(), icons.get(), mutex);
    thread->SetPixelRatio(int(qApp->devicePixelRatio()));
    thread->Init();
    thread->start(QThread::InheritPriority);
    requests->Connect(this, thread.get());
}

void CListThumb::StopLoading()
{
    requests->Stop();
    thread->Stop();
    thread->wait();
}

QString CListThumb::SizeText(qint64 bytes)
{
    if (bytes <= 0)
        return "N/A";
    if (bytes < 1048576)
        return QString::number(double(bytes) / 1024.0, 'f', 2) + " KB";
    return QString::number(double(bytes) / 1048576.0, 'f', 2) + " MB";
}

void CListThumb::AddItem(QString text, QString tooltip, QString path, bool loaded, int iconIndex,
                         bool enabled)
{
    SystemLogWrite("AddItem", path.mid(path.lastIndexOf('/') + 1));
    SThumb record;
    record.path = path;
    record.tooltip = tooltip;
    record.enabled = enabled;
    record.loaded = loaded;
    record.hasOwnIcon = loaded;
    record.iconIndex = iconIndex;
    const int slash = int(path.lastIndexOf('/'));
    const int dot = int(path.lastIndexOf('.'));
    record.location = slash >= 0 ? path.left(slash) : QString();
    record.name = path.mid(slash + 1, dot > slash ? dot - slash - 1 : -1);
    record.type = dot > slash ? path.mid(dot + 1).toUpper() : QString();
    // Size and detail texts, kept from an earlier read while the file is
    // unchanged. A new or changed photo is read here, or later by the
    // loader (ReadsDetailsOnAdd). Without the mutex, so the loader is not
    // held up.
    record.detailed = CPhotoDetails::Fill(record, ReadsDetailsOnAdd());

    int row = 0;
    {
        QMutexLocker locker(mutex);
        row = int(records->size());
        records->append(record);
        rowMap->append(row);
        if (!record.detailed && listType == TypePhotos)
            thread->detailsWanted = true;
    }
    auto* item = new QListWidgetItem(text);
    item->setData(Qt::ToolTipRole, tooltip);
    if (!enabled)
        item->setForeground(QBrush(dark ? QColor(80, 80, 80) : QColor(200, 200, 200)));
    {
        QMutexLocker locker(mutex);
        item->setIcon(ItemIcon(record));
    }
    insertItem(row, item);
}

bool CListThumb::ReadsDetailsOnAdd() const
{
    // The strip shows no details: it takes those known and reads none.
    if (listType == TypeImageThumbs)
        return false;
    // The step 1 list's loader reads them, off the GUI thread.
    return !(listType == TypePhotos && thread->isRunning());
}

QIcon CListThumb::IconAt(const QList<QIcon>* iconList, int index)
{
    if (!iconList || index < 0 || index >= iconList->size())
        return QIcon();
    return iconList->at(index);
}

QIcon CListThumb::ItemIcon(const SThumb& record) const
{
    const QIcon icon = IconAt(icons.get(), record.iconIndex);
    if (record.enabled || icon.isNull())
        return icon;
    const QList<QSize> sizes = icon.availableSizes();
    if (sizes.isEmpty())
        return icon;
    QImage image = icon.pixmap(sizes.first()).toImage();
    AdjustLight(&image, dark ? -100 : 0);
    return QIcon(QPixmap::fromImage(image));
}

bool CListThumb::LoadImageExif(SThumb* thumb, SImageProperties* properties)
{
    if (!thumb)
        return false;
    ++detailReads;
    if (QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread())
        ++windowDetailReads;
    CImageManager manager;
    if (!manager.Ping(thumb->path))
        return false;
    const SImageProperties& p = manager.properties;
    if (properties)
        *properties = p;
    thumb->dimensions = QString("%1 x %2").arg(p.width).arg(p.height);
    const QString date = p.dateTimeOriginal;
    if (date.isEmpty())
        thumb->dateTaken = QFileInfo(thumb->path).lastModified().toString("yyyy-MM-dd hh:mm");
    else
        thumb->dateTaken = QString::asprintf("%04d-%02d-%02d %02d:%02d", IntAt(date, 0, 4), IntAt(date, 5, 2),
                                             IntAt(date, 8, 2), IntAt(date, 11, 2), IntAt(date, 14, 2));
    if (!p.cameraMake.isEmpty() || !p.cameraModel.isEmpty())
        thumb->camera = ImageProperties::CameraText(p.cameraMake, p.cameraModel);
    thumb->coordinates = p.gpsPosition;
    thumb->altitude = p.gpsAltitude;
    thumb->fStop = p.fNumber;
    thumb->exposure = p.exposure;
    thumb->iso = p.iso;
    thumb->orientation = OrientationText(p.orientation);
    const double factor = p.resolutionUnits == 2 ? 2.54 : 1.0;
    thumb->dpi = QString("%1 x %2").arg(RoundHalfUp(p.densityX * factor)).arg(RoundHalfUp(p.densityY * factor));
    thumb->colour = ColourText(p.colorSpace);
    return true;
}

QString CListThumb::OrientationText(int orientation)
{
    switch (orientation) {
    case 1: return tr("Top-Left");
    case 2: return tr("Top-Right");
    case 3: return tr("Bottom-Right");
    case 4: return tr("Bottom-Left");
    case 5: return tr("Left-Top");
    case 6: return tr("Right-Top");
    case 7: return tr("Right-Bottom");
    case 8: return tr("Left-Bottom");
    default: return QString();
    }
}

QString CListThumb::ColourText(int colourSpace)
{
    if (colourSpace == 1)
        return "sRGB";
    if (colourSpace == 2)
        return tr("Uncalibrated");
    return QString();
}

int CListThumb::DetailReadCount()
{
    return detailReads;
}

int CListThumb::WindowDetailReadCount()
{
    return windowDetailReads;
}

void CListThumb::AdjustLight(QImage* image, int amount)
{
    if (!image || image->isNull() || amount == 0)
        return;
    if (image->format() != QImage::Format_ARGB32)
        *image = image->convertToFormat(QImage::Format_ARGB32);
    const int factor = amount < 0 ? 100 - amount : 100 + amount;
    for (int y = 0; y < image->height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image->scanLine(y));
        for (int x = 0; x < image->width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) == 0 || (pixel & 0x00FFFFFF) == 0)
                continue;
            const QColor colour = QColor::fromRgba(pixel);
            const QColor adjusted = amount < 0 ? colour.darker(factor) : colour.lighter(factor);
            line[x] = qRgba(adjusted.red(), adjusted.green(), adjusted.blue(), qAlpha(pixel));
        }
    }
}

void CListThumb::TakePendingImage(SThumb& record, QList<QIcon>* iconList)
{
    if (!record.pending)
        return;
    if (iconList && record.iconIndex >= 0 && record.iconIndex < iconList->size() && !record.pendingImage.isNull())
        (*iconList)[record.iconIndex] = QIcon(QPixmap::fromImage(record.pendingImage));
    record.pendingImage = QImage();
    record.pending = false;
}

void CListThumb::UpdateItemImageIndex(int row)
{
    // Rows may be out of step with the row map while the owner removes
    // photos: both are checked.
    if (row < 0 || row >= count() || row >= rowMap->size())
        return;
    const int index = rowMap->at(row);
    if (index < 0 || index >= records->size())
        return;
    SThumb& record = (*records)[index];
    TakePendingImage(record, icons.get());
    QListWidgetItem* target = item(row);
    // Only what changed: each change is a signal and a new layout of the item.
    const QIcon icon = ItemIcon(record);
    if (target->icon().cacheKey() != icon.cacheKey())
        target->setIcon(icon);
    if (target->toolTip() != record.tooltip)
        target->setToolTip(record.tooltip);
}

void CListThumb::UpdateItemsImageIndex(int first, int last)
{
    QMutexLocker locker(mutex);
    for (int row = first; row <= last; ++row)
        UpdateItemImageIndex(row);
}

void CListThumb::AssignThumbnails()
{
    qsizetype total = 0;
    {
        QMutexLocker locker(mutex);
        total = records->size();
    }
    if (total == 0)
        return;
    SystemLogWrite("AssignThumbnails", QString("ptrListThumb->size(): %1").arg(total));
    UpdateItemsImageIndex(0, count() - 1);
    requests->Reset();
}

void CListThumb::RemoveItem(int row)
{
    QMutexLocker locker(mutex);
    if (row < 0 || row >= rowMap->size())
        return;
    const int index = rowMap->at(row);
    if (index < 0 || index >= records->size())
        return;
    const SThumb removed = records->at(index);
    rowMap->removeAt(row);
    records->removeAt(index);
    for (int& entry : *rowMap) {
        if (entry > index)
            --entry;
    }
    // The step 1 list frees the icon slot of a photo it made a thumbnail for;
    // other lists keep their slots.
    if (listType != TypePhotos || !removed.loaded || !removed.hasOwnIcon)
        return;
    if (removed.iconIndex < 0 || removed.iconIndex >= icons->size())
        return;
    icons->removeAt(removed.iconIndex);
    for (int r = 0; r < rowMap->size(); ++r) {
        SThumb& record = (*records)[rowMap->at(r)];
        if (record.iconIndex > removed.iconIndex) {
            --record.iconIndex;
            UpdateItemImageIndex(r);
        }
    }
}

void CListThumb::RemoveAll()
{
    // RemoveItem's rules for every record at once: the step 1 list frees the
    // icon slots of the thumbnails it made, other lists keep their slots.
    QMutexLocker locker(mutex);
    if (listType == TypePhotos) {
        QList<int> ownIcons;
        for (const SThumb& record : std::as_const(*records)) {
            if (record.loaded && record.hasOwnIcon && record.iconIndex >= 0 && record.iconIndex < icons->size())
                ownIcons.append(record.iconIndex);
        }
        std::sort(ownIcons.begin(), ownIcons.end(), std::greater<int>());
        ownIcons.erase(std::unique(ownIcons.begin(), ownIcons.end()), ownIcons.end());
        for (int index : std::as_const(ownIcons))
            icons->removeAt(index);
    }
    records->clear();
    rowMap->clear();
}

void CListThumb::RemoveItems(QList<int> rows)
{
    QMutexLocker locker(mutex);
    // The records of the rows, and the icon slots the step 1 list frees
    // with them.
    QList<bool> dropRecord(records->size(), false);
    QList<bool> dropRow(rowMap->size(), false);
    QList<int> freedIcons;
    for (int row : std::as_const(rows)) {
        if (row < 0 || row >= rowMap->size() || dropRow[row])
            continue;
        dropRow[row] = true;
        const int index = rowMap->at(row);
        if (index < 0 || index >= records->size())
            continue;
        dropRecord[index] = true;
        const SThumb& record = records->at(index);
        if (listType == TypePhotos && record.loaded && record.hasOwnIcon && record.iconIndex >= 0 &&
            record.iconIndex < icons->size())
            freedIcons.append(record.iconIndex);
    }
    std::sort(freedIcons.begin(), freedIcons.end());
    freedIcons.erase(std::unique(freedIcons.begin(), freedIcons.end()), freedIcons.end());

    QList<int> newIndex(records->size(), -1);
    QList<SThumb> kept;
    kept.reserve(records->size());
    for (int index = 0; index < records->size(); ++index) {
        if (dropRecord[index])
            continue;
        SThumb record = records->at(index);
        // Each freed slot below a record's icon moves it down by one.
        const auto below = std::lower_bound(freedIcons.cbegin(), freedIcons.cend(), record.iconIndex);
        record.iconIndex -= qint32(below - freedIcons.cbegin());
        newIndex[index] = int(kept.size());
        kept.append(record);
    }
    QList<int> keptRows;
    keptRows.reserve(rowMap->size());
    for (int row = 0; row < rowMap->size(); ++row) {
        const int index = rowMap->at(row);
        if (!dropRow[row] && index >= 0 && index < newIndex.size() && newIndex[index] >= 0)
            keptRows.append(newIndex[index]);
    }
    for (auto freed = freedIcons.crbegin(); freed != freedIcons.crend(); ++freed)
        icons->removeAt(*freed);
    *records = std::move(kept);
    *rowMap = std::move(keptRows);
}

void CListThumb::ChangeView(int mode)
{
    switch (mode) {
    case 0:
        setIconSize(QSize(32, 32));
        setViewMode(QListView::ListMode);
        setWrapping(false);
        break;
    case 1:
        setIconSize(QSize(32, 32));
        setViewMode(QListView::IconMode);
        setWrapping(true);
        break;
    case 2:
        setIconSize(QSize(64, 64));
        setViewMode(QListView::IconMode);
        setWrapping(true);
        break;
    default:
        setIconSize(QSize(128, 128));
        setViewMode(QListView::IconMode);
        setWrapping(true);
        break;
    }
    if (listType == TypeImageThumbs)
        setWrapping(false);
    setDragDropMode(AllowsInternalMoves() ? QAbstractItemView::InternalMove : QAbstractItemView::NoDragDrop);
    setDefaultDropAction(Qt::CopyAction);
    ReloadToolTips();
}

void CListThumb::UpdateView()
{
    requests->Reset();
}

void CListThumb::ReloadToolTips()
{
    QMutexLocker locker(mutex);
    const int rows = std::min(count(), int(rowMap->size()));
    for (int row = 0; row < rows; ++row) {
        const int index = rowMap->at(row);
        if (index < 0 || index >= records->size())
            continue;
        QListWidgetItem* target = item(row);
        if (target->toolTip() != records->at(index).tooltip)
            target->setToolTip(records->at(index).tooltip);
    }
}

void CListThumb::FindFirstLastVisibleItems(int& first, int& last)
{
    const int s = spacing();
    first = row(itemAt(s, s));
    last = -1;
    if (listType == TypeImageThumbs) {
        const QRect contents = contentsRect();
        first = row(itemAt(contents.left() + s, s));
        last = row(itemAt(contents.right() - s, s));
        if (last < 0)
            last = count() - 1;
    } else {
        QListWidgetItem* current = itemAt(s, s);
        int perStep = 0;
        int relativeLast = -1;
        bool firstStep = true;
        while (true) {
            const QRect rect = current ? visualItemRect(current) : QRect();
            if (rect.isEmpty())
                break;
            const QPoint probe(s, rect.bottom() + s + 2);
            QListWidgetItem* next = itemAt(probe);
            if (firstStep) {
                perStep = next ? row(next) - first : 9999;
                firstStep = false;
            }
            relativeLast += perStep;
            current = next;
            if (!viewport()->rect().contains(probe))
                break;
        }
        last = first + relativeLast;
    }
    if (first < 0)
        first = 0;
    last = std::min(last, count() - 1);
}

void CListThumb::ThreadLoadIcons()
{
    if (!isVisible())
        return;
    requests->Tick(this, count(), *records, *rowMap, mutex, thread.get());
}

void CListThumb::OnThreadLoadComplete(int first, int last)
{
    requests->Reset();
    UpdateItemsImageIndex(first, last);
}

void CListThumb::RepaintView()
{
    viewport()->update();
}

SListWatermark CListThumb::TextWatermark(QString text, int dy, bool alwaysShown, QFont font, QColor colour)
{
    SListWatermark mark;
    mark.kind = 0;
    mark.text = text;
    mark.dy = dy;
    mark.alwaysShown = alwaysShown;
    mark.font = font;
    mark.colour = colour;
    return mark;
}

SListWatermark CListThumb::ImageWatermark(CImageCache* cache, QString resourceName, bool themed, int dx, int dy,
                                          bool alwaysShown, int anchor)
{
    SListWatermark mark;
    mark.kind = 1;
    mark.text = resourceName;
    mark.dx = dx;
    mark.dy = dy;
    mark.image = cache->GetAsset(resourceName, themed, true);
    mark.alwaysShown = alwaysShown;
    mark.anchor = anchor;
    return mark;
}

void CListThumb::AddWatermarkText(QString text, int dy, bool alwaysShown, QFont font, QColor colour)
{
    watermarks.append(TextWatermark(text, dy, alwaysShown, font, colour));
}

void CListThumb::AddWatermarkImage(QString resourceName, bool themed, int dx, int dy, bool alwaysShown,
                                   int anchor)
{
    watermarks.append(ImageWatermark(imageCache, resourceName, themed, dx, dy, alwaysShown, anchor));
}

void CListThumb::PaintWatermarks(QWidget* viewport, const QList<SListWatermark>& marks, int count,
                                 QSize viewSize, int top, int scrollWidth, int scrollHeight, int ratio)
{
    QPainter painter(viewport);
    const int W = viewSize.width();
    const int H = viewSize.height();
    ratio = std::max(1, ratio);
    for (const SListWatermark& mark : marks) {
        if (!mark.alwaysShown && count > 0)
            continue;
        if (mark.kind == 1) {
            const int w = mark.image.width() / ratio;
            const int h = mark.image.height() / ratio;
            QPoint at(0, 0);
            if (mark.anchor == 1)
                at = QPoint(W - w + mark.dx - scrollWidth, H - top - h + mark.dy - scrollHeight);
            else if (mark.anchor == 0)
                at = QPoint(W / 2 + mark.dx - (mark.image.width() / 2) / ratio,
                            H / 2 - top + mark.dy - (mark.image.height() / 2) / ratio);
            painter.drawImage(QRect(at, QSize(w, h)), mark.image);
        } else {
            painter.setPen(mark.colour);
            painter.setFont(mark.font);
            painter.drawText(QRect(0, H / 2 - top + mark.dy, W, 100), Qt::AlignHCenter | Qt::AlignTop, mark.text);
        }
    }
}

void CListThumb::paintEvent(QPaintEvent* event)
{
    const int scrollWidth = verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0;
    // The overlays are drawn at the nominal size of the image variant the
    // cache handed out ("@2x" images at half their pixel size).
    PaintWatermarks(viewport(), watermarks, count(), size(), 0, scrollWidth, 0, imageCache->CellSide(1, true));
    QListWidget::paintEvent(event);
}

void CListThumb::mousePressEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        emit Clicked();
    QListWidget::mousePressEvent(event);
}

QStringList CListThumb::DroppedFiles(const QMimeData* data)
{
    QStringList paths;
    if (!data)
        return paths;
    for (const QUrl& url : data->urls()) {
        const QString path = url.toLocalFile();
        if (!path.isEmpty())
            paths.append(path);
    }
    std::sort(paths.begin(), paths.end(), [](QString a, QString b) { return StringCompareAscending(a, b); });
    return paths;
}

bool CListThumb::AllowsInternalMoves() const
{
    // Only the photo list and the filter list have an owner that applies the
    // moves to its job list; elsewhere a move would reorder the row map
    // under unmoved items.
    return listType == TypePhotos || listType == TypeFilters;
}

bool CListThumb::TakeFileDrag(QDragMoveEvent* event, bool accept)
{
    if (!event->mimeData()->hasFormat("text/uri-list"))
        return false;
    if (accept)
        event->acceptProposedAction();
    else
        event->ignore();
    return true;
}

void CListThumb::dragEnterEvent(QDragEnterEvent* event)
{
    if (!TakeFileDrag(event, listType == TypePhotos))
        QListWidget::dragEnterEvent(event);
}

void CListThumb::dragMoveEvent(QDragMoveEvent* event)
{
    if (!TakeFileDrag(event, listType == TypePhotos))
        QListWidget::dragMoveEvent(event);
}

void CListThumb::dropEvent(QDropEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        // Files from outside: only the photo list takes them.
        if (listType != TypePhotos) {
            event->ignore();
            return;
        }
        const QStringList paths = DroppedFiles(event->mimeData());
        event->acceptProposedAction();
        emit SignalDragDropFiles(paths);
        return;
    }
    if (event->source() != this || !AllowsInternalMoves()) {
        event->ignore();
        return;
    }

    QList<int> selected;
    for (QListWidgetItem* chosen : selectedItems())
        selected.append(row(chosen));
    QListWidgetItem* under = itemAt(event->position().toPoint());
    // A copy action keeps the drag's source from removing the items: they
    // stay where they are until the owner refills the view.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    DropSelectedRows(selected, under ? row(under) : count());
}

QList<SDragDrop> CListThumb::DropMoves(QList<int> selected, int target)
{
    std::sort(selected.begin(), selected.end());
    QList<SDragDrop> moves;
    for (int i = 0; i < selected.size(); ++i) {
        const int from = selected[i];
        moves.append(SDragDrop{from, target});
        // The rows still to move shift with this move; rows moved up keep
        // their order behind each other.
        const int f = from > target ? from + 1 : from;
        for (int j = i + 1; j < selected.size(); ++j) {
            int& r = selected[j];
            if (f < r && r < target)
                --r;
            else if (target < r && r < f)
                ++r;
        }
        if (f >= target)
            ++target;
    }
    return moves;
}

void CListThumb::DropSelectedRows(QList<int> selected, int target)
{
    if (!AllowsInternalMoves())
        return;
    {
        QMutexLocker locker(mutex);
        pendingMoves.clear();
        for (const SDragDrop& move : DropMoves(selected, target))
            DragnAndDrop(move.from, move.to);
    }
    requests->Reset();
    if (listType == TypePhotos) {
        emit SignalDragDropPanel1(pendingMoves);
        if (viewMode() == QListView::IconMode)
            requests->RepaintSoon(100);
    } else if (listType == TypeFilters) {
        emit SignalDragDropPanel2(pendingMoves);
    }
}

void CListThumb::DragnAndDrop(int from, int to)
{
    MoveListElement(*rowMap, from, to); // equal rows change nothing
    pendingMoves.append(SDragDrop{from, to});
}
