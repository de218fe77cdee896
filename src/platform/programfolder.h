#pragma once

#include "base/zukerror.h"

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

// A helper file of the program (the plug-in helper, the sound module): beside
// the executable in the build tree and a portable folder, or in
// ../libexec/zuk/ from it where the program is installed, nobody running it
// by hand. The first that allows `accessMode` (access(2) bits); empty when
// neither does.
std::string programHelperPath(const std::string& executableFolder, const std::string& name,
                              int accessMode);

// Removes every "--home DIR" and "--home=DIR" from the argument list (the
// arguments after the program name) and returns the last DIR given.
std::optional<std::string> takeHomeOption(std::vector<std::string>& args);

struct ProgramFolderRequest {
    std::optional<std::string> home; // from --home; else the ZUK_HOME variable is used
    std::string executableFolder;    // usually executableFolder()
};

// The program folder P, absolute, with a trailing '/', in this order:
//  1. --home DIR or $ZUK_HOME (created, empty, when missing);
//  2. the executable's folder when it holds Engine/ (any letter case): a
//     portable install or the build tree;
//  3. $XDG_DATA_HOME/zuk (default ~/.local/share/zuk), created when missing.
// Whichever it is, start-up then completes it from defaultDataTree() with
// seedProgramFolder(). Throws zuk::IoError when the folder cannot be created.
std::string resolveProgramFolder(const ProgramFolderRequest& request);

// The shipped data tree (Engine/ and dox/) for a program in `executableFolder`:
// <exe>/../share/zuk of an installed program, or <exe>/share/zuk of the build
// tree (cmake/SeedData.cmake keeps it a copy of data/); the first of them
// that holds Engine/. Empty when there is none.
std::string defaultDataTree(const std::string& executableFolder);

// What completing a program folder did.
struct SeedReport {
    int copied = 0;                // files copied
    std::vector<IoError> failures; // what could not be copied or made, with the system's reason
};

// Completes `target` from `defaultTree`: every regular file of the tree that
// `target` does not have (names matched without regard to letter case) is
// copied, with the folders it needs. Nothing that exists is ever overwritten
// or changed, even when it appears while the copy is made. Symlinked folders
// are not entered on either side, and a symlinked file is copied only when it
// names a file inside the tree; nothing else is read. A file or folder that
// cannot be copied goes into the report and the rest is copied all the same.
// When nothing is missing this costs two folder listings per folder of the
// tree and opens no file. A `target` inside the tree is left alone.
SeedReport seedProgramFolder(const std::string& target, const std::string& defaultTree);

// `relative` ('/' or '\' separated) under `root`, each name matched without
// regard to letter case against what is on disk: "Lang/x" finds "lang/X". From
// the first name that does not exist on, the rest is kept as given, so the
// result can be used to create the file. A trailing separator is kept.
std::string resolveDataPath(const std::string& root, std::string_view relative);

// The working folders of a program folder, resolved as above.
WorkingFolders workingFolders(const std::string& programFolder);

} // namespace zuk::platform
