// The filter picker: the gallery of the registry's filter types, the
// category buttons and the chosen name.
#include "CDialogFilterSelection.h"
#include "CFiltersEnum.h"
#include "CImageCache.h"
#include "CListThumb.h"
#include "CPromptSeam.h"
#include "TestEnv.h"

#include <QPushButton>
#include <QTimer>
#include <QToolButton>

#include <functional>

namespace {
int RunPicker(CDialogFilterSelection& picker, const std::function<void()>& script)
{
    QTimer::singleShot(0, &picker, [&picker, script] {
        script();
        if (picker.isVisible())
            picker.reject();
    });
    return picker.exec();
}

// Pixels compared premultiplied, as icons hold them.
QImage Pixels(const QIcon& icon, int side)
{
    QImage image = icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1);
    return image;
}

QImage StripCell(const QString& strip, int side, int column, int row)
{
    const QImage image = CImageCache::GetInstance()->GetAsset(strip, false, true);
    QImage cell = image.copy(column * side, row * side, side, side).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    cell.setDevicePixelRatio(1);
    return cell;
}

QStringList Names(CListThumb* list)
{
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}
} // namespace

class TestFilterPicker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        CFiltersEnum::GetInstance()->GenerateList();
    }

    void galleryByCategory_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("category");
        QTest::newRow("all") << "buttonAllFilters" << 0;
        QTest::newRow("marks") << "buttonMarks" << 1;
        QTest::newRow("decorations") << "buttonDecorations" << 2;
        QTest::newRow("transforms") << "buttonTransform" << 5;
    }

    void galleryByCategory()
    {
        QFETCH(QString, button);
        QFETCH(int, category);
        CDialogFilterSelection picker;
        auto* list = picker.findChild<CListThumb*>("listFilters");
        QStringList expected;
        for (const SFilterTypeRecord& row : CFiltersEnum::GetInstance()->Rows())
            if (category == 0 || row.id / 1000 == category)
                expected << row.name;
        if (category != 0) {
            picker.findChild<QToolButton*>("buttonAllFilters")->click();
            list->setCurrentRow(0);
        }
        picker.findChild<QToolButton*>(button)->click();
        QCOMPARE(Names(list), expected);
        QCOMPARE(list->count(), category == 0 ? 14 : expected.size());
        QCOMPARE(list->Records()->size(), qsizetype(expected.size())); // records go with the items
        QVERIFY(list->selectedItems().isEmpty());
        for (const char* name : {"buttonAllFilters", "buttonMarks", "buttonDecorations", "buttonTransform"})
            QCOMPARE(picker.findChild<QToolButton*>(name)->isChecked(), button == name);
        QCOMPARE(list->item(0)->sizeHint(), QSize(105, 100));
        QCOMPARE(list->item(0)->toolTip(), CFiltersEnum::GetInstance()->GetRecordByName(expected.first()).description);
    }

    // Each item shows its cell of the 64-pixel strip, whose category rows
    // are read in the order 0, 1, 5, 4, 3, 2.
    void itemIcons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("stripRow");
        QTest::newRow("text") << "Text" << 2 << 1;
        QTest::newRow("mask") << "Mask" << 3 << 1;
        QTest::newRow("shadow") << "Shadow" << 5 << 5;
        QTest::newRow("simple border") << "Simple Border" << 6 << 5;
        QTest::newRow("resize") << "Resize" << 5 << 2;
        QTest::newRow("rotate") << "Rotate" << 8 << 2;
    }

    void itemIcons()
    {
        QFETCH(QString, name);
        QFETCH(int, column);
        QFETCH(int, stripRow);
        CDialogFilterSelection picker;
        QCOMPARE(picker.iconColumns, 18);
        QCOMPARE(picker.iconRows, 6);
        auto* list = picker.findChild<CListThumb*>("listFilters");
        const int row = int(Names(list).indexOf(name));
        QVERIFY(row >= 0);
        const QImage cell = StripCell("Icons-Filters-64.png", 64, column, stripRow);
        QVERIFY(!cell.isNull());
        QCOMPARE(Pixels(list->item(row)->icon(), 64), cell);
        // The transform button's icon is cell (5, 2) of the 48-pixel strip.
        QCOMPARE(Pixels(picker.findChild<QToolButton*>("buttonTransform")->icon(), 48),
                 StripCell("Icons-Filters-48.png", 48, 5, 2));
    }

    void okWithoutSelectionWarns()
    {
        QStringList warnings;
        CPromptSeam::SetWarningAnswerer([&](const QString& text) { warnings << text; });
        CDialogFilterSelection picker;
        bool stayedOpen = false;
        const int result = RunPicker(picker, [&] {
            picker.findChild<QPushButton*>("Ok")->click();
            stayedOpen = picker.isVisible();
        });
        CPromptSeam::Reset();
        QCOMPARE(warnings, QStringList{"No filter selected"});
        QVERIFY(stayedOpen);
        QCOMPARE(result, int(QDialog::Rejected));
        QVERIFY(picker.selectedFilterName.isEmpty());
    }

    // OK on a selected item, or activating it (a double-click or Enter),
    // accepts with its name; Cancel chooses nothing.
    void choosing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("OK") << "ok" << "Resize";
        QTest::newRow("Enter on the item") << "enter" << "Resize";
        QTest::newRow("item activated") << "activated" << "Resize";
        QTest::newRow("Cancel") << "cancel" << "";
    }

    void choosing()
    {
        QFETCH(QString, how);
        QFETCH(QString, chosen);
        CDialogFilterSelection picker;
        auto* list = picker.findChild<CListThumb*>("listFilters");
        const int result = RunPicker(picker, [&] {
            list->setCurrentRow(int(Names(list).indexOf("Resize")));
            if (how == "activated")
                emit list->activated(list->currentIndex());
            else if (how == "enter")
                QTest::keyClick(list, Qt::Key_Return);
            else
                picker.findChild<QPushButton*>(how == "ok" ? "Ok" : "Cancel")->click();
        });
        QCOMPARE(result, int(chosen.isEmpty() ? QDialog::Rejected : QDialog::Accepted));
        QCOMPARE(picker.selectedFilterName, chosen);
    }
};

GB_TEST_MAIN(TestFilterPicker)
#include "tst_filterpicker.moc"
