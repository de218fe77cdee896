// The code-page detector: any bytes as a text. The answer is one of the three
// working pages and agrees with the name form; a text with no two high bytes
// side by side is Windows-1251; both scorings count the high pairs right, the
// early stop of long texts only ever counts fewer; and a long text made of
// the input is read the same way (by letter pairs, block by block).

#include "fuzz/fuzztarget.h"

#include "codepages/detector.h"

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
    if (highPairs == 0)
        check(cp == CodePage::Win);
    check(detectorScores(input, true).highPairs == highPairs);
    check(shortTextScores(input).highPairs == highPairs);
    check(detectorScores(input, false).highPairs <= highPairs);

    const CodePage marker = markerGuess(input);
    check(marker == CodePage::Win || marker == CodePage::Dos || marker == CodePage::Koi);

    // Repeated past the short-text size, the text is scored by pairs.
    std::string longer(input);
    while (!longer.empty() && longer.size() < 5000)
        longer += input;
    check(detectCodePage(longer) == detectCodePage(longer));
}
