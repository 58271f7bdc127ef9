#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Typed access to the settings store (QSettings in its native format for the
// organisation and application names of Common.h, user scope). Every call
// opens its own store object and closes it again, which flushes a write, so
// the functions may be called from any thread. Each write rewrites the whole
// settings file: write several keys at once with SetRegistryInts.
//
// Keys are a group name, "/" and a value name, e.g. "Settings/LaunchCounter".
// Readers return the default when the key is absent.

// A stored value that is not a number reads as 0.
int GetRegistryInt(QString key, int defaultValue);
void SetRegistryInt(QString key, int value);
// Writes every (key, value) pair through one store object: one file write.
void SetRegistryInts(const QList<QPair<QString, int>>& values);

QString GetRegistryString(QString key, QString defaultValue);
void SetRegistryString(QString key, QString value);

QByteArray GetRegistryByteArray(QString key, QByteArray defaultValue);
void SetRegistryByteArray(QString key, QByteArray value);
