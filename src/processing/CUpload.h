#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <atomic>

class CUserProfile;

// Delivery of the written files of a run: upload to an FTP or SFTP server
// (libcurl's easy interface), the connection test, the e-mail hand-off and the
// removal of the temporary copies. One object serves one run.
//
// UploadFTP and TestFTPConnection block; the upload thread calls them. The
// abort flag may be set from any thread and also stops a transfer in flight.
// The e-mail hand-off runs on the GUI thread and asks through CPromptSeam.
class CUpload : public QObject
{
    Q_OBJECT
public:
    // Reads the keep-the-written-files setting of `profile` (the process's
    // profile when null) for its destination; it stays fixed afterwards.
    explicit CUpload(CUserProfile* profile = nullptr, QObject* parent = nullptr);

    // libcurl's process-wide start-up. Done once; the processing dialog calls
    // it before any transfer thread starts, and every CUpload makes sure of
    // it. libcurl is never shut down while the process runs.
    static void InitializeTransfers();

    // The preferred temporary folder (COutputPaths::TempFolder, with a
    // trailing "/"). Each run writes the outputs it only delivers, and its
    // e-mail message, into a folder of its own (COutputPaths::CreateRunFolder),
    // inside it or, where it is refused, beside it.
    static QString TemporaryFolder();
    // Creates the temporary folder with mode 0700 when missing. Refuses (false)
    // a symbolic link, a non-folder or a folder owned by another user. Same as
    // COutputPaths::PrepareTempFolder.
    static bool MakeTemporaryFolder();

    // The run's own folder (no trailing "/"): the written files of a monitor
    // run are named on the server from it, the message goes there, and it is
    // removed once emptied. Without one, the temporary folder itself serves
    // and is left in place.
    void SetRunFolder(const QString& folder);
    QString RunFolder() const;

    // Sends every file to `remotePath` on the server (ftp:// or sftp://),
    // keeping the files' folders below their common folder. `password` is in
    // the stored (EncryptString) form. Emits ImgUploaded after each file sent
    // and UploadFinished at the end. Stops at the first failed transfer.
    void UploadFTP(QString host, QString user, QString password, long port,
                   QList<QString> files, QString remotePath, bool sftp);

    // One login and listing of `remotePath` with a ten-second limit: "Success",
    // libcurl's error text, or "" when no libcurl handle could be made.
    QString TestFTPConnection(QString host, QString user, QString password, long port,
                              QString remotePath, bool sftp);

    // The folder shared by all paths of the list, compared by whole path
    // components ("" when they share none). A monitor run uses `tempFolder`
    // when every path lies below it.
    QString FindCommonPath(QList<QString>& files, QString tempFolder);

    // The e-mail hand-off: composes a message with the existing files of the
    // list, hands it to the mail program and asks whether to delete the
    // temporary copies (a silent run asks nothing and logs instead). Returns
    // whether the message reached the mail program.
    bool AddAttachments(QList<QString> files, bool deleteAfter);
    // The e-mail message of the last hand-off while it is kept; "" when none
    // was handed over or it was deleted.
    QString MessagePath() const { return m_messagePath; }

    // Deletes every file of the last upload or e-mail list, ignoring failures.
    void DeleteTemporaryFiles();

    void SetAbort(bool abort);
    bool IsAborted() const;

    // Whether the last delivery reached its end: the upload sent every listed
    // file, or the e-mail message reached the mail program. Callers delete
    // sources and temporary outputs only after a complete delivery.
    bool DeliveryComplete() const;
    bool KeepsWrittenFiles() const;
    int UploadedCount() const;
    // What the upload adds to the processing log: libcurl's error text of the
    // failed transfer, and where the kept files are.
    QString ErrorText() const;
    // Why the last delivery did not complete, in one line: the failed
    // transfer with libcurl's details, a file that could not be read, a stop,
    // or the cause of a failed e-mail message. "" after a complete delivery.
    QString FailureText() const;

    // Limits of a transfer: time to connect, and how long the server may stay
    // silent (no byte moving, no reply) before the transfer fails.
    void SetTimeLimits(long connectSeconds, long stallSeconds);

    // Address of a remote file: the scheme, host, then every segment of the
    // remote folder and of the relative name percent-encoded.
    static QString BuildAddress(const QString& host, const QString& remotePath,
                                const QString& relativeName, bool sftp);
    // `path` without the leading `commonPath` + "/"; the file name alone when
    // the path does not lie below the common folder.
    static QString RelativeName(const QString& path, const QString& commonPath);

signals:
    void ImgUploaded(double kbPerSecond);
    void UploadFinished(int uploadedCount, QString errorText);
    // Outcome lines of the e-mail hand-off for the processing log.
    void AppendLog(QString text, int mode = 0);

private:
    // Why an FTP login with a line break in its user name or password is refused.
    static QString LoginLineBreakText();
    bool SilentRun() const;
    // After a complete delivery: the temporary copies and the folders they
    // leave empty; files of other runs in the temporary folder stay.
    void RemoveDeliveredCopies();
    // Where the written files of a delivery that did not complete are kept;
    // "" when none was written.
    QString KeptFilesText() const;

    CUserProfile* m_profile = nullptr;
    std::atomic<bool> m_abort{false};
    QString m_runFolder;
    QString m_messagePath;
    QString m_errorText;
    QString m_failure;
    QList<QString> m_files;
    int m_uploadedCount = 0;
    bool m_keepFiles = false;
    bool m_complete = false;
    long m_connectSeconds = 15;
    long m_stallSeconds = 30;
};
