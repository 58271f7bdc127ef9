#include "CFilterFilename.h"

#include "Common.h"

#include <QDateTime>
#include <QFileInfo>

namespace {
const char* const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

const QString kCounterSuffix = QStringLiteral(" ([Counter])");

struct SMoment
{
    int year = 1900;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// One numeric field of an EXIF date text; a field that is not a number is 0.
int DateField(const QString& text, int position, int length)
{
    bool ok = false;
    const int value = text.mid(position, length).toInt(&ok);
    return ok ? value : 0;
}

// Reads "yyyy:mm:dd hh:mm:ss"; false when a field lies outside its range.
bool ParseExifDate(const QString& text, SMoment& moment)
{
    if (text.isEmpty())
        return false;
    SMoment read;
    read.year = DateField(text, 0, 4);
    read.month = DateField(text, 5, 2);
    read.day = DateField(text, 8, 2);
    read.hour = DateField(text, 11, 2);
    read.minute = DateField(text, 14, 2);
    read.second = DateField(text, 17, 2);
    const bool valid = read.year >= 1900 && read.year <= 3000 && read.month >= 1 &&
                       read.month <= 12 && read.day >= 1 && read.day <= 31 && read.hour >= 0 &&
                       read.hour <= 23 && read.minute >= 0 && read.minute <= 59 &&
                       read.second >= 0 && read.second <= 59;
    if (valid)
        moment = read;
    return valid;
}

SMoment FromDateTime(const QDateTime& dateTime)
{
    SMoment moment;
    moment.year = dateTime.date().year();
    moment.month = dateTime.date().month();
    moment.day = dateTime.date().day();
    moment.hour = dateTime.time().hour();
    moment.minute = dateTime.time().minute();
    moment.second = dateTime.time().second();
    return moment;
}

QString DateText(const SMoment& m, int dateFormat)
{
    const char* month = kMonthNames[qBound(1, m.month, 12) - 1];
    const int shortYear = m.year < 2000 ? m.year - 1900 : m.year - 2000;
    switch (dateFormat) {
    case 0: return QString::asprintf("%s-%02d-%04d", month, m.day, m.year);
    case 1: return QString::asprintf("%s-%02d-%02d", month, m.day, shortYear);
    case 2: return QString::asprintf("%02d-%s-%04d", m.day, month, m.year);
    case 3: return QString::asprintf("%02d-%s-%02d", m.day, month, shortYear);
    case 4: return QString::asprintf("%04d-%s-%02d", m.year, month, m.day);
    case 5: return QString::asprintf("%02d-%s-%02d", shortYear, month, m.day);
    case 6: return QString::asprintf("%02d-%02d-%04d", m.month, m.day, m.year);
    case 7: return QString::asprintf("%02d-%02d-%02d", m.month, m.day, shortYear);
    case 8: return QString::asprintf("%02d-%02d-%04d", m.day, m.month, m.year);
    case 9: return QString::asprintf("%02d-%02d-%02d", m.day, m.month, shortYear);
    case 10: return QString::asprintf("%04d-%02d-%02d", m.year, m.month, m.day);
    case 11: return QString::asprintf("%02d-%02d-%02d", shortYear, m.month, m.day);
    default: return QString();
    }
}

QString TimeText(const SMoment& m, int showTime, int timeFormat)
{
    if (timeFormat != 0 && timeFormat != 1)
        return QString();
    if (showTime == 1) {
        return timeFormat == 1 ? QString::asprintf("%02d-%02d-%02d", m.hour, m.minute, m.second)
                               : QString::asprintf("%02d-%02d", m.hour, m.minute);
    }
    if (showTime != 0)
        return QString();
    // Twelve-hour clock: midnight is 12 AM, noon 12 PM.
    const int hour = m.hour % 12 == 0 ? 12 : m.hour % 12;
    const char* half = m.hour < 12 ? "AM" : "PM";
    return timeFormat == 1 ? QString::asprintf("%02d-%02d-%02d %s", hour, m.minute, m.second, half)
                           : QString::asprintf("%02d-%02d %s", hour, m.minute, half);
}
} // namespace

void CFilterFilename::UseSettings(const SNamingSettings& naming)
{
    Naming() = naming;
    searchReplace = true;
}

void CFilterFilename::GenerateFilename(int photoCount, bool /*preview*/)
{
    ApplyPreset(photoCount);
    workingFormat = PrepareWorkingFormat(photoCount);

    const QString expanded = ExpandTokens(workingFormat);
    const int dot = expanded.lastIndexOf('.');
    QString name = dot < 0 ? expanded : expanded.left(dot);
    const QString extensionPart = dot < 0 ? QString() : expanded.mid(dot);

    name = ApplyCase(name);
    // Case-insensitive replace on the name itself: character positions of a
    // case-changed copy do not line up when a letter changes length ("ß").
    if (searchReplace && !SearchFor.isEmpty())
        name.replace(SearchFor, ReplaceWith, Qt::CaseInsensitive);

    result = MakeSafeFileName(name + ApplyCaseToExtension(extensionPart));
}

void CFilterFilename::ApplyPreset(int photoCount)
{
    if (PresetRename == 3)
        return;
    ChangeCase = 0;
    LowerCaseExt = true;
    CounterStart = 1;
    CountStep = 1;
    CounterReset = false;
    CounterDigits = 3;
    DateType = 0;
    DateFormat = 0;
    TimeFormat = 0;
    ShowTime = 0;
    searchReplace = false;
    SearchFor.clear();
    ReplaceWith.clear();
    if (continueNumbering)
        CounterStart = (qint64(picturesDone) + 1) * CountStep;

    switch (PresetRename) {
    case 0:
        FilenameFormat = QStringLiteral("[Filename].[Extension]");
        break;
    case 1:
        FilenameFormat = (photoCount == 1 && !continueNumbering)
                             ? QStringLiteral("[FolderName].[Extension]")
                             : QStringLiteral("[FolderName] [Counter].[Extension]");
        break;
    case 2:
        FilenameFormat = QStringLiteral("[DateTime].[Extension]");
        break;
    default:
        break;
    }
}

QString CFilterFilename::PrepareWorkingFormat(int photoCount) const
{
    // The pattern's own extension part always gives way to the photo's.
    QString working = FilenameFormat;
    const int dot = working.lastIndexOf('.');
    if (dot >= 0)
        working.truncate(dot);

    if (appendCounter) {
        const QString lower = working.toLower();
        if (!lower.contains("[filename]") && !lower.contains("[counter]") &&
            !lower.contains("[datetime]"))
            working += kCounterSuffix;
    }

    // A single photo needs no counter to tell it apart.
    if (photoCount == 1 && working.toLower().contains("([counter])") && !continueNumbering &&
        working != kCounterSuffix)
        working.remove(kCounterSuffix);

    return working + QStringLiteral(".[Extension]");
}

QString CFilterFilename::ExpandTokens(const QString& pattern) const
{
    QString out;
    const int length = pattern.length();
    int i = 0;
    while (i < length) {
        const QChar c = pattern.at(i);
        if (c == '[') {
            const int close = pattern.indexOf(']', i + 1);
            if (close < 0)
                break; // an unclosed token ends the name
            QString token = pattern.mid(i + 1, close - i - 1);
            const int inner = token.indexOf('[');
            if (inner >= 0)
                token = token.mid(inner + 1);
            out += ExpandToken(token);
            i = close + 1;
        } else {
            if (c != ']')
                out += c;
            ++i;
        }
    }
    return out;
}

QString CFilterFilename::ExpandToken(const QString& token) const
{
    const QString name = token.toLower();
    if (name == "filename")
        return baseName;
    if (name == "foldername") {
        QString trimmed = folder;
        if (trimmed.endsWith('/'))
            trimmed.chop(1);
        const int slash = trimmed.lastIndexOf('/');
        return slash < 0 ? QString() : trimmed.mid(slash + 1);
    }
    if (name == "extension")
        return extension.toLower();
    if (name == "counter")
        return CounterText();
    if (name == "datetime") {
        QString text;
        ComputeDateTime(text, ShowTime, DateType, DateFormat, TimeFormat);
        return text;
    }
    return QString();
}

QString CFilterFilename::CounterText() const
{
    // Settings come from job files: wrap instead of overflowing, and bound the
    // padding so a huge digit count cannot exhaust memory.
    const qint64 value =
        qint64(quint64(CountStep) * quint64(number) + quint64(CounterStart));
    const int digits = qBound(0, CounterDigits, MaxCounterDigits);
    return QString::asprintf("%0*lld", digits, static_cast<long long>(value));
}

QString CFilterFilename::ApplyCase(const QString& name) const
{
    switch (ChangeCase) {
    case 1:
        return name.toLower();
    case 2:
        return name.toUpper();
    case 3: {
        QString out = name;
        for (int i = 0; i < out.length(); ++i) {
            const bool wordStart = i == 0 || name.at(i - 1) == ' ';
            out[i] = wordStart ? name.at(i).toUpper() : name.at(i).toLower();
        }
        return out;
    }
    default:
        return name;
    }
}

QString CFilterFilename::ApplyCaseToExtension(const QString& extensionPart) const
{
    if (LowerCaseExt)
        return extensionPart.toLower();
    return ChangeCase == 2 ? extensionPart.toUpper() : extensionPart;
}

QString CFilterFilename::MakeSafeFileName(QString name)
{
    // The name is one path component: it must not climb out of or into
    // another folder, whatever the pattern, folder or replace text held.
    // Nor may it hold line breaks, other control characters or direction
    // overrides, which forge lines in lists and logs or disguise the name.
    name.replace('/', '_');
    for (QChar& c : name) {
        if (IsUnsafeTextCharacter(c))
            c = '_';
    }
    if (name.isEmpty())
        return QStringLiteral("_");
    if (name == "." || name == "..")
        name.replace('.', '_');
    return name;
}

void CFilterFilename::ComputeDateTime(QString& out, int showTime, int dateType, int dateFormat,
                                      int timeFormat) const
{
    SMoment moment;
    if (dateType == 0) {
        if (!ParseExifDate(dateTaken, moment)) {
            const QFileInfo file(path);
            if (!path.isEmpty() && file.exists())
                moment = FromDateTime(file.lastModified());
        }
    } else {
        moment = FromDateTime(QDateTime::currentDateTime());
    }

    out = DateText(moment, dateFormat);
    const QString time = TimeText(moment, showTime, timeFormat);
    if (!time.isEmpty())
        out += ' ' + time;
}

bool CFilterFilename::IsOutputModified() const
{
    // Both spellings of "keep the photo's name" name the file alike.
    return FilenameFormat != QLatin1String("[Filename].[Extension]") &&
           FilenameFormat != QLatin1String("[Filename]");
}
