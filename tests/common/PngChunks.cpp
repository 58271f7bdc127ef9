#include "PngChunks.h"

#include <QtEndian>

#include <zlib.h>

namespace PngChunks {

namespace {
QByteArray BigEndian(quint32 value)
{
    QByteArray bytes(4, '\0');
    qToBigEndian(value, bytes.data());
    return bytes;
}

// Where the first chunk of this type starts; -1 when there is none.
qsizetype ChunkAt(const QByteArray& png, const char* type)
{
    qsizetype at = 8;
    while (at + 12 <= png.size()) {
        if (png.mid(at + 4, 4) == type)
            return at;
        at += 12 + qsizetype(qFromBigEndian<quint32>(png.constData() + at));
    }
    return -1;
}
} // namespace

QByteArray Chunk(const QByteArray& type, const QByteArray& data, bool wrongChecksum)
{
    const QByteArray body = type + data;
    quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size())));
    if (wrongChecksum)
        crc ^= 1u;
    return BigEndian(quint32(data.size())) + body + BigEndian(crc);
}

QByteArray Deflated(const QByteArray& bytes)
{
    // qCompress puts the uncompressed size in front of the zlib stream.
    return qCompress(bytes, 9).mid(4);
}

QByteArray Insert(const QByteArray& png, const QByteArray& before, const QByteArray& after)
{
    QByteArray result = png;
    const qsizetype end = ChunkAt(result, "IEND");
    if (end > 0)
        result.insert(end, after);
    const qsizetype data = ChunkAt(result, "IDAT");
    if (data > 0)
        result.insert(data, before);
    return result;
}

} // namespace PngChunks
