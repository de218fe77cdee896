#pragma once

#include <condition_variable>
#include <mutex>

namespace zuk::analyzer {

// Stop and pause requests for a job on a worker thread. The controlling
// thread calls requestStop/pause/resume; the worker calls checkpoint between
// chunks of work, which waits while the job is paused and tells it to end
// when a stop was asked for. A stop also wakes a paused worker.
class JobControl final {
public:
    void requestStop();
    void pause();
    void resume();
    bool stopRequested() const;
    bool isPaused() const;

    // Worker side: blocks while paused; false means "stop now".
    bool checkpoint();

private:
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false;
    bool m_paused = false;
};

} // namespace zuk::analyzer
