#include "app/recovery.h"

#include "app/recoverytexts.h"
#include "io/pathvalue.h"
#include "io/safefile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuk::app {

namespace {

constexpr std::string_view kMagic = "ZukRecovery 1";
constexpr std::string_view kEnd = "End";
constexpr std::string_view kLockName = "lock";
constexpr std::string_view kRunPrefix = "run-";
constexpr std::string_view kNewPrefix = ".new-";

bool endsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

bool startsWith(std::string_view s, std::string_view head)
{
    return s.substr(0, head.size()) == head;
}

template <class Int> bool parseNumber(std::string_view text, Int& out)
{
    if (text.empty() || text.front() == '+')
        return false;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end;
}

// A text file's name as the writer makes it: nothing that leaves the folder.
bool plainTextName(std::string_view name)
{
    return endsWith(name, ".txt") && name.size() > 4 && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos && name.front() != '.';
}

std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return names;
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view name = e->d_name;
        if (name != "." && name != "..")
            names.emplace_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

// The generation of `name` when it is a text file of entry `id`.
std::optional<std::uint64_t> generationOf(std::string_view name, std::string_view id)
{
    if (!startsWith(name, id) || name.size() <= id.size() + 1 || name[id.size()] != '-' ||
        !endsWith(name, ".txt"))
        return std::nullopt;
    const std::string_view digits = name.substr(id.size() + 1, name.size() - id.size() - 5);
    std::uint64_t n = 0;
    if (digits.empty() || digits.front() == '-' || !parseNumber(digits, n))
        return std::nullopt;
    return n;
}

void removeFile(const std::string& path)
{
    if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        throw io::writeError(path, errno);
}

// Every file of a run folder, the lock last, then the folder. The caller
// holds the lock until it is closed.
void wipeFolder(const std::string& folder)
{
    const std::string lock = folder + std::string(kLockName);
    for (const std::string& name : namesIn(folder))
        if (name != kLockName)
            removeFile(folder + name);
    removeFile(lock);
    if (::rmdir(folder.c_str()) != 0 && errno != ENOENT)
        throw io::writeError(folder, errno);
}

// Opens (with `create`, making it when missing) and locks a run folder's
// lock file; -1 with errno set when another run holds it or it is not there.
// The descriptor is closed on exec: a program the editor starts must not
// hold the lock after the editor is gone.
int tryLock(const std::string& folder, bool create)
{
    const std::string path = folder + std::string(kLockName);
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0), 0600);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        errno = err;
        return -1;
    }
    return fd;
}

void makeFolders(const std::string& path)
{
    for (std::size_t at = 1; at <= path.size(); ++at) {
        if (at < path.size() && path[at] != '/')
            continue;
        const std::string part = path.substr(0, at);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            throw io::writeError(part, errno);
    }
}

