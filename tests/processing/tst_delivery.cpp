// Whole processing runs that deliver their outputs: the e-mail message
// (parsed with a real MIME parser) and uploads to real FTP and SFTP servers
// on 127.0.0.1. Sources and outputs must survive any delivery that did not
// complete.
#include "CFormatsEnum.h"
#include "CProcessController.h"
#include "CPromptSeam.h"
#include "CUpload.h"
#include "CUserProfile.h"
#include "Common.h"
#include "MailFixtures.h"
#include "ProcessTestKit.h"
#include "ServerFixtures.h"
#include "TestEnv.h"
#include "TraceCapture.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QHostAddress>
#include <QImage>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTimer>

#include <functional>
#include <memory>

#include <sys/mount.h>

using namespace MailFixtures;
using namespace ProcessTestKit;
using namespace ServerFixtures;

namespace {
const QString kUser = QStringLiteral("photographer");
const QString kPassword = QStringLiteral("s3cret word");
const QString kSeparator = QStringLiteral("\r\n\r\n----------\r\n\r\n");

// Starts a run and waits until it has ended and, with `untilClosed`, until
// the dialog has closed itself after the delivery. Null when it did not.
// `prepare` sees the dialog before its workers report anything.
std::unique_ptr<CProcessController> RunUntil(bool untilClosed,
                                             const std::function<void(CProcessController&)>& prepare = {})
{
    auto controller = std::make_unique<CProcessController>();
    if (prepare)
        prepare(*controller);
    QSignalSpy ended(controller.get(), &CProcessController::RunFinished);
    QSignalSpy finished(controller.get(), &QDialog::finished);
    if (!controller->IsRunFinished() && !ended.wait(120000))
        return nullptr;
    if (untilClosed && finished.isEmpty() && !finished.wait(60000))
        return nullptr;
    return controller;
}

// Answers the e-mail hand-off's message box once the mail program has been
// given the message (so the opener's copy is complete before a Yes may
// delete it), and notes each box's title.
class MessageBoxAnswerer
{
public:
    MessageBoxAnswerer(QMessageBox::StandardButton answer, QString opener)
        : m_answer(answer), m_opener(std::move(opener))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start(50);
    }
    QStringList titles;

private:
    void Poll()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (!box || !box->isVisible())
                continue;
            if (box->icon() == QMessageBox::Information && Opened(m_opener).isEmpty())
                return;
            titles << box->windowTitle();
            QAbstractButton* button = box->button(m_answer);
            if (!button)
                button = box->button(QMessageBox::Ok);
            button->click();
            return;
        }
    }

    QMessageBox::StandardButton m_answer;
    QString m_opener;
    QTimer m_timer;
};
} // namespace

class TestDelivery : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void emailRun_data();
    void emailRun();
    void emailHandOffFails_data();
    void emailHandOffFails();
    void stoppedRunDeliversNothing();

    void serverRun_data();
    void serverRun();
    void serverRunFails_data();
    void serverRunFails();
    void uploadFailsPartly_data();
    void uploadFailsPartly();
    void stoppingEndsUpload_data();
    void stoppingEndsUpload();

private:
    // Two photos whose names need care in addresses and headers, the job
    // set up to deliver them, and the photos' pixels before the run.
    QStringList PreparePhotos(int destination, bool keepOnDisk, bool negate = true);
    void UseServer(bool sftp, const QString& password, const QString& folder);
    void RequireSftp();
    void UseStalledServer(QTcpServer& server);
    // The photos hold the bytes they had before the run.
    bool SourcesUnchanged(const QStringList& photos) const;

    FtpServer m_ftp;
    SftpServer m_sftp;
    QString m_sftpSkip;
    QString m_opener;
    QString m_temp;
    QList<QImage> m_sourceImages;
    QList<QByteArray> m_sourceBytes;
};

