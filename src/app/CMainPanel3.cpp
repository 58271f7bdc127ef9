#include "CMainPanel3.h"
#include "ui_CMainPanel3.h"

#include "CDialogTip.h"
#include "CFormatSettings.h"
#include "CFormatsEnum.h"
#include "CImageCache.h"
#include "COutputPaths.h"
#include "CStatesList.h"
#include "CTextWidget.h"
#include "CUserProfile.h"
#include "Common.h"
#include "JobFileProperties.h"
#include "TipFitting.h"
#include "WindowHelpers.h"

#include <QDir>
#include <QFileDialog>
#include <QSignalBlocker>
#include <QTimer>

namespace {
// Folder modes of the "comboFolderStructure" list.
constexpr int FolderModeCount = 4;
constexpr int ModeSourceFolder = 2;
constexpr int ModeSubfolder = 3;

// Index of JPG among the writable formats: the default of the delivery
// destinations.
constexpr int JpgItemForDelivery = 8;

QString Slashes(QString path)
{
    return path.replace('\\', '/');
}
} // namespace

CMainPanel3::CMainPanel3(QWidget* parent)
    : QWidget(parent), ui(new Ui::CMainPanel3), userProfile(CUserProfile::GetInstance()),
      formats(CFormatsEnum::GetInstance()), states(CStatesList::GetInstance()),
      imageCache(CImageCache::GetInstance())
{
    SystemLogWrite("CMainPanel3", QString());
    ui->setupUi(this);
    tipProcess = new CTextWidget(this);
    tipProcess->setObjectName("tipProcess");
    tipProcess->hide();
    processTipShown = false;
    Init();
    ui->retranslateUi(this);
    changed = false;
}

CMainPanel3::~CMainPanel3()
{
    delete tipProcess;
    tipProcess = nullptr;
    delete ui;
    ui = nullptr;
    // uploadThread's destructor aborts a running test and waits for it.
}

void CMainPanel3::Init()
{
    SystemLogWrite("Init", QString());
    if (userProfile->themeId == 1)
        setStyleSheet("QLineEdit { background-color: #1E1E1E; }"
                      "QLineEdit:!enabled { background-color: #3C3C3C; }");
    else if (userProfile->themeId == 0)
        setStyleSheet("QLineEdit { background-color: #FFFFFF; }"
                      "QLineEdit:!enabled { background-color: #F0F0F0; }");

    timerHideProcessTip = new QTimer(this);
    timerHideProcessTip->setObjectName("timerHideProcessTip");
    connect(timerHideProcessTip, &QTimer::timeout, this, &CMainPanel3::MakeProcessTipInvisible);
    timerShowProcessTip = new QTimer(this);
    timerShowProcessTip->setObjectName("timerShowProcessTip");
    connect(timerShowProcessTip, &QTimer::timeout, this, &CMainPanel3::ShowProcessTip);
    connect(&uploadThread, &CUploadThread::ConnectionTestFinished, this,
            &CMainPanel3::on_connectionTestFinished, Qt::QueuedConnection);

    // Cells are cut at the size of the strip variant the cache hands out.
    const QStringList destinations = {tr("Folder on My Computer (default)"), tr("Send via E-mail"),
                                      tr("Upload to FTP")};
    ui->comboDestination->clear();
    ui->comboDestination->setIconSize(QSize(32, 32));
    for (int k = 0; k < destinations.size(); ++k)
        ui->comboDestination->addItem(imageCache->GetIcon("Icons-Output.png", false, true, 32, k, 0),
                                      destinations[k]);

    ui->comboFolderStructure->clear();
    ui->comboFolderStructure->addItems({tr("Use selected folder as output destination"),
                                        tr("Recreate original folder structure in selected folder"),
                                        tr("Use original photos' folder as output destination"),
                                        tr("Create a subfolder in the original photos' folder")});

    ui->comboOutputFormat->setIconSize(QSize(32, 32));
    const QImage strip = imageCache->GetAsset("Icons-Formats-32.png", false, true);
    const int side = imageCache->CellSide(32, true);
    formatIcons.clear();
    for (int column = 0; side > 0 && (column + 1) * side <= strip.width(); ++column)
        formatIcons.append(imageCache->GetIcon("Icons-Formats-32.png", false, true, 32, column, 0));

    ResetInterface();
}

