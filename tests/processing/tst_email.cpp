#include "CEmail.h"
#include "CPromptSeam.h"
#include "CUpload.h"
#include "CUserProfile.h"
#include "Common.h"
#include "MailFixtures.h"
#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSignalSpy>

using namespace MailFixtures;
using namespace ServerFixtures;

class TestEmail : public QObject
{
    Q_OBJECT
private slots:
    void init();

    void composesExactText_data();
    void composesExactText();
    void attachmentsDecode_data();
    void attachmentsDecode();
    void headerSafeNames_data();
    void headerSafeNames();
    void quotedPrintable_data();
    void quotedPrintable();
    void bodyDecodes();
    void unreadableAttachmentWritesNothing();
    void messagesOfTheSameSecondKeepApart();
    void temporaryFolderIsPrivate();

    void handOff_data();
    void handOff();
    void handOffOnFreshTemporaryFolder();

private:
    QString m_opener;
    QString m_temp;
};

void TestEmail::init()
{
    CPromptSeam::Reset();
    m_opener = MakeRecordingOpener();
    qputenv("GLIMMERBOX_OPENER", m_opener.toLocal8Bit());
    m_temp = QDir::cleanPath(CUpload::TemporaryFolder());
    QFile::remove(m_temp); // a link left by a test
    RemoveDir(m_temp);
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->Destination = 2;
    profile->SaveOnDiskMail = false;
    profile->silentScript = false;
}

void TestEmail::composesExactText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("parts");

    QTest::newRow("no attachment") << QString() << QByteArray();
    QTest::newRow("one attachment, suffix as written")
        << "x.JPG"
        << QByteArray("--TarnWillowMailerBoundaryAttachments\r\n"
                      "Content-Disposition: attachment;\r\n"
                      "Content-Type: image/JPG;\r\n"
                      "        name=\"x.JPG\"\r\n"
                      "Content-Transfer-Encoding: base64\r\n\r\n"
                      "YWJj\r\n");
}

void TestEmail::composesExactText()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, parts);
    SEmailRecord record;
    record.subject = "Glimmerbox";
    if (!name.isEmpty()) {
        const QString path = TestEnv::NewFolder("exact") + "/" + name;
        QVERIFY(WriteFile(path, "abc"));
        record.attachments << path;
    }
    QByteArray message;
    QVERIFY(CEmail(record).ComposeMessage(message));
    const QByteArray expected =
        "Content-Type: multipart/alternative; boundary=\"TarnWillowMailerBoundary\"\r\n"
        "To: \r\n"
        "Subject: Glimmerbox\r\n"
        "Mime-Version: 1.0 \r\n\r\n"
        "--TarnWillowMailerBoundary\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\n"
        "Content-Type: text/plain;\r\n"
        "        charset=iso-8859-1\r\n\r\n"
        "\r\n\r\n"
        "\r\n--TarnWillowMailerBoundary\r\n"
        "Content-Type: multipart/mixed;\r\n"
        "        boundary=\"TarnWillowMailerBoundaryAttachments\"\r\n\r\n" +
        parts +
        "--TarnWillowMailerBoundaryAttachments--\r\n"
        "--TarnWillowMailerBoundary--\r\n";
    QCOMPARE(message, expected);
}

void TestEmail::attachmentsDecode_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("sizes");
    QTest::addColumn<QStringList>("types");

    QTest::newRow("jpg and png") << QStringList{"a.jpg", "b.png"} << QList<int>{5000, 70001}
                                 << QStringList{"image/jpg", "image/png"};
    QTest::newRow("empty file") << QStringList{"e.png"} << QList<int>{0} << QStringList{"image/png"};
    QTest::newRow("no attachment") << QStringList{} << QList<int>{} << QStringList{};
}

