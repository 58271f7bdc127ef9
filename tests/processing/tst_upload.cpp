#include "COutputPaths.h"
#include "CUpload.h"
#include "CUploadThread.h"
#include "CUserProfile.h"
#include "Common.h"
#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHostAddress>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTimer>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using namespace ServerFixtures;

namespace {
const QString kUser = QStringLiteral("photographer");
const QString kPassword = QStringLiteral("s3cret word");

struct Outcome
{
    int count = -1;
    QString log;
    int progressSignals = 0;
    double lastSpeed = 0;
    qint64 elapsedMs = 0;
};

// Runs the upload thread with the profile as it stands and collects what it
// reports.
// The run's own temporary folder of the current test ("" when it uses none).
QString g_runFolder;

Outcome RunUpload(const QList<QString>& files, const std::function<void(CUploadThread&)>& tune = {})
{
    CUploadThread thread;
    thread.Upload().SetRunFolder(g_runFolder);
    thread.files = files;
    thread.TakeServerSettings();
    if (tune)
        tune(thread);
    QSignalSpy finished(&thread, &CUploadThread::UploadThreadFinished);
    QSignalSpy log(&thread, &CUploadThread::AppendLog);
    QSignalSpy progress(&thread, &CUploadThread::IncProgressImageUpload);
    QElapsedTimer timer;
    timer.start();
    thread.start();
    Outcome outcome;
    if (!finished.wait(60000))
        return outcome;
    outcome.elapsedMs = timer.elapsed();
    thread.wait();
    outcome.count = finished.first().at(0).toInt();
    outcome.log = log.isEmpty() ? QString("<none>") : log.first().at(0).toString();
    outcome.progressSignals = progress.size();
    if (!progress.isEmpty())
        outcome.lastSpeed = progress.last().at(0).toDouble();
    return outcome;
}

// Captures what is written to the process's standard output meanwhile.
class StdoutCapture
{
public:
    explicit StdoutCapture(const QString& path) : m_path(path)
    {
        fflush(stdout);
        m_saved = dup(STDOUT_FILENO);
        const int fd = open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(fd, STDOUT_FILENO);
        close(fd);
    }
    ~StdoutCapture() { Finish(); }
    QByteArray Finish()
    {
        if (m_saved >= 0) {
            fflush(stdout);
            dup2(m_saved, STDOUT_FILENO);
            close(m_saved);
            m_saved = -1;
        }
        return ReadFile(m_path);
    }

private:
    QString m_path;
    int m_saved = -1;
};
} // namespace

class TestUpload : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void addresses_data();
    void addresses();
    void commonPath_data();
    void commonPath();

    void uploadsUnderExactNames_data();
    void uploadsUnderExactNames();
    void keepsSubfoldersAndKeptFiles_data();
    void keepsSubfoldersAndKeptFiles();
    void otherFilesOfTheTemporaryFolderStay();
    void stopsAtFirstFailedTransfer();
    void lineBreakInLoginSendsNothing_data();
    void lineBreakInLoginSendsNothing();
    void timeLimits_data();
    void timeLimits();

    void connectionTest_data();
    void connectionTest();
    void connectionTestPrintsNothing();
    void connectionTestUsesItsCopy();
    void connectionTestOnlyForServerDestination();
    void sftpHostKey_data();
    void sftpHostKey();

private:
    void UseServer(bool sftp, const QString& password = kPassword);
    QString RemoteFolder(bool sftp, const QString& name) const;
    QString LocalPath(bool sftp, const QString& remoteFolder) const;
    void RequireSftp();
    QList<QString> WriteOutputs(const QString& folder, const QStringList& names);
    // The run's temporary folder, created ("" when it could not be).
    static QString MadeTemporaryFolder();

    FtpServer m_ftp;
    SftpServer m_sftp;
    bool m_ftpUp = false;
    bool m_sftpUp = false;
    QString m_sftpSkip;
    QMap<QString, QByteArray> m_written;
};

