#pragma once

#include "analyzer/jobcontrol.h"
#include "filebox/findinfiles.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace zuk::filebox {

// One search of the find-in-files window on a worker thread. The object is
// made per start and joined by its destructor, which asks the worker to stop
// first; pause and resume hold the worker between files or blocks, and a
// stop wakes a held worker. The events come on the worker thread, in order;
// the window hands them on to its own thread.
class CFINDTHREAD final {
public:
    struct Events {
        std::function<void()> starting;                       // the walk begins
        std::function<void(const std::string& path)> reading; // at most ~20 a second
        std::function<void(const std::string& path)> found;
        // At the end, also after a stop; `failure` when the folder was refused.
        std::function<void(const FindSummary& summary, const std::optional<ZukError>& failure)>
            finished;
    };

    CFINDTHREAD(FindRequest request, Events events);
    ~CFINDTHREAD();
    CFINDTHREAD(const CFINDTHREAD&) = delete;
    CFINDTHREAD& operator=(const CFINDTHREAD&) = delete;

    void pause() { m_control.pause(); }
    void resume() { m_control.resume(); }
    void stop() { m_control.requestStop(); }
    bool isPaused() const { return m_control.isPaused(); }
    bool isHeld() const { return m_control.isHeld(); }
    bool isFinished() const { return m_finished.load(); }
    void wait();

private:
    void run();

    FindRequest m_request;
    Events m_events;
    analyzer::JobControl m_control;
    std::atomic<bool> m_finished{false};
    std::thread m_thread;
};

} // namespace zuk::filebox
