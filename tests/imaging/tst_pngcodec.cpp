#include "CFormatsEnum.h"
#include "CImageManager.h"
#include "CPngChunkTally.h"
#include "CPngCodec.h"
#include "CUserProfile.h"
#include "ImagingTestKit.h"
#include "MagickCompat.h"
#include "PngChunks.h"
#include "TestEnv.h"

#include <QDirIterator>
#include <QFile>
#include <QtEndian>

#include <thread>
#include <vector>

using namespace ImagingTestKit;

// The PNG codec against ImageMagick's own PNG coder, over the project's own
// PNGs and generated files of every colour type and bit depth: the same
// pixels and properties when reading, the same colour type, depth, colour
// chunks and metadata (and nearly the same size) when writing.
class TestPngCodec : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void readsAsImageMagickDoes_data();
    void readsAsImageMagickDoes();
    void writesAsImageMagickDoes_data();
    void writesAsImageMagickDoes();
    void compressionFollowsQuality();
    void densityBeyondTheChunkIsLeftOut_data();
    void densityBeyondTheChunkIsLeftOut();
    void damagedFileReadsAsFarAsItGoes_data();
    void damagedFileReadsAsFarAsItGoes();
    void damagedChunkIsLeftOut_data();
    void damagedChunkIsLeftOut();
    void chunkTallyTakesAnyPieces();
    void managerReadsAndWritesPngFromThreads();
    void autoRotatedPngIsNotTurnedAgain_data();
    void autoRotatedPngIsNotTurnedAgain();

private:
    void AddCorpusRows(bool withPhotos);
    QString m_folder;
    QStringList m_generated;
};

namespace {

struct Chunk
{
    QByteArray type;
    QByteArray data;
};

QList<Chunk> Chunks(const QByteArray& png)
{
    QList<Chunk> chunks;
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        const quint32 length = qFromBigEndian<quint32>(png.constData() + at);
        if (at + 12 + qsizetype(length) > png.size())
            break;
        chunks.append({png.mid(at + 4, 4), png.mid(at + 8, length)});
        at += 12 + length;
    }
    return chunks;
}

QByteArray ChunkData(const QList<Chunk>& chunks, const char* type)
{
    for (const Chunk& chunk : chunks) {
        if (chunk.type == type)
            return chunk.data;
    }
    return QByteArray();
}

bool HasChunk(const QList<Chunk>& chunks, const char* type)
{
    for (const Chunk& chunk : chunks) {
        if (chunk.type == type)
            return true;
    }
    return false;
}

// "colour type/bit depth/interlace" of the header.
QString HeaderText(const QList<Chunk>& chunks)
{
    const QByteArray ihdr = ChunkData(chunks, "IHDR");
    if (ihdr.size() < 13)
        return "no header";
    return QString("%1/%2/%3").arg(int(uchar(ihdr[9]))).arg(int(uchar(ihdr[8]))).arg(int(uchar(ihdr[12])));
}

// The keywords of the text chunks that hold a text.
QStringList TextKeys(const QList<Chunk>& chunks)
{
    QStringList keys;
    for (const Chunk& chunk : chunks) {
        const qsizetype end = chunk.data.indexOf('\0');
        if ((chunk.type == "tEXt" || chunk.type == "zTXt" || chunk.type == "iTXt") && end + 1 < chunk.data.size())
            keys.append(QString::fromLatin1(chunk.data.left(end)));
    }
    keys.sort();
    return keys;
}

// The pixels at 16 bits per sample; a wholly transparent pixel counts as
// transparent black, whatever colour it keeps.
QByteArray Pixels16(Magick::Image image)
{
    QByteArray pixels(qsizetype(image.columns() * image.rows() * 8), '\0');
    image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::ShortPixel, pixels.data());
    auto* samples = reinterpret_cast<quint16*>(pixels.data());
    for (qsizetype i = 0; i < pixels.size() / 2; i += 4) {
        if (samples[i + 3] == 0)
            samples[i] = samples[i + 1] = samples[i + 2] = 0;
    }
    return pixels;
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Blob(const Magick::Blob& blob)
{
    return QByteArray(static_cast<const char*>(blob.data()), qsizetype(blob.length()));
}

bool Grey(const Magick::Image& image)
{
    return MagickCompat::IsGreyColorspace(image);
}

