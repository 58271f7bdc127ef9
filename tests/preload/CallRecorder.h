#pragma once

#include <string>
#include <utility>
#include <vector>

#include <sys/types.h>

// Stand-ins for the system calls that flush, name and delete files. They
// record, in order, what a run does to the files and folders under one
// watched folder, and can make a flush fail the way a dying disk or a file
// system without flushes does. A test links the library to watch its own
// process; a program started with the library preloaded (LD_PRELOAD) is
// watched through its environment (Environment), and its record read back
// from a file (ReadLog).
namespace CallRecorder {

struct SEvent
{
    // Flush: fsync or fdatasync of a file or folder; FileSystemFlush:
    // syncfs, the descriptor being any file of the file system.
    enum Kind { Flush, FileSystemFlush, Name, Delete } kind = Flush;
    std::string path; // a flushed descriptor's path; the name given or deleted
    dev_t device = 0; // the flushed file or folder
    ino_t inode = 0;
};

// The flushes that can be made to fail.
enum class Fault { FileFlush, FolderFlush, FileSystemFlush };

// Records everything under `folder` (a path ending with "/") from now on.
void Watch(const std::string& folder);
void Stop();
// What was recorded since the last call; the record starts again.
std::vector<SEvent> Take();
// Makes the flushes of `which` under the watched folder fail with `error`;
// 0 lets the real call run again.
void SetFault(Fault which, int error);

// The variables that make a program started with the library at `library`
// preloaded record everything under `folder` to the file `log`, its
// flushes failing as `faults` says.
std::vector<std::pair<std::string, std::string>> Environment(const std::string& library, const std::string& folder,
                                                             const std::string& log,
                                                             const std::vector<std::pair<Fault, int>>& faults = {});
// The record a preloaded library wrote to `log`.
std::vector<SEvent> ReadLog(const std::string& log);

} // namespace CallRecorder
