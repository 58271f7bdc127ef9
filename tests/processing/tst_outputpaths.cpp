#include "COutputPaths.h"
#include "CProcessController.h"
#include "Common.h"
#include "Platform.h"
#include "ProcessTestKit.h"
#include "ServerFixtures.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>

#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstring>

#include <dlfcn.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using ProcessTestKit::ReadAll;

// Stands in for a file system without anonymous files (FAT, network file
// systems): in a folder whose path holds "no-anonymous", a file opened with
// O_TMPFILE is refused as such a file system refuses it.
extern "C" int openat(int folder, const char* path, int flags, ...)
{
    mode_t mode = 0;
    if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) {
        va_list args;
        va_start(args, flags);
        mode = va_arg(args, mode_t);
        va_end(args);
    }
    if ((flags & O_TMPFILE) == O_TMPFILE) {
        char where[4096] = {};
        const QByteArray link = "/proc/self/fd/" + QByteArray::number(folder);
        if (::readlink(link.constData(), where, sizeof where - 1) > 0 && std::strstr(where, "no-anonymous")) {
            errno = EOPNOTSUPP;
            return -1;
        }
    }
    using Open = int (*)(int, const char*, int, ...);
    static const Open real = reinterpret_cast<Open>(::dlsym(RTLD_NEXT, "openat"));
    return real(folder, path, flags, mode);
}

// Stands in for a file system that refuses every change of mode (FAT, an
// SFTP or phone bridge): files in a folder whose path holds "no-chmod" get
// the errno the test sets here, or the real fchmod while it is 0.
static int refusedModeChange = 0;

extern "C" int fchmod(int fd, mode_t mode)
{
    if (refusedModeChange != 0) {
        char where[4096] = {};
        const QByteArray link = "/proc/self/fd/" + QByteArray::number(fd);
        if (::readlink(link.constData(), where, sizeof where - 1) > 0 && std::strstr(where, "no-chmod")) {
            errno = refusedModeChange;
            return -1;
        }
    }
    using Chmod = int (*)(int, mode_t);
    static const Chmod real = reinterpret_cast<Chmod>(::dlsym(RTLD_NEXT, "fchmod"));
    return real(fd, mode);
}

namespace {

// Everything in a folder, hidden entries included.
QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Writes all of bytes to fd; false (errno set) when the file takes no more.
bool Put(int fd, const QByteArray& bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

mode_t CurrentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

class TestOutputPaths : public QObject
{
    Q_OBJECT
private slots:
    void commonPath_data();
    void commonPath();
    void relocate_data();
    void relocate();
    void numberedName();
    void sameFileKeepsCase();
    void safeFileName_data();
    void safeFileName();
    void destinations();
    void tempFolderIsPrivate();
    void takenTempFolder_data();
    void takenTempFolder();
    void replacingCopyAndMove();
    void placingWithoutReplacing_data();
    void placingWithoutReplacing();
    void failedWriteLeavesNothing_data();
    void failedWriteLeavesNothing();
    void killedWriteLeavesNothing();
    void refusedModeChangeStillPlaces_data();
    void refusedModeChangeStillPlaces();
    void runFoldersApart();
    void temporaryRootOfBadTmpdir_data();
    void temporaryRootOfBadTmpdir();
    void timeTexts_data();
    void timeTexts();
};

void TestOutputPaths::commonPath_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QString>("expected");
    QTest::newRow("text prefix is not a folder") << QStringList{"/a/bc", "/a/b"} << "/a";
    QTest::newRow("siblings") << QStringList{"/x/a/b", "/x/a/c"} << "/x/a";
    QTest::newRow("only the root") << QStringList{"/x/p", "/y/q"} << "";
    QTest::newRow("one folder") << QStringList{"/p/q"} << "/p/q";
    QTest::newRow("nested") << QStringList{"/p/q/r", "/p/q"} << "/p/q";
    QTest::newRow("case counts") << QStringList{"/A/b", "/a/b"} << "";
    QTest::newRow("none") << QStringList{} << "";
}

void TestOutputPaths::commonPath()
{
    QFETCH(QStringList, folders);
    QFETCH(QString, expected);
    QCOMPARE(COutputPaths::FindCommonPath(folders), expected);
}

void TestOutputPaths::relocate_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("common");
    QTest::addColumn<QString>("expected");
    QTest::newRow("below common") << "/x/a/b" << "/x/a" << "/out/b/";
    QTest::newRow("the common folder") << "/x/a" << "/x/a" << "/out/";
    QTest::newRow("only the leading prefix") << "/x/y/x/z" << "/x" << "/out/y/x/z/";
    QTest::newRow("no common folder") << "/x/p" << "" << "/out/x/p/";
    QTest::newRow("text prefix only") << "/a/bc" << "/a/b" << "/out/a/bc/";
}

