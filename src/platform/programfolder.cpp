#include "platform/programfolder.h"

#include "io/nocase.h"
#include "platform/platformtexts.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace zuk::platform {

namespace {

constexpr int kMaxTreeDepth = 32;

IoError folderError(const std::string& path, int errnoValue)
{
    return IoError(platformMessages(), "sCannotCreateFolder", {path, std::strerror(errnoValue)});
}

IoError copyError(const std::string& path, int errnoValue)
{
    return IoError(platformMessages(), "sCannotCopyDataFile", {path, std::strerror(errnoValue)});
}

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
            throw folderError(current, errno);
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

std::string withoutSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// The real path of an existing file or folder; empty when it has none.
std::string realPath(const std::string& path)
{
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return {};
    std::string result(real);
    std::free(real);
    return result;
}

bool isInside(const std::string& path, const std::string& folder)
{
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
           (folder == "/" || path[folder.size()] == '/');
}

struct FolderEntry {
    std::string name;
    unsigned char type = DT_UNKNOWN; // DT_REG, DT_DIR, DT_LNK, ...
};

// The entries of `folder` but "." and "..", sorted by name; false with the
// system's reason in `err` when it cannot be read.
bool listFolder(const std::string& folder, std::vector<FolderEntry>& out, int& err)
{
    out.clear();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        err = errno;
        return false;
    }
    while (dirent* entry = ::readdir(dir)) {
        std::string_view name(entry->d_name);
        if (name == "." || name == "..")
            continue;
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) { // some file systems do not say: ask without following links
            struct stat st {};
            const std::string path = folder + "/" + std::string(name);
            if (::lstat(path.c_str(), &st) == 0)
                type = S_ISDIR(st.st_mode)   ? DT_DIR
                       : S_ISREG(st.st_mode) ? DT_REG
                       : S_ISLNK(st.st_mode) ? DT_LNK
                                             : DT_UNKNOWN;
        }
        out.push_back({std::string(name), type});
    }
    ::closedir(dir);
    std::sort(out.begin(), out.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return true;
}

// Closes a descriptor when it goes out of scope.
class Fd final {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() { close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    // Closes now; the system's answer.
    int close()
    {
        int result = 0;
        if (m_fd >= 0)
            result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// Puts the finished temporary file at `target` unless something is there by
// now: 1 when it went in, 0 when the target exists, -1 on failure (errno).
int publishNoReplace(const std::string& temp, const std::string& target)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, temp.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return 1;
    if (errno == EEXIST)
        return 0;
    if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP)
        return -1;
#endif
    // A hard link cannot replace anything either.
    if (::link(temp.c_str(), target.c_str()) == 0) {
        ::unlink(temp.c_str());
        return 1;
    }
    if (errno == EEXIST)
        return 0;
    // A file system without links: the one case left with a window between
    // the look and the rename.
    struct stat st {};
    if (::lstat(target.c_str(), &st) == 0)
        return 0;
    return ::rename(temp.c_str(), target.c_str()) == 0 ? 1 : -1;
}

// Completes one program folder from one tree.
class Seeder final {
public:
    Seeder(std::string treeRoot, std::string skip)
        : m_treeRoot(std::move(treeRoot)), m_skip(std::move(skip))
    {
    }

    void walk(const std::string& from, const std::string& to, const std::string& relative,
              int depth);
    SeedReport& report() { return m_report; }

private:
    void copyFolder(const std::string& from, const std::string& to, const std::string& relative,
                    int depth, const FolderEntry* existing);
    void copyFile(const std::string& source, const std::string& target);
    // Copies `source` into a new file `temp`; `made` tells whether it was made.
    bool copyBytes(const std::string& source, const std::string& temp, bool& made, int& err);

