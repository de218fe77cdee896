#pragma once

// Small helpers shared by the benchmarks: timing, running a program with its
// standard streams on files while measuring its own peak memory, and test data.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace zuk::bench {

struct RunStats {
    int status = -1;    // exit status, -1 when the program did not exit normally
    double seconds = 0; // wall-clock time
    long peakKb = 0;    // the child's own peak resident memory
};

// `piece` repeated and cut to exactly `size` bytes.
inline std::string repeatToSize(const std::string& piece, std::size_t size)
{
    std::string text;
    text.reserve(size + piece.size());
    while (text.size() < size)
        text += piece;
    text.resize(size);
    return text;
}

inline double now()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

// Runs argv[0] (looked up in PATH) with standard input from inPath and
// standard output to outPath ("" leaves the stream alone).
inline RunStats runProgram(const std::vector<std::string>& args, const std::string& inPath,
                           const std::string& outPath)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (!inPath.empty())
        posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
    if (!outPath.empty())
        posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
    std::vector<std::string> words = args;
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    RunStats stats;
    const double start = now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int wstatus = 0;
        struct rusage usage {};
        // wait4 gives this child's own figures, unlike RUSAGE_CHILDREN, which
        // keeps the largest of every child so far.
        if (wait4(pid, &wstatus, 0, &usage) == pid) {
            stats.seconds = now() - start;
            stats.peakKb = usage.ru_maxrss;
            if (WIFEXITED(wstatus))
                stats.status = WEXITSTATUS(wstatus);
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    return stats;
}

// Runs work in a forked child and returns its exit status. Data generation
// goes there: a child started later inherits the peak memory of the process
// that starts it, so the benchmark process itself must stay small.
template <typename Work> int inChildProcess(Work work)
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0)
        _exit(work());
    int wstatus = 0;
    if (pid < 0 || waitpid(pid, &wstatus, 0) != pid || !WIFEXITED(wstatus))
        return -1;
    return WEXITSTATUS(wstatus);
}

// Compares two files in small pieces.
inline bool sameFileBytes(const std::string& a, const std::string& b)
{
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    if (!fa || !fb)
        return false;
    std::vector<char> ba(1 << 20), bb(1 << 20);
    for (;;) {
        fa.read(ba.data(), static_cast<std::streamsize>(ba.size()));
        fb.read(bb.data(), static_cast<std::streamsize>(bb.size()));
        if (fa.gcount() != fb.gcount() ||
            !std::equal(ba.begin(), ba.begin() + fa.gcount(), bb.begin()))
            return false;
        if (fa.gcount() == 0)
            return true;
    }
}

inline long selfPeakKb()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

inline std::string readFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool writeFileBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

// The size of the benchmark input in megabytes: ZUK_BENCH_MB, else fallback.
inline double benchMegabytes(double fallback)
{
    const char* text = std::getenv("ZUK_BENCH_MB");
    const double mb = text ? std::atof(text) : 0;
    return mb > 0 ? mb : fallback;
}

inline std::string tempPath(const std::string& stem)
{
    const char* dir = std::getenv("TMPDIR");
    return std::string(dir && *dir ? dir : "/tmp") + "/zuk-bench-" + std::to_string(::getpid()) +
           "-" + stem;
}

inline void printRow(const char* label, double megabytes, double seconds, long peakKb)
{
    std::printf("  %-28s %8.3f s %10.1f MB/s   peak %8.1f MB\n", label, seconds,
                seconds > 0 ? megabytes / seconds : 0.0, peakKb / 1024.0);
}

} // namespace zuk::bench
