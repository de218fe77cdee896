// The INI engine: any bytes as a profile file, read back through every query,
// then one key written, deleted and a section erased, as the settings code does.

#include "fuzz/fuzztarget.h"

#include "base/zukerror.h"
#include "io/inifile.h"
#include "io/safefile.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

std::string scratchFile()
{
    static const std::string path = [] {
        const char* tmp = std::getenv("TMPDIR");
        return std::string(tmp && *tmp ? tmp : "/tmp") + "/zuk-fuzz-ini-" +
               std::to_string(::getpid()) + ".ini";
    }();
    return path;
}

} // namespace

ZUK_FUZZ_TARGET(inifile)
{
    const std::string path = scratchFile();
    zuk::io::writeFileAtomically(path, input);
    zuk::io::IniFile ini(path);
    for (const std::string& section : ini.sectionNames()) {
        for (const auto& [key, value] : ini.sectionValues(section)) {
            (void)ini.readInt(section, key, 0);
            (void)ini.readBool(section, key, false);
            (void)ini.readPath(section, key, "");
            if (ini.readString(section, key, "\x01") != value)
                std::abort();
        }
    }
    const std::string section = ini.sectionNames().empty() ? "Main" : ini.sectionNames().front();
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
    again.deleteKey(section, "FuzzKey");
    again.eraseSection(section);
    ::unlink(path.c_str());
}
