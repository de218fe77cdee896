#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "codepages/rungler.h"

// The logic of the Encoding menu's table-driven commands and of the keyboard
// layout list, shaped for the command handlers: text in, text out (or nothing
// when the command has nothing to do), ZukError on failure.
namespace zuk::codepages {

inline constexpr const char* kExtTranslitTable = "trns_ext.txt";
inline constexpr const char* kWordGluxTable = "word_glux.tbl";
inline constexpr const char* kFidoTable = "Fido.tbl";

// The file `name` in `folder`, its name compared without regard to letter
// case (Tables/fido.tbl serves for Fido.tbl); empty when there is none.
std::string findTableFile(const std::string& folder, std::string_view name);

// The table `name` of `tablesFolder` applied to text, or nothing when the
// folder has no such table: the command then leaves the text alone.
std::optional<std::string>
applyTableIfPresent(std::string_view text, const std::string& tablesFolder, std::string_view name);

// Latin to Russian with the program's transliterator, then the extended
// table trns_ext.txt when useExtTranslit is on and the table exists.
std::string deTranslit(TRungler& rungler, std::string_view text, bool useExtTranslit,
                       const std::string& tablesFolder);
// Russian to Latin.
std::string translit(TRungler& rungler, std::string_view text);

// klayouts.txt: one line per keyboard layout, "name=1" shown in the menu,
// "name=0" hidden. Names are kept as the file has them.
struct KLayoutEntry {
    std::string name;
    bool shown = false;
};

std::vector<KLayoutEntry> parseKLayouts(const std::vector<std::string>& lines);
std::vector<std::string> formatKLayouts(const std::vector<KLayoutEntry>& entries);
// The menu items: the names whose value is "1", in list order.
std::vector<std::string> shownKLayouts(const std::vector<KLayoutEntry>& entries);
// The list the settings dialog writes: one entry per layout loaded now, in
// that order, ticked where the old list showed it; names no longer loaded drop out.
std::vector<KLayoutEntry> mergeKLayouts(const std::vector<KLayoutEntry>& old,
                                        const std::vector<std::string>& loadedNames);
// The first loaded layout whose display name equals the caption exactly; -1 for none.
int findKLayout(const std::vector<std::string>& loadedNames, std::string_view caption);

} // namespace zuk::codepages