void TestDelivery::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
    QVERIFY2(m_ftp.Start(TestEnv::NewFolder("ftproot"), kUser, kPassword),
             "the FTP server did not start");
    m_sftpSkip = SftpServer::SkipReason();
    if (m_sftpSkip.isEmpty() && !m_sftp.Start(kPassword))
        m_sftpSkip = "the SFTP server did not start";
}

void TestDelivery::cleanupTestCase()
{
    m_ftp.Stop();
    m_sftp.Stop();
}

void TestDelivery::init()
{
    CPromptSeam::Reset();
    m_opener = MakeRecordingOpener();
    qputenv("GLIMMERBOX_OPENER", m_opener.toLocal8Bit());
    m_temp = QDir::cleanPath(CUpload::TemporaryFolder());
    RemoveDir(m_temp); // every run starts on a fresh machine
    QFile::remove(CProcessController::GeneralLogPath());
}

QStringList TestDelivery::PreparePhotos(int destination, bool keepOnDisk, bool negate)
{
    const QString in = TestEnv::NewFolder("in");
    const QStringList photos = {MakePhoto(in, "a b.png"),
                                MakePhoto(in, "c#1.png", 30, 20, qRgb(5, 250, 128))};
    ResetJob(TestEnv::NewFolder("dest"));
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->Destination = destination;
    profile->SaveOnDiskMail = keepOnDisk;
    profile->SaveOnDiskFTP = keepOnDisk;
    profile->DeleteSource = true;
    SetPhotos(photos);
    SetFilters(negate ? QList<SFilterRecord>{Filter(3080, "Negative")} : QList<SFilterRecord>{});
    m_sourceImages.clear();
    m_sourceBytes.clear();
    for (const QString& photo : photos) {
        m_sourceImages << QImage(photo);
        m_sourceBytes << ReadAll(photo);
    }
    return photos;
}

void TestDelivery::UseServer(bool sftp, const QString& password, const QString& folder)
{
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->FTPHost = "127.0.0.1";
    profile->FTPUser = sftp ? m_sftp.User() : kUser;
    profile->FTPPassword = EncryptString(password);
    profile->FTPPort = QString::number(sftp ? m_sftp.Port() : m_ftp.Port());
    profile->UseSFTP = sftp;
    profile->FTPFolder = folder;
}

bool TestDelivery::SourcesUnchanged(const QStringList& photos) const
{
    for (int i = 0; i < photos.size(); ++i)
        if (ReadAll(photos[i]) != m_sourceBytes.value(i))
            return false;
    return true;
}

void TestDelivery::RequireSftp()
{
    if (!m_sftpSkip.isEmpty())
        QSKIP(qPrintable(m_sftpSkip));
}

// A listener that never accepts: the system completes the connection, but
// no greeting ever comes, so the upload waits until it is stopped.
void TestDelivery::UseStalledServer(QTcpServer& server)
{
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    UseServer(false, kPassword, "/");
    CUserProfile::GetInstance()->FTPPort = QString::number(server.serverPort());
}

// ---- E-mail ----

void TestDelivery::emailRun_data()
{
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("keepOnDisk");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("messageStays");
    QTest::addColumn<bool>("outputsStay");

    // A silent run asks nothing and keeps the message and the outputs.
    QTest::newRow("silent, temporary outputs") << true << false << 0 << true << true;
    QTest::newRow("silent, outputs kept on disk") << true << true << 0 << true << true;
    QTest::newRow("asked, Yes") << false << false << int(QMessageBox::Yes) << false << false;
    QTest::newRow("asked, No") << false << false << int(QMessageBox::No) << true << true;
    QTest::newRow("asked, Yes, outputs kept on disk")
        << false << true << int(QMessageBox::Yes) << false << true;
}

