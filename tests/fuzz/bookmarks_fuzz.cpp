// The bookmark tree file: any bytes are read as a tree or refused with a
// FormatError; a tree that was read is written to the same bytes and reads
// back to the same tree.

#include "fuzz/fuzztarget.h"

#include "base/zukerror.h"
#include "organizer/bookmarktree.h"

#include <string>

namespace {

bool same(const std::vector<zuk::organizer::BookmarkNode>& a,
          const std::vector<zuk::organizer::BookmarkNode>& b, int depth = 0)
{
    if (a.size() != b.size() || depth > zuk::organizer::kMaxBookmarkDepth)
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto& x = a[i].data;
        const auto& y = b[i].data;
        if (x.Caption != y.Caption || x.FilePath != y.FilePath || x.Line != y.Line ||
            x.Line2 != y.Line2 || !same(a[i].children, b[i].children, depth + 1))
            return false;
    }
    return true;
}

} // namespace

ZUK_FUZZ_TARGET(bookmarks)
{
    using namespace zuk::organizer;
    std::vector<BookmarkNode> tree;
    try {
        tree = readBookmarkTree(input);
    } catch (const zuk::FormatError&) {
        return;
    }
    // Texts with padding after their length are read without it, so the bytes
    // written again may differ; what they read back to may not.
    const std::string written = writeBookmarkTree(tree);
    zuk::fuzz::check(same(readBookmarkTree(written), tree));
    zuk::fuzz::check(writeBookmarkTree(readBookmarkTree(written)) == written);
}
