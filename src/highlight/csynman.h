#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::highlight {

// One registered highlighting scheme. Name and Ext are Windows-1251 text as
// syntax.ini stores them; FileName is the stored path (Windows-1251, either
// separator), turned into a file system path by CSynMan::schemePath.
struct RSynItem {
    std::string Ext;      // extensions without dots, separated by single spaces
    std::string Name;     // display name; the key (exact comparison)
    std::string FileName; // path of the scheme file
};

// A built-in highlighter of the editing control.
struct BuiltInHighlighter {
    const char* displayName; // as the highlighting list shows it
    const char* languageKey; // "pascal", "c++", ...
    const char* extensions;  // lower case, with dots, separated by spaces
};

// The eight built-in highlighters in the order of the highlighting list.
const std::vector<BuiltInHighlighter>& builtInHighlighters();

// True for exactly the eight display names (exact comparison).
bool IsBuiltInHighlighter(std::string_view name);

// The language keys in the order the automatic choice tries them.
const std::vector<std::string>& automaticChoiceOrder();

// True when `languageKey` is a built-in key and the lower-cased extension of
// `fileName` is one of its extensions.
bool ExtensionMatchesLanguage(std::string_view fileName, std::string_view languageKey);

// The lower-cased extension of a file name, with its dot ("" when none); the
// folder part is ignored, so "a.b/c" has none.
std::string fileExtension(std::string_view fileName);

// Lower-cases both the extension of `fileName` and `extension` (with its dot)
// and compares them.
bool HasExtension(std::string_view fileName, std::string_view extension);

// The scheme registry, kept in Syntax/syntax.ini of the parts folder.
class CSynMan final {
public:
    CSynMan() = default;
    // Loads the registry from `registryFile` (UTF-8 path; a missing file gives
    // an empty registry). Relative scheme paths are taken from `programFolder`
    // (the folder that holds Engine/); empty means the registry's own folder.
    explicit CSynMan(std::string registryFile, std::string programFolder = {});

    std::vector<RSynItem> Items;
    std::string RegistryFile;

    // Writes the registry anew: one section per item in order with Ext and
    // Filename; later items of the same name overwrite the earlier ones' keys.
    // Throws zuk::IoError when the file cannot be written (the old file is
    // then intact). A registry file that could not be read at start-up is
    // left alone.
    void save() const;

    int IndexOfScheme(std::string_view name) const;
    void DeleteScheme(std::string_view name);
    // The settings page's edit: the first scheme named `name` takes the three
    // fields of `item`. False, changing nothing, for a built-in name or a name
    // not registered.
    bool changeScheme(std::string_view name, const RSynItem& item);
    // Built-in display names in list order, then the scheme names in registry
    // order ("No" is for the caller to add).
    void ListSchemeNames(std::vector<std::string>& list) const;

    // The first scheme whose Ext holds the extension of `fileName` (without its
    // dot, compared without regard to case). A name without extension matches
    // only an empty piece of Ext (a leading blank or two blanks in a row).
    std::optional<size_t> schemeForExtension(std::string_view fileName) const;

    // The scheme file of an item as a UTF-8 file system path: backslashes
    // become '/', a relative path is taken from the program folder and its
    // names are matched without regard to letter case.
    std::string schemePath(const RSynItem& item) const;

private:
    std::string m_programFolder;
    bool m_unreadable = false;
};

} // namespace zuk::highlight
