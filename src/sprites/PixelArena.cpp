#include "sprites/PixelArena.h"

#if defined(__unix__)
#include <sys/mman.h>
#endif

PixelArena::PixelArena(size_t capacity_bytes) : base(nullptr), capacity(0), used(0) {
#if defined(__unix__) && defined(MAP_NORESERVE)
    void* range = mmap(nullptr, capacity_bytes, PROT_READ | PROT_WRITE,
                       MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (range == MAP_FAILED) return;
#if defined(MADV_HUGEPAGE)
    madvise(range, capacity_bytes, MADV_HUGEPAGE);
#endif
    base = static_cast<unsigned char*>(range);
    capacity = capacity_bytes;
#else
    // Without an address-space reservation every picture gets memory of its own.
    (void)capacity_bytes;
#endif
}

PixelArena::~PixelArena() {
#if defined(__unix__) && defined(MAP_NORESERVE)
    if (base) munmap(base, capacity);
#endif
}

Uint32* PixelArena::take(size_t pixels) {
    const size_t bytes = pixels * sizeof(Uint32);
    if (!base || bytes > capacity - used) return nullptr;
    Uint32* block = reinterpret_cast<Uint32*>(base + used);
    used += bytes;
    return block;
}
