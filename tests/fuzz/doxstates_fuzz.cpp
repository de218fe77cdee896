// A saved window set of the document list: the paths read from any bytes,
// written again and read to the same paths, through the file as the window
// does it.

#include "fuzz/fuzzscratch.h"
#include "fuzz/fuzztarget.h"

#include "editor/doxstates.h"

#include <cstdlib>
#include <string>

ZUK_FUZZ_TARGET(doxstates)
{
    using namespace zuk::editor;
    const std::vector<std::string> paths = parseDoxState(input);
    for (const std::string& path : paths)
        if (path.empty() || path.find('\n') != std::string::npos)
            std::abort();
    const std::string bytes = formatDoxState(paths);
    if (parseDoxState(bytes) != paths || formatDoxState(parseDoxState(bytes)) != bytes)
        std::abort();

    const std::string file = zuk::fuzz::putScratchFile("set", input);
    if (readDoxState(file) != paths)
        std::abort();
    writeDoxState(file, paths);
    if (readDoxState(file) != paths)
        std::abort();
    zuk::fuzz::clearScratch();
}
