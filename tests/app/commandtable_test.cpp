#include "app/commandtable.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using zuk::app::CommandRow;
using zuk::app::commandTable;
using zuk::app::findCommand;
using zuk::app::Need;
using zuk::app::RowKind;

TEST(CommandTable, TreeIsWellFormed)
{
    std::set<std::string_view> names;
    std::set<std::string_view> menus;
    for (const CommandRow& r : commandTable()) {
        ASSERT_FALSE(r.name.empty());
        EXPECT_TRUE(names.insert(r.name).second) << "duplicate name " << r.name;
        if (r.parent.empty()) {
            EXPECT_EQ(r.kind, RowKind::Menu) << r.name << " sits on the menu bar but is no menu";
        } else {
            EXPECT_TRUE(menus.count(r.parent)) << r.name << " comes before its menu " << r.parent;
        }
        if (r.kind == RowKind::Menu)
            menus.insert(r.name);
        if (r.kind == RowKind::Command && r.parent != "mniDateTime") {
            EXPECT_FALSE(r.caption.empty()) << r.name;
        }
        EXPECT_EQ(findCommand(r.name), &r);
    }
    EXPECT_EQ(findCommand("noSuchItem"), nullptr);
}

TEST(CommandTable, TopLevelMenusInOrder)
{
    std::vector<std::string_view> top;
    for (const CommandRow& r : commandTable())
        if (r.parent.empty())
            top.push_back(r.caption);
    const std::vector<std::string_view> expected = {"Файл", "Правка",    "Поиск",    "Функции",
                                                    "HTML", "Утилиты",   "Просмотр", "Кодировка",
                                                    "Вид",  "Документы", "?"};
    EXPECT_EQ(top, expected);
}

TEST(CommandTable, CaptionsAndPlacesOfSampleItems)
{
    struct Expect {
        const char* name;
        const char* caption;
        const char* parent;
    };
    const Expect rows[] = {
        {"mniFileNew", "Новый", "mniFile"},
        {"mniFileSaveAs", "Сохранить &как...", "mniFile"},
        {"mniHistory", "История > ", "mniFile"},
        {"mniImportMac", "Mac", "mniImport"},
        {"mniUnicode2", "Unicode", "mniExport"},
        {"mniWinIni", "Открыть win.ini", "mniSystemFiles"},
        {"mniSystemFiles", "Системные файлы", "mniSpecial"},
        {"mniExit", "Отчалить", "mniFile"},
        {"Redo1", "Redo", "mniEdit"},
        {"mniGotoLine", "Перейти на строку #", "mniSearch"},
        {"mniDowncase", "Нижний  (Ctrl-вниз)", "mniCase"},
        {"mniRomantoArab", "Римское в арабское ", "mniNumber"},
        {"mnTagToMeta", "< на &&lt; (для отображения тэгов на странице)", "mniReplaceMenu"},
        {"mnirtttl2Dnotes", "rtttl > цифры  (CDEF > 1234)", "mniMobila"},
        {"mniTD", "<TD></<TD>", "mniHTML"},
        {"H62", "H6", "mniHx"},
        {"mniARight", "Правое", "mniAlign"},
        {"mniUNITAZ", "Универсальный текстовый анализатор", "mniAnalysis"},
        {"mniWorkInEncoding", "Работать в ", "mniEncoding"},
        {"ConvertToEncodingKOI8R", "KOI8-R", "mniConvertToEncoding"},
        {"mniBase64encode", "Кодировать в  Base64 ", "mniBase64"},
        {"mniColorStyles", "Стиль", "mniView"},
        {"mniPrevWindow", "Предыдущий документ", "mniWindow"},
        {"mniFreedback4Designer", "Письмо дизайнеру", "mniFeedbackMenu"},
        {"mniFeedbackMenu", "Отзывы и пожелания", "mniHelp"},
    };
    for (const Expect& e : rows) {
        const CommandRow* r = findCommand(e.name);
        ASSERT_NE(r, nullptr) << e.name;
        EXPECT_EQ(r->caption, e.caption) << e.name;
        EXPECT_EQ(r->parent, e.parent) << e.name;
    }
    for (int i = 1; i <= 10; ++i) {
        const CommandRow* d = findCommand("mniD" + std::to_string(i));
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->parent, "mniDateTime");
        EXPECT_EQ(d->needs, Need::Document);
    }
}

TEST(CommandTable, ShortcutsAreUniqueAndLeaveTheDocumentKeysAlone)
{
    // Keys the document window handles itself.
    const std::set<std::string_view> reserved = {
        "Ctrl+Up",  "Ctrl+Down", "Ctrl+Y", "Ctrl+Enter", "Ctrl+Return", "Ctrl+Shift+Space",
        "Alt+Left", "Alt+Right", "Alt+F",  "Alt+G",      "Tab",         "Esc",
        "Del",      "Shift+Del"};
    std::map<std::string_view, std::string_view> seen;
    for (const CommandRow& r : commandTable()) {
        if (r.shortcut.empty())
            continue;
        EXPECT_EQ(r.kind, RowKind::Command) << r.name;
        EXPECT_FALSE(reserved.count(r.shortcut)) << r.name << " takes " << r.shortcut;
        auto [it, fresh] = seen.emplace(r.shortcut, r.name);
        EXPECT_TRUE(fresh) << r.shortcut << " on both " << it->second << " and " << r.name;
    }
    EXPECT_EQ(findCommand("mniFileNew")->shortcut, "Ctrl+N");
}

TEST(CommandTable, CommandsThatNeedNoDocumentAreTheOnesThatMakeOrShowOne)
{
    for (const char* name :
         {"mniFileNew", "mniOpen", "mniExit", "mniImportMac", "mniUTF8", "mniCallWindowManager"})
        EXPECT_EQ(findCommand(name)->needs, Need::Nothing) << name;
    for (const char* name :
         {"EditUndoItem", "mniDup", "mwordwrap", "mniPrint", "mniCloseCurrent", "mniUpcase"})
        EXPECT_NE(findCommand(name)->needs, Need::Nothing) << name;
}

TEST(CommandTable, SelectionCommandsAskForASelection)
{
    for (const char* name :
         {"mniUpcase", "mniSortStrings", "mniDec2Hex", "mniFixURL", "mnTagToMeta"})
        EXPECT_EQ(findCommand(name)->needs, Need::Selection) << name;
    // Work-text commands take the whole text when nothing is selected.
    for (const char* name : {"mniHackerize", "mniKillFormat", "mniStripHTML1", "mniBold"})
        EXPECT_EQ(findCommand(name)->needs, Need::Document) << name;
}
