#include "CFiltersEnum.h"
#include "CFormatsEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CScripts.h"
#include "CUserProfile.h"
#include "Common.h"
#include "FilterDescriptions.h"
#include "JobFileProperties.h"
#include "TestEnv.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {
CListImages* Images() { return CListImages::GetInstance(); }
CListFilters* Filters() { return CListFilters::GetInstance(); }
CUserProfile* Profile() { return CUserProfile::GetInstance(); }

// A fresh job: empty lists and a profile with its defaults.
void ResetJob()
{
    Images()->list.clear();
    Filters()->list.clear();
    CUserProfile::DeleteInstance();
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString KeepFormat()
{
    return QCoreApplication::translate("QObject", FilterDescription(52).toUtf8().constData());
}

SFilterRecord Record(quint32 id, quint8 active, QList<double> numbers, QStringList texts)
{
    SFilterRecord record;
    record.filterId = id;
    record.active = active;
    record.numParams = quint8(numbers.size());
    for (int i = 0; i < numbers.size(); ++i)
        record.params[i] = numbers[i];
    record.numTexts = quint8(texts.size());
    for (int i = 0; i < texts.size(); ++i)
        record.texts[i] = texts[i];
    return record;
}

void AddPhoto(const QString& path)
{
    SImageRecord record;
    record.path = path;
    Images()->list.append(record);
}

// The job behind the golden files: every kind of value the writer formats.
void SetKnownJob()
{
    ResetJob();
    AddPhoto("/photos/2019/a.jpg");
    AddPhoto("/photos/Tom & Jerry's <best>.jpg");
    Filters()->AddFilter(Record(5040, 1, {1280, 960, 1, 0, 0, 1}, {}));
    Filters()->AddFilter(Record(1000, 0, {12.5, -0.5, 1.0 / 3.0, 1234567.0000004},
                                {"Fish & <Chips> \"quoted\" 'single'", "DejaVu Sans", ""}));
    Filters()->AddFilter(Record(3060, 1, {}, {}));

    CUserProfile* p = Profile();
    p->FilenameFormat = "[Filename]_web.[Extension]";
    p->CounterStart = 9000000000LL;
    p->CountStep = -2;
    p->CounterDigits = 4;
    p->CounterReset = true;
    p->DateType = 1;
    p->DateFormat = 10;
    p->ShowTime = 1;
    p->TimeFormat = 1;
    p->SearchFor = "";
    p->ReplaceWith = "x&y";
    p->PresetRename = 3;
    p->ChangeCase = 2;
    p->LowerCaseExt = false;
    p->Destination = 3;
    p->OutputFolderStruct = 1;
    p->OutputFolder = "Web";
    p->DestPath = "/home/me/Pictures/Out & About";
    p->FTPUser = "me";
    p->FTPPassword = EncryptString("pässword");
    p->FTPHost = "127.0.0.1";
    p->FTPFolder = "/upload";
    p->FTPPort = "2121";
    p->UseSFTP = false;
    p->SaveOnDiskFacebook = false;
    p->SaveOnDiskFlickr = true;
    p->SaveOnDiskFTP = true;
    p->SaveOnDiskMail = false;
    p->OpenOutputFolder = false;
    p->OriginalDate = true;
    p->DeleteSource = false;
    p->OutputFormat = KeepFormat();
    p->Quality = 75;
    p->FileSize = 999999;
    p->FixedSize = true;
    p->Interlaced = 1;
    p->PNGComp = 0;
    p->PdfAlg = 3;
    p->TiffAlg = 2;
    p->TiffType = 3;
    p->JpegType = 0;
    p->CustomProfile = "/icc/My Profile.icc";
    p->Multipage = true;
    p->DefaultFormat = "PNG";
    p->Step1Preview = false;
    p->Step2Preview = true;
    p->DisableNotifications = true;
}

QString Golden(const QString& name)
{
    return QString(GB_TEST_SOURCE_DIR) + "/tests/data/jobfiles/" + name;
}

// A job file from a template: %1 is replaced by the given body.
QByteArray Job(const char* root, const QByteArray& body, const char* attributes = "Version=\"1\"")
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"utf-16\"?>\n<") + root + " " + attributes + ">\n" +
           body + "\n</" + root + ">\n";
}

QByteArray FilterWith(const QByteArray& inner, const QByteArray& attributes = "Id=\"3060\"")
{
    return "<Filters><Filter " + attributes + ">" + inner + "</Filter></Filters>";
}

QByteArray Property(const char* cls, const char* name, const QByteArray& text)
{
    return QByteArray("<Properties Class=\"") + cls + "\"><Property Name=\"" + name + "\">" + text +
           "</Property></Properties>";
}

struct SLoadResult
{
    bool ok = false;
    int warnings = 0;
};

SLoadResult LoadBytes(const QByteArray& bytes, const QString& name = "job.gbf")
{
    const QString path = TestEnv::NewFolder("load") + "/" + name;
    WriteAll(path, bytes);
    SLoadResult result;
    CScripts scripts(path);
    scripts.SetWarningHandler([&result](const QString&) { ++result.warnings; });
    result.ok = scripts.Load();
    return result;
}

void Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// A profile field by its job-file name (or a run flag), as text.
QString FieldText(const QString& name)
{
    const CUserProfile& p = *Profile();
    if (name == "silentScript")
        return QString::number(p.silentScript);
    if (name == "monitorRun")
        return QString::number(p.monitorRun);
    for (const char* cls : {"Script", "Rename", "Output", "Format", "Interface", "Monitor"}) {
        for (const SJobProperty& property : JobPropertiesOf(cls)) {
            if (name != property.name)
                continue;
            return std::visit(
                [&p](auto member) {
                    const auto& value = p.*member;
                    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, QString>)
                        return value;
                    else
                        return QString::number(value);
                },
                property.field);
        }
    }
    return "no such field";
}

