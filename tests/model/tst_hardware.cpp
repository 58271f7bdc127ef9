#include "CHardwareProfile.h"
#include "TestEnv.h"

#include <QProcess>

// Runs this executable again as a probe with a chosen scale factor, since the
// device pixel ratio is fixed when the application object starts.
class TestHardware : public QObject
{
    Q_OBJECT
private slots:
    void retinaFollowsDevicePixelRatio_data();
    void retinaFollowsDevicePixelRatio();
    void screenFactsAreRead();
    void builtWithoutApplicationObject();
};

void TestHardware::retinaFollowsDevicePixelRatio_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default") << "" << "0";
    QTest::newRow("1.5") << "1.5" << "0";
    QTest::newRow("2") << "2" << "1";
    QTest::newRow("3") << "3" << "1";
}

void TestHardware::retinaFollowsDevicePixelRatio()
{
    QFETCH(QString, scale);
    QFETCH(QString, expected);
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_SCALE_FACTOR");
    if (!scale.isEmpty())
        env.insert("QT_SCALE_FACTOR", scale);
    probe.setProcessEnvironment(env);
    probe.start(QCoreApplication::applicationFilePath(), {"--probe-retina"});
    QVERIFY(probe.waitForFinished(20000));
    QCOMPARE(QString::fromLatin1(probe.readAllStandardOutput()).trimmed(), expected);
}

void TestHardware::screenFactsAreRead()
{
    CHardwareProfile::DeleteInstance();
    const CHardwareProfile* profile = CHardwareProfile::GetInstance();
    QVERIFY(profile->screenWidth > 0);
    QVERIFY(profile->screenHeight > 0);
    QVERIFY(profile->colorDepth > 0);
    CHardwareProfile::DeleteInstance();
}

void TestHardware::builtWithoutApplicationObject()
{
    QProcess probe;
    probe.start(QCoreApplication::applicationFilePath(), {"--probe-no-app"});
    QVERIFY(probe.waitForFinished(20000));
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(QString::fromLatin1(probe.readAllStandardOutput()).trimmed(), QString("0 0"));
}

int main(int argc, char** argv)
{
    const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (mode == "--probe-no-app") {
        const CHardwareProfile* profile = CHardwareProfile::GetInstance();
        printf("%d %d\n", profile->screenWidth, int(profile->IsRetina()));
        return 0;
    }
    TestEnv::Prepare();
    QApplication app(argc, argv);
    if (mode == "--probe-retina") {
        printf("%d\n", int(CHardwareProfile::GetInstance()->IsRetina()));
        return 0;
    }
    TestEnv::AfterApplication();
    TestHardware test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_hardware.moc"
