#pragma once

#include "codepages/unicodefile.h"
#include "editor/controlfeed.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

// How a file becomes a document. A file is read twice: the first reading
// (FileLoadScan) decides what the file is and how big its text will be in the
// editing control, the second (FileLoadReader) hands the document's bytes to
// the control. Both go block by block, so a file of any size costs a block of
// memory beside the text in the control.
//
// A file is Unicode when it starts with a UTF-8 or UTF-16 byte-order mark or,
// with unicodeOnOpen, when it is well-formed UTF-8 holding a character beyond
// ASCII. A Unicode file whose every character exists in Windows-1251 is
// decoded into a "win" document that remembers the file's encoding; one that
// holds other characters, or is broken, opens as its raw bytes in "win" so
// that saving writes it back unchanged. Any other file is its bytes in the
// code page the caller chose.
namespace zuk::editor {

// The feed of a file into the editing control: a NUL ends the text.
FeedOptions fileFeedOptions();

struct FileLoadOptions {
    bool unicodeOnOpen = true; // BOM-less UTF-8 is recognised
    // The working code page of a file that is not Unicode (what the code-page
    // detector guessed, or "win").
    codepages::CodePage codePage = codepages::CodePage::Win;
    bool countForControl = true; // size the text for the editing control
};

struct FileLoadPlan {
    // The document's file encoding; anything but CodePage means the file's
    // text is decoded into Windows-1251.
    codepages::FileEncoding encoding = codepages::FileEncoding::CodePage;
    codepages::CodePage codePage = codepages::CodePage::Win; // the working code page
    // A Unicode file that opens as its raw bytes, and why: the first fault
    // in it is a broken sequence, or a character Windows-1251 lacks.
    codepages::FileEncoding refused = codepages::FileEncoding::CodePage;
    bool refusedMalformed = false;
    codepages::LineBreak lineBreak =
        codepages::LineBreak::CrLf; // the first break; CR LF without one
    // The exact UTF-8 size of the text in the control; none when it was not
    // counted in the code page finally chosen.
    std::optional<std::size_t> controlSize;
    std::size_t questionMarks = 0; // '?' in the document's text
    std::uint64_t fileBytes = 0;
    std::optional<std::uint64_t> nulAt; // the offset in the file of the NUL that ends the text

    bool decodes() const { return codepages::isUnicode(encoding); }
};

// The first reading of a file.
class FileLoadScan final {
public:
    // `head` is the start of the file (its first few bytes at least).
    FileLoadScan(std::string_view head, const FileLoadOptions& options);
    ~FileLoadScan();
    FileLoadScan(const FileLoadScan&) = delete;
    FileLoadScan& operator=(const FileLoadScan&) = delete;

    void put(std::string_view block);
    FileLoadPlan finish();

private:
    class TextFacts;
    void decode(std::string_view slice);
    void stopDecoding();

    FileLoadOptions m_options;
    codepages::FileEncoding m_mark;
    std::optional<codepages::UnicodeDecoder> m_decoder; // while the file may be Unicode
    bool m_counting = false;                            // the decoded text is still counted
    bool m_refused = false;                             // a marked file that cannot be decoded
    std::string m_decoded;
    std::optional<ControlFeed> m_rawCount, m_decodedCount;
    std::unique_ptr<TextFacts> m_raw, m_text;
    std::uint64_t m_bytes = 0;
};

// The second reading: the file's blocks as the document's bytes, decoded
// when the plan says so, handed to `sink`.
class FileLoadReader final {
public:
    FileLoadReader(const FileLoadPlan& plan, std::function<void(std::string_view)> sink);
    void put(std::string_view block);
    void finish();

private:
    std::function<void(std::string_view)> m_sink;
    std::optional<codepages::UnicodeDecoder> m_decoder;
    std::string m_out;
};

// Both readings of a file held whole: the plan, and the document's bytes (the
// text before a NUL; line breaks as the file has them).
FileLoadPlan planFile(std::string_view file, const FileLoadOptions& options);
std::string documentBytes(std::string_view file, const FileLoadPlan& plan);

} // namespace zuk::editor
