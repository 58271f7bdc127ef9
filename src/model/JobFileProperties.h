#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <limits>
#include <variant>

class CUserProfile;

// How the reader turns a property's element text into its field.
enum class EPropertyRead {
    Int32,       // base-10 32-bit integer, 0 when the text is not one
    Int64,       // the same with the 64-bit range
    Flag,        // 1 for a base-10 32-bit integer other than 0, else 0
    OneFlag,     // 1 only for the exact text "1"
    Text,        // the text as the XML parser delivers it
    OutputFormat // "Original" stands for the keep-the-photo's-format choice
};

using PropertyField = std::variant<int CUserProfile::*, qint64 CUserProfile::*,
                                   bool CUserProfile::*, QString CUserProfile::*>;

// One property of a job file's properties block and the CUserProfile field
// that it stores. A number read for it is brought into low..high: the range
// the window offers, for the values whose arithmetic needs one.
struct SJobProperty
{
    const char* name;
    PropertyField field;
    EPropertyRead read;
    qint64 low = std::numeric_limits<qint64>::min();
    qint64 high = std::numeric_limits<qint64>::max();
};

// The properties of a class ("Script", "Rename", "Output", "Format",
// "Interface" or "Monitor") in the order the writer puts them; an empty list
// for any other class.
const QList<SJobProperty>& JobPropertiesOf(const QString& className);

// The translated label of the keep-the-photo's-format choice, the
// OutputFormat value that job files store as "Original".
QString KeepFormatText();
