#include "CUserProfile.h"
#include "Platform.h"
#include "Registry.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QThread>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace {
QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tarn&Willow", "Glimmerbox");
}

void ClearStore()
{
    QSettings store = Store();
    store.clear();
}

struct SPreference
{
    const char* key;
    int defaultValue;
};

const SPreference kPreferences[] = {
    {"Settings/Settings.LanguageId", 1033},     {"Settings/Settings.UseMulticore", 1},
    {"Settings/Settings.ContextualMenu", 1},    {"Settings/Settings.ShowProfiles", 0},
    {"Settings/Settings.ShowStartupWizard", 1}, {"Settings/CheckNew.AutoCheck", 1},
    {"Settings/CheckNew.Interval", 1},          {"Settings/ProcessEnv.SPLog", 1},
    {"Settings/MonitorLaunch", 1},              {"Settings/Settings.ThemeId", 0},
    {"Settings/Settings.MultipageWrite", 0},    {"Settings/Settings.RawWhiteBalance", 0},
    {"Settings/Settings.RawHighlight", 0},      {"Settings/Settings.RawDemosaic", 0},
};

// Counts how often a file is put in place while `action` runs: QSettings
// writes a copy beside the file and renames it over the file, or links a new
// file in when there was none.
int CountFileWrites(const QString& path, const std::function<void()>& action)
{
    const QFileInfo info(path);
    QDir().mkpath(info.absolutePath());
    const int fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd < 0)
        return -1;
    if (inotify_add_watch(fd, QFile::encodeName(info.absolutePath()).constData(),
                          IN_MOVED_TO | IN_CREATE) < 0) {
        close(fd);
        return -1;
    }
    action();
    int writes = 0;
    alignas(inotify_event) char buffer[64 * 1024];
    for (;;) {
        const ssize_t length = read(fd, buffer, sizeof buffer);
        if (length <= 0)
            break;
        for (ssize_t at = 0; at < length;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && info.fileName() == QFile::decodeName(event->name))
                ++writes;
            at += ssize_t(sizeof(inotify_event)) + event->len;
        }
    }
    close(fd);
    return writes;
}
} // namespace

class TestUserProfile : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void registryRoundTrip_data();
    void registryRoundTrip();
    void registryMissingAndMistypedValues();
    void registryKeysNestUnderTheirGroup();
    void destructionWritesExactlyTheFourteenKeys();
    void preferencesWrittenInOneGoAtDestruction();
    void storedValuesReadBack_data();
    void storedValuesReadBack();
    void defaultCustomProfileIsInResources();
    void renamingSettingsCopyIntoAFilter();
    void previewStatusFromWorkerThreads();
    void instanceIsSharedAndFreshAfterDelete();
};

void TestUserProfile::init()
{
    CUserProfile::DeleteInstance();
    ClearStore();
}

void TestUserProfile::cleanup()
{
    CUserProfile::DeleteInstance();
}

void TestUserProfile::registryRoundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QByteArray allBytes;
    for (int i = 0; i < 256; ++i)
        allBytes.append(char(i));
    const QString intKey = "Settings/Test.Int";
    const QString textKey = "GUI/Test.String";
    QTest::newRow("int zero") << intKey << QVariant(0);
    QTest::newRow("int") << intKey << QVariant(1033);
    QTest::newRow("int negative") << intKey << QVariant(-17);
    QTest::newRow("int max") << intKey << QVariant(std::numeric_limits<int>::max());
    QTest::newRow("int min") << intKey << QVariant(std::numeric_limits<int>::min());
    QTest::newRow("empty text") << textKey << QVariant(QString());
    QTest::newRow("text") << textKey << QVariant("Processed");
    QTest::newRow("commas") << textKey << QVariant("a, b, c");
    QTest::newRow("at sign") << textKey << QVariant("@Variant(x)");
    QTest::newRow("quotes and backslash") << textKey << QVariant("say \"hi\" \\ there");
    QTest::newRow("non-latin") << textKey
                               << QVariant(QString::fromUtf8("Fotos \xc3\xa4\xc3\x9f \xe5\x86\x99\xe7\x9c\x9f"));
    QTest::newRow("line break") << textKey << QVariant("one\ntwo");
    QTest::newRow("leading blanks") << textKey << QVariant("  x  ");
    QTest::newRow("one blank") << textKey << QVariant(" ");
    QTest::newRow("blanks and tab") << textKey << QVariant(" \t ");
    QTest::newRow("every byte") << "Settings/MainWindow.WindowGeometry" << QVariant(allBytes);
    QTest::newRow("no bytes") << "Settings/MainWindow.WindowState" << QVariant(QByteArray());
}

