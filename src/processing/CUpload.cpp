#include "CUpload.h"

#include "CCurlLibrary.h"
#include "COutputPaths.h"
#include "CUserProfile.h"
#include "Common.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <mutex>

namespace {
// The folder shared by all paths, compared by whole path components: the
// first path's folder, shortened until every path lies below it.
QString CommonFolder(const QList<QString>& files)
{
    if (files.isEmpty())
        return QString();
    const QString& first = files.first();
    const int slash = first.lastIndexOf('/');
    QString candidate = slash < 0 ? QString() : first.left(slash);
    for (const QString& file : files) {
        while (!file.startsWith(candidate + '/')) {
            const int cut = candidate.lastIndexOf('/');
            if (cut < 0)
                return QString();
            candidate = candidate.left(cut);
        }
    }
    return candidate;
}

} // namespace

CUpload::CUpload(CUserProfile* profile, QObject* parent)
    : QObject(parent), m_profile(profile ? profile : CUserProfile::GetInstance())
{
    switch (m_profile->Destination) {
    case 1:
        m_keepFiles = true;
        break;
    case 2:
        m_keepFiles = m_profile->SaveOnDiskMail;
        break;
    case 3:
        m_keepFiles = m_profile->SaveOnDiskFTP;
        break;
    default:
        m_keepFiles = false;
        break;
    }
}

void CUpload::InitializeTransfers()
{
    static std::once_flag once;
    std::call_once(once, [] {
        if (!CCurlLibrary::Load())
            SystemLogWrite("InitializeTransfers", "libcurl: " + CCurlLibrary::LoadError());
    });
}

QString CUpload::TemporaryFolder()
{
    return COutputPaths::TempFolder() + '/';
}

bool CUpload::MakeTemporaryFolder()
{
    return COutputPaths::PrepareTempFolder();
}

void CUpload::SetRunFolder(const QString& folder)
{
    m_runFolder = QDir::cleanPath(folder);
}

QString CUpload::RunFolder() const
{
    return m_runFolder.isEmpty() ? QDir::cleanPath(TemporaryFolder()) : m_runFolder;
}

QString CUpload::FindCommonPath(QList<QString>& files, QString tempFolder)
{
    if (m_profile->monitorRun) {
        if (tempFolder.endsWith('/'))
            tempFolder.chop(1);
        // Outputs kept on disk lie outside the temporary folder: measured
        // from it they would keep only their names, and two photos of one
        // name from different folders would land on one remote file.
        const bool allInside = std::all_of(files.cbegin(), files.cend(), [&](const QString& file) {
            return file.startsWith(tempFolder + '/');
        });
        if (allInside)
            return tempFolder;
    }
    return CommonFolder(files);
}

QString CUpload::RelativeName(const QString& path, const QString& commonPath)
{
    const QString prefix = commonPath + '/';
    if (path.startsWith(prefix))
        return path.mid(prefix.length());
    return QFileInfo(path).fileName();
}

QString CUpload::BuildAddress(const QString& host, const QString& remotePath,
                              const QString& relativeName, bool sftp)
{
    QString path = remotePath + relativeName;
    if (!path.startsWith('/'))
        path.prepend('/');
    QStringList segments = path.split('/');
    for (QString& segment : segments)
        segment = QString::fromLatin1(QUrl::toPercentEncoding(segment));
    return QString(sftp ? "sftp://" : "ftp://") + host + segments.join('/');
}

void CUpload::DeleteTemporaryFiles()
{
    SystemLogWrite("DeleteTemporaryFiles", "");
    for (const QString& file : qAsConst(m_files))
        QFile::remove(file);
}

void CUpload::RemoveDeliveredCopies()
{
    DeleteTemporaryFiles();
    // Only the run's own folder: another run may be writing beside it.
    if (!m_runFolder.isEmpty())
        COutputPaths::RemoveRunFolderIfEmpty(m_runFolder);
}

QString CUpload::KeptFilesText() const
{
    // Without a written file no folder keeps anything: a run that had no
    // folder of its own would otherwise name a temporary folder it was
    // refused.
    if (m_files.isEmpty())
        return QString();
    QString folder = CommonFolder(m_files);
    if (folder.isEmpty())
        folder = RunFolder();
    return tr("The written files are kept in %1").arg(EscapeForLog(folder));
}

void CUpload::SetAbort(bool abort)
{
    m_abort.store(abort);
}

bool CUpload::IsAborted() const
{
    return m_abort.load();
}

bool CUpload::DeliveryComplete() const
{
    return m_complete;
}

bool CUpload::KeepsWrittenFiles() const
{
    return m_keepFiles;
}

int CUpload::UploadedCount() const
{
    return m_uploadedCount;
}

QString CUpload::ErrorText() const
{
    return m_errorText;
}

QString CUpload::FailureText() const
{
    return m_failure;
}

void CUpload::SetTimeLimits(long connectSeconds, long stallSeconds)
{
    m_connectSeconds = connectSeconds;
    m_stallSeconds = stallSeconds;
}

bool CUpload::SilentRun() const
{
    return m_profile->silentScript;
}