// Properties that come from the file itself, not from the reader's own
// notes about it.
QMap<QString, QString> FileProperties(const Magick::Image& image)
{
    QMap<QString, QString> map;
    for (const auto& [name, value] : MagickCompat::Properties(image)) {
        const QString key = QString::fromStdString(name);
        if (key.startsWith("png:") || key.startsWith("date:") || key == "signature")
            continue;
        map.insert(key, QString::fromStdString(value));
    }
    return map;
}

// The bytes of a string literal, inner zero bytes included.
template<size_t N>
QByteArray Literal(const char (&text)[N])
{
    return QByteArray(text, qsizetype(N - 1));
}

// A photo-like picture: gradients and a pattern, so rows differ.
QImage Picture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.setPixel(x, y, qRgb((x * 255) / width, (y * 255) / height, ((x ^ y) * 7) & 255));
    return picture;
}

} // namespace

void TestPngCodec::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
    m_folder = TestEnv::NewFolder("png");
    const QString base = m_folder + "/base.png";
    QVERIFY(Picture(48, 36).save(base));
    const QString resources = QString::fromLocal8Bit(qgetenv("GLIMMERBOX_RESOURCES"));
    // name, convert arguments after the input picture
    const QList<QPair<QString, QStringList>> made = {
        {"grey1", {"-colorspace", "gray", "-threshold", "50%", "-define", "png:bit-depth=1", "-define", "png:color-type=0"}},
        {"grey2", {"-colorspace", "gray", "-posterize", "4", "-define", "png:bit-depth=2", "-define", "png:color-type=0"}},
        {"grey4", {"-colorspace", "gray", "-posterize", "16", "-define", "png:bit-depth=4", "-define", "png:color-type=0"}},
        {"grey8", {"-colorspace", "gray", "-define", "png:color-type=0"}},
        {"grey16", {"-colorspace", "gray", "-depth", "16", "-define", "png:color-type=0"}},
        {"greyalpha8", {"-colorspace", "gray", "-alpha", "set", "-channel", "A", "-fx", "i/w", "+channel", "-define", "png:color-type=4"}},
        {"greyalpha16", {"-colorspace", "gray", "-depth", "16", "-alpha", "set", "-channel", "A", "-fx", "j/h", "+channel", "-define", "png:color-type=4"}},
        {"rgb8", {"-define", "png:color-type=2"}},
        {"rgb16", {"-depth", "16", "-define", "png:color-type=2"}},
        {"rgba8", {"-alpha", "set", "-channel", "A", "-fx", "i/w", "+channel", "-define", "png:color-type=6"}},
        {"rgba16", {"-depth", "16", "-alpha", "set", "-channel", "A", "-fx", "j/h", "+channel", "-define", "png:color-type=6"}},
        {"palette4", {"-colors", "12", "-define", "png:color-type=3"}},
        {"palette8trns", {"-colors", "200", "-alpha", "set", "-channel", "A", "-fx", "i<10?0:1", "+channel", "-define", "png:color-type=3"}},
        {"interlaced", {"-interlace", "PNG"}},
        {"interlacedgrey", {"-colorspace", "gray", "-interlace", "PNG", "-define", "png:color-type=0"}},
        {"icc", {"-profile", resources + "/sRGB.icm"}},
        {"gamma", {"-set", "gamma", "0.8"}},
        {"linear", {"-set", "gamma", "1.0", "-define", "png:exclude-chunk=cHRM"}},
        {"text", {"-set", "comment", "A comment", "-set", "Title", "Harbour at dusk"}},
        {"resolution", {"-units", "PixelsPerInch", "-density", "300"}},
    };
    for (const auto& [name, arguments] : made) {
        const QString path = m_folder + "/" + name + ".png";
        QVERIFY2(RunTool("convert", QStringList{base} + arguments + QStringList{path}), qPrintable(name));
        m_generated.append(path);
    }
    // The sRGB chunk, and EXIF in an eXIf chunk (with an orientation).
    const QString srgb = m_folder + "/srgb.png";
    QVERIFY(RunTool("convert", {base, "-intent", "Perceptual", "-set", "png:sRGB", "0", srgb}));
    m_generated.append(srgb);
    const QString exif = m_folder + "/exif.png";
    QVERIFY(QFile::copy(base, exif));
    bool ok = false;
    Exiftool({"-q", "-overwrite_original", "-Orientation=6", "-n", "-Artist=Ann Example", exif}, &ok);
    QVERIFY(ok);
    m_generated.append(exif);
}

