#include "Common.h"
#include "Platform.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {
QStringList g_messages;

void CaptureMessage(QtMsgType, const QMessageLogContext&, const QString& message)
{
    g_messages.append(message);
}

void WriteFile(const QString& path, const QByteArray& data)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}
} // namespace

class TestHelpers : public QObject
{
    Q_OBJECT
private slots:
    void traceLineLayout_data();
    void traceLineLayout();
    void truncateString_data();
    void truncateString();
    void logEscaping_data();
    void logEscaping();
    void xmlEscaping_data();
    void xmlEscaping();
    void base64Vectors_data();
    void base64Vectors();
    void encryptedPasswordRoundTrip_data();
    void encryptedPasswordRoundTrip();
    void removeDirDeletesTreeButNotLinkTargets();
    void nearestExistingFolder_data();
    void nearestExistingFolder();
    void randomNumberStaysInRange();
    void standardFoldersUseSlashes();
    void openerSeamRunsConfiguredProgram();
    void resourcesFolderOrder_data();
    void resourcesFolderOrder();
};

void TestHelpers::traceLineLayout_data()
{
    QTest::addColumn<QString>("function");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("tail");
    QTest::newRow("entry only") << "Read" << "" << " Read";
    QTest::newRow("with message") << "Read" << "x" << " Read. x";
    QTest::newRow("outside latin-1") << "Write" << QString::fromUtf8("\u65e5") << " Write. ?";
}

void TestHelpers::traceLineLayout()
{
    QFETCH(QString, function);
    QFETCH(QString, message);
    QFETCH(QString, tail);
    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CaptureMessage);
    SystemLogWrite(function, message);
    qInstallMessageHandler(previous);
    QCOMPARE(g_messages.size(), 1);
    const QString line = g_messages.first();
    QVERIFY2(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d ").match(line).hasMatch(), qPrintable(line));
    QCOMPARE(line.mid(12), tail);
}

void TestHelpers::truncateString_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("quoted");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fits exactly") << "0123456789" << 10 << false << "0123456789";
    QTest::newRow("cut to last four") << "0123456789" << 4 << false << "...6789";
    QTest::newRow("quoted whole") << "abc" << 10 << true << "\"abc\"";
    QTest::newRow("quoted cut") << "/a/b/c/photo.jpg" << 10 << true << "\".../photo.jpg\"";
    QTest::newRow("empty") << "" << 3 << false << "";
}

void TestHelpers::truncateString()
{
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(bool, quoted);
    QFETCH(QString, expected);
    QCOMPARE(TruncateString(text, n, quoted), expected);
}

void TestHelpers::logEscaping_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain path") << "/photos/a b.jpg" << "/photos/a b.jpg";
    QTest::newRow("forged log line") << "/p/x\r\n - Processed FAKE.jpg" << "/p/x\\r\\n - Processed FAKE.jpg";
    QTest::newRow("tab, DEL, C1") << QString("a\tb") + QChar(0x7F) + QChar(0x85) << "a\\tb\\x7F\\x85";
    QTest::newRow("right-to-left override") << QString("gpj") + QChar(0x202E) + ".exe" << "gpj\\u202E.exe";
    QTest::newRow("backslash stays distinguishable") << "a\\nb" << "a\\\\nb";
    QTest::newRow("other scripts stay") << QString::fromUtf8("\xd7\xa9\xd7\x9c.jpg") << QString::fromUtf8("\xd7\xa9\xd7\x9c.jpg");
}

void TestHelpers::logEscaping()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(EscapeForLog(text), expected);
}

void TestHelpers::xmlEscaping_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("xml");
    QTest::newRow("all five") << "a<b & 'c'" << "a&lt;b &amp; &apos;c&apos;";
    QTest::newRow("quotes and gt") << "\"x\" > y" << "&quot;x&quot; &gt; y";
    QTest::newRow("entity typed by the user") << "&lt;" << "&amp;lt;";
    QTest::newRow("double escaped") << "&amp;lt;" << "&amp;amp;lt;";
    QTest::newRow("nothing special") << "Photo 1" << "Photo 1";
}

