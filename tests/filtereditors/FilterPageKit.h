#pragma once

#include "SFilterRecord.h"

#include <QList>

class CFilterUI;

// Shared by the filter page tests: records written from numbers and the
// numbers a page saves.
namespace FilterPageKit {

// A record holding `numbers` as its parameters.
SFilterRecord Record(const QList<double>& numbers);
// The parameters `page` saves into a fresh record.
QList<double> Numbers(CFilterUI& page);

} // namespace FilterPageKit
