#include "highlight/cfontcolors.h"

#include "base/zukerror.h"
#include "highlight/highlighttexts.h"
#include "io/linesfile.h"
#include "io/nocase.h"
#include "io/safefile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

namespace zuk::highlight {

namespace {

bool parseColour(std::string value, int32_t& out)
{
    const size_t b = value.find_first_not_of(" \t");
    const size_t e = value.find_last_not_of(" \t");
    if (b == std::string::npos)
        return false;
    value = value.substr(b, e - b + 1);
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(value.c_str(), &end, 10);
    if (errno != 0 || end != value.c_str() + value.size() || v < INT32_MIN || v > INT32_MAX)
        return false;
    out = static_cast<int32_t>(v);
    return true;
}

} // namespace

CFontCOlors::CFontCOlors(std::string folder) : m_folder(std::move(folder))
{
    reload();
}

void CFontCOlors::reload()
{
    Schemes.clear();
    std::error_code ec;
    std::vector<std::filesystem::path> files;
    for (std::filesystem::directory_iterator it(m_folder, ec), end; !ec && it != end;
         it.increment(ec))
        if (it->is_regular_file(ec))
            files.push_back(it->path());
    std::sort(files.begin(), files.end());
    for (const auto& p : files) {
        std::string bytes;
        try {
            bytes = io::readFileBytes(p.string());
        } catch (const ZukError&) {
            continue;
        }
        Schemes.push_back(parseColorStyle(p.filename().string(), bytes));
    }
}

const CColorStyle* CFontCOlors::findByName(const std::string& name) const
{
    for (auto it = Schemes.rbegin(); it != Schemes.rend(); ++it)
        if (it->Name == name)
            return &*it;
    return nullptr;
}

CColorStyle parseColorStyle(const std::string& name, const std::string& bytes)
{
    CColorStyle style;
    style.Name = name;
    struct Key {
        const char* name;
        int32_t* field = nullptr; // a main colour, or
        size_t token = 0;         // the text style position of a token colour
        bool seen = false;
    };
    std::vector<Key> keys{{"FontColor", &style.FontColor},
                          {"BackColor", &style.BackColor},
                          {"SelFontColor", &style.SelFontColor},
                          {"SelBackColor", &style.SelBackColor}};
    for (size_t pos = 0; pos < kTextStyleCount; ++pos)
        if (isTokenStyle(pos))
            keys.push_back({builtInTextStyles()[pos].Name.c_str(), nullptr, pos});
    for (const std::string& line : io::splitLines(bytes)) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string key = line.substr(0, eq);
        key.erase(0, key.find_first_not_of(" \t"));
        key.erase(key.find_last_not_of(" \t") + 1);
        for (Key& k : keys) {
            if (k.seen || !io::equalNoCaseWin(key, k.name))
                continue;
            k.seen = true;
            int32_t v = 0;
            if (!parseColour(line.substr(eq + 1), v))
                continue;
            if (k.field)
                *k.field = v;
            else
                style.TokenColors[k.token] = v;
        }
    }
    return style;
}

std::string formatColorStyle(const CColorStyle& style)
{
    std::string out = "FontColor=" + std::to_string(style.FontColor) +
                      "\r\nBackColor=" + std::to_string(style.BackColor) +
                      "\r\nSelFontColor=" + std::to_string(style.SelFontColor) +
                      "\r\nSelBackColor=" + std::to_string(style.SelBackColor) + "\r\n";
    for (size_t pos = 0; pos < kTextStyleCount; ++pos)
        if (isTokenStyle(pos) && style.TokenColors[pos])
            out += builtInTextStyles()[pos].Name + "=" + std::to_string(*style.TokenColors[pos]) +
                   "\r\n";
    return out;
}

void saveColorStyle(const std::string& path, const CColorStyle& style)
{
    io::writeFileAtomically(path, formatColorStyle(style));
}

bool deleteColorStyle(const std::string& folder, const std::string& name)
{
    if (name.empty() || name.find('/') != std::string::npos)
        return false;
    const std::filesystem::path path = std::filesystem::path(folder) / name;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec))
        return false;
    if (!std::filesystem::remove(path, ec))
        throw IoError(highlightMessages(), "sCannotDeleteColorStyle",
                      {path.string(), ec.message()});
    return true;
}

} // namespace zuk::highlight
