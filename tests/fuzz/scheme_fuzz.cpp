// The highlighting scheme files and their registries. The first byte picks
// what the rest is: an INI scheme (.shl), a scheme read by its content (a
// header scheme or a keyword list), the scheme registry syntax.ini, or the
// file-type table of the file manager. Loaded schemes must be normalised;
// registries must read back the same after they were saved.

#include "fuzz/fuzzscratch.h"
#include "fuzz/fuzztarget.h"

#include "highlight/cpelagos.h"
#include "highlight/csynman.h"
#include "highlight/schemefile.h"
#include "io/linesfile.h"
#include "io/nocase.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unordered_set>

namespace {

using namespace zuk::highlight;

bool sameHeader(const RSynHeader& a, const RSynHeader& b)
{
    return a.LineComment == b.LineComment && a.BlockCommentOn == b.BlockCommentOn &&
           a.BlockCommentOff == b.BlockCommentOff && a.CaseSensitive == b.CaseSensitive &&
           a.StringChars == b.StringChars && a.Delimiters == b.Delimiters &&
           a.Extensions == b.Extensions && a.Name == b.Name;
}

// Sorted, trimmed, and no two alike without regard to case.
void checkNormalised(const std::vector<std::string>& keywords)
{
    if (!std::is_sorted(keywords.begin(), keywords.end()))
        std::abort();
    std::unordered_set<std::string> seen;
    for (const std::string& k : keywords) {
        if (k.empty() || static_cast<unsigned char>(k.front()) <= 32 ||
            static_cast<unsigned char>(k.back()) <= 32 || !seen.insert(zuk::io::lowerWin(k)).second)
            std::abort();
    }
    if (normalizeKeywords(keywords) != keywords)
        std::abort();
}

void schemeFile(const std::string& name, std::string_view bytes)
{
    const std::string path = zuk::fuzz::putScratchFile(name, bytes);
    RSynHeader header;
    const bool hasHeader = readSchemeHeader(path, header);
    try {
        const SchemeDefinition def = loadSchemeFile(path);
        checkNormalised(def.keywords);
        if (def.format == SchemeFormat::Ini) {
            for (const std::string& k : def.keywords)
                if (k.find_first_not_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_"
                                        "0123456789") != std::string::npos)
                    std::abort();
        } else if ((def.format == SchemeFormat::Header) != hasHeader ||
                   (hasHeader && !sameHeader(def.header, header))) {
            std::abort();
        }
    } catch (const SchemeParseError&) {
        if (hasHeader)
            std::abort(); // the same header parsed for the registration dialog
    }

    // The scanner stopped after a number of events the input picks.
    const std::size_t stopAfter = bytes.empty() ? 0 : static_cast<unsigned char>(bytes.back());
    std::size_t events = 0;
    TIniScaner::ScanText(
        bytes, [&](std::string& section, std::string& key, std::string& value, IniEvent, bool& go) {
            section += "x";
            key.clear();
            value.swap(section);
            go = ++events < stopAfter;
        });
    (void)iniKeywordsFromText(bytes);
}

void synMan(std::string_view bytes)
{
    const std::string path = zuk::fuzz::putScratchFile("syntax.ini", bytes);
    const CSynMan registry(path, zuk::fuzz::scratchFolder());
    for (const RSynItem& item : registry.Items) {
        (void)registry.schemePath(item);
        (void)registry.schemeForExtension("file." + item.Ext.substr(0, item.Ext.find(' ')));
    }
    (void)registry.schemeForExtension("noextension");
    std::vector<std::string> names;
    registry.ListSchemeNames(names);
    registry.save();
    const CSynMan again(path, zuk::fuzz::scratchFolder());
    if (again.Items.size() != registry.Items.size())
        std::abort();
    for (std::size_t i = 0; i < again.Items.size(); ++i) {
        const RSynItem& a = registry.Items[i];
        const RSynItem& b = again.Items[i];
        if (a.Name != b.Name || a.Ext != b.Ext || a.FileName != b.FileName)
            std::abort();
    }
}

void pelagos(std::string_view bytes)
{
    const std::string path = zuk::fuzz::putScratchFile("filelinx", bytes);
    const CPelagos table(path);
    if (!table.Handlers)
        std::abort(); // the file exists
    for (const TRNHandler& h : *table.Handlers)
        (void)table.FindFileType("." + h.Ext);
    table.save();
    const CPelagos again(path);
    const std::vector<TRNHandler> none;
    const std::vector<TRNHandler>& a = *table.Handlers;
    const std::vector<TRNHandler>& b = again.Handlers ? *again.Handlers : none;
    if (a.size() != b.size())
        std::abort();
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].Ext != b[i].Ext || a[i].Viewer != b[i].Viewer || a[i].Editor != b[i].Editor ||
            a[i].Color != b[i].Color)
            std::abort();
}

} // namespace

ZUK_FUZZ_TARGET(scheme)
{
    if (input.empty())
        return;
    const std::string_view bytes = input.substr(1);
    switch (static_cast<unsigned char>(input[0]) % 4) {
    case 0:
        schemeFile("scheme.shl", bytes);
        break;
    case 1:
        schemeFile("scheme.txt", bytes);
        break;
    case 2:
        synMan(bytes);
        break;
    default:
        pelagos(bytes);
        break;
    }
    zuk::fuzz::clearScratch();
}
