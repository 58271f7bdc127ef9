// Records made by the settings pages of the marks, saved in a script and run
// without a window over a real photo, and saved in a profile and loaded back.
#include "AppTestKit.h"
#include "CFilterCustomMask.h"
#include "CFilterLogo.h"
#include "CFilterText.h"
#include "CFiltersEnum.h"
#include "CFormatsEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CScripts.h"
#include "CUserProfile.h"
#include "TestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>

#include <cmath>
#include <memory>

using namespace AppTestKit;

namespace {
// Mean absolute difference of the channels of two pictures over a rectangle.
double MeanDifference(const QImage& a, const QImage& b, const QRect& area)
{
    double sum = 0;
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            count += 3;
        }
    }
    return count ? sum / count : 0;
}

QColor MeanColour(const QImage& image, const QRect& area)
{
    qint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            r += qRed(p);
            g += qGreen(p);
            b += qBlue(p);
            ++n;
        }
    }
    return QColor(int(r / n), int(g / n), int(b / n));
}

SFilterRecord Stamped(CFilterUI& page)
{
    SFilterRecord record;
    page.Save(record);
    record.filterId = quint32(page.filterId);
    record.name = page.filterType.name;
    record.active = 1;
    return record;
}

void CompareRecords(const SFilterRecord& got, const SFilterRecord& expected)
{
    QCOMPARE(got.filterId, expected.filterId);
    QCOMPARE(int(got.numParams), int(expected.numParams));
    QCOMPARE(int(got.numTexts), int(expected.numTexts));
    for (int i = 0; i < expected.numParams; ++i)
        QCOMPARE(got.params[i], expected.params[i]);
    for (int i = 0; i < expected.numTexts; ++i)
        QCOMPARE(got.texts[i], expected.texts[i]);
}
} // namespace

class TestMarkRun : public QObject
{
    Q_OBJECT

private:
    QString root;
    QString photo;
    QList<SFilterRecord> records;

    // A mask that covers the top-left quarter with opaque red and leaves
    // the rest clear (it is stretched over the whole photo).
    static QString MakeMask(const QString& path)
    {
        QImage mask(64, 48, QImage::Format_ARGB32);
        mask.fill(Qt::transparent);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 32; ++x)
                mask.setPixel(x, y, qRgba(255, 0, 0, 255));
        mask.save(path);
        return path;
    }

