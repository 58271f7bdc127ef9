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
#include <QLockFile>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTextCursor>
#include <QTextEdit>

#include <cerrno>
#include <cstdio>

#include <unistd.h>

namespace {

const char kRunSeparator[] = "\r\n\r\n----------\r\n\r\n";
const char kByteOrderMark[] = "\xEF\xBB\xBF";

// Appends what `from` holds after its first `skip` bytes to the end of `to`
// (both open, `to` flushed). The log holds every run, so the kernel copies
// it where it can; elsewhere it goes through memory in large blocks. A
// read error ends the copy; false when writing failed.
bool AppendRestOf(QFile& from, qint64 skip, QFile& to)
{
    loff_t in = skip;
    loff_t out = to.size();
    const int source = from.handle();
    const int target = to.handle();
    for (;;) {
        const ssize_t n = ::copy_file_range(source, &in, target, &out, std::size_t(1) << 30, 0);
        if (n == 0)
            return true;
        if (n < 0)
            break;
    }
    if (errno != ENOSYS && errno != EXDEV && errno != EINVAL && errno != EOPNOTSUPP)
        return false;
    if (!from.seek(in) || !to.seek(out))
        return false;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = from.read(block.data(), block.size());
        if (n <= 0)
            return true;
        if (to.write(block.constData(), n) != n)
            return false;
    }
}

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
        AppendToView(text);
    if (mode == 0 || mode == 2)
        logBuffer += text + "\r\n";
}

void CProcessController::AppendToView(const QString& text)
{
    // As append() does with plain text, keeping the view at its end.
    QScrollBar* bar = editProcessLog->verticalScrollBar();
    const bool atEnd = bar->value() >= bar->maximum();
    QTextCursor cursor(editProcessLog->document());
    cursor.beginEditBlock();
    cursor.movePosition(QTextCursor::End);
    if (!editProcessLog->document()->isEmpty())
        cursor.insertBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    if (atEnd)
        bar->setValue(bar->maximum());
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
    // Runs of other copies of the program write the same log: one at a
    // time, or the later one would drop the earlier one's lines. A lock
    // left by a copy that was killed is taken over.
    QLockFile lock(path + ".lock");
    lock.setStaleLockTime(60000);
    if (!lock.tryLock(30000))
        SystemLogWrite("SaveLogToDisk", "the log stays locked by another run; writing all the same");
    QFile previous(path);
    const bool hasPrevious = previous.open(QIODevice::ReadOnly);
    QTemporaryFile temporary(path + ".XXXXXX");
    temporary.setAutoRemove(false);
    if (!temporary.open()) {
        ShowLogWarning(tr("Could not save log."));
        return false;
    }
    const QString temporaryPath = temporary.fileName();
    bool ok = temporary.write(kByteOrderMark, 3) == 3;
    const QByteArray text = logBuffer.toUtf8();
    ok = ok && temporary.write(text) == text.size();
    // The old runs follow, past the old file's byte-order mark.
    ok = temporary.flush() && ok;
    if (ok && hasPrevious && previous.size() > 3)
        ok = AppendRestOf(previous, 3, temporary);
    previous.close();
    ok = temporary.flush() && ok;
    temporary.close();
    // The new log replaces the old one in one step, so there is always a log.
    if (!ok || std::rename(QFile::encodeName(temporaryPath).constData(),
                           QFile::encodeName(path).constData()) != 0) {
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
