// The RTF reader and both converters of what it reads: the plain text (as
// lines and as a whole) and the HTML page.

#include "fuzz/fuzztarget.h"

#include "base/zukerror.h"
#include "io/rtfreader.h"
#include "io/rtftohtml.h"

#include <cstdlib>
#include <string>

ZUK_FUZZ_TARGET(rtf)
{
    zuk::io::RtfDocument document;
    try {
        document = zuk::io::readRtf(input);
    } catch (const zuk::FormatError&) {
        return;
    }
    const std::vector<std::string> lines = zuk::io::rtfPlainLines(document);
    std::string joined;
    for (const std::string& line : lines)
        joined += line + "\r\n";
    if (zuk::io::rtfPlainText(document) != joined)
        std::abort();
    // At least a line per block, and only text in them: a control character
    // would break a line in the editor or cut the document at a NUL.
    if (lines.size() < document.blocks.size())
        std::abort();
    for (const std::string& line : lines)
        for (const char c : line)
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t')
                std::abort();
    const std::string html = zuk::io::rtfToHtml(document);
    if (html.find('\0') != std::string::npos)
        std::abort();
    // Numeric references name Unicode characters only.
    for (std::size_t at = html.find("&#"); at != std::string::npos; at = html.find("&#", at + 2))
        if (std::stoul(html.substr(at + 2, 8)) > 0x10FFFF)
            std::abort();
    if (html.compare(0, 8, "<html>\r\n") != 0 ||
        html.compare(html.size() - 9, 9, "</html>\r\n") != 0)
        std::abort();
}