void TestOutputPaths::relocate()
{
    QFETCH(QString, folder);
    QFETCH(QString, common);
    QFETCH(QString, expected);
    QCOMPARE(COutputPaths::RelocateFolder(folder, common, "/out/"), expected);
}

void TestOutputPaths::numberedName()
{
    QCOMPARE(COutputPaths::NumberedName("/o/", "A", "png", 2), QString("/o/A (2).png"));
    QCOMPARE(COutputPaths::NumberedName("/o/", "noext", "", 3), QString("/o/noext (3)"));
}

void TestOutputPaths::sameFileKeepsCase()
{
    const QString folder = TestEnv::NewFolder("same");
    const QString upper = folder + "/IMG.JPG";
    QFile(upper).open(QIODevice::WriteOnly);
    QVERIFY(COutputPaths::SameFile(upper, upper));
    QVERIFY(!COutputPaths::SameFile(upper, folder + "/IMG.jpg"));
    QVERIFY(COutputPaths::SameFile(upper, folder + "/./IMG.JPG"));
}

void TestOutputPaths::safeFileName_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "job-1_a.b" << "job-1_a.b";
    QTest::newRow("climbing") << "../../x" << ".._.._x";
    QTest::newRow("dots only") << ".." << "__";
    QTest::newRow("empty") << "" << "_";
    QTest::newRow("slashes") << "/etc/passwd" << "_etc_passwd";
}

void TestOutputPaths::safeFileName()
{
    QFETCH(QString, id);
    QFETCH(QString, expected);
    QCOMPARE(COutputPaths::SafeFileName(id), expected);
}

void TestOutputPaths::destinations()
{
    QCOMPARE(COutputPaths::EffectiveDestination(2), 2);
    QCOMPARE(COutputPaths::EffectiveDestination(3), 3);
    QCOMPARE(COutputPaths::EffectiveDestination(0), 1);
    QCOMPARE(COutputPaths::EffectiveDestination(7), 1);
    QCOMPARE(COutputPaths::ExpandDestPath("#MyPictures"), GetMyPictures());
    QCOMPARE(COutputPaths::ExpandDestPath("/a/#mypictures"), QString("/a/#mypictures"));
}

void TestOutputPaths::tempFolderIsPrivate()
{
    const QString temp = COutputPaths::TempFolder();
    QVERIFY(temp.startsWith(QDir::tempPath()));
    QDir(temp).removeRecursively();
    QVERIFY(COutputPaths::PrepareTempFolder());
    struct stat info {};
    QCOMPARE(::lstat(QFile::encodeName(temp).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), 0700);
    // An existing folder with a loose mode is tightened.
    QVERIFY(::chmod(QFile::encodeName(temp).constData(), 0777) == 0);
    QVERIFY(COutputPaths::PrepareTempFolder());
    QCOMPARE(::lstat(QFile::encodeName(temp).constData(), &info), 0);
    QCOMPARE(int(info.st_mode & 0777), 0700);
}

void TestOutputPaths::takenTempFolder_data()
{
    QTest::addColumn<QString>("taken"); // what stands at the temporary folder's name
    QTest::addColumn<QString>("refusal");
    QTest::newRow("a link to a folder") << "link" << "a link";
    QTest::newRow("a file") << "file" << "not a folder";
}

