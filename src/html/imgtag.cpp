#include "html/imgtag.h"

#include "html/htmlbasics.h"

#include <vector>

namespace zuk::html {

namespace {

std::vector<std::string_view> components(std::string_view path)
{
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    while (from <= path.size()) {
        std::size_t end = path.find('/', from);
        if (end == std::string_view::npos)
            end = path.size();
        const std::string_view part = path.substr(from, end - from);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        from = end + 1;
    }
    return parts;
}

std::string_view namePart(std::string_view path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

} // namespace

bool isPictureName(std::string_view path)
{
    const std::string_view name = namePart(path);
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return false;
    const std::string_view ext = name.substr(dot + 1);
    for (const char* known : {"gif", "jpg", "jpeg", "png", "ping", "bmp", "mng", "jng"})
        if (equalNoCaseAscii(ext, known))
            return true;
    return false;
}

std::string PictureSource(std::string_view documentPath, std::string_view picturePath)
{
    const std::string_view name = namePart(picturePath);
    if (documentPath.empty())
        return std::string(name);
    std::vector<std::string_view> page = components(documentPath);
    std::vector<std::string_view> picture = components(picturePath);
    if (page.empty() || picture.empty())
        return std::string(name);
    page.pop_back();    // the page's own name
    picture.pop_back(); // the picture's name
    std::size_t common = 0;
    while (common < page.size() && common < picture.size() && page[common] == picture[common])
        ++common;
    std::string source;
    for (std::size_t i = common; i < page.size(); ++i)
        source += "../";
    for (std::size_t i = common; i < picture.size(); ++i) {
        source += picture[i];
        source += '/';
    }
    source += name;
    return source;
}

std::string ImgTag(std::string_view source, std::string_view name,
                   const std::optional<PictureSize>& size, bool picture)
{
    std::string tag = "<img src=\"" + escapeAttribute(source) + "\" width=\"";
    if (picture && size)
        tag += std::to_string(size->width);
    tag += "\" height=\"";
    if (picture && size)
        tag += std::to_string(size->height);
    tag += "\" border=\"0\" alt=\"";
    if (picture)
        tag += escapeAttribute(name);
    tag += "\">";
    return tag;
}

std::string ImgTagForFile(std::string_view documentPath, std::string_view picturePath)
{
    const bool picture = isPictureName(picturePath);
    std::optional<PictureSize> size;
    if (picture)
        size = pictureSizeOfFile(std::string(picturePath));
    return ImgTag(PictureSource(documentPath, picturePath), namePart(picturePath), size, picture);
}

} // namespace zuk::html
