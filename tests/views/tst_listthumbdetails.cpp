// The details table over the step 1 list's shared records: the column
// layout kept across tables, sorting by each kind of key (photos still
// waiting for their details among them), the column menu's last column, and
// the pending icon shared with the list.
#include "CImageCache.h"
#include "CListThumb.h"
#include "CListThumbDetails.h"
#include "TestEnv.h"

#include <QApplication>
#include <QDateTime>
#include <QFile>
#include <QHeaderView>
#include <QMutexLocker>
#include <QSettings>
#include <QSignalSpy>

#include <algorithm>
#include <memory>

namespace {
struct Views
{
    std::unique_ptr<CListThumb> list = std::make_unique<CListThumb>();
    std::unique_ptr<CListThumbDetails> table = std::make_unique<CListThumbDetails>();

    Views()
    {
        list->Initialize(CListThumb::TypePhotos, false, false);
        list->LoadDefaultThumbnails("Icons-Formats-64.png", false, 1);
        table->Initialize(0);
        table->SetShared(list->Records(), list->RowMap(), list->Thread(), list->Icons(), list->Mutex());
        table->InitThread();
    }

    // One record and one row per entry, `column` holding the text.
    void Fill(int column, const QStringList& texts)
    {
        QMutexLocker locker(list->Mutex());
        for (const QString& text : texts) {
            SThumb record;
            record.path = "/p/" + text;
            record.detailed = true; // the texts below are the photo's
            switch (column) {
            case CListThumbDetails::ColumnName: record.name = text; break;
            case CListThumbDetails::ColumnDateTaken: record.dateTaken = text; break;
            case CListThumbDetails::ColumnDimensions: record.dimensions = text; break;
            case CListThumbDetails::ColumnSize: record.size = text; break;
            case CListThumbDetails::ColumnFStop: record.fStop = text; break;
            case CListThumbDetails::ColumnExposure: record.exposure = text; break;
            case CListThumbDetails::ColumnISO: record.iso = text; break;
            case CListThumbDetails::ColumnAltitude: record.altitude = text; break;
            default: break;
            }
            list->RowMap()->append(int(list->Records()->size()));
            list->Records()->append(record);
        }
        table->setRowCount(int(texts.size()));
    }
};

struct Layout
{
    QList<int> visualIndex;
    QList<int> sizes;
    QList<bool> hidden;
    bool operator==(const Layout& other) const
    {
        return visualIndex == other.visualIndex && sizes == other.sizes && hidden == other.hidden;
    }
};

Layout LayoutOf(const CListThumbDetails& table)
{
    Layout layout;
    const QHeaderView* header = table.horizontalHeader();
    for (int section = 0; section < header->count(); ++section) {
        layout.visualIndex << header->visualIndex(section);
        layout.sizes << header->sectionSize(section);
        layout.hidden << header->isSectionHidden(section);
    }
    return layout;
}
} // namespace

