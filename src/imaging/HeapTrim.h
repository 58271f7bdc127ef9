#pragma once

// Handing the heap pages that the C library's allocator keeps free after a
// photo back to the system, so that a long batch holds what its workers'
// photos need and not the high-water mark of every buffer they ever freed.
namespace HeapTrim {

// Whether ReleaseFreed asks the C library's allocator at all: with glibc,
// and not in a build for a sanitizer that brings its own allocator.
bool Available();

// Gives the free heap pages back to the system; nothing where not Available.
void ReleaseFreed();

} // namespace HeapTrim
