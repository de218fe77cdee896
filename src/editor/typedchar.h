#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "codepages/charsets.h"

namespace zuk::editor {

// How a typed character becomes a byte of the document: the keyboard gives a
// Unicode character, the quote replacement may turn a straight double quote
// into a guillemet, and the result is stored through the working code page's
// table, exactly as pasted text is ('?' for a character the code page cannot
// hold).
class TypedCharMapper final {
public:
    static constexpr char32_t kLeftQuote = U'\u00AB';  // «
    static constexpr char32_t kRightQuote = U'\u00BB'; // »

    // The Windows-1251 byte a typed character stands for ('?' when that code
    // page lacks it); the key click hears this byte.
    static uint8_t winByteOf(char32_t c);

    // The byte stored for a typed character in a window of the given working
    // code page. With `changeQuotes` a straight double quote becomes the
    // guillemet the toggle does not hold (« first), and the toggle takes it;
    // a code page without guillemets keeps the straight quote and the toggle.
    uint8_t map(char32_t typed, codepages::CodePage working, bool changeQuotes);

    // The guillemet typed last by the quote replacement (» at first).
    char32_t quoteToggle() const { return m_quoteToggle; }

private:
    char32_t m_quoteToggle = kRightQuote;
};

// Upper or lower case of text in any working code page: each byte is looked up
// as a Windows-1251 letter through its character, cased, and put back in the
// working code page; bytes that are not such letters stay as they are.
std::string caseInCodePage(std::string_view text, codepages::CodePage cp, bool upper);

} // namespace zuk::editor
