// The helper runner: input and output of any size without a deadlock, and
// the caller's limits (time, output, cancel, "that is all") always win.

#include "base/zukerror.h"
#include "platform/helperprocess.h"

#include <gtest/gtest.h>

#include <csignal>

using namespace std::chrono_literals;
using zuk::platform::HelperOutcome;
using zuk::platform::HelperRun;
using zuk::platform::runHelper;

namespace {

HelperRun shell(const std::string& script, std::string_view input = {})
{
    HelperRun run;
    run.program = "/bin/sh";
    run.args = {"-c", script};
    run.input = input;
    run.outputCap = 64 << 20;
    run.timeLimit = 20s;
    return run;
}

TEST(HelperProcess, InputAndOutputFlowBothWays)
{
    std::string big;
    for (int i = 0; big.size() < 5'000'000; ++i)
        big += std::to_string(i) + '\n';
    HelperOutcome echoed = runHelper(shell("cat", big));
    EXPECT_EQ(echoed.end, HelperOutcome::End::Exited);
    EXPECT_EQ(echoed.status, 0);
    EXPECT_EQ(echoed.output, big);

    // A helper that reads none of its input still ends normally, and so does
    // the caller (no SIGPIPE reaches it).
    HelperOutcome ignoring = runHelper(shell("echo done; exit 7", big));
    EXPECT_EQ(ignoring.end, HelperOutcome::End::Exited);
    EXPECT_EQ(ignoring.status, 7);
    EXPECT_EQ(ignoring.output, "done\n");
}

TEST(HelperProcess, LimitsEndTheHelper)
{
    const auto started = std::chrono::steady_clock::now();

    HelperRun slow = shell("exec sleep 30");
    slow.timeLimit = 200ms;
    EXPECT_EQ(runHelper(slow).end, HelperOutcome::End::TimedOut);

    HelperRun chatty = shell("while :; do echo 0123456789; done");
    chatty.outputCap = 100000;
    HelperOutcome flooded = runHelper(chatty);
    EXPECT_EQ(flooded.end, HelperOutcome::End::OutputTooLong);
    EXPECT_LE(flooded.output.size(), 100000u);

    HelperRun answering = shell("printf answer; exec sleep 30");
    answering.complete = [](std::string_view out) { return out == "answer"; };
    HelperOutcome answered = runHelper(answering);
    EXPECT_EQ(answered.end, HelperOutcome::End::Complete);
    EXPECT_EQ(answered.output, "answer");

    std::atomic<bool> cancel{true};
    HelperRun cancelled = shell("exec sleep 30");
    cancelled.cancel = &cancel;
    EXPECT_EQ(runHelper(cancelled).end, HelperOutcome::End::Cancelled);

    HelperOutcome killed = runHelper(shell("kill -SEGV $$"));
    EXPECT_EQ(killed.end, HelperOutcome::End::Signalled);
    EXPECT_EQ(zuk::platform::signalName(killed.status), "SIGSEGV");

    EXPECT_LT(std::chrono::steady_clock::now() - started, 15s);
}

TEST(HelperProcess, AProgramThatCannotStartIsAnIoError)
{
    HelperRun missing;
    missing.program = "/nonexistent/helper";
    EXPECT_THROW(runHelper(missing), zuk::IoError);
}

} // namespace
