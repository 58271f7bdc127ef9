#include "FileAttributes.h"

#include "Common.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {
// Closes the descriptor when it leaves scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

int OpenForFlags(const char* path)
{
    // O_NONBLOCK keeps a FIFO or device from blocking us; flags of regular
    // files are all we touch, and never those of a link's target.
    return ::open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY | O_NOFOLLOW);
}

bool ReadFlags(int fd, int* flags)
{
    // The kernel reads and writes an int here, whatever the macro says.
    return ::ioctl(fd, FS_IOC_GETFLAGS, flags) == 0;
}
} // namespace

bool FileAttributes::Read(const char* path, Values* attributes)
{
    if (!attributes)
        return false;
    *attributes = Values();
    struct stat info {};
    if (!path || !*path || ::stat(path, &info) != 0)
        return false;
    attributes->accessTime = info.st_atim;
    attributes->modificationTime = info.st_mtim;
    attributes->owner = info.st_uid;
    attributes->group = info.st_gid;
    attributes->permissions = info.st_mode & 0777;
    attributes->valid = true;
    return true;
}

bool FileAttributes::Write(const char* path, const Values& attributes)
{
    if (!attributes.valid || !path || !*path)
        return false;
    struct stat info {};
    if (::stat(path, &info) != 0)
        return false;
    bool ok = true;
    // Owner first: a change of owner may clear permission bits.
    if (info.st_uid != attributes.owner || info.st_gid != attributes.group) {
        if (::chown(path, attributes.owner, attributes.group) != 0) {
            SystemLogWrite("FileAttributes::Write", QString("- chown: ") + std::strerror(errno));
            ok = false;
        }
    }
    if (::chmod(path, attributes.permissions) != 0)
        ok = false;
    const timespec times[2] = {attributes.accessTime, attributes.modificationTime};
    if (::utimensat(AT_FDCWD, path, times, 0) != 0)
        ok = false;
    return ok;
}

bool FileAttributes::DisableReadOnly(const char* path)
{
    if (!path || !*path)
        return false;
    const Descriptor fd(OpenForFlags(path));
    int flags = 0;
    if (fd.get() < 0 || !ReadFlags(fd.get(), &flags) || !(flags & FS_IMMUTABLE_FL))
        return false;
    flags &= ~FS_IMMUTABLE_FL;
    if (::ioctl(fd.get(), FS_IOC_SETFLAGS, &flags) != 0)
        SystemLogWrite("FileAttributes::DisableReadOnly",
                       QString("- cannot clear the immutable flag: ") + std::strerror(errno));
    return true;
}
