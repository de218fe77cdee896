#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zuk::tools {

// The number of non-overlapping occurrences of `pattern` in `text`, letter
// case ignored through `lower` (a byte map to small letters, for the text's
// code page); 0 when either is empty. Linear in the text and reads it in
// pieces, so a large document costs no second copy.
std::size_t CountOccurrences(std::string_view text, std::string_view pattern,
                             const std::array<unsigned char, 256>& lower);

} // namespace zuk::tools
