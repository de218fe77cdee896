// Code-page detection: accuracy on real Russian prose cut into short samples,
// in each of the three code pages, side by side with the marker rule, librcd
// and uchardet (loaded at run time, installed by the benchmark when missing),
// and the speed of the detector on a large text.
//
// The prose is fortunes-ru (never used to train the detector), or the UTF-8
// files named by ZUK_DETECT_CORPUS (colon-separated).

#include "benchsupport.h"
#include "codepages/charsets.h"
#include "codepages/detector.h"
#include "codepages/transcoders.h"

#include <dirent.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <sstream>

using namespace zuk::codepages;

namespace {

using Detector = std::function<CodePage(const std::string&)>;

std::vector<std::string> corpusFiles()
{
    std::vector<std::string> files;
    if (const char* list = std::getenv("ZUK_DETECT_CORPUS")) {
        std::stringstream ss(list);
        std::string item;
        while (std::getline(ss, item, ':'))
            if (!item.empty())
                files.push_back(item);
        return files;
    }
    const std::string dir = "/usr/share/games/fortunes/ru/";
    if (DIR* d = opendir(dir.c_str())) {
        while (dirent* e = readdir(d)) {
            const std::string name = e->d_name;
            if (name.size() > 3 && name.compare(name.size() - 3, 3, ".u8") == 0)
                files.push_back(dir + name);
        }
        closedir(d);
    }
    std::sort(files.begin(), files.end());
    return files;
}

// The prose as Windows-1251 words (whitespace runs become one space; the
// fortune separators "%" are dropped).
std::vector<std::string> corpusWords()
{
    std::vector<std::string> words;
    for (const std::string& path : corpusFiles()) {
        const std::string text = utf8ToWin(zuk::bench::readFileBytes(path));
        std::string word;
        for (char c : text) {
            if (c == ' ' || c == '\n' || c == '\r' || c == '\t') {
                if (!word.empty() && word != "%")
                    words.push_back(word);
                word.clear();
            } else {
                word += c;
            }
        }
        if (!word.empty())
            words.push_back(word);
    }
    return words;
}

bool isRussianLetter(unsigned char c)
{
    return c >= 0xC0 || c == 0xA8 || c == 0xB8;
}

// Two Russian letters side by side: the sample holds a Russian word, not only
// a homoglyph inside English text.
bool holdsRussianWord(const std::string& s)
{
    for (size_t i = 1; i < s.size(); ++i) {
        if (isRussianLetter(static_cast<unsigned char>(s[i - 1])) &&
            isRussianLetter(static_cast<unsigned char>(s[i])))
            return true;
    }
    return false;
}

// Consecutive words, at most maxBytes long, cut without overlap; a sample
// must hold a Russian word to be a question at all.
std::vector<std::string> samples(const std::vector<std::string>& words, size_t maxBytes,
                                 size_t limit)
{
    std::vector<std::string> out;
    size_t i = 0;
    while (i < words.size() && out.size() < limit) {
        std::string s;
        while (i < words.size() && s.size() + (s.empty() ? 0 : 1) + words[i].size() <= maxBytes) {
            if (!s.empty())
                s += ' ';
            s += words[i++];
        }
        if (s.empty()) {
            ++i; // a single word longer than the sample
            continue;
        }
        if (holdsRussianWord(s))
            out.push_back(s);
    }
    return out;
}

std::string upperWin(std::string s)
{
    for (char& c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0xE0)
            c = static_cast<char>(b - 0x20);
        else if (b == 0xB8)
            c = '\xA8';
        else if (b >= 'a' && b <= 'z')
            c = static_cast<char>(b - 0x20);
    }
    return s;
}

// The reference detectors and the prose are Debian packages; the benchmark
// installs the missing ones itself (as root, or through sudo without a password).
void installMissing()
{
    const bool haveRefs = dlopen("librcd.so.0", RTLD_LAZY) && dlopen("libuchardet.so.0", RTLD_LAZY);
    const bool haveProse = std::getenv("ZUK_DETECT_CORPUS") || !corpusFiles().empty();
    if (haveRefs && haveProse)
        return;
    std::printf("  installing librcd0, libuchardet0 and fortunes-ru\n");
    const std::string install = "apt-get install -y -q librcd0 libuchardet0 fortunes-ru >/dev/null";
    zuk::bench::runProgram(
        {"sh", "-c",
         "if [ \"$(id -u)\" = 0 ]; then " + install + "; else sudo -n " + install + "; fi"},
        "", "");
}

// librcd and uchardet, loaded at run time so neither is ever a build
// dependency. Their answers are mapped onto win/dos/koi; anything else
// counts as wrong.
struct References {
    void* rcd = nullptr;
    int (*rcdGuess)(const char*, int) = nullptr;
    void* uch = nullptr;
    void* (*uchNew)() = nullptr;
    int (*uchHandle)(void*, const char*, size_t) = nullptr;
    void (*uchEnd)(void*) = nullptr;
    void (*uchReset)(void*) = nullptr;
    const char* (*uchCharset)(void*) = nullptr;
    void* uchState = nullptr;
    int rcdCodes[3] = {-1, -1, -1}; // librcd's answer for win, dos, koi

