#include "ImageProperties.h"

#include "CImageManager.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cmath>

namespace {
QString Tr(const char* text)
{
    return QCoreApplication::translate("QObject", text);
}

// "n/d" as a number; false for a malformed text or a zero denominator.
bool ParseRational(const QString& text, double* value)
{
    const QStringList parts = text.trimmed().split('/');
    if (parts.isEmpty() || parts.size() > 2)
        return false;
    bool ok = false;
    const double numerator = parts.at(0).trimmed().toDouble(&ok);
    if (!ok)
        return false;
    double denominator = 1.0;
    if (parts.size() == 2) {
        denominator = parts.at(1).trimmed().toDouble(&ok);
        if (!ok || denominator == 0.0)
            return false;
    }
    *value = numerator / denominator;
    return std::isfinite(*value);
}

// Up to two decimals, without trailing zeros: 12, 2.81.
QString ShortNumber(double value)
{
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text == "-0" ? QString("0") : text;
}

// Splits "a/b" into two numbers (Qt's lenient float parse: junk counts 0).
bool SplitRational(const QString& value, double* first, double* second)
{
    const QStringList pieces = value.split('/');
    if (pieces.size() < 2)
        return false;
    *first = pieces.at(0).toDouble();
    *second = pieces.at(1).toDouble();
    return true;
}

int IntAt(const QString& text, int position, int length)
{
    bool ok = false;
    const int value = text.mid(position, length).toInt(&ok);
    return ok ? value : 0;
}

QString SizeLine(qint64 bytes)
{
    if (bytes == 0)
        return Tr("Size") + ": N/A";
    if (bytes > 1048575)
        return Tr("Size") + ": " + QString::number(double(bytes) / 1048576.0, 'f', 2) + " " + Tr("MB");
    return Tr("Size") + ": " + QString::number(double(bytes) / 1024.0, 'f', 2) + " " + Tr("KB");
}

} // namespace

namespace ImageProperties {

QString CameraText(const QString& make, const QString& model)
{
    const QString shortMake = make.section(' ', 0, 0);
    const QString firstWord = model.section(' ', 0, 0);
    const QString shortModel = firstWord == shortMake ? model.section(' ', 1) : model;
    return shortMake + " " + shortModel;
}

QString GpsCoordinateText(const QString& value, const QString& reference)
{
    QString compact = value;
    compact.remove(' ');
    const QStringList pieces = compact.split(',');
    if (pieces.size() < 3)
        return QString();
    double degrees = 0, minutes = 0, seconds = 0;
    if (!ParseRational(pieces.at(0), &degrees) || !ParseRational(pieces.at(1), &minutes)
        || !ParseRational(pieces.at(2), &seconds))
        return QString();
    return ShortNumber(degrees) + QChar(0x00B0) + ShortNumber(minutes) + "'" + ShortNumber(seconds) + "\""
        + reference;
}

QString GpsAltitudeText(const QString& value, const QString& reference)
{
    double numerator = 0, denominator = 0;
    if (!SplitRational(value, &numerator, &denominator))
        return QString();
    const double metres = denominator > 0 ? numerator / denominator : numerator;
    if (!std::isfinite(metres))
        return QString();
    const QString sign = reference == "1" ? "-" : "";
    return sign + QString::number(metres, 'f', 1) + " m";
}

QString FNumberText(const QString& value)
{
    double numerator = 0, denominator = 0;
    if (!SplitRational(value, &numerator, &denominator) || denominator == 0.0)
        return QString();
    const double number = std::round(numerator / denominator * 10.0) / 10.0;
    if (!std::isfinite(number))
        return QString();
    return QString("f/%1").arg(QString::number(number, 'g', 6));
}

QString ExposureText(const QString& value)
{
    double numerator = 0, denominator = 0;
    if (!SplitRational(value, &numerator, &denominator) || numerator == 0.0)
        return QString();
    const double reciprocal = std::round(denominator / numerator * 10.0) / 10.0;
    if (!std::isfinite(reciprocal))
        return QString();
    return QString("1/%1 sec").arg(QString::number(reciprocal, 'G', 3));
}

qint32 OrientationValue(const QString& value)
{
    bool ok = false;
    const int number = value.toInt(&ok, 10);
    return ok ? number : 0;
}

} // namespace ImageProperties

QString ReadImageProperties(QString path)
{
    // Name and extension come from the file-name part only: a dot in a folder
    // name says nothing about the file.
    const QString fileName = path.mid(path.lastIndexOf('/') + 1);
    const int dot = fileName.lastIndexOf('.');
    const QString extension = dot < 0 ? QString() : fileName.mid(dot + 1);
    const QString baseName = dot < 0 ? fileName : fileName.left(dot);

    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists())
        return Tr("Photo not found");

    QStringList lines;
    lines << Tr("Name") + ": " + baseName;
    lines << Tr("Type") + ": " + extension.toUpper();
    lines << SizeLine(info.size());

    CImageManager manager;
    if (manager.Ping(path)) {
        const SImageProperties& properties = manager.properties;
        lines << Tr("Dimensions") + QString(": %1x%2").arg(properties.width).arg(properties.height);
        const QString date = properties.dateTimeOriginal;
        if (!date.isEmpty())
            lines << Tr("Date") + ": "
                    + QString::asprintf("%04d-%02d-%02d %02d:%02d", IntAt(date, 0, 4), IntAt(date, 5, 2),
                                        IntAt(date, 8, 2), IntAt(date, 11, 2), IntAt(date, 14, 2));
        if (!properties.cameraMake.isEmpty() || !properties.cameraModel.isEmpty())
            lines << Tr("Camera") + ": "
                         + ImageProperties::CameraText(properties.cameraMake, properties.cameraModel);
    }
    return lines.join("\n");
}
