#include "organizer/bookmarktree.h"

#include "base/zukerror.h"
#include "organizer/organizertexts.h"

#include <algorithm>
#include <utility>

namespace zuk::organizer {

namespace {

constexpr std::string_view kSignature = "ZBMX";
constexpr std::uint32_t kVersion = 1;
constexpr std::size_t kHeaderSize = 12;
constexpr std::size_t kEntrySize = 4 + kNodeRecordSize;

void putU32(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

std::uint32_t getU32(std::string_view bytes, std::size_t at)
{
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return v;
}

void putText(std::string& out, std::string_view text)
{
    out.push_back(static_cast<char>(text.size()));
    out.append(text);
    out.append(kMaxNodeText - text.size(), '\0');
}

FormatError damaged(std::size_t index)
{
    return FormatError(bmxTreeTexts(), "sBmxDamaged", {std::to_string(index + 1)});
}

std::string getText(std::string_view record, std::size_t at, std::size_t index)
{
    const std::size_t length = static_cast<unsigned char>(record[at]);
    if (length > kMaxNodeText)
        throw damaged(index);
    return std::string(record.substr(at + 1, length));
}

void writeNodes(std::string& out, const std::vector<BookmarkNode>& nodes, int level,
                std::uint32_t& count)
{
    if (level >= kMaxBookmarkDepth && !nodes.empty())
        throw FormatError(bmxTreeTexts(), "sBmxTooDeep", {std::to_string(kMaxBookmarkDepth)});
    for (const BookmarkNode& node : nodes) {
        putU32(out, static_cast<std::uint32_t>(level));
        out += encodeBookmark(node.data);
        ++count;
        writeNodes(out, node.children, level + 1, count);
    }
}

} // namespace

std::string fitCaption(std::string_view utf8)
{
    if (utf8.size() <= kMaxNodeText)
        return std::string(utf8);
    std::size_t end = kMaxNodeText;
    // Step back over continuation bytes to the start of the cut character.
    while (end > 0 && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
        --end;
    return std::string(utf8.substr(0, end));
}

std::string encodeBookmark(const RBookmark& node)
{
    if (node.FilePath.size() > kMaxNodeText)
        throw FormatError(bmxTreeTexts(), "sPathTooLong",
                          {node.FilePath, std::to_string(kMaxNodeText)});
    std::string out;
    out.reserve(kNodeRecordSize);
    putText(out, fitCaption(node.Caption));
    putText(out, node.FilePath);
    putU32(out, static_cast<std::uint32_t>(node.Line));
    putU32(out, static_cast<std::uint32_t>(node.Line2));
    return out;
}

RBookmark decodeBookmark(std::string_view record, std::size_t index)
{
    RBookmark node;
    node.Caption = getText(record, 0, index);
    node.FilePath = getText(record, 256, index);
    node.Line = static_cast<std::int32_t>(getU32(record, 512));
    node.Line2 = static_cast<std::int32_t>(getU32(record, 516));
    return node;
}

std::string writeBookmarkTree(const std::vector<BookmarkNode>& roots)
{
    std::string nodes;
    std::uint32_t count = 0;
    writeNodes(nodes, roots, 0, count);
    std::string out(kSignature);
    putU32(out, kVersion);
    putU32(out, count);
    return out + nodes;
}

std::vector<BookmarkNode> readBookmarkTree(std::string_view bytes)
{
    if (bytes.size() < kHeaderSize || bytes.substr(0, 4) != kSignature ||
        getU32(bytes, 4) != kVersion)
        throw FormatError(bmxTreeTexts(), "sBmxNotATree");
    const std::size_t count = getU32(bytes, 8);
    // The size must be exact: a file cut short or with bytes after the last
    // node is damaged, whatever its count says.
    if ((bytes.size() - kHeaderSize) % kEntrySize != 0 ||
        (bytes.size() - kHeaderSize) / kEntrySize != count)
        throw damaged((bytes.size() - kHeaderSize) / kEntrySize);

    std::vector<BookmarkNode> roots;
    // The open path from a top node down to the node read last.
    std::vector<std::vector<BookmarkNode>*> path;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHeaderSize + i * kEntrySize;
        const std::uint32_t level = getU32(bytes, at);
        if (level > path.size() || level >= static_cast<std::uint32_t>(kMaxBookmarkDepth))
            throw damaged(i);
        path.resize(level);
        std::vector<BookmarkNode>& siblings = level == 0 ? roots : path.back()->back().children;
        siblings.push_back({decodeBookmark(bytes.substr(at + 4, kNodeRecordSize), i), {}});
        path.push_back(&siblings);
    }
    return roots;
}

} // namespace zuk::organizer
