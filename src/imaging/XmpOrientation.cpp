#include "XmpOrientation.h"

#include <QRegularExpression>

namespace XmpOrientation {

QByteArray WithOrientation(const QByteArray& packet, int orientation)
{
    if (orientation < 1 || orientation > 8 || !packet.contains("Orientation"))
        return packet;
    static const QRegularExpression attribute(QStringLiteral("(tiff:Orientation\\s*=\\s*[\"'])\\s*\\d*\\s*([\"'])"));
    static const QRegularExpression element(
        QStringLiteral("(<tiff:Orientation(?:\\s[^>]*)?>)\\s*\\d*\\s*(</tiff:Orientation>)"));
    QString text = QString::fromUtf8(packet);
    const QString value = QString::number(orientation);
    text.replace(attribute, "\\1" + value + "\\2");
    text.replace(element, "\\1" + value + "\\2");
    return text.toUtf8();
}

} // namespace XmpOrientation
