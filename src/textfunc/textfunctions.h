#pragma once

#include <string>
#include <string_view>

// Whitespace, wrapping, quotes, tags and path notation on Windows-1251 text.
namespace zuk::textfunc {

// Every run of two or more spaces becomes one space; tabs are not touched.
std::string CollapseSpaces(std::string_view text);

// One line: bytes 00..20 trimmed from both ends, inner runs of them (line
// breaks and tabs too) replaced by one space.
std::string KillFormat(std::string_view text);

// Breaks lines longer than width columns after a space, "-" or tab. A word
// longer than the width is never split, text in quotes is never broken, the
// existing line breaks stay and restart the column count, and the break
// character at a wrap point stays at the end of its line.
std::string HardWrap(std::string_view text, int width);

// Each tab becomes spacesPerTab spaces (a fixed count, not up to a tab stop).
std::string TabsToSpaces(std::string_view text, int spacesPerTab);

// « and » to ", and " to «, », «, ... alternately.
std::string PairedToStraightQuotes(std::string_view text);
std::string StraightToPairedQuotes(std::string_view text);

// Every < becomes &lt; so tags show on a page.
std::string EscapeLessThan(std::string_view text);

// Deletes every <...> from a "<" to the next ">" after it; a "<" with no ">"
// after it ends the work. Entities and line breaks are left alone.
std::string StripTags(std::string_view text);

// " / : < > | become _, then \ becomes /.
std::string WinPathToUnix(std::string_view text);
// " : < > \ | become _, then / becomes \.
std::string UnixPathToWin(std::string_view text);

// What the insertion commands put at the caret: the 64 bytes C0..FF (А..Я
// а..я, no Ё ё), the 58 bytes 41..7A (A..Z, [ \ ] ^ _ `, a..z) and pi.
std::string RussianAlphabet();
std::string EnglishAlphabet();
constexpr const char* PiText = "3.141592653589793238462643383";

} // namespace zuk::textfunc
