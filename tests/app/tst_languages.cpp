// The interface in each of the six languages. An offscreen start with the
// language id stored shows the window's menus, toolbar, step 1 invitation
// and message boxes in that language, as the translators' file (.ts) has
// them, and Qt's own texts (standard buttons, wizard, file, colour and font
// dialogs) in the same language; the filter picker lists the filters in it;
// the profile chooser its built-in profiles; a profile saved in one
// language keeps its keep-original choice in another; a language chosen in
// the preferences shows at the next start. A language whose file is not in
// the tree yet is skipped.
#include "AppTestKit.h"
#include "CControlImage.h"
#include "CDialogFilterSelection.h"
#include "CDialogAbout.h"
#include "CDialogOverwrite.h"
#include "CDialogRename.h"
#include "CDialogSaveProject.h"
#include "CDialogSearch.h"
#include "CFormatSettings.h"
#include "CWizardStart.h"
#include "CFilterSettings.h"
#include "CFilterText.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CDialogProfileSelection.h"
#include "CFiltersEnum.h"
#include "CListThumb.h"
#include "CMainPanel1.h"
#include "CMainPanel2.h"
#include "CMainPanel3.h"
#include "CProcessController.h"
#include "COutputNaming.h"
#include "CPromptSeam.h"
#include "CSettings.h"
#include "CTextWidget.h"
#include "CUserProfile.h"
#include "Common.h"
#include "JobFileProperties.h"
#include "MainWindow.h"
#include "Platform.h"
#include "TestEnv.h"
#include "TsCatalog.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFontComboBox>
#include <QStyleOptionComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextLayout>
#include <QToolBar>
#include <QToolButton>
#include <QDialogButtonBox>
#include <QDomDocument>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QTranslator>
#include <QWizard>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>

namespace {
using AppTestKit::Store;

// The languages of the interface: English name, language id, file code.
struct SLanguage {
    const char* name;
    int id;
    const char* code;
};
const SLanguage kLanguages[] = {{"English", 1033, "En"}, {"German", 1031, "De"}, {"French", 1036, "Fr"},
                                {"Spanish", 1034, "Es"}, {"Italian", 1040, "It"}, {"Japanese", 1041, "Ja"}};

const SLanguage& LanguageOf(const char* code)
{
    for (const SLanguage& language : kLanguages) {
        if (qstrcmp(language.code, code) == 0)
            return language;
    }
    qFatal("no language %s", code);
}

// The translatable texts of a form: object name -> (property, English
// text), for the "text" and "title" properties of its widgets and actions.
QHash<QString, QPair<QString, QString>> FormTexts(const QString& formName)
{
    QHash<QString, QPair<QString, QString>> texts;
    QFile file(QString(GB_TEST_SOURCE_DIR) + "/resources/forms/" + formName + ".ui");
    QDomDocument document;
    if (!file.open(QIODevice::ReadOnly) || !document.setContent(&file))
        return texts;
    for (const char* tag : {"widget", "action"}) {
        const QDomNodeList nodes = document.elementsByTagName(tag);
        for (int i = 0; i < nodes.size(); ++i) {
            const QDomElement element = nodes.at(i).toElement();
            for (QDomElement property = element.firstChildElement("property"); !property.isNull();
                 property = property.nextSiblingElement("property")) {
                const QString name = property.attribute("name");
                const QDomElement string = property.firstChildElement("string");
                if ((name == "text" || name == "title") && !string.isNull() &&
                    string.attribute("notr") != "true" && !string.text().isEmpty())
                    texts.insert(element.attribute("name"), {name, string.text()});
            }
        }
    }
    return texts;
}

// What a message box showed.
struct SBoxSeen
{
    QString text;
    QStringList buttons;
};

// Reads the next message box that opens and closes it with its last button.
// The timer belongs to `context`, so a box that never came cannot be
// answered inside a later test.
void ReadNextBox(QObject* context, SBoxSeen* seen)
{
    auto* timer = new QTimer(context);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, context, [timer, seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        timer->stop();
        seen->text = box->text();
        for (QAbstractButton* button : box->buttons())
            seen->buttons << button->text();
        seen->buttons.sort();
        box->buttons().last()->click();
    });
    timer->start();
}

// A button's text as drawn: "&&" is an ampersand, a single "&" marks the
// accelerator and is not drawn.
QString DrawnText(const QString& text)
{
    QString drawn;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        drawn += text[i];
    }
    return drawn;
}

// The widest line of `text` in `widget`'s font.
int TextWidth(const QWidget* widget, const QString& text)
{
    int width = 0;
    for (const QString& line : text.split('\n'))
        width = std::max(width, widget->fontMetrics().horizontalAdvance(line));
    return width;
}