class TestListThumbDetails : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { CImageCache::GetInstance(); }

    void init()
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Tarn&Willow", "Glimmerbox");
        store.clear();
    }

    void layoutComesBackAfterRebuild()
    {
        Layout changed;
        {
            CListThumbDetails table;
            Layout first = LayoutOf(table);
            // Columns 7 to 13 start hidden (a hidden section reports size 0);
            // the date column is at least as wide as a date needs.
            QVERIFY(first.sizes.at(CListThumbDetails::ColumnDateTaken) >= 100);
            first.sizes[CListThumbDetails::ColumnDateTaken] = 100;
            QCOMPARE(first.sizes, (QList<int>{150, 60, 100, 80, 70, 230, 120, 0, 0, 0, 0, 0, 0, 0}));
            QCOMPARE(first.hidden.indexOf(true), 7);
            QCOMPARE(first.hidden.count(true), 7);
            table.horizontalHeader()->showSection(12);
            QCOMPARE(table.horizontalHeader()->sectionSize(12), 130);

            QHeaderView* header = table.horizontalHeader();
            header->moveSection(6, 0);
            header->resizeSection(0, 210);
            header->hideSection(2);
            header->showSection(9);
            changed = LayoutOf(table);
        }
        CListThumbDetails rebuilt;
        QVERIFY(LayoutOf(rebuilt) == changed);
        QCOMPARE(rebuilt.horizontalHeader()->visualIndex(6), 0);
    }

    // A full date and time shows whole, in the table's font, not cut to
    // "2008-10-2...".
    void dateTakenFitsItsText_data()
    {
        QTest::addColumn<int>("pointSize");
        QTest::newRow("default font") << 0;
        QTest::newRow("large font") << 14;
    }

    void dateTakenFitsItsText()
    {
        QFETCH(int, pointSize);
        const QFont original = QApplication::font();
        if (pointSize > 0) {
            QFont large = original;
            large.setPointSize(pointSize);
            QApplication::setFont(large);
        }
        Views views;
        QApplication::setFont(original);
        const QStringList dates = {"2008-10-22 16:29", "2088-08-28 08:58", "2000-11-11 11:11"};
        views.Fill(CListThumbDetails::ColumnDateTaken, dates);
        views.table->UpdateItemsImageIndex(0, int(dates.size()) - 1);
        QCOMPARE(views.table->item(0, CListThumbDetails::ColumnDateTaken)->text(), dates.first());
        int needed = 0;
        for (int row = 0; row < dates.size(); ++row) {
            const QModelIndex cell = views.table->model()->index(row, CListThumbDetails::ColumnDateTaken);
            needed = std::max(needed, views.table->sizeHintForIndex(cell).width());
        }
        const int width = views.table->columnWidth(CListThumbDetails::ColumnDateTaken);
        QVERIFY2(width >= needed, qPrintable(QString("%1 < %2").arg(width).arg(needed)));
    }

    void sortKeys_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("ascending");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<int>>("order");
        QTest::newRow("sizes in KB and MB") << int(CListThumbDetails::ColumnSize) << true
                                            << QStringList{"1.20 MB", "900.00 KB", "N/A", "3.00 KB"}
                                            << QList<int>{2, 3, 1, 0};
        QTest::newRow("names without case") << int(CListThumbDetails::ColumnName) << true
                                            << QStringList{"c", "A", "b"} << QList<int>{1, 2, 0};
        QTest::newRow("dimensions by pixel count") << int(CListThumbDetails::ColumnDimensions) << true
                                                   << QStringList{"4000 x 3000", "3000 x 3000", "100 x 50"}
                                                   << QList<int>{2, 1, 0};
        QTest::newRow("f-stop as a number") << int(CListThumbDetails::ColumnFStop) << true
                                            << QStringList{"f/11", "f/2.8", "", "f/5.6"} << QList<int>{2, 1, 3, 0};
        QTest::newRow("exposure denominators") << int(CListThumbDetails::ColumnExposure) << true
                                               << QStringList{"1/250 sec", "1/60 sec", "1/1000 sec"}
                                               << QList<int>{1, 0, 2};
        QTest::newRow("ISO descending") << int(CListThumbDetails::ColumnISO) << false
                                        << QStringList{"ISO-100", "ISO-1600", "ISO-400"} << QList<int>{1, 2, 0};
        QTest::newRow("altitude below sea level") << int(CListThumbDetails::ColumnAltitude) << true
                                                  << QStringList{"12.5 m", "-3.0 m", "100.0 m"}
                                                  << QList<int>{1, 0, 2};
    }

    void sortKeys()
    {
        QFETCH(int, column);
        QFETCH(bool, ascending);
        QFETCH(QStringList, texts);
        QFETCH(QList<int>, order);
        Views views;
        views.Fill(column, texts);
        QSignalSpy sorted(views.table.get(), &CListThumbDetails::SignalSort);
        views.table->horizontalHeader()->setSortIndicator(column, ascending ? Qt::AscendingOrder
                                                                            : Qt::DescendingOrder);
        views.table->SortByColumn(column);
        QCOMPARE(sorted.size(), 1);
        QCOMPARE(sorted.at(0).at(0).value<QList<int>>(), order);
        QCOMPARE(*views.list->RowMap(), order);
    }

    // Photos added a moment ago may still wait for the loader to read their
    // details: a sort by a column of details reads them first.
    void sortReadsDetailsStillWaiting()
    {
        Views views;
        const QString folder = TestEnv::NewFolder("waiting");
        const QDateTime now = QDateTime::currentDateTime();
        const QList<int> ageInDays = {3, 1, 2};
        {
            QMutexLocker locker(views.list->Mutex());
            for (int i = 0; i < ageInDays.size(); ++i) {
                const QString path = QString("%1/p%2.jpg").arg(folder).arg(i);
                QImage image(16, 16, QImage::Format_RGB32);
                image.fill(Qt::blue);
                QVERIFY(image.save(path, "JPG"));
                QFile file(path);
                QVERIFY(file.open(QIODevice::ReadWrite));
                QVERIFY(file.setFileTime(now.addDays(-ageInDays[i]), QFileDevice::FileModificationTime));
                SThumb record;
                record.path = path; // no details yet
                views.list->RowMap()->append(i);
                views.list->Records()->append(record);
            }
        }
        views.table->setRowCount(int(ageInDays.size()));
        QSignalSpy sorted(views.table.get(), &CListThumbDetails::SignalSort);
        views.table->horizontalHeader()->setSortIndicator(CListThumbDetails::ColumnDateTaken, Qt::AscendingOrder);
        views.table->SortByColumn(CListThumbDetails::ColumnDateTaken);
        QCOMPARE(sorted.size(), 1);
        QCOMPARE(sorted.at(0).at(0).value<QList<int>>(), (QList<int>{0, 2, 1}));
        for (const SThumb& record : *views.list->Records()) {
            QVERIFY(record.detailed);
            QCOMPARE(record.dimensions, QString("16 x 16"));
        }
    }

    // Clicking a column title sorts ascending, clicking it again descending.
    void clickingTwiceSortsDescending()
    {
        Views views;
        views.Fill(CListThumbDetails::ColumnName, {"b", "c", "a"});
        views.table->resize(600, 300);
        views.table->show();
        QVERIFY(QTest::qWaitForWindowExposed(views.table.get()));
        QSignalSpy sorted(views.table.get(), &CListThumbDetails::SignalSort);
        QHeaderView* header = views.table->horizontalHeader();
        const QPoint title(header->sectionViewportPosition(0) + 20, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, title);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, title);
        QCOMPARE(sorted.size(), 2);
        QCOMPARE(sorted.at(0).at(0).value<QList<int>>(), (QList<int>{2, 0, 1}));
        // The second sort starts from the rows as the first left them (a b c).
        QCOMPARE(sorted.at(1).at(0).value<QList<int>>(), (QList<int>{2, 1, 0}));
        QCOMPARE(*views.list->RowMap(), (QList<int>{1, 0, 2}));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
    }

    void lastVisibleColumnStays()
    {
        CListThumbDetails table;
        QHeaderView* header = table.horizontalHeader();
        for (int column = 0; column <= 6; ++column) // the visible ones
            table.HorizontalHeaderClicked(column);
        QCOMPARE(header->count() - header->hiddenSectionCount(), 1);
        QVERIFY(!header->isSectionHidden(6));
        table.HorizontalHeaderClicked(6);
        QVERIFY(!header->isSectionHidden(6));
        table.HorizontalHeaderClicked(12);
        QVERIFY(!header->isSectionHidden(12));
    }

    // Whichever view comes first turns the pending image into the shared
    // icon; both then show it.
    void pendingIconSharedWithTheList()
    {
        Views views;
        views.Fill(CListThumbDetails::ColumnName, {"one"});
        views.list->addItem("one");
        QImage image(128, 128, QImage::Format_ARGB32);
        image.fill(Qt::red);
        {
            QMutexLocker locker(views.list->Mutex());
            SThumb& record = (*views.list->Records())[0];
            record.loaded = record.hasOwnIcon = record.pending = true;
            record.iconIndex = int(views.list->Icons()->size());
            record.pendingImage = image;
            record.tooltip = "tip";
            views.list->Icons()->append(QIcon());
        }
        views.table->AssignThumbnails();
        QTableWidgetItem* cell = views.table->item(0, CListThumbDetails::ColumnName);
        QCOMPARE(cell->text(), QString("one"));
        QCOMPARE(cell->toolTip(), QString("tip"));
        QVERIFY(!cell->icon().isNull());
        QVERIFY(!views.list->Records()->at(0).pending);
        views.list->AssignThumbnails();
        QCOMPARE(views.list->item(0)->icon().cacheKey(), cell->icon().cacheKey());
    }
};

GB_TEST_MAIN(TestListThumbDetails)
#include "tst_listthumbdetails.moc"
