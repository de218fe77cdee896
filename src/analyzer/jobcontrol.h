#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>

namespace zuk::analyzer {

// Stop and pause requests for a job on a worker thread. The controlling
// thread calls requestStop/pause/resume; the worker calls checkpoint between
// chunks of work, which waits while the job is paused (or while the worker's
// own reason to hold lasts) and tells it to end when a stop was asked for.
// A stop also wakes a held worker.
class JobControl final {
public:
    void requestStop();
    void pause();
    void resume();
    bool stopRequested() const;
    bool isPaused() const;
    // Whether the worker is waiting in checkpoint now.
    bool isHeld() const;

    // Worker side: blocks while paused or while `holdWhile` (checked under
    // this object's lock, so it may take a lock of its own but never this
    // one) says so; false means "stop now".
    bool checkpoint(const std::function<bool()>& holdWhile = {});
    // Whatever `holdWhile` looks at may have changed: a held worker checks again.
    void wake();

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    bool m_paused = false;
    bool m_held = false;
};

} // namespace zuk::analyzer