void TestDelivery::emailRun()
{
    QFETCH(bool, silent);
    QFETCH(bool, keepOnDisk);
    QFETCH(int, answer);
    QFETCH(bool, messageStays);
    QFETCH(bool, outputsStay);

    const QStringList photos = PreparePhotos(2, keepOnDisk);
    CUserProfile::GetInstance()->silentScript = silent;
    MessageBoxAnswerer answerer(static_cast<QMessageBox::StandardButton>(answer), m_opener);

    auto controller = RunUntil(true);
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    QCOMPARE(answerer.titles, answer ? QStringList{"Success"} : QStringList());

    const QList<QString> outputs = controller->OutputPaths();
    QCOMPARE(outputs.size(), 2);
    for (const QString& output : outputs) {
        QCOMPARE(output.startsWith(m_temp + "/"), !keepOnDisk);
        QCOMPARE(QFileInfo::exists(output), outputsStay);
    }

    QTRY_COMPARE_WITH_TIMEOUT(Opened(m_opener).size(), 1, 10000);
    const QString message = Opened(m_opener).first();
    // Each run writes its message into a folder of its own.
    QVERIFY2(QRegularExpression("^" + QRegularExpression::escape(m_temp) +
                                "/run-[A-Za-z0-9]{6}/ComposedEmail-\\d+\\.eml$")
                 .match(message)
                 .hasMatch(),
             qPrintable(message));
    QCOMPARE(QFileInfo::exists(message), messageStays);

    const QJsonObject parsed = ParseMessage(OpenedCopy(m_opener, message));
    QCOMPARE(parsed.value("subject").toString(), QString("Glimmerbox"));
    const QJsonArray attachments = Attachments(parsed);
    QCOMPARE(attachments.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QJsonObject part = attachments[i].toObject();
        QCOMPARE(part.value("filename").toString(), QFileInfo(photos[i]).fileName());
        QCOMPARE(part.value("type").toString(), QString("image/png"));
        const QString decoded = part.value("file").toString();
        QVERIFY(IsNegativeOf(QImage(decoded, "PNG"), m_sourceImages[i]));
        if (outputsStay)
            QCOMPARE(ReadAll(decoded), ReadAll(outputs[i]));
    }

    // The message reached the mail program: the sources may go.
    for (const QString& photo : photos)
        QVERIFY2(!QFileInfo::exists(photo), qPrintable(photo));
    const QString buffer = controller->LogBuffer();
    QVERIFY(buffer.endsWith(kSeparator));
    QVERIFY(!buffer.contains("not deleted"));
    if (silent) {
        const QRegularExpression outcome("\r\nTime elapsed: [0-9:.]+s\r\n"
                                         "E-mail message handed to the mail program: ");
        QVERIFY2(outcome.match(buffer).hasMatch(), qPrintable(buffer));
    }
    QVERIFY(ReadAll(CProcessController::GeneralLogPath()).contains(buffer.toUtf8()));
}

void TestDelivery::emailHandOffFails_data()
{
    QTest::addColumn<bool>("fullTemporaryFolder");
    QTest::addColumn<QString>("cause");
    QTest::newRow("mail program cannot be opened")
        << false << "The mail program could not be opened for " + m_temp + "/run-";
    QTest::newRow("temporary folder full")
        << true << "The e-mail message " + m_temp + "/run-";
}

