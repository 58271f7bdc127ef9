#pragma once

#include <QMetaType>
#include <QString>
#include <QtGlobal>

// One applied filter with all of its settings. The meaning of each parameter
// index is fixed per filter type by the filter engine and the settings pages.
struct SFilterRecord
{
    static constexpr int MaxParams = 32;
    static constexpr int MaxTexts = 16;

    quint32 filterId = 0;
    QString name;
    QString description;
    quint8 numParams = 0;
    double params[MaxParams] = {};
    quint8 numTexts = 0;
    QString texts[MaxTexts];
    quint8 active = 0;

    // Registers the record with the meta-type system under "SFilterRecord" so
    // queued signals can carry it. Safe to call more than once.
    static void RegisterMetaType();
};

Q_DECLARE_METATYPE(SFilterRecord)
