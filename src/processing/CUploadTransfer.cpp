// The libcurl side of CUpload: file upload and the connection test.
#include "CUpload.h"

#include "CCurlLibrary.h"
#include "Common.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/stat.h>

namespace {
struct CurlDeleter
{
    void operator()(CURL* handle) const { CCurlLibrary::Cleanup(handle); }
};
using CurlHandle = std::unique_ptr<CURL, CurlDeleter>;

struct FileCloser
{
    void operator()(FILE* file) const { fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

size_t ReadCallback(char* buffer, size_t size, size_t count, void* stream)
{
    return fread(buffer, size, count, static_cast<FILE*>(stream));
}

// The connection test lists the remote folder; the listing is not wanted.
size_t DiscardCallback(char*, size_t size, size_t count, void*)
{
    return size * count;
}

// Called by libcurl while a transfer runs, also while it waits: a set abort
// flag ends the transfer at once.
int ProgressCallback(void* abortFlag, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<const std::atomic<bool>*>(abortFlag)->load() ? 1 : 0;
}

// A host that the user's known_hosts lists must present the listed key; an
// unlisted host is accepted without being added to the file.
int HostKeyCallback(CURL*, const curl_khkey*, const curl_khkey*, curl_khmatch match, void*)
{
    switch (match) {
    case CURLKHMATCH_OK:
    case CURLKHMATCH_MISSING:
        return CURLKHSTAT_FINE;
    default:
        SystemLogWrite("HostKeyCallback", "the server's host key does not match known_hosts");
        return CURLKHSTAT_REJECT;
    }
}

struct Login
{
    QByteArray user;
    QByteArray password;
    long port = 0;
};

Login MakeLogin(const QString& user, const QString& password, long port)
{
    Login login;
    login.user = user.toUtf8();
    login.password = DecryptString(password).toUtf8();
    login.port = (port > 0 && port <= 65535) ? port : 0;
    return login;
}

// An FTP server reads its commands line by line: a line break in the user
// name or the password would send whatever follows it as a command of its own.
bool BreaksFtpLine(const Login& login)
{
    const auto breaks = [](const QByteArray& text) { return text.contains('\r') || text.contains('\n'); };
    return breaks(login.user) || breaks(login.password);
}

void SetSessionOptions(CURL* curl, const Login& login, bool sftp, long connectSeconds,
                       long stallSeconds, const std::atomic<bool>* abortFlag, char* errorBuffer)
{
    CCurlLibrary::SetOption(curl, CURLOPT_NOSIGNAL, 1L);
    CCurlLibrary::SetOption(curl, CURLOPT_ERRORBUFFER, errorBuffer);
    CCurlLibrary::SetOption(curl, CURLOPT_PROTOCOLS_STR, "ftp,sftp");
    CCurlLibrary::SetOption(curl, CURLOPT_PORT, login.port);
    CCurlLibrary::SetOption(curl, CURLOPT_USERNAME, login.user.constData());
    CCurlLibrary::SetOption(curl, CURLOPT_PASSWORD, login.password.constData());
    CCurlLibrary::SetOption(curl, CURLOPT_CONNECTTIMEOUT, connectSeconds);
    CCurlLibrary::SetOption(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, stallSeconds);
    CCurlLibrary::SetOption(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    CCurlLibrary::SetOption(curl, CURLOPT_LOW_SPEED_TIME, stallSeconds);
    CCurlLibrary::SetOption(curl, CURLOPT_NOPROGRESS, 0L);
    CCurlLibrary::SetOption(curl, CURLOPT_XFERINFOFUNCTION, ProgressCallback);
    CCurlLibrary::SetOption(curl, CURLOPT_XFERINFODATA, const_cast<std::atomic<bool>*>(abortFlag));
    if (sftp) {
        const QString knownHosts = QDir::homePath() + "/.ssh/known_hosts";
        if (QFileInfo(knownHosts).isFile()) {
            CCurlLibrary::SetOption(curl, CURLOPT_SSH_KNOWNHOSTS,
                             QFile::encodeName(knownHosts).constData());
            CCurlLibrary::SetOption(curl, CURLOPT_SSH_KEYFUNCTION, HostKeyCallback);
        }
    }
}

QString Describe(CURLcode code, const char* errorBuffer)
{
    QString text = QString::fromUtf8(CCurlLibrary::ErrorText(code));
    if (errorBuffer[0] != '\0')
        text += QString(" (") + QString::fromUtf8(errorBuffer).trimmed() + ")";
    return text;
}
} // namespace

void CUpload::UploadFTP(QString host, QString user, QString password, long port,
                        QList<QString> files, QString remotePath, bool sftp)
{
    m_failure.clear();
    SystemLogWrite("UploadFTP", "FilePaths:");
    for (const QString& file : qAsConst(files))
        SystemLogWrite("UploadFTP", file);

    const Login login = MakeLogin(user, password, port);
    const bool unsafeLogin = !sftp && BreaksFtpLine(login);
    char errorBuffer[CURL_ERROR_SIZE] = {}; // outlives the handle that writes to it
    CurlHandle curl(unsafeLogin ? nullptr : CCurlLibrary::EasyInit());
    if (unsafeLogin) {
        SystemLogWrite("UploadFTP", "line break in the user name or password: nothing is sent");
        m_failure = LoginLineBreakText();
        m_errorText += m_failure;
    }
    if (curl) {
        CCurlLibrary::SetOption(curl.get(), CURLOPT_READFUNCTION, ReadCallback);
        CCurlLibrary::SetOption(curl.get(), CURLOPT_UPLOAD, 1L);
        CCurlLibrary::SetOption(curl.get(), CURLOPT_FTP_CREATE_MISSING_DIRS,
                         static_cast<long>(CURLFTP_CREATE_DIR));
        SetSessionOptions(curl.get(), login, sftp, m_connectSeconds, m_stallSeconds, &m_abort,
                          errorBuffer);
    }

    host = host.trimmed();
    if (!remotePath.endsWith('/'))
        remotePath += '/';
    SystemLogWrite("UploadFTP", "ftpPath: " + BuildAddress(host, remotePath, QString(), sftp));
    const QString commonPath = FindCommonPath(files, RunFolder());
    SystemLogWrite("UploadFTP", "commonPath: " + commonPath);

    int handled = 0;
    for (const QString& file : qAsConst(files)) {
        if (unsafeLogin)
            break;
        if (m_abort.load()) {
            SystemLogWrite("UploadFTP", "User aborted!");
            m_failure = tr("The upload was stopped.");
            break;
        }
        const QString address = BuildAddress(host, remotePath, RelativeName(file, commonPath), sftp);
        SystemLogWrite("UploadFTP", "uploadUrl: " + address);

        const QByteArray nativePath = QFile::encodeName(file);
        struct stat st {};
        const bool found = stat(nativePath.constData(), &st) == 0;
        if (!found || !S_ISREG(st.st_mode)) {
            const QString reason =
                found ? QStringLiteral("not a file") : QString::fromLocal8Bit(strerror(errno));
            SystemLogWrite("UploadFTP", "Couldn't open '" + file + "': " + reason);
            if (m_failure.isEmpty())
                m_failure = tr("%1 could not be read: %2.").arg(EscapeForLog(file), reason);
            continue;
        }
        FileHandle input(fopen(nativePath.constData(), "rb"));
        if (!curl || !input) {
            SystemLogWrite("UploadFTP", "CURL not initialized or file data counld not be read.");
            if (m_failure.isEmpty())
                m_failure = curl ? tr("%1 could not be read.").arg(EscapeForLog(file))
                                 : tr("No transfer could be set up.");
            continue;
        }
        errorBuffer[0] = '\0';
        CCurlLibrary::SetOption(curl.get(), CURLOPT_URL, address.toUtf8().constData());
        CCurlLibrary::SetOption(curl.get(), CURLOPT_READDATA, input.get());
        CCurlLibrary::SetOption(curl.get(), CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(st.st_size));
        QElapsedTimer timer;
        timer.start();
        const CURLcode code = CCurlLibrary::Perform(curl.get());
        if (code != CURLE_OK) {
            if (code == CURLE_ABORTED_BY_CALLBACK)
                SystemLogWrite("UploadFTP", "User aborted!");
            SystemLogWrite("UploadFTP", Describe(code, errorBuffer));
            m_errorText += QString::fromUtf8(CCurlLibrary::ErrorText(code));
            m_failure = code == CURLE_ABORTED_BY_CALLBACK ? tr("The upload was stopped.")
                                                          : EscapeForLog(Describe(code, errorBuffer));
            break;
        }
        ++m_uploadedCount;
        ++handled;
        // A transfer quicker than a millisecond counts as one millisecond.
        const double seconds = std::max<qint64>(timer.elapsed(), 1) / 1000.0;
        emit ImgUploaded((static_cast<double>(st.st_size) / 1024.0) / seconds);
    }
    curl.reset();

    m_files = files;
    m_complete = handled == files.size();
    if (m_complete)
        m_failure.clear();
    if (!m_keepFiles) {
        if (m_complete) {
            RemoveDeliveredCopies();
        } else {
            // An incomplete delivery keeps every written file for the user.
            const QString kept = KeptFilesText();
            SystemLogWrite("UploadFTP", kept);
            if (!m_errorText.isEmpty())
                m_errorText += "\r\n";
            m_errorText += kept;
        }
    }
    emit UploadFinished(m_uploadedCount, m_errorText);
}

QString CUpload::TestFTPConnection(QString host, QString user, QString password, long port,
                                   QString remotePath, bool sftp)
{
    const Login login = MakeLogin(user, password, port);
    host = host.trimmed();
    // A folder is listed, so the address ends with "/".
    if (!remotePath.endsWith('/'))
        remotePath += '/';
    const QString address = BuildAddress(host, remotePath, QString(), sftp);
    if (!sftp && BreaksFtpLine(login)) {
        SystemLogWrite("TestFTPConnection", "line break in the user name or password: nothing is sent");
        return LoginLineBreakText();
    }

    char errorBuffer[CURL_ERROR_SIZE] = {}; // outlives the handle that writes to it
    CurlHandle curl(CCurlLibrary::EasyInit());
    if (!curl)
        return QString();
    CCurlLibrary::SetOption(curl.get(), CURLOPT_URL, address.toUtf8().constData());
    SetSessionOptions(curl.get(), login, sftp, m_connectSeconds, m_stallSeconds, &m_abort,
                      errorBuffer);
    CCurlLibrary::SetOption(curl.get(), CURLOPT_TIMEOUT, 10L);
    CCurlLibrary::SetOption(curl.get(), CURLOPT_WRITEFUNCTION, DiscardCallback);
    const CURLcode code = CCurlLibrary::Perform(curl.get());
    if (code == CURLE_OK)
        return QStringLiteral("Success");
    SystemLogWrite("TestFTPConnection", Describe(code, errorBuffer));
    return QString::fromUtf8(CCurlLibrary::ErrorText(code));
}

QString CUpload::LoginLineBreakText()
{
    return tr("The user name or the password holds a line break, which the FTP server would take "
              "for a command of its own: nothing was sent.");
}
