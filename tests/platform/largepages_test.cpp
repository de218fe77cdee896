#include "platform/largepages.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

using namespace zuk::platform;

// Sanitizer builds keep their own operator new, which gives no help.
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)

namespace {

// How many of the block's pages are in memory.
std::size_t residentPages(const char* block, std::size_t size)
{
    const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    const auto start = reinterpret_cast<std::uintptr_t>(block) & ~(page - 1);
    const std::size_t length = reinterpret_cast<std::uintptr_t>(block) + size - start;
    std::vector<unsigned char> present((length + page - 1) / page);
    if (::mincore(reinterpret_cast<void*>(start), length, present.data()) != 0)
        return 0;
    std::size_t count = 0;
    for (unsigned char p : present)
        count += p & 1;
    return count;
}

constexpr std::size_t kBlock = 64u << 20;

} // namespace

// Inside a scope a block of its size or more is faulted in by the helper
// before the scope ends, without a byte of it being written, in large pages
// or small; a block outside a scope stays untouched; a block freed while its
// helper runs harms nothing.
TEST(ParallelFirstTouch, FaultsInTheBlocksItIsMadeFor)
{
    const auto pageSize = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    constexpr std::size_t kSmall = 3u << 20;
    {
        std::unique_ptr<char[]> outside(new char[kBlock]);
        EXPECT_LT(residentPages(outside.get(), kBlock), kBlock / pageSize / 4);
    }
    std::unique_ptr<char[]> block, small;
    {
        const ParallelFirstTouch touch(kBlock);
        block.reset(new char[kBlock]);
        std::unique_ptr<char[]> below(new char[4096]); // never helped
        {
            const ParallelFirstTouch inner(kSmall); // nested scopes each wait for their own
            small.reset(new char[kSmall]);
            std::unique_ptr<char[]> freedAtOnce(new char[kBlock]);
        }
    }
    // All but the unaligned ends.
    EXPECT_GE(residentPages(block.get(), kBlock), (kBlock - (4u << 20)) / pageSize);
    EXPECT_GE(residentPages(small.get(), kSmall), kSmall / pageSize - 2);
    for (std::size_t i = 0; i < kBlock; i += pageSize)
        ASSERT_EQ(block[i], 0) << i; // fresh pages read as zeros
}

#endif
