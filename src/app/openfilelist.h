#pragma once

#include <functional>
#include <string>
#include <vector>

namespace zuk::app {

// The full paths (UTF-8) of the documents opened from files, so that one file
// is never open in two windows. Paths are compared by the file they name:
// two names of one file (a symlink, a hard link, "a/../b") are the same entry,
// while A.TXT and a.txt are two files, as the file system has them. A path
// whose file does not exist (any more) is compared by its canonical form.
class OpenFileList final {
public:
    bool contains(const std::string& path) const;
    // False (and no change) when the path is already in the list.
    bool add(const std::string& path);
    bool remove(const std::string& path);
    // Save As: the old name leaves (when present) and the new one comes in.
    void replace(const std::string& oldPath, const std::string& newPath);
    void clear() { m_paths.clear(); }

    const std::vector<std::string>& paths() const { return m_paths; }

private:
    std::vector<std::string> m_paths;
};

// Whether two paths name one file (see OpenFileList).
bool sameFile(const std::string& a, const std::string& b);

// What OpenFile does with a path, checked in this order: a path naming no
// file is ignored, an RTF file (extension compared without regard to case) is
// imported, a file already open is refused, anything else is opened.
enum class OpenCheck { Missing, ImportRtf, AlreadyOpen, Open };
OpenCheck checkOpen(const OpenFileList& openFiles, const std::string& path,
                    const std::function<bool(const std::string&)>& fileExists);

} // namespace zuk::app
