#include "editor/styledexport.h"

#include <cstdio>

#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "editor/editortexts.h"
#include "io/safefile.h"

namespace zuk::editor {

namespace {

std::string hexColour(int32_t c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    return buf;
}

// Decodes one UTF-8 sequence at pos; malformed bytes come out as U+FFFD.
char32_t nextChar(const std::string& s, size_t& pos)
{
    const auto b0 = static_cast<unsigned char>(s[pos++]);
    if (b0 < 0x80)
        return b0;
    int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : -1;
    if (extra < 0)
        return 0xFFFD;
    char32_t c = b0 & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80)
            return 0xFFFD;
        c = (c << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    }
    return c;
}

template <typename RunFn> void forEachRun(const StyledText& text, RunFn fn)
{
    const size_t n = text.utf8.size();
    size_t start = 0;
    while (start < n) {
        // Styles that look the same make one run, so the output stays small.
        auto styleAt = [&text](size_t i) {
            return i < text.styles.size() ? text.styles[i] : uint8_t(0);
        };
        const uint8_t st = styleAt(start);
        size_t end = start + 1;
        while (end < n && (styleAt(end) == st || text.look[styleAt(end)] == text.look[st]))
            ++end;
        fn(start, end, st);
        start = end;
    }
}

} // namespace

std::string exportHtml(const StyledText& text)
{
    const ExportStyle& def = text.look[static_cast<uint8_t>(text.defaultStyle)];
    std::string out;
    out.reserve(text.utf8.size() * 2 + 512);
    out += "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>";
    for (char c : text.title) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else
            out += c;
    }
    out += "</title>\n</head>\n<body style=\"background:" + hexColour(def.back) +
           "\">\n<pre style=\"font-family:'" + text.fontName +
           "',monospace;font-size:" + std::to_string(text.fontSize) +
           "pt;color:" + hexColour(def.fore) + ";background:" + hexColour(def.back) + "\">";
    forEachRun(text, [&](size_t start, size_t end, uint8_t st) {
        const ExportStyle& s = text.look[st];
        const bool span = !(s == def);
        if (span) {
            out += "<span style=\"color:" + hexColour(s.fore);
            if (s.back != def.back)
                out += ";background:" + hexColour(s.back);
            if (s.bold)
                out += ";font-weight:bold";
            if (s.italic)
                out += ";font-style:italic";
            if (s.underline)
                out += ";text-decoration:underline";
            out += "\">";
        }
        for (size_t i = start; i < end; ++i) {
            const char c = text.utf8[i];
            switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '\0':
                out += "&#xFFFD;";
                break;
            default:
                out += c;
            }
        }
        if (span)
            out += "</span>";
    });
    out += "</pre>\n</body>\n</html>\n";
    return out;
}

std::string exportRtf(const StyledText& text)
{
    // Colour table: every fore and back colour used, index 1 on (0 is "auto").
    std::vector<int32_t> colours;
    auto colourIndex = [&colours](int32_t c) {
        for (size_t i = 0; i < colours.size(); ++i)
            if (colours[i] == c)
                return static_cast<int>(i + 1);
        colours.push_back(c);
        return static_cast<int>(colours.size());
    };
    std::string body;
    body.reserve(text.utf8.size() * 2);
    forEachRun(text, [&](size_t start, size_t end, uint8_t st) {
        const ExportStyle& s = text.look[st];
        body += "{\\cf" + std::to_string(colourIndex(s.fore)) + "\\cb" +
                std::to_string(colourIndex(s.back)) + "\\chcbpat" +
                std::to_string(colourIndex(s.back));
        if (s.bold)
            body += "\\b";
        if (s.italic)
            body += "\\i";
        if (s.underline)
            body += "\\ul";
        body += ' ';
        size_t pos = start;
        while (pos < end) {
            const char32_t c = nextChar(text.utf8, pos);
            if (c == '\r')
                continue;
            if (c == '\n') {
                body += "\\par\n";
            } else if (c == '\t') {
                body += "\\tab ";
            } else if (c == '\\' || c == '{' || c == '}') {
                body += '\\';
                body += static_cast<char>(c);
            } else if (c >= 0x20 && c < 0x80) {
                body += static_cast<char>(c);
            } else {
                const int b = codepages::encodeChar(c, codepages::CodePage::Win);
                char buf[32];
                if (b >= 0x80 && b != 0x98) {
                    std::snprintf(buf, sizeof buf, "\\'%02x", b);
                    body += buf;
                } else if (c >= 0x10000) {
                    const char32_t v = c - 0x10000;
                    std::snprintf(buf, sizeof buf, "\\u%d?\\u%d?",
                                  static_cast<int16_t>(0xD800 + (v >> 10)),
                                  static_cast<int16_t>(0xDC00 + (v & 0x3FF)));
                    body += buf;
                } else {
                    std::snprintf(buf, sizeof buf, "\\u%d?", static_cast<int16_t>(c));
                    body += buf;
                }
            }
        }
        body += '}';
    });

    std::string out =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0\\uc1{\\fonttbl{\\f0\\fmodern\\fcharset204 ";
    out += text.fontName;
    out += ";}}\n{\\colortbl;";
    for (int32_t c : colours)
        out += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) +
               "\\blue" + std::to_string((c >> 16) & 0xFF) + ";";
    out += "}\n\\f0\\fs" + std::to_string(text.fontSize * 2) + "\n";
    out += body;
    out += "\n}\n";
    return out;
}

void writeFileBytes(const std::string& path, const std::string& bytes)
{
    // Through the safe writer: a failed export leaves the file it would have
    // replaced as it was. The failure keeps the editor's own row.
    try {
        io::writeFileAtomically(path, bytes);
    } catch (const IoError& e) {
        const std::vector<std::string>& args = e.text().args;
        throw IoError(editorMessages(), "sEditorCannotWriteFile",
                      {path, args.empty() ? std::string(e.what()) : args.back()});
    }
}

} // namespace zuk::editor
