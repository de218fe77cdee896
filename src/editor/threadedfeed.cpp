#include "editor/threadedfeed.h"

#include <utility>

namespace zuk::editor {

namespace {

// Bytes waiting on either side before the side that makes them waits: a few
// blocks of a file, a few of the feed's chunks of text.
constexpr std::size_t kMaxWaiting = 2u << 20;
constexpr std::size_t kMaxSpare = 6;

} // namespace

ThreadedControlFeed::ThreadedControlFeed(codepages::CodePage cp, const FeedOptions& options,
                                         ControlFeed::Sink sink)
    : m_sink(std::move(sink)),
      m_feed(cp, options, [this](std::string_view utf8) { produce(utf8); }),
      m_worker([this] { work(); })
{
}

ThreadedControlFeed::~ThreadedControlFeed()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_changed.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

std::string ThreadedControlFeed::spare(std::unique_lock<std::mutex>& lock)
{
    (void)lock;
    if (m_spare.empty())
        return {};
    std::string piece = std::move(m_spare.back());
    m_spare.pop_back();
    return piece;
}

void ThreadedControlFeed::produce(std::string_view utf8)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    std::string piece = spare(lock);
    lock.unlock();
    piece.assign(utf8);
    lock.lock();
    m_changed.wait(lock, [this] { return m_stop || m_outBytes < kMaxWaiting; });
    if (m_stop)
        throw Stopped{};
    m_outBytes += piece.size();
    m_out.push_back(std::move(piece));
    lock.unlock();
    m_changed.notify_all();
}

void ThreadedControlFeed::work()
{
    try {
        std::unique_lock<std::mutex> lock(m_mutex);
        for (;;) {
            m_changed.wait(lock, [this] { return m_stop || m_inEnded || !m_in.empty(); });
            if (m_stop)
                return;
            if (m_in.empty()) {
                lock.unlock();
                m_feed.finish();
                lock.lock();
                break;
            }
            std::string block = std::move(m_in.front());
            m_in.pop_front();
            m_inBytes -= block.size();
            lock.unlock();
            m_changed.notify_all();
            m_feed.put(block);
            lock.lock();
            if (m_spare.size() < kMaxSpare)
                m_spare.push_back(std::move(block));
        }
    } catch (const Stopped&) {
        return;
    } catch (...) {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_error = std::current_exception();
    }
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_done = true;
    }
    m_changed.notify_all();
}

void ThreadedControlFeed::deliver(std::unique_lock<std::mutex>& lock)
{
    while (!m_out.empty()) {
        std::string piece = std::move(m_out.front());
        m_out.pop_front();
        m_outBytes -= piece.size();
        lock.unlock();
        m_changed.notify_all();
        m_sink(piece);
        lock.lock();
        if (m_spare.size() < kMaxSpare)
            m_spare.push_back(std::move(piece));
    }
}

void ThreadedControlFeed::throwError(std::unique_lock<std::mutex>& lock)
{
    if (!m_error)
        return;
    std::exception_ptr error = m_error;
    lock.unlock();
    std::rethrow_exception(error);
}

void ThreadedControlFeed::put(std::string_view bytes)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    deliver(lock);
    while (m_inBytes >= kMaxWaiting && !m_done) {
        m_changed.wait(lock,
                       [this] { return m_done || m_inBytes < kMaxWaiting || !m_out.empty(); });
        deliver(lock);
    }
    throwError(lock);
    std::string block = spare(lock);
    lock.unlock();
    block.assign(bytes);
    lock.lock();
    m_inBytes += block.size();
    m_in.push_back(std::move(block));
    lock.unlock();
    m_changed.notify_all();
}

void ThreadedControlFeed::finish()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_inEnded = true;
    m_changed.notify_all();
    for (;;) {
        deliver(lock);
        if (m_done && m_out.empty())
            break;
        m_changed.wait(lock, [this] { return m_done || !m_out.empty(); });
    }
    throwError(lock);
    lock.unlock();
    m_worker.join();
}

} // namespace zuk::editor
