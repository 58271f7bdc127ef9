#include "ServerFixtures.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <algorithm>
#include <functional>

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const char* const kTimeout = "/usr/bin/timeout";
const char* const kServerLifetime = "180";

bool RunTool(const QString& program, const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForStarted(5000))
        return false;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000)) {
        process.kill();
        process.waitForFinished(2000);
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qWarning("%s failed: %s", qPrintable(program), process.readAllStandardError().constData());
        return false;
    }
    return true;
}

void StopProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate(); // timeout(1) passes the signal on to the server
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished(2000);
    }
}

// Starts a server on a free port (up to three ports, in case another process
// takes one first) and waits until it accepts connections. `prepare` gives
// the program's arguments for a port, or an empty list when it cannot.
bool StartOnFreePort(QProcess& process, quint16& port,
                     const std::function<QStringList(quint16)>& prepare)
{
    for (int attempt = 0; attempt < 3; ++attempt) {
        port = ServerFixtures::FreePort();
        const QStringList arguments = prepare(port);
        if (arguments.isEmpty())
            return false;
        process.start(kTimeout, QStringList{kServerLifetime} + arguments);
        if (!process.waitForStarted(5000))
            return false;
        if (ServerFixtures::WaitForPort(port, 10000) && process.state() == QProcess::Running)
            return true;
        StopProcess(process);
    }
    return false;
}
} // namespace

namespace ServerFixtures {

quint16 FreePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress::LocalHost, 0))
        return 0;
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

bool WaitForPort(quint16 port, int timeoutMs)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, port);
        if (socket.waitForConnected(200)) {
            socket.abort();
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

QByteArray RandomBytes(int size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>(generator.bounded(256));
    return bytes;
}

bool WriteFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool AllExist(const QList<QString>& paths)
{
    return std::all_of(paths.begin(), paths.end(), [](const QString& path) { return QFileInfo::exists(path); });
}

} // namespace ServerFixtures

FtpServer::~FtpServer()
{
    Stop();
}

bool FtpServer::Start(const QString& root, const QString& user, const QString& password)
{
    m_root = root;
    QDir().mkpath(root);
    // The server logs every command; the tests do not need that noise.
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    return StartOnFreePort(m_process, m_port, [&](quint16 port) {
        return QStringList{"/usr/bin/python3", "-m", "pyftpdlib", "-i", "127.0.0.1", "-p",
                           QString::number(port), "-u", user, "-P", password, "-d", root, "-w"};
    });
}

void FtpServer::Stop()
{
    StopProcess(m_process);
}

SftpServer::~SftpServer()
{
    Stop();
}

QString SftpServer::SkipReason()
{
    if (geteuid() != 0)
        return "the SFTP server needs root to create its account";
    if (!QFileInfo::exists("/usr/sbin/sshd") || !QFileInfo::exists("/usr/bin/ssh-keygen"))
        return "openssh-server is not installed";
    return QString();
}

QString SftpServer::Root() const
{
    return m_home ? m_home->path() : QString();
}

QString SftpServer::HostKey() const
{
    if (!m_config)
        return QString();
    const QList<QByteArray> fields =
        ServerFixtures::ReadFile(m_config->filePath("hostkey.pub")).trimmed().split(' ');
    return fields.size() >= 2 ? QString::fromLatin1(fields[0] + ' ' + fields[1]) : QString();
}

bool SftpServer::Start(const QString& password)
{
    if (!SkipReason().isEmpty())
        return false;
    m_user = QString("gbsftp%1").arg(getpid());
    // Both folders live under /tmp itself: the test's own temporary area is
    // private to root and the account could not reach into it.
    m_home = std::make_unique<QTemporaryDir>("/tmp/glimmerbox-sftp-XXXXXX");
    m_config = std::make_unique<QTemporaryDir>("/tmp/glimmerbox-sshd-XXXXXX");
    if (!m_home->isValid() || !m_config->isValid())
        return false;

    if (getpwnam(m_user.toLocal8Bit().constData()))
        RunTool("/usr/sbin/userdel", {m_user});
    // The account files are locked while another process edits them: retry.
    const auto retry = [](const std::function<bool()>& step) {
        for (int attempt = 0; attempt < 15; ++attempt) {
            if (step())
                return true;
            QThread::msleep(200);
        }
        return false;
    };
    if (!retry([&] { return RunTool("/usr/sbin/useradd", {"-M", "-d", Root(), "-s", "/bin/sh", m_user}); }))
        return false;
    m_userCreated = true;
    if (!retry([&] { return RunTool("/usr/sbin/chpasswd", {}, (m_user + ":" + password + "\n").toUtf8()); }))
        return false;
    const passwd* account = getpwnam(m_user.toLocal8Bit().constData());
    if (!account || chown(QFile::encodeName(Root()).constData(), account->pw_uid, account->pw_gid) != 0)
        return false;
    chmod(QFile::encodeName(Root()).constData(), 0755);

    const QString key = m_config->filePath("hostkey");
    if (!RunTool("/usr/bin/ssh-keygen", {"-q", "-t", "ed25519", "-N", "", "-f", key}))
        return false;
    QDir().mkpath("/run/sshd");

    const QString configPath = m_config->filePath("sshd_config");
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    return StartOnFreePort(m_process, m_port, [&](quint16 port) {
        const QString config = QString("Port %1\n"
                                       "ListenAddress 127.0.0.1\n"
                                       "HostKey %2\n"
                                       "PidFile none\n"
                                       "UsePAM no\n"
                                       "PasswordAuthentication yes\n"
                                       "KbdInteractiveAuthentication no\n"
                                       "PubkeyAuthentication no\n"
                                       "PermitRootLogin no\n"
                                       "AuthorizedKeysFile none\n"
                                       "AllowUsers %3\n"
                                       "StrictModes no\n"
                                       "Subsystem sftp internal-sftp\n"
                                       "LogLevel ERROR\n")
                                   .arg(port)
                                   .arg(key, m_user);
        if (!ServerFixtures::WriteFile(configPath, config.toUtf8()))
            return QStringList();
        return QStringList{"/usr/sbin/sshd", "-D", "-e", "-f", configPath};
    });
}

void SftpServer::Stop()
{
    StopProcess(m_process);
    if (m_userCreated) {
        // Sessions of the account may take a moment to end after the server.
        for (int attempt = 0; attempt < 25 && !RunTool("/usr/sbin/userdel", {m_user}); ++attempt)
            QThread::msleep(200);
        m_userCreated = false;
    }
}
