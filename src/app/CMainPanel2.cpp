#include "CMainPanel2.h"

#include "CControlImage.h"
#include "CDialogFilterSelection.h"
#include "CFilterSettings.h"
#include "CFiltersEnum.h"
#include "CFormatsEnum.h"
#include "CHardwareProfile.h"
#include "CImageCache.h"
#include "CImageManager.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CListThumb.h"
#include "CPromptSeam.h"
#include "CStatesList.h"
#include "CTextWidget.h"
#include "CUserProfile.h"
#include "Common.h"
#include "ui_CMainPanel2.h"

#include <QKeyEvent>
#include <QListWidgetItem>
#include <QMenu>
#include <QSignalBlocker>

#include <algorithm>

namespace {
const char* const kShowPreviewKey = "GUI/Step2.ShowPreview";
constexpr int kAllPreviewsDelay = 2000;
} // namespace

CMainPanel2::CMainPanel2(QWidget* parent) : QWidget(parent)
{
    SystemLogWrite("CMainPanel2", QString());
    userProfile = CUserProfile::GetInstance();
    photoList = CListImages::GetInstance();
    filterList = CListFilters::GetInstance();
    formats = CFormatsEnum::GetInstance();
    filterTypes = CFiltersEnum::GetInstance();
    states = CStatesList::GetInstance();
    hardware = CHardwareProfile::GetInstance();
    imageCache = CImageCache::GetInstance();

    ui = new Ui::CMainPanel2;
    ui->setupUi(this);
    {
        // Both pages get laid out; the page shown stays.
        const QSignalBlocker block(ui->stackedWidget);
        const int page = ui->stackedWidget->currentIndex();
        ui->stackedWidget->setCurrentIndex(page == 0 ? 1 : 0);
        ui->stackedWidget->setCurrentIndex(page);
    }
    tipAddFilter = new CTextWidget(this);
    tipAddFilter->setObjectName("tipAddFilter");
    tipAddFilter->hide();
    tipStep3 = new CTextWidget(this);
    tipStep3->setObjectName("tipStep3");
    tipStep3->hide();
    ui->retranslateUi(this);
}

CMainPanel2::~CMainPanel2()
{
    delete tipAddFilter;
    tipAddFilter = nullptr;
    delete tipStep3;
    tipStep3 = nullptr;
    delete ui;
    ui = nullptr;
}

CControlImage* CMainPanel2::FilteredView() const
{
    return ui->scrollImageFilters;
}

CControlImage* CMainPanel2::OriginalView() const
{
    return ui->scrollImageOriginal;
}

CListThumb* CMainPanel2::FilterView() const
{
    return ui->listFilters;
}

CListThumb* CMainPanel2::PhotoStrip() const
{
    return ui->listThumbnails;
}

