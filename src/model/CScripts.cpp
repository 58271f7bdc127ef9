#include "CScripts.h"

#include "CFiltersEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CUserProfile.h"
#include "Common.h"
#include "JobFileProperties.h"

#include <QSaveFile>

#include <cmath>

namespace {
// Drops what XML 1.0 cannot carry: C0 controls other than tab, line feed and
// carriage return, unpaired surrogates, and U+FFFE/U+FFFF. Whatever is saved
// must load again.
QString CleanForXml(const QString& text)
{
    QString out;
    out.reserve(text.size());
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if (c.isHighSurrogate()) {
            if (i + 1 < n && text.at(i + 1).isLowSurrogate()) {
                out += c;
                out += text.at(++i);
            }
            continue;
        }
        if (c.isLowSurrogate())
            continue;
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r')
            continue;
        if (u == 0xFFFE || u == 0xFFFF)
            continue;
        out += c;
    }
    return out;
}

// Element text: the five entities, and a carriage return as a character
// reference (a parser turns a literal one into a line feed).
QString EscapeText(const QString& text)
{
    QString escaped = PlainTextToXML(CleanForXml(text));
    escaped.replace(QLatin1Char('\r'), QLatin1String("&#13;"));
    return escaped;
}

// Attribute value: as element text, plus tab and line feed as references
// (a parser turns literal ones into blanks).
QString EscapeAttribute(const QString& text)
{
    QString escaped = EscapeText(text);
    escaped.replace(QLatin1Char('\n'), QLatin1String("&#10;"));
    escaped.replace(QLatin1Char('\t'), QLatin1String("&#9;"));
    return escaped;
}

// "%f": six decimals with a full stop whatever the locale. Values that are
// not finite are written as 0.
QString FormatNumber(double value)
{
    if (!std::isfinite(value))
        value = 0.0;
    // As printf does, a negative zero keeps its sign; it reads back as one.
    if (value == 0.0 && std::signbit(value))
        return QStringLiteral("-0.000000");
    return QString::number(value, 'f', 6);
}

QString PropertyValue(const CUserProfile& profile, const SJobProperty& property)
{
    if (property.read == EPropertyRead::OutputFormat && profile.OutputFormat == KeepFormatText())
        return QStringLiteral("Original");
    return std::visit(
        [&profile](auto member) -> QString {
            const auto& value = profile.*member;
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>)
                return value ? QStringLiteral("1") : QStringLiteral("0");
            else if constexpr (std::is_same_v<T, QString>)
                return EscapeText(value);
            else
                return QString::number(value);
        },
        property.field);
}

QString PropertyLine(const QString& name, const QString& value)
{
    return QStringLiteral("<Property Name=\"%1\">%2</Property>").arg(name, value);
}

QString RootName(int mode)
{
    switch (mode) {
    case CScripts::Project:
        return QStringLiteral("Project");
    case CScripts::Profile:
        return QStringLiteral("Profile");
    default:
        return QStringLiteral("Script");
    }
}
} // namespace

CScripts::CScripts(QString path)
    : m_listImages(CListImages::GetInstance())
    , m_profile(CUserProfile::GetInstance())
    , m_listFilters(CListFilters::GetInstance())
    , m_filters(CFiltersEnum::GetInstance())
    , m_path(std::move(path))
    , m_version(QStringLiteral("1"))
    , m_versionWarning(QObject::tr("The project was created with a different program version so "
                                   "it may not be correctly imported.\nIn order to correct any "
                                   "potential problems adjust the settings and save."))
{
}

CScripts::~CScripts() = default;

void CScripts::Line(int tabs, const QString& text)
{
    m_text += QString(tabs, QLatin1Char('\t'));
    m_text += text;
    m_text += QLatin1Char('\n');
}

bool CScripts::Save(int mode)
{
    if (mode != Project && mode != Profile && mode != Script)
        return false;

    m_text.clear();
    const QString root = RootName(mode);
    Line(0, QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-16\"?>"));
    Line(0, QStringLiteral("<%1 Version=\"%2\">").arg(root, EscapeAttribute(m_version)));
    Line(0, QString());
    WriteHeader(mode);
    if (mode != Profile)
        WriteImages();
    WriteFilters();
    WriteRename();
    WriteOutput();
    WriteFormat();
    if (mode != Script)
        WriteInterface();
    Line(0, QStringLiteral("</%1>").arg(root));
    Line(0, QString());
    return WriteFile();
}

