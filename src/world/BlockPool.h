#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Equal-sized blocks carved from aligned slabs that are kept until the pool is destroyed.
// Thousands of particles live and die every frame. Through the general heap every wave of
// deaths hands memory back to the system and the next wave faults it in again; and a free
// list would hand blocks out in the scrambled order they died in, so that walking the next
// wave misses the cache at every step. Here a slab marks its free blocks in a bitmap and
// hands out the lowest one first, so things made one after another lie one after another.
class BlockPool {
public:
    // Slabs are this size and aligned to it, so that a block finds its slab by address.
    static constexpr std::size_t SLAB_BYTES = 64 * 1024;

    // Halts if `block_size` leaves no room for a block in a slab.
    explicit BlockPool(std::size_t block_size);
    ~BlockPool();
    BlockPool(const BlockPool&) = delete;
    BlockPool& operator=(const BlockPool&) = delete;

    // Grows by one slab when no block is free.
    void* take();
    // `block` must have come from take() of this pool.
    void give(void* block);

    std::size_t block_size() const { return size; }
    std::size_t blocks_per_slab() const { return per_slab; }
    std::size_t blocks_in_use() const { return in_use; }
    std::size_t slab_count() const { return slabs.size(); }

private:
    // Header at the start of each slab, followed by its bitmap and then its blocks.
    struct Slab {
        std::size_t free_blocks;
        // No free block lies in a bitmap word below this one.
        std::size_t first_free_word;
    };

    std::uint64_t* bitmap(Slab* slab) const;
    unsigned char* blocks(Slab* slab) const;
    Slab* slab_of(void* block) const;
    Slab* slab_with_room();
    Slab* grow();

    std::size_t size;
    std::size_t per_slab;
    std::size_t words;
    std::size_t first_block;
    std::vector<Slab*> slabs;
    Slab* current = nullptr;
    std::size_t in_use = 0;
};