void TestUserProfile::registryRoundTrip()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    const auto write = [&] {
        switch (value.typeId()) {
        case QMetaType::Int:
            SetRegistryInt(key, value.toInt());
            QCOMPARE(GetRegistryInt(key, 42), value.toInt());
            break;
        case QMetaType::QByteArray:
            SetRegistryByteArray(key, value.toByteArray());
            QCOMPARE(GetRegistryByteArray(key, "x"), value.toByteArray());
            break;
        default:
            SetRegistryString(key, value.toString());
            QCOMPARE(GetRegistryString(key, "default"), value.toString());
        }
    };
    write();
    // The same value again leaves the file alone (a write replaces it).
    const QString file = Store().fileName();
    const auto identity = [&] {
        struct stat info {};
        return ::stat(QFile::encodeName(file).constData(), &info) == 0 ? qulonglong(info.st_ino) : 0;
    };
    const qulonglong before = identity();
    QVERIFY(before != 0);
    write();
    QCOMPARE(identity(), before);
}

void TestUserProfile::registryMissingAndMistypedValues()
{
    QCOMPARE(GetRegistryInt("Settings/Missing", 7), 7);
    QCOMPARE(GetRegistryString("Settings/Missing", "d"), QString("d"));
    QCOMPARE(GetRegistryByteArray("Settings/Missing", "b"), QByteArray("b"));
    SetRegistryString("Settings/Settings.LanguageId", "abc");
    QCOMPARE(GetRegistryInt("Settings/Settings.LanguageId", 1033), 0);
}

void TestUserProfile::registryKeysNestUnderTheirGroup()
{
    SetRegistryInt("GUI/Step1.ViewType", 3);
    QSettings store = Store();
    store.beginGroup("GUI");
    QCOMPARE(store.value("Step1.ViewType").toInt(), 3);

    // The store is the INI file other tools and tests look at.
    QFile file(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Tarn&Willow/Glimmerbox.conf");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QVERIFY(text.contains("[GUI]\nStep1.ViewType=3"));
}

void TestUserProfile::destructionWritesExactlyTheFourteenKeys()
{
    // Reading an empty store replaces whatever the fields held with the defaults.
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->languageId = 1;
    profile->useMulticore = false;
    profile->showProfiles = true;
    profile->ReadRegistrySettings();
    CUserProfile::DeleteInstance();

    QSettings store = Store();
    QStringList expectedKeys;
    for (const SPreference& preference : kPreferences) {
        expectedKeys << preference.key;
        QCOMPARE(store.value(preference.key).toInt(), preference.defaultValue);
    }
    QStringList keys = store.allKeys();
    keys.sort();
    expectedKeys.sort();
    QCOMPARE(keys, expectedKeys);
}

void TestUserProfile::preferencesWrittenInOneGoAtDestruction()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->ReadRegistrySettings();
    profile->themeId = 1;
    profile->showStartupWizard = false;
    QVERIFY(Store().allKeys().isEmpty());

    QCOMPARE(CountFileWrites(Store().fileName(), [] { CUserProfile::DeleteInstance(); }), 1);
    QCOMPARE(Store().allKeys().size(), int(std::size(kPreferences)));
    QCOMPARE(GetRegistryInt("Settings/Settings.ThemeId", -1), 1);
    QCOMPARE(GetRegistryInt("Settings/Settings.ShowStartupWizard", -1), 0);
}

