// Upper-casing a large Windows-1251 text: zuk-text against tr, which does the
// same byte mapping, in the same run and on the same file. The in-process
// function is timed too, to show what the tool adds around it.

#include "benchsupport.h"

#include "codepages/charsets.h"
#include "textfunc/casefunctions.h"

#include <cstdio>
#include <string>

using namespace zuk::bench;

namespace {

std::string makeText(std::size_t size)
{
    const std::string paragraph =
        zuk::codepages::utf8ToWin("Съешь же ещё этих мягких французских булок, да выпей чаю. "
                                  "The quick brown fox jumps over the lazy dog; 0123456789!\r\n"
                                  "Широкая электрификация южных губерний даст мощный толчок "
                                  "подъёму сельского хозяйства.\r\n\r\n");
    return zuk::bench::repeatToSize(paragraph, size);
}

} // namespace

int main()
{
    const double megabytes = benchMegabytes(100);
    const auto size = static_cast<std::size_t>(megabytes * 1024 * 1024);
    const std::string inPath = tempPath("case-in");
    const std::string zukOut = tempPath("case-zuk");
    const std::string trOut = tempPath("case-tr");
    if (inChildProcess([&] { return writeFileBytes(inPath, makeText(size)) ? 0 : 1; }) != 0) {
        std::fprintf(stderr, "cannot write %s\n", inPath.c_str());
        return 1;
    }

    std::printf("case: upper-casing %.1f MB of Windows-1251 text\n", megabytes);

    const RunStats zuk = runProgram({ZUK_CLI_PATH, "upper", inPath}, "", zukOut);
    printRow("zuk-text upper FILE", megabytes, zuk.seconds, zuk.peakKb);
    const RunStats zukStdin = runProgram({ZUK_CLI_PATH, "upper"}, inPath, "/dev/null");
    printRow("zuk-text upper < FILE", megabytes, zukStdin.seconds, zukStdin.peakKb);

    // The same mapping as the basic case table: a-z, E0-FF and B8 (ё).
    setenv("LC_ALL", "C", 1);
    const RunStats tr =
        runProgram({"tr", "a-z\\340-\\377\\270", "A-Z\\300-\\337\\250"}, inPath, trOut);
    printRow("tr (reference)", megabytes, tr.seconds, tr.peakKb);

    const bool same = zuk.status == 0 && tr.status == 0 && sameFileBytes(zukOut, trOut);
    {
        std::string text = readFileBytes(inPath);
        const double start = now();
        zuk::textfunc::upperCaseInPlace(text);
        const double seconds = now() - start;
        printRow("upperCaseInPlace (in process)", megabytes, seconds, selfPeakKb());
    }
    std::printf("  outputs identical: %s\n", same ? "yes" : "NO");
    std::remove(inPath.c_str());
    std::remove(zukOut.c_str());
    std::remove(trOut.c_str());
    return same && zukStdin.status == 0 ? 0 : 1;
}
