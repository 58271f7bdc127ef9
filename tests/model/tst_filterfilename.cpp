#include "CFilterFilename.h"
#include "TestEnv.h"

#include <QDateTime>
#include <QFile>

#include <limits>

namespace {
CFilterFilename Photo(const QString& pattern, const QString& baseName = "IMG_1",
                      const QString& extension = "JPG")
{
    CFilterFilename filter;
    filter.FilenameFormat = pattern;
    filter.PresetRename = 3;
    filter.folder = "/photos/Trip";
    filter.baseName = baseName;
    filter.extension = extension;
    filter.path = filter.folder + "/" + baseName + "." + extension;
    filter.searchReplace = true;
    return filter;
}

QString DateTimeOf(CFilterFilename& filter, int showTime, int dateFormat, int timeFormat,
                   int dateType = 0)
{
    QString out;
    filter.ComputeDateTime(out, showTime, dateType, dateFormat, timeFormat);
    return out;
}
} // namespace

class TestFilterFilename : public QObject
{
    Q_OBJECT
private slots:
    void patterns_data();
    void patterns();
    void counter_data();
    void counter();
    void presets_data();
    void presets();
    void presetResetsEveryNamingSetting();
    void dateLayouts_data();
    void dateLayouts();
    void times_data();
    void times();
    void dateSources_data();
    void dateSources();
    void currentDate();
    void caseChanges_data();
    void caseChanges();
    void searchAndReplace_data();
    void searchAndReplace();
    void continueNumbering_data();
    void continueNumbering();
    void folderName_data();
    void folderName();
    void isOutputModified_data();
    void isOutputModified();
};

void TestFilterFilename::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<int>("photoCount");
    QTest::addColumn<bool>("appendCounter");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const QString& pattern, int count, qint64 number,
                  const QString& expected, bool append = true, const QString& base = "IMG_1",
                  const QString& ext = "JPG") {
        QTest::newRow(name) << pattern << base << ext << count << append << number << expected;
    };
    row("filename token adds no counter", "[Filename]_web", 3, 0, "IMG_1_web.jpg");
    row("counter appended", "Holiday", 3, 0, "Holiday (01).jpg");
    row("counter follows the number", "Holiday", 3, 2, "Holiday (03).jpg");
    row("single photo needs no counter", "Holiday", 1, 0, "Holiday.jpg");
    row("no append when switched off", "Holiday", 3, 0, "Holiday.jpg", false);
    row("explicit counter dropped for one photo", "Trip ([Counter])", 1, 0, "Trip.jpg");
    row("counter-only pattern kept for one photo", " ([Counter])", 1, 0, " (01).jpg");
    row("empty pattern", "", 3, 1, " (02).jpg");
    row("empty pattern, one photo", "", 1, 0, " (01).jpg");
    row("pattern extension replaced", "[Filename].png", 3, 0, "IMG_1.jpg");
    row("dot inside the pattern cuts it", "[Filename]_v1.2", 3, 0, "IMG_1_v1.jpg");
    row("folder and counter", "[FolderName]_[Counter]", 3, 4, "Trip_05.jpg");
    row("tokens ignore case", "[FILENAME]-[counter]", 3, 0, "IMG_1-01.jpg");
    row("unknown token vanishes", "[Foo]x", 3, 0, "x (01).jpg");
    row("stray closing bracket dropped", "a]b[Filename]", 3, 0, "abIMG_1.jpg");
    row("inner bracket starts the token", "[a[Filename]]", 3, 0, "IMG_1.jpg");
    row("unclosed token, one photo", "A[Counter", 1, 0, "Ajpg");
    row("unclosed token swallows the appended counter", "A[Counter", 3, 0, "A01).jpg");
    row("base name with dots", "[Filename]", 3, 0, "my.photo.jpg", true, "my.photo");
    row("slash in the pattern stays in the folder", "a/b[Filename]", 3, 0, "a_bIMG_1.jpg");
    row("climbing pattern", "../../[Filename]", 3, 0, ".._. (01).jpg");
    row("climbing pattern without dots after", "[Filename]/../x", 3, 0, "IMG_1_..jpg");
    row("slash in the base name", "[Filename]", 3, 0, "x_y.jpg", true, "x/y");
    row("name that would be the folder itself", "[Filename]", 3, 0, "_", true, "", "");
    row("name that would be the parent folder", "[Filename]", 3, 0, "__", true, ".", "");
    row("nul character", "[Filename]", 3, 0, "a_b.jpg", true, QString("a") + QChar(0) + "b");
}

