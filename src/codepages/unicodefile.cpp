#include "codepages/unicodefile.h"

#include <algorithm>
#include <cstring>

namespace zuk::codepages {

namespace {

constexpr std::string_view kUtf8Mark("\xEF\xBB\xBF", 3);
constexpr std::string_view kUtf16LeMark("\xFF\xFE", 2);
constexpr std::string_view kUtf16BeMark("\xFE\xFF", 2);

// The UTF-8 sequence at p, with `avail` bytes there: its length (> 0) and
// character for a well-formed one, 0 for the start of one that the end of
// the bytes cuts short, -1 for a malformed one (its first byte is a '?' and
// the next byte starts afresh, so every byte of it is a '?').
int utf8Sequence(const unsigned char* p, std::size_t avail, char32_t& c)
{
    const unsigned char b = p[0];
    std::size_t len = 0;
    char32_t least = 0; // the smallest character that needs len bytes
    if ((b & 0xE0) == 0xC0) {
        len = 2;
        c = b & 0x1F;
        least = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3;
        c = b & 0x0F;
        least = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4;
        c = b & 0x07;
        least = 0x10000;
    } else {
        return -1;
    }
    const std::size_t have = std::min(avail, len);
    for (std::size_t k = 1; k < have; ++k) {
        if ((p[k] & 0xC0) != 0x80)
            return -1;
        c = (c << 6) | (p[k] & 0x3F);
    }
    if (have < len)
        return 0;
    // An overlong form would let a character slip past a check on its usual
    // bytes; it, a surrogate and anything past U+10FFFF are no character.
    if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return -1;
    return static_cast<int>(len);
}

} // namespace

const char* fileEncodingName(FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8:
        return "utf8";
    case FileEncoding::Utf8Bom:
        return "utf8-bom";
    case FileEncoding::Utf16Le:
        return "utf16le";
    case FileEncoding::Utf16Be:
        return "utf16be";
    case FileEncoding::CodePage:
        break;
    }
    return "";
}

bool fileEncodingFromName(std::string_view name, FileEncoding& out)
{
    for (FileEncoding e : {FileEncoding::CodePage, FileEncoding::Utf8, FileEncoding::Utf8Bom,
                           FileEncoding::Utf16Le, FileEncoding::Utf16Be}) {
        if (name == fileEncodingName(e)) {
            out = e;
            return true;
        }
    }
    return false;
}

bool isUnicode(FileEncoding encoding)
{
    return encoding != FileEncoding::CodePage;
}

bool isUtf16(FileEncoding encoding)
{
    return encoding == FileEncoding::Utf16Le || encoding == FileEncoding::Utf16Be;
}

std::string_view lineBreakBytes(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::Lf:
        return "\n";
    case LineBreak::Cr:
        return "\r";
    case LineBreak::CrLf:
        break;
    }
    return "\r\n";
}

const char* lineBreakName(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::Lf:
        return "lf";
    case LineBreak::Cr:
        return "cr";
    case LineBreak::CrLf:
        break;
    }
    return "crlf";
}

bool lineBreakFromName(std::string_view name, LineBreak& out)
{
    for (LineBreak b : {LineBreak::CrLf, LineBreak::Lf, LineBreak::Cr}) {
        if (name == lineBreakName(b)) {
            out = b;
            return true;
        }
    }
    return false;
}

FileEncoding encodingByMark(std::string_view head)
{
    if (head.substr(0, 3) == kUtf8Mark)
        return FileEncoding::Utf8Bom;
    if (head.substr(0, 2) == kUtf16LeMark)
        return FileEncoding::Utf16Le;
    if (head.substr(0, 2) == kUtf16BeMark)
        return FileEncoding::Utf16Be;
    return FileEncoding::CodePage;
}

std::string_view byteOrderMark(FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Utf8Bom:
        return kUtf8Mark;
    case FileEncoding::Utf16Le:
        return kUtf16LeMark;
    case FileEncoding::Utf16Be:
        return kUtf16BeMark;
    case FileEncoding::CodePage:
    case FileEncoding::Utf8:
        break;
    }
    return {};
}

bool isMultiByteUtf8(std::string_view bytes)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    bool multi = false;
    std::size_t i = 0;
    while (i < n) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        char32_t c = 0;
        const int len = utf8Sequence(p + i, n - i, c);
        if (len <= 0)
            return false;
        multi = true;
        i += static_cast<std::size_t>(len);
    }
    return multi;
}

// --- decoding -------------------------------------------------------------------

UnicodeDecoder::UnicodeDecoder(FileEncoding encoding)
    : m_encoding(encoding), m_mark(byteOrderMark(encoding))
{
}

