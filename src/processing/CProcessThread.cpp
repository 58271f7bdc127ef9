#include "CProcessThread.h"

#include "CFormatsEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CMagickRuntime.h"
#include "COutputFormat.h"
#include "COutputNaming.h"
#include "COutputPaths.h"
#include "CPhotoPing.h"
#include "CPixelMemory.h"
#include "CShrinkOnLoad.h"
#include "CUserProfile.h"
#include "Common.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <utility>

namespace {

int SaveOnDiskFor(const CUserProfile* profile)
{
    switch (COutputPaths::EffectiveDestination(profile->Destination)) {
    case COutputPaths::DestEmail:
        return profile->SaveOnDiskMail;
    case COutputPaths::DestServer:
        return profile->SaveOnDiskFTP;
    default:
        return true;
    }
}

} // namespace

bool SProcessShared::TakePhoto(SImageRecord& photo)
{
    const QMutexLocker lock(&photoMutex);
    if (nextPhoto >= photos.size())
        return false;
    photo = photos.at(nextPhoto++);
    return true;
}

CProcessThread::CProcessThread()
    : profile(CUserProfile::GetInstance()),
      filterList(CListFilters::GetInstance()),
      imageList(CListImages::GetInstance()),
      formats(CFormatsEnum::GetInstance())
{
    saveOnDisk = SaveOnDiskFor(profile);
    deferSourceDeletion =
        COutputPaths::EffectiveDestination(profile->Destination) != COutputPaths::DestFolder;
    destPath = COutputPaths::ExpandDestPath(profile->DestPath);
}

CProcessThread::~CProcessThread()
{
    // The controller waits for its workers; this covers any other owner.
    cancelRequested = true;
    Wake();
    wait();
}

bool CProcessThread::PollStop()
{
    while (pauseRequested.load() && !cancelRequested.load())
        WaitForWake();
    return cancelRequested.load();
}

void CProcessThread::WaitForWake()
{
    const QMutexLocker lock(&wakeMutex);
    if (!wakeRequested)
        wakeCondition.wait(&wakeMutex, 100);
    wakeRequested = false;
}

void CProcessThread::Wake()
{
    const QMutexLocker lock(&wakeMutex);
    wakeRequested = true;
    wakeCondition.wakeAll();
}

void CProcessThread::run()
{
    SystemLogWrite("run", QString());
    // Photo after photo of much the same size: the pixel memory of one is
    // taken again by the next.
    CPixelMemory::SetReuseOnThisThread(true);
    // This worker's operations take its share of the cores.
    CMagickRuntime::FollowThreadShare();
    // A folder-monitoring job that neither overwrites nor restarts the
    // counter per folder continues after the pictures it already wrote.
    if (profile->monitorRun && IsSilent() && !profile->Overwrite && !profile->CounterReset) {
        filenameFilter.continueNumbering = true;
        filenameFilter.picturesDone = profile->PicCount;
    }
    jobPhotoCount = int(std::as_const(imageList->list).size());
    filters = std::as_const(filterList->list);

    if (!saveOnDisk) {
        tempFolderUsable = !tempFolder.isEmpty();
        // Only the run's own temporary folder is written: replace silently.
        overwriteAll = true;
    }

    for (;;) {
        photoLogged = false;
        if (PollStop()) {
            photoLogged = true; // not begun: no action line
            break;
        }
        SImageRecord photo;
        if (!shared->TakePhoto(photo))
            break;
        ++photosTaken;
        current = photo;
        ProcessPhoto();
        if (cancelRequested.load())
            break;
        // Done however it ended: written, skipped or failed.
        FinishPhotoProgress();
        if (profile->Multipage && documentAbandoned)
            return; // the declined single document: nothing to show
    }
    if (!cancelRequested.load() && profile->Multipage && singleDocumentStarted)
        WriteDocument();
    // A photo cut short by a stop gets an action line only when its output
    // was written.
    if (cancelRequested.load() && outputWritten)
        LogAppendAction();

    CPhotoPing::Release(imageManager);
    CPixelMemory::SetReuseOnThisThread(false);
    PostProcessing();
}

