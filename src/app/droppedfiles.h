#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::app {

// What becomes of one file dropped on the main window.
enum class DropAction {
    Open,          // open it as a document (OpenFile)
    ImportRtf,     // import it as RTF; the files after it are left alone
    InsertPicture, // insert an img tag for it into the active document
    InsertFlash,   // insert the swfimport.txt template for it
    Skip,          // nothing for this file; go on with the next
    Stop           // nothing for this file nor for any after it
};

// The kind of a dropped file by its extension (compared without regard to
// case): ".rtf", a picture (.gif .jpg .jpeg .png .bmp .mng .jng), ".swf" or
// anything else.
enum class DropKind { Rtf, Picture, Flash, Other };
DropKind dropKindOf(std::string_view path);

// The action for one file, given whether a document is open now and whether
// swfimport.txt exists: a picture or a Flash file with no document open stops
// the drop, a Flash file without the template is skipped.
DropAction classifyDroppedFile(std::string_view path, bool documentOpen, bool flashTemplateExists);

// True when no further dropped file is processed after `action`.
inline bool endsDrop(DropAction action)
{
    return action == DropAction::ImportRtf || action == DropAction::Stop;
}

struct DropStep {
    std::string path;
    DropAction action;
};

// The whole drop in order, up to and including the step that ends it. Opening
// an existing file or importing RTF makes a document open for the files after
// it; `fileExists` tells which files exist (a missing file opens nothing).
std::vector<DropStep> planDrop(const std::vector<std::string>& paths, bool documentOpen,
                               bool flashTemplateExists,
                               const std::function<bool(const std::string&)>& fileExists);

} // namespace zuk::app
