#include "cli/registry.h"

#include "tools/macros.h"

#include <algorithm>
#include <ctime>
#include <string>

namespace zuk::cli {

namespace {

// The date and the time the way the editor's Russian setting writes them.
std::string nowAs(const char* format)
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    char text[64];
    const std::size_t size = std::strftime(text, sizeof text, format, &parts);
    return std::string(text, size);
}

std::string expandMacros(Invocation& call)
{
    tools::MacroContext context;
    context.meta = call.option("meta", "@");
    context.date = nowAs("%d.%m.%Y");
    context.time = nowAs("%H:%M:%S");
    std::string version = ZUK_VERSION;
    while (std::count(version.begin(), version.end(), '.') < 3)
        version += ".0";
    context.version = "Zuk build no. " + version;
    // Included files are named as the shell would name them: relative to the
    // current folder.
    context.readInclude = [](const std::string& name) { return tools::readIncludeFile(name); };
    return tools::ExpandMacros(tools::readMacroFile(call.option("macros")), call.input, context);
}

const FunctionRegistration kToolFunctions{
    {"expand-macros",
     FunctionKind::Text,
     "Expand the macros: @include \"FILE\", @date, @time, @zukver, then the name=value lines "
     "of the macro file (a missing macro file leaves the text as it is).",
     {{"macros", true, true, false, "FILE", "the macro file (makros.txt)"},
      {"meta", true, false, true, "C", "the meta character (default @)"}},
     expandMacros},
};

} // namespace

} // namespace zuk::cli