void TestPngCodec::AddCorpusRows(bool withPhotos)
{
    QTest::addColumn<QString>("path");
    QStringList files;
    QDirIterator it(QString(GB_TEST_SOURCE_DIR) + "/resources", {"*.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(it.next());
    files.sort();
    files += m_generated;
    // Photos with EXIF, XMP, IPTC and colour profiles, as they are written
    // to PNG in a run.
    const QString shared = TestEnv::SharedPhotos();
    if (withPhotos && !shared.isEmpty()) {
        for (const char* photo : {"jpg/xmp/BlueSquare.jpg", "jpg/gps/DSCN0010.jpg", "jpg/mobile/jolla.jpg"}) {
            if (QFile::exists(shared + "/" + photo))
                files.append(shared + "/" + photo);
        }
    }
    for (const QString& file : files)
        QTest::newRow(qPrintable(QFileInfo(file).fileName())) << file;
}

void TestPngCodec::readsAsImageMagickDoes_data()
{
    AddCorpusRows(false);
}

void TestPngCodec::readsAsImageMagickDoes()
{
    QFETCH(QString, path);
    Magick::Image theirs;
    theirs.read(path.toStdString());
    Magick::Image ours;
    const CPngCodec::ReadResult result = CPngCodec::ReadFile(path, ours);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(result.damage.isEmpty());

    QCOMPARE(ours.columns(), theirs.columns());
    QCOMPARE(ours.rows(), theirs.rows());
    QCOMPARE(MagickCompat::HasAlpha(ours), MagickCompat::HasAlpha(theirs));
    QCOMPARE(Grey(ours), Grey(theirs));
    QCOMPARE(ours.colorSpace(), theirs.colorSpace());
    QCOMPARE(ours.depth(), theirs.depth());
    QVERIFY(Pixels16(ours) == Pixels16(theirs));
    QCOMPARE(ours.gamma(), theirs.gamma());
    QCOMPARE(ours.renderingIntent(), theirs.renderingIntent());
    QVERIFY(Blob(ours.profile("icc")) == Blob(theirs.profile("icc")));
    QCOMPARE(MagickCompat::XResolution(ours), MagickCompat::XResolution(theirs));
    QCOMPARE(ours.resolutionUnits(), theirs.resolutionUnits());
    if (HasChunk(Chunks(ReadBytes(path)), "eXIf")) {
        // ImageMagick's reader leaves the eXIf chunk out; this one reads it.
        QCOMPARE(theirs.profile("exif").length(), size_t(0));
        QVERIFY(ours.profile("exif").length() > 0);
        QCOMPARE(int(ours.orientation()), 6);
        QCOMPARE(ours.attribute("exif:Artist"), std::string("Ann Example"));
        return;
    }
    QVERIFY(Blob(ours.profile("exif")) == Blob(theirs.profile("exif")));
    QCOMPARE(ours.orientation(), theirs.orientation());
    QCOMPARE(std::string(ours.magick()), std::string("PNG"));
    const QMap<QString, QString> ourProperties = FileProperties(ours);
    const QMap<QString, QString> theirProperties = FileProperties(theirs);
    for (auto it = theirProperties.cbegin(); it != theirProperties.cend(); ++it)
        QCOMPARE(ourProperties.value(it.key(), "(missing)"), it.value());
}

void TestPngCodec::writesAsImageMagickDoes_data()
{
    AddCorpusRows(true);
}

// Both coders write the same image as the program writes a photo: depth 8
// and best compression.
void TestPngCodec::writesAsImageMagickDoes()
{
    QFETCH(QString, path);
    Magick::Image image;
    image.read(path.toStdString());
    const size_t sourceDepth = image.depth();
    image.depth(8);
    image.quality(100);
    image.attribute("comment", "written by a test");

    Magick::Image forThem = image;
    forThem.magick("PNG");
    Magick::Blob blob;
    try {
        forThem.write(&blob);
    } catch (const Magick::Warning&) {
    }
    const QByteArray theirs = Blob(blob);
    QByteArray ours;
    QString error;
    QVERIFY2(CPngCodec::Encode(image, ours, &error), qPrintable(error));

    const QList<Chunk> theirChunks = Chunks(theirs);
    const QList<Chunk> ourChunks = Chunks(ours);
    QCOMPARE(HeaderText(ourChunks), HeaderText(theirChunks));
    for (const char* type : {"iCCP", "sRGB", "gAMA", "cHRM", "pHYs", "eXIf", "tRNS"}) {
        QVERIFY2(HasChunk(ourChunks, type) == HasChunk(theirChunks, type), type);
        // (The profile is compressed in its chunk, and the transparency
        // follows the palette's order.)
        if (qstrcmp(type, "cHRM") != 0 && qstrcmp(type, "tRNS") != 0 && qstrcmp(type, "iCCP") != 0)
            QVERIFY2(ChunkData(ourChunks, type) == ChunkData(theirChunks, type), type);
    }
    QStringList theirKeys = TextKeys(theirChunks);
    // ImageMagick's coder drops the XMP packet where it writes an sRGB
    // profile as the sRGB chunk; this codec keeps it.
    qsizetype keptXmp = 0;
    if (HasChunk(theirChunks, "sRGB") && image.profile("xmp").length() > 0) {
        theirKeys.append("Raw profile type xmp");
        theirKeys.sort();
        for (const Chunk& chunk : ourChunks) {
            if (chunk.data.startsWith("Raw profile type xmp"))
                keptXmp = chunk.data.size() + 12;
        }
    }
    QCOMPARE(TextKeys(ourChunks), theirKeys);
    // Never more than 5 % larger (smaller where the profile or the palette
    // packs tighter).
    const double sizeRatio = double(ours.size() - keptXmp) / double(theirs.size());
    QVERIFY2(sizeRatio > 0.85 && sizeRatio < 1.05,
             qPrintable(QString("%1 bytes against %2").arg(ours.size()).arg(theirs.size())));

    // Read back, both give the same pixels.
    Magick::Image ourBack;
    try {
        ourBack.read(Magick::Blob(ours.constData(), size_t(ours.size())));
    } catch (const Magick::Warning& warning) {
        QFAIL(warning.what());
    }
    Magick::Image theirBack;
    try {
        theirBack.read(blob);
    } catch (const Magick::Warning&) {
    }
    // Samples of more than 8 bits may round to the next level either way.
    const QByteArray ourPixels = Pixels16(ourBack);
    const QByteArray theirPixels = Pixels16(theirBack);
    QCOMPARE(ourPixels.size(), theirPixels.size());
    const int tolerance = sourceDepth > 8 ? 257 : 0;
    const auto* a = reinterpret_cast<const quint16*>(ourPixels.constData());
    const auto* b = reinterpret_cast<const quint16*>(theirPixels.constData());
    for (qsizetype i = 0; i < ourPixels.size() / 2; ++i)
        QVERIFY2(std::abs(int(a[i]) - int(b[i])) <= tolerance, qPrintable(QString("sample %1").arg(i)));
    QCOMPARE(ourBack.gamma(), theirBack.gamma());
    QVERIFY(Blob(ourBack.profile("icc")) == Blob(theirBack.profile("icc")));
    QCOMPARE(ourBack.attribute("comment"), std::string("written by a test"));
}

// The quality picks the zlib settings as ImageMagick's coder does: best
// compression (100) and none asked for (0, taken as 75) land near its sizes.
void TestPngCodec::compressionFollowsQuality()
{
    Magick::Image image;
    image.read(m_generated.at(m_generated.indexOf(m_folder + "/rgb8.png")).toStdString());
    image.depth(8);
    for (size_t quality : {size_t(0), size_t(1), size_t(42), size_t(88), size_t(100)}) {
        image.quality(quality);
        Magick::Image forThem = image;
        forThem.magick("PNG");
        Magick::Blob blob;
        forThem.write(&blob);
        QByteArray ours;
        QVERIFY(CPngCodec::Encode(image, ours));
        const double ratio = double(ours.size()) / double(blob.length());
        QVERIFY2(ratio > 0.95 && ratio < 1.05,
                 qPrintable(QString("quality %1: %2 against %3").arg(quality).arg(ours.size()).arg(blob.length())));
    }
}

// The pHYs chunk holds pixels per metre (or per unit) up to 2^31 - 1; a
// density beyond that (a resize record may set any) leaves the chunk out
// rather than writing a number cut to 32 bits.
void TestPngCodec::densityBeyondTheChunkIsLeftOut_data()
{
    QTest::addColumn<int>("units");
    QTest::addColumn<double>("density");
    QTest::addColumn<QByteArray>("phys"); // the chunk's data, empty for none
    const auto chunk = [](quint32 perUnit, char unit) {
        QByteArray data(9, '\0');
        qToBigEndian(perUnit, data.data());
        qToBigEndian(perUnit, data.data() + 4);
        data[8] = unit;
        return data;
    };
    QTest::newRow("300 dpi") << int(Magick::PixelsPerInchResolution) << 300.0 << chunk(11811, 1);
    QTest::newRow("largest the chunk holds, dpi")
        << int(Magick::PixelsPerInchResolution) << 54545454.0 << chunk(2147458819, 1);
    QTest::newRow("int max dpi") << int(Magick::PixelsPerInchResolution) << 2147483647.0 << QByteArray();
    QTest::newRow("per centimetre, beyond")
        << int(Magick::PixelsPerCentimeterResolution) << 3e7 << QByteArray();
    QTest::newRow("no unit, beyond 32 bits") << int(Magick::UndefinedResolution) << 5e9 << QByteArray();
}

void TestPngCodec::densityBeyondTheChunkIsLeftOut()
{
    QFETCH(int, units);
    QFETCH(double, density);
    QFETCH(QByteArray, phys);
    Magick::Image image(Magick::Geometry(8, 6), MagickCompat::ColorRgba8(10, 20, 30));
    image.depth(8);
    image.resolutionUnits(Magick::ResolutionType(units));
    MagickCompat::SetResolution(image, density, density);
    QByteArray ours;
    QVERIFY(CPngCodec::Encode(image, ours));
    QCOMPARE(ChunkData(Chunks(ours), "pHYs"), phys);
}

void TestPngCodec::damagedFileReadsAsFarAsItGoes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("cut");   // bytes cut off the end, or 0
    QTest::addColumn<int>("flip");  // byte offset from the end to flip, or 0
    QTest::newRow("cut short") << "rgb8" << 3000 << 0;
    QTest::newRow("cut short, interlaced") << "interlaced" << 3000 << 0;
    QTest::newRow("bad image data") << "rgb8" << 0 << 2000;
}

// Read as a damaged JPEG is: the rows before the damage, a warning, and the
// manager reports the damage to the run.
void TestPngCodec::damagedFileReadsAsFarAsItGoes()
{
    QFETCH(QString, name);
    QFETCH(int, cut);
    QFETCH(int, flip);
    const QString source = m_folder + "/large-" + name + ".png";
    const QStringList interlace = name == "interlaced" ? QStringList{"-interlace", "PNG"} : QStringList{};
    QVERIFY(Picture(400, 300).save(m_folder + "/large.png"));
    QVERIFY(RunTool("convert", QStringList{m_folder + "/large.png", "+noise", "Gaussian"} + interlace + QStringList{source}));
    QByteArray bytes = ReadBytes(source);
    QVERIFY(bytes.size() > cut + flip + 1000);
    if (cut > 0)
        bytes.chop(cut);
    if (flip > 0)
        bytes[bytes.size() - flip] = char(bytes[bytes.size() - flip] ^ 0x5a);
    const QString damaged = m_folder + "/damaged-" + QString(QTest::currentDataTag()).replace(' ', '-') + ".png";
    QFile out(damaged);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    CImageManager manager;
    QVERIFY(manager.Read(damaged));
    QVERIFY(!manager.readDamage.isEmpty());
    QCOMPARE(int(manager.image.columns()), 400);
    QCOMPARE(int(manager.image.rows()), 300);
    if (name != "interlaced") {
        // The first rows are there as stored.
        Magick::Image whole;
        whole.read(source.toStdString());
        Magick::Image top = manager.image;
        top.crop(Magick::Geometry(400, 50, 0, 0));
        whole.crop(Magick::Geometry(400, 50, 0, 0));
        QVERIFY(Pixels16(top) == Pixels16(whole));
    }
}

void TestPngCodec::damagedChunkIsLeftOut_data()
{
    using PngChunks::Chunk;
    using PngChunks::Deflated;
    QTest::addColumn<QByteArray>("before"); // chunks put in front of the image data
    QTest::addColumn<QByteArray>("after");  // chunks put after it
    QTest::addColumn<QString>("dropped");
    const QByteArray srgb = ReadBytes(QString::fromLocal8Bit(qgetenv("GLIMMERBOX_RESOURCES")) + "/sRGB.icm");
    QVERIFY(srgb.size() > 128);
    const QByteArray shortProfile = Chunk("iCCP", Literal("icc\0\0") + Deflated("tiny"));
    const QByteArray badKeyword = Chunk("tEXt", Literal(" Title\0Harbour"));
    QTest::newRow("whole profile and text")
        << Chunk("iCCP", Literal("icc\0\0") + Deflated(srgb)) + Chunk("tEXt", Literal("Title\0Harbour"))
        << QByteArray() << QString();
    QTest::newRow("profile too short to be one") << shortProfile << QByteArray() << "ICC profile";
    QTest::newRow("profile that does not inflate")
        << Chunk("iCCP", Literal("icc\0\0\x78\x9c not zlib")) << QByteArray() << "ICC profile";
    QTest::newRow("profile with a wrong checksum")
        << Chunk("iCCP", Literal("icc\0\0") + Deflated(srgb), true) << QByteArray() << "ICC profile";
    QTest::newRow("profile in a raw profile text, too short")
        << Chunk("tEXt", Literal("Raw profile type icc\0\nicc\n       4\n74696e79\n")) << QByteArray()
        << "ICC profile";
    QTest::newRow("EXIF without a byte order") << Chunk("eXIf", "no TIFF header") << QByteArray() << "EXIF";
    QTest::newRow("text with a bad keyword") << badKeyword << QByteArray() << "text";
    QTest::newRow("compressed text after the image data that does not inflate")
        << QByteArray() << Chunk("zTXt", Literal("Comment\0\0\x78\x9c not zlib")) << "text";
    QTest::newRow("gamma of zero") << Chunk("gAMA", QByteArray(4, '\0')) << QByteArray() << "gamma";
    QTest::newRow("profile and text") << shortProfile + badKeyword << QByteArray() << "ICC profile, text";
}

// A damaged chunk beside the pixels never costs the photo: it is read
// without the chunk, whole, and the chunk is named. Read from a file (a
// photo of the run, a preview) or from memory (a thumbnail) alike, and
// written, it gives a file that reads back whole.
void TestPngCodec::damagedChunkIsLeftOut()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QString, dropped);
    const QString base = m_folder + "/chunks-base.png";
    QVERIFY(Picture(64, 48).save(base));
    const QByteArray bytes = PngChunks::Insert(ReadBytes(base), before, after);
    const QString path = m_folder + "/chunks-" + QString(QTest::currentDataTag()).replace(' ', '-') + ".png";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    CImageManager manager;
    QVERIFY(manager.Read(path));
    QVERIFY(manager.readDamage.isEmpty());
    QCOMPARE(manager.readDropped, dropped);
    QCOMPARE(MagickCompat::StoredProfile(manager.image, "icc").length() > 0,
             before.contains("iCCP") && !dropped.contains("ICC profile"));
    Magick::Image whole;
    whole.read(base.toStdString());
    QVERIFY(Pixels16(manager.image) == Pixels16(whole));

    Magick::Image fromMemory;
    const CPngCodec::ReadResult result = CPngCodec::Decode(bytes.constData(), size_t(bytes.size()), fromMemory);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.dropped, dropped);

    const QString written = path + ".out.png";
    QVERIFY(manager.Write(written));
    CImageManager again;
    QVERIFY(again.Read(written));
    QVERIFY(again.readDropped.isEmpty());
    QVERIFY(Pixels16(again.image) == Pixels16(whole));
}