void CMainPanel3::ResetInterface()
{
    SystemLogWrite("ResetInterface", QString());
    // A programmatic rebuild: no undo steps on the way.
    const CStatesList::SuppressGuard suppress(states);
    ui->comboDestination->setCurrentIndex(0);
    on_comboDestination_activated(0);
    ui->comboFolderStructure->setCurrentIndex(0);

    userProfile->DestPath = Slashes(GetRegistryString("GUI/Step3.OutputPath", GetMyPictures()));
    userProfile->OutputFolder = Slashes(GetRegistryString("GUI/Step3.OutputFolder", "Processed"));
    OnComboFolderStructureActivated(false);

    SelectOutputFormat(0);
    userProfile->Multipage = false;
    ui->checkMultipage->setChecked(false);
    ui->checkMultipage->setEnabled(false);

    ui->checkOpenFolder->setChecked(GetRegistryInt("GUI/Step3.OpenOutputFolder", 1) != 0);
    ui->checkOriginalDate->setChecked(true);
    for (QCheckBox* box : {ui->checkDeleteSource, ui->checkSaveOnDiskMail, ui->checkSaveOnDiskFTP,
                           ui->checkUseSFTP, ui->checkRecreateFolderStruct, ui->checkSaveOnDiskFacebook,
                           ui->checkSaveOnDiskFlickr})
        box->setChecked(false);

    // Setting the texts runs their slots, which store them on the way.
    const QString stored = GetRegistryString("GUI/Upload.FTP.Password", QString());
    ui->editFTPUsername->setText(GetRegistryString("GUI/Upload.FTP.UserName", QString()));
    ui->editFTPPassword->setText(DecryptString(stored));
    ui->editFTPHost->setText(GetRegistryString("GUI/Upload.FTP.Host", QString()));
    ui->editFTPFolder->setText(GetRegistryString("GUI/Upload.FTP.Folder", "/"));
    ui->editFTPPort->setText(GetRegistryString("GUI/Upload.FTP.Port", "22"));
    ui->checkUseSFTP->setChecked(GetRegistryInt("GUI/Step3.FTP.UseSFTP", 1) != 0);

    userProfile->OpenOutputFolder = ui->checkOpenFolder->isChecked();
    userProfile->OriginalDate = ui->checkOriginalDate->isChecked();
    userProfile->DeleteSource = ui->checkDeleteSource->isChecked();
    userProfile->UseSFTP = ui->checkUseSFTP->isChecked();
    userProfile->SaveOnDiskMail = ui->checkSaveOnDiskMail->isChecked();
    userProfile->SaveOnDiskFTP = ui->checkSaveOnDiskFTP->isChecked();
    userProfile->SaveOnDiskFacebook = ui->checkSaveOnDiskFacebook->isChecked();
    userProfile->SaveOnDiskFlickr = ui->checkSaveOnDiskFlickr->isChecked();
    userProfile->DisableNotifications = false;
    userProfile->FTPUser = ui->editFTPUsername->text();
    userProfile->FTPPassword = stored;
    userProfile->FTPHost = ui->editFTPHost->text();
    userProfile->FTPFolder = ui->editFTPFolder->text();
    userProfile->FTPPort = ui->editFTPPort->text();
}

void CMainPanel3::RetranslateUI()
{
    ui->retranslateUi(this);
}

