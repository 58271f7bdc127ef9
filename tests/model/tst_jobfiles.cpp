#include "CFiltersEnum.h"
#include "CFormatsEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CScripts.h"
#include "CUserProfile.h"
#include "Common.h"
#include "FilterDescriptions.h"
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
    p->FileSize = 5000000000LL;
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
    void numbersIgnoreTheLocale();
    void unrepresentableCharactersAreDroppedSoTheFileLoads();
    void saveIntoMissingFolderFailsAndCreatesNothing();
    void failedWriteKeepsTheOldFile();

    // Round trips
    void roundTripKeepsEveryField_data();
    void roundTripKeepsEveryField();
    void roundTripKeepsFilters();
    void roundTripKeepsProfileNameAndDescription();

    // Reader
    void rootsDecideWhatIsReplaced_data();
    void rootsDecideWhatIsReplaced();
    void imagesCountMustBeOneForScriptsAndProjects_data();
    void imagesCountMustBeOneForScriptsAndProjects();
    void activeAttribute_data();
    void activeAttribute();
    void numericParameters_data();
    void numericParameters();
    void integerProperties_data();
    void integerProperties();
    void parameterCountsAreClamped();
    void unknownFilterIdsAreKept();
    void versionWarningComesOnceAndLoadGoesOn();
    void silentScriptNeverWaitsForAnAnswer();
    void scriptPropertiesAndMode();
    void outputFormatOriginal();
    void monitorBlockSetsMonitorFields();
    void imagePathsUseForwardSlashes();
    void byteOrderMarksSelectTheEncoding();

    // Folder searches
    void searchMatchesMaskInAnyCaseSortedAndDepthFirst();
    void searchWithoutFolderUsesTheJobFolder();
    void searchDoesNotFollowLinkCycles();
    void searchKeepsTheCurrentFolder();

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
    QVERIFY(scripts.Save(mode));
    const QByteArray expected = ReadAll(Golden(golden));
    QVERIFY(!expected.isEmpty());
    QCOMPARE(ReadAll(path), expected);
}

