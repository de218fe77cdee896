#include "app/textservice.h"

#include "app/commandtable.h"
#include "app/texttables.h"
#include "base/zukerror.h"
#include "codepages/charsets.h"
#include "io/inifile.h"
#include "io/nocase.h"
#include "platform/programfolder.h"

#include <sys/stat.h>

#include <algorithm>
#include <dirent.h>

namespace zuk::app {

const char* const kRussianLanguage = "\xD0\xF3\xF1\xF1\xEA\xE8\xE9";

const std::vector<const TextTable*>& allTextTables()
{
    static const std::vector<const TextTable*> tables = [] {
        std::vector<const TextTable*> all{&menuTexts()};
        for (const TextTable* t : subsystemTextTables())
            all.push_back(t);
        return all;
    }();
    return tables;
}

const TextRow* findBuiltInText(std::string_view section, std::string_view key)
{
    for (const TextTable* table : allTextTables())
        if (io::equalNoCaseUtf8(table->section, section))
            if (const TextRow* row = table->find(key))
                return row;
    return nullptr;
}

namespace {

bool isRegularFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

} // namespace

std::vector<std::string> availableLanguages(const std::string& partsFolder)
{
    const std::string russian = codepages::winToUtf8(kRussianLanguage);
    std::vector<std::string> names;
    const std::string folder = platform::resolveDataPath(partsFolder, "Lang/");
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            // Hidden files (.keep), folders and devices are no languages.
            if (name.empty() || name[0] == '.' || name == russian)
                continue;
            if (isRegularFile(folder + name))
                names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    names.insert(names.begin(), russian);
    return names;
}

TextService::TextService() : m_language(kRussianLanguage) {}
TextService::~TextService() = default;

bool TextService::russian() const
{
    return m_language == kRussianLanguage;
}

bool TextService::open(const std::string& partsFolder, const std::string& language)
{
    close();
    m_language = language;
    if (russian() || language.empty())
        return false;
    const std::string name = codepages::winToUtf8(language);
    // A name that climbs out of the folder is no language of it.
    if (name.find('/') != std::string::npos || name == "." || name == "..")
        return false;
    const std::string path = platform::resolveDataPath(partsFolder, "Lang/" + name);
    if (!isRegularFile(path))
        return false;
    try {
        m_file = std::make_unique<const io::IniFile>(path);
    } catch (const ZukError&) {
        m_file.reset();
    }
    return isOpen();
}

void TextService::close()
{
    m_file.reset();
}

std::optional<std::string> TextService::lookup(std::string_view section, std::string_view key) const
{
    if (!m_file || key.empty())
        return std::nullopt;
    std::string value = m_file->readString(section, key, "");
    if (value.empty())
        return std::nullopt;
    return codepages::winToUtf8(value);
}

std::string TextService::text(std::string_view section, std::string_view key) const
{
    if (std::optional<std::string> value = lookup(section, key))
        return *value;
    const TextRow* row = findBuiltInText(section, key);
    return row ? std::string(row->builtIn) : std::string();
}

std::string TextService::format(std::string_view section, std::string_view key,
                                const std::vector<std::string>& args) const
{
    return formatText(text(section, key), args);
}

std::string TextService::message(const ZukError& error) const
{
    const TextRef& ref = error.text();
    if (ref.key.empty())
        return error.what();
    return format(ref);
}

} // namespace zuk::app
