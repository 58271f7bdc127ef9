#include "CListThumbDetails.h"

#include "CImageCache.h"
#include "CListThumb.h"
#include "CListThumbThread.h"
#include "CPhotoDetails.h"
#include "CThumbRequests.h"
#include "Common.h"
#include "ListMoves.h"

#include <QDropEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QMutexLocker>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace {
const char* const kHeaderStateKey = "Settings/ListThumbDetails.HorizontalHeader.State";
const int kDefaultWidths[CListThumbDetails::ColumnCount] = {150, 60, 100, 80, 70, 230, 120,
                                                            60,  70, 60,  60, 80, 130, 60};
const int kFirstHiddenColumn = CListThumbDetails::ColumnFStop;

// "4000 x 3000" -> 12000000: the text cut at its last "x", both sides read as
// whole numbers (0 where not a number).
qint64 ProductKey(const QString& text)
{
    const int x = int(text.lastIndexOf('x'));
    if (x < 0)
        return 0;
    return text.left(x).trimmed().toLongLong() * text.mid(x + 1).trimmed().toLongLong();
}

double SizeKey(const QString& text)
{
    const double value = text.left(text.size() - 3).trimmed().toDouble();
    return text.right(2).toLower() == "mb" ? value * 1024.0 : value;
}

bool KeyLess(const QVariant& a, const QVariant& b)
{
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
        return a.toString() < b.toString();
    return a.toDouble() < b.toDouble();
}
} // namespace

CListThumbDetails::CListThumbDetails(QWidget* parent)
    : QTableWidget(parent), imageCache(CImageCache::GetInstance()), requests(std::make_unique<CThumbRequests>())
{
    setColumnCount(ColumnCount);
    QHeaderView* header = horizontalHeader();
    if (!header->restoreState(GetRegistryByteArray(kHeaderStateKey, QByteArray())))
        DefaultLayout();

    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(25);

    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    header->setSectionsMovable(true);
    header->setSectionsClickable(true);
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QHeaderView::sectionClicked, this, &CListThumbDetails::SortByColumn);
    connect(header, &QHeaderView::customContextMenuRequested, this,
            &CListThumbDetails::HorizontalHeaderRightClick);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragDropMode(QAbstractItemView::InternalMove);
    setDragDropOverwriteMode(true);
    setDefaultDropAction(Qt::IgnoreAction);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setShowGrid(false);

    connect(verticalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, viewport(), qOverload<>(&QWidget::update));
}

CListThumbDetails::~CListThumbDetails()
{
    requests->Stop();
    SetRegistryByteArray(kHeaderStateKey, horizontalHeader()->saveState());
}

void CListThumbDetails::DefaultLayout()
{
    for (int column = 0; column < ColumnCount; ++column) {
        setColumnWidth(column, kDefaultWidths[column]);
        setColumnHidden(column, column >= kFirstHiddenColumn);
    }
    setColumnWidth(ColumnDateTaken, std::max(kDefaultWidths[ColumnDateTaken], DateTakenWidth()));
}

// Room for a whole "yyyy-MM-dd hh:mm" in the table's font, every digit as
// wide as the widest one, plus the cell's text margins.
int CListThumbDetails::DateTakenWidth() const
{
    const QFontMetrics metrics(font());
    int digit = 0;
    for (char c = '0'; c <= '9'; ++c)
        digit = std::max(digit, metrics.horizontalAdvance(QLatin1Char(c)));
    const int text = 12 * digit + metrics.horizontalAdvance(QStringLiteral("-- :"));
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return text + 2 * margin + 4;
}

void CListThumbDetails::Initialize(int darkTheme)
{
    dark = darkTheme;
    setStyleSheet(dark != 0 ? "background-color: #1E1E1E;" : "background-color: #FFFFFF;");
}

void CListThumbDetails::SetShared(QList<SThumb>* recordList, QList<int>* rows, CListThumbThread* loader,
                                  QList<QIcon>* iconList, QBasicMutex* lock)
{
    records = recordList;
    rowMap = rows;
    thread = loader;
    icons = iconList;
    mutex = lock;
}

