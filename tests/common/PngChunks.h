#pragma once

#include <QByteArray>

// PNG files taken apart and put together at chunk level, for tests that
// need chunks of their own making (damaged ones among them).
namespace PngChunks {

// One chunk: length, type, data and checksum (made wrong on request).
QByteArray Chunk(const QByteArray& type, const QByteArray& data, bool wrongChecksum = false);
// A zlib stream of the bytes, as PNG chunks hold compressed data.
QByteArray Deflated(const QByteArray& bytes);
// The PNG with `before` (whole chunks) put in front of its first IDAT chunk
// and `after` in front of its IEND chunk.
QByteArray Insert(const QByteArray& png, const QByteArray& before, const QByteArray& after = QByteArray());

} // namespace PngChunks
