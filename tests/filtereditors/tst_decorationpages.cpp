// The settings pages of the decorations: the four frame pages, the simple
// border, the shadow and the raised edge. Defaults, style lists, what a
// record loads as and the unit switch of the border.
#include "CColorPicker.h"
#include "CFilterGrungeFrame.h"
#include "CFilterPictureFrame.h"
#include "CFilterRaise.h"
#include "CFilterShadow.h"
#include "CFilterShapeFrame.h"
#include "CFilterSimpleBorder.h"
#include "CFilterVintageFrame.h"
#include "CFiltersEnum.h"
#include "CImageCache.h"
#include "FilterPageKit.h"
#include "TestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTimer>

#include <memory>

namespace {
using FilterPageKit::Numbers;
using FilterPageKit::Record;

// The frame page of an id, as the settings dialog makes it.
std::unique_ptr<CFilterFrame> FramePage(int id)
{
    switch (id) {
    case 2001:
        return std::make_unique<CFilterShapeFrame>(nullptr, id);
    case 2002:
        return std::make_unique<CFilterGrungeFrame>(nullptr, id);
    case 2003:
        return std::make_unique<CFilterPictureFrame>(nullptr, id);
    default:
        return std::make_unique<CFilterVintageFrame>(nullptr, id);
    }
}

QString PhotoOf(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::gray);
    const QString path = TestEnv::NewFolder("photo") + "/photo.png";
    image.save(path);
    return path;
}
} // namespace

class TestDecorationPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SFilterRecord::RegisterMetaType();
        CFiltersEnum::GetInstance()->GenerateList();
    }

    // ---- frames ----

    void frameLists_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QStringList>("styles");
        QTest::addColumn<int>("stripTop");
        QTest::addColumn<QList<double>>("defaults");
        QTest::newRow("shaped") << 2001
                                << QStringList{"Rectangle", "Elipse", "Star", "Heart", "Cracked Glass", "Shield"} << 0
                                << QList<double>{0, 4294967295, 0, 0, 0};
        QTest::newRow("grunge") << 2002
                                << QStringList{"Grunge 1", "Grunge 2", "Grunge 3", "Grunge 4", "Grunge 5", "Grunge 6"}
                                << 32 << QList<double>{0, 4294967295, 0, 0};
        QTest::newRow("picture") << 2003 << QStringList{"Style 1", "Style 2", "Style 3", "Style 4"} << 64
                                 << QList<double>{0, 4294967295, 0, 0};
        QStringList vintage;
        for (int i = 1; i <= 9; ++i)
            vintage << QString("Style %1").arg(i);
        QTest::newRow("vintage") << 2004 << vintage << 96 << QList<double>{0, 4294967295, 0, 0};
    }

    // The defaults, and each style with the picture of its own cell of the
    // strip.
    void frameLists()
    {
        QFETCH(int, id);
        QFETCH(QStringList, styles);
        QFETCH(int, stripTop);
        QFETCH(QList<double>, defaults);
        auto page = FramePage(id);
        QCOMPARE(page->timer->parent(), page.get());
        page->Initialize();
        QCOMPARE(page->timer->interval(), 0);
        QCOMPARE(Numbers(*page), defaults);
        auto* list = page->findChild<QComboBox*>("comboFrame");
        QCOMPARE(list->iconSize(), QSize(32, 32));
        const QImage strip = CImageCache::GetInstance()->GetAsset("Icons-Frames.png", false, false);
        QCOMPARE(strip.size(), QSize(288, 128));
        QCOMPARE(list->count(), styles.size());
        for (int i = 0; i < styles.size(); ++i) {
            QCOMPARE(list->itemText(i), styles.at(i));
            // Both through a pixmap, which may premultiply the alpha.
            const QImage icon = list->itemIcon(i).pixmap(32, 32).toImage();
            const QImage cell = QPixmap::fromImage(strip.copy(32 * i, stripTop, 32, 32)).toImage();
            QVERIFY2(icon == cell, qPrintable(styles.at(i)));
        }
        auto* edges = page->findChild<QComboBox*>("comboEdges");
        QCOMPARE(edges != nullptr, id == 2001);
        if (edges)
            QCOMPARE(edges->itemText(1), QString("Blurred"));
    }

    // Greyed widgets keep their values and are still saved; a loaded style
    // is rounded half up.
    void frameLoad_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QList<double>>("record");
        QTest::addColumn<QList<double>>("saved");
        QTest::addColumn<bool>("listOpen");
        QTest::addColumn<bool>("colourOpen");
        QTest::newRow("2.5 is the fourth style") << 2002 << QList<double>{2.5, 4278190335, 0, 0}
                                                 << QList<double>{3, 4278190335, 0, 0} << true << true;
        QTest::newRow("2.4 is the third") << 2003 << QList<double>{2.4, 4294967295, 0, 0}
                                          << QList<double>{2, 4294967295, 0, 0} << true << true;
        QTest::newRow("transparent and random") << 2004 << QList<double>{8, 4278255360, 1, 1}
                                                << QList<double>{8, 4278255360, 1, 1} << false << false;
        QTest::newRow("shaped, blurred, random") << 2001 << QList<double>{5, 4294901760, 1, 0, 1}
                                                 << QList<double>{5, 4294901760, 1, 0, 1} << false << true;
        QTest::newRow("style past the list") << 2001 << QList<double>{17, 4294967295, 3, 0, 0}
                                             << QList<double>{5, 4294967295, 1, 0, 0} << true << true;
    }

    void frameLoad()
    {
        QFETCH(int, id);
        QFETCH(QList<double>, record);
        QFETCH(QList<double>, saved);
        QFETCH(bool, listOpen);
        QFETCH(bool, colourOpen);
        auto page = FramePage(id);
        page->Load(Record(record), false);
        QVERIFY(!page->timer->isActive());
        QCOMPARE(Numbers(*page), saved);
        QCOMPARE(page->findChild<QComboBox*>("comboFrame")->isEnabled(), listOpen);
        QCOMPARE(page->findChild<CColorPicker*>("CPBackgroundColor")->isEnabled(), colourOpen);
    }

    void frameSwitchesGreyAndKeep()
    {
        CFilterGrungeFrame page(nullptr, 2002);
        page.Initialize();
        auto* colour = page.findChild<CColorPicker*>("CPBackgroundColor");
        auto* list = page.findChild<QComboBox*>("comboFrame");
        auto* transparent = page.findChild<QCheckBox*>("checkTranspBackground");
        auto* random = page.findChild<QCheckBox*>("checkRandomFrame");
        colour->SetColor(0xFF102030u);
        list->setCurrentIndex(4);
        transparent->click();
        random->click();
        QVERIFY(!colour->isEnabled());
        QVERIFY(!list->isEnabled());
        QCOMPARE(Numbers(page), (QList<double>{4, double(0xFF102030u), 1, 1}));
        QCOMPARE(page.timer->interval(), 500);
        transparent->click();
        random->click();
        QVERIFY(colour->isEnabled());
        QVERIFY(list->isEnabled());
        QCOMPARE(Numbers(page), (QList<double>{4, double(0xFF102030u), 0, 0}));
    }

    // Colour changes in a burst restart the delay: one save, one preview.
    void frameColourBurst()
    {
        CFilterShapeFrame page(nullptr, 2001);
        page.Initialize();
        page.timer->stop();
        QSignalSpy saved(&page, &CFilterFrame::SaveState);
        auto* colour = page.findChild<CColorPicker*>("CPBackgroundColor");
        QElapsedTimer clock;
        clock.start();
        for (const QRgb value : {0xFF0000FFu, 0xFF00FF00u, 0xFFFF0000u}) {
            colour->SetColor(value);
            emit colour->ColorChanged();
        }
        QVERIFY(clock.elapsed() < 300);
        QCOMPARE(page.timer->interval(), 500);
        QVERIFY(saved.wait(10000));
        QVERIFY(!page.timer->isActive());
        QCoreApplication::processEvents();
        QCOMPARE(saved.count(), 1);
        QCOMPARE(saved.first().first().value<SFilterRecord>().params[1], double(0xFFFF0000u));
    }

    // ---- simple border ----

    void borderDefaults()
    {
        CFilterSimpleBorder page(nullptr, 2030);
        QCOMPARE(page.timer->parent(), &page);
        page.Initialize();
        QCOMPARE(page.timer->interval(), 0);
        QCOMPARE(Numbers(page), (QList<double>{100, 100, 100, 100, 0, 4290493439, 1}));
        for (const char* name : {"spinBottom", "spinLeft", "spinRight"})
            QVERIFY(!page.findChild<QSpinBox*>(name)->isEnabled());
        QVERIFY(page.findChild<QSpinBox*>("spinTop")->isEnabled());
        QCOMPARE(page.findChild<QSpinBox*>("spinTop")->maximum(), 30000);
        // Unticked, the three boxes open with their own values.
        page.findChild<QSpinBox*>("spinLeft")->setValue(7);
        page.findChild<QCheckBox*>("checkUniformDimensions")->click();
        QVERIFY(page.findChild<QSpinBox*>("spinLeft")->isEnabled());
        QCOMPARE(Numbers(page), (QList<double>{100, 100, 7, 100, 0, 4290493439, 0}));
    }

    // Whole numbers both ways: 100 px on 4000 x 3000 is 3 % (3.33 and 2.5
    // rounded half up), which comes back as 90 and 120 px.
    void borderUnits_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<double>>("percent");
        QTest::addColumn<QList<double>>("pixels");
        QTest::newRow("4000 x 3000") << 4000 << QList<double>{3, 3, 3, 3, 1, 4290493439, 1}
                                     << QList<double>{90, 90, 120, 120, 0, 4290493439, 1};
        QTest::newRow("no photo") << 0 << QList<double>{100, 100, 100, 100, 1, 4290493439, 1}
                                  << QList<double>{100, 100, 100, 100, 0, 4290493439, 1};
    }

    void borderUnits()
    {
        QFETCH(int, width);
        QFETCH(QList<double>, percent);
        QFETCH(QList<double>, pixels);
        CFilterSimpleBorder page(nullptr, 2030);
        if (width)
            page.imageRecord.path = PhotoOf(width, 3000);
        page.PingImage();
        page.Load(Record({100, 100, 100, 100, 0, 4290493439, 1}), true);
        page.timer->stop();
        auto* unit = page.findChild<QComboBox*>("comboDimensions");
        unit->setCurrentIndex(1);
        emit unit->activated(1);
        QCOMPARE(Numbers(page), percent);
        QCOMPARE(page.timer->isActive(), width != 0); // only a change of value restarts it
        unit->setCurrentIndex(0);
        emit unit->activated(0);
        QCOMPARE(Numbers(page), pixels);
    }

    // ---- shadow and raise ----

    void shadow()
    {
        CFilterShadow page(nullptr, 2020);
        page.Initialize();
        QCOMPARE(page.timer->interval(), 0);
        QCOMPARE(Numbers(page), (QList<double>{50, 50, 4278190080, 0}));
        // The first value is the shadow's opacity: higher is darker.
        QCOMPARE(page.findChild<QLabel*>("label_2")->text(), QString("Opacity"));
        page.findChild<QSlider*>("sliderTransparency")->setValue(80);
        QCOMPARE(page.findChild<QSpinBox*>("spinTransparency")->value(), 80);
        page.findChild<QSpinBox*>("spinSize")->setValue(30);
        QCOMPARE(page.findChild<QSlider*>("sliderSize")->value(), 30);
        QCOMPARE(page.timer->interval(), 1000);

        page.Load(Record({150, 24.5, 4294901760, 1}), true);
        QCOMPARE(Numbers(page), (QList<double>{99, 25, 4294901760, 1}));
        QCOMPARE(page.findChild<QSlider*>("sliderTransparency")->value(), 99);
        QCOMPARE(page.findChild<QSlider*>("sliderSize")->value(), 25);
    }

    void raise()
    {
        CFilterRaise page(nullptr, 2010);
        page.Initialize();
        QCOMPARE(Numbers(page), (QList<double>{20, 1}));
        QCOMPARE(page.findChild<QComboBox*>("comboEffect")->currentText(), QString("Raise"));
        QCOMPARE(page.findChild<QSlider*>("sliderBorder")->value(), 20);
        QCOMPARE(page.timer->interval(), 0);

        page.Load(Record({35.5, 0}), true);
        QCOMPARE(Numbers(page), (QList<double>{36, 0}));
        QCOMPARE(page.findChild<QComboBox*>("comboEffect")->currentText(), QString("Lower"));
        QCOMPARE(page.findChild<QSlider*>("sliderBorder")->value(), 36);
        QCOMPARE(page.timer->interval(), 0);
        page.Load(Record({500, 7}), true);
        QCOMPARE(Numbers(page), (QList<double>{99, 1}));

        page.findChild<QComboBox*>("comboEffect")->setCurrentIndex(0);
        QCOMPARE(page.timer->interval(), 500);
    }
};

GB_TEST_MAIN(TestDecorationPages)
#include "tst_decorationpages.moc"