void TestJobFiles::numbersIgnoreTheLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Filters()->AddFilter(Record(4010, 1, {12.5, -0.5, 1e6}, {}));
    const QString path = TestEnv::NewFolder("locale") + "/p.gbf";
    const bool saved = CScripts(path).Save(2);
    QLocale::setDefault(before);
    QVERIFY(saved);
    const QByteArray bytes = ReadAll(path);
    QVERIFY(bytes.contains("<Param Type=\"float\">12.500000</Param>"));
    QVERIFY(bytes.contains("<Param Type=\"float\">-0.500000</Param>"));
    QVERIFY(bytes.contains("<Param Type=\"float\">1000000.000000</Param>"));
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
    QFETCH(int, mode);
    SetKnownJob();
    const QString tricky = "A&B <c> \"d\" 'e' &lt; &amp; Ünïcødé 日本語 🙂\r\nline2";
    CUserProfile* p = Profile();
    p->FilenameFormat = tricky;
    p->ReplaceWith = tricky;
    p->SearchFor = "s&r";
    p->OutputFolder = tricky;
    p->DestPath = "/Out & About/&amp;/<x>";
    p->FTPUser = "u&<>\"'";
    p->FTPHost = "h&";
    p->FTPFolder = "/f&lt;";
    p->FTPPort = "22&";
    p->CustomProfile = "/icc/&quot;.icc";
    p->DefaultFormat = "P&G";
    p->PNGComp = 5;
    const QString folder = TestEnv::NewFolder("roundtrip");
    Touch(folder + "/Tom & Jerry's <best> 日本.jpg");
    Touch(folder + "/tab\there.png");
    Images()->list.clear();
    QList<QString> refused;
    QVERIFY(Images()->AddImage(folder + "/Tom & Jerry's <best> 日本.jpg", refused));
    QVERIFY(Images()->AddImage(folder + "/tab\there.png", refused));

    // Keep a copy of what was saved, then load it into a fresh job.
    const QList<SImageRecord> photos = Images()->list;
    const QString path = folder + "/job.xml";
    QVERIFY(CScripts(path).Save(mode));
    const CUserProfile& saved = *Profile();
    struct SSaved
    {
        QString filename, replace, search, outFolder, dest, user, password, host, ftpFolder, port, custom,
            defaultFormat, outputFormat;
        qint64 counterStart, countStep, fileSize;
    } s{saved.FilenameFormat, saved.ReplaceWith,  saved.SearchFor,    saved.OutputFolder, saved.DestPath,
        saved.FTPUser,        saved.FTPPassword,  saved.FTPHost,      saved.FTPFolder,    saved.FTPPort,
        saved.CustomProfile,  saved.DefaultFormat, saved.OutputFormat, saved.CounterStart, saved.CountStep,
        saved.FileSize};

    ResetJob();
    AddPhoto("/keep/me.jpg");
    CScripts loader(path);
    int warnings = 0;
    loader.SetWarningHandler([&warnings](const QString&) { ++warnings; });
    QVERIFY(loader.Load());
    QCOMPARE(warnings, 0);
    const CUserProfile* l = Profile();
    QCOMPARE(l->FilenameFormat, s.filename);
    QCOMPARE(l->ReplaceWith, s.replace);
    QCOMPARE(l->SearchFor, s.search);
    QCOMPARE(l->OutputFolder, s.outFolder);
    QCOMPARE(l->DestPath, s.dest);
    QCOMPARE(l->FTPUser, s.user);
    QCOMPARE(l->FTPPassword, s.password);
    QCOMPARE(DecryptString(l->FTPPassword), QString("pässword"));
    QCOMPARE(l->FTPHost, s.host);
    QCOMPARE(l->FTPFolder, s.ftpFolder);
    QCOMPARE(l->FTPPort, s.port);
    QCOMPARE(l->CustomProfile, s.custom);
    QCOMPARE(l->DefaultFormat, s.defaultFormat);
    QCOMPARE(l->OutputFormat, s.outputFormat);
    QCOMPARE(l->CounterStart, s.counterStart);
    QCOMPARE(l->CountStep, s.countStep);
    QCOMPARE(l->FileSize, s.fileSize);
    QCOMPARE(l->CounterDigits, 4);
    QCOMPARE(l->CounterReset, true);
    QCOMPARE(l->DateType, 1);
    QCOMPARE(l->DateFormat, 10);
    QCOMPARE(l->ShowTime, 1);
    QCOMPARE(l->TimeFormat, 1);
    QCOMPARE(l->PresetRename, 3);
    QCOMPARE(l->ChangeCase, 2);
    QCOMPARE(l->LowerCaseExt, false);
    QCOMPARE(l->Destination, 3);
    QCOMPARE(l->OutputFolderStruct, 1);
    QCOMPARE(l->UseSFTP, false);
    QCOMPARE(l->SaveOnDiskFacebook, false);
    QCOMPARE(l->SaveOnDiskFlickr, true);
    QCOMPARE(l->SaveOnDiskFTP, true);
    QCOMPARE(l->SaveOnDiskMail, false);
    QCOMPARE(l->OpenOutputFolder, false);
    QCOMPARE(l->OriginalDate, true);
    QCOMPARE(l->DeleteSource, false);
    QCOMPARE(l->Quality, 75);
    QCOMPARE(l->FixedSize, true);
    QCOMPARE(l->Interlaced, 1);
    QCOMPARE(l->PNGComp, 1); // written as 5, read back as a flag
    QCOMPARE(l->PdfAlg, 3);
    QCOMPARE(l->TiffAlg, 2);
    QCOMPARE(l->TiffType, 3);
    QCOMPARE(l->JpegType, 0);
    QCOMPARE(l->Multipage, true);

    const bool withInterface = mode != 3;
    QCOMPARE(l->Step1Preview, !withInterface); // the default is true
    QCOMPARE(l->DisableNotifications, mode == 3);

    if (mode == 2) {
        QCOMPARE(Images()->list.size(), 1); // a profile keeps the photos
        QCOMPARE(Images()->list[0].path, QString("/keep/me.jpg"));
    } else {
        QCOMPARE(Images()->list.size(), photos.size());
        for (int i = 0; i < photos.size(); ++i)
            QCOMPARE(Images()->list[i].path, photos[i].path);
    }
}

