#pragma once

#include <string>
#include <string_view>

namespace zuk::organizer {

// The code point at `at` of a UTF-8 text, `at` moved past it. A byte that
// starts no well-formed sequence is taken as U+FFFD and skipped alone, so a
// walk always ends.
char32_t nextCodePoint(std::string_view text, std::size_t& at);

void appendUtf8(std::string& out, char32_t c);

// Latin and Russian capitals as small letters; everything else as it is.
char32_t foldCase(char32_t c);

} // namespace zuk::organizer
