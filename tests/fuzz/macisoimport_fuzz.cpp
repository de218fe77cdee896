// The eight-bit imports (Mac Cyrillic and ISO-8859-5, and CP866 and KOI8-R,
// which read the same way): the first byte picks the code page, the rest is
// the file. The lines come out with only the letters moved, every letter
// still the same character, and a document of letters exported to the code
// page and read back is the same document.

#include "fuzz/fuzztarget.h"

#include "codepages/charsets.h"
#include "codepages/exchange.h"
#include "codepages/transcoders.h"
#include "io/linesfile.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace zuk::codepages;

struct Page {
    ExchangeFormat format;
    CodePage cp;
};
constexpr Page kPages[] = {{ExchangeFormat::Mac, CodePage::Mac},
                           {ExchangeFormat::Iso, CodePage::Iso},
                           {ExchangeFormat::Dos, CodePage::Dos},
                           {ExchangeFormat::Koi, CodePage::Koi}};

bool isRussianLetter(char16_t u)
{
    return (u >= 0x0410 && u <= 0x044F) || u == 0x0401 || u == 0x0451;
}

// Windows-1251: А..я at C0..FF, Ё at A8, ё at B8.
bool isWinLetter(unsigned char b)
{
    return b >= 0xC0 || b == 0xA8 || b == 0xB8;
}

} // namespace

ZUK_FUZZ_TARGET(macisoimport)
{
    if (input.empty())
        return;
    const Page page = kPages[static_cast<unsigned char>(input[0]) % 4];
    const std::string_view file = input.substr(1);
    const char16_t* pageChars = unicodeTable(page.cp);
    const char16_t* winChars = unicodeTable(CodePage::Win);

    // Line for line what splitLines gives; a letter of the page becomes the
    // same letter in Windows-1251, any other byte stays itself.
    const std::vector<std::string> raw = zuk::io::splitLines(file);
    const std::vector<std::string> lines = importLines(file, page.format);
    if (lines.size() != raw.size())
        std::abort();
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].size() != raw[i].size())
            std::abort();
        for (size_t k = 0; k < raw[i].size(); ++k) {
            const auto from = static_cast<unsigned char>(raw[i][k]);
            const auto to = static_cast<unsigned char>(lines[i][k]);
            if (isRussianLetter(pageChars[from]) ? winChars[to] != pageChars[from] : to != from)
                std::abort();
        }
    }

    // The file's bytes mapped onto what the page can hold both ways (ASCII
    // and the 66 letters) make a Windows-1251 document whose export to the
    // page reads back unchanged.
    std::string text(file);
    for (char& c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && !isWinLetter(b))
            c = static_cast<char>(0xC0 | (b & 0x3F));
    }
    const std::string exported = exportBytes(text, CodePage::Win, page.format);
    for (unsigned char b : exported)
        if (b >= 0x80 && !isRussianLetter(pageChars[b]))
            std::abort();
    if (importLines(exported, page.format) != zuk::io::splitLines(text))
        std::abort();
}