std::string withSlash(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::int64_t nowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace

bool RecoveryMeta::operator==(const RecoveryMeta& o) const
{
    return path == o.path && title == o.title && charset == o.charset && syntax == o.syntax &&
           encoding == o.encoding && lineBreak == o.lineBreak && changedMs == o.changedMs &&
           textFile == o.textFile && textBytes == o.textBytes;
}

// --- the description -------------------------------------------------------------

std::string formatRecoveryMeta(const RecoveryMeta& meta)
{
    std::string out(kMagic);
    out += '\n';
    auto line = [&out](std::string_view key, const std::string& value) {
        out.append(key).append("=").append(value).append("\n");
    };
    if (meta.path)
        line("Path", io::encodePathValue(*meta.path));
    line("Title", io::encodePathValue(meta.title));
    line("Charset", io::encodePathValue(meta.charset));
    line("Syntax", io::encodePathValue(meta.syntax));
    // A copy of a document whose file is the code page's bytes with CR LF
    // reads as it always did.
    if (!meta.encoding.empty())
        line("Encoding", io::encodePathValue(meta.encoding));
    if (meta.lineBreak != "crlf")
        line("LineBreak", io::encodePathValue(meta.lineBreak));
    line("Changed", std::to_string(meta.changedMs));
    line("Text", io::encodePathValue(meta.textFile));
    line("Bytes", std::to_string(meta.textBytes));
    out.append(kEnd).append("\n");
    return out;
}

std::optional<RecoveryMeta> parseRecoveryMeta(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < bytes.size();) {
        std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos)
            end = bytes.size();
        std::string_view line = bytes.substr(at, end - at);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        at = end + 1;
    }
    // The first line names the format, the last one proves the file whole.
    if (lines.size() < 2 || lines.front() != kMagic || lines.back() != kEnd)
        return std::nullopt;

    RecoveryMeta meta;
    bool title = false, charset = false, syntax = false, changed = false, text = false,
         size = false, encoding = false, lineBreak = false;
    auto once = [](bool& seen) {
        if (seen)
            return false;
        seen = true;
        return true;
    };
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            return std::nullopt;
        const std::string_view key = line.substr(0, eq);
        const std::string_view value = line.substr(eq + 1);
        bool fresh = true;
        if (key == "Path") {
            fresh = !meta.path;
            meta.path = io::decodePathValue(value);
        } else if (key == "Title") {
            fresh = once(title);
            meta.title = io::decodePathValue(value);
        } else if (key == "Charset") {
            fresh = once(charset);
            meta.charset = io::decodePathValue(value);
        } else if (key == "Syntax") {
            fresh = once(syntax);
            meta.syntax = io::decodePathValue(value);
        } else if (key == "Encoding") {
            fresh = once(encoding);
            meta.encoding = io::decodePathValue(value);
        } else if (key == "LineBreak") {
            fresh = once(lineBreak);
            meta.lineBreak = io::decodePathValue(value);
        } else if (key == "Changed") {
            fresh = once(changed) && parseNumber(value, meta.changedMs);
        } else if (key == "Text") {
            fresh = once(text);
            meta.textFile = io::decodePathValue(value);
        } else if (key == "Bytes") {
            fresh = once(size) && parseNumber(value, meta.textBytes);
        }
        // Other keys come from a later program and are left alone.
        if (!fresh)
            return std::nullopt;
    }
    if (!title || !charset || !changed || !text || !size || meta.charset.empty() ||
        !plainTextName(meta.textFile) || (meta.path && meta.path->empty()))
        return std::nullopt;
    return meta;
}

// --- entries --------------------------------------------------------------------------

RecoveryScan scanRecoveryFolder(const std::string& folderPath)
{
    const std::string folder = withSlash(folderPath);
    RecoveryScan scan;
    for (const std::string& name : namesIn(folder)) {
        if (!endsWith(name, ".meta") || name.size() == 5)
            continue;
        RecoveryEntry entry{folder, name.substr(0, name.size() - 5), {}};
        std::string bytes;
        std::optional<RecoveryMeta> meta;
        try {
            if (io::readFileBytesIfExists(folder + name, bytes))
                meta = parseRecoveryMeta(bytes);
            else
                continue; // gone meanwhile
        } catch (const ZukError&) {
        }
        struct stat st {};
        if (!meta || ::stat((folder + meta->textFile).c_str(), &st) != 0 || !S_ISREG(st.st_mode) ||
            static_cast<std::uint64_t>(st.st_size) != meta->textBytes) {
            scan.broken.push_back(folder + name);
            continue;
        }
        entry.meta = std::move(*meta);
        scan.entries.push_back(std::move(entry));
    }
    std::stable_sort(scan.entries.begin(), scan.entries.end(),
                     [](const RecoveryEntry& a, const RecoveryEntry& b) {
                         return a.meta.changedMs < b.meta.changedMs;
                     });
    return scan;
}

