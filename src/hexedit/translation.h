#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zuk::hexedit {

// How the character area shows a byte: Windows-1251, CP866, ASCII, Mac Roman
// or EBCDIC (code page 037). The names are the ones zuk.ini stores.
enum class Translation { Ansi, Dos8, ASCII, Mac, EBCDIC };

inline constexpr Translation kTranslations[] = {Translation::Ansi, Translation::Dos8,
                                                Translation::ASCII, Translation::Mac,
                                                Translation::EBCDIC};

// "ttAnsi", "ttDos8", "ttASCII", "ttMac", "ttEBCDIC".
const char* translationName(Translation t);
// The name (compared exactly) to the translation; nothing for any other text.
std::optional<Translation> translationFromName(std::string_view name);

// The character a byte stands for in the translation's code page, control
// characters included; nothing where the code page has no character (98h of
// Windows-1251, the upper half of ASCII).
std::optional<char32_t> tableChar(Translation t, std::uint8_t byte);

// What the character area shows for a byte. Control characters are never
// drawn as they are: below 32 they are the mask character while masking is
// on and the matching control picture (U+2400 on) while it is off; DEL, the
// C1 controls, private-use characters and bytes without a character are
// always the mask character.
char32_t shownChar(Translation t, std::uint8_t byte, bool maskWhiteSpaces, char32_t mask);

// The byte a character typed into the character area stands for; nothing for
// characters below 32, control characters and characters the code page lacks.
std::optional<std::uint8_t> byteForChar(Translation t, char32_t c);

} // namespace zuk::hexedit
