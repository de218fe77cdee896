#include "organizer/yearfile.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/linesfile.h"
#include "organizer/organizertexts.h"
#include "tools/programlist.h"

#include <cstdint>
#include <vector>

namespace zuk::organizer {

namespace {

struct NamedColour {
    const char* name;
    std::uint32_t value;
};

// The standard colours, then the system colours (their values name the
// system's colour number with the top bit set).
constexpr NamedColour kColours[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clNone", 0x1FFFFFFF},
    {"clDefault", 0x20000000},
    {"clScrollBar", 0x80000000},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", 0x80000005},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", 0x80000008},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHighlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
    {"cl3DDkShadow", 0x80000015},
    {"cl3DLight", 0x80000016},
    {"clInfoText", 0x80000017},
    {"clInfoBk", 0x80000018},
};

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

bool sameNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = lowerAscii(c);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

FormatError lineError(std::string_view key, std::size_t line, std::vector<std::string> more = {})
{
    std::vector<std::string> args{std::to_string(line + 1)};
    args.insert(args.end(), more.begin(), more.end());
    return FormatError(pimTexts(), key, std::move(args));
}

// The values of one line (see quoteValue).
std::vector<std::string> splitValues(std::string_view line, std::size_t lineIndex)
{
    std::vector<std::string> values;
    std::size_t i = 0;
    while (true) {
        std::string value;
        if (i < line.size() && line[i] == '"') {
            ++i;
            while (true) {
                if (i >= line.size())
                    throw lineError("sYearQuotes", lineIndex);
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        value.push_back('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value.push_back(line[i++]);
            }
            if (i < line.size() && line[i] != ',')
                throw lineError("sYearQuotes", lineIndex);
        } else {
            while (i < line.size() && line[i] != ',') {
                if (line[i] == '"')
                    throw lineError("sYearQuotes", lineIndex);
                value.push_back(line[i++]);
            }
        }
        values.push_back(std::move(value));
        if (i >= line.size())
            return values;
        ++i; // the comma
    }
}

Colour readColour(const std::string& value, std::size_t line)
{
    if (const std::optional<Colour> c = colourFromName(value))
        return *c;
    throw lineError("sYearColour", line, {value});
}

} // namespace

std::string yearFileName(int year)
{
    return "year" + std::to_string(year) + ".csv";
}

std::string colourName(Colour colour)
{
    const auto bits = static_cast<std::uint32_t>(colour);
    for (const NamedColour& c : kColours)
        if (c.value == bits)
            return c.name;
    static const char digits[] = "0123456789ABCDEF";
    std::string out = "$";
    for (int shift = 28; shift >= 0; shift -= 4)
        out.push_back(digits[(bits >> shift) & 0xF]);
    return out;
}

std::optional<Colour> colourFromName(std::string_view name)
{
    for (const NamedColour& c : kColours)
        if (sameNoCase(name, c.name))
            return static_cast<Colour>(c.value);
    if (!name.empty() && name[0] == '$') {
        if (name.size() < 2 || name.size() > 9)
            return std::nullopt;
        std::uint32_t v = 0;
        for (char ch : name.substr(1)) {
            const int d = hexValue(ch);
            if (d < 0)
                return std::nullopt;
            v = v << 4 | static_cast<std::uint32_t>(d);
        }
        return static_cast<Colour>(v);
    }
    const bool negative = !name.empty() && name[0] == '-';
    const std::string_view digits = negative ? name.substr(1) : name;
    if (digits.empty() || digits.size() > 10)
        return std::nullopt;
    std::int64_t v = 0;
    for (char ch : digits) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        v = v * 10 + (ch - '0');
    }
    if (negative)
        v = -v;
    if (v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return static_cast<Colour>(v);
}

std::string escapeNote(std::string_view note)
{
    std::string out;
    out.reserve(note.size());
    for (std::size_t i = 0; i < note.size(); ++i) {
        const char c = note[i];
        if (c == '\r') {
            out += "||";
            if (i + 1 < note.size() && note[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            out += "||";
        } else if (c == '|') {
            out += "|_";
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string unescapeNote(std::string_view stored)
{
    std::string out;
    out.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        const char next = i + 1 < stored.size() ? stored[i + 1] : '\0';
        if (c == '|' && next == '|') {
            out += "\r\n";
            ++i;
        } else if (c == '|' && next == '_') {
            out.push_back('|');
            ++i;
        } else {
            out.push_back(c);
        }
    }
    return out;
}

std::string quoteValue(std::string_view value)
{
    bool quote = false;
    for (char c : value)
        if (static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"')
            quote = true;
    if (!quote)
        return std::string(value);
    std::string out = "\"";
    for (char c : value) {
        if (c == '"')
            out.push_back('"');
        out.push_back(c);
    }
    return out + "\"";
}

std::string writeYearFile(const YearGrid& grid)
{
    std::string out;
    for (int row = 0; row < YearGrid::kRows; ++row)
        for (int column = 0; column < YearGrid::kColumns; ++column) {
            const TYearData& c = grid.cell(row, column);
            out += quoteValue(c.Text);
            out += ',';
            out += quoteValue(escapeNote(c.Info));
            out += ',';
            out += quoteValue(colourName(c.OwnColor));
            out += ',';
            out += quoteValue(colourName(c.CustomColor));
            out += ',';
            out += c.HasCustomColor ? "true" : "false";
            out += "\r\n";
        }
    return out;
}

YearGrid readYearFile(std::string_view bytes, int year, const YearNames& names)
{
    std::string converted;
    if (!tools::isValidUtf8(bytes)) {
        converted = codepages::winToUtf8(bytes);
        bytes = converted;
    }
    // A NUL would end the text early and hide the lines after it.
    if (bytes.find('\0') != std::string_view::npos)
        throw FormatError(pimTexts(), "sYearNul");
    const std::vector<std::string> lines = io::splitLines(bytes);
    if (lines.size() != static_cast<std::size_t>(YearGrid::kCells))
        throw FormatError(pimTexts(), "sYearLineCount",
                          {std::to_string(lines.size()), std::to_string(YearGrid::kCells)});

    YearGrid grid(year, names);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int row = static_cast<int>(i) / YearGrid::kColumns;
        const int column = static_cast<int>(i) % YearGrid::kColumns;
        const std::vector<std::string> v = splitValues(lines[i], i);
        if (v.size() != 5)
            throw lineError("sYearValueCount", i);
        TYearData& c = grid.cell(row, column);
        // The calendar of the year decides which cells are days; a file whose
        // days stand elsewhere belongs to another year or lost a line.
        if (row > 0 && column > 0 && v[0] != c.Text)
            throw lineError("sYearDay", i, {std::to_string(year)});
        c.Info = unescapeNote(v[1]);
        c.OwnColor = readColour(v[2], i);
        c.CustomColor = readColour(v[3], i);
        if (sameNoCase(v[4], "true"))
            c.HasCustomColor = true;
        else if (sameNoCase(v[4], "false"))
            c.HasCustomColor = false;
        else
            throw lineError("sYearBoolean", i, {v[4]});
    }
    return grid;
}

} // namespace zuk::organizer
