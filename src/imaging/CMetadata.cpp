#include "CMetadata.h"

#include "CImageManager.h"

#include <Magick++.h>

#include <QFile>
#include <QIODevice>

#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <limits>
#include <new>

namespace {

// JPEG markers that matter here.
constexpr int kMarkerSOI = 0xD8;
constexpr int kMarkerEOI = 0xD9;
constexpr int kMarkerSOS = 0xDA;
constexpr int kMarkerDHT = 0xC4;
constexpr int kMarkerDQT = 0xDB;
constexpr int kMarkerAPP0 = 0xE0;
constexpr int kMarkerAPP1 = 0xE1;
constexpr int kMarkerAPP13 = 0xED;
constexpr int kMarkerCOM = 0xFE;

// EXIF tags that lead to the thumbnail.
constexpr unsigned kTagThumbnailOffset = 0x0201;
constexpr unsigned kTagThumbnailLength = 0x0202;
constexpr unsigned kTagExifOffset = 0x8769;
constexpr unsigned kTagInteropOffset = 0xA005;

constexpr int kMaxNestingLevel = 5;
constexpr int kSectionSlack = 20;

// Bytes per EXIF number format; codes 13 and above are illegal.
constexpr int kBytesPerFormat[] = {0, 1, 1, 2, 4, 8, 1, 1, 2, 4, 8, 4, 8};
constexpr int kNumFormats = 13;

enum Format {
    FmtByte = 1,
    FmtUShort = 3,
    FmtULong = 4,
    FmtURational = 5,
    FmtSByte = 6,
    FmtSShort = 8,
    FmtSLong = 9,
    FmtSRational = 10,
    FmtSingle = 11,
    FmtDouble = 12
};

bool IsStartOfFrame(int marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

const char kEmpty[] = "";

} // namespace

CMetadata::CMetadata() = default;

CMetadata::~CMetadata()
{
    DiscardData();
}

void CMetadata::Read(QString path)
{
    DiscardData();
    m_thumbnailWidth = 0;
    m_thumbnailHeight = 0;
    ResetJpgfile();
    if (!ReadJpegFile(path, ReadMetadata))
        return;
    CheckThumbnail();
}

int CMetadata::GetThumbnailSize() const
{
    return m_info.thumbnailSize;
}

const char* CMetadata::GetThumbnail() const
{
    if (m_info.thumbnailSize <= 0 || m_info.thumbnailSection < 0
        || m_info.thumbnailSection >= int(m_sections.size()))
        return kEmpty;
    const Section& section = m_sections[size_t(m_info.thumbnailSection)];
    return reinterpret_cast<const char*>(section.data.data()) + 8 + m_info.thumbnailOffset;
}

// Decodes the thumbnail to make sure it is a usable JPEG and to learn its
// size. Anything that does not decode is no thumbnail.
void CMetadata::CheckThumbnail()
{
    if (m_info.thumbnailSize <= 0)
        return;
    try {
        Magick::Blob blob(GetThumbnail(), size_t(m_info.thumbnailSize));
        // A few kilobytes can declare a gigapixel picture: look at the
        // header before decoding.
        Magick::Image header;
        header.magick("JPEG");
        header.ping(blob);
        if (double(header.columns()) * double(header.rows()) > kMaxThumbnailPixels) {
            std::fprintf(stderr, "Thumbnail too large: %zux%zu\n", header.columns(), header.rows());
            m_info.thumbnailSize = 0;
            return;
        }
        Magick::Image image;
        image.read(blob, Magick::Geometry(), "JPEG");
        m_thumbnailWidth = int(image.columns());
        m_thumbnailHeight = int(image.rows());
        if (m_thumbnailWidth > 0 && m_thumbnailHeight > 0)
            return;
    } catch (const Magick::Exception& error) {
        std::fprintf(stderr, "Thumbnail does not decode: %s\n", error.what());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "Thumbnail does not decode: %s\n", error.what());
    }
    m_info.thumbnailSize = 0;
    m_thumbnailWidth = 0;
    m_thumbnailHeight = 0;
}

bool CMetadata::ReadJpegFile(const QString& path, ReadMode_t mode)
{
    // A FIFO, socket or device is never opened: a FIFO waits for a writer.
    if (CImageManager::IsSpecialFile(path))
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "can't open '%s'\n", path.toUtf8().constData());
        return false;
    }
    // Every PNG, TIFF or RAW photo of a list comes through here: a file that
    // does not even start like a JPEG is the ordinary case and says nothing.
    // Only one that starts like a JPEG and then fails is told.
    const QByteArray start = file.peek(2);
    const bool startsLikeJpeg = start.size() == 2 && uint8_t(start[0]) == 0xFF && uint8_t(start[1]) == kMarkerSOI;
    const int result = ReadJpegSections(file, mode);
    file.close();
    if (result == 0) {
        if (startsLikeJpeg)
            std::fprintf(stderr, "Not JPEG: %s\n", path.toUtf8().constData());
        DiscardData();
        return false;
    }
    return true;
}

