#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

// Real servers on 127.0.0.1 for the delivery and connection tests. Each
// runs under timeout(1) so that it cannot outlive a crashed test, and is
// stopped by its process id.
namespace ServerFixtures {
// A port on 127.0.0.1 that nothing listens on at the moment.
quint16 FreePort();
// Polls until something accepts connections on the port.
bool WaitForPort(quint16 port, int timeoutMs);
// Random bytes (reproducible per seed).
QByteArray RandomBytes(int size, quint32 seed);
bool WriteFile(const QString& path, const QByteArray& content);
QByteArray ReadFile(const QString& path);
// Every path names an existing file or folder.
bool AllExist(const QList<QString>& paths);
} // namespace ServerFixtures

// pyftpdlib serving `root` (writable) for one user.
class FtpServer
{
public:
    ~FtpServer();
    bool Start(const QString& root, const QString& user, const QString& password);
    void Stop();
    quint16 Port() const { return m_port; }
    QString Root() const { return m_root; }

private:
    QProcess m_process;
    quint16 m_port = 0;
    QString m_root;
};

// sshd with its own configuration and host key, on a high port, for a
// throwaway local account that exists only while the server runs. The
// account's home is a fresh folder under /tmp that it may write.
class SftpServer
{
public:
    ~SftpServer();
    // Why the server cannot run here ("" when it can).
    static QString SkipReason();
    bool Start(const QString& password);
    void Stop();
    quint16 Port() const { return m_port; }
    QString User() const { return m_user; }
    // Absolute path of the account's writable folder.
    QString Root() const;
    // The host key as a known_hosts key field: "<type> <base64>".
    QString HostKey() const;

private:
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<QTemporaryDir> m_config;
    QProcess m_process;
    QString m_user;
    bool m_userCreated = false;
    quint16 m_port = 0;
};
