#include "DngWriter.h"

#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

namespace {
enum Type : uint16_t { Byte = 1, Ascii = 2, Short = 3, Long = 4, Rational = 5, SRational = 10 };

struct Entry
{
    uint16_t type = Long;
    uint32_t count = 0;
    std::vector<uint8_t> bytes; // little-endian value bytes
};

class LittleEndian
{
public:
    std::vector<uint8_t> data;
    void u16(uint16_t v) { data.push_back(uint8_t(v)), data.push_back(uint8_t(v >> 8)); }
    void u32(uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            data.push_back(uint8_t(v >> (8 * i)));
    }
};

Entry Shorts(std::initializer_list<uint16_t> values)
{
    LittleEndian out;
    for (uint16_t v : values)
        out.u16(v);
    return {Short, uint32_t(values.size()), out.data};
}

Entry Longs(std::initializer_list<uint32_t> values)
{
    LittleEndian out;
    for (uint32_t v : values)
        out.u32(v);
    return {Long, uint32_t(values.size()), out.data};
}

Entry Bytes(std::initializer_list<uint8_t> values)
{
    return {Byte, uint32_t(values.size()), std::vector<uint8_t>(values)};
}

Entry Text(const QString& text)
{
    QByteArray bytes = text.toLatin1();
    bytes.append('\0');
    return {Ascii, uint32_t(bytes.size()), std::vector<uint8_t>(bytes.begin(), bytes.end())};
}

Entry Rationals(Type type, const std::vector<double>& values)
{
    LittleEndian out;
    for (double v : values) {
        out.u32(uint32_t(int32_t(std::lround(v * 10000))));
        out.u32(10000);
    }
    return {type, uint32_t(values.size()), out.data};
}

uint16_t Sample(const DngSpec& spec, int x, int y)
{
    const std::array<double, 3> c = spec.colour ? spec.colour(x, y) : std::array<double, 3>{0.5, 0.5, 0.5};
    int channel = 0;
    if (!spec.grey) {
        const bool evenRow = y % 2 == 0, evenCol = x % 2 == 0;
        channel = evenRow && evenCol ? 0 : (!evenRow && !evenCol ? 2 : 1);
    }
    const double v = std::clamp(c[size_t(channel)], 0.0, 1.0) * spec.whiteLevel;
    return uint16_t(std::lround(v));
}
} // namespace

bool WriteDng(const QString& path, const DngSpec& spec)
{
    const uint32_t w = uint32_t(spec.width), h = uint32_t(spec.height);
    const uint32_t stripBytes = w * h * 2;

    std::map<uint16_t, Entry> tags;
    tags[254] = Longs({0});
    tags[256] = Longs({w});
    tags[257] = Longs({h});
    tags[258] = Shorts({16});
    tags[259] = Shorts({1});
    tags[262] = Shorts({uint16_t(spec.grey ? 34892 : 32803)});
    tags[271] = Text(spec.make);
    tags[272] = Text(spec.model);
    tags[273] = Longs({0}); // patched below
    if (spec.orientation > 0)
        tags[274] = Shorts({uint16_t(spec.orientation)});
    tags[277] = Shorts({1});
    tags[278] = Longs({h});
    tags[279] = Longs({stripBytes});
    tags[284] = Shorts({1});
    if (!spec.dateTime.isEmpty())
        tags[306] = Text(spec.dateTime);
    if (!spec.grey) {
        tags[33421] = Shorts({2, 2});
        tags[33422] = Bytes({0, 1, 1, 2});
    }
    tags[50706] = Bytes({1, 4, 0, 0});
    tags[50707] = Bytes({1, 1, 0, 0});
    tags[50708] = Text(spec.make + " " + spec.model);
    tags[50714] = Longs({0});
    tags[50717] = Longs({uint32_t(spec.whiteLevel)});
    if (!spec.grey) {
        // XYZ (D65) to linear sRGB: the camera sees sRGB primaries.
        tags[50721] = Rationals(SRational, {3.2406, -1.5372, -0.4986, -0.9689, 1.8758, 0.0415, 0.0557,
                                            -0.2040, 1.0570});
        if (spec.asShotNeutral)
            tags[50728] = Rationals(Rational, {spec.neutral[0], spec.neutral[1], spec.neutral[2]});
        tags[50778] = Shorts({21});
    }

    // Layout: header, IFD, out-of-line values, pixel strip.
    const uint32_t ifdOffset = 8;
    const uint32_t ifdSize = 2 + uint32_t(tags.size()) * 12 + 4;
    uint32_t dataOffset = ifdOffset + ifdSize;
    std::vector<uint8_t> extra;
    std::map<uint16_t, uint32_t> offsets;
    for (auto& [tag, entry] : tags) {
        if (entry.bytes.size() > 4) {
            offsets[tag] = dataOffset + uint32_t(extra.size());
            extra.insert(extra.end(), entry.bytes.begin(), entry.bytes.end());
            if (extra.size() % 2)
                extra.push_back(0);
        }
    }
    const uint32_t stripOffset = dataOffset + uint32_t(extra.size());
    tags[273] = Longs({stripOffset});

    LittleEndian out;
    out.data = {'I', 'I'};
    out.u16(42);
    out.u32(ifdOffset);
    out.u16(uint16_t(tags.size()));
    for (const auto& [tag, entry] : tags) {
        out.u16(tag);
        out.u16(entry.type);
        out.u32(entry.count);
        if (entry.bytes.size() > 4) {
            out.u32(offsets[tag]);
        } else {
            std::vector<uint8_t> inline4 = entry.bytes;
            inline4.resize(4, 0);
            out.data.insert(out.data.end(), inline4.begin(), inline4.end());
        }
    }
    out.u32(0);
    out.data.insert(out.data.end(), extra.begin(), extra.end());
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x)
            out.u16(Sample(spec, int(x), int(y)));

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const qint64 size = qint64(out.data.size());
    return file.write(reinterpret_cast<const char*>(out.data.data()), size) == size;
}
