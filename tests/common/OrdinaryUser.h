#pragma once

#include <QProcess>
#include <QString>

#include <sys/types.h>

// Rows where permissions matter run their program as an ordinary user: root
// passes every permission check, so a suite run as root would never meet a
// folder it may not read or a folder another user owns. As root the suite
// drops, in the child process alone, to user ids that no account of the
// machine holds; run by an ordinary user, it runs the child as itself.
namespace OrdinaryUser {

struct SAccount
{
    uid_t uid = 0;
    gid_t gid = 0;
};

// Why no row can run as ordinary user `index` (0 or 1) here; "" when it
// can. An ordinary user running the suite is user 0 and has no second one.
QString Unavailable(int index = 0);
// Ordinary user `index`: two distinct ids, neither root nor the other.
SAccount Account(int index);

// Gives `path`, and everything below a folder, to `account`.
bool GiveTo(const QString& path, const SAccount& account);
// Lets other users pass through the suite's private sandbox (no listing),
// so that they reach the folders a test makes in it.
void OpenSandbox();
// `path` (a program, a library, a folder) where every user can reach it:
// itself when every folder above lets others through, else a copy in the
// sandbox, made once.
QString Reachable(const QString& path);

// The process, once started, runs as `account`: its groups dropped, then
// its group and user ids. A process that cannot drop them never starts.
void RunAs(QProcess& process, const SAccount& account);
// Runs `program` as `account` and returns its exit code (-1 when it did not
// start or end within `timeoutMs`); `output` gets what it wrote, both
// streams. For the small steps of a row's set-up (a folder made as the
// other user, say).
int Execute(const SAccount& account, const QString& program, const QStringList& arguments,
            QString* output = nullptr, int timeoutMs = 30000);

} // namespace OrdinaryUser