QStringList PathsRelativeTo(const QString& folder)
{
    QStringList out;
    for (const SImageRecord& r : Images()->list)
        out << QDir(folder).relativeFilePath(r.path);
    return out;
}
} // namespace

class TestJobFiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    // Writer
    void emptyJobsHaveTheirLineCounts_data();
    void emptyJobsHaveTheirLineCounts();
    void savedJobsMatchGoldenFiles_data();
    void savedJobsMatchGoldenFiles();
    void unrepresentableCharactersAreDroppedSoTheFileLoads();
    void saveIntoMissingFolderFailsAndCreatesNothing();
    void failedWriteKeepsTheOldFile();

    // Round trips
    void roundTripKeepsEveryField_data();
    void roundTripKeepsEveryField();
    void roundTripKeepsProfileNameAndDescription();
    void headerReadLeavesTheJobAlone_data();
    void headerReadLeavesTheJobAlone();

    // Reader
    void rootsDecideWhatIsReplaced_data();
    void rootsDecideWhatIsReplaced();
    void imagesCountMustBeOneForScriptsAndProjects_data();
    void imagesCountMustBeOneForScriptsAndProjects();
    void activeAttribute_data();
    void activeAttribute();
    void numericParameters_data();
    void numericParameters();
    void propertiesConvertTheirText_data();
    void propertiesConvertTheirText();
    void parameterCountsAreClamped();
    void unknownFilterIdsAreKept();
    void versionWarningComesOnceAndLoadGoesOn();
    void silentScriptNeverWaitsForAnAnswer();
    void imagePathsUseForwardSlashes();
    void byteOrderMarksSelectTheEncoding();

    // Folder searches
    void searchMatchesMaskInAnyCaseSortedAndDepthFirst();
    void searchWithoutFolderUsesTheJobFolder();
    void searchDoesNotFollowLinkCycles();

    // Hostile files
    void malformedFilesChangeNothing_data();
    void malformedFilesChangeNothing();
    void specialFilesAreRefused();
    void oversizedFileIsRefused();
};

void TestJobFiles::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
    CFiltersEnum::GetInstance()->GenerateList();
}

void TestJobFiles::init()
{
    ResetJob();
}

// ---------------------------------------------------------------- writer

void TestJobFiles::emptyJobsHaveTheirLineCounts_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("lines");
    QTest::addColumn<QByteArray>("rootLine");
    QTest::newRow("profile") << 2 << 72 << QByteArray("<Profile Version=\"1\">");
    QTest::newRow("script") << 3 << 69 << QByteArray("<Script Version=\"1\">");
    QTest::newRow("project") << 1 << 69 << QByteArray("<Project Version=\"1\">");
}

void TestJobFiles::emptyJobsHaveTheirLineCounts()
{
    QFETCH(int, mode);
    QFETCH(int, lines);
    QFETCH(QByteArray, rootLine);
    const QString path = TestEnv::NewFolder("empty") + "/job.xml";
    CScripts scripts(path);
    QVERIFY(scripts.Save(mode));
    const QByteArray bytes = ReadAll(path);
    QVERIFY(bytes.startsWith("<?xml version=\"1.0\" encoding=\"utf-16\"?>\n"));
    QVERIFY(!bytes.contains('\r'));
    QVERIFY(bytes.endsWith(">\n\n"));
    // Lines ended by a line feed; the last one is the empty line.
    QCOMPARE(int(bytes.count('\n')), lines);
    QCOMPARE(bytes.split('\n').at(1), rootLine);
}

void TestJobFiles::savedJobsMatchGoldenFiles_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("golden");
    QTest::newRow("profile") << 2 << "known.gbf";
    QTest::newRow("script") << 3 << "known.gbs";
}

void TestJobFiles::savedJobsMatchGoldenFiles()
{
    QFETCH(int, mode);
    QFETCH(QString, golden);
    SetKnownJob();
    const QString path = TestEnv::NewFolder("golden") + "/" + golden;
    CScripts scripts(path);
    scripts.profileName = "Wëb <Export> 日本";
    scripts.profileDescription = "";
    // Numbers keep their full stop whatever the locale.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool saved = scripts.Save(mode);
    QLocale::setDefault(before);
    QVERIFY(saved);
    const QByteArray expected = ReadAll(Golden(golden));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(ReadAll(path), expected);
}

void TestJobFiles::unrepresentableCharactersAreDroppedSoTheFileLoads()
{
    const QString bad = QString("a") + QChar(0x01) + QChar(0x1F) + "b" + QChar(0xD800) + "c" +
                        QChar(0xFFFF) + "\td";
    Filters()->AddFilter(Record(1000, 1, {std::nan(""), INFINITY}, {bad}));
    Profile()->DestPath = bad;
    Profile()->FTPPassword = "p<&>";
    AddPhoto("/p/" + bad + ".jpg");
    const QString path = TestEnv::NewFolder("bad") + "/s.gbs";
    QVERIFY(CScripts(path).Save(3));
    QVERIFY(ReadAll(path).contains("<Property Name=\"FTPPassword\">p&lt;&amp;&gt;</Property>"));

    ResetJob();
    SLoadResult result = LoadBytes(ReadAll(path), "s.gbs");
    QVERIFY(result.ok);
    QCOMPARE(Filters()->list.size(), 1);
    QCOMPARE(Filters()->list[0].texts[0], QString("abc\td"));
    QCOMPARE(Filters()->list[0].params[0], 0.0);
    QCOMPARE(Filters()->list[0].params[1], 0.0);
    QCOMPARE(Profile()->DestPath, QString("abc\td"));
    QCOMPARE(Profile()->FTPPassword, QString("p<&>"));
}

