#include "CFormatsEnum.h"
#include "TestEnv.h"

class TestFormats : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readableExtensionsInTableOrder();
    void lookUpByAnyAlias_data();
    void lookUpByAnyAlias();
    void writeOnlyRowsAreNotReadable();
    void dialogFilterPieces();
};

void TestFormats::initTestCase()
{
    CFormatsEnum::DeleteInstance();
    CFormatsEnum::GetInstance()->GenerateList();
    QCOMPARE(CFormatsEnum::GetInstance()->rows.size(), 59);
}

static const QStringList kRawIds = {
    "3FR", "ARI", "ARW", "BAY", "CAP", "CIFF", "CR2", "CRW", "DC2", "DCR", "DCS", "DNG", "DRF", "EIP",
    "ERF", "FFF", "IIQ", "K25", "KC2", "KDC", "MDC", "MEF", "MOS", "MRW", "NEF", "NRW", "OBM", "ORF",
    "PEF", "PTX", "PXN", "QTK", "RAF", "RAW", "RDC", "RW2", "RWL", "SR2", "SRF", "SRW", "STI"};

void TestFormats::readableExtensionsInTableOrder()
{
    const QStringList common = {"AVIF", "BMP", "PCT", "PICT", "GIF", "HEIF", "HEIC", "JP2", "JPT", "JPC",
                                "J2C", "J2K", "JPG", "JPEG", "JPE", "PCX", "PNG", "PSD", "PDD", "SGI",
                                "TGA", "ICB", "VDA", "VST", "TIF", "TIFF", "WBMP", "WEBP"};
    const QStringList expected = common + kRawIds;
    QCOMPARE(expected.size(), 69);
    QCOMPARE(QStringList(CFormatsEnum::GetInstance()->readableExtensions), expected);
    QCOMPARE(QStringList(CFormatsEnum::GetInstance()->rawExtensions), kRawIds);
}

void TestFormats::lookUpByAnyAlias_data()
{
    QTest::addColumn<QString>("extension");
    QTest::addColumn<QString>("id");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("isRaw");
    QTest::addColumn<bool>("ghostscript");
    QTest::newRow("jpeg lower") << "jpeg" << "JPG" << 2 << false << false;
    QTest::newRow("JPEG upper") << "JPEG" << "JPG" << 2 << false << false;
    QTest::newRow("Jpe mixed") << "Jpe" << "JPG" << 2 << false << false;
    QTest::newRow("heic") << "HEIC" << "HEIF" << 1 << false << false;
    QTest::newRow("pct") << "pct" << "PICT" << 1 << false << false;
    QTest::newRow("pict") << "PiCt" << "PICT" << 1 << false << false;
    QTest::newRow("j2c") << "j2c" << "JPT" << 1 << false << false;
    QTest::newRow("vst") << "vst" << "TGA" << 1 << false << false;
    QTest::newRow("tiff") << "tiff" << "TIF" << 3 << false << false;
    QTest::newRow("pdd") << "pdd" << "PSD" << 7 << false << false;
    QTest::newRow("pdp") << "pdp" << "PDF" << 9 << false << true;
    QTest::newRow("eps") << "eps" << "EPS" << 1 << false << true;
    QTest::newRow("dng") << "dng" << "DNG" << 8 << true << false;
    QTest::newRow("raw") << "Raw" << "RAW" << 8 << true << false;
    QTest::newRow("3fr") << "3fr" << "3FR" << 8 << true << false;
    QTest::newRow("unknown") << "xyz" << "" << 0 << false << false;
    QTest::newRow("empty") << "" << "" << 0 << false << false;
}

void TestFormats::lookUpByAnyAlias()
{
    QFETCH(QString, extension);
    QFETCH(QString, id);
    QFETCH(int, kind);
    QFETCH(bool, isRaw);
    QFETCH(bool, ghostscript);
    const SFormatRecord row = CFormatsEnum::GetInstance()->GetRecordById(extension);
    QCOMPARE(row.id, id);
    QCOMPARE(row.kind, kind);
    QCOMPARE(row.isRaw, isRaw);
    QCOMPARE(row.needsGhostscript, ghostscript);
}

void TestFormats::writeOnlyRowsAreNotReadable()
{
    const CFormatsEnum* formats = CFormatsEnum::GetInstance();
    for (const char* ext : {"PDF", "PDP", "EPS"})
        QVERIFY2(!formats->readableExtensions.contains(ext), ext);
    QVERIFY(!formats->dialogFilter.contains("*.PDF") && !formats->dialogFilter.contains("*.EPS"));
    int writable = 0;
    for (const SFormatRecord& row : formats->rows)
        writable += row.canWrite;
    QCOMPARE(writable, 18);
}

void TestFormats::dialogFilterPieces()
{
    const QStringList entries = CFormatsEnum::GetInstance()->dialogFilter.split(";;");
    QCOMPARE(entries.size(), 2 + 16 + 41);
    QVERIFY(entries[0].startsWith("Common Formats ( *.AVIF *.BMP *.PCT *.PICT *.GIF *.HEIF *.HEIC "));
    QVERIFY(entries[0].endsWith("*.SRW *.STI )"));
    QCOMPARE(entries[1], QString("All Files (*.*)"));
    QCOMPARE(entries[2], QString("AVIF - Format derived from the keyframes of AV1 video (*.AVIF)"));
    QCOMPARE(entries[3], QString("BMP - Microsoft Windows bitmap (*.BMP)"));
    QCOMPARE(entries[4], QString("PICT - Apple Macintosh QuickDraw/PICT file (*.PCT *.PICT)"));
    QVERIFY(entries.contains("JPT - JPEG-2000 Code Stream Syntax (*.JPT *.JPC *.J2C *.J2K)"));
    QVERIFY(entries.contains("PEF - Pentax\\Samsung Digital Camera Raw Image (*.PEF)"));
    QCOMPARE(entries.last(), QString("STI - Sinar Digital Camera Raw Image (*.STI)"));
}

GB_TEST_MAIN(TestFormats)
#include "tst_formats.moc"
