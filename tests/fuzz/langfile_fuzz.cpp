// An interface language file as the text service opens it from the language
// folder: every text the program asks for, with its placeholders filled, and
// every key the file holds, which must come back as the file has it.

#include "fuzz/fuzzscratch.h"
#include "fuzz/fuzztarget.h"

#include "app/textservice.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/inifile.h"

#include <cstdlib>
#include <filesystem>
#include <string>

ZUK_FUZZ_TARGET(langfile)
{
    const std::string parts = zuk::fuzz::scratchFolder();
    std::filesystem::create_directories(parts + "Lang");
    const std::string path = zuk::fuzz::putScratchFile("Lang/Fuzz", input);

    const std::vector<std::string> languages = zuk::app::availableLanguages(parts);
    if (languages.size() != 2 || languages[1] != "Fuzz")
        std::abort();

    zuk::app::TextService texts;
    if (!texts.open(parts, "Fuzz"))
        std::abort(); // a regular file of the folder always opens
    const std::vector<std::string> args{"one", "two"};
    for (const zuk::TextTable* table : zuk::app::allTextTables()) {
        for (const zuk::TextRow& row : table->rows) {
            // The fall-back on the built-in text is a search of every table:
            // one row of each table is enough to see it work.
            const std::optional<std::string> found = texts.lookup(table->section, row.key);
            if (!found && &row != &table->rows.front())
                continue;
            const std::string text = texts.text(table->section, row.key);
            if (found ? text != *found : text != row.builtIn)
                std::abort();
            (void)texts.format(table->section, row.key, args);
            (void)zuk::shortForMessage(text);
        }
    }

    // A message raised from a row reads in the file's words too.
    const zuk::TextTable* first = zuk::app::allTextTables().front();
    const zuk::ZukError error(*first, first->rows.front().key, args);
    (void)texts.message(error);

    const zuk::io::IniFile file(path);
    for (const std::string& section : file.sectionNames()) {
        for (const auto& [key, value] : file.sectionValues(section)) {
            const std::optional<std::string> found = texts.lookup(section, key);
            if (value.empty()
                    ? found.has_value()
                    : found != zuk::codepages::winToUtf8(file.readString(section, key, "")))
                std::abort();
        }
    }
    texts.close();
    zuk::fuzz::clearScratch();
}
