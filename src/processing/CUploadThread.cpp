#include "CUploadThread.h"

#include "CUserProfile.h"
#include "Common.h"

namespace {
long PortNumber(const QString& text)
{
    bool ok = false;
    const long port = text.toLong(&ok, 10);
    return ok ? port : 0;
}
} // namespace

CUploadThread::CUploadThread(QObject* parent)
    : QThread(parent), m_profile(CUserProfile::GetInstance()), m_upload(m_profile)
{
    connect(&m_upload, &CUpload::ImgUploaded, this, &CUploadThread::ProgressImage);
    connect(&m_upload, &CUpload::UploadFinished, this, &CUploadThread::UploadFinished);
}

CUploadThread::~CUploadThread()
{
    m_upload.SetAbort(true);
    wait();
}

void CUploadThread::SetAbortThread(bool abort)
{
    if (m_profile->Destination == 3)
        m_upload.SetAbort(abort);
}

CUpload& CUploadThread::Upload()
{
    return m_upload;
}

const CUpload& CUploadThread::Upload() const
{
    return m_upload;
}

void CUploadThread::ProgressImage(double kbPerSecond)
{
    emit IncProgressImageUpload(kbPerSecond);
}

void CUploadThread::UploadFinished(int uploadedCount, QString text)
{
    emit AppendLog(text, 0);
    emit UploadThreadFinished(uploadedCount);
}

void CUploadThread::run()
{
    SystemLogWrite("run", "");
    if (m_profile->Destination != 3)
        return;
    const QString host = m_profile->FTPHost;
    const QString user = m_profile->FTPUser;
    const QString password = m_profile->FTPPassword;
    const long port = PortNumber(m_profile->FTPPort);
    const QString folder = m_profile->FTPFolder;
    const bool sftp = m_profile->UseSFTP;

    if (testMode) {
        // The test leaves the upload's state alone; it runs on the owned
        // object so that the destructor's abort reaches it too.
        emit ConnectionTestFinished(
            m_upload.TestFTPConnection(host, user, password, port, folder, sftp));
        return;
    }
    m_upload.UploadFTP(host, user, password, port, files, folder, sftp);
}
