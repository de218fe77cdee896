// Plug-in calls through the helper process: what each kind of plug-in gives
// back, and that every way a plug-in can fail ends as a PluginError with its
// reason, never as harm to the caller.

#include "base/zukerror.h"
#include "io/tempfolder.h"
#include "plugins/plugincall.h"
#include "plugins/testplugins.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

using namespace std::chrono_literals;
using zuk::plugins::HandleDataLimits;
using zuk::plugins::PluginError;
using zuk::plugins::pluginHandleData;
using zuk::plugins::pluginVersionInfo;
using zuk::testing::examplePlugin;
using zuk::testing::plughost;
using zuk::testing::testPlugin;

namespace {

std::string call(const std::string& library, const std::string& text, HandleDataLimits limits = {})
{
    return pluginHandleData(plughost(), library, 1, text, limits);
}

// The key of the failure a call ends with, and its message; empty when it
// did not fail.
std::pair<std::string, std::string> failureOf(const std::function<void()>& run)
{
    try {
        run();
    } catch (const PluginError& e) {
        return {std::string(e.text().key), e.what()};
    }
    return {};
}

TEST(PluginCall, PluginsGiveTheirResults)
{
    struct Row {
        std::string library, text, expected;
    };
    const Row rows[] = {
        // in place, as long as the text
        {examplePlugin("upcase1251"), "abc \xE0\xFF\xB8 z\r\n", "ABC \xC0\xDF\xA8 Z\r\n"},
        // in place, shorter
        {examplePlugin("trimtrailing"), "a  \r\nb\t\r\n c d \t", "a\r\nb\r\n c d"},
        // a longer text of the plug-in's own; empty lines stay empty
        {examplePlugin("paragraphs"), "one\r\n\r\ntwo\r\n", "<p>one</p>\r\n\r\n<p>two</p>\r\n"},
        {examplePlugin("paragraphs"), "", ""},
        // an empty text of its own
        {testPlugin("empty"), "text", ""},
        // its writes to standard output do not get into the result
        {testPlugin("twin_a"), "x", "xA"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.library + " <- " + row.text);
        EXPECT_EQ(call(row.library, row.text), row.expected);
    }
}

TEST(PluginCall, ABigTextGoesBothWays)
{
    // More than any pipe holds, in both directions at once.
    std::string text;
    std::size_t lines = 0;
    for (; text.size() < 6'000'000; ++lines)
        text += "line \xE0\xE1\xE2 " + std::to_string(text.size()) + "\r\n";
    const std::string result = call(examplePlugin("paragraphs"), text);
    EXPECT_EQ(result.size(), text.size() + 7 * lines);
    EXPECT_EQ(result.compare(0, 10, "<p>line \xE0\xE1"), 0);
    EXPECT_EQ(result.substr(result.size() - 6), "</p>\r\n");
}

TEST(PluginCall, EveryFailureNamesItsReason)
{
    zuk::testing::TempFolder tmp;
    tmp.write("notalibrary.so", "this is not a shared library\n");
    struct Row {
        const char* name;
        std::string library;
        HandleDataLimits limits;
        std::string key;
        std::string part; // of the message
    };
    HandleDataLimits shortTime;
    shortTime.timeLimit = 300ms;
    HandleDataLimits smallCap;
    smallCap.resultCap = 10;
    const Row rows[] = {
        {"crash", testPlugin("crash"), {}, "sPluginCrashed", "SIGSEGV"},
        {"null result", testPlugin("nullresult"), {}, "sPluginNullResult", "nullresult.so"},
        {"no HandleData", testPlugin("nohandledata"), {}, "sPluginNoEntryPoint", "HandleData"},
        {"not a library", tmp.file("notalibrary.so"), {}, "sPluginCannotLoad", "notalibrary.so"},
        {"missing", tmp.file("missing.so"), {}, "sPluginCannotLoad", "missing.so"},
        {"endless", testPlugin("endless"), shortTime, "sPluginTimedOut", "endless.so"},
        {"too long", examplePlugin("paragraphs"), smallCap, "sPluginResultTooLong", "10"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto [key, message] = failureOf([&] { call(row.library, "some text", row.limits); });
        EXPECT_EQ(key, row.key);
        EXPECT_NE(message.find(row.part), std::string::npos) << message;
    }
}

TEST(PluginCall, CancelStopsARunningCall)
{
    std::atomic<bool> cancel{false};
    HandleDataLimits limits;
    limits.timeLimit = 60s;
    limits.cancel = &cancel;
    std::thread canceller([&cancel] {
        std::this_thread::sleep_for(200ms);
        cancel = true;
    });
    const auto started = std::chrono::steady_clock::now();
    const auto [key, message] = failureOf([&] { call(testPlugin("endless"), "x", limits); });
    canceller.join();
    EXPECT_EQ(key, "sPluginCancelled");
    EXPECT_LT(std::chrono::steady_clock::now() - started, 20s);
}

TEST(PluginCall, VersionInfoGivesTheNameOrFails)
{
    EXPECT_EQ(pluginVersionInfo(plughost(), examplePlugin("upcase1251")),
              "Верхний регистр (Windows-1251)");
    EXPECT_EQ(pluginVersionInfo(plughost(), testPlugin("unnamed")), "");
    EXPECT_EQ(failureOf([] { pluginVersionInfo(plughost(), testPlugin("nameless")); }).first,
              "sPluginNullResult");
    // A library without HandleData is no plug-in, even for its name.
    EXPECT_EQ(failureOf([] { pluginVersionInfo(plughost(), testPlugin("nohandledata")); }).first,
              "sPluginNoEntryPoint");
}

TEST(PluginCall, AMissingHelperIsAnIoError)
{
    EXPECT_THROW(
        pluginHandleData("/nonexistent/zuk-plughost", examplePlugin("upcase1251"), 1, "x", {}),
        zuk::IoError);
}

} // namespace
