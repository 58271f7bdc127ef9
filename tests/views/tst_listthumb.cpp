// The thumbnail list and its loader thread over real photos: detail texts
// against exiftool, thumbnails from the EXIF block, hostile JPEGs, drops
// from outside and inside, the visible range, and photos removed while the
// loader works (run this one under AddressSanitizer too).
#include "CFormatsEnum.h"
#include "CImageCache.h"
#include "CListThumb.h"
#include "CListThumbThread.h"
#include "CPhotoDetails.h"
#include "TestEnv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMimeData>
#include <QMutexLocker>
#include <QProcess>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QUrl>

#include <cmath>
#include <memory>

namespace {
const int kFormatIcons = 10; // cells of "Icons-Formats-64.png"

std::unique_ptr<CListThumb> PhotoList(int type = CListThumb::TypePhotos, bool thread = true)
{
    auto list = std::make_unique<CListThumb>();
    list->Initialize(type, false, false);
    list->LoadDefaultThumbnails("Icons-Formats-64.png", false, 1);
    if (thread)
        list->InitThread();
    list->ChangeView(2);
    list->resize(500, 400);
    return list;
}

SThumb RecordOf(CListThumb* list, int row)
{
    QMutexLocker locker(list->Mutex());
    return list->Records()->at(list->RowMap()->at(row));
}

bool AllLoaded(CListThumb* list)
{
    QMutexLocker locker(list->Mutex());
    for (const SThumb& record : *list->Records())
        if (!record.loaded)
            return false;
    return true;
}

QJsonObject ExifTool(const QString& path)
{
    QProcess tool;
    tool.start("exiftool", {"-j", "-n", "-DateTimeOriginal", "-Make", "-Model", "-XResolution", "-YResolution",
                            "-ResolutionUnit", "-Orientation", path});
    if (!tool.waitForFinished(30000))
        return {};
    return QJsonDocument::fromJson(tool.readAllStandardOutput()).array().at(0).toObject();
}

QString Photo(const QString& relative)
{
    const QString shared = TestEnv::SharedPhotos();
    return shared.isEmpty() ? QString() : shared + "/jpg/" + relative;
}

void WriteJpeg(const QString& path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QVERIFY(image.save(path, "JPG"));
}

void SetModified(const QString& path, const QDateTime& time)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

} // namespace

