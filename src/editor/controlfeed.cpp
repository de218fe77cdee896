#include "editor/controlfeed.h"

#include <algorithm>
#include <cstring>

namespace zuk::editor {

namespace {

// How far back from a cut a blank is looked for.
constexpr std::size_t kBlankSearch = 256;

bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

} // namespace

ControlFeed::ControlFeed(codepages::CodePage cp, const FeedOptions& options, Sink sink)
    : m_cp(cp), m_options(options), m_sink(std::move(sink))
{
    if (m_options.longLine == 0)
        m_options.longLine = SIZE_MAX; // no cutting
    m_options.partLength = std::clamp<std::size_t>(m_options.partLength, 2, m_options.longLine);
    m_zoneStart = m_options.partLength - std::min(kBlankSearch, m_options.partLength / 2);
    if (m_sink) {
        m_outSize = std::max<std::size_t>(m_options.chunk, 64);
        m_out.reset(new char[m_outSize]);
    }
}

void ControlFeed::put(std::string_view bytes)
{
    if (m_ended)
        return;
    const char* p = bytes.data();
    const char* end = p + bytes.size();
    if (m_options.stopAtNul) {
        if (const void* nul = std::memchr(p, '\0', bytes.size())) {
            end = static_cast<const char*>(nul);
            m_ended = true;
        }
    }
    while (p < end) {
        if (m_pendingCr) { // the LF of a CR LF cut apart by the blocks
            m_pendingCr = false;
            if (*p == '\n') {
                ++p;
                continue;
            }
        }
        const char c = *p;
        if (isBreak(c)) {
            endLine();
            if (m_pendingBreak)
                emitLiteral("\r\n");
            m_pendingBreak = true;
            ++p;
            if (c == '\r') {
                if (p == end)
                    m_pendingCr = true;
                else if (*p == '\n')
                    ++p;
            }
            continue;
        }
        const char* q = p;
        while (q < end && !isBreak(*q))
            ++q;
        if (m_pendingBreak) {
            emitLiteral("\r\n");
            m_pendingBreak = false;
        }
        content(p, q, q == end && !m_ended);
        p = q;
    }
}

void ControlFeed::finish()
{
    endLine();
    if (m_pendingBreak && !m_options.dropFinalBreak)
        emitLiteral("\r\n");
    m_pendingBreak = false;
    flushOut();
}

void ControlFeed::endLine()
{
    flushHeld();
    m_lineLength = 0;
    m_partLength = 0;
    m_cutting = false;
}

// Bytes of one line; `lineGoesOn` when the next block may carry more of it. A
// line waits in m_held while it is not known to be short; once it is known to
// be long it goes out in parts.
void ControlFeed::content(const char* p, const char* end, bool lineGoesOn)
{
    const auto n = static_cast<std::size_t>(end - p);
    if (!m_cutting) {
        m_lineLength += n;
        if (m_lineLength <= m_options.longLine) {
            if (!lineGoesOn && m_held.empty())
                emitBytes(p, n);
            else
                m_held.append(p, n);
            return;
        }
        m_cutting = true;
        std::string held;
        held.swap(m_held);
        cutContent(held.data(), held.data() + held.size());
    }
    cutContent(p, end);
}

// Bytes of a long line. The last stretch of a part waits in m_held until it
// is known whether the line goes on past the part's end.
void ControlFeed::cutContent(const char* p, const char* end)
{
    while (p < end) {
        const auto left = static_cast<std::size_t>(end - p);
        if (m_partLength < m_zoneStart) {
            const std::size_t n = std::min(left, m_zoneStart - m_partLength);
            emitBytes(p, n);
            p += n;
            m_partLength += n;
        } else if (m_partLength < m_options.partLength) {
            const std::size_t n = std::min(left, m_options.partLength - m_partLength);
            m_held.append(p, n);
            p += n;
            m_partLength += n;
        } else {
            cut();
        }
    }
}

// The part is full and the line goes on: end the part after its last blank
// (or right here when there is none near) and start the next with the rest.
void ControlFeed::cut()
{
    std::size_t head = m_held.size();
    for (std::size_t i = m_held.size(); i > 0; --i) {
        if (m_held[i - 1] == ' ' || m_held[i - 1] == '\t') {
            head = i;
            break;
        }
    }
    emitBytes(m_held.data(), head);
    emitLiteral("\n");
    ++m_softBreaks;
    emitBytes(m_held.data() + head, m_held.size() - head);
    m_partLength = m_held.size() - head; // less than m_zoneStart
    m_held.clear();
}

void ControlFeed::flushHeld()
{
    emitBytes(m_held.data(), m_held.size());
    m_held.clear();
}

void ControlFeed::emitBytes(const char* p, std::size_t n)
{
    if (!m_sink) {
        m_size += codepages::utf8SizeOf(std::string_view(p, n), m_cp);
        return;
    }
    while (n > 0) {
        // A byte becomes at most three UTF-8 bytes.
        const std::size_t k = std::min(n, (m_outSize - m_used) / 3);
        if (k == 0) {
            flushOut();
            continue;
        }
        char* end = codepages::decodeToUtf8(std::string_view(p, k), m_cp, m_out.get() + m_used);
        m_used = static_cast<std::size_t>(end - m_out.get());
        p += k;
        n -= k;
    }
}

void ControlFeed::emitLiteral(std::string_view s)
{
    if (!m_sink) {
        m_size += s.size();
        return;
    }
    if (m_outSize - m_used < s.size())
        flushOut();
    std::memcpy(m_out.get() + m_used, s.data(), s.size());
    m_used += s.size();
}

void ControlFeed::flushOut()
{
    if (!m_sink || m_used == 0)
        return;
    m_sink(std::string_view(m_out.get(), m_used));
    m_size += m_used;
    m_used = 0;
}

void dropSoftBreaks(std::string& bytes)
{
    const void* first = std::memchr(bytes.data(), '\n', bytes.size());
    if (!first)
        return;
    char* const begin = bytes.data();
    char* dst = begin + (static_cast<const char*>(first) - begin);
    char prev = dst > begin ? dst[-1] : '\0';
    for (const char* src = dst; src < begin + bytes.size(); ++src) {
        const char c = *src;
        if (!(c == '\n' && prev != '\r'))
            *dst++ = c;
        prev = c;
    }
    bytes.resize(static_cast<std::size_t>(dst - begin));
}

} // namespace zuk::editor
