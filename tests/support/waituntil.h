#pragma once

#include <chrono>
#include <functional>
#include <thread>

namespace zuk::test {

// Waits without an event loop until `done` holds, for at most 20 seconds (a
// worker thread's state, not a timer); returns whether it holds.
inline bool waitUntil(const std::function<bool()>& done)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > until)
            return false;
        std::this_thread::yield();
    }
    return true;
}

} // namespace zuk::test
