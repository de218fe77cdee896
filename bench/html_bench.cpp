// The HTML tools on 100 MB of Windows-1251 HTML-like text, each beside a
// reference doing the same job in the same run: text-to-html against a sed
// pipeline making the same escapes, kill-tags (every tag name of the text)
// against sed 's/<[^>]*>//g', links against grep -o; and img-tag reading the
// size of a 50-megapixel JPEG against ImageMagick's identify -ping (the
// process figures are mostly start-up: zuk-text list shows how much; the
// reading itself is timed in process).

#include "benchsupport.h"

#include "codepages/charsets.h"
#include "html/imgtag.h"

#include <algorithm>
#include <cstdio>
#include <random>
#include <string>

using namespace zuk::bench;

namespace {

std::string makeText(std::size_t size)
{
    std::string piece;
    for (int i = 0; i < 40; ++i) {
        piece += zuk::codepages::utf8ToWin(
            "<p class=\"t\">Съешь же ещё этих <b>мягких</b> французских булок & <a href=\"page" +
            std::to_string(i) +
            ".htm\">выпей</a> чаю. © 2024 \"Зук\"</p>\r\n"
            "<font color=\"#FF0000\">The quick brown fox</font> <img src=\"img/pic" +
            std::to_string(i % 7) +
            ".gif\" width=\"10\" height=\"20\"><br>\r\n"
            "Широкая электрификация южных губерний даст мощный толчок подъёму.\r\n");
    }
    return repeatToSize(piece, size - 2) + "\r\n";
}

std::string be16(unsigned v)
{
    return {char(v >> 8), char(v & 0xFF)};
}

// A JPEG of 8660 × 5774 pixels as a camera writes it: big metadata segments
// first, then the frame header, then some 20 MB of scan data.
std::string makeJpeg()
{
    std::string j =
        "\xFF\xD8\xFF\xE0" + be16(16) + std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14);
    j += "\xFF\xE1" + be16(65533) + std::string(65531, 'e');
    j += "\xFF\xE2" + be16(60000) + std::string(59998, 'i');
    j += "\xFF\xDB" + be16(67) + std::string(65, '\x01');
    j += "\xFF\xC0" + be16(17) + "\x08" + be16(5774) + be16(8660) +
         std::string("\x03\x01\x11\0\x02\x11\0\x03\x11\0", 10);
    // The standard luminance DC table: 12 codes.
    j += "\xFF\xC4" + be16(31) +
         std::string("\0\0\x01\x05\x01\x01\x01\x01\x01\x01\0\0\0\0\0\0\0", 17) +
         std::string("\0\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b", 12);
    j += "\xFF\xDA" + be16(12) + std::string("\x03\x01\0\x02\0\x03\0\0\x3f\0", 10);
    std::mt19937 random(7);
    std::string scan(20u << 20, '\0');
    for (char& c : scan)
        c = static_cast<char>(random() % 255);
    return j + scan + "\xFF\xD9";
}

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::size_t countLines(const std::string& path)
{
    const std::string text = readFileBytes(path);
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

} // namespace

