#include "plugins/plugincall.h"

#include "platform/helperprocess.h"
#include "platform/programfolder.h"
#include "plugins/plughostwire.h"
#include "plugins/plugintexts.h"

#include <algorithm>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace zuk::plugins {

namespace {

// Room for the loader's reason when a library does not load.
constexpr std::uint64_t kReasonCap = 65536;
constexpr std::uint64_t kNameCap = 4096;

std::string fileNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string wholeSeconds(std::chrono::milliseconds limit)
{
    return std::to_string((std::max<long long>(limit.count(), 1) + 999) / 1000);
}

[[noreturn]] void fail(std::string_view key, std::vector<std::string> args)
{
    throw PluginError(pluginMessages(), key, std::move(args));
}

struct Call {
    std::string helper;
    std::string library;
    std::vector<std::string> args;
    std::string_view input;
    std::chrono::milliseconds timeLimit{0};
    std::uint64_t cap = 0;
    const std::atomic<bool>* cancel = nullptr;
};

// Runs the helper and returns the payload of an Ok answer; every other end
// of the call is thrown as the reason the user sees.
std::string run(const Call& call)
{
    const std::string shown = fileNameOf(call.library);
    const std::uint64_t maxPayload = std::max(call.cap, kReasonCap);
    platform::HelperRun helperRun;
    helperRun.program = call.helper;
    helperRun.args = call.args;
    helperRun.input = call.input;
    helperRun.outputCap = static_cast<std::size_t>(wire::kHeaderSize + maxPayload);
    // Results are mostly about as long as the text.
    helperRun.outputReserve = wire::kHeaderSize + call.input.size();
    helperRun.timeLimit = call.timeLimit;
    helperRun.cancel = call.cancel;
    helperRun.complete = [maxPayload](std::string_view output) {
        wire::Answer answer;
        return wire::parseAnswer(output, maxPayload, answer) != wire::Parse::Incomplete;
    };
    platform::HelperOutcome outcome = platform::runHelper(helperRun);

    using End = platform::HelperOutcome::End;
    switch (outcome.end) {
    case End::Complete:
        break;
    case End::Signalled:
        fail("sPluginCrashed", {shown, platform::signalName(outcome.status)});
    case End::TimedOut:
        fail("sPluginTimedOut", {shown, wholeSeconds(call.timeLimit)});
    case End::Cancelled:
        fail("sPluginCancelled", {shown});
    case End::OutputTooLong:
        fail("sPluginResultTooLong", {shown, std::to_string(call.cap)});
    case End::Exited:
        fail("sPluginNoAnswer", {shown, std::to_string(outcome.status)});
    }

    wire::Answer answer;
    if (wire::parseAnswer(outcome.output, maxPayload, answer) != wire::Parse::Complete)
        fail("sPluginBadAnswer", {shown});
    switch (answer.status) {
    case wire::Status::Ok:
        break;
    case wire::Status::CannotLoad:
        fail("sPluginCannotLoad", {shown, std::string(answer.payload)});
    case wire::Status::NoVersionInfo:
        fail("sPluginNoEntryPoint", {shown, "VersionInfo"});
    case wire::Status::NoHandleData:
        fail("sPluginNoEntryPoint", {shown, "HandleData"});
    case wire::Status::NullResult:
        fail("sPluginNullResult", {shown});
    case wire::Status::TooLong:
        fail("sPluginResultTooLong", {shown, std::to_string(call.cap)});
    case wire::Status::BadRequest:
        fail("sPluginBadAnswer", {shown});
    }
    if (answer.payload.size() > call.cap)
        fail("sPluginResultTooLong", {shown, std::to_string(call.cap)});
    std::string payload = std::move(outcome.output);
    payload.erase(0, wire::kHeaderSize);
    return payload;
}

} // namespace

std::string defaultHelperPath()
{
    const std::string folder = platform::executableFolder();
    const std::string found = platform::programHelperPath(folder, "zuk-plughost", X_OK);
    return found.empty() ? folder + "zuk-plughost" : found;
}

std::string pluginVersionInfo(const std::string& helper, const std::string& library,
                              std::chrono::milliseconds timeLimit)
{
    Call call;
    call.helper = helper;
    call.library = library;
    call.args = {std::string(wire::kVersionMode), library, wholeSeconds(timeLimit)};
    call.timeLimit = timeLimit;
    call.cap = kNameCap;
    return run(call);
}

std::string pluginHandleData(const std::string& helper, const std::string& library,
                             std::uintptr_t handle, const std::string& text,
                             const HandleDataLimits& limits)
{
    Call call;
    call.helper = helper;
    call.library = library;
    call.args = {std::string(wire::kHandleMode),      library,
                 std::to_string(handle ? handle : 1), wholeSeconds(limits.timeLimit),
                 std::to_string(limits.resultCap),    std::to_string(text.size())};
    call.input = text;
    call.timeLimit = limits.timeLimit;
    call.cap = limits.resultCap;
    call.cancel = limits.cancel;
    return run(call);
}

} // namespace zuk::plugins