// A temporary folder's name that something else took is refused with its
// reason, and a run goes to a private folder beside it instead: nothing is
// written through the link.
void TestOutputPaths::takenTempFolder()
{
    QFETCH(QString, taken);
    QFETCH(QString, refusal);
    const QString temp = COutputPaths::TempFolder();
    QDir(temp).removeRecursively();
    const QString elsewhere = TestEnv::NewFolder("elsewhere");
    QVERIFY(taken == "link" ? QFile::link(elsewhere, temp) : ServerFixtures::WriteFile(temp, "x"));
    const auto restore = qScopeGuard([&] { QFile::remove(temp); });
    TraceCapture trace;
    QVERIFY(!COutputPaths::PrepareTempFolder());
    const QString run = COutputPaths::CreateRunFolder();
    QVERIFY(trace.Contains("refused (" + refusal + "): " + temp));
    QVERIFY(!run.isEmpty());
    QCOMPARE(QFileInfo(run).absolutePath(), TemporaryRoot());
    QVERIFY2(QFileInfo(run).fileName().startsWith("GlimmerboxTemp-"), qPrintable(run));
    struct stat info {};
    QCOMPARE(::lstat(QFile::encodeName(run).constData(), &info), 0);
    QVERIFY(S_ISDIR(info.st_mode));
    QCOMPARE(int(info.st_mode & 0777), 0700);
    QCOMPARE(Entries(elsewhere), QStringList());
    COutputPaths::RemoveRunFolderIfEmpty(run);
    QVERIFY(!QFileInfo::exists(run));
    QFile::remove(temp);
    QVERIFY(COutputPaths::PrepareTempFolder());
}

void TestOutputPaths::replacingCopyAndMove()
{
    const QString folder = TestEnv::NewFolder("replace");
    auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(folder + "/src", "new");
    write(folder + "/dst", "old");
    QVERIFY(COutputPaths::CopyReplacing(folder + "/src", folder + "/dst"));
    QFile dst(folder + "/dst");
    QVERIFY(dst.open(QIODevice::ReadOnly));
    QCOMPARE(dst.readAll(), QByteArray("new"));
    QVERIFY(QFile::exists(folder + "/src"));
    // A missing source leaves the target alone.
    QVERIFY(!COutputPaths::CopyReplacing(folder + "/missing", folder + "/dst"));
    QVERIFY(QFile::exists(folder + "/dst"));
    QVERIFY(COutputPaths::RenameInto(folder + "/src", folder + "/moved", true) == AtomicWrite::Placed::Done);
    QVERIFY(!QFile::exists(folder + "/src"));
    QVERIFY(QFile::exists(folder + "/moved"));
    // No temporary file is left behind.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

void TestOutputPaths::placingWithoutReplacing_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<QString>("inTheWay"); // "" (name free), "file", "link", "dangling", "folder"
    for (const char* road : {"write", "copy", "rename"}) {
        for (const char* way : {"", "file", "link", "dangling", "folder"})
            QTest::newRow(qPrintable(QString("%1, %2").arg(road, *way ? way : "free"))) << road << way;
    }
}

// Whatever took the name after the caller's check stays untouched and the
// placement says Taken; a free name is taken. Nothing is left behind.
void TestOutputPaths::placingWithoutReplacing()
{
    QFETCH(QString, road);
    QFETCH(QString, inTheWay);
    const QString folder = TestEnv::NewFolder("noreplace");
    const QString target = folder + "/out.jpg";
    const QString source = folder + "/in.jpg";
    QVERIFY(ServerFixtures::WriteFile(source, "new"));
    QVERIFY(ServerFixtures::WriteFile(folder + "/victim", "the link's target"));
    if (inTheWay == "file")
        QVERIFY(ServerFixtures::WriteFile(target, "another run's"));
    else if (inTheWay == "link")
        QVERIFY(QFile::link(folder + "/victim", target));
    else if (inTheWay == "dangling")
        QVERIFY(QFile::link(folder + "/nowhere", target));
    else if (inTheWay == "folder")
        QVERIFY(QDir().mkpath(target));

    AtomicWrite::Placed placed = AtomicWrite::Placed::Failed;
    if (road == "write")
        placed = AtomicWrite::WriteBytes(target, "new", 3, false, false);
    else if (road == "copy")
        placed = COutputPaths::CopyWithoutReplacing(source, target);
    else
        placed = COutputPaths::RenameInto(source, target, false);

    const QStringList before = {"in.jpg", "victim"};
    if (inTheWay.isEmpty()) {
        QVERIFY(placed == AtomicWrite::Placed::Done);
        QCOMPARE(ReadAll(target), QByteArray("new"));
        QCOMPARE(QFile::exists(source), road != "rename");
    } else {
        QVERIFY(placed == AtomicWrite::Placed::Taken);
        QVERIFY(QFile::exists(source));
        const QFileInfo info(target);
        QCOMPARE(info.isSymLink(), inTheWay == "link" || inTheWay == "dangling");
        if (inTheWay == "file")
            QCOMPARE(ReadAll(target), QByteArray("another run's"));
    }
    QCOMPARE(ReadAll(folder + "/victim"), QByteArray("the link's target"));
    // No temporary file is left behind.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).filter(".gb"), QStringList());
}

