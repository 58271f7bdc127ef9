#pragma once

#include <QByteArray>

// The orientation an XMP packet records (tiff:Orientation, as an attribute
// or as an element).
namespace XmpOrientation {

// The packet with every orientation it records set to `orientation` (1 to
// 8); a packet that records none comes back unchanged.
QByteArray WithOrientation(const QByteArray& packet, int orientation);

} // namespace XmpOrientation
