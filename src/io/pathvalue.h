#pragma once

#include <string>
#include <string_view>

namespace zuk::io {

// How a Windows-1251 profile file (zuk.ini) keeps a path or a file name
// without loss, while every value it has always held still reads the same.
//
// A path whose characters all exist in Windows-1251 (and are no control
// characters) is stored as those Windows-1251 bytes, exactly as it always
// was. Any other path is stored as "utf8:" followed by the path in which each
// character Windows-1251 cannot hold, each control character below 0x20, each
// byte that is not part of valid UTF-8, and '%' itself are written as %XX
// escapes of their bytes (upper-case hexadecimal), and every other character
// as its Windows-1251 byte:
//
//     /home/u/ünï 日本.txt   ->  utf8:/home/u/%C3%BCn%C3%AF %E6%97%A5%E6%9C%AC.txt
//     /home/u/Письма/a.txt  ->  /home/u/Письма/a.txt (in Windows-1251)
//
// A value is read as an escaped one only when it is exactly what the writer
// makes of some path: it begins with "utf8:", holds at least one escape, and
// escaping what it decodes to gives it back byte for byte. Every other value
// (all that older programs wrote, a path that merely begins with "utf8:" or
// holds "%41" or "%e6") is plain Windows-1251 and reads as before. A path whose
// plain form would pass that test is itself written escaped, so every path
// reads back exactly as it was written.

// The profile value of a UTF-8 path.
std::string encodePathValue(std::string_view utf8Path);

// The UTF-8 path a profile value holds, in either form.
std::string decodePathValue(std::string_view value);

} // namespace zuk::io
