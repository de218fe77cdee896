#include "highlight/schemefile.h"

#include "highlight/csynman.h"
#include "highlight/highlighttexts.h"
#include "io/linesfile.h"
#include "io/nocase.h"
#include "io/safefile.h"
#include "textfunc/casefunctions.h"

#include <algorithm>
#include <unordered_set>

namespace zuk::highlight {

namespace {

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view trimmed(std::string_view s)
{
    size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

// One leading and one trailing double quote go, each when present.
std::string unquoted(std::string_view s)
{
    if (!s.empty() && s.front() == '"')
        s.remove_prefix(1);
    if (!s.empty() && s.back() == '"')
        s.remove_suffix(1);
    return std::string(s);
}

std::string upperWin(std::string_view s)
{
    std::string out(s);
    textfunc::mapBytesInPlace(out, textfunc::Cp1251Upper);
    return out;
}

bool isIdentifier(std::string_view s)
{
    auto letter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
    };
    if (s.empty() || !letter(s[0]))
        return false;
    return std::all_of(s.begin() + 1, s.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

[[noreturn]] void cannotParse()
{
    throw SchemeParseError(highlightMessages(), "sCannotParseSchemeFile");
}

} // namespace

std::vector<std::string> splitAtSpaces(std::string_view text)
{
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        const size_t sp = text.find(' ', start);
        if (sp == std::string_view::npos) {
            pieces.emplace_back(text.substr(start));
            return pieces;
        }
        pieces.emplace_back(text.substr(start, sp - start));
        start = sp + 1;
    }
}

SplitScheme SplitSchemeFile(const std::vector<std::string>& lines)
{
    SplitScheme out;
    bool inHeader = true;
    for (const std::string& line : lines) {
        if (line.empty())
            continue;
        if (inHeader) {
            if (line[0] == '/')
                out.headerLines.push_back(line);
            else
                inHeader = false; // this line closes the header and is not a keyword line
            continue;
        }
        for (std::string& piece : splitAtSpaces(line))
            out.keywords.push_back(std::move(piece));
    }
    if (out.headerLines.empty())
        cannotParse();
    return out;
}

RSynHeader ParseSchemeHeader(const std::vector<std::string>& headerLines)
{
    if (headerLines.empty())
        cannotParse();
    RSynHeader h;
    const std::vector<std::string> tokens = splitAtSpaces(headerLines[0]);
    const size_t n = tokens.size();
    auto at = [&](size_t i) -> const std::string& {
        if (i >= n)
            cannotParse();
        return tokens[i];
    };

    const std::string& first = tokens[0];
    const size_t quote = first.size() > 5 ? first.find('"', 5) : std::string::npos;
    if (quote != std::string::npos)
        h.Name = first.substr(5, quote - 5);

    for (size_t i = 0; i < n; ++i) {
        const std::string& t = tokens[i];
        if (t == "Line" && at(i + 1) == "Comment" && at(i + 2) == "=")
            h.LineComment = at(i + 3);
        else if (t == "Block" && at(i + 2) == "On" && at(i + 3) == "=")
            h.BlockCommentOn = at(i + 4);
        else if (t == "Block" && at(i + 2) == "Off" && at(i + 3) == "=")
            h.BlockCommentOff = at(i + 4);
        else if (t == "String" && at(i + 1) == "Chars" && at(i + 2) == "=")
            h.StringChars = at(i + 3);
        else if (t == "File" && at(i + 1) == "Extensions" && at(i + 2) == "=") {
            for (size_t j = i + 3; j < n; ++j)
                h.Extensions += " " + tokens[j];
        } else if (t == "Nocase")
            h.CaseSensitive = false;
    }

    static constexpr std::string_view kDelimiters = "/Delimiters = ";
    for (size_t i = 1; i < headerLines.size(); ++i) {
        const size_t found = headerLines[i].find(kDelimiters);
        if (found != std::string::npos)
            h.Delimiters = headerLines[i].substr(found + kDelimiters.size());
    }
    return h;
}

void TIniScaner::Scan(const std::string& path, const IniScanCallback& callback)
{
    ScanText(io::readFileBytes(path), callback);
}

void TIniScaner::ScanText(std::string_view text, const IniScanCallback& callback)
{
    std::string section, key, value;
    bool afterEquals = false;
    bool inQuotes = false; // deliberately never reset: an odd quote carries over
    const size_t n = text.size();
    size_t pos = 0;

    auto emit = [&](IniEvent kind) {
        bool go = true;
        callback(section, key, value, kind, go);
        return go;
    };

    while (pos < n) {
        const char c = text[pos];
        if (c == ' ' || c == '\t') {
            ++pos;
        } else if (c == '\r' || c == '\n') {
            afterEquals = false;
            ++pos;
        } else if (c == ';') {
            const size_t lf = text.find('\n', pos);
            pos = lf == std::string_view::npos ? n : lf + 1;
        } else if (c == '=') {
            afterEquals = true;
            ++pos;
        } else if (c == '[') {
            if (afterEquals) {
                ++pos;
                continue;
            }
            size_t end = text.find(']', pos + 1);
            if (end == std::string_view::npos)
                end = n;
            section = unquoted(upperWin(trimmed(text.substr(pos + 1, end - pos - 1))));
            key.clear();
            value.clear();
            if (!emit(IniEvent::Section))
                return;
            pos = end + 1;
        } else if (afterEquals) {
            size_t p = pos;
            for (; p < n; ++p) {
                const char ch = text[p];
                if (ch == '"')
                    inQuotes = !inQuotes;
                else if (!inQuotes && (ch == '\r' || ch == ';'))
                    break;
            }
            value = unquoted(trimmed(text.substr(pos, p - pos)));
            afterEquals = false;
            if (!emit(IniEvent::Value))
                return;
            pos = p + 1;
        } else {
            size_t p = pos;
            for (; p < n; ++p) {
                const auto ch = static_cast<unsigned char>(text[p]);
                if (ch == '"')
                    inQuotes = !inQuotes;
                else if (!inQuotes && (ch < 32 || ch == 127 || ch == ' ' || ch == ';' || ch == '='))
                    break;
            }
            key = unquoted(upperWin(trimmed(text.substr(pos, p - pos))));
            value.clear();
            if (p < n && text[p] == '=')
                afterEquals = true;
            if (!emit(IniEvent::Key))
                return;
            pos = p + 1;
        }
    }
}

std::vector<std::string> iniKeywordsFromText(std::string_view text)
{
    std::string collected;
    TIniScaner::ScanText(text, [&collected](std::string&, std::string& key, std::string& value,
                                            IniEvent kind, bool&) {
        if (kind == IniEvent::Value && key == "KEYWORDS")
            collected += " " + value;
    });
    std::vector<std::string> keywords;
    for (const std::string& piece : splitAtSpaces(collected)) {
        const std::string_view word = trimmed(piece);
        if (isIdentifier(word))
            keywords.emplace_back(word);
    }
    return keywords;
}

std::vector<std::string> LoadIniKeywords(const std::string& path)
{
    return iniKeywordsFromText(io::readFileBytes(path));
}

std::vector<std::string> normalizeKeywords(const std::vector<std::string>& keywords)
{
    std::vector<std::string> out;
    std::unordered_set<std::string> seen;
    for (const std::string& k : keywords) {
        const std::string_view word = trimmed(k);
        if (word.empty() || !seen.insert(io::lowerWin(word)).second)
            continue;
        out.emplace_back(word);
    }
    std::sort(out.begin(), out.end());
    return out;
}

SchemeDefinition loadSchemeFile(const std::string& path)
{
    const std::string bytes = io::readFileBytes(path);
    if (trimmed(bytes).empty())
        cannotParse();
    SchemeDefinition def;
    if (HasExtension(path, ".shl")) {
        def.format = SchemeFormat::Ini;
        def.keywords = normalizeKeywords(iniKeywordsFromText(bytes));
        return def;
    }
    const std::vector<std::string> lines = io::splitLines(bytes);
    if (lines.empty())
        cannotParse();
    if (lines[0].find(kHeaderMarker) != std::string::npos) {
        const SplitScheme split = SplitSchemeFile(lines);
        def.format = SchemeFormat::Header;
        def.header = ParseSchemeHeader(split.headerLines);
        def.caseSensitive = def.header.CaseSensitive;
        def.plainNumbers = true;
        def.keywords = normalizeKeywords(split.keywords);
        return def;
    }
    def.format = SchemeFormat::KeywordList;
    def.keywords = normalizeKeywords(lines);
    return def;
}

bool readSchemeHeader(const std::string& path, RSynHeader& header)
{
    try {
        std::string bytes;
        if (!io::readFileBytesIfExists(path, bytes))
            return false;
        const std::vector<std::string> lines = io::splitLines(bytes);
        if (lines.empty() || lines[0].find(kHeaderMarker) == std::string::npos)
            return false;
        header = ParseSchemeHeader(SplitSchemeFile(lines).headerLines);
        return true;
    } catch (const ZukError&) {
        return false;
    }
}

} // namespace zuk::highlight
