#pragma once

#include "SDragDrop.h"
#include "SFilterRecord.h"
#include "SImageRecord.h"

#include <QImage>
#include <QList>
#include <QTimer>
#include <QWidget>

class CControlImage;
class CFiltersEnum;
class CFormatsEnum;
class CHardwareProfile;
class CImageCache;
class CListFilters;
class CListImages;
class CListThumb;
class CStatesList;
class CTextWidget;
class CUserProfile;
class QListWidgetItem;
namespace Ui {
class CMainPanel2;
}

// Step 2: the ordered list of filters every photo of the job receives, the
// current photo with and without them, and how the output files are named.
// The filters are picked in the filter picker and edited in the filter
// settings dialog; the job's photos run along the bottom as a one-row strip
// whose current photo the two previews (filtered and original, on a stacked
// widget) show; the naming box offers the presets, the renaming dialog and
// the name the shown photo would get.
//
// After every change the affected view is rebuilt from the model, an undo
// snapshot is stored (unless the history's suppress flag is raised), the
// main window is told and both previews restart 2 s later, so a burst of
// changes costs one render.
//
// Split by concern: CMainPanel2.cpp (set-up, the window's operations, the
// filter list and its commands), CMainPanel2Preview.cpp (the strip, the
// previews, events and tips), CMainPanel2Naming.cpp (output naming).
class CMainPanel2 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel2(QWidget* parent = nullptr);
    ~CMainPanel2() override;

    // ---- Operations of the main window ----
    void Init();
    // Both previews follow the window's panel-transition flag.
    void setPanelTranzition(bool* flag);
    // After undo, redo and loading a job.
    void RefreshPanel();
    // New: no filters, the default naming, the remembered preview switch.
    void DiscardUserChanges();
    // Empties the filter view only; the filter list is untouched.
    void ClearFilterList();
    // Stops and blanks the previews (the filtered one too unless `both` is
    // false, as a processing run asks); a busy view is retried in 100 ms.
    void CleanUp(bool both = true);
    // A script's run: the strip reads no thumbnails.
    void StopThumbnails();
    void UnsignalPanelChanged();
    void RetranslateUI();

    // ---- Naming (CMainPanel2Naming.cpp) ----
    void SetDefaultFilenameSettings();
    // The name the preview photo would get, into the preview line.
    void UpdatePreviewFilename();

    // The views, for the window and tests.
    CControlImage* FilteredView() const;
    CControlImage* OriginalView() const;
    CListThumb* FilterView() const;
    CListThumb* PhotoStrip() const;

    // Step 1's photo list view (only traced).
    CListThumb* ptrListThumbPanel1 = nullptr;
    // Raised by the window around RefreshPanel() after loading a job.
    bool refreshing = false;
    // An edit since the job was last loaded, saved or discarded.
    bool changed = false;

public slots:
    // An edit of the job: mark it changed, store an undo snapshot (marked as
    // a change of the names only when `nameOnly`), tell the window.
    void SignalPanelChanged(bool nameOnly = false);
    // Step 1 changed the photo list: the strip follows, `row` current.
    void SlotReloadThumbsInPanel2(int row);

    void on_buttonAddFilter_clicked();
    // Edits the filter at `index` (negative: the current row).
    void EditFilter(int index = -1);
    void on_buttonEditFilters_clicked();
    void on_listFilters_itemDoubleClicked(QListWidgetItem* item);
    void on_buttonRemoveFilters_clicked();
    void RemoveSelectedFilters();
    void RemoveAllFilters(bool ask = true);
    void DuplicateFilters();
    void MoveFilterUp();
    void MoveFilterDown();
    void on_listFilters_itemChanged(QListWidgetItem* item);
    void on_listFilters_customContextMenuRequested();
    void ListThumbClicked();
    void ListThumbDragDropPanel2(QList<SDragDrop> moves);

    void on_comboPreset_activated(int index);
    void on_buttonCustom_clicked();

    void on_checkShowPreview_clicked(bool on);
    void on_buttonSwitchView_clicked();
    void on_stackedWidget_currentChanged(int page);
    void on_listThumbnails_itemSelectionChanged();
    void on_buttonZoomInFilters_clicked();
    void on_buttonZoomOutFilters_clicked();
    void on_buttonMinZoomFilters_clicked();
    void on_buttonMaxZoomFilters_clicked();
    void UpdateZoomText(int percent);
    void StartCurrentPreview();
    void StartCurrentPreviewIfOriginal();
    void StartAllPreviews();
    void OnTimerResizePreview();

    void ShowAddFilterTip();
    void ShowStep3Tip();
    void MakeAddFilterTipInvisible();
    void MakeStep3TipInvisible();

signals:
    void SignalChanges();
    void UnsignalChanges();
    void SignalListFiltersChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LoadAndSetIcons();
    // The naming presets, in the order of CUserProfile::PresetRename.
    void FillPresets();
    // Rebuilds the filter view from the filter list.
    void SynchronizeListFilters();
    // Rebuilds the strip from the photo list (run keys := rows), `row`
    // current.
    void SynchronizeListThumbs(int row);
    // Whether the strip's rows are the job's photos, in their order.
    bool StripShowsPhotos() const;
    // Runs the settings dialog on `record`; true (record updated) on OK.
    bool ShowFilterSettings(SFilterRecord& record);
    void AddListThumbItem(SFilterRecord record);
    void StartActivePreview();
    void StartPreviewFilters();
    void StartPreviewOriginal();
    // Starts `view` on the preview photo; blank when it is refused (the
    // photo's file is gone) with the preview on.
    void StartOrBlank(CControlImage* view);
    // The rows selected in the filter view, ascending.
    QList<int> SelectedFilterRows() const;
    // The common end of the list commands: rebuild the view, restart the
    // previews in 2 s, snapshot, tell the window.
    void FiltersChanged(bool tellCount);
    // Stops a render of the filtered view and keeps it from running again.
    void StopFilteredRender();
    CControlImage* ViewOfPage(int page) const;
    // The preview photo's record in the photo list (an empty record when it
    // is not in the list).
    SImageRecord PreviewRecord() const;

    Ui::CMainPanel2* ui = nullptr;
    CUserProfile* userProfile = nullptr;
    CListImages* photoList = nullptr;
    CListFilters* filterList = nullptr;
    CFormatsEnum* formats = nullptr;
    CFiltersEnum* filterTypes = nullptr;
    CStatesList* states = nullptr;
    CHardwareProfile* hardware = nullptr;
    bool* panelTransition = nullptr;
    CImageCache* imageCache = nullptr;
    CTextWidget* tipAddFilter = nullptr;
    CTextWidget* tipStep3 = nullptr;
    QImage filterIcons;
    QTimer timerCurrentPreview;
    QTimer timerAllPreviews;
    QTimer timerCleanUp;
    QTimer timerResizePreview;
    QTimer timerHideAddFilterTip;
    QTimer timerHideStep3Tip;
    QTimer timerShowAddFilterTip;
    QTimer timerShowStep3Tip;
    bool addFilterTipShown = false;
    bool step3TipShown = false;
    int iconColumns = -1;
    bool restartPreview = false;
    bool cleanFiltered = true;
};
