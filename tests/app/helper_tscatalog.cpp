#include "TsCatalog.h"

#include <QFile>
#include <QXmlStreamReader>

namespace {
// Text of the current element, with <byte value="xd"/> turned back into its
// character; a numerus form makes the text null.
QString ReadText(QXmlStreamReader& xml, bool& numerus)
{
    QString text = "";
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::Characters) {
            text += xml.text();
        } else if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QLatin1String("byte"))
                text += QChar(xml.attributes().value("value").mid(1).toInt(nullptr, 16));
            else
                numerus = true;
            xml.skipCurrentElement();
        } else if (token == QXmlStreamReader::EndElement) {
            break;
        }
    }
    return text;
}

QString Key(const QString& context, const QString& source)
{
    return context + QChar(0x1f) + source;
}
} // namespace

bool TsCatalog::Load(const QString& path)
{
    texts.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            bool numerus = false;
            source = ReadText(xml, numerus);
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value("type").isEmpty();
            bool numerus = false;
            const QString translation = ReadText(xml, numerus);
            if (finished && !numerus && !translation.isEmpty())
                texts.insert(Key(context, source), translation);
        }
    }
    return !xml.hasError();
}

QString TsCatalog::Find(const QString& context, const QString& source) const
{
    return texts.value(Key(context, source));
}

QString TsCatalog::PathOf(const QString& code)
{
    if (code == QLatin1String("En"))
        return QString(GB_TEST_BINARY_DIR) + "/translations/Ln_En.ts";
    return QString(GB_TEST_SOURCE_DIR) + "/resources/translations/Ln_" + code + ".ts";
}
