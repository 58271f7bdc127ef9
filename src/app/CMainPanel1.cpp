#include "CMainPanel1.h"

#include "CFormatsEnum.h"
#include "CHardwareProfile.h"
#include "CControlImage.h"
#include "CDialogUnsupportedFormat.h"
#include "CImageCache.h"
#include "CListImages.h"
#include "CListThumb.h"
#include "CListThumbDetails.h"
#include "CStatesList.h"
#include "CTextWidget.h"
#include "CUserProfile.h"
#include "Common.h"
#include "ui_CMainPanel1.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QShortcut>

#include <algorithm>

namespace {
const char* const kViewTypeKey = "GUI/Step1.ViewType";
const char* const kShowPreviewKey = "GUI/Step1.ShowPreview";
} // namespace

CMainPanel1::CMainPanel1(QWidget* parent) : QWidget(parent)
{
    SystemLogWrite("CMainPanel1", QString());
    photoList = CListImages::GetInstance();
    userProfile = CUserProfile::GetInstance();
    formats = CFormatsEnum::GetInstance();
    states = CStatesList::GetInstance();
    hardware = CHardwareProfile::GetInstance();
    imageCache = CImageCache::GetInstance();

    ui = new Ui::CMainPanel1;
    ui->setupUi(this);
    photoListView = ui->listImages;
    detailsView = ui->listImagesDetails;
    Init();
    ui->retranslateUi(this);
    changed = false;
    addPhotoTipShown = false;
    step2TipShown = false;
    tipAddPhoto = new CTextWidget(this);
    tipAddPhoto->hide();
    tipStep2 = new CTextWidget(this);
    tipStep2->hide();
}

CMainPanel1::~CMainPanel1()
{
    delete tipAddPhoto;
    tipAddPhoto = nullptr;
    delete tipStep2;
    tipStep2 = nullptr;
    delete ui;
    ui = nullptr;
}

