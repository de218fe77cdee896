#pragma once

#include "base/texts.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::io {
class IniFile;
}

namespace zuk {
class ZukError;
}

namespace zuk::app {

// The name of the built-in language, Windows-1251: "Русский".
extern const char* const kRussianLanguage;

// Every table of built-in texts: the menu captions of the command table and
// the tables of every window and message. The language files, their
// generator and the text service read this list.
const std::vector<const TextTable*>& allTextTables();

// The built-in row of (section, key), sections compared without regard to
// case; nullptr when no table has it.
const TextRow* findBuiltInText(std::string_view section, std::string_view key);

// The languages a user may choose: "Русский" first, then every regular,
// non-hidden file of the language folder (Lang/ of the parts folder, any
// letter case) by name, sorted; "Русский" is listed once. Names are UTF-8.
std::vector<std::string> availableLanguages(const std::string& partsFolder);

// The one text service of the run: (section, key) -> the text the user sees.
// It answers from the open interface language file and falls back on the
// built-in texts. Texts are UTF-8; the file is Windows-1251.
class TextService final {
public:
    TextService();
    ~TextService();
    TextService(const TextService&) = delete;
    TextService& operator=(const TextService&) = delete;

    // Closes the open file, then opens Lang/<language> of the parts folder when
    // `language` (Windows-1251, as the settings hold it) is not "Русский" and
    // that is a regular file. A missing or unreadable file leaves the built-in
    // texts, without a word. Returns whether a file is open.
    bool open(const std::string& partsFolder, const std::string& language);
    void close();
    bool isOpen() const { return m_file != nullptr; }
    // The language asked for by the last open(), Windows-1251.
    const std::string& language() const { return m_language; }
    bool russian() const;

    // The language file's text for (section, key); nothing when no file is
    // open, or the key is missing or empty there.
    std::optional<std::string> lookup(std::string_view section, std::string_view key) const;
    // lookup(), else the built-in text; empty for a key no table has.
    std::string text(std::string_view section, std::string_view key) const;
    // text() with its %s placeholders filled (see formatText).
    std::string format(std::string_view section, std::string_view key,
                       const std::vector<std::string>& args) const;
    std::string format(const TextRef& ref) const { return format(ref.section, ref.key, ref.args); }
    // The message of a failure in the current language: its row when it has one,
    // else what() as it stands.
    std::string message(const ZukError& error) const;

private:
    std::unique_ptr<const io::IniFile> m_file;
    std::string m_language;
};

} // namespace zuk::app
