// The one decision about an output: its extension, copy or re-encode, coder,
// colour profile, quality and size cap.
#include "CFormatsEnum.h"
#include "COutputFormat.h"
#include "SFormatSettings.h"
#include "TestEnv.h"

#include <limits>

namespace {
const QString kKeep = "keep";

// "a=b c=d" settings changes on top of the defaults.
SFormatSettings Settings(const QString& changes)
{
    SFormatSettings settings;
    for (const QString& change : changes.split(' ', Qt::SkipEmptyParts)) {
        const QString key = change.section('=', 0, 0);
        const QString value = change.section('=', 1);
        if (key == "Quality") settings.Quality = value.toInt();
        else if (key == "FixedSize") settings.FixedSize = value == "1";
        else if (key == "FileSize") settings.FileSize = value.toLongLong();
        else if (key == "PNGComp") settings.PNGComp = value.toInt();
        else if (key == "Interlaced") settings.Interlaced = value.toInt();
        else if (key == "JpegType") settings.JpegType = value.toInt();
        else if (key == "TiffType") settings.TiffType = value.toInt();
        else if (key == "TiffAlg") settings.TiffAlg = value.toInt();
        else if (key == "DefaultFormat") settings.DefaultFormat = value;
        else qFatal("unknown setting %s", qPrintable(key));
    }
    return settings;
}
} // namespace

