#pragma once

#include "SDragDrop.h"
#include "SListWatermark.h"
#include "SThumb.h"

#include <QIcon>
#include <QList>
#include <QMutex>
#include <QStringList>
#include <QTableWidget>
#include <QVariant>

#include <memory>

class CImageCache;
class CListThumbThread;
class CThumbRequests;

// The details view of the step 1 photos: one row per photo, 14 columns of
// photo information. It shares the records, row map, icon list, mutex and
// loader thread of the step 1 thumbnail list (CListThumb), which owns them;
// the step 1 panel creates and removes the rows, the table fills them.
//
// A click on a column title sorts: the table reorders the row map and
// reports the new order (SignalSort) for the panel to apply to the photo
// list. The header's context menu shows and hides columns; the column
// layout is kept in the settings store.
class CListThumbDetails : public QTableWidget
{
    Q_OBJECT
public:
    enum Column {
        ColumnName, ColumnType, ColumnDateTaken, ColumnDimensions, ColumnSize, ColumnLocation,
        ColumnCamera, ColumnFStop, ColumnExposure, ColumnISO, ColumnDPI, ColumnColor,
        ColumnCoordinates, ColumnAltitude, ColumnCount
    };

    explicit CListThumbDetails(QWidget* parent = nullptr);
    // Saves the column layout; the shared data stay with the photo list.
    ~CListThumbDetails() override;

    void Initialize(int darkTheme);
    // The photo list's data (not owned), in the order the panel hands them.
    void SetShared(QList<SThumb>* records, QList<int>* rowMap, CListThumbThread* thread, QList<QIcon>* icons,
                   QBasicMutex* mutex);
    // Connections only: the photo list starts the thread.
    void InitThread();

    // The panel makes and removes the rows itself: these do nothing.
    void AddItem(QString name, QString type, QString location, QString text);
    void RemoveItem(int row);
    void RemoveAll();
    // No more thumbnail requests from this table.
    void StopLoading();

    // Fill the cells of rows from their records, making the missing cells
    // (NewCell). A table its owner hid fills none: the panel refills it when
    // it shows it. UpdateItemImageIndex needs the mutex held by the caller; the
    // others take it.
    void UpdateItemImageIndex(int row);
    void UpdateItemsImageIndex(int first, int last);
    void AssignThumbnails();
    void UpdateView();
    void ChangeView();
    void ReloadToolTips();
    void FindFirstLastVisibleItems(int& first, int& last);

    void AddWatermarkText(QString text, int dy, bool alwaysShown, QFont font, QColor colour);
    void AddWatermarkImage(QString resourceName, bool themed, int dx, int dy, bool alwaysShown, int anchor);

    // Translated column titles, in column order.
    static QStringList ColumnTitles();
    // An empty cell of a column: selectable, dragged with its row, the name
    // and the folder aligned left, the others centred.
    static QTableWidgetItem* NewCell(int column);
    // The text of a record shown in a column.
    static QString CellText(const SThumb& record, int column);
    // The key by which a column sorts a record: lower-cased texts, pixel
    // counts, kilobytes, f-numbers, exposure denominators, ISO values,
    // metres; an empty key for columns that do not sort.
    static QVariant SortKey(const SThumb& record, int column);
    // Comparators over the keys of one sort, by row.
    bool SortAscending(const int& a, const int& b) const;
    bool SortDescending(const int& a, const int& b) const;

signals:
    void Clicked();
    void LoadThumbnails();
    void SignalDragDropFiles(QStringList paths);
    void SignalDragDropPanel1(QList<SDragDrop> moves);
    // The new order: the former rows, in their new order.
    void SignalSort(QList<int> order);

public slots:
    void ThreadLoadIcons();
    void OnThreadLoadComplete(int first, int last);
    void RepaintView();
    void SortByColumn(int column);
    void HorizontalHeaderRightClick(QPoint position);
    void HorizontalHeaderClicked(int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool HasShared() const { return records && rowMap && icons && mutex; }
    // Hidden by the panel (which shows the photo list instead): no cells.
    bool HiddenByOwner() const;
    // Reads now the details of the records still without them (mutex held).
    void ReadMissingDetails();
    void DefaultLayout();
    int DateTakenWidth() const;

    CImageCache* imageCache = nullptr;
    CListThumbThread* thread = nullptr;
    std::unique_ptr<CThumbRequests> requests;
    QList<SListWatermark> watermarks;
    QList<SThumb>* records = nullptr;
    QList<int>* rowMap = nullptr;
    QList<QIcon>* icons = nullptr;
    QList<SDragDrop> pendingMoves;
    QBasicMutex* mutex = nullptr;
    int dark = 0;
    // State of one sort (GUI thread, inside SortByColumn only).
    QList<QVariant> listSort;
    QList<int> listIdx;
};
