#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::organizer {

// One bookmark: a place in a file. Caption and path are UTF-8 (the path as
// the file system has it) of at most kMaxNodeText bytes each, the size of
// their fields in the node record.
struct RBookmark {
    std::string Caption;
    std::string FilePath;
    std::int32_t Line = 0;  // first visible line when the bookmark was taken
    std::int32_t Line2 = 0; // the same, through the second getter
};

inline constexpr std::size_t kMaxNodeText = 255;
inline constexpr std::size_t kNodeRecordSize = 520;

// The fixed record of a node: two length-prefixed texts of 1 + 255 bytes
// (caption at 0, path at 256), then Line at 512 and Line2 at 516 as signed
// 32-bit little-endian numbers. Encoding throws zuk::FormatError (row
// sPathTooLong) for a path that does not fit, since a cut path names another
// file; a caption that does not fit is cut at a character boundary.
std::string encodeBookmark(const RBookmark& node);
// Throws zuk::FormatError (sBmxDamaged) for a record whose length bytes
// exceed their field; `record` must hold kNodeRecordSize bytes.
RBookmark decodeBookmark(std::string_view record, std::size_t index);

// A caption cut to fit its field, at a character boundary.
std::string fitCaption(std::string_view utf8);

struct BookmarkNode {
    RBookmark data;
    std::vector<BookmarkNode> children;
};

// The deepest nesting a tree file may have; deeper trees are refused.
inline constexpr int kMaxBookmarkDepth = 64;

// The tree file (engine/bookmarx/bmxtree.bmx):
//   "ZBMX"            4 bytes, the file's signature
//   version           4 bytes, little-endian, 1
//   node count N      4 bytes, little-endian
//   N times, depth-first, each node before its children:
//     level           4 bytes, little-endian: 0 for a top node, at most one
//                     more than the level of the node before it
//     node record     kNodeRecordSize bytes (encodeBookmark)
// Nothing may follow the last node.
std::string writeBookmarkTree(const std::vector<BookmarkNode>& roots);
// Throws zuk::FormatError (sBmxNotATree, sBmxDamaged) for a file that is not
// such a tree, is cut short, or is nested deeper than kMaxBookmarkDepth.
std::vector<BookmarkNode> readBookmarkTree(std::string_view bytes);

} // namespace zuk::organizer
