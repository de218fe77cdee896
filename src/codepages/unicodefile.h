#pragma once

#include "codepages/charsets.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

// Files in Unicode. A document's text is always bytes in its working code
// page; its file may store that text as the same bytes or in UTF-8 or UTF-16.
// These are the pieces the file commands put together: the names of the
// encodings, the recognition of a byte-order mark and of UTF-8, a decoder
// from the file's bytes to Windows-1251 and an encoder back, both streamed
// so that a file of any size passes through a buffer of a block's size.
namespace zuk::codepages {

// How a file stores the document's text.
enum class FileEncoding {
    CodePage, // the document's bytes as they are
    Utf8,
    Utf8Bom, // UTF-8 after the byte-order mark EF BB BF
    Utf16Le, // FF FE, then little-endian units
    Utf16Be, // FE FF, then big-endian units
};

// "" for CodePage, else "utf8", "utf8-bom", "utf16le", "utf16be" (the names
// the recovery copies store). fileEncodingFromName is false for other names.
const char* fileEncodingName(FileEncoding encoding);
bool fileEncodingFromName(std::string_view name, FileEncoding& out);
bool isUnicode(FileEncoding encoding);
bool isUtf16(FileEncoding encoding);

// The break written after every line of a file.
enum class LineBreak { CrLf, Lf, Cr };
std::string_view lineBreakBytes(LineBreak lineBreak);
// "crlf", "lf", "cr"; lineBreakFromName is false for other names.
const char* lineBreakName(LineBreak lineBreak);
bool lineBreakFromName(std::string_view name, LineBreak& out);

// How a document is written to its file: the encoding, the code page the
// document's bytes are in, and the line break.
struct FileFormat {
    FileEncoding encoding = FileEncoding::CodePage;
    CodePage codePage = CodePage::Win;
    LineBreak lineBreak = LineBreak::CrLf;

    // The bytes go out as they are, every line with CR LF.
    bool plain() const
    {
        return encoding == FileEncoding::CodePage && lineBreak == LineBreak::CrLf;
    }
};

// The encoding the byte-order mark at the start of `head` stands for
// (Utf8Bom, Utf16Le or Utf16Be), or CodePage when there is none.
FileEncoding encodingByMark(std::string_view head);
// The byte-order mark a file of `encoding` starts with; empty for none.
std::string_view byteOrderMark(FileEncoding encoding);

// True when `bytes` are well-formed UTF-8 (shortest forms, no surrogates,
// nothing past U+10FFFF) and hold at least one character beyond ASCII.
bool isMultiByteUtf8(std::string_view bytes);

// Decodes the bytes of a Unicode file, given in blocks of any size, into
// Windows-1251. The file is expected to start with the byte-order mark of its
// encoding when that has one; the mark is no part of the text. A character
// Windows-1251 lacks becomes '?' and clears mapped(); a malformed sequence
// (every byte of a broken UTF-8 sequence, an unpaired surrogate, a final odd
// byte of UTF-16) becomes '?' too and clears wellFormed(). In UTF-16 the
// separators U+2028 and U+2029 end a line, as the UTF-16 import reads them.
// A U+0000 ends the text, as a NUL ends the text of any file: it is not
// written, and nothing after it is read (or judged).
class UnicodeDecoder final {
public:
    explicit UnicodeDecoder(FileEncoding encoding);

    // Appends the Windows-1251 bytes of the next `block` of the file to `out`.
    void put(std::string_view block, std::string& out);
    // The end of the file: a sequence cut short is malformed.
    void finish(std::string& out);

    bool wellFormed() const { return m_wellFormed; }
    bool mapped() const { return m_mapped; }
    // The first fault in the file's order (whatever blocks it came in).
    enum class Fault { None, Broken, Lacking };
    Fault firstFault() const { return m_firstFault; }
    // A well-formed character beyond ASCII was decoded.
    bool multiByte() const { return m_multiByte; }
    // The offset in the file of the U+0000 that ended the text, or -1.
    std::int64_t firstNul() const { return m_firstNul; }
    bool ended() const { return m_firstNul >= 0; }

private:
    void putUtf8(const unsigned char* p, std::size_t n, std::string& out);
    void putUtf16(const unsigned char* p, std::size_t n, std::string& out);
    std::size_t decodeUtf8Run(const unsigned char* p, std::size_t n, bool final,
                              std::uint64_t offset, std::string& out);
    void mapChar(char32_t c, std::string& out);
    void brokenSequence();
    void characterLacking();
    void emitUnit(char16_t unit, std::string& out);

    FileEncoding m_encoding;
    std::string_view m_mark; // the part of the byte-order mark still expected
    std::string m_carry;     // the start of a sequence the last block cut
    char16_t m_high = 0;     // a high surrogate waiting for its low half
    std::uint64_t m_offset = 0;
    std::int64_t m_firstNul = -1;
    bool m_wellFormed = true;
    bool m_mapped = true;
    Fault m_firstFault = Fault::None;
    bool m_multiByte = false;
};

// The bytes of a file of `format` for a document text given in blocks: bytes
// in format.codePage whose only line breaks are CR LF pairs, as the line
// writer of the plain-text module makes them. The byte-order mark comes first
// (an empty text gives a file of the mark alone), every CR LF becomes the
// format's break, and every character is written in the file's encoding,
// each byte decoded through the code page's table. Nothing is ever lost:
// every byte of every code page is a character.
class FileEncoder final {
public:
    using Sink = std::function<void(std::string_view)>;
    FileEncoder(const FileFormat& format, Sink sink);

    void put(std::string_view block);
    void finish();

private:
    void flush();
    void start();

    FileFormat m_format;
    Sink m_sink;
    std::string m_out;
    std::size_t m_used = 0;
    bool m_started = false;
};

// The whole file of `format` for `text` (in the form FileEncoder takes).
std::string encodeFile(std::string_view text, const FileFormat& format);

} // namespace zuk::codepages
