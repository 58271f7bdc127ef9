#pragma once

#include "SDragDrop.h"
#include "SImageRecord.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class CFormatsEnum;
class CHardwareProfile;
class CImageCache;
class CListImages;
class CListThumb;
class CListThumbDetails;
class CStatesList;
class CTextWidget;
class CUserProfile;
class QAction;
class QListWidgetItem;
class QMenu;
class QTableWidgetItem;
namespace Ui {
class CMainPanel1;
}

// Step 1: gathers the photos of the job. Shows the photo list in two
// interchangeable views, a thumbnail list and a details table, which share
// one record list and one thumbnail loader; beside them the add, remove and
// view buttons and a small preview of the current photo.
//
// Photos come from the file dialog, a folder (with or without its
// subfolders), a folder search, the clipboard and files dropped on the
// views; they leave by removing the selected ones or all; they are reordered
// by dragging inside a view or by sorting a details column. After every
// change both views are rebuilt from the photo list, an undo snapshot is
// stored and the main window is told.
//
// Split by concern: CMainPanel1.cpp (set-up, the window's operations, the
// views, menus and events), CMainPanel1Photos.cpp (adding, removing and
// reordering photos), CMainPanel1Preview.cpp (preview and tips).
class CMainPanel1 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel1(QWidget* parent = nullptr);
    ~CMainPanel1() override;

    // Operations of the main window.
    void RefreshPanel();
    // Empties the views for a refill (the photo list itself is untouched):
    // their records and the list's items go; the details table keeps its
    // rows and cells until the next synchronisation refills them.
    void ClearImageList();
    void DiscardUserChanges();
    void UnsignalPanelChanged();
    // Stops the preview work before a processing run.
    void CleanUp();
    // A script's run: nobody looks at the list, so no thumbnails are read.
    void StopThumbnails();
    void setPanelTranzition(bool* transition);
    // Adds one photo of the job to the views.
    void AddListThumbItem(SImageRecord record);
    void RetranslateUI();
    // Selected photos in the view that "GUI/Step1.ViewType" names.
    int GetSelectedImagesCount() const;
    // Number of photos the views show.
    int ViewCount() const;

    // Rebuilds both views from the photo list (the only place their items
    // are made) and renumbers the photos' run keys.
    void SynchronizeListImages(bool keepSelection, int reloadRow);
    // Adds the files of a folder, and of its subfolders when recursive.
    void AddFolder(QString folder, bool recursive);
    // Adds the files of a folder matching mask, and of its subfolders when
    // recursive.
    void SearchAllFiles(QString folder, QString mask, bool recursive);
    // Adds dropped or pasted paths: folders without their subfolders, files
    // one by one.
    void AddPhotos(QList<QString> paths);
    // The view the user sees: the details table when shown, else the list.
    bool DetailsShown() const;

    // The two tip bubbles.
    CTextWidget* tipAddPhoto = nullptr;
    CTextWidget* tipStep2 = nullptr;
    // The photo view that the step 2 panel shows as well.
    CListThumb* photoListView = nullptr;
    // Shows the add-photos tip once it fires (started by the main window).
    QTimer timerShowAddPhotoTip;
    // An edit since the job was last loaded, saved or discarded.
    bool changed = false;

public slots:
    void AddPhotos();
    void AddFolder(bool withSubfolders = false);
    void AddFolderWithSubfolders();
    void SearchAndAdd();
    void PasteClipboardFiles();
    void RemoveSelectedPhotos();
    void RemoveAllPhotos(bool ask = true);
    void ViewDetails();
    void ViewSmallIcons();
    void ViewMediumIcons();
    void ViewLargeIcons();
    void ChangeViewMode(int mode);
    void ListThumbClicked();
    void ListThumbDragDropPanel1(QList<SDragDrop> moves);
    void ListThumbDragDropFiles(QList<QString> paths);
    void ListThumbDetailsSort(QList<int> order);
    void ShowAddPhotoTip();
    void ShowStep2Tip();
    void MakeAddPhotoTipInvisible();
    void MakeStep2TipInvisible();
    void StartPreview(bool keepPath = false);
    void UpdateZoomText(int percent);
    // An edit of the job: mark it changed, store an undo snapshot, tell the
    // window.
    void SignalPanelChanged();

    void on_listImages_itemClicked(QListWidgetItem* item);
    void on_listImagesDetails_itemClicked(QTableWidgetItem* item);
    void on_listImages_itemSelectionChanged();
    void on_listImagesDetails_itemSelectionChanged();
    void on_listImages_customContextMenuRequested(const QPoint& position);
    void on_listImagesDetails_customContextMenuRequested(const QPoint& position);
    void on_buttonAddPhotos_clicked();
    void on_buttonAdd_clicked();
    void on_buttonRemove_clicked();
    void on_buttonView_clicked();
    void on_buttonZoomInImage_clicked();
    void on_buttonZoomOutImage_clicked();
    void on_buttonMaxZoomImage_clicked();
    void on_buttonMinZoomImage_clicked();
    void on_checkShowPreview_clicked(bool on);

signals:
    void SignalChanges();
    void UnsignalChanges();
    void SignalListImagesChanged();
    void SignalReloadThumbsInPanel2(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Init();
    // Adds one file through the photo list (unreadable formats are noted in
    // rejectedFiles, duplicates refused).
    void AddPhoto(const QString& path);
    // The common end of every adding route.
    void FinishAdding(int previewDelay, int hideAddTipDelay, int showStep2TipDelay);
    // Notes a name that a folder walk passed over because it is not valid
    // UTF-8, for the notice at the end of adding.
    void NotePassedOver(const QString& folder, const QByteArray& name, bool isFolder);
    // Tells the person which files and folders the last adding left out.
    void ShowPassedOver();
    // The photo list changed: mark, snapshot, tell the window.
    void PhotosChanged(bool listChanged);
    QList<int> SelectedRows() const;
    QList<int> SelectedListRows() const;
    QList<int> SelectedDetailsRows() const;
    // Selects `rows` (and `current`) in the details table, replacing its
    // selection.
    void SelectDetailsRows(QList<int> rows, int current);
    void SelectListImagesItem(int row);
    void SetSortIndicator(int column, int order);
    // The entries shared by the remove menu and the context menu.
    void AddRemoveActions(QMenu& menu, const QString& selected, const QString& all);
    QAction* PasteAction(QMenu& menu);
    bool ClipboardHasUrls() const;
    QPoint BelowButton(QWidget* button) const;
    // The preview: blank and stopped, forgetting its photo.
    void BlankPreview();

    Ui::CMainPanel1* ui = nullptr;
    CListImages* photoList = nullptr;
    CUserProfile* userProfile = nullptr;
    CFormatsEnum* formats = nullptr;
    CStatesList* states = nullptr;
    CHardwareProfile* hardware = nullptr;
    CImageCache* imageCache = nullptr;
    CListThumbDetails* detailsView = nullptr;
    QList<QString> rejectedFiles;
    // Files and folders that folder walks passed over (not valid UTF-8), as
    // a log shows them; told once adding ends.
    QStringList passedOver;
    QTimer timerPreview;
    QTimer timerHideAddPhotoTip;
    QTimer timerHideStep2Tip;
    QTimer timerShowStep2Tip;
    bool addPhotoTipShown = false;
    bool step2TipShown = false;
};