void CListThumbDetails::InitThread()
{
    requests->Connect(this, thread);
}

void CListThumbDetails::StopLoading()
{
    requests->Stop();
}

void CListThumbDetails::AddItem(QString, QString, QString, QString) {}

void CListThumbDetails::RemoveItem(int) {}

void CListThumbDetails::RemoveAll() {}

QStringList CListThumbDetails::ColumnTitles()
{
    return {tr("Name"), tr("Type"),     tr("Date Taken"), tr("Dimensions"), tr("Size"),  tr("Location"),
            tr("Camera"), tr("F-stop"), tr("Exposure"),   tr("ISO"),        tr("DPI"),   tr("Color"),
            tr("Coordinates"), tr("Altitude")};
}

QString CListThumbDetails::CellText(const SThumb& record, int column)
{
    switch (column) {
    case ColumnName: return record.name;
    case ColumnType: return record.type;
    case ColumnDateTaken: return record.dateTaken;
    case ColumnDimensions: return record.dimensions;
    case ColumnSize: return record.size;
    case ColumnLocation: return record.location;
    case ColumnCamera: return record.camera;
    case ColumnFStop: return record.fStop;
    case ColumnExposure: return record.exposure;
    case ColumnISO: return record.iso;
    case ColumnDPI: return record.dpi;
    case ColumnColor: return record.colour;
    case ColumnCoordinates: return record.coordinates;
    case ColumnAltitude: return record.altitude;
    default: return QString();
    }
}

QVariant CListThumbDetails::SortKey(const SThumb& record, int column)
{
    const QString text = CellText(record, column);
    switch (column) {
    case ColumnName:
    case ColumnType:
    case ColumnDateTaken:
    case ColumnLocation:
    case ColumnCamera:
    case ColumnCoordinates:
        return text.toLower();
    case ColumnColor:
        return text;
    case ColumnDimensions:
    case ColumnDPI:
        return ProductKey(text);
    case ColumnSize:
        return SizeKey(text);
    case ColumnFStop:
        return text.mid(2).trimmed().toDouble();
    case ColumnExposure:
        return text.mid(2).remove(" sec").trimmed().toDouble();
    case ColumnISO:
        return text.mid(4).trimmed().toLongLong();
    case ColumnAltitude:
        return text.left(text.size() - 2).trimmed().toDouble();
    default:
        return QString();
    }
}

bool CListThumbDetails::SortAscending(const int& a, const int& b) const
{
    return KeyLess(listSort.at(a), listSort.at(b));
}

bool CListThumbDetails::SortDescending(const int& a, const int& b) const
{
    return KeyLess(listSort.at(b), listSort.at(a));
}

void CListThumbDetails::SortByColumn(int column)
{
    if (!HasShared())
        return;
    {
        QMutexLocker locker(mutex);
        const bool ascending = horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder;
        // The table's rows and the row map agree except while the panel is
        // rebuilding; a sort then would mix photos up.
        if (rowMap->size() != rowCount())
            return;
        // Photos added a moment ago may still wait for their details: a
        // column of details sorts with all of them.
        if (column != ColumnName && column != ColumnType && column != ColumnSize && column != ColumnLocation)
            ReadMissingDetails();
        listIdx.clear();
        listSort.clear();
        for (int r = 0; r < rowMap->size(); ++r) {
            listIdx.append(r);
            const int index = rowMap->at(r);
            listSort.append(index >= 0 && index < records->size() ? SortKey(records->at(index), column)
                                                                   : QVariant(QString()));
        }
        // Equal keys keep their order, so that sorting twice gives one result.
        if (ascending)
            std::stable_sort(listIdx.begin(), listIdx.end(),
                             [this](const int& a, const int& b) { return SortAscending(a, b); });
        else
            std::stable_sort(listIdx.begin(), listIdx.end(),
                             [this](const int& a, const int& b) { return SortDescending(a, b); });
        QList<int> sorted;
        sorted.reserve(listIdx.size());
        for (int old : std::as_const(listIdx))
            sorted.append(rowMap->at(old));
        *rowMap = sorted;
    }
    emit SignalSort(listIdx);
}

