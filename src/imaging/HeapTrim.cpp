#include "HeapTrim.h"

#include <cstdlib> // defines __GLIBC__ with the GNU C library

#ifdef __GLIBC__
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