void CMainPanel1::Init()
{
    SystemLogWrite("Init", QString());
    timerPreview.setSingleShot(true);
    connect(&timerPreview, &QTimer::timeout, this, [this] { StartPreview(false); });
    connect(&timerHideAddPhotoTip, &QTimer::timeout, this, &CMainPanel1::MakeAddPhotoTipInvisible);
    connect(&timerHideStep2Tip, &QTimer::timeout, this, &CMainPanel1::MakeStep2TipInvisible);
    connect(&timerShowAddPhotoTip, &QTimer::timeout, this, &CMainPanel1::ShowAddPhotoTip);
    connect(&timerShowStep2Tip, &QTimer::timeout, this, &CMainPanel1::ShowStep2Tip);

    connect(ui->scrollImage, &CControlImage::UpdateZoomPercent, this, &CMainPanel1::UpdateZoomText,
            Qt::QueuedConnection);
    // Queued as well, so that it follows a zoom announced before it.
    connect(ui->scrollImage, &CControlImage::ZoomCleared, ui->textZoomPercent, &QLabel::clear,
            Qt::QueuedConnection);
    CControlImage::FitZoomLabel(ui->textZoomPercent);

    ui->viewImage->setBackgroundRole(QPalette::Base);
    ui->viewImage->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ui->scrollImage->imageLabel = ui->viewImage;
    ui->scrollImage->setStyleSheet(userProfile->themeId == 0 ? "background-color: rgb( 255, 255, 255 );"
                                                             : "background-color: rgb( 30, 30, 30 );");

    // The two views share one record list, icon list, mutex and loader.
    // The invitation's offsets are laid out for 18 and 14 point text at 72
    // points per inch: the sizes are given in pixels, so that the lines keep
    // clear of each other and of the image on any screen.
    const QColor grey(190, 190, 190);
    QFont large("Arial");
    large.setPixelSize(18);
    QFont small("Arial");
    small.setPixelSize(14);
    auto addOverlays = [&](auto* view) {
        view->AddWatermarkText(tr("Drag & Drop Your Photos Here"), -58, false, large, grey);
        view->AddWatermarkText(tr("Or Click To Add Photos"), -29, false, small, grey);
        view->AddWatermarkImage("Overlay-Symbol.png", true, -5, -5, true, 1);
        view->AddWatermarkImage("Add.png", false, 0, 15, false, 0);
    };
    photoListView->Initialize(CListThumb::TypePhotos, userProfile->themeId != 0, false);
    addOverlays(photoListView);
    photoListView->LoadDefaultThumbnails("Icons-Formats-64.png", false, 1);
    photoListView->SetMutex(&userProfile->thumbnailMutex);
    photoListView->InitThread();

    detailsView->Initialize(userProfile->themeId);
    detailsView->SetShared(photoListView->Records(), photoListView->RowMap(), photoListView->Thread(),
                           photoListView->Icons(), photoListView->Mutex());
    addOverlays(detailsView);
    detailsView->InitThread();

    qRegisterMetaType<QList<SDragDrop>>("ListDragDrop");
    qRegisterMetaType<QList<int>>("ListInt");
    connect(photoListView, &CListThumb::SignalDragDropPanel1, this, &CMainPanel1::ListThumbDragDropPanel1,
            Qt::QueuedConnection);
    connect(photoListView, &CListThumb::SignalDragDropFiles, this, &CMainPanel1::ListThumbDragDropFiles,
            Qt::QueuedConnection);
    connect(photoListView, &CListThumb::Clicked, this, &CMainPanel1::ListThumbClicked, Qt::DirectConnection);
    connect(detailsView, &CListThumbDetails::SignalDragDropPanel1, this, &CMainPanel1::ListThumbDragDropPanel1,
            Qt::QueuedConnection);
    connect(detailsView, &CListThumbDetails::SignalDragDropFiles, this, &CMainPanel1::ListThumbDragDropFiles,
            Qt::QueuedConnection);
    connect(detailsView, &CListThumbDetails::Clicked, this, &CMainPanel1::ListThumbClicked,
            Qt::DirectConnection);
    connect(detailsView, &CListThumbDetails::SignalSort, this, &CMainPanel1::ListThumbDetailsSort,
            Qt::QueuedConnection);

    // Pasting files: the context menu's entry and Ctrl+V.
    auto* paste = new QShortcut(QKeySequence::Paste, this);
    paste->setContext(Qt::WidgetWithChildrenShortcut);
    connect(paste, &QShortcut::activated, this, [this] {
        if (ClipboardHasUrls())
            PasteClipboardFiles();
    });

    ChangeViewMode(GetRegistryInt(kViewTypeKey, 2));

    const bool showPreview = GetRegistryInt(kShowPreviewKey, 1) != 0;
    ui->checkShowPreview->setChecked(showPreview);
    ui->scrollImage->previewOn = showPreview;
    on_checkShowPreview_clicked(showPreview);

    userProfile->detailsSortColumn = -1;
    userProfile->detailsSortOrder = Qt::AscendingOrder;
    SetSortIndicator(-1, Qt::AscendingOrder);

    const QList<QPair<QAbstractButton*, int>> zoomButtons = {{ui->buttonMaxZoomImage, 0},
                                                             {ui->buttonMinZoomImage, 1},
                                                             {ui->buttonZoomInImage, 2},
                                                             {ui->buttonZoomOutImage, 3}};
    for (const auto& [button, cell] : zoomButtons) {
        button->setIcon(imageCache->GetIcon("Icons-Minimal.png", true, true, 16, cell, 0));
        button->setIconSize(QSize(16, 16));
    }
    ui->scrollImage->imagePath.clear();
}

void CMainPanel1::RetranslateUI()
{
    ui->retranslateUi(this);
}

// ---------------------------------------------------------------- the window's operations

