#include "CScripts.h"

#include "CFiltersEnum.h"
#include "CListFilters.h"
#include "CListImages.h"
#include "CUserProfile.h"
#include "Common.h"
#include "JobFileProperties.h"
#include "ProfileDescriptions.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {
qint64 ReadInteger(const QString& text, qint64 low, qint64 high)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok, 10);
    if (!ok || value < low || value > high)
        return 0;
    return value;
}

int ReadInt32(const QString& text)
{
    return int(ReadInteger(text, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

qint64 ReadInt64(const QString& text)
{
    return ReadInteger(text, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
}

bool ReadFlag(const QString& text)
{
    return ReadInt32(text) != 0;
}

// A number with a full stop as decimal separator; 0 for anything else,
// infinities and NaN included.
double ReadNumber(const QString& text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return 0.0;
    return value;
}

void StoreProperty(CUserProfile& profile, const SJobProperty& property, const QString& text)
{
    std::visit(
        [&](auto member) {
            auto& field = profile.*member;
            using T = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<T, QString>) {
                if (property.read == EPropertyRead::OutputFormat && text == QLatin1String("Original"))
                    field = KeepFormatText();
                else
                    field = text;
            } else {
                qint64 value = 0;
                switch (property.read) {
                case EPropertyRead::Int64:
                    value = ReadInt64(text);
                    break;
                case EPropertyRead::Flag:
                    value = ReadFlag(text) ? 1 : 0;
                    break;
                case EPropertyRead::OneFlag:
                    value = text == QLatin1String("1") ? 1 : 0;
                    break;
                default:
                    value = ReadInt32(text);
                    break;
                }
                field = static_cast<T>(std::clamp(value, property.low, property.high));
            }
        },
        property.field);
}

// Builds the document tree with a streaming reader, checking nesting depth
// and element count on the way: deeply nested or huge trees cost far more
// time and memory than the file's size suggests. Unlike the tree builder's
// own parser, text made only of blanks is kept in elements that hold no
// elements (a replacement text of one space is a value); between elements
// it is layout and is dropped.
bool BuildDocument(const QString& text, QDomDocument& document, QString& problem)
{
    struct SOpen {
        QDomElement element;
        QList<QDomNode> blanks; // blank text kept while the element holds no element
        bool hasElements = false;
    };
    QXmlStreamReader reader(text);
    reader.setNamespaceProcessing(false);
    std::vector<SOpen> open;
    int elements = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (int(open.size()) + 1 > CScripts::MaxDepth) {
                problem = QStringLiteral("nested too deeply");
                return false;
            }
            if (++elements > CScripts::MaxElements) {
                problem = QStringLiteral("too many elements");
                return false;
            }
            QDomElement element = document.createElement(reader.qualifiedName().toString());
            for (const QXmlStreamAttribute& attribute : reader.attributes())
                element.setAttribute(attribute.qualifiedName().toString(), attribute.value().toString());
            if (open.empty()) {
                document.appendChild(element);
            } else {
                SOpen& parent = open.back();
                if (!parent.hasElements) {
                    parent.hasElements = true;
                    for (QDomNode& blank : parent.blanks)
                        parent.element.removeChild(blank);
                    parent.blanks.clear();
                }
                parent.element.appendChild(element);
            }
            open.push_back({element, {}, false});
        } else if (token == QXmlStreamReader::EndElement) {
            open.pop_back();
        } else if (token == QXmlStreamReader::Characters && !open.empty()) {
            SOpen& current = open.back();
            const QString characters = reader.text().toString();
            if (reader.isCDATA()) {
                current.element.appendChild(document.createCDATASection(characters));
            } else if (!reader.isWhitespace()) {
                current.element.appendChild(document.createTextNode(characters));
            } else if (!current.hasElements) {
                current.blanks.append(current.element.appendChild(document.createTextNode(characters)));
            }
        }
    }
    if (reader.hasError()) {
        problem = QStringLiteral("%1 at %2:%3").arg(reader.errorString()).arg(reader.lineNumber()).arg(reader.columnNumber());
        return false;
    }
    if (document.documentElement().isNull()) {
        problem = QStringLiteral("no root element");
        return false;
    }
    return true;
}

// Elements named tag below element, in document order.
QList<QDomElement> ElementsByTag(const QDomElement& element, const QString& tag)
{
    QList<QDomElement> found;
    const QDomNodeList nodes = element.elementsByTagName(tag);
    found.reserve(nodes.size());
    for (int i = 0; i < nodes.size(); ++i)
        found.append(nodes.at(i).toElement());
    return found;
}

QString ToForwardSlashes(QString path)
{
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path;
}
} // namespace

