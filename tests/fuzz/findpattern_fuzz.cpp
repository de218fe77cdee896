// The find-in-files search text and the file masks: any bytes split into a
// pattern and a text (at the first NUL). The skip search must agree with a
// plain scan, also when the text is read in blocks; the masks must end on any
// name without reading past it.

#include "fuzz/fuzztarget.h"

#include "filebox/findinfiles.h"
#include "textfunc/casefunctions.h"

#include <string>

namespace {

std::size_t plainFind(std::string_view pattern, std::string_view text)
{
    const auto& fold = zuk::textfunc::Cp1251Lower;
    for (std::size_t at = 0; at + pattern.size() <= text.size(); ++at) {
        std::size_t i = 0;
        while (i < pattern.size() && (pattern[i] == '*' || pattern[i] == '?' ||
                                      fold[static_cast<unsigned char>(pattern[i])] ==
                                          fold[static_cast<unsigned char>(text[at + i])]))
            ++i;
        if (i == pattern.size())
            return at;
    }
    return std::string::npos;
}

} // namespace

ZUK_FUZZ_TARGET(findpattern)
{
    using namespace zuk::filebox;
    const std::size_t cut = input.find('\0');
    const std::string_view pattern = input.substr(0, cut);
    const std::string_view text =
        cut == std::string_view::npos ? std::string_view() : input.substr(cut + 1);
    const TextPattern compiled(pattern);
    const std::size_t expected = pattern.empty() ? std::string::npos : plainFind(pattern, text);
    zuk::fuzz::check(compiled.find(text.data(), text.size()) == expected);
    fileMaskMatches(pattern, text);
    selectionMaskMatches(pattern, text);
}