void TestJobFiles::saveIntoMissingFolderFailsAndCreatesNothing()
{
    const QString folder = TestEnv::NewFolder("missing") + "/not-there";
    QVERIFY(!CScripts(folder + "/p.gbf").Save(2));
    QVERIFY(!QFileInfo::exists(folder));
    // A folder in the way of the file is not replaced either.
    const QString dirPath = TestEnv::NewFolder("dir-in-the-way");
    QVERIFY(!CScripts(dirPath).Save(2));
    QVERIFY(QFileInfo(dirPath).isDir());
    QVERIFY(!CScripts(dirPath + "/x.gbf").Save(7));
    QVERIFY(!QFileInfo::exists(dirPath + "/x.gbf"));
}

void TestJobFiles::failedWriteKeepsTheOldFile()
{
    const QString path = TestEnv::NewFolder("full") + "/p.gbf";
    WriteAll(path, "old contents\n");
    for (int i = 0; i < 200; ++i)
        Filters()->AddFilter(Record(3060, 1, {1, 2, 3}, {"some text"}));

    // A file-size limit makes the write fail part-way, as a full disk would.
    struct rlimit saved {};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit tight = saved;
    tight.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool ok = CScripts(path).Save(2);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QVERIFY(!ok);
    QCOMPARE(ReadAll(path), QByteArray("old contents\n"));
    QCOMPARE(QDir(QFileInfo(path).absolutePath()).entryList(QDir::Files), QStringList{"p.gbf"});
}

// ---------------------------------------------------------------- round trips

void TestJobFiles::roundTripKeepsEveryField_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("project") << 1;
    QTest::newRow("profile") << 2;
    QTest::newRow("script") << 3;
}

void TestJobFiles::roundTripKeepsEveryField()
{
    // Saved, loaded into a fresh job and saved again, a job gives the same
    // bytes: every field and filter came back. The job's values all differ
    // from a fresh job's.
    QFETCH(int, mode);
    SetKnownJob();
    const QString tricky = "A&B <c> \"d\" 'e' &lt; &amp; Ünïcødé 日本語 🙂\r\nline2\tend";
    CUserProfile* p = Profile();
    p->FilenameFormat = tricky;
    // A replacement of one blank is a value, not layout.
    p->ReplaceWith = " ";
    p->SearchFor = "_";
    p->DestPath = "/Out & About/&amp;/<x>";
    p->FTPUser = "u&<>\"'";
    p->FTPFolder = "/f&lt;";
    p->DeleteSource = p->SaveOnDiskMail = p->SaveOnDiskFacebook = true;
    p->Step2Preview = false;
    AddPhoto("/photos/" + tricky + ".png");
    Filters()->AddFilter(Record(1000, 1, {12.345678, -1e-7, 4294944000.0}, {tricky, "", "/tex/&amp;.png", " \t "}));
    Filters()->AddFilter(Record(0xFFFFFFFFu, 0, {}, {}));

    const QString folder = TestEnv::NewFolder("roundtrip");
    CScripts first(folder + "/first");
    first.profileName = tricky;
    first.profileDescription = tricky;
    QVERIFY(first.Save(mode));

    ResetJob();
    AddPhoto("/keep/me.jpg");
    CScripts loader(folder + "/first");
    int warnings = 0;
    loader.SetWarningHandler([&warnings](const QString&) { ++warnings; });
    QVERIFY(loader.Load());
    QCOMPARE(warnings, 0);
    if (mode == 2) {
        QCOMPARE(loader.profileName, tricky);
        QCOMPARE(loader.profileDescription, tricky);
        // A profile keeps the photos of the job.
        QCOMPARE(Images()->list.size(), 1);
        QCOMPARE(Images()->list[0].path, QString("/keep/me.jpg"));
    }
    CScripts second(folder + "/second");
    second.profileName = loader.profileName;
    second.profileDescription = loader.profileDescription;
    QVERIFY(second.Save(mode));
    QCOMPARE(ReadAll(folder + "/second"), ReadAll(folder + "/first"));
    QCOMPARE(DecryptString(Profile()->FTPPassword), QString("pässword"));
    QCOMPARE(Filters()->list[0].name, QString("Resize"));
    QCOMPARE(Filters()->list[1].name, QString("Text"));
    QCOMPARE(Filters()->list[2].name, QString());
}

void TestJobFiles::roundTripKeepsProfileNameAndDescription()
{
    const QString path = TestEnv::NewFolder("names") + "/p.gbf";
    CScripts writer(path);
    writer.profileName = "Wëb & <Export>";
    writer.profileDescription = "For the \"web\"\nsmall";
    QVERIFY(writer.Save(2));
    CScripts reader(path);
    QVERIFY(reader.Load());
    QCOMPARE(reader.profileName, writer.profileName);
    QCOMPARE(reader.profileDescription, writer.profileDescription);

    // The root's Name attribute wins over the header's name.
    const QString other = TestEnv::NewFolder("names2") + "/p.gbf";
    WriteAll(other, Job("Profile",
                        "<Properties Class=\"Profile\"><Property Name=\"Name\">Header</Property>"
                        "<Property Name=\"Description\">D</Property></Properties>",
                        "Version=\"1\" Name=\"Root\""));
    CScripts rooted(other);
    QVERIFY(rooted.Load());
    QCOMPARE(rooted.profileName, QString("Root"));
    QCOMPARE(rooted.profileDescription, QString("D"));
}

