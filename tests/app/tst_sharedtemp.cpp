// Users of one machine share its temporary folder (mode 1777, as /tmp).
// E-mail and upload jobs run there as ordinary users: whatever another user
// or root left at the name the program prefers, the job works, its files
// stay private to its user, and nothing of it lands in another's folder.
#include "AppTestKit.h"
#include "Common.h"
#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QScopeGuard>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

using namespace AppTestKit;
using OrdinaryUser::SAccount;

namespace {

constexpr int kPhotos = 2;

// One user's job in a sandbox of its own: the photos and the script.
struct SJob
{
    QString sandbox;
    QString script;
    QStringList photoNames;
};

// A job that mails `kPhotos` photos without keeping them on disk, or
// uploads them to the FTP server on `ftpPort` when that is not 0.
SJob WriteJob(const QString& sandbox, quint16 ftpPort)
{
    SJob job{sandbox, sandbox + "/job/job.gbs", {}};
    ScriptSetup setup;
    QDir().mkpath(sandbox + "/job/in");
    for (int i = 0; i < kPhotos; ++i) {
        const QString name = QString("photo%1.jpg").arg(i);
        QImage picture(16, 12, QImage::Format_RGB32);
        picture.fill(qRgb(40 * i, 120, 200));
        picture.save(sandbox + "/job/in/" + name);
        setup.photos << sandbox + "/job/in/" + name;
        job.photoNames << name;
    }
    setup.destPath = sandbox + "/job/out";
    setup.filterIds = {3080};
    if (ftpPort) {
        setup.output = {{"Destination", "3"},
                        {"SaveOnDiskFTP", "0"},
                        {"UseSFTP", "0"},
                        {"FTPHost", "127.0.0.1"},
                        {"FTPPort", QString::number(ftpPort)},
                        {"FTPUser", "user"},
                        {"FTPPassword", EncryptString("secret")},
                        {"FTPFolder", "/up"}};
    } else {
        setup.output = {{"Destination", "2"}, {"SaveOnDiskMail", "0"}};
    }
    WriteFile(job.script, ScriptText(setup).toUtf8());
    return job;
}

// Runs the job as `account` with `sharedTemp` as its temporary folder; the
// mail program is a stand-in that accepts every message.
RunResult RunJob(const SAccount& account, const SJob& job, const QString& sharedTemp)
{
    return RunProgramAs(account, {job.script}, job.sandbox + "/job", job.sandbox, 60000,
                        {{"TMPDIR", sharedTemp}, {"GLIMMERBOX_OPENER", "/bin/true"}});
}

QString LogOf(const RunResult& run)
{
    QFile log(run.home + "/Documents/Glimmerbox/Glimmerbox.log");
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

// The e-mail message the summary names as where the results went.
QString MessageOf(const RunResult& run)
{
    static const QRegularExpression line("^glimmerbox: results in (.*\\.eml)$",
                                         QRegularExpression::MultilineOption);
    return line.match(run.out).captured(1);
}

// Why `path` is not private to `account`: a folder between it and `top`
// (not included) that another user owns or may enter. "" when it is private.
QString PrivacyFault(const QString& path, const QString& top, const SAccount& account)
{
    QString folder = QFileInfo(path).absolutePath();
    if (!folder.startsWith(top + "/"))
        return path + " lies outside " + top;
    for (; folder != top; folder = QFileInfo(folder).absolutePath()) {
        struct stat info {};
        if (::lstat(QFile::encodeName(folder).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
            return folder + " is not a folder";
        if (info.st_uid != account.uid || (info.st_mode & 0077) != 0)
            return QString("%1 has owner %2 and mode %3")
                .arg(folder)
                .arg(info.st_uid)
                .arg(info.st_mode & 0777, 0, 8);
    }
    return QString();
}

// The entries at any depth inside `folder` (links not followed) that belong
// to `account`.
QStringList OwnedBy(const QString& folder, const SAccount& account)
{
    QStringList owned;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString entry = it.next();
        struct stat info {};
        if (::lstat(QFile::encodeName(entry).constData(), &info) == 0 && info.st_uid == account.uid)
            owned << entry;
    }
    return owned;
}

// A fresh folder for every user's temporary files, as /tmp is.
QString SharedTemporaryFolder()
{
    const QString folder = TestEnv::NewFolder("shared-tmp");
    ::chmod(QFile::encodeName(folder).constData(), 01777);
    return folder;
}

} // namespace

class TestSharedTemp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!QFileInfo(ProgramPath()).isExecutable())
            QFAIL(qPrintable("the program is not built: " + ProgramPath()));
        OrdinaryUser::OpenSandbox();
    }

    // What stands at the preferred name before the user's job runs, who
    // made it, and the reason the trace gives for not using it.
    void jobBesideAnotherUsersFolder_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("upload");
        QTest::addColumn<QString>("refusal");
        const QString owned = "owned by another user";
        QTest::newRow("e-mail after another user's e-mail") << "mail" << false << owned;
        QTest::newRow("upload after another user's e-mail") << "mail" << true << owned;
        QTest::newRow("e-mail, folder left by root") << "root" << false << owned;
        QTest::newRow("e-mail, another user's folder open to all") << "open" << false << owned;
        QTest::newRow("e-mail, link to another user's folder") << "link" << false << "a link";
    }

    void jobBesideAnotherUsersFolder()
    {
        QFETCH(QString, before);
        QFETCH(bool, upload);
        QFETCH(QString, refusal);
        for (int index : {0, 1}) {
            if (!OrdinaryUser::Unavailable(index).isEmpty())
                QSKIP(qPrintable(OrdinaryUser::Unavailable(index)));
        }
        const SAccount user = OrdinaryUser::Account(0);
        const SAccount other = OrdinaryUser::Account(1);
        const QString root = TestEnv::NewFolder("beside");
        const QString shared = SharedTemporaryFolder();
        const QString preferred = shared + "/GlimmerboxTemp";

        // The folder of someone else where the user's files must not go.
        QString othersFolder = preferred;
        if (before == "mail") {
            const SJob job = WriteJob(root + "/other", 0);
            const RunResult run = RunJob(other, job, shared);
            QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.out + run.err));
            const QString message = MessageOf(run);
            QVERIFY2(QFileInfo::exists(message), qPrintable(run.out));
            const QString fault = PrivacyFault(message, shared, other);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            QVERIFY(OrdinaryUser::Execute(user, "/bin/cat", {message}) != 0);
        } else if (before == "root") {
            QVERIFY(QDir().mkdir(preferred));
            QVERIFY(::chmod(QFile::encodeName(preferred).constData(), 0700) == 0);
        } else if (before == "open") {
            QCOMPARE(OrdinaryUser::Execute(other, "/bin/mkdir", {"-m", "0777", preferred}), 0);
        } else if (before == "link") {
            othersFolder = shared + "/others";
            QCOMPARE(OrdinaryUser::Execute(other, "/bin/mkdir", {"-m", "0777", othersFolder}), 0);
            QCOMPARE(OrdinaryUser::Execute(other, "/bin/ln", {"-s", othersFolder, preferred}), 0);
        }

        FtpServer server;
        if (upload)
            QVERIFY(server.Start(root + "/server", "user", "secret"));
        const SJob job = WriteJob(root + "/user", upload ? server.Port() : 0);
        const RunResult run = RunJob(user, job, shared);
        const QString log = LogOf(run);
        QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.out + run.err + log));
        QVERIFY2(!log.contains("could not be made"), qPrintable(log));
        QVERIFY2(run.trace.contains("refused (" + refusal + "): " + preferred), qPrintable(run.trace));

        if (upload) {
            const QStringList sent = QDir(root + "/server/up").entryList(QDir::Files, QDir::Name);
            QCOMPARE(sent, job.photoNames);
            // The uploaded copies went, and the run's folder with them.
            QCOMPARE(OwnedBy(shared, user), QStringList());
        } else {
            const QString message = MessageOf(run);
            QVERIFY2(QFileInfo::exists(message), qPrintable(run.out));
            const QString fault = PrivacyFault(message, shared, user);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            QVERIFY(OrdinaryUser::Execute(other, "/bin/cat", {message}) != 0);
        }
        QCOMPARE(OwnedBy(othersFolder, user), QStringList());
    }

    // No folder at all can be made (a temporary folder the user may not
    // write, a file at the preferred name): every delivered photo fails
    // with the folder that could not be made and the system's reason, never
    // with the existing file.
    void noFolderCanBeMade()
    {
        if (!OrdinaryUser::Unavailable(0).isEmpty())
            QSKIP(qPrintable(OrdinaryUser::Unavailable(0)));
        const QString root = TestEnv::NewFolder("closed");
        const QString closed = TestEnv::NewFolder("closed-tmp");
        QVERIFY(WriteFile(closed + "/GlimmerboxTemp", "taken"));
        QVERIFY(::chmod(QFile::encodeName(closed).constData(), 0555) == 0);
        const auto reopen = qScopeGuard([&] { ::chmod(QFile::encodeName(closed).constData(), 0755); });
        const SJob job = WriteJob(root + "/user", 0);
        const RunResult run = RunJob(OrdinaryUser::Account(0), job, closed);
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.trace.contains("refused (not a folder): " + closed + "/GlimmerboxTemp"), qPrintable(run.trace));
        const QString denied = QString::fromLocal8Bit(std::strerror(EACCES));
        const QRegularExpression unmade("the temporary folder (\\S+) could not be made: " +
                                        QRegularExpression::escape(denied));
        const QString log = LogOf(run);
        const QRegularExpressionMatch match = unmade.match(log);
        QVERIFY2(match.hasMatch(), qPrintable(log));
        QVERIFY2(!QFileInfo::exists(match.captured(1)), qPrintable(match.captured(1)));
        QCOMPARE(log.count(unmade), kPhotos);
        QVERIFY2(!log.contains("kept in"), qPrintable(log));
    }
};

GB_TEST_MAIN(TestSharedTemp)
#include "tst_sharedtemp.moc"
