// The e-mail hand-off of CUpload.
#include "CUpload.h"

#include "CEmail.h"
#include "COutputPaths.h"
#include "CPromptSeam.h"
#include "Common.h"

#include <QFile>

bool CUpload::AddAttachments(QList<QString> files, bool deleteAfter)
{
    SystemLogWrite("AddAttachments", "");
    m_files = files;

    SEmailRecord record;
    record.subject = QStringLiteral("Glimmerbox");
    for (const QString& file : qAsConst(files)) {
        if (QFile::exists(file))
            record.attachments.append(file);
    }
    CEmail email(record);
    if (!m_runFolder.isEmpty())
        email.SetMessageFolder(m_runFolder);
    const bool opened = email.openInDefaultProgram();
    const bool removeCopies = deleteAfter && !m_keepFiles;
    m_complete = opened;
    m_failure = email.FailureText();
    m_messagePath = opened ? email.MessagePath() : QString();

    if (opened) {
        if (SilentRun()) {
            // Nobody answers in a silent run: the message and the files stay,
            // as after the default answer.
            emit AppendLog(tr("E-mail message handed to the mail program: %1")
                               .arg(EscapeForLog(email.MessagePath())),
                           0);
            return true;
        }
        CPromptSeam::SPrompt question;
        question.kind = CPromptSeam::DeleteTemporaryFiles;
        question.icon = QMessageBox::Information;
        question.title = tr("Success");
        question.text = tr("Files attached successfuly. We advise deleting the temporary files that "
                           "Glimmerbox may have created in the process (be sure to do that only after "
                           "you have finished sending your e-mail). Delete temporary files now?");
        question.buttons = QMessageBox::Yes | QMessageBox::No;
        question.defaultButton = QMessageBox::No;
        if (CPromptSeam::Ask(nullptr, question).code != QMessageBox::Yes)
            return true;
        QFile::remove(email.MessagePath());
        m_messagePath.clear();
        if (removeCopies)
            DeleteTemporaryFiles();
        if (!m_runFolder.isEmpty())
            COutputPaths::RemoveRunFolderIfEmpty(m_runFolder);
        return true;
    }

    // The hand-off failed: the written files are all the user has, so they stay.
    if (!SilentRun()) {
        CPromptSeam::SPrompt warning;
        warning.kind = CPromptSeam::MailProgramFailed;
        warning.title = tr("Error");
        warning.text = tr("Could not open default mail client.");
        warning.defaultButton = QMessageBox::Ok;
        CPromptSeam::Ask(nullptr, warning);
    }
    // The message box's words, then what actually went wrong.
    QString text = tr("Could not open default mail client.");
    if (!m_failure.isEmpty())
        text += "\r\n" + m_failure;
    const QString kept = m_keepFiles ? QString() : KeptFilesText();
    if (!kept.isEmpty())
        text += "\r\n" + kept;
    emit AppendLog(text, 0);
    if (!email.MessagePath().isEmpty())
        QFile::remove(email.MessagePath());
    return false;
}
