#pragma once

#include "SFilterRecord.h"

#include <QList>
#include <QtGlobal>

// The filter ids that change how the preview fits, composites or edits a
// photo.
namespace PreviewFilterSets {

constexpr quint32 TextMarkId = 1000;
constexpr quint32 LogoMarkId = 1010;
constexpr quint32 CropId = 5020;
constexpr quint32 ResizeId = 5040;
constexpr quint32 ResizeAdvancedId = 5050;

// Filters that change the size of the picture (frames, shadow, border,
// wave, rotate, and the automatic rotation, auto crop, advanced resize and
// thumbnail that only job files reach), so the result is fitted on its own
// size rather than on the photo's.
bool IsGeometry(quint32 id);

// A record edited on the picture: crop, resize, and text and logo marks
// that are not tiled.
bool IsEditable(const SFilterRecord& record);

// A resize record whose frame keeps its shape (fixed width, height or both,
// or width and height with the aspect ratio kept): it has no side handles.
bool IsConstrainedResize(const SFilterRecord& record);

bool HoldsGeometry(const QList<SFilterRecord>& filters);
bool HoldsId(const QList<SFilterRecord>& filters, quint32 id);
bool HoldsEditable(const QList<SFilterRecord>& filters);

} // namespace PreviewFilterSets
