#include "highlight/schemefile.h"

#include "io/tempfolder.h"

#include <gtest/gtest.h>

using namespace zuk::highlight;
using Lines = std::vector<std::string>;

namespace {

RSynHeader parseFirstLine(const std::string& line)
{
    return ParseSchemeHeader({line});
}

} // namespace

TEST(SchemeHeader, FirstLineTokensFillTheHeader)
{
    const RSynHeader h =
        parseFirstLine("/L10\"HTML\" Nocase Line Comment = // File Extensions = HTM HTML");
    EXPECT_EQ(h.Name, "HTML");
    EXPECT_EQ(h.LineComment, "//");
    EXPECT_EQ(h.Extensions, " HTM HTML");
    EXPECT_FALSE(h.CaseSensitive);

    const RSynHeader cs =
        parseFirstLine("/L10\"HTML\" Line Comment = // File Extensions = HTM HTML");
    EXPECT_TRUE(cs.CaseSensitive);

    const RSynHeader blocks = parseFirstLine("/L10\"Fortran\" Block Comment On = (* Block Comment "
                                             "Off = *) String Chars = \"' Line Comment = !");
    EXPECT_EQ(blocks.Name, "Fortran");
    EXPECT_EQ(blocks.BlockCommentOn, "(*");
    EXPECT_EQ(blocks.BlockCommentOff, "*)");
    EXPECT_EQ(blocks.StringChars, "\"'");
    EXPECT_EQ(blocks.LineComment, "!");

    // Token i+1 of Block is not looked at; a later match overwrites an earlier one.
    const RSynHeader later =
        parseFirstLine("/L10\"X\" Block xyz On = { Line Comment = a Line Comment = b");
    EXPECT_EQ(later.BlockCommentOn, "{");
    EXPECT_EQ(later.LineComment, "b");
}

TEST(SchemeHeader, NameIsCutAtTheSecondQuote)
{
    EXPECT_EQ(parseFirstLine("/L10\"Fortran\"").Name, "Fortran");
    // A name with a space loses its closing quote to the next token.
    EXPECT_EQ(parseFirstLine("/L10\"Visual Basic\" Nocase").Name, "");
    EXPECT_EQ(parseFirstLine("/L10\"").Name, "");
    EXPECT_EQ(parseFirstLine("/L").Name, "");
}

TEST(SchemeHeader, DelimitersComeFromTheLastLaterLine)
{
    const RSynHeader h = ParseSchemeHeader({"/L10\"Lua\" /Delimiters = no", "/Delimiters = ~!@",
                                            "/C1\"Keywords\"", "/Delimiters = ()[]{}"});
    EXPECT_EQ(h.Delimiters, "()[]{}");
}

TEST(SchemeHeader, KeywordsTooNearTheEndAreReported)
{
    for (const char* line :
         {"/L10\"A\" Line", "/L10\"A\" Line Comment",
          "/L10\"A\" Line Comment =", "/L10\"A\" Block Comment On =", "/L10\"A\" Block x",
          "/L10\"A\" String Chars =", "/L10\"A\" File", "/L10\"A\" File Extensions"}) {
        SCOPED_TRACE(line);
        EXPECT_THROW(parseFirstLine(line), SchemeParseError);
    }
    // A keyword whose next token does not match stops the comparison there.
    EXPECT_NO_THROW(parseFirstLine("/L10\"A\" Line x"));
    EXPECT_EQ(parseFirstLine("/L10\"A\" File Extensions =").Extensions, "");
    EXPECT_THROW(ParseSchemeHeader({}), SchemeParseError);
}

TEST(SchemeSplit, HeaderBlockThenOneSkippedLineThenKeywords)
{
    const SplitScheme s = SplitSchemeFile({"/L10\"A\"", "", "/C1", "alpha beta", "", "gamma"});
    EXPECT_EQ(s.headerLines, (Lines{"/L10\"A\"", "/C1"}));
    EXPECT_EQ(s.keywords, Lines{"gamma"});

    // Lines after the skipped one are keywords whatever they begin with; every
    // single space splits, a tab does not.
    const SplitScheme t = SplitSchemeFile({"/L10\"A\"", "x", "/not if  then", "a\tb"});
    EXPECT_EQ(t.keywords, (Lines{"/not", "if", "", "then", "a\tb"}));

    EXPECT_THROW(SplitSchemeFile({}), SchemeParseError);
    EXPECT_THROW(SplitSchemeFile({"", ""}), SchemeParseError);
    EXPECT_THROW(SplitSchemeFile({"no header", "/L10\"A\""}), SchemeParseError);
}

TEST(IniScanner, EventsFollowTheScanningRules)
{
    std::vector<std::string> events;
    TIniScaner::ScanText("[ \"words\" ]\r\nkey = \"Value; kept\" ; note\r\n\"q "
                         "k\"=v\r\n[a]=x\r\nk=[not a section]\r\n",
                         [&](std::string& s, std::string& k, std::string& v, IniEvent kind, bool&) {
                             events.push_back(std::to_string(static_cast<int>(kind)) + ":" + s +
                                              "|" + k + "|" + v);
                         });
    EXPECT_EQ(events, (Lines{"1:WORDS||", "2:WORDS|KEY|", "3:WORDS|KEY|Value; kept",
                             "2:WORDS|NOTE|", "2:WORDS|Q K|", "3:WORDS|Q K|v", "1:A||", "3:A||x",
                             "2:A|K|", "3:A|K|not a section]"}));
}

