#include "HeapTrim.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

// AddressSanitizer, ThreadSanitizer and their kin replace malloc and free
// with their own allocator. glibc's is then never set up by an allocation:
// malloc_trim sets it up on first use without a lock, so two threads that
// trim for the first time at once crash inside it, or a thread fails an
// allocator assertion when it ends. There is nothing of glibc's to trim in
// such a build anyway.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_HWADDRESS__) || defined(__SANITIZE_THREAD__)
#define GB_SANITIZER_ALLOCATOR 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(hwaddress_sanitizer) || __has_feature(thread_sanitizer) \
    || __has_feature(memory_sanitizer)
#define GB_SANITIZER_ALLOCATOR 1
#endif
#endif

#if defined(__GLIBC__) && !defined(GB_SANITIZER_ALLOCATOR)
#include <malloc.h>
#define GB_HEAP_TRIM 1
#else
#define GB_HEAP_TRIM 0
#endif

bool HeapTrim::Available()
{
    return GB_HEAP_TRIM != 0;
}

void HeapTrim::ReleaseFreed()
{
#if GB_HEAP_TRIM
    malloc_trim(0);
#endif
}
