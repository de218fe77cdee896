#include "cli/registry.h"

#include "base/zukerror.h"
#include "cli/streamio.h"
#include "codepages/charsets.h"
#include "html/cleanup.h"
#include "html/generators.h"
#include "html/htmlbasics.h"
#include "html/imgtag.h"
#include "html/text2html.h"
#include "io/linesfile.h"
#include "io/safefile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace zuk::cli {

namespace {

namespace fs = std::filesystem;

// Paths are UTF-8 on disk and text is Windows-1251; most paths are ASCII,
// where the two agree, and the code-page tables need not be built at all.
bool isAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}
std::string toWin(const std::string& utf8)
{
    return isAscii(utf8) ? utf8 : codepages::utf8ToWin(utf8);
}
std::string fromWin(const std::string& win)
{
    return isAscii(win) ? win : codepages::winToUtf8(win);
}

std::string asLines(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

// A path as the file system names it, absolute and without "." or "..".
std::string absolutePath(const std::string& path)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return (ec ? fs::path(path) : absolute).lexically_normal().string();
}

html::RText2HTMLParams textToHtmlParams(const Invocation& call)
{
    html::RText2HTMLParams params;
    params.replace_CRLF_with_br = call.has("br");
    if (call.has("nbsp")) {
        const long long n = call.intOption("nbsp", 3);
        if (n < 1 || n > 100)
            throw UsageError("--nbsp: the number of spaces is 1 to 100");
        params.add_spaces_after_br = true;
        params.num_of_spaces = static_cast<std::int32_t>(n);
    }
    params.enclose_para_with_p = call.has("para");
    params.back_color = call.option("bgcolor");
    params.fore_color = call.option("text");
    params.left_margin = call.option("left-margin");
    params.right_margin = call.option("right-margin");
    params.use_css_style = call.has("use-css");
    params.css = html::defaultParagraphCss();
    if (call.has("css-file"))
        params.css = asLines(io::splitLines(io::readFileBytes(call.option("css-file"))));
    return params;
}

std::string textToHtml(Invocation& call)
{
    return html::Text2HTML(call.input, textToHtmlParams(call));
}

// Large inputs go through in pieces: the page is never held whole.
void textToHtmlStream(Invocation& call, int inFd, int outFd)
{
    html::Text2HtmlWriter writer(
        textToHtmlParams(call), codepages::CodePage::Win, [outFd](std::string_view piece) {
            if (!writeAll(outFd, piece))
                throw IoError(std::string("Cannot write to standard output: ") +
                              std::strerror(errno));
        });
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t got = ::read(inFd, buffer.data(), buffer.size());
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(std::string("Cannot read the input: ") + std::strerror(errno));
        }
        writer.put(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
    }
    writer.finish();
}

std::string killTags(Invocation& call)
{
    std::string list = call.option("tags");
    std::replace(list.begin(), list.end(), ',', '\n');
    return html::KillTags(call.input, html::parseTagList(list));
}

std::string links(Invocation& call)
{
    return asLines(html::LinkReport(call.input));
}

std::string docWeight(Invocation& call)
{
    const std::string path = absolutePath(call.option("doc"));
    auto fileSize = [](const std::string& file) -> std::optional<std::uint64_t> {
        struct stat st {};
        if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
            return std::nullopt;
        return static_cast<std::uint64_t>(st.st_size);
    };
    std::vector<std::string> lines =
        html::DocumentWeight({std::move(call.input), path, path}, fileSize);
    for (std::string& line : lines)
        line = toWin(line);
    return asLines(lines);
}

html::Rgb colourOption(const Invocation& call, const std::string& name)
{
    const std::optional<html::Rgb> colour = html::parseHexColour(call.option(name));
    if (!colour)
        throw UsageError("--" + name + ": expected six hexadecimal digits RRGGBB");
    return *colour;
}

std::string gradient(Invocation& call)
{
    return html::TextGradient(call.input, colourOption(call, "from"), colourOption(call, "to"));
}

std::string imgTag(Invocation& call)
{
    std::string picture = call.input;
    while (!picture.empty() && (picture.back() == '\n' || picture.back() == '\r'))
        picture.pop_back();
    const std::string document = call.option("doc");
    const std::string tag = html::ImgTagForFile(
        document.empty() ? std::string() : absolutePath(document), absolutePath(fromWin(picture)));
    return toWin(tag);
}

const FunctionRegistration kHtmlFunctions{
    FunctionSpec(
        "text-to-html", FunctionKind::Text,
        "The text as a whole HTML page: reserved characters as entities, line breaks as <br> "
        "and spaces, lines as paragraphs of the style sheet's class.",
        {{"br", false, false, false, "", "line breaks become <br>"},
         {"nbsp", true, false, false, "N", "N non-breaking spaces after each break (1 to 100)"},
         {"para", false, false, false, "", "every line (or piece between <br>) becomes a <p>"},
         {"bgcolor", true, false, true, "V", "the body's background colour"},
         {"text", true, false, true, "V", "the body's text colour"},
         {"left-margin", true, false, true, "V", "the body's left margin"},
         {"right-margin", true, false, true, "V", "the body's right margin"},
         {"use-css", false, false, false, "", "put the style sheet into the head"},
         {"css-file", true, false, false, "FILE", "the style sheet (default: the built-in one)"}},
        textToHtml)
        .streaming(textToHtmlStream),
    {"kill-tags",
     FunctionKind::Text,
     "Remove the tags with these names (closing tags with their slash: B,/B; comments: !--).",
     {{"tags", true, true, true, "NAME[,NAME...]", "the names of the tags to remove"}},
     killTags},
    {"links",
     FunctionKind::Text,
     "The link targets of the a tags, one per line, then the count.",
     {},
     links},
    {"doc-weight",
     FunctionKind::Text,
     "The sizes of the document's file and of every existing file its src attributes name.",
     {{"doc", true, true, false, "PATH", "the document's file"}},
     docWeight},
    {"gradient",
     FunctionKind::Text,
     "Every character in a font tag, its colour going from one colour to the other.",
     {{"from", true, true, false, "RRGGBB", "the first colour"},
      {"to", true, true, false, "RRGGBB", "the last colour"}},
     gradient},
    {"img-tag",
     FunctionKind::Text,
     "The img tag of a picture (the input is its path) with its real size, its source "
     "relative to the document.",
     {{"doc", true, true, false, "DOCPATH", "the document the tag goes into"}},
     imgTag},
};

} // namespace

} // namespace zuk::cli
