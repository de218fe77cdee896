#pragma once

#include "app/diskstamp.h"
#include "hexedit/pagedfile.h"

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>

namespace zuk::io {
class AtomicFileWriter;
}

namespace zuk::hexedit {

// How a save treats the file it replaces.
struct HexSaveOptions {
    bool createBackup = false;
    std::string backupExtension = ".bak"; // UTF-8, with its dot
};

// One file open in the hex editor: the file read in pages, the bytes the
// user changed kept beside it by offset, the steps to undo and ten markers.
// Nothing ever holds the whole file; the file's size never changes (bytes
// are overwritten, never inserted or removed).
class CHexDocument final {
public:
    static constexpr int kMarkers = 10;
    static constexpr std::size_t kUndoDepth = 100000;

    // Opens `path` (UTF-8): see CPagedFile for what it throws. Nothing is
    // changed, nothing to undo, no marker set.
    explicit CHexDocument(const std::string& path);

    const std::string& fileName() const { return m_name; }
    std::uint64_t size() const { return m_file->size(); }

    // The byte as it stands now, changed or not. Reads of the file throw
    // zuk::IoError (see CPagedFile::read).
    std::uint8_t byteAt(std::uint64_t offset) const;
    // `count` bytes from `offset` into `bytes`, and for each whether it is
    // changed (`changed` may be null). The range must lie inside the file.
    void read(std::uint64_t offset, std::size_t count, std::uint8_t* bytes, bool* changed) const;

    // A byte is changed while it differs from the file on disk: typing its
    // old value back makes it unchanged again.
    bool isChanged(std::uint64_t offset) const { return m_changes.count(offset) != 0; }
    std::size_t changedCount() const { return m_changes.size(); }
    bool modified() const { return !m_changes.empty(); }

    // Overwrites a byte inside the file; false (and nothing happens) at or
    // beyond the end. With `sameStep` the change joins the last undo step
    // when that step is of the same byte (the two digits typed into one
    // byte undo together).
    bool writeByte(std::uint64_t offset, std::uint8_t value, bool sameStep = false);

    // Takes back the last step; the offset of its byte, or nothing when there
    // was none.
    std::optional<std::uint64_t> undo();
    bool canUndo() const { return !m_undo.empty(); }

    // Markers 0 to 9 hold an offset each. An index outside 0..9 throws
    // zuk::ZukError (sInvalidMarkerIndex).
    void setMarker(int index, std::uint64_t offset);
    std::optional<std::uint64_t> marker(int index) const;

    // Whether someone changed the file on disk since it was opened or saved:
    // wrote another file under its name, or rewrote the open file itself.
    bool changedOnDisk() const;
    // Whether the open file itself was rewritten (not replaced by another
    // file under its name). The bytes not changed here are then no longer the
    // ones shown when it was opened: a save writes the changes into its new
    // content. rereadFile() shows that content.
    bool changedInPlace() const;
    void rereadFile() { m_file->dropPages(); }

    // Writes the file with the changes to `path` (UTF-8) through a temporary
    // file beside it, flushed and renamed over it, keeping its permission
    // bits. With `createBackup`, when something is changed and `path` is the
    // open file, the file on disk is first copied to the name with
    // `backupExtension` (replacing the extension). Afterwards `path` is the
    // document's file, nothing is changed and nothing is left to undo;
    // markers stay. Throws zuk::IoError when anything fails: the target is
    // then as it was and the document keeps its changes.
    void save(const std::string& path, const HexSaveOptions& options);

    // The name of the backup copy of `path`.
    static std::string backupNameOf(const std::string& path, const std::string& extension);

private:
    struct UndoStep {
        std::uint64_t offset;
        std::optional<std::uint8_t> before; // the change the byte had; nothing: none
    };
    bool namesOpenFile(const std::string& path) const;
    void stream(const CPagedFile& source, io::AtomicFileWriter& writer, bool replacing) const;

    std::unique_ptr<CPagedFile> m_file;
    std::string m_name;
    app::DiskStamp m_stamp;
    std::map<std::uint64_t, std::uint8_t> m_changes;
    std::deque<UndoStep> m_undo;
    std::array<std::optional<std::uint64_t>, kMarkers> m_markers;
};

} // namespace zuk::hexedit
