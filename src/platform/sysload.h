#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zuk::platform {

// Cumulative processor time of the whole system, in clock ticks.
struct CpuTimes {
    uint64_t busy = 0;
    uint64_t total = 0;
};

// The "cpu" line of /proc/stat; nothing when the text has no usable line.
std::optional<CpuTimes> parseProcStat(std::string_view text);

// Processor load in percent (0..100) between two samples; 0 when no time passed.
int cpuLoadBetween(const CpuTimes& before, const CpuTimes& after);

// Memory in use in percent of MemTotal, from /proc/meminfo text: (MemTotal -
// MemAvailable) / MemTotal, with MemFree + Buffers + Cached standing in for
// MemAvailable on kernels that lack it. Nothing when the text has no MemTotal.
std::optional<int> parseMemInfoLoad(std::string_view text);

// The processor load since the previous call (the first call gives 0). Never
// throws; 0 when the system does not tell.
class CpuLoadMeter final {
public:
    int sample() noexcept;

private:
    std::optional<CpuTimes> m_last;
};

// The system memory load in percent; 0 when the system does not tell. Never throws.
int memoryLoadPercent() noexcept;

} // namespace zuk::platform
