#include "PngBomb.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtEndian>

namespace {
quint32 Crc32(const QByteArray& data)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray BigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

QByteArray Chunk(const QByteArray& type, const QByteArray& data)
{
    return BigEndian(quint32(data.size())) + type + data + BigEndian(Crc32(type + data));
}
} // namespace

QString MakePngBomb(const QString& folder, const QString& name, int width, int height)
{
    // 8-bit RGB, no interlace.
    const QByteArray header = BigEndian(quint32(width)) + BigEndian(quint32(height)) + QByteArray("\x08\x02\x00\x00\x00", 5);
    // Eight rows of black (filter byte 0 each), zlib-compressed: qCompress
    // puts the uncompressed size in front of the zlib stream.
    const QByteArray rows = QByteArray(8 * (1 + 3 * qsizetype(width)), '\0');
    const QByteArray data = qCompress(rows, 9).mid(4);
    const QByteArray png = QByteArray("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", header) + Chunk("IDAT", data) +
                           Chunk("IEND", QByteArray());
    QDir().mkpath(folder);
    const QString path = folder + "/" + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size())
        return QString();
    return path;
}
