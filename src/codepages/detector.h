#pragma once

#include <string>
#include <string_view>

#include "codepages/charsets.h"

namespace zuk::codepages {

// The working code page of a Russian text: "win", "dos" or "koi".
//
// The text is scored under each of the three code pages with Russian
// letter statistics (compact tables trained on real Russian text: letter
// triples for texts under 4 KB, letter pairs for longer ones), plus
// the cost of non-letter bytes that code page would show and of a capital
// right after a small letter. The best score wins; a long text is read only
// until the lead of the best page is beyond doubt. A text where no two bytes
// above 7Fh stand side by side holds no Cyrillic word of two letters in any
// of the pages: a short one (under 4 KB) is judged by its lone bytes, those
// between characters that are no letters, by how often the character each
// page shows stands alone in Russian text (the one-letter words и, в, с ...),
// and another page than "win" must lead clearly; a longer one is "win". When
// the scores of the best pages are too close to call, the marker rule (CP866
// marker letters, then KOI8-R marker words) breaks the tie. Linear, one table
// lookup per byte.
std::string DetectCodePage(std::string_view text);
CodePage detectCodePage(std::string_view text);

// What a text is, as `zuk-text detect` answers: "utf16" after a UTF-16
// byte-order mark, "utf8" after a UTF-8 one or for well-formed UTF-8 holding
// a character beyond ASCII (the rules a file is opened by), otherwise the
// code page DetectCodePage guesses.
std::string DetectEncoding(std::string_view text);

// The marker rule on its own: "dos" when any of nine CP866 letters occurs,
// overridden by "koi" when any of thirteen short KOI8-R words occurs with a
// space on each side, "win" otherwise.
CodePage markerGuess(std::string_view text);

// The three scores (Windows-1251 is 0, the others relative to it) in the
// detector's fixed-point units, for the benchmark and the tests.
struct DetectorScores {
    long long koiMinusWin = 0;
    long long dosMinusWin = 0;
    size_t highPairs = 0; // bytes above 7Fh right after another such byte
};
// With wholeText false the scan stops once the lead of the best page is
// beyond doubt (thousands of nats), as DetectCodePage does on long texts.
DetectorScores detectorScores(std::string_view text, bool wholeText = false);
// The scores of a short text (under 4 KB, where DetectCodePage uses them):
// letter triples instead of pairs, the text taken to stand between gaps.
DetectorScores shortTextScores(std::string_view text);

} // namespace zuk::codepages
