#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::html {

// The tag names of a clean-up list (the dialog's text or a preset file): one
// per line, trimmed and in capitals (Windows-1251 letters included); empty
// lines name nothing and are left out. Closing tags carry their slash
// ("/B"), comments are "!--".
std::vector<std::string> parseTagList(std::string_view text);

// The text without the tags whose names (compared in capitals) are in
// `names` (as parseTagList gives them). Built in one pass; text outside
// the removed tags is kept byte for byte.
std::string KillTags(std::string_view text, const std::vector<std::string>& names);

// The targets of the links of a text: the href value of every "a" tag that
// has one, in text order, each as written between its quotes.
std::vector<std::string> LinkTargets(std::string_view text);
// The report of the link analysis: the targets, then "N links".
std::vector<std::string> LinkReport(std::string_view text);

// The src attribute values of every tag, in text order, without a "?query"
// or "#fragment".
std::vector<std::string> SourceValues(std::string_view text);

// The local file a src value names, resolved against the document's
// `folder` (with or without a trailing '/'). A page's root is its folder: one
// leading '/' is dropped. Backslashes count as '/', and "." and ".." are
// resolved. Empty for a value that names no local file (an address with a
// scheme, "//host/...", an empty value) and for every value when `folder` is
// empty (a document without a file has no folder).
std::string resolveSource(std::string_view value, std::string_view folder);

// The size of a file in bytes, or nothing when it does not exist (or is no
// regular file).
using FileSizeLookup = std::function<std::optional<std::uint64_t>(const std::string&)>;

// What the document-weight report needs of the document.
struct WeightDocument {
    std::string text;  // its text
    std::string path;  // its file (UTF-8, absolute); empty when it has none
    std::string label; // the name shown on its line
};

// The document-weight report: one line "path size" per existing file the
// src values name (each file once, sorted without regard to case), a line
// with the document's own name and size (its file's size, or the bytes of
// its text when it has no file), and "bytes total: N". Sums in 64 bits.
std::vector<std::string> DocumentWeight(const WeightDocument& document,
                                        const FileSizeLookup& fileSize);

} // namespace zuk::html
