// zuk-plughost: makes one plug-in call in a process of its own, so that a
// plug-in that crashes, hangs or scribbles over memory harms nothing but this
// short-lived process. The arguments and the answer are described in
// plugins/plughostwire.h. It links nothing of the program but that format,
// and ends with _exit right after answering: no destructor or atexit handler
// of the plug-in runs after the answer.

#include "plugins/plughostwire.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

using zuk::plugins::wire::Status;

using VersionInfoFn = const char* (*)();
using HandleDataFn = std::int32_t (*)(void*, char**);

// A name longer than the program shows is cut here already.
constexpr std::size_t kNameCap = 4096;

int g_answerFd = -1;

bool writeAll(int fd, const char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

[[noreturn]] void answer(Status status, const char* payload = nullptr, std::size_t size = 0)
{
    const std::string header = zuk::plugins::wire::encodeHeader(status, size);
    const bool done = writeAll(g_answerFd, header.data(), header.size()) &&
                      (size == 0 || writeAll(g_answerFd, payload, size));
    ::_exit(done ? 0 : 3);
}

// A crash of the plug-in ends this process by the signal that caused it, so
// the caller can name it, even where a sanitizer's runtime would turn it into
// an exit with a report: the handler is reset on entry, and returning from it
// makes the fault happen again under the default action.
void onCrash(int) {}

void reportCrashesBySignal()
{
    struct sigaction action {};
    action.sa_handler = onCrash;
    action.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT, SIGTRAP, SIGSYS})
        ::sigaction(sig, &action, nullptr);
}

bool parseNumber(const char* text, unsigned long long& value)
{
    if (!text || !*text)
        return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoull(text, &end, 10);
    return errno == 0 && *end == '\0' && text[0] != '-';
}

// Everything on `fd`, read straight into a buffer of the announced length
// (growing it should more come).
std::string readAll(int fd, std::size_t expected)
{
    std::string bytes(expected + 1, '\0');
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

// The plug-in's output must not get into the answer, and its input is ours.
void shieldStandardStreams()
{
    const int devnull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (devnull >= 0) {
        ::dup2(devnull, 0);
        ::dup2(devnull, 1);
        ::close(devnull);
    }
}

} // namespace

int main(int argc, char** argv)
{
    g_answerFd = ::fcntl(1, F_DUPFD_CLOEXEC, 3);
    if (g_answerFd < 0)
        return 3;
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool handle = mode == zuk::plugins::wire::kHandleMode;
    unsigned long long seconds = 0, handleValue = 0, cap = 0, textLength = 0;
    if (handle) {
        if (argc != 7 || !parseNumber(argv[3], handleValue) || !parseNumber(argv[4], seconds) ||
            !parseNumber(argv[5], cap) || !parseNumber(argv[6], textLength))
            answer(Status::BadRequest);
    } else if (mode != zuk::plugins::wire::kVersionMode || argc != 4 ||
               !parseNumber(argv[3], seconds)) {
        answer(Status::BadRequest);
    }

    std::string text;
    if (handle)
        text = readAll(0, static_cast<std::size_t>(std::min(textLength, cap)));
    shieldStandardStreams();
    // The caller enforces the time limit; this only makes sure the process
    // does not outlive a caller that is gone.
    if (seconds > 0)
        ::alarm(static_cast<unsigned>(std::min<unsigned long long>(seconds + 2, 86400)));
    reportCrashesBySignal();

    // A name without a slash would be searched for in the system's folders.
    std::string path = argv[2];
    if (path.find('/') == std::string::npos)
        path = "./" + path;
    void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = ::dlerror();
        answer(Status::CannotLoad, reason, reason ? std::strlen(reason) : 0);
    }
    auto versionInfo = reinterpret_cast<VersionInfoFn>(::dlsym(library, "VersionInfo"));
    if (!versionInfo)
        answer(Status::NoVersionInfo);
    auto handleData = reinterpret_cast<HandleDataFn>(::dlsym(library, "HandleData"));
    if (!handleData)
        answer(Status::NoHandleData);

    if (!handle) {
        const char* name = versionInfo();
        if (!name)
            answer(Status::NullResult);
        answer(Status::Ok, name, ::strnlen(name, kNameCap));
    }

    // The text with its terminating zero, all of it ours to hand over: the
    // plug-in may change it in place.
    text.push_back('\0');
    const std::size_t room = text.size();
    char* own = text.data();
    char* result = own;
    handleData(reinterpret_cast<void*>(static_cast<std::uintptr_t>(handleValue)), &result);
    if (!result)
        answer(Status::NullResult);
    std::size_t length = 0;
    if (result >= own && result < own + room) {
        // In place: the text ends at its zero, or at the end of our buffer
        // when the plug-in wrote over the zero.
        const std::size_t span = room - static_cast<std::size_t>(result - own);
        length = ::strnlen(result, span);
        if (length == span)
            length = span - 1;
    } else {
        length = ::strnlen(result, cap + 1);
    }
    if (length > cap)
        answer(Status::TooLong);
    answer(Status::Ok, result, length);
}
