#include "app/ui/terminationwatch.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace zuk::app::ui {

namespace {

int g_pipe[2] = {-1, -1};
struct sigaction g_previousTerm {
}, g_previousHup{};

extern "C" void onTermination(int signal)
{
    const int saved = errno;
    const char byte = static_cast<char>(signal);
    // Async-signal-safe: one write, never blocking (the pipe is non-blocking).
    [[maybe_unused]] const ssize_t n = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

TerminationWatch::TerminationWatch(std::function<void(int)> onSignal, QObject* parent)
    : QObject(parent), m_onSignal(std::move(onSignal))
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        g_pipe[0] = g_pipe[1] = -1;
        return;
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationWatch::readSignal);
    struct sigaction sa {};
    sa.sa_handler = onTermination;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &sa, &g_previousTerm);
    sigaction(SIGHUP, &sa, &g_previousHup);
}

TerminationWatch::~TerminationWatch()
{
    if (!m_notifier)
        return;
    sigaction(SIGTERM, &g_previousTerm, nullptr);
    sigaction(SIGHUP, &g_previousHup, nullptr);
    delete m_notifier;
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationWatch::readSignal()
{
    char byte = 0;
    while (::read(g_pipe[0], &byte, 1) == 1)
        if (m_onSignal)
            m_onSignal(static_cast<unsigned char>(byte));
}

} // namespace zuk::app::ui
