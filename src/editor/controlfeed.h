#pragma once

#include "codepages/charsets.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace zuk::editor {

// Lines longer than kLongLine bytes are shown in parts of at most kPartLength.
// Laying out a line costs the editing control time in proportion to its whole
// length, on every paint and keystroke, and the control wraps a hundred lines
// at a time while idle; a line of megabytes would freeze it, parts keep every
// layout short.
inline constexpr std::size_t kLongLine = 10000;
inline constexpr std::size_t kPartLength = 1000;

struct FeedOptions {
    bool stopAtNul = false;           // a NUL ends the text (a file being read)
    bool dropFinalBreak = true;       // the break after the last line is not shown
    std::size_t longLine = kLongLine; // 0: no line is cut
    std::size_t partLength = kPartLength;
    // UTF-8 bytes handed to the sink at a time: small enough for the buffer
    // to stay in the cache and its pages to be touched once.
    std::size_t chunk = 256 << 10;
    // No highlighter will colour the text: a big one may be kept without
    // style bytes (read only by the editing control).
    bool plainText = false;
};

// Turns document bytes, given in blocks of any size, into the UTF-8 text the
// editing control holds: CR LF, a lone LF and a lone CR each become CR LF, and
// a line longer than options.longLine is cut into parts of at most
// options.partLength bytes by a lone LF, after the last blank near the cut
// where there is one. A lone LF is never part of
// the text (its breaks are CR LF), so reading the control back drops it and
// gives the document's bytes unchanged.
//
// Without a sink the feed only counts: size() is then the exact size the text
// will have, so the control can be sized once before the text goes in.
class ControlFeed {
public:
    using Sink = std::function<void(std::string_view utf8)>;

    ControlFeed(codepages::CodePage cp, const FeedOptions& options, Sink sink = {});

    void put(std::string_view bytes);
    void finish();

    std::size_t size() const { return m_size; }
    std::size_t softBreaks() const { return m_softBreaks; }

private:
    void content(const char* p, const char* end, bool lineGoesOn);
    void cutContent(const char* p, const char* end);
    void endLine();
    void emitBytes(const char* p, std::size_t n);
    void emitLiteral(std::string_view s);
    void flushHeld();
    void cut();
    void flushOut();

    codepages::CodePage m_cp;
    FeedOptions m_options;
    Sink m_sink;
    std::size_t m_zoneStart; // from here a part's bytes wait in m_held
    std::string m_held;      // bytes of the current line not yet emitted
    std::size_t m_lineLength = 0;
    bool m_cutting = false; // the current line is long: it goes out in parts
    std::size_t m_partLength = 0;
    bool m_pendingBreak = false; // a break seen; emitted once text follows
    bool m_pendingCr = false;    // the last block ended with CR
    bool m_ended = false;        // a NUL ended the text
    std::size_t m_size = 0;
    std::size_t m_softBreaks = 0;
    // The output buffer, m_used of its m_outSize bytes filled; left
    // uninitialised, as a buffer that is only written before it is read.
    std::unique_ptr<char[]> m_out;
    std::size_t m_outSize = 0;
    std::size_t m_used = 0;
};

// The document bytes of control text read back: every lone LF left out.
void dropSoftBreaks(std::string& bytes);

} // namespace zuk::editor