void TestFilterFilename::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(QString, baseName);
    QFETCH(QString, extension);
    QFETCH(int, photoCount);
    QFETCH(bool, appendCounter);
    QFETCH(qint64, number);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo(pattern, baseName, extension);
    filter.appendCounter = appendCounter;
    filter.number = number;
    filter.GenerateFilename(photoCount, false);
    QCOMPARE(filter.result, expected);
    // The interface's sample names are the same names.
    filter.GenerateFilename(photoCount, true);
    QCOMPARE(filter.result, expected);
}

void TestFilterFilename::counter_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("step");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("expected");
    const qint64 big = std::numeric_limits<qint64>::max();
    QTest::newRow("start, step and digits") << qint64(10) << qint64(5) << qint64(2) << 3 << "020";
    QTest::newRow("defaults") << qint64(1) << qint64(1) << qint64(0) << 2 << "01";
    QTest::newRow("wider than digits") << qint64(1) << qint64(1) << qint64(122) << 2 << "123";
    QTest::newRow("no padding") << qint64(7) << qint64(1) << qint64(0) << 0 << "7";
    QTest::newRow("negative digits") << qint64(7) << qint64(1) << qint64(0) << -4 << "7";
    QTest::newRow("negative step") << qint64(3) << qint64(-2) << qint64(3) << 3 << "-03";
    QTest::newRow("beyond 32 bits") << qint64(5000000000) << qint64(1) << qint64(1) << 2
                                    << "5000000001";
    QTest::newRow("digits clamped") << qint64(1) << qint64(1) << qint64(0) << 40
                                    << QString(31, '0') + "1";
    QTest::newRow("huge digits clamped") << qint64(1) << qint64(1) << qint64(0)
                                         << std::numeric_limits<int>::max()
                                         << QString(31, '0') + "1";
    QTest::newRow("overflow wraps") << big << qint64(1) << qint64(1) << 2
                                    << QString::number(std::numeric_limits<qint64>::min());
}

void TestFilterFilename::counter()
{
    QFETCH(qint64, start);
    QFETCH(qint64, step);
    QFETCH(qint64, number);
    QFETCH(int, digits);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo("[Counter]");
    filter.CounterStart = start;
    filter.CountStep = step;
    filter.CounterDigits = digits;
    filter.number = number;
    filter.GenerateFilename(5, false);
    QCOMPARE(filter.result, expected + ".jpg");
}

void TestFilterFilename::presets_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("photoCount");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("expectedPattern");
    QTest::addColumn<QString>("expected");
    QTest::newRow("own name") << 0 << 3 << qint64(1) << "[Filename].[Extension]" << "IMG_1.jpg";
    QTest::newRow("own name, one photo") << 0 << 1 << qint64(0) << "[Filename].[Extension]"
                                         << "IMG_1.jpg";
    QTest::newRow("folder, one photo") << 1 << 1 << qint64(0) << "[FolderName].[Extension]"
                                       << "Trip.jpg";
    QTest::newRow("folder, three digits") << 1 << 3 << qint64(1)
                                          << "[FolderName] [Counter].[Extension]"
                                          << "Trip 002.jpg";
    QTest::newRow("date") << 2 << 3 << qint64(0) << "[DateTime].[Extension]"
                          << "Jul-04-2021 06-30 PM.jpg";
    QTest::newRow("custom keeps its settings") << 3 << 3 << qint64(0) << "my [Counter]"
                                               << "MY 7.JPG";
    QTest::newRow("unknown preset resets but keeps the pattern") << 7 << 3 << qint64(0)
                                                                 << "my [Counter]" << "my 001.jpg";
}

void TestFilterFilename::presets()
{
    QFETCH(int, preset);
    QFETCH(int, photoCount);
    QFETCH(qint64, number);
    QFETCH(QString, expectedPattern);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo("my [Counter]");
    filter.dateTaken = "2021:07:04 18:30:05";
    filter.PresetRename = preset;
    filter.ChangeCase = 2;
    filter.LowerCaseExt = false;
    filter.CounterStart = 7;
    filter.CounterDigits = 1;
    filter.ShowTime = 1;
    filter.number = number;
    filter.GenerateFilename(photoCount, false);
    QCOMPARE(filter.FilenameFormat, expectedPattern);
    QCOMPARE(filter.result, expected);
}