bool CScripts::ReadDocument(QDomDocument& document) const
{
    const QFileInfo info(m_path);
    // Only regular files: a FIFO or device would block or never end.
    if (!info.isFile()) {
        SystemLogWrite("CScripts::Load", "not a file: " + m_path);
        return false;
    }
    if (info.size() > MaxFileBytes) {
        SystemLogWrite("CScripts::Load", "file too large: " + m_path);
        return false;
    }
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly)) {
        SystemLogWrite("CScripts::Load", "cannot open " + m_path + ": " + file.errorString());
        return false;
    }
    const QByteArray bytes = file.read(MaxFileBytes + 1);
    file.close();
    if (bytes.size() > MaxFileBytes) {
        SystemLogWrite("CScripts::Load", "file too large: " + m_path);
        return false;
    }

    // UTF-8 unless a byte-order mark says otherwise; the encoding that the
    // XML declaration names plays no part.
    const auto encoding = QStringConverter::encodingForData(bytes).value_or(QStringConverter::Utf8);
    QStringDecoder decoder(encoding);
    const QString text = decoder.decode(bytes);

    QString problem;
    if (!BuildDocument(text, document, problem)) {
        SystemLogWrite("CScripts::Load", "not a usable XML document: " + m_path + ": " + problem);
        return false;
    }
    return true;
}

void CScripts::Warn(const QString& text) const
{
    if (m_warningHandler) {
        m_warningHandler(text);
        return;
    }
    // Without a handler nobody is there to tell: trace the text.
    SystemLogWrite("CScripts::Load", text);
}

bool CScripts::Load()
{
    m_refused.clear();
    m_passedOver.clear();
    m_destPathRead = false;

    QDomDocument document;
    if (!ReadDocument(document))
        return false;

    const QDomElement root = document.documentElement();
    const QString kind = root.tagName();
    const bool withPhotos = kind == QLatin1String("Project") || kind == QLatin1String("Script");
    const QList<QDomElement> images = ElementsByTag(root, QStringLiteral("Images"));
    if (withPhotos && images.size() != 1) {
        SystemLogWrite("CScripts::Load", QStringLiteral("%1 Images elements in %2").arg(images.size()).arg(m_path));
        return false;
    }

    const bool silent = kind == QLatin1String("Script") && root.attribute("Mode") == QLatin1String("Silent");
    if (root.attribute(QStringLiteral("Version")) != m_version)
        Warn(m_versionWarning);

    if (kind == QLatin1String("Project")) {
        m_listImages->list.clear();
        m_listFilters->list.clear();
        ParseImages(images.first().childNodes());
    } else if (kind == QLatin1String("Profile")) {
        m_listFilters->list.clear();
        ReadProfileHeader(root);
    } else if (kind == QLatin1String("Script")) {
        m_listImages->list.clear();
        m_listFilters->list.clear();
        if (silent)
            m_profile->silentScript = true;
        const QDomElement properties = root.elementsByTagName(QStringLiteral("Properties")).at(0).toElement();
        if (!properties.isNull())
            ParseScript(properties.childNodes());
        ParseImages(images.first().childNodes());
        ParseSearch(images.first().childNodes());
    }

    const QDomElement filters = root.elementsByTagName(QStringLiteral("Filters")).at(0).toElement();
    if (!filters.isNull())
        ParseFilters(filters.childNodes());
    ParsePropertiesBlocks(root);
    return true;
}

void CScripts::ParsePropertiesBlocks(const QDomElement& root)
{
    for (const QDomElement& properties : ElementsByTag(root, QStringLiteral("Properties"))) {
        const QString className = properties.attribute(QStringLiteral("Class"));
        if (className == QLatin1String("Rename"))
            ParseRename(properties.childNodes());
        else if (className == QLatin1String("Output"))
            ParseOutput(properties.childNodes());
        else if (className == QLatin1String("Format"))
            ParseFormat(properties.childNodes());
        else if (className == QLatin1String("Interface"))
            ParseInterface(properties.childNodes());
        else if (className == QLatin1String("Monitor"))
            ParseMonitor(properties.childNodes());
    }
}

void CScripts::ReadProfileHeader(const QDomElement& root)
{
    QString name;
    QString description;
    QString category;
    int icon = -1;
    int nameId = 0;
    int descriptionId = 0;
    for (const QDomElement& properties : ElementsByTag(root, QStringLiteral("Properties"))) {
        if (properties.attribute(QStringLiteral("Class")) != QLatin1String("Profile"))
            continue;
        for (QDomElement e = properties.firstChildElement(QStringLiteral("Property")); !e.isNull();
             e = e.nextSiblingElement(QStringLiteral("Property"))) {
            const QString key = e.attribute(QStringLiteral("Name"));
            if (key == QLatin1String("Name"))
                name = e.text();
            else if (key == QLatin1String("Description"))
                description = e.text();
            else if (key == QLatin1String("NameId"))
                nameId = ReadInt32(e.text());
            else if (key == QLatin1String("DescriptionId"))
                descriptionId = ReadInt32(e.text());
            else if (key == QLatin1String("Category"))
                category = e.text();
            else if (key == QLatin1String("Icon")) {
                bool ok = false;
                const int value = e.text().toInt(&ok);
                icon = ok ? value : -1;
            }
        }
        break;
    }
    // Built-in profiles name themselves by id so that the texts follow the
    // interface language.
    const QString nameById = GetProfileDescription(nameId);
    const QString descriptionById = GetProfileDescription(descriptionId);
    const QString rootName = root.attribute(QStringLiteral("Name"));
    profileName = !rootName.isEmpty() ? rootName : !nameById.isEmpty() ? nameById : name;
    profileDescription = !descriptionById.isEmpty() ? descriptionById : description;
    profileCategory = category;
    profileIcon = icon;
}

