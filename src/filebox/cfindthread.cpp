#include "filebox/cfindthread.h"

#include <chrono>
#include <utility>

namespace zuk::filebox {

namespace {
// The status line shows the file being read; more than this many changes a
// second would cost the window more than the search.
constexpr auto kStatusInterval = std::chrono::milliseconds(50);
} // namespace

CFINDTHREAD::CFINDTHREAD(FindRequest request, Events events)
    : m_request(std::move(request)), m_events(std::move(events))
{
    m_thread = std::thread([this] { run(); });
}

CFINDTHREAD::~CFINDTHREAD()
{
    m_control.requestStop();
    wait();
}

void CFINDTHREAD::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void CFINDTHREAD::run()
{
    using Clock = std::chrono::steady_clock;
    Clock::time_point lastStatus{};
    FindObserver observer;
    observer.keepGoing = [this] { return m_control.checkpoint(); };
    observer.reading = [this, &lastStatus](const std::string& path) {
        const Clock::time_point now = Clock::now();
        if (now - lastStatus < kStatusInterval || !m_events.reading)
            return;
        lastStatus = now;
        m_events.reading(path);
    };
    observer.found = [this](const std::string& path) {
        if (m_events.found)
            m_events.found(path);
    };
    FindSummary summary;
    std::optional<ZukError> failure;
    if (m_events.starting)
        m_events.starting();
    try {
        summary = findInFiles(m_request, observer);
    } catch (const ZukError& error) {
        failure = error;
    }
    if (m_control.stopRequested())
        summary.stopped = true;
    if (m_events.finished)
        m_events.finished(summary, failure);
    m_finished = true;
}

} // namespace zuk::filebox
