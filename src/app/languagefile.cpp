#include "app/languagefile.h"

#include "app/textservice.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/nocase.h"

#include <vector>

namespace zuk::app {

namespace {

std::string toWin(std::string_view key, std::string_view utf8)
{
    const std::string bytes = codepages::utf8ToWin(std::string(utf8));
    if (codepages::winToUtf8(bytes) != utf8)
        throw ZukError(std::string(key) + ": the English text has a character Windows-1251 lacks");
    return bytes;
}

// The profile reader drops blanks around a value and one pair of quotes: a
// text that must keep its blanks goes inside quotes.
std::string valueOf(std::string bytes)
{
    const bool padded = !bytes.empty() && (bytes.front() == ' ' || bytes.back() == ' ' ||
                                           (bytes.front() == '"' && bytes.back() == '"'));
    return padded ? '"' + bytes + '"' : bytes;
}

} // namespace

std::string englishLanguageFile()
{
    std::string out =
        "; Zuk interface language: English.\r\n"
        "; Made from the program's text tables; every key is a component name,\r\n"
        "; \"caption\" (a window's title), name.hint (a tool tip) or a message (s...).\r\n";
    // Sections in the order they first appear; tables of one section together.
    std::vector<std::string_view> sections;
    for (const TextTable* t : allTextTables()) {
        bool known = false;
        for (std::string_view s : sections)
            known = known || io::equalNoCaseUtf8(s, t->section);
        if (!known)
            sections.push_back(t->section);
    }
    for (std::string_view section : sections) {
        out += "\r\n[" + std::string(section) + "]\r\n";
        for (const TextTable* t : allTextTables()) {
            if (!io::equalNoCaseUtf8(t->section, section))
                continue;
            for (const TextRow& row : t->rows)
                out += std::string(row.key) + "=" + valueOf(toWin(row.key, row.english)) + "\r\n";
        }
    }
    return out;
}

} // namespace zuk::app
