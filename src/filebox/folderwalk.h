#pragma once

#include <functional>
#include <string>
#include <vector>

// Listing folders for the file box and walking folder trees for its batch
// commands and for find in files. Paths are UTF-8, as on disk; every failure
// to open the starting folder throws IoError with the system's reason.
namespace zuk::filebox {

struct DirEntry {
    std::string name;
    bool folder = false; // a folder, or a link to one
    bool link = false;
};

// The entries of `path` except "." and "..", in the order the system gives
// them. Whether an entry is a folder comes from the directory entry itself;
// only links and entries of unknown type cost a stat.
std::vector<DirEntry> listFolder(const std::string& path);

struct WalkEntry {
    std::string name;
    std::string path;
};

struct WalkVisitor {
    // A regular file (or a link to one, with fileLinks); false ends the walk.
    std::function<bool(const WalkEntry&)> file;
    bool fileLinks = true;
    // A folder below the start that could not be listed.
    std::function<void(const std::string& path)> unreadableFolder;
};

// Visits the files of `root` and of every folder below it: the folder itself
// first, then the folders below in breadth-first order of discovery, names
// sorted within a folder. Links to folders are never followed; anything that
// is neither a folder nor a regular file (a FIFO, a device) is passed over;
// folders more than `maxDepth` levels below the root are left out.
void walkFolder(const std::string& root, int maxDepth, const WalkVisitor& visitor);

// "a/b" + "c" = "a/b/c", and "/" + "c" = "/c".
std::string joinPath(const std::string& folder, const std::string& name);

} // namespace zuk::filebox
