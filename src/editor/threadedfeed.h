#pragma once

#include "editor/controlfeed.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace zuk::editor {

// A ControlFeed that decodes on a worker thread while the calling thread
// takes the text it made. put() hands the bytes over and returns at once
// (or once the worker has caught up, when too much waits); the UTF-8 pieces
// reach `sink` on the calling thread, in order, inside put() and finish().
// For filling the editing control with a big file: the control takes text on
// one thread only, and decoding is half of the work.
class ThreadedControlFeed {
public:
    ThreadedControlFeed(codepages::CodePage cp, const FeedOptions& options, ControlFeed::Sink sink);
    // Stops the worker; the feed may be left unfinished when put() or the
    // sink threw.
    ~ThreadedControlFeed();
    ThreadedControlFeed(const ThreadedControlFeed&) = delete;
    ThreadedControlFeed& operator=(const ThreadedControlFeed&) = delete;

    void put(std::string_view bytes);
    // Waits for the worker and hands over the rest. An error of the worker
    // (running out of memory) is thrown here or from put().
    void finish();

    // After finish().
    std::size_t size() const { return m_feed.size(); }
    std::size_t softBreaks() const { return m_feed.softBreaks(); }

private:
    struct Stopped {};

    void work();
    void produce(std::string_view utf8); // the worker's sink
    // Hands every waiting piece to the sink, the lock released meanwhile.
    void deliver(std::unique_lock<std::mutex>& lock);
    void throwError(std::unique_lock<std::mutex>& lock);
    std::string spare(std::unique_lock<std::mutex>& lock);

    ControlFeed::Sink m_sink;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<std::string> m_in;
    std::size_t m_inBytes = 0;
    bool m_inEnded = false;
    bool m_stop = false;
    std::deque<std::string> m_out;
    std::size_t m_outBytes = 0;
    bool m_done = false;
    std::exception_ptr m_error;
    std::vector<std::string> m_spare; // used pieces, kept for their memory
    ControlFeed m_feed;               // the worker's until it is done
    std::thread m_worker;             // last: started once the rest is made
};

} // namespace zuk::editor
