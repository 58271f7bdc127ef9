#include "CMetadata.h"
#include "ImagingTestKit.h"
#include "JpegFixtures.h"
#include "TestEnv.h"

#include <Magick++.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <future>

#include <sys/stat.h>

using namespace JpegFixtures;

namespace {

struct Found {
    int size = 0;
    QByteArray bytes;
    int width = 0;
    int height = 0;
};

Found ReadThumbnail(const QString& path)
{
    CMetadata metadata;
    metadata.Read(path);
    Found found;
    found.size = metadata.GetThumbnailSize();
    found.bytes = QByteArray(metadata.GetThumbnail(), qMax(found.size, 0));
    found.width = metadata.GetThumbnailWidth();
    found.height = metadata.GetThumbnailHeight();
    return found;
}

Found ReadBytes(const QByteArray& file)
{
    const QString path = TestEnv::NewFolder("metadata") + "/photo.jpg";
    if (!WriteFile(path, file))
        qFatal("cannot write the fixture");
    return ReadThumbnail(path);
}

QSize DecodedSize(const QByteArray& jpeg)
{
    Magick::Image image;
    image.read(Magick::Blob(jpeg.constData(), size_t(jpeg.size())));
    return QSize(int(image.columns()), int(image.rows()));
}

bool HaveExiftool()
{
    return !QStandardPaths::findExecutable("exiftool").isEmpty();
}

// Moves every XMP segment in front of the first EXIF segment.
QByteArray XmpFirst(const QByteArray& jpeg)
{
    QList<QByteArray> exif, xmp, other;
    int pos = 2;
    while (pos + 4 <= jpeg.size() && uchar(jpeg[pos]) == 0xFF && uchar(jpeg[pos + 1]) != 0xDA) {
        const int length = uchar(jpeg[pos + 2]) << 8 | uchar(jpeg[pos + 3]);
        const QByteArray segment = jpeg.mid(pos, length + 2);
        if (uchar(jpeg[pos + 1]) == 0xE1 && segment.mid(4, 4) == "Exif")
            exif << segment;
        else if (uchar(jpeg[pos + 1]) == 0xE1 && segment.mid(4, 5) == "http:")
            xmp << segment;
        else
            other << segment;
        pos += length + 2;
    }
    return jpeg.left(2) + xmp.join() + exif.join() + other.join() + jpeg.mid(pos);
}

// What the reader writes to the error stream while it lives.
class StderrCapture
{
public:
    StderrCapture() : m_file(TestEnv::NewFolder("stderr") + "/stderr.txt")
    {
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        const int target = open(m_file.toUtf8().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (target >= 0) {
            dup2(target, STDERR_FILENO);
            close(target);
        }
    }
    ~StderrCapture() { Restore(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    QString Text()
    {
        Restore();
        QFile file(m_file);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    void Restore()
    {
        std::fflush(stderr);
        if (m_saved >= 0) {
            dup2(m_saved, STDERR_FILENO);
            close(m_saved);
            m_saved = -1;
        }
    }

    QString m_file;
    int m_saved = -1;
};

QByteArray Thumb()
{
    static const QByteArray thumb = EncodeJpeg(16, 12);
    return thumb;
}

} // namespace

class TestMetadata : public QObject
{
    Q_OBJECT
private slots:
    void handMadeFiles_data();
    void handMadeFiles();
    void realPhotosMatchExiftool();
    void filesMadeWithExiftool_data();
    void filesMadeWithExiftool();
    void truncatedRealPhotos();
    void diagnosticsOnlyForFailures_data();
    void diagnosticsOnlyForFailures();
    void fifoIsNotOpened();
};

void TestMetadata::handMadeFiles_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected"); // empty: no thumbnail

    const QByteArray thumb = Thumb();
    const QByteArray other = EncodeJpeg(8, 8, "green");
    for (bool motorola : {false, true}) {
        const QByteArray tiff = ThumbnailTiff(motorola, thumb).Bytes();
        const char* order = motorola ? "motorola" : "intel";
        QTest::addRow("%s", order) << JpegFile({ExifSegment(tiff)}) << thumb;
        QTest::addRow("%s, xmp before exif", order) << JpegFile({XmpSegment(), ExifSegment(tiff)}) << thumb;
    }
    const QByteArray good = ThumbnailTiff(false, thumb).Bytes();
    QTest::newRow("jfif, comment and app13 first")
        << JpegFile({Segment(0xE0, QByteArray("JFIF\0\1\1\0\0\1\0\1\0\0", 14)), Segment(0xFE, "note"),
                     Segment(0xED, "Photoshop 3.0"), ExifSegment(good)})
        << thumb;
    QTest::newRow("padding before a marker")
        << JpegFile({QByteArray(12, '\xFF') + ExifSegment(good).mid(1)}) << thumb;

    {
        Tiff empty(false);
        empty.AddDirectory({empty.Short(0x0112, 1)});
        QTest::newRow("second exif block holds it")
            << JpegFile({ExifSegment(empty.Bytes()), ExifSegment(good)}) << thumb;
        QTest::newRow("first block with it, second without")
            << JpegFile({ExifSegment(good), ExifSegment(empty.Bytes())}) << thumb;
    }
    QTest::newRow("broken exif block before the good one")
        << JpegFile({ExifSegment(QByteArray("XX\0*\0\0\0\x08", 8)), ExifSegment(good)}) << thumb;

    // The thumbnail tags, with offset and size patched per row.
    const auto patched = [&](const QByteArray& bytes, uint32_t offset, uint32_t size, uint16_t offsetFormat = 4,
                             uint16_t sizeFormat = 4) {
        Tiff tiff(false);
        const uint32_t ifd0 = tiff.AddDirectory({tiff.Short(0x0112, 1)});
        const uint32_t ifd1 = tiff.AddDirectory({Entry{0x0201, offsetFormat, 1, tiff.U32(0), false, 0},
                                                 Entry{0x0202, sizeFormat, 1, tiff.U32(size), false, 0}});
        tiff.SetNext(ifd0, ifd1);
        const uint32_t at = tiff.AddBytes(bytes);
        tiff.SetValue(ifd1, 0, offset == 0xFFFFFFFE ? at : offset);
        return JpegFile({ExifSegment(tiff.Bytes())});
    };
    const uint32_t here = 0xFFFFFFFE;
    QTest::newRow("size past the block, cut bytes decode") << patched(thumb, here, thumb.size() + 5000) << thumb;
    QTest::newRow("size past the block, cut bytes broken")
        << patched(thumb.left(thumb.size() / 2), here, thumb.size()) << QByteArray();
    QTest::newRow("size 0") << patched(thumb, here, 0) << QByteArray();
    QTest::newRow("size 0xFFFFFFFF is cut") << patched(thumb, here, 0xFFFFFFFF) << thumb;
    QTest::newRow("size as negative signed long") << patched(thumb, here, 0xFFFFFFFF, 4, 9) << QByteArray();
    QTest::newRow("offset 0") << patched(thumb, 0, thumb.size()) << QByteArray();
    QTest::newRow("offset at the block end") << patched(QByteArray(), 0x30, 100) << QByteArray();
    QTest::newRow("offset -1") << patched(thumb, 0xFFFFFFFF, thumb.size()) << QByteArray();
    QTest::newRow("offset as negative signed long") << patched(thumb, 0xFFFFFFF0, thumb.size(), 9) << QByteArray();
    QTest::newRow("offset with format 0") << patched(thumb, here, thumb.size(), 0) << QByteArray();
    QTest::newRow("offset with format 13") << patched(thumb, here, thumb.size(), 13) << QByteArray();
    {
        // The frame header of the thumbnail claims 30000 x 30000 pixels.
        QByteArray huge = thumb;
        const int frame = huge.indexOf("\xFF\xC0");
        QVERIFY(frame > 0);
        huge.replace(frame + 5, 4, QByteArray("\x75\x30\x75\x30", 4));
        QTest::newRow("thumbnail declares a huge picture") << patched(huge, here, huge.size()) << QByteArray();
    }
    QTest::newRow("thumbnail is a PNG") << patched(EncodePng(16, 12), here, EncodePng(16, 12).size())
                                        << QByteArray();

    {
        // A directory linking to itself, and two EXIF directories linking to
        // each other: each is walked once.
        Tiff tiff(false);
        const uint32_t ifd0 = tiff.AddDirectory({tiff.Long(0x8769, 0), tiff.Long(0x0201, 0),
                                                 tiff.Long(0x0202, uint32_t(thumb.size()))});
        tiff.SetNext(ifd0, ifd0);
        const uint32_t exifDir = tiff.AddDirectory({tiff.Long(0x8769, ifd0), tiff.Long(0xA005, 0)});
        tiff.SetValue(exifDir, 1, exifDir);
        tiff.SetValue(ifd0, 0, exifDir);
        tiff.SetValue(ifd0, 1, tiff.AddBytes(thumb));
        QTest::newRow("directories in cycles") << JpegFile({ExifSegment(tiff.Bytes())}) << thumb;
    }
    {
        // A directory's own tags win over those of the directory it links to.
        Tiff tiff(false);
        const uint32_t ifd0 = tiff.AddDirectory({tiff.Long(0x0201, 0), tiff.Long(0x0202, uint32_t(thumb.size()))});
        const uint32_t ifd1 = tiff.AddDirectory({tiff.Long(0x0201, 0), tiff.Long(0x0202, uint32_t(other.size()))});
        tiff.SetNext(ifd0, ifd1);
        tiff.SetValue(ifd0, 0, tiff.AddBytes(thumb));
        tiff.SetValue(ifd1, 0, tiff.AddBytes(other));
        QTest::newRow("own tags win over linked") << JpegFile({ExifSegment(tiff.Bytes())}) << thumb;
    }
    for (int depth : {4, 5}) {
        // A chain of directories; the last one holds the thumbnail.
        Tiff tiff(false);
        uint32_t previous = tiff.AddDirectory({tiff.Short(0x0112, 1)});
        for (int level = 1; level < depth; ++level) {
            const uint32_t dir = tiff.AddDirectory({tiff.Short(0x0112, 1)});
            tiff.SetNext(previous, dir);
            previous = dir;
        }
        const uint32_t last = tiff.AddDirectory({tiff.Long(0x0201, 0), tiff.Long(0x0202, uint32_t(thumb.size()))});
        tiff.SetNext(previous, last);
        tiff.SetValue(last, 0, tiff.AddBytes(thumb));
        QTest::addRow("thumbnail at nesting level %d", depth)
            << JpegFile({ExifSegment(tiff.Bytes())}) << (depth < 5 ? thumb : QByteArray());
    }
    {
        // Links and value pointers that lead outside the block are skipped;
        // the thumbnail in IFD1 is still found.
        Tiff tiff(false);
        const uint32_t ifd0 = tiff.AddDirectory({tiff.Long(0x8769, 0x7FFFFFF0), tiff.Long(0xA005, 0xFFFFFFFF),
                                                 Entry{0x8769, 4, 2, {}, true, 0xFFFFFFF8},
                                                 Entry{0x9286, 7, 0xFFFFFFFF, {}, true, 0x10},
                                                 Entry{0x0201, 4, 70000, {}, true, 0x10},
                                                 Entry{0x010F, 2, 50, {}, true, 65530}});
        const uint32_t ifd1 = tiff.AddDirectory({tiff.Long(0x0201, 0), tiff.Long(0x0202, uint32_t(thumb.size()))});
        tiff.SetNext(ifd0, ifd1);
        tiff.SetValue(ifd1, 0, tiff.AddBytes(thumb));
        QTest::newRow("links and pointers outside the block") << JpegFile({ExifSegment(tiff.Bytes())}) << thumb;
        Tiff far = tiff;
        far.SetNext(ifd1, 0xFFFFFFFF);
        QTest::newRow("next link far past the block") << JpegFile({ExifSegment(far.Bytes())}) << thumb;
    }
    {
        Tiff tiff(false);
        tiff.AddBytes(tiff.U16(0xFFFF));
        QTest::newRow("entry count runs past the block") << JpegFile({ExifSegment(tiff.Bytes())}) << QByteArray();
        Tiff badFirst = ThumbnailTiff(false, thumb);
        badFirst.SetFirstDirectory(4);
        QTest::newRow("first directory inside the header") << JpegFile({ExifSegment(badFirst.Bytes())}) << QByteArray();
        badFirst.SetFirstDirectory(0xFFFFFFF0);
        QTest::newRow("first directory past the block") << JpegFile({ExifSegment(badFirst.Bytes())}) << QByteArray();
        QTest::newRow("exif block shorter than its header")
            << JpegFile({ExifSegment(QByteArray("II*\0", 4))}) << QByteArray();
        QByteArray badOrder = good;
        badOrder[0] = 'X';
        QTest::newRow("bad byte order mark") << JpegFile({ExifSegment(badOrder)}) << QByteArray();
    }

    // Files without a thumbnail, cut short or broken in their headers.
    const QByteArray exif = ExifSegment(ThumbnailTiff(false, Thumb()).Bytes());
    const QByteArray complete = JpegFile({exif});
    QTest::newRow("empty file") << QByteArray() << QByteArray();
    QTest::newRow("png") << EncodePng(32, 32) << QByteArray();
    QTest::newRow("start of image only") << QByteArray("\xFF\xD8", 2) << QByteArray();
    QTest::newRow("ends inside the exif segment") << complete.left(exif.size() / 2) << QByteArray();
    QTest::newRow("ends before the start of scan") << complete.left(complete.indexOf("\xFF\xDA")) << QByteArray();
    QTest::newRow("end of image before any scan") << QByteArray("\xFF\xD8", 2) + exif + QByteArray("\xFF\xD9", 2) << QByteArray();
    QTest::newRow("segment length below 2") << QByteArray("\xFF\xD8", 2) + exif + QByteArray("\xFF\xE2\x00\x01", 4) << QByteArray();
    QTest::newRow("huffman table too short")
        << JpegFile({exif, Segment(0xC4, QByteArray(1, '\0') + QByteArray(16, '\x10') + QByteArray(10, '\0'))}) << QByteArray();
    QTest::newRow("no exif") << JpegFile({Segment(0xFE, "comment")}) << QByteArray();
    QTest::newRow("only padding after start") << QByteArray("\xFF\xD8", 2) + QByteArray(4096, '\xFF') << QByteArray();

    // More header data than is kept: APP13 segments are kept in metadata mode.
    QList<QByteArray> big{exif};
    const QByteArray chunk = Segment(0xED, QByteArray(65000, 'x'));
    for (int i = 0; i < 260; ++i)
        big << chunk;
    QTest::newRow("header data over the limit") << JpegFile(big) << QByteArray();
}

void TestMetadata::handMadeFiles()
{
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);

    QElapsedTimer timer;
    timer.start();
    const Found found = ReadBytes(file);
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(found.size, int(expected.size()));
    QCOMPARE(found.bytes, expected);
    if (expected.isEmpty()) {
        QCOMPARE(found.width, 0);
        QCOMPARE(found.height, 0);
    } else {
        QCOMPARE(QSize(found.width, found.height), DecodedSize(expected));
    }
}

void TestMetadata::realPhotosMatchExiftool()
{
    const QString photos = TestEnv::SharedPhotos();
    if (photos.isEmpty())
        QSKIP("the shared photos are not there");
    if (!HaveExiftool())
        QSKIP("exiftool is not installed");

    bool ok = false;
    const QString json =
        ImagingTestKit::Exiftool({"-j", "-b", "-r", "-EXIF:ThumbnailImage", "-ext", "jpg", "-ext", "jpeg", photos}, &ok);
    QVERIFY(ok);
    const QJsonArray rows = QJsonDocument::fromJson(json.toUtf8()).array();
    QVERIFY(rows.size() >= 30);

    int withThumbnail = 0;
    for (const QJsonValue& row : rows) {
        const QJsonObject object = row.toObject();
        const QString path = object.value("SourceFile").toString();
        QByteArray expected;
        const QString value = object.value("ThumbnailImage").toString();
        if (value.startsWith("base64:"))
            expected = QByteArray::fromBase64(value.mid(7).toLatin1());

        const Found found = ReadThumbnail(path);
        if (!expected.isEmpty())
            ++withThumbnail;
        QVERIFY2(found.bytes == expected, qPrintable(path));
        if (!expected.isEmpty()) {
            QCOMPARE(uchar(found.bytes[0]), uchar(0xFF));
            QCOMPARE(uchar(found.bytes[1]), uchar(0xD8));
            QVERIFY2(QSize(found.width, found.height) == DecodedSize(expected), qPrintable(path));
        }
    }
    QVERIFY(withThumbnail >= 20);
}

void TestMetadata::filesMadeWithExiftool_data()
{
    QTest::addColumn<QString>("byteOrder");
    QTest::addColumn<bool>("xmpFirst");
    QTest::newRow("intel") << "II" << false;
    QTest::newRow("motorola") << "MM" << false;
    QTest::newRow("intel, xmp first") << "II" << true;
    QTest::newRow("motorola, xmp first") << "MM" << true;
}

void TestMetadata::filesMadeWithExiftool()
{
    QFETCH(QString, byteOrder);
    QFETCH(bool, xmpFirst);
    if (!HaveExiftool())
        QSKIP("exiftool is not installed");

    const QString folder = TestEnv::NewFolder("exiftool");
    const QString photo = folder + "/photo.jpg";
    const QString thumbPath = folder + "/thumb.jpg";
    const QByteArray thumb = EncodeJpeg(40, 30, "yellow");
    QVERIFY(WriteFile(photo, EncodeJpeg(400, 300)));
    QVERIFY(WriteFile(thumbPath, thumb));
    bool ok = false;
    ImagingTestKit::Exiftool({"-q", "-overwrite_original", "-ExifByteOrder=" + byteOrder, "-Make=Tester",
                              "-XMP-dc:Title=Photo", "-ThumbnailImage<=" + thumbPath, photo},
                             &ok);
    QVERIFY(ok);
    if (xmpFirst) {
        QFile file(photo);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray reordered = XmpFirst(file.readAll());
        file.close();
        QVERIFY(reordered.indexOf("http://ns.adobe.com/xap") < reordered.indexOf("Exif"));
        QVERIFY(WriteFile(photo, reordered));
    }

    const Found found = ReadThumbnail(photo);
    QCOMPARE(found.size, int(thumb.size()));
    QCOMPARE(found.bytes, thumb);
    QCOMPARE(QSize(found.width, found.height), QSize(40, 30));
}

void TestMetadata::truncatedRealPhotos()
{
    const QString photos = TestEnv::SharedPhotos();
    if (photos.isEmpty())
        QSKIP("the shared photos are not there");

    // Cut inside the header: no thumbnail, whatever the cut.
    const QString folder = TestEnv::NewFolder("truncated");
    QDirIterator it(photos + "/jpg", {"*.jpg"}, QDir::Files, QDirIterator::Subdirectories);
    int checked = 0;
    while (it.hasNext() && checked < 12) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const int scan = bytes.indexOf("\xFF\xDA");
        if (scan < 0)
            continue;
        for (int cut : {3, 20, scan / 3, scan / 2, scan - 1}) {
            const QString path = folder + QString("/cut-%1-%2.jpg").arg(checked).arg(cut);
            QVERIFY(WriteFile(path, bytes.left(cut)));
            QCOMPARE(ReadThumbnail(path).size, 0);
        }
        ++checked;
    }
    QVERIFY(checked > 0);
}

void TestMetadata::diagnosticsOnlyForFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected"); // empty: nothing written
    QTest::newRow("PNG") << "photo.png" << EncodePng(16, 12) << QString();
    QTest::newRow("text") << "notes.jpg" << QByteArray("not a photo at all") << QString();
    QTest::newRow("empty") << "empty.jpg" << QByteArray() << QString();
    QTest::newRow("JPEG") << "photo.jpg" << EncodeJpeg(16, 12) << QString();
    QTest::newRow("JPEG cut in its header") << "cut.jpg" << EncodeJpeg(16, 12).left(20) << "Not JPEG: ";
    QTest::newRow("missing") << "" << QByteArray() << "can't open";
}