void TestEmail::attachmentsDecode()
{
    QFETCH(QStringList, names);
    QFETCH(QList<int>, sizes);
    QFETCH(QStringList, types);
    const QString folder = TestEnv::NewFolder("photos");
    SEmailRecord record;
    record.subject = "Glimmerbox";
    QList<QByteArray> contents;
    for (int i = 0; i < names.size(); ++i) {
        contents << RandomBytes(sizes[i], quint32(i + 11));
        QVERIFY(WriteFile(folder + "/" + names[i], contents.last()));
        record.attachments << folder + "/" + names[i];
    }

    CEmail email(record);
    QVERIFY(email.openInDefaultProgram());
    const QString path = email.MessagePath();
    QVERIFY(QRegularExpression("^" + QRegularExpression::escape(m_temp) +
                               "/ComposedEmail-\\d+\\.eml$")
                .match(path)
                .hasMatch());
    QTRY_COMPARE_WITH_TIMEOUT(Opened(m_opener), QStringList{path}, 10000);

    for (const QByteArray& line : ReadFile(path).split('\n'))
        QVERIFY2(line.size() <= 77, line.left(80).constData()); // 76 and the CR

    const QJsonObject message = ParseMessage(path);
    QCOMPARE(message.value("type").toString(), QString("multipart/alternative"));
    QCOMPARE(message.value("subject").toString(), QString("Glimmerbox"));
    const QJsonArray parts = message.value("parts").toArray();
    QVERIFY(parts.size() >= 3);
    QCOMPARE(parts[1].toObject().value("type").toString(), QString("text/plain"));
    QCOMPARE(parts[2].toObject().value("type").toString(), QString("multipart/mixed"));
    const QJsonArray attachments = Attachments(message);
    QCOMPARE(attachments.size(), names.size());
    for (int i = 0; i < names.size(); ++i) {
        const QJsonObject part = attachments[i].toObject();
        QCOMPARE(part.value("filename").toString(), names[i]);
        QCOMPARE(part.value("type").toString(), types[i]);
        QVERIFY2(ReadFile(part.value("file").toString()) == contents[i], qPrintable(names[i]));
    }
}

void TestEmail::headerSafeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("decoded");
    QTest::addColumn<QByteArray>("nameLine");

    QTest::newRow("double quote") << "say \"cheese\".png" << "say \"cheese\".png"
                                  << QByteArray("name=\"say \\\"cheese\\\".png\"");
    QTest::newRow("backslash") << "a\\b.png" << "a\\b.png" << QByteArray("name=\"a\\\\b.png\"");
    QTest::newRow("line break starts no header")
        << "x\r\nBcc: someone@example.com.png" << "xBcc: someone@example.com.png"
        << QByteArray("name=\"xBcc: someone@example.com.png\"");
    QTest::newRow("outside Latin-1") << "\u017Cuk.png" << "?uk.png" << QByteArray("name=\"?uk.png\"");
}

void TestEmail::headerSafeNames()
{
    QFETCH(QString, name);
    QFETCH(QString, decoded);
    QFETCH(QByteArray, nameLine);
    const QString path = TestEnv::NewFolder("names") + "/" + name;
    QVERIFY(WriteFile(path, "pixels"));
    SEmailRecord record;
    record.subject = "Glimmerbox";
    record.attachments << path;
    CEmail email(record);
    QVERIFY(email.openInDefaultProgram());
    QVERIFY(ReadFile(email.MessagePath()).contains("        " + nameLine + "\r\n"));

    const QJsonObject message = ParseMessage(email.MessagePath());
    const QJsonArray attachments = Attachments(message);
    QCOMPARE(attachments.size(), 1);
    QCOMPARE(attachments[0].toObject().value("filename").toString(), decoded);
    QCOMPARE(ReadFile(attachments[0].toObject().value("file").toString()), QByteArray("pixels"));
    for (const QJsonValue& part : message.value("parts").toArray()) {
        for (const QJsonValue& key : part.toObject().value("keys").toArray())
            QVERIFY2(key.toString().compare("Bcc", Qt::CaseInsensitive) != 0, "header injected");
    }
}

