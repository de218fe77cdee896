#include "editor/typedchar.h"

#include "textfunc/casefunctions.h"

namespace zuk::editor {

using codepages::CodePage;

uint8_t TypedCharMapper::winByteOf(char32_t c)
{
    const int b = codepages::encodeChar(c, CodePage::Win);
    return b < 0 ? uint8_t('?') : static_cast<uint8_t>(b);
}

uint8_t TypedCharMapper::winLetterToKoi(uint8_t b)
{
    if (b == 0xB8)
        return 0xA3;
    if (b == 0xA8)
        return 0xB3;
    if (b < 0xC0)
        return b;
    const int koi = codepages::encodeChar(codepages::unicodeTable(CodePage::Win)[b], CodePage::Koi);
    return koi < 0 ? b : static_cast<uint8_t>(koi);
}

uint8_t TypedCharMapper::winLetterToDos(uint8_t b)
{
    if (b == 0xB8)
        return 0xF1;
    if (b == 0xA8)
        return 0xF0;
    if (b >= 0xC0 && b <= 0xEF)
        return static_cast<uint8_t>(b - 0x40);
    if (b >= 0xF0)
        return static_cast<uint8_t>(b - 0x10);
    return b;
}

uint8_t TypedCharMapper::map(uint8_t winByte, CodePage working, bool changeQuotes)
{
    uint8_t b = winByte;
    if (changeQuotes && b == '"') {
        b = m_quoteToggle == kRightQuote ? kLeftQuote : kRightQuote;
        m_quoteToggle = b;
    }
    if (working == CodePage::Koi)
        return winLetterToKoi(b);
    if (working == CodePage::Dos)
        return winLetterToDos(b);
    return b;
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
