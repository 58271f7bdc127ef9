#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Counts the chunks of a PNG by type as its bytes go by, handed over in
// pieces of any size from the start of the file (signature first). Only the
// chunk headers are looked at: a chunk's length says where the next one
// starts. The decoder silently leaves out an ancillary chunk that it finds
// damaged; set against what the decoder kept, these counts tell the reader
// what the file held and was lost.
class CPngChunkTally
{
public:
    void Feed(const void* bytes, size_t length);
    // How many chunks of this type (four letters, e.g. "iCCP") went by.
    int Count(const char* type) const;

private:
    static uint32_t TypeCode(const unsigned char* type);

    // Bytes still to pass before the next chunk header: the signature at
    // first, then a chunk's data and checksum.
    uint64_t m_skip = 8;
    unsigned char m_header[8] = {};
    size_t m_headerBytes = 0;
    std::vector<std::pair<uint32_t, int>> m_counts;
};