// A message that did not reach the mail program fails the delivery: the
// log gives the box's words and the cause, the files and sources stay.
void TestDelivery::emailHandOffFails()
{
    QFETCH(bool, fullTemporaryFolder);
    QFETCH(QString, cause);
    // With a full temporary folder the outputs are kept on disk elsewhere:
    // only the message goes there.
    const QStringList photos = PreparePhotos(2, fullTemporaryFolder);
    CUserProfile::GetInstance()->silentScript = true;
    bool mounted = false;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            ::umount2(QFile::encodeName(m_temp).constData(), MNT_DETACH);
    });
    if (fullTemporaryFolder) {
        QVERIFY(QDir().mkpath(m_temp));
        mounted = ::mount("tmpfs", QFile::encodeName(m_temp).constData(), "tmpfs", 0, "size=16k,mode=0700") == 0;
        if (!mounted)
            QSKIP("a small file system cannot be mounted here (needs root)");
        QFile filler(m_temp + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'x');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    } else {
        qputenv("GLIMMERBOX_OPENER", "/nonexistent/opener");
    }
    auto controller = RunUntil(true);
    QVERIFY(controller);
    const QString buffer = controller->LogBuffer();
    QVERIFY2(buffer.contains("s\r\nCould not open default mail client.\r\n" + cause), qPrintable(buffer));
    if (fullTemporaryFolder)
        QVERIFY2(buffer.contains(": No space left on device."), qPrintable(buffer));
    else
        QVERIFY2(buffer.contains(m_temp), qPrintable(buffer)); // where the outputs are
    QVERIFY(buffer.contains("The source photos were not deleted"));
    QVERIFY(buffer.endsWith(kSeparator));
    QVERIFY(controller->DeliveryFailed());
    QVERIFY2(controller->DeliveryFailure().startsWith(
                 "the e-mail message was not handed to the mail program: " + cause),
             qPrintable(controller->DeliveryFailure()));
    QCOMPARE(MessagesIn(m_temp), QStringList());
    const QList<QString> outputs = controller->OutputPaths();
    QCOMPARE(outputs.size(), 2);
    QVERIFY(AllExist(outputs));
    QVERIFY(SourcesUnchanged(photos));
}

void TestDelivery::stoppedRunDeliversNothing()
{
    // The second photo's target exists; the answer Abort stops the run
    // after the first photo was written.
    const QStringList photos = PreparePhotos(2, true);
    const QString dest = CUserProfile::GetInstance()->DestPath;
    QVERIFY(WriteFile(dest + "/c#1.png", "mine"));
    CPromptSeam::SetOverwriteAnswerer([](const QString&, QString&) { return 0; });

    auto controller = RunUntil(true);
    QVERIFY(controller);
    QVERIFY(controller->StoppedByUser());
    const QString buffer = controller->LogBuffer();
    QVERIFY2(QRegularExpression("\r\nTime elapsed: [0-9:.]+s\r\n"
                                "The source photos were not deleted")
                 .match(buffer)
                 .hasMatch(),
             qPrintable(buffer));
    QCOMPARE(Opened(m_opener), QStringList());
    QCOMPARE(controller->PendingSources().size(), 1);
    QCOMPARE(controller->PendingSources().first().first, photos[0]);
    QCOMPARE(ReadAll(dest + "/c#1.png"), QByteArray("mine"));
    QVERIFY(SourcesUnchanged(photos));
}

// ---- Server ----

void TestDelivery::serverRun_data()
{
    QTest::addColumn<bool>("sftp");
    QTest::addColumn<bool>("negate");
    QTest::newRow("ftp") << false << true;
    QTest::newRow("sftp") << true << true;
    // Without a filter the photos are copied unchanged; with the sources to
    // delete they must still not be moved before the upload.
    QTest::newRow("ftp, copied unchanged") << false << false;
}

