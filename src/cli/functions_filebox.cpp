#include "cli/registry.h"

#include "filebox/findinfiles.h"

#include <iostream>
#include <string>

namespace zuk::cli {

namespace {

std::string findInFiles(Invocation& call)
{
    filebox::FindRequest request;
    request.folder = call.option("dir");
    request.mask = call.option("mask");
    request.text = call.option("text");
    std::string out;
    filebox::FindObserver observer;
    observer.found = [&out](const std::string& path) {
        out += path;
        out += '\n';
    };
    const filebox::FindSummary summary = filebox::findInFiles(request, observer);
    if (summary.skipped != 0)
        std::cerr << "skipped: " << summary.skipped << '\n';
    return out;
}

const FunctionRegistration kFileBoxFunctions{
    FunctionSpec("find-in-files", FunctionKind::NoInput,
                 "List the files below a folder whose names match the mask and whose text "
                 "holds --text (letter case ignored, each * and ? standing for one character), "
                 "one path per line: the folder first, then the folders below it breadth first. "
                 "Links to folders are not followed; files that cannot be read are skipped and "
                 "counted on standard error.",
                 {{"dir", true, true, false, "DIR", "the folder to search"},
                  {"mask", true, true, false, "MASK", "file-name mask, such as *.htm"},
                  {"text", true, true, true, "TEXT", "the text to look for"}},
                 findInFiles)
        .binaryOutput(),
};

} // namespace

} // namespace zuk::cli