// The chunks are counted however the bytes are cut into pieces, a header
// split among them too.
void TestPngCodec::chunkTallyTakesAnyPieces()
{
    const QString base = m_folder + "/tally.png";
    QVERIFY(Picture(64, 48).save(base));
    const QByteArray text = PngChunks::Chunk("tEXt", Literal("Title\0Harbour"));
    const QByteArray png = PngChunks::Insert(ReadBytes(base), text + text, PngChunks::Chunk("zTXt", "x"));
    int dataChunks = 0;
    for (const Chunk& chunk : Chunks(png))
        dataChunks += chunk.type == "IDAT" ? 1 : 0;
    for (const int piece : {1, 3, 8, 13, 4096}) {
        CPngChunkTally tally;
        for (qsizetype at = 0; at < png.size(); at += piece)
            tally.Feed(png.constData() + at, size_t(std::min<qsizetype>(piece, png.size() - at)));
        QCOMPARE(tally.Count("IHDR"), 1);
        QCOMPARE(tally.Count("tEXt"), 2);
        QCOMPARE(tally.Count("IDAT"), dataChunks);
        QCOMPARE(tally.Count("zTXt"), 1);
        QCOMPARE(tally.Count("IEND"), 1);
        QCOMPARE(tally.Count("iCCP"), 0);
    }
}