void CMainPanel2::Init()
{
    SystemLogWrite("Init", QString());
    if (userProfile->themeId == 1)
        setStyleSheet("QLineEdit { background-color: #1E1E1E; }"
                      "QLineEdit:!enabled { background-color: #3C3C3C; }"
                      "QSpinBox, QDoubleSpinBox { background-color: #1E1E1E; }"
                      "QSpinBox:!enabled { background-color: #3C3C3C; }"
                      "QPlainTextEdit { background-color: #1E1E1E; }");
    else if (userProfile->themeId == 0)
        setStyleSheet("QLineEdit { background-color: #FFFFFF; }"
                      "QLineEdit:!enabled { background-color: #F0F0F0; }"
                      "QSpinBox, QDoubleSpinBox { background-color: #FFFFFF; }"
                      "QSpinBox:!enabled { background-color: #F0F0F0; }"
                      "QPlainTextEdit { background-color: #FFFFFF; }");

    for (QTimer* timer : {&timerCurrentPreview, &timerAllPreviews, &timerCleanUp, &timerResizePreview})
        timer->setSingleShot(true);
    connect(&timerCurrentPreview, &QTimer::timeout, this, &CMainPanel2::StartCurrentPreview,
            Qt::QueuedConnection);
    connect(&timerAllPreviews, &QTimer::timeout, this, &CMainPanel2::StartAllPreviews, Qt::QueuedConnection);
    connect(&timerCleanUp, &QTimer::timeout, this, [this] { CleanUp(); }, Qt::QueuedConnection);
    connect(&timerResizePreview, &QTimer::timeout, this, &CMainPanel2::OnTimerResizePreview,
            Qt::QueuedConnection);
    connect(&timerHideAddFilterTip, &QTimer::timeout, this, &CMainPanel2::MakeAddFilterTipInvisible,
            Qt::QueuedConnection);
    connect(&timerHideStep3Tip, &QTimer::timeout, this, &CMainPanel2::MakeStep3TipInvisible,
            Qt::QueuedConnection);
    connect(&timerShowAddFilterTip, &QTimer::timeout, this, &CMainPanel2::ShowAddFilterTip,
            Qt::QueuedConnection);
    connect(&timerShowStep3Tip, &QTimer::timeout, this, &CMainPanel2::ShowStep3Tip, Qt::QueuedConnection);

    const bool dark = userProfile->themeId != 0;
    CListThumb* filters = ui->listFilters;
    filters->Initialize(CListThumb::TypeFilters, dark, false);
    filters->setIconSize(QSize(32, 32));
    filters->AddWatermarkImage("Add.png", false, 0, 0, false, 0);
    filters->LoadDefaultThumbnails("Icons-Filters-32.png", false, 0);
    connect(filters, &CListThumb::Clicked, this, &CMainPanel2::ListThumbClicked, Qt::DirectConnection);
    qRegisterMetaType<QList<SDragDrop>>("ListDragDrop");
    connect(filters, &CListThumb::SignalDragDropPanel2, this, &CMainPanel2::ListThumbDragDropPanel2,
            Qt::QueuedConnection);

    CListThumb* strip = ui->listThumbnails;
    strip->Initialize(CListThumb::TypeImageThumbs, dark, false);
    SystemLogWrite("Init", QString::asprintf("ptrListThumbPanel1: %p", static_cast<void*>(ptrListThumbPanel1)));
    strip->SetMutex(&userProfile->thumbnailMutex);
    strip->setIconSize(QSize(64, 64));
    strip->AddWatermarkImage("Overlay-Symbol.png", true, -5, -5, true, 1);
    strip->LoadDefaultThumbnails("Icons-Formats-64.png", false, 1);
    strip->InitThread();
    strip->ChangeView(2);

    const QString background = dark ? "background-color: rgb( 30, 30, 30 );"
                                    : "background-color: rgb( 255, 255, 255 );";
    const QList<QPair<CControlImage*, QLabel*>> views = {{ui->scrollImageFilters, ui->viewImageFilters},
                                                         {ui->scrollImageOriginal, ui->viewImageOriginal}};
    for (const auto& [view, label] : views) {
        label->setBackgroundRole(QPalette::Base);
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        view->imageLabel = label;
        view->setStyleSheet(background);
        connect(view, &CControlImage::UpdateZoomPercent, this, &CMainPanel2::UpdateZoomText,
                Qt::QueuedConnection);
        // The label speaks of the view on show: it goes blank with that
        // view's picture (queued, to follow a zoom announced before it).
        connect(
            view, &CControlImage::ZoomCleared, this,
            [this, view = view] {
                if (ViewOfPage(ui->stackedWidget->currentIndex()) == view)
                    ui->textZoomPercent->clear();
            },
            Qt::QueuedConnection);
    }
    CControlImage::FitZoomLabel(ui->textZoomPercent);
    ui->scrollImageFilters->friendView = ui->scrollImageOriginal;
    ui->scrollImageOriginal->friendView = ui->scrollImageFilters;
    ui->scrollImageFilters->copyMinZoom = true;

    FillPresets();
    ui->comboPreset->setCurrentIndex(0);

    // The remembered switch; setting up the panel is no edit of the job.
    const bool showPreview = GetRegistryInt(kShowPreviewKey, 1) != 0;
    ui->checkShowPreview->setChecked(showPreview);
    ui->scrollImageFilters->previewOn = showPreview;
    ui->scrollImageOriginal->previewOn = showPreview;
    userProfile->Step2Preview = showPreview;

    SetDefaultFilenameSettings();
    UpdatePreviewFilename();
    LoadAndSetIcons();
    ui->scrollImageFilters->imagePath.clear();
    ui->scrollImageFilters->ShowBlank();
    ui->scrollImageOriginal->ShowBlank();
}

void CMainPanel2::LoadAndSetIcons()
{
    const QList<QPair<QAbstractButton*, QPoint>> cells = {
        {ui->buttonCustom, {4, 1}},          {ui->buttonZoomInFilters, {2, 0}},
        {ui->buttonZoomOutFilters, {3, 0}},  {ui->buttonMinZoomFilters, {1, 0}},
        {ui->buttonMaxZoomFilters, {0, 0}}};
    for (const auto& [button, cell] : cells) {
        button->setIcon(imageCache->GetIcon("Icons-Minimal.png", true, true, 16, cell.x(), cell.y()));
        button->setIconSize(QSize(16, 16));
    }
    filterIcons = imageCache->GetAsset("Icons-Filters-32.png", false, false);
    iconColumns = filterIcons.width() / 32;
}

