// The INI engine: any bytes as a profile file, read back through every query,
// then one key written, deleted and a section erased, as the settings code
// does. Every value of the other sections must survive each of those writes.

#include "fuzz/fuzzscratch.h"
#include "fuzz/fuzztarget.h"

#include "io/inifile.h"
#include "io/nocase.h"

#include <cstdlib>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

// Every section as the queries give it: folded name -> (spelling, values).
std::map<std::string, std::pair<std::string, Values>> everything(const zuk::io::IniFile& ini)
{
    std::map<std::string, std::pair<std::string, Values>> all;
    for (const std::string& section : ini.sectionNames()) {
        if (!ini.hasSection(section))
            std::abort();
        Values values = ini.sectionValues(section);
        for (const auto& [key, value] : values) {
            (void)ini.readInt(section, key, 0);
            (void)ini.readBool(section, key, false);
            (void)ini.readPath(section, key, "");
            if (!ini.hasKey(section, key) || ini.readString(section, key, "\x01") != value)
                std::abort();
        }
        all[zuk::io::lowerWin(section)] = {section, std::move(values)};
    }
    return all;
}

// A section name a caller could write into: not blank, no ']' or line break.
bool writable(const std::string& section)
{
    return section.find_first_not_of(" \t") != std::string::npos &&
           section.find_first_of("]\r\n") == std::string::npos;
}

// The sections other than `folded` read as they did before.
void othersUnchanged(const zuk::io::IniFile& ini,
                     const std::map<std::string, std::pair<std::string, Values>>& before,
                     const std::string& folded)
{
    for (const auto& [name, section] : before) {
        if (name == folded)
            continue;
        if (ini.sectionValues(section.first) != section.second)
            std::abort();
    }
}

} // namespace

ZUK_FUZZ_TARGET(inifile)
{
    const std::string path = zuk::fuzz::putScratchFile("profile.ini", input);
    zuk::io::IniFile ini(path);
    const auto before = everything(ini);

    std::string section = "Main";
    for (const auto& entry : before) {
        if (writable(entry.second.first)) {
            section = entry.second.first;
            break;
        }
    }
    const std::string folded = zuk::io::lowerWin(section);
    const std::string value(input.substr(0, 64));
    ini.writeString(section, "FuzzKey", value);

    zuk::io::IniFile again(path);
    std::string expected = value;
    for (char& c : expected)
        if (c == '\r' || c == '\n')
            c = ' ';
    // What was written reads back, line breaks turned into blanks.
    if (again.readString(section, "FuzzKey", "") != expected)
        std::abort();
    othersUnchanged(again, before, folded);

    again.deleteKey(section, "FuzzKey");
    if (zuk::io::IniFile(path).hasKey(section, "FuzzKey"))
        std::abort();
    again.eraseSection(section);
    zuk::io::IniFile erased(path);
    if (erased.hasSection(section))
        std::abort();
    othersUnchanged(erased, before, folded);
    zuk::fuzz::clearScratch();
}
