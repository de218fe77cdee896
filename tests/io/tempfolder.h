#pragma once

#include "io/safefile.h"

#include <cstdlib>
#include <filesystem>
#include <signal.h>
#include <string>
#include <sys/resource.h>

namespace zuk::testing {

// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes.
class TempFolder final {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zuk-test-XXXXXX").string();
        char* made = ::mkdtemp(pattern.data());
        m_path = made ? std::string(made) + "/" : std::string();
    }
    ~TempFolder()
    {
        std::error_code ec;
        if (!m_path.empty())
            std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, with a trailing '/'.
    const std::string& path() const { return m_path; }
    std::string file(const std::string& name) const { return m_path + name; }

    void write(const std::string& name, const std::string& bytes) const
    {
        std::filesystem::create_directories(std::filesystem::path(file(name)).parent_path());
        io::writeFileAtomically(file(name), bytes);
    }
    std::string read(const std::string& name) const { return io::readFileBytes(file(name)); }
    // Names in the folder (not recursive), to see that no temporary file is left.
    std::size_t entryCount() const
    {
        std::size_t n = 0;
        for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(m_path))
            ++n;
        return n;
    }

private:
    std::string m_path;
};

// While it lives, files of the process cannot grow beyond `bytes`: a write
// past it fails with EFBIG. Works for every user, root included.
class FileSizeLimit final {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        ::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    sighandler_t m_oldHandler;
};

} // namespace zuk::testing
