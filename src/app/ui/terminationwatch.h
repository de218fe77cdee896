#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace zuk::app::ui {

// SIGTERM (the system shuts down) and SIGHUP (the terminal closes) would end
// the program at once and lose every unsaved document. While a watch lives,
// both signals only write a byte into a pipe; the event loop reads it and
// calls `onSignal` there, where the program may save and shut down normally.
// At most one watch is installed at a time; the earlier dispositions come
// back when it goes.
class TerminationWatch final : public QObject {
public:
    TerminationWatch(std::function<void(int signal)> onSignal, QObject* parent);
    ~TerminationWatch() override;

    bool installed() const { return m_notifier != nullptr; }

private:
    void readSignal();

    std::function<void(int)> m_onSignal;
    QSocketNotifier* m_notifier = nullptr;
};

} // namespace zuk::app::ui
