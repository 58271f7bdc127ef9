#include "CProcessController.h"

#include "CDialogGSWarning.h"
#include "CDialogOverwrite.h"
#include "CFormatsEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CMagickRuntime.h"
#include "COutputFormat.h"
#include "COutputNaming.h"
#include "COutputPaths.h"
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "Common.h"
#include "Platform.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

CProcessController::CProcessController(QWidget* parent, QStringList passedOver)
    : QDialog(parent),
      images(CListImages::GetInstance()),
      filters(CListFilters::GetInstance()),
      profile(CUserProfile::GetInstance()),
      passedOver(std::move(passedOver))
{
    destination = COutputPaths::EffectiveDestination(profile->Destination);
    deliveryFinished = destination != COutputPaths::DestServer;
    switch (destination) {
    case COutputPaths::DestEmail:
        keepWrittenFiles = profile->SaveOnDiskMail;
        break;
    case COutputPaths::DestServer:
        keepWrittenFiles = profile->SaveOnDiskFTP;
        break;
    default:
        keepWrittenFiles = true;
        break;
    }
    // libcurl, which only a delivery to a server needs, starts up before
    // any transfer thread can exist.
    if (destination == COutputPaths::DestServer)
        CUpload::InitializeTransfers();
    connect(&mailUpload, &CUpload::AppendLog, this, &CProcessController::UpdateLogOnNewLine);
    BuildForm();
    Init();
}

CProcessController::~CProcessController()
{
    // Never leave a worker running behind a destroyed dialog.
    for (auto& thread : threads) {
        thread->cancelRequested = true;
        thread->Wake();
    }
    WaitForWorkers();
    // Nor an upload: a transfer in flight ends at once.
    uploadThread.Upload().SetAbort(true);
    uploadThread.wait();
    if (runWorkersSet)
        CMagickRuntime::SetRunWorkers(0);
    // Whatever is still there (an e-mail message, kept outputs) stays.
    COutputPaths::RemoveRunFolderIfEmpty(runFolder);
}

void CProcessController::BuildForm()
{
    setWindowTitle(tr("Glimmerbox - Processing"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(this));
    progressBar = new QProgressBar(this);
    progressBar->setObjectName("progressBar");
    progressBar->setMinimumHeight(24);
    progressBar->setTextVisible(true);
    progressBar->setFormat("%p%");
    layout->addWidget(progressBar);

    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(new QLabel(this));
    textTime = new QLabel(this);
    textTime->setObjectName("textTime");
    textTime->setEnabled(false);
    textTime->setMinimumWidth(80);
    timeRow->addWidget(textTime);
    timeRow->addStretch();
    textProgressCount = new QLabel(this);
    textProgressCount->setObjectName("textProgressCount");
    textProgressCount->setEnabled(false);
    textProgressCount->setMinimumWidth(80);
    textProgressCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    timeRow->addWidget(textProgressCount);
    timeRow->addWidget(new QLabel(this));
    layout->addLayout(timeRow);
    layout->addWidget(new QLabel(this));

    editProcessLog = new QTextEdit(this);
    editProcessLog->setReadOnly(true);
    editProcessLog->setUndoRedoEnabled(false);
    layout->addWidget(editProcessLog);

    auto* bottom = new QHBoxLayout;
    textBlank = new QLabel(this);
    bottom->addWidget(textBlank);
    bottom->addStretch();
    buttonPause = new QPushButton(tr("Pause"), this);
    buttonOKCancel = new QPushButton(tr("OK"), this);
    bottom->addWidget(buttonPause);
    bottom->addWidget(buttonOKCancel);
    bottom->addStretch();
    linkShowLog = new QLabel(tr("Show log"), this);
    linkShowLog->setOpenExternalLinks(true);
    bottom->addWidget(linkShowLog);
    layout->addLayout(bottom);

    connect(buttonPause, &QPushButton::clicked, this, &CProcessController::on_buttonPause_clicked);
    connect(buttonOKCancel, &QPushButton::clicked, this,
            &CProcessController::on_buttonOKCancel_clicked);
}

bool CProcessController::IsSilent() const
{
    return profile->silentScript;
}

bool CProcessController::IsSilentOrHidden() const
{
    // Without a screen nobody could close the dialog at the end either.
    return IsSilent() || profile->HideProcessing || profile->noScreen;
}

bool CProcessController::IsMonitorSilent() const
{
    return IsSilent() && profile->monitorRun && profile->SilentMode;
}

void CProcessController::Init()
{
    if (IsSilentOrHidden()) {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMainWindow*>(widget)) {
                widget->setWindowOpacity(0.0);
                break;
            }
        }
        setWindowOpacity(0.0);
    }
    photoCount = int(images->list.size());
    operationsPerPhoto = filters->GetActiveCount() + 2;
    totalOperations = operationsPerPhoto * photoCount;
    progressBar->setRange(0, std::max(totalOperations, 1));
    progressBar->setValue(0);
    progressBar->setFormat("0%");

    buttonOKCancel->setText(tr("Cancel"));
    textProgressCount->setText(QStringLiteral("0 / %1").arg(photoCount));
    textTime->setText(QStringLiteral("00:00 / NA"));
    setWindowTitle(windowTitle() + " (0%)");
    UpdateTitleText("0%");

    linkShowLog->setText("<a href =\"" + QUrl::fromLocalFile(GeneralLogPath()).toString() + "\">" +
                         tr("Show log") + "</a>");
    linkShowLog->hide();
    textBlank->hide();

    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, &CProcessController::OnTimer);
    timer->start(1000);
    elapsed.start();
    StartThreads();
}

