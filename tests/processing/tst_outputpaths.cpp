#include "COutputPaths.h"
#include "CProcessController.h"
#include "Common.h"
#include "Platform.h"
#include "ProcessTestKit.h"
#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <sys/stat.h>

using ProcessTestKit::ReadAll;

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
    void tempFolderRefusesLink();
    void replacingCopyAndMove();
    void placingWithoutReplacing_data();
    void placingWithoutReplacing();
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

void TestOutputPaths::tempFolderRefusesLink()
{
    const QString temp = COutputPaths::TempFolder();
    QDir(temp).removeRecursively();
    const QString elsewhere = TestEnv::NewFolder("elsewhere");
    QVERIFY(QFile::link(elsewhere, temp));
    QVERIFY(!COutputPaths::PrepareTempFolder());
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
