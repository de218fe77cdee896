// zuk-text's manual pages and bash completion, made from its function table:
// the formatting on a table of awkward rows, then the files the build made
// from the real table.

#include "cli/clirunner.h"
#include "cli/registry.h"
#include "tools/clidoc/clidoc.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

using zuk::cli::FunctionKind;
using zuk::cli::FunctionSpec;
using zuk::testing::readFileBytes;
using zuk::testing::tempPath;
using zuk::testing::writeFileBytes;

namespace {

std::string noText(zuk::cli::Invocation&)
{
    return {};
}

// Runs a shell command; its standard output and error together.
std::string shell(const std::string& command, int* status = nullptr)
{
    std::string out;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe)
        return "cannot run: " + command;
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        out.append(buffer.data(), n);
    const int rc = ::pclose(pipe);
    if (status)
        *status = rc;
    return out;
}

std::string quoted(const std::string& text)
{
    std::string q = "'";
    for (char c : text)
        q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

bool haveMan()
{
    return shell("command -v man") != "";
}

// Blanks of any length as one space, bold and underline (overstrikes) gone.
std::string plain(const std::string& text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i + 1 < text.size() && text[i + 1] == '\b') {
            ++i;
            continue;
        }
        const bool blank = text[i] == ' ' || text[i] == '\n';
        if (!blank)
            out += text[i];
        else if (!out.empty() && out.back() != ' ')
            out += ' ';
    }
    return out;
}

// What man shows of a page, as plain text.
std::string renderPage(const std::string& path)
{
    return plain(shell("LC_ALL=C.UTF-8 MANROFFSEQ='' man -E UTF-8 -l -Tutf8 " + quoted(path)));
}

std::string checkPageWarnings(const std::string& path)
{
    return shell("LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z " +
                 quoted(path) + " >/dev/null");
}