    std::string m_treeRoot; // real path of the tree
    std::string m_skip;     // where the tree lies inside the target, relative; empty: it does not
    SeedReport m_report;
};

void Seeder::walk(const std::string& from, const std::string& to, const std::string& relative,
                  int depth)
{
    std::vector<FolderEntry> sources;
    std::vector<FolderEntry> targets;
    int err = 0;
    if (!listFolder(from, sources, err)) {
        m_report.failures.push_back(copyError(to, err));
        return;
    }
    if (!listFolder(to, targets, err)) {
        m_report.failures.push_back(copyError(to, err));
        return;
    }
    std::unordered_map<std::string, FolderEntry> present;
    for (FolderEntry& t : targets) {
        std::string folded = io::lowerUtf8(t.name);
        present.emplace(std::move(folded), std::move(t));
    }

    for (const FolderEntry& source : sources) {
        const std::string childRelative =
            relative.empty() ? source.name : relative + "/" + source.name;
        if (!m_skip.empty() && (childRelative == m_skip || isInside(childRelative, m_skip)))
            continue; // the tree itself, seen from inside the target
        const std::string sourcePath = from + "/" + source.name;
        const auto found = present.find(io::lowerUtf8(source.name));
        const FolderEntry* existing = found == present.end() ? nullptr : &found->second;

        if (source.type == DT_DIR) {
            copyFolder(sourcePath, to, childRelative, depth + 1, existing);
        } else if (existing) {
            continue; // never overwritten, whatever it is
        } else if (source.type == DT_REG) {
            copyFile(sourcePath, to + "/" + source.name);
        } else if (source.type == DT_LNK) {
            // Only a link to a file of the tree itself is copied (as a file).
            const std::string real = realPath(sourcePath);
            struct stat st {};
            if (!real.empty() && isInside(real, m_treeRoot) && ::stat(real.c_str(), &st) == 0 &&
                S_ISREG(st.st_mode))
                copyFile(real, to + "/" + source.name);
        }
        present.emplace(io::lowerUtf8(source.name), source);
    }
}

void Seeder::copyFolder(const std::string& from, const std::string& to, const std::string& relative,
                        int depth, const FolderEntry* existing)
{
    if (depth > kMaxTreeDepth)
        return;
    const std::string name = from.substr(from.rfind('/') + 1);
    if (existing) {
        // A folder the user has is completed; a link in its place is the
        // user's own arrangement and stays as it is. A file in its place
        // stays too, but what belongs below it cannot come in: that is said.
        if (existing->type == DT_DIR)
            walk(from, to + "/" + existing->name, relative, depth);
        else if (existing->type != DT_LNK)
            m_report.failures.push_back(copyError(to + "/" + existing->name, ENOTDIR));
        return;
    }
    const std::string target = to + "/" + name;
    if (::mkdir(target.c_str(), 0777) != 0) {
        const int err = errno;
        if (err != EEXIST) {
            m_report.failures.push_back(folderError(target, err));
            return;
        }
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            return; // something else appeared there meanwhile: it stays
    }
    walk(from, target, relative, depth);
}

bool Seeder::copyBytes(const std::string& source, const std::string& temp, bool& made, int& err)
{
    Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW));
    struct stat st {};
    if (in.get() < 0 || ::fstat(in.get(), &st) != 0) {
        err = errno;
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        err = EINVAL;
        return false;
    }
    // The copy keeps the tree's permission bits (a plug-in stays executable).
    Fd out(
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, (st.st_mode & 0777) | 0600));
    if (out.get() < 0) {
        err = errno;
        return false;
    }
    made = true;
    char buffer[1 << 16];
    for (;;) {
        const ssize_t n = ::read(in.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            err = errno;
            return false;
        }
        if (n == 0)
            break;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(out.get(), buffer + done, static_cast<std::size_t>(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w < 0) {
                err = errno;
                return false;
            }
            done += w;
        }
    }
    if (out.close() != 0) {
        err = errno;
        return false;
    }
    return true;
}

void Seeder::copyFile(const std::string& source, const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    const std::size_t slash = target.rfind('/');
    const std::string temp = target.substr(0, slash + 1) + "." + target.substr(slash + 1) +
                             ".zuk-" + std::to_string(::getpid()) + "-" +
                             std::to_string(counter++) + ".tmp";
    int err = 0;
    bool made = false;
    int published = -1;
    if (copyBytes(source, temp, made, err)) {
        published = publishNoReplace(temp, target);
        if (published < 0)
            err = errno;
    }
    if (made && published != 1)
        ::unlink(temp.c_str());
    if (published == 1)
        ++m_report.copied;
    else if (published < 0)
        m_report.failures.push_back(copyError(target, err));
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
    return folder;
}

std::string programHelperPath(const std::string& executableFolder, const std::string& name,
                              int accessMode)
{
    for (const std::string& path :
         {executableFolder + name, executableFolder + "../libexec/zuk/" + name}) {
        if (::access(path.c_str(), accessMode) == 0)
            return path;
    }
    return {};
}

std::string defaultDataTree(const std::string& executableFolder)
{
    if (executableFolder.empty())
        return {};
    const std::string exe = withSlash(executableFolder);
    for (const std::string& candidate : {exe + "../share/zuk", exe + "share/zuk"}) {
        const std::string engine = findEntryNoCase(candidate, "Engine");
        if (!engine.empty() && isDirectory(withSlash(candidate) + engine)) {
            const std::string real = realPath(candidate);
            return withSlash(real.empty() ? candidate : real);
        }
    }
    return {};
}

SeedReport seedProgramFolder(const std::string& target, const std::string& defaultTree)
{
    const std::string tree = realPath(withoutSlash(defaultTree));
    if (tree.empty() || !isDirectory(tree))
        return {};
    const std::string to = withoutSlash(absolutePath(target));
    try {
        makeFolders(to);
    } catch (const IoError& e) {
        SeedReport report;
        report.failures.push_back(e);
        return report;
    }
    const std::string toReal = realPath(to);
    if (toReal.empty() || toReal == tree || isInside(toReal, tree))
        return {}; // copying a tree into itself would only grow it
    Seeder seeder(tree, isInside(tree, toReal)
                            ? tree.substr(toReal.size() + (toReal == "/" ? 0 : 1))
                            : std::string());
    seeder.walk(tree, to, "", 0);
    return std::move(seeder.report());
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
