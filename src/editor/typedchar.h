#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "codepages/charsets.h"

namespace zuk::editor {

// How a typed character becomes a byte of the document. The keyboard gives a
// Unicode character; it is taken as its Windows-1251 byte ('?' when that code
// page lacks it) and then goes through the window's character handling: the
// quote replacement and the letter mapping of the working code page.
class TypedCharMapper final {
public:
    static constexpr uint8_t kLeftQuote = 0xAB;  // «
    static constexpr uint8_t kRightQuote = 0xBB; // »

    // The Windows-1251 byte a typed character stands for.
    static uint8_t winByteOf(char32_t c);

    // The byte stored for a typed Windows-1251 byte in a window of the given
    // working code page. The quote toggle (0xBB at first) is updated when a
    // straight double quote is replaced.
    uint8_t map(uint8_t winByte, codepages::CodePage working, bool changeQuotes);

    // Windows-1251 letters to the same letters in KOI8-R or CP866; other bytes stay.
    static uint8_t winLetterToKoi(uint8_t b);
    static uint8_t winLetterToDos(uint8_t b);

    uint8_t quoteToggle() const { return m_quoteToggle; }
    void setQuoteToggle(uint8_t q) { m_quoteToggle = q; }

private:
    uint8_t m_quoteToggle = kRightQuote;
};

// Upper or lower case of text in any working code page: each byte is looked up
// as a Windows-1251 letter through its character, cased, and put back in the
// working code page; bytes that are not such letters stay as they are.
std::string caseInCodePage(std::string_view text, codepages::CodePage cp, bool upper);

} // namespace zuk::editor
