#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zuk::io {

// A profile (INI) file: lines "[Section]" followed by lines "key=value".
//
// Text is Windows-1251 bytes. Section and key names are compared without regard
// to case (Latin and Cyrillic letters). A value is everything after the first
// '='; blanks around names and values are dropped, and so is one pair of double
// quotes around a value. Lines starting with ';' are comments. When a name
// occurs more than once, the first occurrence in file order wins.
//
// The file is read once by the constructor (a missing file is an empty
// profile). Every read takes the default used when the section or key is
// missing. Every write goes straight to disk through a temporary file renamed
// over the target, and keeps all other lines byte for byte (comments, order,
// unknown keys); lines are written with CR LF. A Batch groups many writes into
// one rewrite of the file. When the file changed on disk since it was read
// (another IniFile on the same file, or the user's editor), a write is made on
// the file as it is now, so no one's keys are lost.
class IniFile final {
public:
    // Reads `path` (UTF-8 file name). Throws zuk::IoError when the file exists
    // but cannot be read.
    explicit IniFile(std::string path);

    const std::string& path() const { return m_path; }

    // Reads the file again, dropping what is held in memory.
    void reload();

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    // Decimal (optionally signed) or 0x hexadecimal; anything else, or a value
    // outside the 32-bit range, gives the default.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;
    // Any non-zero integer is true; a value that is not a number gives the default.
    bool readBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // A path or file name, in UTF-8, stored in either form of pathvalue.h;
    // `defaultValue` is UTF-8 too.
    std::string readPath(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;

    bool hasSection(std::string_view section) const;
    bool hasKey(std::string_view section, std::string_view key) const;
    // Section names in file order, each once, spelled as at its first occurrence.
    // A file may hold sections no write can name ("[]"): see isWritableSection.
    std::vector<std::string> sectionNames() const;
    // Key names of a section in file order, each once.
    std::vector<std::string> keys(std::string_view section) const;
    // (key, value) pairs of a section in file order, each key once.
    std::vector<std::pair<std::string, std::string>> sectionValues(std::string_view section) const;

    // Writes throw zuk::IoError when the file cannot be written; the file and
    // the profile in memory are then unchanged (inside a Batch the memory keeps
    // the change and the commit reports the failure).
    //
    // A value that would not read back as written (blanks at its ends, enclosing
    // quotes) is stored inside quotes; line breaks in a value become blanks.
    void writeString(std::string_view section, std::string_view key, std::string_view value);
    void writeInt(std::string_view section, std::string_view key, int value);
    void writeBool(std::string_view section, std::string_view key, bool value);
    // A UTF-8 path, stored so that readPath gives it back exactly.
    void writePath(std::string_view section, std::string_view key, std::string_view utf8Path);
    void deleteKey(std::string_view section, std::string_view key);
    void eraseSection(std::string_view section);

    // Whether the writes accept `section`: a name that is not blank and holds
    // no ']' or line break. Code that writes back what it read from a file
    // leaves the other sections alone, since writing them is a programming
    // error.
    static bool isWritableSection(std::string_view section);

    // Holds back the disk writes of the profile while it lives: the writes
    // made meanwhile rewrite the file once, at commit() or at destruction
    // (where a failure is swallowed; call commit() to hear about it). Batches
    // nest; the outermost one writes.
    class Batch final {
    public:
        explicit Batch(IniFile& ini);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        void commit();

    private:
        IniFile* m_ini;
        bool m_open = true;
    };

private:
    enum class LineKind { Other, Section, Key };
    struct Line {
        std::string text;
        LineKind kind = LineKind::Other;
        std::string foldedName;      // section or key name, folded
        std::size_t valueOffset = 0; // first byte after '=' of a key line
    };

    void parse(std::string_view bytes);
    static Line classify(std::string text, bool firstLine);
    void rebuildIndex() const;
    // Line numbers of the headers of a section, in file order.
    const std::vector<std::size_t>* sectionHeaders(std::string_view section) const;
    // The line of the first occurrence of a key, or npos.
    std::size_t findKey(std::string_view section, std::string_view key) const;
    std::size_t sectionEnd(std::size_t header) const;
    std::string valueOf(const Line& line) const;

    // One change of the profile, kept until it is on disk so that it can be
    // made again on the file as another writer left it.
    struct Op {
        enum class Kind { Write, DeleteKey, EraseSection } kind;
        std::string section, key, value; // value already in file form
    };
    // Identity of the file on disk, to notice writes by someone else.
    struct Stamp {
        bool exists = false;
        unsigned long long device = 0, inode = 0, size = 0;
        long long seconds = 0, nanoseconds = 0;
        bool operator==(const Stamp& o) const;
    };
    static Stamp stampOf(const std::string& path);

    // Makes the change in memory; false when it changes nothing.
    bool apply(const Op& op);
    bool applyWrite(const Op& op);
    void perform(const Op& op);
    void save();

    std::string m_path;
    std::vector<Line> m_lines;
    std::vector<Op> m_pending;
    Stamp m_stamp;
    int m_batchDepth = 0;

    mutable bool m_indexValid = false;
    mutable std::unordered_map<std::string, std::vector<std::size_t>> m_sections;
    mutable std::unordered_map<std::string, std::size_t> m_keys; // "section\0key" -> line
};

} // namespace zuk::io