void TestUpload::initTestCase()
{
    m_ftpUp = m_ftp.Start(TestEnv::NewFolder("ftproot"), kUser, kPassword);
    QVERIFY2(m_ftpUp, "the FTP server did not start");
    m_sftpSkip = SftpServer::SkipReason();
    if (m_sftpSkip.isEmpty()) {
        m_sftpUp = m_sftp.Start(kPassword);
        if (!m_sftpUp)
            m_sftpSkip = "the SFTP server did not start";
    }
}

void TestUpload::cleanupTestCase()
{
    m_ftp.Stop();
    m_sftp.Stop();
}

void TestUpload::init()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->Destination = 3;
    profile->SaveOnDiskFTP = false;
    profile->monitorRun = false;
    profile->silentScript = true;
    RemoveDir(QDir::cleanPath(CUpload::TemporaryFolder()));
    g_runFolder.clear();
    QFile::remove(QDir::homePath() + "/.ssh/known_hosts");
    m_written.clear();
}

void TestUpload::UseServer(bool sftp, const QString& password)
{
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->FTPHost = "127.0.0.1";
    profile->FTPUser = sftp ? m_sftp.User() : kUser;
    profile->FTPPassword = EncryptString(password);
    profile->FTPPort = QString::number(sftp ? m_sftp.Port() : m_ftp.Port());
    profile->UseSFTP = sftp;
}

// FTP folders are relative to the login folder, SFTP folders absolute.
QString TestUpload::RemoteFolder(bool sftp, const QString& name) const
{
    return (sftp ? m_sftp.Root() : QString()) + "/" + name + "/";
}

QString TestUpload::LocalPath(bool sftp, const QString& remoteFolder) const
{
    return sftp ? remoteFolder : m_ftp.Root() + remoteFolder;
}

void TestUpload::RequireSftp()
{
    if (!m_sftpSkip.isEmpty())
        QSKIP(qPrintable(m_sftpSkip));
}

QList<QString> TestUpload::WriteOutputs(const QString& folder, const QStringList& names)
{
    QList<QString> paths;
    quint32 seed = 7;
    for (const QString& name : names) {
        const QString path = folder + "/" + name;
        const QByteArray content = RandomBytes(3000 + 997 * int(seed), seed);
        ++seed;
        if (!WriteFile(path, content))
            return {};
        m_written.insert(name, content);
        paths << path;
    }
    return paths;
}

QString TestUpload::MadeTemporaryFolder()
{
    g_runFolder = COutputPaths::CreateRunFolder();
    return g_runFolder;
}

void TestUpload::addresses_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("common");
    QTest::addColumn<QString>("remote");
    QTest::addColumn<bool>("sftp");
    QTest::addColumn<QString>("address");

    const QString temp = "/tmp/GlimmerboxTemp";
    QTest::newRow("blank") << temp + "/a b.jpg" << temp << "/photos/" << false
                           << "ftp://H/photos/a%20b.jpg";
    QTest::newRow("plain") << temp + "/c.jpg" << temp << "/photos/" << false << "ftp://H/photos/c.jpg";
    QTest::newRow("hash and question mark") << temp + "/c#1?.jpg" << temp << "/photos/" << false
                                            << "ftp://H/photos/c%231%3F.jpg";
    QTest::newRow("percent sign") << temp + "/100%.jpg" << temp << "/" << false
                                  << "ftp://H/100%25.jpg";
    QTest::newRow("non-ASCII") << temp + "/\u017C.jpg" << temp << "/" << false
                               << "ftp://H/%C5%BC.jpg";
    QTest::newRow("sftp") << "/out/x.jpg" << "/out" << "/srv/up/" << true << "sftp://H/srv/up/x.jpg";
    QTest::newRow("subfolder kept") << "/out/2024/a.jpg" << "/out" << "/photos/" << false
                                    << "ftp://H/photos/2024/a.jpg";
    QTest::newRow("folder with blank") << "/out/x.jpg" << "/out" << "/my photos/" << false
                                       << "ftp://H/my%20photos/x.jpg";
    QTest::newRow("home folder") << "/out/x.jpg" << "/out" << "/~/up/" << true
                                 << "sftp://H/~/up/x.jpg";
    // Only the leading common folder goes, not each repetition of it.
    QTest::newRow("common folder repeated") << "/out/out/x.jpg" << "/out" << "/" << false
                                            << "ftp://H/out/x.jpg";
    QTest::newRow("no common folder") << "/a/x.jpg" << "" << "/" << false << "ftp://H/a/x.jpg";
    QTest::newRow("outside the common folder") << "/elsewhere/x.jpg" << "/tmp/GlimmerboxTemp"
                                               << "/" << false << "ftp://H/x.jpg";
}

