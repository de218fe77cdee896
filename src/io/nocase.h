#pragma once

#include <string>
#include <string_view>

namespace zuk::io {

// Case folding of Windows-1251 names: Latin and Cyrillic capitals (including
// Ё, the Ukrainian and Belarusian letters and the Serbian/Macedonian ones) map
// to their small letters; every other byte stays.
char lowerWin(char c);
std::string lowerWin(std::string_view text);
bool equalNoCaseWin(std::string_view a, std::string_view b);

// The same for UTF-8 names (file names on disk): Latin and Cyrillic letters are
// folded; everything else, including malformed sequences, is compared as is.
std::string lowerUtf8(std::string_view text);
bool equalNoCaseUtf8(std::string_view a, std::string_view b);

} // namespace zuk::io