// A file that is simply not a JPEG (every PNG or TIFF in a list) writes
// nothing; a JPEG that fails and a file that cannot be opened are told.
void TestMetadata::diagnosticsOnlyForFailures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QString folder = TestEnv::NewFolder("diagnostics");
    QString path = folder + "/missing.jpg";
    if (!name.isEmpty()) {
        path = folder + "/" + name;
        QVERIFY(WriteFile(path, bytes));
    }
    StderrCapture capture;
    CMetadata metadata;
    metadata.Read(path);
    const QString written = capture.Text();
    QCOMPARE(metadata.GetThumbnailSize(), 0);
    if (expected.isEmpty())
        QVERIFY2(written.isEmpty(), qPrintable(written));
    else
        QVERIFY2(written.contains(expected), qPrintable(written));
}

GB_TEST_MAIN(TestMetadata)
// The thumbnail list reads every photo it shows: a FIFO named like one
// would keep it waiting for a writer.
void TestMetadata::fifoIsNotOpened()
{
    const QString fifo = TestEnv::NewFolder("fifo") + "/pipe.jpg";
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    auto read = std::async(std::launch::async, [fifo] {
        CMetadata metadata;
        metadata.Read(fifo);
        return metadata.GetThumbnailSize();
    });
    if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // A writer that closes at once ends the wait.
        const int writer = ::open(QFile::encodeName(fifo).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
        read.wait();
        QFAIL("the FIFO was opened");
    }
    QCOMPARE(read.get(), 0);
}

#include "tst_metadata.moc"
