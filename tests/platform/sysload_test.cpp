#include "platform/sysload.h"

#include <gtest/gtest.h>

using namespace zuk::platform;

namespace {

TEST(SysLoad, ProcStatParsing)
{
    const char* stat = "cpu  100 20 30 800 50 0 0 0 7 0\n"
                       "cpu0 50 10 15 400 25 0 0 0 0 0\n"
                       "intr 12345\n";
    std::optional<CpuTimes> t = parseProcStat(stat);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->total, 1000u); // guest time (7) is already inside user
    EXPECT_EQ(t->busy, 150u);   // idle and iowait are not busy

    EXPECT_TRUE(parseProcStat("cpu 1 2 3 4"));
    for (const char* bad : {"", "cpu", "cpu 1 2 3", "cpu0 1 2 3 4 5", "cpux 1 2 3 4", "junk\nmore",
                            "cpu 99999999999999999999999 1 1 1"})
        EXPECT_FALSE(parseProcStat(bad)) << bad;

    EXPECT_EQ(cpuLoadBetween({100, 1000}, {150, 1100}), 50);
    EXPECT_EQ(cpuLoadBetween({100, 1000}, {100, 1000}), 0); // no time passed
    EXPECT_EQ(cpuLoadBetween({100, 1000}, {90, 1100}), 0);  // counters went back
    EXPECT_EQ(cpuLoadBetween({0, 0}, {3, 3}), 100);
}

TEST(SysLoad, MemInfoParsing)
{
    EXPECT_EQ(parseMemInfoLoad("MemTotal:  1000 kB\nMemFree: 100 kB\nMemAvailable:  250 kB\n"), 75);
    // Older kernels: free + buffers + cached.
    EXPECT_EQ(
        parseMemInfoLoad("MemTotal: 1000 kB\nMemFree: 100 kB\nBuffers: 100 kB\nCached: 200 kB"),
        60);
    EXPECT_EQ(parseMemInfoLoad("MemTotal: 1000 kB\nMemAvailable: 5000 kB\n"), 0);
    EXPECT_EQ(parseMemInfoLoad("MemFree: 1 kB\n"), std::nullopt);
    EXPECT_EQ(parseMemInfoLoad("MemTotal: 0 kB\n"), std::nullopt);
    EXPECT_EQ(parseMemInfoLoad("MemTotal: x kB\n:::\n"), std::nullopt);

    // The live readings stay in range.
    CpuLoadMeter meter;
    meter.sample();
    int cpu = meter.sample();
    EXPECT_GE(cpu, 0);
    EXPECT_LE(cpu, 100);
    int mem = memoryLoadPercent();
    EXPECT_GT(mem, 0);
    EXPECT_LE(mem, 100);
}

} // namespace
