#include "CFiltersEnum.h"
#include "CFormatsEnum.h"
#include "CImageManager.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CScripts.h"
#include "CUserProfile.h"
#include "FilterDescriptions.h"
#include "Platform.h"
#include "ProfileDescriptions.h"
#include "TestEnv.h"

#include <Magick++.h>

#include <QDir>
#include <QFile>
#include <QTranslator>

namespace {
// Marks every text it translates, so a test can tell a translated text from
// its English source.
class MarkingTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* = nullptr,
                      int = -1) const override
    {
        if (QByteArray(context) != "QObject")
            return QString();
        return "xx:" + QString::fromUtf8(sourceText);
    }
    bool isEmpty() const override { return false; }
};

QString Row(int row)
{
    return FilterDescription(row);
}

QString ProfilesFolder()
{
    return GetResourcesFolder() + "/Profiles";
}

QStringList ProfileFiles()
{
    return QDir(ProfilesFolder()).entryList(QStringList{"*.gbf"}, QDir::Files, QDir::Name);
}

// The header ids of a profile file, read as plain XML.
int HeaderId(const QString& path, const char* name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray text = file.readAll();
    const QByteArray open = QByteArray("<Property Name=\"") + name + "\">";
    const int start = int(text.indexOf(open));
    if (start < 0)
        return 0;
    const int from = start + int(open.size());
    return text.mid(from, text.indexOf('<', from) - from).toInt();
}

void ResetJob()
{
    CListImages::GetInstance()->list.clear();
    CListFilters::GetInstance()->list.clear();
    CUserProfile::DeleteInstance();
}

QString KeepFormat()
{
    return QCoreApplication::translate("QObject", FilterDescription(52).toUtf8().constData());
}

QString PhotoPath()
{
    const QString shared = TestEnv::SharedPhotos();
    return shared.isEmpty() ? QString() : shared + "/jpg/tests/22-canon_tags.jpg";
}
} // namespace

class TestBuiltInProfiles : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void profileDescriptions_data();
    void profileDescriptions();
    void profileDescriptionsFollowTheTranslator();
    void keepFormatFollowsTheTranslator();

    void theShippedSetIsComplete();
    void everyProfileLoads_data();
    void everyProfileLoads();
    void profilesDoWhatTheirNamesSay();
    void namingProfilesNameTheOutput_data();
    void namingProfilesNameTheOutput();
    void everyProfileRunsOnARealPhoto_data();
    void everyProfileRunsOnARealPhoto();
};

void TestBuiltInProfiles::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
    CFiltersEnum::GetInstance()->GenerateList();
}

void TestBuiltInProfiles::init()
{
    ResetJob();
}

void TestBuiltInProfiles::profileDescriptions_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("14270") << 14270 << "Convert to JPEG with High Quality";
    QTest::newRow("14271") << 14271
                           << "Convert to JPEG file format with high quality (90%) which will result in larger file sizes.";
    QTest::newRow("14281 row 30") << 14281 << Row(30);
    QTest::newRow("14287 noise reduction, not noise") << 14287 << Row(39);
    QTest::newRow("12061 row 39") << 12061 << Row(39);
    QTest::newRow("12041") << 12041 << "Auto Gamma";
    QTest::newRow("12091") << 12091 << Row(31);
    QTest::newRow("14290") << 14290 << "Effect Black & White";
    QTest::newRow("14328") << 14328 << "Upload photos to Facebook";
    for (int empty : {14320, 12040, 12042, 12092, 14269, 14329, 0, -1, 12050})
        QTest::newRow(qPrintable(QString("empty %1").arg(empty))) << empty << QString();
}

void TestBuiltInProfiles::profileDescriptions()
{
    QFETCH(int, id);
    QFETCH(QString, text);
    QCOMPARE(GetProfileDescription(id), text);
}

void TestBuiltInProfiles::profileDescriptionsFollowTheTranslator()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString literal = GetProfileDescription(14270);
    const QString row = GetProfileDescription(14281);
    const QString none = GetProfileDescription(14320);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(literal, QString("xx:Convert to JPEG with High Quality"));
    QCOMPARE(row, "xx:" + Row(30));
    QCOMPARE(none, QString());
    QCOMPARE(GetProfileDescription(14270), QString("Convert to JPEG with High Quality"));
}

