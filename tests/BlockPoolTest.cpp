#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "world/BlockPool.h"

namespace {

std::uintptr_t address(void* p) { return reinterpret_cast<std::uintptr_t>(p); }

TEST(BlockPoolTest, BlocksAreAlignedDistinctAndHandedOutInAddressOrder) {
    BlockPool pool(24);
    EXPECT_EQ(pool.block_size() % alignof(std::max_align_t), 0u);
    EXPECT_GE(pool.block_size(), 24u);
    std::vector<void*> blocks;
    for (int i = 0; i < 100; ++i) blocks.push_back(pool.take());
    for (std::size_t i = 1; i < blocks.size(); ++i) {
        EXPECT_EQ(address(blocks[i]) - address(blocks[i - 1]), pool.block_size());
        EXPECT_EQ(address(blocks[i]) % alignof(std::max_align_t), 0u);
    }
    EXPECT_EQ(pool.blocks_in_use(), 100u);
    for (void* b : blocks) pool.give(b);
    EXPECT_EQ(pool.blocks_in_use(), 0u);
}

TEST(BlockPoolTest, FreedBlocksComeBackLowestFirstWhateverOrderTheyDiedIn) {
    BlockPool pool(96);
    std::vector<void*> blocks;
    for (int i = 0; i < 10; ++i) blocks.push_back(pool.take());
    pool.give(blocks[7]);
    pool.give(blocks[2]);
    pool.give(blocks[5]);
    EXPECT_EQ(pool.take(), blocks[2]);
    EXPECT_EQ(pool.take(), blocks[5]);
    EXPECT_EQ(pool.take(), blocks[7]);
    // Then on past the blocks ever handed out.
    EXPECT_EQ(address(pool.take()), address(blocks[9]) + pool.block_size());
    EXPECT_EQ(pool.slab_count(), 1u);
}

TEST(BlockPoolTest, GrowsBySlabsAndRefillsEarlierSlabsFirst) {
    BlockPool pool(100);
    const std::size_t per_slab = pool.blocks_per_slab();
    ASSERT_GT(per_slab, 64u);
    std::vector<void*> blocks;
    for (std::size_t i = 0; i < per_slab * 2 + 1; ++i) blocks.push_back(pool.take());
    EXPECT_EQ(pool.slab_count(), 3u);
    std::set<void*> distinct(blocks.begin(), blocks.end());
    EXPECT_EQ(distinct.size(), blocks.size());
    // Every block of a slab lies within one slab-sized, slab-aligned span.
    const std::uintptr_t mask = ~(static_cast<std::uintptr_t>(BlockPool::SLAB_BYTES) - 1);
    EXPECT_EQ(address(blocks[0]) & mask, address(blocks[per_slab - 1]) & mask);
    EXPECT_NE(address(blocks[0]) & mask, address(blocks[per_slab]) & mask);

    // Free one block in the first slab and fill the third: then the first slab serves.
    pool.give(blocks[3]);
    for (std::size_t i = 1; i < per_slab; ++i) pool.take();
    EXPECT_EQ(pool.take(), blocks[3]);
    EXPECT_EQ(pool.slab_count(), 3u);
    EXPECT_EQ(pool.blocks_in_use(), per_slab * 3);
    pool.take();
    EXPECT_EQ(pool.slab_count(), 4u);
}

TEST(BlockPoolTest, BlocksHoldTheirContentsWhileTaken) {
    BlockPool pool(sizeof(std::uint64_t) * 4);
    std::vector<std::uint64_t*> blocks;
    for (std::uint64_t i = 0; i < 3000; ++i) {
        auto* b = static_cast<std::uint64_t*>(pool.take());
        for (int k = 0; k < 4; ++k) b[k] = i * 4 + k;
        blocks.push_back(b);
    }
    for (std::size_t i = 0; i < blocks.size(); i += 2) pool.give(blocks[i]);
    for (std::size_t i = 1; i < blocks.size(); i += 2)
        for (int k = 0; k < 4; ++k) EXPECT_EQ(blocks[i][k], i * 4 + k);
}

} // namespace