void CMainPanel1::RefreshPanel()
{
    SynchronizeListImages(true, 0);
    userProfile->previewPath.clear();
    userProfile->previewIndex = 0;
    BlankPreview();
    ui->checkShowPreview->setChecked(userProfile->Step1Preview);
    ui->scrollImage->previewOn = userProfile->Step1Preview;
    SetSortIndicator(userProfile->detailsSortColumn, userProfile->detailsSortOrder);
}

void CMainPanel1::ClearImageList()
{
    photoListView->RemoveAll();
    detailsView->RemoveAll();
    photoListView->clear();
    // The table keeps its rows and cells: the synchronisation that follows
    // the re-adding refills them, which costs far less than new ones.
}

void CMainPanel1::DiscardUserChanges()
{
    RemoveAllPhotos(false);
    const bool showPreview = GetRegistryInt(kShowPreviewKey, 1) != 0;
    ui->checkShowPreview->setChecked(showPreview);
    ui->scrollImage->previewOn = showPreview;
    userProfile->Step1Preview = showPreview;
    userProfile->detailsSortColumn = -1;
    userProfile->detailsSortOrder = Qt::AscendingOrder;
    SetSortIndicator(-1, Qt::AscendingOrder);
    BlankPreview();
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel1::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel1::SignalPanelChanged()
{
    changed = true;
    if (!states->suppress)
        states->SaveState(false);
    emit SignalChanges();
}

void CMainPanel1::setPanelTranzition(bool* transition)
{
    ui->scrollImage->panelTransition = transition;
}

void CMainPanel1::AddListThumbItem(SImageRecord record)
{
    const SFormatRecord format = formats->GetRecordById(record.extension);
    photoListView->AddItem(record.path, QString(), record.path, false, format.kind, true);
    detailsView->AddItem(record.baseName, record.extension, record.folder, QString());
}

int CMainPanel1::ViewCount() const
{
    return photoListView->count();
}

int CMainPanel1::GetSelectedImagesCount() const
{
    return int(GetRegistryInt(kViewTypeKey, 2) == 0 ? SelectedDetailsRows().size()
                                                    : photoListView->selectedItems().size());
}

// ---------------------------------------------------------------- views

bool CMainPanel1::DetailsShown() const
{
    return !detailsView->isHidden();
}

QList<int> CMainPanel1::SelectedListRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : photoListView->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<int> CMainPanel1::SelectedDetailsRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : detailsView->selectionModel()->selectedRows(0))
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

QList<int> CMainPanel1::SelectedRows() const
{
    return DetailsShown() ? SelectedDetailsRows() : SelectedListRows();
}

