#pragma once

#include "codepages/charsets.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zuk::html {

// A value the user typed, made safe inside a double-quoted attribute or as
// element text: '&', '"' and '<' become entities, everything else stays, so
// a value that is already clean comes out unchanged.
std::string escapeAttribute(std::string_view value);

// A colour as the HTML tools write it: red, green and blue bytes.
struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// Six hexadecimal digits RRGGBB, with or without a leading '#', blanks around
// allowed; nothing for any other text.
std::optional<Rgb> parseHexColour(std::string_view text);
// Six upper-case hexadecimal digits, red first.
std::string hexColour(Rgb colour);

// The settings' colour value (red in the lowest byte) and back.
Rgb rgbOfColourValue(std::int32_t value);
std::int32_t colourValueOf(Rgb colour);

// ASCII letter case, for tag and attribute names.
inline char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool equalNoCaseAscii(std::string_view a, std::string_view b);

// Blanks and control characters (bytes up to 0x20) off both ends.
std::string_view trimBlanks(std::string_view text);

// UTF-8 text (a file name, say) as bytes of a document in `cp`: every
// character the code page has becomes its byte, any other a numeric character
// reference (&#1234;), which a browser reads back as that very character.
// A malformed UTF-8 byte becomes '?'.
std::string utf8ToHtmlBytes(std::string_view utf8, codepages::CodePage cp);

// The custom colours of the colour dialog as stdpickercolors.txt keeps them:
// lines ColorA to ColorP, "=", the colour value (red in the lowest byte) in
// hexadecimal. Lines that are no such colour are skipped; a colour the file
// does not give stays unset.
using CustomColours = std::array<std::optional<std::int32_t>, 16>;
CustomColours parseCustomColours(std::string_view text);
// Every set colour as a line "ColorX=BBGGRR" followed by CR LF.
std::string formatCustomColours(const CustomColours& colours);

} // namespace zuk::html
