// The interface in each of the six languages. An offscreen start with the
// language id stored shows the window's menus, toolbar, step 1 invitation
// and message boxes in that language, as the translators' file (.ts) has
// them, and Qt's own texts (standard buttons, wizard, file, colour and font
// dialogs) in the same language; the filter picker lists the filters in it;
// the profile chooser its built-in profiles; a profile saved in one
// language keeps its keep-original choice in another; a language chosen in
// the preferences shows at the next start. A language whose file is not in
// the tree yet is skipped.
#include "CDialogFilterSelection.h"
#include "CDialogProfileSelection.h"
#include "CFiltersEnum.h"
#include "CListThumb.h"
#include "CMainPanel1.h"
#include "COutputNaming.h"
#include "CPromptSeam.h"
#include "CSettings.h"
#include "CUserProfile.h"
#include "Common.h"
#include "JobFileProperties.h"
#include "MainWindow.h"
#include "Platform.h"
#include "TestEnv.h"
#include "TsCatalog.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QComboBox>
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

#include <functional>
#include <memory>

namespace {
QSettings Store()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, OrganizationName(),
                     ApplicationName());
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
        QTest::newRow("English") << 1033 << "En";
        QTest::newRow("German") << 1031 << "De";
        QTest::newRow("French") << 1036 << "Fr";
        QTest::newRow("Spanish") << 1034 << "Es";
        QTest::newRow("Italian") << 1040 << "It";
        QTest::newRow("Japanese") << 1041 << "Ja";
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

private slots:
    void init()
    {
        QSettings store = Store();
        store.clear();
        store.setValue("Settings/Settings.ShowStartupWizard", 0);
        store.setValue("GUI/MainWindow.ShowTipAfterProfile", 0);
        store.setValue("GUI/bShowSaveProject", 0);
        store.sync();
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
        QString why;
        if (!UseLanguage(language, why)) {
            if (why.startsWith("Ln_"))
                QSKIP(qPrintable(why));
            QFAIL(qPrintable(why));
        }
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
        QString why;
        if (!UseLanguage(language, why)) {
            if (why.startsWith("Ln_"))
                QSKIP(qPrintable(why));
            QFAIL(qPrintable(why));
        }
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
        QString why;
        if (!UseLanguage(language, why)) {
            if (why.startsWith("Ln_"))
                QSKIP(qPrintable(why));
            QFAIL(qPrintable(why));
        }
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
        QTest::addColumn<int>("fromId");
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("toId");
        QTest::addColumn<QString>("to");
        QTest::newRow("English to Japanese") << 1033 << "En" << 1041 << "Ja";
        QTest::newRow("Japanese to German") << 1041 << "Ja" << 1031 << "De";
        QTest::newRow("German to French") << 1031 << "De" << 1036 << "Fr";
        QTest::newRow("French to Spanish") << 1036 << "Fr" << 1034 << "Es";
        QTest::newRow("Spanish to Italian") << 1034 << "Es" << 1040 << "It";
        QTest::newRow("Italian to English") << 1040 << "It" << 1033 << "En";
    }

    void switchInPreferences()
    {
        QFETCH(int, fromId);
        QFETCH(QString, from);
        QFETCH(int, toId);
        QFETCH(QString, to);
        QString why;
        for (const QString& language : {to, from}) {
            if (!UseLanguage(language, why)) {
                if (why.startsWith("Ln_"))
                    QSKIP(qPrintable(why));
                QFAIL(qPrintable(why));
            }
        }
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

    // A profile saved with the keep-original choice in one language loads
    // in another as that language's keep-original choice: the file holds
    // the word "Original", not a translated label. A run recognises the
    // loaded choice.
    void keepOriginalAcrossLanguages_data()
    {
        QTest::addColumn<int>("savedId");
        QTest::addColumn<QString>("savedIn");
        QTest::addColumn<int>("loadedId");
        QTest::addColumn<QString>("loadedIn");
        QTest::newRow("German to French") << 1031 << "De" << 1036 << "Fr";
        QTest::newRow("Japanese to English") << 1041 << "Ja" << 1033 << "En";
        QTest::newRow("Spanish to Italian") << 1034 << "Es" << 1040 << "It";
    }

    void keepOriginalAcrossLanguages()
    {
        QFETCH(int, savedId);
        QFETCH(QString, savedIn);
        QFETCH(int, loadedId);
        QFETCH(QString, loadedIn);
        const QString keep = "Keep original image format (if possible)";
        const QString path = TestEnv::NewFolder("keep-" + savedIn) + "/Holiday.gbf";
        QString why;
        if (!UseLanguage(savedIn, why)) {
            if (why.startsWith("Ln_"))
                QSKIP(qPrintable(why));
            QFAIL(qPrintable(why));
        }
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

        if (!UseLanguage(loadedIn, why)) {
            if (why.startsWith("Ln_"))
                QSKIP(qPrintable(why));
            QFAIL(qPrintable(why));
        }
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
