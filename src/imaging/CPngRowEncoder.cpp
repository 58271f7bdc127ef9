#include "CPngRowEncoder.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr size_t kIdatSize = 8192;
// Rows wider than this would overflow the 32-bit sums the choice was made
// with; every filter then scores alike and the row stays unfiltered.
constexpr size_t kWidestScoredRow = INT32_MAX / 128;

enum Filter : unsigned { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

inline int PaethPredictor(int a, int b, int c)
{
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// The filtered byte at i, for each filter, one byte at a time. `a` is the
// byte one pixel to the left, `b` the one above, `c` the one above-left.
inline uint8_t FilterByte(unsigned filter, int x, int a, int b, int c)
{
    switch (filter) {
    case Sub: return uint8_t(x - a);
    case Up: return uint8_t(x - b);
    case Average: return uint8_t(x - ((a + b) >> 1));
    case Paeth: return uint8_t(x - PaethPredictor(a, b, c));
    default: return uint8_t(x);
    }
}

inline unsigned AbsSigned(uint8_t v)
{
    return v < 128 ? v : 256u - v;
}

void ScalarBytes(const unsigned char* row, const unsigned char* previous, size_t from, size_t to,
                 unsigned pixelBytes, uint64_t sums[5])
{
    for (size_t i = from; i < to; ++i) {
        const int x = row[i];
        const int a = i >= pixelBytes ? row[i - pixelBytes] : 0;
        const int b = previous[i];
        const int c = i >= pixelBytes ? previous[i - pixelBytes] : 0;
        for (unsigned f = None; f <= Paeth; ++f)
            sums[f] += AbsSigned(FilterByte(f, x, a, b, c));
    }
}

void ScalarFilter(unsigned filter, const unsigned char* row, const unsigned char* previous, size_t from, size_t to,
                  unsigned pixelBytes, unsigned char* out)
{
    for (size_t i = from; i < to; ++i) {
        const int a = i >= pixelBytes ? row[i - pixelBytes] : 0;
        const int c = i >= pixelBytes ? previous[i - pixelBytes] : 0;
        out[i] = FilterByte(filter, row[i], a, previous[i], c);
    }
}

// The first filter with the smallest sum.
unsigned Smallest(const uint64_t sums[5])
{
    unsigned best = None;
    for (unsigned f = Sub; f <= Paeth; ++f) {
        if (sums[f] < sums[best])
            best = f;
    }
    return best;
}

#if defined(__SSE2__)

inline __m128i Load(const unsigned char* p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

inline __m128i Abs16(__m128i v)
{
    return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v));
}

// The Paeth predictor of eight pixels' samples held in 16-bit lanes.
inline __m128i PaethHalf(__m128i a, __m128i b, __m128i c)
{
    const __m128i bMinusC = _mm_sub_epi16(b, c);
    const __m128i aMinusC = _mm_sub_epi16(a, c);
    const __m128i pa = Abs16(bMinusC);
    const __m128i pb = Abs16(aMinusC);
    const __m128i pc = Abs16(_mm_add_epi16(bMinusC, aMinusC));
    const __m128i notA = _mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc));
    const __m128i notB = _mm_cmpgt_epi16(pb, pc);
    const __m128i bOrC = _mm_or_si128(_mm_and_si128(notB, c), _mm_andnot_si128(notB, b));
    return _mm_or_si128(_mm_and_si128(notA, bOrC), _mm_andnot_si128(notA, a));
}

inline __m128i PaethPredict(__m128i a, __m128i b, __m128i c)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i low = PaethHalf(_mm_unpacklo_epi8(a, zero), _mm_unpacklo_epi8(b, zero), _mm_unpacklo_epi8(c, zero));
    const __m128i high = PaethHalf(_mm_unpackhi_epi8(a, zero), _mm_unpackhi_epi8(b, zero), _mm_unpackhi_epi8(c, zero));
    return _mm_packus_epi16(low, high);
}

// floor((a + b) / 2) per byte.
inline __m128i AveragePredict(__m128i a, __m128i b)
{
    const __m128i roundedUp = _mm_and_si128(_mm_xor_si128(a, b), _mm_set1_epi8(1));
    return _mm_sub_epi8(_mm_avg_epu8(a, b), roundedUp);
}

