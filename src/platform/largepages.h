#pragma once

#include <cstddef>
#include <thread>
#include <vector>

namespace zuk::platform {

// While one lives on a thread, every block of at least `minimum` bytes that
// thread allocates is also faulted in by a helper thread, from its far end,
// while the thread that asked for it fills it from the start. The first touch of
// memory the system has not handed out for a while is slow on a virtual
// machine (the host backs each page then); two processors halve it. For
// blocks that are filled whole at once: the editing control's buffer when a
// file is opened. Sanitizer builds keep their own operator new, and there
// this does nothing.
class ParallelFirstTouch {
public:
    explicit ParallelFirstTouch(std::size_t minimum);
    ~ParallelFirstTouch(); // waits for its helpers
    ParallelFirstTouch(const ParallelFirstTouch&) = delete;
    ParallelFirstTouch& operator=(const ParallelFirstTouch&) = delete;

    // Blocks smaller than this are never helped: a thread costs more.
    static constexpr std::size_t kSmallest = 1u << 20;
    // Called by operator new for a block of kSmallest or more.
    static void allocated(void* block, std::size_t size);

private:
    std::size_t m_minimum;
    ParallelFirstTouch* m_outer;
    std::vector<std::thread> m_helpers;
};

} // namespace zuk::platform