// The room a label or button has for its text and the width its text needs,
// or {0, 0} for a widget that shows no plain text of its own (word-wrapped
// and rich-text labels, icon-only buttons).
QPair<int, int> RoomAndNeed(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QString text = label->text();
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        if (label->wordWrap() || text.isEmpty() || rich)
            return {0, 0};
        // A label's size hint grows to its minimum size, so a fixed width
        // always "fits": measure the text against the contents instead.
        int room = label->contentsRect().width() - 2 * label->margin();
        if (label->indent() > 0)
            room -= label->indent();
        else if (label->indent() < 0 && label->frameWidth() > 0)
            room -= label->fontMetrics().horizontalAdvance('x') / 2;
        return {room, TextWidth(label, label->buddy() ? DrawnText(text) : text)};
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        // Every item of a list to choose from is shown in the box once chosen.
        if (combo->isEditable() || qobject_cast<QFontComboBox*>(combo) || combo->count() == 0)
            return {0, 0};
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = false;
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        int needed = 0;
        for (int i = 0; i < combo->count(); ++i) {
            int width = TextWidth(combo, combo->itemText(i));
            if (!combo->itemIcon(i).isNull())
                width += combo->iconSize().width() + 4;
            needed = std::max(needed, width);
        }
        return {field.width() - 2, needed};
    }
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button || button->text().isEmpty())
        return {0, 0};
    if (auto* tool = qobject_cast<QToolButton*>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return {0, 0};
        return {tool->width(), tool->sizeHint().width()};
    }
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QRect rect = button->style()->subElementRect(contents, &option, button);
    if (!button->icon().isNull() && qobject_cast<QPushButton*>(button))
        rect.setLeft(rect.left() + button->iconSize().width() + 4);
    return {rect.width(), TextWidth(button, DrawnText(button->text()))};
}

// The texts under `root` (itself included) that their visible labels and
// buttons cut off.
QStringList CutOffTexts(QWidget* root)
{
    QStringList cut;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (!widget->isVisible())
            continue;
        const auto [room, needed] = RoomAndNeed(widget);
        if (room < needed) {
            QString text;
            if (auto* label = qobject_cast<QLabel*>(widget))
                text = label->text();
            else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                text = button->text();
            else if (auto* combo = qobject_cast<QComboBox*>(widget))
                text = combo->currentText() + " (or another item)";
            cut << QString("%1 %2 \"%3\": %4 of %5 pixels")
                       .arg(widget->metaObject()->className(), widget->objectName(), text)
                       .arg(room)
                       .arg(needed);
        }
    }
    return cut;
}

// The visible widgets under `root` that reach past `frame` (a widget that
// holds them): a cut-off button, a group's lost right edge. Widgets inside
// scroll areas are left out (they may scroll).
QStringList OutsideOf(QWidget* frame, QWidget* root)
{
    QStringList outside;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        bool scrolled = false;
        for (QWidget* up = widget->parentWidget(); up && up != root && !scrolled; up = up->parentWidget())
            scrolled = qobject_cast<QAbstractScrollArea*>(up) != nullptr;
        if (scrolled)
            continue;
        const QRect place(widget->mapTo(frame, QPoint(0, 0)), widget->size());
        if (!frame->rect().contains(place))
            outside << QString("%1 %2 at (%3, %4) %5 x %6 in %7 x %8")
                           .arg(widget->metaObject()->className(), widget->objectName())
                           .arg(place.x())
                           .arg(place.y())
                           .arg(place.width())
                           .arg(place.height())
                           .arg(frame->width())
                           .arg(frame->height());
    }
    return outside;
}

// Runs `script` on the next modal dialog of type T that opens.
template <typename T>
void WhenModal(QObject* context, std::function<void(T*)> script)
{
    auto* timer = new QTimer(context);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, context, [timer, script] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            script(dialog);
        }
    });
    timer->start();
}
} // namespace

// In a test function of TestLanguages: switches the catalogues to
// `language`, or ends the test: skipped where the language has no file yet,
// failed where it cannot be used.
#define USE_LANGUAGE(language)                                                                                         \
    do {                                                                                                               \
        QString reason;                                                                                                \
        if (!UseLanguage(language, reason)) {                                                                          \
            if (reason.startsWith("Ln_"))                                                                              \
                QSKIP(qPrintable(reason));                                                                             \
            QFAIL(qPrintable(reason));                                                                                 \
        }                                                                                                              \
    } while (false)

