#pragma once

#include "CUploadThread.h"

#include <QIcon>
#include <QList>
#include <QString>
#include <QWidget>

class CFormatsEnum;
class CImageCache;
class CStatesList;
class CTextWidget;
class CUserProfile;
class QTimer;
struct SFormatRecord;
namespace Ui {
class CMainPanel3;
}

// Step 3: the output set-up. Chooses the output format (its options dialog
// and the multi-page switch), the destination (a folder on this computer in
// one of four folder modes, an e-mail message, or an FTP/SFTP server with a
// connection test) and the after-run options. Every value goes straight into
// the user profile; the folder, the FTP fields and two switches are also
// remembered under "GUI/" keys of the settings store. Step 2's name preview
// reads the chosen format from the profile (OutputFormat, and the extension
// of its filenameFilter, which this panel keeps in step).
class CMainPanel3 : public QWidget
{
    Q_OBJECT
public:
    explicit CMainPanel3(QWidget* parent = nullptr);
    ~CMainPanel3() override;

    // Shows the profile as it stands (after undo, redo and loading a job).
    void RefreshPanel();
    void UnsignalPanelChanged();
    // New: the panel's defaults, with the remembered folder and FTP fields.
    void DiscardUserChanges();
    // Fills the format list for the destination; unless `keepIndex`, selects
    // the destination's default format (keep-original, or JPG for delivery).
    void SetOutputFormats(bool keepIndex);
    // Asks for the destination folder; true when one was picked.
    bool SelectFolder();
    void RetranslateUI();

    // The connection-test thread (its settings copy is read by tests).
    const CUploadThread& UploadThread() const { return uploadThread; }

    bool changed = false;

public slots:
    void SignalPanelChanged();

signals:
    void SignalChanges();
    void UnsignalChanges();

private slots:
    void on_comboDestination_activated(int index);
    void on_comboFolderStructure_activated(int index);
    void on_comboOutputFormat_currentIndexChanged(int index);
    void on_buttonFormatSettings_clicked();
    void on_checkMultipage_clicked();
    void on_buttonSelectFolder_clicked();
    void on_editDestinationPath_textChanged(const QString& text);
    void on_checkOpenFolder_clicked();
    void on_checkOriginalDate_clicked(bool checked);
    void on_checkDeleteSource_clicked();
    void on_checkSaveOnDiskMail_clicked(bool checked);
    void on_checkSaveOnDiskFTP_clicked(bool checked);
    void on_checkSaveOnDiskFacebook_clicked(bool checked);
    void on_checkSaveOnDiskFlickr_clicked(bool checked);
    void on_editFTPUsername_textChanged(const QString& text);
    void on_editFTPPassword_textChanged(const QString& text);
    void on_editFTPHost_textChanged(const QString& text);
    void on_editFTPFolder_textChanged(const QString& text);
    void on_editFTPPort_textChanged(const QString& text);
    void on_checkUseSFTP_clicked(bool checked);
    void on_checkRecreateFolderStruct_clicked(bool checked);
    void on_buttonTestFTPConnection_clicked();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Init();
    void ResetInterface();
    void OnComboFolderStructureActivated(bool showTip);
    // The folder field and button as folder mode `mode` has them.
    void ShowFolderMode(int mode);
    void UpdateOutputFolderText(int mode);
    void OnCheckDeletesource(bool showTip);
    // Connected by hand to the test thread and the tip timers (not by name).
    void on_connectionTestFinished(QString result);
    void ShowProcessTip();
    void MakeProcessTipInvisible();

    // The rows of the format table that can be written, in table order.
    QList<SFormatRecord> WritableFormats() const;
    // Selects an item of the format list and applies it, also when it is
    // the item already selected.
    void SelectOutputFormat(int index);
    // The format list's item for a stored OutputFormat.
    int FindOutputFormatItem(const QString& format) const;
    // The options page of CFormatSettings for an item text of the list.
    static int OptionsPageOf(const QString& itemText);

    Ui::CMainPanel3* ui = nullptr;
    CUserProfile* userProfile = nullptr;
    CFormatsEnum* formats = nullptr;
    CStatesList* states = nullptr;
    CImageCache* imageCache = nullptr;
    // "When you are ready, go ahead...": shown once per run, in the first
    // two launches, 2 s after the panel appears; hidden after 15 s or when
    // the panel is hidden or resized. Timers and tip are children.
    CTextWidget* tipProcess = nullptr;
    QTimer* timerHideProcessTip = nullptr;
    QTimer* timerShowProcessTip = nullptr;
    bool processTipShown = false;
    // Cut from "Icons-Formats-32.png"; a format row's kind is its index.
    QList<QIcon> formatIcons;
    CUploadThread uploadThread;
};
