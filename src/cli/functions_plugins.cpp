#include "cli/registry.h"

#include "plugins/plugincall.h"

#include <chrono>
#include <climits>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace zuk::cli {

namespace {

constexpr long long kDefaultTimeout = 10;
constexpr long long kMaxTimeout = 24 * 60 * 60;

// The helper resolves a relative name against its own working folder, which
// is ours; an absolute path keeps the message about it unambiguous.
std::string absolute(const std::string& path)
{
    if (!path.empty() && path[0] == '/')
        return path;
    char here[PATH_MAX];
    if (!::getcwd(here, sizeof here))
        return path;
    return std::string(here) + "/" + path;
}

std::string plugin(Invocation& call)
{
    const long long seconds = call.intOption("timeout", kDefaultTimeout);
    if (seconds < 1 || seconds > kMaxTimeout)
        throw UsageError("the value of --timeout must be between 1 and " +
                         std::to_string(kMaxTimeout) + " seconds");
    plugins::HandleDataLimits limits;
    limits.timeLimit = std::chrono::seconds(seconds);
    return plugins::pluginHandleData(plugins::defaultHelperPath(), absolute(call.option("library")),
                                     1, call.input, limits);
}

const FunctionRegistration kPluginFunctions{
    {"plugin",
     FunctionKind::Text,
     "Runs a plug-in library (a .so exporting VersionInfo and HandleData) on the text, in a "
     "helper process as the editor's plug-in menu does, and writes its result. A library that "
     "does not load, lacks an entry point, crashes, runs past the timeout or gives no text is "
     "a failure.",
     {{"library", true, true, false, "FILE", "the plug-in library"},
      {"timeout", true, false, false, "SECONDS", "how long the plug-in may run (default 10)"}},
     plugin},
};

} // namespace

} // namespace zuk::cli
