#include "cli/registry.h"

#include "analyzer/asimplestat.h"

#include <string>

namespace zuk::cli {

namespace {

// The analyzer's report, every line followed by CR LF; nothing for an empty text.
std::string wordStats(Invocation& call)
{
    if (call.input.empty())
        return {};
    analyzer::CASimpleStat stat(std::move(call.input));
    stat.setDecimalSeparator('.');
    analyzer::LinesSink sink;
    stat.Report(sink);
    std::string out;
    for (const std::string& line : sink.lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

const FunctionRegistration kAnalyzerFunctions{
    {"word-stats",
     FunctionKind::Text,
     "Word statistics: totals, distinct words, their ratio, the mean length and every word "
     "with its count, most frequent first (case folded).",
     {},
     wordStats},
};

} // namespace

} // namespace zuk::cli
