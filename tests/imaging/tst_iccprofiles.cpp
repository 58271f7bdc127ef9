#include "CICCProfiles.h"
#include "CUserProfile.h"
#include "TestEnv.h"
#include "TestThreads.h"
#include "TraceCapture.h"

#include <QFile>

#include <memory>
#include <vector>

namespace {
QByteArray Bytes(const Magick::Blob& blob)
{
    return QByteArray(static_cast<const char*>(blob.data()), int(blob.length()));
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// The store is one per process: the order of these tests matters (the first
// ones see profiles that nobody has loaded yet).
class TestICCProfiles : public QObject
{
    Q_OBJECT
private slots:
    void missingSRGBIsLookedForAgain();
    void parallelCMYKLoadReadsOnce();
    void profilesHoldTheFilesData();
    void customProfile_data();
    void customProfile();
};

void TestICCProfiles::missingSRGBIsLookedForAgain()
{
    CICCProfiles* store = CICCProfiles::GetInstance();
    QVERIFY(!store->srgbLoaded);
    const QByteArray saved = qgetenv("GLIMMERBOX_RESOURCES");
    qputenv("GLIMMERBOX_RESOURCES", TestEnv::NewFolder("no-resources").toUtf8());
    store->LoadIccProfile(CICCProfiles::SRGB);
    QVERIFY(!store->srgbLoaded);
    QCOMPARE(store->srgbProfile.length(), size_t(0));
    qputenv("GLIMMERBOX_RESOURCES", saved);
    store->LoadIccProfile(CICCProfiles::SRGB);
    QVERIFY(store->srgbLoaded);
    QVERIFY(store->srgbProfile.length() > 0);
}

void TestICCProfiles::parallelCMYKLoadReadsOnce()
{
    CICCProfiles* store = CICCProfiles::GetInstance();
    QVERIFY(!store->cmykLoaded);
    TraceCapture trace;
    TestThreads::RunTogether(8, [store](int) { store->LoadIccProfile(CICCProfiles::CMYK); });
    QVERIFY(store->cmykLoaded);
    QCOMPARE(trace.Count("LoadIccProfile", "RSWOP.ICM"), 1);
    store->LoadIccProfile(CICCProfiles::CMYK);
    QCOMPARE(trace.Count("LoadIccProfile", "RSWOP.ICM"), 1);
}

void TestICCProfiles::profilesHoldTheFilesData()
{
    CICCProfiles* store = CICCProfiles::GetInstance();
    store->LoadIccProfile(CICCProfiles::SRGB);
    store->LoadIccProfile(CICCProfiles::CMYK);
    QCOMPARE(Bytes(store->srgbProfile), FileBytes(CICCProfiles::SRGBPath()));
    QCOMPARE(Bytes(store->cmykProfile), FileBytes(CICCProfiles::CMYKPath()));
    // ICC headers: colour space "RGB " and "CMYK" at byte 16.
    QCOMPARE(Bytes(store->srgbProfile).mid(16, 4), QByteArray("RGB "));
    QCOMPARE(Bytes(store->cmykProfile).mid(16, 4), QByteArray("CMYK"));
}

void TestICCProfiles::customProfile_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing file falls back to sRGB") << "missing" << "srgb";
    QTest::newRow("not a profile falls back to sRGB") << "text" << "srgb";
    QTest::newRow("empty setting falls back to sRGB") << "empty" << "srgb";
    QTest::newRow("CMYK file") << "cmyk" << "cmyk";
}

void TestICCProfiles::customProfile()
{
    QFETCH(QString, which);
    QFETCH(QString, expected);
    CICCProfiles* store = CICCProfiles::GetInstance();
    CUserProfile* profile = CUserProfile::GetInstance();
    const QString folder = TestEnv::NewFolder("custom");
    QString path;
    if (which == "missing") {
        path = folder + "/gone.icc";
    } else if (which == "text") {
        path = folder + "/text.icc";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not an ICC profile");
    } else if (which == "cmyk") {
        path = CICCProfiles::CMYKPath();
    }
    profile->CustomProfile = path;
    store->customLoaded = false;
    store->LoadIccProfile(CICCProfiles::Custom);
    QVERIFY(store->customLoaded);
    const QString expectedFile = expected == "srgb" ? CICCProfiles::SRGBPath() : CICCProfiles::CMYKPath();
    QCOMPARE(Bytes(store->customProfile), FileBytes(expectedFile));
    // Loaded stays loaded until the flag is cleared again.
    profile->CustomProfile = CICCProfiles::CMYKPath();
    store->LoadIccProfile(CICCProfiles::Custom);
    QCOMPARE(Bytes(store->customProfile), FileBytes(expectedFile));
}

GB_TEST_MAIN(TestICCProfiles)
#include "tst_iccprofiles.moc"