void CMainPanel2::setPanelTranzition(bool* flag)
{
    panelTransition = flag;
    ui->scrollImageFilters->panelTransition = flag;
    ui->scrollImageOriginal->panelTransition = flag;
}

void CMainPanel2::RetranslateUI()
{
    ui->retranslateUi(this);
    const int preset = ui->comboPreset->currentIndex();
    FillPresets();
    ui->comboPreset->setCurrentIndex(preset);
}

void CMainPanel2::FillPresets()
{
    ui->comboPreset->clear();
    ui->comboPreset->addItems({tr("Keep Unchanged"), tr("Rename to Folder's Name"), tr("Rename to Photo's Date"),
                               tr("Custom Defined")});
}

// ---------------------------------------------------------------- the window's operations

void CMainPanel2::RefreshPanel()
{
    SystemLogWrite("RefreshPanel", QString());
    const bool showPreview = userProfile->Step2Preview;
    ui->checkShowPreview->setChecked(showPreview);
    ui->scrollImageFilters->previewOn = showPreview;
    ui->scrollImageOriginal->previewOn = showPreview;
    if (!showPreview || photoList->list.isEmpty()) {
        ui->scrollImageFilters->ShowBlank();
        ui->scrollImageOriginal->ShowBlank();
    }
    ui->comboPreset->setCurrentIndex(qBound(0, userProfile->PresetRename, 3));
    userProfile->filenameFilter.PresetRename = userProfile->PresetRename;
    if (!(states->suppress && !photoList->list.isEmpty()))
        UpdatePreviewFilename();
    SynchronizeListFilters();
    SynchronizeListThumbs(0);
}

