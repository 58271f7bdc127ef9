#include "CFormatsEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "TestEnv.h"

#include <QThread>

namespace {
SFilterRecord MakeRecord(quint32 id, quint8 active)
{
    SFilterRecord record;
    record.filterId = id;
    record.name = QString("Filter %1").arg(id);
    record.active = active;
    return record;
}

QString Ids(const QList<SFilterRecord>& list)
{
    QStringList ids;
    for (const SFilterRecord& r : list)
        ids << QString::number(r.filterId);
    return ids.join(' ');
}

// Names in list order; fails when a run key is not the record's position.
QString Names(const QList<SImageRecord>& list)
{
    QStringList names;
    for (const SImageRecord& r : list)
        names << (r.key == names.size() ? r.baseName : QString("key %1?").arg(r.key));
    return names.join(' ');
}

CListImages* AddThree()
{
    CListImages* images = CListImages::GetInstance();
    QList<QString> rejected;
    for (const char* name : {"P", "Q", "R"})
        images->AddImage(QString("/x/%1.jpg").arg(name), rejected);
    return images;
}

// Carries a record from a worker thread to the GUI thread through a queued signal.
class Sender : public QObject
{
    Q_OBJECT
signals:
    void Send(SFilterRecord record);
};
} // namespace

class TestJobLists : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void addImage_data();
    void addImage();
    void duplicatesFollowTheList();
    void dragAndDrop_data();
    void dragAndDrop();
    void sort_data();
    void sort();
    void filterListAccess();
    void filterRecordCrossesThreads();
};

void TestJobLists::initTestCase()
{
    CFormatsEnum::GetInstance()->GenerateList();
    SFilterRecord::RegisterMetaType();
}

void TestJobLists::init()
{
    CListImages::DeleteInstance();
    CListFilters::DeleteInstance();
}

void TestJobLists::addImage_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("baseName");
    QTest::addColumn<QString>("extension");
    QTest::newRow("mixed case jpeg") << "/a/b/photo.JpG" << "/a/b" << "photo" << "JpG";
    QTest::newRow("dotted base name") << "/a/b/my.photo.jpg" << "/a/b" << "my.photo" << "jpg";
    QTest::newRow("raw") << "/a/IMG_1.dng" << "/a" << "IMG_1" << "dng";
    QTest::newRow("heic alias") << "/x/y.heic" << "/x" << "y" << "heic";
    // Refused (no folder given): write-only PDF and EPS, no extension, a dotted
    // folder, an unreadable extension, a trailing dot.
    for (const char* path : {"/a/doc.pdf", "/a/doc.EPS", "/a/b/README", "/a/b.jpg/photo",
                             "/a/b/file.tar.gz", "/a/b/photo."})
        QTest::newRow(path) << path << "" << "" << "";
}

void TestJobLists::addImage()
{
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, baseName);
    QFETCH(QString, extension);
    CListImages* images = CListImages::GetInstance();
    QList<QString> rejected;
    QCOMPARE(images->AddImage(path, rejected), !folder.isEmpty());
    if (folder.isEmpty()) {
        QCOMPARE(rejected, QList<QString>{path});
        QVERIFY(images->list.isEmpty());
        return;
    }
    QVERIFY(rejected.isEmpty());
    QCOMPARE(images->list.size(), 1);
    const SImageRecord& record = images->list.first();
    QCOMPARE(QStringList({record.path, record.folder, record.baseName, record.extension}),
             QStringList({path, folder, baseName, extension}));
    QCOMPARE(record.folderIndex, qint64(0));
}

void TestJobLists::duplicatesFollowTheList()
{
    CListImages* images = CListImages::GetInstance();
    QList<QString> rejected;
    QVERIFY(images->AddImage("/p/a.jpg", rejected));
    QVERIFY(!images->AddImage("/p/a.jpg", rejected));
    QVERIFY(rejected.isEmpty()); // a duplicate is no refused file
    QVERIFY(images->AddImage("/p/A.jpg", rejected)); // paths are case-sensitive
    QVERIFY(images->AddImage("/p/b.jpg", rejected));
    QCOMPARE(Names(images->list), QString("a A b")); // run keys are positions

    // Undo and the job reader replace or empty the list directly.
    images->list.clear();
    QVERIFY(images->AddImage("/p/a.jpg", rejected));
    SImageRecord c;
    c.path = "/p/c.jpg";
    images->list = {c};
    QVERIFY(!images->AddImage("/p/c.jpg", rejected));
    QVERIFY(images->AddImage("/p/a.jpg", rejected));
    images->list.removeFirst();
    QVERIFY(images->AddImage("/p/c.jpg", rejected));
}

