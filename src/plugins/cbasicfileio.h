#pragma once

#include "plugins/afileio.h"

#include <string>
#include <string_view>

namespace zuk::plugins {

// The plain-text module "std_txt". A file is a list of lines: CR LF, a lone LF
// or a lone CR ends a line and a NUL byte ends the text. Read yields every
// line followed by CR LF; Write cuts the text the same way and writes every
// line followed by CR LF, through a temporary file in the same folder that
// replaces the target only when everything was written (the target keeps its
// permissions). Bytes are never converted between code pages; a WriteFormat
// other than the plain one writes the same lines in a Unicode encoding of the
// code page's characters, or with another line break (codepages::FileEncoder).
class CBasicFILEIO final : public AFILEIO {
public:
    CBasicFILEIO();

    void Read(const std::string& format, std::string& text) override;
    // The file's bytes as stored, in blocks of a megabyte.
    void ReadBlocks(const std::string& format,
                    const std::function<void(std::string_view)>& sink) override;
    void Write(const std::string& text, const std::string& format) override;
    void WriteBlocks(const TextBlocks& text, const std::string& format) override;
};

// The canonical text form of file bytes: cut at the first NUL, every line
// ended by CR LF (a final break added when the last line has none). Bytes that
// already have that form are moved through without a copy.
std::string normalizeLineBreaks(std::string bytes);

} // namespace zuk::plugins
