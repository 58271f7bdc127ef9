// The settings pages of the marks: text, logo and mask. Defaults, what a
// record loads as, the dialogs they open and the drag results they take.
#include "CColorPicker.h"
#include "CFilterCustomMask.h"
#include "CFilterLogo.h"
#include "CFilterText.h"
#include "CFiltersEnum.h"
#include "Common.h"
#include "Platform.h"
#include "TestEnv.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDial>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFontInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <memory>

namespace {
const QList<double> kTextDefaults = {1, 7, 0, 100, 0, 0, 0, 0, 0, 48, 0, 0, 0, 0, 4282568191, 0,
                                     20, 0, 1, 4278190080, 10, 1, 0, 4294967295, 0, 10, 1, 4278190080, 50, 15, 315, 5};
const QList<double> kLogoDefaults = {8, 50, 50, 0, 0, 0, 100, 0, 15, 0,
                                     0, 4278190080, 10, 1, 1, 4278190080, 50, 15, 315, 5};

QString SamplePath()
{
    return QString(GetResourcesFolder() + "/Sample.png").replace('\\', '/');
}

SFilterRecord Saved(CFilterUI& page)
{
    SFilterRecord record;
    page.Save(record);
    return record;
}

QList<double> Numbers(const SFilterRecord& record)
{
    return QList<double>(record.params, record.params + record.numParams);
}

QStringList Texts(const SFilterRecord& record)
{
    return QStringList(record.texts, record.texts + record.numTexts);
}

SFilterRecord Record(const QList<double>& numbers, const QStringList& texts)
{
    SFilterRecord record;
    record.numParams = quint8(numbers.size());
    std::copy(numbers.begin(), numbers.end(), record.params);
    record.numTexts = quint8(texts.size());
    std::copy(texts.begin(), texts.end(), record.texts);
    return record;
}

void RemoveSetting(const QString& key)
{
    QSettings(OrganizationName(), ApplicationName()).remove(key);
}

// Answers the next modal dialog of type T from the event loop: `answer` runs
// on it and closes it. A dialog of another type is closed, so that no test
// waits on it.
template <typename T>
void AnswerDialog(std::function<void(T*)> answer, bool* seen)
{
    QTimer::singleShot(0, [answer, seen] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<T*>(modal);
        if (!dialog) {
            if (modal)
                modal->close();
            return;
        }
        *seen = true;
        answer(dialog);
    });
}

// Picks `file` in the next file dialog (cancels when empty); the folder it
// opened on and its title are kept.
void AnswerFileDialog(const QString& file, QString* openedOn, QString* title, bool* seen)
{
    AnswerDialog<QFileDialog>(
        [=](QFileDialog* dialog) {
            *openedOn = dialog->directory().absolutePath();
            *title = dialog->windowTitle();
            if (file.isEmpty()) {
                dialog->reject();
            } else {
                dialog->selectFile(file);
                QMetaObject::invokeMethod(dialog, "accept"); // protected in QFileDialog
            }
        },
        seen);
}

QString MakeImage(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::red);
    image.save(path);
    return path;
}
} // namespace

class TestMarkPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SFilterRecord::RegisterMetaType();
        CFiltersEnum::GetInstance()->GenerateList();
    }

    // ---- text ----

    void textDefaults()
    {
        CFilterText page(nullptr, 1000);
        QCOMPARE(page.timer->parent(), &page);
        QCOMPARE(page.findChild<QTabWidget*>("tabWidget")->currentIndex(), 0);
        page.Initialize();
        QVERIFY(page.timer->isActive());
        QCOMPARE(page.timer->interval(), 0);
        const SFilterRecord saved = Saved(page);
        QCOMPARE(Numbers(saved), kTextDefaults);
        QCOMPARE(Texts(saved), QStringList({"Copyright [Copyright] Tarn&Willow", "Arial-Regular", SamplePath()}));
        QCOMPARE(page.findChild<QComboBox*>("comboPlacement")->currentText(), QString("Bottom-Center"));
        QCOMPARE(page.findChild<QComboBox*>("comboAlignment")->currentText(), QString("Align Center"));
        QVERIFY(page.findChild<QLineEdit*>("editTexturePath")->isHidden());
        // Tile, texture and box off; stroke and shadow on.
        QVERIFY(page.findChild<QComboBox*>("comboPlacement")->isEnabled());
        QVERIFY(!page.findChild<QSlider*>("sliderTileOffsetX")->isEnabled());
        QVERIFY(page.findChild<CColorPicker*>("CPFontColor")->isEnabled());
        QVERIFY(!page.findChild<QPushButton*>("buttonBrowseTexture")->isEnabled());
        QVERIFY(!page.findChild<QSpinBox*>("spinBoxAlpha")->isEnabled());
        QVERIFY(page.findChild<QSpinBox*>("spinStrokeWidth")->isEnabled());
        QVERIFY(page.findChild<QDial*>("dialShadowAngle")->isEnabled());
    }

    // Each keyword appends its tag at the very end, wherever the cursor is;
    // an unknown id appends nothing.
    void textKeywords_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("tag");
        QTest::newRow("Symbols") << 103 << "[Servicemark]";
        QTest::newRow("File") << 203 << "[Path]";
        QTest::newRow("Origin") << 302 << "[OriginDate]";
        QTest::newRow("Image") << 400 << "[ImageDimensions]";
        QTest::newRow("Camera") << 505 << "[CameraFocalLength]";
        QTest::newRow("GPS") << 602 << "[GPSAltitude]";
        QTest::newRow("unknown") << 999 << "";
    }

    void textKeywords()
    {
        QFETCH(int, id);
        QFETCH(QString, tag);
        CFilterText page(nullptr, 1000);
        page.Initialize();
        auto* editor = page.findChild<QPlainTextEdit*>("editText");
        editor->setPlainText("two\nlines");
        editor->moveCursor(QTextCursor::Start);
        page.timer->stop();
        page.SlotKeyword(id);
        QCOMPARE(editor->toPlainText(), "two\nlines" + tag);
        QCOMPARE(Saved(page).texts[0], "two\nlines" + tag);
    }

    // The road through the menu: the button's pop-up, a submenu, an action.
    void textKeywordMenu()
    {
        CFilterText page(nullptr, 1000);
        page.Initialize();
        page.show();
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            seen = true;
            QStringList titles;
            for (QAction* action : menu->actions())
                titles << action->text();
            QCOMPARE(titles, QStringList({"Symbols", "File", "Origin", "Image", "Camera", "GPS"}));
            QMenu* file = menu->actions().at(1)->menu();
            QCOMPARE(file->actions().at(3)->text(), QString("Source Path"));
            file->actions().at(3)->trigger();
            menu->close();
        });
        page.findChild<QPushButton*>("buttonAddKeyword")->click();
        QVERIFY(seen);
        QCOMPARE(page.findChild<QPlainTextEdit*>("editText")->toPlainText(),
                 QString("Copyright [Copyright] Tarn&Willow[Path]"));
        QCOMPARE(page.timer->interval(), 1000);
    }

    // The font dialog opens on the page's font; its choice reaches the
    // record, Cancel changes nothing.
    void textFontDialog_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accepted") << true;
        QTest::newRow("cancelled") << false;
    }

    void textFontDialog()
    {
        QFETCH(bool, accept);
        CFilterText page(nullptr, 1000);
        page.Initialize();
        page.timer->stop();
        bool seen = false;
        int openedAt = 0;
        AnswerDialog<QFontDialog>(
            [&](QFontDialog* dialog) {
                openedAt = dialog->currentFont().pointSize();
                QFont font("DejaVu Sans", 20);
                font.setWeight(QFont::Bold);
                font.setItalic(true);
                dialog->setCurrentFont(font);
                accept ? dialog->accept() : dialog->reject();
            },
            &seen);
        page.findChild<QPushButton*>("buttonFont")->click();
        QVERIFY(seen);
        QCOMPARE(openedAt, 48);
        const SFilterRecord saved = Saved(page);
        if (accept) {
            QCOMPARE(saved.texts[1], QString("DejaVu Sans"));
            QCOMPARE(saved.params[9], 20.0);
            QCOMPARE(saved.params[10], 1.0);
            QCOMPARE(saved.params[11], 1.0);
            QCOMPARE(page.timer->interval(), 1000);
            QVERIFY(page.timer->isActive());
        } else {
            QCOMPARE(Numbers(saved), kTextDefaults);
            QCOMPARE(saved.texts[1], QString("Arial-Regular"));
            QVERIFY(!page.timer->isActive());
        }
    }

    // The font dialog opens, untitled and over the page, on the mark's size,
    // weight and slant, in the mark's family or, where that is not
    // installed, the family Qt puts in its place; OK without a change
    // leaves the mark's font as it was.
    void textFontDialogOpensOnTheMark_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::newRow("the default, not installed") << "Arial-Regular" << false << false;
        QTest::newRow("not installed, bold italic") << "Arial-Regular" << true << true;
        QTest::newRow("installed, regular") << "DejaVu Sans" << false << false;
        QTest::newRow("installed, italic") << "DejaVu Sans" << false << true;
        QTest::newRow("installed, bold") << "DejaVu Serif" << true << false;
    }

    void textFontDialogOpensOnTheMark()
    {
        QFETCH(QString, family);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        CFilterText page(nullptr, 1000);
        SFilterRecord record = Record(kTextDefaults, {"x", family, SamplePath()});
        record.params[9] = 36;
        record.params[10] = bold ? 1 : 0;
        record.params[11] = italic ? 1 : 0;
        page.Load(record, true);
        page.timer->stop();
        const SFilterRecord before = Saved(page);
        bool seen = false;
        QString title = "unseen";
        QWidget* parent = nullptr;
        QFont opened;
        AnswerDialog<QFontDialog>(
            [&](QFontDialog* dialog) {
                title = dialog->windowTitle();
                parent = dialog->parentWidget();
                opened = dialog->currentFont();
                dialog->accept();
            },
            &seen);
        page.findChild<QPushButton*>("buttonFont")->click();
        QVERIFY(seen);
        QCOMPARE(opened.family(), QFontInfo(QFont(family)).family());
        QCOMPARE(opened.pointSize(), 36);
        QCOMPARE(opened.weight() > QFont::Medium, bold);
        QCOMPARE(opened.style() != QFont::StyleNormal, italic);
        const SFilterRecord after = Saved(page);
        QCOMPARE(Texts(after), Texts(before));
        QCOMPARE(Numbers(after), Numbers(before));
        QCOMPARE(parent, &page);
        QCOMPARE(title, QString());
    }

    // What a chosen font is stored as: bold above Medium, italic for any
    // slanted style.
    void textChosenFont_data()
    {
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("style");
        QTest::addColumn<double>("bold");
        QTest::addColumn<double>("italic");
        QTest::newRow("Medium is not bold") << int(QFont::Medium) << int(QFont::StyleNormal) << 0.0 << 0.0;
        QTest::newRow("DemiBold is bold") << int(QFont::DemiBold) << int(QFont::StyleNormal) << 1.0 << 0.0;
        QTest::newRow("Black italic") << int(QFont::Black) << int(QFont::StyleItalic) << 1.0 << 1.0;
        QTest::newRow("oblique") << int(QFont::Normal) << int(QFont::StyleOblique) << 0.0 << 1.0;
    }

    void textChosenFont()
    {
        QFETCH(int, weight);
        QFETCH(int, style);
        QFETCH(double, bold);
        QFETCH(double, italic);
        CFilterText page(nullptr, 1000);
        page.Initialize();
        QFont font("DejaVu Sans", 30);
        font.setWeight(QFont::Weight(weight));
        font.setStyle(QFont::Style(style));
        font.setUnderline(true);
        page.TakeChosenFont(font);
        const SFilterRecord saved = Saved(page);
        QCOMPARE(saved.params[9], 30.0);
        QCOMPARE(saved.params[10], bold);
        QCOMPARE(saved.params[11], italic);
        QCOMPARE(saved.params[12], 1.0);
        QCOMPARE(saved.params[13], 0.0);
    }

    // A point size below 1 from a job file loads as 1: the font dialog then
    // opens on a real font, and 1 is saved back.
    void textFontSizeBelowOne_data()
    {
        QTest::addColumn<double>("stored");
        QTest::addColumn<double>("loaded");
        QTest::newRow("0") << 0.0 << 1.0;
        QTest::newRow("0.9") << 0.9 << 1.0;
        QTest::newRow("negative") << -12.0 << 1.0;
        QTest::newRow("fraction truncated") << 12.7 << 12.0;
    }

    void textFontSizeBelowOne()
    {
        QFETCH(double, stored);
        QFETCH(double, loaded);
        CFilterText page(nullptr, 1000);
        SFilterRecord record = Record(kTextDefaults, {"x", "DejaVu Sans", SamplePath()});
        record.params[9] = stored;
        page.Load(record, true);
        QCOMPARE(Saved(page).params[9], loaded);
        QTest::failOnWarning(QRegularExpression("size"));
        bool seen = false;
        int openedAt = 0;
        AnswerDialog<QFontDialog>(
            [&](QFontDialog* dialog) {
                openedAt = dialog->currentFont().pointSize();
                dialog->reject();
            },
            &seen);
        page.findChild<QPushButton*>("buttonFont")->click();
        QVERIFY(seen);
        QCOMPARE(openedAt, int(loaded));
    }

    // Dependent widgets follow their switches; the twins follow each other.
    void textDependentWidgets()
    {
        CFilterText page(nullptr, 1000);
        page.Initialize();
        page.findChild<QCheckBox*>("checkUseTile")->click();
        QVERIFY(!page.findChild<QComboBox*>("comboPlacement")->isEnabled());
        QVERIFY(!page.findChild<QSpinBox*>("spinDeltaY")->isEnabled());
        QVERIFY(page.findChild<QSlider*>("sliderTileOffsetY")->isEnabled());
        page.findChild<QCheckBox*>("checkUseTexture")->click();
        QVERIFY(!page.findChild<CColorPicker*>("CPFontColor")->isEnabled());
        QVERIFY(page.findChild<QPushButton*>("buttonBrowseTexture")->isEnabled());
        QVERIFY(page.findChild<QLineEdit*>("editTexturePath")->isHidden());
        auto* spin = page.findChild<QSpinBox*>("spinRotation");
        spin->setValue(359);
        spin->stepUp();
        QCOMPARE(spin->value(), 0);
        QCOMPARE(page.findChild<QDial*>("dialRotation")->value(), 0);
        page.findChild<QDial*>("dialShadowAngle")->setValue(90);
        QCOMPARE(page.findChild<QSpinBox*>("spinShadowAngle")->value(), 90);
        const SFilterRecord saved = Saved(page);
        QCOMPARE(saved.params[6], 1.0);
        QCOMPARE(saved.params[15], 1.0);
        QCOMPARE(saved.params[3], 100.0); // a disabled value is still saved
        QCOMPARE(saved.params[30], 90.0);
    }

    // ---- logo ----

    void logoDefaults()
    {
        CFilterLogo page(nullptr, 1010);
        QCOMPARE(page.timer->parent(), &page);
        page.Initialize();
        QVERIFY(page.timer->isActive());
        QCOMPARE(page.timer->interval(), 0);
        const SFilterRecord saved = Saved(page);
        QCOMPARE(Numbers(saved), kLogoDefaults);
        QCOMPARE(Texts(saved), QStringList{SamplePath()});
        QVERIFY(QFileInfo::exists(saved.texts[0]));
        QCOMPARE(page.findChild<QComboBox*>("comboPlacement")->currentText(), QString("Bottom-Right"));
        QVERIFY(!page.findChild<QSlider*>("sliderTileOffsetX")->isEnabled());
        QVERIFY(!page.findChild<QSpinBox*>("spinStrokeAlpha")->isEnabled());
        QVERIFY(page.findChild<QSlider*>("sliderShadowBlur")->isEnabled());
    }

    // Tile on disables the placement, whose values are still saved; a path
    // typed with backslashes is saved with "/"; fractions are truncated.
    void logoLoadAndSave()
    {
        CFilterLogo page(nullptr, 1010);
        QList<double> numbers = kLogoDefaults;
        numbers[1] = 49.9;   // delta X
        numbers[3] = 1;      // tile
        numbers[8] = 33.5;   // transparency
        numbers[9] = 2;      // blur
        numbers[10] = 0.25;  // stroke on
        page.Load(Record(numbers, {"C:/logos/mark.png"}), true);
        QVERIFY(!page.findChild<QComboBox*>("comboPlacement")->isEnabled());
        QVERIFY(!page.findChild<QSpinBox*>("spinDeltaX")->isEnabled());
        QVERIFY(page.findChild<QSlider*>("sliderTileOffsetY")->isEnabled());
        QVERIFY(page.findChild<QSpinBox*>("spinStrokeWidth")->isEnabled());
        QCOMPARE(page.findChild<QSpinBox*>("spinTransparency")->value(), 33);
        QCOMPARE(page.findChild<QSlider*>("sliderBlur")->value(), 2);
        page.findChild<QLineEdit*>("editImagePath")->setText("C:\\logos\\other.png");
        const SFilterRecord saved = Saved(page);
        QCOMPARE(saved.params[0], 8.0);
        QCOMPARE(saved.params[1], 49.0);
        QCOMPARE(saved.params[8], 33.0);
        QCOMPARE(saved.params[9], 2.0);
        QCOMPARE(saved.params[10], 1.0);
        QCOMPARE(saved.texts[0], QString("C:/logos/other.png"));
    }

    // ---- mask ----

    void maskDefaults()
    {
        RemoveSetting("GUI/Filter.WatermarkMask.MaskPath");
        RemoveSetting("GUI/Filter.WatermarkMask.MaskPortraitPath");
        {
            CFilterCustomMask page(nullptr, 1020);
            QCOMPARE(page.timer->parent(), &page);
            page.Initialize();
            QVERIFY(page.timer->isActive());
            QVERIFY(page.findChild<QRadioButton*>("radioRotateMask")->isChecked());
            QVERIFY(!page.findChild<QLineEdit*>("editMaskPortrait")->isEnabled());
            QVERIFY(!page.findChild<QPushButton*>("buttonBrowsePortrait")->isEnabled());
            const SFilterRecord saved = Saved(page);
            QCOMPARE(Numbers(saved), QList<double>({1, 0}));
            QCOMPARE(Texts(saved), QStringList({"", ""}));
        }
        // A new mask starts with the files chosen last.
        SetRegistryString("GUI/Filter.WatermarkMask.MaskPath", "/masks/a.png");
        SetRegistryString("GUI/Filter.WatermarkMask.MaskPortraitPath", "/masks/b.png");
        CFilterCustomMask page(nullptr, 1020);
        page.Initialize();
        QCOMPARE(Texts(Saved(page)), QStringList({"/masks/a.png", "/masks/b.png"}));
    }

    void maskLoad_data()
    {
        QTest::addColumn<double>("choice");
        QTest::addColumn<double>("alpha");
        QTest::addColumn<bool>("rotate");
        QTest::addColumn<int>("shownAlpha");
        QTest::newRow("0.4 is the portrait mask") << 0.4 << 0.0 << false << 0;
        QTest::newRow("0.5 turns the mask") << 0.5 << 0.0 << true << 0;
        QTest::newRow("alpha 33.5 rounds up") << 1.0 << 33.5 << true << 34;
        QTest::newRow("alpha 33.4 rounds down") << 0.0 << 33.4 << false << 33;
        QTest::newRow("-1 is not 0") << -1.0 << 250.0 << true << 100;
    }

    void maskLoad()
    {
        QFETCH(double, choice);
        QFETCH(double, alpha);
        QFETCH(bool, rotate);
        QFETCH(int, shownAlpha);
        CFilterCustomMask page(nullptr, 1020);
        QSignalSpy saved(&page, SIGNAL(SaveState(SFilterRecord)));
        page.Load(Record({choice, alpha}, {"C:\\m\\land.png", "/m/portrait.png"}), false);
        QCOMPARE(saved.count(), 0); // the mask is never dragged: nothing to store
        QVERIFY(!page.timer->isActive());
        QCOMPARE(page.findChild<QRadioButton*>("radioRotateMask")->isChecked(), rotate);
        QCOMPARE(page.findChild<QRadioButton*>("radioDifferentMask")->isChecked(), !rotate);
        QCOMPARE(page.findChild<QLineEdit*>("editMaskPortrait")->isEnabled(), !rotate);
        const SFilterRecord record = Saved(page);
        QCOMPARE(Numbers(record), QList<double>({rotate ? 1.0 : 0.0, double(shownAlpha)}));
        QCOMPARE(Texts(record), QStringList({"C:/m/land.png", "/m/portrait.png"}));
    }

    // ---- all three ----

    // A drag result: the widgets show it, one SaveState carries it as
    // received, and no preview starts.
    void dragResult_data()
    {
        QTest::addColumn<int>("filterId");
        QTest::newRow("text") << 1000;
        QTest::newRow("logo") << 1010;
    }

    void dragResult()
    {
        QFETCH(int, filterId);
        std::unique_ptr<QWidget> widget;
        CFilterUI* page = nullptr;
        QTimer* timer = nullptr;
        SFilterRecord moved;
        int deltaX = 0;
        if (filterId == 1000) {
            auto* text = new CFilterText(nullptr, filterId);
            widget.reset(text);
            page = text;
            timer = text->timer;
            moved = Record(kTextDefaults, {"moved", "DejaVu Sans", SamplePath()});
            moved.params[2] = -37;
            moved.params[3] = 212.6;
            moved.params[9] = 31;
            deltaX = 2;
        } else {
            auto* logo = new CFilterLogo(nullptr, filterId);
            widget.reset(logo);
            page = logo;
            timer = logo->timer;
            moved = Record(kLogoDefaults, {SamplePath()});
            moved.params[1] = -37;
            moved.params[2] = 212.6;
            moved.params[6] = 250;
            deltaX = 1;
        }
        moved.filterId = quint32(filterId);
        page->Initialize();
        QSignalSpy saved(widget.get(), SIGNAL(SaveState(SFilterRecord)));
        QVERIFY(saved.wait(5000)); // the first preview cycle
        saved.clear();
        QVERIFY(!timer->isActive());

        page->Load(moved, false);
        QCOMPARE(saved.count(), 1);
        const auto stored = saved.at(0).at(0).value<SFilterRecord>();
        QCOMPARE(stored.filterId, moved.filterId);
        QCOMPARE(Numbers(stored), Numbers(moved));
        QCOMPARE(Texts(stored), Texts(moved));
        QVERIFY(!timer->isActive());
        QCOMPARE(widget->findChild<QSpinBox*>("spinDeltaX")->value(), -37);
        QCOMPARE(Saved(*page).params[deltaX], -37.0);
        QCOMPARE(Saved(*page).params[deltaX + 1], 212.0);

        // Edits after it are armed again.
        widget->findChild<QSpinBox*>("spinDeltaX")->setValue(5);
        QVERIFY(timer->isActive());
    }

    // Edits restart the page timer with their delay; typing a mask path does not.
    void editDelays_data()
    {
        QTest::addColumn<int>("filterId");
        QTest::addColumn<QString>("widget");
        QTest::addColumn<int>("delay"); // 0: the timer stays stopped
        QTest::newRow("text offset") << 1000 << "spinDeltaX" << 1000;
        QTest::newRow("text editor") << 1000 << "editText" << 1000;
        QTest::newRow("logo dial") << 1010 << "dialRotation" << 500;
        QTest::newRow("logo rotation box") << 1010 << "spinRotation" << 1000;
        QTest::newRow("mask alpha") << 1020 << "spinAlpha" << 500;
        QTest::newRow("mask path typed") << 1020 << "editMask" << 0;
    }

    void editDelays()
    {
        QFETCH(int, filterId);
        QFETCH(QString, widget);
        QFETCH(int, delay);
        std::unique_ptr<QWidget> page;
        QTimer* timer = nullptr;
        if (filterId == 1000) {
            auto* text = new CFilterText(nullptr, filterId);
            text->Initialize();
            timer = text->timer;
            page.reset(text);
        } else if (filterId == 1010) {
            auto* logo = new CFilterLogo(nullptr, filterId);
            logo->Initialize();
            timer = logo->timer;
            page.reset(logo);
        } else {
            auto* mask = new CFilterCustomMask(nullptr, filterId);
            mask->Initialize();
            timer = mask->timer;
            page.reset(mask);
        }
        timer->stop();
        QWidget* target = page->findChild<QWidget*>(widget);
        QVERIFY(target);
        if (auto* spin = qobject_cast<QSpinBox*>(target))
            spin->setValue(spin->value() + 1);
        else if (auto* dial = qobject_cast<QDial*>(target))
            dial->setValue(dial->value() == 0 ? 1 : 0);
        else if (auto* edit = qobject_cast<QPlainTextEdit*>(target))
            edit->insertPlainText("x");
        else if (auto* line = qobject_cast<QLineEdit*>(target))
            QTest::keyClicks(line, "x");
        QCOMPARE(timer->isActive(), delay > 0);
        if (delay > 0)
            QCOMPARE(timer->interval(), delay);
    }

    // The file dialogs: where they open, what is shown and saved, and what
    // is remembered; Cancel changes nothing.
    void browse_data()
    {
        QTest::addColumn<int>("filterId");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("wholePath"); // the key keeps the file, not its folder
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("cancel");
        QTest::newRow("text texture") << 1000 << "buttonBrowseTexture" << "GUI/WatermarkTextTexturePath" << false
                                      << "Select Watermark Image" << false;
        QTest::newRow("text texture cancelled") << 1000 << "buttonBrowseTexture"
                                                << "GUI/WatermarkTextTexturePath" << false
                                                << "Select Watermark Image" << true;
        QTest::newRow("logo") << 1010 << "buttonBrowse" << "GUI/WatermarkImagePath" << false
                              << "Select Watermark Image" << false;
        QTest::newRow("logo cancelled") << 1010 << "buttonBrowse" << "GUI/WatermarkImagePath" << false
                                        << "Select Watermark Image" << true;
        QTest::newRow("mask") << 1020 << "buttonBrowse" << "GUI/Filter.WatermarkMask.MaskPath" << true
                              << "Select Mask" << false;
        QTest::newRow("portrait mask") << 1020 << "buttonBrowsePortrait"
                                       << "GUI/Filter.WatermarkMask.MaskPortraitPath" << true << "Select Mask"
                                       << false;
        QTest::newRow("mask cancelled") << 1020 << "buttonBrowse" << "GUI/Filter.WatermarkMask.MaskPath" << true
                                        << "Select Mask" << true;
    }

    void browse()
    {
        QFETCH(int, filterId);
        QFETCH(QString, button);
        QFETCH(QString, key);
        QFETCH(bool, wholePath);
        QFETCH(QString, title);
        QFETCH(bool, cancel);
        const QString root = TestEnv::NewFolder("browse");
        const QString start = MakeImage(root + "/start/old.png");
        const QString chosen = MakeImage(root + "/chosen/new logo.png");
        SetRegistryString(key, wholePath ? start : QFileInfo(start).path());

        std::unique_ptr<QWidget> page;
        QTimer* timer = nullptr;
        QLineEdit* shown = nullptr;
        int pathText = 0;
        std::function<SFilterRecord()> save;
        if (filterId == 1000) {
            auto* text = new CFilterText(nullptr, filterId);
            text->Initialize();
            text->findChild<QCheckBox*>("checkUseTexture")->click();
            timer = text->timer;
            shown = text->findChild<QLineEdit*>("editTexturePath");
            pathText = 2;
            save = [text] { return Saved(*text); };
            page.reset(text);
        } else if (filterId == 1010) {
            auto* logo = new CFilterLogo(nullptr, filterId);
            logo->Initialize();
            timer = logo->timer;
            shown = logo->findChild<QLineEdit*>("editImagePath");
            save = [logo] { return Saved(*logo); };
            page.reset(logo);
        } else {
            auto* mask = new CFilterCustomMask(nullptr, filterId);
            mask->Initialize();
            mask->findChild<QRadioButton*>("radioDifferentMask")->click();
            timer = mask->timer;
            shown = mask->findChild<QLineEdit*>(button == "buttonBrowse" ? "editMask" : "editMaskPortrait");
            pathText = button == "buttonBrowse" ? 0 : 1;
            save = [mask] { return Saved(*mask); };
            page.reset(mask);
        }
        timer->stop();
        const SFilterRecord before = save();

        bool seen = false;
        QString openedOn;
        QString seenTitle;
        AnswerFileDialog(cancel ? QString() : chosen, &openedOn, &seenTitle, &seen);
        page->findChild<QPushButton*>(button)->click();
        QVERIFY(seen);
        QCOMPARE(openedOn, root + "/start");
        QCOMPARE(seenTitle, title);

        const SFilterRecord after = save();
        if (cancel) {
            QCOMPARE(Texts(after), Texts(before));
            QCOMPARE(Numbers(after), Numbers(before));
            QCOMPARE(GetRegistryString(key, QString()), wholePath ? start : QFileInfo(start).path());
            QVERIFY(!timer->isActive());
            return;
        }
        QCOMPARE(shown->text(), QDir::toNativeSeparators(chosen));
        QCOMPARE(after.texts[pathText], chosen);
        QCOMPARE(Numbers(after), Numbers(before)); // the texture flag is not touched
        QCOMPARE(GetRegistryString(key, QString()), wholePath ? chosen : root + "/chosen");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), filterId == 1000 ? 1000 : 500);
    }
};

GB_TEST_MAIN(TestMarkPages)
#include "tst_markpages.moc"
