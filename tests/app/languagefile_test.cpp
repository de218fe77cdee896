// The text tables, the shipped English language file made from them, and the
// text service that answers from a language file.

#include "app/languagefile.h"
#include "app/textservice.h"
#include "base/texts.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/inifile.h"
#include "io/nocase.h"
#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

using namespace zuk;
using zuk::testing::TempFolder;

namespace {

const std::string kRussian = codepages::winToUtf8(app::kRussianLanguage);

std::string shippedFile()
{
    std::ifstream in(std::string(ZUK_SOURCE_DIR) + "/data/Engine/Parts/lang/English",
                     std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool hasCyrillic(std::string_view utf8)
{
    // Cyrillic letters are U+0400..U+04FF: lead bytes 0xD0..0xD3.
    for (unsigned char c : utf8)
        if (c >= 0xD0 && c <= 0xD3)
            return true;
    return false;
}

} // namespace

TEST(TextTables, EveryRowHasAUniqueKeyAnEnglishTextAndTheSamePlaceholders)
{
    std::map<std::string, std::set<std::string>> seen; // folded section -> keys
    for (const TextTable* table : app::allTextTables()) {
        ASSERT_FALSE(table->section.empty());
        std::set<std::string>& keys = seen[io::lowerUtf8(table->section)];
        for (const TextRow& row : table->rows) {
            const std::string where = std::string(table->section) + "/" + std::string(row.key);
            EXPECT_FALSE(row.key.empty()) << where;
            EXPECT_TRUE(keys.insert(std::string(row.key)).second) << "duplicate key " << where;
            EXPECT_FALSE(row.builtIn.empty()) << where;
            EXPECT_FALSE(row.english.empty()) << "no English text for " << where;
            // A profile value is one line.
            for (std::string_view text : {row.builtIn, row.english})
                EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos) << where;
            EXPECT_FALSE(hasCyrillic(row.english)) << where;
            EXPECT_EQ(placeholderCount(row.builtIn), placeholderCount(row.english)) << where;
        }
    }
}

TEST(TextTables, TheShippedEnglishFileIsTheOneTheTablesMake)
{
    const std::string made = app::englishLanguageFile();
    // After a change of the tables: scripts/langfile writes the file anew.
    EXPECT_EQ(shippedFile(), made)
        << "data/Engine/Parts/lang/English is stale: run scripts/langfile";

    TempFolder dir;
    dir.write("English", made);
    const io::IniFile ini(dir.file("English"));
    std::size_t keysInFile = 0;
    for (const std::string& section : ini.sectionNames())
        for (const auto& [key, value] : ini.sectionValues(section)) {
            ++keysInFile;
            const TextRow* row = app::findBuiltInText(section, key);
            ASSERT_NE(row, nullptr) << "unknown key " << section << "/" << key;
            EXPECT_EQ(codepages::winToUtf8(value), std::string(row->english)) << key;
        }
    std::size_t keysInTables = 0;
    for (const TextTable* table : app::allTextTables())
        keysInTables += table->rows.size();
    EXPECT_EQ(keysInFile, keysInTables) << "a key of the tables is missing from the file";
}

TEST(TextFormat, PlaceholdersAreFilledInOrderAndNothingElseIsSpecial)
{
    const struct {
        const char* pattern;
        std::vector<std::string> args;
        const char* expected;
    } cases[] = {
        {"OK to overwrite %s", {"a.txt"}, "OK to overwrite a.txt"},
        {"%s of %s", {"1", "2"}, "1 of 2"},
        {"100% sure %d %n %x", {"x"}, "100% sure %d %n %x"},
        {"no name here", {"a.txt"}, "no name here"},
        {"%s and %s", {"only"}, "only and %s"},
        {"%s", {"%s%s"}, "%s%s"}, // an argument is never read as a pattern
        {"%%s", {"a"}, "%a"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatText(c.pattern, c.args), c.expected) << c.pattern;
}

class LanguageFolder : public ::testing::Test {
protected:
    std::string parts() const { return m_dir.path(); }
    void language(const std::string& name, const std::string& bytes)
    {
        m_dir.write("lang/" + name, bytes);
    }
    TempFolder m_dir;
};

TEST_F(LanguageFolder, OnlyRegularVisibleFilesAreLanguagesAndRussianComesFirstOnce)
{
    EXPECT_EQ(app::availableLanguages(parts()), std::vector<std::string>{kRussian});
    language(".keep", "");
    language("English", "[MainForm]\r\n");
    language("Deutsch", "");
    language(kRussian, "");
    language("old/inner", "");
    std::filesystem::create_directories(m_dir.file("lang/folder"));
    EXPECT_EQ(app::availableLanguages(parts()),
              (std::vector<std::string>{kRussian, "Deutsch", "English"}));
}

TEST_F(LanguageFolder, TextsComeFromTheFileWithTheBuiltInTextsBehind)
{
    language("English", "[MainForm]\r\nmniFileNew=New\r\nmniOpen=\r\n"
                        "sCantOpenOpenedYet=File is already open\r\n"
                        "sOverWrite=\"Overwrite?\"\r\n=x\r\n");
    app::TextService texts;
    EXPECT_EQ(texts.text("MainForm", "mniFileNew"), "Новый");
    ASSERT_TRUE(texts.open(parts(), "English"));
    EXPECT_EQ(texts.text("MainForm", "mniFileNew"), "New");
    EXPECT_EQ(texts.text("mainform", "MNIFILENEW"), "New");     // profile names ignore case
    EXPECT_EQ(texts.text("MainForm", "mniOpen"), "Открыть..."); // empty value: built-in
    EXPECT_EQ(texts.text("MainForm", "mniSave"), "Сохранить");  // missing key: built-in
    EXPECT_EQ(texts.text("MainForm", "sCantOpenOpenedYet"), "File is already open");
    EXPECT_FALSE(texts.lookup("MainForm", "").has_value()); // "=x" names nothing
    // A value without the placeholder drops the name; the rest is shown as it is.
    EXPECT_EQ(texts.format("MainForm", "sOverWrite", {"a.txt"}), "Overwrite?");
    EXPECT_EQ(texts.text("NoSuchWindow", "caption"), "");

    // Russian, or a language without a file, answers the built-in texts.
    EXPECT_FALSE(texts.open(parts(), app::kRussianLanguage));
    EXPECT_EQ(texts.text("MainForm", "mniFileNew"), "Новый");
    EXPECT_FALSE(texts.open(parts(), "Klingon"));
    EXPECT_EQ(texts.text("MainForm", "mniFileNew"), "Новый");
}

TEST_F(LanguageFolder, ANameThatIsAFolderOrLeavesTheFolderOpensNothing)
{
    std::filesystem::create_directories(m_dir.file("lang/Folder"));
    m_dir.write("secret", "[MainForm]\r\nmniFileNew=Gotcha\r\n");
    app::TextService texts;
    EXPECT_FALSE(texts.open(parts(), "Folder"));
    EXPECT_FALSE(texts.open(parts(), "../secret"));
    EXPECT_FALSE(texts.open(parts(), ".."));
    EXPECT_EQ(texts.text("MainForm", "mniFileNew"), "Новый");
}

TEST(TextService, AFailureIsWordedFromItsRowInTheCurrentLanguage)
{
    static const TextTable table{"MainForm", {{"sNoHelpFile", "Нет файла справки %s", "x"}}};
    const ZukError keyed(table, "sNoHelpFile", {"dox/a.html"});
    EXPECT_STREQ(keyed.what(), "Нет файла справки dox/a.html");
    const app::TextService russian;
    EXPECT_EQ(russian.message(keyed), "Нет файла справки dox/a.html");
    EXPECT_EQ(russian.message(ZukError("plain")), "plain");

    TempFolder dir;
    dir.write("lang/English", "[MainForm]\r\nsNoHelpFile=No help file %s\r\n");
    app::TextService english;
    ASSERT_TRUE(english.open(dir.path(), "English"));
    EXPECT_EQ(english.message(keyed), "No help file dox/a.html");
}
