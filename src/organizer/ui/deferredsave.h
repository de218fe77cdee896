#pragma once

#include <QTimer>

#include <functional>

namespace zuk::organizer::ui {

// Writes a tool's file soon after each change, so a crash loses at most the
// last second or so: changed() starts (or restarts) a short timer, and the
// write runs when it fires or on flush(). The owner flushes in its
// destructor and when the program is about to close.
class DeferredSave final {
public:
    static constexpr int kDelayMs = 1000;

    explicit DeferredSave(std::function<void()> write) : m_write(std::move(write))
    {
        m_timer.setSingleShot(true);
        m_timer.setInterval(kDelayMs);
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { flush(); });
    }
    DeferredSave(const DeferredSave&) = delete;
    DeferredSave& operator=(const DeferredSave&) = delete;

    void changed()
    {
        m_pending = true;
        m_timer.start();
    }
    bool pending() const { return m_pending; }
    // Forgets the change (the file must not be written).
    void cancel()
    {
        m_pending = false;
        m_timer.stop();
    }
    void flush()
    {
        m_timer.stop();
        if (!m_pending)
            return;
        m_pending = false;
        m_write();
    }

private:
    QTimer m_timer;
    std::function<void()> m_write;
    bool m_pending = false;
};

} // namespace zuk::organizer::ui
