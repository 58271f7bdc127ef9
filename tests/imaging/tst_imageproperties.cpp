#include "CFormatsEnum.h"
#include "CImageManager.h"
#include "DngWriter.h"
#include "ImageProperties.h"
#include "ImagingTestKit.h"
#include "TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <cmath>

using namespace ImagingTestKit;

namespace {
const QStringList kExiftoolTags = {
    "-EXIF:DateTimeOriginal", "-EXIF:Make", "-EXIF:Model", "-EXIF:ExposureTime", "-EXIF:FNumber",
    "-EXIF:ISO", "-EXIF:FocalLength", "-EXIF:Flash", "-EXIF:GPSLatitude", "-EXIF:GPSLatitudeRef",
    "-EXIF:GPSLongitude", "-EXIF:GPSLongitudeRef", "-EXIF:GPSAltitude", "-EXIF:GPSAltitudeRef",
    "-EXIF:Orientation"};

QString Text(const QJsonObject& o, const char* key)
{
    const QJsonValue v = o.value(key);
    if (v.isUndefined() || v.isNull())
        return QString();
    return v.isString() ? v.toString() : QString::number(v.toDouble(), 'g', 15);
}

// Our coordinate text back to decimal degrees: 43°28'2.81"N -> 43.46745.
double Degrees(const QString& text)
{
    static const QRegularExpression form(QString("^([0-9.]+)%1([0-9.]+)'([0-9.]+)\"[NSEW]$").arg(QChar(0x00B0)));
    const auto m = form.match(text);
    if (!m.hasMatch())
        return -1;
    return m.captured(1).toDouble() + m.captured(2).toDouble() / 60 + m.captured(3).toDouble() / 3600;
}

// Kinds of file for the information text, besides blank files of a size.
enum { kJpeg = -1, kRaw = -2, kMissing = -3 };

double Rational(const QString& text)
{
    const QStringList p = text.split('/');
    return p.size() == 2 ? p[0].toDouble() / p[1].toDouble() : text.toDouble();
}
} // namespace

class TestImageProperties : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void realPhotosAgreeWithExiftool_data();
    void realPhotosAgreeWithExiftool();
    void displayTexts_data();
    void displayTexts();
    void coordinates_data();
    void coordinates();
    void writtenTags_data();
    void writtenTags();
    void noExifGivesEmptyFields();
    void rawAfterJpegClearsExifTexts();
    void informationText_data();
    void informationText();

private:
    QString folder;
};

void TestImageProperties::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
    folder = TestEnv::NewFolder("properties");
}