void TestBuiltInProfiles::keepFormatFollowsTheTranslator()
{
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    const QString path = TestEnv::NewFolder("keep") + "/p.gbf";
    CUserProfile::GetInstance()->OutputFormat = KeepFormat();
    const bool saved = CScripts(path).Save(2);
    CUserProfile::GetInstance()->OutputFormat = "PNG";
    const bool loaded = CScripts(path).Load();
    const QString format = CUserProfile::GetInstance()->OutputFormat;
    QCoreApplication::removeTranslator(&translator);

    QVERIFY(saved);
    QVERIFY(loaded);
    QCOMPARE(format, "xx:" + Row(52));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("<Property Name=\"OutputFormat\">Original</Property>"));
}

void TestBuiltInProfiles::theShippedSetIsComplete()
{
    QSet<int> ids;
    for (const QString& name : ProfileFiles())
        ids.insert(HeaderId(ProfilesFolder() + "/" + name, "NameId"));
    QSet<int> expected;
    for (int id = 14270; id <= 14318; id += 2)
        expected.insert(id);
    expected.insert(14321);
    // The photo-sharing services (14323, 14325, 14327) are not offered.
    QCOMPARE(ids, expected);
}

void TestBuiltInProfiles::everyProfileLoads_data()
{
    QTest::addColumn<QString>("file");
    const QStringList files = ProfileFiles();
    QVERIFY(!files.isEmpty());
    for (const QString& name : files)
        QTest::newRow(qPrintable(name)) << name;
}

void TestBuiltInProfiles::everyProfileLoads()
{
    QFETCH(QString, file);
    const QString path = ProfilesFolder() + "/" + file;
    const int nameId = HeaderId(path, "NameId");
    QCOMPARE(HeaderId(path, "DescriptionId"), nameId + 1);

    SImageRecord photo;
    photo.path = "/keep/me.jpg";
    CListImages::GetInstance()->list.append(photo);
    CScripts scripts(path);
    int warnings = 0;
    scripts.SetWarningHandler([&warnings](const QString&) { ++warnings; });
    QVERIFY(scripts.Load());
    QCOMPARE(warnings, 0);
    QCOMPARE(scripts.profileName, GetProfileDescription(nameId));
    QCOMPARE(scripts.profileDescription, GetProfileDescription(nameId + 1));
    QVERIFY(!scripts.profileName.isEmpty());
    QVERIFY(!scripts.profileDescription.isEmpty());
    QCOMPARE(CListImages::GetInstance()->list.size(), 1);

    // Filter records carry the parameter counts their settings pages use.
    const QHash<quint32, QPair<int, int>> pageCounts = {
        {1000, {32, 3}}, {2010, {2, 0}}, {5000, {0, 0}}, {5040, {6, 0}}};
    for (const SFilterRecord& record : CListFilters::GetInstance()->list) {
        QCOMPARE(record.active, quint8(1));
        if (pageCounts.contains(record.filterId)) {
            QCOMPARE(int(record.numParams), pageCounts[record.filterId].first);
            QCOMPARE(int(record.numTexts), pageCounts[record.filterId].second);
            QVERIFY(!record.name.isEmpty());
        }
    }
}