void CProcessThread::ProcessPhoto()
{
    imageManager.pageNumber = current.key;
    multipageDocument = false;
    targetExisted = false;
    outputWritten = false;
    filtersFailed = false;
    sourceDamaged = false;
    writtenFiles.clear();

    operationsThisPhoto = 0;

    // Before anything reads the photo: should another file take its name
    // later in the run, that file is not the source and stays.
    sourceRead = CSourceIdentity::Of(current.path);
    // One ping gives the page count and the capture date.
    const CPhotoPing::Facts facts = CPhotoPing::Ping(imageManager, current.path);
    pageCount = facts.pageCount;
    dateTaken = facts.dateTaken;
    // A JPEG that the job makes smaller is decoded no larger than needed.
    shrinkHint = CShrinkOnLoad::ReadHint(filters, facts.format, facts.size, facts.orientation);

    // Without the run's temporary folder an output that is only delivered
    // has nowhere to go.
    if (!saveOnDisk && !tempFolderUsable) {
        LogFailure(tr("Failed to write"), current.path, 64,
                   tr("the temporary folder %1 could not be made: %2")
                       .arg(tempFolderUnmade.folder, tempFolderUnmade.reason));
        return;
    }
    bool skip = false;
    outputRefused.clear();
    GeneratePathName();
    if (outputRefused.isEmpty())
        CheckPathName(skip);
    // A renamed target is checked again.
    if (outputRefused.isEmpty() && !skip)
        outputRefused = CheckInsideDestination(outputPath);
    if (!outputRefused.isEmpty()) {
        LogFailure(tr("Failed to write"), outputPath, 64, outputRefused);
        return;
    }

    if (profile->Multipage) {
        if (skipAll.load() || skipThis) {
            LogAppendAction();
            emit ThreadFinished();
            documentAbandoned = true;
            return;
        }
        singleDocumentStarted = true;
    }

    if (!skip) {
        if (PollStop())
            return;
        multipageDocument = pageCount >= 2;
        bool done = false;
        LightProcessing(done);
        if (!done) {
            bool failed = false;
            ReadImage(failed);
            if (!failed) {
                if (PollStop())
                    return;
                ApplyFilters();
                if (PollStop())
                    return;
                WriteImage(failed);
            }
            // The pixels are not needed any more (a single document keeps
            // its pages until it is written).
            if (!profile->Multipage) {
                CPhotoPing::Release(imageManager);
                CPixelMemory::PhotoDone();
            }
        }
    }
    LogAppendAction();
}

bool CProcessThread::CheckLightProcessing()
{
    SystemLogWrite("CheckLightProcessing", QString());
    return DecideOutput().copyUnchanged;
}

SOutputFormat CProcessThread::DecideOutput() const
{
    COutputFormat::SPhoto photo;
    photo.extension = current.extension;
    photo.outputFormat = profile->OutputFormat;
    photo.keepOriginal = COutputNaming::KeepsOriginalFormat(profile->OutputFormat);
    photo.mustReencode = MustReencode();
    return COutputFormat::ForPhoto(photo, *profile, formats);
}

bool CProcessThread::MustReencode() const
{
    // The run's own copy of the filter list, the one ApplyFilters uses.
    bool must = singleDocumentStarted;
    for (const SFilterRecord& record : std::as_const(filters))
        must = must || record.active;
    return must;
}

SOutputFormat CProcessThread::WriteFormat() const
{
    // The final name decides: a Rename answer may have changed the extension.
    return COutputFormat::ForName(COutputFormat::FormatOfPath(outputPath), *profile, formats);
}

void CProcessThread::LogFailure(const QString& message, const QString& path, int dialogLength,
                                const QString& reason)
{
    // Names from photos and job files may hold line breaks and the like:
    // escaped, they cannot forge lines of the log.
    const QString text = EscapeForLog(message);
    const QString shownPath = EscapeForLog(path);
    emit AppendLog(" - " + text + " " + TruncateString(shownPath, dialogLength, true), 1);
    emit AppendLog(" - " + text + " " + shownPath, 2);
    if (!reason.isEmpty())
        emit AppendLog(" - " + EscapeForLog(reason), 0);
    ++errorCount;
    photoLogged = true;
}

void CProcessThread::LogWarning(const QString& message, const QString& path, int dialogLength)
{
    // Escaped as on every other line: names from photos and job files may
    // hold control characters.
    const QString text = EscapeForLog(message);
    const QString shownPath = EscapeForLog(path);
    emit AppendLog(" - " + text + " " + TruncateString(shownPath, dialogLength, true), 1);
    emit AppendLog(" - " + text + " " + shownPath, 2);
    ++warningCount;
}

void CProcessThread::CountOperation()
{
    ++operationsThisPhoto;
    emit IncProgressOperation();
}