// The completions bash offers for a command line; the last word is the one
// being completed.
std::vector<std::string> complete(const std::string& script, const std::vector<std::string>& words)
{
    std::string array;
    for (const std::string& w : words)
        array += " " + quoted(w);
    const std::string program = "source " + quoted(script) + "; COMP_WORDS=(" + array +
                                "); COMP_CWORD=" + std::to_string(words.size() - 1) +
                                "; _zuk_text; printf '%s\\n' \"${COMPREPLY[@]}\"";
    std::istringstream out(shell("bash -c " + quoted(program)));
    std::vector<std::string> lines;
    for (std::string line; std::getline(out, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

const std::vector<FunctionSpec>& awkwardTable()
{
    static const std::vector<FunctionSpec> table = {
        FunctionSpec("wrap-it", FunctionKind::Lines,
                     ".so /etc/passwd is no request here; a back\\slash stays", {}, noText),
        FunctionSpec("pick", FunctionKind::Text, "'quoted start",
                     {{"mode", true, true, false, "A|B|C", "one of three"},
                      {"table", true, false, false, "FILE", "the table"},
                      {"loud", false, false, false, "", "a flag"},
                      {"bad'name", true, false, false, "N", "never completed"}},
                     noText)
            .withArguments({"OP"}),
        FunctionSpec("nothing-read", FunctionKind::NoInput, "", {}, noText),
    };
    return table;
}

} // namespace

TEST(CliManual, AwkwardSummariesRenderAsTextAndUsageLinesShowTheShapeOfEachFunction)
{
    if (!haveMan())
        GTEST_SKIP() << "man is not installed";
    const std::string page = tempPath("awkward.1");
    writeFileBytes(page, zuk::clidoc::fillManualTemplate(
                             ".TH T 1 \"\" \"T @VERSION@\"\n.SH NAME\nt \\- test\n.SH FUNCTIONS\n"
                             "@FUNCTIONS@\n",
                             "9.9", awkwardTable(), zuk::clidoc::Language::English));
    EXPECT_EQ(checkPageWarnings(page), "");
    const std::string shown = renderPage(page);
    std::remove(page.c_str());
    for (const char* expected :
         {"T 9.9", "wrap-it [FILE]", ".so /etc/passwd is no request here; a back\\slash stays",
          "Reads the input as lines", "pick OP --mode A|B|C [--table FILE] [--loud]",
          "'quoted start", "one of three (required)", "nothing-read Reads no input."})
        EXPECT_NE(shown.find(expected), std::string::npos) << expected << "\n" << shown;
    EXPECT_EQ(shown.find("nothing-read [FILE]"), std::string::npos);
}

TEST(CliManual, TheBuiltPagesListEveryFunctionInBothLanguagesAndRenderWithoutWarnings)
{
    const zuk::testing::CliResult list = zuk::testing::runCli({"list"});
    ASSERT_EQ(list.status, 0);
    std::vector<std::string> names;
    std::istringstream in(list.out);
    for (std::string name; std::getline(in, name);)
        names.push_back(name);
    ASSERT_GT(names.size(), 50u);

    for (const char* lang : {"en", "ru"}) {
        SCOPED_TRACE(lang);
        const std::string page = readFileBytes(std::string(ZUK_MAN_DIR) + lang + "/zuk-text.1");
        ASSERT_FALSE(page.empty());
        EXPECT_EQ(page.find("@FUNCTIONS@"), std::string::npos);
        EXPECT_EQ(page.find("@VERSION@"), std::string::npos);
        EXPECT_NE(page.find("Zuk " ZUK_VERSION), std::string::npos);
        for (const std::string& name : names)
            EXPECT_NE(page.find(".TP\n\\fB" + zuk::clidoc::roffWord(name) + "\\fR"),
                      std::string::npos)
                << name;
        if (haveMan()) {
            EXPECT_EQ(checkPageWarnings(std::string(ZUK_MAN_DIR) + lang + "/zuk-text.1"), "");
            EXPECT_EQ(checkPageWarnings(std::string(ZUK_MAN_DIR) + lang + "/zuk.1"), "");
        }
    }
}

TEST(CliCompletion, OffersFunctionsTheirOptionsFixedValuesAndFiles)
{
    const std::string script = ZUK_COMPLETION;
    using Words = std::vector<std::string>;
    EXPECT_EQ(complete(script, {"zuk-text", "hard-w"}), Words{"hard-wrap"});
    EXPECT_EQ(complete(script, {"zuk-text", "hard-wrap", "--"}),
              (Words{"--utf8", "--help", "--width"}));
    EXPECT_EQ(complete(script, {"zuk-text", "transcode", "--from", "k"}), Words{"koi"});
    EXPECT_EQ(complete(script, {"zuk-text", "transcode", "--to", "=", "d"}), Words{"dos"});
    EXPECT_EQ(complete(script, {"zuk-text", "translit", "--shcha", "S"}),
              (Words{"Sj", "Shch", "Sch"}));
    // A value of free text gets nothing, not file names.
    EXPECT_EQ(complete(script, {"zuk-text", "hard-wrap", "--width", ""}), Words{});
    EXPECT_EQ(complete(script, {"zuk-text", "list", ""}), Words{});

    const std::string dir = tempPath("completion");
    ASSERT_EQ(::mkdir(dir.c_str(), 0700), 0);
    writeFileBytes(dir + "/table one.txt", "");
    EXPECT_EQ(complete(script, {"zuk-text", "apply-table", "--table", dir + "/tab"}),
              Words{dir + "/table one.txt"});
    EXPECT_EQ(complete(script, {"zuk-text", "upper", "--utf8", dir + "/"}),
              Words{dir + "/table one.txt"});
    std::remove((dir + "/table one.txt").c_str());
    ::rmdir(dir.c_str());
}

TEST(CliCompletion, ANameThatWouldBreakTheScriptIsLeftOut)
{
    const std::string path = tempPath("completion");
    writeFileBytes(path, zuk::clidoc::bashCompletion(awkwardTable()));
    int status = 0;
    EXPECT_EQ(shell("bash -n " + quoted(path), &status), "");
    EXPECT_EQ(status, 0);
    using Words = std::vector<std::string>;
    EXPECT_EQ(complete(path, {"zuk-text", "pick", "--"}),
              (Words{"--utf8", "--help", "--mode", "--table", "--loud"}));
    EXPECT_EQ(complete(path, {"zuk-text", "pick", "--mode", ""}), (Words{"A", "B", "C"}));
    EXPECT_EQ(complete(path, {"zuk-text", "nothing-read", ""}), Words{});
    std::remove(path.c_str());
}
