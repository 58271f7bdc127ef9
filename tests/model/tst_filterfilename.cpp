#include "CFilterFilename.h"
#include "TestEnv.h"

#include <QDateTime>
#include <QFile>

#include <limits>

namespace {
CFilterFilename Photo(const QString& pattern, const QString& baseName = "IMG_1",
                      const QString& extension = "JPG", const QString& folder = "/photos/Trip")
{
    CFilterFilename filter;
    filter.FilenameFormat = pattern;
    filter.PresetRename = 3;
    filter.folder = folder;
    filter.baseName = baseName;
    filter.extension = extension;
    filter.path = "/photos/Trip/" + baseName + "." + extension;
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
    void dateTime_data();
    void dateTime();
    void currentDate();
    void caseAndReplace_data();
    void caseAndReplace();
    void continueNumbering_data();
    void continueNumbering();
    void isOutputModified_data();
    void isOutputModified();
};

void TestFilterFilename::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<int>("photoCount");
    QTest::addColumn<bool>("appendCounter");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const QString& pattern, int count, qint64 number,
                  const QString& expected, bool append = true, const QString& base = "IMG_1",
                  const QString& ext = "JPG", const QString& folder = "/photos/Trip") {
        QTest::newRow(name) << pattern << base << ext << folder << count << append << number
                            << expected;
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
    // Control and direction-override characters never reach a file name.
    row("line break in the pattern", "a\nb[Filename]", 3, 0, "a_bIMG_1.jpg");
    row("tab and DEL in the pattern", QString("a\t") + QChar(0x7F) + "[Filename]", 3, 0, "a__IMG_1.jpg");
    row("C1 control in the pattern", QString("a") + QChar(0x85) + "[Filename]", 3, 0, "a_IMG_1.jpg");
    row("right-to-left override in the pattern", QString("x") + QChar(0x202E) + "gpj_[Filename]", 3, 0,
        "x_gpj_IMG_1.jpg");
    row("isolate in the pattern", QString("x") + QChar(0x2066) + "[Filename]", 3, 0, "x_IMG_1.jpg");
    row("log line forged by the base name", "[Filename]", 3, 0, "x__ - Processed FAKE.jpg", true,
        "x\r\n - Processed FAKE");
    row("letters of other scripts stay", "[Filename]", 3, 0, QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d.jpg"),
        true, QString::fromUtf8("\xd7\xa9\xd7\x9c\xd7\x95\xd7\x9d"));
    const auto folderRow = [&row](const char* name, const QString& folder, const QString& expected) {
        row(name, "[FolderName]x", 1, 0, expected + "x.jpg", true, "IMG_1", "JPG", folder);
    };
    folderRow("folder: plain", "/a/b", "b");
    folderRow("folder: trailing slash", "/a/b/", "b");
    folderRow("folder: top level", "/a", "a");
    folderRow("folder: root", "/", "");
    folderRow("folder: no slash", "nofolder", "");
    folderRow("folder: empty", "", "");
}

void TestFilterFilename::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(QString, baseName);
    QFETCH(QString, extension);
    QFETCH(QString, folder);
    QFETCH(int, photoCount);
    QFETCH(bool, appendCounter);
    QFETCH(qint64, number);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo(pattern, baseName, extension, folder);
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
    const auto row = [](const char* name, qint64 start, qint64 step, qint64 number, int digits,
                        const QString& expected) {
        QTest::newRow(name) << start << step << number << digits << expected;
    };
    row("start, step and digits", 10, 5, 2, 3, "020");
    row("defaults", 1, 1, 0, 2, "01");
    row("wider than digits", 1, 1, 122, 2, "123");
    row("no padding", 7, 1, 0, 0, "7");
    row("negative digits", 7, 1, 0, -4, "7");
    row("negative step", 3, -2, 3, 3, "-03");
    row("beyond 32 bits", 5000000000, 1, 1, 2, "5000000001");
    row("digits clamped", 1, 1, 0, 40, QString(31, '0') + "1");
    row("huge digits clamped", 1, 1, 0, std::numeric_limits<int>::max(), QString(31, '0') + "1");
    row("overflow wraps", std::numeric_limits<qint64>::max(), 1, 1, 2,
        QString::number(std::numeric_limits<qint64>::min()));
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
    const auto row = [](const char* name, int preset, int count, qint64 number,
                        const QString& pattern, const QString& expected) {
        QTest::newRow(name) << preset << count << number << pattern << expected;
    };
    row("own name", 0, 3, 1, "[Filename].[Extension]", "IMG_1.jpg");
    row("own name, one photo", 0, 1, 0, "[Filename].[Extension]", "IMG_1.jpg");
    row("folder, one photo", 1, 1, 0, "[FolderName].[Extension]", "Trip.jpg");
    row("folder, three digits", 1, 3, 1, "[FolderName] [Counter].[Extension]", "Trip 002.jpg");
    row("date", 2, 3, 0, "[DateTime].[Extension]", "Jul-04-2021 06-30 PM.jpg");
    row("custom keeps its settings", 3, 3, 0, "my [Counter]", "MY 7.JPG");
    row("unknown preset resets but keeps the pattern", 7, 3, 0, "my [Counter]", "my 001.jpg");
}