void TestUpload::addresses()
{
    QFETCH(QString, path);
    QFETCH(QString, common);
    QFETCH(QString, remote);
    QFETCH(bool, sftp);
    QFETCH(QString, address);
    QCOMPARE(CUpload::BuildAddress("H", remote, CUpload::RelativeName(path, common), sftp), address);
}

void TestUpload::commonPath_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("monitor");
    QTest::addColumn<QString>("common");

    QTest::newRow("one file") << QStringList{"/out/x.jpg"} << false << "/out";
    QTest::newRow("sibling folders") << QStringList{"/out/2024/a.jpg", "/out/2025/b.jpg"} << false
                                     << "/out";
    QTest::newRow("folder name is a prefix of another")
        << QStringList{"/out/a/x.jpg", "/out/ab/y.jpg"} << false << "/out";
    QTest::newRow("nothing shared") << QStringList{"/a/x.jpg", "/b/y.jpg"} << false << "";
    QTest::newRow("no files") << QStringList{} << false << "";
    QTest::newRow("monitor run") << QStringList{"/tmp/GlimmerboxTemp/x.jpg", "/tmp/GlimmerboxTemp/a/y.jpg"}
                                 << true << "/tmp/GlimmerboxTemp";
    QTest::newRow("monitor run, no files") << QStringList{} << true << "/tmp/GlimmerboxTemp";
    // Outputs kept on disk keep their sub-folders apart in a monitor run too.
    QTest::newRow("monitor run, outputs kept on disk")
        << QStringList{"/out/a/x.jpg", "/out/b/x.jpg"} << true << "/out";
}

void TestUpload::commonPath()
{
    QFETCH(QStringList, files);
    QFETCH(bool, monitor);
    QFETCH(QString, common);
    CUserProfile::GetInstance()->monitorRun = monitor;
    CUpload upload;
    QList<QString> list = files;
    QCOMPARE(upload.FindCommonPath(list, "/tmp/GlimmerboxTemp/"), common);
}

void TestUpload::uploadsUnderExactNames_data()
{
    QTest::addColumn<bool>("sftp");
    QTest::newRow("ftp") << false;
    QTest::newRow("sftp") << true;
}

void TestUpload::uploadsUnderExactNames()
{
    QFETCH(bool, sftp);
    if (sftp)
        RequireSftp();
    UseServer(sftp);
    const QString remote = RemoteFolder(sftp, "new/deeper");
    CUserProfile::GetInstance()->FTPFolder = remote;
    const QString temp = MadeTemporaryFolder();
    QVERIFY(!temp.isEmpty());
    const QList<QString> files = WriteOutputs(temp, {"a b.png", "c#1.png"});
    QVERIFY(!files.isEmpty());

    const Outcome outcome = RunUpload(files);
    QCOMPARE(outcome.count, 2);
    QCOMPARE(outcome.log, QString());
    QCOMPARE(outcome.progressSignals, 2);
    QVERIFY(outcome.lastSpeed > 0 && qIsFinite(outcome.lastSpeed));
    const QString arrived = LocalPath(sftp, remote);
    QCOMPARE(QDir(arrived).entryList(QDir::Files, QDir::Name), (QStringList{"a b.png", "c#1.png"}));
    for (const QString& name : m_written.keys())
        QVERIFY2(ReadFile(arrived + name) == m_written.value(name), qPrintable(name));
    // Delivered copies are not kept: the temporary folder is gone.
    QVERIFY(!QFileInfo::exists(temp));
}

