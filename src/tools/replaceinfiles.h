#pragma once

#include "base/zukerror.h"
#include "tools/replace.h"

#include <cstddef>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace zuk::tools {

// What the replace window asks of each file: one find/replace pair or a
// multi-replace list, letter case exact or ignored (Windows-1251 letters).
struct ReplaceJob {
    bool multi = false;
    std::string find, with;         // without `multi`; an empty `with` changes nothing
    std::vector<ReplaceRule> rules; // with `multi`
    bool ignoreCase = false;
};

// The files a replace in files works on: every selected entry that is a
// regular file (a link to one counts), and, only when `recursive` is set,
// every regular file in a selected folder and its sub-folders, sorted by name
// within each folder. Links inside folders are never followed (a linked
// folder could lead back up or anywhere); folders deeper than `maxDepth`
// below a selected one are left out. Paths are UTF-8, as on disk.
std::vector<std::string> collectReplaceFiles(const std::vector<std::string>& selected,
                                             bool recursive, int maxDepth = 64);

struct ReplaceFilesReport {
    std::vector<std::string> changed;   // written with replacements
    std::vector<std::string> unchanged; // nothing to replace (copied when the target differs)
    std::vector<std::string> skipped;   // no target for it (its extension is not processed)
    std::vector<std::string> binary;    // holding a NUL byte: not a text, left alone
    std::vector<std::pair<std::string, ZukError>> failed; // path and why
    std::size_t replacements = 0;
};

// Applies `job` to each file in order. `target` names where a file's result
// goes: the file itself, another path (an output folder), or "" for a file
// that is not written. A file holding a NUL byte is never written (replacing
// in it could only damage it) and is reported; every write goes through the
// safe writer, so a failure leaves the old file whole. A file whose text did
// not change is not written over itself. Line breaks stay as they are.
// `stop`, when given, is asked between files.
ReplaceFilesReport ReplaceInFiles(const std::vector<std::string>& files, const ReplaceJob& job,
                                  const std::function<std::string(const std::string&)>& target,
                                  const std::function<bool()>& stop = {});

} // namespace zuk::tools
