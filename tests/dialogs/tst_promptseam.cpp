// The prompt seam: who answers a prompt (the installed answerer, a narrow
// test answerer, or the person), and what the person is shown.
#include "CDialogGSWarning.h"
#include "CDialogOverwrite.h"
#include "CPromptSeam.h"
#include "CScreenlessAnswers.h"
#include "TestEnv.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using Seam = CPromptSeam;

namespace {
Seam::SPrompt Prompt(Seam::Kind kind, QMessageBox::Icon icon, QMessageBox::StandardButtons buttons)
{
    Seam::SPrompt prompt;
    prompt.kind = kind;
    prompt.text = "text";
    prompt.icon = icon;
    prompt.buttons = buttons;
    return prompt;
}
} // namespace

class TestPromptSeam : public QObject
{
    Q_OBJECT
private slots:
    void init() { Seam::Reset(); }
    void cleanupTestCase() { Seam::Reset(); }

    // Narrow answerers answer the shapes they were written for, and leave
    // the others (a notice, an information box) to the person.
    void narrowAnswerersByShape_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QString>("answeredBy");
        QTest::addColumn<int>("code");
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
        QTest::newRow("yes/no question") << int(Seam::ConfirmRun) << int(QMessageBox::Question) << yesNo
                                         << "question" << int(QMessageBox::No);
        QTest::newRow("information yes/no") << int(Seam::DeleteTemporaryFiles) << int(QMessageBox::Information)
                                            << yesNo << "question" << int(QMessageBox::No);
        QTest::newRow("ok/cancel") << int(Seam::DeleteSources) << int(QMessageBox::Warning) << okCancel
                                   << "question" << int(QMessageBox::Cancel);
        QTest::newRow("warning") << int(Seam::LogNotSaved) << int(QMessageBox::Warning)
                                 << int(QMessageBox::Ok) << "warning" << int(QMessageBox::Ok);
        QTest::newRow("notice") << int(Seam::GhostscriptNotice) << int(QMessageBox::Information)
                                << int(QMessageBox::Ok) << "" << -1;
        QTest::newRow("overwrite") << int(Seam::Overwrite) << int(QMessageBox::Warning)
                                   << int(QMessageBox::Ok) << "overwrite" << 4;
    }

    void narrowAnswerersByShape()
    {
        QFETCH(int, kind);
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QFETCH(QString, answeredBy);
        QFETCH(int, code);
        QString by;
        Seam::SetQuestionAnswerer([&](const QString&) { by = "question"; return false; });
        Seam::SetWarningAnswerer([&](const QString&) { by = "warning"; });
        Seam::SetOverwriteAnswerer([&](const QString&, QString&) { by = "overwrite"; return 4; });
        const auto answer = Seam::Answered(Prompt(Seam::Kind(kind), QMessageBox::Icon(icon),
                                                  QMessageBox::StandardButtons(buttons)));
        QCOMPARE(by, answeredBy);
        QCOMPARE(answer ? answer->code : -1, code);
    }

    // The installed answerer comes first and sees every prompt with its kind;
    // what it leaves goes on to the narrow answerers.
    void answererFirstThenNarrow()
    {
        QList<int> seen;
        Seam::SetAnswerer([&](const Seam::SPrompt& prompt) -> std::optional<Seam::SAnswer> {
            seen << prompt.kind;
            if (prompt.kind == Seam::CreateDestination)
                return Seam::SAnswer{QMessageBox::Yes, QString()};
            return std::nullopt;
        });
        QStringList narrow;
        Seam::SetQuestionAnswerer([&](const QString& text) { narrow << text; return false; });
        QVERIFY(Seam::Question(nullptr, Seam::CreateDestination, "create?"));
        QVERIFY(!Seam::Question(nullptr, Seam::ConfirmRun, "ready?"));
        QVERIFY(!Seam::Confirm(nullptr, Seam::DeleteSources, "delete?"));
        QCOMPARE(seen, QList<int>({Seam::CreateDestination, Seam::ConfirmRun, Seam::DeleteSources}));
        QCOMPARE(narrow, QStringList({"ready?", "delete?"}));
    }

    // The dialogs that ask a person themselves ask the seam first.
    void dialogsAskTheSeamFirst()
    {
        QList<Seam::SPrompt> seen;
        Seam::SetAnswerer([&](const Seam::SPrompt& prompt) -> std::optional<Seam::SAnswer> {
            seen << prompt;
            return Seam::SAnswer{CDialogOverwrite::Rename, "/new/name.png"};
        });
        CDialogOverwrite overwrite;
        overwrite.path = "/old/name.png";
        QCOMPARE(overwrite.exec(), int(CDialogOverwrite::Rename));
        QCOMPARE(overwrite.newPath, QString("/new/name.png"));
        CDialogGSWarning notice;
        QCOMPARE(notice.exec(), int(QDialog::Accepted));
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].kind, Seam::Overwrite);
        QCOMPARE(seen[0].path, QString("/old/name.png"));
        QVERIFY(seen[0].text.contains("already exists"));
        QCOMPARE(seen[1].kind, Seam::GhostscriptNotice);
        QVERIFY(seen[1].text.contains("Ghostscript"));
    }

    // Nobody installed: the person gets a box with the prompt's icon, title,
    // buttons and default button, and the button pressed is the answer.
    void personSeesTheBox_data()
    {
        QTest::addColumn<int>("shape"); // 0 Question, 1 Confirm, 2 Ask with a title
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<QString>("title");
        QTest::newRow("question") << 0 << int(QMessageBox::Question) << int(QMessageBox::No) << "";
        QTest::newRow("confirm") << 1 << int(QMessageBox::Warning) << int(QMessageBox::Cancel) << "";
        QTest::newRow("delivery question")
            << 2 << int(QMessageBox::Information) << int(QMessageBox::No) << "Success";
    }

    void personSeesTheBox()
    {
        QFETCH(int, shape);
        QFETCH(int, icon);
        QFETCH(int, defaultButton);
        QFETCH(QString, title);
        int shownIcon = -1;
        int shownDefault = -1;
        QString shownTitle = "?";
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            shownIcon = box->icon();
            shownTitle = box->windowTitle();
            shownDefault = box->defaultButton() ? box->standardButton(box->defaultButton()) : 0;
            // Press the button that is not the default.
            for (QAbstractButton* button : box->buttons()) {
                if (box->standardButton(button) != QMessageBox::StandardButton(defaultButton))
                    button->click();
            }
        });
        poll.start(10);
        bool accepted = false;
        if (shape == 0) {
            accepted = Seam::Question(nullptr, Seam::ConfirmRun, "ready?");
        } else if (shape == 1) {
            accepted = Seam::Confirm(nullptr, Seam::DeleteSources, "delete?");
        } else {
            Seam::SPrompt prompt = Prompt(Seam::DeleteTemporaryFiles, QMessageBox::Information,
                                          QMessageBox::Yes | QMessageBox::No);
            prompt.title = "Success";
            prompt.defaultButton = QMessageBox::No;
            accepted = Seam::Ask(nullptr, prompt).code == QMessageBox::Yes;
        }
        QVERIFY(accepted);
        QCOMPARE(shownIcon, icon);
        QCOMPARE(shownTitle, title);
        QCOMPARE(shownDefault, defaultButton);
    }

    // A path in a message may look like markup: the box shows it as it is.
    void textShownAsTyped()
    {
        const QString text = "The folder /in/<hr>a could not be created.";
        int format = -1;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            poll.stop();
            if (auto* label = box->findChild<QLabel*>("qt_msgbox_label"); label && label->text() == text)
                format = label->textFormat();
            box->buttons().first()->click();
        });
        poll.start(10);
        Seam::Warning(nullptr, Seam::DestinationNotCreated, text);
        QCOMPARE(format, int(Qt::PlainText));
    }

    // Without a screen every prompt has an answer: as the job says with
    // notifications off, else the one that keeps every file; the report
    // names the question and the answer.
    void screenlessAnswers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("notificationsOff");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("report");
        const int yesNo = QMessageBox::Yes | QMessageBox::No;
        const int okCancel = QMessageBox::Ok | QMessageBox::Cancel;
        const int ok = QMessageBox::Ok;
        const auto row = [](const char* tag, Seam::Kind kind, int buttons, bool off, int code, const char* report) {
            QTest::newRow(tag) << int(kind) << buttons << off << code << QString(report);
        };
        row("overwrite, notifications off", Seam::Overwrite, ok, true, 2, "replace /out/a.jpg: answered Yes to All");
        row("overwrite", Seam::Overwrite, ok, false, 4, "replace /out/a.jpg: answered No to All");
        row("delete sources, notifications off", Seam::DeleteSources, okCancel, true, QMessageBox::Ok, "answered OK");
        row("delete sources", Seam::DeleteSources, okCancel, false, QMessageBox::Cancel, "answered Cancel, nothing");
        row("create folder", Seam::CreateDestination, yesNo, false, QMessageBox::Yes, "\"text\": answered Yes");
        row("delete temporary files", Seam::DeleteTemporaryFiles, yesNo, true, QMessageBox::No, "the files are kept");
        row("abort the run", Seam::AbortProcessing, yesNo, false, QMessageBox::No, "the run goes on");
        row("warning", Seam::LogNotSaved, ok, false, QMessageBox::Ok, "glimmerbox: text");
        row("other question", Seam::Message, okCancel, true, QMessageBox::Cancel, "answered Cancel");
    }

    void screenlessAnswers()
    {
        QFETCH(int, kind);
        QFETCH(int, buttons);
        QFETCH(bool, notificationsOff);
        QFETCH(int, code);
        QFETCH(QString, report);
        Seam::SPrompt prompt = Prompt(Seam::Kind(kind), QMessageBox::Warning, QMessageBox::StandardButtons(buttons));
        prompt.path = "/out/a.jpg";
        QString said;
        const Seam::SAnswer answer = CScreenlessAnswers(notificationsOff).Answer(prompt, said);
        QCOMPARE(answer.code, code);
        QVERIFY2(said.startsWith("glimmerbox: ") && said.contains(report), qPrintable(said));
        // Installed, it answers every prompt before any narrower answerer.
        Seam::SetQuestionAnswerer([](const QString&) { return true; });
        Seam::SetAnswerer(CScreenlessAnswers(notificationsOff).Answerer());
        QCOMPARE(Seam::Answered(prompt)->code, code);
    }
};

GB_TEST_MAIN(TestPromptSeam)
#include "tst_promptseam.moc"
