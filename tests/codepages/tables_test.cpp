#include "codepages/charsets.h"
#include "codepages/codek.h"
#include "codepages/tablecommands.h"
#include "io/tempfolder.h"

#include "base/zukerror.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zuk::codepages;
using Lines = std::vector<std::string>;

TEST(ReplaceTable, RulesApplyInOrderWithValuesLookedUpByName)
{
    // The second "ab" rule takes the first line's value and finds nothing left.
    EXPECT_EQ(ApplyReplaceTable("abab", {"ab=x", "ab=y"}), "xx");
    // Order matters: each rule works on the output of the one before.
    EXPECT_EQ(ApplyReplaceTable("abc", {"a=b", "b=c"}), "ccc");
    EXPECT_EQ(ApplyReplaceTable("abc", {"b=c", "a=b"}), "bcc");
    // A value that holds its name does not recurse; scanning resumes after it.
    EXPECT_EQ(ApplyReplaceTable("aaa", {"a=aa"}), "aaaaaa");
    // Non-overlapping, left to right.
    EXPECT_EQ(ApplyReplaceTable("aaaa", {"aa=b"}), "bb");
    EXPECT_EQ(ApplyReplaceTable("aaa", {"aa=b"}), "ba");
    // Everything after the first '=' is the value; nothing is trimmed.
    EXPECT_EQ(ApplyReplaceTable("k", {"k= v=w "}), " v=w ");
    EXPECT_EQ(ApplyReplaceTable("a b", {" =_"}), "a_b");
    // Case-sensitive; lines without '=' and empty names change nothing.
    EXPECT_EQ(ApplyReplaceTable("Ab ab", {"ab=x", "junk", "=zz", ""}), "Ab x");
    // An empty value deletes.
    EXPECT_EQ(ApplyReplaceTable("a-b-c", {"-="}), "abc");
}

TEST(ReplaceTable, FileFormAndCodek)
{
    zuk::testing::TempFolder folder;
    folder.write("t.tbl", std::string("a=1\rb=2\nc=3\r\nd=4\0e=5", 21));
    CUnivCodek codek("abcde");
    codek.TableFile = folder.file("t.tbl");
    EXPECT_EQ(codek.Convert(), "1234e"); // a NUL ends the table's text
    CUnivCodek missing("x");
    missing.TableFile = folder.file("none.tbl");
    EXPECT_THROW(missing.Convert(), zuk::IoError);
}

TEST(TableCommands, MissingTablesLeaveTheTextAlone)
{
    zuk::testing::TempFolder folder;
    EXPECT_FALSE(applyTableIfPresent("x", folder.path(), kFidoTable).has_value());
    EXPECT_FALSE(applyTableIfPresent("x", folder.path(), kWordGluxTable).has_value());
    EXPECT_FALSE(applyTableIfPresent("x", folder.path() + "nope/", kFidoTable).has_value());
    // Names are found without regard to letter case.
    folder.write("fido.TBL", "H=\xCD\n");
    const auto fido = applyTableIfPresent("HET", folder.path(), kFidoTable);
    ASSERT_TRUE(fido.has_value());
    EXPECT_EQ(*fido, "\xCD"
                     "ET");
}

TEST(TableCommands, DeTranslitAppliesTheExtendedTableOnlyWhenOn)
{
    zuk::testing::TempFolder folder;
    TRungler r;
    const std::string plain = utf8ToWin("щука");
    EXPECT_EQ(deTranslit(r, "shchuka", true, folder.path()), plain); // no table: plain result
    folder.write(kExtTranslitTable, utf8ToWin("щука=щучка"));
    EXPECT_EQ(deTranslit(r, "shchuka", true, folder.path()), utf8ToWin("щучка"));
    EXPECT_EQ(deTranslit(r, "shchuka", false, folder.path()), plain);
    EXPECT_EQ(translit(r, plain), "sjuka");
}

TEST(TableCommands, ShippedTablesLoadAndRepair)
{
    const std::string tables = std::string(ZUK_SOURCE_DIR) + "/data/Engine/Tables/";
    for (const char* name : {kExtTranslitTable, kWordGluxTable, kFidoTable})
        EXPECT_FALSE(findTableFile(tables, name).empty()) << name;
    // Fido gateways wrote Latin look-alikes for Russian capitals and p for р.
    const auto fido =
        applyTableIfPresent(utf8ToWin("пpивeт, ЭTO Hовый гоPод; Hello, OK"), tables, kFidoTable);
    ASSERT_TRUE(fido.has_value());
    EXPECT_EQ(*fido, utf8ToWin("привет, ЭТО Новый гоРод; Hello, OK"));
    const auto glux = applyTableIfPresent("\x93x\x94\x85\xA0\x97", tables, kWordGluxTable);
    ASSERT_TRUE(glux.has_value());
    EXPECT_EQ(*glux, "\"x\"... -");
    const auto ext = applyTableIfPresent(utf8ToWin("йаблоко об#ект"), tables, kExtTranslitTable);
    ASSERT_TRUE(ext.has_value());
    EXPECT_EQ(*ext, utf8ToWin("яблоко объект"));
}

TEST(KLayouts, ListMenuAndMerge)
{
    const Lines file = {"English (US)=1", "Russian=0", "German - Neo=1", "broken"};
    const auto entries = parseKLayouts(file);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(shownKLayouts(entries), (Lines{"English (US)", "German - Neo"}));
    EXPECT_EQ(formatKLayouts(entries),
              (Lines{"English (US)=1", "Russian=0", "German - Neo=1", "broken=0"}));
    // The dialog's list: the layouts loaded now, in their order; old names drop out.
    const auto merged = mergeKLayouts(entries, {"Russian", "English (US)", "Ukrainian"});
    EXPECT_EQ(formatKLayouts(merged), (Lines{"Russian=0", "English (US)=1", "Ukrainian=0"}));
    EXPECT_EQ(findKLayout({"Russian", "English (US)", "Russian"}, "Russian"), 0);
    EXPECT_EQ(findKLayout({"Russian"}, "russian"), -1);
}