void TestJobFiles::roundTripKeepsFilters()
{
    const QString text = "&lt; is < and &amp; is & — 日本語\nsecond line\r\nthird";
    Filters()->AddFilter(Record(1000, 1, {0, 8, 30, 30, 12.345678, -1e-7, 4294944000.0},
                                {text, "DejaVu Sans", "/tex/&amp;.png"}));
    Filters()->AddFilter(Record(2010, 0, {10, 1}, {}));
    Filters()->AddFilter(Record(77777, 1, {}, {""}));
    Filters()->AddFilter(Record(0xFFFFFFFFu, 1, {}, {}));
    const QList<SFilterRecord> before = Filters()->list;
    const QString path = TestEnv::NewFolder("filters") + "/p.gbf";
    QVERIFY(CScripts(path).Save(2));

    Filters()->list.clear();
    Filters()->AddFilter(Record(3060, 1, {}, {}));
    QVERIFY(CScripts(path).Load());
    const QList<SFilterRecord>& after = Filters()->list;
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(after[i].filterId, before[i].filterId);
        QCOMPARE(after[i].active, before[i].active);
        QCOMPARE(after[i].numParams, before[i].numParams);
        QCOMPARE(after[i].numTexts, before[i].numTexts);
        for (int n = 0; n < before[i].numParams; ++n)
            QVERIFY2(qAbs(after[i].params[n] - before[i].params[n]) <= 5e-7, qPrintable(QString::number(n)));
        for (int t = 0; t < before[i].numTexts; ++t)
            QCOMPARE(after[i].texts[t], before[i].texts[t]);
    }
    QCOMPARE(after[0].name, QString("Text"));
    QCOMPARE(after[1].name, QString("Raise"));
    QCOMPARE(after[2].name, QString());
    QCOMPARE(after[3].filterId, 0xFFFFFFFFu);
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

void TestJobFiles::integerProperties_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<qint64>("value");
    // Quality starts at 88, CounterStart at 1, CounterReset false.
    QTest::newRow("int") << QByteArray("Quality") << QByteArray("55") << qint64(55);
    QTest::newRow("int empty keeps") << QByteArray("Quality") << QByteArray("") << qint64(88);
    QTest::newRow("int word") << QByteArray("Quality") << QByteArray("high") << qint64(0);
    QTest::newRow("int exponent") << QByteArray("Quality") << QByteArray("1e3") << qint64(0);
    QTest::newRow("int too large") << QByteArray("Quality") << QByteArray("2147483648") << qint64(0);
    QTest::newRow("int negative") << QByteArray("Quality") << QByteArray("-2147483648") << qint64(-2147483648LL);
    QTest::newRow("int64") << QByteArray("CounterStart") << QByteArray("9000000000") << qint64(9000000000LL);
    QTest::newRow("int64 too large") << QByteArray("CounterStart") << QByteArray("9223372036854775808") << qint64(0);
    QTest::newRow("flag 5") << QByteArray("CounterReset") << QByteArray("5") << qint64(1);
    QTest::newRow("flag word") << QByteArray("CounterReset") << QByteArray("yes") << qint64(0);
}

void TestJobFiles::integerProperties()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, text);
    QFETCH(qint64, value);
    const char* cls = name == "Quality" ? "Format" : "Rename";
    QVERIFY(LoadBytes(Job("Profile", Property(cls, name.constData(), text))).ok);
    const CUserProfile* p = Profile();
    const qint64 actual = name == "Quality" ? p->Quality : name == "CounterStart" ? p->CounterStart : p->CounterReset;
    QCOMPARE(actual, value);
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
}