void TestEmail::quotedPrintable_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("encoded");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("equals sign") << QByteArray("a=b") << QByteArray("a=3Db");
    QTest::newRow("blank at line end") << QByteArray("end \nnext") << QByteArray("end=20\r\nnext");
    QTest::newRow("Latin-1 letter") << QByteArray("caf\xE9") << QByteArray("caf=E9");
    QTest::newRow("CR LF kept") << QByteArray("a\r\nb") << QByteArray("a\r\nb");
    QTest::newRow("long line") << QByteArray(80, 'x')
                               << QByteArray(75, 'x') + "=\r\n" + QByteArray(5, 'x');
}

void TestEmail::quotedPrintable()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, encoded);
    QCOMPARE(CEmail::QuotedPrintable(text), encoded);
}

void TestEmail::bodyDecodes()
{
    SEmailRecord record;
    record.subject = "Glimmerbox";
    record.body = QString::fromUtf8("Gr\u00FC\u00DFe = 100%\nsecond line \n") + QString(120, 'y');
    CEmail email(record);
    QVERIFY(email.openInDefaultProgram());
    const QJsonArray parts = ParseMessage(email.MessagePath()).value("parts").toArray();
    QVERIFY(parts.size() >= 2);
    // The parser gives line feeds; the two line ends close the text part.
    const QByteArray expected = record.body.toLatin1() + "\n\n";
    QCOMPARE(ReadFile(parts[1].toObject().value("file").toString()), expected);
}

void TestEmail::unreadableAttachmentWritesNothing()
{
    const QString folder = TestEnv::NewFolder("unreadable");
    QVERIFY(WriteFile(folder + "/a.png", "fine"));
    QVERIFY(QDir().mkpath(folder + "/b.png")); // exists, but cannot be read as a file
    SEmailRecord record;
    record.attachments << folder + "/a.png" << folder + "/b.png";
    CEmail email(record);
    QVERIFY(!email.openInDefaultProgram());
    QVERIFY(email.MessagePath().isEmpty());
    QCOMPARE(MessagesIn(m_temp), QStringList());
    QCOMPARE(Opened(m_opener), QStringList());
}

void TestEmail::messagesOfTheSameSecondKeepApart()
{
    CEmail first;
    CEmail second;
    QVERIFY(first.openInDefaultProgram());
    const QByteArray firstContent = ReadFile(first.MessagePath());
    QVERIFY(second.openInDefaultProgram());
    QVERIFY(first.MessagePath() != second.MessagePath());
    QCOMPARE(ReadFile(first.MessagePath()), firstContent);
    QCOMPARE(MessagesIn(m_temp).size(), 2);
}

