// The default record of each transform and decoration page, made in the
// filter settings dialog over a real photo and run without a window: the
// written photo is what the dialog's preview showed.
#include "AppTestKit.h"
#include "CControlImage.h"
#include "CFilterSettings.h"
#include "CFilterUI.h"
#include "CFiltersEnum.h"
#include "CFormatsEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CScripts.h"
#include "CUserProfile.h"
#include "Common.h"
#include "DialogScript.h"
#include "TestEnv.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QSettings>
#include <QTimer>

#include <cmath>

using namespace AppTestKit;

namespace {
// What the filtered view of the dialog showed: the rendered picture, and
// for crop and resize (edited on the photo) the frame over it.
struct Shown
{
    QImage picture;     // full size, as rendered
    QRectF frame;       // in photo pixels (crop and resize)
    QSizeF pageSize;    // the width and height the page showed (crop and resize)
    SFilterRecord record;
};

QImage ToQImage(const Magick::Image& image)
{
    Magick::Image copy = image;
    const int width = int(copy.columns());
    const int height = int(copy.rows());
    QImage result(width, height, QImage::Format_RGBA8888);
    copy.write(0, 0, size_t(width), size_t(height), "RGBA", Magick::CharPixel, result.bits());
    return result.convertToFormat(QImage::Format_ARGB32);
}

// Mean absolute difference of the channels of two pictures of one size,
// over the pixels that are opaque in the first (the preview shows the
// transparent ones over a checkerboard).
double MeanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    qint64 count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (qAlpha(p) != 255)
                continue;
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            ++count;
        }
    }
    return count ? sum / (3.0 * double(count)) : 0.0;
}

bool EditedOnPhoto(quint32 id)
{
    return id == 5020 || id == 5040;
}
} // namespace

class TestPageRun : public QObject
{
    Q_OBJECT

private:
    QString root;
    QString photo;

    // Opens the page of `id` for a new filter over the photo and takes what
    // the preview shows once the page's first preview has run; OK.
    bool Preview(quint32 id, Shown& shown)
    {
        CUserProfile::GetInstance()->previewPath = photo;
        CFilterSettings dialog;
        dialog.filterRecord.filterId = id;
        dialog.filterRecord.name = CFiltersEnum::GetInstance()->GetRecordById(quint16(id)).name;
        dialog.filterRecord.active = 1;
        dialog.imageRecord.path = photo;
        dialog.resize(900, 620);
        bool ok = false;
        const int result = RunDialog(dialog, [&] {
            CControlImage* view = dialog.findChild<CControlImage*>("scrollFilter");
            // The first state is stored right after the page started its
            // preview: the render that follows is the page's.
            QTRY_COMPARE_WITH_TIMEOUT(dialog.statesList.GetTotal(), 1, 10000);
            QTRY_VERIFY_WITH_TIMEOUT(view->shown && !view->busy, 60000);
            shown.picture = ToQImage(view->image.image);
            if (EditedOnPhoto(id)) {
                auto* overlay = dialog.findChild<QLabel*>("viewWatermark");
                QTRY_VERIFY_WITH_TIMEOUT(overlay->isVisible(), 10000);
                const QRect box = overlay->geometry();
                const double s = view->fitScale;
                shown.frame = QRectF(box.x() / s, box.y() / s, box.width() / s, box.height() / s);
                shown.pageSize = QSizeF(dialog.findChild<QDoubleSpinBox*>("spinWidth")->value(),
                                        dialog.findChild<QDoubleSpinBox*>("spinHeight")->value());
            }
            ok = true;
            dialog.accept();
        });
        shown.record = dialog.filterRecord;
        CUserProfile::GetInstance()->previewPath.clear();
        return ok && result == QDialog::Accepted;
    }

