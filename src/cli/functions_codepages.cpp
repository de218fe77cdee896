#include "base/zukerror.h"
#include "cli/registry.h"
#include "cli/streamio.h"
#include "codepages/codek.h"
#include "codepages/detector.h"
#include "codepages/exchange.h"
#include "codepages/fixlayout.h"
#include "codepages/rungler.h"
#include "codepages/transcoders.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace zuk::cli {

namespace {

using namespace zuk::codepages;

CodePage pageOption(const Invocation& call, const std::string& name, bool workingOnly,
                    const std::string& fallback = {})
{
    const std::string value = call.option(name, fallback);
    CodePage cp = CodePage::Win;
    if (!codePageFromName(value, cp) ||
        (workingOnly && cp != CodePage::Win && cp != CodePage::Dos && cp != CodePage::Koi))
        throw UsageError("--" + name + ": unknown code page \"" + value + "\"");
    return cp;
}

ExchangeFormat formatOption(const Invocation& call, const std::string& name, bool import)
{
    const std::string value = call.option(name);
    ExchangeFormat format = ExchangeFormat::Utf8;
    if (!exchangeFormatFromName(value, format) ||
        (import && (format == ExchangeFormat::Dos || format == ExchangeFormat::Koi)))
        throw UsageError("--" + name + ": unknown format \"" + value + "\"");
    return format;
}

void applyModes(const Invocation& call, TRungler& rungler)
{
    if (call.has("shcha") && !rungler.setShchaMode(call.option("shcha")))
        throw UsageError("--shcha: expected Sj, Shch, W, Q or Sch");
    if (call.has("xa") && !rungler.setXaMode(call.option("xa")))
        throw UsageError("--xa: expected X, KH or H");
    if (call.has("w") && !rungler.setWMode(call.option("w")))
        throw UsageError("--w: expected V or Sj");
}

std::string transcodeText(Invocation& call)
{
    // In place: a 100 MB input is not copied once more.
    transcodeInPlace(call.input.data(), call.input.size(), pageOption(call, "from", false),
                     pageOption(call, "to", false));
    return std::move(call.input);
}

// The same over a stream: 1 MB pieces, so any size runs in constant memory.
void transcodeStream(Invocation& call, int inFd, int outFd)
{
    const CodePage from = pageOption(call, "from", false);
    const CodePage to = pageOption(call, "to", false);
    std::vector<char> buffer(1 << 20);
    for (;;) {
        const ssize_t got = ::read(inFd, buffer.data(), buffer.size());
        if (got == 0)
            return;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw IoError(std::string("Cannot read the input: ") + std::strerror(errno));
        }
        transcodeInPlace(buffer.data(), static_cast<size_t>(got), from, to);
        if (!writeAll(outFd, std::string_view(buffer.data(), static_cast<size_t>(got))))
            throw IoError(std::string("Cannot write to standard output: ") + std::strerror(errno));
    }
}

std::string convertDoc(Invocation& call)
{
    return convertDocument(call.input, pageOption(call, "from", true),
                           pageOption(call, "to", true));
}

std::string exportFile(Invocation& call)
{
    return exportBytes(call.input, pageOption(call, "from", true, "win"),
                       formatOption(call, "to", false));
}

std::string importFile(Invocation& call)
{
    std::string out;
    for (const std::string& line : importLines(call.input, formatOption(call, "from", true))) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::string detect(Invocation& call)
{
    return DetectEncoding(call.input) + "\n";
}

std::string fixLayout(Invocation& call)
{
    return FixLayout(call.input);
}

std::string translit(Invocation& call)
{
    TRungler rungler;
    applyModes(call, rungler);
    rungler.Direction = cdRussianToLatin;
    rungler.setOriginalStr(call.input);
    return rungler.ConvertedStr();
}

std::string detranslit(Invocation& call)
{
    TRungler rungler;
    applyModes(call, rungler);
    rungler.Direction = cdLatinToRussian;
    rungler.setOriginalStr(call.input);
    if (!call.has("ext-table"))
        return rungler.ConvertedStr();
    CUnivCodek codek(rungler.ConvertedStr());
    codek.TableFile = call.option("ext-table");
    return codek.Convert();
}

std::string applyTable(Invocation& call)
{
    CUnivCodek codek(call.input);
    codek.TableFile = call.option("table");
    return codek.Convert();
}

const std::vector<OptionSpec> kModeOptions = {
    {"shcha", true, false, false, "Sj|Shch|W|Q|Sch", "how shcha is written (default Sj)"},
    {"xa", true, false, false, "X|KH|H", "how kha is written (default X)"},
    {"w", true, false, false, "V|Sj", "what a Latin w stands for (default V)"},
};

std::vector<OptionSpec> withExtTable(std::vector<OptionSpec> options)
{
    options.push_back({"ext-table", true, false, false, "FILE",
                       "a replacement table applied to the result (trns_ext.txt)"});
    return options;
}

const FunctionRegistration kCodePages{
    FunctionSpec("transcode", FunctionKind::Text,
                 "The letters from one code page to another (win, dos, koi, mac, iso); "
                 "every other byte unchanged.",
                 {{"from", true, true, false, "CP", "the code page of the input"},
                  {"to", true, true, false, "CP", "the code page of the result"}},
                 transcodeText)
        .streaming(transcodeStream)
        .binaryInput()
        .binaryOutput(),
    FunctionSpec("convert-doc", FunctionKind::Text,
                 "Convert a whole document to a working code page (win, dos, koi); to dos "
                 "an em dash and a space become a line-drawing character and a space.",
                 {{"from", true, true, false, "CP", "the document's working code page"},
                  {"to", true, true, false, "CP", "the new working code page"}},
                 convertDoc)
        .binaryInput()
        .binaryOutput(),
    FunctionSpec("export", FunctionKind::Text,
                 "The bytes the export commands write (koi, dos, mac, iso, utf8, utf16).",
                 {{"to", true, true, false, "FORMAT", "koi, dos, mac, iso, utf8 or utf16"},
                  {"from", true, false, false, "CP", "the document's working code page (win)"}},
                 exportFile)
        .binaryInput()
        .binaryOutput(),
    FunctionSpec("import", FunctionKind::Text,
                 "The Windows-1251 lines the import commands put into a new document.",
                 {{"from", true, true, false, "FORMAT", "mac, iso, utf8 or utf16"}}, importFile)
        .binaryInput(),
    FunctionSpec("detect", FunctionKind::Text,
                 "Guess the encoding: utf8, utf16, or the code page win, dos or koi.", {}, detect)
        .binaryInput(),
    {"fix-layout",
     FunctionKind::Text,
     "Swap text typed in the wrong keyboard layout (US English against Russian).",
     {},
     fixLayout},
    {"translit", FunctionKind::Text, "Russian letters to Latin transliteration.", kModeOptions,
     translit},
    {"detranslit", FunctionKind::Text, "Latin transliteration back to Russian letters.",
     withExtTable(kModeOptions), detranslit},
    {"apply-table",
     FunctionKind::Text,
     "Apply a replacement table (find=replace lines, rule after rule).",
     {{"table", true, true, false, "FILE", "the table file"}},
     applyTable},
};

} // namespace

} // namespace zuk::cli
