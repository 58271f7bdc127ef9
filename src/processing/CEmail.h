#pragma once

#include "SEmailRecord.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// Composes a MIME message (".eml") that carries the record's files as Base64
// attachments, writes it into the temporary folder and hands it to the mail
// program.
class CEmail : public QObject
{
    Q_OBJECT
public:
    explicit CEmail(SEmailRecord record = SEmailRecord(), QObject* parent = nullptr);

    // Composes and writes the message, then opens it with the desktop's mail
    // program. False when an attachment cannot be read (no file is written),
    // when the message cannot be written, or when the opener cannot start.
    bool openInDefaultProgram();

    // The whole message in Latin-1; false when an attachment cannot be read
    // (its path then in *unreadable).
    bool ComposeMessage(QByteArray& message, QString* unreadable = nullptr) const;

    // The folder the message is written into: a run's own folder inside the
    // temporary folder. Without one, the temporary folder itself.
    void SetMessageFolder(const QString& folder);

    // Path of the written message; "" until one was created.
    QString MessagePath() const;
    // Why openInDefaultProgram failed, for the processing log: an attachment
    // that could not be read, a message file that could not be written, or a
    // mail program that could not be opened. "" after a success.
    QString FailureText() const;

    // Quoted-printable form of Latin-1 text (RFC 2045), CR LF line breaks.
    static QByteArray QuotedPrintable(const QByteArray& text);
    // Base64 in lines of at most 76 characters, separated by CR LF.
    static QByteArray Base64Lines(const QByteArray& data);

private:
    bool WriteMessageFile(const QByteArray& message);

    SEmailRecord m_record;
    QString m_folder;
    QString m_messagePath;
    QString m_failure;
};
