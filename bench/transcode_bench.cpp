// Transcoding a large text between code pages: zuk-text transcode against
// iconv for the same pair, in the same run and on the same file. The text
// holds only characters both code pages have, so the two outputs must be
// byte for byte the same. The in-process transcoder is timed too.

#include "benchsupport.h"

#include "codepages/charsets.h"
#include "codepages/transcoders.h"

#include <cstdio>
#include <string>

using namespace zuk::bench;
using zuk::codepages::CodePage;

namespace {

std::string makeText(std::size_t size)
{
    const std::string paragraph =
        zuk::codepages::utf8ToWin("Съешь же ещё этих мягких французских булок, да выпей чаю. "
                                  "The quick brown fox jumps over the lazy dog; 0123456789!\r\n"
                                  "ШИРОКАЯ ЭЛЕКТРИФИКАЦИЯ ЮЖНЫХ ГУБЕРНИЙ даст мощный толчок "
                                  "подъёму сельского хозяйства. Ёлка.\r\n\r\n");
    return zuk::bench::repeatToSize(paragraph, size);
}

struct Pair {
    const char* from;
    const char* to;
    const char* iconvFrom;
    const char* iconvTo;
    CodePage cpFrom;
    CodePage cpTo;
};

} // namespace

int main()
{
    const double megabytes = benchMegabytes(100);
    const auto size = static_cast<std::size_t>(megabytes * 1024 * 1024);
    const std::string inPath = tempPath("transcode-in");
    const std::string zukOut = tempPath("transcode-zuk");
    const std::string iconvOut = tempPath("transcode-iconv");
    if (inChildProcess([&] { return writeFileBytes(inPath, makeText(size)) ? 0 : 1; }) != 0) {
        std::fprintf(stderr, "cannot write %s\n", inPath.c_str());
        return 1;
    }

    const Pair pairs[] = {
        {"win", "koi", "CP1251", "KOI8-R", CodePage::Win, CodePage::Koi},
        {"win", "dos", "CP1251", "CP866", CodePage::Win, CodePage::Dos},
    };
    bool ok = true;
    for (const Pair& p : pairs) {
        std::printf("transcode: %.1f MB from %s to %s\n", megabytes, p.from, p.to);
        // Timed runs write to /dev/null so the disk does not drown the
        // difference; the best of three runs counts for each. Correctness is
        // checked on one more run of each into files.
        const std::vector<std::string> zukArgs = {ZUK_CLI_PATH, "transcode", "--from", p.from,
                                                  "--to",       p.to,        inPath};
        const std::vector<std::string> iconvArgs = {"iconv", "-f",      p.iconvFrom,
                                                    "-t",    p.iconvTo, inPath};
        RunStats zuk, iconv;
        for (int round = 0; round < 3; ++round) {
            const RunStats z = runProgram(zukArgs, "", "/dev/null");
            const RunStats i = runProgram(iconvArgs, "", "/dev/null");
            if (round == 0 || z.seconds < zuk.seconds)
                zuk = z;
            if (round == 0 || i.seconds < iconv.seconds)
                iconv = i;
        }
        printRow("zuk-text transcode FILE", megabytes, zuk.seconds, zuk.peakKb);
        printRow("iconv (reference)", megabytes, iconv.seconds, iconv.peakKb);
        const bool same = runProgram(zukArgs, "", zukOut).status == 0 &&
                          runProgram(iconvArgs, "", iconvOut).status == 0 &&
                          sameFileBytes(zukOut, iconvOut);
        // In a child, so the 100 MB buffer does not count in the peaks above.
        inChildProcess([&] {
            std::string text = readFileBytes(inPath);
            const double start = now();
            zuk::codepages::transcodeInPlace(text.data(), text.size(), p.cpFrom, p.cpTo);
            const double seconds = now() - start;
            printRow("transcodeInPlace (in process)", megabytes, seconds, selfPeakKb());
            std::fflush(stdout);
            return 0;
        });
        const double ratio = zuk.seconds > 0 ? iconv.seconds / zuk.seconds : 0;
        std::printf(
            "  outputs identical: %s; zuk-text is %.1fx iconv's throughput (target >= 2x)\n",
            same ? "yes" : "NO", ratio);
        ok = ok && same;
    }
    std::remove(inPath.c_str());
    std::remove(zukOut.c_str());
    std::remove(iconvOut.c_str());
    return ok ? 0 : 1;
}
