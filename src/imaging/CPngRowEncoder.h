#pragma once

#include <QByteArray>

#include <cstddef>

// The image data of a non-interlaced PNG: each row given its filter, the
// filtered rows deflated with zlib and cut into IDAT chunks of 8 KiB, then
// the IEND chunk. It makes the very bytes libspng writes for the same rows
// and zlib settings: the adaptive choice takes the filter whose output has
// the smallest sum of absolute values (bytes read as signed), the first
// such in the order None, Sub, Up, Average, Paeth. The sums and the
// filtered rows are computed sixteen bytes at a time where the processor
// has SSE2, so the choice costs a small part of the deflate it feeds.
class CPngRowEncoder
{
public:
    struct SSettings
    {
        int level = 6;       // zlib level
        int strategy = 0;    // zlib strategy
        bool adaptive = true; // choose a filter per row; else every row unfiltered
    };

    // Appends the IDAT chunks and IEND of `height` rows of `rowBytes` bytes
    // each (the file's sample layout: 16-bit samples big-endian; no filter
    // byte) to `out`. `pixelBytes` is the
    // distance the filters look back (bytes per pixel, at least 1). False
    // when zlib fails.
    static bool Encode(const unsigned char* rows, size_t rowBytes, size_t height, unsigned pixelBytes,
                       const SSettings& settings, QByteArray& out);

    // The adaptive filter for `row` under `previous` (nullptr for the first
    // row): 0 None, 1 Sub, 2 Up, 3 Average, 4 Paeth. The filtered bytes go to
    // `filtered` (rowBytes of them).
    static unsigned FilterRow(const unsigned char* row, const unsigned char* previous, size_t rowBytes,
                              unsigned pixelBytes, unsigned char* filtered);
    // The same choice made one byte at a time, as a reference.
    static unsigned FilterRowScalar(const unsigned char* row, const unsigned char* previous, size_t rowBytes,
                                    unsigned pixelBytes, unsigned char* filtered);
};
