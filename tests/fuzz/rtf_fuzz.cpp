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
    // At least a line per block.
    if (lines.size() < document.blocks.size())
        std::abort();
    const std::string html = zuk::io::rtfToHtml(document);
    if (html.compare(0, 8, "<html>\r\n") != 0 ||
        html.compare(html.size() - 9, 9, "</html>\r\n") != 0)
        std::abort();
}
