#include "filebox/fileboxlogic.h"

#include "filebox/cfilebox.h"
#include "filebox/folderwalk.h"
#include "io/linesfile.h"
#include "io/safefile.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace zuk::filebox {

namespace {

int roundEven(double v)
{
    return static_cast<int>(std::nearbyint(v)); // the default mode rounds halves to even
}

} // namespace

ThumbPlacement placeThumbnail(int w, int h, int boxW, int boxH)
{
    ThumbPlacement p;
    if (w <= 0 || h <= 0 || boxW <= 0 || boxH <= 0)
        return p;
    if (w < boxW && h < boxH) {
        p.width = w;
        p.height = h;
        p.x = (boxW - w) / 2;
        p.y = (boxH - h) / 2;
        return p;
    }
    const double ratio = std::min(static_cast<double>(boxW) / w, static_cast<double>(boxH) / h);
    p.width = std::max(1, roundEven(w * ratio));
    p.height = std::max(1, roundEven(h * ratio));
    p.x = roundEven((boxW - p.width) / 2.0);
    p.y = roundEven((boxH - p.height) / 2.0);
    return p;
}

std::string pageTitle(std::string_view text)
{
    static const std::string_view kEnd = "</title";
    for (std::size_t at = text.find('<'); at != std::string_view::npos;
         at = text.find('<', at + 1)) {
        if (at + kEnd.size() > text.size())
            break;
        bool same = true;
        for (std::size_t i = 0; same && i < kEnd.size(); ++i)
            same = std::tolower(static_cast<unsigned char>(text[at + i])) == kEnd[i];
        const char next = at + kEnd.size() < text.size() ? text[at + kEnd.size()] : '>';
        if (!same || !(next == '>' || next == ' ' || next == '\t' || next == '\r' || next == '\n'))
            continue;
        const std::size_t open = text.rfind('>', at);
        if (open == std::string_view::npos)
            return {};
        return std::string(text.substr(open + 1, at - open - 1));
    }
    return {};
}

std::string linkTo(std::string_view reference, std::string_view targetText,
                   std::string_view fileName)
{
    std::string title = pageTitle(targetText);
    const bool blank = std::all_of(title.begin(), title.end(), [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\n';
    });
    if (blank)
        title = std::string(fileName);
    return "<a href=\"" + std::string(reference) + "\">" + title + "</a>";
}

std::vector<std::string> loadHotlist(const std::string& path)
{
    std::string bytes;
    if (!io::readFileBytesIfExists(path, bytes))
        return {};
    std::vector<std::string> folders;
    for (std::string& line : io::splitLines(bytes))
        if (!line.empty())
            folders.push_back(std::move(line));
    return folders;
}

void saveHotlist(const std::string& path, const std::vector<std::string>& folders)
{
    io::writeLinesFile(path, folders);
}

std::vector<std::string> locationNames(const std::string& dir)
{
    std::vector<std::string> names;
    for (FileItem& item : listItems(dir))
        if (!item.up())
            names.push_back(std::move(item.name));
    return names;
}

std::vector<std::string> locationFilesRecursive(const std::string& dir, int maxDepth)
{
    std::vector<std::string> paths;
    WalkVisitor visitor;
    visitor.file = [&paths](const WalkEntry& entry) {
        paths.push_back(entry.path);
        return true;
    };
    walkFolder(dir, maxDepth, visitor);
    return paths;
}

} // namespace zuk::filebox
