#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The run-length format of the RLE commands. A byte outside RleMarkerSet
// stands for itself; a marker byte introduces a run:
//   16 v: v x3   17 v: v x4 (x2 when v is a marker)   18 v: v x5
//   19 v: v x6 (x1 when v is a marker)   1D v: v x7   1E v: v x8
//   7F v n: v x n, n in base 128, low group first, high bit set on every
//           byte but the last.
namespace zuk::textfunc {

constexpr bool inRleMarkerSet(unsigned char c)
{
    return c == 0x16 || c == 0x17 || c == 0x18 || c == 0x19 || c == 0x1D || c == 0x1E || c == 0x7F;
}

// The most bytes RleUnpack produces; a longer result is refused as malformed
// rather than exhausting memory. A few packed bytes can ask for any count, so
// the bound sits just above the biggest documents the program is made for
// (100 MB): the editor holds several copies of a text it inserts.
constexpr std::size_t MaxRleUnpackedSize = std::size_t(1) << 27;

std::string RlePack(std::string_view bytes);

// Throws FormatError for a marker without its byte, a count that does not
// end, or a result beyond MaxRleUnpackedSize. Never reads past the input.
std::string RleUnpack(std::string_view packed);

// The length of RleUnpack's result without making it; throws what RleUnpack
// throws. For callers that weigh a big result before asking for it.
std::size_t RleUnpackedSize(std::string_view packed);

} // namespace zuk::textfunc