void CProcessController::UpdateTitleText(QString text)
{
    const QString title = windowTitle();
    const int open = title.indexOf('(');
    const QString head = open < 0 ? title : title.left(open);
    setWindowTitle(head + "(" + text + ")");
}

void CProcessController::StartThreads()
{
    SystemLogWrite("StartThreads", QString());
    const int cores = QThread::idealThreadCount();
    int count = (cores >= 1 && cores <= MaxThreads) ? cores : 1;
    count = std::min(count, photoCount);
    if (!profile->useMulticore || profile->Multipage)
        count = std::min(count, 1);
    threadCount = count;

    const int activeFilters = filters->GetActiveCount();
    logBuffer += QStringLiteral("Process started at %1.\r\n\r\n")
                     .arg(QDateTime::currentDateTime().toString("yyyy-MM-dd, hh:mm:ss"));
    UpdateLog(tr("Processing %1 images with %2 graphical filter(s) per image.")
                      .arg(photoCount)
                      .arg(activeFilters) +
                  "\r\n",
              0);
    if (profile->Multipage) {
        UpdateLog(tr("Creating a single multi-page document."), 0);
    } else {
        UpdateLog(tr("System: %1 CPU core(s) detected.").arg(cores), 0);
        UpdateLog(tr("Launching %1 thread(s) of execution.").arg(threadCount) + "\r\n", 0);
    }
    if (destination != profile->Destination)
        UpdateLog(" - " + tr("Unknown destination %1: the photos are saved to the folder.")
                              .arg(profile->Destination),
                  0);

    // Paths that arrive already escaped: their bad bytes show as "\xHH".
    for (const QString& path : std::as_const(passedOver)) {
        UpdateLog(" - " + tr("Warning: the name is not valid UTF-8, left out:") + " " + path, 0);
        ++warningCount;
    }

    const bool customProfile =
        COutputFormat::ForName(profile->OutputFormat, *profile, CFormatsEnum::GetInstance()).checkCustomProfile;
    if (customProfile && !QFileInfo::exists(profile->CustomProfile)) {
        UpdateLog(" - " + tr("Failed to load") + " " + EscapeForLog(profile->CustomProfile), 0);
        ++errorCount;
    }

    // Run keys follow the list positions; the workers' shares depend on it.
    images->RenumberKeys();
    const QString commonPath = profile->OutputFolderStruct == 1 ? FindCommonPath() : QString();
    ComputeIdForPath();

    if (threadCount < 1) {
        // Nothing to do: end the run once the event loop runs.
        QMetaObject::invokeMethod(this, &CProcessController::EndOfRun, Qt::QueuedConnection);
        return;
    }

    // Workers x the threads of each operation stay within the cores, and
    // each worker's photo gets its share of ImageMagick's memory. Nothing of
    // ImageMagick's own settings changes: a preview may be rendering.
    CMagickRuntime::SetRunWorkers(threadCount);
    runWorkersSet = true;

    const QString destPath = COutputPaths::ExpandDestPath(profile->DestPath);
    // A delivery's files (outputs not kept on disk, the e-mail message) go
    // to a folder of this run's own: other runs use the temporary folder at
    // the same time, often with the same photo names.
    if (destination != COutputPaths::DestFolder) {
        runFolder = COutputPaths::CreateRunFolder(&runFolderUnmade);
        mailUpload.SetRunFolder(runFolder);
        uploadThread.Upload().SetRunFolder(runFolder);
    }
    // Clean paths, so that no "..", "." or relative folder in a photo's path
    // rebuilds an output folder outside the destination.
    QList<SImageRecord> photos;
    for (const SImageRecord& photo : std::as_const(images->list))
        photos.append(COutputPaths::CleanRecord(photo));
    for (const SImageRecord& photo : std::as_const(photos)) {
        shared.sourcePaths.insert(photo.path);
        shared.sourceKeys.insert(photo.path.toLower());
    }
    shared.photos = HandOutOrder(photos, threadCount);
    for (int t = 0; t < threadCount; ++t) {
        auto thread = std::make_unique<CProcessThread>();
        CProcessThread* worker = thread.get();
        connect(worker, &CProcessThread::IncProgressOperation, this,
                &CProcessController::ProgressOperation, Qt::QueuedConnection);
        connect(worker, &CProcessThread::IncProgressImage, this,
                &CProcessController::ProgressImage, Qt::QueuedConnection);
        connect(worker, &CProcessThread::ThreadFinished, this,
                &CProcessController::FinishedThread, Qt::QueuedConnection);
        connect(worker, &CProcessThread::AppendLog, this, &CProcessController::UpdateLog,
                Qt::QueuedConnection);
        connect(worker, &CProcessThread::ShowOverwriteDlg, this,
                &CProcessController::OverwriteDlg, Qt::QueuedConnection);
        connect(worker, &CProcessThread::OpenOutputFolder, this, &CProcessController::OpenFolder,
                Qt::QueuedConnection);
        connect(worker, &CProcessThread::SignalDisplayGSMessage, this,
                &CProcessController::DisplayGSMessage, Qt::QueuedConnection);
        worker->shared = &shared;
        worker->threadIndex = t;
        worker->commonPath = commonPath;
        worker->destPath = destPath;
        worker->tempFolder = runFolder;
        worker->tempFolderUnmade = runFolderUnmade;
        threads.push_back(std::move(thread));
    }
    finishedThreads = 0;
    for (auto& thread : threads)
        thread->start(QThread::InheritPriority);
}

