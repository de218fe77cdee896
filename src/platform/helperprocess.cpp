#include "platform/helperprocess.h"

#include "base/zukerror.h"
#include "platform/platformtexts.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace zuk::platform {

namespace {

using Clock = std::chrono::steady_clock;

// How often a blocked wait looks at the cancel flag.
constexpr std::chrono::milliseconds kCancelSlice{25};

class Fd final {
public:
    Fd() = default;
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    bool open() const { return m_fd >= 0; }
    void reset(int fd = -1)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd = -1;
};

[[noreturn]] void cannotStart(const std::string& program, int errnoValue)
{
    throw IoError(platformMessages(), "sCannotStartHelper", {program, std::strerror(errnoValue)});
}

void setNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0)
        ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
}

// Starts the program with its standard input and output on the given
// descriptors, every signal at its default and none blocked.
pid_t spawn(const HelperRun& run, int inChild, int outChild)
{
    std::vector<std::string> words;
    words.reserve(run.args.size() + 1);
    words.push_back(run.program);
    words.insert(words.end(), run.args.begin(), run.args.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, inChild, 0);
    posix_spawn_file_actions_adddup2(&actions, outChild, 1);

    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attr, &none);
    // A caller that ignores these (a GUI ignoring SIGPIPE) must not hand that on.
    sigset_t defaults;
    sigemptyset(&defaults);
    for (int sig : {SIGPIPE, SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGCHLD, SIGALRM})
        sigaddset(&defaults, sig);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int error =
        ::posix_spawn(&pid, run.program.c_str(), &actions, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attr);
    if (error != 0)
        cannotStart(run.program, error);
    return pid;
}

int reap(pid_t pid)
{
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

// The exit of a helper that was not killed: Exited or Signalled.
void setExit(HelperOutcome& outcome, int status)
{
    if (WIFSIGNALED(status)) {
        outcome.end = HelperOutcome::End::Signalled;
        outcome.status = WTERMSIG(status);
    } else {
        outcome.end = HelperOutcome::End::Exited;
        outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
}

class Runner final {
public:
    explicit Runner(const HelperRun& run) : m_run(run), m_deadline(Clock::now() + run.timeLimit) {}

    HelperOutcome go()
    {
        int inPair[2];
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, inPair) != 0)
            cannotStart(m_run.program, errno);
        m_in.reset(inPair[0]);
        Fd inChild(inPair[1]);
        int outPipe[2];
        if (::pipe2(outPipe, O_CLOEXEC) != 0)
            cannotStart(m_run.program, errno);
        m_out.reset(outPipe[0]);
        Fd outChild(outPipe[1]);

        m_pid = spawn(m_run, inChild.get(), outChild.get());
        inChild.reset();
        outChild.reset();
        setNonBlocking(m_in.get());
        setNonBlocking(m_out.get());
        if (m_run.input.empty())
            m_in.reset();

        if (const auto stop = exchange()) {
            m_outcome.end = *stop;
            ::kill(m_pid, SIGKILL);
            reap(m_pid);
        }
        return std::move(m_outcome);
    }

private:
    // Feeds the input and collects the output until the output ends and the
    // helper exits (nothing returned), or until the run must be stopped (the
    // reason returned; the helper still runs).
    std::optional<HelperOutcome::End> exchange()
    {
        char buffer[65536];
        m_outcome.output.reserve(std::min(m_run.outputReserve, m_run.outputCap));
        while (m_out.open()) {
            int wait = 0;
            if (const auto stop = checkLimits(wait))
                return stop;
            pollfd fds[2];
            nfds_t count = 0;
            fds[count++] = {m_out.get(), POLLIN, 0};
            if (m_in.open())
                fds[count++] = {m_in.get(), POLLOUT, 0};
            if (::poll(fds, count, wait) < 0) {
                // Nothing but EINTR is expected; the limits still end the loop.
                if (errno != EINTR)
                    ::usleep(1000);
                continue;
            }
            if (count > 1 && fds[1].revents != 0)
                feed();
            if (fds[0].revents == 0)
                continue;
            const ssize_t n = ::read(m_out.get(), buffer, sizeof buffer);
            if (n < 0) {
                if (errno == EINTR || errno == EAGAIN)
                    continue;
                m_out.reset();
            } else if (n == 0) {
                m_out.reset();
            } else {
                if (m_outcome.output.size() + static_cast<std::size_t>(n) > m_run.outputCap)
                    return HelperOutcome::End::OutputTooLong;
                m_outcome.output.append(buffer, static_cast<std::size_t>(n));
                if (m_run.complete && m_run.complete(m_outcome.output))
                    return HelperOutcome::End::Complete;
            }
        }
        m_in.reset();
        // The output is closed: what is left is the helper's exit.
        for (;;) {
            int status = 0;
            const pid_t done = ::waitpid(m_pid, &status, WNOHANG);
            if (done == m_pid) {
                setExit(m_outcome, status);
                return std::nullopt;
            }
            if (done < 0 && errno != EINTR) {
                m_outcome.end = HelperOutcome::End::Exited;
                m_outcome.status = -1;
                return std::nullopt;
            }
            int wait = 0;
            if (const auto stop = checkLimits(wait))
                return stop;
            ::usleep(static_cast<useconds_t>(std::min(wait, 5) * 1000));
        }
    }

    // The cancel flag and the time limit; `wait` gets how long the next
    // blocking wait may last.
    std::optional<HelperOutcome::End> checkLimits(int& wait) const
    {
        if (m_run.cancel && m_run.cancel->load())
            return HelperOutcome::End::Cancelled;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(m_deadline - Clock::now());
        if (left.count() <= 0)
            return HelperOutcome::End::TimedOut;
        wait = static_cast<int>(m_run.cancel ? std::min(left, kCancelSlice).count() : left.count());
        wait = std::max(wait, 1);
        return std::nullopt;
    }

    void feed()
    {
        const std::string_view rest = m_run.input.substr(m_written);
        const ssize_t n = ::send(m_in.get(), rest.data(), rest.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0) {
            if (errno != EINTR && errno != EAGAIN && errno != EWOULDBLOCK)
                m_in.reset(); // the helper stopped reading: the rest is not wanted
            return;
        }
        m_written += static_cast<std::size_t>(n);
        if (m_written == m_run.input.size())
            m_in.reset();
    }

    const HelperRun& m_run;
    const Clock::time_point m_deadline;
    Fd m_in, m_out;
    pid_t m_pid = -1;
    std::size_t m_written = 0;
    HelperOutcome m_outcome;
};

} // namespace

HelperOutcome runHelper(const HelperRun& run)
{
    return Runner(run).go();
}

std::string signalName(int signal)
{
    switch (signal) {
    case SIGSEGV:
        return "SIGSEGV";
    case SIGBUS:
        return "SIGBUS";
    case SIGFPE:
        return "SIGFPE";
    case SIGILL:
        return "SIGILL";
    case SIGABRT:
        return "SIGABRT";
    case SIGKILL:
        return "SIGKILL";
    case SIGTERM:
        return "SIGTERM";
    case SIGPIPE:
        return "SIGPIPE";
    case SIGALRM:
        return "SIGALRM";
    case SIGXCPU:
        return "SIGXCPU";
    case SIGSYS:
        return "SIGSYS";
    case SIGTRAP:
        return "SIGTRAP";
    default:
        return std::to_string(signal);
    }
}

} // namespace zuk::platform
