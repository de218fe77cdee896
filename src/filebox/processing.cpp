#include "filebox/processing.h"

#include "filebox/folderwalk.h"
#include "io/safefile.h"

#include <cctype>
#include <cerrno>
#include <sys/stat.h>

namespace zuk::filebox {

namespace {

std::string lowerAscii(std::string s)
{
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string extensionOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot <= name)
        return {};
    return path.substr(dot + 1);
}

bool isFolder(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool exists(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// mkdir -p: the subfolders an output folder needs to keep files apart.
void makeFolders(const std::string& folder)
{
    for (std::size_t at = 1; at <= folder.size(); ++at) {
        if (at != folder.size() && folder[at] != '/')
            continue;
        const std::string part = folder.substr(0, at);
        if (::mkdir(part.c_str(), 0777) != 0 && errno != EEXIST)
            throw io::writeError(part, errno);
    }
}

} // namespace

bool processable(const ProcessRule& rule, const std::string& path)
{
    const std::string ext = lowerAscii(extensionOf(path));
    if (ext.empty())
        return false;
    for (std::string listed : rule.extensions) {
        while (!listed.empty() && (listed.back() == ' ' || listed.back() == '\r'))
            listed.pop_back();
        if (!listed.empty() && listed.front() == '.')
            listed.erase(0, 1);
        if (lowerAscii(listed) == ext)
            return true;
    }
    return false;
}

std::string withExtension(const std::string& path, const std::string& extension)
{
    const std::string ext = extensionOf(path);
    const std::string stem = ext.empty() ? path : path.substr(0, path.size() - ext.size() - 1);
    return stem + "." + extension;
}

std::string processedTarget(const ProcessRule& rule, const std::string& path,
                            const std::string& base)
{
    if (!processable(rule, path))
        return {};
    if (!rule.toFolder)
        return path;
    if (rule.folder.empty() || !isFolder(rule.folder))
        return {};
    std::string prefix = base;
    if (prefix.empty() || prefix.back() != '/')
        prefix += '/';
    std::string relative;
    if (path.compare(0, prefix.size(), prefix) == 0)
        relative = path.substr(prefix.size());
    else
        relative = path.substr(path.rfind('/') + 1);
    return joinPath(rule.folder, relative);
}

std::string toCrLfLines(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t i = 0;
    bool open = false; // a line has begun and not ended
    while (i < text.size()) {
        const char c = text[i++];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i < text.size() && text[i] == '\n')
                ++i;
            out += "\r\n";
            open = false;
        } else {
            out += c;
            open = true;
        }
    }
    if (open)
        out += "\r\n";
    return out;
}

ProcessReport processFiles(const std::vector<ProcessItem>& items,
                           const std::function<std::string(const std::string&)>& transform,
                           const std::function<bool()>& keepGoing)
{
    ProcessReport report;
    for (const ProcessItem& item : items) {
        if (keepGoing && !keepGoing())
            break;
        if (item.target.empty()) {
            report.notProcessable.push_back(item.source);
            continue;
        }
        try {
            const std::string bytes = io::readFileBytes(item.source);
            if (bytes.find('\0') != std::string::npos) {
                report.binary.push_back(item.source);
                continue;
            }
            const std::string result = toCrLfLines(transform(toCrLfLines(bytes)));
            if (exists(item.target)) {
                const std::string old =
                    item.target == item.source ? bytes : io::readFileBytes(item.target);
                io::writeFileAtomically(item.target + ".bak", old);
            } else {
                const std::size_t slash = item.target.rfind('/');
                if (slash != std::string::npos && slash > 0)
                    makeFolders(item.target.substr(0, slash));
            }
            io::writeFileAtomically(item.target, result);
            report.written.push_back(item.target);
        } catch (const ZukError& error) {
            report.failed.emplace_back(item.source, error);
        }
    }
    return report;
}

} // namespace zuk::filebox
