#pragma once

#include <string>
#include <string_view>

namespace zuk::codepages {

// Text typed with the wrong keyboard layout (US English against Russian
// ЙЦУКЕН, Windows-1251 bytes) mapped key for key to the other layout: ghbdtn
// becomes привет and back. The slash also maps to the full stop (one way).
// Every other byte is unchanged; the result has the input's length.
std::string FixLayout(std::string_view text);

} // namespace zuk::codepages
