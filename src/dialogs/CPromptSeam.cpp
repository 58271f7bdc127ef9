#include "CPromptSeam.h"

#include <QMessageBox>

namespace {

struct Answerers
{
    CPromptSeam::OverwriteAnswerer overwrite;
    CPromptSeam::QuestionAnswerer question;
    CPromptSeam::WarningAnswerer warning;
};

Answerers& Installed()
{
    static Answerers answerers;
    return answerers;
}

} // namespace

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

const CPromptSeam::OverwriteAnswerer& CPromptSeam::Overwrite()
{
    return Installed().overwrite;
}

bool CPromptSeam::Question(QWidget* parent, const QString& text)
{
    if (Installed().question)
        return Installed().question(text);
    return QMessageBox::question(parent, QString(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

void CPromptSeam::Warning(QWidget* parent, const QString& text)
{
    if (Installed().warning) {
        Installed().warning(text);
        return;
    }
    QMessageBox::warning(parent, QString(), text, QMessageBox::Ok);
}
