#include "tools/programlist.h"

#include "codepages/charsets.h"
#include "io/linesfile.h"
#include "io/nocase.h"
#include "io/safefile.h"

namespace zuk::tools {

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        unsigned int code = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            length = 2;
            code = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
            code = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        static constexpr unsigned int kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kLeast[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::optional<ProgramList> ProgramList::read(const std::string& path)
{
    std::string bytes;
    if (!io::readFileBytesIfExists(path, bytes))
        return std::nullopt;
    if (!isValidUtf8(bytes))
        bytes = codepages::winToUtf8(bytes);
    return ProgramList(io::splitLines(bytes));
}

void ProgramList::write(const std::string& path) const
{
    io::writeLinesFile(path, m_lines);
}

std::optional<ProgramEntry> ProgramList::entry(std::size_t index) const
{
    if (index >= m_lines.size())
        return std::nullopt;
    const std::string& line = m_lines[index];
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos || eq == 0)
        return std::nullopt;
    return ProgramEntry{line.substr(0, eq), line.substr(eq + 1)};
}

std::optional<std::string> ProgramList::find(std::string_view name) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i)
        if (const auto e = entry(i); e && io::equalNoCaseUtf8(e->name, name))
            return e->command;
    return std::nullopt;
}

std::string ProgramList::lineOf(const ProgramEntry& entry)
{
    return entry.name + "=" + entry.command;
}

void ProgramList::add(const ProgramEntry& entry)
{
    m_lines.push_back(lineOf(entry));
}

void ProgramList::replace(std::size_t index, const ProgramEntry& entry)
{
    if (index < m_lines.size())
        m_lines[index] = lineOf(entry);
}

void ProgramList::remove(std::size_t index)
{
    if (index < m_lines.size())
        m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(index));
}

} // namespace zuk::tools
