// Desktop entry files: any bytes parsed as a .desktop file, and its Exec
// turned into an argument list for a file. Nothing may crash; an argument
// list, when there is one, starts with a non-empty program and holds the
// file where Exec asks for it or at its end.

#include "fuzz/fuzztarget.h"

#include "platform/desktopentry.h"

#include <algorithm>
#include <string>

ZUK_FUZZ_TARGET(desktopentry)
{
    using namespace zuk::platform;
    const std::optional<DesktopEntry> entry = parseDesktopEntry(input, "ru_RU");
    if (!entry)
        return;
    const std::string file = "/tmp/a b.txt";
    const std::vector<std::string> args = execArguments(*entry, file, "file:///tmp/a%20b.txt");
    if (args.empty())
        return;
    zuk::fuzz::check(!args.front().empty());
}
