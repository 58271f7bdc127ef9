#pragma once

#include "SDragDrop.h"
#include "SListWatermark.h"
#include "SThumb.h"

#include <QIcon>
#include <QList>
#include <QListWidget>
#include <QMutex>
#include <QStringList>

#include <memory>

class CImageCache;
struct SImageProperties;
class CListThumbThread;
class CThumbRequests;

// An item view of photos, filters or profiles shown as icons with texts.
// Each item is backed by an SThumb record; a row map gives the record of
// each row and an icon list the icons the records point at. Photo
// thumbnails are made lazily, off the GUI thread, for the visible rows only
// (a CListThumbThread started by InitThread). A photo's details are kept
// from an earlier read while its file is unchanged (CPhotoDetails); the step
// 1 list has its loader read new photos. Overlays (texts, images) are
// painted over the view, e.g. the invitation of an empty photo list.
//
// Files dropped from outside are reported as a sorted list of paths; moves
// inside the view are reported as SDragDrop moves for the owner to apply to
// its own list; the owner then refills the view.
//
// Records, row map and icon list are shared with the loader thread (and, for
// the step 1 photos, with the details table): every access to them, on any
// thread, happens with the view's mutex held. The mutex is not recursive.
class CListThumb : public QListWidget
{
    Q_OBJECT
public:
    enum ListType {
        TypePhotos = 0,       // the step 1 photo list
        TypeFilterPicker = 1, // the filter picker
        TypeFilters = 2,      // the step 2 filter list
        TypeProfiles = 3,     // the profile chooser
        TypeImageThumbs = 4   // the step 2 one-row photo strip
    };

    explicit CListThumb(QWidget* parent = nullptr);
    ~CListThumb() override;

    void Initialize(int listType, bool dark, bool noThread);
    // Size 1: icons of 64 pixels cut from the strip, 0: of 32 pixels; other
    // sizes change nothing. The icons are those records point at until a
    // thumbnail replaces them.
    void LoadDefaultThumbnails(QString stripName, bool themed, int size);
    // Points the view at a mutex it shares with others (not owned); call
    // before InitThread. Without it the view uses a mutex of its own.
    void SetMutex(QBasicMutex* shared);
    void InitThread();
    // Ends thumbnail and detail loading for good: the loader thread stops
    // and no more requests are made.
    void StopLoading();

    void AddItem(QString text, QString tooltip, QString path, bool loaded, int iconIndex, bool enabled);
    // Remove records; the widget's items are the caller's to remove.
    void RemoveItem(int row);
    void RemoveAll();
    // RemoveItem for several rows at once (rows as they are before the call;
    // those outside the list are ignored), in one pass over the list.
    void RemoveItems(QList<int> rows);

    // Fills the detail texts of a record from a ping of its path; false (and
    // the texts left as they were) when the photo cannot be pinged. The
    // properties read go to `properties` where given.
    static bool LoadImageExif(SThumb* thumb, SImageProperties* properties = nullptr);
    // How many photos LoadImageExif has read so far, on any thread and on
    // the GUI thread (for tests and benches).
    static int DetailReadCount();
    static int WindowDetailReadCount();
    // Darkens (amount below 0) or lightens (above 0) an image in place; pure
    // black and fully transparent pixels stay.
    static void AdjustLight(QImage* image, int amount);
    // "N/A", "120.56 KB", "1.20 MB".
    static QString SizeText(qint64 bytes);
    // The texts of an EXIF orientation (1 "Top-Left" ... 8 "Left-Bottom") and
    // of a colour-space code (1 "sRGB", 2 "Uncalibrated"); empty for others.
    static QString OrientationText(int orientation);
    static QString ColourText(int colourSpace);

    // Brings items up to date with their records. UpdateItemImageIndex needs
    // the mutex held by the caller; the others take it.
    void UpdateItemImageIndex(int row);
    void UpdateItemsImageIndex(int first, int last);
    void AssignThumbnails();

