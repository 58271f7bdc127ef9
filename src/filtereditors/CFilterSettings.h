#pragma once

#include "CFilterStatesList.h"
#include "SFilterRecord.h"
#include "SImageRecord.h"

#include <QDialog>
#include <QString>
#include <QTimer>

class CControlImage;
class CFilterUI;
class CImageCache;
class CUserProfile;
namespace Ui {
class CFilterSettings;
}

// The modal dialog in which one filter record is edited: the settings page
// of the record's filter id beside two previews of the photo (filtered and
// unfiltered, on a stacked widget), with a 50-step undo history of the
// record for as long as the dialog is open.
//
// The caller fills filterRecord and imageRecord, runs exec() and, on an
// accepted result, reads filterRecord back: its parameters are the page's,
// its id, name and active flag stay as the caller gave them.
class CFilterSettings : public QDialog
{
    Q_OBJECT
public:
    explicit CFilterSettings(QWidget* parent = nullptr);
    ~CFilterSettings() override;

    // Both views follow the caller's panel-transition flag.
    void setPanelTranzition(bool* flag);
    // Creates the page of filterRecord's id and runs the dialog. 0 at once,
    // showing nothing, for an id without a page.
    int exec() override;
    void accept() override;
    void reject() override;

    // The online help page of a filter id; "" for an id without one.
    static QString HelpPage(quint32 filterId);

    Ui::CFilterSettings* ui = nullptr;
    CUserProfile* userProfile = nullptr;
    CImageCache* imageCache = nullptr;
    CFilterStatesList statesList;
    SFilterRecord filterRecord;       // in: the record to edit; out: the edited record
    CFilterUI* filterPage = nullptr;  // the page exec() made; null before
    SImageRecord imageRecord;         // the preview photo; empty path: none
    SFilterRecord dragRecord;         // the last record edited on the image
    QTimer timerUpdateControls;       // 100 ms from a drag step to the page

public slots:
    void SaveState(SFilterRecord record);
    void UpdateFilterInterface(SFilterRecord record);
    void OnTimerUpdateControls();
    void UpdateZoomText(int percent);

private slots:
    void on_buttonUndo_clicked();
    void on_buttonRedo_clicked();
    void on_buttonReset_clicked();
    void on_checkShowPreview_clicked(bool on);
    void on_buttonZoomIn_clicked();
    void on_buttonZoomOut_clicked();
    void on_buttonMaxZoom_clicked();
    void on_buttonMinZoom_clicked();
    void on_buttonSwitchView_clicked();
    void on_stackedWidget_currentChanged(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A page and its two faces: the dialog drives the CFilterUI part and
    // places and deletes the QWidget part.
    struct Page
    {
        QWidget* widget = nullptr;
        CFilterUI* filter = nullptr;
    };
    // The page of a filter id, a child of parent with its SaveState queued
    // to this dialog; empty for an id without a page (CFilterSettingsPages.cpp).
    Page CreatePage(quint32 filterId, QWidget* parent);
    template <class PageClass> Page MakePage(quint32 filterId, QWidget* parent);

    void Init();
    void SetIcons();
    void UpdateUndoButtons();
    CControlImage* ViewOfIndex(int index) const;

    QWidget* pageWidget = nullptr;
};
