#pragma once

#include "CSingleton.h"

#include <QList>
#include <QString>

// One row of the format table.
struct SFormatRecord
{
    QString id;          // upper-case name, e.g. "JPG"
    QString extensions;  // upper case, "/"-separated, e.g. "JPG/JPEG/JPE"
    bool canRead = false;
    bool canWrite = false;
    int kind = 0;        // icon family: 2 JPG, 3 TIF, 4 PNG, 5 GIF, 6 BMP, 7 PSD, 8 RAW, 9 PDF, 1 other
    QString description;
    bool isRaw = false;
    bool needsGhostscript = false;
};

// The table of image formats the system reads and writes. Filled once at
// start-up on the GUI thread, read-only afterwards (so workers read it freely).
class CFormatsEnum : public CSingleton<CFormatsEnum>
{
public:
    virtual ~CFormatsEnum() = default;

    void GenerateList();
    void AddFormat(QString id, QString extensions, bool canRead, bool canWrite, int kind,
                   QString description, bool isRaw, bool needsGhostscript);
    void GenerateReadableFormats();
    SFormatRecord GetRecordById(QString extension) const;

    QList<SFormatRecord> rows;
    QList<QString> readableExtensions;
    QList<QString> rawExtensions;
    QString dialogFilter;

private:
    friend class CSingleton<CFormatsEnum>;
    CFormatsEnum() = default;
};
