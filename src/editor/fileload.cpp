#include "editor/fileload.h"

#include <algorithm>
#include <cstring>

namespace zuk::editor {

using codepages::FileEncoding;
using codepages::LineBreak;

FeedOptions fileFeedOptions()
{
    FeedOptions options;
    options.stopAtNul = true;
    return options;
}

// What a stream of document bytes shows: its first line break, how many '?'
// it holds, and where a NUL ends it.
class FileLoadScan::TextFacts final {
public:
    void put(std::string_view bytes)
    {
        if (m_ended)
            return;
        if (const void* nul = std::memchr(bytes.data(), 0, bytes.size())) {
            const auto at = static_cast<std::size_t>(static_cast<const char*>(nul) - bytes.data());
            m_nulAt = m_offset + at;
            bytes = bytes.substr(0, at);
            m_ended = true;
        }
        m_offset += bytes.size();
        m_questions += static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '?'));
        if (m_breakKnown || bytes.empty())
            return;
        if (m_pendingCr) {
            decide(bytes.front() == '\n' ? LineBreak::CrLf : LineBreak::Cr);
            return;
        }
        const std::size_t at = bytes.find_first_of("\r\n");
        if (at == std::string_view::npos)
            return;
        if (bytes[at] == '\n')
            decide(LineBreak::Lf);
        else if (at + 1 < bytes.size())
            decide(bytes[at + 1] == '\n' ? LineBreak::CrLf : LineBreak::Cr);
        else
            m_pendingCr = true;
    }
    void finish()
    {
        if (m_pendingCr && !m_breakKnown)
            decide(LineBreak::Cr);
    }

    LineBreak lineBreak() const { return m_break; }
    std::size_t questions() const { return m_questions; }
    std::optional<std::uint64_t> nulAt() const { return m_nulAt; }

private:
    void decide(LineBreak b)
    {
        m_break = b;
        m_breakKnown = true;
        m_pendingCr = false;
    }

    LineBreak m_break = LineBreak::CrLf;
    bool m_breakKnown = false;
    bool m_pendingCr = false;
    bool m_ended = false;
    std::uint64_t m_offset = 0;
    std::size_t m_questions = 0;
    std::optional<std::uint64_t> m_nulAt;
};

FileLoadScan::FileLoadScan(std::string_view head, const FileLoadOptions& options)
    : m_options(options), m_mark(codepages::encodingByMark(head)),
      m_raw(std::make_unique<TextFacts>()), m_text(std::make_unique<TextFacts>())
{
    if (m_options.countForControl)
        m_rawCount.emplace(m_options.codePage, fileFeedOptions());
    if (m_mark != FileEncoding::CodePage || m_options.unicodeOnOpen) {
        m_decoder.emplace(m_mark != FileEncoding::CodePage ? m_mark : FileEncoding::Utf8);
        m_counting = true;
        if (m_options.countForControl)
            m_decodedCount.emplace(codepages::CodePage::Win, fileFeedOptions());
    }
}

FileLoadScan::~FileLoadScan() = default;

void FileLoadScan::stopDecoding()
{
    m_decoder.reset();
    m_counting = false;
    m_decodedCount.reset();
}

void FileLoadScan::put(std::string_view block)
{
    m_bytes += block.size();
    if (m_rawCount)
        m_rawCount->put(block);
    m_raw->put(block);
    // In slices: decoding stops within a slice of where a file shows it is
    // not Unicode (most often its first letter), not at the end of the block.
    constexpr std::size_t kSlice = 64 * 1024;
    for (std::size_t at = 0; at < block.size() && m_decoder && !m_refused; at += kSlice)
        decode(block.substr(at, kSlice));
}