void TestJobLists::dragAndDrop_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first before third") << 0 << 2 << "Q P R";
    QTest::newRow("first to end") << 0 << 3 << "Q R P";
    QTest::newRow("last to front") << 2 << 0 << "R P Q";
    QTest::newRow("middle to end") << 1 << 3 << "P R Q";
    QTest::newRow("same index") << 1 << 1 << "P Q R";
    QTest::newRow("from out of range") << 5 << 0 << "P Q R";
    QTest::newRow("negative from") << -1 << 0 << "P Q R";
    QTest::newRow("to past end") << 0 << 4 << "P Q R";
    QTest::newRow("negative to") << 0 << -2 << "P Q R";
}

void TestJobLists::dragAndDrop()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, expected);
    CListImages* images = AddThree();
    images->DragAndDrop(from, to);
    QCOMPARE(Names(images->list), expected);

    CListFilters* filters = CListFilters::GetInstance();
    for (quint32 id : {1000u, 2000u, 3000u})
        filters->AddFilter(MakeRecord(id, 1));
    filters->DragAndDrop(from, to);
    QString filterOrder = Ids(filters->list);
    filterOrder.replace("1000", "P").replace("2000", "Q").replace("3000", "R");
    QCOMPARE(filterOrder, expected);
}

void TestJobLists::sort_data()
{
    QTest::addColumn<QList<int>>("order");
    QTest::addColumn<QString>("expected");
    QTest::newRow("reverse") << QList<int>{2, 1, 0} << "R Q P";
    QTest::newRow("rotate") << QList<int>{1, 2, 0} << "Q R P";
    QTest::newRow("identity") << QList<int>{0, 1, 2} << "P Q R";
    QTest::newRow("empty order") << QList<int>{} << "P Q R";
    QTest::newRow("too short") << QList<int>{1, 0} << "P Q R";
    QTest::newRow("repeated entry") << QList<int>{0, 0, 1} << "P Q R";
    QTest::newRow("out of range") << QList<int>{0, 1, 3} << "P Q R";
}

void TestJobLists::sort()
{
    QFETCH(QList<int>, order);
    QFETCH(QString, expected);
    CListImages* images = AddThree();
    images->Sort(order);
    QCOMPARE(Names(images->list), expected);
}

void TestJobLists::filterListAccess()
{
    CListFilters* filters = CListFilters::GetInstance();
    QVERIFY(filters->IsEmpty());
    QCOMPARE(filters->GetRecord(0).filterId, 0u);
    QCOMPARE(filters->GetCurrentRecord().filterId, 0u);

    filters->AddFilter(MakeRecord(1000, 1));
    filters->AddFilter(MakeRecord(2000, 0));
    filters->AddFilter(MakeRecord(5040, 1));
    QCOMPARE(filters->GetActiveCount(), 2);
    QCOMPARE(filters->GetRecord(2).filterId, 5040u);
    QCOMPARE(filters->GetRecord(7).filterId, 0u);

    filters->currentIndex = 1;
    QCOMPARE(filters->GetCurrentRecord().filterId, 2000u);
    filters->currentIndex = 9;
    QCOMPARE(filters->GetCurrentRecord().filterId, 0u);

    QVERIFY(!filters->RemoveFilter(3));
    QCOMPARE(filters->list.size(), 3);
    QVERIFY(filters->RemoveFilter(0));
    QCOMPARE(Ids(filters->list), QString("2000 5040"));
    QCOMPARE(filters->GetActiveCount(), 1);
}

void TestJobLists::filterRecordCrossesThreads()
{
    SFilterRecord record = MakeRecord(1000, 1);
    record.description = "Text";
    record.numParams = 32;
    for (int i = 0; i < SFilterRecord::MaxParams; ++i)
        record.params[i] = i * 1.5 - 7.25;
    record.numTexts = 16;
    for (int i = 0; i < SFilterRecord::MaxTexts; ++i)
        record.texts[i] = QString::fromUtf8("text \u00e9 %1").arg(i);

    Sender sender;
    SFilterRecord got;
    QThread* receivedIn = nullptr;
    QThread worker;
    sender.moveToThread(&worker);
    connect(&sender, &Sender::Send, this, [&](SFilterRecord r) {
        got = r;
        receivedIn = QThread::currentThread();
    }, Qt::QueuedConnection);
    worker.start();
    QMetaObject::invokeMethod(&sender, [&sender, record] { emit sender.Send(record); });
    QTRY_VERIFY(receivedIn != nullptr);
    worker.quit();
    worker.wait();

    QCOMPARE(receivedIn, QThread::currentThread());
    QCOMPARE(got.filterId, record.filterId);
    QCOMPARE(got.name, record.name);
    QCOMPARE(got.description, record.description);
    QCOMPARE(got.numParams, record.numParams);
    QCOMPARE(got.numTexts, record.numTexts);
    QCOMPARE(got.active, record.active);
    for (int i = 0; i < SFilterRecord::MaxParams; ++i)
        QCOMPARE(got.params[i], record.params[i]);
    for (int i = 0; i < SFilterRecord::MaxTexts; ++i)
        QCOMPARE(got.texts[i], record.texts[i]);
}

GB_TEST_MAIN(TestJobLists)
#include "tst_joblists.moc"
