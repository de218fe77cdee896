#include "plugins/cbasicfileio.h"

#include "io/largebuffer.h"
#include "io/safefile.h"

#include <algorithm>
#include <cstring>
#include <optional>

namespace zuk::plugins {

namespace {

// Length of the text before its first NUL.
std::size_t textLength(std::string_view bytes)
{
    const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
    return nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data())
               : bytes.size();
}

// Calls emit(line) for every line of `text` as splitLines cuts it.
template <typename Emit> void forEachLine(std::string_view text, Emit emit)
{
    const char* p = text.data();
    const char* end = p + text.size();
    const char* start = p;
    while (p < end) {
        const char c = *p;
        if (c != '\r' && c != '\n') {
            ++p;
            continue;
        }
        emit(std::string_view(start, static_cast<std::size_t>(p - start)));
        ++p;
        if (c == '\r' && p < end && *p == '\n')
            ++p;
        start = p;
    }
    if (start < end)
        emit(std::string_view(start, static_cast<std::size_t>(end - start)));
}

// True when every CR in `text` is followed by an LF and every LF follows a CR.
bool onlyCrLf(std::string_view text)
{
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end) {
        const void* found = std::memchr(p, '\r', static_cast<std::size_t>(end - p));
        const char* cr = found ? static_cast<const char*>(found) : end;
        if (std::memchr(p, '\n', static_cast<std::size_t>(cr - p)))
            return false; // a lone LF
        if (cr == end)
            return true;
        if (cr + 1 == end || cr[1] != '\n')
            return false; // a lone CR
        p = cr + 2;
    }
    return true;
}

// True when every line of `text` already ends with CR LF and nothing else
// breaks a line: the common case of a file this program wrote.
bool isCanonical(std::string_view text)
{
    return onlyCrLf(text) && (text.empty() || text.back() == '\n');
}

// Writes a text given in blocks by the module's rules: a NUL ends it, CR LF,
// a lone LF or a lone CR end a line, and every line is written with CR LF.
// Blocks in that form already (what the editor hands over) go out as they are.
class LineWriter {
public:
    explicit LineWriter(const std::function<void(std::string_view)>& out) : m_out(out) {}

    void put(std::string_view block)
    {
        if (m_ended || block.empty())
            return;
        if (const void* nul = std::memchr(block.data(), '\0', block.size())) {
            block = block.substr(
                0, static_cast<std::size_t>(static_cast<const char*>(nul) - block.data()));
            m_ended = true;
        }
        if (block.empty())
            return;
        if (m_pendingCr) { // a CR ended the last block: whatever follows, one CR LF
            m_pendingCr = false;
            emit("\r\n");
            if (block.front() == '\n')
                block.remove_prefix(1);
        }
        if (!block.empty() && block.back() == '\r') {
            m_pendingCr = true;
            block.remove_suffix(1);
        }
        if (onlyCrLf(block)) {
            emit(block);
            return;
        }
        forEachLine(block, [this, block](std::string_view line) {
            emit(line);
            // The last piece of a block is a whole line only when a break follows it.
            if (line.data() + line.size() < block.data() + block.size())
                emit("\r\n");
        });
    }

    void finish()
    {
        if (m_pendingCr || (m_written && m_last != '\n'))
            emit("\r\n");
    }

private:
    void emit(std::string_view bytes)
    {
        if (bytes.empty())
            return;
        m_out(bytes);
        m_written = true;
        m_last = bytes.back();
    }

    const std::function<void(std::string_view)>& m_out;
    bool m_ended = false;
    bool m_pendingCr = false;
    bool m_written = false;
    char m_last = '\0';
};

} // namespace