void TestEmail::temporaryFolderIsPrivate()
{
    QVERIFY(CUpload::MakeTemporaryFolder());
    QCOMPARE(QFileInfo(m_temp).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    // A link planted in the shared temporary area is refused, and nothing is
    // written through it.
    RemoveDir(m_temp);
    const QString elsewhere = TestEnv::NewFolder("elsewhere");
    QVERIFY(QFile::link(elsewhere, m_temp));
    QVERIFY(!CUpload::MakeTemporaryFolder());
    CEmail email;
    QVERIFY(!email.openInDefaultProgram());
    QCOMPARE(MessagesIn(elsewhere), QStringList());
    QFile::remove(m_temp);
}

void TestEmail::handOff_data()
{
    QTest::addColumn<bool>("silent");
    QTest::addColumn<bool>("keepOnDisk");
    QTest::addColumn<bool>("openerWorks");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("prompts");
    QTest::addColumn<bool>("messageStays");
    QTest::addColumn<bool>("filesStay");
    QTest::addColumn<QString>("logged");

    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    QTest::newRow("yes deletes message and copies")
        << false << false << true << yes << QStringList{"Success"} << false << false << QString();
    QTest::newRow("no keeps both")
        << false << false << true << no << QStringList{"Success"} << true << true << QString();
    QTest::newRow("yes with save-on-disk deletes the message only")
        << false << true << true << yes << QStringList{"Success"} << false << true << QString();
    QTest::newRow("silent run asks nothing")
        << true << false << true << yes << QStringList{} << true << true << "mail program";
    QTest::newRow("failed hand-off keeps the files")
        << false << false << false << yes << QStringList{"Error"} << false << true
        << "Could not open default mail client.";
    QTest::newRow("failed silent hand-off")
        << true << false << false << yes << QStringList{} << false << true
        << "Could not open default mail client.";
}

void TestEmail::handOff()
{
    QFETCH(bool, silent);
    QFETCH(bool, keepOnDisk);
    QFETCH(bool, openerWorks);
    QFETCH(int, answer);
    QFETCH(QStringList, prompts);
    QFETCH(bool, messageStays);
    QFETCH(bool, filesStay);
    QFETCH(QString, logged);

    CUserProfile* profile = CUserProfile::GetInstance();
    profile->silentScript = silent;
    profile->SaveOnDiskMail = keepOnDisk;
    if (!openerWorks)
        qputenv("GLIMMERBOX_OPENER", "/nonexistent/opener");

    // Outputs that are not kept are written into the temporary folder.
    QVERIFY(CUpload::MakeTemporaryFolder());
    const QString folder = keepOnDisk ? TestEnv::NewFolder("kept") : m_temp;
    const QList<QString> files{folder + "/a.jpg", folder + "/missing.jpg", folder + "/b.png"};
    QVERIFY(WriteFile(files[0], RandomBytes(4000, 1)));
    QVERIFY(WriteFile(files[2], RandomBytes(6000, 2)));

    CUpload upload;
    QStringList asked;
    CPromptSeam::SetAnswerer([&](const CPromptSeam::SPrompt& prompt) {
        asked << prompt.title;
        return std::optional<CPromptSeam::SAnswer>(CPromptSeam::SAnswer{answer, QString()});
    });
    QSignalSpy log(&upload, &CUpload::AppendLog);
    QCOMPARE(upload.AddAttachments(files, !keepOnDisk), openerWorks);

    QCOMPARE(asked, prompts);
    QCOMPARE(MessagesIn(m_temp).size(), messageStays ? 1 : 0);
    QCOMPARE(QFileInfo::exists(files[0]), filesStay);
    QCOMPARE(QFileInfo::exists(files[2]), filesStay);
    const QString logText = log.isEmpty() ? QString() : log.first().at(0).toString();
    if (logged.isEmpty())
        QCOMPARE(log.size(), 0);
    else
        QVERIFY2(logText.contains(logged), qPrintable(logText));
    if (!openerWorks)
        QVERIFY2(logText.contains(m_temp), qPrintable(logText)); // where the files are

    if (openerWorks) {
        QTRY_COMPARE_WITH_TIMEOUT(Opened(m_opener).size(), 1, 10000);
        if (messageStays) {
            const QJsonArray attachments = Attachments(ParseMessage(Opened(m_opener).first()));
            QCOMPARE(attachments.size(), 2); // the missing file is left out
            QCOMPARE(attachments[0].toObject().value("filename").toString(), QString("a.jpg"));
            QCOMPARE(attachments[1].toObject().value("filename").toString(), QString("b.png"));
        }
    }
}

void TestEmail::handOffOnFreshTemporaryFolder()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->SaveOnDiskMail = true;
    profile->silentScript = true;
    QVERIFY(!QFileInfo::exists(m_temp));
    const QString folder = TestEnv::NewFolder("saved");
    const QByteArray content = RandomBytes(9000, 5);
    QVERIFY(WriteFile(folder + "/a.jpg", content));

    CUpload upload;
    QVERIFY(upload.AddAttachments({folder + "/a.jpg"}, false));
    QCOMPARE(MessagesIn(m_temp).size(), 1);
    QCOMPARE(QFileInfo(m_temp).permissions() & (QFile::ReadOther | QFile::ReadGroup), 0);
    const QJsonArray attachments =
        Attachments(ParseMessage(m_temp + "/" + MessagesIn(m_temp).first()));
    QCOMPARE(attachments.size(), 1);
    QCOMPARE(ReadFile(attachments[0].toObject().value("file").toString()), content);
    QCOMPARE(ReadFile(folder + "/a.jpg"), content);
}

GB_TEST_MAIN(TestEmail)
#include "tst_email.moc"