void writeRecoveryEntry(const std::string& folderPath, const std::string& id, RecoveryMeta meta,
                        std::string_view text)
{
    const std::string folder = withSlash(folderPath);
    std::vector<std::string> older;
    std::uint64_t next = 1;
    for (const std::string& name : namesIn(folder))
        if (const std::optional<std::uint64_t> n = generationOf(name, id)) {
            older.push_back(name);
            next = std::max(next, *n + 1);
        }
    meta.textFile = id + "-" + std::to_string(next) + ".txt";
    meta.textBytes = text.size();
    io::writeFileAtomically(folder + meta.textFile, text);
    io::writeFileAtomically(folder + id + ".meta", formatRecoveryMeta(meta));
    // The description names the new text now; an old one that stays is only
    // space, and the next write or the removal takes it.
    for (const std::string& name : older)
        ::unlink((folder + name).c_str());
}

void removeRecoveryEntry(const std::string& folderPath, const std::string& id)
{
    const std::string folder = withSlash(folderPath);
    removeFile(folder + id + ".meta");
    for (const std::string& name : namesIn(folder))
        if (generationOf(name, id))
            removeFile(folder + name);
}

std::string readRecoveryText(const RecoveryEntry& entry)
{
    std::string text = io::readFileBytes(entry.textPath());
    if (text.size() != entry.meta.textBytes)
        throw FormatError(recoveryTexts(), "sRecoveryTextDamaged");
    return text;
}

// --- this run's folder ----------------------------------------------------------------

RecoveryRun::RecoveryRun(const std::string& rootPath)
{
    const std::string root = withSlash(rootPath);
    makeFolders(root.substr(0, root.size() - 1));
    const std::string stamp = std::to_string(::getpid()) + "-" + std::to_string(nowMs());
    // The folder is locked before it gets the name other runs look for. A
    // program tidying up may take the lock of a half-made folder between its
    // making and its locking (it cannot tell it from one left by a kill): that
    // folder is left to it and another one made.
    std::string fresh;
    for (int attempt = 0; m_lockFd < 0; ++attempt) {
        fresh = root + std::string(kNewPrefix) + stamp + "-" + std::to_string(attempt) + "/";
        if (::mkdir(fresh.c_str(), 0700) != 0) {
            if (errno == EEXIST && attempt < 10)
                continue;
            throw io::writeError(fresh, errno);
        }
        m_lockFd = tryLock(fresh, true);
        if (m_lockFd < 0 && (errno != EWOULDBLOCK || attempt == 10))
            throw io::writeError(fresh + std::string(kLockName), errno);
    }
    for (int attempt = 0;; ++attempt) {
        std::string name = root + std::string(kRunPrefix) + stamp;
        if (attempt > 0)
            name += "-" + std::to_string(attempt);
        if (::rename(fresh.c_str(), name.c_str()) == 0) {
            m_folder = name + "/";
            return;
        }
        const int err = errno;
        if ((err != EEXIST && err != ENOTEMPTY) || attempt == 100) {
            ::unlink((fresh + std::string(kLockName)).c_str());
            ::rmdir(fresh.c_str());
            ::close(m_lockFd);
            throw io::writeError(name, err);
        }
    }
}

RecoveryRun::~RecoveryRun()
{
    if (m_lockFd >= 0)
        ::close(m_lockFd);
}

void RecoveryRun::removeAll()
{
    if (m_lockFd < 0)
        return;
    wipeFolder(m_folder);
    ::close(m_lockFd);
    m_lockFd = -1;
}

// --- the folders of runs that are over ------------------------------------------------

