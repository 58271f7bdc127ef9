#pragma once

#include "SImageRecord.h"

#include <QTimer>
#include <QWidget>

class QLabel;
class QListWidget;

// Step 1: the photos of the job. This is the panel's shell with the
// operations the main window calls; the photo views and their commands are
// built into it separately.
class CMainPanel1 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel1(QWidget* parent = nullptr);
    ~CMainPanel1() override;

    void setPanelTranzition(bool* transition) { panelTransition = transition; }

    // Empties the views; the photo list itself is untouched.
    void ClearImageList();
    // Adds one photo of the job to the views.
    void AddListThumbItem(SImageRecord record);
    void RefreshPanel();
    void UnsignalPanelChanged();
    void DiscardUserChanges();
    // Stops the panel's preview work before a processing run.
    void CleanUp();
    // Number of photos the views show.
    int ViewCount() const;

    // The photo view that the step 2 panel shows as well.
    QListWidget* photoListView = nullptr;
    // Shows the add-photos tip once it fires (started by the main window).
    QTimer timerShowAddPhotoTip;
    // An edit since the job was last loaded, saved or discarded.
    bool changed = false;

public slots:
    void StartPreview(bool refresh);
    // An edit of the job: mark it changed, store an undo snapshot, tell the
    // window.
    void SignalPanelChanged();

signals:
    void SignalChanges();
    void UnsignalChanges();
    void SignalListImagesChanged();
    void SignalReloadThumbsInPanel2(int row);

private:
    bool* panelTransition = nullptr;
    QLabel* textTitle = nullptr;
};