void CMainPanel3::RefreshPanel()
{
    SystemLogWrite("RefreshPanel", QString());
    {
        // A programmatic rebuild: one undo step at the end, not one per list.
        const CStatesList::SuppressGuard suppress(states);
        const bool multipage = userProfile->Multipage;
        const QString outputFormat = userProfile->OutputFormat;

        // A job file may hold a destination or folder mode the panel does not
        // offer: show and store what a run does with it (the folder, mode 0).
        userProfile->Destination = COutputPaths::EffectiveDestination(userProfile->Destination);
        if (userProfile->OutputFolderStruct < 0 || userProfile->OutputFolderStruct >= FolderModeCount)
            userProfile->OutputFolderStruct = 0;

        ui->comboDestination->setCurrentIndex(userProfile->Destination - 1);
        on_comboDestination_activated(ui->comboDestination->currentIndex());
        userProfile->OutputFormat = outputFormat;
        ui->comboFolderStructure->setCurrentIndex(userProfile->OutputFolderStruct);
        OnComboFolderStructureActivated(false);

        SystemLogWrite("RefreshPanel", "setCurrentIndex");
        SelectOutputFormat(FindOutputFormatItem(outputFormat));

        // A multi-page document only where the format can hold one.
        userProfile->Multipage = multipage && ui->checkMultipage->isEnabled();
        ui->checkMultipage->setChecked(userProfile->Multipage);
    }
    SignalPanelChanged();

    ui->checkOpenFolder->setChecked(userProfile->OpenOutputFolder);
    ui->checkOriginalDate->setChecked(userProfile->OriginalDate);
    ui->checkDeleteSource->setChecked(userProfile->DeleteSource);
}

