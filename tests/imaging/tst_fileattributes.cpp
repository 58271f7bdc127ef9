#include "FileAttributes.h"
#include "TestEnv.h"

#include <QFile>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray Native(const QString& path)
{
    return path.toUtf8();
}

bool MakeFile(const QString& path, const QByteArray& content = "data")
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// Reads (set < 0) or sets/clears the immutable flag; -1 when not possible.
int Immutable(const QString& path, int set = -1)
{
    const int fd = ::open(Native(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0)
        return -1;
    int flags = 0;
    int result = -1;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        if (set >= 0) {
            flags = set ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
            if (::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0)
                result = set;
        } else {
            result = (flags & FS_IMMUTABLE_FL) ? 1 : 0;
        }
    }
    ::close(fd);
    return result;
}

struct stat Stat(const QString& path)
{
    struct stat info {};
    ::stat(Native(path).constData(), &info);
    return info;
}
} // namespace

class TestFileAttributes : public QObject
{
    Q_OBJECT
private slots:
    void carriesTimesAndPermissions_data();
    void carriesTimesAndPermissions();
    void unreadableSourceChangesNothing();
    void disableReadOnly_data();
    void disableReadOnly();
    void lockedSourceGivesUnlockedOutput();
};

void TestFileAttributes::carriesTimesAndPermissions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("mode");
    QTest::newRow("ascii") << "photo.jpg" << 0640;
    QTest::newRow("non-ascii") << QString::fromUtf8("Fotó Łódź 写真.jpg") << 0604;
    QTest::newRow("read-only") << "readonly.jpg" << 0444;
}

void TestFileAttributes::carriesTimesAndPermissions()
{
    QFETCH(QString, name);
    QFETCH(int, mode);
    const QString folder = TestEnv::NewFolder("attrs");
    const QString source = folder + "/" + name;
    const QString output = folder + "/out-" + name;
    QVERIFY(MakeFile(source));
    QVERIFY(MakeFile(output, "written later"));
    const timespec times[2] = {{978307200, 250000000}, {981173106, 123456789}}; // 2001
    QCOMPARE(::utimensat(AT_FDCWD, Native(source).constData(), times, 0), 0);
    QCOMPARE(::chmod(Native(source).constData(), mode_t(mode)), 0);

    FileAttributes::Values values;
    QVERIFY(FileAttributes::Read(Native(source).constData(), &values));
    QVERIFY(values.valid);
    QVERIFY(FileAttributes::Write(Native(output).constData(), values));
    const struct stat after = Stat(output);
    QCOMPARE(qint64(after.st_mtim.tv_sec), qint64(981173106));
    QCOMPARE(qint64(after.st_mtim.tv_nsec), qint64(123456789));
    QCOMPARE(qint64(after.st_atim.tv_sec), qint64(978307200));
    QCOMPARE(int(after.st_mode & 07777), mode);
    QCOMPARE(after.st_uid, Stat(source).st_uid);
}

void TestFileAttributes::unreadableSourceChangesNothing()
{
    const QString folder = TestEnv::NewFolder("attrs-missing");
    const QString output = folder + "/out.jpg";
    QVERIFY(MakeFile(output));
    QCOMPARE(::chmod(Native(output).constData(), 0600), 0);
    const struct stat before = Stat(output);

    FileAttributes::Values values;
    QVERIFY(!FileAttributes::Read(Native(folder + "/missing.jpg").constData(), &values));
    QVERIFY(!values.valid);
    QVERIFY(!FileAttributes::Write(Native(output).constData(), values));
    QVERIFY(!FileAttributes::Read("", &values));
    QVERIFY(!FileAttributes::Read(nullptr, &values));
    QVERIFY(!FileAttributes::Read(Native(output).constData(), nullptr));
    const struct stat after = Stat(output);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(qint64(after.st_mtim.tv_nsec), qint64(before.st_mtim.tv_nsec));

    // A valid set onto a missing output fails too.
    QVERIFY(FileAttributes::Read(Native(output).constData(), &values));
    QVERIFY(!FileAttributes::Write(Native(folder + "/gone.jpg").constData(), values));
}

void TestFileAttributes::disableReadOnly_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("result");
    QTest::newRow("unlocked") << "unlocked" << false;
    QTest::newRow("locked") << "locked" << true;
    QTest::newRow("missing") << "missing" << false;
    QTest::newRow("empty path") << "empty" << false;
}

void TestFileAttributes::disableReadOnly()
{
    QFETCH(QString, state);
    QFETCH(bool, result);
    const QString folder = TestEnv::NewFolder("locked");
    QString path = folder + "/photo.jpg";
    if (state == "missing")
        path = folder + "/gone.jpg";
    else if (state == "empty")
        path.clear();
    else
        QVERIFY(MakeFile(path));
    if (state == "locked") {
        if (::geteuid() != 0)
            QSKIP("setting the immutable flag needs root");
        if (Immutable(path, 1) != 1)
            QSKIP("this file system has no immutable flag");
    }
    QCOMPARE(FileAttributes::DisableReadOnly(Native(path).constData()), result);
    if (state == "locked" || state == "unlocked") {
        QCOMPARE(Immutable(path), 0);
        QVERIFY(QFile::remove(path)); // deletable now
    }
}

void TestFileAttributes::lockedSourceGivesUnlockedOutput()
{
    if (::geteuid() != 0)
        QSKIP("setting the immutable flag needs root");
    const QString folder = TestEnv::NewFolder("locked-source");
    const QString source = folder + "/source.jpg";
    const QString output = folder + "/output.jpg";
    QVERIFY(MakeFile(source));
    QVERIFY(MakeFile(output));
    if (Immutable(source, 1) != 1)
        QSKIP("this file system has no immutable flag");
    FileAttributes::Values values;
    const bool read = FileAttributes::Read(Native(source).constData(), &values);
    Immutable(source, 0);
    QVERIFY(read);
    QVERIFY(FileAttributes::Write(Native(output).constData(), values));
    QCOMPARE(Immutable(output), 0);
    QVERIFY(QFile::remove(output));
}

GB_TEST_MAIN(TestFileAttributes)
#include "tst_fileattributes.moc"
