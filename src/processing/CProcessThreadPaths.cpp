// Output paths and existing targets of a processing worker.
#include "CProcessThread.h"

#include "COutputNaming.h"
#include "COutputPaths.h"
#include "CUserProfile.h"
#include "Common.h"
#include "LayerMode.h"

#include <QDir>
#include <QFileInfo>

namespace {

struct SplitPath
{
    QString folder;   // up to and including the last "/"
    QString baseName; // file name before its last "."
    QString extension;
};

SplitPath Split(const QString& path)
{
    SplitPath parts;
    const int slash = path.lastIndexOf('/');
    parts.folder = path.left(slash + 1);
    const QString fileName = path.mid(slash + 1);
    const int dot = fileName.lastIndexOf('.');
    parts.baseName = dot < 0 ? fileName : fileName.left(dot);
    parts.extension = dot < 0 ? QString() : fileName.mid(dot + 1);
    return parts;
}

} // namespace

QString CProcessThread::BaseFolder() const
{
    QString base = saveOnDisk ? destPath : tempFolder;
    if (!base.endsWith('/'))
        base += '/';
    return base;
}

QString CProcessThread::DestinationRoot() const
{
    const int mode = profile->OutputFolderStruct;
    if ((mode == 2 || mode == 3) && saveOnDisk)
        return current.folder;
    return BaseFolder();
}

QString CProcessThread::CheckInsideDestination(const QString& path) const
{
    const QString root = DestinationRoot();
    if (COutputPaths::LiesUnder(path, root))
        return QString();
    return tr("The output %1 lies outside its destination folder %2.").arg(path, root);
}

void CProcessThread::MakeFolder(const QString& folder)
{
    const QMutexLocker lock(&shared->folderMutex);
    QDir().mkpath(folder);
}

void CProcessThread::CleanFolderOnce(const QString& folder)
{
    const QMutexLocker lock(&shared->folderMutex);
    if (shared->cleanedFolders.contains(folder))
        return;
    shared->cleanedFolders.insert(folder);
    COutputPaths::RemoveStaleTemporaries(folder);
}

void CProcessThread::GeneratePathName()
{
    SystemLogWrite("GeneratePathName", QString());
    if (singleDocumentStarted)
        return;

    const QString base = BaseFolder();
    // The naming decision that step 2's preview shows as well.
    COutputNaming::SPhoto photo;
    photo.record = current;
    photo.dateTaken = dateTaken;
    photo.mustReencode = MustReencode();
    const QString fileName = COutputNaming::Generate(filenameFilter, profile->Naming(), profile->Output(),
                                                     profile->Format(), formats, photo, jobPhotoCount, false);

    // Outputs that are only delivered always go to the private temporary
    // folder, whatever the folder mode says.
    QString folder;
    switch (profile->OutputFolderStruct) {
    case 1:
        folder = COutputPaths::RelocateFolder(current.folder, commonPath, base);
        break;
    case 2:
        folder = saveOnDisk ? current.folder + '/' : base;
        break;
    case 3:
        folder = saveOnDisk ? current.folder + '/' + profile->OutputFolder + '/' : base;
        break;
    default:
        folder = base;
        break;
    }
    // A clean folder: "a/../b" must not create "a" on the way.
    folder = QDir::cleanPath(folder);
    if (!folder.endsWith('/'))
        folder += '/';
    outputPath = folder + fileName;
    // Nothing is created outside the destination, not even a folder.
    outputRefused = CheckInsideDestination(outputPath);
    if (!outputRefused.isEmpty())
        return;
    if (profile->OutputFolderStruct == 1 || profile->OutputFolderStruct == 3)
        MakeFolder(folder);
    CleanFolderOnce(folder);

    const SplitPath parts = Split(outputPath);
    ResolveDuplicateFilenames(parts.folder, parts.baseName, parts.extension);

    sourceAttributes = FileAttributes::Values();
    FileAttributes::Read(current.path.toUtf8().constData(), &sourceAttributes);
}

void CProcessThread::ResolveDuplicateFilenames(QString folder, QString baseName, QString extension)
{
    SystemLogWrite("ResolveDuplicateFilenames", QString());
    // Names are kept apart without regard to case, so outputs stay distinct
    // on file systems that ignore case too.
    const QMutexLocker lock(&shared->chosenMutex);
    // Another photo of the run is no target either: it may not have been
    // read yet (its own output may replace a photo, after the question).
    const QString key = outputPath.toLower();
    const bool otherPhoto = (shared->sourcePaths.contains(outputPath) && outputPath != current.path) ||
                            (shared->sourceKeys.contains(key) && key != current.path.toLower());
    if (shared->chosenKeys.contains(key) || otherPhoto)
        outputPath = FreeNumberedName(folder, baseName, extension, false);
    shared->chosenKeys.insert(outputPath.toLower());
}

QString CProcessThread::FreeNumberedName(const QString& folder, const QString& baseName, const QString& extension,
                                         bool onDisk) const
{
    for (int n = 2;; ++n) {
        const QString candidate = COutputPaths::NumberedName(folder, baseName, extension, n);
        const QString key = candidate.toLower();
        if (!shared->chosenKeys.contains(key) && !shared->sourceKeys.contains(key) &&
            !(onDisk && !ExistingOutput(candidate).isEmpty()))
            return candidate;
    }
}

