#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zuk::editor {

// How one style of the control looks, for export. Colours are 0x00BBGGRR.
struct ExportStyle {
    int32_t fore = 0;
    int32_t back = 0xFFFFFF;
    bool bold = false, italic = false, underline = false;
    bool operator==(const ExportStyle& o) const
    {
        return fore == o.fore && back == o.back && bold == o.bold && italic == o.italic &&
               underline == o.underline;
    }
};

// A document as the control shows it: its text in UTF-8 and the style number
// of every byte of that text (styles.size() == utf8.size()).
struct StyledText {
    std::string utf8;
    std::vector<uint8_t> styles;
    std::array<ExportStyle, 256> look{};
    int defaultStyle = 0; // the style the page or document background takes
    std::string fontName = "Courier New";
    int fontSize = 10;
    std::string title; // UTF-8
};

// An HTML page (UTF-8) with the text in a <pre> block and one <span style>
// for every run of text whose look differs from the default style.
std::string exportHtml(const StyledText& text);

// An RTF document with a colour table; characters of Windows-1251 are written
// as \'xx, any other character as \uN with '?' for readers that lack Unicode.
std::string exportRtf(const StyledText& text);

// Replaces a file with bytes through a temporary file (io::AtomicFileWriter):
// a failure leaves the old file whole. Throws IoError (row
// sEditorCannotWriteFile) with the system's reason.
void writeFileBytes(const std::string& path, const std::string& bytes);

} // namespace zuk::editor