    References()
    {
        if ((rcd = dlopen("librcd.so.0", RTLD_NOW)))
            rcdGuess =
                reinterpret_cast<int (*)(const char*, int)>(dlsym(rcd, "rcdGetRussianCharset"));
        if ((uch = dlopen("libuchardet.so.0", RTLD_NOW))) {
            uchNew = reinterpret_cast<void* (*)()>(dlsym(uch, "uchardet_new"));
            uchHandle = reinterpret_cast<int (*)(void*, const char*, size_t)>(
                dlsym(uch, "uchardet_handle_data"));
            uchEnd = reinterpret_cast<void (*)(void*)>(dlsym(uch, "uchardet_data_end"));
            uchReset = reinterpret_cast<void (*)(void*)>(dlsym(uch, "uchardet_reset"));
            uchCharset =
                reinterpret_cast<const char* (*)(void*)>(dlsym(uch, "uchardet_get_charset"));
            if (uchNew && uchHandle && uchEnd && uchReset && uchCharset)
                uchState = uchNew();
        }
    }
    // librcd answers with an enumeration; learn which value means which page
    // from one long, unambiguous text in each.
    void calibrate(const std::string& longWinText)
    {
        if (!rcdGuess)
            return;
        const CodePage cps[3] = {CodePage::Win, CodePage::Dos, CodePage::Koi};
        for (int k = 0; k < 3; ++k) {
            const std::string t = transcode(longWinText, CodePage::Win, cps[k]);
            rcdCodes[k] = rcdGuess(t.data(), static_cast<int>(t.size()));
        }
    }
    CodePage viaRcd(const std::string& s) const
    {
        const int r = rcdGuess(s.data(), static_cast<int>(s.size()));
        if (r == rcdCodes[1])
            return CodePage::Dos;
        if (r == rcdCodes[2])
            return CodePage::Koi;
        if (r == rcdCodes[0])
            return CodePage::Win;
        return CodePage::Mac;
    }
    CodePage viaUchardet(const std::string& s) const
    {
        uchReset(uchState);
        uchHandle(uchState, s.data(), s.size());
        uchEnd(uchState);
        const char* name = uchCharset(uchState);
        const std::string cs = name ? name : "";
        if (strcasecmp(cs.c_str(), "WINDOWS-1251") == 0)
            return CodePage::Win;
        if (strcasecmp(cs.c_str(), "KOI8-R") == 0)
            return CodePage::Koi;
        if (strcasecmp(cs.c_str(), "IBM866") == 0 || strcasecmp(cs.c_str(), "CP866") == 0)
            return CodePage::Dos;
        return CodePage::Mac;
    }
};

// ZUK_DETECT_SHOW_MISSES=N prints the first misses of the detector on samples of N bytes.
const size_t showLength =
    std::getenv("ZUK_DETECT_SHOW_MISSES") ? std::atoi(std::getenv("ZUK_DETECT_SHOW_MISSES")) : 0;
int showMisses = 0;

double accuracy(const std::vector<std::string>& winSamples, const Detector& detect,
                const std::vector<CodePage>& pages)
{
    size_t right = 0, total = 0;
    for (CodePage cp : pages) {
        for (const std::string& s : winSamples) {
            const std::string bytes = transcode(s, CodePage::Win, cp);
            const bool ok = detect(bytes) == cp;
            right += ok;
            if (!ok && showMisses && showMisses-- > 0)
                std::printf("    miss (%s): %s\n", codePageName(cp), winToUtf8(s).c_str());
            ++total;
        }
    }
    return total ? 100.0 * static_cast<double>(right) / static_cast<double>(total) : 0;
}

} // namespace

