#include "platform/sysload.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace zuk::platform {

namespace {

// /proc files report no size; read until the end in small steps.
bool readProcFile(const char* path, std::string& out) noexcept
{
    try {
        int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return false;
        char buffer[4096];
        out.clear();
        for (;;) {
            ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            out.append(buffer, static_cast<std::size_t>(n));
            if (out.size() > (1u << 20))
                break;
        }
        ::close(fd);
        return !out.empty();
    } catch (...) {
        return false;
    }
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t';
}

// Reads an unsigned decimal number at `pos`, skipping blanks first.
bool readNumber(std::string_view line, std::size_t& pos, uint64_t& out)
{
    while (pos < line.size() && isSpace(line[pos]))
        ++pos;
    if (pos >= line.size() || line[pos] < '0' || line[pos] > '9')
        return false;
    uint64_t value = 0;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') {
        uint64_t digit = static_cast<uint64_t>(line[pos] - '0');
        if (value > (UINT64_MAX - digit) / 10)
            return false;
        value = value * 10 + digit;
        ++pos;
    }
    out = value;
    return true;
}

int percent(uint64_t part, uint64_t whole)
{
    if (whole == 0)
        return 0;
    if (part > whole)
        part = whole;
    return static_cast<int>((part * 100 + whole / 2) / whole);
}

} // namespace

std::optional<CpuTimes> parseProcStat(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (line.size() < 4 || line.substr(0, 3) != "cpu" || !isSpace(line[3]))
            continue;
        // user nice system idle iowait irq softirq steal; the guest times that
        // may follow are already counted in user and nice.
        uint64_t fields[8] = {};
        std::size_t pos = 3;
        int count = 0;
        while (count < 8 && readNumber(line, pos, fields[count]))
            ++count;
        if (count < 4)
            return std::nullopt;
        CpuTimes times;
        for (int i = 0; i < count; ++i)
            times.total += fields[i];
        uint64_t idle = fields[3] + (count > 4 ? fields[4] : 0);
        times.busy = times.total - idle;
        return times;
    }
    return std::nullopt;
}

int cpuLoadBetween(const CpuTimes& before, const CpuTimes& after)
{
    if (after.total <= before.total || after.busy < before.busy)
        return 0;
    return percent(after.busy - before.busy, after.total - before.total);
}

std::optional<int> parseMemInfoLoad(std::string_view text)
{
    std::optional<uint64_t> total, available;
    uint64_t freeMem = 0, buffers = 0, cached = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        std::string_view name = line.substr(0, colon);
        std::size_t pos = colon + 1;
        uint64_t value = 0;
        if (!readNumber(line, pos, value))
            continue;
        if (name == "MemTotal")
            total = value;
        else if (name == "MemAvailable")
            available = value;
        else if (name == "MemFree")
            freeMem = value;
        else if (name == "Buffers")
            buffers = value;
        else if (name == "Cached")
            cached = value;
    }
    if (!total || *total == 0)
        return std::nullopt;
    uint64_t avail = available ? *available : freeMem + buffers + cached;
    if (avail > *total)
        avail = *total;
    return percent(*total - avail, *total);
}

int CpuLoadMeter::sample() noexcept
{
    std::string text;
    if (!readProcFile("/proc/stat", text))
        return 0;
    std::optional<CpuTimes> now = parseProcStat(text);
    if (!now)
        return 0;
    int load = m_last ? cpuLoadBetween(*m_last, *now) : 0;
    m_last = now;
    return load;
}

int memoryLoadPercent() noexcept
{
    std::string text;
    if (!readProcFile("/proc/meminfo", text))
        return 0;
    return parseMemInfoLoad(text).value_or(0);
}

} // namespace zuk::platform