void CMainPanel1::SelectDetailsRows(QList<int> rows, int current)
{
    const int count = detailsView->rowCount();
    QItemSelection selection;
    if (current >= 0 && current < count && !rows.contains(current))
        rows.append(current);
    for (int row : std::as_const(rows)) {
        if (row >= 0 && row < count)
            selection.select(detailsView->model()->index(row, 0),
                             detailsView->model()->index(row, CListThumbDetails::ColumnCount - 1));
    }
    if (current >= 0 && current < count)
        detailsView->selectionModel()->setCurrentIndex(detailsView->model()->index(current, 0),
                                                       QItemSelectionModel::NoUpdate);
    detailsView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CMainPanel1::SetSortIndicator(int column, int order)
{
    detailsView->horizontalHeader()->setSortIndicator(column, Qt::SortOrder(order));
}

void CMainPanel1::SynchronizeListImages(bool keepSelection, int reloadRow)
{
    const int listCurrent = photoListView->currentRow();
    const QList<int> listSelected = keepSelection ? SelectedListRows() : QList<int>();
    const QList<int> detailsSelected = SelectedDetailsRows();
    const int detailsCurrent = detailsView->currentRow();

    {
        // One selection signal for the whole rebuild, not one per item.
        const QSignalBlocker blockList(photoListView);
        const QSignalBlocker blockDetails(detailsView);
        photoListView->setUpdatesEnabled(false);
        detailsView->setUpdatesEnabled(false);

        photoListView->clear();
        // The table keeps the cells of the rows that stay (refilled below from
        // the records, which costs far less than new cells); a hidden table
        // only gets its rows.
        const int count = int(photoList->list.size());
        detailsView->setRowCount(count);
        detailsView->setHorizontalHeaderLabels(CListThumbDetails::ColumnTitles());

        const int viewType = GetRegistryInt(kViewTypeKey, 2);
        QSize hint;
        if (viewType == 3)
            hint = QSize(165, 165);
        else if (viewType == 2)
            hint = QSize(100, 100);
        else if (viewType == 1)
            hint = QSize(70, 70);
        for (int i = 0; i < count; ++i) {
            const SImageRecord& record = photoList->list.at(i);
            auto* item = new QListWidgetItem(viewType == 0 ? QDir::toNativeSeparators(record.path)
                                                           : record.baseName);
            item->setFlags(item->flags() | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
            if (hint.isValid()) {
                item->setSizeHint(hint);
                item->setTextAlignment(Qt::AlignTop | Qt::AlignHCenter);
            }
            photoListView->addItem(item);
        }
        photoList->RenumberKeys();

        photoListView->AssignThumbnails();
        photoListView->ReloadToolTips();
        detailsView->AssignThumbnails();
        detailsView->ReloadToolTips();

        if (keepSelection) {
            if (listCurrent >= 0 && listCurrent < count)
                photoListView->setCurrentRow(listCurrent, QItemSelectionModel::NoUpdate);
            QItemSelection selection;
            for (int row : listSelected) {
                if (row < count)
                    selection.select(photoListView->model()->index(row, 0), photoListView->model()->index(row, 0));
            }
            photoListView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
            SelectDetailsRows(detailsSelected, detailsCurrent);
        }
        photoListView->setUpdatesEnabled(true);
        detailsView->setUpdatesEnabled(true);
    }

    if (!rejectedFiles.isEmpty()) {
        CDialogUnsupportedFormat dialog(this);
        dialog.SetUnsupportedFiles(rejectedFiles);
        rejectedFiles.clear();
        dialog.exec();
    }
    emit SignalReloadThumbsInPanel2(reloadRow);
}

void CMainPanel1::ViewDetails()
{
    ChangeViewMode(0);
}

void CMainPanel1::ViewSmallIcons()
{
    ChangeViewMode(1);
}

void CMainPanel1::ViewMediumIcons()
{
    ChangeViewMode(2);
}

void CMainPanel1::ViewLargeIcons()
{
    ChangeViewMode(3);
}

void CMainPanel1::ChangeViewMode(int mode)
{
    const int previous = GetRegistryInt(kViewTypeKey, mode);
    if (mode == 0) {
        detailsView->ChangeView();
        detailsView->show();
        photoListView->hide();
    } else {
        photoListView->ChangeView(mode);
        photoListView->show();
        detailsView->hide();
    }
    SetRegistryInt(kViewTypeKey, mode);
    SynchronizeListImages(true, 0);
    if (previous == mode || (previous != 0 && mode != 0)) {
        emit SignalListImagesChanged();
        return;
    }
    if (mode == 0) {
        // The list's selection carries over to the table.
        SelectDetailsRows(SelectedListRows(), photoListView->currentRow());
    } else {
        const QList<int> rows = SelectedDetailsRows();
        const int current = detailsView->currentRow();
        const QSignalBlocker block(photoListView);
        photoListView->clearSelection();
        if (current >= 0)
            photoListView->setCurrentRow(current, QItemSelectionModel::NoUpdate);
        QItemSelection selection;
        for (int row : rows)
            selection.select(photoListView->model()->index(row, 0), photoListView->model()->index(row, 0));
        photoListView->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }
    emit SignalListImagesChanged();
}

// ---------------------------------------------------------------- clicks, menus and keys

void CMainPanel1::ListThumbClicked()
{
    if (photoListView->count() == 0)
        AddPhotos();
}

void CMainPanel1::on_listImages_itemClicked(QListWidgetItem*)
{
    timerPreview.start(500);
    emit SignalListImagesChanged();
}

void CMainPanel1::on_listImagesDetails_itemClicked(QTableWidgetItem*)
{
    timerPreview.start(500);
    emit SignalListImagesChanged();
}

void CMainPanel1::on_listImages_itemSelectionChanged()
{
    timerPreview.start(500);
    emit SignalListImagesChanged();
}

void CMainPanel1::on_listImagesDetails_itemSelectionChanged()
{
    timerPreview.start(500);
    emit SignalListImagesChanged();
}

QPoint CMainPanel1::BelowButton(QWidget* button) const
{
    return button->mapToGlobal(button->contentsRect().bottomLeft());
}

bool CMainPanel1::ClipboardHasUrls() const
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasUrls() && !data->urls().isEmpty();
}

void CMainPanel1::AddRemoveActions(QMenu& menu, const QString& selected, const QString& all)
{
    const bool anyRows = DetailsShown() ? detailsView->rowCount() > 0 : photoListView->count() > 0;
    QAction* removeSelected = menu.addAction(selected, this, &CMainPanel1::RemoveSelectedPhotos);
    removeSelected->setEnabled(!SelectedRows().isEmpty());
    QAction* removeAll = menu.addAction(all, this, [this] { RemoveAllPhotos(true); });
    removeAll->setEnabled(anyRows);
}

QAction* CMainPanel1::PasteAction(QMenu& menu)
{
    QAction* paste = menu.addAction(tr("Pas&te"), this, &CMainPanel1::PasteClipboardFiles);
    paste->setEnabled(ClipboardHasUrls());
    return paste;
}

void CMainPanel1::on_buttonAdd_clicked()
{
    QMenu menu(this);
    menu.addAction(tr("&Folder"), this, [this] { AddFolder(false); });
    menu.addAction(tr("F&older with Subfolders"), this, &CMainPanel1::AddFolderWithSubfolders);
    menu.addAction(tr("&Search && Add"), this, &CMainPanel1::SearchAndAdd);
    menu.exec(BelowButton(ui->buttonAdd));
}

void CMainPanel1::on_buttonRemove_clicked()
{
    QMenu menu(this);
    AddRemoveActions(menu, tr("&Selected"), tr("&All"));
    menu.exec(BelowButton(ui->buttonRemove));
}

void CMainPanel1::on_buttonView_clicked()
{
    QMenu menu(this);
    const int current = GetRegistryInt(kViewTypeKey, 2);
    const QStringList texts = {tr("&Details"), tr("&Small Icons"), tr("&Medium Icons"), tr("&Large Icons")};
    for (int mode = 0; mode < texts.size(); ++mode) {
        QAction* action = menu.addAction(texts[mode], this, [this, mode] { ChangeViewMode(mode); });
        action->setCheckable(true);
        action->setChecked(mode == current);
    }
    menu.exec(BelowButton(ui->buttonView));
}

void CMainPanel1::on_listImages_customContextMenuRequested(const QPoint&)
{
    QMenu menu(this);
    menu.addAction(tr("Add &Photo(s)"), this, qOverload<>(&CMainPanel1::AddPhotos));
    menu.addAction(tr("Add &Folder"), this, [this] { AddFolder(false); });
    menu.addAction(tr("&Search && Add"), this, &CMainPanel1::SearchAndAdd);
    PasteAction(menu);
    menu.addSeparator();
    AddRemoveActions(menu, tr("Remove S&elected"), tr("Remove &All"));
    menu.exec(QCursor::pos());
}

void CMainPanel1::on_listImagesDetails_customContextMenuRequested(const QPoint& position)
{
    on_listImages_customContextMenuRequested(position);
}

void CMainPanel1::on_buttonAddPhotos_clicked()
{
    AddPhotos();
}

void CMainPanel1::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete)
        RemoveSelectedPhotos();
    else if (event->key() == Qt::Key_Insert)
        AddPhotos();
    QWidget::keyPressEvent(event);
}