// Several managers on their own threads read and write PNGs at once, each
// getting its own photo back.
void TestPngCodec::managerReadsAndWritesPngFromThreads()
{
    constexpr int kThreads = 6;
    std::vector<QString> sources;
    for (int i = 0; i < kThreads; ++i) {
        QImage picture = Picture(160 + i * 8, 120);
        const QString path = m_folder + QString("/thread%1.png").arg(i);
        QVERIFY(picture.save(path));
        sources.push_back(path);
    }
    std::vector<int> results(kThreads, 0);
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, i] {
            CImageManager manager;
            for (int round = 0; round < 5; ++round) {
                if (!manager.Read(sources[size_t(i)]))
                    return;
                const QString out = sources[size_t(i)] + QString(".%1.png").arg(round);
                if (!manager.Write(out) || !manager.Read(out) || int(manager.image.columns()) != 160 + i * 8)
                    return;
            }
            results[size_t(i)] = 1;
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (int i = 0; i < kThreads; ++i)
        QCOMPARE(results[size_t(i)], 1);
}

void TestPngCodec::autoRotatedPngIsNotTurnedAgain_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QString>("format");
    for (const char* format : {"png", "jpg"}) {
        for (int orientation : {3, 6, 7, 8})
            QTest::newRow(qPrintable(QString("%1 %2").arg(format).arg(orientation))) << orientation << format;
    }
}