// Two 64-bit partial sums of the bytes' absolute values read as signed.
inline __m128i AbsSum(__m128i filtered)
{
    const __m128i zero = _mm_setzero_si128();
    return _mm_sad_epu8(_mm_min_epu8(filtered, _mm_sub_epi8(zero, filtered)), zero);
}

inline uint64_t Total(__m128i sums)
{
    return uint64_t(_mm_cvtsi128_si64(sums)) + uint64_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums)));
}

// Sums for the bytes from `pixelBytes` on, in whole blocks of sixteen; returns
// where the blocks end.
size_t VectorSums(const unsigned char* row, const unsigned char* previous, size_t rowBytes, unsigned pixelBytes,
                  uint64_t sums[5])
{
    __m128i none = _mm_setzero_si128(), sub = none, up = none, average = none, paeth = none;
    size_t i = pixelBytes;
    for (; i + 16 <= rowBytes; i += 16) {
        const __m128i x = Load(row + i);
        const __m128i a = Load(row + i - pixelBytes);
        const __m128i b = Load(previous + i);
        const __m128i c = Load(previous + i - pixelBytes);
        none = _mm_add_epi64(none, AbsSum(x));
        sub = _mm_add_epi64(sub, AbsSum(_mm_sub_epi8(x, a)));
        up = _mm_add_epi64(up, AbsSum(_mm_sub_epi8(x, b)));
        average = _mm_add_epi64(average, AbsSum(_mm_sub_epi8(x, AveragePredict(a, b))));
        paeth = _mm_add_epi64(paeth, AbsSum(_mm_sub_epi8(x, PaethPredict(a, b, c))));
    }
    sums[None] += Total(none);
    sums[Sub] += Total(sub);
    sums[Up] += Total(up);
    sums[Average] += Total(average);
    sums[Paeth] += Total(paeth);
    return i;
}

size_t VectorFilter(unsigned filter, const unsigned char* row, const unsigned char* previous, size_t rowBytes,
                    unsigned pixelBytes, unsigned char* out)
{
    size_t i = pixelBytes;
    for (; i + 16 <= rowBytes; i += 16) {
        const __m128i x = Load(row + i);
        const __m128i a = Load(row + i - pixelBytes);
        const __m128i b = Load(previous + i);
        __m128i predicted;
        switch (filter) {
        case Sub: predicted = a; break;
        case Up: predicted = b; break;
        case Average: predicted = AveragePredict(a, b); break;
        default: predicted = PaethPredict(a, b, Load(previous + i - pixelBytes)); break;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_sub_epi8(x, predicted));
    }
    return i;
}

#endif

unsigned FilterWith(bool vector, const unsigned char* row, const unsigned char* previous, size_t rowBytes,
                    unsigned pixelBytes, unsigned char* filtered)
{
    unsigned filter = None;
    if (rowBytes <= kWidestScoredRow) {
        uint64_t sums[5] = {0, 0, 0, 0, 0};
        const size_t head = std::min<size_t>(pixelBytes, rowBytes);
        ScalarBytes(row, previous, 0, head, pixelBytes, sums);
        size_t done = head;
#if defined(__SSE2__)
        if (vector)
            done = VectorSums(row, previous, rowBytes, pixelBytes, sums);
#endif
        ScalarBytes(row, previous, done, rowBytes, pixelBytes, sums);
        filter = Smallest(sums);
    }
    if (filter == None) {
        std::memcpy(filtered, row, rowBytes);
        return filter;
    }
    const size_t head = std::min<size_t>(pixelBytes, rowBytes);
    ScalarFilter(filter, row, previous, 0, head, pixelBytes, filtered);
    size_t done = head;
#if defined(__SSE2__)
    if (vector)
        done = VectorFilter(filter, row, previous, rowBytes, pixelBytes, filtered);
#endif
    ScalarFilter(filter, row, previous, done, rowBytes, pixelBytes, filtered);
    return filter;
}

unsigned FilterWithPrevious(bool vector, const unsigned char* row, const unsigned char* previous, size_t rowBytes,
                            unsigned pixelBytes, unsigned char* filtered)
{
    if (previous)
        return FilterWith(vector, row, previous, rowBytes, pixelBytes, filtered);
    const std::vector<unsigned char> zeros(rowBytes, 0);
    return FilterWith(vector, row, zeros.data(), rowBytes, pixelBytes, filtered);
}

