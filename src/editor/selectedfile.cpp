#include "editor/selectedfile.h"

#include "editor/syntaxtable.h"

namespace zuk::editor {

std::string resolveSelectedPath(std::string_view name, std::string_view documentPath,
                                const std::function<bool(const std::string&)>& exists)
{
    std::string n(name);
    if (n.empty())
        return {};
    for (char& c : n)
        if (c == '\\')
            c = '/';
    if (n.front() == '/' && exists && exists(n))
        return n;

    std::string folder;
    const size_t slash = std::string_view(documentPath).rfind('/');
    if (slash != std::string_view::npos)
        folder = std::string(documentPath.substr(0, slash + 1));

    if (folder.empty())
        return n;
    size_t skip = 0;
    while (skip < n.size() && n[skip] == '/')
        ++skip;
    return folder + n.substr(skip);
}

bool isPictureName(std::string_view path)
{
    const std::string ext = lowerExtension(path);
    for (const char* p : {"gif", "jpg", "jpeg", "png", "bmp", "mng", "jng"})
        if (ext == p)
            return true;
    return false;
}

} // namespace zuk::editor