bool CScripts::LoadProfileHeader()
{
    QDomDocument document;
    if (!ReadDocument(document))
        return false;
    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("Profile")) {
        SystemLogWrite("CScripts::LoadProfileHeader", "not a profile: " + m_path);
        return false;
    }
    ReadProfileHeader(root);
    return true;
}

void CScripts::ParseImages(QDomNodeList nodes)
{
    QStringList paths;
    for (int i = 0; i < nodes.size(); ++i) {
        const QDomElement element = nodes.at(i).toElement();
        if (element.isNull() || element.tagName() != QLatin1String("Image"))
            continue;
        paths.append(ToForwardSlashes(element.attribute(QStringLiteral("Path"))));
    }
    // A relative path counts from the job file's folder, as folder searches
    // do, never from whatever the current folder happens to be.
    const QDir jobFolder = QFileInfo(m_path).absoluteDir();
    for (const QString& path : std::as_const(paths)) {
        if (path.isEmpty())
            continue;
        const QString full = QDir::isRelativePath(path) ? QDir::cleanPath(jobFolder.absoluteFilePath(path)) : path;
        m_listImages->AddImage(full, m_refused);
    }
}

void CScripts::ParseFilters(QDomNodeList nodes)
{
    for (int i = 0; i < nodes.size(); ++i) {
        const QDomElement element = nodes.at(i).toElement();
        if (element.isNull() || element.tagName() != QLatin1String("Filter"))
            continue;
        if (m_listFilters->list.size() >= MaxFilters) {
            SystemLogWrite("CScripts::ParseFilters", QStringLiteral("more than %1 filters; the rest is ignored").arg(MaxFilters));
            return;
        }

        SFilterRecord record;
        record.active = 1;
        const int id = ReadInt32(element.attribute(QStringLiteral("Id")));
        record.filterId = quint32(id);
        const SFilterTypeRecord type = m_filters->GetRecordById(quint16(quint32(id) & 0xFFFF));
        record.name = type.name;
        record.description = type.description;

        const QString active = element.attribute(QStringLiteral("Active"));
        if (!active.isEmpty())
            record.active = ReadFlag(active) ? 1 : 0;

        // Parameters at any depth, in document order; beyond the record's
        // room they are ignored.
        const QDomNodeList params = element.elementsByTagName(QStringLiteral("Param"));
        for (int p = 0; p < params.size(); ++p) {
            const QDomElement param = params.at(p).toElement();
            const QString type = param.attribute(QStringLiteral("Type"));
            if (type == QLatin1String("float")) {
                if (record.numParams < SFilterRecord::MaxParams)
                    record.params[record.numParams++] = ReadNumber(param.text());
            } else if (type == QLatin1String("string")) {
                if (record.numTexts < SFilterRecord::MaxTexts)
                    record.texts[record.numTexts++] = param.text();
            }
        }
        m_listFilters->AddFilter(record);
    }
}

void CScripts::ParseProperties(const QString& className, const QDomNodeList& nodes)
{
    const QList<SJobProperty>& properties = JobPropertiesOf(className);
    for (int i = 0; i < nodes.size(); ++i) {
        const QDomElement element = nodes.at(i).toElement();
        if (element.isNull() || element.tagName() != QLatin1String("Property"))
            continue;
        // The parser has already resolved entities and character references.
        const QString text = element.text();
        if (text.isEmpty())
            continue;
        const QString name = element.attribute(QStringLiteral("Name"));
        for (const SJobProperty& property : properties) {
            if (name != QLatin1String(property.name))
                continue;
            StoreProperty(*m_profile, property, text);
            if (name == QLatin1String("DestPath"))
                m_destPathRead = true;
            if (name == QLatin1String("OutputFolderStruct"))
                SystemLogWrite("ParseOutput", QStringLiteral("change1: %1").arg(m_profile->OutputFolderStruct));
            break;
        }
    }
}

void CScripts::ParseScript(QDomNodeList nodes)
{
    ParseProperties(QStringLiteral("Script"), nodes);
}

void CScripts::ParseRename(QDomNodeList nodes)
{
    ParseProperties(QStringLiteral("Rename"), nodes);
}

void CScripts::ParseOutput(QDomNodeList nodes)
{
    ParseProperties(QStringLiteral("Output"), nodes);
}

void CScripts::ParseFormat(QDomNodeList nodes)
{
    ParseProperties(QStringLiteral("Format"), nodes);
}

void CScripts::ParseInterface(QDomNodeList nodes)
{
    ParseProperties(QStringLiteral("Interface"), nodes);
}

void CScripts::ParseMonitor(QDomNodeList nodes)
{
    m_profile->monitorRun = true;
    ParseProperties(QStringLiteral("Monitor"), nodes);
}