void TestBuiltInProfiles::profilesDoWhatTheirNamesSay()
{
    struct SExpect
    {
        const char* file;
        QString format;
        int quality;
        bool multipage;
        int destination;
        QList<quint32> filters;
    };
    const QList<SExpect> expectations = {
        {"ConvertToJPEGHighQuality.gbf", "JPG", 90, false, 1, {}},
        {"ConvertToJPEGMediumQuality.gbf", "JPG", 75, false, 1, {}},
        {"ConvertToPDFAlbum.gbf", "PDF", 90, true, 1, {}},
        {"ConvertToPNG.gbf", "PNG", 90, false, 1, {}},
        {"ConvertToTIFF.gbf", "TIF", 90, false, 1, {}},
        {"AutoContrast.gbf", KeepFormat(), 90, false, 1, {4000}},
        {"ReduceNoise.gbf", KeepFormat(), 90, false, 1, {4070}},
        {"EffectSepia.gbf", KeepFormat(), 90, false, 1, {3120}},
        {"ResizeForEmail.gbf", KeepFormat(), 90, false, 1, {5040}},
        {"SendViaEmail.gbf", "JPG", 90, false, 2, {}},
    };
    for (const SExpect& e : expectations) {
        ResetJob();
        CUserProfile::GetInstance()->Multipage = true; // cleared by every profile but the album
        QVERIFY2(CScripts(ProfilesFolder() + "/" + e.file).Load(), e.file);
        const CUserProfile* p = CUserProfile::GetInstance();
        QCOMPARE(p->OutputFormat, e.format);
        QCOMPARE(p->Quality, e.quality);
        QCOMPARE(p->Multipage, e.multipage);
        QCOMPARE(p->Destination, e.destination);
        QList<quint32> ids;
        for (const SFilterRecord& r : CListFilters::GetInstance()->list)
            ids << r.filterId;
        QCOMPARE(ids, e.filters);
    }

    // The e-mail resize asks for a long side of 1280 and a short side of 960,
    // keeping the aspect ratio and never enlarging.
    ResetJob();
    QVERIFY(CScripts(ProfilesFolder() + "/ResizeForEmail.gbf").Load());
    const SFilterRecord resize = CListFilters::GetInstance()->list.value(0);
    QCOMPARE(resize.params[0], 1280.0);
    QCOMPARE(resize.params[1], 960.0);
    QCOMPARE(resize.params[2], 1.0);
    QCOMPARE(resize.params[3], 0.0);
    QCOMPARE(resize.params[4], 0.0);
    QCOMPARE(resize.params[5], 1.0);
}

void TestBuiltInProfiles::namingProfilesNameTheOutput_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("name");
    QTest::newRow("folder") << "RenameToFolderName.gbf" << "Holiday 2019 001.jpg";
    QTest::newRow("date") << "RenameToPhotoDate.gbf" << "2007-11-29 16-16-21 01.jpg";
    QTest::newRow("own name") << "EffectSwirl.gbf" << "IMG_1.jpg";
}

void TestBuiltInProfiles::namingProfilesNameTheOutput()
{
    QFETCH(QString, file);
    QFETCH(QString, name);
    // A job that renamed differently before.
    CUserProfile* p = CUserProfile::GetInstance();
    p->FilenameFormat = "x[Counter]";
    p->PresetRename = 3;
    p->LowerCaseExt = false;
    p->CounterDigits = 7;
    QVERIFY(CScripts(ProfilesFolder() + "/" + file).Load());

    CFilterFilename naming;
    p->CopyRenamingSettings(naming);
    naming.path = "/photos/Holiday 2019/IMG_1.JPG";
    naming.folder = "/photos/Holiday 2019";
    naming.baseName = "IMG_1";
    naming.extension = "JPG";
    naming.number = 0;
    naming.dateTaken = "2007:11:29 16:16:21";
    naming.GenerateFilename(3, false);
    QCOMPARE(naming.result, name);
}

void TestBuiltInProfiles::everyProfileRunsOnARealPhoto_data()
{
    everyProfileLoads_data();
}

void TestBuiltInProfiles::everyProfileRunsOnARealPhoto()
{
    QFETCH(QString, file);
    if (PhotoPath().isEmpty())
        QSKIP("the shared photos are not there");
    const QString folder = TestEnv::NewFolder("run");
    const QString source = folder + "/photo.jpg";
    QVERIFY(QFile::copy(PhotoPath(), source));

    QVERIFY(CScripts(ProfilesFolder() + "/" + file).Load());
    const CUserProfile* p = CUserProfile::GetInstance();

    CImageManager manager;
    QVERIFY(manager.Read(source));
    for (const SFilterRecord& record : CListFilters::GetInstance()->list) {
        if (record.active)
            QVERIFY2(manager.ApplyFilter(record), qPrintable(QString("filter %1 failed").arg(record.filterId)));
    }
    QVERIFY(manager.image.isValid());

    // Written with the profile's format settings, as a run writes it.
    const QString format = p->OutputFormat == KeepFormat() ? QString("JPG") : p->OutputFormat;
    const QString output = folder + "/out." + format.toLower();
    QVERIFY(manager.Write(output));
    QVERIFY(QFileInfo(output).size() > 0);
    if (format == "PDF") {
        QFile pdf(output);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
    } else {
        Magick::Image back;
        back.ping(output.toStdString());
        QVERIFY(back.columns() > 0);
    }
}

GB_TEST_MAIN(TestBuiltInProfiles)
#include "tst_builtinprofiles.moc"