void TestFilterFilename::presets()
{
    QFETCH(int, preset);
    QFETCH(int, photoCount);
    QFETCH(qint64, number);
    QFETCH(QString, expectedPattern);
    QFETCH(QString, expected);
    // Custom settings that show in the names unless a preset resets them.
    CFilterFilename filter = Photo("my [Counter]");
    filter.dateTaken = "2021:07:04 18:30:05";
    filter.PresetRename = preset;
    filter.ChangeCase = 2;
    filter.LowerCaseExt = false;
    filter.CounterStart = 7;
    filter.CountStep = 4;
    filter.CounterDigits = 1;
    filter.CounterReset = true;
    filter.DateType = 1;
    filter.DateFormat = 5;
    filter.TimeFormat = 1;
    filter.ShowTime = 1;
    filter.SearchFor = "Trip";
    filter.ReplaceWith = "x";
    filter.number = number;
    filter.GenerateFilename(photoCount, false);
    QCOMPARE(filter.FilenameFormat, expectedPattern);
    QCOMPARE(filter.result, expected);
    // A reset that does not show in the names.
    const bool custom = preset == 3;
    QCOMPARE(filter.CounterReset, custom);
    QCOMPARE(filter.searchReplace, custom);
    QCOMPARE(filter.SearchFor.isEmpty() && filter.ReplaceWith.isEmpty(), !custom);
}

void TestFilterFilename::dateTime_data()
{
    QTest::addColumn<QString>("taken");
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<int>("showTime"); // 0: 12-hour clock, 1: 24-hour clock, 2: none
    QTest::addColumn<int>("dateFormat");
    QTest::addColumn<int>("timeFormat"); // 0: minutes, 1: seconds
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const QString& taken, const QString& expected,
                        int showTime = 1, int timeFormat = 1, int dateFormat = 10, bool file = true) {
        QTest::newRow(name) << taken << file << showTime << dateFormat << timeFormat << expected;
    };
    const QString evening = "2021:07:04 18:30:05";
    const QStringList layouts = {"Jul-04-2021", "Jul-04-21",  "04-Jul-2021", "04-Jul-21",
                                 "2021-Jul-04", "21-Jul-04",  "07-04-2021",  "07-04-21",
                                 "04-07-2021",  "04-07-21",   "2021-07-04",  "21-07-04"};
    for (int i = 0; i < layouts.size(); ++i)
        row(qPrintable(QString("layout %1").arg(i)), evening, layouts.at(i), 2, 0, i);
    row("before 2000 short year", "1999:12:31 00:00:00", "Dec-31-99", 2, 0, 1);
    row("1905 short year", "1905:01:09 00:00:00", "05-01-09", 2, 0, 11);
    row("2000 short year", "2000:02:03 00:00:00", "02-03-00", 2, 0, 7);
    row("unknown layout", evening, "", 2, 0, 12);
    row("negative layout", evening, "", 2, 0, -1);

    row("24h minutes", evening, "2021-07-04 18-30", 1, 0);
    row("24h seconds", evening, "2021-07-04 18-30-05");
    row("12h evening", evening, "2021-07-04 06-30 PM", 0, 0);
    row("12h evening seconds", evening, "2021-07-04 06-30-05 PM", 0);
    row("12h midnight", "2021:07:04 00:15:00", "2021-07-04 12-15 AM", 0, 0);
    row("12h morning", "2021:07:04 11:59:59", "2021-07-04 11-59-59 AM", 0);
    row("12h noon", "2021:07:04 12:00:00", "2021-07-04 12-00 PM", 0, 0);
    row("12h one pm", "2021:07:04 13:00:00", "2021-07-04 01-00 PM", 0, 0);
    row("12h last minute", "2021:07:04 23:59:59", "2021-07-04 11-59-59 PM", 0);
    row("24h midnight", "2021:07:04 00:00:00", "2021-07-04 00-00", 1, 0);
    row("no clock", evening, "2021-07-04", 2, 0);
    row("no time layout", evening, "2021-07-04", 1, 2);
    row("no time layout 12h", evening, "2021-07-04", 0, -1);

    // The EXIF date when it is valid, else the file's time, else 1900-01-01.
    const QString fileTime = "2015-03-02 10-20-30";
    row("date without time", "2021:07:04", "2021-07-04 00-00-00");
    row("year 3000", "3000:07:04 18:30:05", "3000-07-04 18-30-05");
    const char* invalid[] = {"2021:13:04 18:30:05", "2021:00:04 18:30:05", "2021:07:32 18:30:05",
                             "2021:07:04 24:00:00", "2021:07:04 18:60:00", "2021:07:04 18:30:60",
                             "1899:07:04 18:30:05", "3001:07:04 18:30:05", "2021:xx:04 18:30:05",
                             "abc", ""};
    for (const char* taken : invalid)
        row(qPrintable(QString("file time for '%1'").arg(taken)), taken, fileTime);
    row("no date, no file", "", "1900-01-01 00-00-00", 1, 1, 10, false);
    row("bad date, no file", "2021:13:04 18:30:05", "1900-01-01 00-00-00", 1, 1, 10, false);
}

