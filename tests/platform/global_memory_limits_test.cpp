// Memory blocks against sizes a hostile file could ask for, and the span query
// that readers of memory sources use to stay inside their block.
#include "tests/platform/platform_fixture.h"

namespace wintest {
namespace {

using namespace win;

class GlobalMemoryLimitTest : public PlatformTest {};

TEST_F(GlobalMemoryLimitTest, BlocksAboveTheLimitAreRefusedWithNull) {
    // The sanitizer build refuses blocks above 256 MB, below the sanitizers' own
    // limits; the plain build (make run, make bench) above 1024 MB.
    constexpr std::size_t kLimitMb = TARVEX_SANITIZED_BUILD ? 256 : 1024;
    EXPECT_EQ(GlobalAllocLimit(), kLimitMb << 20);
    int before = LiveGlobalBlocks();
    EXPECT_EQ(GlobalAlloc(GHND, GlobalAllocLimit() + 1), nullptr);
    EXPECT_EQ(GlobalAlloc(GHND, SIZE_MAX), nullptr);
    EXPECT_EQ(LiveGlobalBlocks(), before);

    HGLOBAL small = GlobalAlloc(GHND, 16);
    ASSERT_NE(small, nullptr);
    EXPECT_EQ(GlobalReAlloc(small, SIZE_MAX, GMEM_MOVEABLE), nullptr);
    EXPECT_EQ(GlobalSize(small), 16u);
    EXPECT_EQ(GlobalFree(small), nullptr);
}

TEST_F(GlobalMemoryLimitTest, BytesFromAPointerEndAtItsBlock) {
    HGLOBAL h = GlobalAlloc(GHND, 600);
    auto* p = static_cast<std::uint8_t*>(GlobalLock(h));
    EXPECT_EQ(GlobalBytesFrom(p), 600u);
    EXPECT_EQ(GlobalBytesFrom(p + 599), 1u);
    EXPECT_EQ(GlobalBytesFrom(p + 600), 0u);
    int local = 0;
    EXPECT_EQ(GlobalBytesFrom(&local), 0u);
    EXPECT_EQ(GlobalBytesFrom(nullptr), 0u);
    GlobalUnlock(h);
    GlobalFree(h);
    EXPECT_EQ(GlobalBytesFrom(p), 0u);
}

}  // namespace
}  // namespace wintest