void TestImageProperties::realPhotosAgreeWithExiftool_data()
{
    QTest::addColumn<QString>("path");
    const QString root = TestEnv::SharedPhotos();
    if (root.isEmpty())
        QSKIP("the shared photos folder is not there");
    for (const QString sub : {"jpg/exif-org", "jpg/gps"}) {
        const QDir dir(root + "/" + sub);
        for (const QString& name : dir.entryList({"*.jpg"}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(sub + "/" + name)) << dir.filePath(name);
    }
}

void TestImageProperties::realPhotosAgreeWithExiftool()
{
    QFETCH(QString, path);
    if (path.isEmpty())
        QSKIP("no shared photos");
    bool ok = false;
    const QString json = Exiftool(QStringList{"-j", "-n"} + kExiftoolTags + QStringList{path}, &ok);
    QVERIFY2(ok, "exiftool failed");
    const QJsonObject x = QJsonDocument::fromJson(json.toUtf8()).array().at(0).toObject();

    for (bool ping : {false, true}) {
        CImageManager manager;
        QVERIFY(ping ? manager.Ping(path) : manager.Read(path));
        const SImageProperties& p = manager.properties;
        QCOMPARE(p.dateTimeOriginal, Text(x, "DateTimeOriginal"));
        QCOMPARE(p.cameraMake, Text(x, "Make").trimmed());
        QCOMPARE(p.cameraModel, Text(x, "Model").trimmed());

        const QString exposure = Text(x, "ExposureTime");
        QString expectedExposure;
        if (!exposure.isEmpty() && exposure.toDouble() > 0)
            expectedExposure = QString("1/%1 sec")
                                   .arg(QString::number(std::round(10.0 / exposure.toDouble()) / 10.0, 'G', 3));
        QCOMPARE(p.exposure, expectedExposure);

        const QString fNumber = Text(x, "FNumber");
        QCOMPARE(p.fNumber, fNumber.isEmpty() ? QString()
                                              : "f/" + QString::number(std::round(fNumber.toDouble() * 10) / 10, 'g', 6));
        const QString iso = Text(x, "ISO");
        QCOMPARE(p.iso, iso.isEmpty() ? QString() : "ISO-" + iso);

        const QString focal = Text(x, "FocalLength");
        QCOMPARE(p.focalLength.isEmpty(), focal.isEmpty());
        if (!focal.isEmpty())
            QVERIFY2(qAbs(Rational(p.focalLength) - focal.toDouble()) < 1e-3, qPrintable(p.focalLength));
        QCOMPARE(p.flash, Text(x, "Flash"));
        QCOMPARE(p.orientation, Text(x, "Orientation").toInt());

        const QString lat = Text(x, "GPSLatitude"), lon = Text(x, "GPSLongitude");
        if (lat.isEmpty() || lon.isEmpty()) {
            QVERIFY(p.gpsPosition.isEmpty());
        } else {
            QVERIFY2(qAbs(Degrees(p.gpsLatitude) - lat.toDouble()) < 1e-5, qPrintable(p.gpsLatitude));
            QVERIFY2(qAbs(Degrees(p.gpsLongitude) - lon.toDouble()) < 1e-5, qPrintable(p.gpsLongitude));
            QVERIFY(p.gpsLatitude.endsWith(Text(x, "GPSLatitudeRef")));
            QVERIFY(p.gpsLongitude.endsWith(Text(x, "GPSLongitudeRef")));
            QCOMPARE(p.gpsPosition, p.gpsLatitude + " " + p.gpsLongitude);
        }
        const QString altitude = Text(x, "GPSAltitude");
        QString expectedAltitude;
        if (!altitude.isEmpty())
            expectedAltitude = (Text(x, "GPSAltitudeRef") == "1" ? "-" : "")
                + QString::number(altitude.toDouble(), 'f', 1) + " m";
        QCOMPARE(p.gpsAltitude, expectedAltitude);
    }
}

void TestImageProperties::displayTexts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("expected");
    QTest::newRow("f 28/10") << "f" << "28/10" << "" << "f/2.8";
    QTest::newRow("f 11/1") << "f" << "11/1" << "" << "f/11";
    QTest::newRow("f 1.25 rounds half away") << "f" << "125/100" << "" << "f/1.3";
    QTest::newRow("f zero denominator") << "f" << "28/0" << "" << "";
    QTest::newRow("f no slash") << "f" << "28" << "" << "";
    QTest::newRow("f huge") << "f" << "4294967295/1" << "" << "f/4.29497e+09";
    QTest::newRow("f overflow") << "f" << "1e308/1e-308" << "" << "";
    QTest::newRow("exp 1/250") << "e" << "1/250" << "" << "1/250 sec";
    QTest::newRow("exp 1/4000") << "e" << "1/4000" << "" << "1/4E+03 sec";
    QTest::newRow("exp 1/1000") << "e" << "1/1000" << "" << "1/1E+03 sec";
    QTest::newRow("exp 2/1") << "e" << "2/1" << "" << "1/0.5 sec";
    QTest::newRow("exp 0.3 s") << "e" << "3/10" << "" << "1/3.3 sec";
    QTest::newRow("exp zero numerator") << "e" << "0/1" << "" << "";
    QTest::newRow("exp zero denominator") << "e" << "1/0" << "" << "1/0 sec";
    QTest::newRow("exp empty") << "e" << "" << "" << "";
    QTest::newRow("alt 1234/10") << "a" << "1234/10" << "0" << "123.4 m";
    QTest::newRow("alt below sea") << "a" << "50/10" << "1" << "-5.0 m";
    QTest::newRow("alt zero denominator") << "a" << "42/0" << "0" << "42.0 m";
    QTest::newRow("alt no slash") << "a" << "42" << "0" << "";
    QTest::newRow("alt missing") << "a" << "" << "1" << "";
    QTest::newRow("orient 6") << "o" << "6" << "" << "6";
    QTest::newRow("orient text") << "o" << "top-left" << "" << "0";
    QTest::newRow("orient empty") << "o" << "" << "" << "0";
    QTest::newRow("orient beyond int") << "o" << "99999999999" << "" << "0";
    QTest::newRow("orient 9 kept") << "o" << "9" << "" << "9";
}

