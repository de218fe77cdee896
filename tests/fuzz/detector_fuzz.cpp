// The code-page detector: any bytes as a text. The answer is one of the three
// working pages and agrees with the name form; a text with no two high bytes
// side by side is Windows-1251 unless it is short and holds lone ones; both
// scorings count the high pairs right, the early stop of long texts only ever
// counts fewer; the answer of `zuk-text detect` names Unicode by the marks and
// by well-formed UTF-8; and a long text made of the input is read the same
// way (by letter pairs, block by block).

#include "fuzz/fuzztarget.h"

#include "codepages/detector.h"
#include "codepages/unicodefile.h"

#include <cstdlib>
#include <string>

namespace {

using namespace zuk::codepages;

using zuk::fuzz::check;

} // namespace

ZUK_FUZZ_TARGET(detector)
{
    const CodePage cp = detectCodePage(input);
    check(cp == CodePage::Win || cp == CodePage::Dos || cp == CodePage::Koi);
    check(DetectCodePage(input) == codePageName(cp));
    check(detectCodePage(input) == cp);

    size_t highPairs = 0;
    for (size_t i = 1; i < input.size(); ++i)
        highPairs += static_cast<unsigned char>(input[i - 1]) >= 0x80 &&
                     static_cast<unsigned char>(input[i]) >= 0x80;
    // Without two high bytes side by side only lone ones (between bytes that
    // are no letters) of a short text can tell another page.
    auto latin = [](unsigned char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; };
    size_t lone = 0;
    for (size_t i = 0; i < input.size(); ++i)
        lone += static_cast<unsigned char>(input[i]) >= 0x80 &&
                (i == 0 || !latin(static_cast<unsigned char>(input[i - 1]))) &&
                (i + 1 == input.size() || !latin(static_cast<unsigned char>(input[i + 1])));
    if (highPairs == 0 && (lone == 0 || input.size() >= 4096))
        check(cp == CodePage::Win);
    check(detectorScores(input, true).highPairs == highPairs);
    check(shortTextScores(input).highPairs == highPairs);
    check(detectorScores(input, false).highPairs <= highPairs);

    const CodePage marker = markerGuess(input);
    check(marker == CodePage::Win || marker == CodePage::Dos || marker == CodePage::Koi);

    // The answer of `zuk-text detect`: Unicode by the rules a file opens by,
    // else the code page.
    const std::string encoding = DetectEncoding(input);
    const bool utf16 = input.substr(0, 2) == "\xFF\xFE" || input.substr(0, 2) == "\xFE\xFF";
    if (utf16)
        check(encoding == "utf16");
    else if (input.substr(0, 3) == "\xEF\xBB\xBF" || isMultiByteUtf8(input))
        check(encoding == "utf8");
    else
        check(encoding == codePageName(cp));

    // Repeated past the short-text size, the text is scored by pairs.
    std::string longer(input);
    while (!longer.empty() && longer.size() < 5000)
        longer += input;
    check(detectCodePage(longer) == detectCodePage(longer));
}