void TestFilterFilename::dateTime()
{
    QFETCH(QString, taken);
    QFETCH(bool, fileExists);
    QFETCH(int, showTime);
    QFETCH(int, dateFormat);
    QFETCH(int, timeFormat);
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
    QCOMPARE(DateTimeOf(filter, showTime, dateFormat, timeFormat), expected);
    if (expected.isEmpty())
        return;
    // The same text inside a name.
    filter.ShowTime = showTime;
    filter.TimeFormat = timeFormat;
    filter.DateFormat = dateFormat;
    filter.GenerateFilename(3, false);
    QCOMPARE(filter.result, expected + ".jpg");
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

void TestFilterFilename::caseAndReplace_data()
{
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<int>("changeCase");
    QTest::addColumn<bool>("lowerCaseExt");
    QTest::addColumn<bool>("replace");
    QTest::addColumn<QString>("searchFor");
    QTest::addColumn<QString>("replaceWith");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, const QString& base, const QString& expected,
                        int changeCase = 0, bool lowerExt = true, const QString& search = {},
                        const QString& replace = {}, bool enabled = true) {
        QTest::newRow(name) << base << changeCase << lowerExt << enabled << search << replace
                            << expected;
    };
    row("keep", "My Photo", "My Photo.jpg");
    row("keep, extension not lowered", "My Photo", "My Photo.jpg", 0, false);
    row("lower", "My Photo", "my photo.jpg", 1);
    row("upper", "My Photo", "MY PHOTO.jpg", 2);
    row("upper with extension", "My Photo", "MY PHOTO.JPG", 2, false);
    row("capitalise two blanks", "my  holiday photo", "My  Holiday Photo.jpg", 3);
    row("capitalise mixed", "mIXED cASE", "Mixed Case.jpg", 3, false);
    row("capitalise leading blank", " x", " X.jpg", 3);
    row("unknown mode", "My Photo", "My Photo.jpg", 9);

    row("replace in any case", "IMG_Img_x", "Pic_Pic_x.jpg", 0, true, "img", "Pic");
    row("replace switched off", "IMG_Img_x", "IMG_Img_x.jpg", 0, true, "img", "Pic", false);
    row("empty search", "IMG_Img_x", "IMG_Img_x.jpg", 0, true, "", "Pic");
    row("empty replace", "IMG_Img_x", "__x.jpg", 0, true, "img", "");
    row("replace after case change", "img_1", "pic_1.jpg", 2, true, "IMG", "pic");
    row("not in the extension", "jpg_photo", "X_photo.jpg", 0, true, "jpg", "X");
    row("dot is literal", "a.b", "a-b.jpg", 0, true, ".", "-");
    row("longer upper case", QString::fromUtf8("Stra\xc3\x9f" "e_1"), "Road_1.jpg", 0, true,
        QString::fromUtf8("stra\xc3\x9f" "e"), "Road");
    row("keeps other letters", QString::fromUtf8("Ma\xc3\x9f" "e_Foto"),
        QString::fromUtf8("Ma\xc3\x9f" "e_Bild.jpg"), 0, true, "foto", "Bild");
    row("replace text climbing out", "IMG_1", ".._x_1.jpg", 0, true, "img", "../x");
    row("replace text with a line break", "IMG_1", "a__b_1.jpg", 0, true, "img", "a\r\nb");
    row("replace text with an override", "IMG_1", "_gpj_1.jpg", 0, true, "img", QString(QChar(0x202E)) + "gpj");
}

void TestFilterFilename::caseAndReplace()
{
    QFETCH(QString, baseName);
    QFETCH(int, changeCase);
    QFETCH(bool, lowerCaseExt);
    QFETCH(bool, replace);
    QFETCH(QString, searchFor);
    QFETCH(QString, replaceWith);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo("[Filename]", baseName, "JpG");
    filter.ChangeCase = changeCase;
    filter.LowerCaseExt = lowerCaseExt;
    filter.searchReplace = replace;
    filter.SearchFor = searchFor;
    filter.ReplaceWith = replaceWith;
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
