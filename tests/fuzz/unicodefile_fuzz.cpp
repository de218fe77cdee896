// Opening a file as a document: any bytes as a file. The decoder of every
// Unicode encoding gives the same text and verdict whatever blocks the file
// comes in; a text it decodes without a fault is written back to the same
// bytes of document text; the first reading of the file plans the same
// whatever its blocks, and the size it counts for the editing control is the
// size of the text the second reading gives.

#include "fuzz/fuzztarget.h"

#include "codepages/unicodefile.h"
#include "editor/fileload.h"
#include "plugins/cbasicfileio.h"

#include <string>

namespace {

using namespace zuk::codepages;
using zuk::fuzz::check;

struct Decoded {
    std::string text;
    bool wellFormed, mapped, multiByte;
    std::int64_t nul;
    UnicodeDecoder::Fault fault;
    bool operator==(const Decoded& o) const
    {
        return text == o.text && wellFormed == o.wellFormed && mapped == o.mapped &&
               multiByte == o.multiByte && nul == o.nul && fault == o.fault;
    }
};

Decoded decode(std::string_view bytes, FileEncoding encoding, std::size_t block)
{
    UnicodeDecoder decoder(encoding);
    Decoded d{};
    for (std::size_t at = 0; at < bytes.size(); at += block)
        decoder.put(bytes.substr(at, block), d.text);
    decoder.finish(d.text);
    d.wellFormed = decoder.wellFormed();
    d.mapped = decoder.mapped();
    d.multiByte = decoder.multiByte();
    d.nul = decoder.firstNul();
    d.fault = decoder.firstFault();
    return d;
}

bool samePlan(const zuk::editor::FileLoadPlan& a, const zuk::editor::FileLoadPlan& b)
{
    return a.encoding == b.encoding && a.codePage == b.codePage && a.refused == b.refused &&
           a.refusedMalformed == b.refusedMalformed && a.lineBreak == b.lineBreak &&
           a.controlSize == b.controlSize && a.questionMarks == b.questionMarks &&
           a.fileBytes == b.fileBytes && a.nulAt == b.nulAt;
}

} // namespace

ZUK_FUZZ_TARGET(unicodefile)
{
    // The first byte chooses the block size; the rest is the file.
    if (input.empty())
        return;
    const std::size_t block = 1 + static_cast<unsigned char>(input[0]) % 7;
    const std::string_view file = input.substr(1);

    for (FileEncoding e : {FileEncoding::Utf8, FileEncoding::Utf8Bom, FileEncoding::Utf16Le,
                           FileEncoding::Utf16Be}) {
        const Decoded whole = decode(file, e, file.size() + 1);
        check(decode(file, e, block) == whole);
        check(whole.text.find('\0') == std::string::npos);
        if (!whole.wellFormed || !whole.mapped || whole.nul >= 0)
            continue;
        // The text as a document holds it, written in the same encoding,
        // reads back as the same text.
        const std::string text = zuk::plugins::normalizeLineBreaks(whole.text);
        const std::string written = encodeFile(text, FileFormat{e, CodePage::Win, LineBreak::CrLf});
        const Decoded again = decode(written, e, block);
        check(again.wellFormed && again.mapped);
        check(again.text == text);
    }

    for (const bool unicodeOnOpen : {true, false}) {
        zuk::editor::FileLoadOptions options;
        options.unicodeOnOpen = unicodeOnOpen;
        options.codePage = block % 2 ? CodePage::Win : CodePage::Koi;
        const zuk::editor::FileLoadPlan plan = zuk::editor::planFile(file, options);
        zuk::editor::FileLoadScan scan(file.substr(0, 4), options);
        for (std::size_t at = 0; at < file.size(); at += block)
            scan.put(file.substr(at, block));
        check(samePlan(scan.finish(), plan));
        check(plan.decodes()
                  ? plan.codePage == CodePage::Win && plan.refused == FileEncoding::CodePage
                  : true);
        if (!plan.controlSize)
            continue;
        // The counted size is the size of what the control will be fed.
        zuk::editor::ControlFeed count(plan.codePage, zuk::editor::fileFeedOptions());
        zuk::editor::FileLoadReader reader(plan,
                                           [&count](std::string_view bytes) { count.put(bytes); });
        for (std::size_t at = 0; at < file.size(); at += block)
            reader.put(file.substr(at, block));
        reader.finish();
        count.finish();
        check(count.size() == *plan.controlSize);
    }
}
