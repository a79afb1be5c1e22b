#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "world/BlockPool.h"

namespace {

std::uintptr_t address(void* p) { return reinterpret_cast<std::uintptr_t>(p); }

TEST(BlockPoolTest, AlignedBlocksInAddressOrderAndFreedOnesComeBackLowestFirst) {
    BlockPool pool(24);
    EXPECT_EQ(pool.block_size() % alignof(std::max_align_t), 0u);
    EXPECT_GE(pool.block_size(), 24u);
    std::vector<void*> blocks;
    for (int i = 0; i < 100; ++i) blocks.push_back(pool.take());
    for (std::size_t i = 1; i < blocks.size(); ++i)
        EXPECT_EQ(address(blocks[i]) - address(blocks[i - 1]), pool.block_size());
    EXPECT_EQ(address(blocks[0]) % alignof(std::max_align_t), 0u);
    // Whatever order they died in; then on past the blocks ever handed out.
    for (int i : {7, 2, 5}) pool.give(blocks[i]);
    EXPECT_EQ(pool.blocks_in_use(), 97u);
    for (int i : {2, 5, 7}) EXPECT_EQ(pool.take(), blocks[i]);
    EXPECT_EQ(address(pool.take()), address(blocks[99]) + pool.block_size());
    EXPECT_EQ(pool.slab_count(), 1u);
}

TEST(BlockPoolTest, GrowsBySlabsRefillsEarlierSlabsFirstAndBlocksKeepTheirContents) {
    BlockPool pool(100);
    const std::size_t per_slab = pool.blocks_per_slab();
    ASSERT_GT(per_slab, 64u);
    std::vector<void*> blocks;
    for (std::size_t i = 0; i < per_slab * 2 + 1; ++i) {
        blocks.push_back(pool.take());
        *static_cast<std::size_t*>(blocks.back()) = i;
    }
    EXPECT_EQ(pool.slab_count(), 3u);
    EXPECT_EQ(std::set<void*>(blocks.begin(), blocks.end()).size(), blocks.size());
    // Every block of a slab lies within one slab-sized, slab-aligned span.
    const std::uintptr_t mask = ~(static_cast<std::uintptr_t>(BlockPool::SLAB_BYTES) - 1);
    EXPECT_EQ(address(blocks[0]) & mask, address(blocks[per_slab - 1]) & mask);
    EXPECT_NE(address(blocks[0]) & mask, address(blocks[per_slab]) & mask);

    // Free every other block of the first slab and fill the third: then the first serves.
    for (std::size_t i = 0; i < per_slab; i += 2) pool.give(blocks[i]);
    for (std::size_t i = 1; i < blocks.size(); i += 2)
        EXPECT_EQ(*static_cast<std::size_t*>(blocks[i]), i);
    for (std::size_t i = 1; i < per_slab; ++i) pool.take();
    EXPECT_EQ(pool.take(), blocks[0]);
    EXPECT_EQ(pool.slab_count(), 3u);
}

} // namespace
