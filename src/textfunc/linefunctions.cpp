#include "textfunc/linefunctions.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "textfunc/casefunctions.h"
#include "textfunc/collation.h"
#include "textfunc/textfunctexts.h"

#include <algorithm>

namespace zuk::textfunc {

namespace {

bool isBlankLine(std::string_view line)
{
    return std::all_of(line.begin(), line.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

} // namespace

Lines DeleteEmptyLines(const Lines& lines)
{
    Lines out;
    out.reserve(lines.size());
    for (const std::string& line : lines) {
        if (!isBlankLine(line))
            out.push_back(line);
    }
    return out;
}

Lines EncloseLines(const Lines& lines, std::string_view before, std::string_view after)
{
    Lines out;
    out.reserve(lines.size());
    for (const std::string& line : lines) {
        std::string s;
        s.reserve(before.size() + line.size() + after.size());
        s.append(before).append(line).append(after);
        out.push_back(std::move(s));
    }
    return out;
}

Lines NumberLines(const Lines& lines)
{
    Lines out;
    out.reserve(lines.size());
    std::size_t k = 0;
    for (const std::string& line : lines)
        out.push_back(std::to_string(++k) + ' ' + line);
    return out;
}

std::string ReverseText(std::string_view text)
{
    return std::string(text.rbegin(), text.rend());
}

Lines ReverseLines(const Lines& lines)
{
    return Lines(lines.rbegin(), lines.rend());
}

Lines Anagrams(std::string_view text, std::string_view countLine)
{
    if (text.size() > MaxAnagramLength)
        throw FormatError(textFunctionMessages(), "sAnagramTooLong",
                          {std::to_string(MaxAnagramLength)});
    Lines current;
    if (!text.empty()) {
        current.emplace_back(1, text[0]);
        for (std::size_t i = 1; i < text.size(); ++i) {
            const char c = text[i];
            // Every new string goes to the front, so build back to front and
            // reverse once instead of inserting at the head of a vector.
            Lines next;
            next.reserve(current.size() * (i + 1));
            for (const std::string& s : current) {
                for (std::size_t pos = 0; pos <= s.size(); ++pos) {
                    std::string t = s;
                    t.insert(t.begin() + static_cast<std::ptrdiff_t>(pos), c);
                    next.push_back(std::move(t));
                }
            }
            std::reverse(next.begin(), next.end());
            current = std::move(next);
        }
    }
    const std::size_t count = current.size();
    current.push_back(formatText(countLine, {std::to_string(count)}));
    return current;
}

Lines Anagrams(std::string_view text)
{
    static const std::string countLine =
        codepages::utf8ToWin(textFunctionMessages().builtIn("sAnagramsFound"));
    return Anagrams(text, countLine);
}

std::string DeleteWordEverywhere(std::string_view text, std::string_view word,
                                 codepages::CodePage cp)
{
    if (word.empty() || word.size() > text.size())
        return std::string(text);
    const CaseTable fold = inCodePage(Cp1251Upper, cp);
    auto upper = [&fold](std::string_view s) {
        std::string u(s);
        mapBytesInPlace(u, fold);
        return u;
    };
    // Deleting an occurrence and searching on from the same place never looks
    // back, so this is removing every non-overlapping occurrence left to right.
    const std::string upText = upper(text);
    const std::string upWord = upper(word);
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = upText.find(upWord, from);
        if (at == std::string::npos)
            break;
        out.append(text.substr(from, at - from));
        from = at + upWord.size();
    }
    out.append(text.substr(from));
    return out;
}

Lines SortLines(Lines lines)
{
    std::sort(lines.begin(), lines.end(), CollatedLess());
    return lines;
}

Lines SortLinesDescending(Lines lines)
{
    lines = SortLines(std::move(lines));
    std::reverse(lines.begin(), lines.end());
    return lines;
}

Lines SplitPieces(std::string_view text, char delimiter)
{
    Lines pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t at = text.find(delimiter, start);
        if (at == std::string_view::npos) {
            if (start < text.size())
                pieces.emplace_back(text.substr(start));
            break;
        }
        pieces.emplace_back(text.substr(start, at - start));
        start = at + 1;
    }
    return pieces;
}

Lines SortParagraphs(std::string_view text, char delimiter)
{
    return SortLines(SplitPieces(text, delimiter));
}

std::string QScriptToCommandLine(const Lines& lines)
{
    std::string out;
    for (const std::string& line : lines)
        out.append(1, '|').append(line);
    return out;
}

Lines CommandLineToQScript(std::string_view text)
{
    return SplitPieces(text, '|');
}

} // namespace zuk::textfunc
