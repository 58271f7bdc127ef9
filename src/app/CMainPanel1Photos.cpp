#include "CMainPanel1.h"

#include "CDialogSearch.h"
#include "CFolderWalker.h"
#include "CFormatsEnum.h"
#include "CListImages.h"
#include "CListThumb.h"
#include "CListThumbDetails.h"
#include "CPromptSeam.h"
#include "CStatesList.h"
#include "CUserProfile.h"
#include "Common.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelection>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace {
void SortPaths(QStringList& paths)
{
    std::sort(paths.begin(), paths.end(), [](QString a, QString b) { return StringCompareAscending(a, b); });
}
} // namespace

// ---------------------------------------------------------------- adding

void CMainPanel1::AddPhoto(const QString& path)
{
    if (photoList->AddImage(path, rejectedFiles))
        AddListThumbItem(photoList->list.constLast());
}

void CMainPanel1::PhotosChanged(bool listChanged)
{
    changed = true;
    if (!states->suppress)
        states->SaveState(false);
    emit SignalChanges();
    if (listChanged)
        emit SignalListImagesChanged();
}

void CMainPanel1::NotePassedOver(const QString& folder, const QByteArray& name, bool isFolder)
{
    const QString shown = CFolderWalker::ShownPath(folder, name) + (isFolder ? "/" : "");
    if (!passedOver.contains(shown))
        passedOver.append(shown);
}

void CMainPanel1::ShowPassedOver()
{
    if (passedOver.isEmpty())
        return;
    // A folder of thousands such names must not make a box taller than the
    // screen: the first few, and how many more.
    constexpr int shownAtMost = 10;
    QStringList lines = passedOver.mid(0, shownAtMost);
    if (passedOver.size() > shownAtMost)
        lines.append(tr("and %1 more").arg(passedOver.size() - shownAtMost));
    passedOver.clear();
    CPromptSeam::Warning(this, CPromptSeam::Message,
                         tr("These files and folders were not added because their names are not valid "
                            "UTF-8:") +
                             "\n\n" + lines.join('\n'));
}

void CMainPanel1::FinishAdding(int previewDelay, int hideAddTipDelay, int showStep2TipDelay)
{
    SynchronizeListImages(true, 0);
    ShowPassedOver();
    SetSortIndicator(-1, Qt::AscendingOrder);
    if (previewDelay >= 0)
        timerPreview.start(previewDelay);
    if (hideAddTipDelay >= 0)
        timerHideAddPhotoTip.start(hideAddTipDelay);
    if (showStep2TipDelay >= 0)
        timerShowStep2Tip.start(showStep2TipDelay);
    PhotosChanged(true);
}

void CMainPanel1::AddPhotos()
{
    const QString start = NearestExistingFolder(GetRegistryString("GUI/Step1.AddPhotosPath", GetMyPictures()));
    QStringList names = QFileDialog::getOpenFileNames(this, tr("Select Photo(s)"), start, formats->dialogFilter);
    if (names.isEmpty())
        return;
    SortPaths(names);
    for (QString& name : names) {
        name.replace('\\', '/');
        AddPhoto(name);
    }
    SetRegistryString("GUI/Step1.AddPhotosPath", names.constFirst().left(names.constFirst().lastIndexOf('/')));
    FinishAdding(500, 0, 2000);
}

void CMainPanel1::AddFolder(bool withSubfolders)
{
    const QString start = NearestExistingFolder(GetRegistryString("GUI/Step1.AddFolderPath", GetMyPictures()));
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("Browse For Folder"), start, QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return;
    AddFolder(folder, withSubfolders);
    SetRegistryString("GUI/Step1.AddFolderPath", folder);
    FinishAdding(500, 0, 2000);
}

void CMainPanel1::AddFolderWithSubfolders()
{
    AddFolder(true);
}

void CMainPanel1::AddFolder(QString folder, bool recursive)
{
    if (folder.isEmpty())
        return;
    folder.replace('\\', '/');
    CFolderWalker::Options options;
    options.recursive = recursive;
    options.includeFileLinks = true;
    // Every folder is entered once, so a link to a parent folder ends.
    const auto add = [this](const QString&, const QStringList& files) {
        for (const QString& path : files)
            AddPhoto(path);
        emit SignalListImagesChanged();
    };
    CFolderWalker::Walk(folder, options, add, [this](const QString& in, const QByteArray& name, bool isFolder) {
        NotePassedOver(in, name, isFolder);
    });
}

void CMainPanel1::SearchAllFiles(QString folder, QString mask, bool recursive)
{
    CFolderWalker::Options options;
    options.mask = mask;
    options.recursive = recursive;
    options.includeFileLinks = false;
    const auto add = [this](const QString&, const QStringList& files) {
        for (const QString& path : files)
            AddPhoto(path);
    };
    CFolderWalker::Walk(folder, options, add, [this](const QString& in, const QByteArray& name, bool isFolder) {
        NotePassedOver(in, name, isFolder);
    });
}