// Reads the header segments up to the first start-of-scan marker. Returns 1
// when the scan reached the image data, 0 for anything else (not a JPEG, no
// image, or a fatal error).
int CMetadata::ReadJpegSections(QIODevice& stream, ReadMode_t mode)
{
    const auto readByte = [&stream]() -> int {
        char c;
        return stream.getChar(&c) ? int(uint8_t(c)) : -1;
    };

    if (readByte() != 0xFF || readByte() != kMarkerSOI)
        return 0;

    bool haveComment = false;
    const bool metadata = (mode & ReadMetadata) != 0;
    for (;;) {
        // The marker: the first byte after 0xFF that is not 0xFF itself.
        int marker = 0;
        int previous = 0;
        int skipped = 0;
        for (;;) {
            marker = readByte();
            if (marker < 0) {
                ErrFatal("Unexpected end of file");
                return 0;
            }
            if (marker != 0xFF && previous == 0xFF)
                break;
            previous = marker;
            ++skipped;
        }
        if (skipped >= 10)
            ErrNonfatal("Extraneous %d padding bytes before section %02X", skipped - 1, marker);

        const int high = readByte();
        const int low = readByte();
        if (high < 0 || low < 0) {
            ErrFatal("Unexpected end of file");
            return 0;
        }
        const unsigned length = unsigned(high << 8 | low);
        if (length < 2) {
            ErrFatal("invalid marker");
            return 0;
        }
        if (m_keptBytes + length > kMaxKeptBytes) {
            ErrFatal("Too much header data before the image");
            return 0;
        }

        Section section;
        try {
            section.data.assign(length + kSectionSlack, 0);
        } catch (const std::bad_alloc&) {
            ErrFatal("Could not allocate memory");
            return 0;
        }
        section.data[0] = uint8_t(high);
        section.data[1] = uint8_t(low);
        const qint64 body = qint64(length) - 2;
        if (body > 0 && stream.read(reinterpret_cast<char*>(section.data.data()) + 2, body) != body) {
            ErrFatal("Premature end of file?");
            return 0;
        }
        section.type = marker;
        section.size = length;

        bool keep = true;
        if (IsStartOfFrame(marker)) {
            if (length < 8)
                std::fprintf(stderr, "Section too short\n");
        } else if (marker == kMarkerDHT) {
            if (!CheckHuffmanTables(section)) {
                ErrFatal("Huff table too short");
                return 0;
            }
        } else if (marker == kMarkerDQT) {
            CheckQuantisationTables(section);
        } else if (marker == kMarkerEOI) {
            std::fprintf(stderr, "No image in jpeg!\n");
            return 0;
        } else if (marker == kMarkerSOS) {
            // Metadata only: the compressed image data is never read.
            return 1;
        } else if (marker == kMarkerAPP0) {
            if (length >= 16) {
                if (std::memcmp(section.data.data() + 2, "JFIF\0", 5) != 0)
                    std::fprintf(stderr, "Header missing JFIF marker\n");
            } else {
                std::fprintf(stderr, "Jfif header too short\n");
            }
            keep = false;
        } else if (marker == kMarkerAPP1) {
            keep = false;
            if (metadata && length >= 6 && std::memcmp(section.data.data() + 2, "Exif", 4) == 0) {
                m_currentSection = int(m_sections.size());
                keep = ProcessExif(section.data.data(), length);
                m_currentSection = -1;
            } else if (metadata && length >= 7
                       && std::memcmp(section.data.data() + 2, "http:", 5) == 0) {
                section.type = kXmpSectionType;
                keep = true;
            }
        } else if (marker == kMarkerAPP13) {
            keep = metadata;
        } else if (marker == kMarkerCOM) {
            keep = metadata && !haveComment;
            haveComment = haveComment || keep;
        }

        if (keep) {
            m_keptBytes += length;
            m_sections.push_back(std::move(section));
        }
    }
}

// A DHT segment holds tables of one class/id byte, 16 counts and as many
// code bytes as the counts add up to.
bool CMetadata::CheckHuffmanTables(const Section& section) const
{
    const unsigned length = section.size;
    if (length < 19)
        return false;
    const uint8_t* data = section.data.data();
    unsigned pos = 2;
    while (pos < length) {
        if (pos + 17 > length)
            return false;
        unsigned codes = 0;
        for (unsigned i = 0; i < 16; ++i)
            codes += data[pos + 1 + i];
        pos += 17 + codes;
        if (pos > length)
            return false;
    }
    return true;
}