void TestImageProperties::displayTexts()
{
    QFETCH(QString, kind);
    QFETCH(QString, value);
    QFETCH(QString, reference);
    QFETCH(QString, expected);
    QString actual;
    if (kind == "f")
        actual = ImageProperties::FNumberText(value);
    else if (kind == "e")
        actual = ImageProperties::ExposureText(value);
    else if (kind == "a")
        actual = ImageProperties::GpsAltitudeText(value, reference);
    else
        actual = QString::number(ImageProperties::OrientationValue(value));
    QCOMPARE(actual, expected);
}

void TestImageProperties::coordinates_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("expected");
    const QString deg(QChar(0x00B0));
    QTest::newRow("whole") << "52/1, 31/1, 12/1" << "N" << "52" + deg + "31'12\"N";
    QTest::newRow("fraction seconds") << "52/1, 31/1, 1234/100" << "N" << "52" + deg + "31'12.34\"N";
    QTest::newRow("camera style") << "43/1, 28/1, 281400000/100000000" << "N" << "43" + deg + "28'2.81\"N";
    QTest::newRow("minutes as fraction") << "11/1, 5325/100, 0/1" << "E" << "11" + deg + "53.25'0\"E";
    QTest::newRow("two rationals") << "52/1, 31/1" << "N" << "";
    QTest::newRow("zero denominator") << "52/1, 31/0, 12/1" << "N" << "";
    QTest::newRow("not numbers") << "a/b, c/d, e/f" << "N" << "";
    QTest::newRow("empty") << "" << "" << "";
}

void TestImageProperties::coordinates()
{
    QFETCH(QString, value);
    QFETCH(QString, reference);
    QFETCH(QString, expected);
    QCOMPARE(ImageProperties::GpsCoordinateText(value, reference), expected);
}

