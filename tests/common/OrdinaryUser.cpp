#include "OrdinaryUser.h"

#include "TestEnv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t kFirstCandidate = 61000;

bool IsRoot()
{
    return ::geteuid() == 0;
}

// Drops the calling process to `account`, for good. Only system calls: it
// also runs between fork and exec.
bool Drop(const OrdinaryUser::SAccount& account)
{
    return ::setgroups(0, nullptr) == 0 && ::setresgid(account.gid, account.gid, account.gid) == 0 &&
           ::setresuid(account.uid, account.uid, account.uid) == 0;
}

// Two ids that no account of the machine holds, for root's rows.
const QList<OrdinaryUser::SAccount>& Unused()
{
    static const QList<OrdinaryUser::SAccount> accounts = [] {
        QList<OrdinaryUser::SAccount> found;
        for (uid_t id = kFirstCandidate; found.size() < 2 && id < kFirstCandidate + 1000; ++id) {
            if (!::getpwuid(id) && !::getgrgid(id))
                found.append({id, gid_t(id)});
        }
        return found;
    }();
    return accounts;
}

// Whether root can become `account` here (a user namespace may map no
// other id): tried in a child that does nothing else.
bool CanDropTo(const OrdinaryUser::SAccount& account)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(Drop(account) ? 0 : 1);
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Every folder above `path` lets others through, and they may read it.
bool OthersReach(const QString& path)
{
    QString walk = QFileInfo(path).absoluteFilePath();
    struct stat info {};
    if (::stat(QFile::encodeName(walk).constData(), &info) != 0 || !(info.st_mode & S_IROTH))
        return false;
    while (walk != "/") {
        walk = QFileInfo(walk).absolutePath();
        if (::stat(QFile::encodeName(walk).constData(), &info) != 0 || !(info.st_mode & S_IXOTH))
            return false;
    }
    return true;
}

} // namespace

namespace OrdinaryUser {

QString Unavailable(int index)
{
    if (!IsRoot())
        return index == 0 ? QString() : "the suite runs as an ordinary user, who cannot act as a second one";
    if (Unused().size() <= index)
        return "no unused user id was found";
    static const bool canDrop = CanDropTo(Unused().constFirst());
    return canDrop ? QString() : "root cannot take another user id here (a user namespace without one)";
}

SAccount Account(int index)
{
    if (!IsRoot())
        return {::getuid(), ::getgid()};
    return Unused().value(index);
}

bool GiveTo(const QString& path, const SAccount& account)
{
    const auto give = [&](const QString& one) {
        return ::lchown(QFile::encodeName(one).constData(), account.uid, account.gid) == 0;
    };
    bool ok = give(path);
    if (!QFileInfo(path).isDir() || QFileInfo(path).isSymLink())
        return ok;
    QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        ok = give(it.next()) && ok;
    return ok;
}

void OpenSandbox()
{
    QFile::setPermissions(TestEnv::Root(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                               QFile::ExeGroup | QFile::ExeOther);
}

QString Reachable(const QString& path)
{
    if (OthersReach(path))
        return path;
    static QHash<QString, QString> copies;
    QString& copy = copies[path];
    if (copy.isEmpty()) {
        OpenSandbox();
        const QString folder = TestEnv::Root() + "/reachable";
        QDir().mkpath(folder);
        const QString target = folder + "/" + QString::number(copies.size()) + "-" + QFileInfo(path).fileName();
        if (QProcess::execute("cp", {"-a", path, target}) == 0 &&
            QProcess::execute("chmod", {"-R", "a+rX", target}) == 0)
            copy = target;
    }
    return copy.isEmpty() ? path : copy;
}

void RunAs(QProcess& process, const SAccount& account)
{
    if (!IsRoot())
        return;
    process.setChildProcessModifier([account] {
        if (!Drop(account))
            ::_exit(126);
    });
}

int Execute(const SAccount& account, const QString& program, const QStringList& arguments, QString* output,
            int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    RunAs(process, account);
    process.start(program, arguments);
    const bool ended = process.waitForStarted(timeoutMs) && process.waitForFinished(timeoutMs);
    if (!ended)
        process.kill();
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace OrdinaryUser
