#pragma once

// A private folder for the fuzz targets whose parsers read and write files.
// It lies under TMPDIR when that is set, else in /dev/shm (memory: the flush
// of every atomic write then costs nothing, which keeps the fuzzers fast),
// else in /tmp. It is made on first use and removed with what it holds when
// the process ends normally; a target empties it after every input.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "io/safefile.h"

namespace zuk::fuzz {

namespace detail {

inline std::string scratchBase()
{
    const char* tmp = std::getenv("TMPDIR");
    if (tmp && *tmp)
        return tmp;
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec))
        return "/dev/shm";
    return "/tmp";
}

inline void removeScratch();

// Never destroyed: the exit handler that removes the folder runs after the
// static objects are gone.
inline const std::string& scratchPath()
{
    static const std::string* path = [] {
        std::string pattern = scratchBase() + "/zuk-fuzz-XXXXXX";
        const char* made = ::mkdtemp(pattern.data());
        if (!made)
            std::abort(); // nowhere to work: no input could be judged
        std::atexit(removeScratch);
        return new std::string(std::string(made) + "/");
    }();
    return *path;
}

inline void removeScratch()
{
    std::error_code ec;
    std::filesystem::remove_all(scratchPath(), ec);
}

} // namespace detail

// The folder, with a trailing '/'.
inline const std::string& scratchFolder()
{
    return detail::scratchPath();
}

// A file name inside the folder.
inline std::string scratchFile(std::string_view name)
{
    return scratchFolder() + std::string(name);
}

// Writes `bytes` as the scratch file `name` and returns its path.
inline std::string putScratchFile(std::string_view name, std::string_view bytes)
{
    const std::string path = scratchFile(name);
    io::writeFileAtomically(path, bytes);
    return path;
}

// Removes everything in the folder, keeping the folder.
inline void clearScratch()
{
    std::error_code ec;
    for (std::filesystem::directory_iterator it(scratchFolder(), ec), end; !ec && it != end;
         it.increment(ec))
        std::filesystem::remove_all(it->path(), ec);
}

} // namespace zuk::fuzz