QList<SImageRecord> CProcessController::HandOutOrder(QList<SImageRecord> photos, int workers)
{
    if (workers < 2)
        return photos;
    // The largest files first: a long photo taken up late would keep one
    // worker busy while the others have nothing left to do.
    QList<QPair<qint64, SImageRecord>> sized;
    sized.reserve(photos.size());
    for (SImageRecord& photo : photos)
        sized.append({QFileInfo(photo.path).size(), std::move(photo)});
    std::stable_sort(sized.begin(), sized.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    QList<SImageRecord> order;
    order.reserve(sized.size());
    for (auto& entry : sized)
        order.append(std::move(entry.second));
    return order;
}

QString CProcessController::FindCommonPath() const
{
    if (profile->monitorRun) {
        QString folder = profile->Folder;
        if (folder.endsWith('/'))
            folder.chop(1);
        return folder;
    }
    QList<QString> folders;
    for (const SImageRecord& photo : std::as_const(images->list))
        folders.append(COutputPaths::CleanRecord(photo).folder);
    return COutputPaths::FindCommonPath(folders);
}

void CProcessController::ComputeIdForPath()
{
    COutputNaming::NumberWithinFolders(images->list);
}

qint64 CProcessController::RunTimeMs() const
{
    return timeOffset + (paused || !elapsed.isValid() ? 0 : elapsed.elapsed());
}

void CProcessController::ProgressOperation()
{
    ++operationsDone;
    ShowProgress(operationsDone);
    if (operationsDone % 20 == 0)
        estimatedTotal = qint64(totalOperations) * (RunTimeMs() / operationsDone);
}

void CProcessController::ShowProgress(int value)
{
    progressBar->setValue(std::clamp(value, progressBar->minimum(), progressBar->maximum()));
    // One figure for the bar and the title.
    const qint64 steps = qint64(progressBar->maximum()) - progressBar->minimum();
    const qint64 percent = steps > 0 ? (qint64(progressBar->value()) - progressBar->minimum()) * 100 / steps : 100;
    const QString text = QStringLiteral("%1%").arg(percent);
    progressBar->setFormat(text);
    UpdateTitleText(text);
}

void CProcessController::ProgressImage()
{
    ++photosDone;
    textProgressCount->setText(QStringLiteral("%1 / %2").arg(photosDone).arg(photoCount));
}

void CProcessController::OnTimer()
{
    ShowTimes();
}

void CProcessController::ShowTimes()
{
    // The whole run never takes less than the time it has taken already.
    const qint64 spent = RunTimeMs();
    const QString total =
        estimatedTotal < 1 ? QStringLiteral("NA") : TimeN2LongS(std::max(estimatedTotal, spent));
    textTime->setText(TimeN2LongS(spent) + " / " + total);
}

QString CProcessController::TimeN2LongS(qint64 ms)
{
    const qint64 hours = ms / 3600000;
    const qint64 rest = ms % 3600000;
    const qint64 minutes = rest / 60000;
    const qint64 seconds = (rest % 60000) / 1000;
    if (hours != 0)
        return QString::asprintf("%02lld:%02lld:%02lld", hours, minutes, seconds);
    return QString::asprintf("%02lld:%02lld", minutes, seconds);
}

QString CProcessController::TimeN2ShortS(qint64 ms)
{
    const qint64 hours = ms / 3600000;
    const qint64 tenthsInHour = (ms % 3600000) / 100;
    const qint64 minutes = tenthsInHour / 600;
    const qint64 seconds = (tenthsInHour % 600) / 10;
    const qint64 tenth = tenthsInHour % 10;
    if (hours != 0)
        return QString::asprintf("%lld:%02lld:%02lld.%llds", hours, minutes, seconds, tenth);
    if (minutes != 0)
        return QString::asprintf("%lld:%02lld.%llds", minutes, seconds, tenth);
    return QString::asprintf("%lld.%llds", seconds, tenth);
}

int CProcessController::RunningThreads() const
{
    return threadCount - finishedThreads;
}

void CProcessController::on_buttonPause_clicked()
{
    if (threads.empty() || runFinished)
        return;
    if (paused) {
        for (auto& thread : threads) {
            thread->pauseRequested = false;
            thread->Wake();
        }
        buttonPause->setText(tr("Pause"));
        timer->start(1000);
        elapsed.restart();
        paused = false;
    } else {
        for (auto& thread : threads)
            thread->pauseRequested = true;
        buttonPause->setText(tr("Resume"));
        timer->stop();
        timeOffset += elapsed.elapsed();
        paused = true;
    }
}

void CProcessController::on_buttonOKCancel_clicked()
{
    reject();
}

void CProcessController::StopThreads()
{
    for (auto& thread : threads) {
        thread->cancelRequested = true;
        thread->Wake();
    }
    stoppedByUser = true;
}

void CProcessController::StopThreadUpload()
{
    uploadThread.SetAbortThread(true);
}

void CProcessController::reject()
{
    if (!runFinished) {
        if (IsMonitorSilent())
            return;
        if (CPromptSeam::Question(this, CPromptSeam::AbortProcessing,
                                  tr("Photo processing not completed. Abort the operation?")))
            StopThreads();
        return;
    }
    if (deliveryFinished) {
        CloseWhenDone();
        return;
    }
    if (uploadRunning) {
        if (IsMonitorSilent())
            return;
        if (CPromptSeam::Question(this, CPromptSeam::AbortUpload,
                                  tr("Upload not completed. Abort the operation?")))
            StopThreadUpload();
    }
}

void CProcessController::WaitForWorkers()
{
    for (auto& thread : threads)
        thread->wait();
}

void CProcessController::CloseWhenDone()
{
    // The last ThreadFinished (and the upload's end) arrive just before
    // their threads return.
    WaitForWorkers();
    uploadThread.wait();
    QDialog::reject();
}

void CProcessController::OverwriteDlg(QString path, int thread)
{
    if (thread < 0 || thread >= int(threads.size()))
        return;
    CProcessThread* asking = threads[size_t(thread)].get();
    int answer = CDialogOverwrite::Abort;
    QString newPath = path;
    if (stoppedByUser) {
        answer = CDialogOverwrite::Abort;
    } else if (profile->DisableNotifications) {
        for (auto& worker : threads)
            worker->overwriteAll = true;
        answer = CDialogOverwrite::YesToAll;
    } else {
        CDialogOverwrite dialog(this);
        dialog.path = path;
        answer = dialog.exec();
        newPath = dialog.newPath;
        switch (answer) {
        case CDialogOverwrite::YesToAll:
            for (auto& worker : threads)
                worker->overwriteAll = true;
            break;
        case CDialogOverwrite::NoToAll:
            for (auto& worker : threads)
                worker->skipAll = true;
            break;
        case CDialogOverwrite::Yes:
        case CDialogOverwrite::No:
        case CDialogOverwrite::Rename:
            break;
        default:
            answer = CDialogOverwrite::Abort;
            StopThreads();
            break;
        }
    }
    asking->overwriteAnswer = answer;
    if (answer == CDialogOverwrite::Rename)
        asking->answerPath = newPath;
    asking->waitingForAnswer.store(false, std::memory_order_release);
    asking->Wake();
}

void CProcessController::OpenFolder(QString path)
{
    if (folderOpened)
        return;
    folderOpened = true;
    if (!profile->OpenOutputFolder || profile->HideProcessing)
        return;
    OpenExternal(path);
}

void CProcessController::DisplayGSMessage(QString text)
{
    CDialogGSWarning notice(this);
    if (notice.ShowDialog(text))
        notice.exec();
}

void CProcessController::FinishedThread()
{
    workerEndTimes.append(RunTimeMs());
    ++finishedThreads;
    if (finishedThreads < threadCount)
        return;
    EndOfRun();
}

void CProcessController::EndOfRun()
{
    if (runFinished)
        return;
    runFinished = true;
    buttonPause->hide();
    buttonOKCancel->setText(tr("OK"));
    timer->stop();
    // The run time stops here (a pause has already stopped it).
    timeOffset = RunTimeMs();
    elapsed.invalidate();
    if (!stoppedByUser) {
        // Every photo is done, written or not.
        photosDone = photoCount;
        textProgressCount->setText(QStringLiteral("%1 / %2").arg(photoCount).arg(photoCount));
        operationsDone = totalOperations;
        ShowProgress(progressBar->maximum());
        estimatedTotal = timeOffset;
    }
    ShowTimes();
    for (auto& thread : threads) {
        errorCount += int(thread->errorCount);
        warningCount += int(thread->warningCount);
    }

    UpdateLog(QString(), 0);
    if (stoppedByUser)
        UpdateLog(tr("Process interrupted by the user."), 0);
    UpdateLog(SummaryText(errorCount, warningCount), 0);
    const QString timeText = tr("Time elapsed") + ": " + TimeN2ShortS(RunTimeMs());
    AppendToView(timeText);
    logBuffer += timeText;

    if (destination != COutputPaths::DestFolder && !stoppedByUser) {
        UploadImages(destination);
        if (deliveryFinished)
            SaveLog();
    } else {
        deliveryFinished = true;
        if (destination != COutputPaths::DestFolder)
            FinishDelivery(false); // stopped: nothing was delivered
        SaveLog();
    }
    if (!profile->scriptRun) {
        emit Panel1StartPreview(true);
        emit Panel2StartPreview();
    }
    emit RunFinished();
    if (IsSilentOrHidden() && deliveryFinished)
        reject();
}

QString CProcessController::SummaryText(int errors, int warnings)
{
    if (warnings == 0) {
        return errors > 0 ? tr("Warning: Process completed with %1 errors. For details see the log above.").arg(errors)
                          : tr("Process completed without errors.");
    }
    if (errors > 0)
        return tr("Warning: Process completed with %1 errors and %2 warning(s). For details see the log above.")
            .arg(errors)
            .arg(warnings);
    return tr("Warning: Process completed without errors, with %1 warning(s). For details see the log above.")
        .arg(warnings);
}

QList<QString> CProcessController::OutputPaths() const
{
    const QMutexLocker lock(&const_cast<SProcessShared&>(shared).outputMutex);
    return shared.outputPaths;
}

QList<QPair<QString, CSourceIdentity>> CProcessController::PendingSources() const
{
    const QMutexLocker lock(&const_cast<SProcessShared&>(shared).outputMutex);
    return shared.pendingSources;
}

// ---- Delivery ----

QString CProcessController::DeliveredTo() const
{
    if (!deliveryFinished || !deliveryFailure.isEmpty() || stoppedByUser)
        return QString();
    if (destination == COutputPaths::DestServer)
        return uploadThread.Upload().UploadedCount() > 0 ? uploadThread.ServerPlace() : QString();
    if (destination == COutputPaths::DestEmail) {
        const QString message = mailUpload.MessagePath();
        return !message.isEmpty() && QFileInfo::exists(message) ? message : QString();
    }
    return QString();
}

void CProcessController::UploadImages(int destinationCode)
{
    if (destinationCode == COutputPaths::DestServer) {
        // The summary's last line has no line end of its own: the file gets
        // one, then a blank line pair before the upload's lines.
        const QString uploading = tr("Uploading to ") + EscapeForLog(profile->FTPHost) + "...";
        AppendToView(uploading);
        logBuffer += "\r\n\r\n\r\n" + uploading + "\r\n";
        PrepareInterfaceForUpload();
        if (!profile->FTPFolder.startsWith('/'))
            profile->FTPFolder.prepend('/');
        if (!profile->FTPFolder.endsWith('/'))
            profile->FTPFolder.append('/');
        StartThreadUpload();
        return;
    }
    if (destinationCode == COutputPaths::DestEmail) {
        const bool handedOver = mailUpload.AddAttachments(OutputPaths(), !keepWrittenFiles);
        deliveryFinished = true;
        if (!handedOver)
            deliveryFailure = tr("the e-mail message was not handed to the mail program: %1")
                                  .arg(mailUpload.FailureText());
        FinishDelivery(handedOver);
    }
}

void CProcessController::StartThreadUpload()
{
    PrepareInterfaceForUpload();
    uploadThread.files = OutputPaths();
    uploadThread.TakeServerSettings();
    const auto queued = Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection);
    connect(&uploadThread, &CUploadThread::IncProgressImageUpload, this,
            &CProcessController::ProgressImageUpload, queued);
    connect(&uploadThread, &CUploadThread::UploadThreadFinished, this,
            &CProcessController::FinishedThreadUpload, queued);
    connect(&uploadThread, &CUploadThread::AppendLog, this, &CProcessController::UpdateLog, queued);
    uploadRunning = true;
    uploadThread.start(QThread::InheritPriority);
}