class TestLanguages : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;
    QStringList warnings;
    TsCatalog catalog;
    QString code;
    QTranslator qtCatalog;

    // A window started the way main starts it, with `languageId` stored
    // first (0: the store keeps what it has).
    MainWindow* Start(int languageId)
    {
        if (languageId != 0)
            Store().setValue("Settings/Settings.LanguageId", languageId);
        window = std::make_unique<MainWindow>(nullptr);
        window->show();
        return window.get();
    }

    // The translation the file gives, or a text naming what is missing, so
    // that a comparison shows it.
    QString Tr(const char* context, const QString& source) const
    {
        const QString text = catalog.Find(context, source);
        return text.isNull() ? QString("(no translation in Ln_%1.ts: %2 \"%3\")").arg(code, context, source) : text;
    }

    // Qt's own text in the language (the source where Qt has none).
    QString QtTr(const char* context, const char* source) const
    {
        const QString text = qtCatalog.translate(context, source);
        return text.isEmpty() ? QString::fromUtf8(source) : text;
    }

    // Every text and title of `formName` found under `root` (the root itself
    // included) is the file's translation in the form's context.
    void CompareForm(QObject* root, const QString& formName, const QStringList& skip = {})
    {
        const auto texts = FormTexts(formName);
        QVERIFY2(!texts.isEmpty(), qPrintable(formName));
        int compared = 0;
        for (auto it = texts.cbegin(); it != texts.cend(); ++it) {
            if (skip.contains(it.key()))
                continue;
            QObject* object = root->objectName() == it.key() ? root : root->findChild<QObject*>(it.key());
            if (!object)
                continue;
            const QString shown = object->property(qPrintable(it.value().first)).toString();
            QCOMPARE(shown, Tr(qPrintable(formName), it.value().second));
            ++compared;
        }
        QVERIFY2(compared > 0, qPrintable(formName));
    }

    void AddLanguages()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("language");
        for (const SLanguage& language : kLanguages)
            QTest::newRow(language.name) << language.id << QString(language.code);
    }

    // Rows "<first> to <second>" for the language pairs given by their codes,
    // in the columns firstId, first (the code), secondId, second.
    void AddLanguagePairs(const char* firstId, const char* first, const char* secondId, const char* second,
                          std::initializer_list<std::pair<const char*, const char*>> pairs)
    {
        QTest::addColumn<int>(firstId);
        QTest::addColumn<QString>(first);
        QTest::addColumn<int>(secondId);
        QTest::addColumn<QString>(second);
        for (const auto& [a, b] : pairs) {
            const SLanguage& from = LanguageOf(a);
            const SLanguage& to = LanguageOf(b);
            QTest::newRow(qPrintable(QString("%1 to %2").arg(from.name, to.name)))
                << from.id << QString(from.code) << to.id << QString(to.code);
        }
    }

    // Reads the language's file and Qt's translation; false (with the
    // reason in `why`) when the language's file is not in the tree yet.
    bool UseLanguage(const QString& language, QString& why)
    {
        code = language;
        const QString path = TsCatalog::PathOf(language);
        if (!QFile::exists(path)) {
            why = QString("Ln_%1.ts is not in resources/translations yet; the %1 interface is not checked")
                      .arg(language);
            return false;
        }
        if (!catalog.Load(path) || catalog.Size() < 200) {
            why = "cannot read " + path;
            return false;
        }
        // Qt's own file, which the window is to install beside the program's.
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        if (!qtCatalog.load("qtbase_" + language.toLower(), qtFolder)) {
            why = "Qt's translation qtbase_" + language.toLower() + " is not installed in " + qtFolder +
                  " (scripts/install-deps.sh installs it)";
            return false;
        }
        return true;
    }

    // The folder (made) for the screenshots in `language`; empty, with the
    // reason in `why`, where none are taken: GLIMMERBOX_SHOTS names no folder
    // or the language cannot be used.
    QString ShotsFolder(const QString& language, QString& why)
    {
        const QString base = qEnvironmentVariable("GLIMMERBOX_SHOTS");
        if (base.isEmpty()) {
            why = "GLIMMERBOX_SHOTS names no folder";
            return QString();
        }
        if (!UseLanguage(language, why))
            return QString();
        const QString folder = base + "/" + language;
        QDir().mkpath(folder);
        return folder;
    }