// The profile chooser reads headers only: the job stays as it was.
void TestJobFiles::headerReadLeavesTheJobAlone_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("category");
    QTest::addColumn<int>("icon");
    const QByteArray header = "<Properties Class=\"Profile\"><Property Name=\"Name\">Mine</Property>"
                              "<Property Name=\"Description\">My look</Property>"
                              "<Property Name=\"Category\">User-Defined</Property></Properties>";
    QTest::newRow("user-defined") << Job("Profile", header + FilterWith("")) << true << "Mine"
                                  << "My look" << "User-Defined" << -1;
    QTest::newRow("built-in by ids")
        << Job("Profile", "<Properties Class=\"Profile\"><Property Name=\"Name\">x</Property>"
                          "<Property Name=\"Category\">Convert</Property>"
                          "<Property Name=\"NameId\">14276</Property>"
                          "<Property Name=\"DescriptionId\">14277</Property>"
                          "<Property Name=\"Icon\">112</Property></Properties>")
        << true << "Convert to PNG" << "Convert to PNG file format for the best quality." << "Convert" << 112;
    QTest::newRow("icon not a number")
        << Job("Profile", "<Properties Class=\"Profile\"><Property Name=\"Icon\">big</Property></Properties>")
        << true << "" << "" << "" << -1;
    QTest::newRow("a script") << Job("Script", "<Images/>" + FilterWith("")) << false << "" << "" << "" << -1;
    QTest::newRow("broken") << QByteArray("<Profile Version=\"1\"><Filters>") << false << "" << "" << "" << -1;
}

void TestJobFiles::headerReadLeavesTheJobAlone()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, read);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(QString, category);
    QFETCH(int, icon);
    SetKnownJob();
    const int photos = int(Images()->list.size());
    const int filters = int(Filters()->list.size());
    const QString format = Profile()->OutputFormat;
    const QString path = TestEnv::NewFolder("header") + "/p.gbf";
    WriteAll(path, text);
    CScripts reader(path);
    QCOMPARE(reader.LoadProfileHeader(), read);
    if (read) {
        QCOMPARE(reader.profileName, name);
        QCOMPARE(reader.profileDescription, description);
        QCOMPARE(reader.profileCategory, category);
        QCOMPARE(reader.profileIcon, icon);
    }
    QCOMPARE(int(Images()->list.size()), photos);
    QCOMPARE(int(Filters()->list.size()), filters);
    QCOMPARE(Profile()->OutputFormat, format);
}

// ---------------------------------------------------------------- reader

void TestJobFiles::rootsDecideWhatIsReplaced_data()
{
    QTest::addColumn<QByteArray>("root");
    QTest::addColumn<QString>("photos");
    QTest::addColumn<QString>("filters");
    // Before each load: photo /old/o.jpg and filter 3080. The file holds
    // photo /new/n.jpg and filter 3060.
    QTest::newRow("Profile") << QByteArray("Profile") << "/old/o.jpg" << "3060";
    QTest::newRow("Script") << QByteArray("Script") << "/new/n.jpg" << "3060";
    QTest::newRow("Project") << QByteArray("Project") << "/new/n.jpg" << "3060";
    QTest::newRow("Preset") << QByteArray("Preset") << "/old/o.jpg" << "3080 3060";
}

void TestJobFiles::rootsDecideWhatIsReplaced()
{
    QFETCH(QByteArray, root);
    QFETCH(QString, photos);
    QFETCH(QString, filters);
    AddPhoto("/old/o.jpg");
    Filters()->AddFilter(Record(3080, 1, {}, {}));
    const SLoadResult r = LoadBytes(Job(root.constData(), "<Images><Image Path=\"/new/n.jpg\" /></Images>" +
                                                              FilterWith("") + Property("Format", "Quality", "42")));
    QVERIFY(r.ok);
    QStringList paths, ids;
    for (const SImageRecord& i : Images()->list)
        paths << i.path;
    for (const SFilterRecord& f : Filters()->list)
        ids << QString::number(f.filterId);
    QCOMPARE(paths.join(' '), photos);
    QCOMPARE(ids.join(' '), filters);
    QCOMPARE(Profile()->Quality, 42);
}

void TestJobFiles::imagesCountMustBeOneForScriptsAndProjects_data()
{
    QTest::addColumn<QByteArray>("root");
    QTest::addColumn<QByteArray>("images");
    QTest::addColumn<bool>("ok");
    QTest::newRow("script, none") << QByteArray("Script") << QByteArray() << false;
    QTest::newRow("script, two") << QByteArray("Script") << QByteArray("<Images/><Images/>") << false;
    QTest::newRow("script, nested second")
        << QByteArray("Script") << QByteArray("<Images><Images/></Images>") << false;
    QTest::newRow("project, none") << QByteArray("Project") << QByteArray() << false;
    QTest::newRow("project, two") << QByteArray("Project") << QByteArray("<Images/><x><Images/></x>") << false;
    QTest::newRow("script, one empty") << QByteArray("Script") << QByteArray("<Images/>") << true;
    QTest::newRow("profile, none") << QByteArray("Profile") << QByteArray() << true;
}

