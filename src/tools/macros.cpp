#include "tools/macros.h"

#include "io/linesfile.h"
#include "io/nocase.h"
#include "io/safefile.h"
#include "tools/commandline.h"
#include "tools/toolstexts.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <unordered_map>

namespace zuk::tools {

namespace {

// Replaces every `from` in `text` by `to` in place of the text; fails when
// the result would pass `cap`.
void replaceCapped(std::string& text, std::string_view from, std::string_view to, std::size_t cap)
{
    if (from.empty())
        return;
    std::size_t hit = text.find(from);
    if (hit == std::string::npos)
        return;
    if (to.size() <= from.size()) {
        // Shrinking or equal: done in place, writing behind the reading.
        char* d = text.data();
        std::size_t write = hit;
        std::size_t read = hit;
        while (hit != std::string::npos) {
            std::memmove(d + write, d + read, hit - read);
            write += hit - read;
            if (!to.empty())
                std::memcpy(d + write, to.data(), to.size());
            write += to.size();
            read = hit + from.size();
            hit = text.find(from, read);
        }
        std::memmove(d + write, d + read, text.size() - read);
        text.resize(write + text.size() - read);
        return;
    }
    std::string out;
    out.reserve(text.size() + (text.size() >> 4));
    std::size_t at = 0;
    while (hit != std::string::npos) {
        out.append(text, at, hit - at);
        out.append(to);
        if (out.size() > cap)
            throw MacroError(toolsMessages(), "sMacroTooBig");
        at = hit + from.size();
        hit = text.find(from, at);
    }
    out.append(text, at, std::string::npos);
    if (out.size() > cap)
        throw MacroError(toolsMessages(), "sMacroTooBig");
    text.swap(out);
}

bool isBlankOrBreak(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The built-in includes, in one pass over the text.
std::string expandIncludes(std::string_view text, const MacroContext& context, std::size_t cap)
{
    const std::string word = context.meta + "include";
    std::size_t hit = findNoCase(text, word);
    if (hit == std::string_view::npos)
        return std::string(text);
    std::unordered_map<std::string, std::string> read; // by the name as written
    std::string out;
    std::size_t at = 0;
    while (hit != std::string_view::npos) {
        out.append(text, at, hit - at);
        const bool exact = text.substr(hit, word.size()) == word;
        std::size_t quote = hit + word.size();
        while (quote < text.size() && (text[quote] == ' ' || text[quote] == '\t'))
            ++quote;
        std::size_t close = std::string_view::npos;
        if (quote < text.size() && text[quote] == '"')
            close = text.find_first_of("\"\r\n", quote + 1);
        if (close != std::string_view::npos && text[close] == '"' && close > quote + 1) {
            const std::string name(text.substr(quote + 1, close - quote - 1));
            auto known = read.find(name);
            if (known == read.end()) {
                if (!context.readInclude)
                    throw MacroError(toolsMessages(), "sMacroIncludeNotFile", {name});
                known = read.emplace(name, trimBlanksAndBreaks(context.readInclude(name))).first;
            }
            // The word in other letter cases stays, as a written-out reminder.
            if (!exact)
                out.append(text, hit, quote - hit);
            out += known->second;
            at = close + 1;
        } else {
            if (!exact)
                out.append(text, hit, word.size());
            at = hit + word.size();
        }
        if (out.size() > cap)
            throw MacroError(toolsMessages(), "sMacroTooBig");
        hit = findNoCase(text, word, at);
    }
    out.append(text, at, std::string_view::npos);
    return out;
}

} // namespace

MacroRules::MacroRules(const std::vector<std::string>& lines)
{
    struct Line {
        std::string key; // the line in small letters: the sort and sameness key
        const std::string* text;
    };
    std::vector<Line> sorted;
    sorted.reserve(lines.size());
    for (const std::string& line : lines)
        sorted.push_back({io::lowerWin(line), &line});
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Line& a, const Line& b) { return a.key < b.key; });
    sorted.erase(std::unique(sorted.begin(), sorted.end(),
                             [](const Line& a, const Line& b) { return a.key == b.key; }),
                 sorted.end());

    // Each name takes the value of the first line of the sorted list that has it.
    std::unordered_map<std::string, std::string> firstValue;
    for (const Line& line : sorted) {
        const std::size_t eq = line.text->find('=');
        if (eq == std::string::npos || eq == 0)
            continue;
        firstValue.emplace(line.key.substr(0, eq), line.text->substr(eq + 1));
    }
    for (const Line& line : sorted) {
        const std::size_t eq = line.text->find('=');
        if (eq == std::string::npos || eq == 0)
            continue;
        m_rules.push_back({line.text->substr(0, eq), firstValue.at(line.key.substr(0, eq))});
    }
}

void MacroRules::apply(std::string& text, std::size_t cap) const
{
    for (const Rule& rule : m_rules)
        replaceCapped(text, rule.name, rule.value, cap);
}

std::size_t expansionCap(std::size_t inputSize)
{
    return 64 * inputSize + (16u << 20);
}

std::string ExpandMacros(const std::optional<std::vector<std::string>>& macroLines,
                         std::string_view text, const MacroContext& context)
{
    if (!macroLines)
        return std::string(text);
    const std::size_t cap = expansionCap(text.size());
    std::string result;
    if (!context.meta.empty()) {
        result = expandIncludes(text, context, cap);
        replaceCapped(result, context.meta + "date", context.date, cap);
        replaceCapped(result, context.meta + "time", context.time, cap);
        replaceCapped(result, context.meta + "zukver", context.version, cap);
    } else {
        result = std::string(text);
    }
    MacroRules(*macroLines).apply(result, cap);
    return result;
}

std::optional<std::vector<std::string>> readMacroFile(const std::string& path)
{
    std::string bytes;
    if (!io::readFileBytesIfExists(path, bytes))
        return std::nullopt;
    return io::splitLines(bytes);
}

std::string readIncludeFile(const std::string& path, std::size_t maxBytes)
{
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(path, ec);
    if (ec)
        throw MacroError(toolsMessages(), "sMacroIncludeUnreadable", {path, ec.message()});
    if (!std::filesystem::is_regular_file(status))
        throw MacroError(toolsMessages(), "sMacroIncludeNotFile", {path});
    const auto size = std::filesystem::file_size(path, ec);
    if (ec || size > maxBytes)
        throw MacroError(toolsMessages(), "sMacroIncludeTooBig", {path});
    const std::string bytes = io::readFileBytes(path); // its failure names the file and the reason
    if (bytes.size() > maxBytes)
        throw MacroError(toolsMessages(), "sMacroIncludeTooBig", {path});
    return io::joinLines(io::splitLines(bytes));
}

std::string trimBlanksAndBreaks(std::string_view text)
{
    std::size_t from = 0;
    std::size_t to = text.size();
    while (from < to && isBlankOrBreak(text[from]))
        ++from;
    while (to > from && isBlankOrBreak(text[to - 1]))
        --to;
    return std::string(text.substr(from, to - from));
}

} // namespace zuk::tools
