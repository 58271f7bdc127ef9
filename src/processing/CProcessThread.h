#pragma once

#include "CFilterFilename.h"
#include "AtomicWrite.h"
#include "CImageManager.h"
#include "COutputPaths.h"
#include "CSourceIdentity.h"
#include "FileAttributes.h"
#include "SFilterRecord.h"
#include "SImageRecord.h"

#include <QList>
#include <QMutex>
#include <QSet>
#include <QSize>
#include <QString>
#include <QThread>
#include <QWaitCondition>

#include <atomic>
#include <functional>

class CFormatsEnum;
class CListFilters;
class CListImages;
class CUserProfile;

// Run-wide objects that every worker of one run shares; owned by the
// controller. Each list has its own lock.
struct SProcessShared
{
    QMutex questionMutex;  // one overwrite question at a time
    QMutex folderMutex;    // creation of output and temporary folders
    QMutex chosenMutex;    // guards chosenKeys
    QMutex outputMutex;    // guards outputPaths
    QList<QString> outputPaths; // every file written, handed to delivery
    // Sources to delete once the outputs have been delivered (e-mail and
    // server destinations), each with the file that was read from it;
    // guarded by outputMutex.
    QList<QPair<QString, CSourceIdentity>> pendingSources;
    QSet<QString> chosenKeys;   // every output path given to a photo in this run, in lower case
    // The run's photos, as cleaned paths and in lower case: no output may
    // replace another photo of the run. Filled by the controller before the
    // workers start, read-only afterwards.
    QSet<QString> sourcePaths;
    QSet<QString> sourceKeys;
    QSet<QString> cleanedFolders; // output folders rid of stale temporaries; guarded by folderMutex

    // The run's photos in the order they are handed out: a worker takes the
    // next one whenever it is free, so that the workers finish together.
    // Filled by the controller before the workers start.
    QList<SImageRecord> photos;
    // The next photo to process; false once every photo has been handed out.
    bool TakePhoto(SImageRecord& photo);

private:
    QMutex photoMutex;          // guards nextPhoto
    qsizetype nextPhoto = 0;
};

// One worker of a processing run: names, reads, filters and writes the
// photos it takes from the run's hand-out, one at a time, and reports
// through queued signals. It never shows
// anything itself; the existing-target question goes to the controller,
// which answers through the atomic fields below.
//
// Split by concern: CProcessThread.cpp (run and the steps of one photo),
// CProcessThreadPaths.cpp (output paths and existing targets).
class CProcessThread : public QThread
{
    Q_OBJECT
public:
    CProcessThread();
    ~CProcessThread() override;

    // Answer codes of the overwrite question.
    enum Answer { AnswerAbort = 0, AnswerYes = 1, AnswerYesToAll = 2, AnswerNo = 3,
                  AnswerNoToAll = 4, AnswerRename = 5 };

    bool CheckLightProcessing();
    // COutputFormat's decision for the current photo, and for writing the
    // output under its final name.
    SOutputFormat DecideOutput() const;
    SOutputFormat WriteFormat() const;
    // Re-encoding is a must for the current photo: an active filter, or a
    // page of the single multi-page document.
    bool MustReencode() const;
    static bool DisableReadOnly(QString path);
    // Unlocks and deletes a source photo: "" once it is gone, else why it
    // is still there.
    static QString RemoveSource(const QString& path);
    // Deletes a source only while `path` still leads to the file that was
    // read from it (`read`): "" once it is gone, else the warning that goes
    // before its path (changed during the run, or why it could not go).
    static QString RemoveSourceIfUnchanged(const QString& path, const CSourceIdentity& read);
    // The warning for a source that could not be deleted, before its path.
    static QString SourceKeptText(const QString& reason);
    // The warning for a source that another file replaced or that changed
    // after it was read, before its path.
    static QString SourceChangedText();
    // Whether an output, written, copied or re-encoded, has to be on the
    // disk (its bytes before it takes its name, its folder after) before the
    // photo is done: when its source will be deleted, or when it replaces its
    // own source. Any other output can be written again from its source
    // should the system go down before it reaches the disk, and is not
    // waited for.
    static bool MustFlushOutput(bool deleteSource, const QString& source, const QString& output);
    void UpdateFileAttributes();

    // ---- Filled by the controller before start ----
    SProcessShared* shared = nullptr; // the photos come from its hand-out
    int threadIndex = 0;
    QString commonPath;
    QString destPath; // the destination folder with "#mypictures" expanded
    // The run's own temporary folder, for outputs that are only delivered
    // ("" when it could not be made: those outputs then fail, naming the
    // folder of `tempFolderUnmade` and why).
    QString tempFolder;
    COutputPaths::SUnmadeFolder tempFolderUnmade;

    // ---- Written by the controller while the worker runs ----
    std::atomic<bool> cancelRequested {false};
    std::atomic<bool> pauseRequested {false};
    std::atomic<bool> overwriteAll {false};
    std::atomic<bool> skipAll {false};
    // The answer: overwriteAnswer and, for Rename, answerPath are written
    // before waitingForAnswer is cleared (release); the worker reads them
    // after it has seen the flag clear (acquire).
    std::atomic<bool> waitingForAnswer {false};
    int overwriteAnswer = AnswerAbort;
    QString answerPath;
    // Ends the worker's wait for an answer or for the end of a pause at
    // once; the controller calls it after writing the fields above. (Every
    // wait also looks at them again each 100 ms by itself.)
    void Wake();

