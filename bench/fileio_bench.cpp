// Opening and saving Windows-1251 documents through the plain-text module:
// read and split the file, decode it to the UTF-8 the editing widget holds,
// and save it back (encode and write through a temporary file). Each case runs
// in its own child process so that its peak memory is its own.

#include "benchsupport.h"

#include "codepages/charsets.h"
#include "plugins/cbasicfileio.h"

#include <algorithm>
#include <cstdio>
#include <string>

using namespace zuk::bench;

namespace {

// Russian and Latin prose in Windows-1251 with the given line break; one
// line of `size` bytes when `lineBreak` is empty.
std::string makeText(std::size_t size, const std::string& lineBreak)
{
    const std::string words = zuk::codepages::utf8ToWin(
        "Съешь же ещё этих мягких французских булок, да выпей чаю. The quick brown fox "
        "jumps over the lazy dog; 0123456789! Широкая электрификация южных губерний.");
    std::string text;
    text.reserve(size + words.size() + 2);
    while (text.size() < size) {
        text += words;
        text += lineBreak.empty() ? std::string(" ") : lineBreak;
    }
    text.resize(size);
    if (!lineBreak.empty()) {
        // End on a whole break so that the canonical form equals the file.
        text.resize(size - lineBreak.size());
        while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
            text.pop_back();
        text += lineBreak;
    }
    return text;
}

struct Case {
    const char* label;
    double megabytes;
    const char* lineBreak;
};

int runCase(const Case& c, const std::string& inPath, const std::string& outPath)
{
    zuk::plugins::CBasicFILEIO module;

    const double openStart = now();
    std::string text;
    module.FileName = inPath;
    module.Read("std_txt", text);
    const double readSeconds = now() - openStart;
    std::string widgetText = zuk::codepages::decodeToUtf8(text, zuk::codepages::CodePage::Win);
    const double openSeconds = now() - openStart;
    const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    std::string().swap(text); // the editor keeps only the widget's copy

    const double saveStart = now();
    const std::string bytes =
        zuk::codepages::encodeFromUtf8(widgetText, zuk::codepages::CodePage::Win);
    const double encodeSeconds = now() - saveStart;
    module.FileName = outPath;
    module.Write(bytes, "std_txt");
    const double saveSeconds = now() - saveStart;

    const long peakKb = selfPeakKb();
    char label[64];
    std::snprintf(label, sizeof label, "%s open", c.label);
    printRow(label, c.megabytes, openSeconds, peakKb);
    std::snprintf(label, sizeof label, "%s save", c.label);
    printRow(label, c.megabytes, saveSeconds, peakKb);
    std::printf("  %-28s %zu lines; read+split %.3f s, decode %.3f s, encode %.3f s, "
                "write %.3f s; peak %.2f x file size\n",
                "", lines, readSeconds, openSeconds - readSeconds, encodeSeconds,
                saveSeconds - encodeSeconds, peakKb / 1024.0 / c.megabytes);
    std::fflush(stdout);
    return 0;
}

} // namespace

int main()
{
    const double big = benchMegabytes(100);
    const Case cases[] = {
        {"1 MB, CR LF", 1, "\r\n"}, {"10 MB, CR LF", 10, "\r\n"}, {"100 MB, CR LF", big, "\r\n"},
        {"100 MB, LF", big, "\n"},  {"one 10 MB line", 10, ""},
    };
    std::printf("fileio: open (read, split, decode) and save (encode, write) of Windows-1251 "
                "files\n");
    int failures = 0;
    for (const Case& c : cases) {
        const std::string inPath = tempPath("fileio-in");
        const std::string outPath = tempPath("fileio-out");
        const auto size = static_cast<std::size_t>(c.megabytes * 1024 * 1024);
        if (inChildProcess(
                [&] { return writeFileBytes(inPath, makeText(size, c.lineBreak)) ? 0 : 1; }) != 0) {
            std::fprintf(stderr, "cannot write %s\n", inPath.c_str());
            return 1;
        }
        if (inChildProcess([&] { return runCase(c, inPath, outPath); }) != 0) {
            std::printf("  %s: FAILED\n", c.label);
            ++failures;
        } else if (*c.lineBreak == '\r' && !sameFileBytes(inPath, outPath)) {
            std::printf("  %s: the saved file differs from the opened one\n", c.label);
            ++failures;
        }
        std::remove(inPath.c_str());
        std::remove(outPath.c_str());
    }
    return failures == 0 ? 0 : 1;
}
