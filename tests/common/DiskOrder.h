#pragma once

#include "CallRecorder.h"

#include <QString>

#include <utility>
#include <vector>

// Checks on a run's record (CallRecorder) that an output reached the disk
// in the order a crash cannot undo: its bytes flushed, then its name given,
// then its name flushed, all before its source was deleted.
namespace DiskOrder {

using CallRecorder::SEvent;

// How a name reaches the disk: its folder flushed, or, where the folder
// cannot be read, the whole file system the output is on.
enum class NameFlush { Folder, FileSystem };

// The device and inode of a file or folder; zeros when there is none.
std::pair<dev_t, ino_t> NodeOf(const QString& path);
// The index of the last event of `kind` on `path` before `end`; `end` when
// there is none.
size_t LastOf(const std::vector<SEvent>& log, SEvent::Kind kind, const QString& path, size_t end);
// How many events of `kind` the record holds.
int Count(const std::vector<SEvent>& log, SEvent::Kind kind);
// "" when `output`'s bytes were flushed before it took its name, and its
// name flushed as `how` says after that, all before `end` (the index of its
// source's deletion, or the record's size); else what is missing.
QString Check(const std::vector<SEvent>& log, const QString& output, size_t end,
              NameFlush how = NameFlush::Folder);

} // namespace DiskOrder
