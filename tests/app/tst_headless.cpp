// The program run on a script handed to it: the whole batch without a
// window, its outputs, log and exit status, and scripts that must not run.
#include "AppTestKit.h"
#include "Common.h"
#include "PngChunks.h"
#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QScopeGuard>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

#include <unistd.h>

using namespace AppTestKit;

class TestHeadless : public QObject
{
    Q_OBJECT

private:
    static QStringList FilesIn(const QString& folder)
    {
        return QDir(folder).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    }

private slots:
    void initTestCase()
    {
        if (!QFileInfo(ProgramPath()).isExecutable())
            QFAIL(qPrintable("the program is not built: " + ProgramPath()));
    }

    // A silent script over real photos: every photo written, negated, the
    // log lists each one, the summary names the folder, exit 0.
    void silentScriptOverRealPhotos()
    {
        const QString root = TestEnv::NewFolder("silent");
        const QStringList photos = CopySharedPhotos(root + "/photos", 3);
        if (photos.isEmpty())
            QSKIP("the shared photos are not available");
        ScriptSetup setup;
        setup.photos = photos;
        setup.destPath = root + "/out";
        setup.filterIds = {3080};
        QVERIFY(WriteFile(root + "/job.gbs", ScriptText(setup).toUtf8()));

        const RunResult run = RunProgram({root + "/job.gbs"}, root, root + "/sandbox");
        QVERIFY2(run.finished, "the run did not end by itself");
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains("results in " + QDir::toNativeSeparators(root + "/out")),
                 qPrintable(run.out));

        const QStringList outputs = FilesIn(root + "/out");
        QCOMPARE(outputs.size(), photos.size());
        for (const QString& photo : photos) {
            const QString name = QFileInfo(photo).fileName();
            QVERIFY2(outputs.contains(name), qPrintable(name));
            // The filter ran: the output is the negative of the photo.
            const QImage source(photo);
            const QImage result(root + "/out/" + name);
            QCOMPARE(result.size(), source.size());
            const QColor a = source.pixelColor(source.width() / 2, source.height() / 2);
            const QColor b = result.pixelColor(result.width() / 2, result.height() / 2);
            QVERIFY2(qAbs(a.red() + b.red() - 255) < 24 && qAbs(a.green() + b.green() - 255) < 24,
                     qPrintable(QString("%1 vs %2").arg(a.name(), b.name())));
        }

        QFile log(run.home + "/Documents/Glimmerbox/Glimmerbox.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY(text.contains("Processing 3 images with 1 graphical filter(s) per image."));
        for (const QString& photo : photos)
            QVERIFY2(text.contains(" - Processed " + photo), qPrintable(text));
        QVERIFY(text.contains("Process completed without errors."));
    }

    // The bundled demo: resized, watermarked copies under Pictures. The
    // program started bare on a machine without any display finds its own
    // way to run a script.
    void bundledDemo_data()
    {
        QTest::addColumn<QStringList>("unset");
        QTest::newRow("offscreen platform") << QStringList();
        QTest::newRow("no display at all") << QStringList{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};
    }

    void bundledDemo()
    {
        QFETCH(QStringList, unset);
        const QString root = TestEnv::NewFolder("demo");
        const QString demo = QString(GB_TEST_SOURCE_DIR) + "/examples/demo.gbs";
        const QStringList photos =
            QDir(QString(GB_TEST_SOURCE_DIR) + "/examples/photos").entryList({"*.jpg"}, QDir::Files);
        QVERIFY(!photos.isEmpty());
        const RunResult run = RunProgram({demo}, root, root + "/sandbox", 60000, unset);
        QVERIFY(run.finished);
        QVERIFY2(run.exitCode == 0, qPrintable(QString("exit %1: %2").arg(run.exitCode).arg(run.err)));
        const QString out = run.home + "/Pictures/Glimmerbox Demo";
        QVERIFY2(run.out.contains("results in " + QDir::toNativeSeparators(out)), qPrintable(run.out));
        const QStringList outputs = FilesIn(out);
        QCOMPARE(outputs.size(), photos.size());
        for (const QString& name : outputs) {
            QVERIFY2(name.endsWith("-demo.jpg"), qPrintable(name));
            const QImage image(out + "/" + name);
            QVERIFY(!image.isNull());
            QVERIFY(image.width() <= 800 && image.height() <= 800);
        }
    }