void TestImageProperties::writtenTags_data()
{
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("expected");
    QTest::newRow("artist") << QStringList{"-EXIF:Artist=Ana Lund"} << "artist" << "Ana Lund";
    QTest::newRow("copyright") << QStringList{"-EXIF:Copyright=(c) 2024 Ana"} << "copyright" << "(c) 2024 Ana";
    QTest::newRow("altitude below sea")
        << QStringList{"-EXIF:GPSAltitude=5", "-EXIF:GPSAltitudeRef#=1"} << "altitude" << "-5.0 m";
    QTest::newRow("altitude above sea")
        << QStringList{"-EXIF:GPSAltitude=123.4", "-EXIF:GPSAltitudeRef#=0"} << "altitude" << "123.4 m";
    QTest::newRow("colour space sRGB") << QStringList{"-EXIF:ColorSpace#=1"} << "colorspace" << "1";
    QTest::newRow("colour space other") << QStringList{"-EXIF:ColorSpace#=65535"} << "colorspace" << "2";
    QTest::newRow("orientation") << QStringList{"-EXIF:Orientation#=8"} << "orientation" << "8";
    QTest::newRow("latitude only") << QStringList{"-EXIF:GPSLatitude=52.52", "-EXIF:GPSLatitudeRef=N"}
                                   << "position" << "";
    QTest::newRow("both coordinates")
        << QStringList{"-EXIF:GPSLatitude=52.52", "-EXIF:GPSLatitudeRef=S", "-EXIF:GPSLongitude=13.405",
                       "-EXIF:GPSLongitudeRef=W"}
        << "position" << QString("52") + QChar(0x00B0) + "31'12\"S 13" + QChar(0x00B0) + "24'18\"W";
    QTest::newRow("new ISO tag name") << QStringList{"-EXIF:ISO=400"} << "iso" << "ISO-400";
    QTest::newRow("density per cm") << QStringList{"-JFIF:ResolutionUnit=cm", "-JFIF:XResolution=40",
                                                   "-JFIF:YResolution=40"}
                                    << "units" << "2";
    QTest::newRow("density per inch") << QStringList{"-JFIF:ResolutionUnit=inches", "-JFIF:XResolution=300",
                                                     "-JFIF:YResolution=300"}
                                      << "units" << "1";
}

void TestImageProperties::writtenTags()
{
    QFETCH(QStringList, tags);
    QFETCH(QString, field);
    QFETCH(QString, expected);
    const QString path = TestEnv::NewFolder("tags") + "/tagged.jpg";
    QVERIFY(MakeJpeg(path, 24, 16, "gray"));
    bool ok = false;
    Exiftool(QStringList{"-q", "-overwrite_original"} + tags + QStringList{path}, &ok);
    QVERIFY(ok);
    CImageManager manager;
    QVERIFY(manager.Read(path));
    const SImageProperties& p = manager.properties;
    const QHash<QString, QString> fields{{"artist", p.artist},
                                         {"copyright", p.copyright},
                                         {"altitude", p.gpsAltitude},
                                         {"colorspace", QString::number(p.colorSpace)},
                                         {"orientation", QString::number(p.orientation)},
                                         {"position", p.gpsPosition},
                                         {"iso", p.iso},
                                         {"units", QString::number(p.resolutionUnits)}};
    QCOMPARE(fields.value(field), expected);
}

void TestImageProperties::noExifGivesEmptyFields()
{
    const QString path = folder + "/plain.jpg";
    QVERIFY(MakeJpeg(path, 31, 17, "navy"));
    CImageManager manager;
    QVERIFY(manager.Read(path));
    const SImageProperties& p = manager.properties;
    QCOMPARE(p.width, quint64(31));
    QCOMPARE(p.height, quint64(17));
    for (const QString& text : {p.artist, p.copyright, p.dateTimeOriginal, p.cameraMake, p.cameraModel, p.fNumber,
                                p.exposure, p.iso, p.focalLength, p.flash, p.gpsPosition, p.gpsLatitude,
                                p.gpsLongitude, p.gpsAltitude})
        QVERIFY2(text.isEmpty(), qPrintable(text));
    QCOMPARE(p.orientation, 0);
    QCOMPARE(p.colorSpace, 0);
    QCOMPARE(p.resolutionUnits, 1);
}

void TestImageProperties::rawAfterJpegClearsExifTexts()
{
    const QString photo = TestEnv::SharedPhotos().isEmpty()
        ? QString()
        : TestEnv::SharedPhotos() + "/jpg/gps/DSCN0010.jpg";
    if (photo.isEmpty())
        QSKIP("no shared photos");
    DngSpec spec;
    spec.orientation = 6;
    const QString dng = folder + "/after.dng";
    QVERIFY(WriteDng(dng, spec));
    CImageManager manager;
    QVERIFY(manager.Read(photo));
    QVERIFY(!manager.properties.exposure.isEmpty());
    QVERIFY(!manager.properties.gpsPosition.isEmpty());
    QVERIFY(manager.Read(dng));
    const SImageProperties& p = manager.properties;
    QVERIFY(p.exposure.isEmpty() && p.fNumber.isEmpty() && p.iso.isEmpty() && p.gpsPosition.isEmpty()
            && p.artist.isEmpty() && p.flash.isEmpty());
    QCOMPARE(p.width, quint64(48));
    QCOMPARE(p.height, quint64(64));
    QCOMPARE(p.cameraModel, QString("Bench One"));
}

