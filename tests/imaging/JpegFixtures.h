#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

// Builders for small hand-made JPEG files with EXIF blocks, so that the
// section reader can be fed exactly the structures (good and hostile) a test
// needs. Only the header segments matter: the files end right after the
// start-of-scan marker.
namespace JpegFixtures {

// A real JPEG of the given size, encoded by ImageMagick.
QByteArray EncodeJpeg(int width, int height, const QString& colour = "red");
// A real PNG of the given size.
QByteArray EncodePng(int width, int height);

// One TIFF directory entry; `value` holds the value bytes in the block's byte
// order. Values of up to four bytes sit in the entry; longer ones go behind
// the directories, unless `offset` is set, which is then written verbatim.
struct Entry {
    uint16_t tag = 0;
    uint16_t format = 0;
    uint32_t count = 0;
    QByteArray value;
    bool rawOffset = false;
    uint32_t offset = 0;
};

// A TIFF block in one byte order, written piece by piece.
class Tiff
{
public:
    explicit Tiff(bool motorola);
    bool Motorola() const { return m_motorola; }
    QByteArray U16(uint32_t value) const;
    QByteArray U32(uint32_t value) const;
    Entry Long(uint16_t tag, uint32_t value) const;
    Entry Short(uint16_t tag, uint16_t value) const;

    // Appends a directory at the current end and returns its offset. The
    // next-directory link is written as `next` (patch it with SetNext).
    uint32_t AddDirectory(const QList<Entry>& entries, uint32_t next = 0);
    void SetNext(uint32_t directory, uint32_t next);
    // Appends raw bytes and returns their offset.
    uint32_t AddBytes(const QByteArray& bytes);
    // Sets the 32-bit value field of entry `index` of a directory.
    void SetValue(uint32_t directory, int index, uint32_t value);
    void SetFirstDirectory(uint32_t offset);
    uint32_t Size() const { return uint32_t(m_bytes.size()); }
    const QByteArray& Bytes() const { return m_bytes; }

private:
    void Put32(uint32_t at, uint32_t value);
    bool m_motorola;
    QByteArray m_bytes;
};

// A TIFF block whose IFD0 links to IFD1 holding the thumbnail tags.
Tiff ThumbnailTiff(bool motorola, const QByteArray& thumbnail);

// "Exif\0\0" + the TIFF block, as an APP1 segment (marker and length).
QByteArray ExifSegment(const QByteArray& tiff);
QByteArray XmpSegment();
QByteArray Segment(int marker, const QByteArray& body);
// SOI, the given segments, a minimal quantisation table, frame header and
// start of scan, then a few bytes of "image data".
QByteArray JpegFile(const QList<QByteArray>& segments);

bool WriteFile(const QString& path, const QByteArray& bytes);

} // namespace JpegFixtures