std::string normalizeLineBreaks(std::string bytes)
{
    bytes.resize(textLength(bytes));
    if (isCanonical(bytes))
        return bytes;

    // The exact size of the result: a lone CR or LF grows by one byte, and a
    // last line without a break gains CR LF.
    const std::size_t oldSize = bytes.size();
    std::size_t growth = 0;
    for (std::size_t i = 0; i < oldSize; ++i) {
        const char c = bytes[i];
        if (c == '\r') {
            if (i + 1 < oldSize && bytes[i + 1] == '\n')
                ++i;
            else
                ++growth;
        } else if (c == '\n') {
            ++growth;
        }
    }
    const bool needsFinalBreak = bytes.back() != '\r' && bytes.back() != '\n';
    if (needsFinalBreak)
        growth += 2;

    // Widen in place from the end backwards: the write position never
    // overtakes the read position, and no second buffer of the file's size is
    // needed when the reader left room (see readWholeFile).
    bytes.resize(oldSize + growth);
    char* buf = bytes.data();
    std::size_t dst = oldSize + growth;
    std::size_t src = oldSize;
    if (needsFinalBreak) {
        buf[--dst] = '\n';
        buf[--dst] = '\r';
    }
    while (src > 0) {
        std::size_t runStart = src;
        while (runStart > 0 && buf[runStart - 1] != '\r' && buf[runStart - 1] != '\n')
            --runStart;
        const std::size_t run = src - runStart;
        if (run > 0) {
            dst -= run;
            std::memmove(buf + dst, buf + runStart, run);
            src = runStart;
        }
        if (src == 0)
            break;
        // buf[src - 1] is a CR or an LF; a CR LF pair is taken whole.
        if (buf[src - 1] == '\n' && src >= 2 && buf[src - 2] == '\r')
            src -= 2;
        else
            src -= 1;
        buf[--dst] = '\n';
        buf[--dst] = '\r';
    }
    return bytes;
}

CBasicFILEIO::CBasicFILEIO()
{
    Formats.push_back("std_txt");
}

void CBasicFILEIO::Read(const std::string& /*format*/, std::string& text)
{
    text = normalizeLineBreaks(io::readWholeFile(FileName, true));
    Status = kDone;
}

void CBasicFILEIO::ReadBlocks(const std::string& /*format*/,
                              const std::function<void(std::string_view)>& sink)
{
    io::readFileBlocks(FileName, 1 << 20, sink);
    Status = kDone;
}

namespace {

// The file's bytes for lines in the canonical form (every break CR LF) go
// through the safe writer, converted on the way when the format asks for it.
class FormattedOutput {
public:
    FormattedOutput(const std::string& path, const codepages::FileFormat& format) : m_writer(path)
    {
        if (!format.plain())
            m_encoder.emplace(format, [this](std::string_view bytes) { m_writer.append(bytes); });
        m_put = [this](std::string_view bytes) {
            if (m_encoder)
                m_encoder->put(bytes);
            else
                m_writer.append(bytes);
        };
    }
    const std::function<void(std::string_view)>& put() const { return m_put; }
    void commit()
    {
        if (m_encoder)
            m_encoder->finish();
        m_writer.commit();
    }

private:
    io::AtomicFileWriter m_writer;
    std::optional<codepages::FileEncoder> m_encoder;
    std::function<void(std::string_view)> m_put;
};

} // namespace

void CBasicFILEIO::Write(const std::string& text, const std::string& /*format*/)
{
    const std::string_view body(text.data(), textLength(text));
    FormattedOutput out(FileName, WriteFormat);
    const auto& put = out.put();
    if (isCanonical(body)) {
        constexpr std::size_t kSlice = 1 << 20;
        for (std::size_t at = 0; at < body.size(); at += kSlice)
            put(body.substr(at, kSlice));
    } else {
        forEachLine(body, [&put](std::string_view line) {
            put(line);
            put("\r\n");
        });
    }
    out.commit();
    Status = kDone;
}

void CBasicFILEIO::WriteBlocks(const TextBlocks& text, const std::string& /*format*/)
{
    FormattedOutput out(FileName, WriteFormat);
    LineWriter lines(out.put());
    text([&lines](std::string_view block) { lines.put(block); });
    lines.finish();
    out.commit();
    Status = kDone;
}

} // namespace zuk::plugins
