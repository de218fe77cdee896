#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zuk::highlight {

// The system's window background colour, as colour values store it.
inline constexpr int32_t kWindowColour = -2147483643;

// One text style: colours are 0x00BBGGRR or a negative system colour.
struct RtextStyle {
    std::string Name; // Windows-1251
    int32_t FColor = 0;
    int32_t BColor = kWindowColour;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
};

inline constexpr size_t kTextStyleCount = 17;
using aTextStyles = std::array<RtextStyle, kTextStyleCount>;

// Positions of the styles; the position, not the name, decides the token class.
enum TextStylePosition : size_t {
    TsWhitespace = 0,
    TsString,
    TsComment,
    TsIdentifier,
    TsInteger,
    TsFloat,
    TsReservedWords,
    TsDelimeters,
    TsDefines,
    TsAssembler,
    TsHtmlTags,
    TsHtmlParams,
    TsBreakPoint,
    TsErrorLine,
    TsMarkedBlock,
    TsSearchMatch,
    TsUrl,
};

// True for the styles of the token classes the highlighters draw on the
// text's background: String to Html params, and Url. Plain text takes the
// main colours, and the marker styles (BreakPoint, Error line, Marked Block,
// Search Match) have backgrounds of their own.
bool isTokenStyle(size_t position);

// The built-in table, used when currtextstyles.txt does not exist.
const aTextStyles& builtInTextStyles();

// The seventeen text styles of the highlighters, kept in currtextstyles.txt.
class CMyTextStyles final {
public:
    // The built-in table, with no file behind it.
    CMyTextStyles();
    // Loads `stylesFile` (UTF-8 path): the sections in file order give the
    // styles by position; missing keys take their defaults, and positions the
    // file has no section for keep the built-in style. A missing file gives
    // the built-in table. Never throws for the file's content.
    explicit CMyTextStyles(std::string stylesFile);

    aTextStyles Styles;
    std::string StylesFile;

    // Writes the five keys of every style into the section named after it,
    // keeping the other sections and keys of the file (creating it when
    // missing). Throws zuk::IoError when the file cannot be written.
    void save() const;
};

} // namespace zuk::highlight