    // ---- Read by the controller after ThreadFinished ----
    quint32 errorCount = 0;
    // Photos written with a remark the user must see (a damaged source, a
    // size cap that could not be met): not errors, but counted apart.
    quint32 warningCount = 0;

signals:
    void IncProgressOperation();
    void IncProgressImage();
    void AppendLog(QString text, int mode);
    void ThreadFinished();
    void ShowOverwriteDlg(QString path, int threadIndex);
    void OpenOutputFolder(QString path);
    void SignalDisplayGSMessage(QString extension);

protected:
    void run() override;

private:
    // Steps of one photo (CProcessThread.cpp).
    void LightProcessing(bool& done);
    void ReadImage(bool& failed);
    void ApplyFilters();
    void WriteImage(bool& failed);
    // A warning for each written file that is larger than the JPEG size cap.
    void WarnAboveSizeCap(const SOutputFormat& format);
    void WriteDocument();
    void LogAppendAction();
    void PostProcessing();
    void DeleteSourceIfDone();
    // Deletes a source; a warning line names it when it stays.
    void RemoveSourceOrWarn(const QString& path);
    // One step of the current photo done, for the progress bar.
    void CountOperation();
    // The photo is done, however it ended: the bar gets the steps it did not
    // run, and the photo count goes up.
    void FinishPhotoProgress();
    bool OutputMustReachDisk() const;
    // Waits while paused; true when the run is to stop.
    bool PollStop();
    // Sleeps for the poll interval, or less when Wake() comes.
    void WaitForWake();
    // The failure's two lines (dialog and file), then its reason when one is
    // known, for both.
    void LogFailure(const QString& message, const QString& path, int dialogLength,
                    const QString& reason = QString());
    // A warning line about a photo that is still processed.
    void LogWarning(const QString& message, const QString& path, int dialogLength);
    void ProcessPhoto();

    // Output paths and existing targets (CProcessThreadPaths.cpp).
    void GeneratePathName();
    void ResolveDuplicateFilenames(QString folder, QString baseName, QString extension);
    void AddToOutputPaths(QString path);
    void CheckPathName(bool& skip);
    // The existing-target rules for the current output path: number it,
    // replace, skip or ask, as the job says.
    void CheckExistingTarget(bool& skip);
    // Whether the output may replace a file at its name: the job says so,
    // or the person answered Yes or Yes to All.
    bool MayReplace() const;
    // What became of placing an output under its name.
    enum class Placement { Written, Skipped, Failed };
    // Runs `place` (told whether it may replace a file at the output's
    // name) until the output has a name of its own: a name another program
    // or run took after the check goes through the existing-target rules
    // again. Failed with outputRefused set when the new name is refused.
    Placement PlaceOutput(const std::function<AtomicWrite::Placed(bool replace)>& place);
    void NumberSilently();
    void AskOverwrite(bool& skip);
    void AcceptRenamedPath(const QString& path);
    // The first "baseName (n).extension" in folder, from n = 2, that no
    // photo of the run has taken or is read from (and, with onDisk, that
    // names no file); the caller holds chosenMutex.
    QString FreeNumberedName(const QString& folder, const QString& baseName, const QString& extension,
                             bool onDisk) const;
    // The files the current photo's output at `path` takes: a multi-page
    // photo that is re-encoded page by page is written as one file a page.
    QStringList OutputFiles(const QString& path) const;
    // The first of those files that exists; empty when none does.
    QString ExistingOutput(const QString& path) const;
    QString BaseFolder() const;
    // The folder that every output of the current photo must lie in: the
    // photo's own folder in folder modes 2 and 3 when saving on disk, else
    // the base folder.
    QString DestinationRoot() const;
    // "" when `path` lies in DestinationRoot; else why it is refused.
    QString CheckInsideDestination(const QString& path) const;
    void MakeFolder(const QString& folder);
    // Once per folder and run: removes what copies of killed runs left there.
    void CleanFolderOnce(const QString& folder);
    void RecordWrittenOutputs();
    bool IsSilent() const;

    CUserProfile* profile;
    CListFilters* filterList;
    CListImages* imageList;
    CFormatsEnum* formats;

    CImageManager imageManager;
    SImageRecord current;

    bool multipageDocument = false;
    bool singleDocumentStarted = false;
    bool targetExisted = false;
    bool overwriteThis = false;
    bool skipThis = false;
    bool renameThis = false;

    FileAttributes::Values sourceAttributes;
    // The file the current photo is read from, taken before its first read.
    CSourceIdentity sourceRead;
    QString outputPath;
    CFilterFilename filenameFilter;
    bool photoLogged = false;
    bool saveOnDisk = true;
    // The outputs are delivered after the run: a source may go only once
    // they have arrived, so its deletion is left to the controller.
    bool deferSourceDeletion = false;

    // Per photo: pages of the source (from one ping), whether the output
    // was written and whether every active filter applied.
    int pageCount = 1;
    QSize shrinkHint; // CShrinkOnLoad::ReadHint of the current photo
    bool outputWritten = false;
    bool filtersFailed = false;
    // The source was read with damaged pixel data, or without damaged
    // metadata: it may be the only whole copy left, so it is never deleted.
    bool sourceDamaged = false;
    // Job-wide facts taken when the thread starts.
    int jobPhotoCount = 0;
    bool tempFolderUsable = true;
    bool documentWritten = false;
    bool documentAbandoned = false;
    QString dateTaken;
    QString outputRefused;            // why the current photo's output path is refused ("" when it is not)
    QList<QString> writtenFiles;      // files written for the current photo
    QList<QString> documentLines;     // action lines of the single document's photos, held until it is written
    QList<SFilterRecord> filters;     // the job's filter list, copied at start
    int photosTaken = 0;              // photos this worker took from the hand-out
    int operationsThisPhoto = 0;      // progress steps counted for the current photo

    QMutex wakeMutex;
    QWaitCondition wakeCondition;
    bool wakeRequested = false; // guarded by wakeMutex
};
