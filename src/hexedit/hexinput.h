#pragma once

#include <cstdint>
#include <string_view>

namespace zuk::hexedit {

// What the user types into the hex editor's boxes. Blanks around the text
// are ignored; every refusal is a zuk::FormatError carrying a row of the hex
// editor's texts.

// An offset: "0x" or "$" before the digits, or "h" after them, make it
// hexadecimal; otherwise it is hexadecimal when `hexByDefault` is set (the
// offsets are shown in hexadecimal) and decimal when not. Throws
// (sOffsetSyntax) for an empty text, a digit outside the base, any other
// character and a value past 64 bits.
std::uint64_t parseOffset(std::string_view text, bool hexByDefault);

// A whole number typed into an options field: an optional sign, then decimal
// digits, or hexadecimal ones after "$" or "0x". Throws (sNotAnInteger, with
// the text) when it is anything else or does not fit 32 bits.
int parseInteger(std::string_view text);

} // namespace zuk::hexedit
