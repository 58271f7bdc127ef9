#pragma once

#include <cstddef>

// ImageMagick's aligned memory (the pixels of every image) with reuse of
// large blocks on the threads that ask for it. A processing worker decodes
// one photo after another of much the same size: a freed pixel block that
// the next photo takes again saves the system's work of mapping, clearing
// and unmapping a hundred megabytes per photo, which in one process with
// many workers also holds up the other workers' threads. Each such thread
// keeps at most two freed blocks, and none that a whole photo did not take
// again, so memory stays what the workers' photos need. Other threads
// allocate and free as ImageMagick itself would.
class CPixelMemory
{
public:
    // Becomes ImageMagick's aligned-memory allocator; call before the first
    // image exists. Safe to call more than once.
    static void Install();
    // Whether this thread keeps its freed large blocks for reuse. Turning it
    // off frees what the thread kept.
    static void SetReuseOnThisThread(bool reuse);
    // Called by a reusing thread after each photo: frees the blocks that it
    // kept through the whole photo without taking them again.
    static void PhotoDone();

    // Blocks from this size up are kept for reuse.
    static constexpr std::size_t LargeBlock = std::size_t(8) << 20;
    // Large blocks this thread keeps, and their bytes (for tests).
    static int KeptBlocks();
    static std::size_t KeptBytes();
};
