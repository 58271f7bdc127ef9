// Greyscale photos and greyscale frame masks through filters that add
// colour: read, filtered and written by the image engine, their greys keep
// their values and the outputs stay standard sRGB (or grey).
#include "CFormatsEnum.h"
#include "CImageManager.h"
#include "CUserProfile.h"
#include "FilterTestKit.h"
#include "TestEnv.h"

#include <QDir>

using namespace FilterTestKit;

namespace {
constexpr int kWidth = 64;
constexpr int kHeight = 48;
// Mask columns of 16 pixels: the photo is kept whole, by 255 - grey, or
// not at all.
const QList<int> kMaskGreys = {0, 40, 128, 200};

double QRgbParam(int r, int g, int b)
{
    return double(0xff000000u | (quint32(r) << 16) | (quint32(g) << 8) | quint32(b));
}

// Grey levels of every pixel (red channel of the 8-bit RGBA bytes).
std::vector<int> Greys(const Magick::Image& image)
{
    const std::vector<unsigned char> rgba = Rgba8(image);
    std::vector<int> greys;
    for (size_t i = 0; i < rgba.size(); i += 4)
        greys.push_back(rgba[i]);
    return greys;
}
} // namespace

class TestGreyscale : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        CFormatsEnum::GetInstance()->GenerateList();
        m_originalResources = qgetenv("GLIMMERBOX_RESOURCES");
        m_folder = TestEnv::NewFolder("greyscale");
        // A one-channel photo: flat grey 111 on the left half, a ramp on the right.
        const QString source = m_folder + "/source.png";
        QVERIFY(RunConvert({"-size", "32x48", "xc:rgb(111,111,111)", "(", "-size", "48x32", "gradient:black-white",
                            "-rotate", "90", ")", "+append", "-colorspace", "Gray", "-depth", "8", source}));
        QVERIFY(RunConvert({source, "-type", "Grayscale", "-quality", "95", m_folder + "/grey.jpg"}));
        QVERIFY(RunConvert({source, "-type", "Grayscale", "-define", "png:color-type=0", m_folder + "/grey.png"}));
        for (const QString& name : {QString("grey.jpg"), QString("grey.png")})
            QCOMPARE(Load(m_folder + "/" + name).colorSpace(), MagickCore::GRAYColorspace);

        // The shaped frame's mask, a greyscale JPEG like the shipped ones at
        // twice the photo's size; flat blocks aligned to the coder's cells
        // keep their greys.
        QDir().mkpath(m_folder + "/Resources/Frames");
        QStringList arguments{"-size", "32x96"};
        for (int grey : kMaskGreys)
            arguments << QString("xc:rgb(%1,%1,%1)").arg(grey);
        arguments << "+append" << "-colorspace" << "Gray" << "-type" << "Grayscale" << "-quality" << "100"
                  << m_folder + "/Resources/Frames/ShapeFrame1.jpg";
        QVERIFY(RunConvert(arguments));
        QCOMPARE(Load(m_folder + "/Resources/Frames/ShapeFrame1.jpg").colorSpace(), MagickCore::GRAYColorspace);
    }

    void cleanupTestCase() { qputenv("GLIMMERBOX_RESOURCES", m_originalResources); }

    void colourFiltersKeepTheGreys_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("output");
        for (const QString& photo : {QString("grey.jpg"), QString("grey.png")}) {
            QTest::addRow("%s, border", qPrintable(photo)) << photo << 2030 << "png";
            QTest::addRow("%s, shaped frame", qPrintable(photo)) << photo << 2001 << "png";
            QTest::addRow("%s, border, as JPEG", qPrintable(photo)) << photo << 2030 << "jpg";
        }
    }

    // A red border 4 pixels wide around the photo, or a shaped frame with a
    // transparent background.
    void colourFiltersKeepTheGreys()
    {
        QFETCH(QString, photo);
        QFETCH(int, filter);
        QFETCH(QString, output);
        qputenv("GLIMMERBOX_RESOURCES", (m_folder + "/Resources").toLocal8Bit());
        const QString written = m_folder + QString("/out-%1-%2.%3").arg(QFileInfo(photo).baseName()).arg(filter).arg(output);
        const SFilterRecord record = filter == 2030 ? Record(2030, {4, 0, 0, 0, 0, QRgbParam(255, 0, 0), 1})
                                                    : Record(2001, {0, QRgbParam(255, 0, 0), 0, 1, 0});
        const int border = filter == 2030 ? 4 : 0;

        const std::vector<int> before = Greys(Load(m_folder + "/" + photo));
        CImageManager manager;
        QVERIFY(manager.Read(m_folder + "/" + photo));
        QVERIFY(manager.ApplyFilter(record));
        QVERIFY(manager.Write(written));

        const Magick::Image result = Load(written);
        QCOMPARE(int(result.columns()), kWidth + 2 * border);
        QCOMPARE(int(result.rows()), kHeight + 2 * border);
        // Standard sRGB or grey, never linear: a PNG carries no gAMA of 1.0.
        QVERIFY2(result.colorSpace() == MagickCore::sRGBColorspace || result.colorSpace() == MagickCore::GRAYColorspace,
                 qPrintable(QString("colour space %1").arg(int(result.colorSpace()))));
        QVERIFY2(qAbs(result.gamma() - 1.0 / 2.2) < 0.01, qPrintable(QString("gamma %1").arg(result.gamma())));

        // Pixels of the photo: their grey (within a level; the JPEG output
        // away from the red edge, within the coder's loss of a few levels on
        // the ramp), and under the
        // frame the alpha that the mask's grey says.
        const std::vector<unsigned char> rgba = Rgba8(result);
        const bool jpeg = output == "jpg";
        const int margin = jpeg ? 8 : 0;
        int worst = 0;
        for (int y = margin; y < kHeight - margin; ++y) {
            for (int x = margin; x < kWidth - margin; ++x) {
                const size_t at = (size_t(y + border) * result.columns() + size_t(x + border)) * 4;
                if (filter == 2001) {
                    if (x % 16 == 0 || x % 16 == 15)
                        continue; // where the sized mask blends two blocks
                    const int maskGrey = kMaskGreys[x / 16];
                    QVERIFY2(qAbs(int(rgba[at + 3]) - (255 - maskGrey)) <= 1,
                             qPrintable(QString("alpha %1 under mask grey %2").arg(rgba[at + 3]).arg(maskGrey)));
                    if (rgba[at + 3] == 0)
                        continue;
                }
                for (int c = 0; c < 3; ++c)
                    worst = std::max(worst, qAbs(int(rgba[at + size_t(c)]) - before[size_t(y) * kWidth + size_t(x)]));
            }
        }
        QVERIFY2(worst <= (jpeg ? 8 : 1), qPrintable(QString("greys off by %1 levels").arg(worst)));
        if (filter == 2030 && !jpeg) // the border is the red asked for
            QVERIFY(rgba[0] >= 250 && rgba[1] <= 5 && rgba[2] <= 5);
    }

    // Grey pixels in a photo that carries an RGB colour profile (a
    // black-and-white photo kept as RGB, or a CMYK photo given sRGB on
    // reading and covered by a grey mask): the PNG coder writes a grey PNG
    // and drops the profile with a warning, which is no failure.
    void greyPixelsWithAnRgbProfileAreWritten()
    {
        const QString resources = QString::fromLocal8Bit(m_originalResources);
        const QString photo = m_folder + "/profiled.jpg";
        QVERIFY(RunConvert({m_folder + "/grey.png", "-type", "TrueColor", "-profile", resources + "/sRGB.icm", photo}));
        CImageManager manager;
        QVERIFY(manager.Read(photo));
        const QString written = m_folder + "/profiled.png";
        QVERIFY(manager.Write(written));
        const Magick::Image result = Load(written);
        QCOMPARE(int(result.columns()), kWidth);
        QCOMPARE(int(result.rows()), kHeight);
    }

private:
    QString m_folder;
    QByteArray m_originalResources;
};

GB_TEST_MAIN(TestGreyscale)
#include "tst_greyscale.moc"