    // Runs the record over the photo without a window; the written picture.
    QImage Run(const SFilterRecord& record, const QString& name)
    {
        CListImages::GetInstance()->list.clear();
        QList<QString> refused;
        if (!CListImages::GetInstance()->AddImage(photo, refused))
            return QImage();
        CListFilters::GetInstance()->list = {record};
        CUserProfile* profile = CUserProfile::GetInstance();
        profile->Destination = 1;
        profile->OutputFolderStruct = 0;
        profile->DestPath = root + "/out-" + name;
        profile->OutputFormat = "PNG";
        profile->OpenOutputFolder = false;
        profile->DisableNotifications = true;
        const QString script = root + "/" + name + ".gbs";
        if (!CScripts(script).Save(CScripts::Script))
            return QImage();
        QFile file(script);
        if (!file.open(QIODevice::ReadOnly))
            return QImage();
        QByteArray text = file.readAll();
        file.close();
        text.replace("<Script Version=\"1\">", "<Script Version=\"1\" Mode=\"Silent\">");
        if (!WriteFile(script, text))
            return QImage();
        const RunResult run = RunProgram({script}, root, root + "/sandbox-" + name, 120000);
        if (!run.finished || run.exitCode != 0) {
            qWarning() << "run failed:" << run.exitCode << run.err;
            return QImage();
        }
        return QImage(profile->DestPath + "/" + QFileInfo(photo).completeBaseName() + ".png")
            .convertToFormat(QImage::Format_ARGB32);
    }

private slots:
    void initTestCase()
    {
        if (!QFileInfo(ProgramPath()).isExecutable())
            QFAIL(qPrintable("the program is not built: " + ProgramPath()));
        SFilterRecord::RegisterMetaType();
        CFormatsEnum::GetInstance()->GenerateList();
        CFiltersEnum::GetInstance()->GenerateList();
        QSettings(OrganizationName(), ApplicationName()).clear();
        SetRegistryInt("GUI/FilterSettings.ShowPreview", 1);
        root = TestEnv::NewFolder("pages");
        const QString shared = TestEnv::SharedPhotos();
        const QString source = shared + "/jpg/exif-org/canon-ixus.jpg";
        if (!shared.isEmpty() && QFile::exists(source)) {
            photo = root + "/photos/canon-ixus.jpg";
            QDir().mkpath(root + "/photos");
            QFile::copy(source, photo);
        }
    }

    void defaultRecordRunsAsPreviewed_data()
    {
        QTest::addColumn<quint32>("id");
        QTest::addColumn<QSize>("size"); // of the written photo (640 x 480 source)
        QTest::newRow("resize") << quint32(5040) << QSize(448, 336);
        QTest::newRow("crop") << quint32(5020) << QSize(448, 336);
        QTest::newRow("border") << quint32(2030) << QSize(840, 680);
        QTest::newRow("shadow") << quint32(2020) << QSize();
        QTest::newRow("raise") << quint32(2010) << QSize(640, 480);
        QTest::newRow("shaped frame") << quint32(2001) << QSize(640, 480);
        QTest::newRow("grunge frame") << quint32(2002) << QSize(640, 480);
        QTest::newRow("picture frame") << quint32(2003) << QSize();
        QTest::newRow("vintage frame") << quint32(2004) << QSize();
    }

    void defaultRecordRunsAsPreviewed()
    {
        QFETCH(quint32, id);
        QFETCH(QSize, size);
        if (photo.isEmpty())
            QSKIP("the shared photos are not available");
        Shown shown;
        QVERIFY(Preview(id, shown));
        QCOMPARE(shown.record.filterId, id);
        QVERIFY(shown.record.numParams > 0);
        const QImage written = Run(shown.record, QTest::currentDataTag());
        QVERIFY(!written.isNull());
        const QImage source = QImage(photo).convertToFormat(QImage::Format_ARGB32);
        if (size.isValid())
            QCOMPARE(written.size(), size);

        if (EditedOnPhoto(id)) {
            // The page's numbers exactly, the frame drawn over the photo
            // within a pixel of the fit.
            QCOMPARE(QSizeF(written.size()), shown.pageSize);
            QVERIFY2(std::abs(shown.frame.width() - written.width()) <= 2
                         && std::abs(shown.frame.height() - written.height()) <= 2,
                     qPrintable(QString("frame %1 x %2").arg(shown.frame.width()).arg(shown.frame.height())));
            if (id == 5020) {
                // The part of the photo inside the frame is what was kept.
                const QImage kept = source.copy(int(shown.record.params[0]), int(shown.record.params[1]),
                                                written.width(), written.height());
                QVERIFY(MeanDifference(kept, written) < 1.0);
            }
            return;
        }
        // The decorations: the written photo is the preview's render, and it
        // is not the photo as it was (the frame, border or edge is drawn).
        QCOMPARE(written.size(), shown.picture.size());
        const double againstPreview = MeanDifference(written, shown.picture);
        QVERIFY2(againstPreview < 1.0, qPrintable(QString::number(againstPreview)));
        if (written.size() == source.size()) {
            const double drawn = MeanDifference(written.copy(0, 0, written.width(), 8),
                                                source.copy(0, 0, written.width(), 8));
            QVERIFY2(drawn > 5.0, qPrintable(QString::number(drawn)));
        }
    }
};

GB_TEST_MAIN(TestPageRun)
#include "tst_pagerun.moc"