void TestJobFiles::imagesCountMustBeOneForScriptsAndProjects()
{
    QFETCH(QByteArray, root);
    QFETCH(QByteArray, images);
    QFETCH(bool, ok);
    AddPhoto("/old/o.jpg");
    Filters()->AddFilter(Record(3080, 1, {}, {}));
    const SLoadResult r =
        LoadBytes(Job(root.constData(), images + FilterWith("") + Property("Format", "Quality", "42"),
                      "Version=\"2\" Mode=\"Silent\""));
    QCOMPARE(r.ok, ok);
    if (!ok) {
        // A refused file leaves the job exactly as it was, and asks nothing.
        QCOMPARE(r.warnings, 0);
        QCOMPARE(Images()->list.size(), 1);
        QCOMPARE(Filters()->list.size(), 1);
        QCOMPARE(Filters()->list[0].filterId, 3080u);
        QCOMPARE(Profile()->Quality, 88);
        QCOMPARE(Profile()->silentScript, false);
    }
}

void TestJobFiles::activeAttribute_data()
{
    QTest::addColumn<QByteArray>("attributes");
    QTest::addColumn<int>("active");
    QTest::newRow("absent") << QByteArray("Id=\"3060\"") << 1;
    QTest::newRow("empty") << QByteArray("Id=\"3060\" Active=\"\"") << 1;
    QTest::newRow("0") << QByteArray("Id=\"3060\" Active=\"0\"") << 0;
    QTest::newRow("no") << QByteArray("Id=\"3060\" Active=\"no\"") << 0;
    QTest::newRow("1") << QByteArray("Id=\"3060\" Active=\"1\"") << 1;
    QTest::newRow("2") << QByteArray("Id=\"3060\" Active=\"2\"") << 1;
    QTest::newRow("-1") << QByteArray("Id=\"3060\" Active=\"-1\"") << 1;
    QTest::newRow("too large") << QByteArray("Id=\"3060\" Active=\"99999999999\"") << 0;
}

void TestJobFiles::activeAttribute()
{
    QFETCH(QByteArray, attributes);
    QFETCH(int, active);
    QVERIFY(LoadBytes(Job("Profile", FilterWith("", attributes))).ok);
    QCOMPARE(Filters()->list.size(), 1);
    QCOMPARE(int(Filters()->list[0].active), active);
}

void TestJobFiles::numericParameters_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << QByteArray("12.500000") << 12.5;
    QTest::newRow("exponent") << QByteArray("1e3") << 1000.0;
    QTest::newRow("negative") << QByteArray("-0.25") << -0.25;
    QTest::newRow("comma") << QByteArray("12,5") << 0.0;
    QTest::newRow("word") << QByteArray("abc") << 0.0;
    QTest::newRow("empty") << QByteArray("") << 0.0;
    QTest::newRow("nan") << QByteArray("nan") << 0.0;
    QTest::newRow("inf") << QByteArray("inf") << 0.0;
    QTest::newRow("-inf") << QByteArray("-inf") << 0.0;
    QTest::newRow("overflow") << QByteArray("1e999") << 0.0;
}

void TestJobFiles::numericParameters()
{
    QFETCH(QByteArray, text);
    QFETCH(double, value);
    QVERIFY(LoadBytes(Job("Profile", FilterWith("<Param Type=\"float\">" + text + "</Param>"))).ok);
    QCOMPARE(Filters()->list.size(), 1);
    QCOMPARE(int(Filters()->list[0].numParams), 1);
    QCOMPARE(Filters()->list[0].params[0], value);
}