void CListThumbDetails::ReadMissingDetails()
{
    for (SThumb& record : *records) {
        if (!record.detailed)
            record.detailed = CPhotoDetails::Fill(record, true);
    }
}

void CListThumbDetails::HorizontalHeaderRightClick(QPoint)
{
    QMenu menu(this);
    QHeaderView* header = horizontalHeader();
    for (int section = 0; section < header->count(); ++section) {
        QAction* action = menu.addAction(model()->headerData(section, Qt::Horizontal).toString());
        action->setCheckable(true);
        action->setChecked(!header->isSectionHidden(section));
        connect(action, &QAction::triggered, this, [this, section] { HorizontalHeaderClicked(section); });
    }
    menu.exec(QCursor::pos());
}

void CListThumbDetails::HorizontalHeaderClicked(int column)
{
    QHeaderView* header = horizontalHeader();
    if (column < 0 || column >= header->count())
        return;
    if (header->isSectionHidden(column)) {
        header->showSection(column);
        return;
    }
    if (header->count() - header->hiddenSectionCount() < 2)
        return; // the last visible column stays
    header->hideSection(column);
}

void CListThumbDetails::UpdateItemImageIndex(int row)
{
    if (!HasShared() || row < 0 || row >= rowCount() || row >= rowMap->size())
        return;
    const int index = rowMap->at(row);
    if (index < 0 || index >= records->size())
        return;
    SThumb& record = (*records)[index];
    // Whichever view comes first turns the pending image into the shared icon.
    CListThumb::TakePendingImage(record, icons);
    if (HiddenByOwner())
        return;
    for (int column = 0; column < ColumnCount; ++column) {
        QTableWidgetItem* cell = item(row, column);
        if (!cell) {
            cell = NewCell(column);
            setItem(row, column, cell);
        }
        if (column == ColumnName) {
            const QIcon icon = CListThumb::IconAt(icons, record.iconIndex);
            if (cell->icon().cacheKey() != icon.cacheKey())
                cell->setIcon(icon);
        }
        // Only what changed: each change is a signal and a repaint of the cell.
        const QString text = CellText(record, column);
        if (cell->text() != text)
            cell->setText(text);
        if (cell->toolTip() != record.tooltip)
            cell->setToolTip(record.tooltip);
    }
}

void CListThumbDetails::UpdateItemsImageIndex(int first, int last)
{
    if (!HasShared())
        return;
    QMutexLocker locker(mutex);
    for (int row = first; row <= last; ++row)
        UpdateItemImageIndex(row);
}

bool CListThumbDetails::HiddenByOwner() const
{
    // Not the state of a table that was never shown (a window of its own).
    return testAttribute(Qt::WA_WState_ExplicitShowHide) && testAttribute(Qt::WA_WState_Hidden);
}