class TestListThumb : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CFormatsEnum::GetInstance()->GenerateList();
        CImageCache::GetInstance();
    }

    void sizeTexts_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("no file") << qint64(0) << "N/A";
        QTest::newRow("one byte") << qint64(1) << "0.00 KB";
        QTest::newRow("kilobytes") << qint64(123456) << "120.56 KB";
        QTest::newRow("just below a megabyte") << qint64(1048575) << "1024.00 KB";
        QTest::newRow("a megabyte") << qint64(1048576) << "1.00 MB";
        QTest::newRow("megabytes") << qint64(1258291) << "1.20 MB";
    }

    void sizeTexts()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, text);
        QCOMPARE(CListThumb::SizeText(bytes), text);
    }

    // Lists are rebuilt often: a photo is read again only when its file
    // changed since the last read (size, time, or another file in its place).
    void detailsReadAgainOnlyForChangedFiles_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("reads");
        QTest::addColumn<QString>("dimensions");
        QTest::newRow("unchanged") << "none" << 0 << "32 x 24";
        QTest::newRow("new time") << "time" << 1 << "32 x 24";
        QTest::newRow("new size") << "size" << 1 << "64 x 48";
        QTest::newRow("another file in its place") << "replace" << 1 << "32 x 24";
        QTest::newRow("gone") << "remove" << 0 << "";
    }

    void detailsReadAgainOnlyForChangedFiles()
    {
        QFETCH(QString, change);
        QFETCH(int, reads);
        QFETCH(QString, dimensions);
        const QString folder = TestEnv::NewFolder("details");
        const QString path = folder + "/photo.jpg";
        const QString twin = folder + "/twin.jpg";
        const QDateTime time = QDateTime::currentDateTime().addSecs(-60);
        WriteJpeg(path, QSize(32, 24));
        WriteJpeg(twin, QSize(32, 24));
        SetModified(path, time);
        SetModified(twin, time);
        QCOMPARE(QFileInfo(twin).size(), QFileInfo(path).size());

        SThumb first;
        first.path = path;
        const int before = CListThumb::DetailReadCount();
        QVERIFY(CPhotoDetails::Fill(first, true));
        QCOMPARE(CListThumb::DetailReadCount() - before, 1);
        QCOMPARE(first.dimensions, QString("32 x 24"));

        if (change == "time")
            SetModified(path, time.addSecs(3600));
        else if (change == "size")
            WriteJpeg(path, QSize(64, 48));
        else if (change == "replace")
            QVERIFY(QFile::remove(path) && QFile::rename(twin, path));
        else if (change == "remove")
            QVERIFY(QFile::remove(path));

        SThumb again;
        again.path = path;
        const int between = CListThumb::DetailReadCount();
        QVERIFY(CPhotoDetails::Fill(again, true));
        QCOMPARE(CListThumb::DetailReadCount() - between, reads);
        QCOMPARE(again.dimensions, dimensions);
        QCOMPARE(again.size, CListThumb::SizeText(QFileInfo(path).size()));
        QCOMPARE(again.dateTaken, QFileInfo(path).exists()
                                      ? QFileInfo(path).lastModified().toString("yyyy-MM-dd hh:mm")
                                      : QString());
    }

    void detailTextsAgreeWithExifTool_data()
    {
        QTest::addColumn<QString>("photo");
        QTest::newRow("Nikon with GPS") << "gps/DSCN0010.jpg";
        QTest::newRow("maker repeated in model") << "tests/32-lens_data.jpeg";
        QTest::newRow("maker not repeated") << "exif-org/kodak-dc240.jpg";
        QTest::newRow("Canon") << "exif-org/canon-ixus.jpg";
        QTest::newRow("phone") << "mobile/jolla.jpg";
        QTest::newRow("no date taken") << "xmp/BlueSquare.jpg";
    }

    void detailTextsAgreeWithExifTool()
    {
        QFETCH(QString, photo);
        const QString path = Photo(photo);
        if (path.isEmpty())
            QSKIP("the shared photos are not there");
        const QJsonObject exif = ExifTool(path);
        QVERIFY2(!exif.isEmpty(), "exiftool gave nothing");

        SThumb record;
        record.path = path;
        CListThumb::LoadImageExif(&record);

        QString date = exif.value("DateTimeOriginal").toString();
        if (date.isEmpty())
            date = QFileInfo(path).lastModified().toString("yyyy-MM-dd hh:mm");
        else
            date = date.left(4) + "-" + date.mid(5, 2) + "-" + date.mid(8, 2) + " " + date.mid(11, 5);
        QCOMPARE(record.dateTaken, date);

        const QString make = exif.value("Make").toString().trimmed();
        const QString model = exif.value("Model").toString().trimmed();
        const QString shortMake = make.section(' ', 0, 0);
        const QString shortModel = model.section(' ', 0, 0) == shortMake ? model.section(' ', 1) : model;
        QCOMPARE(record.camera, make.isEmpty() && model.isEmpty() ? QString() : shortMake + " " + shortModel);

        const double perInch = exif.value("ResolutionUnit").toInt() == 3 ? 2.54 : 1.0;
        const QString dpi = QString("%1 x %2")
                                .arg(std::floor(exif.value("XResolution").toDouble() * perInch + 0.5))
                                .arg(std::floor(exif.value("YResolution").toDouble() * perInch + 0.5));
        QCOMPARE(record.dpi, dpi);

        static const QStringList orientations = {"",          "Top-Left",  "Top-Right",    "Bottom-Right",
                                                 "Bottom-Left", "Left-Top", "Right-Top", "Right-Bottom",
                                                 "Left-Bottom"};
        QCOMPARE(record.orientation, orientations.value(exif.value("Orientation").toInt()));
    }

    // Own icons come from the EXIF thumbnail; a PNG keeps its format icon.
    void shownListMakesThumbnailsFromExif()
    {
        const QString jpeg = Photo("gps/DSCN0012.jpg");
        if (jpeg.isEmpty())
            QSKIP("the shared photos are not there");
        const QString png = TestEnv::NewFolder("png") + "/plain.png";
        QImage(40, 30, QImage::Format_RGB32).save(png);

        auto list = PhotoList();
        list->AddItem("jpeg", QString(), jpeg, false, 2, true);
        list->AddItem("png", QString(), png, false, 4, true);
        QCOMPARE(list->count(), 2);
        list->show();
        QTRY_VERIFY_WITH_TIMEOUT(AllLoaded(list.get()), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(!RecordOf(list.get(), 0).pending, 10000);

        const SThumb photo = RecordOf(list.get(), 0);
        QVERIFY(photo.hasOwnIcon);
        QCOMPARE(photo.iconIndex, kFormatIcons);
        QVERIFY(photo.tooltip.contains("Camera: NIKON COOLPIX P6000"));
        const QIcon icon = list->item(0)->icon();
        QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(128, 128)});
        QVERIFY(icon.cacheKey() != list->Icons()->at(2).cacheKey());

        const SThumb plain = RecordOf(list.get(), 1);
        QVERIFY(!plain.hasOwnIcon);
        QCOMPARE(plain.iconIndex, 4);
        QVERIFY(plain.tooltip.contains("Type: PNG"));
        QCOMPARE(list->item(1)->icon().cacheKey(), list->Icons()->at(4).cacheKey());
    }

    void malformedJpegsLoadWithoutCrash()
    {
        const QString shared = TestEnv::SharedPhotos();
        if (shared.isEmpty())
            QSKIP("the shared photos are not there");
        auto list = PhotoList();
        const QStringList names = QDir(shared + "/jpg/tests").entryList({"*.jpg", "*.jpeg"}, QDir::Files);
        QVERIFY(names.size() >= 10);
        for (const QString& name : names)
            list->AddItem(name, QString(), shared + "/jpg/tests/" + name, false, 2, true);
        list->show();
        QTRY_VERIFY_WITH_TIMEOUT(AllLoaded(list.get()), 60000);
        QVERIFY(list->Thread()->isRunning());
    }

    // A missing strip or an unknown size code leaves records pointing past
    // the icon list: they show an empty icon.
    void iconIndexOutsideTheIconList()
    {
        for (int size : {5, 1}) {
            CListThumb list;
            list.Initialize(CListThumb::TypePhotos, false, false);
            list.LoadDefaultThumbnails(size == 1 ? "Missing-Strip.png" : "Icons-Formats-64.png", false, size);
            QCOMPARE(list.Icons()->size(), 0);
            list.AddItem("x", QString(), "/nowhere/x.jpg", false, 2, false);
            list.AssignThumbnails();
            QVERIFY(list.item(0)->icon().isNull());
            QCOMPARE(RecordOf(&list, 0).size, QString("N/A"));
        }
    }

    // Files from outside: sorted paths on the photo list; nothing at all on
    // the other lists (no internal move of the selected rows either).
    void dropsFromOutside_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("taken");
        QTest::newRow("photo list") << int(CListThumb::TypePhotos) << true;
        QTest::newRow("filter list") << int(CListThumb::TypeFilters) << false;
        QTest::newRow("photo strip") << int(CListThumb::TypeImageThumbs) << false;
    }

    void dropsFromOutside()
    {
        QFETCH(int, type);
        QFETCH(bool, taken);
        auto list = PhotoList(type, false);
        for (int i = 0; i < 3; ++i)
            list->AddItem(QString::number(i), QString(), QString("/p/%1.jpg").arg(i), true, 2, true);
        list->item(1)->setSelected(true);
        list->show();
        QSignalSpy files(list.get(), &CListThumb::SignalDragDropFiles);
        QSignalSpy moves1(list.get(), &CListThumb::SignalDragDropPanel1);
        QSignalSpy moves2(list.get(), &CListThumb::SignalDragDropPanel2);
        QMimeData data;
        const QStringList paths{"/b/b.jpg", "/a/Z.jpg", "/a/a.jpg"};
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        // A drop reaches the widget that accepted the drag's entry.
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &enter);
        QCOMPARE(enter.isAccepted(), taken);
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(list->viewport(), &drop);
        QCOMPARE(files.size(), taken ? 1 : 0);
        if (taken)
            QCOMPARE(files.at(0).at(0).toStringList(), (QStringList{"/a/Z.jpg", "/a/a.jpg", "/b/b.jpg"}));
        QCOMPARE(moves1.size() + moves2.size(), 0);
        QCOMPARE(*list->RowMap(), (QList<int>{0, 1, 2}));
    }

    void dropMovesInside_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<int>("target");
        QTest::addColumn<QList<SDragDrop>>("moves");
        QTest::addColumn<QList<int>>("rowMap");
        QTest::newRow("two rows up") << int(CListThumb::TypePhotos) << QList<int>{2, 3} << 0
                                     << QList<SDragDrop>{{2, 0}, {3, 1}} << QList<int>{2, 3, 0, 1, 4};
        QTest::newRow("two rows down") << int(CListThumb::TypePhotos) << QList<int>{0, 1} << 4
                                       << QList<SDragDrop>{{0, 4}, {0, 4}} << QList<int>{2, 3, 0, 1, 4};
        QTest::newRow("to the end") << int(CListThumb::TypeFilters) << QList<int>{1} << 5
                                    << QList<SDragDrop>{{1, 5}} << QList<int>{0, 2, 3, 4, 1};
        QTest::newRow("filter picker") << int(CListThumb::TypeFilterPicker) << QList<int>{2, 3} << 0
                                       << QList<SDragDrop>{} << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("profile chooser") << int(CListThumb::TypeProfiles) << QList<int>{0} << 3
                                         << QList<SDragDrop>{} << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("photo strip") << int(CListThumb::TypeImageThumbs) << QList<int>{0} << 3
                                     << QList<SDragDrop>{} << QList<int>{0, 1, 2, 3, 4};
    }

    void dropMovesInside()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, selected);
        QFETCH(int, target);
        QFETCH(QList<SDragDrop>, moves);
        QFETCH(QList<int>, rowMap);
        auto list = PhotoList(type, false);
        for (int i = 0; i < 5; ++i)
            list->AddItem(QString::number(i), QString(), QString("/p/%1.jpg").arg(i), true, 2, true);
        QSignalSpy panel1(list.get(), &CListThumb::SignalDragDropPanel1);
        QSignalSpy panel2(list.get(), &CListThumb::SignalDragDropPanel2);
        list->DropSelectedRows(selected, target);
        QList<SDragDrop> reported;
        for (const QSignalSpy* spy : {&panel1, &panel2})
            for (const QList<QVariant>& call : *spy)
                reported += call.at(0).value<QList<SDragDrop>>();
        QCOMPARE(reported, moves);
        QCOMPARE(panel1.size(), type == CListThumb::TypePhotos ? 1 : 0);
        QCOMPARE(panel2.size(), type == CListThumb::TypeFilters ? 1 : 0);
        QCOMPARE(*list->RowMap(), rowMap);
    }

    // Icon mode with five icons per visual row, three visual rows partly
    // visible from row 10; the one-row strip reports the items under its
    // edges.
    void visibleRange()
    {
        auto list = PhotoList(CListThumb::TypePhotos, false);
        list->setUniformItemSizes(true);
        for (int i = 0; i < 40; ++i) {
            list->AddItem(QString::number(i), QString(), QString("/p/%1.jpg").arg(i), true, 2, true);
            list->item(i)->setSizeHint(QSize(100, 100));
        }
        list->setFrameShape(QFrame::NoFrame);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list->resize(550 + list->verticalScrollBar()->sizeHint().width(), 250);
        list->show();
        QVERIFY(QTest::qWaitForWindowExposed(list.get()));
        list->doItemsLayout();
        list->verticalScrollBar()->setValue(200);
        int first = -1, last = -1;
        list->FindFirstLastVisibleItems(first, last);
        QCOMPARE(first, 10);
        QCOMPARE(last, 24);

        auto strip = PhotoList(CListThumb::TypeImageThumbs, false);
        for (int i = 0; i < 3; ++i) {
            strip->AddItem(QString::number(i), QString(), QString("/p/%1.jpg").arg(i), true, 2, true);
            strip->item(i)->setSizeHint(QSize(100, 100));
        }
        strip->resize(450, 110);
        strip->show();
        QVERIFY(QTest::qWaitForWindowExposed(strip.get()));
        strip->FindFirstLastVisibleItems(first, last);
        QCOMPARE(first, 0);
        QCOMPARE(last, 2);
    }

    // Removing many rows at once leaves the records, rows and icon slots
    // that removing them one by one leaves.
    void removeManyAsOneByOne()
    {
        const auto build = [](CListThumb& list) {
            list.Initialize(CListThumb::TypePhotos, false, false);
            list.LoadDefaultThumbnails("Icons-Formats-64.png", false, 1);
            QMutexLocker locker(list.Mutex());
            for (int i = 0; i < 40; ++i) {
                SThumb record;
                record.path = QString("/p/%1.jpg").arg(i);
                record.iconIndex = 2;
                // Every third photo has a thumbnail of its own.
                if (i % 3 == 0) {
                    record.loaded = record.hasOwnIcon = true;
                    record.iconIndex = int(list.Icons()->size());
                    list.Icons()->append(QIcon());
                }
                list.Records()->append(record);
            }
            // Rows in another order than the records (a sort).
            for (int i = 0; i < 40; ++i)
                list.RowMap()->append((i * 7) % 40);
        };
        const QList<int> rows = {0, 3, 4, 9, 17, 18, 30, 39};
        CListThumb once;
        CListThumb oneByOne;
        build(once);
        build(oneByOne);
        once.RemoveItems(rows);
        for (int i = int(rows.size()) - 1; i >= 0; --i)
            oneByOne.RemoveItem(rows[i]);
        QMutexLocker lockOnce(once.Mutex());
        QMutexLocker lockOther(oneByOne.Mutex());
        QCOMPARE(*once.RowMap(), *oneByOne.RowMap());
        QCOMPARE(once.Icons()->size(), oneByOne.Icons()->size());
        QCOMPARE(once.Records()->size(), oneByOne.Records()->size());
        for (int i = 0; i < once.Records()->size(); ++i) {
            QCOMPARE(once.Records()->at(i).path, oneByOne.Records()->at(i).path);
            QCOMPARE(once.Records()->at(i).iconIndex, oneByOne.Records()->at(i).iconIndex);
        }
    }

    // Photos scrolled and removed while load passes run: no record, row or
    // icon is reached after it is gone, and every own icon slot is freed.
    void removeWhileLoading()
    {
        const QString shared = TestEnv::SharedPhotos();
        if (shared.isEmpty())
            QSKIP("the shared photos are not there");
        const QString folder = TestEnv::NewFolder("many");
        const QStringList sources = QDir(shared + "/jpg/gps").entryList({"*.jpg"}, QDir::Files);
        auto list = PhotoList();
        list->ChangeView(1);
        for (int i = 0; i < 200; ++i) {
            const QString path = QString("%1/p%2.jpg").arg(folder).arg(i, 3, 10, QChar('0'));
            QVERIFY(QFile::copy(shared + "/jpg/gps/" + sources.at(i % sources.size()), path));
            list->AddItem(QString::number(i), QString(), path, false, 2, true);
        }
        list->show();
        QVERIFY(QTest::qWaitForWindowExposed(list.get()));

        QRandomGenerator random(20);
        while (list->count() > 0) {
            QScrollBar* bar = list->verticalScrollBar();
            bar->setValue(int(random.bounded(bar->maximum() + 1)));
            list->UpdateView();
            list->ThreadLoadIcons();
            QCoreApplication::processEvents();
            const int row = int(random.bounded(list->count()));
            list->RemoveItem(row);
            delete list->takeItem(row);
            if (random.bounded(4) == 0)
                list->AssignThumbnails();
            if (random.bounded(2) == 0)
                QTest::qWait(int(random.bounded(20)));
            QMutexLocker locker(list->Mutex());
            QCOMPARE(list->RowMap()->size(), list->Records()->size());
            for (const SThumb& record : *list->Records())
                QVERIFY(record.iconIndex >= 0 && record.iconIndex < list->Icons()->size());
        }
        QTRY_VERIFY_WITH_TIMEOUT(list->Thread()->workingFirst == -1 && !list->Thread()->requestLoad, 30000);
        QCoreApplication::processEvents();
        QCOMPARE(list->Icons()->size(), kFormatIcons);

        // A list destroyed in the middle of a pass.
        for (int i = 0; i < 60; ++i)
            list->AddItem(QString::number(i), QString(), QString("%1/p%2.jpg").arg(folder).arg(i, 3, 10, QChar('0')),
                          false, 2, true);
        list->UpdateView();
        list->ThreadLoadIcons();
        QTRY_VERIFY_WITH_TIMEOUT(list->Thread()->workingFirst != -1, 10000);
        list.reset();
    }
};

GB_TEST_MAIN(TestListThumb)
#include "tst_listthumb.moc"