void TestHelpers::xmlEscaping()
{
    QFETCH(QString, plain);
    QFETCH(QString, xml);
    QCOMPARE(PlainTextToXML(plain), xml);
    QCOMPARE(XMLToPlainText(xml), plain);
    QCOMPARE(XMLToPlainText(PlainTextToXML(plain)), plain);
}

void TestHelpers::base64Vectors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("encoded");
    QTest::addColumn<bool>("roundTrip"); // else only decoded: it stops at a foreign character
    const auto row = [](const char* name, const QByteArray& bytes, const QByteArray& text,
                        bool roundTrip = true) { QTest::newRow(name) << bytes << text << roundTrip; };
    row("empty", QByteArray(), QByteArray());
    row("f", "f", "Zg==");
    row("fo", "fo", "Zm8=");
    row("foo", "foo", "Zm9v");
    row("foob", "foob", "Zm9vYg==");
    row("fooba", "fooba", "Zm9vYmE=");
    row("foobar", "foobar", "Zm9vYmFy");
    row("high bytes", QByteArray("\xff\xfe\x00\x80", 4), "//4AgA==");
    row("blank after two", "f", "Zg Zg", false);
    row("newline after group", "foo", "Zm9v\nYmFy", false);
    row("single trailing char", "foo", "Zm9vY", false);
    row("padding ends", "f", "Zg==Zm9v", false);
}

void TestHelpers::base64Vectors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, encoded);
    QFETCH(bool, roundTrip);
    if (roundTrip) {
        const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
        QCOMPARE(QByteArray::fromStdString(Base64Encode(data, unsigned(bytes.size()))), encoded);
    }
    QCOMPARE(QByteArray::fromStdString(Base64Decode(encoded.toStdString())), bytes);
}

void TestHelpers::encryptedPasswordRoundTrip_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("stored");
    QTest::newRow("abc") << "abc" << "YWJj";
    QTest::newRow("non-ascii") << QString::fromUtf8("p\u00e4ss") << "cMOkc3M=";
    QTest::newRow("empty") << "" << "";
}

void TestHelpers::encryptedPasswordRoundTrip()
{
    QFETCH(QString, plain);
    QFETCH(QString, stored);
    QCOMPARE(EncryptString(plain), stored);
    QCOMPARE(DecryptString(stored), plain);
}

void TestHelpers::removeDirDeletesTreeButNotLinkTargets()
{
    const QString base = TestEnv::NewFolder("removedir");
    const QString outside = base + "/outside";
    QVERIFY(QDir().mkpath(outside + "/keep"));
    WriteFile(outside + "/keep/precious.txt", "data");

    const QString victim = base + "/victim";
    QVERIFY(QDir().mkpath(victim + "/sub/.hidden"));
    WriteFile(victim + "/a.txt", "a");
    WriteFile(victim + "/sub/.hidden/b.txt", "b");
    QVERIFY(QFile::link(outside, victim + "/link-to-folder"));
    QVERIFY(QFile::link(outside + "/keep/precious.txt", victim + "/sub/link-to-file"));

    QVERIFY(RemoveDir(victim));
    QVERIFY(!QFileInfo::exists(victim));
    QVERIFY(QFile::exists(outside + "/keep/precious.txt"));

    // A link handed in directly is removed as a link.
    QVERIFY(QFile::link(outside, base + "/direct-link"));
    QVERIFY(RemoveDir(base + "/direct-link"));
    QVERIFY(!QFileInfo(base + "/direct-link").isSymLink());
    QVERIFY(QFile::exists(outside + "/keep/precious.txt"));

    QVERIFY(RemoveDir(TestEnv::Root() + "/does/not/exist"));
}

// Where a file dialog opens on a remembered folder: the folder, or the
// nearest one above it that still exists, or the home folder.
void TestHelpers::nearestExistingFolder_data()
{
    QTest::addColumn<QString>("asked"); // "BASE" stands for a fresh folder
    QTest::addColumn<QString>("opened"); // "HOME" for the home folder
    QTest::newRow("existing") << "BASE/photos" << "BASE/photos";
    QTest::newRow("gone") << "BASE/Pictures" << "BASE";
    QTest::newRow("gone two levels down") << "BASE/photos/2019/summer/" << "BASE/photos";
    QTest::newRow("a file") << "BASE/photos/a.txt" << "BASE/photos";
    QTest::newRow("empty") << "" << "HOME";
    QTest::newRow("relative and gone") << "nowhere/at/all" << "HOME";
}

