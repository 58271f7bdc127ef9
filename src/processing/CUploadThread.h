#pragma once

#include "CUpload.h"
#include "SOutputSettings.h"

#include <QList>
#include <QString>
#include <QThread>

class CUserProfile;

// Runs the server upload of a processing run, or the step-3 connection test,
// on a thread of its own. The server settings are a copy taken from the user
// profile on the GUI thread before start() (TakeServerSettings), so that the
// step-3 fields may be edited while a connection test runs.
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

    // Copies the output settings (server, login, remote folder) from the
    // profile. GUI thread, before start(), never while the thread runs.
    void TakeServerSettings();
    // The copy the thread works with.
    const SOutputSettings& ServerSettings() const { return m_server; }
    // The server and folder the files go to, for people to read:
    // "ftp://host:port/folder/" (never the user name or password).
    QString ServerPlace() const;

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
    SOutputSettings m_server;
    bool m_serverTaken = false; // nothing is sent before a copy was taken
    CUpload m_upload;
};