void TestOutputPaths::failedWriteLeavesNothing_data()
{
    QTest::addColumn<bool>("anonymous");  // the file system has anonymous files
    QTest::addColumn<QString>("mishap"); // what happens while the bytes are written
    QTest::addColumn<bool>("replace");   // an older out.jpg is there, to be replaced
    QTest::addColumn<int>("expected");   // AtomicWrite::Placed
    QTest::addColumn<QString>("reason"); // errno's words after a failure
    QTest::addColumn<QByteArray>("left"); // out.jpg afterwards ("" for none)
    const int done = int(AtomicWrite::Placed::Done);
    const int taken = int(AtomicWrite::Placed::Taken);
    const int failed = int(AtomicWrite::Placed::Failed);
    // Where the file system has no anonymous files, a hidden named one
    // stands in: it goes too.
    for (const bool anonymous : {true, false}) {
        const auto row = [&](const char* name) -> QTestData& {
            return QTest::newRow(qPrintable(QString(name) + (anonymous ? "" : ", named temporary file")))
                   << anonymous;
        };
        row("folder moved, encoder fails") << "move, fail" << false << failed << "Input/output error"
                                            << QByteArray();
        row("folder moved") << "move" << false << done << "" << QByteArray("new");
        row("folder moved, replacing") << "move" << true << done << "" << QByteArray("new");
        row("folder moved, name taken there") << "move, take" << false << taken << ""
                                               << QByteArray("another run's");
    }
    QTest::newRow("folder locked") << true << "lock" << false << failed << "Operation not permitted" << QByteArray();
    QTest::newRow("folder locked, replacing") << true << "lock" << true << failed << "Operation not permitted"
                                              << QByteArray("old");
    QTest::newRow("disk full") << true << "fill" << false << failed << "No space left on device" << QByteArray();
}

// However a write ends, the folder it was writing in (wherever that went
// meanwhile) holds no temporary file afterwards, and a failure says why.
void TestOutputPaths::failedWriteLeavesNothing()
{
    QFETCH(bool, anonymous);
    QFETCH(QString, mishap);
    QFETCH(bool, replace);
    QFETCH(int, expected);
    QFETCH(QString, reason);
    QFETCH(QByteArray, left);
    const QString root = TestEnv::NewFolder(anonymous ? "mishap" : "mishap-no-anonymous");
    const QString folder = root + "/out";
    const QString moved = root + "/moved";
    QVERIFY(QDir().mkpath(folder));
    bool mounted = false;
    bool locked = false;
    const auto restore = qScopeGuard([&] {
        if (locked)
            TestEnv::SetImmutable(folder, false);
        if (mounted)
            ::umount2(QFile::encodeName(folder).constData(), MNT_DETACH);
    });
    if (mishap == "fill") {
        mounted = ::mount("tmpfs", QFile::encodeName(folder).constData(), "tmpfs", 0, "size=64k") == 0;
        if (!mounted)
            QSKIP("a file system cannot be mounted here (needs root)");
    }
    if (replace)
        QVERIFY(ServerFixtures::WriteFile(folder + "/out.jpg", "old"));

    bool named = false; // the file in progress has a name in the folder
    const auto fill = [&](int fd) {
        if (!Put(fd, "new"))
            return false;
        named = Entries(folder).filter(QRegularExpression("^\\.gbwrite-")).size() == 1;
        if (mishap == "lock") {
            locked = TestEnv::SetImmutable(folder, true);
            return true;
        }
        if (mishap == "fill")
            return Put(fd, QByteArray(1 << 20, 'x'));
        if (::rename(QFile::encodeName(folder).constData(), QFile::encodeName(moved).constData()) != 0)
            return false;
        if (mishap.endsWith("take"))
            return ServerFixtures::WriteFile(moved + "/out.jpg", "another run's");
        if (mishap.endsWith("fail"))
            errno = EIO;
        return !mishap.endsWith("fail");
    };
    const AtomicWrite::Placed placed = AtomicWrite::WriteWith(folder + "/out.jpg", fill, false, replace);
    const int error = errno;
    if (mishap == "lock" && !locked)
        QSKIP("a folder cannot be locked here (needs root)");
    if (locked)
        locked = !TestEnv::SetImmutable(folder, false);

    QCOMPARE(int(placed), expected);
    if (placed == AtomicWrite::Placed::Failed)
        QCOMPARE(QString::fromLocal8Bit(std::strerror(error)), reason);
    const QString where = mishap.startsWith("move") ? moved : folder;
    QCOMPARE(Entries(where), left.isEmpty() ? QStringList() : QStringList{"out.jpg"});
    if (!left.isEmpty())
        QCOMPARE(ReadAll(where + "/out.jpg"), left);
    // A new file has the usual mode.
    if (placed == AtomicWrite::Placed::Done) {
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(where + "/out.jpg").constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 07777), int(0666 & ~CurrentUmask()));
    }
    if (where == moved)
        QVERIFY(!QFileInfo::exists(folder));
    // Where it can, the file has no name at all until it is complete.
    QCOMPARE(named, !anonymous);
}

