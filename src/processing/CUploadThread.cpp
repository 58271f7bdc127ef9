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

QString CUploadThread::ServerPlace() const
{
    const long port = PortNumber(m_server.FTPPort);
    QString folder = m_server.FTPFolder;
    if (!folder.startsWith('/'))
        folder.prepend('/');
    return QString(m_server.UseSFTP ? "sftp://" : "ftp://") + m_server.FTPHost +
           (port > 0 ? ":" + QString::number(port) : QString()) + folder;
}

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

void CUploadThread::TakeServerSettings()
{
    m_server = m_profile->Output();
    m_serverTaken = true;
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
    // Only the copy is read here: the profile belongs to the GUI thread.
    const SOutputSettings& server = m_server;
    if (!m_serverTaken || server.Destination != 3)
        return;
    const long port = PortNumber(server.FTPPort);

    if (testMode) {
        // The test leaves the upload's state alone; it runs on the owned
        // object so that the destructor's abort reaches it too.
        emit ConnectionTestFinished(m_upload.TestFTPConnection(server.FTPHost, server.FTPUser,
                                                               server.FTPPassword, port, server.FTPFolder,
                                                               server.UseSFTP));
        return;
    }
    m_upload.UploadFTP(server.FTPHost, server.FTPUser, server.FTPPassword, port, files, server.FTPFolder,
                       server.UseSFTP);
}
