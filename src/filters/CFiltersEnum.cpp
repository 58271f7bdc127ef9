#include "CFiltersEnum.h"

#include "Common.h"
#include "FilterDescriptions.h"

void CFiltersEnum::GenerateList()
{
    SystemLogWrite("GenerateList", "");
    const QString marks = QObject::tr("Marks");
    const QString border = QObject::tr("Border");
    const QString transform = QObject::tr("Transform");
    AddFilter(1000, QObject::tr("Text"), marks, FilterDescription(3), 2);
    AddFilter(1010, QObject::tr("Logo"), marks, FilterDescription(4), 3);
    AddFilter(1020, QObject::tr("Mask"), marks, FilterDescription(7), 3);
    AddFilter(2001, QObject::tr("Shape Frame"), border, FilterDescription(5), 0);
    AddFilter(2002, QObject::tr("Grunge Frame"), border, FilterDescription(6), 1);
    AddFilter(2003, QObject::tr("Picture Frame"), border, FilterDescription(8), 2);
    AddFilter(2004, QObject::tr("Vintage Frame"), border, FilterDescription(9), 3);
    AddFilter(2010, QObject::tr("Raise"), border, FilterDescription(11), 4);
    AddFilter(2020, QObject::tr("Shadow"), border, FilterDescription(12), 5);
    AddFilter(2030, QObject::tr("Simple Border"), border, FilterDescription(13), 6);
    AddFilter(5000, QObject::tr("Auto Rotate"), transform, FilterDescription(42), 0);
    AddFilter(5020, QObject::tr("Crop"), transform, FilterDescription(45), 3);
    AddFilter(5040, QObject::tr("Resize"), transform, FilterDescription(47), 5);
    AddFilter(5070, QObject::tr("Rotate"), transform, FilterDescription(50), 8);
}

void CFiltersEnum::AddFilter(unsigned short id, QString name, QString category, QString description,
                             int iconIndex)
{
    SFilterTypeRecord row;
    row.id = id;
    row.name = name;
    row.category = category;
    // The description table holds the English source; translate it now that
    // a translator may be installed.
    row.description = QObject::tr(description.toUtf8().constData());
    row.iconIndex = iconIndex;
    m_rows.append(row);
}

SFilterTypeRecord CFiltersEnum::GetRecordById(unsigned short id) const
{
    for (const SFilterTypeRecord& row : m_rows) {
        if (row.id == id)
            return row;
    }
    return SFilterTypeRecord();
}

SFilterTypeRecord CFiltersEnum::GetRecordByName(QString name) const
{
    for (const SFilterTypeRecord& row : m_rows) {
        if (row.name == name)
            return row;
    }
    return SFilterTypeRecord();
}
