// The program installed the way a user or a packager installs it: `cmake
// --install` into a staging folder (DESTDIR), run from there on the demo
// script with no build tree in sight; the desktop's files checked by the
// desktop's own tools; the job files' types known once installed.
#include "AppTestKit.h"
#include "TestEnv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>

using namespace AppTestKit;

namespace {
const QString AppId = QStringLiteral(GB_TEST_APP_ID);

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// Runs `program` under a timeout; `environment` adds or, with an empty value,
// removes variables.
ToolRun RunTool(const QString& program, const QStringList& arguments,
                const QList<QPair<QString, QString>>& environment = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const auto& [name, value] : environment) {
        if (value.isEmpty())
            env.remove(name);
        else
            env.insert(name, value);
    }
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForStarted(10000))
        return run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished(5000);
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Paths of the files under `folder`, relative to it, sorted.
QStringList FilesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(folder).relativeFilePath(it.next()));
    files.sort();
    return files;
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The demo script and its photos, copied to `folder`.
bool CopyDemo(const QString& folder)
{
    const QString examples = QString(GB_TEST_SOURCE_DIR) + "/examples";
    if (!QDir().mkpath(folder + "/photos") || !QFile::copy(examples + "/demo.gbs", folder + "/demo.gbs"))
        return false;
    const QStringList photos = QDir(examples + "/photos").entryList({"*.jpg"}, QDir::Files);
    for (const QString& photo : photos) {
        if (!QFile::copy(examples + "/photos/" + photo, folder + "/photos/" + photo))
            return false;
    }
    return !photos.isEmpty();
}
} // namespace

class TestInstall : public QObject
{
    Q_OBJECT

private:
    QString stage;                              // the DESTDIR
    QString Staged() const { return stage + "/usr"; } // installed for the prefix /usr
    QString Share() const { return Staged() + "/share"; }

private slots:
    void initTestCase()
    {
        if (!QFileInfo(ProgramPath()).isExecutable())
            QFAIL(qPrintable("the program is not built: " + ProgramPath()));
        stage = TestEnv::NewFolder("stage");
        const ToolRun install = RunTool(GB_TEST_CMAKE, {"--install", GB_TEST_BINARY_DIR, "--prefix", "/usr"},
                                        {{"DESTDIR", stage}});
        QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
    }

    // What the build puts in its Resources folder, the installed copy holds
    // in share/glimmerbox; the desktop's databases of the real system, or
    // of the staging folder, are left alone by a staged install.
    void stagedTree()
    {
        QVERIFY(QFileInfo(Staged() + "/bin/glimmerbox").isExecutable());
        const QStringList built = FilesUnder(QString(GB_TEST_BINARY_DIR) + "/Resources");
        QVERIFY(built.contains("policy.xml") && built.contains("Ln_De.qm"));
        QCOMPARE(FilesUnder(Share() + "/glimmerbox"), built);

        const QByteArray desktop = ReadAll(Share() + "/applications/" + AppId + ".desktop");
        QVERIFY(desktop.contains(("\nIcon=" + AppId + "\n").toUtf8()));
        QVERIFY(desktop.contains("\nExec=glimmerbox %f\n"));
        QVERIFY(QFile::exists(Share() + "/mime/packages/" + AppId + ".xml"));
        QVERIFY(!QFile::exists(Share() + "/mime/mime.cache"));
        QVERIFY(!QFile::exists(Share() + "/applications/mimeinfo.cache"));
    }