void FileLoadScan::decode(std::string_view slice)
{
    m_decoded.clear();
    m_decoder->put(slice, m_decoded);
    if (m_mark == FileEncoding::CodePage) {
        // Without a mark, a file is UTF-8 only when all of it is.
        if (!m_decoder->wellFormed()) {
            stopDecoding();
            return;
        }
        // Still to be told apart: UTF-8 that opens raw, and no UTF-8 at all.
        if (!m_decoder->mapped()) {
            m_counting = false;
            m_decodedCount.reset();
        }
    } else if (!m_decoder->wellFormed() || !m_decoder->mapped()) {
        // A marked file that cannot be decoded opens raw, whatever follows.
        m_refused = true;
        m_counting = false;
        m_decodedCount.reset();
        return;
    }
    if (m_counting) {
        if (m_decodedCount)
            m_decodedCount->put(m_decoded);
        m_text->put(m_decoded);
    }
}

FileLoadPlan FileLoadScan::finish()
{
    FileLoadPlan plan;
    plan.fileBytes = m_bytes;
    m_raw->finish();
    bool decoded = false;
    if (m_decoder) {
        const bool wasCounting = m_counting && m_decoder->wellFormed() && m_decoder->mapped();
        m_decoded.clear();
        if (!m_refused)
            m_decoder->finish(m_decoded);
        const bool ok = m_decoder->wellFormed() && m_decoder->mapped();
        if (m_mark != FileEncoding::CodePage) {
            decoded = ok;
            if (!ok) {
                plan.refused = m_mark;
                plan.refusedMalformed =
                    m_decoder->firstFault() == codepages::UnicodeDecoder::Fault::Broken;
            }
        } else if (m_decoder->wellFormed() && m_decoder->multiByte()) {
            decoded = ok;
            if (!ok)
                plan.refused = FileEncoding::Utf8;
        }
        if (decoded && wasCounting) {
            if (m_decodedCount)
                m_decodedCount->put(m_decoded);
            m_text->put(m_decoded);
        }
    }
    if (decoded) {
        m_text->finish();
        plan.encoding = m_mark != FileEncoding::CodePage ? m_mark : FileEncoding::Utf8;
        plan.codePage = codepages::CodePage::Win;
        plan.lineBreak = m_text->lineBreak();
        plan.questionMarks = m_text->questions();
        if (m_decoder->ended())
            plan.nulAt = static_cast<std::uint64_t>(m_decoder->firstNul());
        if (m_decodedCount) {
            m_decodedCount->finish();
            plan.controlSize = m_decodedCount->size();
        }
        return plan;
    }
    plan.codePage =
        plan.refused != FileEncoding::CodePage ? codepages::CodePage::Win : m_options.codePage;
    plan.lineBreak = m_raw->lineBreak();
    plan.questionMarks = m_raw->questions();
    plan.nulAt = m_raw->nulAt();
    if (m_rawCount && plan.codePage == m_options.codePage) {
        m_rawCount->finish();
        plan.controlSize = m_rawCount->size();
    }
    return plan;
}

FileLoadReader::FileLoadReader(const FileLoadPlan& plan, std::function<void(std::string_view)> sink)
    : m_sink(std::move(sink))
{
    if (plan.decodes())
        m_decoder.emplace(plan.encoding);
}

void FileLoadReader::put(std::string_view block)
{
    if (!m_decoder) {
        m_sink(block);
        return;
    }
    m_out.clear();
    m_decoder->put(block, m_out);
    if (!m_out.empty())
        m_sink(m_out);
}

void FileLoadReader::finish()
{
    if (!m_decoder)
        return;
    m_out.clear();
    m_decoder->finish(m_out);
    if (!m_out.empty())
        m_sink(m_out);
}

FileLoadPlan planFile(std::string_view file, const FileLoadOptions& options)
{
    FileLoadScan scan(file.substr(0, 4), options);
    scan.put(file);
    return scan.finish();
}

std::string documentBytes(std::string_view file, const FileLoadPlan& plan)
{
    std::string text;
    FileLoadReader reader(plan, [&text](std::string_view bytes) { text += bytes; });
    reader.put(file);
    reader.finish();
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos)
        text.resize(nul);
    return text;
}

} // namespace zuk::editor
