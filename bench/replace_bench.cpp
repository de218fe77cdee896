// Replacing and searching on 100 MB of Windows-1251 text, against GNU sed
// and grep in the same run (LC_ALL=C, so all of them work on bytes):
// - zuk-text replace with millions of matches, against sed 's/X/Y/g';
// - zuk-text replace with few matches, against the same sed;
// - zuk-text multi-replace with 100 rules, against sed -f with the same
//   rules in the same order (the outputs must be identical);
// - a text that is not there: zuk-text replace and the editor's search
//   (TextSearch, in process, letter case exact and ignored), against grep -c.
// Targets: many matches under 0.5 s and never slower than sed; few matches
// under 0.2 s; 100 rules under 3 s; a text that is not there under 0.5 s.

#include "benchsupport.h"

#include "codepages/charsets.h"
#include "tools/textsearch.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace zuk::bench;
using zuk::codepages::utf8ToWin;

namespace {

// Made-up Russian-looking words from syllables, a fixed vocabulary drawn
// from with a skewed distribution, as prose is.
std::vector<std::string> vocabulary()
{
    const char* syllables[] = {"ка", "ро", "ми", "ло", "ве", "ст", "на", "ду", "пе", "ри",
                               "то", "зо", "бу", "ля", "ги", "шо", "ёж", "ща", "цы", "ую",
                               "фе", "хо", "жи", "че", "сь", "ба", "ды", "мо", "ны", "те"};
    std::mt19937 rng(1);
    std::vector<std::string> words;
    for (int i = 0; i < 3000; ++i) {
        std::string w;
        const int n = 1 + static_cast<int>(rng() % 4);
        for (int k = 0; k < n; ++k)
            w += syllables[rng() % (sizeof syllables / sizeof *syllables)];
        words.push_back(utf8ToWin(w));
    }
    return words;
}

std::string makeChunk(const std::vector<std::string>& words, std::size_t size)
{
    std::mt19937 rng(2);
    std::string text;
    int inLine = 0;
    while (text.size() < size) {
        // Skewed: small indexes far more often.
        const double u = std::generate_canonical<double, 32>(rng);
        const auto index = static_cast<std::size_t>(u * u * u * static_cast<double>(words.size()));
        text += words[index];
        if (rng() % 97 == 0)
            text += " zkey35";
        if (++inLine == 12) {
            text += ".\r\n";
            inLine = 0;
        } else {
            text += rng() % 9 == 0 ? ", " : " ";
        }
    }
    return text;
}

bool compareRun(const char* what, double megabytes, const std::vector<std::string>& zukArgs,
                const std::vector<std::string>& refArgs, const char* refLabel,
                const std::string& zukOut, const std::string& refOut)
{
    std::printf("%s\n", what);
    const RunStats zuk = runProgram(zukArgs, "", zukOut);
    printRow("zuk-text", megabytes, zuk.seconds, zuk.peakKb);
    const RunStats ref = runProgram(refArgs, "", refOut);
    printRow(refLabel, megabytes, ref.seconds, ref.peakKb);
    const bool same = zuk.status == 0 && ref.status == 0 && sameFileBytes(zukOut, refOut);
    std::printf("  outputs identical: %s; ratio zuk/reference %.2f\n", same ? "yes" : "NO",
                ref.seconds > 0 ? zuk.seconds / ref.seconds : 0.0);
    return same;
}

} // namespace