void TestJobFiles::propertiesConvertTheirText_data()
{
    QTest::addColumn<QByteArray>("job");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    const auto format = [](const QByteArray& name, const QByteArray& text) {
        return Job("Profile", Property("Format", name.constData(), text));
    };
    const auto rename = [](const QByteArray& name, const QByteArray& text) {
        return Job("Profile", Property("Rename", name.constData(), text));
    };
    // Before each load Quality is 88, CounterStart 1, the flags false.
    QTest::newRow("int") << format("Quality", "55") << "Quality" << "55";
    QTest::newRow("int, empty keeps") << format("Quality", "") << "Quality" << "88";
    QTest::newRow("int, word") << format("Quality", "high") << "Quality" << "0";
    QTest::newRow("int, exponent") << format("Quality", "1e3") << "Quality" << "0";
    QTest::newRow("int, too large") << format("Quality", "2147483648") << "Quality" << "0";
    QTest::newRow("int, smallest") << format("Quality", "-2147483648") << "Quality" << "-2147483648";
    QTest::newRow("int64") << rename("CounterStart", "9000000000") << "CounterStart" << "9000000000";
    QTest::newRow("int64, too large") << rename("CounterStart", "9223372036854775808") << "CounterStart" << "0";
    // The size cap keeps the range of the format options: 1 to 999999 KB.
    QTest::newRow("size cap") << format("FileSize", "250") << "FileSize" << "250";
    QTest::newRow("size cap, largest") << format("FileSize", "999999") << "FileSize" << "999999";
    QTest::newRow("size cap, above") << format("FileSize", "5000000000") << "FileSize" << "999999";
    QTest::newRow("size cap, bytes beyond int64") << format("FileSize", "9300000000000000") << "FileSize" << "999999";
    QTest::newRow("size cap, int64 max") << format("FileSize", "9223372036854775807") << "FileSize" << "999999";
    QTest::newRow("size cap, 0") << format("FileSize", "0") << "FileSize" << "1";
    QTest::newRow("size cap, negative") << format("FileSize", "-9223372036854775808") << "FileSize" << "1";
    QTest::newRow("size cap, word") << format("FileSize", "big") << "FileSize" << "1";
    QTest::newRow("flag 5") << rename("CounterReset", "5") << "CounterReset" << "1";
    QTest::newRow("flag, word") << rename("CounterReset", "yes") << "CounterReset" << "0";
    QTest::newRow("PNGComp is a flag") << format("PNGComp", "5") << "PNGComp" << "1";
    QTest::newRow("Original") << format("OutputFormat", "Original") << "OutputFormat" << KeepFormat();
    QTest::newRow("format id") << format("OutputFormat", "PNG") << "OutputFormat" << "PNG";
    QTest::newRow("one blank") << rename("ReplaceWith", " ") << "ReplaceWith" << " ";
    QTest::newRow("blanks and tab") << rename("ReplaceWith", " \t  ") << "ReplaceWith" << " \t  ";
    QTest::newRow("blank as reference") << rename("ReplaceWith", "&#32;") << "ReplaceWith" << " ";
    QTest::newRow("blank in CDATA") << rename("ReplaceWith", "<![CDATA[ ]]>") << "ReplaceWith" << " ";
    QTest::newRow("entities resolved once") << rename("SearchFor", "&amp;lt;&#x41;") << "SearchFor" << "&lt;A";
    QTest::newRow("later wins")
        << Job("Profile", "<Properties Class=\"Format\"><Property Name=\"Quality\">1</Property>"
                          "<Property Name=\"Quality\">2</Property><Property Name=\"Nope\">3</Property></Properties>")
        << "Quality" << "2";
    QTest::newRow("wrong class") << Job("Profile", Property("Rename", "Quality", "5")) << "Quality" << "88";
    const QByteArray script = "<Properties Class=\"Script\"><Property Name=\"DisableNotifications\">1</Property>"
                              "<Property Name=\"HideProcessing\">2</Property></Properties><Images/>";
    QTest::newRow("script flag 1") << Job("Script", script) << "DisableNotifications" << "1";
    QTest::newRow("script flag only for 1") << Job("Script", script) << "HideProcessing" << "0";
    QTest::newRow("Mode Silent") << Job("Script", "<Images/>", "Version=\"1\" Mode=\"Silent\"") << "silentScript" << "1";
    QTest::newRow("Mode other") << Job("Script", "<Images/>", "Version=\"1\" Mode=\"silent\"") << "silentScript" << "0";
    const QByteArray monitor = "<Images/><Properties Class=\"Monitor\"><Property Name=\"Id\">m&amp;1</Property>"
                               "<Property Name=\"PicCount\">17</Property></Properties>";
    QTest::newRow("monitor text") << Job("Project", monitor) << "Id" << "m&1";
    QTest::newRow("monitor number") << Job("Project", monitor) << "PicCount" << "17";
    QTest::newRow("monitor run") << Job("Project", monitor) << "monitorRun" << "1";
    QTest::newRow("no monitor") << Job("Project", "<Images/>") << "monitorRun" << "0";
}

void TestJobFiles::propertiesConvertTheirText()
{
    QFETCH(QByteArray, job);
    QFETCH(QString, field);
    QFETCH(QString, value);
    QVERIFY(LoadBytes(job, "job.gbs").ok);
    QCOMPARE(FieldText(field), value);
}

void TestJobFiles::parameterCountsAreClamped()
{
    QByteArray inner;
    for (int i = 0; i < 40; ++i) {
        inner += "<Param Type=\"float\">" + QByteArray::number(i) + "</Param>";
        inner += "<Param Type=\"string\">t" + QByteArray::number(i) + "</Param>";
        inner += "<Param Type=\"other\">x</Param>";
    }
    // Parameters count at any depth inside the filter.
    inner += "<Deeper><Param Type=\"float\">99</Param></Deeper>";
    QVERIFY(LoadBytes(Job("Profile", FilterWith(inner, "Id=\"1000\""))).ok);
    QCOMPARE(Filters()->list.size(), 1);
    const SFilterRecord& r = Filters()->list[0];
    QCOMPARE(int(r.numParams), SFilterRecord::MaxParams);
    QCOMPARE(int(r.numTexts), SFilterRecord::MaxTexts);
    QCOMPARE(r.params[31], 31.0);
    QCOMPARE(r.texts[15], QString("t15"));

    // The same filter saved again writes only what the record holds.
    const QString path = TestEnv::NewFolder("clamped") + "/p.gbf";
    QVERIFY(CScripts(path).Save(2));
    QCOMPARE(int(ReadAll(path).count("<Param Type=\"float\">")), 32);
}

void TestJobFiles::unknownFilterIdsAreKept()
{
    const QByteArray filters = "<Filters>"
                               "<Filter Id=\"3120\"><Param Type=\"float\">50</Param></Filter>"
                               "<Filter Id=\"66536\"/>" // low 16 bits: 1000
                               "<Filter Id=\"-1\"/>"
                               "<Filter Id=\"abc\"/>"
                               "<Filter/>"
                               "<NotAFilter Id=\"1000\"/>"
                               "</Filters>";
    QVERIFY(LoadBytes(Job("Profile", filters)).ok);
    const QList<SFilterRecord>& list = Filters()->list;
    QCOMPARE(list.size(), 5);
    QCOMPARE(list[0].filterId, 3120u);
    QCOMPARE(list[0].name, QString());
    QCOMPARE(list[0].description, QString());
    QCOMPARE(list[0].params[0], 50.0);
    QCOMPARE(list[1].filterId, 66536u);
    QCOMPARE(list[1].name, QString("Text"));
    QCOMPARE(list[2].filterId, quint32(-1));
    QCOMPARE(list[3].filterId, 0u);
    QCOMPARE(list[4].filterId, 0u);
}