void UnicodeDecoder::put(std::string_view block, std::string& out)
{
    if (ended())
        return;
    const auto* p = reinterpret_cast<const unsigned char*>(block.data());
    std::size_t n = block.size();
    while (!m_mark.empty() && n > 0) {
        if (*p != static_cast<unsigned char>(m_mark.front())) {
            // Not the mark after all: what is there is text.
            brokenSequence();
            m_mark = {};
            break;
        }
        m_mark.remove_prefix(1);
        ++p;
        --n;
        ++m_offset;
    }
    if (isUtf16(m_encoding))
        putUtf16(p, n, out);
    else
        putUtf8(p, n, out);
    m_offset += n;
}

void UnicodeDecoder::finish(std::string& out)
{
    if (ended())
        return;
    if (!m_mark.empty()) {
        brokenSequence();
        m_mark = {};
    }
    if (isUtf16(m_encoding)) {
        if (m_high) {
            out += '?';
            m_high = 0;
            brokenSequence();
        }
        if (!m_carry.empty()) // a final odd byte is no unit
            brokenSequence();
    } else if (!m_carry.empty()) {
        const auto* c = reinterpret_cast<const unsigned char*>(m_carry.data());
        decodeUtf8Run(c, m_carry.size(), true, m_offset, out);
    }
    m_carry.clear();
}

void UnicodeDecoder::brokenSequence()
{
    m_wellFormed = false;
    if (m_firstFault == Fault::None)
        m_firstFault = Fault::Broken;
}

void UnicodeDecoder::characterLacking()
{
    m_mapped = false;
    if (m_firstFault == Fault::None)
        m_firstFault = Fault::Lacking;
}

void UnicodeDecoder::mapChar(char32_t c, std::string& out)
{
    const int byte = encodeChar(c, CodePage::Win);
    if (byte < 0) {
        out += '?';
        characterLacking();
    } else {
        out += static_cast<char>(byte);
    }
}

// Decodes the sequences that start in p[0, n) and returns where one begins
// that the end cuts short (n when none does); with `final` nothing is cut
// short. `offset` is the file offset of p[0].
std::size_t UnicodeDecoder::decodeUtf8Run(const unsigned char* p, std::size_t n, bool final,
                                          std::uint64_t offset, std::string& out)
{
    std::size_t i = 0;
    while (i < n) {
        if (p[i] < 0x80) {
            std::size_t j = i + 1;
            while (j < n && p[j] < 0x80)
                ++j;
            if (const void* nul = std::memchr(p + i, 0, j - i)) {
                const auto at =
                    static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - p);
                out.append(reinterpret_cast<const char*>(p + i), at - i);
                m_firstNul = static_cast<std::int64_t>(offset + at);
                return n;
            }
            out.append(reinterpret_cast<const char*>(p + i), j - i);
            i = j;
            continue;
        }
        // Russian letters first: two bytes, always in Windows-1251 (А..я at C0..FF).
        if ((p[i] == 0xD0 || p[i] == 0xD1) && i + 1 < n && (p[i + 1] & 0xC0) == 0x80) {
            const unsigned letter = ((p[i] & 0x1Fu) << 6) | (p[i + 1] & 0x3Fu);
            if (letter >= 0x410 && letter <= 0x44F) {
                out += static_cast<char>(letter - 0x350);
                m_multiByte = true;
                i += 2;
                continue;
            }
        }
        char32_t c = 0;
        int len = utf8Sequence(p + i, n - i, c);
        if (len == 0) {
            if (!final)
                return i;
            len = -1;
        }
        if (len < 0) {
            out += '?';
            brokenSequence();
            ++i;
            continue;
        }
        m_multiByte = true;
        mapChar(c, out);
        i += static_cast<std::size_t>(len);
    }
    return n;
}

void UnicodeDecoder::putUtf8(const unsigned char* p, std::size_t n, std::string& out)
{
    std::size_t skip = 0;
    if (!m_carry.empty()) {
        // The carry is a lead byte and the continuation bytes after it: with
        // three bytes more, the sequence is either whole or broken.
        const std::size_t carried = m_carry.size();
        std::string joined = m_carry;
        joined.append(reinterpret_cast<const char*>(p), std::min<std::size_t>(n, 3));
        const auto* j = reinterpret_cast<const unsigned char*>(joined.data());
        std::size_t i = 0;
        while (i < carried) {
            char32_t c = 0;
            const int len = utf8Sequence(j + i, joined.size() - i, c);
            if (len == 0) { // still cut short: the whole block went into `joined`
                m_carry = joined;
                return;
            }
            if (len < 0) {
                out += '?';
                brokenSequence();
                ++i;
                continue;
            }
            m_multiByte = true;
            mapChar(c, out);
            i += static_cast<std::size_t>(len);
        }
        skip = i - carried;
        m_carry.clear();
    }
    const std::size_t cut = decodeUtf8Run(p + skip, n - skip, false, m_offset + skip, out) + skip;
    if (ended())
        return;
    m_carry.assign(reinterpret_cast<const char*>(p + cut), n - cut);
}

