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

bool JobControl::checkpoint()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait(lock, [this] { return m_stop || !m_paused; });
    return !m_stop;
}

} // namespace zuk::analyzer