void TestJobFiles::versionWarningComesOnceAndLoadGoesOn()
{
    const QByteArray body = "<Images><Image Path=\"/a/b.jpg\"/></Images>" + FilterWith("") +
                            Property("Format", "Quality", "10");
    SLoadResult r = LoadBytes(Job("Script", body, "Version=\"2\""), "s.gbs");
    QVERIFY(r.ok);
    QCOMPARE(r.warnings, 1);
    QCOMPARE(Images()->list.size(), 1);
    QCOMPARE(Filters()->list.size(), 1);
    QCOMPARE(Profile()->Quality, 10);

    r = LoadBytes(Job("Profile", body, "Other=\"x\""));
    QVERIFY(r.ok);
    QCOMPARE(r.warnings, 1);
    r = LoadBytes(Job("Profile", body));
    QCOMPARE(r.warnings, 0);
}

void TestJobFiles::silentScriptNeverWaitsForAnAnswer()
{
    // Without a handler the default must not block: this test would hang
    // if it showed a modal box.
    const QString path = TestEnv::NewFolder("silent") + "/s.gbs";
    WriteAll(path, Job("Script", "<Images/>", "Version=\"9\" Mode=\"Silent\""));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(CScripts(path).Load());
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(Profile()->silentScript);

    // Nor on the offscreen platform, where nobody could close the box.
    const QString profile = TestEnv::NewFolder("offscreen") + "/p.gbf";
    WriteAll(profile, Job("Profile", FilterWith(""), "Version=\"9\""));
    timer.restart();
    QVERIFY(CScripts(profile).Load());
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(Filters()->list.size(), 1);
}

void TestJobFiles::imagePathsUseForwardSlashes()
{
    const QByteArray body = "<Images>"
                            "<Image Path=\"Photos\\2019\\a.jpg\"/>"
                            "<Image Path=\"\"/>"
                            "<Image/>"
                            "<Image Path=\"/x/readme.txt\"/>"
                            "<Image Path=\"Photos\\2019\\a.jpg\"/>"
                            "<Image Path=\"/x/y&amp;z.JPG\"/>"
                            "<Search Path=\"nothing\"/>"
                            "</Images>";
    const QString folder = TestEnv::NewFolder("slashes");
    const QString path = folder + "/p.gbs";
    WriteAll(path, Job("Project", body));
    CScripts scripts(path);
    QVERIFY(scripts.Load());
    QStringList paths;
    for (const SImageRecord& r : Images()->list)
        paths << r.path;
    // A relative path counts from the job file's folder.
    QCOMPARE(paths, (QStringList{folder + "/Photos/2019/a.jpg", "/x/y&z.JPG"}));
    QCOMPARE(scripts.RefusedPaths(), (QList<QString>{"/x/readme.txt"}));
}

void TestJobFiles::byteOrderMarksSelectTheEncoding()
{
    const QString text = QString::fromUtf8(Job("Profile", Property("Output", "DestPath", "/Ünï/日本")));
    QByteArray utf16("\xFF\xFE", 2);
    utf16 += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QVERIFY(LoadBytes(utf16).ok);
    QCOMPARE(Profile()->DestPath, QString("/Ünï/日本"));

    ResetJob();
    QVERIFY(LoadBytes("\xEF\xBB\xBF" + text.toUtf8()).ok);
    QCOMPARE(Profile()->DestPath, QString("/Ünï/日本"));
}

// ---------------------------------------------------------------- searches

void TestJobFiles::searchMatchesMaskInAnyCaseSortedAndDepthFirst()
{
    const QString job = TestEnv::NewFolder("search");
    for (const char* name : {"Pics/b.JPG", "Pics/a.jpg", "Pics/C.Jpg", "Pics/.hidden.jpg", "Pics/d.png",
                             "Pics/sub2/z.jpg", "Pics/sub1/y.jpg", "Pics/sub1/deep/x.jpg", "Pics/.hid/w.jpg",
                             "Other/o.jpg"})
        Touch(job + "/" + name);
    QVERIFY(QFile::link(job + "/Pics/a.jpg", job + "/Pics/link.jpg"));

    const QByteArray body = "<Images><Image Path=\"/first/one.jpg\"/>"
                            "<Search Path=\"Pics\\*.JPG\" Subfolders=\"1\"/>"
                            "<Search Path=\"" +
                            (job + "/Other/[o]*").toUtf8() +
                            "\"/>"
                            "</Images>";
    WriteAll(job + "/s.gbs", Job("Script", body));
    QVERIFY(CScripts(job + "/s.gbs").Load());
    QCOMPARE(PathsRelativeTo(job).mid(1),
             (QStringList{"Pics/C.Jpg", "Pics/a.jpg", "Pics/b.JPG",
                          "Pics/sub1/y.jpg", "Pics/sub1/deep/x.jpg", "Pics/sub2/z.jpg", "Other/o.jpg"}));
    QCOMPARE(Images()->list[0].path, QString("/first/one.jpg"));

    // Without Subfolders only the folder itself.
    WriteAll(job + "/s.gbs", Job("Script", "<Images><Search Path=\"Pics/?.jpg\" Subfolders=\"0\"/></Images>"));
    QVERIFY(CScripts(job + "/s.gbs").Load());
    QCOMPARE(PathsRelativeTo(job), (QStringList{"Pics/C.Jpg", "Pics/a.jpg", "Pics/b.JPG"}));
}

