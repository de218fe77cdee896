#pragma once

#include <string>
#include <string_view>

// Comparing file names (UTF-8) the way the file box and find in files do:
// Latin and Cyrillic letters without regard to case.
namespace zuk::filebox {

// The name as code points with Latin and Cyrillic capitals made small; bytes
// that are no valid UTF-8 stand for themselves.
std::u32string foldName(std::string_view name);

// Whether a file name matches a file mask such as "*.htm": '*' stands for any
// run of characters, '?' for one. "*.*" and "*" match every name; several
// masks may be given separated by ';'. An empty mask matches every name.
bool fileMaskMatches(std::string_view mask, std::string_view name);

// The selection mask of the file box's "+" dialog: whether `name` holds the
// mask somewhere, each '*' and '?' of it standing for exactly one character
// ("*.txt" takes "a.txt" but not ".txt"). An empty mask selects nothing.
bool selectionMaskMatches(std::string_view mask, std::string_view name);

} // namespace zuk::filebox