void TestUpload::keepsSubfoldersAndKeptFiles_data()
{
    QTest::addColumn<bool>("monitor");
    QTest::newRow("batch run") << false;
    QTest::newRow("monitor run") << true;
}

void TestUpload::keepsSubfoldersAndKeptFiles()
{
    QFETCH(bool, monitor);
    UseServer(false);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->monitorRun = monitor;
    const QString folder = monitor ? "/tree-monitor/" : "/tree/";
    profile->FTPFolder = folder;
    profile->SaveOnDiskFTP = true;
    const QString out = TestEnv::NewFolder("out");
    // One name in two folders: each must arrive as a file of its own.
    const QList<QString> files = WriteOutputs(out, {"2024/a.png", "2025/b.png", "2025/a.png"});

    const Outcome outcome = RunUpload(files);
    QCOMPARE(outcome.count, 3);
    for (const QString& name : m_written.keys())
        QCOMPARE(ReadFile(m_ftp.Root() + folder + name), m_written.value(name));
    QVERIFY(AllExist(files));
}

void TestUpload::otherFilesOfTheTemporaryFolderStay()
{
    UseServer(false);
    CUserProfile::GetInstance()->FTPFolder = "/others/";
    const QString temp = MadeTemporaryFolder();
    // A message still waiting in the mail program, and outputs kept after an
    // earlier failed upload.
    QVERIFY(WriteFile(temp + "/ComposedEmail-1.eml", "pending"));
    QVERIFY(WriteFile(temp + "/earlier/x.png", "kept"));
    QVERIFY(!temp.isEmpty());
    const QList<QString> files = WriteOutputs(temp, {"now/a.png", "now/b.png"});

    const Outcome outcome = RunUpload(files);
    QCOMPARE(outcome.count, 2);
    QVERIFY(!QFileInfo::exists(temp + "/now"));
    QCOMPARE(ReadFile(temp + "/ComposedEmail-1.eml"), QByteArray("pending"));
    QCOMPARE(ReadFile(temp + "/earlier/x.png"), QByteArray("kept"));
}

void TestUpload::stopsAtFirstFailedTransfer()
{
    UseServer(false);
    CUserProfile::GetInstance()->FTPFolder = "/partial/";
    // The server cannot store b.png: a folder of that name is in the way.
    QVERIFY(QDir().mkpath(m_ftp.Root() + "/partial/b.png"));
    const QString temp = MadeTemporaryFolder();
    QVERIFY(!temp.isEmpty());
    const QList<QString> files = WriteOutputs(temp, {"a.png", "b.png", "c.png"});

    const Outcome outcome = RunUpload(files);
    QCOMPARE(outcome.count, 1);
    QCOMPARE(outcome.progressSignals, 1);
    QVERIFY(QFileInfo(m_ftp.Root() + "/partial/a.png").isFile());
    QVERIFY(!QFileInfo::exists(m_ftp.Root() + "/partial/c.png"));
    const QStringList lines = outcome.log.split("\r\n");
    QCOMPARE(lines.size(), 2); // the transfer error once, then where the files are
    QVERIFY(!lines.first().isEmpty());
    QVERIFY(lines.last().contains(temp));
    QVERIFY(AllExist(files));
}

void TestUpload::lineBreakInLoginSendsNothing_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("connectionTest");
    // Each line after the first would reach the server as a command of its own.
    const QString deleteVictim = QStringLiteral("DELE victim.png");
    QTest::newRow("password, upload") << kUser << kPassword + "\r\n" + deleteVictim << false;
    QTest::newRow("password, connection test") << kUser << kPassword + "\n" + deleteVictim << true;
    QTest::newRow("user name, upload")
        << kUser + "\r\nPASS " + kPassword + "\r\n" + deleteVictim << kPassword << false;
}