    // The icon theme gets the SVG and PNG files at the sizes their folders
    // promise, named after the desktop entry's Icon key.
    void icons_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("size"); // 0: the SVG
        QTest::newRow("scalable") << "scalable" << 0;
        for (const int size : {48, 128, 256})
            QTest::newRow(qPrintable(QString::number(size))) << QString("%1x%1").arg(size) << size;
    }

    void icons()
    {
        QFETCH(QString, folder);
        QFETCH(int, size);
        const QString base = Share() + "/icons/hicolor/" + folder + "/apps/" + AppId;
        if (size == 0) {
            QVERIFY(ReadAll(base + ".svg").contains("<svg"));
        } else {
            const QImage image(base + ".png");
            QCOMPARE(image.size(), QSize(size, size));
            QVERIFY(image.hasAlphaChannel());
        }
    }

    // The installed program, started from another folder on a copy of the
    // demo with GLIMMERBOX_RESOURCES unset, finds its installed Resources
    // folder and writes what the build tree's program writes.
    void installedProgramRunsDemo()
    {
        const QString root = TestEnv::NewFolder("demo");
        QVERIFY(CopyDemo(root + "/jobs"));
        QVERIFY(QDir().mkpath(root + "/elsewhere"));
        const QString script = root + "/jobs/demo.gbs";
        const QStringList unset{"GLIMMERBOX_RESOURCES"};

        const RunResult built = RunProgram({script}, root + "/elsewhere", root + "/built", 60000, unset);
        const RunResult installed = RunProgram({script}, root + "/elsewhere", root + "/installed", 60000, unset,
                                               Staged() + "/bin/glimmerbox");
        for (const RunResult* run : {&built, &installed}) {
            QVERIFY(run->finished);
            QVERIFY2(run->exitCode == 0, qPrintable(QString("exit %1: %2").arg(run->exitCode).arg(run->err)));
            // Found its Resources folder: ImageMagick's policy and the
            // interface's translation were there.
            QVERIFY2(!run->trace.contains("no policy file at"), qPrintable(run->trace));
            QVERIFY2(!run->trace.contains("no translation Ln_"), qPrintable(run->trace));
        }
        auto sameText = [](const RunResult& run, const QString& text) {
            return QString(text).replace(run.home, "HOME");
        };
        QCOMPARE(sameText(installed, installed.out), sameText(built, built.out));
        QCOMPARE(sameText(installed, installed.err), sameText(built, built.err));

        const QString builtOut = built.home + "/Pictures/Glimmerbox Demo";
        const QString installedOut = installed.home + "/Pictures/Glimmerbox Demo";
        const QStringList outputs = FilesUnder(builtOut);
        QCOMPARE(outputs.size(), QDir(root + "/jobs/photos").entryList(QDir::Files).size());
        QCOMPARE(FilesUnder(installedOut), outputs);
        for (const QString& name : outputs)
            QVERIFY2(ReadAll(installedOut + "/" + name) == ReadAll(builtOut + "/" + name), qPrintable(name));
    }

    // The desktop entry, the software-centre listing and the file-type
    // package pass the desktop's own checks, without a word of warning.
    void validators_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("file"); // under share/
        QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList()
                                       << "applications/" + AppId + ".desktop";
        QTest::newRow("metainfo") << "appstreamcli" << QStringList{"validate", "--no-net"}
                                  << "metainfo/" + AppId + ".metainfo.xml";
        QTest::newRow("MIME package") << "xmllint" << QStringList{"--noout"}
                                      << "mime/packages/" + AppId + ".xml";
    }

    void validators()
    {
        QFETCH(QString, tool);
        QFETCH(QStringList, options);
        QFETCH(QString, file);
        const QString program = QStandardPaths::findExecutable(tool);
        if (program.isEmpty())
            QFAIL(qPrintable(tool + " is missing (scripts/install-deps.sh installs it)"));
        const ToolRun run = RunTool(program, options << Share() + "/" + file);
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        // appstreamcli's last line says the validation passed; anything
        // else is a complaint.
        QStringList said = (run.out + run.err).split('\n', Qt::SkipEmptyParts);
        said.removeIf([](const QString& line) { return line.contains("Validation was successful"); });
        QVERIFY2(said.isEmpty(), qPrintable(said.join('\n')));
    }

    // Installed in place into a user's prefix (XDG_DATA_HOME is its share
    // folder), the install step builds the desktop's databases: the MIME
    // types name a profile and a script, and the desktop entry opens both.
    void fileTypesOnceInstalled_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("comment");
        QTest::newRow("profile") << "job.gbf" << "resources/bundle/Profiles/AutoContrast.gbf"
                                 << GB_TEST_MIME_PROFILE << "Glimmerbox profile";
        QTest::newRow("script") << "job.gbs" << "examples/demo.gbs" << GB_TEST_MIME_SCRIPT << "Glimmerbox script";
    }

    void fileTypesOnceInstalled()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, source);
        QFETCH(QString, type);
        QFETCH(QString, comment);
        const QString share = qEnvironmentVariable("XDG_DATA_HOME");
        QVERIFY(share.startsWith(TestEnv::Root()));
        if (!QFile::exists(share + "/mime/mime.cache")) {
            const ToolRun install =
                RunTool(GB_TEST_CMAKE, {"--install", GB_TEST_BINARY_DIR, "--component", "desktop", "--prefix",
                                        QDir::cleanPath(share + "/..")},
                        {{"DESTDIR", QString()}});
            QVERIFY2(install.exitCode == 0, qPrintable(install.out + install.err));
            QVERIFY2(install.err.isEmpty(), qPrintable(install.err));
            QVERIFY2(QFile::exists(share + "/mime/mime.cache"), qPrintable(install.out));
            QVERIFY(!QFile::exists(share + "/../bin/glimmerbox")); // the desktop's files alone
        }
        const QByteArray handlers = ReadAll(share + "/applications/mimeinfo.cache");
        QVERIFY2(handlers.contains((type + "=" + AppId + ".desktop;").toUtf8()), handlers.constData());

        const QString file = TestEnv::NewFolder("types") + "/" + fileName;
        QVERIFY(QFile::copy(QString(GB_TEST_SOURCE_DIR) + "/" + source, file));
        QMimeDatabase types;
        // The database looks for new folders every few seconds.
        QTRY_COMPARE_WITH_TIMEOUT(types.mimeTypeForFile(file).name(), type, 10000);
        const QMimeType found = types.mimeTypeForFile(file);
        QVERIFY(found.inherits("application/xml"));
        QCOMPARE(found.comment(), comment);
    }
};

GB_TEST_MAIN(TestInstall)
#include "tst_install.moc"
