#include "cli/registry.h"
#include "cli/streamio.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/linesfile.h"
#include "textfunc/casefunctions.h"
#include "tools/replace.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace zuk::cli {

namespace {

const tools::FoldTable kFold = textfunc::Cp1251Lower;

std::string replace(Invocation& call)
{
    return tools::ReplaceAll(call.input, call.option("find"), call.option("with"),
                             call.has("ignore-case") ? &kFold : nullptr);
}

std::vector<tools::ReplaceRule> listRules(const Invocation& call)
{
    std::vector<std::string> lines = io::readLinesFile(call.option("list"));
    // The list is text like the input: with --utf8 it is read as UTF-8 too.
    if (call.utf8)
        for (std::string& line : lines)
            line = codepages::utf8ToWin(line);
    return tools::parseReplaceList(lines, kFold);
}

std::string multiReplace(Invocation& call)
{
    return tools::MultiReplace(call.input, listRules(call));
}

// Both over a stream, in pieces of a megabyte: a big input costs neither its
// size in memory nor the time to take it in whole before the first byte out.
void streamThrough(tools::ReplaceStream& replacer, int inFd, int outFd)
{
    std::vector<char> buffer(1 << 20);
    std::string out;
    auto flush = [&out, outFd] {
        if (!writeAll(outFd, out))
            throw IoError(std::string("Cannot write to standard output: ") + std::strerror(errno));
        out.clear();
    };
    for (;;) {
        const ssize_t got = ::read(inFd, buffer.data(), buffer.size());
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(std::string("Cannot read the input: ") + std::strerror(errno));
        }
        replacer.put(std::string_view(buffer.data(), static_cast<std::size_t>(got)), out);
        flush();
    }
    replacer.finish(out);
    flush();
}

void replaceStream(Invocation& call, int inFd, int outFd)
{
    tools::ReplaceStream replacer(call.option("find"), call.option("with"),
                                  call.has("ignore-case") ? &kFold : nullptr);
    streamThrough(replacer, inFd, outFd);
}

void multiReplaceStream(Invocation& call, int inFd, int outFd)
{
    const tools::MultiReplacer rules(listRules(call), nullptr);
    tools::ReplaceStream replacer(rules);
    streamThrough(replacer, inFd, outFd);
}

const FunctionRegistration kSearchFunctions{
    FunctionSpec(
        "replace", FunctionKind::Text,
        "Replace every occurrence of a text, left to right, without looking again at "
        "what was put in; an empty --find changes nothing.",
        {{"find", true, true, true, "A", "the text to find"},
         {"with", true, true, true, "B", "what replaces it (may be empty)"},
         {"ignore-case", false, false, false, "", "letter case ignored (Windows-1251 letters)"}},
        replace)
        .streaming(replaceStream),
    FunctionSpec("multi-replace", FunctionKind::Text,
                 "Apply the name=value lines of a list in order, each replacing every "
                 "occurrence of its name; a name given twice takes the first line's value "
                 "(names compared without regard to letter case); lines without \"=\" or with "
                 "an empty name do nothing.",
                 {{"list", true, true, false, "FILE", "the multi-replace list"}}, multiReplace)
        .streaming(multiReplaceStream),
};

} // namespace

} // namespace zuk::cli