private slots:
    void init()
    {
        AppTestKit::ResetStore({{"Settings/Settings.ShowStartupWizard", 0},
                                {"GUI/MainWindow.ShowTipAfterProfile", 0},
                                {"GUI/bShowSaveProject", 0}});
        warnings.clear();
        CPromptSeam::SetWarningAnswerer([this](const QString& text) { warnings << text; });
    }

    void cleanup()
    {
        window.reset();
        CPromptSeam::Reset();
    }

    void startInLanguage_data() { AddLanguages(); }

    void startInLanguage()
    {
        QFETCH(int, id);
        QFETCH(QString, language);
        USE_LANGUAGE(language);
        MainWindow* w = Start(id);
        QCOMPARE(CUserProfile::GetInstance()->languageId, id);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join("\n")));
        QCOMPARE(w->windowTitle(), QString("Glimmerbox"));

        // Menus and their commands, as the form gives them.
        CompareForm(w, "MainWindow", {"MainWindow"});

        // The toolbar's steps, their tips and Help.
        const QStringList steps = {"Add Photos", "Edit Photos", "Setup", "Process"};
        const QStringList tips = {"Step 1 - Add all the photos you want to edit",
                                  "Step 2 - Set the graphic filters that will be applied on all selected photos",
                                  "Step 3 - Select the output path and image format for the edited photos",
                                  "When you are ready select Process to have all your photos edited"};
        for (int i = 0; i < steps.size(); ++i) {
            QCOMPARE(w->StepActions()[i]->text(), Tr("MainWindow", steps[i]));
            QCOMPARE(w->StepActions()[i]->toolTip(), Tr("MainWindow", tips[i]));
        }
        auto* help = w->findChild<QAction*>("actionToolbarHelp");
        QVERIFY(help);
        QCOMPARE(help->text(), Tr("MainWindow", "Help"));

        // Step 1's invitation over the empty photo list.
        QStringList invitation;
        for (const SListWatermark& mark : w->Panel1()->photoListView->Watermarks()) {
            if (mark.kind == 0)
                invitation << mark.text;
        }
        QCOMPARE(invitation, QStringList({Tr("CMainPanel1", "Drag & Drop Your Photos Here"),
                                          Tr("CMainPanel1", "Or Click To Add Photos")}));

        // A message box of the program (Process with no photos) and a
        // question: the program's text, Qt's buttons.
        CPromptSeam::Reset();
        QObject context;
        SBoxSeen warning;
        ReadNextBox(&context, &warning);
        w->StepActions()[3]->trigger();
        QCOMPARE(warning.text, Tr("MainWindow", "There are no photos to process."));
        QCOMPARE(warning.buttons, QStringList({QtTr("QPlatformTheme", "OK")}));
        SBoxSeen question;
        ReadNextBox(&context, &question);
        CPromptSeam::Question(w, CPromptSeam::Message, Tr("CMainPanel1", "Remove all photos from the list?"));
        QStringList yesNo = {QtTr("QPlatformTheme", "&Yes"), QtTr("QPlatformTheme", "&No")};
        yesNo.sort();
        QCOMPARE(question.buttons, yesNo);
        SBoxSeen confirm;
        ReadNextBox(&context, &confirm);
        CPromptSeam::Confirm(w, CPromptSeam::Message, QString("-"));
        QStringList okCancel = {QtTr("QPlatformTheme", "OK"), QtTr("QPlatformTheme", "Cancel")};
        okCancel.sort();
        QCOMPARE(confirm.buttons, okCancel);

        // Qt's own dialogs speak the same language.
        QWizard wizard(w);
        const QString next = wizard.buttonText(QWizard::NextButton);
        QVERIFY2(next == QtTr("QWizard", "&Next >") || next == QtTr("QWizard", "&Next"), qPrintable(next));
        QCOMPARE(wizard.buttonText(QWizard::FinishButton), QtTr("QWizard", "&Finish"));
        QFileDialog files(w);
        files.setOption(QFileDialog::DontUseNativeDialog);
        auto* lookIn = files.findChild<QLabel*>("lookInLabel");
        QVERIFY(lookIn);
        QCOMPARE(lookIn->text(), QtTr("QFileDialog", "Look in:"));
        QColorDialog colours(w);
        colours.setOption(QColorDialog::DontUseNativeDialog);
        QStringList buttons;
        for (auto* button : colours.findChildren<QAbstractButton*>())
            buttons << button->text();
        QVERIFY2(buttons.contains(QtTr("QColorDialog", "&Add to Custom Colors")), qPrintable(buttons.join("|")));
        QFontDialog fonts(w);
        fonts.setOption(QFontDialog::DontUseNativeDialog);
        QStringList labels;
        for (auto* label : fonts.findChildren<QLabel*>())
            labels << label->text();
        QVERIFY2(labels.contains(QtTr("QFontDialog", "&Font")), qPrintable(labels.join("|")));
    }

    // The picker lists the registry's filters by their names in the
    // language, in the registry's order, with its own form translated.
    void pickerInLanguage_data() { AddLanguages(); }

    void pickerInLanguage()
    {
        QFETCH(int, id);
        QFETCH(QString, language);
        USE_LANGUAGE(language);
        // The registry's English names, made before any translation is in.
        CFiltersEnum::DeleteInstance();
        CFiltersEnum::GetInstance()->GenerateList();
        QStringList english;
        for (const SFilterTypeRecord& row : CFiltersEnum::GetInstance()->Rows())
            english << row.name;
        CFiltersEnum::DeleteInstance();
        QCOMPARE(english.size(), 14);

        MainWindow* w = Start(id);
        CDialogFilterSelection picker(w);
        CompareForm(&picker, "CDialogFilterSelection");
        auto* list = picker.findChild<CListThumb*>("listFilters");
        QVERIFY(list);
        QStringList shown;
        QStringList expected;
        for (int row = 0; row < list->count(); ++row)
            shown << list->item(row)->text();
        for (const QString& name : english)
            expected << Tr("QObject", name);
        QCOMPARE(shown, expected);
        QCOMPARE(CFiltersEnum::GetInstance()->Rows().first().description,
                 Tr("QObject", "Adds a text copyright notice"));
    }

    // The chooser lists the built-in profiles by their names and
    // descriptions in the language.
    void chooserInLanguage_data() { AddLanguages(); }

    void chooserInLanguage()
    {
        QFETCH(int, id);
        QFETCH(QString, language);
        USE_LANGUAGE(language);
        // The built-in profiles' English headers, read before any
        // translation is in.
        QHash<QString, QPair<QString, QString>> english;
        for (const auto& entry : CDialogProfileSelection::ReadProfiles(CDialogProfileSelection::BuiltInFolder()))
            english.insert(entry.path, {entry.name, entry.description});
        QVERIFY(english.size() >= 20);

        MainWindow* w = Start(id);
        CDialogProfileSelection chooser(w);
        QCOMPARE(chooser.windowTitle(), Tr("CDialogProfileSelection", "Select Profile"));
        auto* list = chooser.findChild<CListThumb*>("listProfiles");
        QVERIFY(list);
        int builtIn = 0;
        for (int row = 0; row < chooser.Entries().size(); ++row) {
            const auto& entry = chooser.Entries()[row];
            if (!english.contains(entry.path))
                continue;
            ++builtIn;
            QCOMPARE(list->item(row)->text(), Tr("QObject", english[entry.path].first));
            QCOMPARE(entry.description, Tr("QObject", english[entry.path].second));
        }
        QCOMPARE(builtIn, english.size());
        auto* buttons = chooser.findChild<QDialogButtonBox*>("buttonBox");
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QtTr("QPlatformTheme", "Cancel"));
    }

    // A language chosen in the preferences is stored, announced in the
    // current language, and shown at the next start.
    void switchInPreferences_data()
    {
        AddLanguagePairs("fromId", "from", "toId", "to",
                         {{"En", "Ja"}, {"Ja", "De"}, {"De", "Fr"}, {"Fr", "Es"}, {"Es", "It"}, {"It", "En"}});
    }

    void switchInPreferences()
    {
        QFETCH(int, fromId);
        QFETCH(QString, from);
        QFETCH(int, toId);
        QFETCH(QString, to);
        QString why;
        for (const QString& language : {to, from})
            USE_LANGUAGE(language);
        MainWindow* w = Start(fromId);
        QObject context;
        QString title;
        QString ok;
        WhenModal<CSettings>(&context, [&title, &ok, toId](CSettings* settings) {
            title = settings->windowTitle();
            settings->findChild<QComboBox*>("comboLanguage")->setCurrentIndex(int(CSettings::LanguageIds().indexOf(toId)));
            QPushButton* button = settings->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
            ok = button->text();
            button->click();
        });
        {
            CSettings settings(w);
            QCOMPARE(settings.exec(), int(QDialog::Accepted));
        }
        QCOMPARE(title, Tr("CSettings", "Settings"));
        QCOMPARE(ok, QtTr("QPlatformTheme", "OK"));
        QCOMPARE(warnings, QStringList({Tr("CSettings", "You need to restart Glimmerbox for the changes to take effect.")}));
        // Still the old language until the next start.
        QCOMPARE(w->findChild<QMenu*>("menuFile")->title(), Tr("MainWindow", "&File"));
        window.reset();
        QCOMPARE(Store().value("Settings/Settings.LanguageId").toInt(), toId);

        QVERIFY(UseLanguage(to, why));
        warnings.clear();
        w = Start(0);
        QCOMPARE(CUserProfile::GetInstance()->languageId, toId);
        QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join("\n")));
        QCOMPARE(w->findChild<QMenu*>("menuFile")->title(), Tr("MainWindow", "&File"));
        QCOMPARE(w->StepActions()[0]->text(), Tr("MainWindow", "Add Photos"));
    }

    // At the default window size no label or button of the window, its
    // steps, the filter settings pages or the dialogs cuts its text off in
    // any language; the fixed widths of the forms stay as they are, so a
    // translation that does not fit needs a shorter wording.
    void nothingCutOff_data() { AddLanguages(); }

    void nothingCutOff()
    {
        QFETCH(int, id);
        QFETCH(QString, language);
        USE_LANGUAGE(language);
        QImage picture(640, 480, QImage::Format_RGB32);
        picture.fill(qRgb(90, 140, 60));
        const QString photo = TestEnv::NewFolder("cut-" + language) + "/photo.jpg";
        QVERIFY(picture.save(photo));
        MainWindow* w = Start(id);
        // The default size, or the minimum where a language needs more.
        QCOMPARE(w->size(), QSize(794, 672).expandedTo(w->minimumSize()));
        QStringList cut;
        auto look = [&cut](QWidget* widget, const QString& where) {
            QCoreApplication::processEvents();
            for (const QString& text : CutOffTexts(widget))
                cut << where + ": " + text;
        };
        QObject context;
        // Runs a modal dialog, looks at it (and at each tab of its tab
        // widgets), then closes it.
        auto lookAt = [&](QDialog* dialog, const QString& where, std::function<void(QDialog*)> more = {}) {
            WhenModal<QDialog>(&context, [&, where, more](QDialog* shown) {
                look(shown, where);
                for (QTabWidget* tabs : shown->findChildren<QTabWidget*>()) {
                    for (int tab = 0; tab < tabs->count(); ++tab) {
                        tabs->setCurrentIndex(tab);
                        look(shown, where + " tab " + QString::number(tab));
                    }
                }
                if (more)
                    more(shown);
                shown->reject();
            });
            dialog->exec();
        };

        // The three steps; step 3 with each destination.
        w->Panel1()->AddPhotos({photo});
        QTRY_COMPARE(w->Panel1()->ViewCount(), 1);
        for (int page = 0; page < 3; ++page) {
            w->ChangePanel(page);
            look(w, "step " + QString::number(page + 1));
        }
        auto* destinations = w->Panel3()->findChild<QComboBox*>("comboDestination");
        for (int destination = 1; destination < destinations->count(); ++destination) {
            destinations->setCurrentIndex(destination);
            emit destinations->activated(destination);
            look(w, "step 3, destination " + QString::number(destination));
        }
        destinations->setCurrentIndex(0);
        emit destinations->activated(0);
        w->ChangePanel(0);

        // Every filter's settings page, over the photo.
        CDialogFilterSelection picker(w);
        lookAt(&picker, "filter picker");
        for (const SFilterTypeRecord& type : CFiltersEnum::GetInstance()->Rows()) {
            CFilterSettings dialog(w);
            dialog.filterRecord.filterId = type.id;
            dialog.filterRecord.name = type.name;
            dialog.filterRecord.description = type.description;
            dialog.filterRecord.active = 1;
            dialog.imageRecord = CListImages::GetInstance()->list.value(0);
            lookAt(&dialog, "settings of " + type.name);
        }

        // The dialogs.
        CSettings settings(w);
        lookAt(&settings, "preferences");
        CDialogProfileSelection chooser(w);
        lookAt(&chooser, "profile chooser");
        CDialogRename rename(w);
        rename.previewPhoto = CListImages::GetInstance()->list.value(0);
        lookAt(&rename, "renaming");
        for (int page = 0; page <= CFormatSettings::PageAVIF; ++page) {
            CFormatSettings options(w);
            options.page = page;
            lookAt(&options, "format options " + QString::number(page));
        }
        CDialogOverwrite overwrite(w);
        overwrite.path = photo;
        lookAt(&overwrite, "overwrite");
        CDialogSearch search(w);
        lookAt(&search, "search");
        CDialogAbout about(w);
        lookAt(&about, "about");
        Store().setValue("GUI/bShowSaveProject", 1);
        CDialogSaveProject saveProject(w);
        lookAt(&saveProject, "save settings");
        CUserProfile::GetInstance()->showStartupWizard = true;
        CWizardStart wizard(w);
        lookAt(&wizard, "wizard page 1", [&](QDialog* shown) {
            static_cast<QWizard*>(shown)->next();
            look(shown, "wizard page 2");
        });
        QVERIFY2(cut.isEmpty(), qPrintable("\n" + cut.join("\n")));
    }

    // At the window's smallest size every step, step 3 with each
    // destination, is whole in every language: no widget reaches past the
    // page's room, no text is cut.
    void minimumSizeHoldsEveryStep_data() { AddLanguages(); }

    void minimumSizeHoldsEveryStep()
    {
        QFETCH(int, id);
        QFETCH(QString, language);
        USE_LANGUAGE(language);
        MainWindow* w = Start(id);
        QVERIFY(w->minimumHeight() >= 640);
        w->resize(w->minimumSize());
        QTRY_COMPARE(w->size(), w->minimumSize());
        auto* stack = w->findChild<QWidget*>("tabWidget");
        QStringList faults;
        auto look = [&](const QString& where) {
            QCoreApplication::processEvents();
            QWidget* page = w->Panel1();
            if (w->CurrentPage() == 1)
                page = w->Panel2();
            else if (w->CurrentPage() == 2)
                page = w->Panel3();
            for (const QString& fault : OutsideOf(stack, page) + CutOffTexts(page))
                faults << where + ": " + fault;
        };
        for (int step = 0; step < 3; ++step) {
            w->ChangePanel(step);
            look("step " + QString::number(step + 1));
        }
        auto* destinations = w->Panel3()->findChild<QComboBox*>("comboDestination");
        for (int destination = 1; destination < destinations->count(); ++destination) {
            destinations->setCurrentIndex(destination);
            emit destinations->activated(destination);
            look("step 3, destination " + QString::number(destination));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(QString("window %1 x %2\n").arg(w->width()).arg(w->height()) +
                                              faults.join("\n")));
    }

    // Every step tip shows its whole text inside its balloon in every
    // language: a line that finds no room is never drawn, so a translation
    // too long for its balloon would lose words.
    void tipsFitInLanguage_data() { AddLanguages(); }

    void tipsFitInLanguage()
    {
        QFETCH(int, id);
        QFETCH(QString, language);
        USE_LANGUAGE(language);
        Store().setValue("Settings/LaunchCounter", 0); // the tips of a first start
        MainWindow* w = Start(id);
        w->Panel1()->ShowAddPhotoTip();
        w->Panel1()->ShowStep2Tip();
        w->ChangePanel(1);
        w->Panel2()->ShowAddFilterTip();
        w->Panel2()->ShowStep3Tip();
        w->ChangePanel(2);
        QTRY_VERIFY_WITH_TIMEOUT(w->Panel3()->findChild<CTextWidget*>("tipProcess")->isVisible(), 10000);
        const QList<QPair<CTextWidget*, QString>> tips = {
            {w->Panel1()->tipAddPhoto, Tr("CMainPanel1", "Add the photos you want to edit")},
            {w->Panel1()->tipStep2, Tr("CMainPanel1", "Go to Step 2 and define the edits you want to apply to your photos")},
            {w->Panel2()->findChild<CTextWidget*>("tipAddFilter"),
             Tr("CMainPanel2", "Add a graphic filter that will be applied on all the photos added in Step 1")},
            {w->Panel2()->findChild<CTextWidget*>("tipStep3"),
             Tr("CMainPanel2", "Go to Step 3 and select the output folder and image format for the edited photos")},
            {w->Panel3()->findChild<CTextWidget*>("tipProcess"),
             Tr("CMainPanel3", "When you are ready, go ahead and apply the changes to your photos")}};
        for (const auto& [tip, text] : tips) {
            QVERIFY2(tip, qPrintable(text));
            QCOMPARE(tip->Paragraphs(), QList<QString>{text});
            QCOMPARE(tip->Layouts().size(), 1);
            const QTextLayout* layout = tip->Layouts().first();
            QVERIFY2(layout->lineCount() > 0, qPrintable(text));
            for (int i = 0; i < layout->lineCount(); ++i) {
                const QTextLine line = layout->lineAt(i);
                QVERIFY2(line.position().x() < tip->width() && line.position().y() + line.height() <= tip->height(),
                         qPrintable(QString("line %1 of \"%2\" has no room in %3 x %4")
                                        .arg(i + 1).arg(text).arg(tip->width()).arg(tip->height())));
            }
            const QTextLine last = layout->lineAt(layout->lineCount() - 1);
            QCOMPARE(last.textStart() + last.textLength(), int(text.size()));
        }
    }

    // Screenshots for a person to look at, only when GLIMMERBOX_SHOTS names
    // a folder (run under a display server for the real look): in each
    // language, at the default window size, a job of three photos through
    // the three steps with their tips, the filter settings dialog on each tab
    // of the text page, and the processing dialog at the end of the run.
    void screenshots_data() { AddLanguages(); }

    void screenshots()
    {
        QFETCH(int, id);
        QFETCH(QString, language);
        QString why;
        const QString folder = ShotsFolder(language, why);
        if (folder.isEmpty())
            QSKIP(qPrintable(why));
        const QString root = TestEnv::NewFolder("shots-" + language);
        const QStringList photos = AppTestKit::CopySharedPhotos(root + "/photos", 3);
        if (photos.size() < 3)
            QSKIP("the shared photos are not there");
        auto shot = [&folder](QWidget* widget, const QString& name) {
            QVERIFY(widget->grab().save(folder + "/" + name + ".png"));
            for (const QString& cut : CutOffTexts(widget))
                qWarning("%s: cut off: %s", qPrintable(name), qPrintable(cut));
        };
        CPromptSeam::SetQuestionAnswerer([](const QString&) { return true; });
        Store().setValue("Settings/LaunchCounter", 0); // the tips of a first start
        MainWindow* w = Start(id);
        QCOMPARE(w->size(), QSize(794, 672));
        QObject context;

        // Step 1: the invitation and its tip, then three photos.
        w->Panel1()->ShowAddPhotoTip();
        QTest::qWait(300);
        shot(w, "1-step1-empty");
        w->Panel1()->AddPhotos(QList<QString>(photos.begin(), photos.end()));
        QTRY_COMPARE(w->Panel1()->ViewCount(), 3);
        w->Panel1()->photoListView->setCurrentRow(0);
        emit w->Panel1()->photoListView->Clicked();
        QTest::qWait(2500); // thumbnails and the preview come in
        w->Panel1()->MakeAddPhotoTipInvisible();
        w->Panel1()->ShowStep2Tip();
        QTest::qWait(300);
        shot(w, "2-step1");

        // Step 2: a text mark through the picker and its page.
        auto step = [w](int index) {
            qobject_cast<QToolButton*>(w->ToolBar()->widgetForAction(w->StepActions()[index]))->click();
        };
        step(1);
        const QString text = CFiltersEnum::GetInstance()->GetRecordById(1000).name;
        WhenModal<CDialogFilterSelection>(&context, [text, &shot](CDialogFilterSelection* picker) {
            shot(picker, "3-picker");
            auto* gallery = picker->findChild<CListThumb*>("listFilters");
            for (int row = 0; row < gallery->count(); ++row)
                if (gallery->item(row)->text() == text)
                    gallery->setCurrentRow(row);
            picker->findChild<QPushButton*>("Ok")->click();
        });
        WhenModal<CFilterSettings>(&context, [&shot](CFilterSettings* dialog) {
            if (!QTest::qWaitFor([dialog] { return !dialog->findChild<QLabel*>("viewWatermark")->isHidden(); }, 20000))
                qWarning("the text page showed no mark within 20 s");
            auto* tabs = dialog->findChild<CFilterText*>()->findChild<QTabWidget*>("tabWidget");
            for (int tab = 0; tab < tabs->count(); ++tab) {
                tabs->setCurrentIndex(tab);
                QTest::qWait(300);
                shot(dialog, QString("4-text-page-%1").arg(tab));
            }
            dialog->findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->click();
        });
        w->Panel2()->findChild<QPushButton*>("buttonAddFilter")->click();
        QCOMPARE(CListFilters::GetInstance()->list.size(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(w->Panel2()->FilteredView()->shown && !w->Panel2()->FilteredView()->busy, 30000);
        w->Panel2()->ShowAddFilterTip();
        w->Panel2()->ShowStep3Tip();
        QTest::qWait(300);
        shot(w, "5-step2");

        // Step 3: PNG into a folder, with the Process tip.
        step(2);
        auto* modes = w->Panel3()->findChild<QComboBox*>("comboFolderStructure");
        modes->setCurrentIndex(0);
        emit modes->activated(0);
        auto* destination = w->Panel3()->findChild<QLineEdit*>("editDestinationPath");
        destination->selectAll();
        QTest::keyClicks(destination, TestEnv::NewFolder("shots-output-" + language));
        auto* formats = w->Panel3()->findChild<QComboBox*>("comboOutputFormat");
        for (int i = 0; i < formats->count(); ++i)
            if (formats->itemText(i).startsWith("PNG"))
                formats->setCurrentIndex(i);
        auto* tip = w->Panel3()->findChild<CTextWidget*>("tipProcess");
        QTRY_VERIFY_WITH_TIMEOUT(tip->isVisible(), 10000);
        QTest::qWait(300);
        shot(w, "6-step3");

        // Process: the run's dialog once the run is done.
        bool ran = false;
        WhenModal<CProcessController>(&context, [&ran, &shot](CProcessController* run) {
            if (!QTest::qWaitFor([run] { return run->IsRunFinished() && run->IsDeliveryFinished(); }, 60000))
                qWarning("the run did not end within 60 s");
            QTest::qWait(300);
            shot(run, "7-processing");
            ran = run->ErrorCount() == 0;
            run->reject();
        });
        step(3);
        QVERIFY(ran);
    }

    // More screenshots in each language (GLIMMERBOX_SHOTS as above): the
    // step 1 details table, a question box, the preferences, the profile
    // chooser, the first-run wizard's two pages, the renaming dialog, the
    // JPEG options and the overwrite question.
    void dialogScreenshots_data() { AddLanguages(); }

    void dialogScreenshots()
    {
        QFETCH(int, id);
        QFETCH(QString, language);
        QString why;
        const QString folder = ShotsFolder(language, why);
        if (folder.isEmpty())
            QSKIP(qPrintable(why));
        const QStringList photos = AppTestKit::CopySharedPhotos(TestEnv::NewFolder("dialogs-" + language), 2);
        if (photos.size() < 2)
            QSKIP("the shared photos are not there");
        MainWindow* w = Start(id);
        QObject context;
        // Runs a modal dialog and saves how it looks once shown.
        auto shotOf = [&](QDialog* dialog, const QString& name, std::function<void()> before = {}) {
            WhenModal<QDialog>(&context, [&, name, before](QDialog* shown) {
                if (before)
                    before();
                QTest::qWait(400);
                QVERIFY(shown->grab().save(folder + "/" + name + ".png"));
                for (const QString& cut : CutOffTexts(shown))
                    qWarning("%s: cut off: %s", qPrintable(name), qPrintable(cut));
                shown->reject();
            });
            dialog->exec();
        };

        w->Panel1()->AddPhotos(QList<QString>(photos.begin(), photos.end()));
        QTRY_COMPARE(w->Panel1()->ViewCount(), 2);
        w->Panel1()->ViewDetails();
        QTest::qWait(1500);
        QVERIFY(w->grab().save(folder + "/8-step1-details.png"));

        QMessageBox box(QMessageBox::Question, QString(), Tr("CMainPanel1", "Remove all photos from the list?"),
                        QMessageBox::Yes | QMessageBox::No, w);
        shotOf(&box, "9-question");
        CSettings settings(w);
        shotOf(&settings, "10-preferences");
        CDialogProfileSelection chooser(w);
        shotOf(&chooser, "11-chooser");
        CUserProfile::GetInstance()->showStartupWizard = true;
        CWizardStart wizard(w);
        WhenModal<CWizardStart>(&context, [&](CWizardStart* shown) {
            QTest::qWait(400);
            QVERIFY(shown->grab().save(folder + "/12-wizard-1.png"));
            shown->next();
            QTest::qWait(400);
            QVERIFY(shown->grab().save(folder + "/13-wizard-2.png"));
            shown->reject();
        });
        wizard.exec();
        CDialogRename rename(w);
        rename.previewPhoto = CListImages::GetInstance()->list.value(0);
        shotOf(&rename, "14-renaming");
        CFormatSettings jpeg(w);
        jpeg.page = CFormatSettings::PageJPG;
        shotOf(&jpeg, "15-jpeg-options");
        CDialogOverwrite overwrite(w);
        overwrite.path = photos[0];
        shotOf(&overwrite, "16-overwrite");
    }

    // A profile saved with the keep-original choice in one language loads
    // in another as that language's keep-original choice: the file holds
    // the word "Original", not a translated label. A run recognises the
    // loaded choice.
    void keepOriginalAcrossLanguages_data()
    {
        AddLanguagePairs("savedId", "savedIn", "loadedId", "loadedIn", {{"De", "Fr"}, {"Ja", "En"}, {"Es", "It"}});
    }

    void keepOriginalAcrossLanguages()
    {
        QFETCH(int, savedId);
        QFETCH(QString, savedIn);
        QFETCH(int, loadedId);
        QFETCH(QString, loadedIn);
        const QString keep = "Keep original image format (if possible)";
        const QString path = TestEnv::NewFolder("keep-" + savedIn) + "/Holiday.gbf";
        USE_LANGUAGE(savedIn);
        MainWindow* w = Start(savedId);
        auto* combo = w->findChild<QComboBox*>("comboOutputFormat");
        QVERIFY(combo);
        const int item = combo->findText(Tr("QObject", keep));
        QVERIFY2(item >= 0, qPrintable(Tr("QObject", keep)));
        combo->setCurrentIndex(item);
        QCOMPARE(CUserProfile::GetInstance()->OutputFormat, Tr("QObject", keep));
        QVERIFY(w->SaveProfile(path, "Holiday", QString()));
        window.reset();

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(file.readAll()).contains("<Property Name=\"OutputFormat\">Original</Property>"));

        USE_LANGUAGE(loadedIn);
        w = Start(loadedId);
        QVERIFY(w->LoadProfile(path));
        CUserProfile* profile = CUserProfile::GetInstance();
        QCOMPARE(profile->OutputFormat, Tr("QObject", keep));
        QCOMPARE(profile->OutputFormat, KeepFormatText());
        QVERIFY(COutputNaming::KeepsOriginalFormat(profile->OutputFormat));
        QCOMPARE(w->findChild<QComboBox*>("comboOutputFormat")->currentText(), Tr("QObject", keep));
    }
};

GB_TEST_MAIN(TestLanguages)
#include "tst_languages.moc"
