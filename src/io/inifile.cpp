#include "io/inifile.h"

#include "base/zukassert.h"
#include "io/nocase.h"
#include "io/pathvalue.h"
#include "io/safefile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#include <unordered_set>

namespace zuk::io {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view s)
{
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.substr(b, e - b);
}

std::string keyIndexName(std::string_view foldedSection, std::string_view foldedKey)
{
    std::string name(foldedSection);
    name += '\0';
    name.append(foldedKey.data(), foldedKey.size());
    return name;
}

// The value text as it goes into the file, so that reading it gives `value`
// back: line breaks would split the line and are turned into blanks; blanks at
// either end or a pair of enclosing quotes would be dropped by the reader, so
// such a value is put inside quotes.
std::string encodeValue(std::string_view value)
{
    std::string v(value);
    for (char& c : v) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    bool needsQuotes = !v.empty() && (isBlank(v.front()) || isBlank(v.back()) ||
                                      (v.size() >= 2 && v.front() == '"' && v.back() == '"'));
    if (needsQuotes)
        return "\"" + v + "\"";
    return v;
}

bool parseInt(std::string_view text, int& out)
{
    text = trimBlanks(text);
    if (text.empty())
        return false;
    bool negative = false;
    std::size_t i = 0;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        i = 1;
    }
    int base = 10;
    if (text.size() - i > 2 && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size())
        return false;
    long long value = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return false;
        value = value * base + digit;
        if (value > static_cast<long long>(UINT_MAX))
            return false;
    }
    if (negative)
        value = -value;
    if (base == 16 && !negative && value > INT_MAX && value <= static_cast<long long>(UINT_MAX))
        value -= 0x100000000LL; // 0xFFFFFFFF is -1, as colour values are stored
    if (value < INT_MIN || value > INT_MAX)
        return false;
    out = static_cast<int>(value);
    return true;
}

} // namespace

IniFile::IniFile(std::string path) : m_path(std::move(path))
{
    reload();
}

bool IniFile::Stamp::operator==(const Stamp& o) const
{
    return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
           seconds == o.seconds && nanoseconds == o.nanoseconds;
}

IniFile::Stamp IniFile::stampOf(const std::string& path)
{
    Stamp stamp;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return stamp;
    stamp.exists = true;
    stamp.device = st.st_dev;
    stamp.inode = st.st_ino;
    stamp.size = static_cast<unsigned long long>(st.st_size);
    stamp.seconds = st.st_mtim.tv_sec;
    stamp.nanoseconds = st.st_mtim.tv_nsec;
    return stamp;
}

void IniFile::reload()
{
    // The stamp is taken first: a change that slips in before the read is
    // then merely read twice.
    Stamp stamp = stampOf(m_path);
    std::string bytes;
    readFileBytesIfExists(m_path, bytes);
    parse(bytes);
    m_pending.clear();
    m_stamp = stamp;
}

void IniFile::parse(std::string_view bytes)
{
    m_lines.clear();
    m_indexValid = false;
    // NUL bytes are kept as they are: every line must survive a rewrite.
    std::size_t start = 0;
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        m_lines.push_back(classify(std::string(bytes.substr(start, i - start)), m_lines.empty()));
        ++i;
        if (c == '\r' && i < n && bytes[i] == '\n')
            ++i;
        start = i;
    }
    if (start < n)
        m_lines.push_back(classify(std::string(bytes.substr(start)), m_lines.empty()));
}

IniFile::Line IniFile::classify(std::string text, bool firstLine)
{
    Line line;
    line.text = std::move(text);
    std::string_view view(line.text);
    if (firstLine && view.substr(0, 3) == "\xEF\xBB\xBF") // a UTF-8 mark left by an editor
        view.remove_prefix(3);
    std::string_view trimmed = trimBlanks(view);
    if (trimmed.empty() || trimmed.front() == ';')
        return line;
    if (trimmed.front() == '[') {
        std::size_t close = trimmed.find(']');
        if (close != std::string_view::npos) {
            line.kind = LineKind::Section;
            line.foldedName = lowerWin(trimBlanks(trimmed.substr(1, close - 1)));
        }
        return line;
    }
    std::size_t eq = view.find('=');
    if (eq == std::string_view::npos)
        return line;
    std::string_view name = trimBlanks(view.substr(0, eq));
    if (name.empty())
        return line;
    line.kind = LineKind::Key;
    line.foldedName = lowerWin(name);
    line.valueOffset = static_cast<std::size_t>(view.data() - line.text.data()) + eq + 1;
    return line;
}

