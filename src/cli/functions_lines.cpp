#include "base/zukerror.h"
#include "cli/registry.h"
#include "codepages/charsets.h"
#include "textfunc/linefunctions.h"
#include "textfunc/numberfunctions.h"
#include "textfunc/textfunctions.h"

namespace zuk::cli {

namespace {

using textfunc::Lines;

// A selection is its lines joined by CR LF with no final break; the functions
// that work on the selection as a whole get the input in that form.
std::string asSelection(const Lines& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

Lines deleteEmptyLines(Invocation& call)
{
    return textfunc::DeleteEmptyLines(call.lines);
}
Lines encloseLines(Invocation& call)
{
    return textfunc::EncloseLines(call.lines, call.option("before"), call.option("after"));
}
Lines numberLines(Invocation& call)
{
    return textfunc::NumberLines(call.lines);
}
Lines reverseLines(Invocation& call)
{
    return textfunc::ReverseLines(call.lines);
}
Lines anagrams(Invocation& call)
{
    return textfunc::Anagrams(asSelection(call.lines));
}
Lines sortLines(Invocation& call)
{
    return textfunc::SortLines(std::move(call.lines));
}
Lines sortLinesDesc(Invocation& call)
{
    return textfunc::SortLinesDescending(std::move(call.lines));
}

Lines sortParagraphs(Invocation& call)
{
    const std::string delimiter = call.option("delimiter", ";");
    if (delimiter.empty())
        throw FormatError("Значение не задано!");
    return textfunc::SortParagraphs(asSelection(call.lines), delimiter[0]);
}

Lines qscriptToCmdline(Invocation& call)
{
    return {textfunc::QScriptToCommandLine(call.lines)};
}
Lines cmdlineToQscript(Invocation& call)
{
    return textfunc::CommandLineToQScript(asSelection(call.lines));
}

std::string reverseText(Invocation& call)
{
    return textfunc::ReverseText(call.input);
}
std::string deleteWord(Invocation& call)
{
    return textfunc::DeleteWordEverywhere(call.input, call.option("word"));
}
std::string collapseSpaces(Invocation& call)
{
    return textfunc::CollapseSpaces(call.input);
}
std::string killFormat(Invocation& call)
{
    return textfunc::KillFormat(call.input);
}
std::string hardWrap(Invocation& call)
{
    return textfunc::HardWrap(call.input, textfunc::parseInt32(call.option("width")));
}
std::string tabsToSpaces(Invocation& call)
{
    const long long tab = call.intOption("tab", 3);
    if (tab < 0 || tab > 1000)
        throw UsageError("the value of --tab must be between 0 and 1000");
    return textfunc::TabsToSpaces(call.input, static_cast<int>(tab));
}
std::string pairedToStraight(Invocation& call)
{
    return textfunc::PairedToStraightQuotes(call.input);
}
std::string straightToPaired(Invocation& call)
{
    return textfunc::StraightToPairedQuotes(call.input);
}
std::string escapeLt(Invocation& call)
{
    return textfunc::EscapeLessThan(call.input);
}
std::string stripTags(Invocation& call)
{
    return textfunc::StripTags(call.input);
}
std::string winPathToUnix(Invocation& call)
{
    return textfunc::WinPathToUnix(call.input);
}
std::string unixPathToWin(Invocation& call)
{
    return textfunc::UnixPathToWin(call.input);
}

OptionSpec textOption(const char* name, bool required, const char* valueName, const char* help)
{
    return {name, true, required, true, valueName, help};
}

const FunctionRegistration kLineFunctions{
    {"delete-empty-lines",
     FunctionKind::Lines,
     "Drop the lines that hold nothing but blanks.",
     {},
     deleteEmptyLines},
    {"enclose-lines",
     FunctionKind::Lines,
     "Put a text before and after every line.",
     {textOption("before", true, "TEXT", "text put before every line"),
      textOption("after", true, "TEXT", "text put after every line")},
     encloseLines},
    {"number-lines",
     FunctionKind::Lines,
     "Prefix every line with its number and a space.",
     {},
     numberLines},
    {"reverse-text", FunctionKind::Text, "The bytes in reverse order.", {}, reverseText},
    {"reverse-lines", FunctionKind::Lines, "The lines in reverse order.", {}, reverseLines},
    {"anagrams",
     FunctionKind::Lines,
     "Every ordering of the characters (at most 8), then the count line.",
     {},
     anagrams},
    {"delete-word",
     FunctionKind::Text,
     "Remove every occurrence of a word, ignoring letter case.",
     {textOption("word", true, "W", "the word or character to remove")},
     deleteWord},
    {"sort-lines",
     FunctionKind::Lines,
     "Sort the lines, ignoring case, Cyrillic after Latin.",
     {},
     sortLines},
    {"sort-lines-desc",
     FunctionKind::Lines,
     "Sort the lines in descending order.",
     {},
     sortLinesDesc},
    {"sort-paragraphs",
     FunctionKind::Lines,
     "Split the text at a delimiter character and sort the pieces as lines.",
     {textOption("delimiter", false, "C", "the delimiter; its first character counts (default ;)")},
     sortParagraphs},
    {"collapse-spaces",
     FunctionKind::Text,
     "Every run of spaces becomes one space.",
     {},
     collapseSpaces},
    {"kill-format",
     FunctionKind::Text,
     "One line: blanks trimmed, inner runs of blanks one space.",
     {},
     killFormat},
    {"hard-wrap",
     FunctionKind::Text,
     "Break lines longer than N characters at spaces, hyphens and tabs.",
     {{"width", true, true, false, "N", "the line width in characters"}},
     hardWrap},
    {"tabs-to-spaces",
     FunctionKind::Text,
     "Each tab becomes N spaces.",
     {{"tab", true, false, false, "N", "spaces per tab (default 3)"}},
     tabsToSpaces},
    {"paired-to-straight-quotes",
     FunctionKind::Text,
     "Guillemets become straight double quotes.",
     {},
     pairedToStraight},
    {"straight-to-paired-quotes",
     FunctionKind::Text,
     "Straight double quotes become guillemets, alternately.",
     {},
     straightToPaired},
    {"escape-lt", FunctionKind::Text, "Every < becomes &lt;.", {}, escapeLt},
    {"strip-tags",
     FunctionKind::Text,
     "Remove everything from each < to the next >.",
     {},
     stripTags},
    {"win-path-to-unix",
     FunctionKind::Text,
     "Backslashes to slashes; characters Unix paths avoid to _.",
     {},
     winPathToUnix},
    {"unix-path-to-win",
     FunctionKind::Text,
     "Slashes to backslashes; characters Windows paths forbid to _.",
     {},
     unixPathToWin},
    {"qscript-to-cmdline",
     FunctionKind::Lines,
     "Join the lines with a | before each.",
     {},
     qscriptToCmdline},
    {"cmdline-to-qscript",
     FunctionKind::Lines,
     "Split the text at every | into lines.",
     {},
     cmdlineToQscript},
};

} // namespace

} // namespace zuk::cli