void CScripts::WriteHeader(int mode)
{
    if (mode == Profile) {
        Line(1, QStringLiteral("<Properties Class=\"Profile\">"));
        Line(2, PropertyLine(QStringLiteral("Name"), EscapeText(profileName)));
        Line(2, PropertyLine(QStringLiteral("Description"), EscapeText(profileDescription)));
        Line(2, PropertyLine(QStringLiteral("Category"), QStringLiteral("User-Defined")));
        Line(1, QStringLiteral("</Properties>"));
        Line(0, QString());
    } else if (mode == Script) {
        Line(1, QStringLiteral("<Properties Class=\"Script\">"));
        Line(2, PropertyLine(QStringLiteral("DisableNotifications"),
                             m_profile->DisableNotifications ? QStringLiteral("1") : QStringLiteral("0")));
        Line(2, PropertyLine(QStringLiteral("HideProcessing"), QStringLiteral("0")));
        Line(1, QStringLiteral("</Properties>"));
        Line(0, QString());
    }
}

bool CScripts::WriteFile()
{
    // QSaveFile writes beside the target and renames on commit, so a failed
    // write leaves the old file whole.
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly)) {
        SystemLogWrite("CScripts::Save", "cannot open " + m_path + ": " + file.errorString());
        return false;
    }
    const QByteArray bytes = m_text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        SystemLogWrite("CScripts::Save", "cannot write " + m_path + ": " + file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        SystemLogWrite("CScripts::Save", "cannot save " + m_path + ": " + file.errorString());
        return false;
    }
    return true;
}

void CScripts::WriteImages()
{
    Line(1, QStringLiteral("<Images>"));
    for (const SImageRecord& record : m_listImages->list)
        Line(2, QStringLiteral("<Image Path=\"%1\" />").arg(EscapeAttribute(record.path)));
    Line(1, QStringLiteral("</Images>"));
    Line(0, QString());
}

void CScripts::WriteFilters()
{
    Line(1, QStringLiteral("<Filters>"));
    for (const SFilterRecord& record : m_listFilters->list) {
        // "%d": the id as a signed 32-bit number, which is how it is read.
        const qint32 id = qint32(record.filterId);
        if (record.active == 0)
            Line(2, QStringLiteral("<Filter Id=\"%1\" Active=\"0\">").arg(id));
        else
            Line(2, QStringLiteral("<Filter Id=\"%1\">").arg(id));
        const int numbers = qMin<int>(record.numParams, SFilterRecord::MaxParams);
        for (int i = 0; i < numbers; ++i)
            Line(3, QStringLiteral("<Param Type=\"float\">%1</Param>").arg(FormatNumber(record.params[i])));
        const int texts = qMin<int>(record.numTexts, SFilterRecord::MaxTexts);
        for (int i = 0; i < texts; ++i)
            Line(3, QStringLiteral("<Param Type=\"string\">%1</Param>").arg(EscapeText(record.texts[i])));
        Line(2, QStringLiteral("</Filter>"));
    }
    Line(1, QStringLiteral("</Filters>"));
    Line(0, QString());
}

void CScripts::PropertiesBlock(const QString& className)
{
    Line(1, QStringLiteral("<Properties Class=\"%1\">").arg(className));
    for (const SJobProperty& property : JobPropertiesOf(className))
        Line(2, PropertyLine(QString::fromLatin1(property.name), PropertyValue(*m_profile, property)));
    Line(1, QStringLiteral("</Properties>"));
    Line(0, QString());
}

void CScripts::WriteRename()
{
    PropertiesBlock(QStringLiteral("Rename"));
}

void CScripts::WriteOutput()
{
    PropertiesBlock(QStringLiteral("Output"));
}

void CScripts::WriteFormat()
{
    PropertiesBlock(QStringLiteral("Format"));
}

void CScripts::WriteInterface()
{
    PropertiesBlock(QStringLiteral("Interface"));
}
