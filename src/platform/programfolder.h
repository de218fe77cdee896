#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::platform {

// The data folders of the program, all UTF-8 paths with '/' separators and a
// trailing '/'.
struct WorkingFolders {
    std::string program;   // P: zuk.ini, dox/, Engine/
    std::string parts;     // P/Engine/Parts/: almost every data file
    std::string tables;    // P/Engine/Tables/
    std::string templates; // P/Engine/Templates/
    std::string plugins;   // P/Engine/Plugins/
    std::string cstyles;   // P/Engine/CStyles/
};

// The folder of the running executable, with a trailing '/'; empty when the
// system does not tell.
std::string executableFolder();

// Removes every "--home DIR" and "--home=DIR" from the argument list (the
// arguments after the program name) and returns the last DIR given.
std::optional<std::string> takeHomeOption(std::vector<std::string>& args);

struct ProgramFolderRequest {
    std::optional<std::string> home; // from --home; else the ZUK_HOME variable is used
    std::string executableFolder;    // usually executableFolder()
    // The installed default data tree; empty means <executable>/../share/zuk.
    std::string defaultTree;
};

// The program folder P, absolute, with a trailing '/', in this order:
//  1. --home DIR or $ZUK_HOME (created, empty, when missing: every setting and
//     data list then starts from its default);
//  2. the executable's folder when it holds Engine/ (any letter case): a
//     portable install or the build tree;
//  3. $XDG_DATA_HOME/zuk (default ~/.local/share/zuk); when it has no Engine/
//     yet, it is made from the default tree (see seedProgramFolder).
// Throws zuk::IoError when the folder cannot be created.
std::string resolveProgramFolder(const ProgramFolderRequest& request);

// Copies every file of `defaultTree` that `target` does not have yet, making
// folders as needed; existing files are never overwritten. Returns the number
// of files copied. Throws zuk::IoError when a copy fails.
int seedProgramFolder(const std::string& target, const std::string& defaultTree);

// `relative` ('/' or '\' separated) under `root`, each name matched without
// regard to letter case against what is on disk: "Lang/x" finds "lang/X". From
// the first name that does not exist on, the rest is kept as given, so the
// result can be used to create the file. A trailing separator is kept.
std::string resolveDataPath(const std::string& root, std::string_view relative);

// The working folders of a program folder, resolved as above.
WorkingFolders workingFolders(const std::string& programFolder);

} // namespace zuk::platform