QTableWidgetItem* CListThumbDetails::NewCell(int column)
{
    auto* cell = new QTableWidgetItem();
    cell->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    const bool left = column == ColumnName || column == ColumnLocation;
    cell->setTextAlignment(left ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
    return cell;
}

void CListThumbDetails::AssignThumbnails()
{
    {
        // Every cell at once (new cells of a rebuild among them): one repaint
        // of the table instead of a change signal per cell.
        const QSignalBlocker quiet(model());
        UpdateItemsImageIndex(0, rowCount() - 1);
    }
    viewport()->update();
    requests->Reset();
}

void CListThumbDetails::UpdateView()
{
    requests->Reset();
}

void CListThumbDetails::ChangeView()
{
    setIconSize(QSize(25, 25));
    ReloadToolTips();
}

void CListThumbDetails::ReloadToolTips()
{
    if (!HasShared() || HiddenByOwner())
        return;
    QMutexLocker locker(mutex);
    const int rows = std::min(rowCount(), int(rowMap->size()));
    for (int row = 0; row < rows; ++row) {
        const int index = rowMap->at(row);
        if (index < 0 || index >= records->size())
            continue;
        const QString& tooltip = records->at(index).tooltip;
        for (int column = 0; column < ColumnCount; ++column) {
            QTableWidgetItem* cell = item(row, column);
            if (cell && cell->toolTip() != tooltip)
                cell->setToolTip(tooltip);
        }
    }
}

void CListThumbDetails::FindFirstLastVisibleItems(int& first, int& last)
{
    first = rowAt(0);
    int current = first;
    int perStep = 0;
    int relativeLast = -1;
    bool firstStep = true;
    while (current >= 0) {
        const int probe = rowViewportPosition(current) + rowHeight(current) - 1 + 2;
        const int next = rowAt(probe);
        if (firstStep) {
            perStep = next >= 0 ? next - first : 9999;
            firstStep = false;
        }
        relativeLast += perStep;
        current = next;
        if (probe < 0 || probe >= viewport()->height())
            break;
    }
    last = std::min(first + relativeLast, rowCount() - 1);
}

void CListThumbDetails::ThreadLoadIcons()
{
    if (!isVisible() || !HasShared())
        return;
    requests->Tick(this, rowCount(), *records, *rowMap, mutex, thread);
}

void CListThumbDetails::OnThreadLoadComplete(int first, int last)
{
    requests->Reset();
    UpdateItemsImageIndex(first, last);
}

void CListThumbDetails::RepaintView()
{
    viewport()->update();
}

void CListThumbDetails::AddWatermarkText(QString text, int dy, bool alwaysShown, QFont font, QColor colour)
{
    watermarks.append(CListThumb::TextWatermark(text, dy, alwaysShown, font, colour));
}

void CListThumbDetails::AddWatermarkImage(QString resourceName, bool themed, int dx, int dy, bool alwaysShown,
                                          int anchor)
{
    watermarks.append(CListThumb::ImageWatermark(imageCache, resourceName, themed, dx, dy, alwaysShown, anchor));
}

void CListThumbDetails::paintEvent(QPaintEvent* event)
{
    const int scrollWidth = verticalScrollBar()->isVisible() ? verticalScrollBar()->width() : 0;
    const int scrollHeight = horizontalScrollBar()->isVisible() ? horizontalScrollBar()->height() : 0;
    CListThumb::PaintWatermarks(viewport(), watermarks, rowCount(), size(), horizontalHeader()->height(),
                                scrollWidth, scrollHeight, imageCache->CellSide(1, true));
    QTableWidget::paintEvent(event);
}

void CListThumbDetails::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Home && rowCount() > 0) {
        selectRow(0);
        return;
    }
    if (event->key() == Qt::Key_End && rowCount() > 0) {
        selectRow(rowCount() - 1);
        return;
    }
    QTableWidget::keyPressEvent(event);
}

void CListThumbDetails::mousePressEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        emit Clicked();
    QTableWidget::mousePressEvent(event);
}

void CListThumbDetails::resizeEvent(QResizeEvent* event)
{
    QTableWidget::resizeEvent(event);
}

void CListThumbDetails::dragEnterEvent(QDragEnterEvent* event)
{
    if (!CListThumb::TakeFileDrag(event, true))
        QTableWidget::dragEnterEvent(event);
}

void CListThumbDetails::dragMoveEvent(QDragMoveEvent* event)
{
    if (!CListThumb::TakeFileDrag(event, true))
        QTableWidget::dragMoveEvent(event);
}

void CListThumbDetails::dropEvent(QDropEvent* event)
{
    if (event->mimeData()->hasUrls()) {
        const QStringList paths = CListThumb::DroppedFiles(event->mimeData());
        event->acceptProposedAction();
        emit SignalDragDropFiles(paths);
        return;
    }
    if (event->source() != this || !HasShared()) {
        event->ignore();
        return;
    }
    QList<int> selected;
    for (const QModelIndex& index : selectionModel()->selectedRows(0))
        selected.append(index.row());
    const int under = rowAt(event->position().toPoint().y());
    {
        QMutexLocker locker(mutex);
        pendingMoves = CListThumb::DropMoves(selected, under >= 0 ? under : rowCount());
        for (const SDragDrop& move : std::as_const(pendingMoves))
            MoveListElement(*rowMap, move.from, move.to);
    }
    // The rows stay where they are: the panel applies the moves to the photo
    // list and rebuilds the table.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    emit SignalDragDropPanel1(pendingMoves);
}
