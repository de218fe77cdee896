#pragma once

#include <string>
#include <string_view>

#include "codepages/charsets.h"

namespace zuk::codepages {

// The letter transcoders. Each changes only the bytes of the 66 Russian letters
// (А-Я, а-я, Ё, ё) of its source code page; every other byte passes unchanged,
// even where the target code page holds another character at that position.
// The result always has the length of the input.
std::string WinToDos(std::string_view text);
std::string DosToWin(std::string_view text);
std::string WinToKoi(std::string_view text);
std::string KoiToWin(std::string_view text);
std::string WinToMac(std::string_view text);
std::string MacToWin(std::string_view text);
std::string WinToIso(std::string_view text);
std::string IsoToWin(std::string_view text);

// The 256-byte map behind one transcoder: from `cp` to Windows-1251 (toWin) or
// from Windows-1251 to `cp`. The Windows-1251 maps are the identity.
const unsigned char* letterMap(CodePage cp, bool toWin);

// Letters from one code page to another, through Windows-1251 when neither
// side is Windows-1251 (the two maps are composed, so it is one pass).
std::string transcode(std::string_view text, CodePage from, CodePage to);
// The same in place over a buffer; the fast path of the benchmarks and of big files.
void transcodeInPlace(char* data, size_t size, CodePage from, CodePage to);

// The document conversion to a working code page (win, dos or koi): the
// letters are transcoded and, when the target is dos, every 97h 20h pair (an
// em dash and a space in Windows-1251) becomes C4h 20h, the CP866 line drawing
// character, scanning left to right.
std::string convertDocument(std::string_view text, CodePage from, CodePage to);

} // namespace zuk::codepages
