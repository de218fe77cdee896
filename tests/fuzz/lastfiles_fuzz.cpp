// The lists of files the program keeps between runs. The bytes are read both
// as lastfiles.txt (the documents to open again, one path a line) and as a
// zuk.ini whose section Recent holds the file history; each list is written
// and read again to the same list, and the history keeps its other sections.

#include "fuzz/fuzzscratch.h"
#include "fuzz/fuzztarget.h"

#include "app/filehistory.h"
#include "io/inifile.h"
#include "io/linesfile.h"
#include "io/nocase.h"

#include <cstdlib>
#include <string>

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

bool same(const std::vector<zuk::app::RRecentFile>& a, const std::vector<zuk::app::RRecentFile>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].fileName != b[i].fileName || a[i].firstLine != b[i].firstLine)
            return false;
    return true;
}

void lastFiles(std::string_view bytes)
{
    const std::string path = zuk::fuzz::putScratchFile("lastfiles.txt", bytes);
    const std::vector<std::string> lines = zuk::io::readLinesFile(path);
    zuk::io::writeLinesFile(path, lines);
    check(zuk::io::readLinesFile(path) == lines);
}

void history(std::string_view bytes)
{
    using namespace zuk::app;
    // The capacity (MRUItemsCount) comes from the input too.
    const int capacity = bytes.empty() ? 0 : static_cast<unsigned char>(bytes[0]) % 40;
    const std::string path = zuk::fuzz::putScratchFile("zuk.ini", bytes);
    zuk::io::IniFile ini(path);
    FileHistory files(capacity);
    files.assign(readRecentFiles(ini, capacity));
    check(files.entries().size() <= static_cast<std::size_t>(capacity));
    for (const RRecentFile& e : files.entries()) {
        check(!e.fileName.empty() && e.firstLine >= 0 && files.find(e.fileName) == &e);
        (void)FileHistory::menuCaption(e.fileName);
    }

    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> others;
    for (const std::string& section : ini.sectionNames())
        if (zuk::io::lowerWin(section) != "recent")
            others.emplace_back(section, ini.sectionValues(section));

    writeRecentFiles(ini, files.entries());
    const zuk::io::IniFile again(path);
    check(same(readRecentFiles(again, capacity), files.entries()));
    for (const auto& [section, values] : others)
        check(again.sectionValues(section) == values);

    // The menu's own changes: the newest entry first, no path twice.
    if (!files.entries().empty()) {
        const RRecentFile last = files.entries().back();
        files.add(last.fileName, last.firstLine + 1);
        check(files.entries().front().fileName == last.fileName);
        check(files.remove(last.fileName) && !files.find(last.fileName));
    }
    files.setCapacity(capacity / 2);
    check(files.entries().size() <= static_cast<std::size_t>(capacity / 2));
}

} // namespace

ZUK_FUZZ_TARGET(lastfiles)
{
    lastFiles(input);
    history(input);
    zuk::fuzz::clearScratch();
}