QStringList CProcessThread::OutputFiles(const QString& path) const
{
    const bool pageFiles = pageCount >= 2 && !profile->Multipage && profile->multipageWrite != Flatten &&
                           profile->multipageWrite != FirstLayerOnly && !DecideOutput().copyUnchanged;
    if (!pageFiles)
        return {path};
    QStringList files;
    for (int page = 0; page < pageCount; ++page)
        files.append(CImageManager::PageFilePath(path, page));
    return files;
}

QString CProcessThread::ExistingOutput(const QString& path) const
{
    // Whatever has the name counts, a link to nothing too: it could not be
    // written without replacing it.
    for (const QString& file : OutputFiles(path)) {
        const QFileInfo info(file);
        if (info.exists() || info.isSymLink())
            return file;
    }
    return QString();
}

void CProcessThread::AddToOutputPaths(QString path)
{
    const QMutexLocker lock(&shared->outputMutex);
    shared->outputPaths.append(path);
}

void CProcessThread::RecordWrittenOutputs()
{
    for (const QString& written : std::as_const(writtenFiles))
        AddToOutputPaths(written);
}

void CProcessThread::CheckPathName(bool& skip)
{
    SystemLogWrite("CheckPathName", QString());
    skip = false;
    overwriteThis = false;
    skipThis = false;
    renameThis = false;
    if (singleDocumentStarted)
        return;
    CheckExistingTarget(skip);
}

void CProcessThread::CheckExistingTarget(bool& skip)
{
    skip = false;
    overwriteThis = false;
    skipThis = false;
    renameThis = false;
    targetExisted = !ExistingOutput(outputPath).isEmpty();
    if (!targetExisted)
        return;

    if (IsSilent()) {
        // A silent run never asks: it numbers the output, or overwrites when
        // the monitoring job says so.
        if (!profile->Overwrite)
            NumberSilently();
        overwriteAll = true;
        return;
    }
    if (overwriteAll.load())
        return;
    if (skipAll.load()) {
        skip = true;
        return;
    }
    AskOverwrite(skip);
}

bool CProcessThread::MayReplace() const
{
    // A silent run's own numbering sets overwriteAll too: only the job's
    // word counts there.
    if (IsSilent())
        return profile->Overwrite;
    return overwriteThis || overwriteAll.load();
}

CProcessThread::Placement
CProcessThread::PlaceOutput(const std::function<AtomicWrite::Placed(bool replace)>& place)
{
    // Each round takes a name that was free a moment ago; only a busy
    // folder that keeps taking them ends the tries.
    constexpr int MaxRounds = 1000;
    for (int round = 0; round < MaxRounds; ++round) {
        switch (place(MayReplace())) {
        case AtomicWrite::Placed::Done:
            return Placement::Written;
        case AtomicWrite::Placed::Failed:
            return Placement::Failed;
        case AtomicWrite::Placed::Taken:
            break;
        }
        SystemLogWrite("PlaceOutput", "the name was taken meanwhile: " + outputPath);
        bool skip = false;
        CheckExistingTarget(skip);
        if (skip || cancelRequested.load())
            return Placement::Skipped;
        outputRefused = CheckInsideDestination(outputPath);
        if (!outputRefused.isEmpty())
            return Placement::Failed;
    }
    return Placement::Failed;
}

void CProcessThread::NumberSilently()
{
    const SplitPath parts = Split(outputPath);
    const QMutexLocker lock(&shared->chosenMutex);
    outputPath = FreeNumberedName(parts.folder, parts.baseName, parts.extension, true);
    shared->chosenKeys.insert(outputPath.toLower());
}

void CProcessThread::AskOverwrite(bool& skip)
{
    const QMutexLocker lock(&shared->questionMutex);
    // A renamed target that exists as well is asked about again.
    for (;;) {
        if (cancelRequested.load() || overwriteAll.load())
            return;
        if (skipAll.load()) {
            skip = true;
            return;
        }
        waitingForAnswer.store(true, std::memory_order_release);
        emit ShowOverwriteDlg(ExistingOutput(outputPath), threadIndex);
        while (waitingForAnswer.load(std::memory_order_acquire) && !cancelRequested.load())
            WaitForWake();
        if (waitingForAnswer.load(std::memory_order_acquire))
            return; // cancelled while waiting

        switch (overwriteAnswer) {
        case AnswerYes:
            overwriteThis = true;
            return;
        case AnswerYesToAll:
            overwriteAll = true;
            return;
        case AnswerNo:
            skipThis = true;
            skip = true;
            return;
        case AnswerNoToAll:
            skipAll = true;
            skip = true;
            return;
        case AnswerRename:
            if (answerPath.isEmpty() || answerPath == outputPath) {
                skipThis = true;
                skip = true;
                return;
            }
            AcceptRenamedPath(answerPath);
            renameThis = true;
            if (ExistingOutput(outputPath).isEmpty())
                return;
            renameThis = false;
            break;
        default: // Abort: the controller has stopped every worker
            return;
        }
    }
}

void CProcessThread::AcceptRenamedPath(const QString& path)
{
    outputPath = path;
    const SplitPath parts = Split(outputPath);
    ResolveDuplicateFilenames(parts.folder, parts.baseName, parts.extension);
}
