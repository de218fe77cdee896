#include "app/documentfiles.h"

#include "base/zukerror.h"
#include "io/linesfile.h"
#include "io/safefile.h"

#include <filesystem>

namespace zuk::app {

std::vector<std::string> saveVersion(const plugins::CFIOINT& engine, const std::string& name,
                                     const std::string& text, const settings::RSaveOptions& options,
                                     const Clock& clock, const codepages::FileFormat& format)
{
    const std::vector<std::string> targets =
        versionTargets(name, clock(), options, [](const std::string& folder) {
            std::error_code ec;
            return std::filesystem::is_directory(folder, ec);
        });
    if (targets.empty())
        return targets;
    const std::string body = versionText(text, options);
    codepages::FileFormat written = format;
    const bool converted =
        options.DoConvertVersionToCharset &&
        (options.ConvertVersionToCharset == "koi" || options.ConvertVersionToCharset == "dos");
    if (converted)
        written.encoding = codepages::FileEncoding::CodePage;
    for (const std::string& target : targets)
        plugins::writeDocumentFile(engine, target, body, written);
    return targets;
}

std::string saveBackupCopy(const plugins::CFIOINT& engine, const std::string& name,
                           const std::string& text, const codepages::FileFormat& format)
{
    const std::string copy = backupName(name);
    plugins::writeDocumentFile(engine, copy, text, format);
    return copy;
}

std::vector<std::string> writeEmergencyCopies(const plugins::CFIOINT& engine,
                                              const std::vector<DocumentText>& documents)
{
    std::vector<std::string> failed;
    for (const DocumentText& document : documents) {
        if (!document.hasFile || !isFilePath(document.name))
            continue;
        try {
            plugins::writeDocumentFile(engine, emergencyName(document.name),
                                       document.text ? document.text() : std::string(),
                                       document.format);
        } catch (...) {
            failed.push_back(document.name);
        }
    }
    return failed;
}

std::vector<std::string> readLastFiles(const std::string& path)
{
    std::string bytes;
    if (!io::readFileBytesIfExists(path, bytes))
        return {};
    std::vector<std::string> names;
    for (std::string& line : io::splitLines(bytes))
        if (!line.empty())
            names.push_back(std::move(line));
    return names;
}

void writeLastFiles(const std::string& path, const std::vector<std::string>& names)
{
    io::writeLinesFile(path, names);
}

} // namespace zuk::app