void TestJobFiles::searchWithoutFolderUsesTheJobFolder()
{
    const QString job = TestEnv::NewFolder("nofolder");
    Touch(job + "/here.jpg");
    Touch(job + "/sub/there.jpg");
    WriteAll(job + "/s.gbs", Job("Script", "<Images><Search Path=\"*.jpg\" Subfolders=\"yes\"/></Images>"));
    const QString before = QDir::currentPath();
    QVERIFY(CScripts(job + "/s.gbs").Load());
    QCOMPARE(PathsRelativeTo(job), (QStringList{"here.jpg"}));
    // The search leaves the process's current folder alone (workers run).
    QCOMPARE(QDir::currentPath(), before);
}

void TestJobFiles::searchDoesNotFollowLinkCycles()
{
    const QString job = TestEnv::NewFolder("cycle");
    Touch(job + "/Pics/a.jpg");
    Touch(job + "/Pics/in/b.jpg");
    QVERIFY(QFile::link(job + "/Pics", job + "/Pics/in/loop"));
    QVERIFY(QFile::link(job + "/Pics/in", job + "/Pics/zlink"));
    WriteAll(job + "/s.gbs", Job("Script", "<Images><Search Path=\"Pics/*\" Subfolders=\"1\"/></Images>"));
    QElapsedTimer timer;
    timer.start();
    QVERIFY(CScripts(job + "/s.gbs").Load());
    QVERIFY(timer.elapsed() < 10000);
    QCOMPARE(PathsRelativeTo(job), (QStringList{"Pics/a.jpg", "Pics/in/b.jpg"}));
}

// ---------------------------------------------------------------- hostile files

void TestJobFiles::malformedFilesChangeNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not xml") << QByteArray("hello world");
    QTest::newRow("binary") << QByteArray("\x00\xFF\xFE\x01\x02<Profile>", 12);
    QTest::newRow("unclosed") << QByteArray("<Profile Version=\"1\"><Filters><Filter Id=\"3060\">");
    QTest::newRow("mismatched") << QByteArray("<Profile><Filters></Profile></Filters>");
    QTest::newRow("two roots") << QByteArray("<Profile/><Profile/>");
    QTest::newRow("bad entity") << QByteArray("<Profile><Filters><Filter Id=\"&nope;\"/></Filters></Profile>");
    QTest::newRow("bad char ref") << QByteArray("<Profile><Filters><Filter Id=\"&#0;\"/></Filters></Profile>");
    QByteArray deep = "<Profile>";
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    QTest::newRow("deep") << deep;
    QByteArray deepClosed = "<Profile>";
    for (int i = 0; i < 5000; ++i)
        deepClosed += "<a>";
    for (int i = 0; i < 5000; ++i)
        deepClosed += "</a>";
    deepClosed += "<Filters><Filter Id=\"3060\"/></Filters></Profile>";
    QTest::newRow("deep but well-formed") << deepClosed;
    QTest::newRow("entity expansion")
        << QByteArray("<?xml version=\"1.0\"?><!DOCTYPE l [<!ENTITY a \"aaaaaaaaaa\">"
                      "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                      "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
                      "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g \"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">]>"
                      "<Profile><Filters><Filter Id=\"3060\"><Param Type=\"string\">&g;</Param></Filter></Filters>"
                      "</Profile>");
    QByteArray many = "<Profile><Filters>";
    for (int i = 0; i < CScripts::MaxElements; ++i)
        many += "<x/>";
    many += "</Filters></Profile>";
    QTest::newRow("too many elements") << many;
}

void TestJobFiles::malformedFilesChangeNothing()
{
    QFETCH(QByteArray, bytes);
    AddPhoto("/old/o.jpg");
    Filters()->AddFilter(Record(3080, 1, {}, {}));
    QElapsedTimer timer;
    timer.start();
    const SLoadResult r = LoadBytes(bytes);
    QVERIFY2(timer.elapsed() < 20000, "took too long");
    QVERIFY(!r.ok);
    QCOMPARE(r.warnings, 0);
    QCOMPARE(Images()->list.size(), 1);
    QCOMPARE(Filters()->list.size(), 1);
    QCOMPARE(Filters()->list[0].filterId, 3080u);
}

void TestJobFiles::specialFilesAreRefused()
{
    const QString folder = TestEnv::NewFolder("special");
    const QString fifo = folder + "/fifo.gbf";
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!CScripts(fifo).Load()); // would block forever if opened
    QVERIFY(!CScripts(folder).Load());
    QVERIFY(!CScripts(folder + "/missing.gbf").Load());
    QVERIFY(!CScripts("/dev/zero").Load());
}

void TestJobFiles::oversizedFileIsRefused()
{
    // A sparse file just over the limit, with a valid start.
    const QString path = TestEnv::NewFolder("huge") + "/p.gbf";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(Job("Profile", FilterWith("")));
    QVERIFY(file.resize(CScripts::MaxFileBytes + 1));
    file.close();
    Filters()->AddFilter(Record(3080, 1, {}, {}));
    QVERIFY(!CScripts(path).Load());
    QCOMPARE(Filters()->list.size(), 1);
}

GB_TEST_MAIN(TestJobFiles)
#include "tst_jobfiles.moc"
