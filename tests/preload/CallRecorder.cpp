#include "CallRecorder.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <mutex>
#include <sstream>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using CallRecorder::Fault;
using CallRecorder::SEvent;

constexpr const char* kFolderVariable = "GB_RECORD_FOLDER";
constexpr const char* kLogVariable = "GB_RECORD_LOG";
constexpr const char* kFaultsVariable = "GB_RECORD_FAULTS";

std::mutex eventsMutex;
std::vector<SEvent> events; // guarded by eventsMutex, where no log is written
std::string watched;        // set while nothing is watched
std::atomic<bool> watching{false};
std::atomic<int> logFile{-1}; // a preloaded library's record
// The errno each kind of flush under the watched folder fails with; 0
// where the real flush runs.
std::atomic<int> faults[3] = {{0}, {0}, {0}};

bool Watched(const std::string& path)
{
    // The watched folder itself, or anything in it.
    return watching.load() && (path + "/").compare(0, watched.size(), watched) == 0;
}

std::string DescriptorPath(int fd)
{
    char where[4096] = {};
    const std::string link = "/proc/self/fd/" + std::to_string(fd);
    const ssize_t n = ::readlink(link.c_str(), where, sizeof where - 1);
    return n > 0 ? std::string(where, size_t(n)) : std::string();
}

// The path a name relative to an open folder stands for.
std::string PathAt(int folder, const char* name)
{
    if (name[0] == '/' || folder == AT_FDCWD)
        return name;
    return DescriptorPath(folder) + "/" + name;
}

void Record(SEvent event)
{
    const int log = logFile.load();
    if (log < 0) {
        const std::lock_guard<std::mutex> lock(eventsMutex);
        events.push_back(std::move(event));
        return;
    }
    // One write a line: lines of several threads never mix.
    const std::string line = std::to_string(int(event.kind)) + ' ' + std::to_string(event.device) + ' ' +
                             std::to_string(event.inode) + ' ' + event.path + '\n';
    [[maybe_unused]] const ssize_t written = ::write(log, line.data(), line.size());
}

template <typename Function> Function Real(const char* name)
{
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

int Flush(SEvent::Kind kind, int fd, int (*real)(int))
{
    const int error = errno;
    const std::string path = DescriptorPath(fd);
    struct stat info {};
    if (!Watched(path) || ::fstat(fd, &info) != 0) {
        errno = error;
        return real(fd);
    }
    Record({kind, path, info.st_dev, info.st_ino});
    const Fault which = kind == SEvent::FileSystemFlush ? Fault::FileSystemFlush
                        : S_ISDIR(info.st_mode)         ? Fault::FolderFlush
                                                        : Fault::FileFlush;
    if (const int fault = faults[int(which)].load()) {
        errno = fault;
        return -1;
    }
    errno = error;
    return real(fd);
}

// A name given or deleted: recorded once the call did it.
int Done(SEvent::Kind kind, int result, const std::string& path)
{
    const int error = errno;
    if (result == 0 && Watched(path))
        Record({kind, path});
    errno = error;
    return result;
}

// A preloaded library takes what it watches from the environment.
void FromEnvironment()
{
    const char* folder = std::getenv(kFolderVariable);
    const char* log = std::getenv(kLogVariable);
    if (!folder || !log)
        return;
    logFile = ::open(log, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    std::istringstream list(std::getenv(kFaultsVariable) ? std::getenv(kFaultsVariable) : "");
    int which = 0;
    int error = 0;
    char equals = 0;
    while (list >> which >> equals >> error) {
        if (which >= 0 && which < 3)
            faults[which] = error;
        list >> equals; // the ","
    }
    CallRecorder::Watch(folder);
}

// Read at load, after the record's state above is made.
const struct SFromEnvironment
{
    SFromEnvironment() { FromEnvironment(); }
} fromEnvironment;

} // namespace

extern "C" int fsync(int fd)
{
    static const auto real = Real<int (*)(int)>("fsync");
    return Flush(SEvent::Flush, fd, real);
}

extern "C" int fdatasync(int fd)
{
    static const auto real = Real<int (*)(int)>("fdatasync");
    return Flush(SEvent::Flush, fd, real);
}

extern "C" int syncfs(int fd)
{
    static const auto real = Real<int (*)(int)>("syncfs");
    return Flush(SEvent::FileSystemFlush, fd, real);
}

extern "C" int linkat(int fromFolder, const char* from, int toFolder, const char* to, int flags)
{
    static const auto real = Real<int (*)(int, const char*, int, const char*, int)>("linkat");
    return Done(SEvent::Name, real(fromFolder, from, toFolder, to, flags), PathAt(toFolder, to));
}

extern "C" int renameat(int fromFolder, const char* from, int toFolder, const char* to)
{
    static const auto real = Real<int (*)(int, const char*, int, const char*)>("renameat");
    return Done(SEvent::Name, real(fromFolder, from, toFolder, to), PathAt(toFolder, to));
}

extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to, unsigned int flags)
{
    static const auto real = Real<int (*)(int, const char*, int, const char*, unsigned int)>("renameat2");
    return Done(SEvent::Name, real(fromFolder, from, toFolder, to, flags), PathAt(toFolder, to));
}

extern "C" int rename(const char* from, const char* to)
{
    static const auto real = Real<int (*)(const char*, const char*)>("rename");
    return Done(SEvent::Name, real(from, to), to);
}

extern "C" int unlink(const char* path)
{
    static const auto real = Real<int (*)(const char*)>("unlink");
    return Done(SEvent::Delete, real(path), path);
}

extern "C" int unlinkat(int folder, const char* name, int flags)
{
    static const auto real = Real<int (*)(int, const char*, int)>("unlinkat");
    const std::string path = PathAt(folder, name);
    return Done(SEvent::Delete, real(folder, name, flags), path);
}

namespace CallRecorder {

void Watch(const std::string& folder)
{
    Take();
    watched = folder;
    watching = true;
}

void Stop()
{
    watching = false;
}

std::vector<SEvent> Take()
{
    const std::lock_guard<std::mutex> lock(eventsMutex);
    return std::exchange(events, {});
}

void SetFault(Fault which, int error)
{
    faults[int(which)] = error;
}

std::vector<std::pair<std::string, std::string>> Environment(const std::string& library, const std::string& folder,
                                                             const std::string& log,
                                                             const std::vector<std::pair<Fault, int>>& faults)
{
    std::string list;
    for (const auto& [which, error] : faults)
        list += (list.empty() ? "" : ",") + std::to_string(int(which)) + "=" + std::to_string(error);
    return {{"LD_PRELOAD", library}, {kFolderVariable, folder}, {kLogVariable, log}, {kFaultsVariable, list}};
}

std::vector<SEvent> ReadLog(const std::string& log)
{
    std::vector<SEvent> record;
    std::ifstream in(log);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        int kind = 0;
        SEvent event;
        fields >> kind >> event.device >> event.inode;
        fields.get(); // the space before the path, which may hold spaces
        std::getline(fields, event.path);
        event.kind = SEvent::Kind(kind);
        record.push_back(std::move(event));
    }
    return record;
}

} // namespace CallRecorder
