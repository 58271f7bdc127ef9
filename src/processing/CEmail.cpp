#include "CEmail.h"

#include "CUpload.h"
#include "Common.h"
#include "Platform.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {
const char* const kBoundary = "TarnWillowMailerBoundary";
const char* const kAttachmentBoundary = "TarnWillowMailerBoundaryAttachments";

bool IsControl(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u <= 0x9F);
}

// Text for a header line: control characters (line breaks above all) would
// let a value start a header of its own, so they go.
QString HeaderText(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (!IsControl(c))
            result += c;
    }
    return result;
}

// Value of a quoted header parameter: header text with "\" and the double
// quote escaped.
QString QuotedParameter(const QString& text)
{
    QString result = HeaderText(text);
    result.replace('\\', "\\\\");
    result.replace('"', "\\\"");
    return result;
}

// "image/" + the file's suffix as written; a suffix that is not a plain
// token gives a generic type.
QString ContentType(const QString& fileName)
{
    const int dot = fileName.lastIndexOf('.');
    const QString suffix = dot < 0 ? QString() : fileName.mid(dot + 1);
    bool plain = !suffix.isEmpty();
    for (const QChar c : suffix) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != '+' && c != '-')
            plain = false;
    }
    return plain ? "image/" + suffix : QStringLiteral("application/octet-stream");
}

char HexDigit(int value)
{
    return "0123456789ABCDEF"[value & 0xF];
}
} // namespace

CEmail::CEmail(SEmailRecord record, QObject* parent) : QObject(parent), m_record(std::move(record))
{
}

QString CEmail::MessagePath() const
{
    return m_messagePath;
}

QString CEmail::FailureText() const
{
    return m_failure;
}

QByteArray CEmail::QuotedPrintable(const QByteArray& text)
{
    QByteArray out;
    const QList<QByteArray> lines = text.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        int length = 0;
        for (int j = 0; j < line.size(); ++j) {
            const unsigned char c = static_cast<unsigned char>(line.at(j));
            const bool last = j == line.size() - 1;
            QByteArray token;
            if ((c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !last)) {
                token += static_cast<char>(c);
            } else {
                token += '=';
                token += HexDigit(c >> 4);
                token += HexDigit(c);
            }
            if (length + token.size() > 75) {
                out += "=\r\n";
                length = 0;
            }
            out += token;
            length += token.size();
        }
        if (i + 1 < lines.size())
            out += "\r\n";
    }
    return out;
}

QByteArray CEmail::Base64Lines(const QByteArray& data)
{
    const QByteArray encoded = data.toBase64();
    QByteArray out;
    out.reserve(encoded.size() + encoded.size() / 76 * 2 + 2);
    for (qsizetype at = 0; at < encoded.size(); at += 76) {
        if (at > 0)
            out += "\r\n";
        out += encoded.mid(at, 76);
    }
    return out;
}

bool CEmail::ComposeMessage(QByteArray& message, QString* unreadable) const
{
    QByteArray text;
    const auto add = [&text](const QString& piece) { text += piece.toLatin1(); };
    add(QString("Content-Type: multipart/alternative; boundary=\"%1\"\r\n").arg(kBoundary));
    add("To: " + HeaderText(m_record.to) + "\r\n");
    add("Subject: " + HeaderText(m_record.subject) + "\r\n");
    add("Mime-Version: 1.0 \r\n\r\n");
    add(QString("--%1\r\n").arg(kBoundary));
    add("Content-Transfer-Encoding: quoted-printable\r\n");
    add("Content-Type: text/plain;\r\n");
    add("        charset=iso-8859-1\r\n\r\n");
    text += QuotedPrintable(m_record.body.toLatin1());
    add("\r\n\r\n");
    add(QString("\r\n--%1\r\n").arg(kBoundary));
    add("Content-Type: multipart/mixed;\r\n");
    add(QString("        boundary=\"%1\"\r\n\r\n").arg(kAttachmentBoundary));

    for (const QString& path : m_record.attachments) {
        QFile file(path);
        const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        if (file.error() != QFileDevice::NoError) {
            SystemLogWrite("ComposeMessage", "cannot read " + path + ": " + file.errorString());
            if (unreadable)
                *unreadable = path;
            return false;
        }
        file.close();
        const QString name = QFileInfo(path).fileName();
        add(QString("--%1\r\n").arg(kAttachmentBoundary));
        add("Content-Disposition: attachment;\r\n");
        add("Content-Type: " + ContentType(name) + ";\r\n");
        add("        name=\"" + QuotedParameter(name) + "\"\r\n");
        add("Content-Transfer-Encoding: base64\r\n\r\n");
        text += Base64Lines(content);
        add("\r\n");
    }
    add(QString("--%1--\r\n").arg(kAttachmentBoundary));
    add(QString("--%1--\r\n").arg(kBoundary));
    message = std::move(text);
    return true;
}

void CEmail::SetMessageFolder(const QString& folder)
{
    m_folder = folder;
}

bool CEmail::WriteMessageFile(const QByteArray& message)
{
    QString folder = m_folder;
    if (folder.isEmpty()) {
        folder = CUpload::TemporaryFolder();
        if (!CUpload::MakeTemporaryFolder()) {
            m_failure = tr("The e-mail message could not be written: the temporary folder %1 cannot be used.")
                            .arg(EscapeForLog(folder));
            return false;
        }
    } else if (!folder.endsWith('/')) {
        folder += '/';
    }
    // A name that is taken (a message of the same second) gets the next number,
    // so an earlier message that the mail program may still read stays intact.
    const qint64 seconds = QDateTime::currentSecsSinceEpoch();
    for (qint64 number = seconds; number < seconds + 1000; ++number) {
        const QString path = folder + QString("ComposedEmail-%1.eml").arg(number);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            if (file.exists())
                continue;
            SystemLogWrite("openInDefaultProgram", "cannot write " + path + ": " + file.errorString());
            m_failure = tr("The e-mail message %1 could not be written: %2.")
                            .arg(EscapeForLog(path), file.errorString());
            return false;
        }
        m_messagePath = path;
        const bool written = file.write(message) == message.size() && file.flush();
        if (!written) {
            SystemLogWrite("openInDefaultProgram", "cannot write " + path + ": " + file.errorString());
            m_failure = tr("The e-mail message %1 could not be written: %2.")
                            .arg(EscapeForLog(path), file.errorString());
        }
        file.close();
        return written;
    }
    m_failure = tr("The e-mail message could not be written: every name in %1 is taken.")
                    .arg(EscapeForLog(folder));
    return false;
}

bool CEmail::openInDefaultProgram()
{
    m_failure.clear();
    QByteArray message;
    QString unreadable;
    if (!ComposeMessage(message, &unreadable)) {
        m_failure = tr("The e-mail message could not be composed: %1 could not be read.").arg(EscapeForLog(unreadable));
        return false;
    }
    if (!WriteMessageFile(message))
        return false;
    if (OpenExternal(m_messagePath))
        return true;
    m_failure = tr("The mail program could not be opened for %1.").arg(EscapeForLog(m_messagePath));
    return false;
}