int main()
{
    const double megabytes = benchMegabytes(100);
    const auto size = static_cast<std::size_t>(megabytes * 1024 * 1024);
    const std::string inPath = tempPath("replace-in");
    const std::string rulesPath = tempPath("replace-rules");
    const std::string sedPath = tempPath("replace-sed");
    const std::string zukOut = tempPath("replace-zuk");
    const std::string refOut = tempPath("replace-ref");
    const std::vector<std::string> words = vocabulary();
    if (inChildProcess([&] {
            const std::string chunk = makeChunk(words, 1 << 20);
            return writeFileBytes(inPath, repeatToSize(chunk, size)) ? 0 : 1;
        }) != 0) {
        std::fprintf(stderr, "cannot write %s\n", inPath.c_str());
        return 1;
    }
    setenv("LC_ALL", "C", 1);
    bool ok = true;

    const std::string o = utf8ToWin("о");
    const std::string bigO = utf8ToWin("О");
    {
        // Counted in pieces: the benchmark process stays small, so the
        // programs it starts are measured alone.
        std::ifstream in(inPath, std::ios::binary);
        std::vector<char> piece(1 << 20);
        std::size_t count = 0;
        while (in.read(piece.data(), static_cast<std::streamsize>(piece.size())) || in.gcount())
            count += static_cast<std::size_t>(
                std::count(piece.begin(), piece.begin() + in.gcount(), o[0]));
        std::printf("replace: \"о\" by \"О\", %zu matches in %.1f MB\n", count, megabytes);
    }
    ok = compareRun("  many matches", megabytes,
                    {ZUK_CLI_PATH, "replace", "--find", o, "--with", bigO, inPath},
                    {"sed", "s/" + o + "/" + bigO + "/g", inPath}, "sed s/X/Y/g (reference)",
                    zukOut, refOut) &&
         ok;
    ok = compareRun("  few matches (\"zkey35\")", megabytes,
                    {ZUK_CLI_PATH, "replace", "--find", "zkey35", "--with", "KEY", inPath},
                    {"sed", "s/zkey35/KEY/g", inPath}, "sed s/X/Y/g (reference)", zukOut, refOut) &&
         ok;

    // 100 rules on distinct words of middling frequency (a name given twice
    // would take its first value, which sed knows nothing of; the words are
    // all in small letters, so distinct means distinct in any case); every tenth
    // value holds the name of a later rule, so the order of the rules shows.
    std::vector<std::string> names;
    for (std::size_t i = 20; names.size() < 100; i += 7) {
        bool taken = false;
        for (const std::string& n : names)
            taken = taken || n == words[i];
        if (!taken)
            names.push_back(words[i]);
    }
    std::string rules, script;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string value = (i % 10 == 0 && i + 5 < names.size() ? names[i + 5] : "") + "<" +
                                  std::to_string(i) + ">";
        rules += names[i] + "=" + value + "\r\n";
        script += "s/" + names[i] + "/" + value + "/g\n";
    }
    writeFileBytes(rulesPath, rules);
    writeFileBytes(sedPath, script);
    ok = compareRun("multi-replace: 100 rules", megabytes,
                    {ZUK_CLI_PATH, "multi-replace", "--list", rulesPath, inPath},
                    {"sed", "-f", sedPath, inPath}, "sed -f (reference)", zukOut, refOut) &&
         ok;

    const std::string absent = utf8ToWin("ненайдёныш");
    std::printf("not found: \"%s\" in %.1f MB\n", "ненайдёныш", megabytes);
    const RunStats zuk =
        runProgram({ZUK_CLI_PATH, "replace", "--find", absent, "--with", "x", inPath}, "", zukOut);
    printRow("zuk-text replace", megabytes, zuk.seconds, zuk.peakKb);
    const RunStats grep = runProgram({"grep", "-c", "-F", absent, inPath}, "", refOut);
    printRow("grep -c -F (reference)", megabytes, grep.seconds, grep.peakKb);
    std::printf("  ratio zuk/grep %.2f\n", grep.seconds > 0 ? zuk.seconds / grep.seconds : 0.0);
    ok = ok && zuk.status == 0 && sameFileBytes(zukOut, inPath);
    {
        const std::string text = readFileBytes(inPath);
        const zuk::tools::SearchSubject subject(text, zuk::codepages::CodePage::Win);
        for (bool matchCase : {true, false}) {
            zuk::tools::SearchOptions options;
            options.matchCase = matchCase;
            const zuk::tools::TextSearch search("ненайдёныш", options,
                                                zuk::codepages::CodePage::Win);
            const double start = now();
            const bool found = search.next(subject, 0, text.size()).has_value();
            printRow(matchCase ? "TextSearch, case exact" : "TextSearch, case ignored", megabytes,
                     now() - start, selfPeakKb());
            ok = ok && !found;
        }
        zuk::tools::SearchOptions regex;
        regex.regex = true;
        const zuk::tools::TextSearch search("ненайд[её]ныш", regex, zuk::codepages::CodePage::Win);
        const double start = now();
        const bool found = search.next(subject, 0, text.size()).has_value();
        printRow("TextSearch, regex", megabytes, now() - start, selfPeakKb());
        ok = ok && !found;
    }

    for (const std::string& p : {inPath, rulesPath, sedPath, zukOut, refOut})
        std::remove(p.c_str());
    return ok ? 0 : 1;
}