void TestHelpers::nearestExistingFolder()
{
    QFETCH(QString, asked);
    QFETCH(QString, opened);
    const QString base = TestEnv::NewFolder("nearest");
    QVERIFY(QDir().mkpath(base + "/photos"));
    WriteFile(base + "/photos/a.txt", "a");
    asked.replace("BASE", base);
    opened.replace("BASE", base).replace("HOME", QDir::homePath());
    QCOMPARE(NearestExistingFolder(asked), opened);
}

void TestHelpers::randomNumberStaysInRange()
{
    QSet<int> seen;
    for (int i = 0; i < 500; ++i) {
        const int value = GenerateRandomNumber(3, 7);
        QVERIFY(value >= 3 && value <= 7);
        seen.insert(value);
    }
    QCOMPARE(seen.size(), 5);
    QCOMPARE(GenerateRandomNumber(4, 4), 4);
}

void TestHelpers::standardFoldersUseSlashes()
{
    QVERIFY(!GetMyDocuments().contains('\\'));
    QVERIFY(GetMyDocuments().startsWith(QDir::homePath()));
    QVERIFY(GetMyPictures().startsWith(QDir::homePath()));
}

void TestHelpers::openerSeamRunsConfiguredProgram()
{
    const QString folder = TestEnv::NewFolder("opener");
    const QString script = folder + "/record.sh";
    WriteFile(script, QString("#!/bin/sh\nprintf '%s' \"$1\" > '%1/opened.txt'\n").arg(folder).toUtf8());
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("GLIMMERBOX_OPENER", script.toLocal8Bit());
    QVERIFY(OpenExternal("/some/file with blanks.eml"));
    qunsetenv("GLIMMERBOX_OPENER");
    QFile recorded(folder + "/opened.txt");
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(recorded).size() > 0, 5000);
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(recorded.readAll()), QString("/some/file with blanks.eml"));
}

// Where the program looks for its Resources folder: the environment first,
// then an installed tree seen from the program's folder (so a moved or
// staged install runs from where it lands), then the build tree, then the
// install prefix the program was built for.
void TestHelpers::resourcesFolderOrder_data()
{
    QTest::addColumn<QString>("environment");
    QTest::addColumn<QStringList>("folders"); // made under the tree's root
    QTest::addColumn<QString>("expected");    // under the root; "" the built-in path

    QTest::newRow("environment wins") << "elsewhere" << QStringList{"share/glimmerbox", "Resources"}
                                      << "elsewhere";
    QTest::newRow("installed tree") << "" << QStringList{"share/glimmerbox"} << "share/glimmerbox";
    QTest::newRow("installed tree before build tree")
        << "" << QStringList{"share/glimmerbox", "Resources"} << "share/glimmerbox";
    QTest::newRow("build tree") << "" << QStringList{"Resources"} << "Resources";
    QTest::newRow("neither") << "" << QStringList{"share/other"} << "";
}

void TestHelpers::resourcesFolderOrder()
{
    QFETCH(QString, environment);
    QFETCH(QStringList, folders);
    QFETCH(QString, expected);
    const QString root = TestEnv::NewFolder("tree");
    QVERIFY(QDir().mkpath(root + "/bin"));
    for (const QString& folder : folders)
        QVERIFY(QDir().mkpath(root + "/" + folder));
    const QString fromEnvironment = environment.isEmpty() ? QString() : root + "/" + environment;

    const QString found = ResourcesFolderFor(fromEnvironment, root + "/bin");
    if (expected.isEmpty()) {
        // The prefix the program was built for.
        QVERIFY2(found.endsWith("/share/glimmerbox") && QDir::isAbsolutePath(found), qPrintable(found));
        QVERIFY(!found.startsWith(root));
    } else {
        QCOMPARE(found, root + "/" + expected);
    }
}

GB_TEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
