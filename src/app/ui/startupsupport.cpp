#include "app/ui/startupsupport.h"

#include "base/zukerror.h"
#include "io/linesfile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace zuk::app::ui {

std::vector<std::string> readListIfPresent(const std::string& path)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    return io::readLinesFile(path);
}

std::string readWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw IoError(path + ": " + std::strerror(errno));
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad())
        throw IoError(path + ": " + std::strerror(errno));
    return s.str();
}

} // namespace zuk::app::ui