void CProcessThread::FinishPhotoProgress()
{
    // Read, each active filter, write; a page of the single document is
    // written with the document.
    int expected = 2;
    for (const SFilterRecord& record : std::as_const(filters))
        expected += record.active ? 1 : 0;
    if (profile->Multipage)
        --expected;
    for (; operationsThisPhoto < expected; ++operationsThisPhoto)
        emit IncProgressOperation();
    emit IncProgressImage();
}

void CProcessThread::LightProcessing(bool& done)
{
    SystemLogWrite("LightProcessing", QString());
    done = false;
    if (!CheckLightProcessing())
        return;
    done = true;
    if (!QFile::exists(current.path) || CImageManager::IsSpecialFile(current.path)) {
        LogFailure(tr("Failed to load"), current.path, 32, CImageManager::MissingFileReason(current.path));
        return;
    }
    // A source that must outlive the delivery is copied, not moved.
    const bool move = profile->DeleteSource && !deferSourceDeletion;
    bool sourceGone = false; // moved by the rename, or the output is the source itself
    QString failure;         // why the last try failed
    const Placement placement = PlaceOutput([&](bool replace) {
        failure.clear();
        if (COutputPaths::SameFile(current.path, outputPath)) {
            sourceGone = true;
            return AtomicWrite::Placed::Done;
        }
        if (replace)
            DisableReadOnly(outputPath);
        if (move) {
            const AtomicWrite::Placed renamed = COutputPaths::RenameInto(current.path, outputPath, replace);
            if (renamed != AtomicWrite::Placed::Failed) {
                sourceGone = renamed == AtomicWrite::Placed::Done;
                return renamed;
            }
            SystemLogWrite("LightProcessing", "cannot rename, copying: " + QString::fromLocal8Bit(std::strerror(errno)));
            // No rename can do it (another file system, a folder that may
            // not change): copied, and the source deleted afterwards.
        }
        // A copy whose source goes afterwards is on the disk, name and all,
        // before that.
        const bool flush = OutputMustReachDisk();
        if (replace)
            return COutputPaths::CopyReplacing(current.path, outputPath, &failure, flush)
                       ? AtomicWrite::Placed::Done
                       : AtomicWrite::Placed::Failed;
        return COutputPaths::CopyWithoutReplacing(current.path, outputPath, &failure, flush);
    });
    if (placement == Placement::Skipped)
        return;
    if (placement == Placement::Failed) {
        const bool renamed = filenameFilter.IsOutputModified();
        QString message;
        if (renamed)
            message = move ? tr("Failed to Rename and Move") : tr("Failed to Rename and Copy");
        else
            message = move ? tr("Failed to Move") : tr("Failed to Copy");
        LogFailure(message, current.path, 32, outputRefused.isEmpty() ? failure : outputRefused);
        return;
    }
    outputWritten = true;
    writtenFiles = {outputPath};
    RecordWrittenOutputs();
    CountOperation();
    CountOperation();
    UpdateFileAttributes();
    if (move && !sourceGone)
        RemoveSourceOrWarn(current.path);
    if (deferSourceDeletion)
        DeleteSourceIfDone();
}

void CProcessThread::ReadImage(bool& failed)
{
    SystemLogWrite("ReadImage", QString());
    failed = false;
    bool ok = false;
    if (profile->Multipage)
        ok = imageManager.ReadAndInsertPage(current.path);
    else if (multipageDocument)
        ok = imageManager.ReadMultipage(current.path);
    else {
        imageManager.readSizeHint = shrinkHint;
        ok = imageManager.Read(current.path);
    }
    if (!ok) {
        if (formats->GetRecordById(current.extension).needsGhostscript)
            emit SignalDisplayGSMessage(current.extension);
        LogFailure(tr("Failed to load"), current.path, 32, imageManager.readError);
        failed = true;
        return;
    }
    if (!imageManager.readDamage.isEmpty()) {
        // Read as far as the file went: written all the same, but the user
        // has to know, and the source stays.
        sourceDamaged = true;
        const QString message = profile->DeleteSource
                                    ? tr("Warning: damaged photo (%1), source kept:").arg(imageManager.readDamage)
                                    : tr("Warning: damaged photo (%1):").arg(imageManager.readDamage);
        LogWarning(message, current.path, 32);
    }
    if (!imageManager.readDropped.isEmpty()) {
        // The pixels are whole; what was left out is in the source alone.
        sourceDamaged = true;
        const QString message =
            profile->DeleteSource
                ? tr("Warning: damaged metadata left out (%1), source kept:").arg(imageManager.readDropped)
                : tr("Warning: damaged metadata left out (%1):").arg(imageManager.readDropped);
        LogWarning(message, current.path, 32);
    }
    CountOperation();
}

