#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <ctime>

// Carries a photo's file attributes (access and modification times, owner,
// group and permissions) over to the file written from it, and clears the
// immutable ("locked") flag of a file that has to be replaced or deleted.
// Paths are NUL-terminated UTF-8 byte strings. No state, no locks.
class FileAttributes
{
public:
    // A captured attribute set, owned by the caller. The immutable flag is
    // deliberately not part of it: outputs (temporary ones included) must stay
    // deletable.
    struct Values
    {
        bool valid = false;
        timespec accessTime {};
        timespec modificationTime {};
        uid_t owner = 0;
        gid_t group = 0;
        mode_t permissions = 0; // the 0777 bits
    };

    // Captures the attributes of path; false (and an invalid set) when the
    // file cannot be examined.
    static bool Read(const char* path, Values* attributes);
    // Applies a captured set to path. False at once for an invalid set; else
    // true only when every attribute could be applied.
    static bool Write(const char* path, const Values& attributes);
    // Clears the immutable flag; returns whether it was set before the call.
    // Needs the right to change the flag (root); elsewhere it reports an unset
    // flag or fails cleanly.
    static bool DisableReadOnly(const char* path);
};