void AppendBigEndian(QByteArray& out, uint32_t value)
{
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

void AppendChunk(QByteArray& out, const char type[4], const unsigned char* data, size_t length)
{
    AppendBigEndian(out, uint32_t(length));
    out.append(type, 4);
    out.append(reinterpret_cast<const char*>(data), qsizetype(length));
    uLong crc = crc32(0L, reinterpret_cast<const Bytef*>(type), 4);
    // zlib takes a null buffer as a request for the initial value.
    if (length > 0)
        crc = crc32(crc, data, uInt(length));
    AppendBigEndian(out, uint32_t(crc));
}

// A deflate stream whose output leaves as IDAT chunks of kIdatSize bytes.
class IdatStream
{
public:
    IdatStream(QByteArray& out) : out(out) {}
    ~IdatStream()
    {
        if (open)
            deflateEnd(&stream);
    }

    bool Open(int level, int strategy)
    {
        open = deflateInit2(&stream, level, Z_DEFLATED, 15, 8, strategy) == Z_OK;
        Reset();
        return open;
    }

    bool Add(const unsigned char* data, size_t length)
    {
        stream.next_in = const_cast<Bytef*>(data);
        stream.avail_in = uInt(length);
        while (stream.avail_in > 0) {
            if (deflate(&stream, Z_NO_FLUSH) != Z_OK)
                return false;
            if (stream.avail_out == 0)
                Flush();
        }
        return true;
    }

    bool Finish()
    {
        for (;;) {
            const int result = deflate(&stream, Z_FINISH);
            if (result != Z_OK && result != Z_STREAM_END)
                return false;
            if (stream.avail_out == 0 || result == Z_STREAM_END)
                Flush();
            if (result == Z_STREAM_END)
                return true;
        }
    }

private:
    void Reset()
    {
        stream.next_out = buffer.data();
        stream.avail_out = uInt(buffer.size());
    }

    void Flush()
    {
        const size_t length = buffer.size() - stream.avail_out;
        if (length > 0)
            AppendChunk(out, "IDAT", buffer.data(), length);
        Reset();
    }

    QByteArray& out;
    z_stream stream {};
    bool open = false;
    std::array<unsigned char, kIdatSize> buffer {};
};

} // namespace

unsigned CPngRowEncoder::FilterRow(const unsigned char* row, const unsigned char* previous, size_t rowBytes,
                                   unsigned pixelBytes, unsigned char* filtered)
{
    return FilterWithPrevious(true, row, previous, rowBytes, pixelBytes, filtered);
}

unsigned CPngRowEncoder::FilterRowScalar(const unsigned char* row, const unsigned char* previous, size_t rowBytes,
                                         unsigned pixelBytes, unsigned char* filtered)
{
    return FilterWithPrevious(false, row, previous, rowBytes, pixelBytes, filtered);
}

bool CPngRowEncoder::Encode(const unsigned char* rows, size_t rowBytes, size_t height, unsigned pixelBytes,
                            const SSettings& settings, QByteArray& out)
{
    if (rowBytes == 0 || height == 0 || pixelBytes == 0)
        return false;
    IdatStream stream(out);
    if (!stream.Open(settings.level, settings.strategy))
        return false;
    std::vector<unsigned char> line(rowBytes + 1, 0);
    // The row above the first is all zeros.
    const std::vector<unsigned char> zeros(settings.adaptive ? rowBytes : 0, 0);
    const unsigned char* previous = zeros.data();
    for (size_t y = 0; y < height; ++y) {
        const unsigned char* row = rows + y * rowBytes;
        bool added = false;
        if (settings.adaptive) {
            line[0] = uint8_t(FilterWith(true, row, previous, rowBytes, pixelBytes, line.data() + 1));
            added = stream.Add(line.data(), line.size());
        } else {
            added = stream.Add(line.data(), 1) && stream.Add(row, rowBytes);
        }
        if (!added)
            return false;
        previous = row;
    }
    if (!stream.Finish())
        return false;
    AppendChunk(out, "IEND", nullptr, 0);
    return true;
}
