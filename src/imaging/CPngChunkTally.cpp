#include "CPngChunkTally.h"

#include <algorithm>
#include <cstring>

uint32_t CPngChunkTally::TypeCode(const unsigned char* type)
{
    return uint32_t(type[0]) << 24 | uint32_t(type[1]) << 16 | uint32_t(type[2]) << 8 | uint32_t(type[3]);
}

void CPngChunkTally::Feed(const void* bytes, size_t length)
{
    const auto* at = static_cast<const unsigned char*>(bytes);
    while (length > 0) {
        if (m_skip > 0) {
            const size_t passed = size_t(std::min<uint64_t>(m_skip, length));
            m_skip -= passed;
            at += passed;
            length -= passed;
            continue;
        }
        const size_t taken = std::min(sizeof m_header - m_headerBytes, length);
        std::memcpy(m_header + m_headerBytes, at, taken);
        m_headerBytes += taken;
        at += taken;
        length -= taken;
        if (m_headerBytes < sizeof m_header)
            return;
        m_headerBytes = 0;
        // The data, then the four bytes of the checksum.
        m_skip = uint64_t(TypeCode(m_header)) + 4;
        const uint32_t code = TypeCode(m_header + 4);
        const auto found = std::find_if(m_counts.begin(), m_counts.end(),
                                        [code](const std::pair<uint32_t, int>& entry) { return entry.first == code; });
        if (found == m_counts.end())
            m_counts.emplace_back(code, 1);
        else
            ++found->second;
    }
}

int CPngChunkTally::Count(const char* type) const
{
    const uint32_t code = TypeCode(reinterpret_cast<const unsigned char*>(type));
    for (const auto& [entry, count] : m_counts) {
        if (entry == code)
            return count;
    }
    return 0;
}
