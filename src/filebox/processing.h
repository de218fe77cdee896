#pragma once

#include "base/zukerror.h"

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The file box's batch commands: which files may be written, where their
// results go, and the writing itself, which never destroys text.
namespace zuk::filebox {

struct ProcessRule {
    // The processable extensions (enabled_exts.txt: one a line, with or
    // without the dot, compared without regard to case). Empty: nothing is
    // ever written.
    std::vector<std::string> extensions;
    // boutput_processed_files_to_dir and soutput_processed_files_to_dir.
    bool toFolder = false;
    std::string folder;
};

// Whether the extension of `path` is one of the rule's.
bool processable(const ProcessRule& rule, const std::string& path);

// Where the result for `path` goes, or "" when it is not written: `path`
// itself, or with an output folder that exists the same name there; a file
// below `base` (the folder the user started from) keeps its subfolders
// under the output folder, so same-named files of different subfolders do
// not overwrite each other.
std::string processedTarget(const ProcessRule& rule, const std::string& path,
                            const std::string& base);

// `path` with its extension replaced by `extension` (without the dot).
std::string withExtension(const std::string& path, const std::string& extension);

struct ProcessItem {
    std::string source;
    std::string target; // "" when not written
};

struct ProcessReport {
    std::vector<std::string> written;
    std::vector<std::string> binary; // holding a NUL byte: left alone
    std::vector<std::string> notProcessable;
    std::vector<std::pair<std::string, ZukError>> failed;
};

// Reads every source as text (lines ending in CR LF, LF or CR), runs
// `transform` on it (every line followed by CR LF) and writes the result
// with CR LF line ends to its target through the safe writer. A target that
// exists is first copied to target + ".bak" (an older .bak is replaced), so
// the text it held is kept. A source holding a NUL byte is never read as
// text (the rest would be lost) and is reported instead. `keepGoing` is
// asked between files.
ProcessReport processFiles(const std::vector<ProcessItem>& items,
                           const std::function<std::string(const std::string&)>& transform,
                           const std::function<bool()>& keepGoing = {});

// The text as lines, each followed by CR LF.
std::string toCrLfLines(const std::string& text);

} // namespace zuk::filebox