// A DQT segment holds tables of 64 entries of 8 or 16 bits.
void CMetadata::CheckQuantisationTables(const Section& section) const
{
    const unsigned length = section.size;
    if (length < 6)
        return;
    const uint8_t* data = section.data.data();
    unsigned pos = 2;
    while (pos < length) {
        const unsigned tableBytes = 1 + ((data[pos] >> 4) != 0 ? 128 : 64);
        if (pos + tableBytes > length) {
            ErrNonfatal("DQT section too short");
            return;
        }
        pos += tableBytes;
    }
}

// `data` is the whole section (two length bytes, "Exif\0\0", the TIFF block);
// `length` is the segment length. The data buffer has slack behind it, but
// every read is still checked against the TIFF block.
bool CMetadata::ProcessExif(const uint8_t* data, unsigned length)
{
    m_motorolaOrder = false;
    m_visitedDirs.clear();
    m_tiff = nullptr;
    m_tiffLength = 0;

    if (length < 16 || std::memcmp(data + 2, "Exif\0\0", 6) != 0) {
        ErrNonfatal("Incorrect Exif header");
        return false;
    }
    if (std::memcmp(data + 8, "II", 2) == 0) {
        m_motorolaOrder = false;
    } else if (std::memcmp(data + 8, "MM", 2) == 0) {
        m_motorolaOrder = true;
    } else {
        ErrNonfatal("Invalid Exif alignment marker.");
        return false;
    }
    if (Get16u(data + 10) != 42) {
        ErrNonfatal("Invalid Exif start (1)");
        return false;
    }
    const uint32_t firstOffset = Get32u(data + 12);
    if (firstOffset < 8 || firstOffset > 16) {
        if (firstOffset < 16 || firstOffset > length - 16) {
            ErrNonfatal("invalid offset for first Exif IFD value");
            return false;
        }
        ErrNonfatal("Suspicious offset of first Exif IFD value");
    }

    m_tiff = data + 8;
    m_tiffLength = length - 8;
    ProcessExifDir(firstOffset, 0);
    m_tiff = nullptr;
    m_tiffLength = 0;
    return true;
}

// Walks one directory at `dirOffset` (from the TIFF header) and the
// directories it links to. Each directory is walked at most once, so a
// directory that links to itself or to an earlier one cannot loop.
void CMetadata::ProcessExifDir(size_t dirOffset, int nestingLevel)
{
    if (nestingLevel >= kMaxNestingLevel) {
        ErrNonfatal("Maximum Exif directory nesting exceeded (corrupt Exif header)");
        return;
    }
    if (!m_visitedDirs.insert(dirOffset).second) {
        ErrNonfatal("Exif directory at %u is linked more than once", unsigned(dirOffset));
        return;
    }
    const size_t length = m_tiffLength;
    unsigned entries = 0;
    if (!Get16u(dirOffset, entries)) {
        ErrNonfatal("Illegally sized Exif subdirectory (no entry count)");
        return;
    }
    const size_t dirEnd = dirOffset + 2 + 12 * size_t(entries);
    if (dirEnd + 4 > length && dirEnd + 2 != length && dirEnd != length) {
        ErrNonfatal("Illegally sized Exif subdirectory (%u entries)", entries);
        return;
    }

    bool haveThumbnailOffset = false;
    double thumbnailOffset = 0;
    double thumbnailSize = 0;

    for (unsigned i = 0; i < entries; ++i) {
        const uint8_t* entry = m_tiff + dirOffset + 2 + 12 * size_t(i);
        const unsigned tag = Get16u(entry);
        const unsigned format = Get16u(entry + 2);
        const uint32_t components = Get32u(entry + 4);

        if (int32_t(components) >= 65537) {
            ErrNonfatal("Bad components count %x", components);
            continue;
        }
        if (format >= unsigned(kNumFormats)) {
            ErrNonfatal("Illegal number format %u for tag %04x in Exif", format, tag);
            continue;
        }
        if (components >= 65537) {
            ErrNonfatal("Too many components %d for tag %04x in Exif", int32_t(components), tag);
            continue;
        }

        const size_t byteCount = size_t(components) * size_t(kBytesPerFormat[format]);
        const uint8_t* value = entry + 8;
        if (byteCount > 4) {
            const uint32_t valueOffset = Get32u(entry + 8);
            if (valueOffset > 65536 || size_t(valueOffset) + byteCount > length) {
                ErrNonfatal("Illegal value pointer for tag %04x in Exif", tag);
                continue;
            }
            value = m_tiff + valueOffset;
        }
        // A number is read only when the entry holds at least one whole one.
        const bool holdsNumber = format != 0 && byteCount >= size_t(kBytesPerFormat[format]);

        switch (tag) {
        case kTagThumbnailOffset:
            haveThumbnailOffset = true;
            thumbnailOffset = holdsNumber ? ConvertAnyFormat(value, int(format)) : 0;
            break;
        case kTagThumbnailLength:
            thumbnailSize = holdsNumber ? ConvertAnyFormat(value, int(format)) : 0;
            break;
        case kTagExifOffset:
        case kTagInteropOffset: {
            // The value always has four readable bytes: in the entry itself,
            // or at a checked offset when it is longer than four bytes.
            const uint32_t link = Get32u(value);
            if (link <= length)
                ProcessExifDir(link, nestingLevel + 1);
            else
                ErrNonfatal("Illegal Exif or interop ofset directory link");
            break;
        }
        default:
            break;
        }
    }

    uint32_t next = 0;
    if (dirEnd + 4 <= length && Get32u(dirEnd, next) && next != 0) {
        if (size_t(next) + 2 <= length)
            ProcessExifDir(next, nestingLevel + 1);
        else if (size_t(next) >= length + 20)
            ErrNonfatal("Illegal subdirectory link in Exif header");
    }

    // This directory's own thumbnail tags win over those of the directories
    // it links to, which were walked above.
    if (haveThumbnailOffset && thumbnailOffset != 0) {
        const double maxOffset = double(length);
        if (!std::isfinite(thumbnailOffset) || thumbnailOffset < 1 || thumbnailOffset >= maxOffset) {
            ErrNonfatal("Thumbnail offset outside the Exif block");
            return;
        }
        const size_t offset = size_t(thumbnailOffset);
        const size_t room = length - offset;
        if (!std::isfinite(thumbnailSize) || thumbnailSize < 1) {
            ErrNonfatal("Invalid thumbnail size");
            return;
        }
        const size_t size = thumbnailSize >= double(room) ? room : size_t(thumbnailSize);
        if (size == 0 || size > size_t(std::numeric_limits<int>::max()))
            return;
        m_info.thumbnailOffset = int(offset);
        m_info.thumbnailSize = int(size);
        m_info.thumbnailSection = m_currentSection;
    }
}

