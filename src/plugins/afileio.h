#pragma once

#include "codepages/unicodefile.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::plugins {

// A text handed over in blocks: the function calls its argument with each
// block in turn.
using TextBlocks = std::function<void(const std::function<void(std::string_view)>&)>;

// An input/output module: reads and writes the file named by FileName in the
// formats it lists. A caller sets FileName before each call; failures throw
// zuk::IoError with the system's reason and leave Status as it was.
class AFILEIO {
public:
    virtual ~AFILEIO() = default;

    // Reads the file named by FileName into `text`.
    virtual void Read(const std::string& format, std::string& text) = 0;
    // Reads the file named by FileName in blocks for a consumer that applies
    // the line rules itself (CR LF, LF or CR end a line, a NUL ends the text),
    // so a big file never has to be in memory whole. By default the text of
    // Read, as one block.
    virtual void ReadBlocks(const std::string& format,
                            const std::function<void(std::string_view)>& sink)
    {
        std::string text;
        Read(format, text);
        sink(text);
    }
    // Writes `text` to the file named by FileName.
    virtual void Write(const std::string& text, const std::string& format) = 0;
    // Write for a text given in blocks, so a big one never has to be in
    // memory whole. By default the blocks are gathered for Write.
    virtual void WriteBlocks(const TextBlocks& text, const std::string& format)
    {
        std::string whole;
        text([&whole](std::string_view block) { whole += block; });
        Write(whole, format);
    }

    std::vector<std::string> Formats; // the format names this module serves
    std::string FileName;             // UTF-8 path of the next read or write
    // How the next write stores the text: a document's file may be Unicode
    // or keep line breaks other than CR LF. Reads ignore it.
    codepages::FileFormat WriteFormat;
    std::int32_t Status = 0; // kDone after every completed read or write

    static constexpr std::int32_t kDone = 13;
};

} // namespace zuk::plugins