    // Without any display only a script runs, whatever the case of its
    // extension; every other start ends at once with one line saying so,
    // never with the windowing platform's abort.
    void startsWithoutDisplay_data()
    {
        QTest::addColumn<QStringList>("arguments"); // PHOTO, PROFILE and SCRIPT stand for the files made
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("written");
        QTest::newRow("--help") << QStringList{"--help"} << 1 << 0;
        QTest::newRow("a photo") << QStringList{"PHOTO"} << 1 << 0;
        QTest::newRow("no argument") << QStringList() << 1 << 0;
        QTest::newRow("a profile") << QStringList{"PROFILE"} << 1 << 0;
        QTest::newRow("upper-case script") << QStringList{"SCRIPT"} << 0 << 1;
    }

    void startsWithoutDisplay()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(int, written);
        const QString root = TestEnv::NewFolder("nodisplay");
        const QString photo = root + "/in/a.png";
        QDir().mkpath(root + "/in");
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        QVERIFY(image.save(photo));
        ScriptSetup setup;
        setup.photos = {photo};
        setup.destPath = root + "/out";
        QVERIFY(WriteFile(root + "/JOB.GBS", ScriptText(setup).toUtf8()));
        QVERIFY(WriteFile(root + "/Look.Gbf", ProfileText("Look").toUtf8()));
        arguments.replaceInStrings("PHOTO", photo)
            .replaceInStrings("PROFILE", root + "/Look.Gbf")
            .replaceInStrings("SCRIPT", root + "/JOB.GBS");

        const RunResult run = RunProgram(arguments, root, root + "/sandbox", 60000,
                                         {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"});
        QVERIFY2(run.finished, "the program did not end by itself");
        QVERIFY2(run.exitCode == status, qPrintable(QString("exit %1: %2").arg(run.exitCode).arg(run.err)));
        QCOMPARE(FilesIn(root + "/out").size(), written);
        if (written > 0) {
            // Qt's offscreen platform may add a warning of its own.
            QVERIFY2(!run.err.contains("glimmerbox:"), qPrintable(run.err));
            QVERIFY2(run.out.contains("results in " + QDir::toNativeSeparators(root + "/out")), qPrintable(run.out));
            return;
        }
        QCOMPARE(run.err.count('\n'), 0);
        QVERIFY2(run.err.startsWith("glimmerbox: no display") && run.err.contains("glimmerbox JOB.gbs"),
                 qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    // Scripts that cannot be loaded run nothing and end with status 1.
    void brokenScriptsRunNothing_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content"); // empty: not created
        QTest::addColumn<QString>("message");

        ScriptSetup setup;
        setup.photos = {"PHOTO"};
        setup.destPath = "DEST";
        const QByteArray good = ScriptText(setup).toUtf8();
        QByteArray twoBlocks = good;
        twoBlocks.replace("\t<Images>", "\t<Images>\n\t</Images>\n\t<Images>");
        QByteArray noImages = good;
        noImages.replace("<Images>", "<Pictures>").replace("</Images>", "</Pictures>");

        QTest::newRow("missing") << "missing.gbs" << QByteArray() << "no such script";
        QTest::newRow("folder") << "folder.gbs" << QByteArray("DIR") << "no such script";
        QTest::newRow("empty file") << "empty.gbs" << QByteArray(" ") << "could not load script";
        QTest::newRow("not XML") << "text.gbs" << QByteArray("PHOTO is not a job <Script")
                                 << "could not load script";
        QTest::newRow("cut short") << "cut.gbs" << good.left(good.size() / 2) << "could not load script";
        QTest::newRow("two Images blocks") << "two.gbs" << twoBlocks << "could not load script";
        QTest::newRow("no Images block") << "none.gbs" << noImages << "could not load script";
    }

    void brokenScriptsRunNothing()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        const QString root = TestEnv::NewFolder("broken");
        const QString photo = root + "/photo.jpg";
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(photo));
        const QString path = root + "/" + fileName;
        if (content == "DIR") {
            QVERIFY(QDir().mkpath(path));
        } else if (!content.isEmpty()) {
            content.replace("PHOTO", photo.toUtf8()).replace("DEST", (root + "/out").toUtf8());
            QVERIFY(WriteFile(path, content));
        }

        const RunResult run = RunProgram({path}, root, root + "/sandbox");
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(!QFileInfo::exists(root + "/out"));
        QVERIFY(!QFileInfo::exists(run.home + "/Documents/Glimmerbox/Glimmerbox.log"));
    }

