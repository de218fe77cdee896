#include "hexedit/hexdocument.h"

#include "app/filenames.h"
#include "base/zukerror.h"
#include "hexedit/hexedittexts.h"
#include "io/safefile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace zuk::hexedit {

namespace {

void checkMarkerIndex(int index)
{
    if (index < 0 || index >= CHexDocument::kMarkers)
        throw ZukError(hexEditTexts(), "sInvalidMarkerIndex");
}

// Copies the file as it is on disk now; a file that is gone has nothing to keep.
void copyAsBackup(const std::string& path, const std::string& backup)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT)
            return;
        throw io::readError(path, errno);
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        throw io::readError(path, errno);
    io::AtomicFileWriter writer(backup);
    writer.appendFrom(fd, 0, static_cast<std::uint64_t>(st.st_size), path);
    writer.commit();
}

// The last descriptor of a replaced file takes the file's blocks with it when
// closed: for a big file on ext4 that is a good part of a second of freeing
// (and discarding) blocks, which nothing needs to wait for.
void closeInBackground(int fd)
{
    if (fd < 0)
        return;
    try {
        std::thread([fd] { ::close(fd); }).detach();
    } catch (const std::system_error&) {
        ::close(fd);
    }
}

} // namespace

CHexDocument::CHexDocument(const std::string& path)
    : m_file(std::make_unique<CPagedFile>(path)), m_name(path), m_stamp(app::diskStampOf(path))
{
}

std::uint8_t CHexDocument::byteAt(std::uint64_t offset) const
{
    const auto it = m_changes.find(offset);
    return it != m_changes.end() ? it->second : m_file->at(offset);
}

void CHexDocument::read(std::uint64_t offset, std::size_t count, std::uint8_t* bytes,
                        bool* changed) const
{
    m_file->read(offset, count, bytes);
    if (changed)
        std::fill(changed, changed + count, false);
    for (auto it = m_changes.lower_bound(offset);
         it != m_changes.end() && it->first - offset < count; ++it) {
        const std::size_t i = static_cast<std::size_t>(it->first - offset);
        bytes[i] = it->second;
        if (changed)
            changed[i] = true;
    }
}

bool CHexDocument::writeByte(std::uint64_t offset, std::uint8_t value, bool sameStep)
{
    if (offset >= size())
        return false;
    const auto it = m_changes.find(offset);
    const std::optional<std::uint8_t> before =
        it != m_changes.end() ? std::optional<std::uint8_t>(it->second) : std::nullopt;
    const std::uint8_t original = m_file->at(offset);
    if (value == before.value_or(original))
        return false;
    if (!(sameStep && !m_undo.empty() && m_undo.back().offset == offset)) {
        m_undo.push_back({offset, before});
        if (m_undo.size() > kUndoDepth)
            m_undo.pop_front();
    }
    if (value == original)
        m_changes.erase(offset);
    else
        m_changes[offset] = value;
    return true;
}

std::optional<std::uint64_t> CHexDocument::undo()
{
    if (m_undo.empty())
        return std::nullopt;
    const UndoStep step = m_undo.back();
    m_undo.pop_back();
    if (step.before)
        m_changes[step.offset] = *step.before;
    else
        m_changes.erase(step.offset);
    return step.offset;
}

void CHexDocument::setMarker(int index, std::uint64_t offset)
{
    checkMarkerIndex(index);
    m_markers[static_cast<std::size_t>(index)] = offset;
}

std::optional<std::uint64_t> CHexDocument::marker(int index) const
{
    checkMarkerIndex(index);
    return m_markers[static_cast<std::size_t>(index)];
}

bool CHexDocument::changedOnDisk() const
{
    return app::changedOnDisk(m_stamp, m_name);
}

bool CHexDocument::changedInPlace() const
{
    struct stat st {};
    if (::fstat(m_file->descriptor(), &st) != 0)
        return false;
    const std::int64_t modifiedNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 +
                                    static_cast<std::int64_t>(st.st_mtim.tv_nsec);
    return static_cast<std::uint64_t>(st.st_size) != m_stamp.size ||
           modifiedNs != m_stamp.modifiedNs;
}

std::string CHexDocument::backupNameOf(const std::string& path, const std::string& extension)
{
    std::string name = app::replaceExtension(path, extension);
    // A file that already has the backup extension keeps its name and gets a
    // second one, so the copy never lands on the file itself.
    if (name == path)
        name = path + extension;
    return name;
}

bool CHexDocument::namesOpenFile(const std::string& path) const
{
    if (path == m_name)
        return true;
    struct stat a {
    }, b{};
    return ::stat(path.c_str(), &a) == 0 && ::fstat(m_file->descriptor(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void CHexDocument::stream(const CPagedFile& source, io::AtomicFileWriter& writer,
                          bool replacing) const
{
    const int fd = source.descriptor();
    std::uint64_t at = 0;
    std::string run;
    for (auto it = m_changes.begin(); it != m_changes.end();) {
        const std::uint64_t start = it->first;
        writer.appendFrom(fd, at, start - at, source.path(), replacing);
        run.clear();
        std::uint64_t next = start;
        for (; it != m_changes.end() && it->first == next; ++it, ++next)
            run.push_back(static_cast<char>(it->second));
        writer.append(run);
        at = next;
    }
    writer.appendFrom(fd, at, source.size() - at, source.path(), replacing);
}

void CHexDocument::save(const std::string& path, const HexSaveOptions& options)
{
    // The changes sit on the file as it was opened: when it has shrunk since,
    // its tail is gone and no save can be right.
    struct stat now {};
    if (::fstat(m_file->descriptor(), &now) != 0)
        throw io::readError(m_name, errno);
    if (static_cast<std::uint64_t>(now.st_size) < size())
        throw IoError(hexEditTexts(), "sSourceChanged", {m_name});

    const bool replacing = namesOpenFile(path);
    if (options.createBackup && modified() && replacing)
        copyAsBackup(path, backupNameOf(path, options.backupExtension));

    // Over the file it came from, the old one is not needed once copied.
    io::AtomicFileWriter writer(path);
    stream(*m_file, writer, replacing);
    writer.commit();

    // The saved file is what the document shows: it becomes the file the
    // pages come from, and nothing is changed any more.
    auto saved = std::make_unique<CPagedFile>(path);
    closeInBackground(m_file->releaseDescriptor());
    m_file = std::move(saved);
    m_name = path;
    m_stamp = app::diskStampOf(path);
    m_changes.clear();
    m_undo.clear();
}

} // namespace zuk::hexedit
