#include "COutputNaming.h"

#include "CFilterFilename.h"
#include "CImageManager.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CPhotoPing.h"
#include "COutputFormat.h"
#include "JobFileProperties.h"
#include "SFormatSettings.h"
#include "SNamingSettings.h"
#include "SOutputSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

COutputNaming::SPhoto COutputNaming::JobPhoto(const SImageRecord& record)
{
    SPhoto photo;
    photo.record = record;
    photo.record.key = 0;
    photo.record.folderIndex = 0;
    if (record.path.isEmpty())
        return photo;

    const QList<SImageRecord>& photos = CListImages::GetInstance()->list;
    for (int row = 0; row < photos.size(); ++row) {
        if (photos.at(row).path == record.path) {
            photo.record = CleanRecord(photos.at(row));
            photo.record.key = row;
            photo.record.folderIndex = FolderIndexOf(photos, row);
            break;
        }
    }
    for (const SFilterRecord& filter : std::as_const(CListFilters::GetInstance()->list))
        photo.mustReencode = photo.mustReencode || filter.active;

    CImageManager manager;
    photo.dateTaken = CPhotoPing::Ping(manager, record.path).dateTaken;
    return photo;
}

SImageRecord COutputNaming::CleanRecord(SImageRecord record)
{
    record.path = QDir::cleanPath(QFileInfo(record.path).absoluteFilePath());
    record.folder = QFileInfo(record.path).absolutePath();
    return record;
}

void COutputNaming::NumberWithinFolders(QList<SImageRecord>& photos)
{
    QHash<QString, qint64> counters;
    for (SImageRecord& photo : photos) {
        const QString folder = CleanRecord(photo).folder;
        auto found = counters.find(folder);
        if (found == counters.end()) {
            counters.insert(folder, 0);
            photo.folderIndex = 0;
        } else {
            photo.folderIndex = ++found.value();
        }
    }
}

qint64 COutputNaming::FolderIndexOf(const QList<SImageRecord>& photos, int row)
{
    if (row < 0 || row >= photos.size())
        return 0;
    QList<SImageRecord> numbered = photos;
    NumberWithinFolders(numbered);
    return numbered.at(row).folderIndex;
}

qint64 COutputNaming::CounterIndex(const SNamingSettings& naming, const SImageRecord& photo)
{
    return naming.CounterReset ? photo.folderIndex : photo.key;
}

bool COutputNaming::KeepsOriginalFormat(const QString& outputFormat)
{
    return outputFormat.compare(KeepFormatText(), Qt::CaseInsensitive) == 0;
}

QString COutputNaming::Extension(const SOutputSettings& output, const SFormatSettings& format,
                                 const CFormatsEnum* formats, const SPhoto& photo)
{
    COutputFormat::SPhoto question;
    question.extension = photo.record.extension;
    question.outputFormat = output.OutputFormat;
    question.keepOriginal = KeepsOriginalFormat(output.OutputFormat);
    question.mustReencode = photo.mustReencode;
    return COutputFormat::ForPhoto(question, format, formats).extension;
}

QString COutputNaming::Generate(CFilterFilename& filter, const SNamingSettings& naming,
                                const SOutputSettings& output, const SFormatSettings& format,
                                const CFormatsEnum* formats, const SPhoto& photo, int photoCount,
                                bool preview)
{
    // The expander overwrites its own settings for the presets: they are
    // taken afresh for every name.
    filter.UseSettings(naming);
    // The step comes from a job file: the product wraps, as the counter
    // itself does, instead of overflowing.
    if (filter.continueNumbering)
        filter.CounterStart = qint64((quint64(filter.picturesDone) + 1) * quint64(filter.CountStep));

    filter.path = photo.record.path;
    filter.folder = photo.record.folder;
    filter.baseName = photo.record.baseName;
    filter.extension = Extension(output, format, formats, photo);
    filter.number = CounterIndex(naming, photo.record);
    filter.dateTaken = photo.dateTaken;
    filter.GenerateFilename(photoCount, preview);
    return filter.result;
}