private slots:
    void initTestCase()
    {
        if (!QFileInfo(ProgramPath()).isExecutable())
            QFAIL(qPrintable("the program is not built: " + ProgramPath()));
        SFilterRecord::RegisterMetaType();
        CFormatsEnum::GetInstance()->GenerateList();
        CFiltersEnum::GetInstance()->GenerateList();
        root = TestEnv::NewFolder("marks");
        const QStringList photos = CopySharedPhotos(root + "/photos", 1);
        if (!photos.isEmpty())
            photo = photos.first();

        // The text at the bottom left on a white box, the logo small at the
        // top right, the mask over the top-left quarter.
        CFilterText text(nullptr, 1000);
        text.Initialize();
        text.findChild<QPlainTextEdit*>("editText")->setPlainText("Tarn&Willow <\"marks\">");
        text.findChild<QComboBox*>("comboPlacement")->setCurrentIndex(6);
        text.findChild<QSpinBox*>("spinDeltaX")->setValue(20);
        text.findChild<QSpinBox*>("spinDeltaY")->setValue(20);
        text.TakeChosenFont(QFont("DejaVu Sans", 12));
        text.findChild<QCheckBox*>("checkUseBox")->click();
        records << Stamped(text);

        CFilterLogo logo(nullptr, 1010);
        logo.Initialize();
        logo.findChild<QComboBox*>("comboPlacement")->setCurrentIndex(2);
        logo.findChild<QSpinBox*>("spinScale")->setValue(20);
        logo.findChild<QSpinBox*>("spinDeltaX")->setValue(10);
        logo.findChild<QSpinBox*>("spinDeltaY")->setValue(10);
        logo.findChild<QSpinBox*>("spinTransparency")->setValue(0);
        records << Stamped(logo);

        CFilterCustomMask mask(nullptr, 1020);
        mask.Initialize();
        mask.findChild<QLineEdit*>("editMask")->setText(MakeMask(root + "/mask.png"));
        records << Stamped(mask);

        CListFilters::GetInstance()->list = records;
    }

    void scriptRunCarriesTheMarks()
    {
        if (photo.isEmpty())
            QSKIP("the shared photos are not available");
        QList<QString> refused;
        QVERIFY(CListImages::GetInstance()->AddImage(photo, refused));
        CUserProfile* profile = CUserProfile::GetInstance();
        profile->Destination = 1;
        profile->OutputFolderStruct = 0;
        profile->DestPath = root + "/out";
        profile->OutputFormat = "PNG";
        profile->OpenOutputFolder = false;
        profile->DisableNotifications = true;
        const QString script = root + "/marks.gbs";
        QVERIFY(CScripts(script).Save(CScripts::Script));
        // Run silently: nothing waits for a person.
        QFile file(script);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        QVERIFY(text.contains("<Script Version=\"1\">"));
        text.replace("<Script Version=\"1\">", "<Script Version=\"1\" Mode=\"Silent\">");
        QVERIFY(WriteFile(script, text));

        const RunResult run = RunProgram({script}, root, root + "/sandbox", 120000);
        QVERIFY2(run.finished, "the run did not end by itself");
        QVERIFY2(run.exitCode == 0, qPrintable(run.err));
        const QString output = root + "/out/" + QFileInfo(photo).completeBaseName() + ".png";
        const QImage result = QImage(output).convertToFormat(QImage::Format_RGB32);
        const QImage source = QImage(photo).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!result.isNull(), qPrintable(output));
        QCOMPARE(result.size(), source.size());
        const int w = source.width();
        const int h = source.height();

        // The mask: the top-left quarter is red.
        const QColor masked = MeanColour(result, QRect(w / 16, h / 16, w / 4, h / 4));
        QVERIFY2(masked.red() > 220 && masked.green() < 30 && masked.blue() < 30, qPrintable(masked.name()));
        // The text on its box at the bottom left, the logo at the top right.
        const QRect textArea(0, h - h / 5, w / 3, h / 5 - 1);
        // The logo is 512 pixels scaled to 20 %, 10 pixels in from the corner.
        const QRect logoArea(w - 10 - 102, 10, 102, 102);
        const double textDiff = MeanDifference(result, source, textArea);
        const double logoDiff = MeanDifference(result, source, logoArea);
        QVERIFY2(textDiff > 10, qPrintable(QString::number(textDiff)));
        QVERIFY2(logoDiff > 10, qPrintable(QString::number(logoDiff)));
        // The bottom-right quarter carries no mark.
        const double untouched = MeanDifference(result, source, QRect(w / 2 + w / 8, h / 2 + h / 8, w / 4, h / 4));
        QVERIFY2(untouched < 3, qPrintable(QString::number(untouched)));
    }

    // Saved in a profile and loaded back, each record loads into its page
    // and saves back unchanged.
    void profileLoadsBackIntoThePages()
    {
        const QString path = root + "/marks.gbf";
        CScripts saver(path);
        saver.profileName = "Marks";
        QVERIFY(saver.Save(CScripts::Profile));
        CListFilters::GetInstance()->list.clear();
        QVERIFY(CScripts(path).Load());
        const QList<SFilterRecord> loaded = CListFilters::GetInstance()->list;
        QCOMPARE(loaded.size(), records.size());
        for (int i = 0; i < records.size(); ++i) {
            CompareRecords(loaded.at(i), records.at(i));
            if (QTest::currentTestFailed())
                return;
            std::unique_ptr<QWidget> widget;
            CFilterUI* page = nullptr;
            switch (records.at(i).filterId) {
            case 1000: {
                auto* text = new CFilterText(nullptr, 1000);
                widget.reset(text);
                page = text;
                break;
            }
            case 1010: {
                auto* logo = new CFilterLogo(nullptr, 1010);
                widget.reset(logo);
                page = logo;
                break;
            }
            default: {
                auto* mask = new CFilterCustomMask(nullptr, 1020);
                widget.reset(mask);
                page = mask;
            }
            }
            page->Load(loaded.at(i), true);
            CompareRecords(Stamped(*page), records.at(i));
            if (QTest::currentTestFailed())
                return;
        }
    }
};

GB_TEST_MAIN(TestMarkRun)
#include "tst_markrun.moc"
