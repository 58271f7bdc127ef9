#include "Registry.h"

#include "Common.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

namespace {
QVariant ReadValue(const QString& key)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, OrganizationName(),
                             ApplicationName());
    return settings.value(key);
}

void WriteValue(const QString& key, const QVariant& value)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, OrganizationName(),
                       ApplicationName());
    settings.setValue(key, value);
    // The destructor writes too; syncing here lets a failure be traced.
    settings.sync();
    if (settings.status() != QSettings::NoError)
        SystemLogWrite("WriteValue", "cannot write the settings store for " + key);
}
} // namespace

int GetRegistryInt(QString key, int defaultValue)
{
    const QVariant value = ReadValue(key);
    if (!value.isValid())
        return defaultValue;
    // An INI text such as "abc" converts to 0, which is what a damaged value reads as.
    return value.toInt();
}

void SetRegistryInt(QString key, int value)
{
    WriteValue(key, value);
}

QString GetRegistryString(QString key, QString defaultValue)
{
    const QVariant value = ReadValue(key);
    if (!value.isValid())
        return defaultValue;
    // A hand-edited INI value with unquoted commas comes back as a list.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(", ");
    return value.toString();
}

void SetRegistryString(QString key, QString value)
{
    WriteValue(key, value);
}

QByteArray GetRegistryByteArray(QString key, QByteArray defaultValue)
{
    const QVariant value = ReadValue(key);
    if (!value.isValid())
        return defaultValue;
    return value.toByteArray();
}

void SetRegistryByteArray(QString key, QByteArray value)
{
    WriteValue(key, value);
}