RecoveryClaim::RecoveryClaim(const std::string& rootPath, const std::string& ownFolder)
{
    const std::string root = withSlash(rootPath);
    const std::string own = withSlash(ownFolder);
    for (const std::string& name : namesIn(root)) {
        const bool run = startsWith(name, kRunPrefix);
        if (!run && !startsWith(name, kNewPrefix))
            continue;
        const std::string folder = root + name + "/";
        struct stat st {};
        if (folder == own || ::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
            continue;
        // A half-made folder without its lock file yet is its maker's.
        const int fd = tryLock(folder, run);
        if (fd < 0)
            continue; // a live run's, or gone
        Folder claimed{folder, fd, 0};
        if (run) {
            RecoveryScan scan = scanRecoveryFolder(folder);
            claimed.brokenCount = static_cast<int>(scan.broken.size());
            for (std::string& b : scan.broken)
                m_broken.push_back(std::move(b));
            for (RecoveryEntry& e : scan.entries)
                m_entries.push_back(std::move(e));
            if (!scan.entries.empty() || !scan.broken.empty()) {
                m_folders.push_back(claimed);
                continue;
            }
        }
        // Nothing to offer: a run that ended with every document saved, or
        // one killed while it made its folder.
        releaseFolder(claimed);
    }
    std::stable_sort(m_entries.begin(), m_entries.end(),
                     [](const RecoveryEntry& a, const RecoveryEntry& b) {
                         return a.meta.changedMs < b.meta.changedMs;
                     });
}

RecoveryClaim::~RecoveryClaim()
{
    for (const Folder& f : m_folders)
        ::close(f.lockFd);
}

void RecoveryClaim::releaseFolder(Folder& folder)
{
    try {
        wipeFolder(folder.path);
    } catch (const ZukError&) {
        // What could not be removed is tried again at the next start.
    }
    ::close(folder.lockFd);
    folder.lockFd = -1;
}

void RecoveryClaim::remove(const RecoveryEntry& which)
{
    const RecoveryEntry entry = which; // `which` may be one of m_entries
    removeRecoveryEntry(entry.folder, entry.id);
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [&](const RecoveryEntry& e) {
                                       return e.folder == entry.folder && e.id == entry.id;
                                   }),
                    m_entries.end());
    const bool left = std::any_of(m_entries.begin(), m_entries.end(),
                                  [&](const RecoveryEntry& e) { return e.folder == entry.folder; });
    for (auto it = m_folders.begin(); it != m_folders.end(); ++it) {
        if (it->path != entry.folder)
            continue;
        if (!left && it->brokenCount == 0) {
            releaseFolder(*it);
            m_folders.erase(it);
        }
        break;
    }
}

// --- the worker -----------------------------------------------------------------------

RecoveryWriter::RecoveryWriter(std::string folder, Failure onFailure)
    : m_folder(std::move(folder)), m_onFailure(std::move(onFailure)), m_thread([this] { run(); })
{
}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void RecoveryWriter::write(const std::string& id, RecoveryMeta meta, std::string text)
{
    queue(id, Job{false, std::move(meta), std::move(text)});
}

void RecoveryWriter::remove(const std::string& id)
{
    queue(id, Job{true, {}, {}});
}

void RecoveryWriter::queue(const std::string& id, Job job)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        auto [it, fresh] = m_waiting.insert_or_assign(id, std::move(job));
        (void)it;
        if (fresh)
            m_order.push_back(id);
    }
    m_wake.notify_one();
}

void RecoveryWriter::waitIdle()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait(lock, [this] { return m_order.empty() && !m_busy; });
}

std::uint64_t RecoveryWriter::doneCount() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_done;
}

void RecoveryWriter::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_order.empty(); });
        if (m_order.empty())
            return; // stopped, nothing left
        const std::string id = m_order.front();
        m_order.pop_front();
        auto it = m_waiting.find(id);
        Job job = std::move(it->second);
        m_waiting.erase(it);
        m_busy = true;
        lock.unlock();
        try {
            if (job.remove)
                removeRecoveryEntry(m_folder, id);
            else
                writeRecoveryEntry(m_folder, id, std::move(job.meta), job.text);
        } catch (const ZukError& e) {
            if (m_onFailure)
                m_onFailure(id, e);
        } catch (const std::exception& e) {
            if (m_onFailure)
                m_onFailure(id, ZukError(e.what()));
        }
        job = Job{};
        lock.lock();
        m_busy = false;
        ++m_done;
        if (m_order.empty())
            m_idle.notify_all();
    }
}

} // namespace zuk::app
