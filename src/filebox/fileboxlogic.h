#pragma once

#include <string>
#include <string_view>
#include <vector>

// The file box's small rules that need no window: thumbnail placement,
// links to files, the hot list and the location listings.
namespace zuk::filebox {

// Where a picture of w × h goes in a thumbnail box of W × H: unscaled and
// centred when it is smaller both ways, else scaled by the smaller of the two
// ratios (so nothing is cut off) and centred. Sizes and offsets are rounded
// to the nearest integer, halves to even; a size never drops below 1.
struct ThumbPlacement {
    int width = 0, height = 0;
    int x = 0, y = 0;
};
ThumbPlacement placeThumbnail(int w, int h, int boxW, int boxH);

// The text between the tag before the first «</TITLE>» and that tag; empty
// when there is none.
std::string pageTitle(std::string_view text);

// «<a href="REF">TEXT</a>»: TEXT the page title of `targetText` (the
// target file's bytes) or, without one, `fileName`.
std::string linkTo(std::string_view reference, std::string_view targetText,
                   std::string_view fileName);

// The hot list (Pelagos/hotlist.txt): one folder a line, UTF-8. A missing
// file is an empty list; blank lines are dropped.
std::vector<std::string> loadHotlist(const std::string& path);
void saveHotlist(const std::string& path, const std::vector<std::string>& folders);

// "Создать из текущей локации": the names of every entry of `dir`.
std::vector<std::string> locationNames(const std::string& dir);
// "... рекурсивно": the full paths of every file of `dir` and the folders
// below it, the folder itself first, then breadth first.
std::vector<std::string> locationFilesRecursive(const std::string& dir, int maxDepth = 64);

} // namespace zuk::filebox
