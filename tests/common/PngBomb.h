#pragma once

#include <QString>

// A tiny PNG file that declares width x height pixels but holds the data of
// a few rows only: decoding it would allocate the whole declared image.
// Returns its path ("" when it cannot be written).
QString MakePngBomb(const QString& folder, const QString& name, int width, int height);