int main()
{
    installMissing();
    const std::vector<std::string> words = corpusWords();
    if (words.size() < 1000) {
        std::printf("  no Russian prose found (install fortunes-ru or set ZUK_DETECT_CORPUS)\n");
        return 1;
    }
    References refs;
    {
        std::string longText;
        for (size_t i = 0; i < 2000 && i < words.size(); ++i)
            longText += words[i] + ' ';
        refs.calibrate(longText);
    }

    std::vector<std::pair<std::string, Detector>> detectors = {
        {"zuk", [](const std::string& s) { return detectCodePage(s); }},
        {"marker rule", [](const std::string& s) { return markerGuess(s); }},
    };
    if (refs.rcdGuess)
        detectors.emplace_back("librcd", [&refs](const std::string& s) { return refs.viaRcd(s); });
    else
        std::printf("  librcd not installed: its column is left out\n");
    if (refs.uchState)
        detectors.emplace_back("uchardet",
                               [&refs](const std::string& s) { return refs.viaUchardet(s); });
    else
        std::printf("  uchardet not installed: its column is left out\n");

    const size_t limit = 20000;
    const std::vector<CodePage> all = {CodePage::Win, CodePage::Dos, CodePage::Koi};
    std::printf("  accuracy over win, dos and koi (%% of samples; %zu words of prose)\n",
                words.size());
    std::printf("  %-18s", "sample <= bytes");
    for (const auto& d : detectors)
        std::printf(" %12s", d.first.c_str());
    std::printf("\n");
    for (size_t len : {16, 32, 64, 128}) {
        const std::vector<std::string> cut = samples(words, len, limit);
        std::printf("  %-18s",
                    (std::to_string(len) + " (" + std::to_string(cut.size() * 3) + ")").c_str());
        for (const auto& d : detectors) {
            showMisses = len == showLength && d.first == "zuk" ? 40 : 0;
            std::printf(" %11.2f%%", accuracy(cut, d.second, all));
        }
        std::printf("\n");
    }

    // Samples of at most 16 bytes with Russian letters, none beside another
    // ("read(2) и"): only the lone letters can tell.
    {
        std::vector<std::string> lone;
        size_t i = 0;
        while (i < words.size() && lone.size() < limit) {
            std::string s;
            while (i < words.size() && s.size() + (s.empty() ? 0 : 1) + words[i].size() <= 16) {
                if (!s.empty())
                    s += ' ';
                s += words[i++];
            }
            if (s.empty()) {
                ++i;
                continue;
            }
            const bool letter = std::any_of(s.begin(), s.end(), [](char c) {
                return isRussianLetter(static_cast<unsigned char>(c));
            });
            if (letter && !holdsRussianWord(s))
                lone.push_back(s);
        }
        std::printf("  %-18s", ("lone letters (" + std::to_string(lone.size() * 3) + ")").c_str());
        for (const auto& d : detectors)
            std::printf(" %11.2f%%", accuracy(lone, d.second, all));
        std::printf("\n");
    }

    // Harder forms: the same prose in capitals, and Windows-1251 samples that hold Ё.
    for (size_t len : {16, 64}) {
        std::vector<std::string> caps;
        for (const std::string& s : samples(words, len, limit))
            caps.push_back(upperWin(s));
        std::printf("  %-18s", ("CAPITALS <= " + std::to_string(len)).c_str());
        for (const auto& d : detectors) {
            showMisses = len + 1000 == showLength && d.first == "zuk" ? 40 : 0;
            std::printf(" %11.2f%%", accuracy(caps, d.second, all));
        }
        std::printf("\n");
    }
    {
        std::vector<std::string> yo;
        for (const std::string& s : samples(words, 64, 1000000))
            if (s.find('\xA8') != std::string::npos || s.find('\xB8') != std::string::npos)
                yo.push_back(s);
        std::printf("  %-18s", ("win with yo (" + std::to_string(yo.size()) + ")").c_str());
        for (const auto& d : detectors)
            std::printf(" %11.2f%%", accuracy(yo, d.second, {CodePage::Win}));
        std::printf("\n");
    }
    {
        const std::vector<std::string> english = {
            "The quick brown fox jumps over the lazy dog.",
            "Copyright (c) 2026, all rights reserved. See LICENSE for details.",
            "int main(int argc, char** argv) { return 0; }",
            "Price: 25 EUR \x80 or 30 USD \xA9 2026",
        };
        size_t win = 0;
        for (const std::string& s : english)
            win += detectCodePage(s) == CodePage::Win;
        std::printf("  English text answered win: %zu of %zu\n", win, english.size());
    }

    // Speed: a 100 MB KOI8-R text made of the prose.
    const double mb = zuk::bench::benchMegabytes(100);
    std::string big;
    big.reserve(static_cast<size_t>(mb * 1048576) + 4096);
    {
        std::string block;
        for (const std::string& w : words)
            block += w + (block.size() % 70 < 8 ? "\r\n" : " ");
        block = transcode(block, CodePage::Win, CodePage::Koi);
        while (big.size() < mb * 1048576)
            big += block;
    }
    const double start = zuk::bench::now();
    const CodePage guess = detectCodePage(big);
    const double seconds = zuk::bench::now() - start;
    std::printf("  detect %.0f MB: %s in %.3f s = %.0f MB/s (target >= 200 MB/s)\n",
                static_cast<double>(big.size()) / 1048576.0, codePageName(guess), seconds,
                static_cast<double>(big.size()) / 1048576.0 / seconds);
    {
        const double t0 = zuk::bench::now();
        const DetectorScores whole = detectorScores(big, true);
        const double t1 = zuk::bench::now() - t0;
        std::printf("  every byte scored (no early decision): %.3f s = %.0f MB/s (koi lead %lld)\n",
                    t1, static_cast<double>(big.size()) / 1048576.0 / t1,
                    whole.koiMinusWin - std::max(0LL, whole.dosMinusWin));
    }
    if (refs.rcdGuess) {
        const double t0 = zuk::bench::now();
        refs.viaRcd(big);
        const double t1 = zuk::bench::now() - t0;
        std::printf("  librcd on the same text: %.3f s = %.0f MB/s\n", t1,
                    static_cast<double>(big.size()) / 1048576.0 / t1);
    }
    return 0;
}
