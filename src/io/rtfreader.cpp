#include "io/rtfreader.h"

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/iotexts.h"
#include "io/safefile.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <unordered_map>

namespace zuk::io {

namespace {

using codepages::CodePage;

// How \'xx bytes of a font or of the document become characters.
enum class ByteCode { Cp1252, Win, Dos, Koi, Mac, Iso, Unknown };

const char16_t kCp1252High[32] = {0x20AC, u'?',   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, u'?',   0x017D, u'?',
                                  u'?',   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, u'?',   0x017E, 0x0178};

char32_t decodeByte(unsigned char b, ByteCode code)
{
    if (b < 0x80)
        return b;
    switch (code) {
    case ByteCode::Cp1252:
        return b < 0xA0 ? kCp1252High[b - 0x80] : b;
    case ByteCode::Win:
        return codepages::unicodeTable(CodePage::Win)[b];
    case ByteCode::Dos:
        return codepages::unicodeTable(CodePage::Dos)[b];
    case ByteCode::Koi:
        return codepages::unicodeTable(CodePage::Koi)[b];
    case ByteCode::Mac:
        return codepages::unicodeTable(CodePage::Mac)[b];
    case ByteCode::Iso:
        return codepages::unicodeTable(CodePage::Iso)[b];
    case ByteCode::Unknown:
        break;
    }
    return U'?';
}

ByteCode codeOfCodePage(long cpg)
{
    switch (cpg) {
    case 1252:
    case 437:
    case 850:
    case 28591:
        return ByteCode::Cp1252;
    case 1251:
        return ByteCode::Win;
    case 866:
        return ByteCode::Dos;
    case 20866:
        return ByteCode::Koi;
    case 10007:
        return ByteCode::Mac;
    case 28595:
        return ByteCode::Iso;
    default:
        return ByteCode::Unknown;
    }
}

// The code page of a font's character set number; false for 1 (the default
// set), which leaves the document's code page in force.
bool codeOfCharset(long charset, ByteCode& out)
{
    switch (charset) {
    case 1:
        return false;
    case 0:
        out = ByteCode::Cp1252;
        return true;
    case 2: // symbol fonts: their bytes are closest to Latin-1
        out = ByteCode::Cp1252;
        return true;
    case 204:
        out = ByteCode::Win;
        return true;
    case 255:
        out = ByteCode::Cp1252;
        return true;
    default:
        out = ByteCode::Unknown;
        return true;
    }
}

enum class Dest { Text, Skip, FontTable, ColorTable };

struct GroupState {
    RtfFormat format;
    long font = -1;
    long ucSkip = 1;
    Dest dest = Dest::Text;
    bool inTable = false;
    bool hidden = false;
    RtfAlign align = RtfAlign::Left;
};

struct Font {
    bool hasCode = false;
    ByteCode code = ByteCode::Unknown;
};

// The control words the reader acts on. Every other word is read past.
enum class Word {
    Unknown,
    Bin,
    U,
    F,
    Fcharset,
    Cpg,
    Red,
    Green,
    Blue,
    Fonttbl,
    Colortbl,
    SkipDest,
    Par,
    Line,
    Tab,
    PageBreak,
    Cell,
    NestCell,
    Row,
    NestRow,
    Intbl,
    Pard,
    Plain,
    Bold,
    Italic,
    UnderlineNone,
    Underline,
    FontSize,
    Color,
    Uc,
    Hidden,
    AlignCenter,
    AlignRight,
    AlignJustify,
    AlignLeft,
    Ansicpg,
    Pc,
    Deff,
    Character
};

struct WordInfo {
    Word word = Word::Unknown;
    char32_t character = 0; // for Word::Character; 0 for joiners that add nothing
};

const WordInfo& lookUpWord(std::string_view name)
{
    static const std::unordered_map<std::string_view, WordInfo> kTable = [] {
        std::unordered_map<std::string_view, WordInfo> t;
        const std::pair<std::string_view, Word> words[] = {
            {"bin", Word::Bin},
            {"u", Word::U},
            {"f", Word::F},
            {"fcharset", Word::Fcharset},
            {"cpg", Word::Cpg},
            {"red", Word::Red},
            {"green", Word::Green},
            {"blue", Word::Blue},
            {"fonttbl", Word::Fonttbl},
            {"colortbl", Word::Colortbl},
            {"par", Word::Par},
            {"line", Word::Line},
            {"tab", Word::Tab},
            {"page", Word::PageBreak},
            {"sect", Word::PageBreak},
            {"column", Word::PageBreak},
            {"cell", Word::Cell},
            {"nestcell", Word::NestCell},
            {"row", Word::Row},
            {"nestrow", Word::NestRow},
            {"intbl", Word::Intbl},
            {"pard", Word::Pard},
            {"plain", Word::Plain},
            {"b", Word::Bold},
            {"i", Word::Italic},
            {"ulnone", Word::UnderlineNone},
            {"fs", Word::FontSize},
            {"cf", Word::Color},
            {"uc", Word::Uc},
            {"v", Word::Hidden},
            {"qc", Word::AlignCenter},
            {"qr", Word::AlignRight},
            {"qj", Word::AlignJustify},
            {"ql", Word::AlignLeft},
            {"ansicpg", Word::Ansicpg},
            {"pc", Word::Pc},
            {"deff", Word::Deff},
        };
        for (const auto& [key, word] : words)
            t[key] = WordInfo{word, 0};
        // Destinations whose content is not body text even without a \* before them.
        for (std::string_view key : {"annotation",   "atnauthor",
                                     "atnid",        "author",
                                     "bkmkend",      "bkmkstart",
                                     "buptim",       "colorschememapping",
                                     "comment",      "creatim",
                                     "datastore",    "doccomm",
                                     "fldinst",      "footer",
                                     "footerf",      "footerl",
                                     "footerr",      "footnote",
                                     "ftncn",        "ftnsep",
                                     "ftnsepc",      "generator",
                                     "header",       "headerf",
                                     "headerl",      "headerr",
                                     "info",         "keywords",
                                     "latentstyles", "listoverridetable",
                                     "listtable",    "nonesttables",
                                     "nonshppict",   "object",
                                     "operator",     "pict",
                                     "printim",      "private",
                                     "revtbl",       "revtim",
                                     "rsidtbl",      "stylesheet",
                                     "subject",      "themedata",
                                     "title",        "xmlnstbl"})
            t[key] = WordInfo{Word::SkipDest, 0};
        for (std::string_view key : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb",
                                     "ulhwave", "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                     "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t[key] = WordInfo{Word::Underline, 0};
        const std::pair<std::string_view, char32_t> characters[] = {
            {"emdash", 0x2014},    {"endash", 0x2013},  {"bullet", 0x2022},
            {"lquote", 0x2018},    {"rquote", 0x2019},  {"ldblquote", 0x201C},
            {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002},
            {"qmspace", 0x2005},   {"zwj", 0},          {"zwnj", 0},
        };
        for (const auto& [key, c] : characters)
            t[key] = WordInfo{Word::Character, c};
        return t;
    }();
    static const WordInfo kUnknown;
    const auto it = kTable.find(name);
    return it == kTable.end() ? kUnknown : it->second;
}

class RtfParser final {
public:
    explicit RtfParser(std::string_view bytes) : m_in(bytes) {}

    RtfDocument run();

private:
    GroupState& state() { return m_stack.back(); }
    bool readsText() const
    {
        const GroupState& s = m_stack.back();
        return s.dest == Dest::Text && !s.hidden;
    }

    void openGroup();
    void closeGroup();
    void controlWord(std::string_view name, bool hasParam, long param);
    void fontTableWord(Word word, long param);
    void controlSymbol(char c);
    void hexByte();
    void textByte(unsigned char b);

    void addChar(char32_t c);
    // A character of the document's text (not one the reader makes itself).
    void addTextChar(char32_t c);
    void addUnicode(long value);
    ByteCode currentCode() const;
    void endParagraph();
    void endCell();
    void endRow();
    void flushRow();
    void finish();

    std::string_view m_in;
    std::size_t m_pos = 0;
    std::vector<GroupState> m_stack;
    long m_skip = 0; // characters still to skip after a \uN
    bool m_star = false;
    char32_t m_highSurrogate = 0;

    ByteCode m_docCode = ByteCode::Cp1252;
    long m_defaultFont = -1;
    std::map<long, Font> m_fonts;
    long m_tableFont = -1; // the font being defined in the font table

    std::vector<int> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorSet = false;

    RtfDocument m_doc;
    RtfParagraph m_para;
    std::vector<RtfParagraph> m_cell;
    RtfRow m_row;
};

RtfDocument RtfParser::run()
{
    std::size_t start = 0;
    while (start < m_in.size() && (m_in[start] == ' ' || m_in[start] == '\t' ||
                                   m_in[start] == '\r' || m_in[start] == '\n'))
        ++start;
    if (m_in.substr(start, 5) != "{\\rtf")
        throw FormatError(ioMessages(), "sNotAnRtfFile");
    m_pos = start;

    while (m_pos < m_in.size()) {
        const char c = m_in[m_pos];
        if (c == '{') {
            ++m_pos;
            openGroup();
        } else if (c == '}') {
            ++m_pos;
            closeGroup();
            if (m_stack.empty())
                break; // the document group is closed; anything after it is not RTF
        } else if (c == '\\') {
            ++m_pos;
            if (m_pos >= m_in.size())
                break;
            const char next = m_in[m_pos];
            if ((next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z')) {
                const std::size_t wordStart = m_pos;
                while (m_pos < m_in.size() && ((m_in[m_pos] >= 'a' && m_in[m_pos] <= 'z') ||
                                               (m_in[m_pos] >= 'A' && m_in[m_pos] <= 'Z')))
                    ++m_pos;
                const std::string_view word = m_in.substr(wordStart, m_pos - wordStart);
                bool negative = false;
                if (m_pos < m_in.size() && m_in[m_pos] == '-' && m_pos + 1 < m_in.size() &&
                    m_in[m_pos + 1] >= '0' && m_in[m_pos + 1] <= '9') {
                    negative = true;
                    ++m_pos;
                }
                bool hasParam = false;
                long long value = 0;
                while (m_pos < m_in.size() && m_in[m_pos] >= '0' && m_in[m_pos] <= '9') {
                    hasParam = true;
                    if (value < 100000000000LL)
                        value = value * 10 + (m_in[m_pos] - '0');
                    ++m_pos;
                }
                value = std::min<long long>(value, INT32_MAX);
                if (m_pos < m_in.size() && m_in[m_pos] == ' ')
                    ++m_pos;
                if (!m_stack.empty())
                    controlWord(word, hasParam, static_cast<long>(negative ? -value : value));
            } else {
                ++m_pos;
                if (!m_stack.empty())
                    controlSymbol(next);
            }
        } else {
            ++m_pos;
            if (!m_stack.empty())
                textByte(static_cast<unsigned char>(c));
        }
    }
    finish();
    return std::move(m_doc);
}

void RtfParser::openGroup()
{
    if (static_cast<int>(m_stack.size()) >= kRtfMaxDepth)
        throw FormatError(ioMessages(), "sRtfNestedTooDeeply");
    m_skip = 0;
    m_star = false;
    if (m_stack.empty()) {
        m_stack.emplace_back();
        return;
    }
    m_stack.push_back(m_stack.back());
}

void RtfParser::closeGroup()
{
    m_skip = 0;
    m_star = false;
    if (m_stack.empty())
        return;
    if (m_stack.back().dest == Dest::FontTable)
        m_tableFont = -1;
    m_stack.pop_back();
}

ByteCode RtfParser::currentCode() const
{
    long font = m_stack.back().font;
    if (font < 0)
        font = m_defaultFont;
    const auto it = m_fonts.find(font);
    if (it != m_fonts.end() && it->second.hasCode)
        return it->second.code;
    return m_docCode;
}

void RtfParser::addChar(char32_t c)
{
    if (!readsText())
        return;
    const RtfFormat& format = state().format;
    if (m_para.runs.empty() || m_para.runs.back().format != format)
        m_para.runs.push_back(RtfRun{format, {}});
    m_para.runs.back().text.push_back(c);
}

void RtfParser::addTextChar(char32_t c)
{
    // Control characters are no text: in the editor a CR or LF would break
    // the line and a NUL would end the document. The tab is the one kept.
    if (c < 0x20 && c != U'\t')
        return;
    addChar(c);
}

void RtfParser::addUnicode(long value)
{
    if (value < 0)
        value += 65536;
    if (value < 0 || value > 0x10FFFF) {
        // Beyond the signed 16 bits of \uN and beyond Unicode: no character.
        m_highSurrogate = 0;
        addChar(U'?');
        return;
    }
    const auto c = static_cast<char32_t>(value);
    if (c >= 0xD800 && c <= 0xDBFF) {
        m_highSurrogate = c;
        return;
    }
    if (c >= 0xDC00 && c <= 0xDFFF) {
        if (m_highSurrogate)
            addChar(0x10000 + ((m_highSurrogate - 0xD800) << 10) + (c - 0xDC00));
        else
            addChar(U'?');
        m_highSurrogate = 0;
        return;
    }
    m_highSurrogate = 0;
    addTextChar(c);
}

void RtfParser::textByte(unsigned char b)
{
    if (b == '\r' || b == '\n')
        return;
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    GroupState& s = state();
    if (s.dest == Dest::FontTable) {
        if (b == ';')
            m_tableFont = -1;
        return;
    }
    if (s.dest == Dest::ColorTable) {
        if (b == ';') {
            m_colors.push_back(m_colorSet ? (m_red | (m_green << 8) | (m_blue << 16)) : -1);
            m_red = m_green = m_blue = 0;
            m_colorSet = false;
        }
        return;
    }
    if (b == '\t')
        addChar(U'\t');
    else if (b >= 0x20)
        addChar(decodeByte(b, currentCode()));
}

void RtfParser::hexByte()
{
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_in.size()) {
        const char h = m_in[m_pos];
        int d;
        if (h >= '0' && h <= '9')
            d = h - '0';
        else if (h >= 'a' && h <= 'f')
            d = h - 'a' + 10;
        else if (h >= 'A' && h <= 'F')
            d = h - 'A' + 10;
        else
            break;
        value = value * 16 + d;
        ++digits;
        ++m_pos;
    }
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    if (digits == 0 || state().dest != Dest::Text)
        return;
    addTextChar(decodeByte(static_cast<unsigned char>(value), currentCode()));
}

void RtfParser::controlSymbol(char c)
{
    if (c == '\'') {
        hexByte();
        return;
    }
    if (c == '*') {
        m_star = true;
        return;
    }
    if (m_skip > 0) {
        --m_skip;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        if (state().dest == Dest::Text)
            addChar(static_cast<unsigned char>(c));
        break;
    case '~':
        addChar(0xA0);
        break;
    case '_':
        addChar(U'-');
        break;
    case '\r':
    case '\n':
        if (readsText())
            endParagraph();
        break;
    default: // \- optional hyphen, \: index subentry, \| formula
        break;
    }
}

void RtfParser::controlWord(std::string_view name, bool hasParam, long param)
{
    GroupState& s = state();
    if (m_star) {
        m_star = false;
        s.dest = Dest::Skip;
        return;
    }
    const WordInfo& info = lookUpWord(name);
    if (info.word == Word::Bin) {
        // Raw binary data: never interpreted, never read past the input.
        const std::size_t n = hasParam && param > 0 ? static_cast<std::size_t>(param) : 0;
        m_pos += std::min(n, m_in.size() - m_pos);
        return;
    }
    if (s.dest == Dest::Skip)
        return;
    if (info.word == Word::U) {
        if (m_skip > 0) {
            --m_skip;
            return;
        }
        if (readsText())
            addUnicode(param);
        m_skip = s.ucSkip;
        return;
    }
    if (m_skip > 0) {
        --m_skip; // any control word stands for one skipped character
        return;
    }
    if (info.word == Word::Unknown)
        return;

    if (s.dest == Dest::FontTable) {
        fontTableWord(info.word, param);
        return;
    }
    if (s.dest == Dest::ColorTable) {
        const int v = static_cast<int>(std::clamp<long>(param, 0, 255));
        if (info.word == Word::Red)
            m_red = v;
        else if (info.word == Word::Green)
            m_green = v;
        else if (info.word == Word::Blue)
            m_blue = v;
        else
            return;
        m_colorSet = true;
        return;
    }

    const bool on = !hasParam || param != 0;
    switch (info.word) {
    case Word::Fonttbl:
        s.dest = Dest::FontTable;
        break;
    case Word::Colortbl:
        s.dest = Dest::ColorTable;
        m_colors.clear();
        break;
    case Word::SkipDest:
        s.dest = Dest::Skip;
        break;
    case Word::Par:
        if (readsText())
            endParagraph();
        break;
    case Word::Line:
        addChar(U'\n');
        break;
    case Word::Tab:
        addChar(U'\t');
        break;
    case Word::PageBreak:
        if (readsText() && !m_para.empty())
            endParagraph();
        break;
    case Word::Cell:
        endCell();
        break;
    case Word::NestCell:
    case Word::NestRow:
        addChar(U' ');
        break;
    case Word::Row:
        endRow();
        break;
    case Word::Intbl:
        s.inTable = on;
        break;
    case Word::Pard:
        s.inTable = false;
        s.align = RtfAlign::Left;
        break;
    case Word::Plain:
        s.format = RtfFormat();
        s.font = -1;
        s.hidden = false;
        break;
    case Word::Bold:
        s.format.bold = on;
        break;
    case Word::Italic:
        s.format.italic = on;
        break;
    case Word::UnderlineNone:
        s.format.underline = false;
        break;
    case Word::Underline:
        s.format.underline = on;
        break;
    case Word::FontSize:
        if (hasParam && param > 0 && param <= 3276)
            s.format.halfPoints = static_cast<int>(param);
        break;
    case Word::Color:
        s.format.color = param > 0 && static_cast<std::size_t>(param) < m_colors.size()
                             ? m_colors[static_cast<std::size_t>(param)]
                             : -1;
        break;
    case Word::F:
        s.font = param;
        break;
    case Word::Uc:
        if (hasParam && param >= 0)
            s.ucSkip = std::min<long>(param, 16);
        break;
    case Word::Hidden:
        s.hidden = on;
        break;
    case Word::AlignCenter:
        s.align = RtfAlign::Center;
        break;
    case Word::AlignRight:
        s.align = RtfAlign::Right;
        break;
    case Word::AlignJustify:
        s.align = RtfAlign::Justify;
        break;
    case Word::AlignLeft:
        s.align = RtfAlign::Left;
        break;
    case Word::Ansicpg:
        m_docCode = codeOfCodePage(param);
        break;
    case Word::Pc:
        m_docCode = ByteCode::Cp1252;
        break;
    case Word::Deff:
        m_defaultFont = param;
        break;
    case Word::Character:
        if (info.character != 0)
            addChar(info.character);
        break;
    default:
        break;
    }
}

void RtfParser::fontTableWord(Word word, long param)
{
    if (word == Word::F) {
        m_tableFont = param;
        m_fonts[param];
        return;
    }
    if (m_tableFont < 0)
        return;
    Font& font = m_fonts[m_tableFont];
    if (word == Word::Fcharset) {
        if (!font.hasCode || font.code == ByteCode::Unknown)
            font.hasCode = codeOfCharset(param, font.code);
    } else if (word == Word::Cpg) {
        const ByteCode code = codeOfCodePage(param);
        if (code != ByteCode::Unknown) {
            font.code = code;
            font.hasCode = true;
        }
    }
}

void RtfParser::endParagraph()
{
    m_para.align = state().align;
    if (state().inTable) {
        m_cell.push_back(std::move(m_para));
    } else {
        flushRow();
        RtfBlock block;
        block.paragraph = std::move(m_para);
        m_doc.blocks.push_back(std::move(block));
    }
    m_para = RtfParagraph();
}

void RtfParser::endCell()
{
    if (state().dest != Dest::Text)
        return;
    m_para.align = state().align;
    m_cell.push_back(std::move(m_para));
    m_para = RtfParagraph();
    m_row.cells.push_back(std::move(m_cell));
    m_cell.clear();
}

void RtfParser::endRow()
{
    if (state().dest != Dest::Text)
        return;
    if (!m_para.empty() || !m_cell.empty()) {
        m_cell.push_back(std::move(m_para));
        m_para = RtfParagraph();
        m_row.cells.push_back(std::move(m_cell));
        m_cell.clear();
    }
    flushRow();
}

void RtfParser::flushRow()
{
    if (!m_cell.empty()) {
        m_row.cells.push_back(std::move(m_cell));
        m_cell.clear();
    }
    if (m_row.cells.empty())
        return;
    RtfBlock block;
    block.isRow = true;
    block.row = std::move(m_row);
    m_doc.blocks.push_back(std::move(block));
    m_row = RtfRow();
}

void RtfParser::finish()
{
    if (!m_para.empty()) {
        if (!m_row.cells.empty() || !m_cell.empty()) {
            m_cell.push_back(std::move(m_para));
        } else {
            RtfBlock block;
            block.paragraph = std::move(m_para);
            m_doc.blocks.push_back(std::move(block));
        }
        m_para = RtfParagraph();
    }
    flushRow();
}

void appendWin(std::string& out, const std::u32string& text, std::size_t from, std::size_t to)
{
    for (std::size_t i = from; i < to; ++i) {
        const char32_t c = text[i];
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
            continue;
        }
        const int b = codepages::encodeChar(c, CodePage::Win);
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
}

// The paragraph's text as lines; with `joinBreaks` its line breaks become blanks.
std::vector<std::string> paragraphLines(const RtfParagraph& paragraph, bool joinBreaks)
{
    std::vector<std::string> lines(1);
    for (const RtfRun& run : paragraph.runs) {
        std::size_t from = 0;
        for (std::size_t i = 0; i <= run.text.size(); ++i) {
            if (i < run.text.size() && run.text[i] != U'\n')
                continue;
            appendWin(lines.back(), run.text, from, i);
            if (i < run.text.size()) {
                if (joinBreaks)
                    lines.back().push_back(' ');
                else
                    lines.emplace_back();
            }
            from = i + 1;
        }
    }
    return lines;
}

} // namespace

RtfDocument readRtf(std::string_view bytes)
{
    return RtfParser(bytes).run();
}

RtfDocument readRtfFile(const std::string& path)
{
    return readRtf(readFileBytes(path));
}

std::vector<std::string> rtfPlainLines(const RtfDocument& document)
{
    std::vector<std::string> lines;
    for (const RtfBlock& block : document.blocks) {
        if (!block.isRow) {
            for (std::string& line : paragraphLines(block.paragraph, false))
                lines.push_back(std::move(line));
            continue;
        }
        std::string line;
        for (std::size_t c = 0; c < block.row.cells.size(); ++c) {
            if (c > 0)
                line.push_back('\t');
            bool first = true;
            for (const RtfParagraph& paragraph : block.row.cells[c]) {
                if (paragraph.empty())
                    continue;
                if (!first)
                    line.push_back(' ');
                line += paragraphLines(paragraph, true).front();
                first = false;
            }
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string rtfPlainText(const RtfDocument& document)
{
    std::string text;
    for (const std::string& line : rtfPlainLines(document)) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace zuk::io
