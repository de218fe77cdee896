// The external-program engine's heavy paths on 100 MB of Windows-1251 text:
// - macro expansion of 100 makros.txt rules with zuk-text expand-macros,
//   against sed -f with the same 100 rules in the same order;
// - ##stringcount (CountOccurrences, in process), against grep -o -i | wc -l;
// - a 100 MB block going out to a program and back: the block file written
//   as block mode writes it, `cat` copying it, the result read back;
//   against cat copying the same file (the program's own share).
// Targets: expansion under 3 s, each way of the block under 1 s.

#include "benchsupport.h"

#include "codepages/charsets.h"
#include "io/safefile.h"
#include "platform/privatefolder.h"
#include "textfunc/casefunctions.h"
#include "tools/commandline.h"
#include "tools/occurrences.h"

#include <cstdio>
#include <string>
#include <vector>

using namespace zuk::bench;

namespace {

std::string ruleName(int i)
{
    char name[16];
    std::snprintf(name, sizeof name, "zkey%02d", i);
    return name;
}

// Prose with a macro name every few lines.
std::string makeText(std::size_t size)
{
    std::string paragraph;
    for (int i = 0; i < 100; i += 7)
        paragraph += zuk::codepages::utf8ToWin("Съешь же ещё этих мягких французских булок, ") +
                     ruleName(i) + zuk::codepages::utf8ToWin(" да выпей чаю.\r\n") +
                     "The quick brown fox jumps over the lazy dog; 0123456789!\r\n";
    return repeatToSize(paragraph, size);
}

} // namespace

int main()
{
    const double megabytes = benchMegabytes(100);
    const auto size = static_cast<std::size_t>(megabytes * 1024 * 1024);
    const std::string inPath = tempPath("macros-in");
    const std::string rulesPath = tempPath("macros-rules");
    const std::string sedPath = tempPath("macros-sed");
    const std::string zukOut = tempPath("macros-zuk");
    const std::string sedOut = tempPath("macros-sedout");
    if (inChildProcess([&] { return writeFileBytes(inPath, makeText(size)) ? 0 : 1; }) != 0) {
        std::fprintf(stderr, "cannot write %s\n", inPath.c_str());
        return 1;
    }
    std::string rules, script;
    for (int i = 0; i < 100; ++i) {
        const std::string value = zuk::codepages::utf8ToWin("значение ") + std::to_string(i);
        rules += ruleName(i) + "=" + value + "\r\n";
        script += "s/" + ruleName(i) + "/" + value + "/g\n";
    }
    writeFileBytes(rulesPath, rules);
    writeFileBytes(sedPath, script);
    setenv("LC_ALL", "C", 1);
    bool ok = true;

    std::printf("macros: 100 makros.txt rules over %.1f MB of Windows-1251 text\n", megabytes);
    const RunStats zuk =
        runProgram({ZUK_CLI_PATH, "expand-macros", "--macros", rulesPath, inPath}, "", zukOut);
    printRow("zuk-text expand-macros", megabytes, zuk.seconds, zuk.peakKb);
    const RunStats sed = runProgram({"sed", "-f", sedPath, inPath}, "", sedOut);
    printRow("sed -f (reference)", megabytes, sed.seconds, sed.peakKb);
    const bool same = zuk.status == 0 && sed.status == 0 && sameFileBytes(zukOut, sedOut);
    std::printf("  outputs identical: %s; ratio zuk/sed %.2f\n", same ? "yes" : "NO",
                sed.seconds > 0 ? zuk.seconds / sed.seconds : 0.0);
    ok = ok && same;

    std::printf("stringcount: \"ZKEY35\" in %.1f MB\n", megabytes);
    std::size_t count = 0;
    {
        const std::string text = readFileBytes(inPath);
        const double start = now();
        count = zuk::tools::CountOccurrences(text, "ZKEY35", zuk::textfunc::Cp1251Lower);
        printRow("CountOccurrences (in process)", megabytes, now() - start, selfPeakKb());
    }
    const std::string grepOut = tempPath("macros-grep");
    const RunStats grep =
        runProgram({"sh", "-c", "grep -o -i -F ZKEY35 \"$0\" | wc -l", inPath}, "", grepOut);
    printRow("grep -o -i | wc -l (reference)", megabytes, grep.seconds, grep.peakKb);
    const bool counted = std::stoul("0" + readFileBytes(grepOut)) == count;
    std::printf("  counts agree: %s (%zu)\n", counted ? "yes" : "NO", count);
    ok = ok && counted;

    std::printf("block: %.1f MB out to cat and back\n", megabytes);
    // Where block mode keeps them: the private exchange folder.
    zuk::platform::PrivateFolder exchange("zuk-bench-");
    const std::string blockIn = exchange.file("zukblock.in");
    const std::string blockOut = exchange.file("zukblock.out");
    // The selection as the editor hands it: lines joined by CR LF.
    const std::string block = zuk::tools::blockFromFile(readFileBytes(inPath));
    double start = now();
    zuk::io::writeFileAtomically(blockIn, zuk::tools::blockFileBytes(block));
    const double out = now() - start;
    printRow("block file written", megabytes, out, selfPeakKb());
    const RunStats cat = runProgram({"cat", blockIn}, "", blockOut);
    printRow("cat (the program; reference)", megabytes, cat.seconds, cat.peakKb);
    start = now();
    const std::string back = zuk::tools::blockFromFile(zuk::io::readFileBytes(blockOut));
    const double in = now() - start;
    printRow("result read back", megabytes, in, selfPeakKb());
    const bool intact = back == block;
    std::printf("  block intact: %s; out %.2f x cat, back %.2f x cat\n", intact ? "yes" : "NO",
                cat.seconds > 0 ? out / cat.seconds : 0.0,
                cat.seconds > 0 ? in / cat.seconds : 0.0);
    ok = ok && intact && cat.status == 0;

    for (const std::string& p : {inPath, rulesPath, sedPath, zukOut, sedOut, grepOut})
        std::remove(p.c_str());
    return ok ? 0 : 1;
}
