#pragma once

#include "html/htmlbasics.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::html {

// --- text gradient ---------------------------------------------------------

// The largest text the gradient takes: its result is about thirty times as
// long.
constexpr std::size_t MaxGradientText = 16u << 20;

// num / den to the nearest integer, halves to the even one, exactly (den > 0).
std::int64_t roundHalfEven(std::int64_t num, std::int64_t den);

// Every character of the text wrapped in «<font color="#RRGGBB">» and
// «</font>», the colour going from `from` to `to`: character i of n gets
// from + round(i * (to - from) / n) in each channel, so the first already
// carries one step and the last has exactly `to`. A CR LF is one character
// and stays together. An empty text gives an empty result. Throws
// FormatError for a text longer than MaxGradientText.
std::string TextGradient(std::string_view text, Rgb from, Rgb to);

// --- table wizard ------------------------------------------------------------

// The settings of one cell, made when it is first clicked. BackColor is six
// hexadecimal digits RRGGBB, as shown and typed.
struct TCCInfo {
    std::string Width;
    std::string Height;
    std::string BackColor;
};

struct TableCell {
    std::string text;
    std::optional<TCCInfo> info;
};

// The lines of the table: <table>, per row <tr>, a line per cell and </tr>,
// </table>. A cell without settings is «<td>text</td>»; one with settings is
// «<td » followed by `width="W" `, `height="H" `, `bgcolor="RRGGBB" ` for the
// non-empty ones, then «>text</td>». Attribute values are escaped; the cell
// text is markup and goes in as typed.
std::vector<std::string> TableMarkup(const std::vector<std::vector<TableCell>>& rows);

// --- gallery -----------------------------------------------------------------

// The thumbnail's file name of a picture: "thm_", the name with its own
// extension kept (a.gif and a.png do not share one), ".jpg".
std::string thumbnailName(std::string_view pictureName);

// Whether a name typed for an output file is a plain file name that stays in
// its folder: not empty, no '/', not "." or "..".
bool isPlainFileName(std::string_view name);

// One gallery cell: «<td><a href="NAME"><img src="THUMB" width="W"
// height="H" border="0" alt="NAME"></a></td>», the names escaped.
std::string galleryCell(std::string_view name, int width, int height);

// The gallery table: <table>, rows of `perRow` cells (the last row holds
// what remains, no empty cells added), each row <tr>, its cells, </tr>, and
// </table>.
std::vector<std::string> galleryTable(const std::vector<std::string>& cells, int perRow);

// The page: every «$%PROCESSED_TEXT» of the template replaced by the table
// and every «$%TITLE» by the title, in one pass (what is put in is not
// searched again).
std::string galleryPage(std::string_view templateText, std::string_view table,
                        std::string_view title);

// Where a picture of w × h goes in a thumbnail box of W × H: a smaller one
// unscaled and centred; a larger one scaled to the box's width (when wider
// than high) or height, halves rounded to even, never below 1, centred, the
// rest cut off by the box.
struct ThumbnailPlacement {
    int x = 0, y = 0, width = 0, height = 0;
};
ThumbnailPlacement placeThumbnail(int w, int h, int W, int H);

} // namespace zuk::html