void TestUserProfile::storedValuesReadBack_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("writtenBack");
    QTest::newRow("bool 5 is on") << "Settings/Settings.UseMulticore" << "5" << 1;
    QTest::newRow("bool -1 is on") << "Settings/Settings.ContextualMenu" << "-1" << 1;
    QTest::newRow("bool 0 is off") << "Settings/Settings.ShowStartupWizard" << "0" << 0;
    QTest::newRow("bool text is off") << "Settings/ProcessEnv.SPLog" << "yes" << 0;
    QTest::newRow("language") << "Settings/Settings.LanguageId" << "1031" << 1031;
    QTest::newRow("language text") << "Settings/Settings.LanguageId" << "abc" << 0;
    QTest::newRow("theme") << "Settings/Settings.ThemeId" << "1" << 1;
    QTest::newRow("interval") << "Settings/CheckNew.Interval" << "3" << 3;
    QTest::newRow("multipage") << "Settings/Settings.MultipageWrite" << "2" << 2;
    QTest::newRow("demosaic") << "Settings/Settings.RawDemosaic" << "4" << 4;
}

void TestUserProfile::storedValuesReadBack()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(int, writtenBack);
    SetRegistryString(key, stored);
    CUserProfile::GetInstance()->ReadRegistrySettings();
    CUserProfile::DeleteInstance();
    QCOMPARE(Store().value(key).toString(), QString::number(writtenBack));
}

void TestUserProfile::defaultCustomProfileIsInResources()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    QCOMPARE(profile->CustomProfile, GetResourcesFolder() + "/sRGB.icm");
    profile->CustomProfile = "/elsewhere.icc";
    profile->SetDefaultCustomProfile();
    QCOMPARE(profile->CustomProfile, GetResourcesFolder() + "/sRGB.icm");
}

void TestUserProfile::renamingSettingsCopyIntoAFilter()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    profile->FilenameFormat = "X [Counter]";
    profile->PresetRename = 3;
    profile->CounterStart = 5;
    profile->CountStep = 2;
    profile->CounterDigits = 4;
    profile->SearchFor = "x";
    profile->ReplaceWith = "Y";
    CFilterFilename filter;
    profile->CopyRenamingSettings(filter);
    filter.baseName = "a";
    filter.extension = "JPG";
    filter.number = 1;
    filter.GenerateFilename(3, true);
    QCOMPARE(filter.result, QString("Y 0007.jpg"));
}

void TestUserProfile::previewStatusFromWorkerThreads()
{
    CUserProfile* profile = CUserProfile::GetInstance();
    QVERIFY(profile->GetPreviewComment().isEmpty());
    QCOMPARE(profile->GetPreviewProgress(), -1);
    std::atomic<int> received{0};
    connect(profile, &CUserProfile::UpdateStatusBar, this, [&received] { ++received; },
            Qt::QueuedConnection);
    constexpr int kThreads = 4;
    constexpr int kCalls = 200;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back(QThread::create([profile, t] {
            for (int i = 0; i < kCalls; ++i) {
                profile->SetPreviewComment(QString("thread %1 step %2").arg(t).arg(i));
                profile->SetPreviewProgress(i);
            }
        }));
        threads.back()->start();
    }
    for (int i = 0; i < kCalls; ++i)
        QVERIFY(profile->GetPreviewComment().isEmpty() ||
                profile->GetPreviewComment().startsWith("thread "));
    for (auto& thread : threads)
        QVERIFY(thread->wait(10000));
    // One status-bar update per call.
    QTRY_COMPARE(received.load(), kThreads * kCalls * 2);
    QCOMPARE(profile->GetPreviewProgress(), kCalls - 1);
    QVERIFY(profile->GetPreviewComment().endsWith(QString("step %1").arg(kCalls - 1)));
}

void TestUserProfile::instanceIsSharedAndFreshAfterDelete()
{
    constexpr int kThreads = 8;
    std::vector<CUserProfile*> seen(kThreads, nullptr);
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back(QThread::create([&seen, t] { seen[t] = CUserProfile::GetInstance(); }));
        threads.back()->start();
    }
    for (auto& thread : threads)
        QVERIFY(thread->wait(10000));
    for (CUserProfile* profile : seen)
        QCOMPARE(profile, seen.front());
    QCOMPARE(seen.front()->thread(), qApp->thread());

    CUserProfile::GetInstance()->languageId = 7;
    CUserProfile::DeleteInstance();
    QCOMPARE(CUserProfile::GetInstance()->languageId, 1033);
}

GB_TEST_MAIN(TestUserProfile)
#include "tst_userprofile.moc"