class TestOutputFormat : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { CFormatsEnum::GetInstance()->GenerateList(); }

    // Naming and copy-unchanged for one photo.
    void forPhoto_data()
    {
        QTest::addColumn<QString>("photo");    // the photo's extension
        QTest::addColumn<QString>("output");   // the job's OutputFormat, or kKeep
        QTest::addColumn<bool>("filters");     // an active filter
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<bool>("copied");

        QTest::newRow("same format") << "JPG" << "JPG" << false << "" << "JPG" << true;
        QTest::newRow("same format, any case") << "jpg" << "JPG" << false << "" << "JPG" << true;
        QTest::newRow("filter") << "JPG" << "JPG" << true << "" << "JPG" << false;
        QTest::newRow("jpeg photo to JPG") << "jpeg" << "JPG" << false << "" << "JPG" << false;
        QTest::newRow("quality 87") << "png" << "PNG" << false << "Quality=87" << "PNG" << false;
        QTest::newRow("size cap") << "png" << "PNG" << false << "FixedSize=1" << "PNG" << false;
        QTest::newRow("interlace") << "png" << "PNG" << false << "Interlaced=3" << "PNG" << false;
        QTest::newRow("interlace 4 is none") << "png" << "PNG" << false << "Interlaced=4" << "PNG" << true;
        QTest::newRow("grey JPEG") << "jpeg" << kKeep << false << "JpegType=0" << "jpeg" << false;
        QTest::newRow("CMYK jpe") << "jpe" << kKeep << false << "JpegType=2" << "jpe" << false;
        QTest::newRow("JPEG type 7") << "JPG" << "JPG" << false << "JpegType=7" << "JPG" << true;
        QTest::newRow("TIFF zip") << "tif" << "TIF" << false << "TiffAlg=2" << "TIF" << false;
        QTest::newRow("TIFF palette") << "tiff" << kKeep << false << "TiffType=1" << "tiff" << false;
        QTest::newRow("keep, copied") << "jpeg" << kKeep << false << "" << "jpeg" << true;
        QTest::newRow("keep, writable id") << "bmp" << kKeep << true << "" << "bmp" << false;
        // Every extension of a writable row is kept, not only its id.
        QTest::newRow("keep, tiff") << "tiff" << kKeep << true << "" << "tiff" << false;
        QTest::newRow("keep, jpeg") << "jpeg" << kKeep << true << "" << "jpeg" << false;
        QTest::newRow("keep, JPE") << "JPE" << kKeep << true << "" << "JPE" << false;
        QTest::newRow("keep, not writable")
            << "nef" << kKeep << true << "DefaultFormat=PNG" << "DefaultPNG" << false;
    }

    void forPhoto()
    {
        QFETCH(QString, photo);
        QFETCH(QString, output);
        QFETCH(bool, filters);
        QFETCH(QString, settings);
        QFETCH(QString, extension);
        QFETCH(bool, copied);
        COutputFormat::SPhoto request;
        request.extension = photo;
        request.keepOriginal = output == kKeep;
        request.outputFormat = request.keepOriginal ? "Keep original image format (if possible)" : output;
        request.mustReencode = filters;
        const SOutputFormat decision =
            COutputFormat::ForPhoto(request, Settings(settings), CFormatsEnum::GetInstance());
        QCOMPARE(decision.extension, extension.startsWith("Default") ? extension.mid(7) : extension);
        QCOMPARE(decision.copyUnchanged, copied);
        QCOMPARE(decision.format, decision.extension.toUpper());
    }

    // Writing: the coder, the colour profile, the quality and the size cap,
    // by the format-table row of the name.
    void forName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("coder");
        QTest::addColumn<int>("profile");
        QTest::addColumn<int>("quality");
        QTest::addColumn<bool>("sizeCap");
        QTest::addColumn<bool>("checkCustom");

        QTest::newRow("jpg") << "jpg" << "FixedSize=1" << "JPEG" << int(SOutputFormat::Plain) << 88 << true << false;
        // Every extension of the JPEG row gets the JPEG options.
        QTest::newRow("jpeg: size cap") << "JPEG" << "FixedSize=1" << "JPEG" << int(SOutputFormat::Plain) << 88
                                        << true << false;
        QTest::newRow("jpe CMYK") << "jpe" << "JpegType=2" << "JPEG" << int(SOutputFormat::CMYK) << 88 << false
                                  << false;
        QTest::newRow("jpg CMYK") << "JPG" << "JpegType=2" << "JPEG" << int(SOutputFormat::CMYK) << 88 << false
                                  << false;
        QTest::newRow("jpg custom") << "JPG" << "JpegType=3" << "JPEG" << int(SOutputFormat::Custom) << 88 << false
                                    << true;
        QTest::newRow("jpeg custom")
            << "JPEG" << "JpegType=3" << "JPEG" << int(SOutputFormat::Custom) << 88 << false << true;
        QTest::newRow("tiff custom")
            << "tiff" << "TiffType=5" << "TIFF" << int(SOutputFormat::Custom) << 88 << false << true;
        QTest::newRow("tif custom") << "TIF" << "TiffType=5" << "TIFF" << int(SOutputFormat::Custom) << 88 << false
                                    << true;
        QTest::newRow("tiff CMYK") << "tiff" << "TiffType=4" << "TIFF" << int(SOutputFormat::CMYK) << 88 << false
                                   << false;
        QTest::newRow("png best") << "png" << "Quality=50" << "PNG" << int(SOutputFormat::Plain) << 100 << false
                                  << false;
        QTest::newRow("png fast") << "png" << "PNGComp=0" << "PNG" << int(SOutputFormat::Plain) << 0 << false
                                  << false;
        QTest::newRow("heif") << "heif" << "" << "HEIC" << int(SOutputFormat::Plain) << 88 << false << false;
        QTest::newRow("jpt") << "jpt" << "" << "J2K" << int(SOutputFormat::Plain) << 88 << false << false;
        QTest::newRow("unknown") << "xyz" << "" << "XYZ" << int(SOutputFormat::Plain) << 88 << false << false;
    }

    void forName()
    {
        QFETCH(QString, name);
        QFETCH(QString, settings);
        QFETCH(QString, coder);
        QFETCH(int, profile);
        QFETCH(int, quality);
        QFETCH(bool, sizeCap);
        QFETCH(bool, checkCustom);
        const SOutputFormat decision =
            COutputFormat::ForName(name, Settings(settings), CFormatsEnum::GetInstance());
        QCOMPARE(decision.format, name.toUpper());
        QCOMPARE(decision.coder, coder);
        QCOMPARE(int(decision.colourProfile), profile);
        QCOMPARE(decision.quality, quality);
        QCOMPARE(decision.sizeCap, sizeCap);
        QCOMPARE(decision.checkCustomProfile, checkCustom);
    }

    // The cap in bytes is what the write compares file sizes with: whoever
    // set the kilobytes, it keeps the range a job file is read with.
    void sizeCapStaysInRange_data()
    {
        QTest::addColumn<qint64>("fileSize");
        QTest::addColumn<qint64>("capKb");
        QTest::newRow("in range") << qint64(250) << qint64(250);
        QTest::newRow("bytes beyond int64") << qint64(9300000000000000) << qint64(999999);
        QTest::newRow("int64 max") << std::numeric_limits<qint64>::max() << qint64(999999);
        QTest::newRow("0") << qint64(0) << qint64(1);
        QTest::newRow("int64 min") << std::numeric_limits<qint64>::min() << qint64(1);
    }

    void sizeCapStaysInRange()
    {
        QFETCH(qint64, fileSize);
        QFETCH(qint64, capKb);
        SFormatSettings settings = Settings("FixedSize=1");
        settings.FileSize = fileSize;
        const SOutputFormat decision = COutputFormat::ForName("jpg", settings, CFormatsEnum::GetInstance());
        QCOMPARE(decision.sizeCapKb, capKb);
        QCOMPARE(decision.SizeCapBytes(), capKb * 1000);
    }

    void formatOfPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("format");
        QTest::newRow("extension") << "/a.b/photo.jpeg" << "JPEG";
        QTest::newRow("no extension") << "/a.b/photo" << "PHOTO";
        QTest::newRow("last dot") << "/x/p.tar.png" << "PNG";
    }

    void formatOfPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, format);
        QCOMPARE(COutputFormat::FormatOfPath(path), format);
    }
};

GB_TEST_MAIN(TestOutputFormat)
#include "tst_outputformat.moc"
