#pragma once

#include "AtomicWrite.h"
#include "SImageRecord.h"

#include <QList>
#include <QString>

// Path rules of a processing run that need no thread state: the common
// source folder, where a photo's output folder lies, numbered variants of a
// taken name, the private temporary folder and file replacement that never
// leaves a half-written target. Static functions only.
class COutputPaths
{
public:
    // Destinations of a run. A value other than these (from a job file) is
    // treated as the folder destination.
    enum Destination { DestFolder = 1, DestEmail = 2, DestServer = 3 };
    static int EffectiveDestination(int destination);

    // The profile's destination folder with "#mypictures" (any case), alone
    // or as its first folder, replaced by the Pictures folder.
    static QString ExpandDestPath(const QString& destPath);

    // Deepest folder containing every folder of `folders`, compared by whole
    // path components and with letter case; "" when they share only the root
    // or the list is empty. No trailing "/".
    static QString FindCommonPath(const QList<QString>& folders);

    // Output folder for mode 1: `folder` with its leading `commonPath`
    // replaced by `baseFolder` (which ends with "/"). With an empty common
    // path the whole folder goes below the base folder. Ends with "/".
    static QString RelocateFolder(const QString& folder, const QString& commonPath,
                                  const QString& baseFolder);

    // A photo record whose path and folder are absolute and clean (no ".",
    // ".." or doubled "/"), so that a folder rebuilt from it stays where
    // the photo is.
    static SImageRecord CleanRecord(SImageRecord record);
    // Whether `path` lies in `folder` or below it, once both are cleaned.
    static bool LiesUnder(const QString& path, const QString& folder);
    // Why the sub-folder name of folder mode 3 cannot be used: an absolute
    // path, or a ".." that leads out of the photo's folder. "" when usable.
    static QString CheckSubfolderName(const QString& name);

    // folder + baseName + " (n)." + extension; folder ends with "/".
    static QString NumberedName(const QString& folder, const QString& baseName,
                                const QString& extension, int n);

    // Whether two paths name one file: equal texts, or existing files whose
    // canonical paths are equal. Letter case counts.
    static bool SameFile(const QString& a, const QString& b);

    // The preferred temporary folder of every run, TemporaryRoot() +
    // "/GlimmerboxTemp" (no trailing "/"). Where the temporary root is shared
    // by several users, the name may be taken by another.
    static QString TempFolder();
    // Creates the temporary folder with mode 0700, or accepts an existing one
    // only when it is a real folder (not a link) owned by this user; its mode
    // is then tightened to 0700, and every link inside it, at any depth, is
    // removed (never followed); its other files stay. False when it cannot
    // be used; the trace says why.
    static bool PrepareTempFolder();

    // A folder that could not be made, and the system's words for why.
    struct SUnmadeFolder
    {
        QString folder;
        QString reason;
    };
    // A run's own folder, made fresh with a unique name and mode 0700, so
    // that runs at the same time never touch each other's files: inside the
    // temporary folder, or, when that one is refused or cannot be made, a
    // private folder "GlimmerboxTemp-XXXXXX" of an unguessable name beside
    // it, which no other user can have taken. "" when neither could be made;
    // `unmade`, when given, then names the last folder tried and the reason.
    static QString CreateRunFolder(SUnmadeFolder* unmade = nullptr);
    // Removes the empty folders inside a run's folder and the folder itself
    // once nothing is left in it; files in it stay. Links are never followed.
    static void RemoveRunFolderIfEmpty(const QString& folder);

    // Copies source over target as a write that takes the target's name only
    // once complete (AtomicWrite), so a failed copy leaves an existing target
    // as it was and no temporary file. The copy has the source's permissions.
    // `error`, when given, receives why a copy failed. With `flush` the copy
    // and its name are on the disk when it returns (AtomicWrite's flush): a
    // copy whose source is to be deleted.
    static bool CopyReplacing(const QString& source, const QString& target, QString* error = nullptr,
                              bool flush = false);
    // The same without replacing: the target takes its name only while
    // nothing has it, in one step; Taken when a file got there first (after
    // any earlier check), with the source and that file left as they were.
    static AtomicWrite::Placed CopyWithoutReplacing(const QString& source, const QString& target,
                                                    QString* error = nullptr, bool flush = false);
    // Gives source the name target in one rename, replacing what is there or
    // only taking a free name. Failed (errno set) where no rename can do it,
    // across file systems or out of a folder that may not change, say: the
    // caller copies instead.
    static AtomicWrite::Placed RenameInto(const QString& source, const QString& target, bool replace);

    // Removes the temporary files that a copy or a write (AtomicWrite) cut
    // short by a killed run left in `folder`: ours by name
    // and owner, and older than a day, so that no running copy can still be
    // writing them. Links are left alone. Returns how many were removed.
    static int RemoveStaleTemporaries(const QString& folder);

    // A file name built from `name` that stays inside its folder: every
    // character other than letters, digits, "-", "_" and "." becomes "_",
    // and a name of dots only becomes "_".
    static QString SafeFileName(const QString& name);
};
