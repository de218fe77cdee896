#include "editor/typedchar.h"

#include "textfunc/casefunctions.h"

namespace zuk::editor {

using codepages::CodePage;

uint8_t TypedCharMapper::winByteOf(char32_t c)
{
    const int b = codepages::encodeChar(c, CodePage::Win);
    return b < 0 ? uint8_t('?') : static_cast<uint8_t>(b);
}

uint8_t TypedCharMapper::map(char32_t typed, CodePage working, bool changeQuotes)
{
    char32_t c = typed;
    if (changeQuotes && c == U'"') {
        const char32_t quote = m_quoteToggle == kRightQuote ? kLeftQuote : kRightQuote;
        if (codepages::encodeChar(quote, working) >= 0) {
            c = quote;
            m_quoteToggle = quote;
        }
    }
    const int b = codepages::encodeChar(c, working);
    return b < 0 ? uint8_t('?') : static_cast<uint8_t>(b);
}

std::string caseInCodePage(std::string_view text, CodePage cp, bool upper)
{
    if (cp == CodePage::Win)
        return upper ? textfunc::UpperCaseText(text) : textfunc::LowerCaseText(text);

    // One lookup table for the whole text keeps this linear.
    const char16_t* uni = codepages::unicodeTable(cp);
    unsigned char table[256];
    for (int i = 0; i < 256; ++i) {
        table[i] = static_cast<unsigned char>(i);
        const int win = codepages::encodeChar(uni[i], CodePage::Win);
        if (win < 0)
            continue;
        const unsigned char cased = upper ? textfunc::UpCaseChar(static_cast<unsigned char>(win))
                                          : textfunc::DownCaseChar(static_cast<unsigned char>(win));
        if (cased == win)
            continue;
        const int back = codepages::encodeChar(codepages::unicodeTable(CodePage::Win)[cased], cp);
        if (back >= 0)
            table[i] = static_cast<unsigned char>(back);
    }
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(table[static_cast<unsigned char>(c)]);
    return out;
}

} // namespace zuk::editor