void CMainPanel1::SearchAndAdd()
{
    CDialogSearch dialog(this);
    if (dialog.exec() != 1)
        return;
    SearchAllFiles(dialog.searchPath, dialog.searchMask, dialog.searchSubfolders);
    FinishAdding(500, 0, 2000);
}

void CMainPanel1::PasteClipboardFiles()
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data)
        return;
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    if (paths.isEmpty())
        return;
    SortPaths(paths);
    AddPhotos(paths);
    FinishAdding(-1, 0, 2000);
}

void CMainPanel1::ListThumbDragDropFiles(QList<QString> paths)
{
    if (paths.isEmpty())
        return;
    AddPhotos(paths);
    FinishAdding(-1, -1, -1);
}

void CMainPanel1::AddPhotos(QList<QString> paths)
{
    for (const QString& path : paths) {
        if (QFileInfo(path).isDir())
            AddFolder(path, false);
        else
            AddPhoto(path);
    }
}

// ---------------------------------------------------------------- removing

void CMainPanel1::RemoveSelectedPhotos()
{
    if (photoList->list.isEmpty())
        return;
    const QList<int> selected = SelectedRows();
    if (selected.isEmpty()) {
        CPromptSeam::Warning(this, CPromptSeam::Message, tr("No photos selected"));
        return;
    }
    if (!CPromptSeam::Question(this, CPromptSeam::Message, tr("Remove selected photo(s) from the list?")))
        return;

    // The selected rows go in one pass over the lists (thousands may be
    // selected).
    QList<int> rows;
    for (int row : selected) {
        if (row >= 0 && row < photoList->list.size())
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    const int removed = int(rows.size());
    const int lastRemoved = rows.isEmpty() ? -1 : rows.constLast();
    QList<SImageRecord> kept;
    kept.reserve(photoList->list.size() - removed);
    for (int row = 0, next = 0; row < photoList->list.size(); ++row) {
        if (next < removed && rows.at(next) == row)
            ++next;
        else
            kept.append(photoList->list.at(row));
    }
    photoList->list = kept;
    photoListView->RemoveItems(rows);
    const int newRow = std::min(lastRemoved - removed + 1, int(photoList->list.size()) - 1);
    SynchronizeListImages(false, newRow);
    if (photoList->list.isEmpty()) {
        userProfile->previewPath.clear();
        userProfile->previewIndex = 0;
        BlankPreview();
    } else {
        SelectListImagesItem(newRow);
        userProfile->previewPath = photoList->list.at(newRow).path;
        userProfile->previewIndex = newRow;
    }
    timerPreview.start(500);
    PhotosChanged(!photoList->list.isEmpty());
}

void CMainPanel1::RemoveAllPhotos(bool ask)
{
    if (photoList->list.isEmpty())
        return;
    if (ask && !CPromptSeam::Question(this, CPromptSeam::Message, tr("Remove all photos from the list?")))
        return;
    photoList->list.clear();
    photoListView->RemoveAll();
    SynchronizeListImages(false, 0);
    userProfile->previewPath.clear();
    userProfile->previewIndex = 0;
    BlankPreview();
    PhotosChanged(true);
}

// ---------------------------------------------------------------- reordering

void CMainPanel1::ListThumbDragDropPanel1(QList<SDragDrop> moves)
{
    if (moves.isEmpty())
        return;
    int forward = 0;
    for (const SDragDrop& move : std::as_const(moves)) {
        photoList->DragAndDrop(move.from, move.to);
        if (move.from < move.to)
            ++forward;
    }
    SynchronizeListImages(false, 0);
    SetSortIndicator(-1, Qt::AscendingOrder);

    const int count = int(photoList->list.size());
    const int first = std::clamp(moves.constFirst().to - forward, 0, std::max(0, count - 1));
    QList<int> rows;
    for (int row = first; row < first + moves.size() && row < count; ++row)
        rows.append(row);
    {
        const QSignalBlocker block(photoListView);
        photoListView->setCurrentRow(first, QItemSelectionModel::NoUpdate);
        QItemSelection selection;
        for (int row : std::as_const(rows))
            selection.select(photoListView->model()->index(row, 0), photoListView->model()->index(row, 0));
        photoListView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }
    SelectDetailsRows(rows, first);
    if (first < count) {
        userProfile->previewPath = photoList->list.at(first).path;
        userProfile->previewIndex = first;
    }
    timerPreview.start(500);
    PhotosChanged(true);
}

void CMainPanel1::ListThumbDetailsSort(QList<int> order)
{
    const QHeaderView* header = detailsView->horizontalHeader();
    userProfile->detailsSortColumn = header->sortIndicatorSection();
    userProfile->detailsSortOrder = header->sortIndicatorOrder();
    const QList<int> selected = SelectedDetailsRows();
    const int current = detailsView->currentRow();

    photoList->Sort(order);
    // The rebuild brings both views' items up to date with the new order.
    SynchronizeListImages(false, 0);

    QList<int> moved;
    for (int row : selected) {
        const int at = int(order.indexOf(row));
        if (at >= 0)
            moved.append(at);
    }
    SelectDetailsRows(moved, int(order.indexOf(current)));
    PhotosChanged(true);
}
