#include "analyzer/unitazjob.h"

#include "codepages/charsets.h"

#include "support/waituntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using zuk::test::waitUntil;
using namespace zuk::analyzer;
using zuk::codepages::winToUtf8;

namespace {

class SafeSink final : public ReportSink {
public:
    void append(const std::string& line) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_lines.push_back(winToUtf8(line));
    }
    std::vector<std::string> lines() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_lines;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::string> m_lines;
};

const std::vector<std::string> kStartLines = {"Thread constructor call...",
                                              "Thread constructor called OK"};

std::string bigText()
{
    std::string text;
    for (int i = 0; text.size() < (6u << 20); ++i)
        text += "word" + std::to_string(i % 5000) + " ";
    return text;
}

TEST(UnitazJob, NoDocumentEmptyTextAndAFullRun)
{
    SafeSink sink;
    int noDocument = 0;
    UnitazJob::Settings settings;
    settings.noDocument = [&noDocument] { ++noDocument; };
    UnitazJob job(sink, settings);

    job.start(std::nullopt, UnitazTexts::builtIn());
    job.wait();
    EXPECT_EQ(noDocument, 1);
    EXPECT_EQ(sink.lines(), kStartLines);

    job.start(std::string(), UnitazTexts::builtIn());
    job.wait();
    EXPECT_EQ(sink.lines().size(), 5u); // the new start's three lines, then nothing

    job.start(std::string("b a b"), UnitazTexts::builtIn());
    job.wait();
    const auto lines = sink.lines();
    ASSERT_EQ(lines.size(), 5u + 3 + 1 + 12);
    EXPECT_EQ(lines[5], "Thread constructor call...");
    EXPECT_EQ(lines[6], "Thread destroying done");
    EXPECT_EQ(lines[7], "Thread constructor called OK");
    EXPECT_EQ(lines[8], "Я думаю. Ждите...");
    EXPECT_EQ(lines[9], "Начинаю сортировку");
    EXPECT_EQ(lines.back(), "a    1");
    EXPECT_TRUE(job.isFinished());
}

TEST(UnitazJob, ControlLinesDependOnTheJobObjectNotOnARunningJob)
{
    SafeSink sink;
    UnitazJob job(sink, {});
    job.stop();
    job.pause();
    job.resume();
    EXPECT_TRUE(sink.lines().empty()); // no job object yet

    job.start(std::string("x"), UnitazTexts::builtIn());
    job.wait();
    const size_t before = sink.lines().size();
    job.resume(); // not paused: nothing
    job.pause();
    job.pause(); // already paused: nothing
    job.resume();
    job.stop();
    job.stop();
    const auto lines = sink.lines();
    EXPECT_EQ(std::vector<std::string>(lines.begin() + static_cast<long>(before), lines.end()),
              (std::vector<std::string>{"Thread paused OK", "Thread resumed OK",
                                        "Thread stopped OK", "Thread stopped OK"}));
}

TEST(UnitazJob, SecondStartStopsAPausedJobAndPriorityReachesTheWorker)
{
    SafeSink sink;
    std::mutex mutex;
    std::vector<JobPriority> applied;
    UnitazJob::Settings settings;
    settings.applyPriority = [&](JobPriority p) {
        std::lock_guard<std::mutex> lock(mutex);
        applied.push_back(p);
    };
    UnitazJob job(sink, settings);
    const std::string text = bigText();

    job.setPriority(JobPriority::Lower);
    job.start(text, UnitazTexts::builtIn());
    job.pause();
    auto appliedSoFar = [&] {
        std::lock_guard<std::mutex> lock(mutex);
        return applied;
    };
    // The worker stops at its first look at the job and waits there.
    ASSERT_TRUE(waitUntil([&] { return job.isHeld(); }));
    job.setPriority(JobPriority::Highest); // a paused job stays paused
    EXPECT_TRUE(job.isHeld());
    EXPECT_FALSE(job.isFinished());
    // Held, the worker has not taken the new level yet: it had only its start.
    EXPECT_EQ(appliedSoFar(), std::vector<JobPriority>{JobPriority::Lower});
    job.resume();
    job.wait();
    EXPECT_TRUE(job.isFinished());
    EXPECT_FALSE(job.isHeld());
    EXPECT_EQ(appliedSoFar(), (std::vector<JobPriority>{JobPriority::Lower, JobPriority::Highest}));

    // Paused in the middle, then started again: the old job is stopped and
    // waited for before the new one is made.
    job.start(text, UnitazTexts::builtIn());
    job.pause();
    ASSERT_TRUE(waitUntil([&] { return job.isHeld(); }));
    const size_t mark = sink.lines().size();
    job.start(std::string("z"), UnitazTexts::builtIn());
    job.wait();
    const auto lines = sink.lines();
    ASSERT_GE(lines.size(), mark + 3);
    EXPECT_EQ(lines[mark], "Thread constructor call...");
    EXPECT_EQ(lines[mark + 1], "Thread destroying done");
    EXPECT_EQ(lines[mark + 2], "Thread constructor called OK");
    EXPECT_EQ(lines.back(), "z    1");

    // Destroying the object while a job runs stops it.
    {
        UnitazJob shortLived(sink, {});
        shortLived.start(text, UnitazTexts::builtIn());
        shortLived.pause();
    }
}

} // namespace
