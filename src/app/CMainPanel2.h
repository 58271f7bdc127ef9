#pragma once

#include <QWidget>

class CListThumb;
class QLabel;
class QListWidget;

// Step 2: the filters of the job and the output naming. This is the panel's
// shell with the operations the main window calls; the filter list, preview
// and naming are built into it separately.
class CMainPanel2 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel2(QWidget* parent = nullptr);
    ~CMainPanel2() override;

    void Init();
    void setPanelTranzition(bool* transition) { panelTransition = transition; }

    // Empties the filter view; the filter list itself is untouched.
    void ClearFilterList();
    void RefreshPanel();
    void UnsignalPanelChanged();
    void DiscardUserChanges();
    // Stops the preview work (both previews, or the filtered one only).
    void CleanUp(bool both = true);

    // Step 1's photo view, shown here as a strip.
    CListThumb* ptrListThumbPanel1 = nullptr;
    // Raised by the window while it refreshes the panel after loading a job.
    bool refreshing = false;
    bool changed = false;

public slots:
    void SlotReloadThumbsInPanel2(int row);
    void StartCurrentPreviewIfOriginal();
    void SignalPanelChanged();

signals:
    void SignalChanges();
    void UnsignalChanges();
    void SignalListFiltersChanged();

private:
    bool* panelTransition = nullptr;
    QListWidget* filterView = nullptr;
};
