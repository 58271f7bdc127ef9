#pragma once

#include <QString>

// The fixed description texts of the filter operations, plus the line of the
// output-format choice that keeps each photo's own format. Rows are numbered
// from 1: row n is FilterDescriptions[n - 1]. The texts are the English
// sources; whoever shows one translates it again.
inline constexpr int FilterDescriptionCount = 52;
extern const QString FilterDescriptions[FilterDescriptionCount];

// Row n (1-based) of the table, or an empty text outside 1..52.
QString FilterDescription(int row);