TEST(IniScanner, AnOddQuoteCarriesOverAndTheCallbackCanStop)
{
    std::vector<std::string> values;
    TIniScaner::ScanText("a=\"x\r\nb=y\r\n\"\r\nc=z\r\n",
                         [&](std::string&, std::string&, std::string& v, IniEvent kind, bool&) {
                             if (kind == IniEvent::Value)
                                 values.push_back(v);
                         });
    // The open quote keeps the carriage returns inside the first value.
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[1], "z");

    int calls = 0;
    TIniScaner::ScanText("[a]\r\nb=c\r\n[d]\r\n",
                         [&](std::string&, std::string&, std::string&, IniEvent, bool& go) {
                             ++calls;
                             go = false;
                         });
    EXPECT_EQ(calls, 1);
}

TEST(IniScheme, KeywordsAreIdentifiersFromEveryKeywordsKey)
{
    EXPECT_EQ(
        iniKeywordsFromText("[Words]\r\nkeywords = begin end ; the rest\r\nKeywords=<= 2go _x\r\n"),
        (Lines{"begin", "end", "_x"}));
    EXPECT_EQ(iniKeywordsFromText("KEYWORDS=top\r\n[S]\r\nother=no\r\nkeyWords=  a1  b_2 \r\n"),
              (Lines{"top", "a1", "b_2"}));
    EXPECT_TRUE(iniKeywordsFromText("").empty());
}

TEST(KeywordList, TrimmedDeduplicatedWithoutCaseAndSorted)
{
    EXPECT_EQ(normalizeKeywords({" while", "If", "", "if", "\tELSE\r", "while", "do", "   "}),
              (Lines{"ELSE", "If", "do", "while"}));
    // Cyrillic duplicates in Windows-1251 are folded too.
    EXPECT_EQ(normalizeKeywords({"\xCA\xCE\xCD\xC5\xD6", "\xEA\xEE\xED\xE5\xF6"}),
              Lines{"\xCA\xCE\xCD\xC5\xD6"});
}

TEST(SchemeFiles, EachFormatIsRecognisedAndRead)
{
    zuk::testing::TempFolder dir;
    dir.write("f.txt", "/L10\"Fortran\" Nocase Line Comment = ! File Extensions = F FOR\r\n"
                       "/Delimiters = ()\r\n** keywords **\r\nDO END DO\r\nprogram\r\n");
    dir.write("p.txt", "/L10\"Python\" Line Comment = #\r\nskip\r\nif elif else\r\n");
    dir.write("k.lst", "while\r\nfor each\r\n  do  \r\n");
    dir.write("b.SHL", "[Keywords]\r\nKeywords = Dim As\r\n[More]\r\nkeywords=Loop\r\n");

    const SchemeDefinition f = loadSchemeFile(dir.file("f.txt"));
    EXPECT_EQ(f.format, SchemeFormat::Header);
    EXPECT_FALSE(f.caseSensitive);
    EXPECT_TRUE(f.plainNumbers);
    EXPECT_EQ(f.header.Name, "Fortran");
    EXPECT_EQ(f.header.Extensions, " F FOR");
    EXPECT_EQ(f.keywords, (Lines{"DO", "END", "program"}));

    const SchemeDefinition p = loadSchemeFile(dir.file("p.txt"));
    EXPECT_TRUE(p.caseSensitive);
    EXPECT_EQ(p.keywords, (Lines{"elif", "else", "if"}));

    const SchemeDefinition k = loadSchemeFile(dir.file("k.lst"));
    EXPECT_EQ(k.format, SchemeFormat::KeywordList);
    EXPECT_FALSE(k.caseSensitive);
    EXPECT_FALSE(k.plainNumbers);
    EXPECT_EQ(k.keywords, (Lines{"do", "for each", "while"}));

    const SchemeDefinition b = loadSchemeFile(dir.file("b.SHL"));
    EXPECT_EQ(b.format, SchemeFormat::Ini);
    EXPECT_FALSE(b.caseSensitive);
    EXPECT_EQ(b.keywords, (Lines{"As", "Dim", "Loop"}));

    RSynHeader h;
    EXPECT_TRUE(readSchemeHeader(dir.file("f.txt"), h));
    EXPECT_EQ(h.Name, "Fortran");
    EXPECT_FALSE(readSchemeHeader(dir.file("k.lst"), h));
    EXPECT_FALSE(readSchemeHeader(dir.file("missing"), h));
}

TEST(SchemeFiles, MalformedFilesOfEveryFormatAreReported)
{
    zuk::testing::TempFolder dir;
    dir.write("empty.txt", "");
    dir.write("blank.shl", " \r\n\r\n");
    dir.write("nohead.txt", "/L10\"x\" \r\n");
    dir.write("nohead2.txt", " /L10\"A\"\r\nfoo\r\n");
    dir.write("short.txt", "/L10\"A\" Nocase File\r\nx\r\nif\r\n");
    for (const char* name : {"empty.txt", "blank.shl", "nohead2.txt", "short.txt"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(loadSchemeFile(dir.file(name)), SchemeParseError);
    }
    EXPECT_NO_THROW(loadSchemeFile(dir.file("nohead.txt")));
    EXPECT_THROW(loadSchemeFile(dir.file("missing.txt")), zuk::IoError);

    // The failure carries its row, so the interface words it in the current language.
    try {
        loadSchemeFile(dir.file("empty.txt"));
    } catch (const SchemeParseError& e) {
        EXPECT_EQ(e.text().key, "sCannotParseSchemeFile");
        EXPECT_STREQ(e.what(), "Черт подери! Access  Violation, не могу разобрать этот файл!");
    }
}
