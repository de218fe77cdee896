#pragma once

#include "base/zukerror.h"
#include "filebox/namematch.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Finding the files below a folder whose bytes hold a text. The walk and the
// reading are interleaved: a folder's files are searched as soon as the
// folder is listed, and a file is read in blocks, never whole, so the memory
// used does not grow with the tree or with a file.
namespace zuk::filebox {

// The search text of the find-in-files window, compiled: Windows-1251 bytes
// compared without regard to letter case (the full case table of the code
// page), each '*' and '?' standing for exactly one byte. An empty text
// matches nothing.
class TextPattern final {
public:
    explicit TextPattern(std::string_view text);

    bool empty() const { return m_folded.empty(); }
    std::size_t length() const { return m_folded.size(); }
    // Where the first match in `data` begins, or npos.
    std::size_t find(const char* data, std::size_t size) const;

private:
    std::string m_folded;                   // the text through the case table
    std::vector<bool> m_anyByte;            // positions of '*' and '?'
    std::array<std::size_t, 256> m_shift{}; // Horspool's shift per folded byte
};

struct FindRequest {
    std::string folder; // UTF-8
    std::string mask;
    std::string text; // Windows-1251 bytes
    int maxDepth = 64;
};

// What the walk tells its caller, on the walking thread.
struct FindObserver {
    std::function<void(const std::string& path)> reading; // a file is about to be read
    std::function<void(const std::string& path)> found;
    // Asked between files and between blocks: false ends the search.
    std::function<bool()> keepGoing;
};

struct FindSummary {
    std::size_t found = 0;
    std::size_t skipped = 0; // files and folders that could not be read
    bool stopped = false;
};

// The files below `request.folder` (the folder itself first, then the folders
// below in breadth-first order of discovery; names sorted within a folder)
// whose names match the mask and whose bytes hold the text. Only regular
// files are read; links are never followed (a linked file is searched where
// it lies when that is below the folder, as grep -r does),
// and folders deeper than maxDepth are left out. A file or folder that cannot
// be read is counted and skipped. A folder that does not exist or cannot be
// listed throws IoError.
FindSummary findInFiles(const FindRequest& request, const FindObserver& observer);

// Whether the open file `fd` holds the pattern, read in blocks of `block`
// bytes that overlap by the pattern's length minus one. `keepGoing` is asked
// between blocks.
enum class ScanResult { NoMatch, Match, ReadError, Stopped };
ScanResult scanFile(int fd, const TextPattern& pattern, std::size_t block,
                    const std::function<bool()>& keepGoing = {});

} // namespace zuk::filebox