void CProcessThread::ApplyFilters()
{
    SystemLogWrite("ApplyFilters", QString());
    for (const SFilterRecord& record : std::as_const(filters)) {
        if (PollStop())
            return;
        if (!record.active)
            continue;
        bool ok = false;
        if (profile->Multipage)
            ok = imageManager.ApplyFilterToCurrentPage(record);
        else if (multipageDocument)
            ok = imageManager.ApplyFilterToMultipage(record);
        else
            ok = imageManager.ApplyFilter(record);
        if (ok) {
            CountOperation();
        } else {
            filtersFailed = true;
            LogFailure(tr("Failed to apply '%1' filter to").arg(record.name), current.path, 32,
                       imageManager.filters.LastError());
        }
    }
}

void CProcessThread::WriteImage(bool& failed)
{
    SystemLogWrite("WriteImage", QString());
    failed = false;
    if (profile->Multipage)
        return; // the document is written once all its pages are in
    const Placement placement = PlaceOutput([this](bool replace) {
        if (replace)
            DisableReadOnly(outputPath);
        // The name may have changed since the last round: it decides.
        const SOutputFormat format = WriteFormat();
        imageManager.flushWrites = OutputMustReachDisk();
        imageManager.replaceExisting = replace;
        const bool ok = multipageDocument ? imageManager.WriteMultipage(outputPath, false, format, writtenFiles)
                                          : imageManager.Write(outputPath, format, writtenFiles);
        if (ok)
            return AtomicWrite::Placed::Done;
        return imageManager.targetTaken ? AtomicWrite::Placed::Taken : AtomicWrite::Placed::Failed;
    });
    if (placement == Placement::Skipped)
        return; // logged as skipped; the source stays
    if (placement == Placement::Failed) {
        LogFailure(tr("Failed to write"), outputPath, 64,
                   outputRefused.isEmpty() ? imageManager.writeError : outputRefused);
        failed = true;
        return;
    }
    const SOutputFormat format = WriteFormat();
    outputWritten = true;
    WarnAboveSizeCap(format);
    RecordWrittenOutputs();
    CountOperation();
    UpdateFileAttributes();
    DeleteSourceIfDone();
}

void CProcessThread::WarnAboveSizeCap(const SOutputFormat& format)
{
    if (!format.sizeCap)
        return;
    // The coder writes at its lowest quality when even that is above the
    // cap: the file is kept, but the user has to know.
    for (const QString& written : std::as_const(writtenFiles)) {
        const qint64 size = QFileInfo(written).size();
        if (size <= format.SizeCapBytes())
            continue;
        LogWarning(tr("Warning: %1 KB written, above the fixed size of %2 KB:")
                       .arg(QString::number(double(size) / 1000.0, 'f', 1))
                       .arg(format.sizeCapKb),
                   written, 64);
    }
}

void CProcessThread::WriteDocument()
{
    if (documentWritten || imageManager.pages.isEmpty())
        return;
    documentWritten = true;
    const Placement placement = PlaceOutput([this](bool replace) {
        if (replace)
            DisableReadOnly(outputPath);
        imageManager.flushWrites = OutputMustReachDisk();
        imageManager.replaceExisting = replace;
        if (imageManager.WriteMultipage(outputPath, true, WriteFormat(), writtenFiles))
            return AtomicWrite::Placed::Done;
        return imageManager.targetTaken ? AtomicWrite::Placed::Taken : AtomicWrite::Placed::Failed;
    });
    // Every page's last step is done, however the document ended.
    for (int i = 0; i < photosTaken; ++i)
        emit IncProgressOperation();
    if (placement == Placement::Skipped) {
        emit AppendLog(" - " + tr("Skipped") + " " + EscapeForLog(outputPath), 2);
        return;
    }
    if (placement == Placement::Failed) {
        LogFailure(tr("Failed to write"), outputPath, 64,
                   outputRefused.isEmpty() ? imageManager.writeError : outputRefused);
        return;
    }
    for (const QString& line : std::as_const(documentLines))
        emit AppendLog(line, 2);
    documentLines.clear();
    RecordWrittenOutputs();
    UpdateFileAttributes();
    // The photos are the document's pages: they stay, and the user asked
    // for them to go.
    if (profile->DeleteSource)
        LogWarning(tr("Warning: the source photos are kept, they are the pages of"), outputPath, 64);
}