void TestFilterFilename::presetResetsEveryNamingSetting()
{
    CFilterFilename filter = Photo("x");
    filter.PresetRename = 0;
    filter.ChangeCase = 3;
    filter.LowerCaseExt = false;
    filter.CounterStart = 9;
    filter.CountStep = 4;
    filter.CounterReset = true;
    filter.CounterDigits = 9;
    filter.DateType = 1;
    filter.DateFormat = 5;
    filter.TimeFormat = 1;
    filter.ShowTime = 1;
    filter.SearchFor = "IMG";
    filter.ReplaceWith = "x";
    filter.GenerateFilename(2, false);
    QCOMPARE(filter.result, QString("IMG_1.jpg"));
    QCOMPARE(filter.ChangeCase, 0);
    QVERIFY(filter.LowerCaseExt);
    QCOMPARE(filter.CounterStart, qint64(1));
    QCOMPARE(filter.CountStep, qint64(1));
    QVERIFY(!filter.CounterReset);
    QCOMPARE(filter.CounterDigits, 3);
    QCOMPARE(filter.DateType + filter.DateFormat + filter.TimeFormat + filter.ShowTime, 0);
    QVERIFY(!filter.searchReplace);
    QVERIFY(filter.SearchFor.isEmpty() && filter.ReplaceWith.isEmpty());
}

void TestFilterFilename::dateLayouts_data()
{
    QTest::addColumn<QString>("taken");
    QTest::addColumn<int>("dateFormat");
    QTest::addColumn<QString>("expected");
    const QStringList layouts2021 = {"Jul-04-2021", "Jul-04-21",  "04-Jul-2021", "04-Jul-21",
                                     "2021-Jul-04", "21-Jul-04",  "07-04-2021",  "07-04-21",
                                     "04-07-2021",  "04-07-21",   "2021-07-04",  "21-07-04"};
    for (int i = 0; i < layouts2021.size(); ++i)
        QTest::addRow("2021 layout %d", i) << "2021:07:04 18:30:05" << i << layouts2021.at(i);
    QTest::newRow("before 2000 short year") << "1999:12:31 00:00:00" << 1 << "Dec-31-99";
    QTest::newRow("1905 short year") << "1905:01:09 00:00:00" << 11 << "05-01-09";
    QTest::newRow("2000 short year") << "2000:02:03 00:00:00" << 7 << "02-03-00";
    QTest::newRow("unknown layout") << "2021:07:04 18:30:05" << 12 << "";
    QTest::newRow("negative layout") << "2021:07:04 18:30:05" << -1 << "";
}

void TestFilterFilename::dateLayouts()
{
    QFETCH(QString, taken);
    QFETCH(int, dateFormat);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo("[DateTime]");
    filter.dateTaken = taken;
    QCOMPARE(DateTimeOf(filter, 2, dateFormat, 0), expected);
}

void TestFilterFilename::times_data()
{
    QTest::addColumn<QString>("taken");
    QTest::addColumn<int>("showTime");
    QTest::addColumn<int>("timeFormat");
    QTest::addColumn<QString>("expected");
    const QString evening = "2021:07:04 18:30:05";
    QTest::newRow("24h minutes") << evening << 1 << 0 << "2021-07-04 18-30";
    QTest::newRow("24h seconds") << evening << 1 << 1 << "2021-07-04 18-30-05";
    QTest::newRow("12h evening") << evening << 0 << 0 << "2021-07-04 06-30 PM";
    QTest::newRow("12h evening seconds") << evening << 0 << 1 << "2021-07-04 06-30-05 PM";
    QTest::newRow("12h midnight") << "2021:07:04 00:15:00" << 0 << 0 << "2021-07-04 12-15 AM";
    QTest::newRow("12h morning") << "2021:07:04 11:59:59" << 0 << 1 << "2021-07-04 11-59-59 AM";
    QTest::newRow("12h noon") << "2021:07:04 12:00:00" << 0 << 0 << "2021-07-04 12-00 PM";
    QTest::newRow("12h one pm") << "2021:07:04 13:00:00" << 0 << 0 << "2021-07-04 01-00 PM";
    QTest::newRow("12h last minute") << "2021:07:04 23:59:59" << 0 << 1 << "2021-07-04 11-59-59 PM";
    QTest::newRow("24h midnight") << "2021:07:04 00:00:00" << 1 << 0 << "2021-07-04 00-00";
    QTest::newRow("no clock") << evening << 2 << 0 << "2021-07-04";
    QTest::newRow("no time layout") << evening << 1 << 2 << "2021-07-04";
    QTest::newRow("no time layout 12h") << evening << 0 << -1 << "2021-07-04";
}

void TestFilterFilename::times()
{
    QFETCH(QString, taken);
    QFETCH(int, showTime);
    QFETCH(int, timeFormat);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo("[DateTime]");
    filter.dateTaken = taken;
    QCOMPARE(DateTimeOf(filter, showTime, 10, timeFormat), expected);

    // The same text inside a name.
    filter.ShowTime = showTime;
    filter.TimeFormat = timeFormat;
    filter.DateFormat = 10;
    filter.GenerateFilename(3, false);
    QCOMPARE(filter.result, expected + ".jpg");
}

