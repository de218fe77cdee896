#pragma once

#include "io/faultinjection.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>

namespace zuk::testing {

// The failures every writer is run under, at every call position of every kind.
inline constexpr int kFaultErrnos[] = {ENOSPC, EIO, EACCES, EDQUOT};
inline constexpr io::WriteCall kWriteCalls[] = {io::WriteCall::OpenTemp, io::WriteCall::Fchmod,
                                                io::WriteCall::Write,    io::WriteCall::Fsync,
                                                io::WriteCall::Close,    io::WriteCall::Rename};

struct Fault {
    io::WriteCall kind;
    int nth;
    int err;
    std::string describe() const
    {
        return std::string(io::writeCallName(kind)) + " #" + std::to_string(nth) + " " +
               std::strerror(err);
    }
};

// Runs `write` once for every fault: the nth call of every kind, for n from 1
// until a run reaches no nth call, with every errno of kFaultErrnos. `prepare`
// runs before each, outside the fault; `check` after each run the fault
// reached, with what the user was told (`write`'s result). Returns how many
// runs a fault reached.
inline int forEveryFault(const std::function<void()>& prepare,
                         const std::function<std::string()>& write,
                         const std::function<void(const Fault&, const std::string& told)>& check)
{
    int cases = 0;
    for (io::WriteCall kind : kWriteCalls)
        for (int err : kFaultErrnos)
            for (int nth = 1; nth < 10000; ++nth) {
                prepare();
                std::string told;
                bool reached = false;
                {
                    io::InjectedFault fault(kind, nth, err);
                    told = write();
                    reached = fault.triggered();
                }
                if (!reached)
                    break;
                ++cases;
                check(Fault{kind, nth, err}, told);
            }
    return cases;
}

// Every file under `folder` (sub-folders included) with its bytes: the state a
// failed write must leave as it found it.
inline std::map<std::string, std::string> snapshot(const std::string& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string rel = std::filesystem::relative(entry.path(), folder).string();
        if (!entry.is_regular_file()) {
            files[rel + "/"] = "";
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        files[rel] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return files;
}

// Writes bytes without the safe writer, so that seeding a folder neither
// counts as a write call nor costs an fsync.
inline void seedFile(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The running total of injected-fault cases, printed by the tests that add to it.
inline int& faultCasesRun()
{
    static int total = 0;
    return total;
}

} // namespace zuk::testing
