#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zuk::io {

// Character formatting of a stretch of rich text.
struct RtfFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24; // font size in half points
    int color = -1;      // red in the lowest byte, then green, then blue; -1 automatic

    bool operator==(const RtfFormat& other) const
    {
        return bold == other.bold && italic == other.italic && underline == other.underline &&
               halfPoints == other.halfPoints && color == other.color;
    }
    bool operator!=(const RtfFormat& other) const { return !(*this == other); }
};

// A stretch of text with one format. U+000A in the text is a line break
// inside the paragraph, U+0009 a tab.
struct RtfRun {
    RtfFormat format;
    std::u32string text;
};

enum class RtfAlign { Left, Center, Right, Justify };

struct RtfParagraph {
    std::vector<RtfRun> runs;
    RtfAlign align = RtfAlign::Left;

    bool empty() const { return runs.empty(); }
};

// A table row: its cells, each a list of paragraphs.
struct RtfRow {
    std::vector<std::vector<RtfParagraph>> cells;
};

// The body of a document: paragraphs and table rows in reading order.
struct RtfBlock {
    bool isRow = false;
    RtfParagraph paragraph; // when !isRow
    RtfRow row;             // when isRow
};

struct RtfDocument {
    std::vector<RtfBlock> blocks;
};

// Reads an RTF document as word processors write it. Groups, control words and
// symbols are parsed; destinations that carry no body text (font and colour
// tables, style sheet, information, pictures, headers, fields' instructions,
// anything marked \*) are skipped, the font table for its character sets and
// the colour table for its colours. \'xx bytes are decoded in the code page of
// the current font (\fcharset, \cpg) or of the document (\ansicpg); \uN
// characters honour the \ucN skip counts. Control characters the text holds
// (\'00, \'0d, \u10, ...) are dropped but for the tab, and a \uN that names
// no character reads as '?'. Throws zuk::FormatError when the
// bytes are not RTF at all or nest groups beyond any sane depth; any other
// damage (unbalanced braces, truncated words, stray bytes) is read past.
// Linear in the input; never reads outside it.
RtfDocument readRtf(std::string_view bytes);

// readRtf of a whole file; also throws zuk::IoError when it cannot be read.
RtfDocument readRtfFile(const std::string& path);

// The plain text of a document as Windows-1251 lines: one line per paragraph
// (a line break inside a paragraph starts a new line), one line per table row
// with its cells separated by tabs. Characters without a Windows-1251 byte
// become '?'.
std::vector<std::string> rtfPlainLines(const RtfDocument& document);
// The same lines as a whole document text: every line followed by CR LF.
std::string rtfPlainText(const RtfDocument& document);

// The deepest group nesting readRtf accepts.
inline constexpr int kRtfMaxDepth = 1000;

} // namespace zuk::io
