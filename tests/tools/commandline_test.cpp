#include "tools/commandline.h"
#include "tools/occurrences.h"

#include "codepages/charsets.h"
#include "textfunc/casefunctions.h"

#include <gtest/gtest.h>

using namespace zuk::tools;

namespace {

using Words = std::vector<std::string>;

TEST(CommandWords, BlanksSeparateAndQuotesGroupWithoutBackslashEscapes)
{
    const struct {
        const char* line;
        Words words;
    } rows[] = {
        {"", {}},
        {"  sort   -r\tfile ", {"sort", "-r", "file"}},
        {R"("my prog" 'a b' c"d e"f)", {"my prog", "a b", "cd ef"}},
        {R"(x "" y)", {"x", "", "y"}},
        {R"(c:\dir\file "unclosed rest)", {R"(c:\dir\file)", "unclosed rest"}},
        {R"(say "it's" 'a "b"')", {"say", "it's", "a \"b\""}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(splitCommandWords(r.line), r.words) << r.line;

    EXPECT_EQ(cutProgramWord("  \"/opt/my app/x\" -a  @ ").program, "/opt/my app/x");
    EXPECT_EQ(cutProgramWord("  \"/opt/my app/x\" -a  @ ").arguments, "-a  @ ");
    EXPECT_EQ(cutProgramWord("##stringcount hello world").arguments, "hello world");
    EXPECT_EQ(cutProgramWord("notepad").arguments, "");
}

TEST(Placeholders, OnePassPerWordAndValuesAreNeverScannedAgain)
{
    const PlaceholderTable table{{"path", "/a@path/x"}, {"ext", ".txt"}};
    // The inserted value holds the meta character and a placeholder word: it stays.
    EXPECT_EQ(substitutePlaceholders("@path|@", "@", table, std::string("WHOLE")),
              "/a@path/x|WHOLE");
    EXPECT_EQ(substitutePlaceholders("@ext@pathology", "@", table), ".txt/a@path/xology");
    EXPECT_EQ(substitutePlaceholders("mail@", "@", table), "mail@");
    EXPECT_EQ(substitutePlaceholders("@ext", "", table), "@ext");
    EXPECT_EQ(substitutePlaceholders("##x##ext", "##", table), "##x.txt");
}

TEST(PlainMode, EveryPlaceholderOfTheFileAndTheFileAloneAsOneArgumentEach)
{
    const PathParts p = placeholderParts("/home/u/my docs/report.txt", "/");
    EXPECT_EQ(p.drive, "/");
    EXPECT_EQ(p.path, "home/u/my docs");
    EXPECT_EQ(p.filename, "report");
    EXPECT_EQ(p.ext, ".txt");
    const PathParts mounted = placeholderParts("/media/usb/a/b.tar.gz", "/media/usb");
    EXPECT_EQ(mounted.drive, "/media/usb/");
    EXPECT_EQ(mounted.path, "a");
    EXPECT_EQ(mounted.filename, "b.tar");
    EXPECT_EQ(mounted.ext, ".gz");
    EXPECT_EQ(placeholderParts("/README", "/").ext, "");

    const std::string hostile = "/tmp/a b;$(touch X)'\".txt";
    const PathParts h = placeholderParts(hostile, "/");
    EXPECT_EQ(plainArguments("-v @ @filename.@ext \"@drive@path\"", "@", h, hostile),
              (Words{"-v", hostile, "a b;$(touch X)'\"..txt", "/tmp"}));
    // @filename.@ext gives the name, a dot and the extension with its own dot.
    EXPECT_EQ(plainArguments("@filename.@ext", "@", p, "x"), Words{"report..txt"});
}

TEST(BlockMode, PlaceholdersBecomeTheExchangeFilesAndOnlyTheUsersWordsReachTheShell)
{
    const BlockPlan plain = planBlock(cutProgramWord("cp @selected_block @input_file @output_file"),
                                      "@", "/run/x/zukblock.in", "/run/x/zukblock.out");
    EXPECT_EQ(plain.program, "cp");
    EXPECT_EQ(plain.arguments, (Words{"/run/x/zukblock.in", "/run/x/zukblock.out"}));
    EXPECT_TRUE(plain.outputFile);
    EXPECT_FALSE(plain.shell);
    // Without output_file the result is read from the input file; the meta
    // character alone is no placeholder here.
    const BlockPlan inPlace =
        planBlock(cutProgramWord("sed -i s/a/b/ @input_file @selected_block @"), "@", "IN", "OUT");
    EXPECT_EQ(inPlace.arguments, (Words{"-i", "s/a/b/", "IN", "@"}));
    EXPECT_FALSE(inPlace.outputFile);

    const BlockPlan shell =
        planBlock(cutProgramWord("sort <@input_file >@output_file @dosapp @selected_block"), "@",
                  "zukblock.in", "zukblock.out");
    EXPECT_TRUE(shell.shell);
    EXPECT_EQ(shell.shellLine, "sort <zukblock.in >zukblock.out  ");

    // A block goes out as lines and an unchanged file brings it back byte for byte.
    for (const char* block : {"", "a", "a\r\nb", "a\r\n", "\r\n\r\nx"})
        EXPECT_EQ(blockFromFile(blockFileBytes(block)), block) << block;
    EXPECT_EQ(blockFileBytes("a\r\nb"), "a\r\nb\r\n");
    EXPECT_EQ(blockFromFile("x\ny\rz\n"), "x\r\ny\r\nz");
}

TEST(Pipelines, StagesDirectivesAndWaiting)
{
    const std::vector<PipelineStage> stages = splitPipeline(
        " conv @file_in @file_out ##exewait | | ##ch_fout_ext .txt |##IMPORT @file_out|"
        "##INSERT x | ##INSERT_TO_NEW \"a b\" | viewer @file_out ");
    ASSERT_EQ(stages.size(), 6u);
    EXPECT_EQ(stages[0].kind, StageKind::Program);
    EXPECT_TRUE(stages[0].exeWait);
    EXPECT_EQ(stageArguments(stages[0], "@", "/x/zuk_temp.htm", "/x/zuk_temp.z13"),
              (Words{"/x/zuk_temp.htm", "/x/zuk_temp.z13"}));
    EXPECT_EQ(stages[1].kind, StageKind::ChangeExtension);
    EXPECT_EQ(stages[1].arguments, ".txt");
    EXPECT_EQ(stages[2].kind, StageKind::Import);
    EXPECT_EQ(stageFile(stages[2], "@", "IN", "/x/out.z13"), "/x/out.z13");
    EXPECT_EQ(stages[3].kind, StageKind::Insert);
    EXPECT_EQ(stages[4].kind, StageKind::InsertToNew);
    EXPECT_EQ(stageFile(stages[4], "@", "IN", "OUT"), "a b");
    EXPECT_EQ(stages[5].kind, StageKind::Program);
    EXPECT_FALSE(stages[5].exeWait);

    // A later extension changes the name the earlier one made.
    EXPECT_EQ(changeExtension(changeExtension("/x/zuk_temp.z13", ".txt"), ".htm"),
              "/x/zuk_temp.htm");
    EXPECT_EQ(changeExtension("/x.d/zuk_temp", ".z13"), "/x.d/zuk_temp.z13");
    EXPECT_EQ(tempCopyName("/home/u/page.html", true), "zuk_temp.html");
    EXPECT_EQ(tempCopyName("untitled3", false), "zuk_temp.htm");
    for (const char* bad : {"", ".", "..", "/../../home/u/x", "a/b"})
        EXPECT_FALSE(safeExtension(bad)) << bad;
    EXPECT_TRUE(safeExtension(".txt"));
}

TEST(StringCount, CaseIgnoredInTheCodePageNonOverlappingAndAcrossPieces)
{
    using zuk::textfunc::Cp1251Lower;
    EXPECT_EQ(CountOccurrences("aaaa", "aa", Cp1251Lower), 2u);
    EXPECT_EQ(CountOccurrences("AaA", "a", Cp1251Lower), 3u);
    EXPECT_EQ(CountOccurrences("abc", "", Cp1251Lower), 0u);
    EXPECT_EQ(CountOccurrences("", "a", Cp1251Lower), 0u);
    const std::string word = zuk::codepages::utf8ToWin("Ёж");
    EXPECT_EQ(CountOccurrences(zuk::codepages::utf8ToWin("ёЖ ЁЖ еж"), word, Cp1251Lower), 2u);
    const auto koi = zuk::textfunc::inCodePage(Cp1251Lower, zuk::codepages::CodePage::Koi);
    EXPECT_EQ(
        CountOccurrences(zuk::codepages::encodeFromUtf8("ДОМ дом", zuk::codepages::CodePage::Koi),
                         zuk::codepages::encodeFromUtf8("дОм", zuk::codepages::CodePage::Koi), koi),
        2u);
    // Matches straddling the 1 MB pieces are found once, and never overlap.
    std::string big(3u << 20, 'x');
    big.replace((1u << 20) - 2, 5, "ABCAB");
    EXPECT_EQ(CountOccurrences(big, "abcab", Cp1251Lower), 1u);
    EXPECT_EQ(CountOccurrences(big, "xx", Cp1251Lower), (big.size() - 5) / 2);
    EXPECT_TRUE(isStringCount("ZUK##StringCount"));
    EXPECT_FALSE(isStringCount("##IMPORT"));
}

} // namespace
