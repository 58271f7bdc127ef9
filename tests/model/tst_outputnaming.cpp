// The one naming decision shared by the run and the interface: counter
// position, extension (keep-original included) and the pattern as stored.
#include "CFilterFilename.h"
#include "CFormatsEnum.h"
#include "COutputNaming.h"
#include "JobFileProperties.h"
#include "SFormatSettings.h"
#include "SNamingSettings.h"
#include "SOutputSettings.h"
#include "TestEnv.h"

#include <limits>

namespace {
SImageRecord Photo(const QString& folder, const QString& baseName, const QString& extension)
{
    SImageRecord record;
    record.folder = folder;
    record.baseName = baseName;
    record.extension = extension;
    record.path = folder + "/" + baseName + "." + extension;
    return record;
}
} // namespace

class TestOutputNaming : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        CFormatsEnum::GetInstance()->GenerateList();
    }

    // Photos are numbered within their own folders in list order, whatever
    // folders lie between; a folder is one folder however it is spelt.
    void folderNumbers()
    {
        QList<SImageRecord> photos = {Photo("/a", "1", "jpg"), Photo("/b", "2", "jpg"), Photo("/a", "3", "jpg"),
                                      Photo("/a/sub", "4", "jpg"), Photo("/b", "5", "jpg"),
                                      Photo("/b/../a", "6", "jpg")};
        COutputNaming::NumberWithinFolders(photos);
        QList<qint64> numbers;
        for (const SImageRecord& photo : photos)
            numbers << photo.folderIndex;
        QCOMPARE(numbers, (QList<qint64>{0, 0, 1, 0, 1, 2}));
        QCOMPARE(COutputNaming::FolderIndexOf(photos, 4), qint64(1));
        QCOMPARE(COutputNaming::FolderIndexOf(photos, 9), qint64(0));
    }

    void names_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<bool>("counterReset");
        QTest::addColumn<QString>("outputFormat");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("reencode");
        QTest::addColumn<QString>("name");
        // The pattern reaches the expander as stored: its last dot part is
        // the photo's extension's place.
        QTest::newRow("dot") << "[Filename].small" << false << "JPG" << "jpg" << false << "IMG.jpg";
        QTest::newRow("dots") << "[Filename].a.b" << false << "PNG" << "jpg" << false << "IMG.a.png";
        QTest::newRow("run key") << "[Counter]" << false << "JPG" << "jpg" << false << "08.jpg";
        QTest::newRow("number in folder") << "[Counter]" << true << "JPG" << "jpg" << false << "03.jpg";
        QTest::newRow("keep, copied") << "[Filename]" << false << "keep" << "dng" << false << "IMG.dng";
        QTest::newRow("keep, written") << "[Filename]" << false << "keep" << "dng" << true << "IMG.tif";
        QTest::newRow("keep, writable") << "[Filename]" << false << "keep" << "PNG" << true << "IMG.png";
        QTest::newRow("keep, label in capitals") << "[Filename]" << false << "KEEP" << "dng" << true << "IMG.tif";
    }

    void names()
    {
        QFETCH(QString, pattern);
        QFETCH(bool, counterReset);
        QFETCH(QString, outputFormat);
        QFETCH(QString, extension);
        QFETCH(bool, reencode);
        QFETCH(QString, name);

        SNamingSettings naming;
        naming.FilenameFormat = pattern;
        naming.CounterReset = counterReset;
        SOutputSettings output;
        output.OutputFormat = outputFormat == "keep"   ? KeepFormatText()
                              : outputFormat == "KEEP" ? KeepFormatText().toUpper()
                                                       : outputFormat;
        SFormatSettings format;
        format.DefaultFormat = "TIF";
        COutputNaming::SPhoto photo;
        photo.record = Photo("/photos/Holiday", "IMG", extension);
        photo.record.key = 7;
        photo.record.folderIndex = 2;
        photo.mustReencode = reencode;

        CFilterFilename filter;
        const QString got = COutputNaming::Generate(filter, naming, output, format, CFormatsEnum::GetInstance(),
                                                    photo, 10, false);
        QCOMPARE(got, name);
        QCOMPARE(filter.result, name);
        // The settings are the job's, taken whole, search and replace on.
        QVERIFY(filter.searchReplace);
        QCOMPARE(filter.FilenameFormat, pattern);
    }

    // A preset rewrites the expander's own settings; the next name takes the
    // job's settings afresh, and a monitoring run keeps its numbering.
    void settingsTakenForEveryName()
    {
        SNamingSettings naming;
        naming.FilenameFormat = "[Counter]";
        naming.CounterStart = 10;
        naming.CountStep = 5;
        naming.PresetRename = 1;
        SOutputSettings output;
        SFormatSettings format;
        COutputNaming::SPhoto photo;
        photo.record = Photo("/photos/Holiday", "IMG", "jpg");
        CFilterFilename filter;
        QCOMPARE(COutputNaming::Generate(filter, naming, output, format, nullptr, photo, 2, true),
                 QString("Holiday 001.jpg"));
        naming.PresetRename = 3;
        QCOMPARE(COutputNaming::Generate(filter, naming, output, format, nullptr, photo, 2, true), QString("10.jpg"));

        filter.continueNumbering = true;
        filter.picturesDone = 4;
        QCOMPARE(COutputNaming::Generate(filter, naming, output, format, nullptr, photo, 2, false),
                 QString("25.jpg"));
    }

    // A monitoring run continues after the pictures done times the step;
    // both come from job files, and the product wraps as the counter does.
    void continuedNumberingWraps_data()
    {
        QTest::addColumn<int>("picturesDone");
        QTest::addColumn<qint64>("step");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << 4 << qint64(5) << "25.jpg";
        QTest::newRow("count at int max") << std::numeric_limits<int>::max() << qint64(2) << "4294967296.jpg";
        QTest::newRow("negative count") << -5 << qint64(3) << "-12.jpg";
        // 6 x (2^63 - 1) wraps to -6, 6 x -2^63 to 0.
        QTest::newRow("largest step") << 5 << std::numeric_limits<qint64>::max() << "-6.jpg";
        QTest::newRow("lowest step") << 5 << std::numeric_limits<qint64>::min() << "00.jpg";
    }

    void continuedNumberingWraps()
    {
        QFETCH(int, picturesDone);
        QFETCH(qint64, step);
        QFETCH(QString, name);
        SNamingSettings naming;
        naming.FilenameFormat = "[Counter]";
        naming.CountStep = step;
        COutputNaming::SPhoto photo;
        photo.record = Photo("/photos", "IMG", "jpg");
        CFilterFilename filter;
        filter.continueNumbering = true;
        filter.picturesDone = picturesDone;
        QCOMPARE(COutputNaming::Generate(filter, naming, SOutputSettings(), SFormatSettings(), nullptr, photo, 2,
                                         false),
                 name);
    }
};

GB_TEST_MAIN(TestOutputNaming)
#include "tst_outputnaming.moc"
