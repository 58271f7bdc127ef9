#include "CPromptSeam.h"

#include <utility>

namespace {

struct Answerers
{
    CPromptSeam::Answerer general;
    CPromptSeam::OverwriteAnswerer overwrite;
    CPromptSeam::QuestionAnswerer question;
    CPromptSeam::WarningAnswerer warning;
};

Answerers& Installed()
{
    static Answerers answerers;
    return answerers;
}

bool IsQuestion(const CPromptSeam::SPrompt& prompt)
{
    return prompt.buttons == (QMessageBox::Yes | QMessageBox::No) ||
           prompt.buttons == (QMessageBox::Ok | QMessageBox::Cancel);
}

bool IsWarning(const CPromptSeam::SPrompt& prompt)
{
    return prompt.icon == QMessageBox::Warning && prompt.buttons == QMessageBox::Ok;
}

// The narrow answerer that fits the prompt's shape, if one is installed.
std::optional<CPromptSeam::SAnswer> AnsweredNarrowly(const CPromptSeam::SPrompt& prompt)
{
    const Answerers& installed = Installed();
    CPromptSeam::SAnswer answer;
    if (prompt.kind == CPromptSeam::Overwrite) {
        if (!installed.overwrite)
            return std::nullopt;
        answer.newPath = prompt.path;
        answer.code = installed.overwrite(prompt.path, answer.newPath);
        return answer;
    }
    if (IsQuestion(prompt) && installed.question) {
        const bool yes = installed.question(prompt.text);
        if (prompt.buttons.testFlag(QMessageBox::Yes))
            answer.code = yes ? QMessageBox::Yes : QMessageBox::No;
        else
            answer.code = yes ? QMessageBox::Ok : QMessageBox::Cancel;
        return answer;
    }
    if (IsWarning(prompt) && installed.warning) {
        installed.warning(prompt.text);
        answer.code = QMessageBox::Ok;
        return answer;
    }
    return std::nullopt;
}

CPromptSeam::SPrompt Box(CPromptSeam::Kind kind, const QString& text, QMessageBox::Icon icon,
                         QMessageBox::StandardButtons buttons,
                         QMessageBox::StandardButton defaultButton)
{
    CPromptSeam::SPrompt prompt;
    prompt.kind = kind;
    prompt.text = text;
    prompt.icon = icon;
    prompt.buttons = buttons;
    prompt.defaultButton = defaultButton;
    return prompt;
}

} // namespace

void CPromptSeam::SetAnswerer(Answerer answerer)
{
    Installed().general = std::move(answerer);
}

void CPromptSeam::SetOverwriteAnswerer(OverwriteAnswerer answerer)
{
    Installed().overwrite = std::move(answerer);
}

void CPromptSeam::SetQuestionAnswerer(QuestionAnswerer answerer)
{
    Installed().question = std::move(answerer);
}

void CPromptSeam::SetWarningAnswerer(WarningAnswerer answerer)
{
    Installed().warning = std::move(answerer);
}

void CPromptSeam::Reset()
{
    Installed() = Answerers();
}

std::optional<CPromptSeam::SAnswer> CPromptSeam::Answered(const SPrompt& prompt)
{
    if (Installed().general) {
        if (std::optional<SAnswer> answer = Installed().general(prompt))
            return answer;
    }
    return AnsweredNarrowly(prompt);
}

CPromptSeam::SAnswer CPromptSeam::Ask(QWidget* parent, const SPrompt& prompt)
{
    if (std::optional<SAnswer> answer = Answered(prompt))
        return *answer;
    QMessageBox box(prompt.icon, prompt.title, prompt.text, prompt.buttons, parent);
    // Paths and names in a message may look like markup: shown as they are.
    box.setTextFormat(Qt::PlainText);
    if (prompt.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(prompt.defaultButton);
    SAnswer answer;
    answer.code = box.exec();
    return answer;
}

bool CPromptSeam::Question(QWidget* parent, Kind kind, const QString& text)
{
    const SPrompt prompt = Box(kind, text, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No);
    return Ask(parent, prompt).code == QMessageBox::Yes;
}

bool CPromptSeam::Confirm(QWidget* parent, Kind kind, const QString& text)
{
    const SPrompt prompt = Box(kind, text, QMessageBox::Warning, QMessageBox::Ok | QMessageBox::Cancel,
                               QMessageBox::Cancel);
    return Ask(parent, prompt).code == QMessageBox::Ok;
}

void CPromptSeam::Warning(QWidget* parent, Kind kind, const QString& text)
{
    Ask(parent, Box(kind, text, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::NoButton));
}

QMessageBox::StandardButton CPromptSeam::YesNoCancel(QWidget* parent, Kind kind, const QString& text,
                                                     QMessageBox::StandardButton defaultButton)
{
    const SPrompt prompt = Box(kind, text, QMessageBox::Question,
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, defaultButton);
    const int code = Ask(parent, prompt).code;
    if (code == QMessageBox::Yes || code == QMessageBox::No)
        return QMessageBox::StandardButton(code);
    return QMessageBox::Cancel;
}