void TestUpload::lineBreakInLoginSendsNothing()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(bool, connectionTest);
    UseServer(false, password);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->FTPUser = user;
    profile->FTPFolder = "/";
    const QString victim = m_ftp.Root() + "/victim.png";
    QVERIFY(WriteFile(victim, "precious"));

    QString result;
    if (connectionTest) {
        CUploadThread thread;
        thread.testMode = true;
        thread.TakeServerSettings();
        QSignalSpy done(&thread, &CUploadThread::ConnectionTestFinished);
        thread.start();
        QVERIFY(done.wait(20000));
        result = done.first().at(0).toString();
    } else {
        const QString temp = MadeTemporaryFolder();
        QVERIFY(!temp.isEmpty());
        const QList<QString> files = WriteOutputs(temp, {"sent.png"});
        CUpload upload;
        upload.UploadFTP(profile->FTPHost, profile->FTPUser, profile->FTPPassword,
                         profile->FTPPort.toLong(), files, "/", false);
        QCOMPARE(ReadFile(victim), QByteArray("precious"));
        QCOMPARE(upload.UploadedCount(), 0);
        QVERIFY(!upload.DeliveryComplete());
        QVERIFY(AllExist(files));
        QVERIFY(!QFileInfo::exists(m_ftp.Root() + "/sent.png"));
        QVERIFY2(upload.ErrorText().contains("line break"), qPrintable(upload.ErrorText()));
        result = upload.FailureText();
    }
    QCOMPARE(ReadFile(victim), QByteArray("precious"));
    QVERIFY2(result.contains("line break"), qPrintable(result));
}

void TestUpload::timeLimits_data()
{
    QTest::addColumn<bool>("abort");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("withinMs");
    QTest::newRow("server never answers") << false << "Timeout was reached" << 8000;
    // Abort ends the running transfer, not only the next one.
    QTest::newRow("aborted while waiting") << true << "aborted" << 5000;
}

void TestUpload::timeLimits()
{
    QFETCH(bool, abort);
    QFETCH(QString, error);
    QFETCH(int, withinMs);
    // A listener that never accepts: the connection is made by the system,
    // but no greeting ever comes. (A closed port is the delivery tests' case.)
    QTcpServer silent;
    silent.setMaxPendingConnections(1);
    QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
    UseServer(false);
    CUserProfile::GetInstance()->FTPPort = QString::number(silent.serverPort());
    CUserProfile::GetInstance()->FTPFolder = "/";
    const QList<QString> files = WriteOutputs(TestEnv::NewFolder("limits"), {"a.png", "b.png"});

    const Outcome outcome = RunUpload(files, [abort](CUploadThread& thread) {
        if (abort)
            QTimer::singleShot(500, &thread, [&thread] { thread.SetAbortThread(true); });
        else
            thread.Upload().SetTimeLimits(2, 2);
    });
    QCOMPARE(outcome.count, 0);
    QVERIFY2(outcome.log.contains(error), qPrintable(outcome.log));
    QVERIFY(abort || outcome.log.startsWith(error));
    QVERIFY2(outcome.elapsedMs < withinMs, qPrintable(QString::number(outcome.elapsedMs)));
}

void TestUpload::connectionTest_data()
{
    QTest::addColumn<bool>("sftp");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("closedPort");
    QTest::addColumn<QString>("result");

    QTest::newRow("ftp") << false << kPassword << "/" << false << "Success";
    QTest::newRow("ftp folder without slashes") << false << kPassword << "listed" << false
                                                << "Success";
    QTest::newRow("ftp wrong password") << false << "wrong" << "/" << false << "Login denied";
    QTest::newRow("ftp closed port") << false << kPassword << "/" << true
                                     << "Couldn't connect to server";
    QTest::newRow("sftp") << true << kPassword << "" << false << "Success";
    QTest::newRow("sftp wrong password") << true << "wrong" << "" << false << "Login denied";
}

void TestUpload::connectionTest()
{
    QFETCH(bool, sftp);
    QFETCH(QString, password);
    QFETCH(QString, folder);
    QFETCH(bool, closedPort);
    QFETCH(QString, result);
    if (sftp)
        RequireSftp();
    UseServer(sftp, password);
    CUserProfile* profile = CUserProfile::GetInstance();
    QDir().mkpath(m_ftp.Root() + "/listed");
    profile->FTPFolder = sftp ? m_sftp.Root() : folder;
    if (closedPort)
        profile->FTPPort = QString::number(FreePort());

    CUploadThread thread;
    thread.testMode = true;
    thread.TakeServerSettings();
    QSignalSpy done(&thread, &CUploadThread::ConnectionTestFinished);
    thread.start();
    QVERIFY(done.wait(20000));
    QCOMPARE(done.first().at(0).toString(), result);
}

