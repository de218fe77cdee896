#include "analyzer/jobcontrol.h"

namespace zuk::analyzer {

void JobControl::requestStop()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
}

void JobControl::pause()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_paused = true;
}

void JobControl::resume()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_paused = false;
    }
    m_wake.notify_all();
}

void JobControl::wake()
{
    // Taking the lock orders this wake after a worker's last look at its
    // condition: either it looks again after the change, or it is waiting
    // and gets the notification.
    {
        std::lock_guard<std::mutex> lock(m_mutex);
    }
    m_wake.notify_all();
}

bool JobControl::stopRequested() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_stop;
}

bool JobControl::isPaused() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_paused;
}

bool JobControl::isHeld() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_held;
}

bool JobControl::checkpoint(const std::function<bool()>& holdWhile)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    const auto mayGo = [&] { return m_stop || (!m_paused && !(holdWhile && holdWhile())); };
    if (!mayGo()) {
        m_held = true;
        m_wake.wait(lock, mayGo);
        m_held = false;
    }
    return !m_stop;
}

} // namespace zuk::analyzer
