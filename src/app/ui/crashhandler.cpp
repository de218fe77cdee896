#include "app/ui/crashhandler.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace zuk::app::ui {

namespace {

char g_message[512];
size_t g_messageLength = 0;
std::atomic<EmergencyHook> g_hook{nullptr};
volatile sig_atomic_t g_inHandler = 0;
// Its own stack, so that a stack overflow still reaches the handler.
alignas(16) char g_altStack[64 * 1024];

void writeAll(const char* text, size_t length)
{
    while (length > 0) {
        const ssize_t n = ::write(STDERR_FILENO, text, length);
        if (n <= 0)
            return;
        text += n;
        length -= static_cast<size_t>(n);
    }
}

extern "C" void onFatalSignal(int)
{
    // A second fault inside the hook must not loop: end at once.
    if (g_inHandler)
        _exit(3);
    g_inHandler = 1;
    writeAll(g_message, g_messageLength);
    writeAll("\n", 1);
    if (EmergencyHook hook = g_hook.load())
        hook();
    _exit(3);
}

} // namespace

void setCrashMessage(const char* message)
{
    const size_t n = std::min(std::strlen(message), sizeof g_message - 1);
    g_messageLength = 0; // a crash meanwhile writes nothing rather than half a message
    std::memcpy(g_message, message, n);
    g_message[n] = '\0';
    g_messageLength = n;
}

void installCrashHandler(const char* message)
{
    setCrashMessage(message);

    stack_t ss{};
    ss.ss_sp = g_altStack;
    ss.ss_size = sizeof g_altStack;
    sigaltstack(&ss, nullptr);

    struct sigaction sa {};
    sa.sa_handler = onFatalSignal;
    sigemptyset(&sa.sa_mask);
    // SA_RESETHAND: a fault inside the handler ends the process instead of looping.
    sa.sa_flags = SA_RESETHAND | SA_NODEFER | SA_ONSTACK;
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        sigaction(sig, &sa, nullptr);
}

void setEmergencyHook(EmergencyHook hook)
{
    g_hook.store(hook);
}

} // namespace zuk::app::ui
