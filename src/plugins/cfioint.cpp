#include "plugins/cfioint.h"

#include "base/zukerror.h"
#include "io/nocase.h"
#include "plugins/cbasicfileio.h"

namespace zuk::plugins {

CFIOINT::CFIOINT() : m_description("Модульный движок ввода/вывода V 1.0")
{
    m_modules.push_back(std::make_unique<CBasicFILEIO>());
}

AFILEIO* CFIOINT::FindModule(std::string_view format) const
{
    for (const std::unique_ptr<AFILEIO>& module : m_modules)
        if (Supports(*module, format))
            return module.get();
    return nullptr;
}

bool CFIOINT::Supports(const AFILEIO& module, std::string_view format)
{
    for (const std::string& name : module.Formats)
        if (io::equalNoCaseUtf8(name, format))
            return true;
    return false;
}

namespace {

AFILEIO& plainTextModule(const CFIOINT& engine)
{
    AFILEIO* module = engine.FindModule(kPlainTextFormat);
    if (!module)
        throw IoError("Нет модуля ввода/вывода для формата std_txt");
    return *module;
}

// The format is set for one write only: whoever writes next unasked gets the plain one.
struct WriteFormatFor {
    AFILEIO& module;
    WriteFormatFor(AFILEIO& m, const codepages::FileFormat& format) : module(m)
    {
        module.WriteFormat = format;
    }
    ~WriteFormatFor() { module.WriteFormat = {}; }
};

} // namespace

std::string readDocumentFile(const CFIOINT& engine, const std::string& path)
{
    AFILEIO& module = plainTextModule(engine);
    module.FileName = path;
    std::string text;
    module.Read(kPlainTextFormat, text);
    return text;
}

void readDocumentBlocks(const CFIOINT& engine, const std::string& path,
                        const std::function<void(std::string_view)>& sink)
{
    AFILEIO& module = plainTextModule(engine);
    module.FileName = path;
    module.ReadBlocks(kPlainTextFormat, sink);
}

void writeDocumentFile(const CFIOINT& engine, const std::string& path, const std::string& text,
                       const codepages::FileFormat& format)
{
    AFILEIO& module = plainTextModule(engine);
    module.FileName = path;
    const WriteFormatFor scope(module, format);
    module.Write(text, kPlainTextFormat);
}

void writeDocumentBlocks(const CFIOINT& engine, const std::string& path, const TextBlocks& text,
                         const codepages::FileFormat& format)
{
    AFILEIO& module = plainTextModule(engine);
    module.FileName = path;
    const WriteFormatFor scope(module, format);
    module.WriteBlocks(text, kPlainTextFormat);
}

} // namespace zuk::plugins
