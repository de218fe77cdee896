#include "tools/snippets.h"

#include "io/linesfile.h"
#include "io/nocase.h"
#include "tools/macros.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace zuk::tools {

namespace fs = std::filesystem;

namespace {

struct Walk {
    int maxDepth;
    std::size_t left; // entries still allowed
};

void sortByName(std::vector<SnippetEntry>& entries)
{
    std::sort(entries.begin(), entries.end(), [](const SnippetEntry& a, const SnippetEntry& b) {
        const std::string la = io::lowerUtf8(a.name);
        const std::string lb = io::lowerUtf8(b.name);
        return la != lb ? la < lb : a.name < b.name;
    });
}

std::vector<SnippetEntry> walkFolder(const fs::path& folder, int depth, Walk& walk)
{
    std::vector<SnippetEntry> folders;
    std::vector<SnippetEntry> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end && walk.left > 0;
         it.increment(ec)) {
        const fs::directory_entry& entry = *it;
        std::error_code kind;
        SnippetEntry item;
        item.name = entry.path().filename().string();
        item.path = entry.path().string();
        if (entry.is_symlink(kind)) {
            // A link to a folder could lead back up the tree: only links to files count.
            if (!entry.is_regular_file(kind))
                continue;
            files.push_back(std::move(item));
        } else if (entry.is_directory(kind)) {
            item.folder = true;
            folders.push_back(std::move(item));
        } else if (entry.is_regular_file(kind)) {
            files.push_back(std::move(item));
        } else {
            continue;
        }
        --walk.left;
    }
    sortByName(folders);
    sortByName(files);
    if (depth < walk.maxDepth)
        for (SnippetEntry& sub : folders)
            sub.children = walkFolder(sub.path, depth + 1, walk);
    folders.insert(folders.end(), std::make_move_iterator(files.begin()),
                   std::make_move_iterator(files.end()));
    return folders;
}

// The text split at every marker.
std::vector<std::string> piecesAround(const std::string& text, std::string_view marker)
{
    std::vector<std::string> pieces;
    std::size_t at = 0;
    for (std::size_t hit = text.find(marker); hit != std::string::npos;
         hit = text.find(marker, at)) {
        pieces.push_back(text.substr(at, hit - at));
        at = hit + marker.size();
    }
    pieces.push_back(text.substr(at));
    return pieces;
}

SnippetInsertion atCursor(const std::vector<std::string>& lines)
{
    SnippetInsertion insertion;
    if (lines.size() < 2) {
        insertion.kind = SnippetInsertion::Kind::InsertText;
        insertion.text = trimBlanksAndBreaks(lines.empty() ? std::string() : lines.front());
    } else {
        insertion.kind = SnippetInsertion::Kind::InsertLines;
        insertion.lines = lines;
    }
    return insertion;
}

} // namespace

std::vector<SnippetEntry> walkSnippetFolder(const std::string& root, int maxDepth,
                                            std::size_t maxEntries)
{
    std::error_code ec;
    if (!fs::is_directory(root, ec))
        return {};
    Walk walk{maxDepth, maxEntries};
    return walkFolder(root, 1, walk);
}

std::string selectionMarker(std::string_view meta)
{
    return std::string(meta) + std::string(meta) + std::string(meta);
}

SnippetInsertion prepareSnippet(const std::vector<std::string>& lines, std::string_view marker,
                                const std::optional<std::string>& selection,
                                const std::function<std::string(std::string_view)>& expand)
{
    const std::string text = io::joinLines(lines);
    if (marker.empty() || text.find(marker) == std::string::npos)
        return atCursor(lines);
    // Each piece between markers is expanded on its own, so neither the
    // selected text nor the marker can take part in a macro.
    std::string result;
    bool first = true;
    for (const std::string& piece : piecesAround(text, marker)) {
        if (!first && selection)
            result += *selection;
        first = false;
        result += expand(piece);
    }
    if (selection) {
        SnippetInsertion insertion;
        insertion.kind = SnippetInsertion::Kind::ReplaceSelection;
        insertion.text = std::move(result);
        return insertion;
    }
    return atCursor(io::splitLines(result));
}

} // namespace zuk::tools
