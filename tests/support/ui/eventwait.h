#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

namespace zuk::test {

// Runs the event loop (deferred deletions included) until `done` holds or `ms`
// milliseconds pass; returns
// whether it holds. For GoogleTest bodies, where Qt's QTRY_ macros would
// return quietly on a timeout instead of failing the test.
inline bool eventsUntil(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

} // namespace zuk::test