void TestUpload::connectionTestPrintsNothing()
{
    UseServer(false);
    CUserProfile::GetInstance()->FTPFolder = "/";
    QVERIFY(WriteFile(m_ftp.Root() + "/listing-marker.txt", "x"));
    CUpload upload;
    StdoutCapture capture(TestEnv::NewFolder("stdout") + "/captured.txt");
    const QString result = upload.TestFTPConnection("127.0.0.1", kUser, EncryptString(kPassword),
                                                    m_ftp.Port(), "/", false);
    const QByteArray printed = capture.Finish();
    QCOMPARE(result, QString("Success"));
    QVERIFY2(!printed.contains("listing-marker"), printed.constData());
}

// The fields may be edited while a test runs: the thread works on the copy
// taken before start(), never on the profile.
void TestUpload::connectionTestUsesItsCopy()
{
    UseServer(false);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->FTPFolder = "/";
    CUploadThread thread;
    thread.testMode = true;
    thread.TakeServerSettings();
    profile->FTPPassword = EncryptString("wrong");
    profile->FTPHost = "192.0.2.1";
    QSignalSpy done(&thread, &CUploadThread::ConnectionTestFinished);
    thread.start();
    QVERIFY(done.wait(20000));
    QCOMPARE(done.first().at(0).toString(), QString("Success"));
}

void TestUpload::connectionTestOnlyForServerDestination()
{
    UseServer(false);
    CUserProfile::GetInstance()->Destination = 2;
    CUploadThread thread;
    thread.testMode = true;
    thread.TakeServerSettings();
    QSignalSpy result(&thread, &CUploadThread::ConnectionTestFinished);
    QSignalSpy ended(&thread, &QThread::finished);
    thread.start();
    QVERIFY(ended.wait(10000));
    QCoreApplication::processEvents();
    QCOMPARE(result.size(), 0);
}

void TestUpload::sftpHostKey_data()
{
    QTest::addColumn<QString>("listed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("host not listed") << "other" << true;
    QTest::newRow("listed with its key") << "right" << true;
    QTest::newRow("listed with another key") << "wrong" << false;
}

void TestUpload::sftpHostKey()
{
    QFETCH(QString, listed);
    QFETCH(bool, accepted);
    RequireSftp();
    UseServer(true);
    QString key = m_sftp.HostKey();
    QVERIFY(!key.isEmpty());
    if (listed == "wrong") {
        const QString other = TestEnv::NewFolder("otherkey") + "/key";
        QVERIFY(QProcess::execute("/usr/bin/ssh-keygen", {"-q", "-t", "ed25519", "-N", "", "-f", other}) == 0);
        const QList<QByteArray> fields = ReadFile(other + ".pub").trimmed().split(' ');
        key = QString::fromLatin1(fields[0] + ' ' + fields[1]);
    }
    {
        const quint16 port = listed == "other" ? quint16(1) : m_sftp.Port();
        const QString line = QString("[127.0.0.1]:%1 %2\n").arg(port).arg(key);
        QVERIFY(WriteFile(QDir::homePath() + "/.ssh/known_hosts", line.toLatin1()));
    }
    CUpload upload;
    const QString result = upload.TestFTPConnection("127.0.0.1", m_sftp.User(), EncryptString(kPassword),
                                                    m_sftp.Port(), m_sftp.Root(), true);
    QCOMPARE(result == "Success", accepted);
    // Nothing is ever added to the user's file.
    QCOMPARE(ReadFile(QDir::homePath() + "/.ssh/known_hosts").count('\n'), 1);
}

GB_TEST_MAIN(TestUpload)
#include "tst_upload.moc"
