#pragma once

#include "SImageRecord.h"

#include <QList>
#include <QString>

class CFilterFilename;
class CFormatsEnum;
struct SNamingSettings;
struct SOutputSettings;
struct SFormatSettings;

// The one decision about the file name a photo's output gets. The processing
// run takes it for every photo it writes, and step 2's name preview and the
// renaming dialog's sample take it for the photo they show, so what the
// interface shows is what a run writes:
// - the counter position: the photo's number within its source folder when
//   the counter restarts per folder, else its run key;
// - the extension: the output format's, or with keep-original the photo's
//   own where it can be kept (COutputFormat decides, with the job's default
//   format for the rest);
// - the pattern: the job's pattern handed to the expander as it is stored.
class COutputNaming
{
public:
    // The photo being named.
    struct SPhoto
    {
        SImageRecord record;       // key: run key; folderIndex: number within its folder
        QString dateTaken;         // EXIF form, "" when unknown
        // Re-encoding is a must (an active filter, or a page of the single
        // multi-page document): with keep-original, a photo that is copied
        // unchanged keeps its extension even where it cannot be written.
        bool mustReencode = false;
    };

    // A photo of the current job (CListImages) as a run over the job would
    // see it: its clean record, its row as run key, its number within its folder, its capture
    // date (from a ping) and whether an active filter of CListFilters makes
    // re-encoding a must. A photo that is not in the job keeps the texts of
    // `record` with row 0. GUI thread: the lists are read as they stand.
    static SPhoto JobPhoto(const SImageRecord& record);

    // A photo record whose path and folder are absolute and clean (no ".",
    // ".." or doubled "/"): the run names and places the record so.
    static SImageRecord CleanRecord(SImageRecord record);

    // Numbers the photos within their (clean) source folders in list order:
    // 0 for the first photo of each folder, then 1, 2, ...
    static void NumberWithinFolders(QList<SImageRecord>& photos);
    // A photo's number within its source folder in a run over `photos`.
    static qint64 FolderIndexOf(const QList<SImageRecord>& photos, int row);

    // The counter position of a photo.
    static qint64 CounterIndex(const SNamingSettings& naming, const SImageRecord& photo);

    // Whether an output-format choice keeps each photo's own format (the
    // translated keep-original label, in any case).
    static bool KeepsOriginalFormat(const QString& outputFormat);

    // The extension the output of `photo` is named with.
    static QString Extension(const SOutputSettings& output, const SFormatSettings& format,
                             const CFormatsEnum* formats, const SPhoto& photo);

    // Fills `filter` with the renaming settings (search and replace on) and
    // the photo, expands the name and returns it (also left in
    // filter.result). A filter that continues a monitoring job's numbering
    // keeps doing so. `photoCount` is the number of photos of the job.
    static QString Generate(CFilterFilename& filter, const SNamingSettings& naming,
                            const SOutputSettings& output, const SFormatSettings& format,
                            const CFormatsEnum* formats, const SPhoto& photo, int photoCount,
                            bool preview);
};