void TestOutputPaths::refusedModeChangeStillPlaces_data()
{
    QTest::addColumn<QString>("road");  // "copy", "copy replacing", "write replacing"
    QTest::addColumn<int>("refusal");   // fchmod's errno; 0 where it works
    const QList<QPair<const char*, int>> refusals = {
        {"works", 0}, {"EPERM", EPERM}, {"ENOSYS", ENOSYS}, {"EOPNOTSUPP", EOPNOTSUPP}};
    for (const char* road : {"copy", "copy replacing", "write replacing"}) {
        for (const auto& [name, error] : refusals)
            QTest::newRow(qPrintable(QString("%1, chmod %2").arg(road, name))) << road << error;
    }
}

// A file system that refuses a change of mode still gets the bytes: the file
// has the mode it gives, and nothing is left behind. Where the change works,
// a copy has its source's mode and a replaced file keeps its own.
void TestOutputPaths::refusedModeChangeStillPlaces()
{
    QFETCH(QString, road);
    QFETCH(int, refusal);
    const QString folder = TestEnv::NewFolder(refusal ? "no-chmod" : "chmod");
    const QString source = TestEnv::NewFolder("modes") + "/in.jpg";
    const QString target = folder + "/out.jpg";
    QVERIFY(ServerFixtures::WriteFile(source, "new"));
    QVERIFY(QFile::setPermissions(source, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup));
    if (road.endsWith("replacing")) {
        QVERIFY(ServerFixtures::WriteFile(target, "old"));
        QVERIFY(QFile::setPermissions(target, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }
    refusedModeChange = refusal;
    const auto restore = qScopeGuard([] { refusedModeChange = 0; });
    QString why;
    AtomicWrite::Placed placed = AtomicWrite::Placed::Failed;
    if (road == "copy")
        placed = COutputPaths::CopyWithoutReplacing(source, target, &why);
    else if (road == "copy replacing")
        placed = COutputPaths::CopyReplacing(source, target, &why) ? AtomicWrite::Placed::Done : placed;
    else
        placed = AtomicWrite::WriteBytes(target, "new", 3, true, true);
    refusedModeChange = 0;

    QVERIFY2(placed == AtomicWrite::Placed::Done, qPrintable(why));
    QCOMPARE(ReadAll(target), QByteArray("new"));
    QCOMPARE(Entries(folder), QStringList{"out.jpg"});
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(target).constData(), &info), 0);
    const int wanted = road.startsWith("copy") ? 0640 : 0600;
    QCOMPARE(int(info.st_mode & 07777), refusal ? int(0666 & ~CurrentUmask()) : wanted);
}