void IniFile::rebuildIndex() const
{
    if (m_indexValid)
        return;
    m_sections.clear();
    m_keys.clear();
    const std::string* current = nullptr;
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == LineKind::Section) {
            m_sections[line.foldedName].push_back(i);
            current = &line.foldedName;
        } else if (line.kind == LineKind::Key && current) {
            m_keys.emplace(keyIndexName(*current, line.foldedName), i);
        }
    }
    m_indexValid = true;
}

const std::vector<std::size_t>* IniFile::sectionHeaders(std::string_view section) const
{
    rebuildIndex();
    auto it = m_sections.find(lowerWin(trimBlanks(section)));
    return it == m_sections.end() ? nullptr : &it->second;
}

std::size_t IniFile::findKey(std::string_view section, std::string_view key) const
{
    rebuildIndex();
    auto it = m_keys.find(keyIndexName(lowerWin(trimBlanks(section)), lowerWin(trimBlanks(key))));
    return it == m_keys.end() ? std::string::npos : it->second;
}

std::size_t IniFile::sectionEnd(std::size_t header) const
{
    std::size_t i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != LineKind::Section)
        ++i;
    return i;
}

std::string IniFile::valueOf(const Line& line) const
{
    std::string_view value = trimBlanks(std::string_view(line.text).substr(line.valueOffset));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const
{
    std::size_t line = findKey(section, key);
    if (line == std::string::npos)
        return std::string(defaultValue);
    return valueOf(m_lines[line]);
}

int IniFile::readInt(std::string_view section, std::string_view key, int defaultValue) const
{
    std::size_t line = findKey(section, key);
    if (line == std::string::npos)
        return defaultValue;
    int value = 0;
    return parseInt(valueOf(m_lines[line]), value) ? value : defaultValue;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return readInt(section, key, defaultValue ? 1 : 0) != 0;
}

std::string IniFile::readPath(std::string_view section, std::string_view key,
                              std::string_view defaultValue) const
{
    std::size_t line = findKey(section, key);
    if (line == std::string::npos)
        return std::string(defaultValue);
    return decodePathValue(valueOf(m_lines[line]));
}

bool IniFile::hasSection(std::string_view section) const
{
    return sectionHeaders(section) != nullptr;
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const
{
    return findKey(section, key) != std::string::npos;
}

std::vector<std::string> IniFile::sectionNames() const
{
    std::vector<std::string> names;
    std::unordered_set<std::string> seen;
    for (const Line& line : m_lines) {
        if (line.kind != LineKind::Section || !seen.insert(line.foldedName).second)
            continue;
        std::string_view view = trimBlanks(line.text);
        if (view.substr(0, 3) == "\xEF\xBB\xBF")
            view = trimBlanks(view.substr(3));
        std::size_t close = view.find(']');
        names.emplace_back(trimBlanks(view.substr(1, close - 1)));
    }
    return names;
}

std::vector<std::pair<std::string, std::string>>
IniFile::sectionValues(std::string_view section) const
{
    std::vector<std::pair<std::string, std::string>> values;
    const std::vector<std::size_t>* headers = sectionHeaders(section);
    if (!headers)
        return values;
    std::unordered_set<std::string> seen;
    for (std::size_t header : *headers) {
        std::size_t end = sectionEnd(header);
        for (std::size_t i = header + 1; i < end; ++i) {
            const Line& line = m_lines[i];
            if (line.kind != LineKind::Key || !seen.insert(line.foldedName).second)
                continue;
            std::string_view name = std::string_view(line.text).substr(0, line.valueOffset - 1);
            values.emplace_back(std::string(trimBlanks(name)), valueOf(line));
        }
    }
    return values;
}

std::vector<std::string> IniFile::keys(std::string_view section) const
{
    std::vector<std::string> names;
    for (auto& pair : sectionValues(section))
        names.push_back(std::move(pair.first));
    return names;
}

void IniFile::perform(const Op& op)
{
    // apply() drops the index when lines come or go; a new value in a line
    // that stays keeps it, so a batch of writes to existing keys costs no
    // rebuild per write.
    if (!apply(op))
        return;
    m_pending.push_back(op);
    if (m_batchDepth > 0)
        return;
    try {
        save();
    } catch (...) {
        // The file is intact: let memory show what is on disk again.
        m_pending.clear();
        try {
            reload();
        } catch (...) {
        }
        throw;
    }
}

void IniFile::save()
{
    if (!(stampOf(m_path) == m_stamp)) {
        std::vector<Op> pending = std::move(m_pending);
        try {
            reload();
        } catch (...) {
            m_pending = std::move(pending);
            throw;
        }
        for (const Op& op : pending)
            apply(op);
        m_indexValid = false;
        m_pending = std::move(pending);
    }
    AtomicFileWriter writer(m_path);
    for (const Line& line : m_lines) {
        writer.append(line.text);
        writer.append("\r\n");
    }
    writer.commit();
    m_pending.clear();
    m_stamp = stampOf(m_path);
}

bool IniFile::apply(const Op& op)
{
    switch (op.kind) {
    case Op::Kind::Write:
        return applyWrite(op);
    case Op::Kind::DeleteKey:
    case Op::Kind::EraseSection:
        break;
    }
    const std::vector<std::size_t>* headers = sectionHeaders(op.section);
    if (!headers)
        return false;
    std::string foldedKey = lowerWin(trimBlanks(op.key));
    std::vector<bool> drop(m_lines.size(), false);
    bool any = false;
    for (std::size_t header : *headers) {
        std::size_t end = sectionEnd(header);
        for (std::size_t i = header; i < end; ++i) {
            // Every occurrence goes, so that a later read cannot find an old one.
            bool match = op.kind == Op::Kind::EraseSection ? true
                                                           : m_lines[i].kind == LineKind::Key &&
                                                                 m_lines[i].foldedName == foldedKey;
            if (match) {
                drop[i] = true;
                any = true;
            }
        }
    }
    if (!any)
        return false;
    std::vector<Line> kept;
    kept.reserve(m_lines.size());
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (!drop[i])
            kept.push_back(std::move(m_lines[i]));
    }
    m_lines = std::move(kept);
    m_indexValid = false;
    return true;
}

bool IniFile::applyWrite(const Op& op)
{
    std::size_t existing = findKey(op.section, op.key);
    if (existing != std::string::npos) {
        // Keep the spacing around '=' the way the file had it.
        Line& line = m_lines[existing];
        std::size_t valueStart = line.valueOffset;
        while (valueStart < line.text.size() && isBlank(line.text[valueStart]))
            ++valueStart;
        std::string text = line.text.substr(0, valueStart) + op.value;
        if (text == line.text)
            return false;
        line.text = std::move(text);
        return true;
    }
    Line newLine = classify(op.key + "=" + op.value, false);
    const std::vector<std::size_t>* headers = sectionHeaders(op.section);
    if (headers) {
        // After the last non-blank line of the first such section, so that
        // the blank lines that separate sections stay where they are.
        std::size_t header = headers->front();
        std::size_t at = sectionEnd(header);
        while (at > header + 1 && trimBlanks(m_lines[at - 1].text).empty())
            --at;
        m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(newLine));
    } else {
        if (!m_lines.empty() && !trimBlanks(m_lines.back().text).empty())
            m_lines.push_back(Line{});
        m_lines.push_back(classify("[" + op.section + "]", false));
        m_lines.push_back(std::move(newLine));
    }
    m_indexValid = false;
    return true;
}

