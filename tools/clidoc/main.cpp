// Makes the parts of zuk-text's documentation that come from its function
// table, at build time:
//   zuk-clidoc manual en|ru TEMPLATE OUT   a manual page from its template
//   zuk-clidoc completion OUT              the bash completion script

#include "cli/registry.h"
#include "tools/clidoc/clidoc.h"

#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

int usage()
{
    std::cerr << "Usage: zuk-clidoc manual en|ru TEMPLATE OUT\n"
                 "       zuk-clidoc completion OUT\n";
    return 2;
}

bool writeFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "zuk-clidoc: cannot write " << path << ": " << std::strerror(errno) << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace zuk::clidoc;
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "completion" && argc == 3)
        return writeFile(argv[2], bashCompletion(zuk::cli::allFunctions())) ? 0 : 1;
    if (command != "manual" || argc != 5)
        return usage();
    const std::string language = argv[2];
    if (language != "en" && language != "ru")
        return usage();
    std::ifstream in(argv[3], std::ios::binary);
    if (!in) {
        std::cerr << "zuk-clidoc: cannot read " << argv[3] << ": " << std::strerror(errno) << "\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    const std::string page =
        fillManualTemplate(text.str(), ZUK_VERSION, zuk::cli::allFunctions(),
                           language == "ru" ? Language::Russian : Language::English);
    return writeFile(argv[4], page) ? 0 : 1;
}
