#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::tools {

// One entry of the program list: the menu caption and the command line.
struct ProgramEntry {
    std::string name;
    std::string command;
};

// The program list of compilers.txt: one "name=command line" per line, UTF-8
// (a file that is not valid UTF-8 is taken as Windows-1251, as older lists
// were written). Lines are kept as they are, so writing the list back loses
// nothing; a line without "=" or with an empty name is kept but runs nothing.
class ProgramList final {
public:
    ProgramList() = default;
    explicit ProgramList(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    // The file's lines; nothing when it does not exist. Throws zuk::IoError
    // when it exists but cannot be read.
    static std::optional<ProgramList> read(const std::string& path);
    // Writes every line through the safe writer (the file is made when missing).
    void write(const std::string& path) const;

    const std::vector<std::string>& lines() const { return m_lines; }
    std::size_t size() const { return m_lines.size(); }
    // The entry of line `index`, or nothing for a line that is no entry.
    std::optional<ProgramEntry> entry(std::size_t index) const;
    // The command line of the first entry named `name` (letter case ignored).
    std::optional<std::string> find(std::string_view name) const;

    void add(const ProgramEntry& entry);
    void replace(std::size_t index, const ProgramEntry& entry);
    void remove(std::size_t index);

    static std::string lineOf(const ProgramEntry& entry);

private:
    std::vector<std::string> m_lines;
};

// Whether `bytes` is well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

} // namespace zuk::tools
