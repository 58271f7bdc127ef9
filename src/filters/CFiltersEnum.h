#pragma once

#include "CSingleton.h"

#include <QList>
#include <QObject>
#include <QString>

// One offered filter type.
struct SFilterTypeRecord
{
    unsigned short id = 0;
    QString name;        // translated; the key of GetRecordByName
    QString description; // translated
    QString category;    // translated: "Marks", "Border" or "Transform"
    int iconIndex = 0;   // column in the filter icon sheet; the row is id / 1000
};

// The process-wide registry of the filter types the user is offered. Filled
// once on the GUI thread at start-up and only read afterwards. The filter
// engine applies more ids than are listed here (see CImageFilters).
class CFiltersEnum : public QObject, public CSingleton<CFiltersEnum>
{
public:
    ~CFiltersEnum() override = default;

    void GenerateList();
    void AddFilter(unsigned short id, QString name, QString category, QString description,
                   int iconIndex);

    // Copies of the first matching row, or an empty row (id 0) when none matches.
    SFilterTypeRecord GetRecordById(unsigned short id) const;
    SFilterTypeRecord GetRecordByName(QString name) const;

    const QList<SFilterTypeRecord>& Rows() const { return m_rows; }

private:
    friend class CSingleton<CFiltersEnum>;
    CFiltersEnum() = default;

    QList<SFilterTypeRecord> m_rows;
};
