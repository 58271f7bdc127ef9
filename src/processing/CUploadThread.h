#pragma once

#include "CUpload.h"

#include <QList>
#include <QString>
#include <QThread>

class CUserProfile;

// Runs the server upload of a processing run, or the step-3 connection test,
// on a thread of its own. The settings come from the user profile, which does
// not change while the thread runs.
class CUploadThread : public QThread
{
    Q_OBJECT
public:
    explicit CUploadThread(QObject* parent = nullptr);
    // Aborts a transfer still running and waits for the thread.
    ~CUploadThread() override;

    // Asks the upload to stop (only for the server destination); a transfer
    // in flight ends at once.
    void SetAbortThread(bool abort);

    // The upload object (its outcome may be read once UploadThreadFinished
    // has arrived).
    CUpload& Upload();
    const CUpload& Upload() const;

    // Filled before start(): the files to send.
    QList<QString> files;
    // Set before start(): run the connection test instead of the upload.
    bool testMode = false;

signals:
    void IncProgressImageUpload(double kbPerSecond);
    void AppendLog(QString text, int mode = 0);
    void UploadThreadFinished(int uploadedCount);
    void ConnectionTestFinished(QString result);

public slots:
    void ProgressImage(double kbPerSecond);
    void UploadFinished(int uploadedCount, QString text);

protected:
    void run() override;

private:
    CUserProfile* m_profile = nullptr;
    CUpload m_upload;
};
