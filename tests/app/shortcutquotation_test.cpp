#include "app/quotation.h"
#include "app/shortcutfile.h"

#include "io/tempfolder.h"

#include <gtest/gtest.h>

#include <set>

using namespace zuk::app;
using zuk::testing::TempFolder;

namespace {

TEST(ShortcutFile, WriteThenLookUp)
{
    TempFolder dir;
    writeShortcutFile(dir.file("shortcuts.txt"),
                      {
                          {"Новый", "Ctrl+N"},
                          {"Без клавиши", ""},
                          {"Сохранить как...", "Shift+Ctrl+S"},
                          {"НОВЫЙ", "Ctrl+M"}, // same caption ignoring case: the first wins
                          {"Выход", "Alt+F4"},
                          {"a=b", "F3"},
                      });
    EXPECT_EQ(dir.read("shortcuts.txt"),
              "\xCD\xEE\xE2\xFB\xE9=Ctrl+N\r\n"
              "\xD1\xEE\xF5\xF0\xE0\xED\xE8\xF2\xFC \xEA\xE0\xEA...=Shift+Ctrl+S\r\n"
              "\xC2\xFB\xF5\xEE\xE4=Alt+F4\r\n"
              "a=b=F3\r\n");

    ShortcutTable table = ShortcutTable::load(dir.file("shortcuts.txt"));
    EXPECT_EQ(table.find("новый"), std::optional<std::string>("Ctrl+N"));
    EXPECT_EQ(table.find("СОХРАНИТЬ КАК..."), std::optional<std::string>("Shift+Ctrl+S"));
    EXPECT_EQ(table.find("Без клавиши"), std::nullopt);
    EXPECT_EQ(table.find("a"), std::optional<std::string>("b=F3")); // split at the first '='
    EXPECT_EQ(table.find("Нет такого"), std::nullopt);

    // An item is found by its component name, then (older files) by its caption.
    ShortcutTable mixed = ShortcutTable::fromLines({"mniOpen=F2", "\xCD\xEE\xE2\xFB\xE9=F4"});
    EXPECT_EQ(mixed.findItem("mniOpen", "Open..."), std::optional<std::string>("F2"));
    EXPECT_EQ(mixed.findItem("mniFileNew", "Новый"), std::optional<std::string>("F4"));
    EXPECT_EQ(mixed.findItem("", "Новый"), std::optional<std::string>("F4"));
    EXPECT_EQ(mixed.findItem("mniSave", "Save"), std::nullopt);

    ShortcutTable dup =
        ShortcutTable::fromLines({"Open=Ctrl+O", "open=Ctrl+P", "no equals", "=F5"});
    EXPECT_EQ(dup.find("OPEN"), std::optional<std::string>("Ctrl+O"));
    EXPECT_EQ(dup.find(""), std::optional<std::string>("F5"));
    EXPECT_TRUE(ShortcutTable::load(dir.file("absent.txt")).empty());
}

TEST(Quotation, SplitAndChoose)
{
    struct Case {
        std::string text;
        std::vector<std::string> items;
    } cases[] = {
        {"#a#b#c", {"", "a", "b", "c"}},
        {"head#a#b#", {"head", "a", "b"}}, // no item after the last '#'
        {"only", {"only"}},
        {"", {}},
        {"##", {"", ""}},
        {"x##y", {"x", "", "y"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitQuotations(c.text), c.items) << c.text;

    std::set<std::string> shown;
    RandomRange random = systemRandomRange();
    for (int i = 0; i < 200; ++i)
        shown.insert(pickQuotation("#a#b#c", random).value_or("<none>"));
    EXPECT_EQ(shown, (std::set<std::string>{"b", "c"}));

    std::vector<std::pair<std::size_t, std::size_t>> asked;
    RandomRange recording = [&](std::size_t lo, std::size_t hi) {
        asked.emplace_back(lo, hi);
        return hi;
    };
    EXPECT_EQ(chooseQuotation(5, recording), std::optional<std::size_t>(4));
    EXPECT_EQ(asked, (std::vector<std::pair<std::size_t, std::size_t>>{{2, 4}}));
    EXPECT_EQ(pickQuotation("a#b", recording), std::nullopt); // fewer than three items
    EXPECT_EQ(asked.size(), 1u);
    RandomRange broken = [](std::size_t, std::size_t) { return std::size_t(99); };
    EXPECT_EQ(chooseQuotation(3, broken), std::nullopt);
}

} // namespace
