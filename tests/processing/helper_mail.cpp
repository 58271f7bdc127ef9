#include "MailFixtures.h"

#include "ServerFixtures.h"
#include "TestEnv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QProcess>

namespace {
// Parses a message with Python's e-mail package, writes each decoded leaf part
// to a file and prints what it found as JSON.
const char* const kParser = R"PY(
import email, json, os, sys
path, out = sys.argv[1], sys.argv[2]
with open(path, 'rb') as f:
    msg = email.message_from_binary_file(f)
result = {'type': msg.get_content_type(), 'to': msg.get('To'), 'subject': msg.get('Subject'),
          'mime': msg.get('Mime-Version'), 'parts': []}
for i, part in enumerate(msg.walk()):
    entry = {'type': part.get_content_type(), 'keys': list(part.keys()),
             'filename': part.get_filename(), 'file': ''}
    if not part.is_multipart():
        entry['file'] = os.path.join(out, 'part%d' % i)
        with open(entry['file'], 'wb') as f:
            f.write(part.get_payload(decode=True) or b'')
    result['parts'].append(entry)
print(json.dumps(result))
)PY";
} // namespace

namespace MailFixtures {

QJsonObject ParseMessage(const QString& path)
{
    const QString out = TestEnv::NewFolder("parsed");
    QProcess python;
    python.start("/usr/bin/python3", {"-c", kParser, path, out});
    if (!python.waitForFinished(20000) || python.exitCode() != 0) {
        python.kill();
        qWarning("parser failed: %s", python.readAllStandardError().constData());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

QJsonArray Attachments(const QJsonObject& message)
{
    QJsonArray found;
    for (const QJsonValue& part : message.value("parts").toArray()) {
        if (!part.toObject().value("filename").isNull())
            found.append(part);
    }
    return found;
}

QStringList MessagesIn(const QString& folder)
{
    // A run writes its message into a folder of its own inside `folder`.
    QStringList messages;
    const QDir dir(folder);
    QDirIterator it(folder, {"ComposedEmail-*.eml"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        messages.append(dir.relativeFilePath(it.next()));
    messages.sort();
    return messages;
}

QString MakeRecordingOpener()
{
    const QString folder = TestEnv::NewFolder("opener");
    const QString script = folder + "/open.sh";
    ServerFixtures::WriteFile(
        script, QString("#!/bin/sh\n"
                        "cp \"$1\" '%1/copies/' 2>/dev/null\n"
                        "printf '%s\\n' \"$1\" >> '%1/opened.txt'\n")
                    .arg(folder)
                    .toUtf8());
    QDir().mkpath(folder + "/copies");
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return script;
}

QStringList Opened(const QString& opener)
{
    const QString text = QString::fromUtf8(
        ServerFixtures::ReadFile(QFileInfo(opener).path() + "/opened.txt"));
    return text.split('\n', Qt::SkipEmptyParts);
}

QString OpenedCopy(const QString& opener, const QString& path)
{
    return QFileInfo(opener).path() + "/copies/" + QFileInfo(path).fileName();
}

} // namespace MailFixtures