void CMainPanel3::UnsignalPanelChanged()
{
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel3::DiscardUserChanges()
{
    ResetInterface();
    changed = false;
    emit UnsignalChanges();
}

void CMainPanel3::SignalPanelChanged()
{
    SystemLogWrite("SignalPanelChanged", QString());
    changed = true;
    if (!states->suppress)
        states->SaveState(false);
    emit SignalChanges();
}

// Destination

void CMainPanel3::on_comboDestination_activated(int index)
{
    SystemLogWrite("on_comboDestination_activated", "index: " + QString::number(index));
    {
        const CStatesList::SuppressGuard suppress(states);
        switch (index) {
        case 0:
            userProfile->Destination = COutputPaths::DestFolder;
            ui->swDestinations->setCurrentIndex(0);
            break;
        case 1:
            userProfile->Destination = COutputPaths::DestEmail;
            ui->swDestinations->setCurrentIndex(1);
            ui->checkSaveOnDiskMail->setChecked(userProfile->SaveOnDiskMail);
            break;
        case 2: {
            userProfile->Destination = COutputPaths::DestServer;
            ui->swDestinations->setCurrentIndex(2);
            // Copies first: each text slot stores into the profile.
            const QString user = userProfile->FTPUser;
            const QString password = userProfile->FTPPassword;
            const QString host = userProfile->FTPHost;
            const QString port = userProfile->FTPPort;
            const QString folder = userProfile->FTPFolder;
            ui->editFTPUsername->setText(user);
            ui->editFTPPassword->setText(DecryptString(password));
            ui->editFTPHost->setText(host);
            ui->editFTPPort->setText(port);
            ui->editFTPFolder->setText(folder);
            userProfile->FTPPassword = password;
            ui->checkUseSFTP->setChecked(userProfile->UseSFTP);
            ui->checkRecreateFolderStruct->setChecked(userProfile->OutputFolderStruct == 1);
            ui->checkSaveOnDiskFTP->setChecked(userProfile->SaveOnDiskFTP);
            break;
        }
        default:
            break;
        }
        SetOutputFormats(false);
    }
    SignalPanelChanged();
}

// Folder modes

void CMainPanel3::on_comboFolderStructure_activated(int index)
{
    SystemLogWrite("on_comboFolderStructure_activated", "index: " + QString::number(index));
    OnComboFolderStructureActivated(true);
}

void CMainPanel3::OnComboFolderStructureActivated(bool showTip)
{
    {
        const CStatesList::SuppressGuard suppress(states);
        const int mode = ui->comboFolderStructure->currentIndex();
        userProfile->OutputFolderStruct = mode;
        ShowFolderMode(mode);
        if (mode == ModeSourceFolder && showTip) {
            CDialogTip tip(this);
            tip.text = tr("You have selected to write the resulting photos in the same folder where the "
                          "originals reside.\n\nIf you'd like to keep the originals but still write the "
                          "resulting photos in the same folder, you need to change the processed photos' "
                          "name in Step2 > Names");
            tip.key = "Step3.ShowTipSourcePath";
            tip.showCheckBox = true;
            tip.exec();
        }
    }
    SignalPanelChanged();
}

void CMainPanel3::ShowFolderMode(int mode)
{
    ui->editDestinationPath->setEnabled(mode != ModeSourceFolder);
    ui->buttonSelectFolder->setEnabled(mode == 0 || mode == 1);
    UpdateOutputFolderText(mode);
}

void CMainPanel3::UpdateOutputFolderText(int mode)
{
    if (mode == ModeSubfolder) {
        ui->editDestinationPath->setText(QDir::toNativeSeparators(userProfile->OutputFolder));
        return;
    }
    const QString path = userProfile->DestPath.toLower() == "#mypictures" ? GetMyPictures()
                                                                          : userProfile->DestPath;
    ui->editDestinationPath->setText(QDir::toNativeSeparators(path));
}

void CMainPanel3::on_editDestinationPath_textChanged(const QString& text)
{
    if (ui->comboFolderStructure->currentIndex() == ModeSubfolder) {
        userProfile->OutputFolder = Slashes(text);
        SetRegistryString("GUI/Step3.OutputFolder", text);
    } else {
        userProfile->DestPath = Slashes(text);
        SetRegistryString("GUI/Step3.OutputPath", text);
    }
    SignalPanelChanged();
}

void CMainPanel3::on_buttonSelectFolder_clicked()
{
    SelectFolder();
}

bool CMainPanel3::SelectFolder()
{
    QString folder;
    {
        const CStatesList::SuppressGuard suppress(states);
        const QString start = NearestExistingFolder(GetRegistryString("GUI/Step3.OutputPath", GetMyPictures()));
        folder = QFileDialog::getExistingDirectory(
            this, tr("Select a folder for saving the resulting photos"), start,
            QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
        if (folder.isEmpty())
            return false;
        folder = Slashes(folder);
        ui->editDestinationPath->setText(QDir::toNativeSeparators(folder));
        userProfile->DestPath = folder;
        SetRegistryString("GUI/Step3.OutputPath", folder);
    }
    SignalPanelChanged();
    return true;
}

// Output format

QList<SFormatRecord> CMainPanel3::WritableFormats() const
{
    QList<SFormatRecord> writable;
    for (const SFormatRecord& row : std::as_const(formats->rows)) {
        if (row.canWrite)
            writable.append(row);
    }
    return writable;
}

void CMainPanel3::SetOutputFormats(bool keepIndex)
{
    SystemLogWrite("SetOutputFormats", "Destination: " + QString::number(userProfile->Destination));
    const int kept = ui->comboOutputFormat->currentIndex();
    {
        // Refilling selects nothing by itself; the selection is applied
        // below, once.
        const QSignalBlocker blocker(ui->comboOutputFormat);
        ui->comboOutputFormat->clear();
        if (userProfile->Destination == COutputPaths::DestFolder)
            ui->comboOutputFormat->addItem(formatIcons.value(0), KeepFormatText());
        for (const SFormatRecord& row : WritableFormats())
            ui->comboOutputFormat->addItem(formatIcons.value(row.kind), row.id + " - " + row.description);
        if (keepIndex)
            ui->comboOutputFormat->setCurrentIndex(kept);
    }
    if (keepIndex)
        return;
    SystemLogWrite("SetOutputFormats", "setCurrentIndex");
    SelectOutputFormat(userProfile->Destination == COutputPaths::DestFolder ? 0 : JpgItemForDelivery);
}

void CMainPanel3::SelectOutputFormat(int index)
{
    {
        const QSignalBlocker blocker(ui->comboOutputFormat);
        ui->comboOutputFormat->setCurrentIndex(index);
    }
    on_comboOutputFormat_currentIndexChanged(ui->comboOutputFormat->currentIndex());
}

int CMainPanel3::FindOutputFormatItem(const QString& format) const
{
    for (int i = 0; i < ui->comboOutputFormat->count(); ++i) {
        const QString text = ui->comboOutputFormat->itemText(i);
        if (text == format || text.startsWith(format + " - ", Qt::CaseInsensitive))
            return i;
    }
    // A format the list lacks (keep-original with a delivery destination, a
    // misspelt id) falls back to the destination's own default.
    return userProfile->Destination == COutputPaths::DestFolder ? 0 : JpgItemForDelivery;
}

void CMainPanel3::on_comboOutputFormat_currentIndexChanged(int index)
{
    SystemLogWrite("on_comboOutputFormat_currentIndexChanged", "index: " + QString::number(index));
    const int row = userProfile->Destination == COutputPaths::DestFolder ? index - 1 : index;
    const QList<SFormatRecord> writable = WritableFormats();
    userProfile->OutputFormat = (row < 0 || row >= writable.size()) ? KeepFormatText() : writable[row].id;
    SystemLogWrite("on_comboOutputFormat_currentIndexChanged", "Selected: " + userProfile->OutputFormat);

    const QString format = userProfile->OutputFormat;
    const bool multipageFormat = format == "PDF" || format == "TIF" || format == "GIF";
    ui->checkMultipage->setEnabled(multipageFormat);
    if (!multipageFormat) {
        userProfile->Multipage = false;
        ui->checkMultipage->setChecked(false);
    }
    userProfile->filenameFilter.extension = format.toLower();
    SignalPanelChanged();
}

int CMainPanel3::OptionsPageOf(const QString& itemText)
{
    if (itemText == KeepFormatText())
        return 1;
    static const QStringList ids = {"GIF", "JP2", "JPG", "PDF", "PNG", "TIF", "MIFF", "HEIF", "WEBP", "AVIF"};
    const QString head = itemText.left(4);
    for (int i = 0; i < ids.size(); ++i) {
        if (head.contains(ids[i]))
            return i + 2;
    }
    return 0;
}

void CMainPanel3::on_buttonFormatSettings_clicked()
{
    CFormatSettings dialog(this);
    const QString text = ui->comboOutputFormat->currentText();
    dialog.page = OptionsPageOf(text);
    // The format id: the item text up to its first " - " (descriptions such
    // as "JPEG-2000 ..." hold dashes of their own).
    const int cut = text.indexOf(" - ");
    QString title = cut < 0 ? text : text.left(cut);
    if (title.isEmpty())
        title = KeepFormatText();
    dialog.setWindowTitle(title);
    if (dialog.exec() == QDialog::Accepted)
        SignalPanelChanged();
}

void CMainPanel3::on_checkMultipage_clicked()
{
    userProfile->Multipage = ui->checkMultipage->isChecked();
    SignalPanelChanged();
}

// After-run options

void CMainPanel3::on_checkOpenFolder_clicked()
{
    userProfile->OpenOutputFolder = ui->checkOpenFolder->isChecked();
    SetRegistryInt("GUI/Step3.OpenOutputFolder", userProfile->OpenOutputFolder ? 1 : 0);
    SignalPanelChanged();
}

void CMainPanel3::on_checkOriginalDate_clicked(bool checked)
{
    userProfile->OriginalDate = checked;
    SignalPanelChanged();
}

void CMainPanel3::on_checkDeleteSource_clicked()
{
    OnCheckDeletesource(true);
}

void CMainPanel3::OnCheckDeletesource(bool showTip)
{
    userProfile->DeleteSource = ui->checkDeleteSource->isChecked();
    if (userProfile->DeleteSource && showTip) {
        CDialogTip tip(this);
        tip.key = "Step3.ShowTipDeleteSource";
        tip.showCheckBox = true;
        tip.text = tr("You have selected to delete the original photos after writing the processed ones. "
                      "We advise you to backup the originals before using this option for the first "
                      "time.\n\nThis action will only delete the originals if the processed photos are "
                      "correctly written.\n\nIn case there are no filters selected the photos will "
                      "actually be moved very fast and eventually renamed with no quality loss.");
        tip.exec();
    }
    SignalPanelChanged();
}

void CMainPanel3::on_checkSaveOnDiskMail_clicked(bool checked)
{
    userProfile->SaveOnDiskMail = checked;
    SignalPanelChanged();
}

void CMainPanel3::on_checkSaveOnDiskFTP_clicked(bool checked)
{
    userProfile->SaveOnDiskFTP = checked;
    SignalPanelChanged();
}

void CMainPanel3::on_checkSaveOnDiskFacebook_clicked(bool checked)
{
    userProfile->SaveOnDiskFacebook = checked;
    SignalPanelChanged();
}

void CMainPanel3::on_checkSaveOnDiskFlickr_clicked(bool checked)
{
    userProfile->SaveOnDiskFlickr = checked;
    SignalPanelChanged();
}

// Server

void CMainPanel3::on_editFTPUsername_textChanged(const QString& text)
{
    userProfile->FTPUser = text;
    SetRegistryString("GUI/Upload.FTP.UserName", text);
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPPassword_textChanged(const QString& text)
{
    userProfile->FTPPassword = EncryptString(text);
    SetRegistryString("GUI/Upload.FTP.Password", userProfile->FTPPassword);
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPHost_textChanged(const QString& text)
{
    userProfile->FTPHost = text;
    SetRegistryString("GUI/Upload.FTP.Host", text);
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPFolder_textChanged(const QString& text)
{
    userProfile->FTPFolder = text;
    SetRegistryString("GUI/Upload.FTP.Folder", text);
    SignalPanelChanged();
}

void CMainPanel3::on_editFTPPort_textChanged(const QString& text)
{
    userProfile->FTPPort = text;
    SetRegistryString("GUI/Upload.FTP.Port", text);
    SignalPanelChanged();
}

void CMainPanel3::on_checkUseSFTP_clicked(bool checked)
{
    userProfile->UseSFTP = checked;
    ui->editFTPPort->setText(checked ? "22" : "21");
    SetRegistryInt("GUI/Step3.FTP.UseSFTP", checked ? 1 : 0);
    userProfile->FTPPort = ui->editFTPPort->text();
    SignalPanelChanged();
}

void CMainPanel3::on_checkRecreateFolderStruct_clicked(bool checked)
{
    {
        const CStatesList::SuppressGuard suppress(states);
        userProfile->OutputFolderStruct = checked ? 1 : 0;
        ui->comboFolderStructure->setCurrentIndex(userProfile->OutputFolderStruct);
        // The folder page follows, so it is right when shown again.
        ShowFolderMode(userProfile->OutputFolderStruct);
    }
    SignalPanelChanged();
}

void CMainPanel3::on_buttonTestFTPConnection_clicked()
{
    SystemLogWrite("on_buttonTestFTPConnection_clicked", QString());
    ui->labelResultTestConnection->setText("...");
    // A test already running answers for this click; its settings copy is
    // never written while it runs.
    if (uploadThread.isRunning())
        return;
    QString folder = userProfile->FTPFolder;
    if (!folder.startsWith('/'))
        folder.prepend('/');
    if (!folder.endsWith('/'))
        folder.append('/');
    userProfile->FTPFolder = folder;
    uploadThread.testMode = true;
    uploadThread.TakeServerSettings();
    uploadThread.start(QThread::InheritPriority);
}

void CMainPanel3::on_connectionTestFinished(QString result)
{
    ui->labelResultTestConnection->setText(result);
}

// Tip

void CMainPanel3::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    timerShowProcessTip->start(2000);
}

void CMainPanel3::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    timerHideProcessTip->start(0);
}

void CMainPanel3::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    timerHideProcessTip->start(0);
}

void CMainPanel3::ShowProcessTip()
{
    timerShowProcessTip->stop();
    // A panel left before the tip was due shows it when it is shown again.
    if (userProfile->launchCount > 2 || processTipShown || !isVisible())
        return;
    tipProcess->SetShape(GenerateInfoBaloon(2));
    FitTip(*tipProcess, QSize(240, 80), tr("When you are ready, go ahead and apply the changes to your photos"));
    tipProcess->move(width() / 2 + 95, 0);
    tipProcess->show();
    tipProcess->raise();
    timerHideProcessTip->start(15000);
    processTipShown = true;
}

void CMainPanel3::MakeProcessTipInvisible()
{
    tipProcess->hide();
    timerHideProcessTip->stop();
}
