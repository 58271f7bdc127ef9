#pragma once

#include <QString>

#include <string>

// Settings-store names shared by every settings access.
QString OrganizationName();
QString ApplicationName();

// Trace line: "hh:mm:ss.zzz function. message" through Qt's debug output.
void SystemLogWrite(QString function, QString message);

QString GetMyDocuments();
QString GetMyPictures();
bool RemoveDir(const QString& path);
// The folder itself when it exists, else its nearest existing parent, else
// the home folder: where a file dialog can open on a remembered folder that
// has gone (it would otherwise type the missing folder's name into its name
// field).
QString NearestExistingFolder(const QString& folder);

void OpenHelpFile(QString page, bool unused = false);
QString GetDownloadSourceName();

QString TruncateString(QString text, int n, bool quoted);

// Control characters (C0, DEL, C1) and the bidirectional embedding, override
// and isolate characters: they can forge lines or reorder what is shown.
bool IsUnsafeTextCharacter(QChar c);
// Text for one line of a log: "\" becomes "\\", CR, LF and tab become "\r", "\n",
// "\t", and every other unsafe character "\xHH" or "\uHHHH".
QString EscapeForLog(const QString& text);
// Bytes (a file name as the file system holds it) for one line of a log:
// valid UTF-8 as EscapeForLog shows it, every byte that is not part of a
// valid UTF-8 sequence as "\xHH".
QString EscapeBytesForLog(const QByteArray& bytes);

int GenerateRandomNumber(int low, int high);
bool StringCompareAscending(QString& a, QString& b);

QString PlainTextToXML(QString text);
QString XMLToPlainText(QString text);

std::string Base64Encode(const unsigned char* bytes, unsigned int length);
std::string Base64Decode(const std::string& text);
QString EncryptString(QString text);
QString DecryptString(QString text);

// The window helpers (CenterChild and the like) live on the GUI side, in
// views/WindowHelpers.h.

// The typed settings-store helpers live beside these.
#include "Registry.h"