void CProcessThread::DeleteSourceIfDone()
{
    if (!profile->DeleteSource || !outputWritten)
        return;
    if (filtersFailed) {
        SystemLogWrite("WriteImage", "source kept, a filter failed: " + current.path);
        return;
    }
    if (sourceDamaged) {
        SystemLogWrite("WriteImage", "source kept, it was read damaged: " + current.path);
        return;
    }
    for (const QString& written : std::as_const(writtenFiles)) {
        if (COutputPaths::SameFile(current.path, written))
            return;
    }
    if (deferSourceDeletion) {
        const QMutexLocker lock(&shared->outputMutex);
        shared->pendingSources.append({current.path, sourceRead});
        return;
    }
    RemoveSourceOrWarn(current.path);
}

bool CProcessThread::OutputMustReachDisk() const
{
    return MustFlushOutput(profile->DeleteSource, current.path, outputPath);
}

bool CProcessThread::MustFlushOutput(bool deleteSource, const QString& source, const QString& output)
{
    return deleteSource || COutputPaths::SameFile(source, output);
}

QString CProcessThread::RemoveSource(const QString& path)
{
    DisableReadOnly(path);
    QFile file(path);
    if (file.remove())
        return QString();
    SystemLogWrite("RemoveSource", "cannot delete source " + path + ": " + file.errorString());
    return file.errorString();
}

QString CProcessThread::RemoveSourceIfUnchanged(const QString& path, const CSourceIdentity& read)
{
    // Checked right before the deletion: the name may have been given to
    // another photo at any time since the read. A name that leads nowhere
    // any more goes on to the deletion, which says why it failed.
    const CSourceIdentity now = CSourceIdentity::Of(path);
    if (now.IsValid() && now != read) {
        SystemLogWrite("RemoveSource", "source changed since it was read, kept: " + path);
        return SourceChangedText();
    }
    const QString reason = RemoveSource(path);
    return reason.isEmpty() ? QString() : SourceKeptText(reason);
}

QString CProcessThread::SourceKeptText(const QString& reason)
{
    return tr("Warning: the source could not be deleted (%1):").arg(reason);
}

QString CProcessThread::SourceChangedText()
{
    return tr("Warning: the source changed during the run and was kept:");
}

void CProcessThread::RemoveSourceOrWarn(const QString& path)
{
    const QString warning = RemoveSourceIfUnchanged(path, sourceRead);
    if (!warning.isEmpty())
        LogWarning(warning, path, 32);
}

void CProcessThread::LogAppendAction()
{
    if (photoLogged)
        return;
    photoLogged = true;
    if (current.path.isEmpty())
        return;
    QString message;
    if (!targetExisted || multipageDocument || IsSilent())
        message = tr("Processed");
    else if (renameThis)
        message = tr("Processed and renamed");
    else if (overwriteAll.load() || overwriteThis)
        message = tr("Processed and replaced");
    else if (skipAll.load() || skipThis)
        message = tr("Skipped");
    if (message.isEmpty())
        return;
    const QString line = " - " + message + " " + EscapeForLog(current.path);
    // A page of the single document is processed only once the document
    // is written.
    if (profile->Multipage && singleDocumentStarted)
        documentLines.append(line);
    else
        emit AppendLog(line, 2);
}

void CProcessThread::PostProcessing()
{
    SystemLogWrite("PostProcessing", QString());
    if (saveOnDisk) {
        QString folder;
        switch (profile->OutputFolderStruct) {
        case 2:
            folder = current.folder;
            break;
        case 3:
            folder = current.folder.isEmpty() ? QString()
                                              : current.folder + "/" + profile->OutputFolder;
            break;
        default:
            folder = destPath;
            break;
        }
        if (!folder.isEmpty())
            emit OpenOutputFolder(folder);
    }
    emit ThreadFinished();
}

bool CProcessThread::DisableReadOnly(QString path)
{
    // A link is replaced or removed, never its target unlocked.
    const QFileInfo info(path);
    if (info.isSymLink() || !info.exists())
        return false;
    FileAttributes::DisableReadOnly(path.toUtf8().constData());
    return QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::WriteOwner);
}

void CProcessThread::UpdateFileAttributes()
{
    for (const QString& written : std::as_const(writtenFiles)) {
        DisableReadOnly(written);
        if (profile->OriginalDate)
            FileAttributes::Write(written.toUtf8().constData(), sourceAttributes);
    }
}

bool CProcessThread::IsSilent() const
{
    return profile->silentScript;
}
