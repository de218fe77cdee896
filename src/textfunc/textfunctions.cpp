#include "textfunc/textfunctions.h"

namespace zuk::textfunc {

namespace {

bool isBlank(char c)
{
    return static_cast<unsigned char>(c) <= 0x20;
}

} // namespace

std::string CollapseSpaces(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == ' ' && !out.empty() && out.back() == ' ')
            continue;
        out.push_back(c);
    }
    return out;
}

std::string KillFormat(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    bool pendingBlank = false;
    for (char c : text) {
        if (isBlank(c)) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank)
            out.push_back(' ');
        pendingBlank = false;
        out.push_back(c);
    }
    return out;
}

std::string HardWrap(std::string_view text, int width)
{
    auto isBreak = [](char c) { return c == ' ' || c == '-' || c == '\t'; };
    auto isQuote = [](char c) { return c == '"' || c == '\''; };

    const std::size_t n = text.size();
    std::string out;
    out.reserve(n + n / 8);

    // Positions are indexes into text; b == npos stands for "no break seen yet".
    constexpr std::size_t none = std::string_view::npos;
    long long column = 1;
    std::size_t p = 0, s = 0, b = none;
    char quote = 0;
    bool existingBreak = false;

    while (p < n) {
        const char c = text[p];
        if (c == '\r' && quote == 0) {
            if (p + 1 < n && text[p + 1] == '\n') {
                existingBreak = true;
                ++p;
                b = p;
            }
        } else if (isBreak(c) && quote == 0) {
            b = p;
        } else if (isQuote(c)) {
            if (c == quote)
                quote = 0;
            else if (quote == 0)
                quote = c;
        }
        const char examined = text[p];
        ++p;
        ++column;
        if (quote == 0 && (existingBreak || (column > width && b != none && b > s))) {
            out.append(text.substr(s, b - s + 1));
            column = static_cast<long long>(p - b);
            if (!isQuote(examined)) {
                while (p < n && (isBreak(text[p]) || text[p] == '\r' || text[p] == '\n'))
                    ++p;
            }
            if (!existingBreak && p < n)
                out.append("\r\n");
            s = b + 1;
            existingBreak = false;
        }
    }
    if (s < n)
        out.append(text.substr(s));
    return out;
}

std::string TabsToSpaces(std::string_view text, int spacesPerTab)
{
    const std::size_t count = spacesPerTab > 0 ? static_cast<std::size_t>(spacesPerTab) : 0;
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\t')
            out.append(count, ' ');
        else
            out.push_back(c);
    }
    return out;
}

std::string PairedToStraightQuotes(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '\xAB' || c == '\xBB')
            c = '"';
    }
    return out;
}

std::string StraightToPairedQuotes(std::string_view text)
{
    std::string out(text);
    bool opening = true;
    for (char& c : out) {
        if (c == '"') {
            c = opening ? '\xAB' : '\xBB';
            opening = !opening;
        }
    }
    return out;
}

std::string EscapeLessThan(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '<')
            out.append("&lt;");
        else
            out.push_back(c);
    }
    return out;
}

std::string StripTags(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (;;) {
        const std::size_t lt = text.find('<', from);
        if (lt == std::string_view::npos)
            break;
        const std::size_t gt = text.find('>', lt + 1);
        if (gt == std::string_view::npos)
            break;
        out.append(text.substr(from, lt - from));
        from = gt + 1;
    }
    out.append(text.substr(from));
    return out;
}

std::string WinPathToUnix(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        switch (c) {
        case '"':
        case '/':
        case ':':
        case '<':
        case '>':
        case '|':
            c = '_';
            break;
        case '\\':
            c = '/';
            break;
        default:
            break;
        }
    }
    return out;
}

std::string UnixPathToWin(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        switch (c) {
        case '"':
        case ':':
        case '<':
        case '>':
        case '\\':
        case '|':
            c = '_';
            break;
        case '/':
            c = '\\';
            break;
        default:
            break;
        }
    }
    return out;
}

std::string RussianAlphabet()
{
    std::string out;
    for (int c = 0xC0; c <= 0xFF; ++c)
        out += static_cast<char>(c);
    return out;
}

std::string EnglishAlphabet()
{
    std::string out;
    for (int c = 0x41; c <= 0x7A; ++c)
        out += static_cast<char>(c);
    return out;
}

} // namespace zuk::textfunc
