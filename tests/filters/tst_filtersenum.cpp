#include "CFiltersEnum.h"
#include "FilterDescriptions.h"
#include "TestEnv.h"

class TestFiltersEnum : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        CFiltersEnum::DeleteInstance();
    }

    void cleanupTestCase()
    {
        CFiltersEnum::DeleteInstance();
    }

    void offeredRowsInOrder()
    {
        CFiltersEnum* registry = CFiltersEnum::GetInstance();
        QVERIFY(registry->Rows().isEmpty());
        registry->GenerateList();

        struct Expected
        {
            unsigned short id;
            const char* name;
            const char* category;
            int descriptionRow;
            int icon;
        };
        const Expected expected[] = {
            {1000, "Text", "Marks", 3, 2},           {1010, "Logo", "Marks", 4, 3},
            {1020, "Mask", "Marks", 7, 3},           {2001, "Shape Frame", "Border", 5, 0},
            {2002, "Grunge Frame", "Border", 6, 1},  {2003, "Picture Frame", "Border", 8, 2},
            {2004, "Vintage Frame", "Border", 9, 3}, {2010, "Raise", "Border", 11, 4},
            {2020, "Shadow", "Border", 12, 5},       {2030, "Simple Border", "Border", 13, 6},
            {5000, "Auto Rotate", "Transform", 42, 0}, {5020, "Crop", "Transform", 45, 3},
            {5040, "Resize", "Transform", 47, 5},    {5070, "Rotate", "Transform", 50, 8},
        };
        const QList<SFilterTypeRecord>& rows = registry->Rows();
        QCOMPARE(rows.size(), int(std::size(expected)));
        for (int i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i].id, expected[i].id);
            QCOMPARE(rows[i].name, QString(expected[i].name));
            QCOMPARE(rows[i].category, QString(expected[i].category));
            QCOMPARE(rows[i].description, FilterDescription(expected[i].descriptionRow));
            QCOMPARE(rows[i].iconIndex, expected[i].icon);
        }
    }

    void lookUpById_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("icon");
        QTest::newRow("text") << 1000 << "Text" << 2;
        QTest::newRow("mask shares logo icon") << 1020 << "Mask" << 3;
        QTest::newRow("rotate") << 5070 << "Rotate" << 8;
        QTest::newRow("applied but not offered") << 3000 << "" << 0;
        QTest::newRow("polaroid not offered") << 2005 << "" << 0;
        QTest::newRow("zero") << 0 << "" << 0;
        QTest::newRow("unknown") << 9999 << "" << 0;
    }

    void lookUpById()
    {
        QFETCH(int, id);
        QFETCH(QString, name);
        QFETCH(int, icon);
        CFiltersEnum::GetInstance()->GenerateList();
        const SFilterTypeRecord row = CFiltersEnum::GetInstance()->GetRecordById(static_cast<unsigned short>(id));
        QCOMPARE(row.name, name);
        QCOMPARE(row.iconIndex, icon);
        QCOMPARE(int(row.id), name.isEmpty() ? 0 : id);
        if (name.isEmpty()) {
            QVERIFY(row.description.isEmpty());
            QVERIFY(row.category.isEmpty());
        }
    }

    void lookUpByName_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("id");
        QTest::newRow("exact") << "Simple Border" << 2030;
        QTest::newRow("first of list") << "Text" << 1000;
        QTest::newRow("case matters") << "text" << 0;
        QTest::newRow("no trimming") << "Crop " << 0;
        QTest::newRow("empty") << "" << 0;
    }

    void lookUpByName()
    {
        QFETCH(QString, name);
        QFETCH(int, id);
        CFiltersEnum::GetInstance()->GenerateList();
        QCOMPARE(int(CFiltersEnum::GetInstance()->GetRecordByName(name).id), id);
    }

    void recreatedRegistryStartsEmpty()
    {
        CFiltersEnum::GetInstance()->GenerateList();
        QCOMPARE(CFiltersEnum::GetInstance()->Rows().size(), 14);
        CFiltersEnum::DeleteInstance();
        CFiltersEnum::DeleteInstance(); // a second call is harmless
        QVERIFY(CFiltersEnum::GetInstance()->Rows().isEmpty());
        QCOMPARE(int(CFiltersEnum::GetInstance()->GetRecordById(1000).id), 0);
        // Adding appends: the list is not emptied by GenerateList.
        CFiltersEnum::GetInstance()->GenerateList();
        CFiltersEnum::GetInstance()->GenerateList();
        QCOMPARE(CFiltersEnum::GetInstance()->Rows().size(), 28);
    }

    void descriptionTable()
    {
        QCOMPARE(FilterDescription(1), QString("Annotates with a single or multi-line text comment"));
        QCOMPARE(FilterDescription(25),
                 QString("Makes picture look like the photographic film was exposed to light during the "
                         "development process"));
        QCOMPARE(FilterDescription(52), QString("Keep original image format (if possible)"));
        QVERIFY(FilterDescription(0).isEmpty());
        QVERIFY(FilterDescription(53).isEmpty());
        for (int row = 1; row <= FilterDescriptionCount; ++row)
            QVERIFY2(!FilterDescription(row).isEmpty(), qPrintable(QString::number(row)));
    }
};

GB_TEST_MAIN(TestFiltersEnum)
#include "tst_filtersenum.moc"
