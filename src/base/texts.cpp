#include "base/texts.h"

namespace zuk {

namespace {
constexpr std::string_view kPlaceholder = "%s";
}

const TextRow* TextTable::find(std::string_view key) const
{
    for (const TextRow& row : rows)
        if (row.key == key)
            return &row;
    return nullptr;
}

std::string TextTable::builtIn(std::string_view key) const
{
    const TextRow* row = find(key);
    return row ? std::string(row->builtIn) : std::string();
}

std::string formatText(std::string_view pattern, const std::vector<std::string>& args)
{
    std::string out;
    out.reserve(pattern.size() + 16);
    std::size_t next = 0;
    std::size_t from = 0;
    while (next < args.size()) {
        const std::size_t at = pattern.find(kPlaceholder, from);
        if (at == std::string_view::npos)
            break;
        out.append(pattern.substr(from, at - from));
        out += args[next++];
        from = at + kPlaceholder.size();
    }
    out.append(pattern.substr(from));
    return out;
}

std::string shortForMessage(std::string_view utf8, std::size_t max)
{
    std::size_t cut = utf8.size();
    if (cut > max) {
        cut = max;
        while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
            --cut;
    }
    std::string out(utf8.substr(0, cut));
    for (char& c : out)
        if (c == '\r' || c == '\n' || c == '\t')
            c = ' ';
    if (cut < utf8.size())
        out += "...";
    return out;
}

int placeholderCount(std::string_view pattern)
{
    int n = 0;
    for (std::size_t at = pattern.find(kPlaceholder); at != std::string_view::npos;
         at = pattern.find(kPlaceholder, at + kPlaceholder.size()))
        ++n;
    return n;
}

} // namespace zuk