void CProcessController::FinishDelivery(bool complete)
{
    const QList<QPair<QString, CSourceIdentity>> sources = PendingSources();
    if (sources.isEmpty())
        return;
    if (!complete) {
        // The photos are all the user has while the outputs did not arrive.
        UpdateLogOnNewLine(tr("The source photos were not deleted: the delivery did not complete."),
                           0);
        return;
    }
    for (const auto& [source, read] : sources) {
        const QString warning = CProcessThread::RemoveSourceIfUnchanged(source, read);
        if (warning.isEmpty())
            continue;
        UpdateLogOnNewLine(" - " + EscapeForLog(warning) + " " + EscapeForLog(source), 0);
        ++warningCount;
    }
}

void CProcessController::UpdateLogOnNewLine(QString text, int mode)
{
    // Delivery lines may follow the summary's last line, which has no line
    // end of its own.
    if ((mode == 0 || mode == 2) && !logBuffer.isEmpty() && !logBuffer.endsWith("\r\n"))
        logBuffer += "\r\n";
    UpdateLog(text, mode);
}

void CProcessController::PrepareInterfaceForUpload()
{
    const int files = int(OutputPaths().size());
    buttonOKCancel->setText(tr("Cancel"));
    photosDone = 0;
    setWindowTitle(tr("Uploading") + " (0%)");
    textProgressCount->setText(QStringLiteral("%1 / %2").arg(0).arg(files));
    textTime->clear();
    progressBar->setRange(0, std::max(files, 1));
    ShowProgress(0);
}

