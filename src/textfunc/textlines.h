#pragma once

#include <string>
#include <string_view>
#include <vector>

// Text as lines, the way the program reads and writes text files: CR LF, LF
// or a lone CR ends a line on reading; CR LF is written after every line.
namespace zuk::textfunc {

// The lines of a text, without their breaks. A final line break does not
// make an extra empty line, so "a\r\nb\r\n" and "a\nb" both give {"a", "b"};
// an empty text has no lines, while "\r\n" has one empty line.
std::vector<std::string> splitLines(std::string_view text);

// Every line followed by CR LF.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

} // namespace zuk::textfunc
