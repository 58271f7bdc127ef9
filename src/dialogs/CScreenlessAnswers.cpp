#include "CScreenlessAnswers.h"

#include "CDialogOverwrite.h"

#include <QDir>

#include <cstdio>

namespace {
QString Asked(const CPromptSeam::SPrompt& prompt)
{
    QString text = prompt.text;
    text.replace('\n', ' ');
    return QStringLiteral("glimmerbox: no screen to ask \"%1\": ").arg(text);
}

// The answer of a question box that keeps things as they are: its No or
// Cancel button.
int KeepingButton(const CPromptSeam::SPrompt& prompt)
{
    if (prompt.buttons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    if (prompt.buttons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    return QMessageBox::Ok;
}
} // namespace

CScreenlessAnswers::CScreenlessAnswers(bool disableNotifications) : m_disableNotifications(disableNotifications)
{
}

CPromptSeam::SAnswer CScreenlessAnswers::Answer(const CPromptSeam::SPrompt& prompt, QString& report) const
{
    CPromptSeam::SAnswer answer;
    switch (prompt.kind) {
    case CPromptSeam::Overwrite:
        answer.newPath = prompt.path;
        report = QStringLiteral("glimmerbox: no screen to ask whether to replace %1: ")
                     .arg(QDir::toNativeSeparators(prompt.path));
        if (m_disableNotifications) {
            answer.code = CDialogOverwrite::YesToAll;
            report += "answered Yes to All, existing outputs are replaced";
        } else {
            answer.code = CDialogOverwrite::NoToAll;
            report += "answered No to All, existing outputs are kept";
        }
        return answer;
    case CPromptSeam::ConfirmRun:
    case CPromptSeam::CreateDestination:
        answer.code = QMessageBox::Yes;
        report = Asked(prompt) + "answered Yes";
        return answer;
    case CPromptSeam::DeleteSources:
        if (m_disableNotifications) {
            answer.code = QMessageBox::Ok;
            report = Asked(prompt) + "answered OK";
        } else {
            answer.code = QMessageBox::Cancel;
            report = Asked(prompt) + "answered Cancel, nothing is processed (a script with "
                                     "DisableNotifications 1 deletes its sources without asking)";
        }
        return answer;
    case CPromptSeam::DeleteTemporaryFiles:
        answer.code = QMessageBox::No;
        report = Asked(prompt) + "answered No, the files are kept";
        return answer;
    case CPromptSeam::AbortProcessing:
    case CPromptSeam::AbortUpload:
        answer.code = QMessageBox::No;
        report = Asked(prompt) + "answered No, the run goes on";
        return answer;
    default:
        break;
    }
    // Notices and warnings: told, not asked.
    if (prompt.buttons == QMessageBox::Ok || prompt.buttons == QMessageBox::NoButton) {
        answer.code = QMessageBox::Ok;
        QString text = prompt.text;
        text.replace('\n', ' ');
        report = "glimmerbox: " + text;
        return answer;
    }
    answer.code = KeepingButton(prompt);
    const char* button = answer.code == QMessageBox::No ? "No" : answer.code == QMessageBox::Cancel ? "Cancel" : "OK";
    report = Asked(prompt) + "answered " + button;
    return answer;
}

CPromptSeam::Answerer CScreenlessAnswers::Answerer() const
{
    const CScreenlessAnswers answers = *this;
    return [answers](const CPromptSeam::SPrompt& prompt) -> std::optional<CPromptSeam::SAnswer> {
        QString report;
        const CPromptSeam::SAnswer answer = answers.Answer(prompt, report);
        fprintf(stderr, "%s\n", qUtf8Printable(report));
        fflush(stderr);
        return answer;
    };
}
