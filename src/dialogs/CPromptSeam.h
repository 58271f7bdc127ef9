#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// The one road by which a question or notice of a processing run reaches a
// person: the pre-run checks of the main window, the overwrite question, the
// Ghostscript notice, the processing dialog's own questions and warnings,
// and the questions of the delivery. Each prompt names its kind, so whoever
// answers instead of a person (a test, a run without a screen) can answer
// each question as the job says.
//
// Answering order: the answerer installed with SetAnswerer, then the narrow
// answerers (overwrite, question, warning), then the person: a message box,
// or the prompt's own dialog (CDialogOverwrite, CDialogGSWarning), which
// consults Answered() before it shows itself. GUI thread only.
class CPromptSeam
{
public:
    // What a prompt is about.
    enum Kind {
        // Pre-run checks (MainWindow::OnPanelConvert).
        NoPhotos,              // warning: there are no photos to process
        ConfirmRun,            // Yes/No: ready to process N photos?
        NoDestination,         // warning: an output folder must be chosen first
        CreateDestination,     // Yes/No: create the missing output folder?
        DestinationNotCreated, // warning: the output folder could not be created
        DeleteSources,         // OK/Cancel: the sources will be deleted, continue?
        // The run (CProcessController).
        Overwrite,             // an output exists: CDialogOverwrite's answers
        GhostscriptNotice,     // a document format needs Ghostscript: OK
        AbortProcessing,       // Yes/No: stop the run still going?
        AbortUpload,           // Yes/No: stop the upload still going?
        LogNotSaved,           // warning: the processing log could not be saved
        // The delivery (CUpload).
        DeleteTemporaryFiles,  // Yes/No: the message is handed over; delete the copies?
        MailProgramFailed,     // warning: the mail program could not be opened
        // The window's commands (MainWindow).
        DiscardJob,            // Yes/No: New discards the job's settings, continue?
        ScriptNotifications,   // Yes/No/Cancel: disable every notification of the script?
        SaveOnClose,           // Yes/No/Cancel: save the job's file before closing?
        // The help commands (HelpPages).
        NoAddress,             // warning: this copy has no help or web site address
        // Any other warning of the window (job files, saving, settings).
        Message,
    };

    // One prompt, as a person would see it.
    struct SPrompt
    {
        Kind kind = Message;
        QString text;
        QString title;
        QString path; // Overwrite: the existing output file
        QMessageBox::Icon icon = QMessageBox::Warning;
        QMessageBox::StandardButtons buttons = QMessageBox::Ok;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    // The answer. For a message box `code` is the QMessageBox::StandardButton
    // chosen (Yes, No, Ok, Cancel); for Overwrite it is a CDialogOverwrite
    // answer (0 Abort, 1 Yes, 2 Yes to All, 3 No, 4 No to All, 5 Rename) and,
    // after Rename, `newPath` the full path chosen. Notices ignore it.
    struct SAnswer
    {
        int code = QMessageBox::NoButton;
        QString newPath;
    };

    // Answers prompts instead of a person; returns no answer to leave a
    // prompt to the next in line.
    using Answerer = std::function<std::optional<SAnswer>(const SPrompt& prompt)>;
    // Narrow answerers, for tests. Overwrite: the answer code, and for a
    // Rename the new full path in `newPath`.
    using OverwriteAnswerer = std::function<int(const QString& path, QString& newPath)>;
    // Every Yes/No and OK/Cancel box: true for Yes or OK.
    using QuestionAnswerer = std::function<bool(const QString& text)>;
    // Every warning box with one OK button: takes note of it.
    using WarningAnswerer = std::function<void(const QString& text)>;

    static void SetAnswerer(Answerer answerer);
    static void SetOverwriteAnswerer(OverwriteAnswerer answerer);
    static void SetQuestionAnswerer(QuestionAnswerer answerer);
    static void SetWarningAnswerer(WarningAnswerer answerer);
    // Back to the person: every answerer is removed.
    static void Reset();

    // The answer of an installed answerer, if one answers the prompt.
    static std::optional<SAnswer> Answered(const SPrompt& prompt);
    // Answered(), else a modal message box with the prompt's icon, title,
    // text, buttons and default button.
    static SAnswer Ask(QWidget* parent, const SPrompt& prompt);

    // A question box with an empty title, Yes and No, No the default: true
    // for Yes.
    static bool Question(QWidget* parent, Kind kind, const QString& text);
    // A warning box with an empty title, OK and Cancel, Cancel the default:
    // true for OK.
    static bool Confirm(QWidget* parent, Kind kind, const QString& text);
    // A warning box with an empty title and one OK button.
    static void Warning(QWidget* parent, Kind kind, const QString& text);
    // A question box with an empty title and Yes, No and Cancel: the button
    // chosen (Cancel when a box is closed otherwise).
    static QMessageBox::StandardButton YesNoCancel(QWidget* parent, Kind kind, const QString& text,
                                                   QMessageBox::StandardButton defaultButton);
};