void TestJobFiles::scriptPropertiesAndMode()
{
    const QByteArray body = "<Properties Class=\"Script\">"
                            "<Property Name=\"DisableNotifications\">1</Property>"
                            "<Property Name=\"HideProcessing\">2</Property>"
                            "<Property Name=\"CommandId\">7</Property>"
                            "</Properties><Images/>";
    QVERIFY(LoadBytes(Job("Script", body, "Version=\"1\" Mode=\"Loud\""), "s.gbs").ok);
    QCOMPARE(Profile()->DisableNotifications, true);
    QCOMPARE(Profile()->HideProcessing, false); // only the text "1" counts
    QCOMPARE(Profile()->silentScript, false);

    QVERIFY(LoadBytes(Job("Script", "<Images/>", "Version=\"1\" Mode=\"Silent\""), "s.gbs").ok);
    QVERIFY(Profile()->silentScript);
    // Another load never clears it.
    QVERIFY(LoadBytes(Job("Script", "<Images/>"), "s.gbs").ok);
    QVERIFY(Profile()->silentScript);
}

void TestJobFiles::outputFormatOriginal()
{
    QVERIFY(LoadBytes(Job("Profile", Property("Format", "OutputFormat", "Original"))).ok);
    QCOMPARE(Profile()->OutputFormat, KeepFormat());
    QVERIFY(LoadBytes(Job("Profile", Property("Format", "OutputFormat", "PNG"))).ok);
    QCOMPARE(Profile()->OutputFormat, QString("PNG"));

    // Saving the keep-format choice writes the word, not the sentence.
    Profile()->OutputFormat = KeepFormat();
    const QString path = TestEnv::NewFolder("original") + "/p.gbf";
    QVERIFY(CScripts(path).Save(2));
    QVERIFY(ReadAll(path).contains("<Property Name=\"OutputFormat\">Original</Property>"));
}

void TestJobFiles::monitorBlockSetsMonitorFields()
{
    const QByteArray body = "<Properties Class=\"Monitor\">"
                            "<Property Name=\"Id\">m&amp;1</Property>"
                            "<Property Name=\"Folder\">/watch</Property>"
                            "<Property Name=\"PicCount\">17</Property>"
                            "<Property Name=\"SilentMode\">1</Property>"
                            "</Properties>";
    QVERIFY(!Profile()->monitorRun);
    QVERIFY(LoadBytes(Job("Project", "<Images/>" + body)).ok);
    QVERIFY(Profile()->monitorRun);
    QCOMPARE(Profile()->Id, QString("m&1"));
    QCOMPARE(Profile()->Folder, QString("/watch"));
    QCOMPARE(Profile()->PicCount, 17);
    QCOMPARE(Profile()->SilentMode, true);
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
    const QString path = TestEnv::NewFolder("slashes") + "/p.gbs";
    WriteAll(path, Job("Project", body));
    CScripts scripts(path);
    QVERIFY(scripts.Load());
    QStringList paths;
    for (const SImageRecord& r : Images()->list)
        paths << r.path;
    QCOMPARE(paths, (QStringList{"Photos/2019/a.jpg", "/x/y&z.JPG"}));
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
    QVERIFY(CScripts(job + "/s.gbs").Load());
    QCOMPARE(PathsRelativeTo(job), (QStringList{"here.jpg"}));
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

void TestJobFiles::searchKeepsTheCurrentFolder()
{
    const QString job = TestEnv::NewFolder("cwd");
    Touch(job + "/x/a.jpg");
    const QString before = QDir::currentPath();
    WriteAll(job + "/s.gbs", Job("Script", "<Images><Search Path=\"x/*.jpg\"/></Images>"));
    QVERIFY(CScripts(job + "/s.gbs").Load());
    QCOMPARE(Images()->list.size(), 1);
    QCOMPARE(QDir::currentPath(), before);
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
