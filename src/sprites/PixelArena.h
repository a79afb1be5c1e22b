#pragma once
#include <SDL.h>

#include <cstddef>

// Pixel memory for the fighter pictures, which hold most of the program's memory: one
// reserved address range, backed by huge pages where the system offers them, handed out
// front to back and released as a whole. Touching memory a small page at a time costs a
// page fault per 4 KB, which on some machines dominates the loading time.
class PixelArena {
public:
    // Reserves address space only; memory is committed as pictures are written.
    explicit PixelArena(size_t capacity_bytes);
    ~PixelArena();
    PixelArena(const PixelArena&) = delete;
    PixelArena& operator=(const PixelArena&) = delete;

    // Room for `pixels` 32-bit pixels, or null when the arena cannot hold them.
    Uint32* take(size_t pixels);
    size_t used_bytes() const { return used; }

private:
    unsigned char* base;
    size_t capacity;
    size_t used;
};