void TestFilterFilename::dateSources_data()
{
    QTest::addColumn<QString>("taken");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<QString>("expected");
    const QString fileTime = "2015-03-02 10-20-30";
    QTest::newRow("exif date") << "2021:07:04 18:30:05" << true << "2021-07-04 18-30-05";
    QTest::newRow("date without time") << "2021:07:04" << true << "2021-07-04 00-00-00";
    QTest::newRow("month 13") << "2021:13:04 18:30:05" << true << fileTime;
    QTest::newRow("month 0") << "2021:00:04 18:30:05" << true << fileTime;
    QTest::newRow("day 32") << "2021:07:32 18:30:05" << true << fileTime;
    QTest::newRow("hour 24") << "2021:07:04 24:00:00" << true << fileTime;
    QTest::newRow("minute 60") << "2021:07:04 18:60:00" << true << fileTime;
    QTest::newRow("second 60") << "2021:07:04 18:30:60" << true << fileTime;
    QTest::newRow("year 1899") << "1899:07:04 18:30:05" << true << fileTime;
    QTest::newRow("year 3001") << "3001:07:04 18:30:05" << true << fileTime;
    QTest::newRow("year 3000") << "3000:07:04 18:30:05" << true << "3000-07-04 18-30-05";
    QTest::newRow("text month") << "2021:xx:04 18:30:05" << true << fileTime;
    QTest::newRow("garbage") << "abc" << true << fileTime;
    QTest::newRow("empty uses file time") << "" << true << fileTime;
    QTest::newRow("no date, no file") << "" << false << "1900-01-01 00-00-00";
    QTest::newRow("bad date, no file") << "2021:13:04 18:30:05" << false << "1900-01-01 00-00-00";
}