void TestDelivery::serverRun()
{
    QFETCH(bool, sftp);
    QFETCH(bool, negate);
    if (sftp)
        RequireSftp();
    const QStringList photos = PreparePhotos(3, false, negate);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->silentScript = true;
    const QString name = QString("fresh %1/run").arg(QTest::currentDataTag());
    // FTP folders are relative to the login folder, SFTP folders absolute.
    const QString folder = sftp ? m_sftp.Root() + "/" + name : name;
    UseServer(sftp, kPassword, folder);

    auto controller = RunUntil(true);
    QVERIFY(controller);
    QCOMPARE(controller->ErrorCount(), 0);
    const QString stored = (sftp ? "" : "/") + folder + "/";
    QCOMPARE(profile->FTPFolder, stored);
    // Every file that went up moved the progress on.
    QCOMPARE(controller->windowTitle(), QString("Uploading (100%)"));

    const QString buffer = controller->LogBuffer();
    for (const QString& line : {QString("Time elapsed: "), QString("\r\n\r\n\r\nUploading to 127.0.0.1...\r\n"),
                                QString("Successfully uploaded 2 picture(s).\r\n\r\n"),
                                QString("Deleting temporary files...\r\n\r\n")})
        QVERIFY2(buffer.contains(line), qPrintable(buffer));
    QVERIFY2(buffer.endsWith("Upload completed." + kSeparator), qPrintable(buffer));
    QVERIFY(ReadAll(CProcessController::GeneralLogPath()).contains(buffer.toUtf8()));

    const QString arrived = (sftp ? QString() : m_ftp.Root()) + stored;
    QCOMPARE(QDir(arrived).entryList(QDir::Files, QDir::Name),
             (QStringList{"a b.png", "c#1.png"}));
    for (int i = 0; i < photos.size(); ++i) {
        const QString remote = arrived + QFileInfo(photos[i]).fileName();
        if (negate)
            QVERIFY2(IsNegativeOf(QImage(remote), m_sourceImages[i]), qPrintable(remote));
        else
            QCOMPARE(ReadAll(remote), m_sourceBytes[i]);
        // Delivered: the temporary copies and the sources are gone.
        QVERIFY2(!QFileInfo::exists(photos[i]), qPrintable(photos[i]));
    }
    // The run's own folder went with its copies; the shared one stays.
    QCOMPARE(QDir(m_temp).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
}

void TestDelivery::serverRunFails_data()
{
    QTest::addColumn<bool>("sftp");
    QTest::addColumn<bool>("keepOnDisk");
    QTest::addColumn<QString>("server"); // "refuses", "closed" or "silent"
    QTest::addColumn<QString>("error");

    QTest::newRow("ftp wrong password") << false << false << "refuses" << "Login denied";
    QTest::newRow("sftp wrong password") << true << false << "refuses" << "Login denied";
    QTest::newRow("ftp wrong password, outputs kept on disk")
        << false << true << "refuses" << "Login denied";
    QTest::newRow("closed port") << false << false << "closed" << "Couldn't connect to server";
    // It accepts the connection and never says a word.
    QTest::newRow("server never answers") << false << false << "silent" << "Timeout was reached";
}

// An upload that did not complete fails the delivery, with its cause.
void TestDelivery::serverRunFails()
{
    QFETCH(bool, sftp);
    QFETCH(bool, keepOnDisk);
    QFETCH(QString, server);
    QFETCH(QString, error);
    if (sftp)
        RequireSftp();
    const QStringList photos = PreparePhotos(3, keepOnDisk);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->silentScript = true;
    UseServer(sftp, server == "refuses" ? "wrong" : kPassword,
              sftp ? m_sftp.Root() + "/denied" : "denied");
    QTcpServer silent;
    if (server == "closed")
        profile->FTPPort = QString::number(FreePort());
    else if (server == "silent")
        UseStalledServer(silent);

    // A short wait for the silent server (the others answer: a refused login
    // takes the FTP server a few seconds).
    auto controller = RunUntil(true, [&](CProcessController& dialog) {
        if (server == "silent")
            dialog.SetTransferTimeLimits(2, 2);
    });
    QVERIFY(controller);
    QVERIFY(controller->DeliveryFailed());
    QVERIFY2(controller->DeliveryFailure().startsWith("the upload to 127.0.0.1 did not complete: " + error),
             qPrintable(controller->DeliveryFailure()));
    const QString buffer = controller->LogBuffer();
    QVERIFY2(buffer.contains("\r\n" + error), qPrintable(buffer));
    QVERIFY2(buffer.endsWith("Upload failed." + kSeparator), qPrintable(buffer));
    QVERIFY(!buffer.contains("Successfully uploaded"));
    QVERIFY(!buffer.contains("Deleting temporary files..."));
    QVERIFY(buffer.contains("The source photos were not deleted"));
    QVERIFY(ReadAll(CProcessController::GeneralLogPath()).contains(buffer.toUtf8()));

    const QList<QString> outputs = controller->OutputPaths();
    QCOMPARE(outputs.size(), 2);
    for (const QString& output : outputs) {
        QCOMPARE(output.startsWith(m_temp + "/"), !keepOnDisk);
        QVERIFY2(QFileInfo::exists(output), qPrintable(output));
    }
    if (!keepOnDisk)
        QVERIFY2(buffer.contains(m_temp), qPrintable(buffer)); // where the outputs are
    QVERIFY(SourcesUnchanged(photos));
}

void TestDelivery::uploadFailsPartly_data()
{
    QTest::addColumn<bool>("photosGone");
    QTest::newRow("no outputs at all") << true;
    // The server cannot store the second photo: a folder of that name is in
    // the way.
    QTest::newRow("second photo refused") << false;
}

void TestDelivery::uploadFailsPartly()
{
    QFETCH(bool, photosGone);
    const QStringList photos = PreparePhotos(3, false);
    CUserProfile::GetInstance()->silentScript = true;
    UseServer(false, kPassword, photosGone ? "/empty/" : "/partial/");
    if (photosGone) {
        for (const QString& photo : photos)
            QFile::remove(photo);
    } else {
        QVERIFY(QDir().mkpath(m_ftp.Root() + "/partial/c#1.png"));
    }

    auto controller = RunUntil(true);
    QVERIFY(controller);
    const QString buffer = controller->LogBuffer();
    QVERIFY2(buffer.endsWith("Upload failed." + kSeparator), qPrintable(buffer));
    QVERIFY(!buffer.contains("Deleting temporary files..."));
    if (photosGone) {
        // Nothing was there to deliver: the photos' errors tell.
        QCOMPARE(controller->ErrorCount(), 2);
        QVERIFY(!controller->DeliveryFailed());
        return;
    }
    QVERIFY(controller->DeliveryFailed());
    QVERIFY2(buffer.contains("Successfully uploaded 1 picture(s)."), qPrintable(buffer));
    QVERIFY(QFileInfo(m_ftp.Root() + "/partial/a b.png").isFile());
    QVERIFY(AllExist(controller->OutputPaths()));
    QVERIFY(SourcesUnchanged(photos));
}

void TestDelivery::stoppingEndsUpload_data()
{
    QTest::addColumn<bool>("destroy");
    QTest::newRow("cancelled") << false;
    QTest::newRow("dialog destroyed") << true;
}

void TestDelivery::stoppingEndsUpload()
{
    QFETCH(bool, destroy);
    const QStringList photos = PreparePhotos(3, false);
    QTcpServer stalled;
    UseStalledServer(stalled);
    QStringList asked;
    CPromptSeam::SetQuestionAnswerer([&](const QString& text) {
        asked << text;
        return true;
    });

    auto controller = RunUntil(false);
    QVERIFY(controller);
    QVERIFY(controller->IsUploadRunning());
    const QList<QString> outputs = controller->OutputPaths();
    QElapsedTimer timer;
    if (destroy) {
        TraceCapture trace;
        timer.start();
        controller.reset();
        QVERIFY(!trace.Contains("Destroyed while"));
        QCOMPARE(asked, QStringList()); // nobody is asked
    } else {
        QSignalSpy finished(controller.get(), &QDialog::finished);
        // Let the transfer get under way, then ask to stop (as Cancel does).
        QTimer::singleShot(300, controller.get(), [&] {
            timer.start();
            controller->reject();
        });
        // A hidden run closes itself once the stopped upload has reported.
        QVERIFY(finished.wait(10000));
        QCOMPARE(asked, QStringList{"Upload not completed. Abort the operation?"});
        QVERIFY(!controller->IsUploadRunning());
        const QString buffer = controller->LogBuffer();
        QVERIFY2(buffer.endsWith("Upload failed." + kSeparator), qPrintable(buffer));
        QVERIFY(!buffer.contains("Deleting temporary files..."));
    }
    QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(AllExist(outputs));
    QVERIFY(SourcesUnchanged(photos));
}

GB_TEST_MAIN(TestDelivery)
#include "tst_delivery.moc"
