#include "world/BlockPool.h"

#include <cstdlib>
#include <new>

#include "core/Error.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
// Free blocks stay poisoned, so that use after destruction is still caught.
#define POOL_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define POOL_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define POOL_POISON(p, n) ((void)(p), (void)(n))
#define POOL_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace {
const std::size_t WORD_BITS = 64;

std::size_t aligned_size(std::size_t requested) {
    const std::size_t align = alignof(std::max_align_t);
    return (requested + align - 1) / align * align;
}

// Blocks per slab, with the header and one bit per block in front of them.
std::size_t fitting_blocks(std::size_t block, std::size_t header) {
    std::size_t n = BlockPool::SLAB_BYTES / block;
    while (n > 0) {
        const std::size_t words = (n + WORD_BITS - 1) / WORD_BITS;
        if (aligned_size(header + words * sizeof(std::uint64_t)) + n * block <=
            BlockPool::SLAB_BYTES)
            break;
        --n;
    }
    return n;
}
} // namespace

BlockPool::BlockPool(std::size_t block_size)
    : size(aligned_size(block_size ? block_size : 1)),
      per_slab(fitting_blocks(size, sizeof(Slab))),
      words((per_slab + WORD_BITS - 1) / WORD_BITS),
      first_block(aligned_size(sizeof(Slab) + words * sizeof(std::uint64_t))) {
    if (per_slab == 0) Error::halt("BlockPool: block too large for a slab");
}

BlockPool::~BlockPool() {
    for (Slab* slab : slabs) {
        POOL_UNPOISON(slab, SLAB_BYTES);
        std::free(slab);
    }
}

std::uint64_t* BlockPool::bitmap(Slab* slab) const {
    return reinterpret_cast<std::uint64_t*>(reinterpret_cast<unsigned char*>(slab) +
                                            sizeof(Slab));
}

unsigned char* BlockPool::blocks(Slab* slab) const {
    return reinterpret_cast<unsigned char*>(slab) + first_block;
}

BlockPool::Slab* BlockPool::slab_of(void* block) const {
    const auto address = reinterpret_cast<std::uintptr_t>(block);
    return reinterpret_cast<Slab*>(address & ~(static_cast<std::uintptr_t>(SLAB_BYTES) - 1));
}

BlockPool::Slab* BlockPool::grow() {
    void* memory = std::aligned_alloc(SLAB_BYTES, SLAB_BYTES);
    if (!memory) Error::halt("BlockPool: out of memory");
    Slab* slab = new (memory) Slab{per_slab, 0};
    std::uint64_t* bits = bitmap(slab);
    for (std::size_t w = 0; w < words; ++w) {
        const std::size_t in_word = per_slab - w * WORD_BITS;
        bits[w] = in_word >= WORD_BITS ? ~std::uint64_t(0) : (std::uint64_t(1) << in_word) - 1;
    }
    POOL_POISON(blocks(slab), per_slab * size);
    slabs.push_back(slab);
    return slab;
}

// Runs once per slab's worth of blocks at most, so the scan costs little per block.
BlockPool::Slab* BlockPool::slab_with_room() {
    for (Slab* slab : slabs)
        if (slab->free_blocks > 0) return slab;
    return grow();
}

void* BlockPool::take() {
    if (!current || current->free_blocks == 0) current = slab_with_room();
    std::uint64_t* bits = bitmap(current);
    std::size_t w = current->first_free_word;
    while (bits[w] == 0) ++w;
    current->first_free_word = w;
    const std::size_t bit = static_cast<std::size_t>(__builtin_ctzll(bits[w]));
    bits[w] &= bits[w] - 1;
    --current->free_blocks;
    ++in_use;
    unsigned char* block = blocks(current) + (w * WORD_BITS + bit) * size;
    POOL_UNPOISON(block, size);
    return block;
}

void BlockPool::give(void* block) {
    Slab* slab = slab_of(block);
    const std::size_t index =
        static_cast<std::size_t>(static_cast<unsigned char*>(block) - blocks(slab)) / size;
    const std::size_t w = index / WORD_BITS;
    bitmap(slab)[w] |= std::uint64_t(1) << (index % WORD_BITS);
    if (w < slab->first_free_word) slab->first_free_word = w;
    ++slab->free_blocks;
    --in_use;
    POOL_POISON(block, size);
}
