#pragma once

#include "plugins/afileio.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zuk::plugins {

// The input/output engine: an ordered list of modules chosen by format name.
// It is made once at start-up with the plain-text module "std_txt" and owns
// its modules for its whole life; FindModule hands out pointers that stay
// valid as long as the engine.
class CFIOINT final {
public:
    CFIOINT();

    // The first module serving `format` (compared without regard to letter
    // case), or nullptr.
    AFILEIO* FindModule(std::string_view format) const;
    // True when `module` lists `format` (compared without regard to case).
    static bool Supports(const AFILEIO& module, std::string_view format);

    const std::string& Description() const { return m_description; }
    const std::vector<std::unique_ptr<AFILEIO>>& Modules() const { return m_modules; }

private:
    std::vector<std::unique_ptr<AFILEIO>> m_modules;
    std::string m_description;
};

// The format name of the plain-text module.
inline constexpr const char* kPlainTextFormat = "std_txt";

// Shorthands for the document commands: the whole text of a file through the
// "std_txt" module of `engine`, and a text written back through it. Both throw
// zuk::IoError; a missing module is reported the same way.
std::string readDocumentFile(const CFIOINT& engine, const std::string& path);
// The file's bytes in blocks, for a reader that applies the line rules itself.
void readDocumentBlocks(const CFIOINT& engine, const std::string& path,
                        const std::function<void(std::string_view)>& sink);
// `format` is how the file stores the text (the module's WriteFormat).
void writeDocumentFile(const CFIOINT& engine, const std::string& path, const std::string& text,
                       const codepages::FileFormat& format = {});
// writeDocumentFile for a text given in blocks.
void writeDocumentBlocks(const CFIOINT& engine, const std::string& path, const TextBlocks& text,
                         const codepages::FileFormat& format = {});

} // namespace zuk::plugins