void CMetadata::DiscardData()
{
    m_sections.clear();
    m_keptBytes = 0;
    m_info = ImageInfo();
}

void CMetadata::ResetJpgfile()
{
    m_sections.clear();
    m_sections.reserve(5);
    m_keptBytes = 0;
}

bool CMetadata::Get16u(size_t offset, unsigned& value) const
{
    if (m_tiff == nullptr || offset > m_tiffLength || m_tiffLength - offset < 2)
        return false;
    value = Get16u(m_tiff + offset);
    return true;
}

bool CMetadata::Get32u(size_t offset, uint32_t& value) const
{
    if (m_tiff == nullptr || offset > m_tiffLength || m_tiffLength - offset < 4)
        return false;
    value = Get32u(m_tiff + offset);
    return true;
}

unsigned CMetadata::Get16u(const uint8_t* p) const
{
    return m_motorolaOrder ? unsigned(p[0] << 8 | p[1]) : unsigned(p[1] << 8 | p[0]);
}

uint32_t CMetadata::Get32u(const uint8_t* p) const
{
    if (m_motorolaOrder)
        return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
    return uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | uint32_t(p[0]);
}

double CMetadata::ConvertAnyFormat(const uint8_t* value, int format) const
{
    switch (format) {
    case FmtSByte:
        return double(int8_t(value[0]));
    case FmtByte:
        return double(value[0]);
    case FmtUShort:
        return double(Get16u(value));
    case FmtULong:
        return double(Get32u(value));
    case FmtURational:
    case FmtSRational: {
        const uint32_t numerator = Get32u(value);
        const uint32_t denominator = Get32u(value + 4);
        if (denominator == 0)
            return 0;
        if (format == FmtSRational)
            return double(int32_t(numerator)) / double(int32_t(denominator));
        return double(numerator) / double(denominator);
    }
    case FmtSShort:
        return double(int16_t(Get16u(value)));
    case FmtSLong:
        return double(int32_t(Get32u(value)));
    case FmtSingle: {
        const uint32_t bits = Get32u(value);
        float number;
        std::memcpy(&number, &bits, sizeof number);
        return double(number);
    }
    case FmtDouble: {
        const uint64_t first = Get32u(value);
        const uint64_t second = Get32u(value + 4);
        const uint64_t bits = m_motorolaOrder ? (first << 32 | second) : (second << 32 | first);
        double number;
        std::memcpy(&number, &bits, sizeof number);
        return number;
    }
    default:
        ErrNonfatal("Illegal format code %d in Exif header", format);
        return 0;
    }
}

void CMetadata::ErrNonfatal(const char* format, ...)
{
    std::fputs("\nNonfatal Error : ", stderr);
    va_list args;
    va_start(args, format);
    std::vfprintf(stderr, format, args);
    va_end(args);
    std::fputs("\n", stderr);
}

void CMetadata::ErrFatal(const char* message)
{
    std::fprintf(stderr, "\nError : %s\n", message);
}