void CProcessController::ProgressImageUpload(double kbPerSecond)
{
    const int files = int(OutputPaths().size());
    ++photosDone;
    textProgressCount->setText(QStringLiteral("%1 / %2").arg(photosDone).arg(files));
    ShowProgress(progressBar->value() + 1);
    textTime->setText(QString::number(qint64(kbPerSecond)) + " KB/s");
}

void CProcessController::FinishedThreadUpload(int uploadedCount)
{
    deliveryFinished = true;
    uploadRunning = false;
    buttonOKCancel->setText(tr("OK"));
    SystemLogWrite("FinishedThreadUpload", "uploadedFilesCount: " + QString::number(uploadedCount));
    // Temporary copies and sources go only after every file has arrived;
    // otherwise the upload has logged where the outputs are kept.
    const bool complete = uploadThread.Upload().DeliveryComplete();
    if (!complete)
        deliveryFailure = tr("the upload to %1 did not complete: %2")
                              .arg(EscapeForLog(uploadThread.ServerSettings().FTPHost), uploadThread.Upload().FailureText());
    if (uploadedCount > 0)
        UpdateLog(tr("Successfully uploaded %1 picture(s).\r\n").arg(uploadedCount), 0);
    if (!keepWrittenFiles && complete && uploadedCount > 0)
        UpdateLog(tr("Deleting temporary files...") + "\r\n", 0);
    FinishDelivery(complete);
    // Part of the files on the server is no completed upload.
    const QString last =
        uploadedCount < 1 || !complete ? tr("Upload failed.") : tr("Upload completed.");
    AppendToView(last);
    logBuffer += last;
    SaveLog();
    if (IsSilentOrHidden())
        reject();
}

void CProcessController::SetTransferTimeLimits(long connectSeconds, long stallSeconds)
{
    uploadThread.Upload().SetTimeLimits(connectSeconds, stallSeconds);
}

void CProcessController::FinishedUploading(int uploadedCount, QString text)
{
    UpdateLog(text, 0);
    FinishedThreadUpload(uploadedCount);
}
