// The line rules of the input/output engine: file bytes in any mix of CR LF,
// LF and CR, with or without a NUL, read by the plain-text module whole and
// in blocks, cut into lines, and written back whole and in blocks of every
// size. Every way must give the same text: each line followed by CR LF.

#include "fuzz/fuzzscratch.h"
#include "fuzz/fuzztarget.h"

#include "io/largebuffer.h"
#include "io/linesfile.h"
#include "io/safefile.h"
#include "plugins/cbasicfileio.h"

#include <cstdlib>
#include <string>

namespace {

// What every reader and writer must make of `bytes`.
std::string canonical(std::string_view bytes)
{
    const std::vector<std::string> lines = zuk::io::splitLines(bytes);
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

ZUK_FUZZ_TARGET(linereader)
{
    const std::string bytes(input);
    const std::string expected = canonical(bytes);
    check(zuk::plugins::normalizeLineBreaks(bytes) == expected);
    const std::vector<std::string> lines = zuk::io::splitLines(bytes);
    check(zuk::io::joinLines(lines) + (lines.empty() ? "" : "\r\n") == expected);
    for (const std::string& line : lines)
        check(line.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);

    const std::string path = zuk::fuzz::putScratchFile("text.txt", input);
    check(zuk::io::readWholeFile(path, true) == bytes);
    check(zuk::io::readFileHead(path, bytes.size() / 2) == bytes.substr(0, bytes.size() / 2));
    check(zuk::io::readLinesFile(path) == lines);
    // Blocks of a size the input picks, the last one shorter.
    const std::size_t blockSize = bytes.empty() ? 1 : 1 + static_cast<unsigned char>(bytes[0]) % 7;
    std::string gathered;
    zuk::io::readFileBlocks(path, blockSize, [&](std::string_view block) {
        check(!block.empty() && block.size() <= blockSize);
        gathered.append(block);
    });
    check(gathered == bytes);

    zuk::plugins::CBasicFILEIO io;
    io.FileName = path;
    std::string text;
    io.Read("std_txt", text);
    check(text == expected && io.Status == zuk::plugins::AFILEIO::kDone);
    std::string blocks;
    io.ReadBlocks("std_txt", [&](std::string_view block) { blocks.append(block); });
    check(blocks == bytes);

    io.FileName = zuk::fuzz::scratchFile("written.txt");
    io.Write(bytes, "std_txt");
    check(zuk::io::readFileBytes(io.FileName) == expected);
    // The same text handed over in pieces of every size from 1 to 9 bytes,
    // so that a CR LF is split between two blocks somewhere.
    for (std::size_t piece = 1; piece <= 9; ++piece) {
        io.WriteBlocks(
            [&](const std::function<void(std::string_view)>& sink) {
                for (std::size_t at = 0; at < bytes.size(); at += piece)
                    sink(std::string_view(bytes).substr(at, piece));
            },
            "std_txt");
        check(zuk::io::readFileBytes(io.FileName) == expected);
    }
    zuk::io::writeLinesFile(io.FileName, lines);
    check(zuk::io::readLinesFile(io.FileName) == lines);
    zuk::fuzz::clearScratch();
}
