#include "JpegFixtures.h"

#include <Magick++.h>

#include <QFile>

namespace JpegFixtures {

QByteArray EncodeJpeg(int width, int height, const QString& colour)
{
    Magick::Image image(Magick::Geometry(size_t(width), size_t(height)),
                        Magick::Color(colour.toStdString()));
    image.depth(8);
    image.magick("JPEG");
    image.strip();
    Magick::Blob blob;
    image.write(&blob);
    return QByteArray(static_cast<const char*>(blob.data()), int(blob.length()));
}

QByteArray EncodePng(int width, int height)
{
    Magick::Image image(Magick::Geometry(size_t(width), size_t(height)), Magick::Color("blue"));
    image.depth(8);
    image.magick("PNG");
    Magick::Blob blob;
    image.write(&blob);
    return QByteArray(static_cast<const char*>(blob.data()), int(blob.length()));
}

Tiff::Tiff(bool motorola) : m_motorola(motorola)
{
    m_bytes = motorola ? QByteArray("MM") : QByteArray("II");
    m_bytes += U16(42);
    m_bytes += U32(8);
}

QByteArray Tiff::U16(uint32_t value) const
{
    QByteArray bytes(2, '\0');
    bytes[m_motorola ? 0 : 1] = char((value >> 8) & 0xFF);
    bytes[m_motorola ? 1 : 0] = char(value & 0xFF);
    return bytes;
}

QByteArray Tiff::U32(uint32_t value) const
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[m_motorola ? 3 - i : i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

Entry Tiff::Long(uint16_t tag, uint32_t value) const
{
    return Entry{tag, 4, 1, U32(value), false, 0};
}

Entry Tiff::Short(uint16_t tag, uint16_t value) const
{
    return Entry{tag, 3, 1, U16(value) + QByteArray(2, '\0'), false, 0};
}

uint32_t Tiff::AddDirectory(const QList<Entry>& entries, uint32_t next)
{
    const uint32_t start = Size();
    const uint32_t dataStart = start + 2 + 12 * uint32_t(entries.size()) + 4;
    QByteArray directory = U16(uint32_t(entries.size()));
    QByteArray data;
    for (const Entry& entry : entries) {
        directory += U16(entry.tag) + U16(entry.format) + U32(entry.count);
        if (entry.rawOffset) {
            directory += U32(entry.offset);
        } else if (entry.value.size() <= 4) {
            directory += entry.value + QByteArray(4 - entry.value.size(), '\0');
        } else {
            directory += U32(dataStart + uint32_t(data.size()));
            data += entry.value;
        }
    }
    directory += U32(next);
    m_bytes += directory + data;
    return start;
}

void Tiff::SetNext(uint32_t directory, uint32_t next)
{
    const uint32_t count = m_motorola ? (uint8_t(m_bytes[directory]) << 8 | uint8_t(m_bytes[directory + 1]))
                                      : (uint8_t(m_bytes[directory + 1]) << 8 | uint8_t(m_bytes[directory]));
    Put32(directory + 2 + 12 * count, next);
}

uint32_t Tiff::AddBytes(const QByteArray& bytes)
{
    const uint32_t start = Size();
    m_bytes += bytes;
    return start;
}

void Tiff::SetValue(uint32_t directory, int index, uint32_t value)
{
    Put32(directory + 2 + 12 * uint32_t(index) + 8, value);
}

void Tiff::SetFirstDirectory(uint32_t offset)
{
    Put32(4, offset);
}

void Tiff::Put32(uint32_t at, uint32_t value)
{
    const QByteArray bytes = U32(value);
    for (int i = 0; i < 4; ++i)
        m_bytes[int(at) + i] = bytes[i];
}

Tiff ThumbnailTiff(bool motorola, const QByteArray& thumbnail)
{
    Tiff tiff(motorola);
    const uint32_t ifd0 = tiff.AddDirectory({tiff.Short(0x0112, 1)});
    const uint32_t ifd1 = tiff.AddDirectory({tiff.Long(0x0201, 0), tiff.Long(0x0202, uint32_t(thumbnail.size()))});
    tiff.SetNext(ifd0, ifd1);
    tiff.SetValue(ifd1, 0, tiff.AddBytes(thumbnail));
    return tiff;
}

QByteArray Segment(int marker, const QByteArray& body)
{
    QByteArray segment;
    const int length = body.size() + 2;
    segment += char(0xFF);
    segment += char(marker);
    segment += char((length >> 8) & 0xFF);
    segment += char(length & 0xFF);
    return segment + body;
}

QByteArray ExifSegment(const QByteArray& tiff)
{
    return Segment(0xE1, QByteArray("Exif\0\0", 6) + tiff);
}

QByteArray XmpSegment()
{
    const QByteArray packet = "http://ns.adobe.com/xap/1.0/\0<x:xmpmeta xmlns:x='adobe:ns:meta/'/>";
    return Segment(0xE1, packet);
}

QByteArray JpegFile(const QList<QByteArray>& segments)
{
    QByteArray file("\xFF\xD8", 2);
    for (const QByteArray& segment : segments)
        file += segment;
    file += Segment(0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));
    file += Segment(0xC0, QByteArray("\x08\x00\x10\x00\x10\x01\x01\x11\x00", 9));
    file += Segment(0xDA, QByteArray("\x01\x01\x00\x00\x3F\x00", 6));
    file += QByteArray(32, '\x55');
    file += QByteArray("\xFF\xD9", 2);
    return file;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace JpegFixtures
