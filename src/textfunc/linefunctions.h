#pragma once

#include "codepages/charsets.h"

#include <string>
#include <string_view>
#include <vector>

// Functions over the lines of a selection. A line never carries its line
// break; the caller joins the result with CR LF.
namespace zuk::textfunc {

using Lines = std::vector<std::string>;

// The most characters Anagrams accepts: 8 characters already give 40320 lines.
constexpr std::size_t MaxAnagramLength = 8;

// Lines that are empty after trimming bytes 00..20 from both ends go.
Lines DeleteEmptyLines(const Lines& lines);

// before + line + after for every line.
Lines EncloseLines(const Lines& lines, std::string_view before, std::string_view after);

// "1 first", "2 second", ...
Lines NumberLines(const Lines& lines);

// The bytes in reverse order (a CR LF inside becomes LF CR).
std::string ReverseText(std::string_view text);

// The lines in reverse order.
Lines ReverseLines(const Lines& lines);

// Every ordering of the characters of the text, in insertion order (for abc:
// bac, bca, cba, abc, acb, cab), then the count line: `countLine` (bytes of
// the text's code page) with its %s filled with the number of orderings, or
// the built-in "Найдено N анаграмм..." in Windows-1251.
// Throws FormatError for a text longer than MaxAnagramLength bytes.
Lines Anagrams(std::string_view text, std::string_view countLine);
Lines Anagrams(std::string_view text);

// Every occurrence of word, compared without regard to letter case (full
// code-page mapping, carried over to the text's code page `cp`), removed;
// word boundaries play no part.
std::string DeleteWordEverywhere(std::string_view text, std::string_view word,
                                 codepages::CodePage cp = codepages::CodePage::Win);

// Case-insensitive collated sort (collation.h); descending is its reverse.
Lines SortLines(Lines lines);
Lines SortLinesDescending(Lines lines);

// Splits text at every delimiter (inner empty pieces stay, an empty last
// piece is dropped), the pieces as lines, in their original order.
Lines SplitPieces(std::string_view text, char delimiter);

// SplitPieces, then SortLines.
Lines SortParagraphs(std::string_view text, char delimiter);

// "|a|b" from the lines a and b.
std::string QScriptToCommandLine(const Lines& lines);

// The pieces of the text between "|" characters, as lines.
Lines CommandLineToQScript(std::string_view text);

} // namespace zuk::textfunc