void TestImageProperties::informationText_data()
{
    // size: bytes of a blank file, or kJpeg (a 40x30 JPEG, tagged with the
    // exiftool arguments), kRaw (a turned DNG) or kMissing.
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("tags");
    QTest::addColumn<QString>("expected");
    QTest::newRow("photo with camera")
        << "shot.jpg" << int(kJpeg)
        << QStringList{"-EXIF:Make=NIKON CORPORATION", "-EXIF:Model=NIKON D750",
                       "-EXIF:DateTimeOriginal=2019:07:04 18:30:12"}
        << "Name: shot\nType: JPG\nSize: %SIZE%\nDimensions: 40x30\nDate: 2019-07-04 18:30\nCamera: NIKON D750";
    QTest::newRow("camera make differs")
        << "shot.jpg" << int(kJpeg) << QStringList{"-EXIF:Make=Canon", "-EXIF:Model=PowerShot A5"}
        << "Name: shot\nType: JPG\nSize: %SIZE%\nDimensions: 40x30\nCamera: Canon PowerShot A5";
    QTest::newRow("no exif") << "shot.jpg" << int(kJpeg) << QStringList()
                             << "Name: shot\nType: JPG\nSize: %SIZE%\nDimensions: 40x30";
    QTest::newRow("raw") << "camera.nef" << int(kRaw) << QStringList()
                         << "Name: camera\nType: NEF\nSize: %SIZE%\nDimensions: 48x64\nDate: 2021-03-04 05:06\nCamera: Tarnwell Bench One";
    QTest::newRow("1048575 bytes") << "blob.jpg" << 1048575 << QStringList() << "Name: blob\nType: JPG\nSize: 1024.00 KB";
    QTest::newRow("1048576 bytes") << "blob.jpg" << 1048576 << QStringList() << "Name: blob\nType: JPG\nSize: 1.00 MB";
    QTest::newRow("empty file") << "blob.jpg" << 0 << QStringList() << "Name: blob\nType: JPG\nSize: N/A";
    QTest::newRow("dot in folder") << "v1.2/blob" << 1024 << QStringList() << "Name: blob\nType: \nSize: 1.00 KB";
    QTest::newRow("missing") << "none.jpg" << int(kMissing) << QStringList() << "Photo not found";
}

void TestImageProperties::informationText()
{
    QFETCH(QString, name);
    QFETCH(int, size);
    QFETCH(QStringList, tags);
    QFETCH(QString, expected);
    const QString path = TestEnv::NewFolder("info") + "/" + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (size == kJpeg) {
        QVERIFY(MakeJpeg(path, 40, 30, "teal"));
        bool ok = true;
        if (!tags.isEmpty())
            Exiftool(QStringList{"-q", "-overwrite_original"} + tags + QStringList{path}, &ok);
        QVERIFY(ok);
    } else if (size == kRaw) {
        DngSpec spec;
        spec.orientation = 6;
        QVERIFY(WriteDng(path, spec));
    } else if (size >= 0) {
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.resize(size));
    }
    expected.replace("%SIZE%", QString::number(double(QFileInfo(path).size()) / 1024.0, 'f', 2) + " KB");
    QCOMPARE(ReadImageProperties(path), expected);
}

GB_TEST_MAIN(TestImageProperties)
#include "tst_imageproperties.moc"