    // "jobs/a.gbs" counts from the folder the program was started in, and
    // the script's own relative search and destination from the script's
    // folder.
    void relativeScriptPath()
    {
        const QString root = TestEnv::NewFolder("relative");
        const QStringList photos = CopySharedPhotos(root + "/jobs/photos", 2);
        if (photos.isEmpty())
            QSKIP("the shared photos are not available");
        ScriptSetup setup;
        setup.searches = {"photos/*.jpg"};
        setup.destPath = "../out"; // from the script's folder too
        QVERIFY(WriteFile(root + "/jobs/a.gbs", ScriptText(setup).toUtf8()));

        const RunResult run = RunProgram({"jobs/a.gbs"}, root, root + "/sandbox");
        QVERIFY(run.finished);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(FilesIn(root + "/out").size(), photos.size());
    }

    // A script not marked silent, run without a screen, keeps its meaning
    // and ends by itself: each question is answered as the job says
    // (DisableNotifications 1: as such a job is answered anyway; 0: keeping
    // every file), and standard error names each answer.
    void scriptNotMarkedSilentWithoutScreen_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("notificationsOff");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("logLine"); // expected in the log, followed by the photo's path
        QTest::addColumn<QString>("said");    // expected on standard error
        QTest::newRow("existing output, notifications off")
            << "existing" << true << 0 << " - Processed and replaced " << QString();
        QTest::newRow("existing output, notifications on")
            << "existing" << false << 0 << " - Skipped " << "answered No to All, existing outputs are kept";
        QTest::newRow("delete sources, notifications off") << "delete" << true << 0 << " - Processed " << QString();
        QTest::newRow("delete sources, notifications on")
            << "delete" << false << 3 << QString() << "answered Cancel, nothing is processed";
        QTest::newRow("missing destination, notifications on")
            << "missing" << false << 0 << " - Processed " << "do you want to create it now?\": answered Yes";
    }

    void scriptNotMarkedSilentWithoutScreen()
    {
        QFETCH(QString, kind);
        QFETCH(bool, notificationsOff);
        QFETCH(int, status);
        QFETCH(QString, logLine);
        QFETCH(QString, said);
        const QString root = TestEnv::NewFolder("notsilent");
        QDir().mkpath(root + "/in");
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString photo = root + "/in/a.png";
        QVERIFY(image.save(photo));
        const QString out = root + (kind == "missing" ? "/new/out" : "/out");
        QByteArray existing;
        if (kind == "existing") {
            QDir().mkpath(out);
            QImage other(16, 16, QImage::Format_RGB32);
            other.fill(Qt::red);
            QVERIFY(other.save(out + "/a.jpg"));
            QFile file(out + "/a.jpg");
            QVERIFY(file.open(QIODevice::ReadOnly));
            existing = file.readAll();
        }
        ScriptSetup setup;
        setup.photos = {photo};
        setup.destPath = out;
        setup.silent = false;
        setup.disableNotifications = notificationsOff;
        setup.deleteSource = kind == "delete";
        QVERIFY(WriteFile(root + "/job.gbs", ScriptText(setup).toUtf8()));

        const RunResult run = RunProgram({root + "/job.gbs"}, root, root + "/sandbox");
        QVERIFY2(run.finished, "the run waited for a person");
        QVERIFY2(run.exitCode == status, qPrintable(QString("exit %1: %2").arg(run.exitCode).arg(run.err)));
        if (!said.isEmpty())
            QVERIFY2(run.err.contains(said), qPrintable(run.err));
        else
            QVERIFY2(!run.err.contains("no screen to ask"), qPrintable(run.err));
        if (status == 3) {
            QVERIFY(QFile::exists(photo));
            QVERIFY(FilesIn(out).isEmpty());
            return;
        }
        // One output: written, replaced or kept as it was.
        QCOMPARE(FilesIn(out), QStringList{"a.jpg"});
        QFile result(out + "/a.jpg");
        QVERIFY(result.open(QIODevice::ReadOnly));
        QCOMPARE(result.readAll() == existing, logLine == " - Skipped ");
        QCOMPARE(QFile::exists(photo), kind != "delete");
        QFile log(run.home + "/Documents/Glimmerbox/Glimmerbox.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY2(text.contains(logLine + photo + "\r\n"), qPrintable(text));
    }

    // A photo whose name is not valid UTF-8 cannot be opened by name: a
    // search leaves it out, but never without a word. A run that starts
    // warns of it in its log and counts the warning; one that does not start
    // names it on standard error.
    void searchNamesPhotoItCannotOpen_data()
    {
        QTest::addColumn<bool>("withGoodPhoto");
        QTest::addColumn<int>("status");
        QTest::newRow("beside a good photo") << true << 0;
        QTest::newRow("alone in the folder") << false << 3;
    }

    void searchNamesPhotoItCannotOpen()
    {
        QFETCH(bool, withGoodPhoto);
        QFETCH(int, status);
        const QString root = TestEnv::NewFolder("oddname");
        QDir().mkpath(root + "/in");
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(root + "/in/good.jpg"));
        const QByteArray odd = QFile::encodeName(root) + "/in/\xFF.jpg";
        // Qt's own removal of the sandbox cannot see such a name either.
        const auto removeOdd = qScopeGuard([&odd] { unlink(odd.constData()); });
        if (withGoodPhoto)
            QVERIFY(QFile::copy(root + "/in/good.jpg", root + "/in/copy.jpg"));
        QVERIFY(std::rename(QFile::encodeName(root + (withGoodPhoto ? "/in/copy.jpg" : "/in/good.jpg")).constData(),
                            odd.constData()) == 0);
        ScriptSetup setup;
        setup.searches = {"in/*.jpg"};
        setup.destPath = root + "/out";
        QVERIFY(WriteFile(root + "/job.gbs", ScriptText(setup).toUtf8()));

        const RunResult run = RunProgram({root + "/job.gbs"}, root, root + "/sandbox");
        QVERIFY2(run.finished, "the run did not end by itself");
        QVERIFY2(run.exitCode == status, qPrintable(QString("exit %1: %2").arg(run.exitCode).arg(run.err)));
        const QString shown = root + "/in/\\xFF.jpg";
        if (!withGoodPhoto) {
            QVERIFY2((run.err + "\n").contains("glimmerbox: warning: the name is not valid UTF-8, left out: " +
                                               shown + "\n"),
                     qPrintable(run.err));
            return;
        }
        QVERIFY2(run.out.contains("glimmerbox: 1 photo(s), 1 file(s) written, 0 error(s), 1 warning(s)\n"),
                 qPrintable(run.out));
        QCOMPARE(FilesIn(root + "/out"), QStringList{"good.jpg"});
        QFile log(run.home + "/Documents/Glimmerbox/Glimmerbox.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY2(text.contains(" - Warning: the name is not valid UTF-8, left out: " + shown + "\r\n"),
                 qPrintable(text));
        QVERIFY2(text.contains("Process completed without errors, with 1 warning(s)."), qPrintable(text));
    }

    // A PNG whose colour profile is damaged is converted without it, with a
    // warning that names it; Delete source keeps its source, the only copy
    // of what was left out, and deletes the healthy photo's.
    void damagedProfileIsLeftOut()
    {
        const QString root = TestEnv::NewFolder("damagedprofile");
        QDir().mkpath(root + "/in");
        QImage image(64, 48, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString good = root + "/in/good.png";
        QVERIFY(image.save(good));
        QFile goodFile(good);
        QVERIFY(goodFile.open(QIODevice::ReadOnly));
        // A valid zlib stream of a few bytes: too short to be a profile.
        const QByteArray profile = PngChunks::Chunk("iCCP", QByteArray("icc\0\0", 5) + PngChunks::Deflated("tiny"));
        const QString damaged = root + "/in/profile.png";
        QVERIFY(WriteFile(damaged, PngChunks::Insert(goodFile.readAll(), profile)));
        ScriptSetup setup;
        setup.photos = {good, damaged};
        setup.destPath = root + "/out";
        setup.deleteSource = true;
        QVERIFY(WriteFile(root + "/job.gbs", ScriptText(setup).toUtf8()));

        const RunResult run = RunProgram({root + "/job.gbs"}, root, root + "/sandbox");
        QVERIFY(run.finished);
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        QVERIFY2(run.out.contains("glimmerbox: 2 photo(s), 2 file(s) written, 0 error(s), 1 warning(s)\n"),
                 qPrintable(run.out));
        QCOMPARE(FilesIn(root + "/out"), QStringList({"good.jpg", "profile.jpg"}));
        const QImage written(root + "/out/profile.jpg");
        QCOMPARE(written.size(), QSize(64, 48));
        const QColor centre = written.pixelColor(32, 24);
        QVERIFY2(qAbs(centre.green() - 128) < 12 && qAbs(centre.blue() - 128) < 12 && centre.red() < 12,
                 qPrintable(centre.name()));
        QVERIFY(QFile::exists(damaged));
        QVERIFY(!QFile::exists(good));
        QFile log(run.home + "/Documents/Glimmerbox/Glimmerbox.log");
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(log.readAll());
        QVERIFY2(text.contains(" - Warning: damaged metadata left out (ICC profile), source kept: " + damaged + "\r\n"),
                 qPrintable(text));
        QVERIFY2(!text.contains("Failed to load"), qPrintable(text));
    }

    // Jobs that load but cannot run, or run with failures: distinct statuses,
    // and never a box that waits.
    void statusOfRuns_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("written");
        QTest::newRow("a damaged photo among good ones") << "damaged" << 2 << 1;
        // A resize without sizes: the photo fails, its source stays.
        QTest::newRow("a resize to 0 x 0, sources deleted") << "zerosize" << 2 << 1;
        QTest::newRow("no photos found") << "nophotos" << 3 << 0;
        QTest::newRow("destination cannot be created") << "baddest" << 3 << 0;
        QTest::newRow("missing destination is created") << "newdest" << 0 << 1;
        QTest::newRow("#mypictures destination") << "pictures" << 0 << 1;
        QTest::newRow("sub-folder climbing out") << "climbing" << 3 << 0;
        QTest::newRow("absolute sub-folder") << "absolute" << 3 << 0;
        // Written and kept on disk, but the upload did not happen.
        QTest::newRow("upload to a closed port") << "closedport" << 2 << 1;
    }

    void statusOfRuns()
    {
        QFETCH(QString, kind);
        QFETCH(int, status);
        QFETCH(int, written);
        const QString root = TestEnv::NewFolder("status");
        const QString photo = root + "/in/good.png";
        QDir().mkpath(root + "/in");
        QImage image(80, 60, QImage::Format_RGB32);
        image.fill(Qt::darkYellow);
        QVERIFY(image.save(photo));

        ScriptSetup setup;
        setup.photos = {photo};
        QString out = root + "/out";
        if (kind == "damaged") {
            QVERIFY(WriteFile(root + "/in/bad.jpg", QByteArray("\xff\xd8\xff\xe0 not really a JPEG")));
            setup.photos.append(root + "/in/bad.jpg");
            setup.filterIds = {3080}; // the photos must be read
        } else if (kind == "zerosize") {
            setup.filterIds = {5040}; // no parameters: 0 x 0 pixels
            setup.deleteSource = true;
        } else if (kind == "nophotos") {
            setup.photos.clear();
            setup.searches = {"in/*.tif"};
        } else if (kind == "baddest") {
            QVERIFY(WriteFile(root + "/plainfile", "x"));
            out = root + "/plainfile/sub";
        } else if (kind == "newdest") {
            out = root + "/new/deeper/out";
        } else if (kind == "pictures") {
            out = "#mypictures/From Script";
        } else if (kind == "climbing" || kind == "absolute") {
            // Sub-folders of the photos' folders: the name must stay inside.
            setup.folderStruct = 3;
            setup.output = {{"OutputFolder", kind == "climbing" ? "../../ESCAPED" : root + "/abs"}};
        } else if (kind == "closedport") {
            setup.output = {{"Destination", "3"},
                            {"SaveOnDiskFTP", "1"},
                            {"FTPHost", "127.0.0.1"},
                            {"FTPPort", QString::number(ServerFixtures::FreePort())},
                            {"FTPUser", "nobody"}};
        }
        setup.destPath = out;
        QVERIFY(WriteFile(root + "/job.gbs", ScriptText(setup).toUtf8()));

        const RunResult run = RunProgram({root + "/job.gbs"}, root, root + "/sandbox", 60000);
        QVERIFY2(run.finished, "the run waited for something");
        QCOMPARE(run.exitCode, status);
        if (kind == "pictures")
            out = run.home + "/Pictures/From Script";
        QCOMPARE(FilesIn(out).size(), written);
        if (status == 3)
            QVERIFY2(!run.err.isEmpty(), "no reason given");
        if (kind == "zerosize") {
            QVERIFY(QFileInfo::exists(photo));
            QVERIFY2(run.out.contains("1 error(s)"), qPrintable(run.out));
            QFile log(run.home + "/Documents/Glimmerbox/Glimmerbox.log");
            QVERIFY(log.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(log.readAll());
            QVERIFY2(text.contains(" - Failed to apply 'Resize' filter to " + photo + "\r\n"
                                   " - The 'Resize' filter's width of 0 is too small to resize to.\r\n"),
                     qPrintable(text));
        }
        if (kind == "closedport")
            QVERIFY2(run.out.contains("\nglimmerbox: delivery failed: the upload to 127.0.0.1 did not complete: "
                                      "Couldn't connect to server"),
                     qPrintable(run.out));
        if (kind == "climbing" || kind == "absolute") {
            QVERIFY2(run.err.contains("is not usable"), qPrintable(run.err));
            QVERIFY(!QFileInfo::exists(root + "/ESCAPED") && !QFileInfo::exists(QFileInfo(root).path() + "/ESCAPED"));
            QVERIFY(!QFileInfo::exists(root + "/abs") && !QFileInfo::exists(root + "/in/abs"));
        }
    }

    // Sources shrunk or rewritten while the run reads them (a sync, a copy
    // over them): whatever a photo gets, failed with a reason or written as
    // far as it could be read, the run goes on to its summary, leaves no
    // temporary file behind, and loses no photo.
    void sourcesChangedDuringRun_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("delayMs");
        QTest::addColumn<bool>("deleteSource");
        QTest::newRow("truncated at the start") << "truncate" << "bmp" << 0 << false;
        QTest::newRow("truncated after 150 ms") << "truncate" << "bmp" << 150 << false;
        QTest::newRow("truncated after 400 ms") << "truncate" << "bmp" << 400 << false;
        QTest::newRow("shrunk and regrown all along") << "cycle" << "bmp" << 0 << false;
        QTest::newRow("copied over all along, delete source") << "rewrite" << "bmp" << 50 << true;
        QTest::newRow("JPEGs copied over all along, delete source") << "rewrite" << "jpg" << 0 << true;
    }

    void sourcesChangedDuringRun()
    {
        QFETCH(QString, change);
        QFETCH(QString, format);
        QFETCH(int, delayMs);
        QFETCH(bool, deleteSource);
        const QString root = TestEnv::NewFolder("changing");
        QDir().mkpath(root + "/in");
        QImage image(1600, 1200, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
        QVERIFY(image.save(root + "/in/p00." + format));
        QFile first(root + "/in/p00." + format);
        QVERIFY(first.open(QIODevice::ReadOnly));
        const QByteArray bytes = first.readAll();
        first.close();
        QStringList sources;
        for (int i = 0; i < 24; ++i) {
            const QString path = root + QString("/in/p%1.").arg(i, 2, 10, QChar('0')) + format;
            QVERIFY(i == 0 || WriteFile(path, bytes));
            sources << path;
        }
        ScriptSetup setup;
        setup.searches = {"in/*." + format};
        setup.destPath = root + "/out";
        setup.filterIds = {3080};
        setup.deleteSource = deleteSource;
        QVERIFY(WriteFile(root + "/job.gbs", ScriptText(setup).toUtf8()));

        std::atomic<bool> stop {false};
        std::thread changer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            const auto rewrite = [&bytes](const QString& path) {
                QFile file(path);
                if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
                    file.write(bytes);
            };
            do {
                for (const QString& path : std::as_const(sources)) {
                    if (change != "rewrite")
                        (void)::truncate(QFile::encodeName(path).constData(), bytes.size() / 10);
                    if (change != "truncate" && QFileInfo::exists(path))
                        rewrite(path);
                }
            } while (change != "truncate" && !stop.load());
        });
        const RunResult run = RunProgram({root + "/job.gbs"}, root, root + "/sandbox", 120000);
        stop = true;
        changer.join();

        QVERIFY2(run.finished, "the run did not end by itself");
        QVERIFY2(run.exitCode == 0 || run.exitCode == 2,
                 qPrintable(QString("exit %1: %2").arg(run.exitCode).arg(run.err)));
        static const QRegularExpression summary("glimmerbox: 24 photo\\(s\\), \\d+ file\\(s\\) written, ");
        QVERIFY2(run.out.contains(summary), qPrintable(run.out + run.err));
        const QStringList left = QDir(root + "/out").entryList({".gbwrite*"}, QDir::Files | QDir::Hidden);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(", ")));
        for (const QString& source : std::as_const(sources)) {
            const QString output = root + "/out/" + QFileInfo(source).completeBaseName() + ".jpg";
            QVERIFY2(QFileInfo::exists(source) || QFileInfo::exists(output), qPrintable(source + " was lost"));
        }
    }

    // The summary's "results in" lines name where the results are once the
    // run is over: the folder that keeps them, the server and folder they
    // were uploaded to (never the password), the e-mail message; never the
    // run's temporary folder after it was emptied.
    void resultsLinesSayWhereResultsWent_data()
    {
        QTest::addColumn<QString>("destination");
        QTest::addColumn<bool>("keepOnDisk");
        QTest::newRow("folder") << "folder" << true;
        QTest::newRow("server, not kept on disk") << "server" << false;
        QTest::newRow("server, kept on disk") << "server" << true;
        QTest::newRow("e-mail, not kept on disk") << "mail" << false;
    }

    void resultsLinesSayWhereResultsWent()
    {
        QFETCH(QString, destination);
        QFETCH(bool, keepOnDisk);
        const QString root = TestEnv::NewFolder("results");
        FtpServer server;
        ScriptSetup setup;
        setup.photos = {root + "/in/a.jpg"};
        QImage picture(8, 6, QImage::Format_RGB32);
        picture.fill(qRgb(200, 40, 10));
        QVERIFY(QDir().mkpath(root + "/in") && picture.save(setup.photos.first()));
        setup.destPath = root + "/out";
        setup.filterIds = {3080};
        QList<QPair<QString, QString>> variables;
        if (destination == "server") {
            QVERIFY(server.Start(root + "/server", "user", "secret"));
            setup.output = {{"Destination", "3"},
                            {"SaveOnDiskFTP", keepOnDisk ? "1" : "0"},
                            {"UseSFTP", "0"},
                            {"FTPHost", "127.0.0.1"},
                            {"FTPPort", QString::number(server.Port())},
                            {"FTPUser", "user"},
                            {"FTPPassword", EncryptString("secret")},
                            {"FTPFolder", "/up"}};
        } else if (destination == "mail") {
            setup.output = {{"Destination", "2"}, {"SaveOnDiskMail", keepOnDisk ? "1" : "0"}};
            const QString opener = root + "/open.sh";
            QVERIFY(WriteFile(opener, "#!/bin/sh\nexit 0\n"));
            QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
            variables = {{"GLIMMERBOX_OPENER", opener}};
        }
        QVERIFY(WriteFile(root + "/job.gbs", ScriptText(setup).toUtf8()));
        const QList<RunResult> runs = RunTogether({{root + "/job.gbs"}}, root, root + "/sandbox", 60000, variables);
        const RunResult& run = runs.first();
        QVERIFY2(run.finished && run.exitCode == 0, qPrintable(run.out + run.err));

        QStringList places;
        for (const QString& line : run.out.split('\n')) {
            if (line.startsWith("glimmerbox: results in "))
                places << line.mid(int(qstrlen("glimmerbox: results in ")));
        }
        QStringList expected;
        if (keepOnDisk)
            expected << root + "/out";
        if (destination == "server")
            expected << QString("ftp://127.0.0.1:%1/up/").arg(server.Port());
        if (destination == "mail") {
            // The message, kept in the run's own temporary folder.
            QCOMPARE(places.size(), 2);
            QVERIFY2(QFileInfo(places[0]).isDir(), qPrintable(places[0]));
            QVERIFY2(places[1].endsWith(".eml") && QFileInfo::exists(places[1]), qPrintable(places[1]));
            return;
        }
        QCOMPARE(places, expected);
        for (const QString& place : places)
            QVERIFY2(!place.contains("secret"), qPrintable(place));
    }
};

GB_TEST_MAIN(TestHeadless)
#include "tst_headless.moc"
