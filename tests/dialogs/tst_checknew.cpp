// The update check: when it is due, how the feed is read, and checks against
// a feed served on 127.0.0.1.
#include "CCheckNew.h"
#include "CUserProfile.h"
#include "Common.h"
#include "TestEnv.h"

#include <QDate>
#include <QLabel>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
// Answers every request with one fixed HTTP response.
class FeedServer : public QObject
{
public:
    FeedServer()
    {
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                ++connections;
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    request += socket->readAll();
                    if (!request.contains("\r\n\r\n"))
                        return;
                    socket->write(response);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    void Serve(int status, const QByteArray& body, const QByteArray& reason = "X")
    {
        response = "HTTP/1.1 " + QByteArray::number(status) + " " + reason +
                   "\r\nContent-Type: text/xml\r\n"
                   "Connection: close\r\nContent-Length: " + QByteArray::number(body.size()) +
                   "\r\n\r\n" + body;
    }

    QString Address() const
    {
        return QString("http://127.0.0.1:%1/versions.xml").arg(server.serverPort());
    }

    QTcpServer server;
    QByteArray response;
    QByteArray request;
    int connections = 0;
};
} // namespace

class TestCheckNew : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qunsetenv("GLIMMERBOX_UPDATE_URL");
        SetRegistryString("Settings/CheckNew.LastDate", QString());
        CUserProfile::GetInstance()->autoCheck = true;
        CUserProfile::GetInstance()->checkInterval = 1;
    }

    void isDue_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("interval");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("due");
        const QDate day(2026, 3, 10);
        QTest::newRow("never checked") << "" << 1 << day << true;
        QTest::newRow("garbage") << "yesterday" << 1 << day << true;
        QTest::newRow("daily, same day") << "26-03-10" << 0 << day << false;
        QTest::newRow("daily, next day") << "26-03-09" << 0 << day << true;
        QTest::newRow("weekly, 6 days") << "26-03-04" << 1 << day << false;
        QTest::newRow("weekly, 7 days") << "26-03-03" << 1 << day << true;
        QTest::newRow("monthly, 29 days") << "26-02-09" << 2 << day << false;
        QTest::newRow("monthly, over a year") << "25-01-01" << 2 << day << true;
        QTest::newRow("date in the future") << "27-01-01" << 1 << day << true;
    }

    void isDue()
    {
        QFETCH(QString, last);
        QFETCH(int, interval);
        QFETCH(QDate, today);
        QFETCH(bool, due);
        QCOMPARE(CCheckNew::IsDue(last, interval, today), due);
    }

    void parseFeed_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("version");
        QTest::addColumn<QString>("url");
        QTest::newRow("one entry") << QByteArray("<Versions><Version>1.2.0</Version></Versions>") << true
                                   << "1.2.0" << "";
        QTest::newRow("highest wins")
            << QByteArray("<Versions><Version Number=\"1.10\" Url=\"https://x/a\"/>"
                          "<Version Number=\"1.9.5\" Url=\"https://x/b\"/></Versions>")
            << true << "1.10" << "https://x/a";
        QTest::newRow("no entries") << QByteArray("<Versions/>") << false << "" << "";
        QTest::newRow("other root") << QByteArray("<Feed><Version>2.0</Version></Feed>") << false << ""
                                    << "";
        QTest::newRow("not XML") << QByteArray("<html><body>oops") << false << "" << "";
        QTest::newRow("not a number") << QByteArray("<Versions><Version>latest</Version></Versions>")
                                      << false << "" << "";
    }

    void parseFeed()
    {
        QFETCH(QByteArray, xml);
        QFETCH(bool, ok);
        QFETCH(QString, version);
        QFETCH(QString, url);
        QString gotVersion;
        QString gotUrl;
        QCOMPARE(CCheckNew::ParseFeed(xml, gotVersion, gotUrl), ok);
        if (ok) {
            QCOMPARE(gotVersion, version);
            QCOMPARE(gotUrl, url);
        }
    }

    // Without an address nothing is requested, automatic or manual.
    void noAddressNoRequest()
    {
        QVERIFY(CCheckNew::FeedAddress().isEmpty());
        for (bool automatic : {true, false}) {
            CCheckNew check;
            QSignalSpy finished(&check, &CCheckNew::CheckFinished);
            check.autoCheck = automatic;
            check.show();
            QCOMPARE(finished.size(), 1);
            QCOMPARE(check.LastResult(), CCheckNew::NotChecked);
            QVERIFY(!check.IsChecking());
            QCOMPARE(check.isVisible(), !automatic);
        }
        QVERIFY(GetRegistryString("Settings/CheckNew.LastDate", QString()).isEmpty());
    }

    void checkAgainstServer_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("shown");
        const QByteArray newer = "<Versions><Version Number=\"99.0\" Url=\"https://example.invalid/get\"/></Versions>";
        const QByteArray same = "<Versions><Version>" GB_VERSION "</Version></Versions>";
        QTest::newRow("newer, manual") << 200 << newer << false << int(CCheckNew::NewerAvailable) << true;
        QTest::newRow("newer, automatic") << 200 << newer << true << int(CCheckNew::NewerAvailable) << true;
        QTest::newRow("same, manual") << 200 << same << false << int(CCheckNew::UpToDate) << true;
        QTest::newRow("same, automatic") << 200 << same << true << int(CCheckNew::UpToDate) << false;
        QTest::newRow("not found, manual") << 404 << QByteArray("no") << false << int(CCheckNew::Failed) << true;
        QTest::newRow("not found, automatic") << 404 << QByteArray("no") << true << int(CCheckNew::Failed) << false;
        QTest::newRow("garbage, manual") << 200 << QByteArray("<<<") << false << int(CCheckNew::Failed) << true;
    }

    void checkAgainstServer()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, automatic);
        QFETCH(int, result);
        QFETCH(bool, shown);
        FeedServer server;
        server.Serve(status, body);
        qputenv("GLIMMERBOX_UPDATE_URL", server.Address().toUtf8());

        CCheckNew check;
        QSignalSpy finished(&check, &CCheckNew::CheckFinished);
        check.autoCheck = automatic;
        check.show();
        QVERIFY(check.IsChecking());
        QVERIFY(finished.wait(15000));
        QCOMPARE(finished.first().first().toInt(), result);
        QCOMPARE(check.isVisible(), shown);
        QCOMPARE(server.connections, 1);
        QVERIFY(server.request.startsWith("GET /versions.xml"));
        const QDate today = QDate::currentDate();
        QCOMPARE(GetRegistryString("Settings/CheckNew.LastDate", QString()),
                 QString::asprintf("%02d-%02d-%02d", today.year() % 100, today.month(), today.day()));
        if (result == CCheckNew::NewerAvailable)
            QVERIFY(check.findChild<QLabel*>("labelText")->text().contains("99.0"));
    }

    // The server's words in a failure are shown as text, never as markup
    // with links of its own.
    void failureTextIsNotMarkup()
    {
        FeedServer server;
        server.Serve(500, "no", "<a href=\"file:///etc/passwd\">Update</a>");
        qputenv("GLIMMERBOX_UPDATE_URL", server.Address().toUtf8());
        CCheckNew check;
        QSignalSpy finished(&check, &CCheckNew::CheckFinished);
        check.autoCheck = false;
        check.show();
        QVERIFY(finished.wait(15000));
        QCOMPARE(finished.first().first().toInt(), int(CCheckNew::Failed));
        const QString text = check.findChild<QLabel*>("labelText")->text();
        QVERIFY2(text.contains("&lt;a href="), qPrintable(text));
        QVERIFY2(!text.contains("<a href"), qPrintable(text));
    }

    // An automatic check that is not due, or switched off, asks nobody.
    void automaticCheckSkipped_data()
    {
        QTest::addColumn<bool>("autoCheck");
        QTest::addColumn<bool>("checkedToday");
        QTest::newRow("switched off") << false << false;
        QTest::newRow("checked today") << true << true;
    }

    void automaticCheckSkipped()
    {
        QFETCH(bool, autoCheck);
        QFETCH(bool, checkedToday);
        FeedServer server;
        server.Serve(200, "<Versions><Version>99.0</Version></Versions>");
        qputenv("GLIMMERBOX_UPDATE_URL", server.Address().toUtf8());
        CUserProfile::GetInstance()->autoCheck = autoCheck;
        if (checkedToday) {
            const QDate today = QDate::currentDate();
            SetRegistryString("Settings/CheckNew.LastDate",
                              QString::asprintf("%02d-%02d-%02d", today.year() % 100, today.month(),
                                                today.day()));
        }
        CCheckNew check;
        check.autoCheck = true;
        check.show();
        QVERIFY(!check.IsChecking());
        QTest::qWait(100);
        QCOMPARE(server.connections, 0);
    }
};

GB_TEST_MAIN(TestCheckNew)
#include "tst_checknew.moc"
