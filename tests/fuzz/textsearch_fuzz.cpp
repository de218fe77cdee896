// Searching: the first line of the input is the pattern (as typed, UTF-8),
// the rest the document's bytes; the byte before the pattern picks the
// options. Matches must lie inside the text, in order and without overlap,
// and each must be a match by itself; a plain search must agree with a naive
// one. Regular expressions that do not compile or cost too much fail with
// SearchError.

#include "fuzz/fuzztarget.h"

#include "codepages/charsets.h"
#include "tools/searchtexts.h"
#include "tools/textsearch.h"

#include <string>

ZUK_FUZZ_TARGET(textsearch)
{
    using namespace zuk::tools;
    if (input.empty())
        return;
    const auto flags = static_cast<unsigned char>(input[0]);
    input.remove_prefix(1);
    const std::size_t cut = input.find('\n');
    const std::string_view pattern = input.substr(0, cut);
    const std::string text(cut == std::string_view::npos ? std::string_view()
                                                         : input.substr(cut + 1));
    SearchOptions options;
    options.matchCase = flags & 1;
    options.wholeWords = flags & 2;
    options.regex = flags & 4;
    const auto cp = static_cast<zuk::codepages::CodePage>((flags >> 3) % 3);
    // A backtracking expression may cost its match limit at every start: the
    // texts stay short enough for that to end in time.
    if (options.regex && text.size() > 512)
        return;
    try {
        const TextSearch search(pattern, options, cp);
        const SearchSubject subject(text, cp);
        std::size_t last = 0;
        std::size_t count = 0;
        search.forEach(subject, 0, text.size(), [&](const TextMatch& m) {
            zuk::fuzz::check(m.start >= last && m.start <= m.end && m.end <= text.size());
            zuk::fuzz::check(m.end > m.start || options.regex);
            zuk::fuzz::check(options.regex || search.matchAt(subject, m.start, m.end).has_value());
            last = m.end;
            return ++count < 10000;
        });
        const auto first = search.next(subject, 0, text.size());
        zuk::fuzz::check(first.has_value() == (count > 0));
        const auto final = search.previous(subject, 0, text.size());
        zuk::fuzz::check(final.has_value() == (count > 0));
    } catch (const SearchError&) {
        zuk::fuzz::check(options.regex);
    }
}
