#pragma once

#include <string_view>

// The order lines are sorted in: case-insensitive, the way a Russian reader
// expects a list ordered. Punctuation and other symbols come first, then
// digits, then the Latin letters, then the Cyrillic letters in alphabetical
// order, with ё sorted as е and the Ukrainian, Belarusian, Serbian and
// Macedonian letters beside their nearest Russian letter (ґ after г, є after
// е, і and ї after и, ...).
//
// Strings equal at that level are ordered further so the result never
// depends on the sort algorithm: е before ё, then lower case before upper
// case, then by the raw bytes.
namespace zuk::textfunc {

// Negative, zero or positive like strcmp. Zero only for identical strings.
int compareCollated(std::string_view a, std::string_view b);

// Case-insensitive equality at the first level (ё equal to е).
bool equalIgnoringCase(std::string_view a, std::string_view b);

struct CollatedLess {
    bool operator()(std::string_view a, std::string_view b) const
    {
        return compareCollated(a, b) < 0;
    }
};

} // namespace zuk::textfunc