// A writer killed midway leaves nothing: while it writes, the new file has
// no name in the folder at all.
void TestOutputPaths::killedWriteLeavesNothing()
{
    const QString folder = TestEnv::NewFolder("killed");
    int ready[2];
    QCOMPARE(::pipe(ready), 0);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        ::close(ready[0]);
        const auto fill = [&](int fd) {
            const bool ok = Put(fd, "half a photo");
            if (::write(ready[1], ok ? "w" : "f", 1) == 1) {
                for (;;)
                    ::pause();
            }
            return false;
        };
        AtomicWrite::WriteWith(folder + "/out.jpg", fill, false, false);
        ::_exit(1);
    }
    ::close(ready[1]);
    bool reaped = false;
    const auto reap = qScopeGuard([&] {
        if (!reaped) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
        ::close(ready[0]);
    });
    pollfd writing{ready[0], POLLIN, 0};
    QCOMPARE(::poll(&writing, 1, 10000), 1);
    char state = 0;
    QCOMPARE(::read(ready[0], &state, 1), ssize_t(1));
    QCOMPARE(state, 'w');
    QCOMPARE(Entries(folder), QStringList());

    QCOMPARE(::kill(child, SIGKILL), 0);
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    reaped = true;
    QVERIFY(WIFSIGNALED(status));
    QCOMPARE(Entries(folder), QStringList());
}

// Every run gets a folder of its own, private to the user; it goes once
// emptied, never while something is left in it.
void TestOutputPaths::runFoldersApart()
{
    const QString first = COutputPaths::CreateRunFolder();
    const QString second = COutputPaths::CreateRunFolder();
    QVERIFY(!first.isEmpty() && !second.isEmpty() && first != second);
    for (const QString& folder : {first, second}) {
        QCOMPARE(QFileInfo(folder).absolutePath(), COutputPaths::TempFolder());
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(folder).constData(), &info), 0);
        QCOMPARE(int(info.st_mode & 0777), 0700);
    }
    QVERIFY(QDir().mkpath(first + "/a/b"));
    QVERIFY(ServerFixtures::WriteFile(second + "/sub/ComposedEmail-1.eml", "waiting"));
    COutputPaths::RemoveRunFolderIfEmpty(first);
    COutputPaths::RemoveRunFolderIfEmpty(second);
    QVERIFY(!QFileInfo::exists(first));
    QCOMPARE(ReadAll(second + "/sub/ComposedEmail-1.eml"), QByteArray("waiting"));
    QVERIFY(QFileInfo(COutputPaths::TempFolder()).isDir());
}

void TestOutputPaths::temporaryRootOfBadTmpdir_data()
{
    QTest::addColumn<QString>("tmpdir"); // relative to a fresh folder; "*" for none
    QTest::addColumn<bool>("usable");
    QTest::newRow("an existing folder") << "tmp" << true;
    QTest::newRow("a missing folder") << "missing/tmp" << false;
    QTest::newRow("a file") << "file" << false;
    QTest::newRow("the root") << "/" << false;
}

// A TMPDIR that names no folder gives the system's own temporary folder,
// never the root of the file system.
void TestOutputPaths::temporaryRootOfBadTmpdir()
{
    QFETCH(QString, tmpdir);
    QFETCH(bool, usable);
    const QString folder = TestEnv::NewFolder("tmproot");
    QVERIFY(QDir().mkpath(folder + "/tmp"));
    QVERIFY(ServerFixtures::WriteFile(folder + "/file", "x"));
    const QByteArray saved = qgetenv("TMPDIR");
    const auto restore = qScopeGuard([&] { qputenv("TMPDIR", saved); });
    const QString value = tmpdir.startsWith('/') ? tmpdir : folder + "/" + tmpdir;
    qputenv("TMPDIR", QFile::encodeName(value));
    QCOMPARE(TemporaryRoot(), usable ? value : QString("/tmp"));
    QCOMPARE(COutputPaths::TempFolder(), (usable ? value : QString("/tmp")) + "/GlimmerboxTemp");
}

void TestOutputPaths::timeTexts_data()
{
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("shortForm");
    QTest::addColumn<QString>("longForm");
    QTest::newRow("minutes") << qint64(83456) << "1:23.4s" << "01:23";
    QTest::newRow("hours") << qint64(3723000) << "1:02:03.0s" << "01:02:03";
    QTest::newRow("seconds") << qint64(5000) << "5.0s" << "00:05";
    QTest::newRow("one minute five") << qint64(65000) << "1:05.0s" << "01:05";
}

void TestOutputPaths::timeTexts()
{
    QFETCH(qint64, ms);
    QFETCH(QString, shortForm);
    QFETCH(QString, longForm);
    QCOMPARE(CProcessController::TimeN2ShortS(ms), shortForm);
    QCOMPARE(CProcessController::TimeN2LongS(ms), longForm);
}

GB_TEST_MAIN(TestOutputPaths)
#include "tst_outputpaths.moc"
