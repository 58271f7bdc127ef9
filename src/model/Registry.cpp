#include "Registry.h"

#include "Common.h"

#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <algorithm>

namespace {
QVariant ReadValue(const QString& key)
{
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, OrganizationName(),
                             ApplicationName());
    return settings.value(key);
}

// Whether the store holds value at key already. The native format gives
// numbers back as text.
bool Holds(const QSettings& settings, const QString& key, const QVariant& value)
{
    const QVariant stored = settings.value(key);
    if (!stored.isValid())
        return false;
    if (stored.typeId() == value.typeId())
        return stored == value;
    return stored.typeId() == QMetaType::QString && value.typeId() == QMetaType::Int &&
           stored.toString() == QString::number(value.toInt());
}

void WriteValues(const QList<QPair<QString, QVariant>>& values)
{
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, OrganizationName(),
                       ApplicationName());
    // Each write rewrites and flushes the whole file: none when nothing
    // changes (the window stores many values as it opens).
    const bool unchanged = std::all_of(values.begin(), values.end(), [&](const auto& entry) {
        return Holds(settings, entry.first, entry.second);
    });
    if (unchanged)
        return;
    for (const auto& [key, value] : values)
        settings.setValue(key, value);
    // The destructor writes too; syncing here lets a failure be traced.
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        QStringList keys;
        for (const auto& entry : values)
            keys.append(entry.first);
        SystemLogWrite("WriteValue", "cannot write the settings store for " + keys.join(", "));
    }
}

void WriteValue(const QString& key, const QVariant& value)
{
    WriteValues({{key, value}});
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

void SetRegistryInts(const QList<QPair<QString, int>>& values)
{
    QList<QPair<QString, QVariant>> variants;
    variants.reserve(values.size());
    for (const auto& [key, value] : values)
        variants.append({key, value});
    WriteValues(variants);
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
