#include "platform/programfolder.h"

#include "base/zukerror.h"
#include "io/nocase.h"
#include "io/safefile.h"
#include "platform/platformtexts.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuk::platform {

namespace {

constexpr int kMaxTreeDepth = 32;

std::string withSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

bool exists(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

bool isDirectory(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// The entry of `folder` whose name equals `name` without regard to case;
// empty when there is none.
std::string findEntryNoCase(const std::string& folder, std::string_view name)
{
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return {};
    std::string wanted = io::lowerUtf8(name);
    std::string found;
    while (dirent* entry = ::readdir(dir)) {
        std::string_view entryName(entry->d_name);
        if (entryName == "." || entryName == "..")
            continue;
        if (io::lowerUtf8(entryName) == wanted) {
            found = std::string(entryName);
            break;
        }
    }
    ::closedir(dir);
    return found;
}

std::string absolutePath(const std::string& path)
{
    if (!path.empty() && path[0] == '/')
        return path;
    char buffer[PATH_MAX];
    if (!::getcwd(buffer, sizeof buffer))
        return path;
    return withSlash(buffer) + path;
}

void makeFolders(const std::string& path)
{
    std::string current;
    std::size_t i = 0;
    while (i <= path.size()) {
        std::size_t slash = path.find('/', i);
        if (slash == std::string::npos)
            slash = path.size();
        current = path.substr(0, slash);
        i = slash + 1;
        if (current.empty() || isDirectory(current))
            continue;
        if (::mkdir(current.c_str(), 0777) != 0 && errno != EEXIST)
            throw IoError(platformMessages(), "sCannotCreateFolder",
                          {current, std::strerror(errno)});
    }
}

std::string homeFolder()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/tmp";
}

int copyMissing(const std::string& from, const std::string& to, int depth)
{
    if (depth > kMaxTreeDepth)
        return 0;
    DIR* dir = ::opendir(from.c_str());
    if (!dir)
        return 0;
    std::vector<std::string> names;
    while (dirent* entry = ::readdir(dir)) {
        std::string name(entry->d_name);
        if (name != "." && name != "..")
            names.push_back(std::move(name));
    }
    ::closedir(dir);

    int copied = 0;
    for (const std::string& name : names) {
        std::string source = from + "/" + name;
        std::string target = to + "/" + name;
        struct stat st {};
        if (::stat(source.c_str(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            makeFolders(target);
            copied += copyMissing(source, target, depth + 1);
        } else if (S_ISREG(st.st_mode) && !exists(target)) {
            io::writeFileAtomically(target, io::readFileBytes(source));
            ++copied;
        }
    }
    return copied;
}

} // namespace

std::string executableFolder()
{
    char buffer[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    std::string path(buffer, static_cast<std::size_t>(n));
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::optional<std::string> takeHomeOption(std::vector<std::string>& args)
{
    std::optional<std::string> home;
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--home") {
            if (i + 1 < args.size())
                home = args[++i];
        } else if (arg.rfind("--home=", 0) == 0) {
            home = arg.substr(7);
        } else {
            rest.push_back(arg);
        }
    }
    args = std::move(rest);
    return home;
}

std::string resolveProgramFolder(const ProgramFolderRequest& request)
{
    std::optional<std::string> home = request.home;
    if (!home) {
        if (const char* env = std::getenv("ZUK_HOME"); env && *env)
            home = env;
    }
    if (home && !home->empty()) {
        std::string folder = withSlash(absolutePath(*home));
        makeFolders(folder);
        return folder;
    }

    std::string exeFolder =
        request.executableFolder.empty() ? std::string() : withSlash(request.executableFolder);
    if (!exeFolder.empty()) {
        std::string engine = findEntryNoCase(exeFolder, "Engine");
        if (!engine.empty() && isDirectory(exeFolder + engine))
            return exeFolder;
    }

    // The XDG base-directory rules ignore a relative XDG_DATA_HOME.
    std::string dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && xdg[0] == '/')
        dataHome = xdg;
    else
        dataHome = withSlash(homeFolder()) + ".local/share";
    std::string folder = withSlash(dataHome) + "zuk/";
    makeFolders(folder);

    std::string engine = findEntryNoCase(folder, "Engine");
    if (engine.empty() || !isDirectory(folder + engine)) {
        std::string tree = request.defaultTree;
        if (tree.empty() && !exeFolder.empty())
            tree = exeFolder + "../share/zuk";
        if (!tree.empty() && isDirectory(tree))
            seedProgramFolder(folder, tree);
    }
    return folder;
}

int seedProgramFolder(const std::string& target, const std::string& defaultTree)
{
    std::string to = target;
    while (to.size() > 1 && to.back() == '/')
        to.pop_back();
    std::string from = defaultTree;
    while (from.size() > 1 && from.back() == '/')
        from.pop_back();
    makeFolders(to);
    return copyMissing(from, to, 0);
}

std::string resolveDataPath(const std::string& root, std::string_view relative)
{
    std::string path = root;
    if (!relative.empty() && (relative[0] == '/' || relative[0] == '\\'))
        path = "/";
    bool trailing = !relative.empty() && (relative.back() == '/' || relative.back() == '\\');
    bool matching = true;

    std::size_t i = 0;
    while (i < relative.size()) {
        std::size_t sep = relative.find_first_of("/\\", i);
        if (sep == std::string_view::npos)
            sep = relative.size();
        std::string_view name = relative.substr(i, sep - i);
        i = sep + 1;
        if (name.empty())
            continue;
        if (!path.empty())
            path = withSlash(path);
        if (matching && name != "." && name != ".." && !exists(path + std::string(name))) {
            std::string found = findEntryNoCase(path, name);
            if (!found.empty()) {
                path += found;
                continue;
            }
            matching = false; // the rest does not exist: keep it as given
        }
        path += name;
    }
    if (trailing && !path.empty())
        path = withSlash(path);
    return path;
}

WorkingFolders workingFolders(const std::string& programFolder)
{
    WorkingFolders folders;
    folders.program = withSlash(programFolder);
    folders.parts = resolveDataPath(folders.program, "Engine/Parts/");
    folders.tables = resolveDataPath(folders.program, "Engine/Tables/");
    folders.templates = resolveDataPath(folders.program, "Engine/Templates/");
    folders.plugins = resolveDataPath(folders.program, "Engine/Plugins/");
    folders.cstyles = resolveDataPath(folders.program, "Engine/CStyles/");
    return folders;
}

} // namespace zuk::platform
