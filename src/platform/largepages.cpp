// Big blocks of memory ask the system for large pages.
//
// A document of a hundred megabytes lives in a few buffers of that size inside
// the editing control, filled at once when the file opens. Touched page by
// page in 4 KB pages they cost a page fault every 4 KB, which on a virtual
// machine is most of the time it takes to open the file; large pages cut the
// faults five-hundredfold. The control allocates through operator new, so the
// hint is given here, for every block of tens of megabytes, before the block
// is first touched. Where the system gives no large pages the hint is
// ignored. Sanitizer builds keep their own operator new.

#include "platform/largepages.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr std::uintptr_t kLargePage = 2u << 20;
// From this size malloc always maps a block of its own (its threshold for
// doing so never rises past 32 MB), so the hint never touches the shared heap.
constexpr std::size_t kLargeBlock = 32u << 20;

thread_local zuk::platform::ParallelFirstTouch* t_firstTouch = nullptr;

// Faults in [first, last) writable, from the end down, `step` bytes at a
// time, so the filling thread coming up from the start meets present pages.
void populateDownwards(std::uintptr_t first, std::uintptr_t last, std::uintptr_t step)
{
#if defined(MADV_POPULATE_WRITE)
    while (last > first) {
        const std::uintptr_t from = last - first > step ? last - step : first;
        // Fails where the block was freed meanwhile, or on an older system.
        if (::madvise(reinterpret_cast<void*>(from), last - from, MADV_POPULATE_WRITE) != 0)
            return;
        last = from;
    }
#else
    (void)first;
    (void)last;
    (void)step;
#endif
}

} // namespace

namespace zuk::platform {

ParallelFirstTouch::ParallelFirstTouch(std::size_t minimum)
    : m_minimum(std::max(minimum, kSmallest)), m_outer(t_firstTouch)
{
    t_firstTouch = this;
}

ParallelFirstTouch::~ParallelFirstTouch()
{
    for (std::thread& helper : m_helpers)
        helper.join();
    t_firstTouch = m_outer;
}

void ParallelFirstTouch::allocated(void* block, std::size_t size)
{
    ParallelFirstTouch* touch = t_firstTouch;
    if (!touch || size < touch->m_minimum)
        return;
    // Large pages for a block of tens of megabytes, small ones below.
    const std::uintptr_t page = size >= kLargeBlock ? kLargePage : 4096;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + page - 1) & ~(page - 1);
    const std::uintptr_t last = (start + size) & ~(page - 1);
    if (last <= first)
        return;
    const std::uintptr_t step = page == kLargePage ? 4 * kLargePage : 64 * page;
    // The helper's own allocations are small; this is not entered again.
    t_firstTouch = nullptr;
    try {
        touch->m_helpers.emplace_back(populateDownwards, first, last, step);
    } catch (...) {
        // Without a thread the filling thread faults every page in itself.
    }
    t_firstTouch = touch;
}

} // namespace zuk::platform

#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)

namespace {

void adviseLargePages(void* block, std::size_t size)
{
#if defined(MADV_HUGEPAGE)
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t last = (start + size) & ~(kLargePage - 1);
    if (last > first)
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
    (void)block;
    (void)size;
#endif
}

} // namespace

void* operator new(std::size_t size)
{
    if (size == 0)
        size = 1;
    void* block;
    while (!(block = std::malloc(size))) {
        std::new_handler handler = std::get_new_handler();
        if (!handler)
            throw std::bad_alloc();
        handler();
    }
    if (size >= kLargeBlock)
        adviseLargePages(block, size);
    if (size >= zuk::platform::ParallelFirstTouch::kSmallest)
        zuk::platform::ParallelFirstTouch::allocated(block, size);
    return block;
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

#endif
