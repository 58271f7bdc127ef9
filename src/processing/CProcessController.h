#pragma once

#include "COutputPaths.h"
#include "CProcessThread.h"
#include "CUpload.h"
#include "CUploadThread.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class CListFilters;
class CListImages;
class CUserProfile;
class QLabel;
class QProgressBar;
class QPushButton;
class QTextEdit;
class QTimer;

// The dialog that carries out one processing run: shares the photos out
// among up to 32 workers, shows progress, time and log, answers the
// workers' overwrite questions, lets the user pause and stop, writes the
// summary, hands the outputs to delivery and saves the processing log.
// A silent or hidden run shows nothing and closes itself at the end.
//
// Split by concern: CProcessController.cpp (run, progress, questions, end),
// CProcessControllerLog.cpp (log view, buffer and file).
class CProcessController : public QDialog
{
    Q_OBJECT
public:
    // `passedOver`: what the gathering of the photos had to leave out
    // because its name is not valid UTF-8, as a log shows it
    // (CScripts::PassedOverPaths); each gets a warning line in the run's log.
    explicit CProcessController(QWidget* parent = nullptr, QStringList passedOver = {});
    ~CProcessController() override;

    static constexpr int MaxThreads = 32;

    void reject() override;
    void StopThreads();
    // Asks a running server upload to stop; the transfer in flight ends at
    // once and the upload reports its end as usual.
    void StopThreadUpload();

    // "h:mm:ss.ts", "m:ss.ts" or "s.ts" (tenths, e.g. 1:23.4s).
    static QString TimeN2ShortS(qint64 ms);
    // "hh:mm:ss" or "mm:ss".
    static QString TimeN2LongS(qint64 ms);
    // The order in which a run hands its photos to its workers, each worker
    // taking the next whenever it is free: the list order for one worker;
    // for more, the largest files first (list order among equal sizes), so
    // that the workers finish at about the same time.
    static QList<SImageRecord> HandOutOrder(QList<SImageRecord> photos, int workers);
    // The summary line of a run's log.
    static QString SummaryText(int errors, int warnings);
    // Where the logs live.
    static QString GeneralLogPath();
    QString MonitorLogPath() const;

    // State a caller may look at once the run has finished.
    int ThreadCount() const { return threadCount; }
    int ErrorCount() const { return errorCount; }
    int WarningCount() const { return warningCount; }
    bool IsRunFinished() const { return runFinished; }
    bool IsDeliveryFinished() const { return deliveryFinished; }
    bool StoppedByUser() const { return stoppedByUser; }
    // An e-mail message or upload that did not complete; the cause in one
    // line ("" when the delivery completed or there was none).
    bool DeliveryFailed() const { return !deliveryFailure.isEmpty(); }
    const QString& DeliveryFailure() const { return deliveryFailure; }
    const QString& LogBuffer() const { return logBuffer; }
    QString LogViewText() const;
    QList<QString> OutputPaths() const;
    // Where the delivery put the run's results, for people to read: the
    // server and folder of a complete upload, or the e-mail message while it
    // is kept. "" for a folder destination and a delivery that did not
    // complete.
    QString DeliveredTo() const;
    // Sources whose deletion waits for the delivery of their outputs, each
    // with the file that was read from it.
    QList<QPair<QString, CSourceIdentity>> PendingSources() const;
    bool IsUploadRunning() const { return uploadRunning; }
    // Time limits of the server upload (CUpload::SetTimeLimits); before the
    // upload starts.
    void SetTransferTimeLimits(long connectSeconds, long stallSeconds);
    qint64 RunTimeMs() const;
    // The run time (ms) at which each worker reported its end, in the order
    // the reports arrived: how long workers sat idle before the last one.
    const QList<qint64>& WorkerEndTimes() const { return workerEndTimes; }

signals:
    void Panel1StartPreview(bool refresh);
    void Panel2StartPreview();
    // Every worker has finished and the summary is written.
    void RunFinished();

public slots:
    void ProgressOperation();
    void ProgressImage();
    void ProgressImageUpload(double kbPerSecond);
    void UpdateLog(QString text, int mode = 0);
    void OverwriteDlg(QString path, int thread);
    void OpenFolder(QString path);
    void FinishedThread();
    void FinishedThreadUpload(int uploadedCount);
    void FinishedUploading(int uploadedCount, QString text);
    void DisplayGSMessage(QString text);
    void OnTimer();
    void on_buttonOKCancel_clicked();
    void on_buttonPause_clicked();

private:
    void BuildForm();
    void Init();
    void StartThreads();
    // Sets the bar to `value` (kept within its range) and the title to the
    // same percentage.
    void ShowProgress(int value);
    // The time text: run time, and the whole run's estimate.
    void ShowTimes();
    void UpdateTitleText(QString text);
    QString FindCommonPath() const;
    void ComputeIdForPath();
    void EndOfRun();
    void UploadImages(int destination);
    void StartThreadUpload();
    void PrepareInterfaceForUpload();
    void FinishDelivery(bool complete);
    // UpdateLog, starting a new line in the buffer when its last entry has
    // no line end.
    void UpdateLogOnNewLine(QString text, int mode);
    // Appends a line to the log view as plain text: a photo's name may look
    // like markup, which QTextEdit::append would render.
    void AppendToView(const QString& text);
    void SaveLog();
    bool SaveLogToDisk(QString path);
    // The log could not be saved: a LogNotSaved prompt.
    void ShowLogWarning(const QString& text);
    void CloseWhenDone();
    void WaitForWorkers();
    bool IsSilent() const;
    bool IsSilentOrHidden() const;
    bool IsMonitorSilent() const;
    int RunningThreads() const;

    CListImages* images;
    CListFilters* filters;
    CUserProfile* profile;

    std::vector<std::unique_ptr<CProcessThread>> threads;
    SProcessShared shared;

    int operationsPerPhoto = 0;
    int totalOperations = 0;
    int operationsDone = 0;
    int photosDone = 0;
    int photoCount = 0;
    int threadCount = 0;
    qint64 estimatedTotal = 0;
    int finishedThreads = 0;
    QList<qint64> workerEndTimes;
    bool stoppedByUser = false;
    bool folderOpened = false;
    int errorCount = 0;
    int warningCount = 0;
    bool deliveryFinished = true;
    bool runFinished = false;
    bool uploadRunning = false;
    QString deliveryFailure;
    QString logBuffer;
    bool keepWrittenFiles = true;
    int destination = 1;
    bool runWorkersSet = false; // the run's share of the cores is set
    QString runFolder;          // the run's own temporary folder ("" when it has none)
    COutputPaths::SUnmadeFolder runFolderUnmade; // why it has none
    QStringList passedOver;     // names left out when the photos were gathered

    // Delivery: the server upload runs on its own thread; the e-mail
    // hand-off uses the dialog's own upload object on the GUI thread.
    CUploadThread uploadThread;
    CUpload mailUpload;

    QTimer* timer = nullptr;
    QElapsedTimer elapsed;
    qint64 timeOffset = 0;
    bool paused = false;

    // The form.
    QProgressBar* progressBar = nullptr;
    QLabel* textTime = nullptr;
    QLabel* textProgressCount = nullptr;
    QTextEdit* editProcessLog = nullptr;
    QLabel* textBlank = nullptr;
    QPushButton* buttonPause = nullptr;
    QPushButton* buttonOKCancel = nullptr;
    QLabel* linkShowLog = nullptr;
};
