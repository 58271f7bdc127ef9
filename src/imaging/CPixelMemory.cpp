#include "CPixelMemory.h"

#include <Magick++.h>

#include <cstdlib>
#include <mutex>
#include <unordered_map>

namespace {

// The size of every large block handed out, by address. A block that is
// not in the map was allocated as ImageMagick allocates (posix_memalign),
// and is freed with free() like one of ImageMagick's own. Never destroyed:
// images may still be freed while the program's statics go.
struct LargeBlocks
{
    std::mutex mutex;
    std::unordered_map<void*, std::size_t> sizes;
};

LargeBlocks& Large()
{
    static LargeBlocks* const blocks = new LargeBlocks;
    return *blocks;
}

struct KeptBlock
{
    void* block = nullptr;
    std::size_t size = 0;
    int photosKept = 0; // photos that ended while the block was kept
};

void Forget(void* block)
{
    LargeBlocks& large = Large();
    const std::lock_guard<std::mutex> lock(large.mutex);
    large.sizes.erase(block);
}

void FreeLarge(void* block)
{
    Forget(block);
    std::free(block);
}

// The freed large blocks of one thread; freed for good when the thread ends.
struct ThreadBlocks
{
    bool reuse = false;
    KeptBlock kept[2];

    ~ThreadBlocks() { Clear(); }
    void Clear()
    {
        for (KeptBlock& entry : kept) {
            if (entry.block)
                FreeLarge(entry.block);
            entry = KeptBlock();
        }
    }
    // The smallest kept block that holds size bytes and is not more than
    // twice as large, taken out of the thread's keeping; null if none.
    void* Take(std::size_t size)
    {
        KeptBlock* best = nullptr;
        for (KeptBlock& entry : kept) {
            if (entry.block && entry.size >= size && entry.size / 2 <= size && (!best || entry.size < best->size))
                best = &entry;
        }
        if (!best)
            return nullptr;
        void* block = best->block;
        *best = KeptBlock();
        return block;
    }
    // Keeps a freed block in an empty place, else in place of a block kept
    // since an earlier photo, else in place of the smaller kept block when
    // that is smaller; frees what is not kept.
    void Keep(void* block, std::size_t size)
    {
        // Whether a is the better place: an earlier photo's block before
        // this photo's, and the smaller of two alike.
        const auto better = [](const KeptBlock& a, const KeptBlock& b) {
            const bool staleA = a.photosKept > 0;
            const bool staleB = b.photosKept > 0;
            return staleA != staleB ? staleA : a.size < b.size;
        };
        KeptBlock* slot = nullptr;
        for (KeptBlock& entry : kept) {
            if (!entry.block) {
                slot = &entry;
                break;
            }
            if (!slot || better(entry, *slot))
                slot = &entry;
        }
        if (slot->block && slot->photosKept == 0 && slot->size >= size) {
            FreeLarge(block);
            return;
        }
        if (slot->block)
            FreeLarge(slot->block);
        *slot = KeptBlock();
        slot->block = block;
        slot->size = size;
    }
    void PhotoDone()
    {
        for (KeptBlock& entry : kept) {
            if (entry.block && ++entry.photosKept >= 2) {
                FreeLarge(entry.block);
                entry = KeptBlock();
            }
        }
    }
};

thread_local ThreadBlocks t_blocks;

void* Allocate(std::size_t size, std::size_t alignment)
{
    void* memory = nullptr;
    if (posix_memalign(&memory, alignment, size == 0 ? 1 : size) != 0)
        return nullptr;
    return memory;
}

void* AcquireBlock(const std::size_t size, const std::size_t alignment)
{
    if (size < CPixelMemory::LargeBlock)
        return Allocate(size, alignment);
    ThreadBlocks& blocks = t_blocks;
    if (blocks.reuse) {
        if (void* block = blocks.Take(size))
            return block;
    }
    void* block = Allocate(size, alignment);
    if (block) {
        LargeBlocks& large = Large();
        const std::lock_guard<std::mutex> lock(large.mutex);
        large.sizes[block] = size;
    }
    return block;
}

void RelinquishBlock(void* block)
{
    if (!block)
        return;
    std::size_t size = 0;
    {
        LargeBlocks& large = Large();
        const std::lock_guard<std::mutex> lock(large.mutex);
        const auto found = large.sizes.find(block);
        if (found != large.sizes.end())
            size = found->second;
    }
    if (size == 0) {
        std::free(block);
        return;
    }
    ThreadBlocks& blocks = t_blocks;
    if (!blocks.reuse) {
        FreeLarge(block);
        return;
    }
    blocks.Keep(block, size);
}

} // namespace

void CPixelMemory::Install()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Large();
        MagickCore::SetMagickAlignedMemoryMethods(AcquireBlock, RelinquishBlock);
    });
}

void CPixelMemory::SetReuseOnThisThread(bool reuse)
{
    ThreadBlocks& blocks = t_blocks;
    blocks.reuse = reuse;
    if (!reuse)
        blocks.Clear();
}

void CPixelMemory::PhotoDone()
{
    t_blocks.PhotoDone();
}

int CPixelMemory::KeptBlocks()
{
    int count = 0;
    for (const KeptBlock& entry : t_blocks.kept)
        count += entry.block ? 1 : 0;
    return count;
}

std::size_t CPixelMemory::KeptBytes()
{
    std::size_t bytes = 0;
    for (const KeptBlock& entry : t_blocks.kept)
        bytes += entry.block ? entry.size : 0;
    return bytes;
}
