#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zuk::codepages {

// The 8-bit code pages the program knows. Documents work in Win, Dos or Koi;
// Mac and Iso exist for import and export.
enum class CodePage { Win, Dos, Koi, Mac, Iso };

// "win", "dos", "koi" (and "mac", "iso") to the enum; false for any other name.
bool codePageFromName(std::string_view name, CodePage& out);
const char* codePageName(CodePage cp);

// The 256 characters of a code page. Every byte maps to a distinct character
// (a byte the code page leaves undefined maps to the C1 control of the same
// number), so decoding and encoding back is lossless for every byte string.
const char16_t* unicodeTable(CodePage cp);

// Bytes in a code page to UTF-8 and back. Characters the code page cannot hold
// become '?'. A malformed UTF-8 sequence (cut short, overlong, a surrogate,
// beyond U+10FFFF) is no character: each of its bytes becomes a '?'.
std::string decodeToUtf8(std::string_view bytes, CodePage cp);
std::string encodeFromUtf8(std::string_view utf8, CodePage cp);

// The size of decodeToUtf8's result, and the decoding written to `out`, which
// has room for that many bytes; returns the end of what was written. For
// callers that decode a big text piece by piece into buffers of their own.
std::size_t utf8SizeOf(std::string_view bytes, CodePage cp);
char* decodeToUtf8(std::string_view bytes, CodePage cp, char* out);

// The Windows-1251 byte of one Unicode character, or -1 when it has none.
int encodeChar(char32_t c, CodePage cp);

// Shorthands for the most common pair: Russian literals of the sources (UTF-8)
// become Windows-1251 data, and Windows-1251 data is shown through UTF-8.
inline std::string utf8ToWin(std::string_view utf8)
{
    return encodeFromUtf8(utf8, CodePage::Win);
}
inline std::string winToUtf8(std::string_view bytes)
{
    return decodeToUtf8(bytes, CodePage::Win);
}

} // namespace zuk::codepages