bool IniFile::isWritableSection(std::string_view section)
{
    const std::string_view name = trimBlanks(section);
    return !name.empty() && name.find_first_of("]\r\n") == std::string_view::npos;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    std::string_view sectionName = trimBlanks(section);
    std::string_view keyName = trimBlanks(key);
    // Names that the reader could never find again are programming errors.
    if (!ZUK_ASSERT(isWritableSection(sectionName)))
        return;
    if (!ZUK_ASSERT(!keyName.empty() && keyName.find_first_of("=\r\n") == std::string_view::npos &&
                    keyName.front() != '[' && keyName.front() != ';'))
        return;
    perform({Op::Kind::Write, std::string(sectionName), std::string(keyName), encodeValue(value)});
}

void IniFile::writeInt(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

void IniFile::writePath(std::string_view section, std::string_view key, std::string_view utf8Path)
{
    writeString(section, key, encodePathValue(utf8Path));
}

void IniFile::deleteKey(std::string_view section, std::string_view key)
{
    perform({Op::Kind::DeleteKey, std::string(section), std::string(key), {}});
}

void IniFile::eraseSection(std::string_view section)
{
    perform({Op::Kind::EraseSection, std::string(section), {}, {}});
}

IniFile::Batch::Batch(IniFile& ini) : m_ini(&ini)
{
    ++m_ini->m_batchDepth;
}

IniFile::Batch::~Batch()
{
    if (!m_open)
        return;
    m_open = false;
    if (--m_ini->m_batchDepth == 0 && !m_ini->m_pending.empty()) {
        try {
            m_ini->save();
        } catch (...) {
            // Destructors must not throw; commit() is the way to learn of it.
        }
    }
}

void IniFile::Batch::commit()
{
    if (!m_open)
        return;
    m_open = false;
    if (--m_ini->m_batchDepth == 0 && !m_ini->m_pending.empty())
        m_ini->save();
}

} // namespace zuk::io