void TestFilterFilename::dateSources()
{
    QFETCH(QString, taken);
    QFETCH(bool, fileExists);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo("[DateTime]");
    filter.dateTaken = taken;
    filter.path = TestEnv::NewFolder("dates") + "/photo.jpg";
    if (fileExists) {
        QFile file(filter.path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("x");
        file.flush();
        QVERIFY(file.setFileTime(QDateTime(QDate(2015, 3, 2), QTime(10, 20, 30)),
                                 QFileDevice::FileModificationTime));
    }
    QCOMPARE(DateTimeOf(filter, 1, 10, 1), expected);
}

void TestFilterFilename::currentDate()
{
    CFilterFilename filter = Photo("[DateTime]");
    filter.dateTaken = "2021:07:04 18:30:05";
    const QString before = QDate::currentDate().toString("yyyy-MM-dd");
    const QString text = DateTimeOf(filter, 2, 10, 0, 1);
    const QString after = QDate::currentDate().toString("yyyy-MM-dd");
    QVERIFY2(text == before || text == after, qPrintable(text));
}

void TestFilterFilename::caseChanges_data()
{
    QTest::addColumn<int>("changeCase");
    QTest::addColumn<bool>("lowerCaseExt");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("expected");
    QTest::newRow("keep") << 0 << true << "My Photo" << "My Photo.jpg";
    QTest::newRow("keep, extension not lowered") << 0 << false << "My Photo" << "My Photo.jpg";
    QTest::newRow("lower") << 1 << true << "My Photo" << "my photo.jpg";
    QTest::newRow("upper") << 2 << true << "My Photo" << "MY PHOTO.jpg";
    QTest::newRow("upper with extension") << 2 << false << "My Photo" << "MY PHOTO.JPG";
    QTest::newRow("capitalise two blanks") << 3 << true << "my  holiday photo"
                                           << "My  Holiday Photo.jpg";
    QTest::newRow("capitalise mixed") << 3 << false << "mIXED cASE" << "Mixed Case.jpg";
    QTest::newRow("capitalise leading blank") << 3 << true << " x" << " X.jpg";
    QTest::newRow("unknown mode") << 9 << true << "My Photo" << "My Photo.jpg";
}

void TestFilterFilename::caseChanges()
{
    QFETCH(int, changeCase);
    QFETCH(bool, lowerCaseExt);
    QFETCH(QString, baseName);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo("[Filename]", baseName, "JpG");
    filter.ChangeCase = changeCase;
    filter.LowerCaseExt = lowerCaseExt;
    filter.GenerateFilename(3, false);
    QCOMPARE(filter.result, expected);
}

void TestFilterFilename::searchAndReplace_data()
{
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("search");
    QTest::addColumn<QString>("replace");
    QTest::addColumn<int>("changeCase");
    QTest::addColumn<QString>("expected");
    QTest::newRow("any case") << "IMG_Img_x" << true << "img" << "Pic" << 0 << "Pic_Pic_x.jpg";
    QTest::newRow("switched off") << "IMG_Img_x" << false << "img" << "Pic" << 0
                                  << "IMG_Img_x.jpg";
    QTest::newRow("empty search") << "IMG_Img_x" << true << "" << "Pic" << 0 << "IMG_Img_x.jpg";
    QTest::newRow("empty replace") << "IMG_Img_x" << true << "img" << "" << 0 << "__x.jpg";
    QTest::newRow("after case change") << "img_1" << true << "IMG" << "pic" << 2 << "pic_1.jpg";
    QTest::newRow("not in the extension") << "jpg_photo" << true << "jpg" << "X" << 0
                                          << "X_photo.jpg";
    QTest::newRow("dot is literal") << "a.b" << true << "." << "-" << 0 << "a-b.jpg";
    QTest::newRow("longer upper case") << QString::fromUtf8("Stra\xc3\x9f" "e_1") << true
                                       << QString::fromUtf8("stra\xc3\x9f" "e") << "Road" << 0
                                       << "Road_1.jpg";
    QTest::newRow("keeps other letters") << QString::fromUtf8("Ma\xc3\x9f" "e_Foto") << true
                                         << "foto" << "Bild" << 0
                                         << QString::fromUtf8("Ma\xc3\x9f" "e_Bild.jpg");
    QTest::newRow("replace text climbing out") << "IMG_1" << true << "img" << "../x" << 0
                                               << ".._x_1.jpg";
}

void TestFilterFilename::searchAndReplace()
{
    QFETCH(QString, baseName);
    QFETCH(bool, enabled);
    QFETCH(QString, search);
    QFETCH(QString, replace);
    QFETCH(int, changeCase);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo("[Filename]", baseName);
    filter.searchReplace = enabled;
    filter.SearchFor = search;
    filter.ReplaceWith = replace;
    filter.ChangeCase = changeCase;
    filter.GenerateFilename(3, false);
    QCOMPARE(filter.result, expected);
}

void TestFilterFilename::continueNumbering_data()
{
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("picturesDone");
    QTest::addColumn<QString>("expected");
    // A monitoring run hands photos over one at a time; the counter goes on.
    QTest::newRow("custom keeps the counter for one photo") << 3 << "Scan" << 5 << "Scan (06).jpg";
    QTest::newRow("custom explicit counter") << 3 << "Scan [Counter]" << 5 << "Scan 06.jpg";
    QTest::newRow("folder preset numbers on") << 1 << "" << 4 << "Trip 005.jpg";
    QTest::newRow("own-name preset") << 0 << "" << 4 << "IMG_1.jpg";
}

void TestFilterFilename::continueNumbering()
{
    QFETCH(int, preset);
    QFETCH(QString, pattern);
    QFETCH(int, picturesDone);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo(pattern);
    filter.PresetRename = preset;
    filter.continueNumbering = true;
    filter.picturesDone = picturesDone;
    filter.CounterStart = (picturesDone + 1) * filter.CountStep;
    filter.GenerateFilename(1, false);
    QCOMPARE(filter.result, expected);
}

void TestFilterFilename::folderName_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "/a/b" << "b";
    QTest::newRow("trailing slash") << "/a/b/" << "b";
    QTest::newRow("top level") << "/a" << "a";
    QTest::newRow("root") << "/" << "";
    QTest::newRow("no slash") << "nofolder" << "";
    QTest::newRow("empty") << "" << "";
}

void TestFilterFilename::folderName()
{
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo("[FolderName]x");
    filter.folder = folder;
    filter.GenerateFilename(1, false);
    QCOMPARE(filter.result, expected + "x.jpg");
}

void TestFilterFilename::isOutputModified_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("modified");
    QTest::newRow("own name with extension") << "[Filename].[Extension]" << false;
    QTest::newRow("own name") << "[Filename]" << false;
    QTest::newRow("other case") << "[filename]" << true;
    QTest::newRow("suffix") << "[Filename]_x" << true;
    QTest::newRow("empty") << "" << true;
}

void TestFilterFilename::isOutputModified()
{
    QFETCH(QString, pattern);
    QFETCH(bool, modified);
    QCOMPARE(Photo(pattern).IsOutputModified(), modified);
}

GB_TEST_MAIN(TestFilterFilename)
#include "tst_filterfilename.moc"
