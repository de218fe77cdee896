#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zuk::editor {

// The path a selected file name stands for, seen from a document. Paths are
// UTF-8 with '/' separators; a '\' in the name is taken as '/'.
//  - A name starting with '/' that exists as an absolute path is used as is.
//  - Any other name is relative to the document's folder; a leading '/' is
//    dropped first, so "/img/a.gif" in /site/index.html is /site/img/a.gif
//    (the site-root reading of such names in HTML).
//  - A document without a folder (untitled) leaves relative names as they are.
// Returns "" for an empty name.
std::string resolveSelectedPath(std::string_view name, std::string_view documentPath,
                                const std::function<bool(const std::string&)>& exists);

// A picture file the external picture programs take: .gif .jpg .jpeg .png
// .bmp .mng .jng in any case.
bool isPictureName(std::string_view path);

} // namespace zuk::editor
