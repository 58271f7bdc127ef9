#include "CFilterFilename.h"
#include "TestEnv.h"

#include <QDateTime>
#include <QFile>

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
} // namespace

class TestFilterFilename : public QObject
{
    Q_OBJECT
private slots:
    void patterns_data();
    void patterns();
};

void TestFilterFilename::patterns_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<int>("photoCount");
    QTest::addColumn<qint64>("number");
    QTest::addColumn<QString>("expected");
    QTest::newRow("filename token keeps no counter") << "[Filename]_web" << 3 << qint64(0) << "IMG_1_web.jpg";
    QTest::newRow("counter appended") << "Holiday" << 3 << qint64(0) << "Holiday (01).jpg";
    QTest::newRow("one photo drops counter") << "Holiday" << 1 << qint64(0) << "Holiday.jpg";
    QTest::newRow("unclosed token, one photo") << "A[Counter" << 1 << qint64(0) << "Ajpg";
    QTest::newRow("unclosed token swallows appended counter") << "A[Counter" << 3 << qint64(0) << "A01).jpg";
}

void TestFilterFilename::patterns()
{
    QFETCH(QString, pattern);
    QFETCH(int, photoCount);
    QFETCH(qint64, number);
    QFETCH(QString, expected);
    CFilterFilename filter = Photo(pattern);
    filter.number = number;
    filter.GenerateFilename(photoCount, false);
    QCOMPARE(filter.result, expected);
}

GB_TEST_MAIN(TestFilterFilename)
#include "tst_filterfilename.moc"
