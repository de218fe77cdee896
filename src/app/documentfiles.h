#pragma once

#include "app/filenames.h"
#include "plugins/cfioint.h"
#include "settings/connectiontable.h"

#include <functional>
#include <string>
#include <vector>

namespace zuk::app {

// File work of the document commands that needs no window: every document
// text goes through the "std_txt" module of the engine. Texts are the
// documents' bytes; names are UTF-8 paths. Failures throw zuk::IoError with the
// system's reason and leave the target file as it was.

// Every copy of a document is written the way its file is (`format`: the
// file's encoding and line break).

// Writes a dated version of the document `name` with `text` (see
// versionTargets and versionText) and returns the files written. A version
// converted to another code page by the options is that code page's bytes,
// whatever the document's file is.
std::vector<std::string> saveVersion(const plugins::CFIOINT& engine, const std::string& name,
                                     const std::string& text, const settings::RSaveOptions& options,
                                     const Clock& clock = localTimeNow,
                                     const codepages::FileFormat& format = {});

// Writes `text` to the backup copy of `name` and returns its name.
std::string saveBackupCopy(const plugins::CFIOINT& engine, const std::string& name,
                           const std::string& text, const codepages::FileFormat& format = {});

// One document as the emergency copy sees it.
struct DocumentText {
    std::string name;
    bool hasFile = false;
    std::function<std::string()> text; // asked only for documents bound to a file
    codepages::FileFormat format;
};

// Writes the emergency copy (".avr") of every document bound to a file. Meant
// for a failing program: nothing throws; the names that could not be written
// are returned.
std::vector<std::string> writeEmergencyCopies(const plugins::CFIOINT& engine,
                                              const std::vector<DocumentText>& documents);

// lastfiles.txt: one full document name (UTF-8) per line. A missing file
// reads as an empty list; empty lines are dropped.
std::vector<std::string> readLastFiles(const std::string& path);
void writeLastFiles(const std::string& path, const std::vector<std::string>& names);

} // namespace zuk::app