void UnicodeDecoder::emitUnit(char16_t unit, std::string& out)
{
    if (m_high) {
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            const char32_t c = 0x10000 + ((char32_t(m_high) - 0xD800) << 10) + (unit - 0xDC00);
            m_high = 0;
            m_multiByte = true;
            mapChar(c, out);
            return;
        }
        out += '?';
        m_high = 0;
        brokenSequence();
    }
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        m_high = unit;
        return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        out += '?';
        brokenSequence();
        return;
    }
    if (unit < 0x80) {
        out += static_cast<char>(unit);
        return;
    }
    m_multiByte = true;
    if (unit == 0x2028 || unit == 0x2029)
        out += "\r\n";
    else
        mapChar(unit, out);
}

void UnicodeDecoder::putUtf16(const unsigned char* p, std::size_t n, std::string& out)
{
    const bool little = m_encoding == FileEncoding::Utf16Le;
    auto unitOf = [little](unsigned char a, unsigned char b) {
        return little ? static_cast<char16_t>(a | (b << 8)) : static_cast<char16_t>((a << 8) | b);
    };
    // A U+0000 ends the text; false once it did.
    auto take = [&](char16_t unit, std::uint64_t at) {
        if (unit == 0) {
            if (m_high) { // a high surrogate the end of the text leaves unpaired
                out += '?';
                m_high = 0;
                brokenSequence();
            }
            m_firstNul = static_cast<std::int64_t>(at);
            m_carry.clear();
            return false;
        }
        emitUnit(unit, out);
        return true;
    };
    std::size_t i = 0;
    if (!m_carry.empty() && n > 0) {
        const char16_t unit = unitOf(static_cast<unsigned char>(m_carry[0]), p[0]);
        m_carry.clear();
        if (!take(unit, m_offset - 1))
            return;
        i = 1;
    }
    for (; i + 1 < n; i += 2)
        if (!take(unitOf(p[i], p[i + 1]), m_offset + i))
            return;
    if (i < n)
        m_carry.assign(1, static_cast<char>(p[i]));
}

// --- encoding -------------------------------------------------------------------

namespace {
constexpr std::size_t kEncoderBuffer = 64 * 1024;
}

FileEncoder::FileEncoder(const FileFormat& format, Sink sink)
    : m_format(format), m_sink(std::move(sink)), m_out(kEncoderBuffer, '\0')
{
}

void FileEncoder::start()
{
    if (m_started)
        return;
    m_started = true;
    const std::string_view mark = byteOrderMark(m_format.encoding);
    if (mark.empty())
        return;
    std::memcpy(m_out.data() + m_used, mark.data(), mark.size());
    m_used += mark.size();
}

void FileEncoder::flush()
{
    if (m_used == 0)
        return;
    m_sink(std::string_view(m_out.data(), m_used));
    m_used = 0;
}

void FileEncoder::put(std::string_view block)
{
    start();
    // Every break of the text is a CR LF pair: dropping one half of each
    // leaves the other as the break.
    const char dropped = m_format.lineBreak == LineBreak::Lf   ? '\r'
                         : m_format.lineBreak == LineBreak::Cr ? '\n'
                                                               : '\0';
    const FileEncoding enc = m_format.encoding;
    // The most bytes one byte of the text becomes.
    const std::size_t widest = enc == FileEncoding::CodePage ? 1 : isUtf16(enc) ? 2 : 3;
    const char16_t* table = unicodeTable(m_format.codePage);
    const bool little = enc == FileEncoding::Utf16Le;
    while (!block.empty()) {
        std::size_t span = block.size();
        if (dropped) {
            const void* at = std::memchr(block.data(), dropped, block.size());
            span = at ? static_cast<std::size_t>(static_cast<const char*>(at) - block.data())
                      : block.size();
        }
        std::string_view run = block.substr(0, span);
        block.remove_prefix(span < block.size() ? span + 1 : span);
        while (!run.empty()) {
            std::size_t room = (m_out.size() - m_used) / widest;
            if (room == 0) {
                flush();
                room = m_out.size() / widest;
            }
            const std::string_view piece = run.substr(0, room);
            run.remove_prefix(piece.size());
            char* dst = m_out.data() + m_used;
            if (enc == FileEncoding::CodePage) {
                std::memcpy(dst, piece.data(), piece.size());
                dst += piece.size();
            } else if (!isUtf16(enc)) {
                dst = decodeToUtf8(piece, m_format.codePage, dst);
            } else {
                for (unsigned char b : piece) {
                    const char16_t u = table[b];
                    const char lo = static_cast<char>(u & 0xFF), hi = static_cast<char>(u >> 8);
                    *dst++ = little ? lo : hi;
                    *dst++ = little ? hi : lo;
                }
            }
            m_used = static_cast<std::size_t>(dst - m_out.data());
        }
    }
}

void FileEncoder::finish()
{
    start();
    flush();
}

std::string encodeFile(std::string_view text, const FileFormat& format)
{
    std::string out;
    FileEncoder encoder(format, [&out](std::string_view bytes) { out += bytes; });
    encoder.put(text);
    encoder.finish();
    return out;
}

} // namespace zuk::codepages