    void ChangeView(int mode);
    void UpdateView();
    void ReloadToolTips();
    void FindFirstLastVisibleItems(int& first, int& last);

    void AddWatermarkText(QString text, int dy, bool alwaysShown, QFont font, QColor colour);
    void AddWatermarkImage(QString resourceName, bool themed, int dx, int dy, bool alwaysShown, int anchor);

    // The internal move of a drop: the selected rows, in ascending order,
    // go before the row `target` (the count: to the end). The row map is
    // reordered and the moves reported to the owner, which applies them to
    // its list and refills the view. Only the photo and filter lists move.
    void DropSelectedRows(QList<int> selected, int target);
    // Moves the row-map entry of `from` before the one at `to` and notes the
    // move (mutex held by the caller).
    void DragnAndDrop(int from, int to);

    // Shared data, for the details table and the owner.
    QList<SThumb>* Records() const { return records.get(); }
    QList<int>* RowMap() const { return rowMap.get(); }
    QList<QIcon>* Icons() const { return icons.get(); }
    QBasicMutex* Mutex() const { return mutex; }
    CListThumbThread* Thread() const { return thread.get(); }
    int ListType() const { return listType; }
    const QList<SListWatermark>& Watermarks() const { return watermarks; }

    // Helpers shared with the details table.
    // The icon at `index`, or an empty icon outside the list.
    static QIcon IconAt(const QList<QIcon>* icons, int index);
    // Turns a record's pending image into its icon (mutex held).
    static void TakePendingImage(SThumb& record, QList<QIcon>* icons);
    // Local files of dropped URLs, sorted ascending.
    static QStringList DroppedFiles(const QMimeData* data);
    // A drag of files from outside is accepted (or, where not `accept`,
    // ignored) and true returned; false for any other drag.
    static bool TakeFileDrag(QDragMoveEvent* event, bool accept);
    // Paints the overlays due on `viewport` of a view with `count` items;
    // `top` is the height above the viewport (a header), `scrollWidth` and
    // `scrollHeight` the visible scroll bars.
    static void PaintWatermarks(QWidget* viewport, const QList<SListWatermark>& watermarks, int count,
                                QSize viewSize, int top, int scrollWidth, int scrollHeight, int ratio);
    static SListWatermark TextWatermark(QString text, int dy, bool alwaysShown, QFont font, QColor colour);
    static SListWatermark ImageWatermark(CImageCache* cache, QString resourceName, bool themed, int dx, int dy,
                                         bool alwaysShown, int anchor);
    // The moves of a drop of the `selected` rows before row `target`, in
    // the order they are applied.
    static QList<SDragDrop> DropMoves(QList<int> selected, int target);

signals:
    void Clicked();
    void LoadThumbnails();
    void SignalDragDropPanel1(QList<SDragDrop> moves);
    void SignalDragDropPanel2(QList<SDragDrop> moves);
    void SignalDragDropFiles(QStringList paths);

public slots:
    void ThreadLoadIcons();
    void OnThreadLoadComplete(int first, int last);
    void RepaintView();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Whether drops inside the view reorder it (the lists whose owner applies
    // the moves).
    bool AllowsInternalMoves() const;
    // Whether AddItem reads the details of a new or changed photo itself:
    // not where the loader reads them (the step 1 list with its thread
    // running), nor in the step 2 strip, which shows none.
    bool ReadsDetailsOnAdd() const;
    QIcon ItemIcon(const SThumb& record) const;

    CImageCache* imageCache = nullptr;
    int listType = TypePhotos;
    std::unique_ptr<CListThumbThread> thread;
    QList<SListWatermark> watermarks;
    std::unique_ptr<QList<SThumb>> records;
    std::unique_ptr<QList<int>> rowMap;
    std::unique_ptr<QList<QIcon>> icons;
    QBasicMutex* mutex = nullptr;
    QMutex ownMutex;
    std::unique_ptr<CThumbRequests> requests;
    QList<SDragDrop> pendingMoves;
    bool dark = false;
    bool noThread = false;
};
