#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Snippets: files under the Snippets folder, inserted into a document; the
// selection marker (the meta character three times) says where a selected
// text goes.
namespace zuk::tools {

// One entry of the snippet tree: a folder with its entries, or a file.
struct SnippetEntry {
    std::string name; // file or folder name, UTF-8, as on disk
    std::string path; // full path
    bool folder = false;
    std::vector<SnippetEntry> children; // folders first, then files, each sorted by name
};

// The tree under `root`: for every folder its sub-folders, then its regular
// files (a link to a regular file counts as one), each group sorted by name
// without regard to letter case. Symbolic links to folders are not followed,
// nothing deeper than `maxDepth` folders is read, and the walk stops after
// `maxEntries` entries. An unreadable folder has no entries; a missing root
// gives an empty tree.
std::vector<SnippetEntry> walkSnippetFolder(const std::string& root, int maxDepth = 8,
                                            std::size_t maxEntries = 4000);

// The selection marker: the meta character three times.
std::string selectionMarker(std::string_view meta);

// What inserting a snippet does to the document.
struct SnippetInsertion {
    enum class Kind {
        InsertText,       // `text` at the cursor
        InsertLines,      // `lines` at the cursor
        ReplaceSelection, // `text` over the selection
    };
    Kind kind = Kind::InsertText;
    std::string text;
    std::vector<std::string> lines;
};

// The insertion of a snippet of `lines`. With the marker in it, `expand`
// (the macro expansion) runs on the snippet's own text first: with a
// selection, the selected text then goes in at every marker untouched and
// replaces the selection; without one the markers are removed. A snippet
// without the marker is not expanded. What is inserted at the cursor is, for
// less than two lines, the text with leading and trailing blanks and line
// breaks removed, else the lines as they are.
SnippetInsertion prepareSnippet(const std::vector<std::string>& lines, std::string_view marker,
                                const std::optional<std::string>& selection,
                                const std::function<std::string(std::string_view)>& expand);

} // namespace zuk::tools
