// The tag scanner and everything built on it: tag removal, link analysis and
// the src values of the document weight. The first line of the input is the
// tag list, the rest the markup.

#include "fuzz/fuzztarget.h"

#include "html/cleanup.h"
#include "html/htmlparser.h"

#include <string>

using zuk::fuzz::check;

ZUK_FUZZ_TARGET(tags)
{
    const std::size_t newline = input.find('\n');
    const std::string_view list = newline == std::string_view::npos ? "" : input.substr(0, newline);
    const std::string_view text =
        newline == std::string_view::npos ? input : input.substr(newline + 1);

    // Tags follow each other without overlapping and stay inside the text.
    zuk::html::THtmlParser parser(text);
    std::size_t end = 0;
    std::string outside, everyName;
    while (parser.NextTag()) {
        check(parser.TagStart() >= end && parser.TagLength() >= 2);
        check(parser.TagStart() + parser.TagLength() <= text.size());
        check(text[parser.TagStart()] == '<' &&
              text[parser.TagStart() + parser.TagLength() - 1] == '>');
        check(parser.TextBeforeTag().size() == parser.TagStart() - end);
        const zuk::html::TTag& tag = *parser.Tag();
        check(!tag.TagName.empty() && tag.TagName.size() <= tag.Content.size());
        for (const zuk::html::TagAttribute& a : tag.Attributes()) {
            check(a.name.data() >= tag.Content.data() &&
                  a.name.data() + a.name.size() <= tag.Content.data() + tag.Content.size());
            check(a.value.size() <= tag.Content.size());
        }
        outside += parser.TextBeforeTag();
        everyName += std::string(tag.TagName) + "\n";
        end = parser.TagStart() + parser.TagLength();
    }
    outside += parser.TextBeforeTag();
    // Removing every tag found leaves exactly the text between them.
    check(zuk::html::KillTags(text, zuk::html::parseTagList(everyName)) == outside);

    std::string listLines(list);
    for (char& c : listLines)
        if (c == ',')
            c = '\n';
    const std::vector<std::string> names = zuk::html::parseTagList(listLines);
    const std::string killed = zuk::html::KillTags(text, names);
    check(killed.size() <= text.size());
    if (names.empty())
        check(killed == text);

    const std::vector<std::string> report = zuk::html::LinkReport(text);
    check(!report.empty());
    for (const std::string& value : zuk::html::SourceValues(text))
        check(value.size() <= text.size());
}
