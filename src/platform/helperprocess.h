#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::platform {

// One run of a helper program of our own: its standard input is fed from
// memory, its standard output is collected into memory, and the caller keeps
// the upper hand: a time limit, a cap on the output, and a flag another
// thread may set to stop it. Standard error is inherited.
struct HelperRun {
    std::string program;           // path of the executable; it is not looked up in PATH
    std::vector<std::string> args; // the arguments after the program name
    std::string_view input;        // written to its standard input, which is then closed
    std::size_t outputCap = 0;     // more output than this ends the run (OutputTooLong)
    std::size_t outputReserve = 0; // how much output to make room for at once (a hint)
    std::chrono::milliseconds timeLimit{10000};
    const std::atomic<bool>* cancel = nullptr; // set by another thread: end the run
    // Whether the output so far is all the caller needs; the helper is then
    // ended without waiting for it to exit. Optional.
    std::function<bool(std::string_view output)> complete;
};

struct HelperOutcome {
    enum class End {
        Complete,      // `complete` said the output is whole
        Exited,        // the helper exited on its own; `status` is its exit status
        Signalled,     // a signal ended it; `status` is the signal number
        TimedOut,      // the time limit passed; the helper was killed
        Cancelled,     // the cancel flag was set; the helper was killed
        OutputTooLong, // it wrote more than outputCap; the helper was killed
    };
    End end = End::Exited;
    int status = 0;
    std::string output; // what it wrote to standard output, at most outputCap bytes
};

// Runs the helper to its end and reaps it: no process is left behind,
// whatever the outcome. A helper that stops reading its input early does not
// make the run fail (the rest of the input is dropped). Blocks the calling
// thread; safe to call from any thread. Throws zuk::IoError with the system's
// reason when the helper cannot be started (a missing program included).
HelperOutcome runHelper(const HelperRun& run);

// The name of a signal for a message ("SIGSEGV"); a number when it has none.
std::string signalName(int signal);

} // namespace zuk::platform
