// The processing log: the dialog's log view, the run's buffer and the log
// files on disk (newest run first).
#include "CProcessController.h"

#include "COutputPaths.h"
#include "CPromptSeam.h"
#include "CUserProfile.h"
#include "Common.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTextEdit>

#include <cstdio>

namespace {

const char kRunSeparator[] = "\r\n\r\n----------\r\n\r\n";
const char kByteOrderMark[] = "\xEF\xBB\xBF";

} // namespace

QString CProcessController::GeneralLogPath()
{
    return GetMyDocuments() + "/Glimmerbox/Glimmerbox.log";
}

QString CProcessController::MonitorLogPath() const
{
    // The job's Id comes from a job file: keep it a plain name in the folder.
    return GetMyDocuments() + "/Glimmerbox/Monitor/" + COutputPaths::SafeFileName(profile->Id) +
           ".log";
}

void CProcessController::UpdateLog(QString text, int mode)
{
    if (mode == 0 || mode == 1)
        editProcessLog->append(text);
    if (mode == 0 || mode == 2)
        logBuffer += text + "\r\n";
}

QString CProcessController::LogViewText() const
{
    return editProcessLog->toPlainText();
}

void CProcessController::SaveLog()
{
    logBuffer += QString::fromLatin1(kRunSeparator);
    if (profile->monitorRun && profile->CreateLog)
        SaveLogToDisk(MonitorLogPath());
    if (profile->processLog && !profile->monitorRun)
        SaveLogToDisk(GeneralLogPath());
    linkShowLog->show();
    textBlank->setMinimumWidth(linkShowLog->width());
    textBlank->show();
}

bool CProcessController::SaveLogToDisk(QString path)
{
    QDir().mkpath(path.left(path.lastIndexOf('/')));
    QFile previous(path);
    const bool hasPrevious = previous.open(QIODevice::ReadOnly);
    const QString temporaryPath = path + ".tmp";
    QFile temporary(temporaryPath);
    if (!temporary.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        ShowLogWarning(tr("Could not save log."));
        return false;
    }
    bool ok = temporary.write(kByteOrderMark, 3) == 3;
    const QByteArray text = logBuffer.toUtf8();
    ok = ok && temporary.write(text) == text.size();
    if (hasPrevious && previous.seek(3)) {
        char block[1024];
        for (;;) {
            const qint64 n = previous.read(block, sizeof block);
            if (n <= 0)
                break;
            ok = ok && temporary.write(block, n) == n;
        }
    }
    previous.close();
    ok = temporary.flush() && ok;
    temporary.close();
    // The new log replaces the old one in one step, so there is always a log.
    if (!ok || std::rename(QFile::encodeName(temporaryPath).constData(),
                           QFile::encodeName(path).constData()) != 0) {
        if (!ok)
            QFile::remove(temporaryPath);
        ShowLogWarning(tr("Could not save log."));
        return false;
    }
    return true;
}

void CProcessController::ShowLogWarning(const QString& text)
{
    SystemLogWrite("ProcessController", text);
    if (IsSilent())
        return; // nothing may wait for a person in a silent run
    CPromptSeam::Warning(this, CPromptSeam::LogNotSaved, text);
}
