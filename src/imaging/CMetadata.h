#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <set>
#include <vector>

class QIODevice;

// Finds the small preview image a camera stores in a JPEG file's EXIF block,
// without decoding the photo. Only the header segments up to the first
// start-of-scan marker are read; the thumbnail is taken in place from the kept
// EXIF section.
//
// All state lives in the instance, so separate instances may be used on
// separate threads. Every read is bounds-checked: hostile files yield no
// thumbnail and a diagnostic on the error stream, never a crash.
class CMetadata
{
public:
    CMetadata();
    ~CMetadata();
    CMetadata(const CMetadata&) = delete;
    CMetadata& operator=(const CMetadata&) = delete;

    void Read(QString path);

    // Thumbnail size in bytes, 0 when there is none.
    int GetThumbnailSize() const;
    // The thumbnail bytes inside the kept EXIF section (valid while this
    // object lives); an empty string when there is no thumbnail.
    const char* GetThumbnail() const;
    // Pixel size of the decoded thumbnail, 0 when there is none.
    int GetThumbnailWidth() const { return m_thumbnailWidth; }
    int GetThumbnailHeight() const { return m_thumbnailHeight; }

    enum ReadMode_t { ReadMetadata = 1, ReadImage = 2 };

    // Type given to APP1 sections that hold an XMP packet.
    static constexpr int kXmpSectionType = 4321;
    // At most this many header bytes are kept before the image data.
    static constexpr size_t kMaxKeptBytes = 16 * 1024 * 1024;
    // Thumbnails that declare more pixels than this are not decoded.
    static constexpr double kMaxThumbnailPixels = 16.0 * 1024 * 1024;

private:
    struct Section {
        std::vector<uint8_t> data; // the two length bytes, then the body
        int type = 0;              // marker byte, or kXmpSectionType
        unsigned size = 0;         // segment length (counts the length bytes)
    };

    // What the EXIF walk found out about the thumbnail. The offset counts
    // from the TIFF header inside the EXIF section named by sectionIndex.
    struct ImageInfo {
        int thumbnailOffset = 0;
        int thumbnailSize = 0;
        int thumbnailSection = -1;
    };

    bool ReadJpegFile(const QString& path, ReadMode_t mode);
    int ReadJpegSections(QIODevice& stream, ReadMode_t mode);
    bool CheckHuffmanTables(const Section& section) const;
    void CheckQuantisationTables(const Section& section) const;
    bool ProcessExif(const uint8_t* data, unsigned length);
    void ProcessExifDir(size_t dirOffset, int nestingLevel);
    void CheckThumbnail();

    void DiscardData();
    void ResetJpgfile();

    // Reads from the TIFF block being walked; false when out of bounds.
    bool Get16u(size_t offset, unsigned& value) const;
    bool Get32u(size_t offset, uint32_t& value) const;
    unsigned Get16u(const uint8_t* p) const;
    uint32_t Get32u(const uint8_t* p) const;
    double ConvertAnyFormat(const uint8_t* value, int format) const;

    static void ErrNonfatal(const char* format, ...);
    static void ErrFatal(const char* message);

    int m_thumbnailWidth = 0;
    int m_thumbnailHeight = 0;

    std::vector<Section> m_sections;
    size_t m_keptBytes = 0;
    bool m_haveAll = false;
    ImageInfo m_info;

    // State of the EXIF block being walked.
    bool m_motorolaOrder = false;
    const uint8_t* m_tiff = nullptr;
    size_t m_tiffLength = 0;
    int m_currentSection = -1;
    std::set<size_t> m_visitedDirs;
};
