#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// The e-mail side of the delivery tests: a real MIME parser (Python's e-mail
// package) and an opener that records what would be opened.
namespace MailFixtures {
// Parses a message file; each decoded leaf part is written to a file of its
// own. Fields: type, to, subject, mime, parts (type, keys, filename, file).
QJsonObject ParseMessage(const QString& path);
// The leaf parts that carry a file name, in message order.
QJsonArray Attachments(const QJsonObject& message);
// "ComposedEmail-*.eml" files of a folder.
QStringList MessagesIn(const QString& folder);

// A program for GLIMMERBOX_OPENER that keeps a copy of the file it is given
// (the program may delete its message right after) and then records the
// path, one line per call.
QString MakeRecordingOpener();
// The recorded paths, oldest first.
QStringList Opened(const QString& opener);
// The copy the opener kept of `path`.
QString OpenedCopy(const QString& opener, const QString& path);
} // namespace MailFixtures