// A photo turned upright by Auto Rotate and written as PNG (or JPEG) carries
// no turn: read back and auto-rotated again, it stays as it is. No record of
// the file (EXIF, XMP, PNG text chunks) holds the old orientation.
void TestPngCodec::autoRotatedPngIsNotTurnedAgain()
{
    QFETCH(int, orientation);
    QFETCH(QString, format);
    const QString photo = m_folder + QString("/turned%1.jpg").arg(orientation);
    QVERIFY(Picture(60, 40).save(photo, "JPG", 95));
    bool ok = false;
    Exiftool({"-q", "-overwrite_original", QString("-EXIF:Orientation=%1").arg(orientation),
              QString("-XMP-tiff:Orientation=%1").arg(orientation), "-n", photo},
             &ok);
    QVERIFY(ok);

    SFilterRecord autoRotate;
    autoRotate.filterId = 5000;
    CImageManager manager;
    QVERIFY(manager.Read(photo));
    QCOMPARE(int(manager.image.orientation()), orientation);
    QVERIFY(manager.ApplyFilter(autoRotate));
    const QString written = m_folder + QString("/turned%1-out.%2").arg(orientation).arg(format);
    QVERIFY(manager.Write(written));
    const QSize upright(int(manager.image.columns()), int(manager.image.rows()));
    const QByteArray uprightPixels = Pixels16(manager.image);

    // Every orientation record says 1 or is gone.
    const QString tags = Exiftool({"-a", "-G1", "-s", "-n", "-Orientation", "-PNG:all", written});
    for (const QString& line : tags.split('\n', Qt::SkipEmptyParts)) {
        if (line.contains("Orientation", Qt::CaseInsensitive))
            QVERIFY2(line.trimmed().endsWith(": 1"), qPrintable(line));
    }
    // The records are kept, not dropped.
    QVERIFY2(tags.contains("[IFD0]") && tags.contains("[XMP-tiff]"), qPrintable(tags));
    Magick::Image direct;
    try {
        direct.read(written.toStdString());
    } catch (const Magick::Warning& warning) {
        QFAIL(warning.what());
    }
    QVERIFY2(direct.orientation() == Magick::TopLeftOrientation || direct.orientation() == Magick::UndefinedOrientation,
             qPrintable(QString::number(int(direct.orientation()))));

    CImageManager again;
    QVERIFY(again.Read(written));
    const QByteArray asRead = Pixels16(again.image);
    QVERIFY(again.ApplyFilter(autoRotate));
    QCOMPARE(QSize(int(again.image.columns()), int(again.image.rows())), upright);
    QVERIFY(Pixels16(again.image) == asRead);
    if (format == "png")
        QVERIFY(asRead == uprightPixels);
}

GB_TEST_MAIN(TestPngCodec)
#include "tst_pngcodec.moc"