void CMainPanel2::DiscardUserChanges()
{
    SystemLogWrite("DiscardUserChanges", QString());
    RemoveAllFilters(false);
    ui->comboPreset->setCurrentIndex(0);
    userProfile->filenameFilter.PresetRename = 0;
    userProfile->PresetRename = 0;
    SetDefaultFilenameSettings();
    UpdatePreviewFilename();
    const bool showPreview = GetRegistryInt(kShowPreviewKey, 1) != 0;
    ui->checkShowPreview->setChecked(showPreview);
    userProfile->Step2Preview = showPreview;
    ui->scrollImageFilters->previewOn = showPreview;
    ui->scrollImageOriginal->previewOn = showPreview;
    SynchronizeListThumbs(0);
    CleanUp(true);
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel2::ClearFilterList()
{
    ui->listFilters->RemoveAll();
    ui->listFilters->clear();
}

void CMainPanel2::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel2::SignalPanelChanged(bool nameOnly)
{
    SystemLogWrite("SignalPanelChanged", QString());
    changed = true;
    if (!states->suppress)
        states->SaveState(nameOnly);
    emit SignalChanges();
}

// ---------------------------------------------------------------- the filter list

void CMainPanel2::AddListThumbItem(SFilterRecord record)
{
    const SFilterTypeRecord type = filterTypes->GetRecordById(static_cast<unsigned short>(record.filterId));
    const int iconIndex = iconColumns * (type.id / 1000) + type.iconIndex;
    ui->listFilters->AddItem(record.name, record.description, QString(), true, iconIndex, true);
}

void CMainPanel2::SynchronizeListFilters()
{
    CListThumb* view = ui->listFilters;
    // Setting up the items is no edit of the filters: no check-box signal.
    const QSignalBlocker block(view);
    view->clear();
    view->RemoveAll();
    const QList<SFilterRecord>& records = filterList->list;
    for (int i = 0; i < records.size(); ++i) {
        AddListThumbItem(records.at(i));
        QListWidgetItem* item = view->item(i);
        if (!item)
            continue;
        item->setSizeHint(QSize(0, 34));
        item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        item->setFlags(item->flags() | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(records.at(i).active ? Qt::Checked : Qt::Unchecked);
    }
    view->viewport()->update();
}

QList<int> CMainPanel2::SelectedFilterRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : ui->listFilters->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CMainPanel2::FiltersChanged(bool tellCount)
{
    timerAllPreviews.start(kAllPreviewsDelay);
    SignalPanelChanged(false);
    if (tellCount)
        emit SignalListFiltersChanged();
}

void CMainPanel2::StopFilteredRender()
{
    ui->scrollImageFilters->thread.noRepeat = true;
    ui->scrollImageFilters->thread.Abort();
}

bool CMainPanel2::ShowFilterSettings(SFilterRecord& record)
{
    CFilterSettings dialog(this);
    dialog.filterRecord = record;
    dialog.setPanelTranzition(panelTransition);
    dialog.imageRecord = PreviewRecord();
    if (dialog.exec() != QDialog::Accepted)
        return false;
    record = dialog.filterRecord;
    return true;
}

void CMainPanel2::on_buttonAddFilter_clicked()
{
    QString name;
    {
        CDialogFilterSelection picker(this);
        if (picker.exec() != QDialog::Accepted || picker.selectedFilterName.isEmpty())
            return;
        name = picker.selectedFilterName;
    }
    const SFilterTypeRecord type = filterTypes->GetRecordByName(name);
    SFilterRecord record;
    record.filterId = type.id;
    record.name = type.name;
    record.description = type.description;
    record.active = 1;

    if (!ShowFilterSettings(record)) {
        // The dialog's preview may have left its status text.
        userProfile->SetPreviewComment(QString());
        return;
    }
    {
        const CStatesList::SuppressGuard suppress(states);
        filterList->AddFilter(record);
        SynchronizeListFilters();
    }
    timerAllPreviews.start(kAllPreviewsDelay);
    SignalPanelChanged(false);
    timerHideAddFilterTip.start(0);
    timerShowStep3Tip.start(2000);
    emit SignalListFiltersChanged();
}

void CMainPanel2::EditFilter(int index)
{
    if (index < 0)
        index = ui->listFilters->currentRow();
    if (index < 0 || index >= filterList->list.size()) {
        CPromptSeam::Warning(this, CPromptSeam::Message, tr("No filter selected"));
        return;
    }
    SFilterRecord copy = filterList->list.at(index);
    if (!ShowFilterSettings(copy))
        return;
    // The dialog may have taken long: the list is looked at again.
    if (index >= filterList->list.size())
        return;
    filterList->list[index] = copy;
    timerAllPreviews.start(kAllPreviewsDelay);
    SignalPanelChanged(false);
}

void CMainPanel2::on_buttonEditFilters_clicked()
{
    EditFilter(-1);
}

void CMainPanel2::on_listFilters_itemDoubleClicked(QListWidgetItem* item)
{
    EditFilter(ui->listFilters->row(item));
}

void CMainPanel2::on_buttonRemoveFilters_clicked()
{
    QMenu menu(this);
    menu.addAction(tr("Remove Selected"), this, &CMainPanel2::RemoveSelectedFilters);
    menu.addAction(tr("Remove All"), this, [this] { RemoveAllFilters(true); });
    QPushButton* button = ui->buttonRemoveFilters;
    menu.exec(button->mapToGlobal(button->contentsRect().bottomLeft()));
}

void CMainPanel2::RemoveSelectedFilters()
{
    const QList<int> rows = SelectedFilterRows();
    if (rows.isEmpty()) {
        CPromptSeam::Warning(this, CPromptSeam::Message, tr("No filter selected"));
        return;
    }
    if (!CPromptSeam::Question(this, CPromptSeam::Message, tr("Remove selected filter(s)?")))
        return;
    // Only once the filters go: a declined removal leaves the render alone.
    StopFilteredRender();
    {
        const CStatesList::SuppressGuard suppress(states);
        int removed = 0;
        for (int row : rows) {
            if (filterList->RemoveFilter(static_cast<unsigned short>(row - removed)))
                ++removed;
        }
        SynchronizeListFilters();
        // The filter that followed the first removed one is current.
        const int count = ui->listFilters->count();
        if (count > 0)
            ui->listFilters->setCurrentRow(std::min(rows.first(), count - 1));
    }
    FiltersChanged(true);
}

void CMainPanel2::RemoveAllFilters(bool ask)
{
    if (filterList->IsEmpty())
        return;
    if (ask && !CPromptSeam::Question(this, CPromptSeam::Message, tr("Remove all filters?")))
        return;
    StopFilteredRender();
    filterList->list.clear();
    SynchronizeListFilters();
    FiltersChanged(true);
}

void CMainPanel2::DuplicateFilters()
{
    const QList<int> rows = SelectedFilterRows();
    if (rows.isEmpty()) {
        CPromptSeam::Warning(this, CPromptSeam::Message, tr("No filter selected"));
        return;
    }
    {
        const CStatesList::SuppressGuard suppress(states);
        const int count = ui->listFilters->count();
        for (int row : rows) {
            if (row < filterList->list.size())
                filterList->AddFilter(filterList->list.at(row));
        }
        SynchronizeListFilters();
        CListThumb* view = ui->listFilters;
        for (int row = count; row < view->count(); ++row)
            view->item(row)->setSelected(true);
        if (view->count() > 0)
            view->selectionModel()->setCurrentIndex(view->model()->index(view->count() - 1, 0),
                                                    QItemSelectionModel::NoUpdate);
    }
    FiltersChanged(true);
}

void CMainPanel2::MoveFilterUp()
{
    const QList<int> rows = SelectedFilterRows();
    if (rows.isEmpty()) {
        CPromptSeam::Warning(this, CPromptSeam::Message, tr("No filter selected"));
        return;
    }
    const int s = rows.first();
    {
        const CStatesList::SuppressGuard suppress(states);
        int current = 0;
        if (s > 0) {
            filterList->DragAndDrop(s, s - 1);
            current = s - 1;
        }
        SynchronizeListFilters();
        ui->listFilters->setCurrentRow(current);
    }
    FiltersChanged(true);
}

void CMainPanel2::MoveFilterDown()
{
    const QList<int> rows = SelectedFilterRows();
    if (rows.isEmpty()) {
        CPromptSeam::Warning(this, CPromptSeam::Message, tr("No filter selected"));
        return;
    }
    const int s = rows.first();
    if (s > filterList->list.size() - 2)
        return; // already last: nothing moves, nothing is signalled
    {
        const CStatesList::SuppressGuard suppress(states);
        filterList->DragAndDrop(s + 1, s);
        SynchronizeListFilters();
        ui->listFilters->setCurrentRow(s + 1);
    }
    FiltersChanged(true);
}

void CMainPanel2::ListThumbDragDropPanel2(QList<SDragDrop> moves)
{
    if (moves.isEmpty())
        return;
    {
        const CStatesList::SuppressGuard suppress(states);
        int downwards = 0;
        for (const SDragDrop& move : std::as_const(moves)) {
            filterList->DragAndDrop(move.from, move.to);
            if (move.from < move.to)
                ++downwards;
        }
        SynchronizeListFilters();
        CListThumb* view = ui->listFilters;
        const int first = moves.first().to - downwards;
        view->clearSelection();
        if (first >= 0 && first < view->count())
            view->selectionModel()->setCurrentIndex(view->model()->index(first, 0),
                                                    QItemSelectionModel::NoUpdate);
        for (int row = first; row < first + int(moves.size()); ++row) {
            if (row >= 0 && row < view->count())
                view->item(row)->setSelected(true);
        }
    }
    timerAllPreviews.start(kAllPreviewsDelay);
    SignalPanelChanged(false);
}

void CMainPanel2::on_listFilters_itemChanged(QListWidgetItem* item)
{
    const int row = ui->listFilters->row(item);
    if (row < 0 || row >= filterList->list.size())
        return;
    const quint8 active = item->checkState() == Qt::Checked ? 1 : 0;
    if (filterList->list.at(row).active == active)
        return; // a text or icon change, not the check box
    filterList->list[row].active = active;
    if (!refreshing && !states->suppress)
        timerAllPreviews.start(kAllPreviewsDelay);
    SignalPanelChanged(false);
    emit SignalListFiltersChanged();
}

void CMainPanel2::on_listFilters_customContextMenuRequested()
{
    const bool selected = !SelectedFilterRows().isEmpty();
    QMenu menu(this);
    menu.addAction(tr("&Edit"), this, [this] { EditFilter(-1); })->setEnabled(selected);
    menu.addSeparator();
    menu.addAction(tr("&Add Filter"), this, &CMainPanel2::on_buttonAddFilter_clicked);
    menu.addSeparator();
    menu.addAction(tr("Remove &Selected"), this, &CMainPanel2::RemoveSelectedFilters)->setEnabled(selected);
    menu.addAction(tr("Remove A&ll"), this, [this] { RemoveAllFilters(true); });
    menu.addSeparator();
    menu.addAction(tr("&Duplicate"), this, &CMainPanel2::DuplicateFilters)->setEnabled(selected);
    menu.addSeparator();
    menu.addAction(tr("Move &Up"), this, &CMainPanel2::MoveFilterUp)->setEnabled(selected);
    menu.addAction(tr("Move D&own"), this, &CMainPanel2::MoveFilterDown)->setEnabled(selected);
    menu.exec(QCursor::pos());
}

void CMainPanel2::ListThumbClicked()
{
    if (ui->listFilters->count() == 0)
        on_buttonAddFilter_clicked();
}

void CMainPanel2::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
        EditFilter(-1);
        break;
    case Qt::Key_Delete:
        RemoveSelectedFilters();
        break;
    case Qt::Key_Insert:
        on_buttonAddFilter_clicked();
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}