int main()
{
    const double megabytes = benchMegabytes(100);
    const auto size = static_cast<std::size_t>(megabytes * 1024 * 1024);
    const std::string in = tempPath("html-in"), zukOut = tempPath("html-zuk"),
                      refOut = tempPath("html-ref"), jpeg = tempPath("html-big.jpg");
    if (inChildProcess([&] { return writeFileBytes(in, makeText(size)) ? 0 : 1; }) != 0 ||
        inChildProcess([&] { return writeFileBytes(jpeg, makeJpeg()) ? 0 : 1; }) != 0) {
        std::fprintf(stderr, "cannot write the inputs\n");
        return 1;
    }
    setenv("LC_ALL", "C", 1);
    bool ok = true;

    std::printf("html: text-to-html of %.1f MB of Windows-1251 HTML-like text\n", megabytes);
    const RunStats toHtml = runProgram({ZUK_CLI_PATH, "text-to-html", in}, "", zukOut);
    printRow("zuk-text text-to-html", megabytes, toHtml.seconds, toHtml.peakKb);
    const RunStats sed =
        runProgram({"sed", "-e", "s/&/\\&amp;/g", "-e", "s/</\\&lt;/g", "-e", "s/>/\\&gt;/g", "-e",
                    "s/\"/\\&quot;/g", "-e", "s/\\xA9/\\&copy;/g"},
                   in, refOut);
    printRow("sed escapes (reference)", megabytes, sed.seconds, sed.peakKb);
    const bool sameHtml =
        inChildProcess([&] {
            const std::string page = readFileBytes(zukOut);
            const std::string head = "<html>\r\n<head>\r\n<title>Untitled</title>\r\n</head>\r\n"
                                     "<body>\r\n\r\n";
            const std::string tail = "\r\n</body></html>";
            if (page.compare(0, head.size(), head) != 0 || page.size() < head.size() + tail.size())
                return 1;
            return page.substr(head.size(), page.size() - head.size() - tail.size()) ==
                           readFileBytes(refOut)
                       ? 0
                       : 1;
        }) == 0;
    std::printf("  same escapes: %s; ratio %.2f\n", sameHtml ? "yes" : "NO",
                toHtml.seconds / sed.seconds);
    ok = ok && sameHtml && toHtml.status == 0;

    std::printf("html: kill-tags of every tag of the text\n");
    const RunStats kill = runProgram(
        {ZUK_CLI_PATH, "kill-tags", "--tags", "p,/p,b,/b,a,/a,font,/font,img,br", in}, "", zukOut);
    printRow("zuk-text kill-tags", megabytes, kill.seconds, kill.peakKb);
    const RunStats strip = runProgram({"sed", "s/<[^>]*>//g"}, in, refOut);
    printRow("sed 's/<[^>]*>//g' (ref.)", megabytes, strip.seconds, strip.peakKb);
    const bool sameKill = kill.status == 0 && sameFileBytes(zukOut, refOut);
    std::printf("  outputs identical: %s; ratio %.2f\n", sameKill ? "yes" : "NO",
                kill.seconds / strip.seconds);
    ok = ok && sameKill;

    std::printf("html: links\n");
    const RunStats links = runProgram({ZUK_CLI_PATH, "links", in}, "", zukOut);
    printRow("zuk-text links", megabytes, links.seconds, links.peakKb);
    const RunStats grep = runProgram({"grep", "-o", "href=\"[^\"]*\""}, in, refOut);
    printRow("grep -o href (reference)", megabytes, grep.seconds, grep.peakKb);
    const std::size_t found = countLines(zukOut) - 1;
    const bool sameLinks = links.status == 0 && found == countLines(refOut);
    std::printf("  %zu links, same count: %s; ratio %.2f\n", found, sameLinks ? "yes" : "NO",
                links.seconds / grep.seconds);
    ok = ok && sameLinks;

    std::printf("html: img-tag of a 50-megapixel JPEG (%.1f MB)\n",
                static_cast<double>(readFileBytes(jpeg).size()) / (1 << 20));
    const std::string page = tempPath("page.htm");
    std::vector<double> zukRuns, identifyRuns, startRuns;
    const std::string tagInput = tempPath("html-tag-in");
    writeFileBytes(tagInput, jpeg);
    for (int i = 0; i < 15; ++i) {
        const RunStats tag = runProgram({ZUK_CLI_PATH, "img-tag", "--doc", page}, tagInput, zukOut);
        ok = ok && tag.status == 0;
        zukRuns.push_back(tag.seconds);
        startRuns.push_back(runProgram({ZUK_CLI_PATH, "list"}, "", "/dev/null").seconds);
        identifyRuns.push_back(
            runProgram({"identify", "-quiet", "-ping", "-format", "%w %h", jpeg}, "", "/dev/null")
                .seconds);
    }
    const std::string tag = readFileBytes(zukOut);
    const bool sizeRead = tag.find("width=\"8660\" height=\"5774\"") != std::string::npos;
    const double start = now();
    constexpr int Reads = 2000;
    for (int i = 0; i < Reads; ++i)
        zuk::html::ImgTagForFile(page, jpeg);
    const double inProcess = (now() - start) / Reads;
    std::printf("  zuk-text img-tag (process)   %8.2f ms (median of 15)\n",
                medianOf(zukRuns) * 1e3);
    std::printf("  zuk-text list (its start-up) %8.2f ms\n", medianOf(startRuns) * 1e3);
    std::printf("  ImgTagForFile (in process)   %8.3f ms\n", inProcess * 1e3);
    std::printf("  identify -ping (reference)   %8.2f ms; ratio %.3f\n",
                medianOf(identifyRuns) * 1e3, medianOf(zukRuns) / medianOf(identifyRuns));
    std::printf("  size read: %s\n", sizeRead ? "yes" : "NO");
    ok = ok && sizeRead;

    for (const std::string& path : {in, zukOut, refOut, jpeg, tagInput})
        std::remove(path.c_str());
    return ok ? 0 : 1;
}
