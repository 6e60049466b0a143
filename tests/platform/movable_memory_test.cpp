#include <gtest/gtest.h>

#include <cstring>

#include "cantivo/movable_memory.h"

namespace {

TEST(MovableMemory, BlocksStartZeroFilledAndGrowZeroFilled) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 64);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 64u);
    auto* bytes = static_cast<unsigned char*>(GlobalLock(block));
    for (int i = 0; i < 64; ++i) ASSERT_EQ(bytes[i], 0);
    std::memset(bytes, 0xAB, 64);
    GlobalUnlock(block);

    block = GlobalReAlloc(block, 4096, GMEM_MOVEABLE | GMEM_ZEROINIT);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 4096u);
    bytes = static_cast<unsigned char*>(GlobalLock(block));
    for (int i = 0; i < 64; ++i) ASSERT_EQ(bytes[i], 0xAB);
    for (int i = 64; i < 4096; ++i) ASSERT_EQ(bytes[i], 0);
    GlobalUnlock(block);

    block = GlobalReAlloc(block, 16, GMEM_MOVEABLE | GMEM_ZEROINIT);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(GlobalSize(block), 16u);
    EXPECT_EQ(GlobalFree(block), nullptr);
}

TEST(MovableMemory, LockCountsNest) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 8);
    void* first = GlobalLock(block);
    void* second = GlobalLock(block);
    EXPECT_EQ(first, second);
    EXPECT_NE(GlobalUnlock(block), 0);
    EXPECT_EQ(GlobalUnlock(block), 0);
    GlobalFree(block);
}

}  // namespace
